#include "core/pillars.h"
#include "core/solar_term_table.h"
#include "core/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zandrel {
namespace {

const char* const kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                 "午", "未", "申", "酉", "戌", "亥"};

std::string Name(StemBranch p) {
    return std::string(kStems[p.stem - 1]) + kBranches[p.branch - 1];
}

std::string Names(const FourPillars& p) {
    return Name(p.year) + " " + Name(p.month) + " " + Name(p.day) + " " + Name(p.hour);
}

std::string PillarsText(CivilDate date, ClockTime time, PillarConventions conventions = {}) {
    const std::optional<FourPillars> p = PillarsOf(date, time, conventions);
    return p ? Names(*p) : "none";
}

constexpr PillarConventions kLichun{YearStart::Lichun, ZiHour::SameDay, std::nullopt};
constexpr PillarConventions kNextDay{YearStart::Lunar, ZiHour::NextDay, std::nullopt};

// Moments whose pillars practitioners agree on, and the moments where each convention decides:
// between the lunar New Year and 立春 (both orders), the minute of 立春 itself, the late 子
// hour, and the ends of the range.
TEST(PillarsTest, KnownMoments) {
    struct Case {
        CivilDate date;
        ClockTime time;
        PillarConventions conventions;
        const char* pillars;
    };
    const Case cases[] = {
        {{2023, 3, 22}, {12, 0}, {}, "癸卯 乙卯 己卯 庚午"},
        {{2025, 7, 25}, {8, 30}, {}, "乙巳 癸未 乙未 庚辰"},
        {{2033, 12, 22}, {23, 15}, {}, "癸丑 甲子 丁未 庚子"},
        {{2033, 12, 22}, {23, 15}, kNextDay, "癸丑 甲子 戊申 壬子"},
        {{2033, 12, 22}, {22, 59}, kNextDay, "癸丑 甲子 丁未 辛亥"},
        {{2033, 12, 23}, {0, 15}, kNextDay, "癸丑 甲子 戊申 壬子"},
        // Lunar New Year 2023-01-22, 立春 2023-02-04 10:42: the month is still 丑 of 壬寅.
        {{2023, 1, 25}, {12, 0}, {}, "癸卯 癸丑 癸未 戊午"},
        {{2023, 1, 25}, {12, 0}, kLichun, "壬寅 癸丑 癸未 戊午"},
        // 立春 2024-02-04 16:27:09 comes before the lunar New Year 2024-02-10.
        {{2024, 2, 4}, {16, 27}, kLichun, "癸卯 乙丑 戊戌 庚申"},
        {{2024, 2, 4}, {16, 28}, kLichun, "甲辰 丙寅 戊戌 庚申"},
        {{2024, 2, 4}, {16, 28}, {}, "癸卯 丙寅 戊戌 庚申"},
        {{2024, 2, 10}, {0, 0}, {}, "甲辰 丙寅 甲辰 甲子"},
        {{1998, 1, 1}, {0, 0}, {}, "丁丑 壬子 戊申 壬子"},
        {{2099, 12, 31}, {23, 59}, {}, "己未 丙子 壬寅 庚子"},
        {{1997, 12, 31}, {12, 0}, {}, "none"},
        {{2100, 1, 1}, {0, 0}, {}, "none"},
        {{2024, 2, 30}, {0, 0}, {}, "none"},
        {{2024, 2, 10}, {24, 0}, {}, "none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PillarsText(c.date, c.time, c.conventions), c.pillars)
            << CivilDateText(c.date) << " " << ClockTimeText(c.time);
    }
}

// True solar time moves the day and the hour by the longitude and the equation of time, and
// leaves the year, the month and the solar term at the clock's instant.
TEST(PillarsTest, TrueSolarTime) {
    PillarConventions west;
    west.longitude = 90.0; // two hours behind 120° east, and the sun some 2 minutes fast
    const std::optional<FourPillars> p = PillarsOf({2024, 6, 1}, {0, 30}, west);
    ASSERT_TRUE(p);
    EXPECT_GT(p->correctionSeconds, -7200 + 60);
    EXPECT_LT(p->correctionSeconds, -7200 + 180);
    EXPECT_EQ(p->solar - p->clock, p->correctionSeconds);
    EXPECT_EQ(DayPillar({2024, 5, 31}), p->day);
    EXPECT_EQ(Name(p->hour), "丁亥"); // 22:3x of an 乙 day
    EXPECT_EQ(PillarsOf({2024, 6, 1}, {0, 30}, {})->month, p->month);

    // Mid-February the sun is 14 minutes slow: 13:10 at 120° east is still the 午 hour.
    PillarConventions beijing;
    beijing.longitude = 120.0;
    const std::optional<FourPillars> feb = PillarsOf({2024, 2, 11}, {13, 10}, beijing);
    ASSERT_TRUE(feb);
    EXPECT_NEAR(feb->correctionSeconds, -14 * 60 - 14, 45);
    EXPECT_EQ(feb->hour.branch, 7);
    EXPECT_EQ(PillarsOf({2024, 2, 11}, {13, 10}, {})->hour.branch, 8);

    for (const double wrong : {180.5, -181.0, std::numeric_limits<double>::quiet_NaN()}) {
        PillarConventions bad;
        bad.longitude = wrong;
        EXPECT_FALSE(PillarsOf({2024, 6, 1}, {0, 30}, bad)) << wrong;
    }
}

// Every day of the range, counted through the sixty-day cycle from 2000-01-01, a 戊午 day.
TEST(PillarsTest, DayPillarFollowsTheCycleEveryDay) {
    const long anchor = DaysSinceEpoch({2000, 1, 1});
    int stem = 5;
    int branch = 7;
    const long first = DaysSinceEpoch(kFirstLunarDate);
    const long last = DaysSinceEpoch(kLastLunarDate);
    // Step back from the anchor to the first day, then forward over the whole range.
    for (long d = anchor; d > first; --d) {
        stem = stem == 1 ? 10 : stem - 1;
        branch = branch == 1 ? 12 : branch - 1;
    }
    for (long d = first; d <= last; ++d) {
        const std::optional<FourPillars> p = PillarsOf(CivilDateOfDays(d), {12, 0}, {});
        ASSERT_TRUE(p) << CivilDateText(CivilDateOfDays(d));
        ASSERT_EQ(p->day, (StemBranch{stem, branch})) << CivilDateText(CivilDateOfDays(d));
        stem = stem % 10 + 1;
        branch = branch % 12 + 1;
    }
}

// On both sides of every 节: the month changes to the next of the sixty pairs exactly at the
// 节, to the branch that 节 begins, and stays until the next 节; every 寅 month has the stem the
// five tigers give its year.
TEST(PillarsTest, MonthPillarChangesAtEverySectionTerm) {
    // The branch each 节 begins, by term number: 立春 寅, 惊蛰 卯 .. 大雪 子, 小寒 丑.
    const int kBranchOf[] = {3, 0, 4,  0, 5,  0, 6,  0, 7, 0, 8, 0,
                             9, 0, 10, 0, 11, 0, 12, 0, 1, 0, 2};
    // The stem of the 寅 month by the year's stem: 甲 己 丙, 乙 庚 戊, 丙 辛 庚, 丁 壬 壬, 戊 癸
    // 甲.
    const int kFirstMonthStem[] = {3, 5, 7, 9, 1, 3, 5, 7, 9, 1};
    auto monthAt = [](BeijingSeconds s) {
        return PillarsOf(DateOfSeconds(s), TimeOfSeconds(s), {});
    };
    std::optional<StemBranch> previousAfter;
    int checked = 0;
    for (const SolarTermEntry& e : SolarTermTable()) {
        if (!IsSectionTerm(e.term)) {
            continue;
        }
        const BeijingSeconds at =
            SecondsOf({e.year, e.month, e.day}, {e.hour, e.minute}) + e.second;
        const BeijingSeconds before = (at - 1) / 60 * 60;
        const BeijingSeconds after = (at + 59) / 60 * 60;
        const auto b = monthAt(before);
        const auto a = monthAt(after);
        if (!b || !a) {
            continue; // 大雪 of 1997 and 小寒 of 2100 lie outside the calendar
        }
        const std::string where = std::to_string(e.year) + "-" + std::to_string(e.month) + "-" +
                                  std::to_string(e.day) + " term " + std::to_string(e.term);
        EXPECT_EQ(a->month.branch, kBranchOf[e.term]) << where;
        EXPECT_EQ(a->month.stem, b->month.stem % 10 + 1) << where;
        EXPECT_EQ(a->month.branch, b->month.branch % 12 + 1) << where;
        if (previousAfter) {
            EXPECT_EQ(b->month, *previousAfter) << where;
        }
        previousAfter = a->month;
        if (e.term == kBeginningOfSpring) {
            const std::optional<FourPillars> lichun =
                PillarsOf(DateOfSeconds(after), TimeOfSeconds(after), kLichun);
            EXPECT_EQ(a->month.stem, kFirstMonthStem[lichun->year.stem - 1]) << where;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 12 * 102);
}

TEST(SolarTermsTest, TermInForceAndNext) {
    // 立夏 2024-05-05 08:10:13 and the 18 days of earth before it.
    const BeijingSeconds summer = SecondsOf({2024, 5, 5}, {8, 10}) + 13;
    EXPECT_EQ(SolarTermAt(summer)->term, kBeginningOfSummer);
    EXPECT_EQ(SolarTermAt(summer)->begins, summer);
    EXPECT_EQ(SolarTermAt(summer - 1)->term, kBeginningOfSummer - 1); // 谷雨
    EXPECT_EQ(NextSolarTerm(summer - 1)->begins, summer);
    EXPECT_EQ(NextSolarTerm(summer)->term, kBeginningOfSummer + 1); // 小满
    EXPECT_TRUE(InEarthDays(summer - 1));
    EXPECT_FALSE(InEarthDays(summer));
    EXPECT_TRUE(InEarthDays(summer - 18 * 86400));
    EXPECT_FALSE(InEarthDays(summer - 18 * 86400 - 1));

    // The first day of the range has 冬至 of 1997 in force; past the table there is none.
    const BeijingSeconds first = SecondsOf(kFirstLunarDate, {0, 0});
    EXPECT_EQ(SolarTermAt(first)->term, 21);
    EXPECT_EQ(NextSolarTerm(first)->term, 22);
    EXPECT_TRUE(NextSolarTerm(SecondsOf(kLastLunarDate, {23, 59})));
    EXPECT_FALSE(SolarTermAt(SecondsOf({2100, 2, 1}, {0, 0})));
    EXPECT_FALSE(SolarTermAt(SecondsOf({1997, 12, 1}, {0, 0})));
}

} // namespace
} // namespace zandrel
