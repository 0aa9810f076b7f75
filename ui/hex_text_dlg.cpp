#include "ui/hex_text_dlg.h"

#include "platform/accessibility.h"
#include "platform/qt_text.h"
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
    SetAccessibleText(*hexagramText, {ToUtf8(tr("Hexagram text")), ""});
    for (int n = 1; n <= kHexagramCount; ++n) {
        SetAccessibleText(*GetDlgItem(IDC_HEXAGRAM1 + n - 1),
                          {ToUtf8(tr("Hexagram %1").arg(n)), ""});
    }
    return true;
}

void CHexTextDlg::OnHexagram(int id) {
    // Built anew at every press, so it always shows the records as they are now.
    hexagramText->SetWindowText(FullHexagramText(store, id - IDC_HEXAGRAM1 + 1));
}

} // namespace zandrel
