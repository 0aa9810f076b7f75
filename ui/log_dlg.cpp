#include "ui/log_dlg.h"

#include "log/query_log.h"
#include "platform/accessibility.h"
#include "res/resource.h"
#include "res/templates.h"

#include <utility>

namespace zandrel {

CLogDlg::CLogDlg(std::string dataDirectory, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_LOG), owner), dataDirectory(std::move(dataDirectory)) {}

void CLogDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LOG_TEXT, logText);
}

bool CLogDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetAccessibleText(*logText, {"Query log", ""});
    LoadLogText();
    return true;
}

void CLogDlg::LoadLogText() {
    // The text is built anew at every opening.
    const std::string text = zandrel::LoadLogText(dataDirectory);
    if (!text.empty()) {
        logText->SetWindowText(text);
    }
}

} // namespace zandrel
