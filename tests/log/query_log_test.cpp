#include "log/query_log.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zandrel {
namespace {

using fixtures::LockHolder;
using fixtures::MakeWorldWritable;
using fixtures::RunInChild;
using fixtures::TempDir;

std::tm Time(int year, int month, int day, int hour, int minute, int second, int weekday) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_wday = weekday;
    return t;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kOriginal =
    Lines({"Hexagram 1 Creative Yang Force",
           "Continuing firmly and correctly will lead to great success."});
const std::string kLine = Lines({"Line 1", "It is not a good time to make important decisions."});
const std::string kFinal = Lines(
    {"Hexagram 44 Encounter",
     "Inferior people will gain power if you do not regard them as dangerous. Be aware of this."});
const std::tm kWednesdayMorning = Time(2001, 3, 7, 9, 5, 7, 3);

std::string Entry(const std::string& question) {
    return LogEntryBytes(question, kOriginal, kLine, kFinal, kWednesdayMorning);
}

TEST(LogEntry, HeaderQuestionReplyAndThreeEmptyLinesByteForByte) {
    EXPECT_EQ(Entry("Will the plan work?"),
              Lines({"[Your query on Wednesday, March 07, 2001 09:05:07]", "Will the plan work?",
                     "", "[Auvrel's reply]", "Hexagram 1 Creative Yang Force",
                     "Continuing firmly and correctly will lead to great success.", "Line 1",
                     "It is not a good time to make important decisions.", "Hexagram 44 Encounter",
                     "Inferior people will gain power if you do not regard them as dangerous. Be "
                     "aware of this.",
                     "", "", ""}));
}

TEST(LogEntry, QuestionIsWrittenAsItStands) {
    const std::string head = "[Your query on Wednesday, March 07, 2001 09:05:07]\r\n";
    const std::string reply = "[Auvrel's reply]\r\n";
    for (const std::string question : {"", "100% %s %n %d %%1 %1 \\n {}", "\xe5\x8d\xa6?"}) {
        SCOPED_TRACE(question);
        EXPECT_EQ(Entry(question), head + question + "\r\n\r\n" + reply + kOriginal + kLine +
                                       kFinal + "\r\n\r\n\r\n");
    }
}

TEST(LogEntry, TimeTextHasEnglishNamesAndLeadingZeros) {
    struct Case {
        std::tm time;
        const char* text;
    };
    const Case cases[] = {
        {Time(2001, 3, 7, 9, 5, 7, 3), "Wednesday, March 07, 2001 09:05:07"},
        {Time(2024, 1, 1, 0, 0, 0, 1), "Monday, January 01, 2024 00:00:00"},
        {Time(1999, 12, 31, 23, 59, 59, 5), "Friday, December 31, 1999 23:59:59"},
        {Time(2023, 9, 10, 0, 1, 2, 0), "Sunday, September 10, 2023 00:01:02"},
        {Time(2000, 2, 29, 12, 30, 9, 2), "Tuesday, February 29, 2000 12:30:09"},
        {Time(2005, 7, 2, 10, 10, 10, 6), "Saturday, July 02, 2005 10:10:10"},
        {Time(987, 5, 9, 1, 2, 3, 4), "Thursday, May 09, 0987 01:02:03"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLogTime(c.time), c.text);
    }
}

TEST(LogFile, AppendAppliesTheSizeRule) {
    const std::string entry = Entry("Will the plan work?");
    const std::string small = Entry("earlier");
    const std::string exact(512000, 'x');
    const std::string over(512001, 'x');
    struct Case {
        const char* name;
        bool exists;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"no file", false, "", entry},
        {"empty file", true, "", entry},
        {"earlier entry", true, small, small + entry},
        {"exactly 512000 bytes", true, exact, exact + entry},
        {"512001 bytes", true, over, entry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.exists) {
            dir.Write(kLogFileName, c.before);
        }
        EXPECT_FALSE(AppendLogEntry(dir.Path(), entry).Failed());
        EXPECT_EQ(dir.Read(kLogFileName), c.after);
    }
}

TEST(LogFile, TwoEntriesInARowAreSeparatedByThreeEmptyLines) {
    TempDir dir;
    const std::string first = Entry("first");
    const std::string second = Entry("second");
    ASSERT_FALSE(AppendLogEntry(dir.Path(), first).Failed());
    ASSERT_FALSE(AppendLogEntry(dir.Path(), second).Failed());
    const std::string log = dir.Read(kLogFileName);
    EXPECT_EQ(log, first + second);
    EXPECT_NE(log.find("Be aware of this.\r\n\r\n\r\n\r\n[Your query on"), std::string::npos);
    // The viewer shows a log written by the program unchanged.
    EXPECT_EQ(LoadLogText(dir.Path()), log);
}

TEST(LogFile, EmptyDirectoryMeansTheCurrentDirectory) {
    TempDir dir;
    const std::string cwd = std::filesystem::current_path();
    ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
    const FileError appended = AppendLogEntry("", "entry\r\n");
    const std::string shown = LoadLogText("");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    EXPECT_FALSE(appended.Failed());
    EXPECT_EQ(shown, "entry\r\n");
    EXPECT_EQ(dir.Read(kLogFileName), "entry\r\n");
}

TEST(LogDisplay, EveryLineEndsWithCrLf) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"no line end", "no line end\r\n"},
        {"a\r\nlast", "a\r\nlast\r\n"},
        {"\n\r\n\n", "\r\n\r\n\r\n"},
        {"a\rb\r\n", "a\rb\r\n"}, // a CR inside a line is text
        {"a\r\r\n", "a\r\r\n"},   // only the CR right before LF is part of the line end
        {"tail\r", "tail\r\r\n"}, // a CR at the very end is text too
        {"\r", "\r\r\n"},
        {"a\0b\n\0"s, "a\0b\r\n\0\r\n"s},
        {"\xff\xfe\xc3\n\x80", "\xff\xfe\xc3\r\n\x80\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        EXPECT_EQ(LogDisplayText(c.bytes), c.text);
    }
}

TEST(LogDisplay, LongLinesPassWhole) {
    const std::string line(3'000'000, 'z');
    EXPECT_TRUE(LogDisplayText(line + "\n" + line) == line + "\r\n" + line + "\r\n");
}

// What the viewer shows of the newest bytes of a log, starting `offset` bytes into the file:
// from a line start, after a line that says how much was left out.
TEST(LogView, NewestPartFromALineStart) {
    const struct {
        const char* what;
        std::string newest;
        std::int64_t offset;
        std::string text;
    } cases[] = {
        {"the whole log", "a\nb\n", 0, "a\r\nb\r\n"},
        {"starting inside a line", "rest of a\nb\n", 100,
         "[The first 110 bytes of the log are not shown.]\r\nb\r\n"},
        {"starting right after a line end", "\nb\n", 99,
         "[The first 100 bytes of the log are not shown.]\r\nb\r\n"},
        {"no line start in it at all", "no line end", 7,
         "[The first 18 bytes of the log are not shown.]\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LogViewText(c.newest, c.offset), c.text);
    }
}

TEST(LogView, AtMostTheNewestLines) {
    const std::string lines(kLogViewLines, '\n');
    std::string shown;
    for (std::size_t i = 0; i < kLogViewLines; ++i) {
        shown += "\r\n";
    }
    EXPECT_TRUE(LogViewText(lines, 0) == shown);
    EXPECT_TRUE(LogViewText("old\nolder\n" + lines, 0) ==
                "[The first 10 bytes of the log are not shown.]\r\n" + shown);
    EXPECT_TRUE(LogViewText("old\n" + lines + "last", 0) ==
                "[The first 5 bytes of the log are not shown.]\r\n" + shown.substr(2) + "last\r\n");
}

TEST(LogView, LargeLogsAreReadFromTheirEnd) {
    TempDir dir;
    // A first line of 100 bytes, then lines of 1000 bytes, up to 50 bytes past the cap.
    std::string log(99, 'a');
    log += '\n';
    while (log.size() < kLogViewBytes + 50) {
        log += std::string(999, 'b') + "\n";
    }
    log.resize(kLogViewBytes + 50);
    log.back() = '\n';
    dir.Write(kLogFileName, log);
    const std::string text = LoadLogText(dir.Path());
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "[The first 100 bytes of the log are not shown.]\r\n");
    EXPECT_TRUE(text.substr(text.find('\n') + 1) == LogDisplayText(log.substr(100)));

    // A sparse log of 100 GB: no line start within the newest part.
    TempDir sparse;
    const int fd = ::open(sparse.File(kLogFileName).c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, 100'000'000'000LL), 0);
    ::close(fd);
    EXPECT_EQ(LoadLogText(sparse.Path()),
              "[The first 100000000000 bytes of the log are not shown.]\r\n");
}

TEST(LogDisplay, UnreadableLogShowsNothing) {
    TempDir missing;
    EXPECT_EQ(LoadLogText(missing.Path()), "");

    TempDir empty;
    empty.Write(kLogFileName, "");
    EXPECT_EQ(LoadLogText(empty.Path()), "");

    TempDir directory;
    std::filesystem::create_directory(directory.File(kLogFileName));
    EXPECT_EQ(LoadLogText(directory.Path()), "");

    TempDir locked;
    locked.Write(kLogFileName, "held\r\n");
    LockHolder holder(locked.File(kLogFileName));
    EXPECT_EQ(LoadLogText(locked.Path()), "");
}

TEST(LogReset, EmptiesTheFileWithoutRemovingIt) {
    TempDir missing;
    EXPECT_FALSE(ResetLog(missing.Path()).Failed());
    ASSERT_TRUE(missing.Exists(kLogFileName));
    EXPECT_EQ(missing.Read(kLogFileName), "");

    // A second name for the same file sees the emptying only if the file itself was
    // truncated rather than replaced by a new one.
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    ASSERT_EQ(::link(dir.File(kLogFileName).c_str(), dir.File("alias").c_str()), 0);
    EXPECT_FALSE(ResetLog(dir.Path()).Failed());
    EXPECT_EQ(dir.Read(kLogFileName), "");
    EXPECT_EQ(dir.Read("alias"), "");

    ASSERT_FALSE(AppendLogEntry(dir.Path(), Entry("new")).Failed());
    EXPECT_EQ(dir.Read(kLogFileName), Entry("new"));
}

// Faults made for real. Every one leaves the log's previous bytes exactly as they were.

using Operation = FileError (*)(const std::string&);
FileError Append(const std::string& directory) {
    return AppendLogEntry(directory, Entry("Will the plan work?"));
}

struct OperationCase {
    const char* name;
    Operation run;
};
const OperationCase kOperations[] = {{"append", Append}, {"reset", ResetLog}};

TEST(LogFaults, AnotherProcessHoldingTheLogIsASharingViolation) {
    const std::string old = Entry("old");
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        TempDir dir;
        dir.Write(kLogFileName, old);
        {
            LockHolder holder(dir.File(kLogFileName));
            const FileError error = op.run(dir.Path());
            EXPECT_EQ(error.cause, FileCause::SharingViolation);
            EXPECT_EQ(error.Message(), "A sharing violation occurred while accessing auvrel.log.");
        }
        EXPECT_EQ(dir.Read(kLogFileName), old);
    }
}

TEST(LogFaults, DirectoryInPlaceOfTheLogIsAccessDenied) {
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        TempDir dir;
        std::filesystem::create_directory(dir.File(kLogFileName));
        dir.Write(std::string(kLogFileName) + "/inside", "kept");
        const FileError error = op.run(dir.Path());
        EXPECT_EQ(error.Message(), "Access to auvrel.log was denied.");
        EXPECT_EQ(dir.Read(std::string(kLogFileName) + "/inside"), "kept");
    }
}

TEST(LogFaults, ReadOnlyLogIsAccessDenied) {
    const std::string old = Entry("old");
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        TempDir dir;
        // Only the file is protected; the directory itself stays open to the child.
        MakeWorldWritable(dir.Path());
        dir.Write(kLogFileName, old);
        ASSERT_EQ(::chmod(dir.File(kLogFileName).c_str(), 0444), 0);
        const FileError error = RunInChild([&] { return op.run(dir.Path()); }, -1, true);
        EXPECT_EQ(error.cause, FileCause::AccessDenied);
        EXPECT_EQ(error.Message(), "Access to auvrel.log was denied.");
        EXPECT_EQ(dir.Read(kLogFileName), old);
    }
}

TEST(LogFaults, FullDiskCutsTheTornEntryOff) {
    const std::string entry = Entry("Will the plan work?");
    const std::string old = Entry("old");
    struct Case {
        const char* name;
        bool exists;
        std::string before;
        long limit;
        std::string after;
    };
    const Case cases[] = {
        // The write gets part of the entry out before the device is full.
        {"part of the entry fits", true, old, static_cast<long>(old.size()) + 40, old},
        {"nothing fits", true, old, static_cast<long>(old.size()), old},
        {"new log", false, "", 40, ""},
        // The size rule emptied the log on purpose; the failed entry leaves it empty.
        {"after the size rule", true, std::string(512001, 'x'), 40, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.exists) {
            dir.Write(kLogFileName, c.before);
        }
        const FileError error =
            RunInChild([&] { return AppendLogEntry(dir.Path(), entry); }, c.limit);
        EXPECT_EQ(error.cause, FileCause::DiskFull);
        EXPECT_EQ(error.Message(), "Disk full while accessing " + dir.File(kLogFileName) + ".");
        EXPECT_EQ(dir.Read(kLogFileName), c.after);
    }
}

} // namespace
} // namespace zandrel
