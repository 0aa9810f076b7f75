// The main window's side of the hexagram texts: the text browser and the custom text editor.

#include "ui/main_dlg.h"

namespace zandrel {

// The text browser and the custom text editor are not part of this program yet; their
// buttons do nothing.
void CMainDlg::OnViewText() {}
void CMainDlg::OnManageText() {}

} // namespace zandrel
