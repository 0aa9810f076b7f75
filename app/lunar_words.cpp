#include "app/lunar_words.h"

#include "app/languages.h"
#include "core/periods.h"
#include "platform/qt_text.h"

namespace zandrel {
namespace {

// "正月" for the first month, then "二月" .. "十二月".
std::string ChineseMonth(const Vocabulary& chinese, int month) {
    if (month == 1) {
        return std::string(chinese.Word(LunarWord::FirstMonth));
    }
    std::string name = month > 10 ? std::string(chinese.Numeral(10)) +
                                        std::string(chinese.Numeral(month - 10)) // 十一, 十二
                                  : std::string(chinese.Numeral(month));
    return name + std::string(chinese.Word(LunarWord::Month));
}

// "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十".
std::string ChineseDay(const Vocabulary& chinese, int day) {
    if (day <= 10) {
        return std::string(chinese.Word(LunarWord::DayPrefix)) + std::string(chinese.Numeral(day));
    }
    if (day == 20 || day == 30) {
        return std::string(chinese.Numeral(day / 10)) + std::string(chinese.Numeral(10));
    }
    const std::string_view tens = day < 20 ? chinese.Numeral(10) : chinese.Word(LunarWord::Twenty);
    return std::string(tens) + std::string(chinese.Numeral(day % 10));
}

// "11PM" for 23, "12AM" for 0, "12PM" for 12.
QString HourText(const Vocabulary& words, int hour) {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    if (hour < 12) {
        //: An hour before noon on the 12-hour clock: "11AM"
        return words.translate("LunarWords", "%1AM").arg(twelve);
    }
    //: An hour from noon on the 12-hour clock: "1PM"
    return words.translate("LunarWords", "%1PM").arg(twelve);
}

// The sentence of a lunar date, in a leap month or not, and with its hour or without.
QString LunarDatePattern(const Vocabulary& words, bool leap, bool withHour) {
    if (withHour && leap) {
        //: A lunar date in a leap month and its hour: the year's stem and branch, its animal,
        //: the number of the month, the day of the month, the hour's earthly branch and its
        //: clock hours
        return words.translate("LunarWords", "Year %1 (%2), leap month %3, day %4, hour %5 (%6)");
    }
    if (withHour) {
        //: A lunar date and its hour: the year's stem and branch, its animal, the number of the
        //: month, the day of the month, the hour's earthly branch and its clock hours
        return words.translate("LunarWords", "Year %1 (%2), month %3, day %4, hour %5 (%6)");
    }
    if (leap) {
        //: A lunar date in a leap month: the year's stem and branch, its animal, the number of
        //: the month and the day of the month
        return words.translate("LunarWords", "Year %1 (%2), leap month %3, day %4");
    }
    //: A lunar date: the year's stem and branch, its animal, the number of the month and the
    //: day of the month
    return words.translate("LunarWords", "Year %1 (%2), month %3, day %4");
}

} // namespace

std::string StemBranchName(const Vocabulary& words, int stem, int branch) {
    return std::string(words.StemName(stem)) + std::string(words.BranchName(branch));
}

std::string PeriodHoursText(const Vocabulary& words, int period) {
    //: The clock hours of a two-hour period, from its first hour to its last: "11PM–1AM"
    return ToUtf8(
        words.translate("LunarWords", "%1–%2")
            .arg(HourText(words, PeriodStartHour(period)), HourText(words, PeriodEndHour(period))));
}

std::string LunarDateText(const Vocabulary& words, const LunarDate& date,
                          std::optional<int> hourBranch) {
    const QString pattern = LunarDatePattern(words, date.leap, hourBranch.has_value());
    const QString year = ToQString(StemBranchName(words, date.yearStem, date.yearBranch));
    const QString animal = ToQString(words.AnimalName(date.yearBranch));
    const QString month = QString::number(date.month);
    const QString day = QString::number(date.day);
    if (!hourBranch) {
        return ToUtf8(pattern.arg(year, animal, month, day));
    }
    return ToUtf8(pattern.arg(year, animal, month, day, ToQString(words.BranchName(*hourBranch)),
                              ToQString(PeriodHoursText(words, *hourBranch))));
}

std::string LunarDateChineseText(const Vocabulary& chinese, const LunarDate& date,
                                 std::optional<int> hourBranch) {
    std::string text = StemBranchName(chinese, date.yearStem, date.yearBranch) +
                       std::string(chinese.Word(LunarWord::Year)) + " " +
                       (date.leap ? std::string(chinese.Word(LunarWord::Leap)) : "") +
                       ChineseMonth(chinese, date.month) + " " + ChineseDay(chinese, date.day);
    if (hourBranch) {
        text += " " + std::string(chinese.BranchName(*hourBranch)) +
                std::string(chinese.Word(LunarWord::Hour));
    }
    return text;
}

std::string LunarDateLine(const Vocabulary& words, const LunarDate& date,
                          std::optional<int> hourBranch) {
    return RowOf(words.Speaks()).chineseDates == words.Speaks()
               ? LunarDateChineseText(words, date, hourBranch)
               : LunarDateText(words, date, hourBranch);
}

std::string LunarDateLines(const Vocabulary& words, const LunarDate& date,
                           std::optional<int> hourBranch) {
    const Language chinese = RowOf(words.Speaks()).chineseDates;
    if (chinese != words.Speaks()) {
        return LunarDateText(words, date, hourBranch) + "\n" +
               LunarDateChineseText(Vocabulary::Of(chinese), date, hourBranch);
    }
    const QString animal = ToQString(words.AnimalName(date.yearBranch));
    QString notes = words.translate("LunarWords", "Year of the %1").arg(animal);
    if (hourBranch) {
        //: The clock hours of a two-hour period, on the 24-hour clock: "23–1"
        const QString hours = words.translate("LunarWords", "%1–%2 h")
                                  .arg(PeriodStartHour(*hourBranch))
                                  .arg(PeriodEndHour(*hourBranch));
        //: The year's animal, then the hour by its earthly branch and its clock hours
        notes = words.translate("LunarWords", "Year of the %1; hour %2: %3")
                    .arg(animal, ToQString(words.BranchName(*hourBranch)), hours);
    }
    return LunarDateChineseText(words, date, hourBranch) + "\n" + ToUtf8(notes);
}

} // namespace zandrel
