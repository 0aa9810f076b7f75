#include "core/pillars.h"

#include "core/periods.h"

#include <cmath>
#include <numbers>

namespace zandrel {
namespace {

constexpr CivilDate kDayAnchor{2024, 2, 10}; // 甲辰, the 41st day of the cycle
constexpr int kDayAnchorIndex = 40;

// The pair of a zero-based index of the sixty-day cycle (甲子 = 0).
StemBranch OfCycleIndex(long index) {
    const long i = ((index % 60) + 60) % 60;
    return {static_cast<int>(i % 10) + 1, static_cast<int>(i % 12) + 1};
}

// 1..modulus.
int Wrapped(long value, int modulus) {
    return static_cast<int>(((value - 1) % modulus + modulus) % modulus) + 1;
}

// The stem and branch of a year by its number: 1984 was a 甲子 year.
StemBranch YearOfNumber(int year) {
    return {Wrapped(year - 3, 10), Wrapped(year - 3, 12)};
}

} // namespace

bool IsLongitude(double degrees) {
    return std::isfinite(degrees) && degrees >= -180.0 && degrees <= 180.0;
}

double EquationOfTime(CivilDate date, ClockTime meanTime) {
    const long dayOfYear = DaysSinceEpoch(date) - DaysSinceEpoch({date.year, 1, 1});
    const double gamma = 2.0 * std::numbers::pi / 365.0 *
                         (static_cast<double>(dayOfYear) + (meanTime.hour - 12) / 24.0);
    const double minutes =
        229.18 * (0.000075 + 0.001868 * std::cos(gamma) - 0.032077 * std::sin(gamma) -
                  0.014615 * std::cos(2 * gamma) - 0.040849 * std::sin(2 * gamma));
    return minutes * 60.0;
}

StemBranch DayPillar(CivilDate date) {
    return OfCycleIndex(kDayAnchorIndex + DaysSinceEpoch(date) - DaysSinceEpoch(kDayAnchor));
}

std::optional<FourPillars> PillarsOf(CivilDate date, ClockTime time,
                                     const PillarConventions& conventions) {
    if (CheckDate(date) != CalendarError::None || CheckTime(time) != CalendarError::None ||
        (conventions.longitude && !IsLongitude(*conventions.longitude))) {
        return std::nullopt;
    }
    FourPillars p;
    p.clock = SecondsOf(date, time);
    const std::optional<SolarTerm> term = SolarTermAt(p.clock);
    const std::optional<SolarTerm> next = NextSolarTerm(p.clock);
    const std::optional<LunarDate> lunar = LunarDateOf(date);
    if (!term || !next || !lunar) {
        return std::nullopt; // not reached: the tables cover every moment CheckDate accepts
    }
    p.term = *term;
    p.nextTerm = *next;

    // The year.
    if (conventions.yearStart == YearStart::Lunar) {
        p.year = {lunar->yearStem, lunar->yearBranch};
    } else {
        const std::optional<BeijingSeconds> spring = BeginningOfSpring(date.year);
        p.year = YearOfNumber(spring && p.clock < *spring ? date.year - 1 : date.year);
    }

    // The month, by the 节 in force: the n-th month from 寅 of the solar year that began at
    // 立春, its stem counted on from the 寅 month's, which the year's stem gives (the five
    // tigers: 甲 and 己 years begin with 丙寅).
    const int sinceSpring = p.term.term / 2; // 0 for 寅 .. 11 for 丑
    const CivilDate termDate = DateOfSeconds(p.term.begins);
    const int solarYear = termDate.year - (p.term.term >= 22 ? 1 : 0);
    const int yearStem = YearOfNumber(solarYear).stem;
    const int firstMonthStem = Wrapped((yearStem - 1) % 5 * 2 + 3, 10);
    p.month = {Wrapped(firstMonthStem + sinceSpring, 10), MonthBranchOfTerm(p.term.term)};

    // The day and the hour, by the clock or by true solar time.
    p.solar = p.clock;
    if (conventions.longitude) {
        const double mean = 240.0 * (*conventions.longitude - 120.0);
        const auto meanTime = TimeOfSeconds(p.clock + static_cast<BeijingSeconds>(mean));
        p.correctionSeconds =
            static_cast<int>(std::lround(mean + EquationOfTime(DateOfSeconds(p.clock), meanTime)));
        p.solar = p.clock + p.correctionSeconds;
    }
    const ClockTime local = TimeOfSeconds(p.solar);
    CivilDate day = DateOfSeconds(p.solar);
    if (conventions.ziHour == ZiHour::NextDay && local.hour == 23) {
        day = CivilDateOfDays(DaysSinceEpoch(day) + 1);
    }
    p.day = DayPillar(day);
    const int hourBranch = PeriodOfHour(local.hour);
    const int ratStem = (p.day.stem - 1) % 5 * 2 + 1; // 甲 and 己 days begin with 甲子
    p.hour = {Wrapped(ratStem + hourBranch - 1, 10), hourBranch};
    return p;
}

} // namespace zandrel
