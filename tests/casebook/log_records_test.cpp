// The case book beside the query log: a log imported any number of times, in any time zone,
// keeps what the user wrote; a log entry whose record a kill cut off gets its record when the
// book is next opened; a record the user removed stays removed.

#include "casebook/case_book.h"
#include "casebook/exchange.h"
#include "casebook/log_records.h"
#include "log/query_log.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

namespace zandrel {
namespace {

using fixtures::OpenOk;
using fixtures::TempDir;

std::tm Moment(int day, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 2;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    // The weekday, as the log writes it.
    std::tm copy = time;
    std::mktime(&copy);
    time.tm_wday = copy.tm_wday;
    return time;
}

std::string Entry(const std::string& question, const std::tm& time) {
    return LogEntryBytes(question, "Hexagram 35 Progress\r\ntext\r\n", "Line 2\r\nline\r\n",
                         "Hexagram 64 Before Completion\r\nfinal\r\n", time);
}

// The record a cast made at `time` (local, in this process's zone) leaves, with `question`.
CaseRecord CastRecord(const std::string& question, const std::tm& time) {
    const std::string bytes = Entry(question, time);
    CaseRecord record = CaseRecordOfLogEntry(ReadLogEntries(bytes).front());
    record.id = NewCaseId();
    record.method = "numbers";
    record.inputs = "{\"numbers\":[1,2]}";
    record.modifiedUtc = CaseStampNow();
    return record;
}

// Sets the time zone of this process for the life of the object.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (saved_) {
            ::setenv("TZ", saved_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

// A log imported again is the same records: nothing the user wrote in them is replaced, in the
// zone the casts were made in or in any other.
TEST(LogRecords, ALogImportedAgainKeepsWhatTheUserWrote) {
    const TempDir dir;
    const std::string log =
        Entry("Will it rain?", Moment(7, 9, 5, 7)) + Entry("Shall I move?", Moment(7, 23, 30, 0));
    {
        const TimeZone zone("Asia/Shanghai");
        auto book = OpenOk(dir.Path());
        // The program recorded the second cast itself when it was made.
        ASSERT_TRUE(book->Add(CastRecord("Shall I move?", Moment(7, 23, 30, 0)), nullptr));
        ImportCounts counts;
        ASSERT_TRUE(book->Merge(CaseRecordsOfLog(log), &counts, nullptr));
        EXPECT_EQ(counts.added, 1);
        EXPECT_EQ(counts.skipped, 1);
        const std::string id = book->Page({.search = "rain"}, 0, 1).at(0).id;
        ASSERT_TRUE(book->SetNotes(id, "it poured", nullptr));
        ASSERT_TRUE(book->SetOutcome(id, Verdict::True, "2026-03-08", "rain all day", nullptr));
    }
    for (const char* zone : {"Asia/Shanghai", "America/New_York", "Europe/Berlin"}) {
        SCOPED_TRACE(zone);
        const TimeZone inZone(zone);
        auto book = OpenOk(dir.Path());
        ImportCounts counts;
        ASSERT_TRUE(book->Merge(CaseRecordsOfLog(log), &counts, nullptr));
        EXPECT_EQ(counts.added, 0);
        EXPECT_EQ(counts.updated, 0);
        EXPECT_EQ(counts.skipped, 2);
        EXPECT_EQ(book->Count({}), 2);
        const CaseRecord kept = *book->Find(book->Page({.search = "rain"}, 0, 1).at(0).id);
        EXPECT_EQ(kept.notes, "it poured");
        EXPECT_EQ(kept.verdict, Verdict::True);
        EXPECT_EQ(kept.outcomeWhat, "rain all day");
    }
}

// A process killed between its log entry and its record leaves the entry alone; the next open
// of the book gives it its record. One the user removed is not brought back, and the casts of
// before the book was made are not taken in unasked.
TEST(LogRecords, AnEntryWithoutItsRecordGetsItWhenTheBookIsNextOpened) {
    const TempDir dir;
    std::time_t now = std::time(nullptr);
    const auto logged = [&](const std::string& question) {
        now += 1;
        std::tm local{};
        ::localtime_r(&now, &local);
        EXPECT_FALSE(AppendLogEntry(dir.Path(), Entry(question, local)).Failed());
        return local;
    };
    // Cast long before there was a book: the user may import it, but it is not added unasked.
    ASSERT_FALSE(AppendLogEntry(dir.Path(), Entry("an old cast", Moment(1, 8, 0, 0))).Failed());
    logged("its process died before the book was made");
    {
        auto book = OpenOk(dir.Path());
        EXPECT_EQ(book->Count({}), 1);
        EXPECT_EQ(book->Count({.search = "died before"}), 1);
        EXPECT_EQ(book->Find(book->Page({}, 0, 1).at(0).id)->method, kLogMethod);
    }
    // Recorded as usual while the book is open; then removed by the user.
    {
        auto book = OpenOk(dir.Path());
        const std::tm recordedAt = logged("recorded");
        const std::tm removedAt = logged("removed");
        ASSERT_TRUE(book->Add(CastRecord("recorded", recordedAt), nullptr));
        ASSERT_TRUE(book->Add(CastRecord("removed", removedAt), nullptr));
        ASSERT_TRUE(book->Remove(book->Page({.search = "removed"}, 0, 1).at(0).id, nullptr));
    }
    logged("its process died before its record");
    auto book = OpenOk(dir.Path());
    EXPECT_EQ(book->Count({}), 3);
    EXPECT_EQ(book->Count({.search = "recorded"}), 1);
    EXPECT_EQ(book->Count({.search = "removed"}), 0);
    EXPECT_EQ(book->Count({.search = "before its record"}), 1);
    EXPECT_EQ(book->Count({.search = "an old cast"}), 0);
}

// The record of a cast that reaches the book after the log was compared with it takes the place
// of the record the entry gave, keeping its id (a window may hold it by it) and what the user
// wrote there meanwhile.
TEST(LogRecords, TheCastsOwnRecordReplacesTheOneItsEntryGave) {
    const TempDir dir;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    ASSERT_FALSE(AppendLogEntry(dir.Path(), Entry("late record", local)).Failed());
    auto book = OpenOk(dir.Path());
    ASSERT_EQ(book->Count({}), 1);
    const std::string fromLog = book->Page({}, 0, 1).at(0).id;
    ASSERT_TRUE(book->SetNotes(fromLog, "written before the record came", nullptr));
    const CaseRecord cast = CastRecord("late record", local);
    ASSERT_TRUE(book->Add(cast, nullptr));
    EXPECT_EQ(book->Count({}), 1);
    const std::optional<CaseRecord> kept = book->Find(fromLog);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->method, "numbers");
    EXPECT_EQ(kept->inputs, cast.inputs);
    EXPECT_EQ(kept->notes, "written before the record came");
}

// The comparison reads only what was written since the last one, and follows the log when it
// starts again as the size rule says: the entries of both generations get their records.
TEST(LogRecords, TheComparisonFollowsTheLogAcrossItsSizeRule) {
    const TempDir dir;
    std::time_t now = std::time(nullptr);
    int written = 0;
    const auto logged = [&](const std::string& question) {
        now += 1;
        std::tm local{};
        ::localtime_r(&now, &local);
        ASSERT_FALSE(AppendLogEntry(dir.Path(), Entry(question, local)).Failed());
        ++written;
    };
    logged("first");
    OpenOk(dir.Path()).reset();
    // Enough entries that the log starts again while no book is open.
    const std::string question(2000, 'q');
    while (!dir.Exists(kOlderLogFileName) || dir.Read(kLogFileName).size() < 20000) {
        logged(question + std::to_string(written));
    }
    auto book = OpenOk(dir.Path());
    const std::string olderLog = dir.Read(kOlderLogFileName);
    const std::string newerLog = dir.Read(kLogFileName);
    EXPECT_EQ(static_cast<int>(ReadLogEntries(olderLog).size() + ReadLogEntries(newerLog).size()),
              written);
    EXPECT_EQ(book->Count({}), written);
}

// A cast is killed at every system call from its log entry to its record: whatever it left,
// each entry of the log has its record once the book is next opened, and the book is whole.
TEST(CaseBookKills, EveryLogEntryHasItsRecordWhereverACastIsKilled) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a test trace its child";
    }
    std::time_t now = std::time(nullptr);
    std::tm earlier{};
    ::localtime_r(&now, &earlier);
    now += 1;
    std::tm at{};
    ::localtime_r(&now, &at);
    // A book and a log with one cast in each, made once and copied for each run.
    std::string book;
    std::string log;
    {
        const TempDir made;
        ASSERT_FALSE(AppendLogEntry(made.Path(), Entry("earlier", earlier)).Failed());
        OpenOk(made.Path())->Add(CastRecord("earlier", earlier), nullptr);
        book = made.Read(kCaseBookFileName);
        log = made.Read(kLogFileName);
    }
    const CaseRecord record = CastRecord("killed", at);
    int runs = 0;
    for (int call = 1;; ++call) {
        SCOPED_TRACE(::testing::Message() << "killed at call " << call);
        const TempDir dir;
        dir.Write(kCaseBookFileName, book);
        dir.Write(kLogFileName, log);
        int index = 0;
        const bool killed =
            fixtures::RunTraced(
                [&] {
                    // What a cast does: the entry, then the record.
                    if (AppendLogEntry(dir.Path(), Entry("killed", at)).Failed()) {
                        return FileError{FileCause::Generic, "not logged"};
                    }
                    if (auto opened = CaseBook::Open(dir.Path(), nullptr)) {
                        opened->Add(record, nullptr);
                    }
                    return FileError{};
                },
                [&](int, long) {
                    return ++index == call ? fixtures::AtSyscall::Kill : fixtures::AtSyscall::Run;
                })
                .killed;
        ++runs;
        const std::string logged = dir.Read(kLogFileName);
        const std::vector<LogEntry> entries = ReadLogEntries(logged);
        auto reopened = OpenOk(dir.Path());
        ASSERT_TRUE(reopened);
        EXPECT_EQ(reopened->Count({}), static_cast<std::int64_t>(entries.size()));
        for (const LogEntry& entry : entries) {
            CaseBookError error;
            EXPECT_EQ(reopened->Count({.search = std::string(entry.question)}, &error), 1)
                << entry.question << ": " << error.detail;
        }
        reopened.reset();
        EXPECT_EQ(fixtures::IntegrityOf(dir.File(kCaseBookFileName)), "ok\n");
        if (!killed) {
            break;
        }
    }
    EXPECT_GT(runs, 20);
}

} // namespace
} // namespace zandrel
