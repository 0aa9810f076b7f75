#pragma once

#include "platform/controls.h"
#include "platform/dialog_template.h"

#include <QDialog>
#include <QMargins>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QPainter;

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
// Cancel; the arrow keys move the focus among push buttons that stand together in the
// template. The focus is always shown. A control's command goes to the handler mapped to its
// id and notification code; a click that no handler takes on OK or Cancel goes to OnOK or
// OnCancel.
//
// Addressing a control that the dialog does not have, or as a kind it is not, is a
// programming error and stops the program with a message naming the dialog and the id.
class CDialog : public QDialog {
    Q_OBJECT
public:
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

    CControl& GetControl(int id) const;
    QWidget* GetDlgItem(int id) const { return &GetControl(id).Widget(); }
    template <class Control> Control* DlgItem(int id) const {
        auto* control = qobject_cast<Control*>(GetDlgItem(id));
        if (control == nullptr) {
            WrongKind(id, Control::staticMetaObject.className());
        }
        return control;
    }
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void EnableDlgItem(int id, bool enable);
    // Checks `check` and unchecks the other radio buttons with ids first..last.
    void CheckRadioButton(int first, int last, int check);
    bool IsDlgButtonChecked(int id) const;

    bool UpdateData(bool saveAndValidate = true);

    // The window's own system menu, shown as its context menu: Restore, Move, Size,
    // Minimize, Maximize and Close, with a command id in each action's data. Which of them
    // apply follows from the window's styles and state.
    QMenu* GetSystemMenu();
    QAction* SystemMenuItem(int commandId);
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(int commandId, std::string_view text);

    // What Enter does where no push button has the focus.
    int DefaultCommand() const;

    // Routes a command as the control `id` would send it.
    void SendCommand(int id, int code = BN_CLICKED) { OnCommand(id, code); }
    void SendSysCommand(int id) { OnSysCommand(id); }

protected:
    // Runs after the controls exist; the base binds and fills them through DoDataExchange.
    // True gives the focus to the first enabled tab stop.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnCommand(int id, int code);
    virtual void OnSysCommand(int id);

    // The handler of one control's notification.
    void MapCommand(int id, std::function<void()> handler) {
        MapCommand(id, BN_CLICKED, std::move(handler));
    }
    void MapCommand(int id, int code, std::function<void()> handler);
    // One handler for the clicks of the controls first..last; it is given the id.
    void MapCommandRange(int first, int last, std::function<void(int id)> handler);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct CommandEntry {
        int first;
        int last;
        int code;
        std::function<void(int id)> handler;
    };

    [[noreturn]] void WrongKind(int id, const char* kind) const;
    void CreateWindow();
    void GroupAdjacentButtons();
    void InitialiseWindow();
    void CentreWindow();
    void CentreAgainOnceFramed();
    bool HandleDialogKey(QKeyEvent* event);
    // F6: into the window's read-only text, and from there back to where the focus was.
    bool SwitchToText();
    // The ring around a text box that has the focus, which shows none of its own.
    void PaintFocusRing(QPainter& painter);
    void ShowSystemMenu(const QPoint& globalPos);
    void UpdateSystemMenu();

    const DialogTemplate* template_;
    bool created_ = false;
    bool ending_ = false;
    std::vector<CControl*> controlsInOrder_;
    std::map<int, CControl*> controls_;
    std::vector<CommandEntry> commands_;
    QMenu* systemMenu_ = nullptr;
    QPointer<QWidget> focusBeforeText_;
    // The frame the window was centred with, before the window manager gave it its own.
    QMargins assumedFrame_;
};

// Binds a control object to the dialog's control `id`.
template <class Control> void DDX_Control(CDataExchange& dx, int id, Control*& control) {
    if (control == nullptr) {
        control = dx.dialog.template DlgItem<Control>(id);
    }
}

// Exchanges `value` with the text of control `id`.
void DDX_Text(CDataExchange& dx, int id, std::string& value);

// Refuses a saved text longer than `characters` characters with the platform's box.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int characters);

} // namespace zandrel
