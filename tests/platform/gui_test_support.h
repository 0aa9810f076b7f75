#pragma once

#include "platform/dialog.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zandrel::test {

// Once per test program: the dialogs' style and no native dialogs.
void InitGuiTests();

// Acts on the next modal widget of type Widget once it is the active modal widget and the
// active window, so that keys reach its focus, and reports whether it did. A test never waits on a
// dialog nobody closes: when no such widget is up within `timeoutMs`, when the action fails a
// check, or when the widget it acted on is still open `timeoutMs` after it, every modal widget is
// closed and the test fails at that moment.
class WhenModal {
public:
    template <class Widget>
    static std::shared_ptr<WhenModal> Act(std::function<void(Widget*)> action,
                                          int timeoutMs = 5000) {
        return Start(
            [action](QWidget* modal) {
                auto* widget = qobject_cast<Widget*>(modal);
                if (widget == nullptr) {
                    return false;
                }
                action(widget);
                return true;
            },
            Widget::staticMetaObject.className(), timeoutMs);
    }

    bool Fired() const { return fired_; }

private:
    static std::shared_ptr<WhenModal> Start(std::function<bool(QWidget*)> tryAct, const char* kind,
                                            int timeoutMs);

    bool fired_ = false;
    std::unique_ptr<QTimer> timer_;
};

// Ends every modal widget that is up, innermost first.
void CloseModalWidgets();

// Answers every message box from a list instead of showing it, and keeps what was asked.
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(std::vector<int> answers);
    ~MessageBoxAnswers();
    MessageBoxAnswers(const MessageBoxAnswers&) = delete;
    MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;

    const std::vector<MessageBoxRequest>& Requests() const { return requests_; }

private:
    std::vector<int> answers_;
    std::vector<MessageBoxRequest> requests_;
    MessageBoxAnswerer previous_;
};

// A tick count that advances by `step` on every read, so that waits end after a known
// number of reads instead of on the wall clock. The source it replaces comes back when it
// goes, so that one can stand inside another.
class SteppingTickCount {
public:
    explicit SteppingTickCount(std::uint32_t step, std::uint32_t start = 0);
    ~SteppingTickCount();
    SteppingTickCount(const SteppingTickCount&) = delete;
    SteppingTickCount& operator=(const SteppingTickCount&) = delete;

    int Reads() const { return reads_; }

private:
    std::uint32_t now_;
    std::uint32_t step_;
    int reads_ = 0;
    std::function<std::uint32_t()> previous_;
};

// Runs `action` in a forked child, where a programming error may stop the program without
// ending the test: `stopped` when it did (it aborted), with what it printed.
struct ProgramStop {
    bool stopped = false;
    QByteArray message;
};
ProgramStop RunToStop(const std::function<void()>& action);

// The ids of the controls whose caption does not fit them in the dialog font, with the
// caption, for a readable failure.
std::vector<std::string> OverflowingCaptions(const CDialog& dialog);

// The control's rectangle in dialog units.
DialogRect DialogUnitRect(const QWidget& control);

} // namespace zandrel::test
