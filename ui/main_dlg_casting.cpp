// The two ways of casting a reading: the general query's three steps and the target time
// query. Each animation dispatches events while it waits, so the window stays live; the
// casting buttons are disabled meanwhile, which is what keeps a cast from starting twice.

#include "core/casting.h"
#include "platform/pumping_wait.h"
#include "res/resource.h"
#include "ui/main_dlg.h"
#include "ui/query_dlg.h"

namespace zandrel {
namespace {

constexpr int kAnimationFrames = 20;
constexpr std::uint32_t kFrameMilliseconds = 50;

} // namespace

void CMainDlg::SetCastingState(CastingState state) {
    innerTrigramButton->setEnabled(state == CastingState::Ready);
    outerTrigramButton->setEnabled(state == CastingState::InnerDrawn);
    changeLineButton->setEnabled(state == CastingState::OuterDrawn);
    runButton->setEnabled(state == CastingState::Ready);
}

void CMainDlg::FocusNextStep(QWidget* nextStep) {
    // Disabling the pressed button sends the focus on to the next control, a list, where
    // Enter would close the window. So the focus goes to the next step's button instead,
    // unless the user has put it on another button meanwhile.
    QWidget* focus = focusWidget();
    if (focus == nullptr || !focus->isEnabled() || qobject_cast<CComboBox*>(focus) != nullptr ||
        focus == readingTextBox) {
        nextStep->setFocus();
    }
}

bool CMainDlg::AcceptQuestion() {
    QuestionAnswer answer = AskQuestion(this);
    if (!answer.accepted) {
        return false;
    }
    question = std::move(answer.question);
    return true;
}

void CMainDlg::AnimateLargeImage(CBitmapButton& image) {
    for (int i = 0; i < kAnimationFrames; ++i) {
        RefreshBitmapButton(image, LargeTrigramBitmap(i % 8 + 1));
        PumpingWait(kFrameMilliseconds);
    }
}

void CMainDlg::OnInnerTrigram() {
    if (!AcceptQuestion()) {
        return;
    }
    SetCastingState(CastingState::Busy);
    AnimateLargeImage(*innerImage);
    drawnInner = static_cast<std::uint8_t>(DrawTrigram(GetTickCount()));
    RefreshBitmapButton(*innerImage, LargeTrigramBitmap(drawnInner));
    SetCastingState(CastingState::InnerDrawn);
    FocusNextStep(outerTrigramButton);
}

void CMainDlg::OnOuterTrigram() {
    SetCastingState(CastingState::Busy);
    AnimateLargeImage(*outerImage);
    drawnOuter = static_cast<std::uint8_t>(DrawTrigram(GetTickCount()));
    RefreshBitmapButton(*outerImage, LargeTrigramBitmap(drawnOuter));
    SetCastingState(CastingState::OuterDrawn);
    FocusNextStep(changeLineButton);
}

void CMainDlg::OnChangeLine() {
    SetCastingState(CastingState::Busy);
    for (int i = 0; i < kAnimationFrames; ++i) {
        CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + i % 6);
        PumpingWait(kFrameMilliseconds);
    }
    drawnChangeLine = static_cast<std::uint8_t>(DrawChangeLine(GetTickCount()));
    CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + drawnChangeLine - 1);
    ShowReading(drawnOuter, drawnInner, drawnChangeLine);
    WriteLogEntry();
    SetCastingState(CastingState::Ready);
    FocusNextStep(innerTrigramButton);
}

void CMainDlg::OnRun() {
    if (!AcceptQuestion()) {
        return;
    }
    SetCastingState(CastingState::Busy);
    for (int i = 0; i < kAnimationFrames; ++i) {
        const int picture = LargeTrigramBitmap(i % 8 + 1);
        RefreshBitmapButton(*innerImage, picture);
        RefreshBitmapButton(*outerImage, picture);
        CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + i % 6);
        PumpingWait(kFrameMilliseconds);
    }
    // The lists are read after the animation: a change made while it ran counts.
    const CastValues cast = TimeCast(yearList->GetCurSel(), monthList->GetCurSel(),
                                     dayList->GetCurSel(), periodList->GetCurSel(), question);
    ShowReading(cast.outer, cast.inner, cast.changeLine);
    WriteLogEntry();
    SetCastingState(CastingState::Ready);
    FocusNextStep(runButton);
}

} // namespace zandrel
