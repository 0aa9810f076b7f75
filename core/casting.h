#pragma once

#include "core/periods.h"
#include "core/trigrams.h"

#include <cstdint>
#include <string_view>

namespace zandrel {

// The three values every cast ends in.
struct CastValues {
    Trigram outer = 0;
    Trigram inner = 0;
    int changeLine = 0;

    friend bool operator==(const CastValues&, const CastValues&) = default;
};

// The target-time lists: the years 1998..2099, the twelve months, the days 1..31 and the
// twelve two-hour periods from 23:00, each chosen by its zero-based index.
inline constexpr int kFirstYear = 1998;
inline constexpr int kYearCount = 102;
inline constexpr int kMonthCount = 12;
inline constexpr int kDayCount = 31;

// Sum of the question's bytes (UTF-8), each read as a signed 8-bit number.
std::int32_t QuestionSum(std::string_view question);

// Year number of a year list index: the year mod 12, with 12 in place of 0.
std::int32_t YearNumber(int yearIndex);
// Day number of a day list index: days 1..30 count as themselves, day 31 as 1.
std::int32_t DayNumber(int dayIndex);

// The target time query: list indexes (zero-based) and the question give the three values.
CastValues TimeCast(int yearIndex, int monthIndex, int dayIndex, int periodIndex,
                    std::string_view question);

// The general query's draws from one millisecond tick count each.
constexpr Trigram DrawTrigram(std::uint32_t tick) {
    return static_cast<Trigram>(tick & 7U) + 1;
}
constexpr int DrawChangeLine(std::uint32_t tick) {
    return static_cast<int>(tick % 6U) + 1;
}

} // namespace zandrel
