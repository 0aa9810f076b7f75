// Prints every solar term of the table as the lookup finds it, one line each:
// "YYYY-MM-DD HH:MM:SS term deltaT", in Beijing time, term 0 (立春) .. 23 (大寒), with the
// TT - UT in seconds that the generator used for it.
#include "core/solar_term_table.h"
#include "core/solar_terms.h"
#include "tools/lunar_astronomy.h"

#include <cstdio>

int main() {
    using namespace zandrel;
    for (const SolarTermEntry& e : SolarTermTable()) {
        // The lookup must find each term in force from its own instant on.
        const BeijingSeconds begins =
            SecondsOf({e.year, e.month, e.day}, {e.hour, e.minute}) + e.second;
        const std::optional<SolarTerm> inForce = SolarTermAt(begins);
        if (e.year < 2100 && (!inForce || inForce->term != e.term || inForce->begins != begins)) {
            std::fprintf(stderr, "the lookup misses the term of %04d-%02d-%02d\n", e.year, e.month,
                         e.day);
            return 1;
        }
        const double jd = static_cast<double>(begins - 8 * 3600) / 86400.0 + 2440587.5;
        std::printf("%04d-%02d-%02d %02d:%02d:%02d %d %.2f\n", e.year, e.month, e.day, e.hour,
                    e.minute, e.second, e.term, DeltaT(jd + DeltaT(jd) / 86400.0));
    }
    return 0;
}
