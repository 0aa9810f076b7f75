#pragma once

#include "app/vocabulary.h"
#include "platform/dialog.h"
#include "text/custom_file.h"
#include "text/hexagram_text.h"

#include <array>

namespace zandrel {

// The custom text editor (template 157). It shows and changes the records of the store it is
// given directly: Update, Restore and Restore All take effect on them at once, and Close writes
// the files of every pending record. Escape and the close box leave without writing; the
// pending records stay so, for a later Close.
class CManageTextDlg : public CDialog {
    Q_OBJECT
public:
    // Changes `store`, which outlives the dialog, and reports a file it cannot write in
    // `words`.
    CManageTextDlg(TextStore& store, const Vocabulary& words, QWidget* owner);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSelChangeHexagram();
    void OnUpdateText();
    void OnRestoreText();
    void OnRestoreAllText();

    // Tells which of `texts` is too long for a custom file and selects its excess.
    void RefuseTooLong(const EightTexts& texts);
    // The hexagram chosen in the list, or 0 when none is.
    int SelectedHexagram() const;
    // Fills the eight boxes from the record of hexagram n; never with default texts.
    void ShowRecord(int n);

    TextStore& store;
    const Vocabulary& words;
    // The eight boxes in the order of a record: title, main text, lines 1 to 6.
    std::array<CEdit*, 8> textBoxes{};
    CComboBox* hexagramList = nullptr;
};

} // namespace zandrel
