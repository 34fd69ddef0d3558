// What the tests measure the library against, and how they call it.
//
// The reference sun is the low-precision formula of the Astronomical
// Almanac (right ascension and declination to about 0.01 degrees), placed
// in the sky by Greenwich mean sidereal time (Meeus 12.4). Events are found
// by bisection on the sun's altitude or hour angle: nothing here shares the
// library's equation-of-time route to the same moments.
#pragma once

#include "kestrun/kestrun32.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace kestrun_test {

inline constexpr double rad = std::numbers::pi / 180;
inline constexpr double daylight_hour = 0.04166667;
inline constexpr double minute = 1.0 / 1440;
inline constexpr double second = 1.0 / 86400;

enum Prayer { fajr, sunrise, zohar, asr, maghrib, isha };

// Both calls for one day at one place, as the programs make them.
struct Day {
    TSunTimes sun{};
    TPrayerTimes p{};
    int times_result = -1;
    int salaat_result = -1;
};

inline Day day_at(int d, int m, int y, float lat, float lon, float tz, bool daylight = false) {
    Day r;
    r.times_result = GetTimes(d, m, y, lat, lon, tz, &r.sun);
    if (daylight) {
        r.sun[0] += daylight_hour;
        r.sun[1] += daylight_hour;
    }
    r.salaat_result = GetSalaatTimings(&r.sun, &r.p);
    return r;
}

// Distance in days between two times of day, across midnight if shorter, [0, 0.5].
inline double gap(double a, double b) {
    const double d = std::fabs(std::fmod(a - b, 1.0));
    return std::fmin(d, 1 - d);
}

// The time of day x reduced into [0, 1).
inline double of_day(double x) {
    const double r = x - std::floor(x);
    return r < 1 ? r : 0;
}

inline bool is_time_of_day(double x) {
    return std::isfinite(x) && x >= 0 && x < 1;
}

// Day d and month m of day-of-year doy ([0, 365]) of year y.
struct MonthDay {
    int d, m;
};
inline MonthDay month_day(int y, int doy) {
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int m = 0;
    while (m < 11 && doy >= lengths[m])
        doy -= lengths[m++];
    return {doy + 1, m + 1};
}

namespace ref {

// Julian day of 0h UT of a Gregorian date, by the rule of Meeus chapter 7.
inline double julian_day(int y, int m, int d) {
    if (m <= 2) {
        --y;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + b - 1524.5;
}

struct Equatorial {
    double ra;   // degrees
    double dec;  // degrees
};

// The sun's apparent place, Astronomical Almanac low-precision formula.
inline Equatorial sun(double jd) {
    const double n = jd - 2451545.0;
    const double l = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * rad;
    const double lambda = (l + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * rad;
    const double eps = (23.439 - 0.0000004 * n) * rad;
    return {std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / rad,
            std::asin(std::sin(eps) * std::sin(lambda)) / rad};
}

// Greenwich mean sidereal time, degrees.
inline double gmst(double jd) {
    const double t = (jd - 2451545.0) / 36525;
    return 280.46061837 + 360.98564736629 * (jd - 2451545.0) + t * t * (0.000387933 - t / 38710000);
}

// The sun's local hour angle at east longitude lon, degrees in [-180, 180).
inline double hour_angle(double jd, double lon) {
    const double h = std::fmod(gmst(jd) + lon - sun(jd).ra, 360.0);
    return h - 360 * std::floor((h + 180) / 360);
}

// The sun's altitude at latitude lat, longitude lon, degrees.
inline double altitude(double jd, double lat, double lon) {
    const Equatorial e = sun(jd);
    const double h = hour_angle(jd, lon) * rad;
    return std::asin(std::sin(lat * rad) * std::sin(e.dec * rad) +
                     std::cos(lat * rad) * std::cos(e.dec * rad) * std::cos(h)) /
           rad;
}

// The root of f in [a, b] where f(a) and f(b) differ in sign.
template <class F> double bisect(F f, double a, double b) {
    const bool rising = f(a) < 0;
    for (int i = 0; i < 45; ++i) {
        const double m = (a + b) / 2;
        ((f(m) < 0) == rising ? a : b) = m;
    }
    return (a + b) / 2;
}

// One day at one place, times as Julian days (UT).
struct Place {
    double lat, lon, tz;
    int y, m, d;

    // Local midnight of the date.
    double midnight() const { return julian_day(y, m, d) - tz / 24; }

    // The transit nearest local mean noon, within the local day.
    double transit() const {
        const double noon = midnight() + of_day(0.5 - lon / 360 + tz / 24);
        return bisect([this](double jd) { return hour_angle(jd, lon); }, noon - 0.1, noon + 0.1);
    }

    // When the sun stands at altitude h before (side -1) or after (+1) the
    // transit, if it crosses h there.
    std::optional<double> crossing(double h, int side) const {
        const double t = transit();
        const double far = t + side * 0.5;
        const auto f = [this, h](double jd) { return altitude(jd, lat, lon) - h; };
        if ((f(t) < 0) == (f(far) < 0))
            return std::nullopt;
        return bisect(f, side < 0 ? far : t, side < 0 ? t : far);
    }

    // Asr: the altitude where a rod's shadow is its length plus its noon shadow.
    std::optional<double> asr() const {
        const double t = transit();
        const double noon_alt = altitude(t, lat, lon);
        if (noon_alt <= 0)
            return std::nullopt;
        const double h = std::atan(1 / (1 + 1 / std::tan(noon_alt * rad))) / rad;
        return crossing(h, +1);
    }

    // A Julian day as a time of the local day.
    double local(double jd) const { return of_day(jd - midnight()); }
};

}  // namespace ref

}  // namespace kestrun_test
