// The commands that run without a window: what they print for good input in every language,
// the one line and the exit status of bad input, the log entry and the file errors. Each test
// hands the commands folders of its own; none changes the working directory.

#include "casebook/case_book.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "core/reading.h"
#include "log/query_log.h"
#include "tests/support/fault_helpers.h"
#include "text/hexagram_text.h"
#include "text/reading_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

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

CommandRun RunWith(const CommandContext& context, std::string_view command,
                   const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    const Command* found = FindCommand(command);
    EXPECT_NE(found, nullptr) << command;
    run.status = found ? RunCommand(*found, arguments, out, err, context) : -1;
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

// Each test runs with a data folder of its own as the current directory, and the user's data
// folder inside it, as the program's main would find them.
class CommandsTest : public testing::Test {
protected:
    CommandRun RunArgs(std::string_view command, const std::vector<std::string>& arguments,
                       Language desktop = Language::English) {
        CommandContext context = Context();
        context.language = desktop;
        return RunWith(context, command, arguments);
    }
    CommandContext Context() const {
        return {dir.Path(), dir.File("data/zandrel"), Language::English, {}};
    }

    TempDir dir;
};

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
        // Casts from counts; --log writes nothing for any of them.
        {"cast",
         {"--numbers", "0", "--log"},
         "zandrel cast: '0' is not a whole number from 1 to 999999999"},
        {"cast",
         {"--numbers", "1000000000", "--log"},
         "zandrel cast: '1000000000' is not a whole number from 1 to 999999999"},
        {"cast",
         {"--numbers", "-5", "--log"},
         "zandrel cast: '-5' is not a whole number from 1 to 999999999"},
        {"cast", {"--numbers", "", "--log"}, "zandrel cast: give one, two or three numbers"},
        {"cast",
         {"--numbers", "1", "2", "3", "4", "--log"},
         "zandrel cast: give one, two or three numbers"},
        {"cast",
         {"--numbers", "1", "2", "--rule", "line-from-third", "--log"},
         "zandrel cast: there is no rule 'line-from-third' for this input; rules: "
         "line-without-hour, line-with-hour"},
        {"cast",
         {"--characters", "abc 123", "--log"},
         "zandrel cast: there is no Chinese character to count"},
        {"cast",
         {"--characters", "天地", "--count", "天=x", "--log"},
         "zandrel cast: '天=x' is not a count: write it as 字=6, or 字=3+3 for one character's "
         "two parts"},
        {"cast",
         {"--characters", "天", "--strokes", "old", "--log"},
         "zandrel cast: give --strokes modern or --strokes kangxi"},
        {"cast", {"--characters", "天地", "x", "--log"}, "zandrel cast: unexpected argument 'x'"},
        {"cast",
         {"--trigrams", "x", "1", "--log"},
         "zandrel cast: 'x' is not a trigram: give 1 to 8, a name or a direction"},
        {"cast",
         {"--trigrams", "1", "--log"},
         "zandrel cast: give the outer and the inner trigram, and the change line if you have "
         "it"},
        {"cast",
         {"--trigrams", "1", "2", "--line", "7", "--log"},
         "zandrel cast: '7' is not a change line: give 1 to 6"},
        {"cast",
         {"--trigrams", "1", "2", "3", "--line", "3", "--log"},
         "zandrel cast: give the change line once: with --line or after the trigrams"},
        {"cast",
         {"--numbers", "1", "--trigrams", "1", "2", "--log"},
         "zandrel cast: give --numbers or --trigrams, not both"},
        {"cast",
         {"--numbers", "1", "--traditional", "--log"},
         "zandrel cast: give --numbers or --traditional, not both"},
        {"cast",
         {"--numbers", "1", "--line", "2", "--log"},
         "zandrel cast: option '--line' goes with --trigrams"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--strokes", "modern"},
         "zandrel cast: option '--strokes' goes with --characters"},
        {"cast",
         {"--numbers", "5", "--date", "2100-01-01", "--log"},
         "zandrel cast: 2100-01-01 is outside the calendar, which runs from 1998-01-01 to "
         "2099-12-31."},
        {"cast",
         {"--numbers", "5", "--time", "7:60", "--log"},
         "zandrel cast: '7:60' is not a time: write it as HH:MM, from 00:00 to 23:59."},
        // An option given twice is refused rather than the last one taken.
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--period", "2", "--log"},
         "zandrel cast: option '--period' is given more than once"},
        {"cast",
         {"--date", "2024-02-10", "--date=2024-02-11", "--period", "1", "--log"},
         "zandrel cast: option '--date' is given more than once"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--question", "a", "--question", "b", "--log"},
         "zandrel cast: option '--question' is given more than once"},
        {"cast",
         {"--date", "2024-02-10", "--period", "1", "--json", "--json"},
         "zandrel cast: option '--json' is given more than once"},
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
        {"journal", {}, "zandrel journal: give list, show, note, outcome, stats, export or import"},
        {"journal", {"lists"}, "zandrel journal: unexpected argument 'lists'"},
        {"journal", {"show"}, "zandrel journal: give the record's id"},
        {"journal", {"stats", "x"}, "zandrel journal: unexpected argument 'x'"},
        {"journal", {"import"}, "zandrel journal: give the file to import"},
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
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"auvrel.log", "casebook.sqlite"}));
}

// Each cast from counts prints its method, its rule and its arithmetic; the JSON holds every
// step. 27 and 15 give 离 over 艮, the line (27 + 15) % 6 = 0, the sixth.
TEST_F(CommandsTest, CastsFromCountsShowTheirArithmetic) {
    const std::vector<std::string> moment = {"--date", "2024-02-10", "--time", "12:00"};
    const auto cast = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), moment.begin(), moment.end());
        return RunArgs("cast", arguments);
    };
    const CommandRun text = cast({"--numbers", "27", "15"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find("Question:")),
              "Cast by numbers: 27 15 (line from their sum), 2024-02-10 12:00\n"
              "outer 27 mod 8 = 3 Fire; inner 15 mod 8 = 7 Mountain; change line (27 + 15) mod "
              "6 = 0 → 6\n");
    const CommandRun chinese = cast({"--numbers", "27,15", "--language", "zh_CN"});
    EXPECT_NE(
        chinese.out.find("上卦 27 ÷ 8 余 3 离；下卦 15 ÷ 8 余 7 艮；动爻 (27 + 15) ÷ 6 余 0 → 6\n"),
        std::string::npos)
        << chinese.out;

    const struct {
        std::vector<std::string> arguments;
        const char* method;
        const char* rule;
        int outer, inner, changeLine;
    } cases[] = {
        {{"--numbers", "27", "15", "--json"}, "numbers", "line-without-hour", 3, 7, 6},
        {{"--numbers", "27", "--rule", "inner-from-sum", "--json"},
         "numbers",
         "inner-from-sum",
         3,
         2,
         4},
        {{"--characters", "天地人", "--json"}, "characters", "halves", 4, 8, 6},
        {{"--characters", "逃", "--count", "逃=3+6", "--json"}, "characters", "parts", 3, 6, 3},
        {{"--characters", "今日", "--count", "今=4", "--count", "日=5", "--json"},
         "characters",
         "halves",
         4,
         5,
         3},
        {{"--trigrams", "south", "north", "--json"}, "trigrams", "line-from-hour", 3, 6, 4},
        {{"--trigrams", "離", "坎", "--line", "2", "--json"}, "trigrams", "line-given", 3, 6, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CommandRun run = cast(c.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const QJsonObject json = Json(run);
        EXPECT_EQ(json["method"].toString(), c.method);
        EXPECT_EQ(json["rule"].toString(), c.rule);
        EXPECT_EQ(json["outer"].toInt(), c.outer);
        EXPECT_EQ(json["inner"].toInt(), c.inner);
        EXPECT_EQ(json["change_line"].toInt(), c.changeLine);
        EXPECT_EQ(json["hour_branch"].toInt(), 7);
        EXPECT_EQ(json["arithmetic"].toObject()["change_line"].toObject()["value"].toInt(),
                  c.changeLine);
    }
}

// The user's words reach the terminal without a control character: the question's escape
// sequences, C0 and C1, are shown, not obeyed.
TEST_F(CommandsTest, TheQuestionCannotControlTheTerminal) {
    const CommandRun run = RunArgs("cast", {"--date", "2024-02-10", "--period", "1", "--question",
                                            "a\x1b]0;TITLE\x07"
                                            "b\u009B2Jc"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Question: a\u241B]0;TITLE\u2407b<U+009B>2Jc\n"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.out.find("\u009B"), std::string::npos);

    // Nor does a complaint that quotes what was given.
    const CommandRun refused = RunArgs("cast", {"--numbers", "\x1b]0;TITLE\x07"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "zandrel cast: '\u241B]0;TITLE\u2407' is not a whole number from 1 to "
                           "999999999\n");
    const CommandRun notText = RunArgs("cast", {"--characters", "\xff\xfe天", "--log"});
    EXPECT_EQ(notText.status, 2);
    EXPECT_EQ(notText.err, "zandrel cast: the characters are not UTF-8 text\n");
    EXPECT_TRUE(dir.Entries().empty());
}

// The entry is logged before the reading is printed: an output that cannot be written (a pipe
// closed early) still leaves the entry, and the command says what failed.
TEST_F(CommandsTest, TheEntryIsLoggedBeforeTheReadingIsPrinted) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    const int status =
        RunCommand(*FindCommand("cast"), {"--date", "2024-02-10", "--period", "1", "--log"}, out,
                   err, Context());
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "zandrel: cannot write to the standard output\n");
    EXPECT_EQ(dir.Read("auvrel.log").rfind("[Your query on ", 0), 0U);
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
    CommandContext blocked = Context();
    blocked.userDataDirectory = dir.File("not-a-folder/zandrel");
    const CommandRun made =
        RunWith(blocked, "cast", {"--date", "2024-02-10", "--period", "1", "--log", "--user-data"});
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.err,
              "zandrel: " + dir.File("not-a-folder/zandrel") + " contains an invalid path.\n");
    const CommandRun logged =
        RunArgs("cast", {"--date", "2024-02-10", "--period", "1", "--log", "--user-data"});
    EXPECT_EQ(logged.status, 0) << logged.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("data/zandrel/auvrel.log")));
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
              "Year 丁丑 (Ox), month 12, day 3, hour 子 (11PM–1AM)\n丁丑年 十二月 初三 子時\n"
              "Year 丁丑, month 壬子, day 戊申, hour 壬子\n"
              "Winter Solstice (冬至), from 1997-12-22 04:07; next: Minor Cold (小寒), "
              "1998-01-05 21:18\n");

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

TEST_F(CommandsTest, TextPrintsTheClassicalTextInTheScriptAsked) {
    const CommandRun simplified = RunArgs("text", {"1", "--language", "zh_CN"});
    EXPECT_EQ(simplified.status, 0) << simplified.err;
    EXPECT_TRUE(simplified.out.starts_with("第一卦　乾为天\n乾：元亨利贞。\n初九\n潜龙勿用。\n"))
        << simplified.out;
    EXPECT_TRUE(simplified.out.ends_with("用九\n见群龙无首，吉。\n")) << simplified.out;
    const CommandRun traditional = RunArgs("text", {"--language=zh_HK", "1"});
    EXPECT_TRUE(traditional.out.starts_with("第一卦　乾為天\n乾：元亨利貞。\n")) << traditional.out;
    // The desktop's language, when the command names none; English by a name.
    EXPECT_EQ(RunArgs("text", {"1"}, Language::TraditionalChinese).out, traditional.out);
    EXPECT_TRUE(RunArgs("text", {"1", "--language", "en"}, Language::TraditionalChinese)
                    .out.starts_with("Hexagram 1 "));
    // A custom text replaces the classical one in every language.
    dir.Write("custom1.txt", "Mine\r\nmain\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    EXPECT_TRUE(
        RunArgs("text", {"1", "--language", "zh_CN"}).out.starts_with("第一卦　Mine\nmain\n"));
}

TEST_F(CommandsTest, CastSpeaksChineseButItsJsonKeepsItsEnglishWords) {
    const std::vector<std::string> cast = {"cast",  "--date",     "2024-02-10", "--time",
                                           "12:00", "--question", "天"};
    std::vector<std::string> arguments(cast.begin() + 1, cast.end());
    arguments.insert(arguments.end(), {"--language", "zh_TW"});
    const CommandRun text = RunArgs("cast", arguments);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find("\n\n")),
              "公曆日期起卦：2024-02-10 12:00，午時 (11–13)\n"
              "問題：天\n"
              "本卦：48 水風井；動爻：九五；變卦：46 地風升\n"
              "外卦                   6 坎  水     用；有利：用生體\n"
              "內卦                   5 巽  木     體\n"
              "互卦上卦               3 離  火     不利：體生用\n"
              "互卦下卦               2 兌  金     不利：用克體\n"
              "變卦外卦               8 坤  土     有利：體克用\n"
              "變卦內卦               5 巽  木     有利：比和");
    EXPECT_NE(text.out.find("第四十八卦　水風井\n"), std::string::npos);

    arguments.push_back("--json");
    const CommandRun json = RunArgs("cast", arguments);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(object["method"].toString(), "target time");
    const QJsonObject outer = object["trigrams"].toArray()[0].toObject();
    EXPECT_EQ(outer["element"].toString(), "Water");
    EXPECT_EQ(outer["relation"].toString(), "use feeds body");
    EXPECT_TRUE(object["text"].toString().startsWith(QStringLiteral("第四十八卦　水風井\r\n")));
}

TEST_F(CommandsTest, TheLogKeepsItsFrameInEveryLanguage) {
    const CommandRun run = RunArgs("cast", {"--date", "2024-02-10", "--period", "7", "--question",
                                            "问", "--log", "--language", "zh_CN"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string log = dir.Read("auvrel.log");
    EXPECT_TRUE(log.starts_with("[Your query on ")) << log;
    const std::string reply = "]\r\n问\r\n\r\n[Auvrel's reply]\r\n第";
    EXPECT_NE(log.find(reply), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("\r\n\r\n\r\n"));
}

TEST_F(CommandsTest, WordsOfBadInputAndAnUnknownLanguage) {
    const CommandRun period =
        RunArgs("cast", {"--date", "2024-02-10", "--period", "13", "--language", "zh_CN"});
    EXPECT_EQ(period.status, 2);
    EXPECT_EQ(period.err, "zandrel cast: “13”不是时辰：请给出 1（子时）到 12（亥时）\n");
    EXPECT_EQ(RunArgs("lunar", {"2024-02-10", "12:00", "--language", "zh_TW"}).out,
              "甲辰年 正月 初一 午時\n生肖屬龍；午時：11–13 點\n甲辰年 丙寅月 甲辰日 庚午時\n"
              "立春，始於 2024-02-04 16:27；下一節氣：雨水，2024-02-19 12:13\n");
    const CommandRun unknown = RunArgs("text", {"1", "--language", "fr"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "zandrel text: unknown language 'fr': give en, zh_CN or zh_TW\n");
    EXPECT_EQ(RunArgs("text", {"1", "--language"}).err,
              "zandrel text: option '--language' needs a value\n");
    EXPECT_EQ(RunArgs("text", {"65"}, Language::SimplifiedChinese).err,
              "zandrel text: “65”不是卦：请给出 1 到 64\n");
    // The line is read once, whole: a fault before --language is told in that language.
    const struct {
        std::vector<std::string> arguments;
        const char* said;
    } faults[] = {
        {{"--bogus", "--language", "zh_CN", "1"}, "zandrel text: 未知选项“--bogus”\n"},
        {{"--bogus", "--ghost", "--language=zh_CN"}, "zandrel text: 未知选项“--bogus”\n"},
        {{"--language", "zh_CN", "--language", "zh_CN"},
         "zandrel text: 选项“--language”给出了不止一次\n"},
    };
    for (const auto& fault : faults) {
        const CommandRun run = RunArgs("text", fault.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, fault.said);
    }
}

} // namespace
} // namespace zandrel

namespace zandrel {
namespace {

// What in `text` would act on a terminal or reorder the line it is shown on: C0 controls but
// tab and line ends, DEL, C1 controls and bidirectional formatting characters. Empty when none.
std::string RawControls(const std::string& text) {
    std::string found;
    const QString decoded = QString::fromUtf8(text);
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i].unicode();
        const bool lineEnd =
            c == u'\n' || (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n');
        if ((c < 0x20 && c != u'\t' && !lineEnd) || (c >= 0x7F && c <= 0x9F) || c == 0x061C ||
            c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
            (c >= 0x2066 && c <= 0x2069)) {
            found +=
                QStringLiteral("U+%1 ").arg(static_cast<int>(c), 4, 16, QChar(u'0')).toStdString();
        }
    }
    return found;
}

// The user's words reach no output as a control: the JSON escapes them and reads back to the
// very words, the CSV and the Markdown printed show them as every text the commands print does,
// and an export to a file keeps them byte for byte.
TEST_F(CommandsTest, NoOutputLetsTheUsersWordsControlTheTerminal) {
    const std::string question = "a\x1b]0;T\x07"
                                 "b\u009B2Jc\u202Ed";
    const std::string notes = "n\x1b[31m\u009Bx\u202E\u2066\x7f\x07";
    const CommandRun cast =
        RunArgs("cast", {"--numbers", "27", "15", "--question", question, "--log", "--json"});
    ASSERT_EQ(cast.status, kDone) << cast.err;
    EXPECT_EQ(RawControls(cast.out), "");
    EXPECT_EQ(Json(cast)["question"].toString().toStdString(), question);
    const QJsonArray listed =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(RunArgs("journal", {"list", "--json"}).out))
            .array();
    ASSERT_EQ(listed.size(), 1);
    const std::string id = listed[0].toObject()["id"].toString().toStdString();
    ASSERT_EQ(RunArgs("journal", {"note", id, notes}).status, kDone);

    const struct {
        std::vector<std::string> arguments;
        bool json;
    } outputs[] = {
        {{"list", "--json"}, true},
        {{"show", id, "--json"}, true},
        {{"export"}, true},
        {{"list"}, false},
        {{"show", id}, false},
        {{"export", "--format", "csv"}, false},
        {{"export", "--format", "md"}, false},
    };
    for (const auto& o : outputs) {
        SCOPED_TRACE(testing::PrintToString(o.arguments));
        const CommandRun run = RunArgs("journal", o.arguments);
        ASSERT_EQ(run.status, kDone) << run.err;
        EXPECT_EQ(RawControls(run.out), "") << run.out;
        if (!o.json) {
            EXPECT_NE(run.out.find("a\u241B]0;T\u2407b<U+009B>2Jc<U+202E>d"), std::string::npos);
            continue;
        }
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out));
        const QJsonObject record = document.isArray() ? document.array()[0].toObject()
                                   : document.object().contains("records")
                                       ? document.object()["records"].toArray()[0].toObject()
                                       : document.object();
        EXPECT_EQ(record["question"].toString().toStdString(), question);
        if (record.contains("notes")) {
            EXPECT_EQ(record["notes"].toString().toStdString(), notes);
        }
    }
    // The CSV keeps its quoting and its record ends; a line end inside a text stays inside its
    // quotes.
    const std::string csv = RunArgs("journal", {"export", "--format", "csv"}).out;
    EXPECT_EQ(csv.find(",\"n\u241B[31m<U+009B>x<U+202E><U+2066>\u2421\u2407\","), std::string::npos)
        << "a text without a comma, quote or line end is not quoted";
    EXPECT_NE(csv.find(",n\u241B[31m<U+009B>x<U+202E><U+2066>\u2421\u2407,"), std::string::npos)
        << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), 2) << "the head's end and the record's";
    EXPECT_TRUE(csv.ends_with("\r\n"));
    const std::string markdown = RunArgs("journal", {"export", "--format", "md"}).out;
    EXPECT_NE(markdown.find("\n- question: a\u241B]0;T\u2407b<U+009B>2Jc<U+202E>d\n"),
              std::string::npos)
        << markdown;
    EXPECT_NE(markdown.find("```text\nn\u241B[31m<U+009B>x<U+202E><U+2066>\u2421\u2407\n```\n"),
              std::string::npos);

    for (const char* format : {"csv", "md"}) {
        ASSERT_EQ(RunArgs("journal", {"export", "--format", format, dir.File("all")}).status,
                  kDone);
        const std::string file = dir.Read("all");
        EXPECT_NE(file.find(question), std::string::npos) << format;
        EXPECT_NE(file.find(notes), std::string::npos) << format;
    }
}

// An export holds the user's questions: a new file is its owner's alone whatever the umask, one
// that was there keeps its mode.
TEST_F(CommandsTest, ANewExportIsItsOwnersAloneAndAFileThereKeepsItsMode) {
    ASSERT_EQ(RunArgs("cast", {"--numbers", "27", "--log"}).status, kDone);
    const mode_t umask = ::umask(0);
    const CommandRun made = RunArgs("journal", {"export", dir.File("new.json")});
    dir.Write("old.csv", "old");
    ::chmod(dir.File("old.csv").c_str(), 0664);
    const CommandRun replaced =
        RunArgs("journal", {"export", "--format", "csv", dir.File("old.csv")});
    ::umask(umask);
    ASSERT_EQ(made.status, kDone) << made.err;
    ASSERT_EQ(replaced.status, kDone) << replaced.err;
    struct stat status {};
    ASSERT_EQ(::stat(dir.File("new.json").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600U);
    ASSERT_EQ(::stat(dir.File("old.csv").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0664U);
    EXPECT_TRUE(dir.Read("old.csv").starts_with("id,cast_utc,"));
}

// An import that turns out wrong half-way merges nothing and says where it went wrong; what is
// no import is refused from its first bytes, however long it is.
TEST_F(CommandsTest, AnImportThatGoesWrongMergesNothingAndSaysWhere) {
    ASSERT_EQ(RunArgs("cast", {"--numbers", "27", "--log"}).status, kDone);
    ASSERT_EQ(RunArgs("cast", {"--numbers", "28", "--log"}).status, kDone);
    ASSERT_EQ(RunArgs("journal", {"export", dir.File("all.json")}).status, kDone);
    const std::string whole = dir.Read("all.json");
    const std::size_t second = whole.find(",\n{") + 2;
    dir.Write("cut.json", whole.substr(0, second + 30));

    const TempDir fresh;
    CommandContext there = Context();
    there.currentDirectory = fresh.Path();
    const CommandRun cut = RunWith(there, "journal", {"import", dir.File("cut.json")});
    EXPECT_EQ(cut.status, kBadInput);
    EXPECT_EQ(cut.err, "zandrel journal: " + dir.File("cut.json") + " ends too early, at byte " +
                           std::to_string(second + 30) +
                           " (whole records before it: 1); nothing was imported\n");
    EXPECT_EQ(RunWith(there, "journal", {"list"}).out, "") << "nothing merged";

    const CommandRun zero = RunWith(there, "journal", {"import", "/dev/zero"});
    EXPECT_EQ(zero.status, kBadInput);
    EXPECT_EQ(zero.err, "zandrel journal: /dev/zero is neither an export of a case book (JSON) "
                        "nor a query log\n");
    const CommandRun folder = RunWith(there, "journal", {"import", dir.Path()});
    EXPECT_EQ(folder.status, kFileError);
    EXPECT_TRUE(folder.err.starts_with("zandrel: " + dir.Path() + " could not be read: "))
        << folder.err;
    EXPECT_EQ(RunWith(there, "journal", {"import", dir.File("all.json")}).out,
              "Added 2, updated 0, skipped 0.\n");
}

// The journal sees the casts that `cast --log` recorded, edits them, and carries them to a
// fresh folder through an export; a file that is no export is refused with one line.
TEST_F(CommandsTest, JournalListsEditsExportsAndImportsTheLoggedCasts) {
    ASSERT_EQ(
        RunArgs("cast", {"--date", "2001-03-15", "--period", "5", "--question", "rain", "--log"})
            .status,
        kDone);
    ASSERT_EQ(RunArgs("cast", {"--numbers", "27", "15", "--question", "婚姻如何", "--log"}).status,
              kDone);
    const std::string list = RunArgs("journal", {"list"}).out;
    EXPECT_LT(list.find("婚姻如何"), list.find("rain")) << "newest first";
    const QJsonArray listed =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(RunArgs("journal", {"list", "--json"}).out))
            .array();
    ASSERT_EQ(listed.size(), 2);
    const std::string id = listed[1].toObject()["id"].toString().toStdString();
    EXPECT_EQ(listed[1].toObject()["method"].toString(), "target time");

    EXPECT_EQ(RunArgs("journal", {"note", id.substr(0, 8), "asked for a friend"}).status, kDone);
    EXPECT_EQ(
        RunArgs("journal", {"outcome", id, "--verdict", "partly", "--date", "2001-04-01"}).status,
        kDone);
    const CommandRun found = RunArgs("journal", {"list", "--search", "friend"});
    EXPECT_NE(found.out.find("rain"), std::string::npos);
    EXPECT_EQ(found.out.find("婚姻如何"), std::string::npos);
    const QJsonObject shown = Json(RunArgs("journal", {"show", id, "--json"}));
    EXPECT_EQ(shown["notes"].toString(), "asked for a friend");
    EXPECT_EQ(shown["verdict"].toString(), "partly");
    EXPECT_EQ(shown["outcome_date"].toString(), "2001-04-01");
    EXPECT_EQ(shown["inputs"].toObject()["period"].toInt(), 5);
    EXPECT_EQ(RunArgs("journal", {"stats"}).out,
              "All: records 2, 0 came true, 1 partly, 0 did not, 1 not yet; came true: 0%\n"
              "numbers: records 1, 0 came true, 0 partly, 0 did not, 1 not yet; came true: -\n"
              "target time: records 1, 0 came true, 1 partly, 0 did not, 0 not yet; came true: "
              "0%\n");

    ASSERT_EQ(RunArgs("journal", {"export", dir.File("all.json")}).status, kDone);
    const TempDir fresh;
    CommandContext there = Context();
    there.currentDirectory = fresh.Path();
    const CommandRun imported = RunWith(there, "journal", {"import", dir.File("all.json")});
    EXPECT_EQ(imported.out, "Added 2, updated 0, skipped 0.\n");
    EXPECT_EQ(RunWith(there, "journal", {"export"}).out, RunArgs("journal", {"export"}).out);
    EXPECT_EQ(RunWith(there, "journal", {"import", dir.File(kLogFileName)}).out,
              "Added 0, updated 0, skipped 2.\n")
        << "the log's entries are the casts already recorded";

    dir.Write("other.json", "{\"records\": []}");
    const CommandRun refused = RunArgs("journal", {"import", dir.File("other.json")});
    EXPECT_EQ(refused.status, kBadInput);
    EXPECT_EQ(refused.err, "zandrel journal: " + dir.File("other.json") +
                               " is neither an export of a case book (JSON) nor a query log\n");
    EXPECT_EQ(RunArgs("journal", {"show", "ffff"}).status, kBadInput);
    EXPECT_EQ(RunArgs("journal", {"outcome", id, "--verdict", "maybe"}).status, kBadInput);
}

// A case book the program cannot use never fails a cast: the entry is logged, the problem
// told, the file left as it was.
TEST_F(CommandsTest, ACaseBookThatCannotBeUsedIsToldAndTheCastLogged) {
    dir.Write(kCaseBookFileName, "not a database");
    const CommandRun run = RunArgs("cast", {"--numbers", "1", "2", "--log"});
    EXPECT_EQ(run.status, kDone);
    EXPECT_EQ(run.err, "zandrel: " + dir.File(kCaseBookFileName) +
                           " is not a case book. It was left as it is.\n");
    EXPECT_TRUE(dir.Exists(kLogFileName));
    EXPECT_EQ(dir.Read(kCaseBookFileName), "not a database");
    EXPECT_EQ(RunArgs("journal", {"list"}).status, kFileError);
}

// The details: in the JSON always, as text with --details, by the settings file's conventions
// unless an option overrides them for the run, and never changing the cast.
TEST_F(CommandsTest, CastDetailsFollowTheSettingsAndTheOptions) {
    const std::vector<std::string> cast = {"--traditional", "--date", "2033-12-22", "--time",
                                           "23:15"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments = cast;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return RunArgs("cast", arguments);
    };
    const QJsonObject plain = Json(with({"--json"}));
    for (const char* key : {"pillars", "solar_term", "strength", "stages", "nuclear", "opposite",
                            "reversed", "timing", "conventions"}) {
        EXPECT_TRUE(plain.contains(key)) << key;
    }
    auto day = [](const QJsonObject& json) {
        return json["pillars"].toObject()["day"].toObject()["name"].toString().toStdString();
    };
    EXPECT_EQ(day(plain), "丁未");

    // The settings file moves the late zi hour to the next day; the option moves it back.
    dir.Write("zandrel.ini", "[reading]\nzi_hour=next-day\n");
    const QJsonObject next = Json(with({"--json"}));
    EXPECT_EQ(day(next), "戊申");
    EXPECT_EQ(next["conventions"].toObject()["zi_hour"].toString(), "next-day");
    EXPECT_EQ(day(Json(with({"--json", "--zi-hour", "same-day"}))), "丁未");
    for (const char* key : {"outer", "inner", "change_line", "original", "final", "text"}) {
        EXPECT_EQ(next[key], plain[key]) << key;
    }

    const CommandRun text = with({"--details", "--year-start", "lichun", "--longitude", "116.4"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\n\nThe moment\nDate and time: 2033-12-22 23:15\nTrue solar time: "
                            "2033-12-22 23:02 (-12:55)\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("The year begins: at Start of Spring (立春)\n"), std::string::npos);
    EXPECT_EQ(with({}).out.find("The moment"), std::string::npos) << "details only when asked";

    const struct {
        std::vector<std::string> options;
        const char* error;
    } wrong[] = {
        {{"--year-start", "spring"}, "give --year-start lunar or --year-start lichun"},
        {{"--zi-hour", "late"}, "give --zi-hour same-day or --zi-hour next-day"},
        {{"--longitude", "200"}, "give --longitude as degrees east, from -180 to 180 (116.4)"},
    };
    for (const auto& w : wrong) {
        const CommandRun run = with(w.options);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "zandrel cast: " + std::string(w.error) + "\n");
    }
}

} // namespace
} // namespace zandrel
