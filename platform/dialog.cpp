#include "platform/dialog.h"

#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/resources.h"
#include "res/templates.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
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

// A closed drop-down list is one text line high; the rest of its template height is the
// opened list.
constexpr int kClosedListHeight = 11;

const DialogTemplate& TemplateOrDie(int id) {
    const DialogTemplate* found = FindDialogTemplate(id);
    if (found == nullptr) {
        qFatal("no dialog template %d", id);
    }
    return *found;
}

QRect PixelRect(const DialogRect& rect) {
    return {rect.x * kPixelsPerDialogUnit, rect.y * kPixelsPerDialogUnit,
            rect.width * kPixelsPerDialogUnit, rect.height * kPixelsPerDialogUnit};
}

// A static text shows "&x" as an underlined mnemonic in the original; here the marker is
// dropped and "&&" stands for one "&".
QString WithoutMnemonics(QString text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown.append(text[i]);
    }
    return shown;
}

} // namespace

CDialog::CDialog(int templateId, QWidget* owner) : CDialog(TemplateOrDie(templateId), owner) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner), template_(&dialogTemplate) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    InitialiseWindow();
    return exec();
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

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    QWidget* control = GetDlgItem(id);
    if (auto* multi = qobject_cast<CMultiLineEdit*>(control)) {
        multi->SetText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(ToQString(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(ToQString(text));
    }
}

std::string CDialog::GetDlgItemText(int id) const {
    QWidget* control = GetDlgItem(id);
    if (auto* multi = qobject_cast<CMultiLineEdit*>(control)) {
        return multi->Text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return ToUtf8(edit->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return ToUtf8(button->text());
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        return ToUtf8(list->currentText());
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return ToUtf8(label->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        return ToUtf8(group->title());
    }
    return {};
}

void CDialog::EnableDlgItem(int id, bool enable) {
    if (QWidget* control = GetDlgItem(id)) {
        control->setEnabled(enable);
    }
}

void CDialog::CheckRadioButton(int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        if (auto* button = DlgItem<QAbstractButton>(id)) {
            button->setChecked(id == check);
        }
    }
}

bool CDialog::IsDlgButtonChecked(int id) const {
    const auto* button = DlgItem<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx{*this, saveAndValidate};
    DoDataExchange(dx);
    return !dx.failed;
}

QMenu* CDialog::GetSystemMenu() {
    if (systemMenu_ == nullptr) {
        systemMenu_ = new QMenu(this);
        const std::pair<int, const char*> items[] = {
            {SC_RESTORE, "&Restore"},   {SC_MOVE, "&Move"},         {SC_SIZE, "&Size"},
            {SC_MINIMIZE, "Mi&nimize"}, {SC_MAXIMIZE, "Ma&ximize"}, {SC_CLOSE, "&Close\tAlt+F4"},
        };
        // The window has a fixed size and no maximize box; only some have a minimize box.
        // Restore applies to a minimized window only, and is updated as the menu opens.
        const bool minimizable = (template_->styles & kMinimizeBox) != 0;
        for (const auto& [id, text] : items) {
            QAction* action = systemMenu_->addAction(QString::fromLatin1(text));
            action->setData(id);
            action->setEnabled(id != SC_RESTORE && id != SC_SIZE && id != SC_MAXIMIZE &&
                               (id != SC_MINIMIZE || minimizable));
        }
        connect(systemMenu_, &QMenu::aboutToShow, this, [this] {
            systemMenu_->actions().front()->setEnabled(isMinimized() || isMaximized());
        });
        connect(systemMenu_, &QMenu::triggered, this, [this](QAction* action) {
            if (!action->isSeparator()) {
                OnSysCommand(action->data().toInt());
            }
        });
    }
    return systemMenu_;
}

void CDialog::EnableSystemMenuItem(int position, bool enable) {
    const QList<QAction*> actions = GetSystemMenu()->actions();
    if (position >= 0 && position < actions.size()) {
        actions[position]->setEnabled(enable);
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

void CDialog::OnCommand(int id) {
    if (const auto handler = handlers_.find(id); handler != handlers_.end()) {
        handler->second();
    } else if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
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

void CDialog::MapCommand(int id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
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
        this, [this] { OnCommand(IDCANCEL); }, Qt::QueuedConnection);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    if ((template_->styles & kSysMenu) != 0) {
        ShowSystemMenu(event->globalPos());
    }
}

void CDialog::paintEvent(QPaintEvent* event) {
    if ((template_->styles & kDialogFrame) != 0 && (template_->styles & kCaption) == 0) {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
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
    setWindowTitle(ToQString(dialog.title));
    setFont(DialogFont());
    setFixedSize(dialog.width * kPixelsPerDialogUnit, dialog.height * kPixelsPerDialogUnit);

    std::vector<QWidget*> created;
    for (const ControlTemplate& control : dialog.controls) {
        created.push_back(CreateControl(control));
    }
    // The first control of a template lies on top, so that a group box made after the
    // controls it frames stays beneath them and never takes their clicks.
    for (auto widget = created.rbegin(); widget != created.rend(); ++widget) {
        (*widget)->raise();
    }
}

QWidget* CDialog::CreateControl(const ControlTemplate& control) {
    QRect rect = PixelRect(control.rect);
    const QString caption = ToQString(control.caption);
    const int id = control.id;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::LabelButton: {
        auto* button = new CButton(this, control.kind == ControlKind::LabelButton);
        button->setText(caption);
        button->setDefault((control.styles & kDefaultButton) != 0);
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::BitmapButton: {
        auto* button = new CBitmapButton(this);
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::ManualRadio: {
        auto* button = new CRadioButton(this);
        button->setText(caption);
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::DropDownList: {
        auto* list = new CComboBox(this);
        const int closed = kClosedListHeight * kPixelsPerDialogUnit;
        list->setMaxVisibleItems(
            std::max(1, (rect.height() - closed) / list->fontMetrics().height()));
        rect.setHeight(closed);
        widget = list;
        break;
    }
    case ControlKind::Edit:
        if ((control.styles & kMultiLine) != 0) {
            auto* edit = new CMultiLineEdit(this);
            edit->setReadOnly((control.styles & kReadOnly) != 0);
            if ((control.styles & kReadOnly) != 0) {
                edit->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
            }
            // Without sideways scrolling the lines wrap at the box's width, long words too.
            if ((control.styles & kAutoHScroll) != 0) {
                edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            } else {
                edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            }
            edit->setVerticalScrollBarPolicy(
                (control.styles & kVScroll) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            if ((control.styles & (kBorder | kClientEdge)) == 0) {
                edit->setFrameShape(QFrame::NoFrame);
            }
            widget = edit;
        } else {
            auto* edit = new CEdit(this);
            edit->setReadOnly((control.styles & kReadOnly) != 0);
            edit->setFrame((control.styles & kBorder) != 0);
            widget = edit;
        }
        break;
    case ControlKind::GroupBox:
        widget = new QGroupBox(caption, this);
        break;
    case ControlKind::StaticText: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText((control.styles & kNoPrefix) != 0 ? caption : WithoutMnemonics(caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(this);
        label->setPixmap(LoadIconResource(control.image).pixmap(QSize(32, 32), 1.0));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    }
    widget->setObjectName(QString::number(id));
    widget->setGeometry(rect);
    if (widget->focusPolicy() != Qt::NoFocus) {
        widget->setFocusPolicy((control.styles & kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    }
    widget->installEventFilter(this);
    if (id != IDC_STATIC) {
        controls_[id] = widget;
    }
    return widget;
}

void CDialog::InitialiseWindow() {
    CreateWindow();
    if (OnInitDialog()) {
        for (const ControlTemplate& control : template_->controls) {
            QWidget* widget = GetDlgItem(control.id);
            if ((control.styles & kTabStop) != 0 && widget != nullptr && widget->isEnabled()) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    CentreWindow();
}

void CDialog::CentreWindow() {
    QWidget* owner = parentWidget();
    QRect area;
    if (owner != nullptr && owner->isVisible() && (template_->styles & kCentre) == 0) {
        area = owner->window()->frameGeometry();
    } else {
        QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
        area = (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    }
    const QSize size = frameGeometry().size(); // the frame is known once the window was shown
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}

bool CDialog::HandleDialogKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        OnCommand(IDCANCEL);
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
        if (auto* text = qobject_cast<CMultiLineEdit*>(focused);
            text != nullptr && !text->isReadOnly()) {
            return false; // an editable text box takes its own line breaks
        }
        const int id = DefaultCommand();
        if (QWidget* defaultButton = GetDlgItem(id);
            defaultButton == nullptr || defaultButton->isEnabled()) {
            OnCommand(id);
        }
        return true;
    }
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
                   {"Please enter no more than " + std::to_string(characters) + " characters.",
                    ApplicationName(), MessageIcon::Exclamation, MessageButtons::Ok, IDOK});
    dx.failed = true;
}

} // namespace zandrel
