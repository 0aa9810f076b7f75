#include "tools/lunar_astronomy.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <span>

namespace zandrel {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJd = 2440587.5; // 1970-01-01 00:00 UT

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// One periodic term A cos(B + C tau) of the planetary theory VSOP87 (version D: heliocentric,
// ecliptic and equinox of date), in the truncation of Meeus, Astronomical Algorithms,
// appendix III: A in 1e-8 radians or astronomical units, tau in Julian millennia from J2000.
struct Term {
    double a;
    double b;
    double c;
};

constexpr Term kL0[] = {
    {175347046, 0, 0},           {3341656, 4.6692568, 6283.07585},
    {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},      {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},   {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},  {1273, 2.0371, 529.691},
    {1199, 1.1096, 1577.3435},   {990, 5.233, 5884.927},
    {902, 2.045, 26.298},        {857, 3.508, 398.149},
    {780, 1.179, 5223.694},      {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},     {492, 4.205, 775.523},
    {357, 2.92, 0.067},          {317, 5.849, 11790.629},
    {284, 1.899, 796.298},       {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},      {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},      {202, 2.458, 6069.777},
    {156, 0.833, 213.299},       {132, 3.411, 2942.463},
    {126, 1.083, 20.775},        {115, 0.645, 0.98},
    {103, 0.636, 4694.003},      {102, 0.976, 15720.839},
    {102, 4.267, 7.114},         {99, 6.21, 2146.17},
    {98, 0.68, 155.42},          {86, 5.98, 161000.69},
    {85, 1.3, 6275.96},          {85, 3.67, 71430.7},
    {80, 1.81, 17260.15},        {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},         {74, 3.5, 3154.69},
    {74, 4.68, 801.82},          {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},         {61, 1.82, 7084.9},
    {57, 2.78, 6286.6},          {56, 4.39, 14143.5},
    {56, 3.47, 6279.55},         {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},         {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},         {41, 5.37, 8429.24},
    {41, 2.4, 19651.05},         {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},        {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},         {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},        {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},         {25, 3.16, 4690.48},
};
constexpr Term kL1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
    {4303, 2.6351, 12566.1517}, {425, 1.59, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.4, 796.3},           {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.3},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694},
    {11, 0.77, 553.57},         {10, 1.3, 6286.6},
    {10, 4.24, 1349.87},        {9, 2.7, 242.73},
    {9, 5.64, 951.72},          {8, 5.3, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr Term kL2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.3},  {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.3},  {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
constexpr Term kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},         {17, 5.49, 12566.15}, {3, 5.2, 155.42},
    {1, 4.72, 3.52},        {1, 5.3, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term kL5[] = {{1, 3.14, 0}};

constexpr Term kB0[] = {
    {280, 3.199, 84334.662}, {102, 5.422, 5507.553}, {80, 3.88, 5223.69},
    {44, 3.7, 2352.87},      {32, 4, 1577.34},
};
constexpr Term kB1[] = {{9, 3.9, 5507.55}, {6, 1.73, 5223.69}};

constexpr Term kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.07585},
    {13956, 3.05525, 12566.1517},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.77},
    {542, 4.564, 3930.21},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.9, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.7},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.9, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.9},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.6},
    {28, 1.9, 6279.55},
    {26, 4.59, 10447.39},
};
constexpr Term kR1[] = {
    {103019, 1.10749, 6283.07585},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
};
constexpr Term kR2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0},
    {9, 3.63, 77713.77},       {6, 1.87, 5573.14},      {3, 5.47, 18849.23},
};
constexpr Term kR3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
constexpr Term kR4[] = {{4, 2.56, 6283.08}};

double Sum(std::span<const Term> terms, double tau) {
    double s = 0;
    for (const Term& t : terms) {
        s += t.a * std::cos(t.b + t.c * tau);
    }
    return s;
}

// A series in powers of tau whose coefficients are the sums of the given term lists.
double Series(std::initializer_list<std::span<const Term>> powers, double tau) {
    double s = 0;
    double p = 1;
    for (const auto& terms : powers) {
        s += Sum(terms, tau) * p;
        p *= tau;
    }
    return s * 1e-8;
}

// Nutation in longitude, in degrees (Meeus, chapter 22, the terms above 0.1").
double NutationInLongitude(double t) {
    const double omega = Radians(125.04452 - 1934.136261 * t);
    const double sun = Radians(280.4665 + 36000.7698 * t);
    const double moon = Radians(218.3165 + 481267.8813 * t);
    const double arcseconds = -17.20 * std::sin(omega) - 1.32 * std::sin(2 * sun) -
                              0.23 * std::sin(2 * moon) + 0.21 * std::sin(2 * omega);
    return arcseconds / 3600.0;
}

} // namespace

double SunLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;
    const double t = tau * 10.0;
    const double l = Series({kL0, kL1, kL2, kL3, kL4, kL5}, tau);
    const double r = Series({kR0, kR1, kR2, kR3, kR4}, tau);
    // Geocentric, in the FK5 frame, then nutation and the aberration of light.
    const double geometric = Degrees(l) + 180.0 - 0.09033 / 3600.0;
    return Normalized(geometric + NutationInLongitude(t) - 20.4898 / 3600.0 / r);
}

double SunReachesLongitude(double degrees, double nearJde) {
    double jde = nearJde;
    for (int i = 0; i < 20; ++i) {
        const double behind = std::remainder(degrees - SunLongitude(jde), 360.0);
        const double step = behind * 365.2422 / 360.0;
        jde += step;
        if (std::fabs(step) < 1e-8) {
            break;
        }
    }
    return jde;
}

// Meeus, Astronomical Algorithms, chapter 49: the mean new moon and the periodic terms that
// give the true one, with the sun and moon in apparent longitude.
double NewMoon(int k) {
    const double kk = k;
    const double t = kk / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    double jde =
        2451550.09766 + 29.530588861 * kk + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = Radians(2.5534 + 29.10535670 * kk - 0.0000014 * t2 - 0.00000011 * t3);
    const double mp =
        Radians(201.5643 + 385.81693528 * kk + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4);
    const double f =
        Radians(160.7108 + 390.67050284 * kk - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    const double omega = Radians(124.7746 - 1.56375588 * kk + 0.0020672 * t2 + 0.00000215 * t3);

    jde += -0.40720 * std::sin(mp) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mp) +
           0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mp - m) -
           0.00514 * e * std::sin(mp + m) + 0.00208 * e * e * std::sin(2 * m) -
           0.00111 * std::sin(mp - 2 * f) - 0.00057 * std::sin(mp + 2 * f) +
           0.00056 * e * std::sin(2 * mp + m) - 0.00042 * std::sin(3 * mp) +
           0.00042 * e * std::sin(m + 2 * f) + 0.00038 * e * std::sin(m - 2 * f) -
           0.00024 * e * std::sin(2 * mp - m) - 0.00017 * std::sin(omega) -
           0.00007 * std::sin(mp + 2 * m) + 0.00004 * std::sin(2 * mp - 2 * f) +
           0.00004 * std::sin(3 * m) + 0.00003 * std::sin(mp + m - 2 * f) +
           0.00003 * std::sin(2 * mp + 2 * f) - 0.00003 * std::sin(mp + m + 2 * f) +
           0.00003 * std::sin(mp - m + 2 * f) - 0.00002 * std::sin(mp - m - 2 * f) -
           0.00002 * std::sin(3 * mp + m) + 0.00002 * std::sin(4 * mp);

    // The planetary arguments: degrees at k = 0, degrees per lunation, and the amplitude in days.
    struct Planetary {
        double start, perLunation, amplitude;
    };
    static constexpr Planetary kPlanetary[] = {
        {299.77, 0.107408, 0.000325},  {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
        {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
        {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
        {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
        {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
    };
    for (std::size_t i = 0; i < std::size(kPlanetary); ++i) {
        double argument = kPlanetary[i].start + kPlanetary[i].perLunation * kk;
        if (i == 0) {
            argument -= 0.009173 * t2;
        }
        jde += kPlanetary[i].amplitude * std::sin(Radians(argument));
    }
    return jde;
}

// TT - UT as measured (IERS) at the start of 1995, 2000, ... 2025, interpolated, and after
// 2025 a forecast: today's value, growing with the long-term curvature of tidal braking
// (32 s per century squared, Morrison and Stephenson 2004) from today's rate, which is about
// nil. The rotation of the earth cannot be predicted; this forecast gives 73 s in 2057 and
// 87 s in 2100, where Espenak and Meeus' polynomials of 2006 give 109 s and 203 s. Nothing in
// the table depends on the choice except the two new moons named in make_lunar_table.cpp.
double DeltaT(double jde) {
    static constexpr double kMeasured[] = {60.78, 63.83, 64.69, 66.07, 67.64, 69.36, 69.20};
    constexpr double kFirst = 1995;
    constexpr double kLast = 2025;
    const double y = 2000.0 + (jde - kJ2000) / 365.25;
    if (y >= kLast) {
        return kMeasured[6] + 0.0032 * (y - kLast) * (y - kLast);
    }
    const double at = std::max(0.0, (y - kFirst) / 5.0);
    const auto i = std::min(static_cast<std::size_t>(at), std::size(kMeasured) - 2);
    return kMeasured[i] + (at - static_cast<double>(i)) * (kMeasured[i + 1] - kMeasured[i]);
}

double BeijingDays(double jde) {
    const double ut = jde - DeltaT(jde) / 86400.0;
    return ut - kUnixEpochJd + 8.0 / 24.0;
}

} // namespace zandrel
