#pragma once

#include "app/session.h"
#include "core/casting.h"
#include "core/reading.h"
#include "core/trigrams.h"
#include "platform/announcer.h"
#include "platform/dialog.h"
#include "text/hexagram_text.h"
#include "text/reading_text.h"

#include <QIcon>
#include <QPointer>

#include <array>
#include <optional>
#include <string>

namespace zandrel {

class CReadingDetailsDlg;
class CCaseBookDlg;
struct CaseRecord;

// The main window (template 101): both casting methods, the display of the current reading,
// the reading text and the buttons of the log and the texts. It casts and logs through the
// session it is given, whose text store it hands to the text browser and the editor while they
// are open, and holds the fields of the cast under way.
//
// Its members are spread over files named after it: main_dlg.cpp (the window itself),
// main_dlg_casting.cpp, main_dlg_display.cpp, main_dlg_log.cpp and main_dlg_text.cpp.
class CMainDlg : public CDialog {
    Q_OBJECT
public:
    // Works through `session`, which outlives it: every file of the program is read and
    // written in the session's data folder, and every word is in its language.
    explicit CMainDlg(Session& session, QWidget* owner = nullptr);
    ~CMainDlg() override;

    // Fills the four target-time lists, blanks the reading display and sets the idle
    // casting buttons. Once, from OnInitDialog.
    void InitReadingControls();
    // Shows a cast's reading on every display element and in the text box, and keeps it.
    void ShowReading(const CastResult& cast);
    // Shows the reading of outer (1..8), inner (1..8) and changeLine (1..6), cast through the
    // session for the question held.
    void ShowReading(Trigram outer, Trigram inner, int changeLine);
    // Shows a reading kept in the case book as it was kept: the display of its trigrams and
    // change line, and its reading text as it was shown then, not composed again. Nothing is
    // cast or logged. A record without a reading (taken from a query log) shows its text on a
    // blank display.
    void ShowKeptReading(const CaseRecord& record);
    // Appends the question and the reading last shown to the query log, stamped with the local
    // time. A failure is reported to the user here; the caller goes on as after success.
    void WriteLogEntry();

    // Which casting buttons are enabled: Ready (Inner Trigram, Run), Busy (none), InnerDrawn
    // (Outer Trigram) and OuterDrawn (Change Line).
    enum class CastingState { Ready, Busy, InnerDrawn, OuterDrawn };

    const TextStore& Texts() const { return session.Texts(); }
    // The values the general query drew, outer first; zero before its first draw.
    CastValues Drawn() const { return {drawnOuter, drawnInner, drawnChangeLine}; }
    // The question of the cast under way or of the last one.
    const std::string& Question() const { return question; }
    // The text blocks of the reading last shown, as the log writes them.
    const ReadingText& LastReadingText() const { return readingText; }
    // The last cast shown; none before the first.
    const std::optional<CastResult>& LastCast() const { return lastCast; }
    // The case book window; none before it is first opened.
    CCaseBookDlg* CaseBookWindow() const;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnSysCommand(int id) override;

private:
    // A small picture with its element label, for one trigram position.
    struct PositionDisplay {
        Position position;
        CBitmapButton* CMainDlg::*picture;
        CButton* CMainDlg::*elementLabel;
    };
    // A large picture with its role label, for the outer and the inner trigram.
    struct TrigramDisplay {
        Position position;
        CBitmapButton* CMainDlg::*picture;
        CButton* CMainDlg::*roleLabel;
    };
    struct NumberDisplay {
        CButton* CMainDlg::*label;
        int Reading::*value;
        const char* name; // what the number is, for assistive technology
    };
    static const std::array<PositionDisplay, kPositionCount> kPositionDisplays;
    static const std::array<TrigramDisplay, 2> kTrigramDisplays;
    static const std::array<NumberDisplay, 3> kNumberDisplays;

    void OnInnerTrigram();
    void OnOuterTrigram();
    void OnChangeLine();
    void OnRun();
    // The traditional time query, from the system menu: a date and time in a dialog of its
    // own, cast by the lunisolar calendar.
    void OnTraditionalQuery();
    void OnCountCast();
    // The reading's details, in a window beside this one that follows each reading.
    void OnReadingDetails();
    // Opens the case book window, or brings it to the front.
    void OnCaseBook();
    // The recorder wrote a cast's record: the case book window, when open, shows it.
    void OnCaseBookRecorded();
    // The recorder found a problem with the case book: it is told once.
    void OnCaseBookProblem();
    void OnViewLog();
    void ResetLog();
    void OnViewText();
    void OnManageText();

    // Every display element but the line markers and the text box: blank without a reading.
    void ShowDisplay(const Reading* reading);
    void AppendReadingText(const std::string& block);
    void SetCastingState(CastingState state);
    // Before the first reading: the display says it is being cast while an animation runs,
    // and empty otherwise.
    void ShowCastingDisplay(bool casting);
    // Ends a casting step in `state`, with the focus on the button of the step to come.
    void FinishStep(CastingState state, QWidget* nextStep);
    // Asks the question of a new cast; on OK it becomes `question`. False when cancelled.
    bool AcceptQuestion();
    // Animates the large picture of `position`, then draws its trigram from the tick count and
    // shows it.
    Trigram CastTrigram(Position position);
    // The animation of a cast from a date: both large pictures and the line markers.
    void AnimateTimeCast();
    // Casts `request` through the session for the question, shows and logs its reading, and
    // ends the cast with the focus on `focus`.
    void FinishCast(const CastRequest& request, QWidget* focus);
    CBitmapButton& LargePicture(Position position) const;

    CButton* runButton = nullptr;
    CButton* outerTrigramButton = nullptr;
    CButton* innerTrigramButton = nullptr;
    CButton* changeLineButton = nullptr;
    CButton* changeLineNumberLabel = nullptr;
    CTextViewer* readingTextBox = nullptr;
    // Speaks each reading as it appears.
    CAnnouncer* announcer = nullptr;
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

    Session& session;
    QIcon icon;
    // Written by the general query before it reads them.
    Trigram drawnInner = 0;
    Trigram drawnOuter = 0;
    int drawnChangeLine = 0;
    std::string question;
    // originalText, lineText and finalText of the reading last shown.
    ReadingText readingText;
    std::optional<CastResult> lastCast;
    // Made when first asked for; hidden, not destroyed, when closed.
    CReadingDetailsDlg* readingDetails = nullptr;

    QPointer<CCaseBookDlg> caseBook;

    // Where the focus went when the pressed casting button was disabled.
    QWidget* parkedFocus_ = nullptr;
};

// Shows bitmap `bitmapId` on `button` in all of its states and repaints it at once.
void RefreshBitmapButton(CBitmapButton& button, int bitmapId);

} // namespace zandrel
