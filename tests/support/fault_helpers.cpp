#include "tests/support/fault_helpers.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sstream>
#include <stdexcept>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
        return {SYS_fsync};
    case Syscall::Link:
        return {
#ifdef SYS_link
            SYS_link,
#endif
            SYS_linkat};
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
        for (const long number : SyscallNumbers(failing.call)) {
            program.push_back(
                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<std::uint32_t>(number), 0, 1));
            program.push_back(
                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (failing.err & SECCOMP_RET_DATA)));
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

// Exit status of a child whose filter could not be installed.
constexpr int kNoFilter = 3;

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

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

LockHolder::LockHolder(const std::string& path) {
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
        throw std::runtime_error("the child could not lock " + path);
    }
}

LockHolder::~LockHolder() {
    if (child_ > 0) {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
}

FileError RunInChild(const std::function<FileError()>& action, const ChildOptions& options) {
    int result[2];
    if (::pipe(result) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(result[0]);
        if (options.fileSizeLimit >= 0) {
            // Without this the kernel kills the writer instead of failing its write.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                               static_cast<rlim_t>(options.fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (options.dropRoot && ::geteuid() == 0) {
            if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) {
                ::_exit(2);
            }
        }
        if (!options.failingCalls.empty() && !InstallFailingCalls(options.failingCalls)) {
            ::_exit(kNoFilter);
        }
        const FileError error = action();
        const int cause = static_cast<int>(error.cause);
        (void)!::write(result[1], &cause, sizeof cause);
        (void)!::write(result[1], error.name.data(), error.name.size());
        ::close(result[1]);
        ::_exit(0);
    }
    ::close(result[1]);
    std::string bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(result[0], buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(result[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoFilter) {
        throw std::runtime_error("the child could not install its seccomp filter");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < sizeof(int)) {
        throw std::runtime_error("the child failed to run the action");
    }
    FileError error;
    int cause = 0;
    std::memcpy(&cause, bytes.data(), sizeof cause);
    error.cause = static_cast<FileCause>(cause);
    error.name = bytes.substr(sizeof cause);
    return error;
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

void MakeWorldWritable(const std::string& path) {
    ::chmod(path.c_str(), 0777);
}

} // namespace zandrel::fixtures
