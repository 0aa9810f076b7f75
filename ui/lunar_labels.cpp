#include "ui/lunar_labels.h"

#include "core/range.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace zandrel {
namespace {

constexpr std::array<std::string_view, 10> kStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸",
};
constexpr std::array<std::string_view, 12> kBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥",
};
constexpr std::array<std::string_view, 12> kAnimals = {
    "Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
    "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig",
};
constexpr std::array<std::string_view, 11> kNumerals = {
    "", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十",
};

template <std::size_t N> std::string_view Pick(const std::array<std::string_view, N>& a, int n) {
    return a[RangeIndex(n - 1, 0, static_cast<int>(N) - 1)];
}

// "正月" for the first month, then "二月" .. "十二月".
std::string ChineseMonth(int month) {
    if (month == 1) {
        return "正月";
    }
    std::string name = month > 10 ? "十" + std::string(Pick(kNumerals, month - 9)) // 十一, 十二
                                  : std::string(Pick(kNumerals, month + 1));
    return name + "月";
}

// "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十".
std::string ChineseDay(int day) {
    if (day <= 10) {
        return "初" + std::string(Pick(kNumerals, day + 1));
    }
    if (day == 20 || day == 30) {
        return std::string(Pick(kNumerals, day / 10 + 1)) + "十";
    }
    const std::string_view tens = day < 20 ? "十" : "廿";
    return std::string(tens) + std::string(Pick(kNumerals, day % 10 + 1));
}

// "11PM" for 23, "12AM" for 0, "12PM" for 12.
std::string HourText(int hour) {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(twelve) + (hour < 12 ? "AM" : "PM");
}

} // namespace

std::string StemBranchName(int stem, int branch) {
    return std::string(Pick(kStems, stem)) + std::string(Pick(kBranches, branch));
}

std::string BranchName(int branch) {
    return std::string(Pick(kBranches, branch));
}

std::string AnimalName(int branch) {
    return std::string(Pick(kAnimals, branch));
}

std::string HourRangeText(int branch) {
    const int start = (23 + 2 * static_cast<int>(RangeIndex(branch, 1, 12))) % 24;
    return HourText(start) + "–" + HourText((start + 2) % 24);
}

std::string LunarDateText(const LunarDate& date, std::optional<int> hourBranch) {
    std::string text = "Year " + StemBranchName(date.yearStem, date.yearBranch) + " (" +
                       AnimalName(date.yearBranch) + "), " +
                       (date.leap ? "leap month " : "month ") + std::to_string(date.month) +
                       ", day " + std::to_string(date.day);
    if (hourBranch) {
        text += ", hour " + BranchName(*hourBranch) + " (" + HourRangeText(*hourBranch) + ")";
    }
    return text;
}

std::string LunarDateChineseText(const LunarDate& date, std::optional<int> hourBranch) {
    std::string text = StemBranchName(date.yearStem, date.yearBranch) + "年 " +
                       (date.leap ? "閏" : "") + ChineseMonth(date.month) + " " +
                       ChineseDay(date.day);
    if (hourBranch) {
        text += " " + BranchName(*hourBranch) + "時";
    }
    return text;
}

std::string CivilDateText(CivilDate date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string ClockTimeText(ClockTime time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

} // namespace zandrel
