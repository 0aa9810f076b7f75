#pragma once

#include "platform/controls.h"
#include "platform/dialog_template.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QMenu;

namespace zandrel {

// System menu commands.
inline constexpr int SC_SIZE = 0xF000;
inline constexpr int SC_MOVE = 0xF010;
inline constexpr int SC_MINIMIZE = 0xF020;
inline constexpr int SC_MAXIMIZE = 0xF030;
inline constexpr int SC_CLOSE = 0xF060;
inline constexpr int SC_RESTORE = 0xF120;

class CDialog;

// One pass of data exchange between a dialog's fields and its controls: into the controls
// when the dialog opens, back out (with validation) when OK is pressed.
struct CDataExchange {
    CDialog& dialog;
    bool saveAndValidate;
    bool failed = false;
};

// A dialog built from a template. The window and its controls are made when the dialog is
// run (DoModal) or created (Create); until then the object holds no controls.
//
// Keys follow the dialog rules rather than Qt's: Enter clicks the push button that has the
// focus, otherwise it is the default button's command (OK when there is none); Escape is
// Cancel. Commands go by id to the handlers given to MapCommand, then to OnOK and OnCancel.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(int templateId, QWidget* owner = nullptr);
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* owner = nullptr);
    ~CDialog() override;

    // Makes the window, initialises it, centres it, and runs it until EndDialog; returns the
    // result given to EndDialog.
    int DoModal();
    // Makes, initialises, centres and shows the window without a modal run.
    void Create();
    void DestroyWindow();
    void EndDialog(int result);

    const DialogTemplate& Template() const { return *template_; }

    // Null when the dialog has no control with this id (or none of that kind).
    QWidget* GetDlgItem(int id) const;
    template <class Control> Control* DlgItem(int id) const {
        return qobject_cast<Control*>(GetDlgItem(id));
    }
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void EnableDlgItem(int id, bool enable);
    // Checks `check` and unchecks the other radio buttons with ids first..last.
    void CheckRadioButton(int first, int last, int check);
    bool IsDlgButtonChecked(int id) const;

    bool UpdateData(bool saveAndValidate = true);

    // The window's own system menu, shown as its context menu: Restore, Move, Size,
    // Minimize, Maximize and Close, with a command id in each action's data.
    QMenu* GetSystemMenu();
    // Greys or enables the system menu item at `position`, counted from 0.
    void EnableSystemMenuItem(int position, bool enable);
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(int commandId, std::string_view text);

    // What Enter does where no push button has the focus.
    int DefaultCommand() const;

    // Routes a command as a click on control `id` would.
    void SendCommand(int id) { OnCommand(id); }
    void SendSysCommand(int id) { OnSysCommand(id); }

protected:
    // Runs after the controls exist; the base binds and fills them through DoDataExchange.
    // True gives the focus to the first enabled tab stop.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnCommand(int id);
    virtual void OnSysCommand(int id);

    void MapCommand(int id, std::function<void()> handler);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateWindow();
    QWidget* CreateControl(const ControlTemplate& control);
    void InitialiseWindow();
    void CentreWindow();
    bool HandleDialogKey(QKeyEvent* event);
    void ShowSystemMenu(const QPoint& globalPos);

    const DialogTemplate* template_;
    bool created_ = false;
    bool ending_ = false;
    std::map<int, QWidget*> controls_;
    std::map<int, std::function<void()>> handlers_;
    QMenu* systemMenu_ = nullptr;
};

// Binds a control object to the dialog's control `id`; a missing control or one of another
// kind is a programming error and stops the program.
template <class Control> void DDX_Control(CDataExchange& dx, int id, Control*& control) {
    if (control == nullptr) {
        control = dx.dialog.template DlgItem<Control>(id);
        if (control == nullptr) {
            qFatal("dialog %d has no control %d of the bound kind", dx.dialog.Template().id, id);
        }
    }
}

// Exchanges `value` with the text of control `id`.
void DDX_Text(CDataExchange& dx, int id, std::string& value);

// Refuses a saved text longer than `characters` characters with the platform's box.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int characters);

} // namespace zandrel
