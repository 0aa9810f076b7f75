// The commands that run without a window: what they print for good input, the one line and
// the exit status of bad input, the log entry and the file errors; and the words for lunar
// dates and for dates and times typed by the user, which the dialog shares.

#include "core/reading.h"
#include "log/query_log.h"
#include "tests/support/fault_helpers.h"
#include "text/hexagram_text.h"
#include "text/reading_text.h"
#include "ui/commands.h"
#include "ui/date_input.h"
#include "ui/lunar_labels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>

namespace zandrel {
namespace {

using fixtures::TempDir;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun RunArgs(std::string_view command, std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunCommand(command, arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

QJsonObject Json(const CommandRun& run) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return document.object();
}

// Each test runs in a data folder of its own, the current directory as from a terminal.
class CommandsTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    TempDir dir;

private:
    std::filesystem::path previous_;
};

TEST(LunarLabelsTest, DatesAsTheDialogAndTheCommandsWriteThem) {
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
        EXPECT_EQ(LunarDateText(*lunar, hour), c.english);
        EXPECT_EQ(LunarDateChineseText(*lunar, hour), c.chinese);
    }
    EXPECT_EQ(HourRangeText(7), "11AM–1PM");
    EXPECT_EQ(HourRangeText(12), "9PM–11PM");
}

TEST(DateInputTest, ReadsDatesAndTimesAndSaysWhatIsWrong) {
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
        const DateInput input = ReadCalendarDate(c.text);
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
        const TimeInput input = ReadClockTime(c.text);
        EXPECT_EQ(input.time ? HourBranch(*input.time) : std::nullopt, c.hourBranch);
        EXPECT_EQ(input.error.empty(), c.hourBranch.has_value()) << input.error;
    }
    EXPECT_EQ(ReadClockTime("25:00").error,
              "'25:00' is not a time: write it as HH:MM, from 00:00 to 23:59.");
}

// The three values and the hexagrams of casts whose values are known: the target time query's
// worked examples, the clock time mapped to its period at the period's edges, and the
// traditional cast of a New Year's Day, the last day of a lunar year at 23:30, and a leap month.
TEST_F(CommandsTest, CastPrintsTheReadingOfTheDateAsJson) {
    const struct {
        std::vector<std::string> arguments;
        int outer, inner, changeLine;
        const char* method;
    } cases[] = {
        {{"--date", "2001-03-15", "--period", "5", "--question", "abc"}, 1, 6, 2, "target time"},
        {{"--date", "1998-01-01", "--period", "1"}, 8, 1, 3, "target time"},
        {{"--date", "1998-01-01", "--time", "23:30"}, 8, 1, 3, "target time"},
        {{"--date", "1998-01-01", "--time", "00:59"}, 8, 1, 3, "target time"},
        {{"--date", "1998-01-01", "--time", "01:00"}, 8, 2, 4, "target time"},
        {{"--date", "2004-01-31", "--period", "1"}, 6, 7, 3, "target time"},
        {{"--date=2099-12-30", "--time=22:00"}, 5, 1, 5, "target time"},
        {{"--traditional", "--date", "2024-02-10", "--time", "12:00"}, 7, 6, 2, "traditional"},
        // 癸卯 (4) + month 12 + day 30 = 46; hour 子 (1) gives 47.
        {{"--traditional", "--date", "2024-02-09", "--time", "23:30"}, 6, 7, 5, "traditional"},
        {{"--traditional", "--date", "2024-02-09", "--period", "1"}, 6, 7, 5, "traditional"},
        // The leap second month counts as month 2: 4 + 2 + 1 = 7, hour 午 (7) gives 14.
        {{"--traditional", "--date", "2023-03-22", "--time", "12:00"}, 7, 6, 2, "traditional"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("--json");
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandRun run = RunArgs("cast", arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one line of JSON";
        const QJsonObject json = Json(run);
        const Reading reading = ComputeReading(c.outer, c.inner, c.changeLine);
        EXPECT_EQ(json["outer"].toInt(), c.outer);
        EXPECT_EQ(json["inner"].toInt(), c.inner);
        EXPECT_EQ(json["change_line"].toInt(), c.changeLine);
        EXPECT_EQ(json["original"].toInt(), reading.original);
        EXPECT_EQ(json["final"].toInt(), reading.final);
        EXPECT_EQ(json["method"].toString().toStdString(), c.method);
        const ReadingText text = ComposeReadingText(HexagramTexts{}, reading);
        EXPECT_EQ(json["text"].toString().toStdString(),
                  text.originalText + text.lineText + text.finalText);
    }
    // The issue's own example: hexagram 4.
    const CommandRun run =
        RunArgs("cast", {"--traditional", "--date", "2024-02-10", "--time", "12:00", "--json"});
    const QJsonObject json = Json(run);
    EXPECT_EQ(json["original"].toInt(), 4);
    EXPECT_EQ(json["lunar"].toObject()["year_branch"].toInt(), 5);
    EXPECT_EQ(json["lunar"].toObject()["hour_branch"].toInt(), 7);
}

// The whole text form of one cast: its heading, the numbers, each trigram with its element and
// how it stands to the body, and the reading text with LF line ends.
TEST_F(CommandsTest, CastPrintsTheReadingAsText) {
    const CommandRun run = RunArgs("cast", {"--date", "2024-02-10", "--time", "12:00",
                                            "--traditional", "--question", "Will it\nrain?\n"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Reading reading = ComputeReading(7, 6, 2);
    const ReadingText text = ComposeReadingText(HexagramTexts{}, reading);
    EXPECT_EQ(run.out,
              "Traditional time query: 2024-02-10 12:00, Year 甲辰 (Dragon), month 1, day 1, "
              "hour 午 (11AM–1PM)\n"
              "Question: Will it rain?\n"
              "Original hexagram 4, change line 2, final hexagram 23\n"
              "Outer trigram          7  Earth  body\n"
              "Inner trigram          6  Water  use; favourable: body controls use\n"
              "Upper nuclear trigram  8  Earth  favourable: same element\n"
              "Lower nuclear trigram  4  Wood   unfavourable: use controls body\n"
              "Final outer trigram    7  Earth  favourable: same element\n"
              "Final inner trigram    8  Earth  favourable: same element\n"
              "\n" +
                  TerminalText(text.originalText + text.lineText + text.finalText));
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST_F(CommandsTest, BadInputPrintsOneLineAndExitsTwo) {
    const struct {
        const char* command;
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {"cast", {"--period", "1"}, "zandrel cast: give the date with --date YYYY-MM-DD"},
        {"cast",
         {"--date", "2024-02-10"},
         "zandrel cast: give the hour with --period N or --time HH:MM"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--time", "12:00"},
         "zandrel cast: give either --period or --time, not both"},
        {"cast",
         {"--date", "2100-01-01", "--period", "1"},
         "zandrel cast: 2100-01-01 is outside the calendar, which runs from 1998-01-01 to "
         "2099-12-31."},
        {"cast",
         {"--date", "1997-12-31", "--period", "1", "--traditional"},
         "zandrel cast: 1997-12-31 is outside the calendar, which runs from 1998-01-01 to "
         "2099-12-31."},
        {"cast",
         {"--date", "2023-02-30", "--period", "1"},
         "zandrel cast: 2023-02-30 does not exist: February 2023 has 28 days."},
        {"cast",
         {"--date", "2024-02-10", "--period", "13"},
         "zandrel cast: '13' is not a period: give 1 (11PM - 1AM) to 12 (9PM - 11PM)"},
        {"cast",
         {"--date", "2024-02-10", "--period", "0"},
         "zandrel cast: '0' is not a period: give 1 (11PM - 1AM) to 12 (9PM - 11PM)"},
        {"cast",
         {"--date", "2024-02-10", "--time", "24:00"},
         "zandrel cast: '24:00' is not a time: write it as HH:MM, from 00:00 to 23:59."},
        {"cast", {"--date"}, "zandrel cast: option '--date' needs a value"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--json=yes"},
         "zandrel cast: option '--json' takes no value"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--bogus"},
         "zandrel cast: unknown option '--bogus'"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "now"},
         "zandrel cast: unexpected argument 'now'"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--question", std::string(256, 'q')},
         "zandrel cast: the question has 256 characters; the question dialog takes at most 255"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--question", "caf\xE9"},
         "zandrel cast: the question is not UTF-8 text"},
        {"lunar", {}, "zandrel lunar: give the date as YYYY-MM-DD"},
        {"lunar",
         {"2024-02-30"},
         "zandrel lunar: 2024-02-30 does not exist: February 2024 has 29 days."},
        {"lunar",
         {"2024-02-10", "25:00"},
         "zandrel lunar: '25:00' is not a time: write it as HH:MM, from 00:00 to 23:59."},
        {"lunar", {"2024-02-10", "12:00", "x"}, "zandrel lunar: unexpected argument 'x'"},
        {"lunar", {"2024-02-10", "--user-data"}, "zandrel lunar: unknown option '--user-data'"},
        {"text", {}, "zandrel text: give the hexagram's number, 1 to 64"},
        {"text", {"65"}, "zandrel text: '65' is not a hexagram: give 1 to 64"},
        {"text", {"0"}, "zandrel text: '0' is not a hexagram: give 1 to 64"},
        {"text", {"-1"}, "zandrel text: unknown option '-1'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CommandRun run = RunArgs(c.command, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string(c.error) + "\n");
    }
    EXPECT_TRUE(dir.Entries().empty()) << "bad input writes nothing";
}

TEST_F(CommandsTest, CastLogsTheEntryTheWindowWrites) {
    const std::vector<std::string> arguments = {"--date",     "2001-03-15", "--period", "5",
                                                "--question", "abc",        "--log"};
    ASSERT_EQ(RunArgs("cast", arguments).status, 0);
    ASSERT_EQ(RunArgs("cast", arguments).status, 0);
    const ReadingText text = ComposeReadingText(HexagramTexts{}, ComputeReading(1, 6, 2));
    const std::string tail = "]\r\nabc\r\n\r\n[Auvrel's reply]\r\n" + text.originalText +
                             text.lineText + text.finalText + "\r\n\r\n\r\n";
    const std::string log = dir.Read("auvrel.log");
    ASSERT_EQ(log.rfind("[Your query on ", 0), 0U);
    const std::size_t second = log.find("[Your query on ", 1);
    ASSERT_NE(second, std::string::npos);
    const std::string header = log.substr(0, log.find("]\r\n"));
    EXPECT_EQ(log.substr(header.size(), second - header.size()), tail);
    EXPECT_EQ(log.size(), 2 * second) << "two entries alike but for their time";
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"auvrel.log"});
}

TEST_F(CommandsTest, ALogThatCannotBeWrittenIsReportedAsTheWindowReportsIt) {
    // A folder where the log should be.
    ASSERT_EQ(::mkdir(dir.File("auvrel.log").c_str(), 0700), 0);
    const FileError expected = AppendLogEntry(dir.Path(), "entry");
    ASSERT_TRUE(expected.Failed());
    const CommandRun run = RunArgs("cast", {"--date", "2024-02-10", "--period", "1", "--log"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zandrel: " + expected.Message() + "\n");
    EXPECT_NE(run.out.find("Original hexagram"), std::string::npos) << "the reading is printed";

    // --user-data makes the folder as the window does, and reports it as the window does.
    dir.Write("not-a-folder", "");
    ASSERT_EQ(::setenv("XDG_DATA_HOME", dir.File("not-a-folder").c_str(), 1), 0);
    const CommandRun made =
        RunArgs("cast", {"--date", "2024-02-10", "--period", "1", "--log", "--user-data"});
    EXPECT_EQ(made.status, 1);
    EXPECT_NE(made.err.find(dir.File("not-a-folder")), std::string::npos) << made.err;
    ASSERT_EQ(::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1), 0);
    const CommandRun logged =
        RunArgs("cast", {"--date", "2024-02-10", "--period", "1", "--log", "--user-data"});
    EXPECT_EQ(logged.status, 0) << logged.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("data/zandrel/auvrel.log")));
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(CommandsTest, CustomTextsOfTheDataFolderAreUsed) {
    // Hexagram 1 with a custom title and a bell in line 1's text.
    dir.Write("custom1.txt", "Mine\r\nMain\r\nOne\a\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\n");
    HexagramTexts texts{};
    LoadCustomTexts(texts, dir.Path());

    const CommandRun text = RunArgs("text", {"1"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, TerminalText(FullHexagramText(texts, 1)));
    EXPECT_NE(text.out.find("Hexagram 1 Mine\nMain\nLine 1\nOne\u2407\n"), std::string::npos)
        << text.out;
    EXPECT_EQ(text.out.find('\r'), std::string::npos);

    // 6 + 1 + 10 = 17 and period 8: outer 1, inner 1, change line 1, so hexagram 1 and its
    // line 1 are the custom ones.
    const CommandRun cast = RunArgs("cast", {"--date", "1998-01-10", "--period", "8", "--json"});
    const ReadingText blocks = ComposeReadingText(texts, ComputeReading(1, 1, 1));
    const std::string shown = Json(cast)["text"].toString().toStdString();
    EXPECT_EQ(shown, blocks.originalText + blocks.lineText + blocks.finalText);
    EXPECT_EQ(shown.rfind("Hexagram 1 Mine\r\nMain\r\nLine 1\r\nOne\a\r\n", 0), 0U) << shown;
}

TEST_F(CommandsTest, LunarPrintsTheLunarDateAndHour) {
    const CommandRun text = RunArgs("lunar", {"1998-01-01", "23:00"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "Year 丁丑 (Ox), month 12, day 3, hour 子 (11PM–1AM)\n丁丑年 十二月 初三 子時\n");

    const QJsonObject plain = Json(RunArgs("lunar", {"--json", "1998-01-01"}));
    EXPECT_EQ(plain["year"].toInt(), 1997);
    EXPECT_EQ(plain["year_branch"].toInt(), 2);
    EXPECT_EQ(plain["month"].toInt(), 12);
    EXPECT_EQ(plain["leap"], QJsonValue(false));
    EXPECT_EQ(plain["day"].toInt(), 3);
    EXPECT_FALSE(plain.contains("hour_branch"));

    const QJsonObject leap = Json(RunArgs("lunar", {"1998-06-24", "21:00", "--json"}));
    EXPECT_EQ(leap["year"].toInt(), 1998);
    EXPECT_EQ(leap["month"].toInt(), 5);
    EXPECT_EQ(leap["leap"], QJsonValue(true));
    EXPECT_EQ(leap["hour_branch"].toInt(), 12);
}

TEST(TerminalTextTest, LineEndsAndControlCharacters) {
    EXPECT_EQ(TerminalText("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(TerminalText("a\rb\x1b[2J\x7f\tc"), "a\u240Db\u241B[2J\u2421\tc");
    EXPECT_EQ(TerminalText("caf\xE9\r\n"), "caf\u00E9\n"); // not UTF-8: read as Windows-1252
}

} // namespace
} // namespace zandrel
