#pragma once

#include "platform/controls.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// Shows bitmap buttons to assistive technology as images and label buttons as static texts,
// which is what they are: neither can be pressed; and manual radio buttons as radio buttons.
// Once per process; later calls do nothing.
void InstallAccessibleRoles();

// What assistive technology says of a control: its name and, where it helps, a description.
struct AccessibleText {
    std::string name;
    std::string description;

    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// Gives `control` its accessible name and description; each change is announced.
void SetAccessibleText(QWidget& control, const AccessibleText& text);

// Speaks to assistive technology without moving the focus: an invisible notification of the
// window it belongs to, shown anew with each text, which screen readers speak as it appears.
// For what appears without the user moving to it, such as the result of a cast.
class CAnnouncer : public QWidget {
    Q_OBJECT
public:
    explicit CAnnouncer(QWidget& window);

    // Announces `text` once kSettleMilliseconds have passed: what is announced usually comes
    // with a burst of other changes, which a screen reader thins out as a flood, dropping
    // whatever does not concern the focus. A newer text replaces one not yet announced.
    void Announce(std::string_view text);
    // The text last given to Announce; empty before the first.
    std::string Text() const;
    // Whether the last text has been announced.
    bool Announced() const { return !timer_.isActive() && isVisible(); }

    static constexpr int kSettleMilliseconds = 400;

private:
    void Show();

    QString text_;
    QTimer timer_;
};

// Where the accessibility events that the program makes itself go: to Qt, which passes them
// to assistive technology while any is listening, or to the sink set here (a test's
// recorder). Returns the sink it replaces; nullptr restores Qt.
using AccessibleEventSink = void (*)(QAccessibleEvent* event);
AccessibleEventSink SetAccessibleEventSink(AccessibleEventSink sink);

// Tells assistive technology the value a list now shows, in a way a screen reader speaks when
// the list has the focus. Linux screen readers take a list's own change of value for a
// repetition of its name and stay silent.
void AnnounceValue(QWidget& list, const QString& value);

// Makes `buttons` one Tab stop: Tab reaches the one that last had the focus (the first at the
// start), and the arrow keys move among them as they stand in rows of `columns`.
void MakeOneTabStop(const std::vector<QWidget*>& buttons, int columns);

// Makes `window` show which control has the focus from the moment it is shown, not only once
// the user has pressed Tab in it (Qt's default, which it restores at every showing).
void ShowFocusFromTheStart(QWidget& window);

// Gives every edit box and drop-down list the static text that labels it, as a classic dialog's
// labels do: the nearest one ending just left of it on the same line or, failing that, the
// nearest one just above it. Assistive technology then names the box by its label.
void LinkLabels(const std::vector<CControl*>& controls);

} // namespace zandrel
