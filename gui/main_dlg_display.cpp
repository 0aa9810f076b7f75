// The reading display of the main window: its empty state and the writing of a reading.

#include "app/reading_words.h"
#include "core/reading.h"
#include "gui/accessible_names.h"
#include "gui/main_dlg.h"
#include "gui/reading_details_dlg.h"
#include "gui/resource.h"
#include "platform/qt_text.h"
#include "res/trigram_bitmaps.h"
#include "text/reading_text.h"

#include <string>

namespace zandrel {

const std::array<CMainDlg::PositionDisplay, kPositionCount> CMainDlg::kPositionDisplays = {{
    {Position::Outer, &CMainDlg::outerSmallImage, &CMainDlg::outerElementLabel},
    {Position::Inner, &CMainDlg::innerSmallImage, &CMainDlg::innerElementLabel},
    {Position::NuclearUpper, &CMainDlg::nuclearUpperSmallImage,
     &CMainDlg::nuclearUpperElementLabel},
    {Position::NuclearLower, &CMainDlg::nuclearLowerSmallImage,
     &CMainDlg::nuclearLowerElementLabel},
    {Position::FinalOuter, &CMainDlg::finalOuterSmallImage, &CMainDlg::finalOuterElementLabel},
    {Position::FinalInner, &CMainDlg::finalInnerSmallImage, &CMainDlg::finalInnerElementLabel},
}};

const std::array<CMainDlg::TrigramDisplay, 2> CMainDlg::kTrigramDisplays = {{
    {Position::Outer, &CMainDlg::outerImage, &CMainDlg::outerRoleLabel},
    {Position::Inner, &CMainDlg::innerImage, &CMainDlg::innerRoleLabel},
}};

const std::array<CMainDlg::NumberDisplay, 3> CMainDlg::kNumberDisplays = {{
    {&CMainDlg::originalNumberLabel, &Reading::original,
     QT_TRANSLATE_NOOP("AccessibleNames", "Original hexagram")},
    {&CMainDlg::changeLineNumberLabel, &Reading::changeLine,
     QT_TRANSLATE_NOOP("AccessibleNames", "Change line")},
    {&CMainDlg::finalNumberLabel, &Reading::final,
     QT_TRANSLATE_NOOP("AccessibleNames", "Final hexagram")},
}};

void RefreshBitmapButton(CBitmapButton& button, int bitmapId) {
    button.LoadBitmaps(bitmapId, bitmapId, bitmapId, bitmapId);
    button.repaint();
}

void CMainDlg::InitReadingControls() {
    for (const std::string& year : YearEntries()) {
        yearList->AddString(year);
    }
    for (const std::string& month : MonthEntries(session.Words())) {
        monthList->AddString(month);
    }
    for (const std::string& day : DayEntries()) {
        dayList->AddString(day);
    }
    for (const std::string& period : PeriodEntries(session.Words())) {
        periodList->AddString(period);
    }
    yearList->SetCurSel(0);
    monthList->SetCurSel(0);
    dayList->SetCurSel(0);
    periodList->SetCurSel(0);

    ShowDisplay(nullptr);

    outerTrigramButton->setEnabled(false);
    changeLineButton->setEnabled(false);
}

void CMainDlg::ShowDisplay(const Reading* reading) {
    const Vocabulary& words = session.Words();
    // Picture 0 is the blank frame.
    const auto trigramAt = [reading](Position p) { return reading ? reading->TrigramAt(p) : 0; };
    for (const PositionDisplay& row : kPositionDisplays) {
        RefreshBitmapButton(*(this->*row.picture), SmallTrigramBitmap(trigramAt(row.position)));
        CButton& elementLabel = *(this->*row.elementLabel);
        elementLabel.SetWindowText(reading ? ElementMarkText(words, reading->Mark(row.position))
                                           : "");
        // The label shows only + or -; its tooltip names the classical relation.
        elementLabel.setToolTip(
            reading ? ToQString(RelationSentence(words, reading->Mark(row.position))) : QString());
        SetAccessibleText(*(this->*row.picture), SmallPictureText(words, row.position, reading));
        SetAccessibleText(*(this->*row.elementLabel),
                          ElementLabelText(words, row.position, reading));
    }
    for (const TrigramDisplay& row : kTrigramDisplays) {
        RefreshBitmapButton(*(this->*row.picture), LargeTrigramBitmap(trigramAt(row.position)));
        const bool body = reading != nullptr && row.position == reading->BodyPosition();
        (this->*row.roleLabel)
            ->SetWindowText(reading == nullptr ? "" : std::string(words.RoleName(body)));
        SetAccessibleText(*(this->*row.picture),
                          LargePictureText(words, row.position, trigramAt(row.position), reading));
        SetAccessibleText(*(this->*row.roleLabel), RoleLabelText(words, row.position, reading));
    }
    for (const NumberDisplay& row : kNumberDisplays) {
        const int value = reading ? reading->*row.value : 0;
        CButton& label = *(this->*row.label);
        label.SetWindowText(reading ? NumberText(value) : "");
        // The numbers alone are what the window shows; where the language names hexagrams and
        // lines, the tooltip gives the name (1 乾为天, 九二).
        std::string named;
        if (reading && row.value == &Reading::changeLine) {
            named = ChangeLineWords(words, reading->original, value);
        } else if (reading && !words.HexagramName(value).empty()) {
            named = HexagramWords(words, value);
        }
        label.setToolTip(named == NumberText(value) ? QString() : ToQString(named));
        SetAccessibleText(label, NumberLabelText(words, row.name, value));
    }
    for (int line = 1; line <= 6; ++line) {
        SetAccessibleText(*GetDlgItem(IDC_LINE1 + line - 1), LineMarkerText(words, line, reading));
    }
}

void CMainDlg::ShowCastingDisplay(bool casting) {
    const Vocabulary& words = session.Words();
    for (const PositionDisplay& row : kPositionDisplays) {
        SetAccessibleText(*(this->*row.picture),
                          casting ? CastingSmallPictureText(words, row.position)
                                  : SmallPictureText(words, row.position, nullptr));
        SetAccessibleText(*(this->*row.elementLabel),
                          casting ? CastingElementLabelText(words, row.position)
                                  : ElementLabelText(words, row.position, nullptr));
    }
    for (const TrigramDisplay& row : kTrigramDisplays) {
        SetAccessibleText(*(this->*row.roleLabel),
                          casting ? CastingRoleLabelText(words, row.position)
                                  : RoleLabelText(words, row.position, nullptr));
    }
    for (const NumberDisplay& row : kNumberDisplays) {
        SetAccessibleText(*(this->*row.label), casting ? CastingNumberLabelText(words, row.name)
                                                       : NumberLabelText(words, row.name, 0));
    }
}

CBitmapButton& CMainDlg::LargePicture(Position position) const {
    return *(position == Position::Outer ? outerImage : innerImage);
}

void CMainDlg::ShowReading(const CastResult& cast) {
    const Reading& reading = cast.reading;
    ShowDisplay(&reading);
    CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + reading.changeLine - 1);

    readingTextBox->SetWindowText("");
    AppendReadingText(cast.text.originalText);
    AppendReadingText(cast.text.lineText);
    AppendReadingText(cast.text.finalText);
    readingText = cast.text;
    lastCast = cast;
    if (readingDetails != nullptr) {
        readingDetails->ShowCast(lastCast);
    }
    // Brings the first line of any shorter reading back into view.
    readingTextBox->LineScroll(-100);
    announcer->Announce(ReadingAnnouncement(session.Words(), reading, session.Texts()));
}

void CMainDlg::ShowReading(Trigram outer, Trigram inner, int changeLine) {
    if (const std::optional<CastResult> cast =
            session.Cast(GeneralDraw{{outer, inner, changeLine}}, question)) {
        ShowReading(*cast);
    }
}

void CMainDlg::AppendReadingText(const std::string& block) {
    int start = 0;
    int end = 0;
    readingTextBox->GetSel(&start, &end);
    readingTextBox->SetSel(end, end);
    readingTextBox->ScrollCaret();
    readingTextBox->ReplaceSel(block);
}

} // namespace zandrel
