// The main window's side of the hexagram texts: the text browser and the custom text editor,
// which both work on the main window's records while they are open.

#include "ui/hex_text_dlg.h"
#include "ui/main_dlg.h"
#include "ui/manage_text_dlg.h"

namespace zandrel {

void CMainDlg::OnViewText() {
    CHexTextDlg browser(*this);
    browser.DoModal();
}

void CMainDlg::OnManageText() {
    CManageTextDlg editor(*this);
    editor.DoModal();
}

} // namespace zandrel
