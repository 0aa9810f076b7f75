#include "platform/announcer.h"

#include "platform/qt_text.h"

#include <utility>

namespace zandrel {
namespace {

AccessibleEventSink eventSink = nullptr;

} // namespace

CAnnouncer::CAnnouncer(QWidget& window) : QWidget(&window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(kSettleMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CAnnouncer::Show);
}

void CAnnouncer::Announce(std::string_view text) {
    text_ = ToQString(text);
    timer_.start();
}

std::string CAnnouncer::Text() const {
    return ToUtf8(text_);
}

void CAnnouncer::Show() {
    // A notification is spoken as it appears: it is hidden and shown again for each text.
    hide();
    setAccessibleName(text_);
    show();
}

AccessibleEventSink SetAccessibleEventSink(AccessibleEventSink sink) {
    return std::exchange(eventSink, sink);
}

void AnnounceValue(QWidget& list, const QString& value) {
    // The new value arrives as text put into the list, all of it selected: a screen reader
    // speaks such text when it comes to the control with the focus.
    QAccessibleTextInsertEvent inserted(&list, 0, value);
    if (eventSink != nullptr) {
        eventSink(&inserted);
    } else {
        QAccessible::updateAccessibility(&inserted);
    }
}

} // namespace zandrel
