#include "ui/lunar_labels.h"

#include "core/periods.h"
#include "core/range.h"
#include "platform/qt_text.h"
#include "text/chinese_names.h"
#include "ui/interface_language.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>
#include <string_view>

namespace zandrel {
namespace {

class LunarWords {
    Q_DECLARE_TR_FUNCTIONS(LunarWords)
};

constexpr std::array<std::string_view, 10> kStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸",
};
constexpr std::array<std::string_view, 12> kBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥",
};
//: The animal of a year's earthly branch
constexpr std::array<std::string_view, 12> kAnimals = {
    QT_TRANSLATE_NOOP("LunarWords", "Rat"),    QT_TRANSLATE_NOOP("LunarWords", "Ox"),
    QT_TRANSLATE_NOOP("LunarWords", "Tiger"),  QT_TRANSLATE_NOOP("LunarWords", "Rabbit"),
    QT_TRANSLATE_NOOP("LunarWords", "Dragon"), QT_TRANSLATE_NOOP("LunarWords", "Snake"),
    QT_TRANSLATE_NOOP("LunarWords", "Horse"),  QT_TRANSLATE_NOOP("LunarWords", "Goat"),
    QT_TRANSLATE_NOOP("LunarWords", "Monkey"), QT_TRANSLATE_NOOP("LunarWords", "Rooster"),
    QT_TRANSLATE_NOOP("LunarWords", "Dog"),    QT_TRANSLATE_NOOP("LunarWords", "Pig"),
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
    return HourText(PeriodStartHour(branch)) + "–" + HourText(PeriodEndHour(branch));
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

std::string LunarDateChineseText(const LunarDate& date, std::optional<int> hourBranch,
                                 bool simplified) {
    std::string text = StemBranchName(date.yearStem, date.yearBranch) + "年 " +
                       (date.leap ? (simplified ? "闰" : "閏") : "") + ChineseMonth(date.month) +
                       " " + ChineseDay(date.day);
    if (hourBranch) {
        text += " " + BranchName(*hourBranch) + (simplified ? "时" : "時");
    }
    return text;
}

std::string LunarDateLines(const LunarDate& date, std::optional<int> hourBranch) {
    const auto script = ScriptOf(InterfaceLanguage());
    if (!script) {
        return LunarDateText(date, hourBranch) + "\n" + LunarDateChineseText(date, hourBranch);
    }
    const QString animal = LunarWords::tr(Pick(kAnimals, date.yearBranch).data());
    QString notes = LunarWords::tr("Year of the %1").arg(animal);
    if (hourBranch) {
        //: The clock hours of a two-hour period, on the 24-hour clock: "23–1"
        const QString hours = LunarWords::tr("%1–%2 h")
                                  .arg(PeriodStartHour(*hourBranch))
                                  .arg(PeriodEndHour(*hourBranch));
        //: The year's animal, then the hour by its earthly branch and its clock hours
        notes = LunarWords::tr("Year of the %1; hour %2: %3")
                    .arg(animal, ToQString(BranchName(*hourBranch)), hours);
    }
    return LunarDateChineseText(date, hourBranch, *script == ChineseScript::Simplified) + "\n" +
           ToUtf8(notes);
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
