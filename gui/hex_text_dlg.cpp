#include "gui/hex_text_dlg.h"

#include "app/reading_words.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/announcer.h"
#include "platform/qt_text.h"
#include "platform/tab_grid.h"

#include <vector>

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
    const Vocabulary& words = Vocabulary::Of(store.language);
    std::vector<QWidget*> buttons;
    for (int n = 1; n <= kHexagramCount; ++n) {
        QWidget& button = *GetDlgItem(IDC_HEXAGRAM1 + n - 1);
        const QString title = ToQString(HexagramTitle(store.hexagramTexts, n, store.language));
        //: A hexagram button's accessible name: its number, then its title
        SetAccessibleText(button,
                          {ToUtf8(tr("Hexagram %1, %2").arg(QString::number(n), title)), ""});
        // The button shows the number; where the language names the hexagrams, so does its
        // tooltip (1 乾为天).
        if (!words.HexagramName(n).empty()) {
            button.setToolTip(ToQString(HexagramWords(words, n)));
        }
        buttons.push_back(&button);
    }
    // The grid is one Tab stop between the OK button and the text; the arrows move in it.
    MakeOneTabStop(buttons, kColumns);
    announcer = new CAnnouncer(*this);
    return true;
}

void CHexTextDlg::OnHexagram(int id) {
    // Built anew at every press, so it always shows the records as they are now.
    const int n = id - IDC_HEXAGRAM1 + 1;
    hexagramText->SetWindowText(FullHexagramText(store, n));
    // The text appears away from the focus: its first line is spoken.
    announcer->Announce(HeadingLine(store.hexagramTexts, n, store.language));
}

} // namespace zandrel
