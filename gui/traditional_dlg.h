#pragma once

#include "app/cast_request.h"
#include "app/vocabulary.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"
#include "platform/dialog.h"

#include <optional>
#include <string>

namespace zandrel {

// The traditional time query dialog (template 158): a civil date and a clock time, the lunar
// date and hour they give, shown as they are typed, or what is wrong with them. "Cast..."
// asks the question with the question dialog and, when it is answered, closes the dialog
// with the date, the time and the question; the main window then casts.
class CTraditionalDlg : public CDialog {
    Q_OBJECT
public:
    // The boxes start with `date` and `time`; the lunar date and what is wrong are told in
    // `words`.
    CTraditionalDlg(const Vocabulary& words, CivilDate date, ClockTime time,
                    QWidget* owner = nullptr);

    // After OK: what was cast for.
    CivilDate date;
    ClockTime time;
    std::string question;
    // The request of that date and time.
    Traditional Request() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    struct Input {
        std::optional<CivilDate> date;
        std::optional<ClockTime> time;
        std::string error; // what is wrong, when date or time is missing
    };
    Input ReadInput() const;
    // Shows the lunar date of the boxes, or what is wrong with them; "Cast..." only works for
    // a date and time that can be cast.
    void OnInputChange();

    const Vocabulary& words;
    CEdit* dateBox = nullptr;
    CEdit* timeBox = nullptr;
};

// The dialog text of a date and time that can be cast: the lunar date and hour in `words`, and
// as practitioners write them in Chinese.
std::string LunarDateDisplay(const Vocabulary& words, CivilDate date, ClockTime time);

} // namespace zandrel
