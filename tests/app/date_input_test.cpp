// Dates and clock times as a user types them, in the traditional time query dialog and on the
// command line, and what is wrong with one that cannot be used.

#include "app/date_input.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(DateInputTest, ReadsDatesAndTimesAndSaysWhatIsWrong) {
    const Vocabulary& english = Vocabulary::Of(Language::English);
    const struct {
        const char* text;
        std::optional<CivilDate> date;
        const char* error;
    } dates[] = {
        {"2024-02-10", CivilDate{2024, 2, 10}, ""},
        {" 2024-2-9 ", CivilDate{2024, 2, 9}, ""},
        {"1998-01-01", CivilDate{1998, 1, 1}, ""},
        {"2099-12-31", CivilDate{2099, 12, 31}, ""},
        {"2024-02-30", {}, "2024-02-30 does not exist: February 2024 has 29 days."},
        {"2023-02-29", {}, "2023-02-29 does not exist: February 2023 has 28 days."},
        {"2024-04-31", {}, "2024-04-31 does not exist: April 2024 has 30 days."},
        {"2024-13-01", {}, "2024-13-01 does not exist: there is no month 13."},
        {"2024-01-00", {}, "2024-01-00 does not exist: there is no day 0."},
        {"1997-12-31",
         {},
         "1997-12-31 is outside the calendar, which runs from 1998-01-01 to 2099-12-31."},
        {"2100-01-01",
         {},
         "2100-01-01 is outside the calendar, which runs from 1998-01-01 to 2099-12-31."},
        {"24-02-10",
         {},
         "'24-02-10' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."},
        {"2024/02/10",
         {},
         "'2024/02/10' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."},
        {"2024-02-100",
         {},
         "'2024-02-100' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."},
        {"", {}, "'' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."},
    };
    for (const auto& c : dates) {
        SCOPED_TRACE(c.text);
        const DateInput input = ReadCalendarDate(english, c.text);
        EXPECT_EQ(input.date, c.date);
        EXPECT_EQ(input.error, c.error);
    }

    const struct {
        const char* text;
        std::optional<int> hourBranch;
    } times[] = {
        {"23:00", 1},  {"0:59", 1},   {"01:00", 2}, {"12:00", 7}, {"22:59", 12},
        {"24:00", {}}, {"12:60", {}}, {"12:5", {}}, {"1200", {}}, {"noon", {}},
    };
    for (const auto& c : times) {
        SCOPED_TRACE(c.text);
        const TimeInput input = ReadClockTime(english, c.text);
        EXPECT_EQ(input.time ? HourBranch(*input.time) : std::nullopt, c.hourBranch);
        EXPECT_EQ(input.error.empty(), c.hourBranch.has_value()) << input.error;
    }
    EXPECT_EQ(ReadClockTime(english, "25:00").error,
              "'25:00' is not a time: write it as HH:MM, from 00:00 to 23:59.");
}

} // namespace
} // namespace zandrel
