#pragma once

// The astronomy behind the lunar calendar table: instants of new moons and of the sun's
// apparent longitude, as Julian Ephemeris Days (Terrestrial Time), and the civil day in
// Beijing time (UTC+8) that holds an instant. Good to a few seconds over 1998-2100.

namespace zandrel {

// The JDE of new moon number k, counted from the new moon of 2000-01-06 (k = 0).
double NewMoon(int k);

// The sun's apparent geocentric longitude at jde, in degrees 0..360.
double SunLongitude(double jde);

// The JDE, near `nearJde` (within a few weeks), at which the sun's apparent longitude is
// `degrees`.
double SunReachesLongitude(double degrees, double nearJde);

// TT - UT in seconds for the instant jde.
double DeltaT(double jde);

// The instant jde in Beijing time (UTC+8), as days since 1970-01-01 00:00 there: its whole
// part is the civil day that holds the instant.
double BeijingDays(double jde);

} // namespace zandrel
