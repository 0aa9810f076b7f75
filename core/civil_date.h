#pragma once

#include <string>

namespace zandrel {

// A date of the (proleptic) Gregorian calendar, as the user gives it.
struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Whether the date exists: no February 30, no month 13.
bool IsRealDate(CivilDate date);

// Days since 1970-01-01 of a real date, and the date of such a day number.
long DaysSinceEpoch(CivilDate date);
CivilDate CivilDateOfDays(long days);

// "2024-02-10".
std::string CivilDateText(CivilDate date);

} // namespace zandrel
