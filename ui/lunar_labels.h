#pragma once

#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <optional>
#include <string>

// The words for a date of the lunisolar calendar, in English and as practitioners write it
// in Chinese, and the civil date and clock time as the program writes them.

namespace zandrel {

// "甲子" for stem 1 and branch 1.
std::string StemBranchName(int stem, int branch);
// "子" for branch 1 .. "亥" for branch 12.
std::string BranchName(int branch);
// "Rat" for branch 1 .. "Pig" for branch 12.
std::string AnimalName(int branch);
// The clock hours of a branch's two-hour period: "11PM–1AM" for 子 .. "9PM–11PM" for 亥.
std::string HourRangeText(int branch);

// "Year 戊寅 (Tiger), month 1, day 1", with "leap month 4" for a leap month, and with
// ", hour 子 (11PM–1AM)" when an hour branch is given.
std::string LunarDateText(const LunarDate& date, std::optional<int> hourBranch);
// The same in Chinese: "戊寅年 正月 初一", with "閏四月" for a leap month and " 子時" for the
// hour; in simplified characters "闰四月" and " 子时".
std::string LunarDateChineseText(const LunarDate& date, std::optional<int> hourBranch,
                                 bool simplified = false);

// The lunar date in two lines, as the traditional time query shows it: in English the English
// and the Chinese text; in a Chinese interface the Chinese text in its script, then the year's
// animal and the hour's clock hours in its words.
std::string LunarDateLines(const LunarDate& date, std::optional<int> hourBranch);

// "2024-02-10" and "09:05".
std::string CivilDateText(CivilDate date);
std::string ClockTimeText(ClockTime time);

} // namespace zandrel
