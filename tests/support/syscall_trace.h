#pragma once

#include <functional>

namespace zandrel::fixtures {

// What happens to a system call of a traced child, decided as the call begins.
enum class AtCall {
    Run,  // the call runs
    Kill, // the child is killed before the call runs
    // A write of more than one byte writes only its first half, then the child is killed as
    // the call returns: what a kill does to a long write while the kernel copies its pages.
    // Any other call is treated as Kill.
    TearAndKill,
};

// Runs `action` in a forked child whose system calls are traced. `atCall` runs in this
// process at the start of each call the action makes (index 1 for the first) with the call's
// number (SYS_...), and says what happens to it. Returns true when the child was killed, false
// when it ran to its end. Throws when the child cannot be traced.
bool RunTraced(const std::function<void()>& action,
               const std::function<AtCall(int index, long number)>& atCall, bool dropRoot = false);

// Whether this machine lets a process trace its child's system calls (and change them).
bool CanTraceSyscalls();

} // namespace zandrel::fixtures
