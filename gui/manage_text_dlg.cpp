#include "gui/manage_text_dlg.h"

#include "app/file_error_message.h"
#include "app/reading_words.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"

#include <algorithm>
#include <string>

namespace zandrel {

CManageTextDlg::CManageTextDlg(TextStore& store, const Vocabulary& words, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_MANAGE_TEXT), owner), store(store), words(words) {
    MapCommand(IDC_CUSTOM_HEXAGRAM, CBN_SELCHANGE, [this] { OnSelChangeHexagram(); });
    MapCommand(IDC_UPDATE_TEXT, [this] { OnUpdateText(); });
    MapCommand(IDC_RESTORE_TEXT, [this] { OnRestoreText(); });
    MapCommand(IDC_RESTORE_ALL_TEXT, [this] { OnRestoreAllText(); });
}

void CManageTextDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CUSTOM_TITLE, textBoxes[0]);
    DDX_Control(dx, IDC_CUSTOM_MAIN, textBoxes[1]);
    for (int k = 6; k >= 1; --k) {
        DDX_Control(dx, IDC_CUSTOM_LINE1 + k - 1, textBoxes[static_cast<std::size_t>(k + 1)]);
    }
    DDX_Control(dx, IDC_CUSTOM_HEXAGRAM, hexagramList);
}

bool CManageTextDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int n = 1; n <= kHexagramCount; ++n) {
        hexagramList->AddString(std::to_string(n));
        // The list shows the numbers; where the language names the hexagrams, each entry's
        // tooltip gives the name (1 乾为天).
        if (!words.HexagramName(n).empty()) {
            hexagramList->setItemData(n - 1, ToQString(HexagramWords(words, n)), Qt::ToolTipRole);
        }
    }
    hexagramList->SetCurSel(0);
    // Only a text in effect is shown at first; a pending one shows once its hexagram is chosen.
    if (store.hexagramTexts[0].state == CustomTextState::Active) {
        ShowRecord(1);
    }
    return true;
}

void CManageTextDlg::OnOK() {
    // On a failure the dialog stays open; the records not yet written stay pending, and the
    // next Close writes them.
    if (const FileError error = CommitCustomTexts(store.hexagramTexts, store.dataDirectory);
        error.Failed()) {
        ReportFileError(this, FileErrorMessage(words, error));
        return;
    }
    CDialog::OnOK();
}

void CManageTextDlg::OnSelChangeHexagram() {
    if (const int n = SelectedHexagram(); n != 0) {
        ShowRecord(n);
    }
}

void CManageTextDlg::OnUpdateText() {
    const int n = SelectedHexagram();
    if (n == 0) {
        return;
    }
    EightTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = textBoxes[i]->GetWindowText();
    }
    if (!UpdateText(store.hexagramTexts, n, texts)) {
        RefuseTooLong(texts);
        return;
    }
    ShowMessageBox(this, {ToUtf8(tr("Text updated.")), ToUtf8(tr("Update Text")),
                          MessageIcon::Information, MessageButtons::Ok, IDOK});
}

void CManageTextDlg::OnRestoreText() {
    const int n = SelectedHexagram();
    if (n == 0 || !RestoreText(store.hexagramTexts, n)) {
        return;
    }
    OnSelChangeHexagram();
    ShowMessageBox(this, {ToUtf8(tr("Default text restored.")), ToUtf8(tr("Restore Text")),
                          MessageIcon::Information, MessageButtons::Ok, IDOK});
}

void CManageTextDlg::OnRestoreAllText() {
    const int answer = ShowMessageBox(
        this,
        {ToUtf8(tr("Do you really want to remove all custom text and reset to default text?")),
         ToUtf8(tr("Restore All Text")), MessageIcon::Question, MessageButtons::YesNo, IDNO});
    if (answer != IDYES) {
        return;
    }
    RestoreAllText(store.hexagramTexts);
    OnSelChangeHexagram();
    ShowMessageBox(this, {ToUtf8(tr("Default text restored.")), ToUtf8(tr("Restore All Text")),
                          MessageIcon::Information, MessageButtons::Ok, IDOK});
}

void CManageTextDlg::RefuseTooLong(const EightTexts& texts) {
    // Nothing is cut: the user sees which text is too long and where its limit falls.
    //: The texts of a custom hexagram text, named in the message that one is too long
    static const char* const kNames[] = {
        QT_TR_NOOP("Title"),  QT_TR_NOOP("Main Text"), QT_TR_NOOP("Line 1"), QT_TR_NOOP("Line 2"),
        QT_TR_NOOP("Line 3"), QT_TR_NOOP("Line 4"),    QT_TR_NOOP("Line 5"), QT_TR_NOOP("Line 6")};
    const auto i = static_cast<std::size_t>(
        std::find_if_not(texts.begin(), texts.end(), FitsCustomText) - texts.begin());
    ShowMessageBox(this,
                   {ToUtf8(tr("%1 is too long to be stored: it takes %2 bytes, and a text "
                              "may take at most %3 (a plain letter takes 1 byte, most other "
                              "characters 2 to 4). Nothing was updated.")
                               .arg(tr(kNames[i]))
                               .arg(texts[i].size())
                               .arg(kMaxCustomTextBytes)),
                    ToUtf8(tr("Update Text")), MessageIcon::Exclamation, MessageButtons::Ok, IDOK});
    textBoxes[i]->setFocus();
    textBoxes[i]->SelectPastBytes(kMaxCustomTextBytes);
}

int CManageTextDlg::SelectedHexagram() const {
    const int selected = hexagramList->GetCurSel();
    return selected >= 0 && selected < kHexagramCount ? selected + 1 : 0;
}

void CManageTextDlg::ShowRecord(int n) {
    const EightTexts texts = RecordTexts(store.hexagramTexts, n);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        textBoxes[i]->SetWindowText(texts[i]);
    }
}

} // namespace zandrel
