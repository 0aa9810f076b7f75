#include "ui/about_dlg.h"

#include "res/templates.h"

namespace zandrel {

CAboutDlg::CAboutDlg(int templateId, QWidget* owner)
    : CDialog(FindDialogTemplate(templateId), owner) {}

} // namespace zandrel
