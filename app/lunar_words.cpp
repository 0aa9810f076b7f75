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
std::string HourText(int hour) {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(twelve) + (hour < 12 ? "AM" : "PM");
}

} // namespace

std::string StemBranchName(const Vocabulary& words, int stem, int branch) {
    return std::string(words.StemName(stem)) + std::string(words.BranchName(branch));
}

std::string PeriodHoursText(int period) {
    return HourText(PeriodStartHour(period)) + "–" + HourText(PeriodEndHour(period));
}

std::string LunarDateText(const Vocabulary& words, const LunarDate& date,
                          std::optional<int> hourBranch) {
    std::string text = "Year " + StemBranchName(words, date.yearStem, date.yearBranch) + " (" +
                       words.AnimalName(date.yearBranch) + "), " +
                       (date.leap ? "leap month " : "month ") + std::to_string(date.month) +
                       ", day " + std::to_string(date.day);
    if (hourBranch) {
        text += ", hour " + std::string(words.BranchName(*hourBranch)) + " (" +
                PeriodHoursText(*hourBranch) + ")";
    }
    return text;
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
