// Prints the lunar date of every day the calendar covers, one line each:
// "YYYY-MM-DD year month leap day", leap as 0 or 1.
#include "core/lunar_calendar.h"

#include <cstdio>

int main() {
    using namespace zandrel;
    for (long d = DaysSinceEpoch(kFirstLunarDate); d <= DaysSinceEpoch(kLastLunarDate); ++d) {
        const CivilDate civil = CivilDateOfDays(d);
        const std::optional<LunarDate> lunar = LunarDateOf(civil);
        if (!lunar) {
            std::fprintf(stderr, "no lunar date for day %ld\n", d);
            return 1;
        }
        std::printf("%04d-%02d-%02d %d %d %d %d\n", civil.year, civil.month, civil.day, lunar->year,
                    lunar->month, lunar->leap ? 1 : 0, lunar->day);
    }
    return 0;
}
