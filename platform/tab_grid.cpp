#include "platform/tab_grid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

// Keeps a set of buttons one Tab stop: the one that last had the focus takes Tab, the
// others only a click; the arrow keys move among them by rows and columns.
class OneTabStop : public QObject {
public:
    OneTabStop(std::vector<QWidget*> buttons, int columns, QObject* parent)
        : QObject(parent), buttons_(std::move(buttons)), columns_(std::max(1, columns)) {
        for (QWidget* button : buttons_) {
            button->installEventFilter(this);
        }
        MakeTabStop(0);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const int index = IndexOf(watched);
        if (index < 0) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            MakeTabStop(index);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
                return false;
            }
            const int count = static_cast<int>(buttons_.size());
            int target = -1;
            switch (key->key()) {
            case Qt::Key_Left:
                target = index - 1;
                break;
            case Qt::Key_Right:
                target = index + 1;
                break;
            case Qt::Key_Up:
                target = index - columns_;
                break;
            case Qt::Key_Down:
                target = index + columns_;
                break;
            case Qt::Key_Home:
                target = 0;
                break;
            case Qt::Key_End:
                target = count - 1;
                break;
            default:
                return false;
            }
            // At an edge the focus stays where it is.
            if (target >= 0 && target < count && buttons_[target]->isEnabled()) {
                buttons_[target]->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
        return false;
    }

private:
    int IndexOf(const QObject* object) const {
        const auto found = std::find(buttons_.begin(), buttons_.end(), object);
        return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
    }

    void MakeTabStop(int index) {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setFocusPolicy(static_cast<int>(i) == index ? Qt::StrongFocus
                                                                     : Qt::ClickFocus);
        }
    }

    std::vector<QWidget*> buttons_;
    int columns_;
};

} // namespace

void MakeOneTabStop(const std::vector<QWidget*>& buttons, int columns) {
    if (!buttons.empty()) {
        new OneTabStop(buttons, columns, buttons.front());
    }
}

} // namespace zandrel
