#pragma once

#include <ctime>

// The system clock read as a local calendar time, in the zone of the process (TZ, else the
// system's).

namespace zandrel {

// The local calendar time now.
std::tm CurrentLocalTime();
// The local calendar time at `moment`; all fields zero where the zone cannot give it.
std::tm LocalTimeOf(std::time_t moment);

} // namespace zandrel
