#pragma once

#include <QAccessible>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <string>
#include <string_view>

namespace zandrel {

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

} // namespace zandrel
