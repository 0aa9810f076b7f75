#include "log/query_log.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
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

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

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
    const std::string previous = Entry("the previous older generation");
    struct Case {
        const char* name;
        std::optional<std::string> before;
        std::optional<std::string> olderBefore;
        std::string after;
        std::optional<std::string> olderAfter;
    };
    const Case cases[] = {
        {"no file", {}, {}, entry, {}},
        {"empty file", "", {}, entry, {}},
        {"earlier entry", small, {}, small + entry, {}},
        {"exactly 512000 bytes", exact, previous, exact + entry, previous},
        // The full log is kept whole as the older generation, replacing the previous one.
        {"512001 bytes", over, {}, entry, over},
        {"512001 bytes and an older generation", over, previous, entry, over},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.before) {
            dir.Write(kLogFileName, *c.before);
        }
        if (c.olderBefore) {
            dir.Write(kOlderLogFileName, *c.olderBefore);
        }
        EXPECT_FALSE(AppendLogEntry(dir.Path(), entry).Failed());
        EXPECT_EQ(dir.Read(kLogFileName), c.after);
        ASSERT_EQ(dir.Exists(kOlderLogFileName), c.olderAfter.has_value());
        if (c.olderAfter) {
            EXPECT_TRUE(dir.Read(kOlderLogFileName) == *c.olderAfter);
        }
    }
}

// The new log gets the old one's mode exactly, even where the umask would narrow it, and its
// group (which root may give).
TEST(LogFile, NewLogAfterTheSizeRuleKeepsTheModeAndGroupOfTheOldOne) {
    TempDir dir;
    dir.Write(kLogFileName, std::string(512001, 'x'));
    ASSERT_EQ(::chmod(dir.File(kLogFileName).c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.File(kLogFileName).c_str(), 0, 4242), 0);
    }
    const mode_t umaskBefore = ::umask(077);
    const FileError error = AppendLogEntry(dir.Path(), Entry("private"));
    ::umask(umaskBefore);
    ASSERT_FALSE(error.Failed());
    struct stat st {};
    ASSERT_EQ(::stat(dir.File(kLogFileName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_gid, 4242u);
    }
    EXPECT_EQ(dir.Read(kLogFileName), Entry("private"));
}

// A first log holds the user's questions: it is made readable by its owner alone, whatever
// the umask; one that is there keeps its mode.
TEST(LogFile, AFirstLogIsItsOwnersAlone) {
    TempDir dir;
    const mode_t umaskBefore = ::umask(0);
    const FileError made = AppendLogEntry(dir.Path(), Entry("first"));
    ASSERT_EQ(::chmod(dir.File(kLogFileName).c_str(), 0644), 0);
    const FileError appended = AppendLogEntry(dir.Path(), Entry("second"));
    ::umask(umaskBefore);
    ASSERT_FALSE(made.Failed());
    ASSERT_FALSE(appended.Failed());
    struct stat st {};
    ASSERT_EQ(::stat(dir.File(kLogFileName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    TempDir fresh;
    const mode_t before = ::umask(0);
    ASSERT_FALSE(AppendLogEntry(fresh.Path(), Entry("first")).Failed());
    ::umask(before);
    ASSERT_EQ(::stat(fresh.File(kLogFileName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
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

TEST(LogReset, EmptiesTheFileWithoutRemovingItAndRemovesTheOlderGeneration) {
    TempDir missing;
    EXPECT_FALSE(ResetLog(missing.Path()).Failed());
    ASSERT_TRUE(missing.Exists(kLogFileName));
    EXPECT_EQ(missing.Read(kLogFileName), "");

    // A second name for the same file sees the emptying only if the file itself was
    // truncated rather than replaced by a new one.
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    dir.Write(kOlderLogFileName, Entry("older"));
    ASSERT_EQ(::link(dir.File(kLogFileName).c_str(), dir.File("alias").c_str()), 0);
    EXPECT_FALSE(ResetLog(dir.Path()).Failed());
    EXPECT_EQ(dir.Read(kLogFileName), "");
    EXPECT_EQ(dir.Read("alias"), "");
    EXPECT_FALSE(dir.Exists(kOlderLogFileName));

    ASSERT_FALSE(AppendLogEntry(dir.Path(), Entry("new")).Failed());
    EXPECT_EQ(dir.Read(kLogFileName), Entry("new"));
}

TEST(LogReset, OlderGenerationThatCannotGoLeavesBothAsTheyWere) {
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    std::filesystem::create_directory(dir.File(kOlderLogFileName));
    const FileError error = ResetLog(dir.Path());
    EXPECT_EQ(error.Message(), "Access to auvrel.log.1 was denied.");
    EXPECT_EQ(dir.Read(kLogFileName), Entry("old"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File(kOlderLogFileName)));
}

// Faults made for real. Every one leaves the log's previous bytes exactly as they were.

using Operation = FileError (*)(const std::string&);
FileError Append(const std::string& directory) {
    return AppendLogEntry(directory, Entry("Will the plan work?"));
}

struct OperationCase {
    const char* name;
    Operation run;
    std::string after; // what it makes of a log that holds Entry("old")
};
const OperationCase kOperations[] = {
    {"append", Append, Entry("old") + Entry("Will the plan work?")},
    {"reset", ResetLog, ""},
};

// Another copy holding the log for longer than an operation waits.
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
    const std::string over(512001, 'x');
    struct Case {
        const char* name;
        bool exists;
        std::string before;
        long limit;
        std::string after;
        std::optional<std::string> older;
    };
    const Case cases[] = {
        // The write gets part of the entry out before the device is full.
        {"part of the entry fits", true, old, static_cast<long>(old.size()) + 40, old, {}},
        {"nothing fits", true, old, static_cast<long>(old.size()), old, {}},
        {"new log", false, "", 40, "", {}},
        // The size rule kept the full log as the older generation; the failed entry leaves
        // the new log empty.
        {"after the size rule", true, over, 40, "", over},
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
        ASSERT_EQ(dir.Exists(kOlderLogFileName), c.older.has_value());
        if (c.older) {
            EXPECT_TRUE(dir.Read(kOlderLogFileName) == *c.older);
        }
    }
}

// Where the full log cannot become the older generation, the entry joins it as it is: nothing
// is lost, and the next entry tries again. A folder that refuses new files keeps taking entries.
TEST(LogFaults, LogThatCannotBeRenamedTakesTheEntryAsItIs) {
    const std::string entry = Entry("Will the plan work?");
    const std::string small = Entry("old");
    const std::string over(512001, 'x');
    const std::string older = Entry("older");
    struct Case {
        const char* name;
        std::string before;
        bool olderIsDirectory;
        bool readOnlyFolder;
    };
    const Case cases[] = {
        {"a directory in the older generation's place", over, true, false},
        {"a folder that refuses changes", over, false, true},
        {"a folder that refuses changes, a small log", small, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write(kLogFileName, c.before);
        if (c.olderIsDirectory) {
            std::filesystem::create_directory(dir.File(kOlderLogFileName));
        } else {
            dir.Write(kOlderLogFileName, older);
        }
        if (c.readOnlyFolder) {
            ASSERT_EQ(::chmod(dir.File(kLogFileName).c_str(), 0666), 0);
            ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
        }
        const FileError error =
            RunInChild([&] { return AppendLogEntry(dir.Path(), entry); }, -1, c.readOnlyFolder);
        EXPECT_FALSE(error.Failed()) << error.Message();
        EXPECT_TRUE(dir.Read(kLogFileName) == c.before + entry);
        if (c.olderIsDirectory) {
            EXPECT_TRUE(std::filesystem::is_directory(dir.File(kOlderLogFileName)));
        } else {
            EXPECT_EQ(dir.Read(kOlderLogFileName), older);
        }
    }
}

TEST(LogFaults, FileSystemWithoutNotesStillTakesEntries) {
    if (!fixtures::CanFailSyscalls()) {
        GTEST_SKIP() << "this machine cannot make system calls fail in a child";
    }
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    fixtures::ChildOptions options;
    options.failingCalls = {{fixtures::Syscall::Xattr, EOPNOTSUPP}};
    const FileError error =
        RunInChild([&] { return AppendLogEntry(dir.Path(), Entry("new")); }, options);
    EXPECT_FALSE(error.Failed()) << error.Message();
    EXPECT_EQ(dir.Read(kLogFileName), Entry("old") + Entry("new"));
    EXPECT_EQ(LoadLogText(dir.Path()), Entry("old") + Entry("new"));
}

// An entry is on the disk before the append returns: where the disk does not take it, the
// append fails and the log is as it was, so that no record of the cast outlives its entry.
TEST(LogFaults, AnEntryTheDiskDidNotTakeIsNotLogged) {
    if (!fixtures::CanFailSyscalls()) {
        GTEST_SKIP() << "this machine cannot make system calls fail in a child";
    }
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    fixtures::ChildOptions options;
    options.failingCalls = {{fixtures::Syscall::Fsync, EIO}};
    const FileError error =
        RunInChild([&] { return AppendLogEntry(dir.Path(), Entry("new")); }, options);
    EXPECT_EQ(error.cause, FileCause::HardIO);
    EXPECT_EQ(dir.Read(kLogFileName), Entry("old"));
}

// Another copy of the program renames the log to the older generation and starts a new one
// after this append opened the log but before it locked it: the entry goes to the new log.
TEST(LogRaces, AppendFollowsTheLogRenamedBeforeItsLock) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a test trace its child";
    }
    TempDir dir;
    dir.Write(kLogFileName, Entry("old"));
    bool renamed = false;
    fixtures::RunTraced([&] { return AppendLogEntry(dir.Path(), Entry("mine")); },
                        [&](int, long number) {
                            if (number == SYS_flock && !renamed) {
                                renamed = true;
                                std::filesystem::rename(dir.File(kLogFileName),
                                                        dir.File(kOlderLogFileName));
                                dir.Write(kLogFileName, Entry("theirs"));
                            }
                            return fixtures::AtSyscall::Run;
                        });
    ASSERT_TRUE(renamed);
    EXPECT_EQ(dir.Read(kOlderLogFileName), Entry("old"));
    EXPECT_EQ(dir.Read(kLogFileName), Entry("theirs") + Entry("mine"));
}

// Another copy holds the log while it writes: an operation waits for it instead of failing. The
// other copy lets go once the operation has started to wait, however long that took.
TEST(LogRaces, OperationsWaitForACopyThatHoldsTheLog) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a test trace its child";
    }
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        TempDir dir;
        dir.Write(kLogFileName, Entry("old"));
        LockHolder holder(dir.File(kLogFileName));
        bool released = false;
        const fixtures::TracedRun run =
            fixtures::RunTraced([&] { return op.run(dir.Path()); },
                                [&](int, long number) {
                                    if (fixtures::IsPause(number) && !released) {
                                        holder.Release();
                                        released = true;
                                    }
                                    return fixtures::AtSyscall::Run;
                                });
        ASSERT_TRUE(released) << "the operation never waited";
        EXPECT_FALSE(run.error.Failed()) << run.error.Message();
        EXPECT_EQ(dir.Read(kLogFileName), op.after);
    }
}

// A process killed at any system call of an append, or in the middle of the write of a long
// entry, leaves whole entries only, as the viewer sees it and as the next append leaves it.
TEST(LogKills, KilledAppendLeavesWholeEntriesOnly) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a test trace its child";
    }
    // The entry of a reading with long custom texts spans many pages.
    const std::string killed = LogEntryBytes(
        "long", "Hexagram 1 " + std::string(20000, 'a') + "\r\n", kLine, kFinal, kWednesdayMorning);
    const std::string next = Entry("next");
    std::string full;
    while (!LogNeedsReset(static_cast<std::int64_t>(full.size()))) {
        full += Entry("old");
    }
    const std::string small = Entry("old");
    const std::string previous = Entry("previous");
    struct Case {
        const char* name;
        std::string log;
        mode_t mode; // of the log, and of a new log that takes its place
        bool readOnlyFolder;
        // What the log may hold after the kill and after the next append, and what the older
        // generation holds then.
        std::vector<std::string> afterKill;
        std::vector<std::string> afterNext;
        std::optional<std::string> older;
    };
    const Case cases[] = {
        {"append",
         small,
         0600,
         false,
         {small, small + killed},
         {small + next, small + killed + next},
         {}},
        {"append in a folder that refuses new files",
         small,
         0666,
         true,
         {small, small + killed},
         {small + next, small + killed + next},
         {}},
        {"append after the size rule",
         full,
         0600,
         false,
         {full, "", killed},
         {next, killed + next},
         full},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto prepare = [&](const TempDir& dir) {
            dir.Write(kLogFileName, c.log);
            dir.Write(kOlderLogFileName, previous);
            ASSERT_EQ(::chmod(dir.File(kLogFileName).c_str(), c.mode), 0);
            if (c.readOnlyFolder) {
                ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
            }
        };
        // One run of the append, its calls decided by `decide`, then the next append; false
        // when the append ran to its end.
        int torn = 0;
        const auto killedRun = [&](const std::function<fixtures::AtSyscall(long)>& decide) {
            TempDir dir;
            prepare(dir);
            fixtures::ChildOptions options;
            options.dropRoot = c.readOnlyFolder;
            const bool wasKilled =
                fixtures::RunTraced([&] { return AppendLogEntry(dir.Path(), killed); },
                                    [&](int, long number) { return decide(number); }, options)
                    .killed;
            const std::string raw = dir.Exists(kLogFileName) ? dir.Read(kLogFileName) : "";
            bool whole = false;
            bool shown = false;
            const std::string view = LoadLogText(dir.Path());
            for (const auto& log : c.afterKill) {
                whole = whole || raw == log;
                shown = shown || view == LogViewText(log, 0);
            }
            torn += whole ? 0 : 1;
            EXPECT_TRUE(shown) << "the viewer shows part of an entry";
            if (dir.Exists(kLogFileName)) {
                EXPECT_EQ(ModeOf(dir.File(kLogFileName)), c.mode) << "after the kill";
            }

            EXPECT_FALSE(AppendLogEntry(dir.Path(), next).Failed());
            const std::string after = dir.Read(kLogFileName);
            bool expected = false;
            for (const auto& log : c.afterNext) {
                expected = expected || after == log;
            }
            EXPECT_TRUE(expected) << "the log holds more or less than whole entries, "
                                  << after.size() << " bytes";
            EXPECT_EQ(ModeOf(dir.File(kLogFileName)), c.mode) << "after the next append";
            EXPECT_EQ(dir.Read(kOlderLogFileName), c.older.value_or(previous));
            std::vector<std::string> names = {kLogFileName, kOlderLogFileName};
            std::sort(names.begin(), names.end());
            EXPECT_EQ(dir.Entries(), names);
            return wasKilled;
        };
        // Killed before its first call, its second, ... until it runs to its end. The calls
        // are counted afresh in each run: a sanitizer may add calls of its own.
        for (int at = 1;; ++at) {
            SCOPED_TRACE(::testing::Message() << "killed at call " << at);
            int index = 0;
            if (!killedRun([&](long) {
                    return ++index == at ? fixtures::AtSyscall::Kill : fixtures::AtSyscall::Run;
                })) {
                break;
            }
        }
        // Killed halfway through its first write, its second, ...
        for (int at = 1;; ++at) {
            SCOPED_TRACE(::testing::Message() << "killed halfway through write " << at);
            int writes = 0;
            if (!killedRun([&](long number) {
                    const bool write = number == SYS_write || number == SYS_pwrite64;
                    return write && ++writes == at ? fixtures::AtSyscall::TearAndKill
                                                   : fixtures::AtSyscall::Run;
                })) {
                break;
            }
        }
        // The half-written runs did leave part of an entry on disk for the next append.
        EXPECT_GT(torn, 0);
    }
}

} // namespace
} // namespace zandrel
