#include "ui/about_dlg.h"

namespace zandrel {

CAboutDlg::CAboutDlg(int templateId, QWidget* owner) : CDialog(templateId, owner) {}

} // namespace zandrel
