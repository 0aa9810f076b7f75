#pragma once

#include "app/vocabulary.h"
#include "core/lunar_calendar.h"

#include <optional>
#include <string>

// The words for a date of the lunisolar calendar, in a language's own words and as
// practitioners write it in Chinese.

namespace zandrel {

// "甲子" for stem 1 and branch 1.
std::string StemBranchName(const Vocabulary& words, int stem, int branch);
// The clock hours of a two-hour period in `words`: "11PM–1AM" for period 1 .. "9PM–11PM" for
// period 12.
std::string PeriodHoursText(const Vocabulary& words, int period);

// "Year 戊寅 (Tiger), month 1, day 1", with "leap month 4" for a leap month, and with
// ", hour 子 (11PM–1AM)" when an hour branch is given.
std::string LunarDateText(const Vocabulary& words, const LunarDate& date,
                          std::optional<int> hourBranch);
// The same as practitioners write it in Chinese, in the script of `chinese`: "戊寅年 正月 初一",
// with "閏四月" for a leap month and " 子時" for the hour (闰四月, 子时 in simplified script).
std::string LunarDateChineseText(const Vocabulary& chinese, const LunarDate& date,
                                 std::optional<int> hourBranch);

// The lunar date in one line, as the language writes it: in Chinese where it writes such dates
// in Chinese (LunarDateChineseText), else in its own words (LunarDateText).
std::string LunarDateLine(const Vocabulary& words, const LunarDate& date,
                          std::optional<int> hourBranch);

// The lunar date in two lines, as the traditional time query shows it: in a language that
// writes such dates in Chinese, the Chinese text in its script, then the year's animal and the
// hour's clock hours in its words; in another, its own text, then the Chinese one.
std::string LunarDateLines(const Vocabulary& words, const LunarDate& date,
                           std::optional<int> hourBranch);

} // namespace zandrel
