#include "ui/hex_text_dlg.h"

#include "platform/accessibility.h"
#include "res/resource.h"
#include "res/templates.h"

namespace zandrel {

CHexTextDlg::CHexTextDlg(const TextStore& store, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_HEXAGRAM_TEXT), owner), store(store) {
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
    hexagramText->SetWindowText(FullHexagramText(store.hexagramTexts, id - IDC_HEXAGRAM1 + 1));
}

} // namespace zandrel
