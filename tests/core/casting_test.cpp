#include "core/casting.h"

#include <gtest/gtest.h>

#include <string>

namespace zandrel {
namespace {

TEST(QuestionSumTest, SignedBytes) {
    EXPECT_EQ(QuestionSum(""), 0);
    EXPECT_EQ(QuestionSum("abc"), 294);
    EXPECT_EQ(QuestionSum(std::string(10, '\xE9')), -230);
    EXPECT_EQ(QuestionSum("\x7F\x80"), 127 - 128);
    // "é" in UTF-8 is C3 A9: -61 + -87.
    EXPECT_EQ(QuestionSum("\xC3\xA9"), -148);
}

TEST(TimeNumbersTest, YearAndDayNeverZero) {
    EXPECT_EQ(YearNumber(0), 6);   // 1998
    EXPECT_EQ(YearNumber(6), 12);  // 2004
    EXPECT_EQ(YearNumber(7), 1);   // 2005
    EXPECT_EQ(YearNumber(18), 12); // 2016
    EXPECT_EQ(DayNumber(0), 1);
    EXPECT_EQ(DayNumber(29), 30);
    EXPECT_EQ(DayNumber(30), 1); // day 31 counts as day 1
}

struct TimeCastCase {
    int year, month, day, period;
    std::string question;
    CastValues expected;
};

TEST(TimeCastTest, ListsAndQuestionGiveTheThreeValues) {
    const TimeCastCase cases[] = {
        {0, 0, 0, 0, "", {8, 1, 3}},                      // 1998 Jan 1, 11PM - 1AM
        {6, 0, 30, 0, "", {6, 7, 3}},                     // 2004 Jan 31
        {3, 2, 14, 4, "abc", {1, 6, 2}},                  // 2001 Mar 15, 7AM - 9AM
        {101, 11, 29, 11, "", {5, 1, 5}},                 // 2099 Dec 30, 9PM - 11PM
        {0, 0, 0, 0, std::string(10, '\xE9'), {2, 3, 5}}, // T = -221
    };
    for (const TimeCastCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.year << "," << c.month << "," << c.day << "," << c.period);
        EXPECT_EQ(TimeCast(c.year, c.month, c.day, c.period, c.question), c.expected);
    }
}

TEST(TimeCastTest, NegativeSumUsesUnsignedRemainder) {
    // 1998 Jan 1 with byte 0xF6 (-10): T = 9 - 10 = -1, read as 4294967295 for the change line
    // (mod 6 = 3) while the trigrams take its low three bits (111).
    EXPECT_EQ(TimeCast(0, 0, 0, 0, "\xF6"), (CastValues{6, 7, 3}));
}

TEST(TimeCastTest, ValuesStayInRange) {
    for (int year = 0; year < 102; year += 7) {
        for (int month = 0; month < 12; ++month) {
            for (int day = 0; day < 31; day += 3) {
                for (int period = 0; period < 12; ++period) {
                    const CastValues v = TimeCast(year, month, day, period, "\xFF\x80?");
                    ASSERT_GE(v.outer, 1);
                    ASSERT_LE(v.outer, 8);
                    ASSERT_GE(v.inner, 1);
                    ASSERT_LE(v.inner, 8);
                    ASSERT_GE(v.changeLine, 1);
                    ASSERT_LE(v.changeLine, 6);
                }
            }
        }
    }
}

TEST(DrawTest, TickCountDraws) {
    EXPECT_EQ(DrawTrigram(0), 1);
    EXPECT_EQ(DrawTrigram(7), 8);
    EXPECT_EQ(DrawTrigram(0xFFFFFFFFU), 8);
    EXPECT_EQ(DrawChangeLine(0), 1);
    EXPECT_EQ(DrawChangeLine(5), 6);
    EXPECT_EQ(DrawChangeLine(0xFFFFFFFFU), 4); // 4294967295 mod 6 = 3
}

} // namespace
} // namespace zandrel
