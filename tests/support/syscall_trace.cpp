#include "tests/support/syscall_trace.h"

#include <csignal>
#include <cstddef>
#include <elf.h>
#include <stdexcept>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zandrel::fixtures {

namespace {

#if defined(__x86_64__) || defined(__aarch64__)
constexpr bool kKnownArch = true;
#else
constexpr bool kKnownArch = false;
#endif

#if defined(__aarch64__)
using Registers = user_pt_regs;
#else
using Registers = user_regs_struct;
#endif

bool GetRegisters(pid_t child, Registers* regs) {
    iovec io{regs, sizeof *regs};
    return ::ptrace(PTRACE_GETREGSET, child, reinterpret_cast<void*>(NT_PRSTATUS), &io) == 0;
}

bool SetRegisters(pid_t child, Registers* regs) {
    iovec io{regs, sizeof *regs};
    return ::ptrace(PTRACE_SETREGSET, child, reinterpret_cast<void*>(NT_PRSTATUS), &io) == 0;
}

#if defined(__x86_64__)
long CallNumber(const Registers& regs) {
    return static_cast<long>(regs.orig_rax);
}
unsigned long long& CountArgument(Registers& regs) {
    return regs.rdx;
}
#elif defined(__aarch64__)
long CallNumber(const Registers& regs) {
    return static_cast<long>(regs.regs[8]);
}
unsigned long long& CountArgument(Registers& regs) {
    return regs.regs[2];
}
#else
long CallNumber(const Registers&) {
    return -1;
}
unsigned long long& CountArgument(Registers&) {
    static unsigned long long none = 0;
    return none;
}
#endif

bool IsWrite(long number) {
    return number == SYS_write || number == SYS_pwrite64;
}

// Resumes the child up to its next system call stop, passing on `signal`, and waits for the
// next stop or its end.
int ResumeAndWait(pid_t child, int signal) {
    int status = 0;
    if (::ptrace(PTRACE_SYSCALL, child, nullptr,
                 reinterpret_cast<void*>(static_cast<long>(signal))) != 0 ||
        ::waitpid(child, &status, 0) != child) {
        throw std::runtime_error("lost the traced child");
    }
    return status;
}

bool KillAndReap(pid_t child) {
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return true;
}

} // namespace

bool RunTraced(const std::function<void()>& action,
               const std::function<AtCall(int index, long number)>& atCall, bool dropRoot) {
    if (!kKnownArch) {
        throw std::runtime_error("system calls are traced on x86-64 and AArch64 only");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (dropRoot && ::geteuid() == 0 &&
            (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)) {
            ::_exit(2);
        }
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            ::_exit(3);
        }
        ::raise(SIGSTOP);
        action();
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        throw std::runtime_error("the child could not be traced");
    }
    // Syscall stops are told apart from signals; the child dies with this process.
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr,
             reinterpret_cast<void*>(static_cast<long>(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL)));
    int index = 0;
    bool inCall = false;
    bool tornWrite = false;
    int pending = 0;
    for (;;) {
        status = ResumeAndWait(child, pending);
        pending = 0;
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            return false;
        }
        if (!WIFSTOPPED(status)) {
            continue;
        }
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pending = WSTOPSIG(status) == SIGSTOP ? 0 : WSTOPSIG(status);
            continue;
        }
        inCall = !inCall;
        if (!inCall) {
            if (tornWrite) {
                return KillAndReap(child);
            }
            continue;
        }
        Registers regs{};
        if (!GetRegisters(child, &regs)) {
            throw std::runtime_error("cannot read the traced child's registers");
        }
        const long number = CallNumber(regs);
        const AtCall what = atCall(++index, number);
        if (what == AtCall::Kill ||
            (what == AtCall::TearAndKill && (!IsWrite(number) || CountArgument(regs) < 2))) {
            return KillAndReap(child);
        }
        if (what == AtCall::TearAndKill) {
            CountArgument(regs) /= 2;
            if (!SetRegisters(child, &regs)) {
                throw std::runtime_error("cannot change the traced child's registers");
            }
            tornWrite = true;
        }
    }
}

bool CanTraceSyscalls() {
    static const bool can = [] {
        try {
            int calls = 0;
            RunTraced([] { (void)::getppid(); },
                      [&](int, long number) {
                          calls += number == SYS_getppid ? 1 : 0;
                          return AtCall::Run;
                      });
            return calls == 1;
        } catch (const std::exception&) {
            return false;
        }
    }();
    return can;
}

} // namespace zandrel::fixtures
