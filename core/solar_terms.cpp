#include "core/solar_terms.h"

#include "core/solar_term_table.h"

#include <algorithm>

namespace zandrel {
namespace {

constexpr BeijingSeconds kDay = 86400;
constexpr BeijingSeconds kEarthDays = 18 * kDay;

BeijingSeconds EntrySeconds(const SolarTermEntry& e) {
    return DaysSinceEpoch({e.year, e.month, e.day}) * kDay + e.hour * 3600 + e.minute * 60 +
           e.second;
}

// The index in the table of the last term to begin at or before `moment`; -1 before the first.
long LastBegunIndex(BeijingSeconds moment) {
    const auto table = SolarTermTable();
    const auto after = std::upper_bound(
        table.begin(), table.end(), moment,
        [](BeijingSeconds m, const SolarTermEntry& e) { return m < EntrySeconds(e); });
    return static_cast<long>(after - table.begin()) - 1;
}

SolarTerm TermAtIndex(long index) {
    const SolarTermEntry& e = SolarTermTable()[static_cast<std::size_t>(index)];
    return {e.term, EntrySeconds(e)};
}

} // namespace

BeijingSeconds SecondsOf(CivilDate date, ClockTime time) {
    return DaysSinceEpoch(date) * kDay + time.hour * 3600 + time.minute * 60;
}

CivilDate DateOfSeconds(BeijingSeconds seconds) {
    const BeijingSeconds days = seconds >= 0 ? seconds / kDay : -((-seconds + kDay - 1) / kDay);
    return CivilDateOfDays(static_cast<long>(days));
}

ClockTime TimeOfSeconds(BeijingSeconds seconds) {
    const auto inDay = static_cast<int>(((seconds % kDay) + kDay) % kDay);
    return {inDay / 3600, inDay / 60 % 60};
}

std::optional<SolarTerm> SolarTermAt(BeijingSeconds moment) {
    const long index = LastBegunIndex(moment);
    if (index < 0 || index + 1 >= static_cast<long>(SolarTermTable().size())) {
        return std::nullopt;
    }
    return TermAtIndex(index);
}

std::optional<SolarTerm> NextSolarTerm(BeijingSeconds moment) {
    const long index = LastBegunIndex(moment);
    if (index < 0 || index + 1 >= static_cast<long>(SolarTermTable().size())) {
        return std::nullopt;
    }
    return TermAtIndex(index + 1);
}

std::optional<BeijingSeconds> BeginningOfSpring(int year) {
    for (const SolarTermEntry& e : SolarTermTable()) {
        if (e.year == year && e.term == kBeginningOfSpring) {
            return EntrySeconds(e);
        }
    }
    return std::nullopt;
}

bool InEarthDays(BeijingSeconds moment) {
    const std::optional<SolarTerm> next = NextSolarTerm(moment);
    if (!next) {
        return false;
    }
    // The next 立 is at most three terms (45 days) ahead; look at it and the one after.
    const long index = LastBegunIndex(moment);
    const auto table = SolarTermTable();
    for (long i = index + 1; i < static_cast<long>(table.size()) && i <= index + 4; ++i) {
        const SolarTerm t = TermAtIndex(i);
        if (t.term % 6 == 0) {
            return t.begins - moment <= kEarthDays;
        }
    }
    return false;
}

} // namespace zandrel
