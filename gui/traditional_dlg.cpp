#include "gui/traditional_dlg.h"

#include "app/date_input.h"
#include "app/lunar_words.h"
#include "core/periods.h"
#include "gui/query_dlg.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/qt_text.h"

namespace zandrel {
namespace {

// Room for a date or a time with blanks around it; anything longer is no date.
constexpr int kDateCharacters = 16;
constexpr int kTimeCharacters = 8;

} // namespace

std::string LunarDateDisplay(const Vocabulary& words, CivilDate date, ClockTime time) {
    const std::optional<LunarDate> lunar = LunarDateOf(date);
    const std::optional<int> hour = HourBranch(time);
    if (!lunar || !hour) {
        return {};
    }
    return LunarDateLines(words, *lunar, hour);
}

CTraditionalDlg::CTraditionalDlg(const Vocabulary& words, CivilDate date, ClockTime time,
                                 QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_TRADITIONAL), owner), date(date), time(time), words(words) {
    MapCommand(IDC_CIVIL_DATE, EN_CHANGE, [this] { OnInputChange(); });
    MapCommand(IDC_CLOCK_TIME, EN_CHANGE, [this] { OnInputChange(); });
}

bool CTraditionalDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    dateBox = DlgItem<CEdit>(IDC_CIVIL_DATE);
    timeBox = DlgItem<CEdit>(IDC_CLOCK_TIME);
    dateBox->SetLimitText(kDateCharacters);
    timeBox->SetLimitText(kTimeCharacters);
    dateBox->SetWindowText(CivilDateText(date));
    timeBox->SetWindowText(ClockTimeText(time));
    SetAccessibleText(*GetDlgItem(IDC_LUNAR_DATE), {"", ToUtf8(tr("Lunar date and hour"))});
    OnInputChange();
    return true;
}

Traditional CTraditionalDlg::Request() const {
    return {date, PeriodOfHour(time.hour), time};
}

CTraditionalDlg::Input CTraditionalDlg::ReadInput() const {
    const DateInput dateInput = ReadCalendarDate(words, dateBox->GetWindowText());
    const TimeInput timeInput = ReadClockTime(words, timeBox->GetWindowText());
    Input input{dateInput.date, timeInput.time, dateInput.error};
    if (input.error.empty()) {
        input.error = timeInput.error;
    }
    return input;
}

void CTraditionalDlg::OnInputChange() {
    if (dateBox == nullptr || timeBox == nullptr) {
        return; // the boxes are being filled
    }
    const Input input = ReadInput();
    const bool usable = input.date && input.time;
    SetDlgItemText(IDC_LUNAR_DATE,
                   usable ? LunarDateDisplay(words, *input.date, *input.time) : input.error);
    EnableDlgItem(IDOK, usable);
}

void CTraditionalDlg::OnOK() {
    // The command may come while "Cast..." is disabled, from elsewhere than the button.
    const Input input = ReadInput();
    if (!input.date || !input.time) {
        return;
    }
    QuestionAnswer answer = AskQuestion(this);
    if (!answer.accepted) {
        return; // back to the date and time, as they were
    }
    date = *input.date;
    time = *input.time;
    question = std::move(answer.question);
    EndDialog(IDOK);
}

} // namespace zandrel
