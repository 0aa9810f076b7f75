// The case book's file and what lies beside it: one connection per process, a write-ahead log
// that is not the book's own, books that are refused and left as they are, who may read the
// files, a folder that refuses writes, and when the whole file is checked.

#include "casebook/case_book.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace zandrel {
namespace {

using fixtures::IntegrityOf;
using fixtures::OpenOk;
using fixtures::Record;
using fixtures::TempDir;

const std::string kWal = std::string(kCaseBookFileName) + "-wal";
const std::string kShm = std::string(kCaseBookFileName) + "-shm";

// How many descriptors this process holds open on the file at `path`.
int DescriptorsOf(const std::string& path) {
    char real[PATH_MAX];
    if (::realpath(path.c_str(), real) == nullptr) {
        return 0;
    }
    int count = 0;
    DIR* fds = ::opendir("/proc/self/fd");
    while (dirent* entry = ::readdir(fds)) {
        char target[PATH_MAX];
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == real) {
            ++count;
        }
    }
    ::closedir(fds);
    return count;
}

// Runs `action` in a child that ends without closing anything, as a killed copy of the program
// does: what a book it leaves open wrote stays in the book's write-ahead log.
void InDyingChild(const std::function<void()>& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        action();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
}

// A book with `records`, closed as the program leaves it.
void MakeBook(const TempDir& dir, const std::vector<CaseRecord>& records) {
    auto book = OpenOk(dir.Path());
    ASSERT_TRUE(book->Merge(records, nullptr, nullptr));
}

// The process's two connections (the window's and its casts') would let another copy
// checkpoint and delete the write-ahead log under the first: its later records would go to a
// deleted file, and its close would write a stale log over the other copy's records.
TEST(CaseBookFile, OneProcessHoldsOneConnectionAndAnotherCopyLosesNothingOfIt) {
    const TempDir dir;
    auto window = OpenOk(dir.Path());
    std::vector<CaseRecord> records;
    for (int n = 0; n < 4; ++n) {
        records.push_back(Record(n));
    }
    ASSERT_TRUE(window->Add(records[0], nullptr));
    auto casts = OpenOk(dir.Path());
    // By another path to the same file.
    auto again = CaseBook::OpenFile(dir.Path() + "/./" + kCaseBookFileName, nullptr);
    ASSERT_TRUE(casts && again);
    EXPECT_EQ(DescriptorsOf(dir.File(kCaseBookFileName)), 1);

    // A terminal cast: another copy of the program opens the book, writes and closes it.
    const auto terminal = [&](const std::string& question) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(CASE_BOOK_WRITER, CASE_BOOK_WRITER, dir.Path().c_str(), question.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    ASSERT_TRUE(terminal("from the terminal"));
    EXPECT_TRUE(dir.Exists(kWal)) << "the log was taken from under the open connection";
    ASSERT_TRUE(casts->Add(records[1], nullptr));
    ASSERT_TRUE(window->Add(records[2], nullptr));
    ASSERT_TRUE(terminal("from the terminal again"));
    ASSERT_TRUE(casts->Add(records[3], nullptr));
    window.reset();
    casts.reset();
    again.reset();
    EXPECT_FALSE(dir.Exists(kWal)) << "the last close merges the log and removes it";
    auto book = OpenOk(dir.Path());
    for (const CaseRecord& r : records) {
        EXPECT_TRUE(book->Find(r.id).has_value()) << r.question;
    }
    EXPECT_EQ(book->Count({}), 6);
    book.reset();
    EXPECT_EQ(IntegrityOf(dir.File(kCaseBookFileName)), "ok\n");
}

// A write-ahead log copied from another book would replace this book's pages with the other's
// if SQLite merged it; the book and the log are refused and left exactly as they are.
TEST(CaseBookFile, ALogThatIsNotTheBooksOwnIsNeverMerged) {
    const TempDir mine;
    const TempDir other;
    MakeBook(mine, {Record(1, "mine")});
    MakeBook(other, {Record(2, "other")});
    InDyingChild([&] { CaseBook::Open(other.Path(), nullptr).release()->Add(Record(3), nullptr); });
    ASSERT_TRUE(other.Exists(kWal));
    struct Case {
        const char* name;
        std::string log;
    };
    // Another program's database, whose log its process left when it died.
    const TempDir plain;
    ASSERT_EQ(
        std::system(("python3 -c \"import os, sqlite3; c = sqlite3.connect('" + plain.File("db") +
                     "', isolation_level=None); c.execute('PRAGMA journal_mode = WAL');"
                     " c.execute('CREATE TABLE t (x)');"
                     " c.execute('INSERT INTO t VALUES (zeroblob(9000))'); os._exit(0)\"")
                        .c_str()),
        0);
    ASSERT_TRUE(plain.Exists("db-wal"));
    const Case cases[] = {
        {"another case book's log", other.Read(kWal)},
        {"another database's log", plain.Read("db-wal")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string book = mine.Read(kCaseBookFileName);
        mine.Write(kWal, c.log);
        CaseBookError error;
        EXPECT_EQ(CaseBook::Open(mine.Path(), &error), nullptr);
        EXPECT_EQ(error.kind, CaseBookError::Kind::ForeignLog) << error.detail;
        EXPECT_EQ(error.path, mine.File(kWal));
        EXPECT_TRUE(mine.Read(kCaseBookFileName) == book);
        EXPECT_TRUE(mine.Read(kWal) == c.log);
        ::unlink(mine.File(kWal).c_str());
        ::unlink(mine.File(kShm).c_str());
        auto kept = OpenOk(mine.Path());
        EXPECT_EQ(kept->Count({}), 1);
        EXPECT_EQ(kept->Count({.search = "mine"}), 1);
    }
    // Beside an empty file, a log can only be another's: making a book writes its first page
    // to the file itself.
    const TempDir empty;
    empty.Write(kCaseBookFileName, "");
    empty.Write(kWal, other.Read(kWal));
    CaseBookError error;
    EXPECT_EQ(CaseBook::Open(empty.Path(), &error), nullptr);
    EXPECT_EQ(error.kind, CaseBookError::Kind::ForeignLog);
    EXPECT_TRUE(empty.Read(kWal) == other.Read(kWal));
}

// The book's own log, left by a killed copy, is merged: nothing it holds is lost.
TEST(CaseBookFile, ItsOwnLogLeftByAKilledCopyIsMerged) {
    const TempDir dir;
    MakeBook(dir, {Record(1)});
    const CaseRecord pending = Record(2, "written just before the kill");
    InDyingChild([&] {
        CaseBook* book = CaseBook::Open(dir.Path(), nullptr).release();
        book->Add(pending, nullptr);
        book->SetNotes(pending.id, "a note", nullptr);
    });
    ASSERT_TRUE(dir.Exists(kWal));
    auto book = OpenOk(dir.Path());
    ASSERT_TRUE(book->Find(pending.id).has_value());
    EXPECT_EQ(book->Find(pending.id)->notes, "a note");
}

// A book the program refuses is never written: not when it is opened, not when it is closed,
// and its pending log neither.
TEST(CaseBookFile, ARefusedBookWithAPendingLogIsLeftAsItIs) {
    const struct {
        const char* name;
        std::function<void(std::string&)> spoil; // changes the main file's bytes
        CaseBookError::Kind kind;
    } cases[] = {
        {"newer",
         [](std::string& bytes) {
             bytes[60 + 3] = 99; // user_version
         },
         CaseBookError::Kind::NewerVersion},
        {"damaged",
         [](std::string& bytes) {
             // A page in the middle: older records, which the pending write did not touch.
             const std::size_t page = bytes.size() / 2 / 4096 * 4096;
             for (std::size_t i = page; i < page + 4096; ++i) {
                 bytes[i] = static_cast<char>(i * 7919 % 251);
             }
         },
         CaseBookError::Kind::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir dir;
        std::vector<CaseRecord> records;
        for (int n = 0; n < 200; ++n) {
            records.push_back(Record(n));
        }
        MakeBook(dir, records);
        InDyingChild(
            [&] { CaseBook::Open(dir.Path(), nullptr).release()->Add(Record(99), nullptr); });
        std::string bytes = dir.Read(kCaseBookFileName);
        c.spoil(bytes);
        dir.Write(kCaseBookFileName, bytes);
        const std::string log = dir.Read(kWal);
        ASSERT_FALSE(log.empty());
        for (const CaseBookAccess access : {CaseBookAccess::Write, CaseBookAccess::Read}) {
            CaseBookError error;
            EXPECT_EQ(CaseBook::Open(dir.Path(), &error, access), nullptr);
            EXPECT_EQ(error.kind, c.kind) << error.detail;
        }
        EXPECT_TRUE(dir.Read(kCaseBookFileName) == bytes);
        EXPECT_TRUE(dir.Read(kWal) == log);
    }
}

// The book holds the user's questions: it, its log and its index are the user's alone when the
// program makes them, whatever the umask; a book the user opened up keeps its mode.
TEST(CaseBookFile, ANewBookAndItsFilesAreTheOwnersAlone) {
    const TempDir dir;
    const mode_t before = ::umask(0);
    {
        auto book = OpenOk(dir.Path());
        ASSERT_TRUE(book->Add(Record(1), nullptr));
        for (const std::string& name : {std::string(kCaseBookFileName), kWal, kShm}) {
            struct stat info {};
            ASSERT_EQ(::stat(dir.File(name).c_str(), &info), 0) << name;
            EXPECT_EQ(info.st_mode & 0777, 0600U) << name;
        }
    }
    ASSERT_EQ(::chmod(dir.File(kCaseBookFileName).c_str(), 0640), 0);
    {
        auto book = OpenOk(dir.Path());
        ASSERT_TRUE(book->Add(Record(2), nullptr));
    }
    ::umask(before);
    struct stat info {};
    ASSERT_EQ(::stat(dir.File(kCaseBookFileName).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
}

// A folder that refuses new files, or a full disk, still lets the book be read, as it was last
// written; nothing is left beside it, and writing says why it cannot.
TEST(CaseBookFile, AFolderThatRefusesWritesStillLetsTheBookBeRead) {
    const struct {
        const char* name;
        bool readOnlyFolder;
        long fileSizeLimit;
    } cases[] = {
        {"a read-only folder", true, -1},
        {"a full disk", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir dir;
        std::vector<CaseRecord> records;
        for (int n = 0; n < 30; ++n) {
            records.push_back(Record(n));
        }
        MakeBook(dir, records);
        fixtures::MakeWorldWritable(dir.File(kCaseBookFileName));
        if (c.readOnlyFolder) {
            ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
        }
        const std::vector<std::string> entries = dir.Entries();
        const FileError result = fixtures::RunInChild(
            [&] {
                CaseBookError error;
                auto book = CaseBook::Open(dir.Path(), &error, CaseBookAccess::Read);
                if (!book || book->Count({}) != 30 || !book->Find(records[7].id) ||
                    book->Statistics().overall.total != 30 || book->Writable()) {
                    return FileError{FileCause::Generic, "read: " + error.detail};
                }
                book.reset();
                CaseBookError refused;
                if (CaseBook::Open(dir.Path(), &refused, CaseBookAccess::Write) != nullptr ||
                    !refused.Failed()) {
                    return FileError{FileCause::Generic, "a write was not refused"};
                }
                return FileError{};
            },
            c.fileSizeLimit, c.readOnlyFolder);
        ::chmod(dir.Path().c_str(), 0755);
        EXPECT_FALSE(result.Failed()) << result.name;
        EXPECT_EQ(dir.Entries(), entries);
    }
}

// The whole file is checked where it may have been damaged, not at every open: a book this
// program closed is sealed, and an open that finds it as sealed trusts it.
TEST(CaseBookFile, TheWholeFileIsCheckedOnlyWhereItMayHaveBeenDamaged) {
    const TempDir dir;
    std::vector<CaseRecord> records;
    for (int n = 0; n < 200; ++n) {
        records.push_back(Record(n));
    }
    MakeBook(dir, records);
    const std::string path = dir.File(kCaseBookFileName);
    const std::string whole = dir.Read(kCaseBookFileName);
    std::string spoilt = whole;
    // A page of the records' texts, which opening, counting and adding never read.
    const std::size_t page = whole.size() / 2 / 4096 * 4096;
    for (std::size_t i = 0; i < 4096; ++i) {
        spoilt[page + i] = static_cast<char>(i * 7919 % 251);
    }
    struct stat sealed {};
    ASSERT_EQ(::stat(path.c_str(), &sealed), 0);
    // The same bytes, size and time: the program cannot tell, and does not look.
    const auto writeKeepingTime = [&](const std::string& bytes) {
        dir.Write(kCaseBookFileName, bytes);
        const timespec times[2] = {sealed.st_atim, sealed.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    };
    writeKeepingTime(spoilt);
    CaseBookError error;
    {
        auto book = CaseBook::Open(dir.Path(), &error, CaseBookAccess::Read);
        ASSERT_TRUE(book) << "a sealed book was checked whole: " << error.detail;
        EXPECT_EQ(book->Count({}), 200);
    }
    // Changed since it was sealed: checked, and refused.
    writeKeepingTime(spoilt);
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), nullptr, 0), 0);
    EXPECT_EQ(CaseBook::Open(dir.Path(), &error, CaseBookAccess::Read), nullptr);
    EXPECT_EQ(error.kind, CaseBookError::Kind::Damaged);
    // Whole again, checked once and sealed again at its close.
    dir.Write(kCaseBookFileName, whole);
    OpenOk(dir.Path()).reset();
    std::string seal(64, '\0');
    EXPECT_GT(::getxattr(path.c_str(), "user.zandrel.casebook-sealed", seal.data(), seal.size()),
              0);
}

} // namespace
} // namespace zandrel
