#pragma once

#include <cstdint>
#include <functional>

namespace zandrel {

// Milliseconds of the monotonic clock as an unsigned 32-bit number; it wraps after about 49
// days, so differences are taken unsigned.
std::uint32_t GetTickCount();

// Replaces the tick count, for tests that need deterministic draws or a wait that ends at
// once, and returns the source it replaces; an empty function is the monotonic clock. A
// replacement must keep advancing, or a wait on it never ends.
std::function<std::uint32_t()> SetTickCountSource(std::function<std::uint32_t()> source);

// Keeps dispatching the thread's events until `milliseconds` of the tick count have passed.
// Sleeps in the event loop between events instead of polling.
void PumpingWait(std::uint32_t milliseconds);

} // namespace zandrel
