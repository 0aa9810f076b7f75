#include "tests/support/fault_helpers.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sstream>
#include <stdexcept>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zandrel::fixtures {

namespace {

#if defined(__x86_64__)
constexpr std::uint32_t kNativeArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t kNativeArch = AUDIT_ARCH_AARCH64;
#elif defined(__i386__)
constexpr std::uint32_t kNativeArch = AUDIT_ARCH_I386;
#else
constexpr std::uint32_t kNativeArch = 0; // unknown: no filter is installed
#endif

// Every system call number through which the C library may carry out `call`.
std::vector<long> SyscallNumbers(Syscall call) {
    switch (call) {
    case Syscall::Close:
        return {SYS_close};
    case Syscall::Fchmod:
        return {SYS_fchmod};
    case Syscall::Fsync:
        return {SYS_fsync, SYS_fdatasync};
    case Syscall::Link:
        return {
#ifdef SYS_link
            SYS_link,
#endif
            SYS_linkat};
    case Syscall::OpenTmpfile:
        return {
#ifdef SYS_open
            SYS_open,
#endif
            SYS_openat};
    case Syscall::Rename:
        return {
#ifdef SYS_rename
            SYS_rename,
#endif
#ifdef SYS_renameat
            SYS_renameat,
#endif
            SYS_renameat2};
    case Syscall::Umask:
        return {SYS_umask};
    case Syscall::Unlink:
        return {
#ifdef SYS_unlink
            SYS_unlink,
#endif
            SYS_unlinkat};
    case Syscall::Xattr:
        return {SYS_setxattr,  SYS_lsetxattr,   SYS_fsetxattr,    SYS_getxattr,    SYS_lgetxattr,
                SYS_fgetxattr, SYS_removexattr, SYS_lremovexattr, SYS_fremovexattr};
    }
    return {};
}

// Where the open flags are among the arguments of an open call.
std::uint32_t FlagsOffset(long number) {
#ifdef SYS_open
    if (number == SYS_open) {
        return offsetof(seccomp_data, args[1]);
    }
#endif
    (void)number;
    return offsetof(seccomp_data, args[2]);
}

// Installs a seccomp filter in this process that makes each of `calls` fail with its errno
// and allows everything else, including every call made for another architecture.
bool InstallFailingCalls(const std::vector<FailingCall>& calls) {
    if (kNativeArch == 0) {
        return false;
    }
    std::vector<sock_filter> program = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kNativeArch, 0, 0), // jf set below
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
    };
    for (const FailingCall& failing : calls) {
        const sock_filter fail =
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (failing.err & SECCOMP_RET_DATA));
        for (const long number : SyscallNumbers(failing.call)) {
            const auto nr = static_cast<std::uint32_t>(number);
            if (failing.call != Syscall::OpenTmpfile) {
                program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, nr, 0, 1));
                program.push_back(fail);
                continue;
            }
            // Only when the flags ask for an unnamed file; the call number is loaded again
            // for the tests that follow. The low word of the flags holds the bit.
            program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, nr, 0, 4));
            program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, FlagsOffset(number)));
            program.push_back(
                BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, __O_TMPFILE & ~O_DIRECTORY, 0, 1));
            program.push_back(fail);
            program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
        }
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    if (program.size() - 3 > 255) {
        return false; // the jump to the last instruction would not fit
    }
    program[1].jf = static_cast<std::uint8_t>(program.size() - 3);
    const sock_fprog fprog{static_cast<unsigned short>(program.size()), program.data()};
    // Without no_new_privs an unprivileged process may not install a filter.
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1UL, 0UL, 0UL, 0UL) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
}

// Exit statuses of a child that could not be prepared.
constexpr int kNoRootToDrop = 2;
constexpr int kNoFilter = 3;

// Makes the changes `options` ask for in a forked child; on failure the child exits.
void PrepareChild(const ChildOptions& options) {
    if (options.fileSizeLimit >= 0) {
        // Without this the kernel kills the writer instead of failing its write.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                           static_cast<rlim_t>(options.fileSizeLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (options.dropRoot && ::geteuid() == 0) {
        if ((options.groups && ::setgroups(options.groups->size(), options.groups->data()) != 0) ||
            ::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) {
            ::_exit(kNoRootToDrop);
        }
    }
    if (!options.failingCalls.empty() && !InstallFailingCalls(options.failingCalls)) {
        ::_exit(kNoFilter);
    }
}

// Sends the outcome of a child's action through `fd`.
void SendResult(int fd, const FileError& error) {
    const int cause = static_cast<int>(error.cause);
    (void)!::write(fd, &cause, sizeof cause);
    (void)!::write(fd, error.name.data(), error.name.size());
    ::close(fd);
}

// Reads what SendResult sent, to the end; nothing when the child sent nothing.
std::optional<FileError> ReceiveResult(int fd) {
    std::string bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.size() < sizeof(int)) {
        return std::nullopt;
    }
    FileError error;
    int cause = 0;
    std::memcpy(&cause, bytes.data(), sizeof cause);
    error.cause = static_cast<FileCause>(cause);
    error.name = bytes.substr(sizeof cause);
    return error;
}

// Throws when a child could not be prepared as asked.
void CheckPrepared(int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoFilter) {
        throw std::runtime_error("the child could not install its seccomp filter");
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoRootToDrop) {
        throw std::runtime_error("the child could not give up root");
    }
}

// Forks a child that runs `action` as `options` say and sends its result through the pipe
// whose reading end lands in *result. A traced child stops before the action, for its tracer.
pid_t StartChild(const std::function<FileError()>& action, const ChildOptions& options, bool traced,
                 int* result) {
    int ends[2];
    if (::pipe(ends) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (traced && ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            ::_exit(1);
        }
        PrepareChild(options);
        if (traced) {
            ::raise(SIGSTOP); // the tracer counts from here
        }
        SendResult(ends[1], action());
        ::_exit(0);
    }
    ::close(ends[1]);
    *result = ends[0];
    return child;
}

} // namespace

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/zandrel-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDir::Exists(const std::string& name) const {
    struct stat st {};
    return ::lstat(File(name).c_str(), &st) == 0;
}

std::vector<std::string> TempDir::Entries(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(folder.empty() ? path_ : File(folder))) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

LockHolder::LockHolder(const std::string& path) : savedWait_(LockWait()) {
    int ready[2];
    if (::pipe(ready) != 0) {
        throw std::runtime_error("pipe failed");
    }
    child_ = ::fork();
    if (child_ == 0) {
        ::close(ready[0]);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 1 : 0;
        (void)!::write(ready[1], &ok, 1);
        ::close(ready[1]);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char ok = 0;
    const bool locked = ::read(ready[0], &ok, 1) == 1 && ok == 1;
    ::close(ready[0]);
    if (!locked) {
        Release();
        throw std::runtime_error("the child could not lock " + path);
    }
    SetLockWait(kHeldLockWait);
}

LockHolder::~LockHolder() {
    Release();
    SetLockWait(savedWait_);
}

void LockHolder::Release() {
    if (child_ > 0) {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }
}

FileError RunInChild(const std::function<FileError()>& action, const ChildOptions& options) {
    int result = -1;
    const pid_t child = StartChild(action, options, false, &result);
    const std::optional<FileError> error = ReceiveResult(result);
    int status = 0;
    ::waitpid(child, &status, 0);
    CheckPrepared(status);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !error) {
        throw std::runtime_error("the child failed to run the action");
    }
    return *error;
}

FileError RunInChild(const std::function<FileError()>& action, long fileSizeLimit, bool dropRoot) {
    ChildOptions options;
    options.fileSizeLimit = fileSizeLimit;
    options.dropRoot = dropRoot;
    return RunInChild(action, options);
}

bool CanFailSyscalls() {
    static const bool can = [] {
        const pid_t child = ::fork();
        if (child == 0) {
            const bool works = InstallFailingCalls({{Syscall::Fsync, ENOTTY}}) &&
                               ::fsync(-1) != 0 && errno == ENOTTY;
            ::_exit(works ? 0 : 1);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }();
    return can;
}

namespace {

#if defined(__aarch64__)
using Registers = user_pt_regs;
#else
using Registers = user_regs_struct;
#endif

// Makes the write the stopped child is entering write only the first half of its bytes; false
// when the call is no write of two bytes or more, or this machine's registers are not known.
bool HalveWriteCount(pid_t child, long number) {
#if defined(__x86_64__) || defined(__aarch64__)
    if (number != SYS_write && number != SYS_pwrite64) {
        return false;
    }
    Registers regs{};
    iovec io{&regs, sizeof regs};
    if (::ptrace(PTRACE_GETREGSET, child, reinterpret_cast<void*>(NT_PRSTATUS), &io) != 0) {
        return false;
    }
#if defined(__x86_64__)
    unsigned long long& count = regs.rdx;
#else
    unsigned long long& count = regs.regs[2];
#endif
    if (count < 2) {
        return false;
    }
    count /= 2;
    return ::ptrace(PTRACE_SETREGSET, child, reinterpret_cast<void*>(NT_PRSTATUS), &io) == 0;
#else
    (void)child;
    (void)number;
    return false;
#endif
}

} // namespace

TracedRun RunTraced(const std::function<FileError()>& action,
                    const std::function<AtSyscall(int index, long number)>& atEntry,
                    const ChildOptions& options) {
    int result = -1;
    const pid_t child = StartChild(action, options, true, &result);
    TracedRun run;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        ::close(result);
        CheckPrepared(status);
        throw std::runtime_error("the traced child did not start");
    }
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    const auto kill = [&] {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        run.killed = true;
    };
    int signal = 0; // the first stop, SIGSTOP, is not passed on
    bool tearing = false;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, signal) != 0 ||
            ::waitpid(child, &status, 0) != child) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        signal = 0;
        if (!WIFSTOPPED(status)) {
            break; // exited
        }
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status); // a signal of the child's own: delivered
            continue;
        }
        __ptrace_syscall_info info{};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0) {
            continue;
        }
        if (info.op != PTRACE_SYSCALL_INFO_ENTRY) {
            if (tearing) {
                kill(); // the torn write has returned
                break;
            }
            continue;
        }
        ++run.syscalls;
        const auto number = static_cast<long>(info.entry.nr);
        const AtSyscall what = atEntry(run.syscalls, number);
        if (what == AtSyscall::Run) {
            continue;
        }
        if (what == AtSyscall::TearAndKill && HalveWriteCount(child, number)) {
            tearing = true;
            continue;
        }
        kill();
        break;
    }
    const std::optional<FileError> error = ReceiveResult(result);
    if (!run.killed) {
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !error) {
            throw std::runtime_error("the traced child failed to run the action");
        }
        run.error = *error;
    }
    return run;
}

bool CanTraceSyscalls() {
    static const bool can = [] {
        try {
            int calls = 0;
            const TracedRun run = RunTraced(
                [] {
                    (void)::getppid();
                    return FileError();
                },
                [&](int, long) {
                    ++calls;
                    return AtSyscall::Run;
                });
            return !run.killed && calls > 0 && calls == run.syscalls;
        } catch (const std::runtime_error&) {
            return false;
        }
    }();
    return can;
}

bool IsPause(long number) {
#ifdef SYS_nanosleep
    if (number == SYS_nanosleep) {
        return true;
    }
#endif
    return number == SYS_clock_nanosleep;
}

void MakeWorldWritable(const std::string& path) {
    ::chmod(path.c_str(), 0777);
}

} // namespace zandrel::fixtures
