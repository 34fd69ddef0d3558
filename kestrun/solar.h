// The sun's position by the NOAA solar-calculator equations, which are those
// of Meeus, Astronomical Algorithms, chapters 25 (solar coordinates, low
// accuracy) and 28 (equation of time), and the Julian day they count in.
// Internal to kestrun32; the tests use it directly.
//
// Angles are in degrees unless a name says otherwise; t is the Julian
// century from J2000.0, in which universal and dynamical time are taken as
// equal.
#pragma once

#include <cstdint>

namespace kestrun {

// Julian day at 0h UT of the day dn days after 1970-01-01.
constexpr double julian_day(std::int64_t dn) noexcept {
    return static_cast<double>(dn) + 2440587.5;
}

// Julian centuries of 36525 days from J2000.0 (JD 2451545.0) to Julian day jd.
constexpr double julian_century(double jd) noexcept {
    return (jd - 2451545.0) / 36525.0;
}

// x reduced into [0, period) by whole periods, for finite x and period > 0.
double reduce(double x, double period) noexcept;
// x reduced into [0, 360), for finite x.
double reduce_degrees(double x) noexcept;

// Geometric mean longitude of the sun, L0, in [0, 360).
double mean_longitude(double t) noexcept;

// Mean anomaly of the sun, M, in [0, 360).
double mean_anomaly(double t) noexcept;

// Eccentricity of the earth's orbit, e (about 0.0167).
double eccentricity(double t) noexcept;

// The sun's equation of the centre, C, in [-1.92, 1.92].
double equation_of_center(double t) noexcept;

// The sun's true geometric longitude, L0 + C, in [-2, 362).
double true_longitude(double t) noexcept;

// Longitude of the ascending node of the moon's orbit, used for nutation
// and aberration here, in [0, 360).
double moon_node(double t) noexcept;

// The sun's apparent longitude, lambda: true longitude corrected for
// nutation and aberration, in [-2.1, 362).
double apparent_longitude(double t) noexcept;

// Mean obliquity of the ecliptic, epsilon0 (Meeus 22.2), near 23.44.
double mean_obliquity(double t) noexcept;

// Obliquity corrected for nutation, epsilon, as used for the apparent
// position: epsilon0 + 0.00256 cos(node).
double obliquity(double t) noexcept;

// The sun's apparent right ascension, in [0, 360).
double right_ascension(double t) noexcept;

// The sun's apparent declination, in [-23.46, 23.46].
double declination(double t) noexcept;

// Equation of time (apparent minus mean solar time) in minutes, in
// [-14.5, 16.5]: how far the sundial runs ahead of the mean sun (Meeus 28.3).
double equation_of_time(double t) noexcept;

// What the day computations need at one moment.
struct SunAt {
    double decl;  // declination, degrees, [-23.46, 23.46]
    double eot;   // equation of time, minutes, [-14.5, 16.5]
};

// Declination and equation of time together for Julian century t; equal to
// declination(t) and equation_of_time(t), sharing the work.
SunAt sun_at(double t) noexcept;

}  // namespace kestrun
