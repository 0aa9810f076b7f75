#include "platform/accessibility.h"

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/qt_text.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <limits>
#include <utility>

namespace zandrel {
namespace {

// A button that only shows something: its name is the one the program gave it or else its
// caption, and a marker tells whether it is checked.
class DisplayAccessible : public QAccessibleWidget {
public:
    DisplayAccessible(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Button().text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button().isCheckable();
        state.checked = Button().isChecked();
        return state;
    }

private:
    const QAbstractButton& Button() const { return *static_cast<QAbstractButton*>(widget()); }
};

// The text of the label that names `control`, without its colon.
QString LabelText(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) {
        return {};
    }
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == &control) {
            QString text = label->text().trimmed();
            while (text.endsWith(u':') || text.endsWith(QChar(0xFF1A))) {
                text.chop(1);
            }
            return text.trimmed();
        }
    }
    return {};
}

// A drop-down list as a screen reader needs it: named by its label ("Year"), its value the
// entry it shows ("1999"), and that value also as its read-only text, which is where Linux
// screen readers look for it. Qt's own names the list by its entry on Linux, so the reader
// says "1999 combo box" and cannot tell the lists apart. The popup's list stays its child.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (!widget()->accessibleName().isEmpty()) {
                return widget()->accessibleName();
            }
            if (const QString label = LabelText(*widget()); !label.isEmpty()) {
                return label;
            }
            return List().currentText();
        case QAccessible::Value:
            return List().currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List().view()->isVisible();
        return state;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == List().view() ? 0 : -1;
    }

    // The entry shown, as read-only text, all of it selected, as in a list that opens.
    QString text(int startOffset, int endOffset) const override {
        return List().currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(List().currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QComboBox& List() const { return *static_cast<const QComboBox*>(widget()); }
};

// The notification that CAnnouncer shows; its name is the text announced.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
};

QAccessibleInterface* DisplayRoles(const QString&, QObject* object) {
    if (auto* list = qobject_cast<CComboBox*>(object)) {
        return new ListAccessible(list);
    }
    if (auto* announcer = qobject_cast<CAnnouncer*>(object)) {
        return new AnnouncerAccessible(announcer);
    }
    // The program's main window is a frame, as main windows are: a screen reader then says
    // its title and the control with the focus when it comes back to it, where it would read
    // every text in a dialog again each time one of its dialogs closes.
    if (auto* dialog = qobject_cast<CDialog*>(object);
        dialog != nullptr && (dialog->Template().styles & kAppWindow) != 0) {
        return new QAccessibleWidget(dialog, QAccessible::Window);
    }
    if (auto* image = qobject_cast<CBitmapButton*>(object)) {
        return new DisplayAccessible(image, QAccessible::Graphic);
    }
    if (auto* label = qobject_cast<CButton*>(object); label != nullptr && label->IsLabel()) {
        return new DisplayAccessible(label, QAccessible::StaticText);
    }
    // A manual radio button is one of a set of markers, though Qt, which sees it outside
    // any set, would call it a check box.
    if (auto* marker = qobject_cast<CRadioButton*>(object)) {
        return new DisplayAccessible(marker, QAccessible::RadioButton);
    }
    return nullptr;
}

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

// How far a label may stand from its box, in dialog units.
constexpr int kLabelGapLeft = 20;
constexpr int kLabelGapAbove = 8;

bool Overlap(int a0, int a1, int b0, int b1) {
    return a0 < b1 && b0 < a1;
}

// The static text that labels `box`, or none.
CStatic* LabelOf(const QWidget& box, const std::vector<CControl*>& controls) {
    const QRect b = box.geometry();
    CStatic* best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    bool bestIsLeft = false;
    for (CControl* control : controls) {
        auto* label = dynamic_cast<CStatic*>(control);
        if (label == nullptr || label->text().isEmpty()) {
            continue;
        }
        const QRect l = label->geometry();
        const int leftGap = b.left() - (l.right() + 1);
        const int aboveGap = b.top() - (l.bottom() + 1);
        if (Overlap(l.top(), l.bottom() + 1, b.top(), b.bottom() + 1) && leftGap >= 0 &&
            leftGap <= kLabelGapLeft * kPixelsPerDialogUnit && (!bestIsLeft || leftGap < bestGap)) {
            best = label;
            bestGap = leftGap;
            bestIsLeft = true;
        } else if (!bestIsLeft && Overlap(l.left(), l.right() + 1, b.left(), b.right() + 1) &&
                   aboveGap >= 0 && aboveGap <= kLabelGapAbove * kPixelsPerDialogUnit &&
                   aboveGap < bestGap) {
            best = label;
            bestGap = aboveGap;
        }
    }
    return best;
}

AccessibleEventSink eventSink = nullptr;

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

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayRoles);
        return true;
    }();
    (void)installed;
}

void SetAccessibleText(QWidget& control, const AccessibleText& text) {
    control.setAccessibleName(ToQString(text.name));
    control.setAccessibleDescription(ToQString(text.description));
}

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

void ShowFocusFromTheStart(QWidget& window) {
    window.installEventFilter(new FocusCue(&window));
}

void LinkLabels(const std::vector<CControl*>& controls) {
    for (CControl* control : controls) {
        QWidget& box = control->Widget();
        const bool labelled = qobject_cast<QLineEdit*>(&box) != nullptr ||
                              qobject_cast<QPlainTextEdit*>(&box) != nullptr ||
                              qobject_cast<QComboBox*>(&box) != nullptr;
        if (!labelled) {
            continue;
        }
        if (CStatic* label = LabelOf(box, controls)) {
            label->setBuddy(&box);
        }
    }
}

} // namespace zandrel
