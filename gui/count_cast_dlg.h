#pragma once

#include "app/cast_request.h"
#include "app/count_input.h"
#include "app/vocabulary.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"
#include "platform/dialog.h"

#include <optional>
#include <string>
#include <vector>

namespace zandrel {

class CComboBox;

// The cast from counts: by numbers, by the strokes of characters or by two trigrams, with the
// rule in force chosen from those of the method, and the date and time whose hour joins the
// sums. The arithmetic is shown as it is typed, or the one line that says what cannot be cast;
// "Cast..." asks the question and closes the dialog with the request; the main window casts.
class CCountCastDlg : public CDialog {
    Q_OBJECT
public:
    // The date and time boxes start with `date` and `time`, the present's.
    CCountCastDlg(const Vocabulary& words, CivilDate date, ClockTime time,
                  QWidget* owner = nullptr);

    // After OK: what to cast, and the question.
    std::optional<CastRequest> request;
    std::string question;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CountMethod Method() const;
    // The form as the controls hold it, or what is wrong with the date or time.
    std::optional<CountCastForm> ReadForm(std::string* error) const;
    CountCastInput ReadInput() const;
    // Offers the rules of the method for what is typed, keeping the one chosen where it applies.
    void OfferRules(const CountCastForm& form);
    void OnInputChange();
    void OnRuleChosen();

    const Vocabulary& words;
    CivilDate startDate;
    ClockTime startTime;
    CComboBox* methodList = nullptr;
    CComboBox* strokeList = nullptr;
    CComboBox* ruleList = nullptr;
    std::vector<const CountRule*> rules;
    // The rules the user chose, the latest last: kept while what is typed changes.
    std::vector<std::string_view> chosenRules;
};

} // namespace zandrel
