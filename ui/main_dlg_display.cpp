// The reading display of the main window: its empty state and the writing of a reading.

#include "core/reading.h"
#include "platform/qt_text.h"
#include "res/resource.h"
#include "res/trigram_bitmaps.h"
#include "text/reading_text.h"
#include "ui/accessible_names.h"
#include "ui/main_dlg.h"
#include "ui/reading_labels.h"

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
    for (const std::string& month : MonthEntries()) {
        monthList->AddString(month);
    }
    for (const std::string& day : DayEntries()) {
        dayList->AddString(day);
    }
    for (const std::string& period : PeriodEntries()) {
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
    // Picture 0 is the blank frame.
    const auto trigramAt = [reading](Position p) { return reading ? reading->TrigramAt(p) : 0; };
    for (const PositionDisplay& row : kPositionDisplays) {
        RefreshBitmapButton(*(this->*row.picture), SmallTrigramBitmap(trigramAt(row.position)));
        CButton& elementLabel = *(this->*row.elementLabel);
        elementLabel.SetWindowText(reading ? ElementMarkText(reading->Mark(row.position)) : "");
        // The label shows only + or -; its tooltip names the classical relation.
        elementLabel.setToolTip(reading ? ToQString(RelationSentence(reading->Mark(row.position)))
                                        : QString());
        SetAccessibleText(*(this->*row.picture), SmallPictureText(row.position, reading));
        SetAccessibleText(*(this->*row.elementLabel), ElementLabelText(row.position, reading));
    }
    for (const TrigramDisplay& row : kTrigramDisplays) {
        RefreshBitmapButton(*(this->*row.picture), LargeTrigramBitmap(trigramAt(row.position)));
        const bool body = reading != nullptr && row.position == reading->BodyPosition();
        (this->*row.roleLabel)->SetWindowText(reading == nullptr ? "" : RoleText(body));
        SetAccessibleText(*(this->*row.picture),
                          LargePictureText(row.position, trigramAt(row.position), reading));
        SetAccessibleText(*(this->*row.roleLabel), RoleLabelText(row.position, reading));
    }
    for (const NumberDisplay& row : kNumberDisplays) {
        const int value = reading ? reading->*row.value : 0;
        (this->*row.label)->SetWindowText(reading ? NumberText(value) : "");
        SetAccessibleText(*(this->*row.label), NumberLabelText(row.name, value));
    }
    for (int line = 1; line <= 6; ++line) {
        SetAccessibleText(*GetDlgItem(IDC_LINE1 + line - 1), LineMarkerText(line, reading));
    }
}

void CMainDlg::ShowCastingDisplay(bool casting) {
    for (const PositionDisplay& row : kPositionDisplays) {
        SetAccessibleText(*(this->*row.picture), casting ? CastingSmallPictureText(row.position)
                                                         : SmallPictureText(row.position, nullptr));
        SetAccessibleText(*(this->*row.elementLabel),
                          casting ? CastingElementLabelText(row.position)
                                  : ElementLabelText(row.position, nullptr));
    }
    for (const TrigramDisplay& row : kTrigramDisplays) {
        SetAccessibleText(*(this->*row.roleLabel), casting ? CastingRoleLabelText(row.position)
                                                           : RoleLabelText(row.position, nullptr));
    }
    for (const NumberDisplay& row : kNumberDisplays) {
        SetAccessibleText(*(this->*row.label), casting ? CastingNumberLabelText(row.name)
                                                       : NumberLabelText(row.name, 0));
    }
}

CBitmapButton& CMainDlg::LargePicture(Position position) const {
    return *(position == Position::Outer ? outerImage : innerImage);
}

void CMainDlg::ShowReading(Trigram outer, Trigram inner, int changeLine) {
    const Reading reading = ComputeReading(outer, inner, changeLine);
    ShowDisplay(&reading);
    CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + changeLine - 1);

    const ReadingText text = ComposeReadingText(texts, reading);
    readingTextBox->SetWindowText("");
    AppendReadingText(text.originalText);
    readingText.originalText = text.originalText;
    AppendReadingText(text.lineText);
    readingText.lineText = text.lineText;
    AppendReadingText(text.finalText);
    readingText.finalText = text.finalText;
    // Brings the first line of any shorter reading back into view.
    readingTextBox->LineScroll(-100);
    announcer->Announce(ReadingAnnouncement(reading, texts));
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
