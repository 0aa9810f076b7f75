#pragma once

#include "core/trigrams.h"
#include "platform/dialog.h"
#include "text/hexagram_text.h"

#include <QIcon>

#include <cstdint>
#include <string>

namespace zandrel {

// The main window (template 101): both casting methods, the display of the current reading,
// the reading text and the buttons of the log and the texts. It owns the state every other
// dialog reads.
class CMainDlg : public CDialog {
    Q_OBJECT
public:
    explicit CMainDlg(QWidget* owner = nullptr);
    ~CMainDlg() override;

    // Fills the four target-time lists, blanks the reading display and sets the idle
    // casting buttons. Once, from OnInitDialog.
    void InitReadingControls();
    // Shows the reading of outer (1..8), inner (1..8) and changeLine (1..6) on every display
    // element and in the text box, and keeps its three text blocks.
    void ShowReading(Trigram outer, Trigram inner, int changeLine);
    // Appends `question` and the reading last shown to the query log, stamped with the local
    // time. A failure is reported to the user here; the caller goes on as after success.
    void WriteLogEntry();

    // Which casting buttons are enabled: Ready (Inner Trigram, Run), Busy (none), InnerDrawn
    // (Outer Trigram) and OuterDrawn (Change Line).
    enum class CastingState { Ready, Busy, InnerDrawn, OuterDrawn };

    HexagramTexts hexagramTexts;
    QIcon icon;
    // Written by the general query before it reads them.
    std::uint8_t drawnInner = 0;
    std::uint8_t drawnOuter = 0;
    std::uint8_t drawnChangeLine = 0;
    std::string question;
    // The text blocks of the reading last shown.
    std::string originalText;
    std::string lineText;
    std::string finalText;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnSysCommand(int id) override;

private:
    void OnInnerTrigram();
    void OnOuterTrigram();
    void OnChangeLine();
    void OnRun();
    void OnViewLog();
    void ResetLog();
    void OnViewText();
    void OnManageText();

    void AppendReadingText(const std::string& block);
    void SetCastingState(CastingState state);
    // Asks the question of a new cast; on OK it becomes `question`. False when cancelled.
    bool AcceptQuestion();
    void AnimateLargeImage(CBitmapButton& image);
    void FocusNextStep(QWidget* nextStep);

    CButton* runButton = nullptr;
    CButton* outerTrigramButton = nullptr;
    CButton* innerTrigramButton = nullptr;
    CButton* changeLineButton = nullptr;
    CButton* changeLineNumberLabel = nullptr;
    CMultiLineEdit* readingTextBox = nullptr;
    CComboBox* yearList = nullptr;
    CComboBox* monthList = nullptr;
    CComboBox* periodList = nullptr;
    CComboBox* dayList = nullptr;
    CBitmapButton* outerImage = nullptr;
    CBitmapButton* innerImage = nullptr;
    CBitmapButton* outerSmallImage = nullptr;
    CButton* outerRoleLabel = nullptr;
    CButton* outerElementLabel = nullptr;
    CBitmapButton* innerSmallImage = nullptr;
    CButton* innerRoleLabel = nullptr;
    CButton* innerElementLabel = nullptr;
    CButton* originalNumberLabel = nullptr;
    CBitmapButton* nuclearLowerSmallImage = nullptr;
    CButton* nuclearLowerElementLabel = nullptr;
    CBitmapButton* nuclearUpperSmallImage = nullptr;
    CButton* nuclearUpperElementLabel = nullptr;
    CBitmapButton* finalOuterSmallImage = nullptr;
    CButton* finalOuterElementLabel = nullptr;
    CBitmapButton* finalInnerSmallImage = nullptr;
    CButton* finalInnerElementLabel = nullptr;
    CButton* finalNumberLabel = nullptr;
};

// Shows bitmap `bitmapId` on `button` in all of its states and repaints it at once.
void RefreshBitmapButton(CBitmapButton& button, int bitmapId);

} // namespace zandrel
