// The ways of casting a reading: the general query's three steps, the target time query, the
// traditional time query and the cast from counts. Each animation dispatches events while it
// waits, so the window stays live; the casting buttons are disabled meanwhile, which is what
// keeps a cast from starting twice. The values drawn or chosen become a request, which the
// session casts.

#include "app/cast_request.h"
#include "core/casting.h"
#include "gui/accessible_names.h"
#include "gui/count_cast_dlg.h"
#include "gui/main_dlg.h"
#include "gui/query_dlg.h"
#include "gui/resource.h"
#include "gui/traditional_dlg.h"
#include "platform/local_time.h"
#include "platform/pumping_wait.h"
#include "res/trigram_bitmaps.h"

#include <QPointer>

#include <ctime>
#include <optional>

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
    // Like "Run", the traditional time query waits for the cast under way to end.
    SystemMenuItem(IDM_TRADITIONAL)->setEnabled(state == CastingState::Ready);
    SystemMenuItem(IDM_COUNT_CAST)->setEnabled(state == CastingState::Ready);
    if (state == CastingState::Busy) {
        parkedFocus_ = focusWidget();
    }
    // Once a reading is shown, the display tells it until the next one.
    if (!lastCast) {
        ShowCastingDisplay(state == CastingState::Busy);
    }
}

void CMainDlg::FinishStep(CastingState state, QWidget* nextStep) {
    SetCastingState(state);
    // Disabling the pressed button sent the focus on to the next control in tab order: a
    // list, where Enter would close the window, or a side button, where it would open
    // something else. So the focus goes to the next step's button, unless the user has put
    // it on another button meanwhile.
    QWidget* focus = focusWidget();
    const bool userChoseAButton = focus != nullptr && focus != parkedFocus_ && focus->isEnabled() &&
                                  qobject_cast<CButton*>(focus) != nullptr;
    if (!userChoseAButton) {
        nextStep->setFocus();
    }
    parkedFocus_ = nullptr;
}

bool CMainDlg::AcceptQuestion() {
    QuestionAnswer answer = AskQuestion(this);
    if (!answer.accepted) {
        return false;
    }
    question = std::move(answer.question);
    return true;
}

Trigram CMainDlg::CastTrigram(Position position) {
    CBitmapButton& image = LargePicture(position);
    SetCastingState(CastingState::Busy);
    SetAccessibleText(image, CastingPictureText(session.Words(), position));
    for (int i = 0; i < kAnimationFrames; ++i) {
        RefreshBitmapButton(image, LargeTrigramBitmap(i % 8 + 1));
        PumpingWait(kFrameMilliseconds);
    }
    const Trigram drawn = DrawTrigram(GetTickCount());
    RefreshBitmapButton(image, LargeTrigramBitmap(drawn));
    SetAccessibleText(image, LargePictureText(session.Words(), position, drawn, nullptr));
    return drawn;
}

void CMainDlg::OnInnerTrigram() {
    if (!AcceptQuestion()) {
        return;
    }
    drawnInner = CastTrigram(Position::Inner);
    FinishStep(CastingState::InnerDrawn, outerTrigramButton);
}

void CMainDlg::OnOuterTrigram() {
    drawnOuter = CastTrigram(Position::Outer);
    FinishStep(CastingState::OuterDrawn, changeLineButton);
}

void CMainDlg::OnChangeLine() {
    SetCastingState(CastingState::Busy);
    for (int i = 0; i < kAnimationFrames; ++i) {
        CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + i % 6);
        PumpingWait(kFrameMilliseconds);
    }
    drawnChangeLine = DrawChangeLine(GetTickCount());
    CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + drawnChangeLine - 1);
    FinishCast(GeneralDraw{Drawn()}, innerTrigramButton);
}

void CMainDlg::AnimateTimeCast() {
    SetCastingState(CastingState::Busy);
    SetAccessibleText(*innerImage, CastingPictureText(session.Words(), Position::Inner));
    SetAccessibleText(*outerImage, CastingPictureText(session.Words(), Position::Outer));
    for (int i = 0; i < kAnimationFrames; ++i) {
        const int picture = LargeTrigramBitmap(i % 8 + 1);
        RefreshBitmapButton(*innerImage, picture);
        RefreshBitmapButton(*outerImage, picture);
        CheckRadioButton(IDC_LINE1, IDC_LINE6, IDC_LINE1 + i % 6);
        PumpingWait(kFrameMilliseconds);
    }
}

void CMainDlg::FinishCast(const CastRequest& request, QWidget* focus) {
    if (const std::optional<CastResult> cast = session.Cast(request, question)) {
        ShowReading(*cast);
        WriteLogEntry();
    }
    FinishStep(CastingState::Ready, focus);
}

void CMainDlg::OnRun() {
    if (!AcceptQuestion()) {
        return;
    }
    AnimateTimeCast();
    // The lists are read after the animation: a change made while it ran counts.
    FinishCast(TargetTime::FromLists(yearList->GetCurSel(), monthList->GetCurSel(),
                                     dayList->GetCurSel(), periodList->GetCurSel()),
               runButton);
}

void CMainDlg::OnTraditionalQuery() {
    if (!runButton->isEnabled()) {
        return; // a cast is under way
    }
    const QPointer<QWidget> focus = focusWidget();
    const std::tm now = CurrentLocalTime();
    CTraditionalDlg dialog(session.Words(), {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday},
                           {now.tm_hour, now.tm_min}, this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    question = dialog.question;
    AnimateTimeCast();
    // The dialog only accepts a date and time that the calendar can cast.
    FinishCast(dialog.Request(), focus.isNull() ? innerTrigramButton : focus.data());
}

void CMainDlg::OnCountCast() {
    if (!runButton->isEnabled()) {
        return; // a cast is under way
    }
    const QPointer<QWidget> focus = focusWidget();
    const std::tm now = CurrentLocalTime();
    CCountCastDlg dialog(session.Words(), {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday},
                         {now.tm_hour, now.tm_min}, this);
    if (dialog.DoModal() != IDOK || !dialog.request) {
        return;
    }
    question = dialog.question;
    AnimateTimeCast();
    // The dialog only accepts a request that can be cast.
    FinishCast(*dialog.request, focus.isNull() ? innerTrigramButton : focus.data());
}

} // namespace zandrel
