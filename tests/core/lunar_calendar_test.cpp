#include "core/lunar_calendar.h"
#include "core/lunar_table.h"

#include <gtest/gtest.h>

#include <climits>

namespace zandrel {
namespace {

struct LunarCase {
    CivilDate civil;
    LunarDate lunar; // year, stem, branch, month, leap, day
};

// Days where a calendar can go wrong: the ends of the range, New Year's Days whose new moon
// lies minutes from Beijing midnight, both ends of leap months, a leap month that runs into
// the next civil year, and the two new moons within two minutes of midnight that calendars
// put on different days.
TEST(LunarDateTest, HardDates) {
    const LunarCase cases[] = {
        {{1998, 1, 1}, {1997, 4, 2, 12, false, 3}}, // still in the 丁丑 year
        {{1998, 1, 27}, {1997, 4, 2, 12, false, 29}},
        {{1998, 1, 28}, {1998, 5, 3, 1, false, 1}},
        {{1998, 6, 23}, {1998, 5, 3, 5, false, 29}},
        {{1998, 6, 24}, {1998, 5, 3, 5, true, 1}},
        {{1998, 7, 22}, {1998, 5, 3, 5, true, 29}},
        {{1998, 7, 23}, {1998, 5, 3, 6, false, 1}},
        {{2023, 3, 22}, {2023, 10, 4, 2, true, 1}},
        {{2023, 4, 19}, {2023, 10, 4, 2, true, 29}},
        {{2024, 2, 9}, {2023, 10, 4, 12, false, 30}},
        {{2024, 2, 10}, {2024, 1, 5, 1, false, 1}},
        {{2027, 2, 5}, {2026, 3, 7, 12, false, 29}},
        {{2027, 2, 6}, {2027, 4, 8, 1, false, 1}}, // new moon at 23:56
        {{2030, 2, 2}, {2029, 6, 10, 12, false, 30}},
        {{2030, 2, 3}, {2030, 7, 11, 1, false, 1}}, // new moon at 00:07
        {{2033, 12, 22}, {2033, 10, 2, 11, true, 1}},
        {{2034, 1, 19}, {2033, 10, 2, 11, true, 29}},
        {{2034, 1, 20}, {2033, 10, 2, 12, false, 1}},
        {{2057, 9, 28}, {2057, 4, 2, 8, false, 30}}, // new moon at 00:00:41 the next day
        {{2057, 9, 29}, {2057, 4, 2, 9, false, 1}},
        {{2097, 8, 7}, {2097, 4, 6, 6, false, 30}}, // new moon at 00:01:32 the next day
        {{2097, 8, 8}, {2097, 4, 6, 7, false, 1}},
        {{2099, 12, 31}, {2099, 6, 8, 11, false, 20}},
    };
    for (const LunarCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.civil.year << "-" << c.civil.month << "-" << c.civil.day);
        const std::optional<LunarDate> lunar = LunarDateOf(c.civil);
        ASSERT_TRUE(lunar.has_value());
        EXPECT_EQ(lunar->year, c.lunar.year);
        EXPECT_EQ(lunar->yearStem, c.lunar.yearStem);
        EXPECT_EQ(lunar->yearBranch, c.lunar.yearBranch);
        EXPECT_EQ(lunar->month, c.lunar.month);
        EXPECT_EQ(lunar->leap, c.lunar.leap);
        EXPECT_EQ(lunar->day, c.lunar.day);
    }
}

TEST(LunarDateTest, RefusesWhatItCannotConvert) {
    const struct {
        CivilDate date;
        CalendarError error;
    } cases[] = {
        {{1998, 1, 1}, CalendarError::None},
        {{2099, 12, 31}, CalendarError::None},
        {{2000, 2, 29}, CalendarError::None},
        {{1997, 12, 31}, CalendarError::OutsideRange},
        {{2100, 1, 1}, CalendarError::OutsideRange},
        {{1900, 2, 28}, CalendarError::OutsideRange},
        {{2023, 2, 29}, CalendarError::NotADate},
        {{2100, 2, 29}, CalendarError::NotADate}, // no leap day in a century year
        {{2024, 2, 30}, CalendarError::NotADate},
        {{2024, 4, 31}, CalendarError::NotADate},
        {{2024, 13, 1}, CalendarError::NotADate},
        {{2024, 0, 1}, CalendarError::NotADate},
        {{2024, 1, 0}, CalendarError::NotADate},
        {{INT_MIN, 1, 1}, CalendarError::OutsideRange},
        {{INT_MAX, 12, 31}, CalendarError::OutsideRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
        EXPECT_EQ(CheckDate(c.date), c.error);
        EXPECT_EQ(LunarDateOf(c.date).has_value(), c.error == CalendarError::None);
        EXPECT_EQ(TraditionalCast(c.date, {12, 0}).has_value(), c.error == CalendarError::None);
    }
}

TEST(CivilDateTest, DayNumbersRoundTrip) {
    EXPECT_EQ(DaysSinceEpoch({1970, 1, 1}), 0);
    EXPECT_EQ(DaysSinceEpoch({2000, 3, 1}) - DaysSinceEpoch({2000, 2, 28}), 2);
    EXPECT_EQ(DaysSinceEpoch({2100, 3, 1}) - DaysSinceEpoch({2100, 2, 28}), 1);
    for (long d = DaysSinceEpoch(kFirstLunarDate) - 1; d <= DaysSinceEpoch(kLastLunarDate) + 1;
         ++d) {
        const CivilDate date = CivilDateOfDays(d);
        ASSERT_TRUE(IsRealDate(date)) << d;
        ASSERT_EQ(DaysSinceEpoch(date), d);
    }
}

// The table's years must join without a gap or overlap and cover the whole range, or some
// days would get no lunar date or two.
TEST(LunarTableTest, YearsFollowEachOther) {
    const auto table = LunarYearTable();
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().year, 1997);
    EXPECT_EQ(table.back().year, 2099);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const LunarYearEntry& y = table[i];
        SCOPED_TRACE(y.year);
        const bool leap = y.leapMonth != 0;
        EXPECT_EQ(y.longMonths.size(), leap ? 13U : 12U);
        EXPECT_GE(y.leapMonth, 0);
        EXPECT_LE(y.leapMonth, 12);
        long days = 0;
        for (const char c : y.longMonths) {
            ASSERT_TRUE(c == '0' || c == '1');
            days += c == '1' ? 30 : 29;
        }
        const long start = DaysSinceEpoch({y.year, y.newYearMonth, y.newYearDay});
        if (i + 1 < table.size()) {
            const LunarYearEntry& next = table[i + 1];
            EXPECT_EQ(next.year, y.year + 1);
            EXPECT_EQ(start + days,
                      DaysSinceEpoch({next.year, next.newYearMonth, next.newYearDay}));
        } else {
            EXPECT_GT(start + days, DaysSinceEpoch(kLastLunarDate));
        }
    }
}

TEST(HourBranchTest, TwoHourPeriodsStartAtOddHours) {
    const struct {
        ClockTime time;
        int branch;
    } cases[] = {
        {{23, 0}, 1}, {{23, 59}, 1}, {{0, 0}, 1},  {{0, 59}, 1},  {{1, 0}, 2},    {{2, 59}, 2},
        {{11, 0}, 7}, {{12, 59}, 7}, {{13, 0}, 8}, {{21, 0}, 12}, {{22, 59}, 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HourBranch(c.time), c.branch) << c.time.hour << ":" << c.time.minute;
    }
    for (const ClockTime wrong : {ClockTime{24, 0}, ClockTime{-1, 0}, ClockTime{12, 60},
                                  ClockTime{12, -1}, ClockTime{INT_MAX, 0}}) {
        EXPECT_EQ(CheckTime(wrong), CalendarError::NotATime);
        EXPECT_FALSE(HourBranch(wrong).has_value());
        EXPECT_FALSE(TraditionalCast({2024, 2, 10}, wrong).has_value());
    }
}

TEST(TraditionalCastTest, YearBranchMonthDayAndHour) {
    const struct {
        CivilDate date;
        ClockTime time;
        CastValues expected;
    } cases[] = {
        // Lunar 1/1 of a 辰 (5) year, hour 午 (7): 7 -> outer 7; 14 -> inner 6, line 2.
        {{2024, 2, 10}, {12, 0}, {7, 6, 2}},
        // At 23:30 the hour is 子 (1) but the day is still lunar 12/30 of the 卯 (4) year:
        // 46 -> outer 6; 47 -> inner 7, line 5. The next day would give 7, 8, 2.
        {{2024, 2, 9}, {23, 30}, {6, 7, 5}},
        {{2024, 2, 9}, {0, 30}, {6, 7, 5}},
        // Leap month 2 of the 卯 (4) year counts as month 2: 7 -> outer 7; hour 辰 (5): 12 ->
        // inner 4, and line 6 where 12 mod 6 is 0.
        {{2023, 3, 22}, {7, 0}, {7, 4, 6}},
        // 丑 (2) year, month 12, day 10: 24 -> outer 8; hour 未 (8): 32 -> inner 8, line 2.
        {{1998, 1, 8}, {13, 0}, {8, 8, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day
                                        << " " << c.time.hour << ":" << c.time.minute);
        const std::optional<CastValues> values = TraditionalCast(c.date, c.time);
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(*values, c.expected);
    }
    EXPECT_EQ(HexagramTable(7, 6), 4);
}

} // namespace
} // namespace zandrel
