#pragma once

#include "core/civil_date.h"
#include "core/lunar_calendar.h"
#include "core/solar_terms.h"

#include <cstdint>
#include <optional>

// The four pillars (四柱) of a moment: the year, month, day and hour, each a heavenly stem and an
// earthly branch, with the conventions practitioners choose between as plain values.

namespace zandrel {

// A stem 1..10 (甲 = 1) and a branch 1..12 (子 = 1), of one of the sixty pairs.
struct StemBranch {
    int stem = 1;
    int branch = 1;

    friend bool operator==(const StemBranch&, const StemBranch&) = default;
};

// Where the year of the year pillar begins: at the lunar New Year's Day (the day the
// traditional cast's lunar year begins) or at the instant of 立春.
enum class YearStart : std::uint8_t { Lunar, Lichun };
// To which day the hour 23:00-24:00 (晚子时) belongs: the day it falls in, or the next one.
enum class ZiHour : std::uint8_t { SameDay, NextDay };

// Which pillar each convention moves:
// - the year start moves the year pillar only. The month pillar always changes at each 节, and
//   its stem follows from the count of months, which runs on without regard to where the year
//   is said to begin.
// - the zi hour moves the day pillar of 23:00-24:00, and with it the hour's stem, which the day's
//   stem gives (the five rats). Year and month do not change at midnight but at their own
//   instants, so they stay.
// - true solar time moves the day and hour pillars, which are counted by the sun where the
//   user is. The year and month pillars and the solar term are not moved: 立春 and the 节 are
//   instants for the whole world, given in Beijing time as the clock time is, and the lunar
//   New Year's Day is a day of Beijing time.
struct PillarConventions {
    YearStart yearStart = YearStart::Lunar;
    ZiHour ziHour = ZiHour::SameDay;
    // Degrees east (-180..180) for true solar time; none (the default) for the clock time.
    std::optional<double> longitude;

    friend bool operator==(const PillarConventions&, const PillarConventions&) = default;
};

// Whether a longitude is one true solar time can use: a finite number of degrees -180..180.
bool IsLongitude(double degrees);

// The equation of time on a date (apparent minus mean solar time), in seconds: from about -14
// minutes in February to about +16 in November, good to some 30 seconds.
double EquationOfTime(CivilDate date, ClockTime meanTime);

struct FourPillars {
    StemBranch year;
    StemBranch month;
    StemBranch day;
    StemBranch hour;
    // The clock time the user gave, taken as Beijing time (UTC+8), the time of the calendar.
    BeijingSeconds clock = 0;
    // Where true solar time is used, the local apparent solar time the day and hour are counted
    // by, and its difference from the clock in seconds (4 minutes a degree from 120° east, plus
    // the equation of time); else the clock time and 0.
    BeijingSeconds solar = 0;
    int correctionSeconds = 0;
    // The solar term in force at the clock time and the next one.
    SolarTerm term;
    SolarTerm nextTerm;
};

// The pillars of a date and time of the calendar (kFirstLunarDate .. kLastLunarDate); nothing
// for a date or time CheckDate or CheckTime refuses, or a longitude IsLongitude refuses.
std::optional<FourPillars> PillarsOf(CivilDate date, ClockTime time,
                                     const PillarConventions& conventions);

// The day of the sixty-day cycle of a civil date: 2024-02-10 is 甲辰.
StemBranch DayPillar(CivilDate date);

} // namespace zandrel
