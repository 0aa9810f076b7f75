// The main window's side of the hexagram texts: the text browser reads the window's text store
// and the custom text editor changes it, each while it is open.

#include "gui/hex_text_dlg.h"
#include "gui/main_dlg.h"
#include "gui/manage_text_dlg.h"

namespace zandrel {

void CMainDlg::OnViewText() {
    CHexTextDlg browser(session.Texts(), this);
    browser.DoModal();
}

void CMainDlg::OnManageText() {
    CManageTextDlg editor(session.Texts(), session.Words(), this);
    editor.DoModal();
}

} // namespace zandrel
