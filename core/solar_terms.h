#pragma once

#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <optional>

// The 24 solar terms (节气) of the moments the calendar covers, from the table computed by
// tools/make_lunar_table. Moments are in Beijing time (UTC+8), the time of the calendar.

namespace zandrel {

inline constexpr int kSolarTermCount = 24;
// Term numbers run from 立春 = 0 to 大寒 = 23; term k is the sun at 315 + 15 k degrees.
inline constexpr int kBeginningOfSpring = 0;  // 立春
inline constexpr int kBeginningOfSummer = 6;  // 立夏
inline constexpr int kBeginningOfAutumn = 12; // 立秋
inline constexpr int kBeginningOfWinter = 18; // 立冬

// Whether term k is one of the twelve 节 that begin the months of the pillars (立春, 惊蛰,
// 清明 ..., 小寒); the others are the principal terms (中气).
constexpr bool IsSectionTerm(int term) {
    return term % 2 == 0;
}

// The month branch (1..12, 子 = 1) that a 节 begins, and that the term after it continues:
// 立春 and 雨水 are in the month 寅 (3), 小寒 and 大寒 in the month 丑 (2).
constexpr int MonthBranchOfTerm(int term) {
    return (term / 2 + 2) % 12 + 1;
}

// A moment in Beijing time as seconds since 1970-01-01 00:00 there.
using BeijingSeconds = long long;

BeijingSeconds SecondsOf(CivilDate date, ClockTime time);
// The date and the time to the minute (seconds dropped) of a moment.
CivilDate DateOfSeconds(BeijingSeconds seconds);
ClockTime TimeOfSeconds(BeijingSeconds seconds);

// A solar term and the instant it begins.
struct SolarTerm {
    int term = 0; // 0..23, 立春 = 0
    BeijingSeconds begins = 0;

    friend bool operator==(const SolarTerm&, const SolarTerm&) = default;
};

// The term in force at a moment (the last to have begun at or before it) and the one that
// follows it; nothing for a moment the table does not cover (before 大雪 of 1997 or after 小寒
// of 2100).
std::optional<SolarTerm> SolarTermAt(BeijingSeconds moment);
std::optional<SolarTerm> NextSolarTerm(BeijingSeconds moment);

// The 立春 of a civil year 1998..2100 (nothing for another).
std::optional<BeijingSeconds> BeginningOfSpring(int year);

// Whether a moment falls in the 18 days (18 x 24 hours) before 立春, 立夏, 立秋 or 立冬, when
// earth rules the season (土旺用事).
bool InEarthDays(BeijingSeconds moment);

} // namespace zandrel
