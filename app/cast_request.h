#pragma once

#include "app/count_requests.h"
#include "app/vocabulary.h"
#include "core/casting.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// What a cast is asked for: one request type per way of casting, each holding the inputs the
// user gave, named by a stable method key (the JSON's "method", the record a cast leaves),
// turning its inputs into the three values of a cast by core's arithmetic, and telling its
// inputs as facts under stable keys and as a line of words. The session casts any of them. A
// new way of casting is one more type here, with its kMethod, Values, Facts and Description,
// and one more alternative of CastRequest.

namespace zandrel {

inline constexpr std::string_view kGeneralMethod = "general";
inline constexpr std::string_view kTargetTimeMethod = "target time";
inline constexpr std::string_view kTraditionalMethod = "traditional";

// The general query: three values drawn from the millisecond clock, one button at a time.
struct GeneralDraw {
    static constexpr std::string_view kMethod = kGeneralMethod;

    CastValues drawn;

    std::optional<CastValues> Values(std::string_view question) const;
    // None: the draws are the reading's own values.
    QJsonObject Facts() const;
    // "General query".
    std::string Description(const Vocabulary& words) const;
};

// The target time query: a year, month and day of its lists and a two-hour period 1..12, with
// the question's bytes folded in. The lists offer every day 1..31 in every month, so the date
// need not exist (February 31); from text only a real date is read. `time` is the clock time
// the period was taken from, where one was given.
struct TargetTime {
    static constexpr std::string_view kMethod = kTargetTimeMethod;

    CivilDate date{kFirstYear, 1, 1};
    int period = 1;
    std::optional<ClockTime> time;

    // The lists' entries, chosen by their zero-based indexes.
    static TargetTime FromLists(int yearIndex, int monthIndex, int dayIndex, int periodIndex);
    // The question's bytes are folded in.
    std::optional<CastValues> Values(std::string_view question) const;
    // "date", "time" where one was given, and "period".
    QJsonObject Facts() const;
    // "Target time query: 2001-03-15, period 5 (7AM - 9AM)".
    std::string Description(const Vocabulary& words) const;
};

// The traditional time query: a civil date and clock time, cast by the lunisolar calendar.
// From the command line the hour may be a period instead, whose start stands for the time.
struct Traditional {
    static constexpr std::string_view kMethod = kTraditionalMethod;

    CivilDate date{kFirstYear, 1, 1};
    int period = 1;
    std::optional<ClockTime> time;

    // The clock time the cast is made for.
    ClockTime Time() const;
    // None for a date outside the calendar.
    std::optional<CastValues> Values(std::string_view question) const;
    // "date", "time" where one was given, and the lunar date and hour as "lunar".
    QJsonObject Facts() const;
    // "Traditional time query: 2024-02-10 12:00, " and the lunar date and hour, in Chinese where
    // the language writes such dates in Chinese.
    std::string Description(const Vocabulary& words) const;
};

using CastRequest =
    std::variant<GeneralDraw, TargetTime, Traditional, NumbersCast, CharactersCast, TrigramsCast>;

// The request's kMethod.
std::string_view MethodKey(const CastRequest& request);

// The three values a request casts; none for a request that cannot be cast.
std::optional<CastValues> CastValuesOf(const CastRequest& request, std::string_view question);
// The request's Facts and Description.
QJsonObject InputFacts(const CastRequest& request);
std::string CastDescription(const Vocabulary& words, const CastRequest& request);
// The arithmetic of a cast from counts; none for the other ways of casting.
std::optional<CountArithmetic> CountArithmeticOf(const CastRequest& request);

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
