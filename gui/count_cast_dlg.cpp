#include "gui/count_cast_dlg.h"

#include "app/date_input.h"
#include "gui/query_dlg.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace zandrel {
namespace {

// Room for what a caster types: three long numbers, a long name, two trigrams and a line.
constexpr int kInputCharacters = 200;
constexpr int kDateCharacters = 16;
constexpr int kTimeCharacters = 8;

// The methods in the order the list offers them.
constexpr CountMethod kMethods[] = {CountMethod::Numbers, CountMethod::Characters,
                                    CountMethod::Trigrams};

// How many of what the method counts the form holds: numbers, characters, or trigrams and line.
int FormSize(const CountCastForm& form) {
    if (form.method != CountMethod::Characters) {
        return static_cast<int>(form.items.size());
    }
    CharactersCast cast;
    cast.text = form.items.empty() ? std::string() : form.items.front();
    return static_cast<int>(cast.Counted().size());
}

} // namespace

CCountCastDlg::CCountCastDlg(const Vocabulary& words, CivilDate date, ClockTime time,
                             QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_COUNT_CAST), owner), words(words), startDate(date),
      startTime(time) {
    for (const int id : {IDC_COUNT_INPUT, IDC_COUNT_STROKES, IDC_CIVIL_DATE, IDC_CLOCK_TIME}) {
        MapCommand(id, EN_CHANGE, [this] { OnInputChange(); });
    }
    for (const int id : {IDC_COUNT_METHOD, IDC_STROKE_COUNT}) {
        MapCommand(id, CBN_SELCHANGE, [this] { OnInputChange(); });
    }
    MapCommand(IDC_COUNT_RULE, CBN_SELCHANGE, [this] { OnRuleChosen(); });
}

bool CCountCastDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    methodList = DlgItem<CComboBox>(IDC_COUNT_METHOD);
    strokeList = DlgItem<CComboBox>(IDC_STROKE_COUNT);
    ruleList = DlgItem<CComboBox>(IDC_COUNT_RULE);
    methodList->AddString(ToUtf8(tr("Numbers")));
    methodList->AddString(ToUtf8(tr("Characters")));
    methodList->AddString(ToUtf8(tr("Trigrams")));
    for (const StrokeCount count : {StrokeCount::Modern, StrokeCount::Kangxi}) {
        strokeList->AddString(StrokeCountText(words, count));
    }
    DlgItem<CEdit>(IDC_COUNT_INPUT)->SetLimitText(kInputCharacters);
    DlgItem<CEdit>(IDC_COUNT_STROKES)->SetLimitText(kInputCharacters);
    DlgItem<CEdit>(IDC_CIVIL_DATE)->SetLimitText(kDateCharacters);
    DlgItem<CEdit>(IDC_CLOCK_TIME)->SetLimitText(kTimeCharacters);
    SetDlgItemText(IDC_CIVIL_DATE, CivilDateText(startDate));
    SetDlgItemText(IDC_CLOCK_TIME, ClockTimeText(startTime));
    SetAccessibleText(*GetDlgItem(IDC_COUNT_ARITHMETIC), {"", ToUtf8(tr("Arithmetic"))});
    OnInputChange();
    // What to count is typed first; the method's list comes before it in the tab order.
    GetDlgItem(IDC_COUNT_INPUT)->setFocus(Qt::OtherFocusReason);
    return false;
}

CountMethod CCountCastDlg::Method() const {
    const int index = methodList->GetCurSel();
    return kMethods[index < 0 ? 0 : index];
}

std::optional<CountCastForm> CCountCastDlg::ReadForm(std::string* error) const {
    const DateInput date = ReadCalendarDate(words, GetDlgItemText(IDC_CIVIL_DATE));
    const TimeInput time = ReadClockTime(words, GetDlgItemText(IDC_CLOCK_TIME));
    if (!date.date || !time.time) {
        *error = date.date ? time.error : date.error;
        return std::nullopt;
    }
    CountCastForm form;
    form.method = Method();
    const std::string input = GetDlgItemText(IDC_COUNT_INPUT);
    form.items = form.method == CountMethod::Characters ? std::vector<std::string>{input}
                                                        : InputItems(input);
    if (form.method == CountMethod::Characters) {
        form.counts = InputItems(GetDlgItemText(IDC_COUNT_STROKES));
        form.strokes = strokeList->GetCurSel() == 1 ? StrokeCount::Kangxi : StrokeCount::Modern;
    }
    const int rule = ruleList->GetCurSel();
    if (rule >= 0 && rule < static_cast<int>(rules.size())) {
        form.rule = std::string(rules[static_cast<std::size_t>(rule)]->key);
    }
    form.moment = {*date.date, *time.time};
    return form;
}

CountCastInput CCountCastDlg::ReadInput() const {
    std::string error;
    const std::optional<CountCastForm> form = ReadForm(&error);
    return form ? ReadCountCast(words, *form) : CountCastInput{std::nullopt, error};
}

void CCountCastDlg::OfferRules(const CountCastForm& form) {
    const std::vector<const CountRule*> offered = RulesFor(form.method, FormSize(form));
    if (offered == rules) {
        return;
    }
    rules = offered;
    ruleList->ResetContent();
    // The rule the user chose last among those offered, else the default.
    int chosen = 0;
    std::size_t latest = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        ruleList->AddString(RuleText(words, *rules[i]));
        const auto found = std::find(chosenRules.begin(), chosenRules.end(), rules[i]->key);
        if (found != chosenRules.end() &&
            static_cast<std::size_t>(found - chosenRules.begin()) + 1 > latest) {
            latest = static_cast<std::size_t>(found - chosenRules.begin()) + 1;
            chosen = static_cast<int>(i);
        }
    }
    ruleList->SetCurSel(rules.empty() ? -1 : chosen);
    EnableDlgItem(IDC_COUNT_RULE, rules.size() > 1);
}

void CCountCastDlg::OnRuleChosen() {
    const int index = ruleList->GetCurSel();
    if (index >= 0 && index < static_cast<int>(rules.size())) {
        const std::string_view key = rules[static_cast<std::size_t>(index)]->key;
        std::erase(chosenRules, key);
        chosenRules.push_back(key);
    }
    OnInputChange();
}

void CCountCastDlg::OnInputChange() {
    if (ruleList == nullptr) {
        return; // the controls are being filled
    }
    const bool characters = Method() == CountMethod::Characters;
    EnableDlgItem(IDC_COUNT_STROKES, characters);
    EnableDlgItem(IDC_STROKE_COUNT, characters);
    std::string error;
    std::optional<CountCastForm> form = ReadForm(&error);
    if (form) {
        OfferRules(*form);
        form = ReadForm(&error); // with the rule now offered
    }
    const CountCastInput input =
        form ? ReadCountCast(words, *form) : CountCastInput{std::nullopt, error};
    std::string shown;
    if (form && characters) {
        // Each character's count as it stands, and what is left out, also while it is wrong.
        if (const CharactersCast cast = CharactersOf(words, *form); !cast.Counted().empty()) {
            shown = CountedText(words, cast);
        }
    }
    const auto line = [&shown](const std::string& text) {
        shown += (shown.empty() ? "" : "\n") + text;
    };
    if (input.request) {
        const std::optional<CountArithmetic> arithmetic = CountArithmeticOf(*input.request);
        line(arithmetic ? ArithmeticText(words, *arithmetic) : std::string());
    } else {
        line(input.error);
    }
    SetDlgItemText(IDC_COUNT_ARITHMETIC, shown);
    EnableDlgItem(IDOK, input.request.has_value());
}

void CCountCastDlg::OnOK() {
    // The command may come while "Cast..." is disabled, from elsewhere than the button.
    CountCastInput input = ReadInput();
    if (!input.request) {
        return;
    }
    QuestionAnswer answer = AskQuestion(this);
    if (!answer.accepted) {
        return; // back to the counts, as they were
    }
    request = std::move(input.request);
    question = std::move(answer.question);
    EndDialog(IDOK);
}

} // namespace zandrel
