#pragma once

#include <span>

namespace zandrel {

// One solar term: the instant the sun's apparent longitude reaches a multiple of 15 degrees,
// in Beijing time (UTC+8) to the second, as computed by tools/make_lunar_table.
struct SolarTermEntry {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int term; // 0..23 from 立春 (315 degrees) on; the even ones are the 节
};

// The terms from 大雪 of 1997 to 小寒 of 2100, consecutive, so that every moment of 1998-2099
// has a term in force and a next one.
std::span<const SolarTermEntry> SolarTermTable();

} // namespace zandrel
