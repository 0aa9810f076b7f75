#pragma once

#include <span>
#include <string_view>

namespace zandrel {

// One year of the lunisolar calendar, as computed from the new moons and the principal solar
// terms in Beijing time by tools/make_lunar_table.
struct LunarYearEntry {
    int year; // the civil year in which its New Year's Day falls
    int newYearMonth;
    int newYearDay;
    int leapMonth; // 0, or the month that the leap month repeats (it follows that month)
    // One digit per month, in order and the leap month included: 1 for 30 days, 0 for 29.
    std::string_view longMonths;
};

// The lunar years 1997 to 2099, consecutive, each ending where the next begins.
std::span<const LunarYearEntry> LunarYearTable();

} // namespace zandrel
