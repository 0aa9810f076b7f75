#include "ui/log_dlg.h"

#include "log/query_log.h"
#include "res/resource.h"

namespace zandrel {

CLogDlg::CLogDlg(QWidget* owner) : CDialog(IDD_LOG, owner) {}

void CLogDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LOG_TEXT, logText);
}

bool CLogDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadLogText();
    return true;
}

void CLogDlg::LoadLogText() {
    // The log lives in the current directory; the text is built anew at every opening.
    const std::string text = zandrel::LoadLogText("");
    if (!text.empty()) {
        logText->SetText(text);
    }
}

} // namespace zandrel
