#include "platform/focus_cue.h"

#include <QEvent>
#include <QWidget>

namespace zandrel {
namespace {

// Marks its window as one where the focus has moved by keyboard each time it is shown, which
// is what makes the style draw the focus.
class FocusCue : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

} // namespace

void ShowFocusFromTheStart(QWidget& window) {
    window.installEventFilter(new FocusCue(&window));
}

} // namespace zandrel
