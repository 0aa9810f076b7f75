#include "platform/dialog.h"

#include "platform/accessible_roles.h"
#include "platform/application.h"
#include "platform/dialog_style.h"
#include "platform/focus_cue.h"
#include "platform/label_links.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <qdrawutil.h>

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

// Where the dialog rings a control that has the focus but does not show it.
QRect FocusRing(const QWidget& control) {
    constexpr int kWidth = 2;
    return control.geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
}

// The program's main window is a frame, as main windows are: a screen reader then says its
// title and the control with the focus when it comes back to it, where it would read every
// text in a dialog again each time one of its dialogs closes.
QAccessibleInterface* MainWindowRole(const QString&, QObject* object) {
    if (auto* dialog = qobject_cast<CDialog*>(object);
        dialog != nullptr && (dialog->Template().styles & kAppWindow) != 0) {
        return new QAccessibleWidget(dialog, QAccessible::Window);
    }
    return nullptr;
}

// Once per process, beside the roles of the controls.
void InstallMainWindowRole() {
    static const bool installed = [] {
        QAccessible::installFactory(MainWindowRole);
        return true;
    }();
    (void)installed;
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner), template_(&dialogTemplate) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    InitialiseWindow();
    const int result = exec();
    // The owner is the active window again once its dialog has ended, as the user expects,
    // whether or not the window manager hands the focus back: without it the keyboard and a
    // screen reader were left nowhere until the user clicked.
    QWidget* owner = parentWidget();
    const QWidget* active = QApplication::activeWindow();
    if (owner != nullptr && owner->isVisible() && (active == nullptr || active == this)) {
        owner->activateWindow();
    }
    return result;
}

void CDialog::Create() {
    InitialiseWindow();
    show();
}

void CDialog::DestroyWindow() {
    hide();
}

void CDialog::EndDialog(int result) {
    QPointer<CDialog> guard(this);
    ending_ = true;
    done(result);
    if (guard) {
        ending_ = false;
    }
}

CControl& CDialog::GetControl(int id) const {
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        qFatal("dialog %d has no control %d", template_->id, id);
    }
    return *found->second;
}

void CDialog::WrongKind(int id, const char* kind) const {
    qFatal("control %d of dialog %d is not a %s", id, template_->id, kind);
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    GetControl(id).SetWindowText(text);
}

std::string CDialog::GetDlgItemText(int id) const {
    return GetControl(id).GetWindowText();
}

void CDialog::EnableDlgItem(int id, bool enable) {
    GetDlgItem(id)->setEnabled(enable);
}

void CDialog::CheckRadioButton(int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        DlgItem<QAbstractButton>(id)->setChecked(id == check);
    }
}

bool CDialog::IsDlgButtonChecked(int id) const {
    return DlgItem<QAbstractButton>(id)->isChecked();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx{*this, saveAndValidate};
    DoDataExchange(dx);
    return !dx.failed;
}

QMenu* CDialog::GetSystemMenu() {
    if (systemMenu_ != nullptr) {
        return systemMenu_;
    }
    systemMenu_ = new QMenu(this);
    const std::pair<int, QString> items[] = {
        {SC_RESTORE, tr("&Restore")},   {SC_MOVE, tr("&Move")},
        {SC_SIZE, tr("&Size")},         {SC_MINIMIZE, tr("Mi&nimize")},
        {SC_MAXIMIZE, tr("Ma&ximize")}, {SC_CLOSE, tr("&Close\tAlt+F4")},
    };
    for (const auto& [id, text] : items) {
        systemMenu_->addAction(text)->setData(id);
    }
    connect(systemMenu_, &QMenu::aboutToShow, this, [this] { UpdateSystemMenu(); });
    connect(systemMenu_, &QMenu::triggered, this, [this](QAction* action) {
        if (!action->isSeparator()) {
            OnSysCommand(action->data().toInt());
        }
    });
    UpdateSystemMenu();
    return systemMenu_;
}

QAction* CDialog::SystemMenuItem(int commandId) {
    for (QAction* action : GetSystemMenu()->actions()) {
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            return action;
        }
    }
    qFatal("dialog %d has no system menu item %d", template_->id, commandId);
}

void CDialog::UpdateSystemMenu() {
    // Every window has a fixed size and none has a maximize box; only some can be minimized.
    const bool minimizable = (template_->styles & kMinimizeBox) != 0;
    const std::pair<int, bool> items[] = {
        {SC_RESTORE, isMinimized() || isMaximized()}, {SC_MOVE, !isMaximized()}, {SC_SIZE, false},
        {SC_MINIMIZE, minimizable && !isMinimized()}, {SC_MAXIMIZE, false},      {SC_CLOSE, true},
    };
    for (const auto& [id, enabled] : items) {
        SystemMenuItem(id)->setEnabled(enabled);
    }
}

void CDialog::AppendSystemMenuSeparator() {
    GetSystemMenu()->addSeparator();
}

void CDialog::AppendSystemMenuItem(int commandId, std::string_view text) {
    GetSystemMenu()->addAction(ToQString(text))->setData(commandId);
}

int CDialog::DefaultCommand() const {
    const auto& controls = template_->controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [](const auto& control) {
        return (control.styles & kDefaultButton) != 0;
    });
    return found == controls.end() ? IDOK : found->id;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnCommand(int id, int code) {
    const auto entry = std::find_if(commands_.begin(), commands_.end(), [&](const auto& e) {
        return e.code == code && id >= e.first && id <= e.last;
    });
    if (entry != commands_.end()) {
        // A copy, so that the handler lives on whatever it maps meanwhile.
        const auto handler = entry->handler;
        handler(id);
    } else if (code == BN_CLICKED && id == IDOK) {
        OnOK();
    } else if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::OnSysCommand(int id) {
    switch (id & 0xFFF0) {
    case SC_RESTORE:
        showNormal();
        break;
    case SC_MOVE:
        if (windowHandle() != nullptr) {
            windowHandle()->startSystemMove();
        }
        break;
    case SC_SIZE:
        if (windowHandle() != nullptr && minimumSize() != maximumSize()) {
            windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        }
        break;
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_MAXIMIZE:
        showMaximized();
        break;
    case SC_CLOSE:
        close();
        break;
    default:
        break;
    }
}

void CDialog::MapCommand(int id, int code, std::function<void()> handler) {
    commands_.push_back({id, id, code, [handler = std::move(handler)](int) { handler(); }});
}

void CDialog::MapCommandRange(int first, int last, std::function<void(int id)> handler) {
    commands_.push_back({first, last, BN_CLICKED, std::move(handler)});
}

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

void CDialog::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    // The close box, Alt+F4 and the system menu's Close are Cancel. It runs once this close
    // has finished, so that ending the dialog does not happen inside it.
    event->ignore();
    QMetaObject::invokeMethod(
        this, [this] { OnCommand(IDCANCEL, BN_CLICKED); }, Qt::QueuedConnection);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    if ((template_->styles & kSysMenu) != 0) {
        ShowSystemMenu(event->globalPos());
    }
}

void CDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if ((template_->styles & kDialogFrame) != 0 && (template_->styles & kCaption) == 0) {
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
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
    QDialog::paintEvent(event);
}

void CDialog::CreateWindow() {
    if (created_) {
        return;
    }
    created_ = true;
    const DialogTemplate& dialog = *template_;
    Qt::WindowFlags flags = (dialog.styles & kAppWindow) != 0 ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    flags |= (dialog.styles & kCaption) != 0 ? Qt::WindowTitleHint : Qt::FramelessWindowHint;
    if ((dialog.styles & kSysMenu) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((dialog.styles & kMinimizeBox) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    ShowFocusFromTheStart(*this);
    InstallAccessibleRoles();
    InstallMainWindowRole();
    setWindowTitle(ToQString(TemplateText(dialog.title)));
    setFont(DialogFont());
    setFixedSize(dialog.width * kPixelsPerDialogUnit, dialog.height * kPixelsPerDialogUnit);

    const CommandSink sink = [this](int id, int code) { OnCommand(id, code); };
    for (const ControlTemplate& control : dialog.controls) {
        CControl& created = CreateControl(this, control, sink);
        created.Widget().installEventFilter(this);
        controlsInOrder_.push_back(&created);
        if (control.id != IDC_STATIC && !controls_.emplace(control.id, &created).second) {
            qFatal("dialog %d has two controls %d", dialog.id, control.id);
        }
    }
    // A group box lies beneath the controls it frames, even one made after them, and never
    // takes their clicks. Nothing else overlaps, so the rest keep their template order, which
    // is also the order in which assistive technology lists them.
    for (CControl* control : controlsInOrder_) {
        if (qobject_cast<CGroupBox*>(&control->Widget()) != nullptr) {
            control->Widget().lower();
        }
    }
    LinkLabels(controlsInOrder_);
    GroupAdjacentButtons();
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

void CDialog::InitialiseWindow() {
    CreateWindow();
    if (OnInitDialog()) {
        for (std::size_t i = 0; i < controlsInOrder_.size(); ++i) {
            QWidget& widget = controlsInOrder_[i]->Widget();
            if ((template_->controls[i].styles & kTabStop) != 0 && widget.isEnabled()) {
                widget.setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    CentreWindow();
}

namespace {

// The window manager's frame around a window, once it has been shown.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && handle != nullptr ? handle->frameMargins() : QMargins();
}

} // namespace

void CDialog::CentreWindow() {
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const bool overOwner =
        owner != nullptr && owner->isVisible() && (template_->styles & kCentre) == 0;
    QRect area;
    if (overOwner) {
        area = owner->frameGeometry();
    } else {
        QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
        area = (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    }
    // A window is placed by its frame, which the window manager gives it only once it is
    // shown. Until then the owner's frame stands in (the windows of one program are framed
    // alike), and the window is centred again once its own frame is known.
    QMargins frame = FrameOf(*this);
    if (isHidden() && (template_->styles & kCaption) != 0 && owner != nullptr) {
        frame = FrameOf(*owner);
    }
    assumedFrame_ = frame;
    const QSize size = this->size().grownBy(frame);
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
    if (isHidden()) {
        create(); // the native window exists from here on, so its exposure can be watched
        windowHandle()->installEventFilter(this);
    }
}

void CDialog::CentreAgainOnceFramed() {
    windowHandle()->removeEventFilter(this);
    if (FrameOf(*this) != assumedFrame_) {
        CentreWindow();
    }
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

void CDialog::ShowSystemMenu(const QPoint& globalPos) {
    GetSystemMenu()->popup(globalPos);
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.saveAndValidate) {
        value = dx.dialog.GetDlgItemText(id);
    } else {
        dx.dialog.SetDlgItemText(id, value);
    }
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int characters) {
    if (!dx.saveAndValidate || dx.failed || CharacterCount(ToQString(value)) <= characters) {
        return;
    }
    ShowMessageBox(&dx.dialog,
                   {ToUtf8(CDialog::tr("Please enter no more than %1 characters.").arg(characters)),
                    ApplicationName(), MessageIcon::Exclamation, MessageButtons::Ok, IDOK});
    dx.failed = true;
}

} // namespace zandrel
