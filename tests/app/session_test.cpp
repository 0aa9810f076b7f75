// The session: what each request casts, the texts it composes from its store in its language,
// and the log entry it writes.

#include "app/session.h"
#include "log/query_log.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

using fixtures::TempDir;

// Casts whose values are known: the target time query's worked example and its period at the
// edges of the lists, the traditional cast of a New Year's Day and of a leap month, and the
// general query's draws as they were drawn.
TEST(SessionTest, EachRequestCastsItsValues) {
    const TempDir dir;
    const Session session(dir.Path(), Language::English);
    const struct {
        CastRequest request;
        const char* question;
        CastValues values;
        std::string_view method;
    } cases[] = {
        {TargetTime{{2001, 3, 15}, 5, std::nullopt}, "abc", {1, 6, 2}, kTargetTimeMethod},
        {TargetTime::FromLists(3, 2, 14, 4), "abc", {1, 6, 2}, kTargetTimeMethod},
        {TargetTime{{1998, 1, 1}, 1, ClockTime{23, 30}}, "", {8, 1, 3}, kTargetTimeMethod},
        // February 31 is an entry of the lists, and casts as such.
        {TargetTime::FromLists(6, 1, 30, 0), "", {7, 8, 4}, kTargetTimeMethod},
        {Traditional{{2024, 2, 10}, 7, ClockTime{12, 0}}, "", {7, 6, 2}, kTraditionalMethod},
        // Without a time, the period's start: 23:00 of the last day of 癸卯.
        {Traditional{{2024, 2, 9}, 1, std::nullopt}, "", {6, 7, 5}, kTraditionalMethod},
        {Traditional{{2023, 3, 22}, 7, ClockTime{12, 0}}, "", {7, 6, 2}, kTraditionalMethod},
        {GeneralDraw{{3, 5, 4}}, "why", {3, 5, 4}, kGeneralMethod},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method));
        const std::optional<CastResult> cast = session.Cast(c.request, c.question);
        ASSERT_TRUE(cast.has_value());
        EXPECT_EQ(cast->reading.outer, c.values.outer);
        EXPECT_EQ(cast->reading.inner, c.values.inner);
        EXPECT_EQ(cast->reading.changeLine, c.values.changeLine);
        EXPECT_EQ(cast->question, c.question);
        EXPECT_EQ(MethodKey(cast->request), c.method);
    }
    // A date the calendar does not hold gives no reading rather than a made-up one.
    EXPECT_FALSE(session.Cast(Traditional{{1997, 12, 31}, 7, std::nullopt}, "").has_value());
}

TEST(SessionTest, TheTextsComeFromItsStoreInItsLanguage) {
    const TempDir dir;
    dir.Write("custom1.txt", "Mine\r\nMain\r\nOne\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\n");
    Session english(dir.Path(), Language::English);
    Session chinese(dir.Path(), Language::SimplifiedChinese);
    const CastRequest request = GeneralDraw{{1, 1, 1}};
    EXPECT_TRUE(english.Cast(request, "")->text.originalText.starts_with("Hexagram 1 Creative"))
        << "the folder's texts are read only when asked";
    english.LoadTexts();
    chinese.LoadTexts();
    EXPECT_EQ(english.Cast(request, "")->text.originalText, "Hexagram 1 Mine\r\nMain\r\n");
    EXPECT_EQ(english.Cast(request, "")->text.lineText, "Line 1\r\nOne\r\n");
    EXPECT_EQ(chinese.Cast(request, "")->text.lineText, "初九\r\nOne\r\n");
    EXPECT_EQ(
        chinese.Cast(GeneralDraw{{8, 8, 2}}, "")->text.originalText.rfind("第二卦　坤为地", 0), 0U);
}

TEST(SessionTest, LogAppendsTheEntryOfTheCast) {
    const TempDir dir;
    const Session session(dir.Path(), Language::English);
    const std::optional<CastResult> cast =
        session.Cast(TargetTime{{2001, 3, 15}, 5, std::nullopt}, "abc");
    ASSERT_TRUE(cast.has_value());
    ASSERT_FALSE(session.Log(*cast).Failed());
    const std::string log = dir.Read(kLogFileName);
    const std::string reply = "]\r\nabc\r\n\r\n[Auvrel's reply]\r\n" + cast->text.originalText +
                              cast->text.lineText + cast->text.finalText + "\r\n\r\n\r\n";
    EXPECT_EQ(log.rfind("[Your query on ", 0), 0U);
    EXPECT_TRUE(log.ends_with(reply)) << log;
    EXPECT_EQ(log.find("[Your query on ", 1), std::string::npos) << "one entry";
}

} // namespace
} // namespace zandrel
