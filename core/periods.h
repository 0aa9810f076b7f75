#pragma once

// The twelve two-hour periods of a day, numbered 1..12 as their earthly branches are (子 = 1):
// period 1 runs from 23:00 to 01:00, period 2 from 01:00 to 03:00, and so on to period 12,
// from 21:00 to 23:00.

namespace zandrel {

inline constexpr int kPeriodCount = 12;

// The period that holds hour 0..23: 23 and 0 are in period 1.
constexpr int PeriodOfHour(int hour) {
    return (hour + 1) / 2 % kPeriodCount + 1;
}

// The hour 0..23 at which a period starts, and the one at which it ends: 23 and 1 for period 1.
constexpr int PeriodStartHour(int period) {
    return (21 + 2 * period) % 24;
}
constexpr int PeriodEndHour(int period) {
    return (23 + 2 * period) % 24;
}

} // namespace zandrel
