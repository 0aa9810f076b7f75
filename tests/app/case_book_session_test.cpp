// The session's side of the case book: the records of logged casts, a log imported beside them,
// and a case book that cannot be used, which never stops a cast.

#include "app/session.h"
#include "casebook/case_book.h"
#include "casebook/error.h"
#include "casebook/exchange.h"
#include "casebook/recorder.h"
#include "log/query_log.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zandrel {
namespace {

using fixtures::OpenOk;
using fixtures::Record;
using fixtures::TempDir;

// A log's entries become records once, and those the program recorded itself are not doubled.
TEST(CaseBook, QueryLogImportsOnceBesideTheRecordsOfItsOwnCasts) {
    const TempDir dir;
    Session session(dir.Path(), Language::English);
    const std::optional<CastResult> cast = session.Cast(GeneralDraw{{3, 5, 4}}, "recorded");
    ASSERT_TRUE(cast.has_value());
    ASSERT_FALSE(session.Log(*cast).Failed());
    session.FlushCaseBook();
    std::tm time{};
    time.tm_year = 2001 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 7;
    time.tm_wday = 3;
    const std::string old =
        LogEntryBytes("old one", "Hexagram 1 Creative\r\nx\r\n", "Line 1\r\ny\r\n", "", time) +
        // Texts that look like the frame do not split an entry.
        LogEntryBytes("\r\n\r\n[Your query on Wednesday, March 07, 2001 00:00:00]", "a\r\n",
                      "\r\n\r\n\r\n", "b\r\n", time);
    const std::string log = old + dir.Read(kLogFileName);
    // The entries are views into the bytes they were read from, which outlive them.
    const std::string torn = log + old.substr(0, 40);
    const std::vector<LogEntry> entries = ReadLogEntries(torn);
    ASSERT_EQ(entries.size(), 3U) << "the torn entry at the end is left out";
    EXPECT_EQ(entries[0].question, "old one");
    EXPECT_EQ(entries[0].readingText, "Hexagram 1 Creative\r\nx\r\nLine 1\r\ny\r\n");
    EXPECT_EQ(entries[1].readingText, "a\r\n\r\n\r\n\r\nb\r\n");
    EXPECT_EQ(entries[2].question, "recorded");

    auto book = OpenOk(dir.Path());
    ImportCounts counts;
    ASSERT_TRUE(book->Merge(ReadCaseImport(log).records, &counts, nullptr));
    EXPECT_EQ(counts.added, 2);
    EXPECT_EQ(counts.skipped, 1) << "the cast the session recorded";
    ASSERT_TRUE(book->Merge(ReadCaseImport(log).records, &counts, nullptr));
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(book->Count({}), 3);
    EXPECT_EQ(book->Count({.search = "old one"}), 1);
}

// Files the case book cannot use are told apart, and left exactly as they were.
TEST(CaseBookFaults, AFileItCannotUseIsReportedAndLeftAlone) {
    const TempDir source;
    {
        auto book = OpenOk(source.Path());
        for (int n = 0; n < 200; ++n) {
            ASSERT_TRUE(book->Add(Record(n), nullptr));
        }
    }
    ASSERT_EQ(std::system(("sqlite3 '" + source.File(kCaseBookFileName) +
                           "' 'PRAGMA wal_checkpoint(TRUNCATE)' >/dev/null")
                              .c_str()),
              0);
    const std::string whole = source.Read(kCaseBookFileName);
    ASSERT_GT(whole.size(), 40000U);
    std::string overwritten = whole;
    for (std::size_t i = 0; i < 4096; ++i) {
        overwritten[whole.size() / 2 / 4096 * 4096 + i] = static_cast<char>(i * 7919 % 251);
    }
    const auto sqliteFile = [](const char* sql) {
        const TempDir temp;
        EXPECT_EQ(std::system(("sqlite3 '" + temp.File("x") + "' \"" + sql + "\"").c_str()), 0);
        return temp.Read("x");
    };
    const struct {
        const char* name;
        std::string bytes;
        CaseBookError::Kind kind;
    } cases[] = {
        {"a text file", "[Your query on ...]\r\n", CaseBookError::Kind::NotACaseBook},
        {"another program's database", sqliteFile("CREATE TABLE t (x)"),
         CaseBookError::Kind::NotACaseBook},
        {"a newer case book",
         sqliteFile("PRAGMA application_id = 1514357297; "
                    "PRAGMA user_version = 99; CREATE TABLE t (x)"),
         CaseBookError::Kind::NewerVersion},
        {"cut short", whole.substr(0, whole.size() / 2), CaseBookError::Kind::Damaged},
        {"a page overwritten", overwritten, CaseBookError::Kind::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir dir;
        dir.Write(kCaseBookFileName, c.bytes);
        CaseBookError error;
        EXPECT_EQ(CaseBook::Open(dir.Path(), &error), nullptr);
        EXPECT_EQ(error.kind, c.kind) << error.detail;
        EXPECT_EQ(error.path, dir.File(kCaseBookFileName));

        // A cast goes ahead, logged; the problem is told once; the file stays as it was.
        Session session(dir.Path(), Language::English);
        const std::optional<CastResult> cast = session.Cast(GeneralDraw{{1, 2, 3}}, "q");
        ASSERT_FALSE(session.Log(*cast).Failed());
        ASSERT_FALSE(session.Log(*cast).Failed());
        session.FlushCaseBook();
        const std::optional<CaseBookError> told = session.TakeCaseBookProblem();
        ASSERT_TRUE(told.has_value());
        EXPECT_EQ(told->kind, c.kind);
        EXPECT_FALSE(session.TakeCaseBookProblem().has_value());
        EXPECT_TRUE(dir.Read(kCaseBookFileName) == c.bytes);
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{kLogFileName, kCaseBookFileName}));
    }
}

TEST(CaseBookFaults, AReadOnlyFolderIsReportedAndTheCastStillLogged) {
    const TempDir dir;
    dir.Write(kLogFileName, "");
    fixtures::MakeWorldWritable(dir.File(kLogFileName));
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    const FileError result = fixtures::RunInChild(
        [&] {
            Session session(dir.Path(), Language::English);
            const FileError logged = session.Log(*session.Cast(GeneralDraw{{1, 2, 3}}, "q"));
            session.FlushCaseBook();
            const std::optional<CaseBookError> told = session.TakeCaseBookProblem();
            if (logged.Failed() || !told || told->kind != CaseBookError::Kind::CannotOpen) {
                return FileError{FileCause::Generic, "unexpected"};
            }
            return FileError{};
        },
        -1, true);
    EXPECT_FALSE(result.Failed()) << result.name;
    EXPECT_NE(dir.Read(kLogFileName).find("]\r\nq\r\n"), std::string::npos);
    EXPECT_FALSE(dir.Exists(kCaseBookFileName));
}

// A cast that the log refused (another copy held it too long) is not recorded either: the
// case book keeps what the log keeps.
TEST(CaseBookSession, ACastTheLogRefusedIsNotRecorded) {
    const TempDir dir;
    dir.Write(kLogFileName, "");
    Session session(dir.Path(), Language::English);
    {
        const fixtures::LockHolder holder(dir.File(kLogFileName));
        EXPECT_TRUE(session.Log(*session.Cast(GeneralDraw{{1, 2, 3}}, "refused")).Failed());
    }
    ASSERT_FALSE(session.Log(*session.Cast(GeneralDraw{{1, 2, 3}}, "logged")).Failed());
    session.FlushCaseBook();
    auto book = OpenOk(dir.Path());
    EXPECT_EQ(book->Count({}), 1);
    EXPECT_EQ(book->Count({.search = "refused"}), 0);
}

// The window with its case book open and its own casts, beside casts from a terminal that are
// killed at random moments, and closed: nothing is lost, each log entry has its record, the
// book is whole, and the window was never told of a problem that was not there.
TEST(CaseBookRaces, TheWindowBesideKilledTerminalCastsLosesNothing) {
    const char* asked = std::getenv("ZANDREL_STRESS_RUNS");
    const int runs = asked != nullptr ? std::atoi(asked) : 6;
    for (int run = 0; run < runs; ++run) {
        const unsigned seed = 20261211u + static_cast<unsigned>(run);
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        const TempDir dir;
        std::vector<std::string> windowCasts;
        {
            Session window(dir.Path(), Language::English);
            auto caseBook = OpenOk(dir.Path());
            std::vector<pid_t> terminals;
            for (int step = 0; step < 14; ++step) {
                switch (random() % 3) {
                case 0: {
                    windowCasts.push_back("window <" + std::to_string(step) + ">");
                    const std::optional<CastResult> cast =
                        window.Cast(GeneralDraw{{1 + step % 8, 2, 3}}, windowCasts.back());
                    ASSERT_FALSE(window.Log(*cast).Failed());
                    break;
                }
                case 1: {
                    // A terminal cast in the folder, as the user types it.
                    const std::string numbers = std::to_string(10 + step);
                    const std::string question = "terminal <" + std::to_string(step) + ">";
                    const pid_t child = ::fork();
                    if (child == 0) {
                        const int quiet = ::open("/dev/null", O_WRONLY);
                        ::dup2(quiet, STDOUT_FILENO);
                        if (::chdir(dir.Path().c_str()) == 0) {
                            ::execl(ZANDREL_PROGRAM, "zandrel", "cast", "--numbers",
                                    numbers.c_str(), "7", "--question", question.c_str(), "--log",
                                    static_cast<char*>(nullptr));
                        }
                        ::_exit(127);
                    }
                    terminals.push_back(child);
                    if (random() % 2 == 0) {
                        ::usleep(static_cast<useconds_t>(random() % 40000));
                        ::kill(child, SIGKILL);
                    }
                    break;
                }
                default:
                    // The window reads what changed and the user writes a note.
                    caseBook->DataVersion();
                    if (const std::vector<CaseSummary> rows = caseBook->Page({}, 0, 1);
                        !rows.empty()) {
                        ASSERT_TRUE(caseBook->SetNotes(rows.front().id,
                                                       "note " + std::to_string(step), nullptr));
                    }
                    break;
                }
            }
            for (const pid_t terminal : terminals) {
                ::waitpid(terminal, nullptr, 0);
            }
            window.FlushCaseBook();
            const std::optional<CaseBookError> problem = window.TakeCaseBookProblem();
            EXPECT_FALSE(problem.has_value()) << (problem ? problem->detail : "");
        }
        EXPECT_FALSE(dir.Exists(std::string(kCaseBookFileName) + "-wal"));
        auto book = OpenOk(dir.Path());
        const std::string log = dir.Read(kLogFileName);
        const std::vector<LogEntry> entries = ReadLogEntries(log);
        EXPECT_EQ(book->Count({}), static_cast<std::int64_t>(entries.size()));
        for (const LogEntry& entry : entries) {
            EXPECT_EQ(book->Count({.search = std::string(entry.question)}), 1) << entry.question;
        }
        for (const std::string& question : windowCasts) {
            EXPECT_EQ(book->Count({.search = question}), 1) << question;
        }
        book.reset();
        EXPECT_EQ(fixtures::IntegrityOf(dir.File(kCaseBookFileName)), "ok\n");
    }
}

} // namespace
} // namespace zandrel
