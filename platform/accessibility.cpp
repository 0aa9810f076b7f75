#include "platform/accessibility.h"

#include "platform/dialog_template.h"
#include "platform/qt_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

#include <limits>

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

QAccessibleInterface* DisplayRoles(const QString&, QObject* object) {
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

} // namespace

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
