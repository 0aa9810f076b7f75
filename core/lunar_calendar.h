#pragma once

#include "core/casting.h"
#include "core/civil_date.h"

#include <optional>
#include <string>

namespace zandrel {

// A clock time as the user gives it: hour 0..23, minute 0..59.
struct ClockTime {
    int hour = 0;
    int minute = 0;

    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// "09:05".
std::string ClockTimeText(ClockTime time);

// A date of the Chinese lunisolar calendar.
struct LunarDate {
    int year = 0;       // named after the civil year in which its New Year's Day falls
    int yearStem = 0;   // 1..10, 甲 = 1
    int yearBranch = 0; // 1..12, 子 = 1
    int month = 0;      // 1..12; a leap month has the number of the month it repeats
    bool leap = false;
    int day = 0; // 1..30

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The civil dates the calendar covers.
inline constexpr CivilDate kFirstLunarDate{1998, 1, 1};
inline constexpr CivilDate kLastLunarDate{2099, 12, 31};

// Why a date or time cannot be used.
enum class CalendarError { None, NotADate, OutsideRange, NotATime };

// NotADate (February 30, month 13), OutsideRange (a real date before kFirstLunarDate or after
// kLastLunarDate) or None.
CalendarError CheckDate(CivilDate date);
// NotATime or None.
CalendarError CheckTime(ClockTime time);

// The lunar date of a civil date; nothing where CheckDate finds a fault.
std::optional<LunarDate> LunarDateOf(CivilDate date);

// The branch (1..12, 子 = 1) of the two-hour period that holds a clock time: 子 from 23:00
// to 00:59, 丑 from 01:00 to 02:59, ... 亥 from 21:00 to 22:59. Nothing for a wrong time.
std::optional<int> HourBranch(ClockTime time);

// The traditional cast of a date and time: the year's branch, the lunar month and the lunar
// day give the outer trigram, the hour's branch added gives the inner trigram and the change
// line. A leap month counts as the month it repeats; the date changes at midnight, so 23:00
// counts the hour 子 but the day it falls in. Nothing where CheckDate or CheckTime finds a
// fault.
std::optional<CastValues> TraditionalCast(CivilDate date, ClockTime time);

} // namespace zandrel
