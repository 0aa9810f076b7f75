#include "ui/hex_text_dlg.h"

#include "platform/accessibility.h"
#include "res/resource.h"
#include "res/templates.h"
#include "text/hexagram_text.h"
#include "ui/main_dlg.h"

namespace zandrel {

CHexTextDlg::CHexTextDlg(CMainDlg& owner)
    : CDialog(FindDialogTemplate(IDD_HEXAGRAM_TEXT), &owner), owner(owner) {
    MapCommandRange(IDC_HEXAGRAM1, IDC_HEXAGRAM64, [this](int id) { OnHexagram(id); });
}

void CHexTextDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HEXAGRAM_TEXT, hexagramText);
}

bool CHexTextDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetAccessibleText(*hexagramText, {"Hexagram text", ""});
    for (int n = 1; n <= kHexagramCount; ++n) {
        SetAccessibleText(*GetDlgItem(IDC_HEXAGRAM1 + n - 1),
                          {"Hexagram " + std::to_string(n), ""});
    }
    return true;
}

void CHexTextDlg::OnHexagram(int id) {
    // Built anew at every press, so it always shows the records as they are now.
    const int n = id - IDC_HEXAGRAM1 + 1;
    std::string text = HeaderBlock(owner.hexagramTexts, n);
    for (int k = 1; k <= 6; ++k) {
        text += LineBlock(owner.hexagramTexts, n, k);
    }
    hexagramText->SetWindowText(text);
}

} // namespace zandrel
