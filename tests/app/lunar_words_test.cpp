// The words for dates of the lunisolar calendar: in English, in the Chinese of each script,
// and the two lines the traditional time query shows in each language.

#include "app/lunar_words.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(LunarWordsTest, DatesAsTheDialogAndTheCommandsWriteThem) {
    const Vocabulary& english = Vocabulary::Of(Language::English);
    const Vocabulary& traditional = Vocabulary::Of(Language::TraditionalChinese);
    const struct {
        CivilDate date;
        std::optional<ClockTime> time;
        const char* english;
        const char* chinese;
    } cases[] = {
        {{1998, 1, 1},
         ClockTime{23, 30},
         "Year 丁丑 (Ox), month 12, day 3, hour 子 (11PM–1AM)",
         "丁丑年 十二月 初三 子時"},
        {{1998, 1, 9},
         ClockTime{0, 59},
         "Year 丁丑 (Ox), month 12, day 11, hour 子 (11PM–1AM)",
         "丁丑年 十二月 十一 子時"},
        {{1998, 1, 19},
         ClockTime{1, 0},
         "Year 丁丑 (Ox), month 12, day 21, hour 丑 (1AM–3AM)",
         "丁丑年 十二月 廿一 丑時"},
        {{1998, 6, 24},
         ClockTime{11, 0},
         "Year 戊寅 (Tiger), leap month 5, day 1, hour 午 (11AM–1PM)",
         "戊寅年 閏五月 初一 午時"},
        {{2024, 2, 9},
         ClockTime{22, 59},
         "Year 癸卯 (Rabbit), month 12, day 30, hour 亥 (9PM–11PM)",
         "癸卯年 十二月 三十 亥時"},
        {{2024, 2, 10},
         ClockTime{12, 0},
         "Year 甲辰 (Dragon), month 1, day 1, hour 午 (11AM–1PM)",
         "甲辰年 正月 初一 午時"},
        {{2034, 1, 19},
         ClockTime{13, 0},
         "Year 癸丑 (Ox), leap month 11, day 29, hour 未 (1PM–3PM)",
         "癸丑年 閏十一月 廿九 未時"},
        {{2099, 12, 31}, std::nullopt, "Year 己未 (Goat), month 11, day 20", "己未年 十一月 二十"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CivilDateText(c.date));
        const std::optional<LunarDate> lunar = LunarDateOf(c.date);
        ASSERT_TRUE(lunar.has_value());
        const std::optional<int> hour = c.time ? HourBranch(*c.time) : std::nullopt;
        EXPECT_EQ(LunarDateText(english, *lunar, hour), c.english);
        EXPECT_EQ(LunarDateChineseText(traditional, *lunar, hour), c.chinese);
    }
    EXPECT_EQ(PeriodHoursText(english, 1), "11PM–1AM");
    EXPECT_EQ(PeriodHoursText(english, 7), "11AM–1PM");
    EXPECT_EQ(PeriodHoursText(english, 12), "9PM–11PM");
}

// The lines of the dialog: each language's own words first, and where the language does not
// write the date in Chinese, the Chinese after them; the leap month and the hour in the script
// of the language that writes them.
TEST(LunarWordsTest, TheDialogsLinesInEachLanguage) {
    const LunarDate leap = LunarDateOf({2023, 3, 22}).value(); // leap second month of 癸卯
    const struct {
        Language language;
        const char* lines;
    } cases[] = {
        {Language::English,
         "Year 癸卯 (Rabbit), leap month 2, day 1, hour 午 (11AM–1PM)\n癸卯年 閏二月 初一 午時"},
        {Language::SimplifiedChinese, "癸卯年 闰二月 初一 午时\n生肖属兔；午时：11–13 点"},
        {Language::TraditionalChinese, "癸卯年 閏二月 初一 午時\n生肖屬兔；午時：11–13 點"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        EXPECT_EQ(LunarDateLines(Vocabulary::Of(c.language), leap, 7), c.lines);
    }
    EXPECT_EQ(LunarDateLines(Vocabulary::Of(Language::SimplifiedChinese), leap, std::nullopt),
              "癸卯年 闰二月 初一\n生肖属兔");
}

} // namespace
} // namespace zandrel
