#pragma once

#include "platform/dialog.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
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

    // Closes each modal widget of type Widget that comes up while the helper lasts, as Cancel
    // does, and counts them in Closed(): for a test that checks how many came up.
    template <class Widget> static std::shared_ptr<WhenModal> CloseEach() {
        return Watch(IsA<Widget>, Widget::staticMetaObject.className(), false);
    }

    // The same for a widget that must not come up at all: each one that does is closed and
    // fails the test at that moment, so that the test goes on instead of hanging on it.
    template <class Widget> static std::shared_ptr<WhenModal> Forbid() {
        return Watch(IsA<Widget>, Widget::staticMetaObject.className(), true);
    }

    bool Fired() const { return fired_; }
    int Closed() const { return closed_; }

private:
    template <class Widget> static bool IsA(QWidget* widget) {
        return qobject_cast<Widget*>(widget) != nullptr;
    }

    // A helper whose `tick` runs every 10 ms while it lasts.
    static std::shared_ptr<WhenModal> Poll(std::function<void(WhenModal&, QTimer&)> tick);
    static std::shared_ptr<WhenModal> Start(std::function<bool(QWidget*)> tryAct, const char* kind,
                                            int timeoutMs);
    static std::shared_ptr<WhenModal> Watch(std::function<bool(QWidget*)> isKind, const char* kind,
                                            bool forbidden);

    bool fired_ = false;
    int closed_ = 0;
    std::unique_ptr<QTimer> timer_;
};

// Ends every modal widget that is up, innermost first.
void CloseModalWidgets();

// Records what `look` sees each time events are dispatched while it lasts (during a modal
// dialog or the wait of an animation), each change once.
class ChangeRecorder {
public:
    explicit ChangeRecorder(std::function<QString()> look);

    // What it saw since it started or since the last Take.
    QStringList Take();

private:
    QTimer timer_;
    QStringList seen_;
};

// Types `text` into `widget` one key press a character, in any script (QTest::keyClicks
// takes Latin-1 only).
void TypeKeys(QWidget* widget, const QString& text);

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
