#pragma once

#include "platform/file.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zandrel::fixtures {

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Names of the entries in the directory, or in its folder `folder`, sorted.
    std::vector<std::string> Entries(const std::string& folder = {}) const;

private:
    std::string path_;
};

// Another process holding `path` open with the exclusive lock, as a second running copy of
// the program does while it reads or writes the file, until Release() or destruction. It
// stands for a copy that holds the lock for longer than an open waits: while it lives, opens
// in this process and in the children it forks give up after kHeldLockWait, so that a test
// of a sharing violation need not sit out the program's wait.
class LockHolder {
public:
    static constexpr std::chrono::milliseconds kHeldLockWait{50};

    explicit LockHolder(const std::string& path);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // Ends the holding process, which releases the lock.
    void Release();

private:
    pid_t child_ = -1;
    std::chrono::milliseconds savedWait_;
};

// A system call that fails in the child: every call of it returns -1 with errno `err`.
// Fsync stands for fsync and fdatasync. OpenTmpfile is an open that asks for an unnamed file
// (O_TMPFILE); other opens work. Xattr stands for every call that reads, writes or removes an
// extended attribute.
enum class Syscall { Close, Fchmod, Fsync, Link, OpenTmpfile, Rename, Umask, Unlink, Xattr };
struct FailingCall {
    Syscall call;
    int err;
};

// What the child changes before it runs its action.
struct ChildOptions {
    // File size limit in bytes, or -1 for none. A write past it fails with EFBIG, a full disk
    // for the program.
    long fileSizeLimit = -1;
    // The child gives up root first (when it is root) so that permissions apply: it becomes
    // user and group 65534, with `groups` as its supplementary groups when given (else it
    // keeps those it had).
    bool dropRoot = false;
    std::optional<std::vector<gid_t>> groups;
    // Made to fail by a seccomp filter installed just before the action (see CanFailSyscalls).
    std::vector<FailingCall> failingCalls;
};

// Runs `action` in a forked child and returns the FileError it produced.
FileError RunInChild(const std::function<FileError()>& action, const ChildOptions& options);
// The same with only a file size limit and dropRoot.
FileError RunInChild(const std::function<FileError()>& action, long fileSizeLimit = -1,
                     bool dropRoot = false);

// Whether this machine lets a child install the filter that ChildOptions::failingCalls needs.
bool CanFailSyscalls();

// What a tracer does as a traced child enters a system call: let it run; kill the child there
// with SIGKILL, before the call has any effect; or, for a write of more than one byte, let it
// write only its first half and kill the child as the call returns, which is what a kill does
// to a long write while the kernel copies its pages (any other call is killed at its entry).
enum class AtSyscall { Run, Kill, TearAndKill };

struct TracedRun {
    bool killed = false; // killed by the tracer
    int syscalls = 0;    // system calls the action entered, the one it was killed at included
    FileError error;     // what the action returned, when it ran to its end
};

// Runs `action` in a forked child (prepared as `options` say) that this process traces like
// strace: at the entry of each system call of the action, counted from 1, the child stops
// and `atEntry` is called with the count and the call's number (SYS_...). The child stays
// stopped until the hook returns, so the hook may also act on the files at that moment.
TracedRun RunTraced(const std::function<FileError()>& action,
                    const std::function<AtSyscall(int index, long number)>& atEntry,
                    const ChildOptions& options = {});

// Whether this machine lets a process trace its child's system calls.
bool CanTraceSyscalls();

// Whether the system call `number` is a sleep, as the program makes between two tries of a
// lock that another process holds.
bool IsPause(long number);

// Gives everyone write access to `path`, so that a child that gave up root can still create
// its temporary files there when a test wants only one file to be protected.
void MakeWorldWritable(const std::string& path);

} // namespace zandrel::fixtures
