// The reading display of the main window: its empty state and the writing of a reading.

#include "core/casting.h"
#include "core/reading.h"
#include "res/resource.h"
#include "text/reading_text.h"
#include "ui/main_dlg.h"

#include <string>

namespace zandrel {
namespace {

void SetMark(CButton& label, const Reading& reading, Position position) {
    label.SetText(reading.Mark(position).Text());
}

} // namespace

void RefreshBitmapButton(CBitmapButton& button, int bitmapId) {
    button.LoadBitmaps(bitmapId, bitmapId, bitmapId, bitmapId);
    button.repaint();
}

void CMainDlg::InitReadingControls() {
    for (const std::string& year : YearEntries()) {
        yearList->AddString(year);
    }
    for (std::string_view month : MonthEntries()) {
        monthList->AddString(month);
    }
    for (const std::string& day : DayEntries()) {
        dayList->AddString(day);
    }
    for (std::string_view period : PeriodEntries()) {
        periodList->AddString(period);
    }
    yearList->SetCurSel(0);
    monthList->SetCurSel(0);
    dayList->SetCurSel(0);
    periodList->SetCurSel(0);

    originalNumberLabel->SetText("");
    finalNumberLabel->SetText("");
    RefreshBitmapButton(*outerSmallImage, kSmallBlankBitmap);
    outerRoleLabel->SetText("");
    outerElementLabel->SetText("");
    RefreshBitmapButton(*innerSmallImage, kSmallBlankBitmap);
    innerRoleLabel->SetText("");
    innerElementLabel->SetText("");
    RefreshBitmapButton(*nuclearLowerSmallImage, kSmallBlankBitmap);
    nuclearLowerElementLabel->SetText("");
    RefreshBitmapButton(*nuclearUpperSmallImage, kSmallBlankBitmap);
    nuclearUpperElementLabel->SetText("");
    RefreshBitmapButton(*finalOuterSmallImage, kSmallBlankBitmap);
    finalOuterElementLabel->SetText("");
    RefreshBitmapButton(*finalInnerSmallImage, kSmallBlankBitmap);
    finalInnerElementLabel->SetText("");
    RefreshBitmapButton(*outerImage, kLargeBlankBitmap);
    RefreshBitmapButton(*innerImage, kLargeBlankBitmap);

    outerTrigramButton->setEnabled(false);
    changeLineButton->setEnabled(false);
}

void CMainDlg::ShowReading(Trigram outer, Trigram inner, int changeLine) {
    const Reading reading = ComputeReading(outer, inner, changeLine);
    const bool changeInOuter = changeLine > 3;

    RefreshBitmapButton(*outerSmallImage, SmallTrigramBitmap(outer));
    RefreshBitmapButton(*innerSmallImage, SmallTrigramBitmap(inner));
    outerRoleLabel->SetText(changeInOuter ? "Use" : "Body");
    innerRoleLabel->SetText(changeInOuter ? "Body" : "Use");
    originalNumberLabel->SetText(std::to_string(reading.original));
    changeLineNumberLabel->SetText(std::to_string(changeLine));
    RefreshBitmapButton(*nuclearUpperSmallImage, SmallTrigramBitmap(reading.nuclearUpper));
    RefreshBitmapButton(*nuclearLowerSmallImage, SmallTrigramBitmap(reading.nuclearLower));
    CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + changeLine - 1);
    RefreshBitmapButton(*outerImage, LargeTrigramBitmap(outer));
    RefreshBitmapButton(*innerImage, LargeTrigramBitmap(inner));
    if (changeInOuter) {
        RefreshBitmapButton(*finalInnerSmallImage, SmallTrigramBitmap(inner));
        RefreshBitmapButton(*finalOuterSmallImage, SmallTrigramBitmap(reading.finalOuter));
        finalNumberLabel->SetText(std::to_string(reading.final));
        SetMark(*innerElementLabel, reading, Position::Inner);
        SetMark(*outerElementLabel, reading, Position::Outer);
        SetMark(*finalInnerElementLabel, reading, Position::FinalInner);
        SetMark(*finalOuterElementLabel, reading, Position::FinalOuter);
    } else {
        RefreshBitmapButton(*finalOuterSmallImage, SmallTrigramBitmap(outer));
        RefreshBitmapButton(*finalInnerSmallImage, SmallTrigramBitmap(reading.finalInner));
        finalNumberLabel->SetText(std::to_string(reading.final));
        SetMark(*outerElementLabel, reading, Position::Outer);
        SetMark(*innerElementLabel, reading, Position::Inner);
        SetMark(*finalOuterElementLabel, reading, Position::FinalOuter);
        SetMark(*finalInnerElementLabel, reading, Position::FinalInner);
    }
    SetMark(*nuclearUpperElementLabel, reading, Position::NuclearUpper);
    SetMark(*nuclearLowerElementLabel, reading, Position::NuclearLower);

    const ReadingText text = ComposeReadingText(hexagramTexts, reading);
    readingTextBox->SetText("");
    AppendReadingText(text.originalText);
    originalText = text.originalText;
    AppendReadingText(text.lineText);
    lineText = text.lineText;
    AppendReadingText(text.finalText);
    finalText = text.finalText;
    // Brings the first line of any shorter reading back into view.
    readingTextBox->LineScroll(-100);
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
