#include "platform/file.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zandrel {
namespace {

using fixtures::Syscall;
using fixtures::TempDir;

// The name a replace gives its new file for the moment of the rename.
constexpr const char* kTemporaryName = R"(\.c\.txt\.[0-9a-f]{16}\.zandrel-new)";

mode_t PermissionsOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// The value of extended attribute `name` of `path`, or "(none)".
std::string Attribute(const std::string& path, const char* name) {
    std::string value(65536, '\0');
    const ssize_t length = ::getxattr(path.c_str(), name, value.data(), value.size());
    return length < 0 ? "(none)" : value.substr(0, static_cast<std::size_t>(length));
}

// A POSIX ACL as the kernel keeps it in an extended attribute: owner rw, user `user` rw,
// owning group r, mask rw, others r, which makes the mode 0664.
std::string AclGrantingReadWriteTo(uid_t user) {
    const struct {
        std::uint16_t tag;
        std::uint16_t permissions;
        std::uint32_t id;
    } entries[] = {{0x01, 6, ~0U}, {0x02, 6, user}, {0x04, 4, ~0U}, {0x10, 6, ~0U}, {0x20, 4, ~0U}};
    const std::uint32_t version = 2;
    std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
    for (const auto& e : entries) {
        acl.append(reinterpret_cast<const char*>(&e.tag), sizeof e.tag);
        acl.append(reinterpret_cast<const char*>(&e.permissions), sizeof e.permissions);
        acl.append(reinterpret_cast<const char*>(&e.id), sizeof e.id);
    }
    return acl;
}

// Sets attribute `name` of `path`; false when the file system does not keep such attributes.
bool SetAttribute(const std::string& path, const char* name, const std::string& value) {
    if (::setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0) {
        return true;
    }
    EXPECT_TRUE(errno == ENOTSUP) << name << ": " << std::strerror(errno);
    return false;
}

TEST(FileErrorTest, EveryCauseHasItsText) {
    const struct {
        FileCause cause;
        const char* text;
    } cases[] = {
        {FileCause::None, "No error occurred."},
        {FileCause::Generic, "An unknown error occurred while accessing a%b.txt."},
        {FileCause::FileNotFound, "a%b.txt was not found."},
        {FileCause::BadPath, "a%b.txt contains an invalid path."},
        {FileCause::TooManyOpenFiles,
         "a%b.txt could not be opened because there are too many open files."},
        {FileCause::AccessDenied, "Access to a%b.txt was denied."},
        {FileCause::InvalidFile, "An invalid file handle was associated with a%b.txt."},
        {FileCause::RemoveCurrentDir,
         "a%b.txt could not be removed because it is the current directory."},
        {FileCause::DirectoryFull, "a%b.txt could not be created because the directory is full."},
        {FileCause::BadSeek, "Seek failed on a%b.txt"},
        {FileCause::HardIO, "A hardware I/O error was reported while accessing a%b.txt."},
        {FileCause::SharingViolation, "A sharing violation occurred while accessing a%b.txt."},
        {FileCause::LockViolation, "A locking violation occurred while accessing a%b.txt."},
        {FileCause::DiskFull, "Disk full while accessing a%b.txt."},
        {FileCause::EndOfFile, "An attempt was made to access a%b.txt past its end."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileErrorText(c.cause, "a%b.txt"), c.text);
    }
}

TEST(FileErrorTest, ErrnoClassification) {
    EXPECT_EQ(CauseOfErrno(0), FileCause::None);
    EXPECT_EQ(CauseOfErrno(ENOENT), FileCause::FileNotFound);
    EXPECT_EQ(CauseOfErrno(ENOTDIR), FileCause::BadPath);
    EXPECT_EQ(CauseOfErrno(EMFILE), FileCause::TooManyOpenFiles);
    EXPECT_EQ(CauseOfErrno(EACCES), FileCause::AccessDenied);
    EXPECT_EQ(CauseOfErrno(EROFS), FileCause::AccessDenied);
    EXPECT_EQ(CauseOfErrno(EWOULDBLOCK), FileCause::SharingViolation);
    EXPECT_EQ(CauseOfErrno(ENOSPC), FileCause::DiskFull);
    EXPECT_EQ(CauseOfErrno(EFBIG), FileCause::DiskFull);
    EXPECT_EQ(CauseOfErrno(ESPIPE), FileCause::BadSeek);
    EXPECT_EQ(CauseOfErrno(EIO), FileCause::HardIO);
    EXPECT_EQ(CauseOfErrno(EXDEV), FileCause::Generic);
}

TEST(FileTest, OpenFailuresNameTheBareFile) {
    TempDir dir;
    dir.Write("plain", "x");
    ::mkdir(dir.File("folder.txt").c_str(), 0755);

    const struct {
        std::string directory;
        File::Mode mode;
        FileCause cause;
    } cases[] = {
        {dir.Path(), File::Mode::Read, FileCause::FileNotFound},
        {dir.File("plain"), File::Mode::Append, FileCause::BadPath},
        {dir.File("missing"), File::Mode::Truncate, FileCause::FileNotFound},
    };
    for (const auto& c : cases) {
        FileError error;
        const File file = File::Open(c.directory, "absent.txt", c.mode, &error);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(error.cause, c.cause) << c.directory;
        EXPECT_EQ(error.name, "absent.txt");
    }
    for (const File::Mode mode : {File::Mode::Read, File::Mode::Append, File::Mode::Truncate}) {
        FileError error;
        EXPECT_FALSE(File::Open(dir.Path(), "folder.txt", mode, &error).IsOpen());
        EXPECT_EQ(error.Message(), "Access to folder.txt was denied.");
    }
}

TEST(FileTest, SpecialFilesAreRefusedWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.txt").c_str(), 0666), 0);
    for (const File::Mode mode : {File::Mode::Read, File::Mode::Update}) {
        FileError error;
        EXPECT_FALSE(File::Open(dir.Path(), "pipe.txt", mode, &error).IsOpen());
        EXPECT_EQ(error.Message(), "Access to pipe.txt was denied.");
    }
}

TEST(FileTest, LockHeldElsewhereIsASharingViolationAndTruncatesNothing) {
    TempDir dir;
    dir.Write("held.txt", "keep me");
    {
        const fixtures::LockHolder holder(dir.File("held.txt"));
        for (const File::Mode mode : {File::Mode::Read, File::Mode::Append, File::Mode::Truncate}) {
            FileError error;
            EXPECT_FALSE(File::Open(dir.Path(), "held.txt", mode, &error).IsOpen());
            EXPECT_EQ(error.Message(), "A sharing violation occurred while accessing held.txt.");
        }
    }
    EXPECT_EQ(dir.Read("held.txt"), "keep me");
    FileError error;
    EXPECT_TRUE(File::Open(dir.Path(), "held.txt", File::Mode::Read, &error).IsOpen());
}

TEST(FileTest, AppendTruncateAndRead) {
    TempDir dir;
    FileError error;
    {
        File file = File::Open(dir.Path(), "f.txt", File::Mode::Append, &error);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(file.FullPath(), dir.File("f.txt"));
        ASSERT_TRUE(file.Write(std::string("a\0b", 3), &error));
        ASSERT_TRUE(file.Close(&error));
    }
    {
        File file = File::Open(dir.Path(), "f.txt", File::Mode::Append, &error);
        ASSERT_TRUE(file.Write("cd", &error));
        std::int64_t length = 0;
        ASSERT_TRUE(file.Length(&length, &error));
        EXPECT_EQ(length, 5);
        ASSERT_TRUE(file.TruncateTo(4, &error));
    }
    EXPECT_EQ(dir.Read("f.txt"), std::string("a\0bc", 4));
    {
        File file = File::Open(dir.Path(), "f.txt", File::Mode::Read, &error);
        std::string bytes;
        ASSERT_TRUE(file.ReadAt(0, 100, &bytes, &error));
        EXPECT_EQ(bytes, std::string("a\0bc", 4));
        ASSERT_TRUE(file.ReadAt(1, 2, &bytes, &error));
        EXPECT_EQ(bytes, std::string("\0b", 2));
        ASSERT_TRUE(file.ReadAt(9, 2, &bytes, &error));
        EXPECT_EQ(bytes, "");
    }
    EXPECT_TRUE(File::Open(dir.Path(), "f.txt", File::Mode::Truncate, &error).IsOpen());
    EXPECT_EQ(dir.Read("f.txt"), "");
}

TEST(ReplaceFileContentTest, ReplacesWholeAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.Write("c.txt", "old");
    ASSERT_FALSE(ReplaceFileContent(dir.Path(), "c.txt", "new content").Failed());
    EXPECT_EQ(dir.Read("c.txt"), "new content");
    ASSERT_FALSE(ReplaceFileContent(dir.Path(), "fresh.txt", "").Failed());
    EXPECT_EQ(dir.Read("fresh.txt"), "");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"c.txt", "fresh.txt"}));
}

TEST(ReplaceFileContentTest, FailuresKeepTheOldContent) {
    TempDir dir;
    const std::string old = "title\r\nmain\r\n";
    dir.Write("c.txt", old);

    {
        const fixtures::LockHolder holder(dir.File("c.txt"));
        EXPECT_EQ(ReplaceFileContent(dir.Path(), "c.txt", "new").Message(),
                  "A sharing violation occurred while accessing c.txt.");
    }
    EXPECT_EQ(dir.Read("c.txt"), old);

    // A full disk: the write of the new content fails part-way.
    const FileError full = fixtures::RunInChild(
        [&] { return ReplaceFileContent(dir.Path(), "c.txt", std::string(100000, 'x')); }, 4096);
    EXPECT_EQ(full.Message(), "Disk full while accessing " + dir.File("c.txt") + ".");
    EXPECT_EQ(dir.Read("c.txt"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"c.txt"});

    ::mkdir(dir.File("d.txt").c_str(), 0755);
    EXPECT_EQ(ReplaceFileContent(dir.Path(), "d.txt", "x").Message(),
              "Access to d.txt was denied.");
}

// Another copy holds the file while it reads or writes it: the replace waits for it instead of
// failing. The other copy lets go once the replace has started to wait, however long that took.
TEST(ReplaceFileContentTest, WaitsForACopyThatHoldsTheFile) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process trace its child";
    }
    TempDir dir;
    dir.Write("c.txt", "old");
    fixtures::LockHolder holder(dir.File("c.txt"));
    bool released = false;
    const fixtures::TracedRun run =
        fixtures::RunTraced([&] { return ReplaceFileContent(dir.Path(), "c.txt", "new"); },
                            [&](int, long number) {
                                if (fixtures::IsPause(number) && !released) {
                                    holder.Release();
                                    released = true;
                                }
                                return fixtures::AtSyscall::Run;
                            });
    ASSERT_TRUE(released) << "the replace never waited";
    EXPECT_FALSE(run.error.Failed()) << run.error.Message();
    EXPECT_EQ(dir.Read("c.txt"), "new");
}

TEST(ReplaceFileContentTest, AFailedFirstWriteLeavesNoFile) {
    TempDir dir;
    const FileError full = fixtures::RunInChild(
        [&] { return ReplaceFileContent(dir.Path(), "new.txt", std::string(100000, 'x')); }, 4096);
    EXPECT_EQ(full.cause, FileCause::DiskFull);
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(ReplaceFileContentTest, NewFilesGetTheUsualPermissions) {
    TempDir dir;
    const mode_t old = ::umask(022);
    ASSERT_FALSE(ReplaceFileContent(dir.Path(), "n.txt", "x").Failed());
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("n.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644U);
}

TEST(ReplaceFileContentTest, NewFileFollowsTheUmaskAndAnOldFileKeepsItsMode) {
    TempDir dir;
    dir.Write("old.txt", "old");
    ASSERT_EQ(::chmod(dir.File("old.txt").c_str(), 0604), 0);

    const mode_t saved = ::umask(027);
    const FileError fresh = ReplaceFileContent(dir.Path(), "new.txt", "x");
    const FileError replaced = ReplaceFileContent(dir.Path(), "old.txt", "x");
    const mode_t after = ::umask(saved);
    ASSERT_FALSE(fresh.Failed());
    ASSERT_FALSE(replaced.Failed());
    EXPECT_EQ(after, 027U);
    EXPECT_EQ(PermissionsOf(dir.File("new.txt")), 0640U);
    EXPECT_EQ(PermissionsOf(dir.File("old.txt")), 0604U);
}

// The mask is process-wide: setting it, even only to read it, can give a file that another
// thread creates meanwhile the wrong mode. With umask() failing, code that does so anyway
// gets a wrong mask and the wrong mode.
TEST(ReplaceFileContentTest, NewFileModeNeverTouchesTheUmask) {
    if (!fixtures::CanFailSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process install a seccomp filter";
    }
    TempDir dir;
    fixtures::ChildOptions options;
    options.failingCalls = {{Syscall::Umask, EPERM}};
    const mode_t saved = ::umask(027);
    const FileError error =
        fixtures::RunInChild([&] { return ReplaceFileContent(dir.Path(), "n.txt", "x"); }, options);
    ::umask(saved);
    ASSERT_FALSE(error.Failed()) << error.Message();
    EXPECT_EQ(PermissionsOf(dir.File("n.txt")), 0640U);
}

// Each step after the new file exists fails, once on its own and once while removing the
// new file fails too (access denied), so that a cause read after that cleanup would be the
// wrong one. The old file stays as it was either way. Until its last moment the new file has
// no name, so only a failed rename can leave one behind, and the next replace removes it.
TEST(ReplaceFileContentTest, AFailedStepReportsItsOwnCause) {
    if (!fixtures::CanFailSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process install a seccomp filter";
    }
    const struct {
        const char* what;
        long fileSizeLimit;
        std::vector<fixtures::FailingCall> failingCalls;
        FileCause cause;
        bool namesTheFileAsBuilt; // else its full path
        bool named;               // the new file had a name when the step failed
    } cases[] = {
        {"write", 4, {}, FileCause::DiskFull, false, false},
        {"fchmod", -1, {{Syscall::Fchmod, EIO}}, FileCause::HardIO, false, false},
        {"fsync", -1, {{Syscall::Fsync, EIO}}, FileCause::HardIO, false, false},
        // A network file system reports a deferred write error only when the file is closed.
        {"close", -1, {{Syscall::Close, ENOSPC}}, FileCause::DiskFull, false, false},
        {"link", -1, {{Syscall::Link, EIO}}, FileCause::HardIO, true, false},
        {"rename", -1, {{Syscall::Rename, EIO}}, FileCause::HardIO, true, true},
    };
    const std::string old = "title\r\nmain\r\n";
    for (const auto& c : cases) {
        for (const bool unlinkFails : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (unlinkFails ? " with unlink failing" : ""));
            TempDir dir;
            dir.Write("c.txt", old);
            fixtures::ChildOptions options;
            options.fileSizeLimit = c.fileSizeLimit;
            options.failingCalls = c.failingCalls;
            if (unlinkFails) {
                options.failingCalls.push_back({Syscall::Unlink, EPERM});
            }
            const FileError error = fixtures::RunInChild(
                [&] { return ReplaceFileContent(dir.Path(), "c.txt", "new content"); }, options);
            EXPECT_EQ(error.Message(),
                      FileErrorText(c.cause, c.namesTheFileAsBuilt ? "c.txt" : dir.File("c.txt")));
            EXPECT_EQ(dir.Read("c.txt"), old);
            const std::vector<std::string> entries = dir.Entries();
            if (!unlinkFails || !c.named) {
                EXPECT_EQ(entries, std::vector<std::string>{"c.txt"});
            } else {
                // The new file could not be removed, which shows the name it was given.
                EXPECT_TRUE(entries.size() == 2 &&
                            std::regex_match(entries[0], std::regex(kTemporaryName)))
                    << testing::PrintToString(entries);
                ASSERT_FALSE(ReplaceFileContent(dir.Path(), "c.txt", "next").Failed());
                EXPECT_EQ(dir.Entries(), std::vector<std::string>{"c.txt"});
            }
        }
    }
}

TEST(ReplaceFileContentTest, ReadOnlyFileIsAccessDenied) {
    TempDir dir;
    fixtures::MakeWorldWritable(dir.Path());
    dir.Write("r.txt", "old");
    ::chmod(dir.File("r.txt").c_str(), 0444);
    const FileError error = fixtures::RunInChild(
        [&] { return ReplaceFileContent(dir.Path(), "r.txt", "new"); }, -1, true);
    EXPECT_EQ(error.Message(), "Access to r.txt was denied.");
    EXPECT_EQ(dir.Read("r.txt"), "old");
}

// A replace removes what a killed replace left in the data folder and in the folder that the
// file's link leads to, however young, and nothing else: not a look-alike of the user's, not a
// running copy's file (it holds the lock), not one with another name or owner, not a link.
TEST(ReplaceFileContentTest, OnlyProvableLeftoversAreRemoved) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("data").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(dir.File("notes").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("../notes/mytext.txt", dir.File("data/custom6.txt").c_str()), 0);
    const std::string form = ".0123456789abcdef.zandrel-new";
    const std::vector<std::string> leftovers = {
        "data/.custom5.txt" + form, "data/.custom9.txt" + form, "notes/.mytext.txt" + form};
    const std::vector<std::string> kept = {
        "data/.custom5.txt.backup",
        "data/.custom5.txt.Ab12Cd",
        "data/.custom5.txt.0123456789abcdeg.zandrel-new",
        "data/.custom5.txt.0123456789abcde.zandrel-new",
        "data/.custom5.txt.0123456789abcdef.zandrel-new.bak",
        "data/.custom7.txt" + form, // held by a running copy
        "data/.custom8.txt" + form, // has a second name
        "data/.custom2.txt" + form, // another user's
        "notes/mytext.txt",
        "notes/.mytext.txt.backup",
    };
    for (const auto* names : {&leftovers, &kept}) {
        for (const std::string& name : *names) {
            dir.Write(name, "x");
        }
    }
    ASSERT_EQ(::link(dir.File("data/.custom8.txt" + form).c_str(), dir.File("hardlink").c_str()),
              0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.File("data/.custom2.txt" + form).c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::mkdir(dir.File("data/.custom3.txt" + form).c_str(), 0755), 0);
    ASSERT_EQ(::symlink(("../notes/.mytext.txt" + form).c_str(),
                        dir.File("data/.custom4.txt" + form).c_str()),
              0);
    const fixtures::LockHolder running(dir.File("data/.custom7.txt" + form));

    ASSERT_FALSE(ReplaceFileContent(dir.File("data"), "custom6.txt", "six").Failed());
    EXPECT_EQ(dir.Read("notes/mytext.txt"), "six");
    for (const std::string& name : leftovers) {
        EXPECT_FALSE(dir.Exists(name)) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(dir.Exists(name) || (!root && name.starts_with("data/.custom2"))) << name;
    }
    EXPECT_TRUE(dir.Exists("data/.custom3.txt" + form));
    EXPECT_TRUE(dir.Exists("data/.custom4.txt" + form));
}

// A killed replace leaves its new file with the mode of the file it replaced, which may keep
// even its owner, the user, from reading it: the next commit removes it all the same. A file
// that a running copy holds stays as it was, its mode too, and so does another user's.
TEST(ReplaceFileContentTest, LeftoversOfAnyModeAreRemoved) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can make the files of another user to remove";
    }
    TempDir dir;
    fixtures::MakeWorldWritable(dir.Path());
    const std::string form = ".0123456789abcdef.zandrel-new";
    const struct {
        std::string name;
        mode_t mode;
        uid_t owner;
        bool stays;
    } files[] = {
        {".custom1.txt" + form, 0000, 65534, false}, {".custom2.txt" + form, 0200, 65534, false},
        {".custom3.txt" + form, 0060, 65534, false}, {".custom4.txt" + form, 0640, 65534, false},
        {".custom5.txt" + form, 0000, 0, true},      {".custom6.txt" + form, 0000, 65534, true},
    };
    for (const auto& file : files) {
        dir.Write(file.name, "x");
        ASSERT_EQ(::chown(dir.File(file.name).c_str(), file.owner, file.owner), 0);
        ASSERT_EQ(::chmod(dir.File(file.name).c_str(), file.mode), 0);
    }
    const fixtures::LockHolder running(dir.File(".custom6.txt" + form));

    const FileError error = fixtures::RunInChild(
        [&] { return ReplaceFileContent(dir.Path(), "c.txt", "new"); }, -1, true);
    ASSERT_FALSE(error.Failed()) << error.Message();
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(dir.Exists(file.name), file.stays);
        if (file.stays) {
            EXPECT_EQ(PermissionsOf(dir.File(file.name)), file.mode);
        }
    }
}

// Another running copy commits in the same folder at any moment of a replace, which stops
// there meanwhile: that copy's removal of leftovers never takes the new file from under it.
TEST(ReplaceFileContentTest, AnotherCopyNeverRemovesANewFileInUse) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process trace its child";
    }
    for (const bool unnamedTemporary : {true, false}) {
        if (!unnamedTemporary && !fixtures::CanFailSyscalls()) {
            continue;
        }
        fixtures::ChildOptions options;
        if (!unnamedTemporary) {
            options.failingCalls = {{Syscall::OpenTmpfile, EOPNOTSUPP}};
        }
        for (int moment = 1;; ++moment) {
            SCOPED_TRACE(std::string(unnamedTemporary ? "unnamed" : "named") +
                         " while written, the other commit at system call " +
                         std::to_string(moment));
            TempDir dir;
            dir.Write("c.txt", "old");
            bool committed = false;
            const fixtures::TracedRun run = fixtures::RunTraced(
                [&] { return ReplaceFileContent(dir.Path(), "c.txt", "new"); },
                [&](int n, long) {
                    if (n == moment) {
                        committed = true;
                        EXPECT_FALSE(ReplaceFileContent(dir.Path(), "d.txt", "other").Failed());
                    }
                    return fixtures::AtSyscall::Run;
                },
                options);
            if (!committed) {
                break; // the replace made fewer calls
            }
            EXPECT_FALSE(run.error.Failed()) << run.error.Message();
            EXPECT_EQ(dir.Read("c.txt"), "new");
            EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"c.txt", "d.txt"}));
        }
    }
}

// A symbolic link keeps naming its file, which is replaced in its own folder; a link to a file
// not there yet makes it; a loop of links is a bad path.
TEST(ReplaceFileContentTest, SymbolicLinksAreFollowed) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("store").c_str(), 0755), 0);
    dir.Write("store/real5.txt", "old");
    ASSERT_EQ(::symlink("store/real5.txt", dir.File("custom5.txt").c_str()), 0);
    ASSERT_EQ(::symlink((dir.Path() + "/store/new6.txt").c_str(), dir.File("custom6.txt").c_str()),
              0);
    ASSERT_EQ(::symlink("loop.b", dir.File("loop.a").c_str()), 0);
    ASSERT_EQ(::symlink("loop.a", dir.File("loop.b").c_str()), 0);

    EXPECT_FALSE(ReplaceFileContent(dir.Path(), "custom5.txt", "new five").Failed());
    EXPECT_FALSE(ReplaceFileContent(dir.Path(), "custom6.txt", "new six").Failed());
    EXPECT_EQ(ReplaceFileContent(dir.Path(), "loop.a", "x").Message(),
              "loop.a contains an invalid path.");

    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("custom5.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(dir.Read("store/real5.txt"), "new five");
    EXPECT_EQ(dir.Read("store/new6.txt"), "new six");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"custom5.txt", "custom6.txt", "loop.a",
                                                       "loop.b", "store"}));
}

TEST(ReplaceFileContentTest, OwnerAndModeAreKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another owner";
    }
    TempDir dir;
    dir.Write("o.txt", "old");
    ASSERT_EQ(::chown(dir.File("o.txt").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(dir.File("o.txt").c_str(), 0604), 0);
    ASSERT_FALSE(ReplaceFileContent(dir.Path(), "o.txt", "new").Failed());
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("o.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534U);
    EXPECT_EQ(st.st_gid, 65534U);
    EXPECT_EQ(st.st_mode & 07777, 0604U);
}

// The new file carries what the old one did: every extended attribute, the ACL among them, and
// the mode, whose group bits are the ACL's mask; the group where the user belongs to it. The
// owner stays only for root: an ordinary user's new file is the user's own.
TEST(ReplaceFileContentTest, TheFileKeepsWhatItCarried) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can make files of other owners and groups to replace";
    }
    const std::string acl = AclGrantingReadWriteTo(65534);
    const std::string note("written by hand\0with a NUL", 26);
    {
        TempDir probe;
        probe.Write("f", "");
        if (!SetAttribute(probe.File("f"), "user.note", note) ||
            !SetAttribute(probe.File("f"), "system.posix_acl_access", acl)) {
            GTEST_SKIP() << "the file system of " << probe.Path()
                         << " keeps no user attributes or ACLs";
        }
    }
    const struct {
        const char* who;
        bool dropRoot;
        std::vector<gid_t> groups; // of the user
        uid_t owner;               // of the new file
        gid_t group;
    } cases[] = {
        {"root", false, {}, 1234, 4242},
        {"a user in the file's group", true, {4242}, 65534, 4242},
        {"a user outside the file's group", true, {}, 65534, 65534},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.who);
        TempDir dir;
        fixtures::MakeWorldWritable(dir.Path());
        dir.Write("c.txt", "old");
        ASSERT_EQ(::chown(dir.File("c.txt").c_str(), 1234, 4242), 0);
        ASSERT_TRUE(SetAttribute(dir.File("c.txt"), "user.note", note));
        ASSERT_TRUE(SetAttribute(dir.File("c.txt"), "system.posix_acl_access", acl));
        const std::string keptAcl = Attribute(dir.File("c.txt"), "system.posix_acl_access");
        ASSERT_EQ(PermissionsOf(dir.File("c.txt")), 0664U);

        fixtures::ChildOptions options;
        options.dropRoot = c.dropRoot;
        options.groups = c.groups;
        const FileError error = fixtures::RunInChild(
            [&] { return ReplaceFileContent(dir.Path(), "c.txt", "new"); }, options);
        ASSERT_FALSE(error.Failed()) << error.Message();
        EXPECT_EQ(dir.Read("c.txt"), "new");
        EXPECT_EQ(Attribute(dir.File("c.txt"), "user.note"), note);
        EXPECT_EQ(Attribute(dir.File("c.txt"), "system.posix_acl_access"), keptAcl);
        struct stat st {};
        ASSERT_EQ(::stat(dir.File("c.txt").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0664U);
        EXPECT_EQ(st.st_uid, c.owner);
        EXPECT_EQ(st.st_gid, c.group);
    }

    // Nor does it gain one: the folder's default ACL, given to every new file, is taken
    // off again where the old file had none.
    TempDir dir;
    dir.Write("plain.txt", "old");
    ASSERT_EQ(::chmod(dir.File("plain.txt").c_str(), 0640), 0);
    ASSERT_TRUE(SetAttribute(dir.Path(), "system.posix_acl_default", acl));
    ASSERT_FALSE(ReplaceFileContent(dir.Path(), "plain.txt", "new").Failed());
    EXPECT_EQ(Attribute(dir.File("plain.txt"), "system.posix_acl_access"), "(none)");
    EXPECT_EQ(PermissionsOf(dir.File("plain.txt")), 0640U);
}

// A folder that refuses new files refuses the replace, with the folder's cause and the name as
// built, before anything changes: a file there that the user may write is not written in
// place, since no way of doing so survives a kill between its writes.
TEST(ReplaceFileContentTest, AFolderThatRefusesNewFilesRefusesTheReplace) {
    TempDir dir;
    fixtures::MakeWorldWritable(dir.Path());
    ASSERT_EQ(::mkdir(dir.File("ro").c_str(), 0755), 0);
    dir.Write("ro/custom5.txt", "old content");
    ASSERT_EQ(::chmod(dir.File("ro/custom5.txt").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir.File("ro").c_str(), 0555), 0);
    const std::string folder = dir.File("ro");

    for (const char* name : {"custom5.txt", "custom6.txt"}) {
        for (const std::string content : {"a longer new content", "short", ""}) {
            const FileError error = fixtures::RunInChild(
                [&] { return ReplaceFileContent(folder, name, content); }, -1, true);
            EXPECT_EQ(error.Message(), std::string("Access to ") + name + " was denied.");
        }
    }
    ::chmod(dir.File("ro").c_str(), 0755);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"ro"});
    EXPECT_EQ(dir.Read("ro/custom5.txt"), "old content");
    EXPECT_FALSE(dir.Exists("ro/custom6.txt"));
}

// A commit killed at the entry of any of its system calls, as a crash or a kill would stop it,
// leaves the old content or the new, no file that more users may read than the old one, and
// nothing that outlives the next commit. The file of another program that looks like a
// temporary one stays.
TEST(ReplaceFileContentTest, AKillAtAnySystemCallLeavesTheOldContentOrTheNew) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process trace its child";
    }
    const struct {
        const char* what;
        bool oldFile;
        bool unnamedTemporary; // else the file system is taken to refuse unnamed files
        mode_t mode;           // of the old file
        bool linked;           // c.txt is a symbolic link to store/real.txt
        bool asUser;           // run by a user, to whom permissions apply, not by root
    } cases[] = {
        {"an existing file", true, true, 0644, false, false},
        {"a new file", false, true, 0644, false, false},
        {"an existing file, named from the start", true, false, 0644, false, false},
        {"a new file, named from the start", false, false, 0644, false, false},
        {"a private file, named from the start", true, false, 0600, false, false},
        {"a file that its owner may only write", true, true, 0200, false, true},
        {"a file that its owner may only write, named from the start", true, false, 0200, false,
         true},
        {"a file in another folder, reached through a link", true, true, 0644, true, false},
        {"a file in another folder, reached through a link, named from the start", true, false,
         0644, true, false},
    };
    const std::string old = "old\r\n";
    const std::string fresh = std::string(100000, 'n') + "\r\n";
    // The usual mask, under which a file made with mode 0666 is readable by everyone.
    const mode_t savedUmask = ::umask(022);
    for (const auto& c : cases) {
        // As root the test reads the user's files whatever their mode.
        if ((!c.unnamedTemporary && !fixtures::CanFailSyscalls()) ||
            (c.asUser && ::geteuid() != 0)) {
            continue;
        }
        fixtures::ChildOptions options;
        options.dropRoot = c.asUser;
        if (!c.unnamedTemporary) {
            options.failingCalls = {{Syscall::OpenTmpfile, EOPNOTSUPP}};
        }
        // Where the new file is made, and what each folder holds once a commit is complete.
        const std::string file = c.linked ? "store/real.txt" : "c.txt";
        std::vector<std::pair<std::string, std::vector<std::string>>> complete = {
            {"", {".c.txt.backup", "c.txt"}}};
        if (c.linked) {
            complete = {{"", {".c.txt.backup", "c.txt", "store"}}, {"store", {"real.txt"}}};
        }
        const auto expectComplete = [&](const TempDir& dir) {
            for (const auto& [folder, entries] : complete) {
                EXPECT_EQ(dir.Entries(folder), entries) << "in the folder " << folder;
            }
        };
        int killedAt = 1;
        for (;; ++killedAt) {
            SCOPED_TRACE(std::string(c.what) + ", killed at system call " +
                         std::to_string(killedAt));
            TempDir dir;
            dir.Write(".c.txt.backup", "mine");
            if (c.linked) {
                ASSERT_EQ(::mkdir(dir.File("store").c_str(), 0755), 0);
                ASSERT_EQ(::symlink("store/real.txt", dir.File("c.txt").c_str()), 0);
            }
            if (c.oldFile) {
                dir.Write(file, old);
                ASSERT_EQ(::chmod(dir.File(file).c_str(), c.mode), 0);
            }
            if (c.asUser) {
                fixtures::MakeWorldWritable(dir.Path());
                ASSERT_EQ(::chown(dir.File(file).c_str(), 65534, 65534), 0);
            }
            const fixtures::TracedRun run = fixtures::RunTraced(
                [&] { return ReplaceFileContent(dir.Path(), "c.txt", fresh); },
                [&](int n, long) {
                    return n == killedAt ? fixtures::AtSyscall::Kill : fixtures::AtSyscall::Run;
                },
                options);
            if (!run.killed) {
                ASSERT_FALSE(run.error.Failed()) << run.error.Message();
                EXPECT_EQ(dir.Read("c.txt"), fresh);
                expectComplete(dir);
                break;
            }
            if (dir.Exists("c.txt") || c.oldFile) {
                const std::string content = dir.Read("c.txt");
                EXPECT_TRUE(content == old || content == fresh) << content.size() << " bytes";
            }
            for (const auto& [folder, entries] : complete) {
                for (const std::string& name : dir.Entries(folder)) {
                    const std::string path = folder.empty() ? name : folder + "/" + name;
                    if (c.oldFile && name != ".c.txt.backup" &&
                        std::filesystem::is_regular_file(
                            std::filesystem::symlink_status(dir.File(path)))) {
                        EXPECT_EQ(PermissionsOf(dir.File(path)) & 077 & ~c.mode, 0U) << path;
                    }
                }
            }
            const FileError next = fixtures::RunInChild(
                [&] { return ReplaceFileContent(dir.Path(), "c.txt", "next"); }, -1, c.asUser);
            ASSERT_FALSE(next.Failed()) << next.Message();
            expectComplete(dir);
            EXPECT_EQ(dir.Read(".c.txt.backup"), "mine");
            if (c.oldFile) {
                EXPECT_EQ(PermissionsOf(dir.File(file)), c.mode);
            }
        }
        EXPECT_GT(killedAt, 5) << c.what; // the trace saw the calls
    }
    ::umask(savedUmask);
}

// The new content is on disk before it takes the old one's place, and the folder, which holds
// that place, is synced after it: a crash right after a commit finds the new text.
TEST(ReplaceFileContentTest, SyncsTheFileBeforeTheRenameAndTheFolderAfter) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a process trace its child";
    }
    const auto isName = [](long number) {
        return number == SYS_renameat2 || number == SYS_linkat
#ifdef SYS_rename
               || number == SYS_rename
#endif
#ifdef SYS_renameat
               || number == SYS_renameat
#endif
#ifdef SYS_link
               || number == SYS_link
#endif
            ;
    };
    for (const bool oldFile : {true, false}) {
        SCOPED_TRACE(oldFile ? "an existing file" : "a new file");
        TempDir dir;
        if (oldFile) {
            dir.Write("c.txt", "old");
        }
        // What the commit did, in order: 'n' a link or rename, 's' a sync.
        std::string steps;
        const fixtures::TracedRun run =
            fixtures::RunTraced([&] { return ReplaceFileContent(dir.Path(), "c.txt", "new"); },
                                [&](int, long number) {
                                    if (isName(number)) {
                                        steps += 'n';
                                    } else if (number == SYS_fsync) {
                                        steps += 's';
                                    }
                                    return fixtures::AtSyscall::Run;
                                });
        ASSERT_FALSE(run.error.Failed()) << run.error.Message();
        EXPECT_EQ(dir.Read("c.txt"), "new");
        // The unnamed new file gets a name for the rename; a new file is named by one link.
        EXPECT_EQ(steps, oldFile ? "snns" : "sns");
    }
}

} // namespace
} // namespace zandrel
