#include "gui/query_dlg.h"

#include "gui/resource.h"
#include "gui/templates.h"

namespace zandrel {

CQueryDlg::CQueryDlg(QWidget* owner) : CDialog(FindDialogTemplate(IDD_QUERY), owner) {}

void CQueryDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_QUESTION, question);
    DDV_MaxChars(dx, question, kMaxQuestionCharacters);
}

bool CQueryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DlgItem<CEdit>(IDC_QUESTION)->SetLimitText(kMaxQuestionCharacters);
    return true;
}

QuestionAnswer AskQuestion(QWidget* owner) {
    CQueryDlg dialog(owner);
    if (dialog.DoModal() != IDOK) {
        return {};
    }
    return {true, dialog.question};
}

} // namespace zandrel
