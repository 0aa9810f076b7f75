#include "platform/accessible_roles.h"

#include "platform/announcer.h"
#include "platform/buttons.h"
#include "platform/combo_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

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

} // namespace

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayRoles);
        return true;
    }();
    (void)installed;
}

} // namespace zandrel
