#include "core/civil_date.h"
#include "tools/lunar_astronomy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zandrel {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// Instants (JDE) from JPL's DE431 ephemeris: the new moons and solar terms that lie closest to
// Beijing midnight, where an error of 20 seconds could move a month.
TEST(LunarAstronomyTest, AgreesWithAPreciseEphemeris) {
    const struct {
        int k;
        double jde;
    } newMoons[] = {
        {-24, 2450841.751316},  // 1998-01-28, New Year's Day
        {335, 2461443.164774},  // 2027-02-06 23:56 Beijing
        {714, 2472635.167979},  // 2057-09-29 00:00 Beijing
        {1207, 2487193.168731}, // 2097-08-08 00:01 Beijing
    };
    for (const auto& m : newMoons) {
        EXPECT_NEAR(NewMoon(m.k), m.jde, 20 * kSecond) << "new moon " << m.k;
    }

    const struct {
        double degrees;
        double near;
        double jde;
    } terms[] = {
        {270, 2459570.0, 2459570.166984}, // 2021-12-21 23:59 Beijing
        {0, 2482304.0, 2482304.168012},   // 2084-03-20 00:00 Beijing
        {60, 2454607.0, 2454607.168040},  // 2008-05-21 00:00 Beijing
    };
    for (const auto& t : terms) {
        EXPECT_NEAR(SunReachesLongitude(t.degrees, t.near), t.jde, 20 * kSecond)
            << "sun at " << t.degrees;
    }
}

TEST(LunarAstronomyTest, MeeusWorkedExample) {
    // Astronomical Algorithms, example 49.a: the new moon of 1977 February.
    EXPECT_NEAR(NewMoon(-283), 2443192.65118, 1 * kSecond);
}

TEST(LunarAstronomyTest, BeijingDayOfTheNewMoonsNearMidnight) {
    auto day = [](double jde) { return static_cast<long>(std::floor(BeijingDays(jde))); };
    EXPECT_EQ(day(NewMoon(335)), DaysSinceEpoch({2027, 2, 6}));
    EXPECT_EQ(day(NewMoon(714)), DaysSinceEpoch({2057, 9, 29}));
    EXPECT_EQ(day(NewMoon(1207)), DaysSinceEpoch({2097, 8, 8}));
    EXPECT_EQ(day(2451545.0), DaysSinceEpoch({2000, 1, 1})); // 12:00 TT is 19:59 in Beijing
}

} // namespace
} // namespace zandrel
