// The main window's side of the hexagram texts: the text browser reads the window's text store
// and the custom text editor changes it, each while it is open.

#include "ui/hex_text_dlg.h"
#include "ui/main_dlg.h"
#include "ui/manage_text_dlg.h"

namespace zandrel {

void CMainDlg::OnViewText() {
    CHexTextDlg browser(texts, this);
    browser.DoModal();
}

void CMainDlg::OnManageText() {
    CManageTextDlg editor(texts, this);
    editor.DoModal();
}

} // namespace zandrel
