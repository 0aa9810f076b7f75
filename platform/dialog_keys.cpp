// The keyboard in a dialog: Enter, Escape, the arrow keys among push buttons that stand
// together, F6 into the read-only text and back, and the ring that shows the focus on a text
// box, which shows none of its own.

#include "platform/dialog.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace zandrel {
namespace {

// Where the dialog rings a control that has the focus but does not show it.
QRect FocusRing(const QWidget& control) {
    constexpr int kWidth = 2;
    return control.geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
}

} // namespace

void CDialog::keyPressEvent(QKeyEvent* event) {
    if (!HandleDialogKey(event)) {
        QDialog::keyPressEvent(event);
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleDialogKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        CentreAgainOnceFramed();
    }
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
        qobject_cast<TextBoxControl*>(watched) != nullptr) {
        update(FocusRing(*static_cast<QWidget*>(watched)));
    }
    return QDialog::eventFilter(watched, event);
}

bool CDialog::HandleDialogKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        OnCommand(IDCANCEL, BN_CLICKED);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        QWidget* focused = focusWidget();
        if (auto* button = qobject_cast<CButton*>(focused);
            button != nullptr && !button->IsLabel()) {
            button->click();
            return true;
        }
        if (qobject_cast<CMultiLineEdit*>(focused) != nullptr) {
            return false; // an editable text box takes its own line breaks
        }
        if (qobject_cast<CTextViewer*>(focused) != nullptr) {
            return true; // a read-only text box has nothing to do with Enter
        }
        // A window without an OK button still takes Enter as OK.
        const int id = DefaultCommand();
        if (const auto button = controls_.find(id);
            button == controls_.end() || button->second->Widget().isEnabled()) {
            OnCommand(id, BN_CLICKED);
        }
        return true;
    }
    case Qt::Key_F6:
        return modifiers == Qt::NoModifier && SwitchToText();
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier) {
            return false;
        }
        [[fallthrough]];
    case Qt::Key_Menu:
        if ((template_->styles & kSysMenu) == 0) {
            return false;
        }
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    default:
        return false;
    }
}

int CDialog::DefaultCommand() const {
    const auto& controls = template_->controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [](const auto& control) {
        return (control.styles & kDefaultButton) != 0;
    });
    return found == controls.end() ? IDOK : found->id;
}

bool CDialog::SwitchToText() {
    // The text is out of the Tab order, as the window's template says; F6 is the keyboard's
    // way into it, as it moves between the panes of other programs.
    CTextViewer* text = nullptr;
    for (CControl* control : controlsInOrder_) {
        if (auto* viewer = dynamic_cast<CTextViewer*>(control);
            viewer != nullptr && viewer->isVisible() && viewer->isEnabled()) {
            text = viewer;
            break;
        }
    }
    if (text == nullptr) {
        return false;
    }
    if (focusWidget() != text) {
        focusBeforeText_ = focusWidget();
        // The focus first, so that a screen reader hears of the text before its caret moves:
        // a caret that moves before the focus takes the focus there without a word.
        text->setFocus(Qt::ShortcutFocusReason);
        text->BringCaretIntoView();
        return true;
    }
    QWidget* back = focusBeforeText_.data();
    if (back == nullptr || !back->isVisible() || !back->isEnabled()) {
        // The control that had the focus is gone or disabled: the first that Tab reaches.
        back = nullptr;
        for (CControl* control : controlsInOrder_) {
            QWidget& widget = control->Widget();
            if ((widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isVisible() &&
                widget.isEnabled()) {
                back = &widget;
                break;
            }
        }
    }
    if (back != nullptr) {
        back->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

void CDialog::GroupAdjacentButtons() {
    // Push buttons that follow one another in the template form a group, within which the
    // arrow keys move the focus to the nearest button in their direction. A group of buttons
    // in Qt does exactly that; a non-exclusive one changes nothing else.
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < controlsInOrder_.size(); ++i) {
        const bool pushButton = template_->controls[i].kind == ControlKind::PushButton;
        const bool nextToo = i + 1 < controlsInOrder_.size() &&
                             template_->controls[i + 1].kind == ControlKind::PushButton;
        if (!pushButton || (group == nullptr && !nextToo)) {
            group = nullptr;
            continue;
        }
        if (group == nullptr) {
            group = new QButtonGroup(this);
            group->setExclusive(false);
        }
        group->addButton(static_cast<CButton*>(controlsInOrder_[i]));
    }
}

void CDialog::PaintFocusRing(QPainter& painter) {
    // A multi-line text box shows no focus of its own, so the dialog draws a ring around it
    // while it has the focus, in the colour the other controls show theirs in.
    if (auto* text = qobject_cast<TextBoxControl*>(focusWidget());
        text != nullptr && text->hasFocus()) {
        const QRect ring = FocusRing(*text);
        QRegion band(ring);
        band -= text->geometry();
        for (const QRect& part : band) {
            painter.fillRect(part, palette().color(QPalette::Highlight));
        }
    }
}

} // namespace zandrel
