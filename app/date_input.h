#pragma once

#include "app/vocabulary.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <optional>
#include <string>
#include <string_view>

// Dates, clock times and numbers as a user types them, in the traditional time query dialog and
// on the command line, and what is wrong with one that cannot be used.

namespace zandrel {

// "YYYY-MM-DD" (the month and the day may have one digit), blanks around it ignored. Only the
// form is checked: February 30 reads as such.
std::optional<CivilDate> ParseDate(std::string_view text);
// "HH:MM" (the hour may have one digit), blanks around it ignored. Only the form is checked.
std::optional<ClockTime> ParseTime(std::string_view text);

// A whole number first..last written in one to three decimal digits, or nothing.
std::optional<int> ReadNumber(std::string_view text, int first, int last);

// A date of the calendar's range read from `text`, or one line in `words` saying what is wrong
// with it.
struct DateInput {
    std::optional<CivilDate> date;
    std::string error;
};
DateInput ReadCalendarDate(const Vocabulary& words, std::string_view text);

// A clock time read from `text`, or one line saying what is wrong with it.
struct TimeInput {
    std::optional<ClockTime> time;
    std::string error;
};
TimeInput ReadClockTime(const Vocabulary& words, std::string_view text);

} // namespace zandrel
