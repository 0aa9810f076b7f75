// A dialog's life: made from its template, initialised, run or shown, and ended; its controls
// found by id; their commands routed to the handlers mapped to them; and the exchange of data
// between its fields and its controls.

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
#include <QCloseEvent>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

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

void CDialog::MapCommand(int id, int code, std::function<void()> handler) {
    commands_.push_back({id, id, code, [handler = std::move(handler)](int) { handler(); }});
}

void CDialog::MapCommandRange(int first, int last, std::function<void(int id)> handler) {
    commands_.push_back({first, last, BN_CLICKED, std::move(handler)});
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
