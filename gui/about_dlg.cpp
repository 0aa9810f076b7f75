#include "gui/about_dlg.h"

#include "core/version.h"
#include "gui/templates.h"
#include "platform/qt_text.h"

namespace zandrel {

CAboutDlg::CAboutDlg(int templateId, QWidget* owner)
    : CDialog(FindDialogTemplate(templateId), owner) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_VERSION,
                   ToUtf8(tr("Zandrel Version %1").arg(QStringLiteral(ZANDREL_VERSION))));
    return true;
}

} // namespace zandrel
