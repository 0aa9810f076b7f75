#pragma once

#include "app/vocabulary.h"
#include "core/casting.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// What a cast is asked for: one request type per way of casting, each holding the inputs the
// user gave and checking them, each named by a stable method key (the JSON's "method", the
// record a cast leaves). The session turns any of them into a reading.

namespace zandrel {

// The general query: three values drawn from the millisecond clock, one button at a time.
struct GeneralDraw {
    CastValues drawn;
};

// The target time query: a year, month and day of its lists and a two-hour period 1..12, with
// the question's bytes folded in. The lists offer every day 1..31 in every month, so the date
// need not exist (February 31); from text only a real date is read. `time` is the clock time
// the period was taken from, where one was given.
struct TargetTime {
    CivilDate date{kFirstYear, 1, 1};
    int period = 1;
    std::optional<ClockTime> time;

    // The lists' entries, chosen by their zero-based indexes.
    static TargetTime FromLists(int yearIndex, int monthIndex, int dayIndex, int periodIndex);
};

// The traditional time query: a civil date and clock time, cast by the lunisolar calendar.
// From the command line the hour may be a period instead, whose start stands for the time.
struct Traditional {
    CivilDate date{kFirstYear, 1, 1};
    int period = 1;
    std::optional<ClockTime> time;

    // The clock time the cast is made for.
    ClockTime Time() const;
};

using CastRequest = std::variant<GeneralDraw, TargetTime, Traditional>;

inline constexpr std::string_view kGeneralMethod = "general";
inline constexpr std::string_view kTargetTimeMethod = "target time";
inline constexpr std::string_view kTraditionalMethod = "traditional";

// kGeneralMethod, kTargetTimeMethod or kTraditionalMethod.
std::string_view MethodKey(const CastRequest& request);

// The three values a request casts; the target time query folds the question's bytes in. A
// request of values that cannot be cast (a traditional date outside the calendar) gives none.
std::optional<CastValues> CastValuesOf(const CastRequest& request, std::string_view question);

// A date and the hour of a cast as text gives them: the date, and either a period 1..12 or a
// clock time (whose period is the one that holds it). What is wrong with them, in `words`,
// where they cannot be cast.
struct DateAndHour {
    CivilDate date;
    int period = 1;
    std::optional<ClockTime> time;
};
struct DateAndHourInput {
    std::optional<DateAndHour> value;
    std::string error;
};
// `period` and `time`, where given, are the texts of the period and the time; give one.
DateAndHourInput ReadDateAndHour(const Vocabulary& words, std::string_view date,
                                 const std::string* period, const std::string* time);

// A period 1..12 written in decimal digits, or nothing.
std::optional<int> ReadPeriod(std::string_view text);

} // namespace zandrel
