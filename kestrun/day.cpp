#include "kestrun/day.h"

#include "kestrun/civil.h"
#include "kestrun/solar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrun {

namespace {

constexpr double rad = std::numbers::pi / 180;

constexpr std::int64_t first_day = days_from_civil(1, 1, 1);
constexpr std::int64_t last_day = days_from_civil(9999, 12, 31);

// Passes of the fixed-point iteration that evaluates the sun at the moment
// of the event it yields. Each pass shrinks the error by a factor of about
// 1e-2 (the sun's declination moves at most 0.4 degrees a day), so three
// passes from the transit leave far less than a second.
constexpr int passes = 3;

// The sun at local time f of day d.
SunAt sun_of(const Day& d, double f) noexcept {
    return sun_at(julian_century(d.jd0 + f));
}

// Cosine of the hour angle at which the sun's centre stands at altitude h
// at latitude lat for declination decl. Outside [-1, 1] when it never
// does: below -1 the sun stays above h, above 1 it stays below.
double cos_hour_angle(double lat, double decl, double h) noexcept {
    return (std::sin(h * rad) - std::sin(lat * rad) * std::sin(decl * rad)) /
           (std::cos(lat * rad) * std::cos(decl * rad));
}

// Hour angle, degrees in [0, 180], for a cosine c; c clamped into [-1, 1] and
// NaN read as -1.
double hour_angle(double c) noexcept {
    return std::acos(std::fmin(std::fmax(c, -1.0), 1.0)) / rad;
}

bool in_range(double c) noexcept {
    return c >= -1 && c <= 1;
}

}  // namespace

std::int64_t day_number(std::int32_t day, std::int32_t month, std::int32_t year,
                        bool& exact) noexcept {
    const std::int64_t mm = std::int64_t{month} - 1;         // months after January
    const std::int64_t yq = (mm >= 0 ? mm : mm - 11) / 12;   // whole years in mm
    const auto m = static_cast<unsigned>(mm - yq * 12) + 1;  // [1, 12]
    const std::int64_t dn = days_from_civil(year + yq, m, 1) + day - 1;
    if (month < 1 || month > 12 || day < 1 ||
        static_cast<unsigned>(day) > last_day_of_month(year, m) || dn < first_day || dn > last_day)
        exact = false;
    return std::clamp(dn, first_day, last_day);
}

Place place_of(float latitude, float longitude, float timeZone, bool& exact) noexcept {
    double lat = latitude;
    double lon = longitude;
    double tz = timeZone;
    if (std::isnan(lat) || lat < -90 || lat > 90) {
        lat = std::isnan(lat) ? 0 : std::clamp(lat, -90.0, 90.0);
        exact = false;
    }
    if (!std::isfinite(lon)) {
        lon = 0;
        exact = false;
    } else if (lon < -180 || lon > 180) {
        lon = reduce_degrees(lon + 180) - 180;  // [-180, 180)
        exact = false;
    }
    if (!std::isfinite(tz)) {
        tz = std::round(lon / 15);  // [-12, 12]
        exact = false;
    } else if (tz < -14 || tz > 14) {
        tz = std::clamp(tz, -14.0, 14.0);
        exact = false;
    }
    return {lat, lon, tz};
}

double reduce_day(double f) noexcept {
    return reduce(f, 1);
}

Day make_day(std::int64_t dn, const Place& p) noexcept {
    Day d{};
    d.place = p;
    d.jd0 = julian_day(dn) - p.tz / 24;
    d.base = reduce_day(0.5 - p.lon / 360 + p.tz / 24);
    SunAt s = sun_of(d, d.base);
    for (int i = 0; i < passes; ++i) {
        d.t = d.base - s.eot / 1440;
        s = sun_of(d, d.t);
    }
    d.decl = s.decl;
    d.eot = s.eot;
    return d;
}

Crossing crossing(const Day& d, double lat, double h, int side) noexcept {
    SunAt s{d.decl, d.eot};
    double c = 0;
    double f = d.t;
    for (int i = 0; i <= passes; ++i) {
        c = cos_hour_angle(lat, s.decl, h);
        f = d.base - s.eot / 1440 + side * hour_angle(c) / 360;
        if (i < passes)
            s = sun_of(d, f);
    }
    return {f, c, in_range(c)};
}

SunTimes sun_times(const Day& d) noexcept {
    const double lat = d.place.lat;
    Crossing e[] = {crossing(d, lat, sunrise_altitude, -1), crossing(d, lat, sunrise_altitude, +1)};
    if (e[0].exists && e[1].exists)
        return {e[0].f, e[1].f, lat, true};

    // An event that does not happen is on its edge at the latitude where
    // its hour angle is 180 degrees (the sun just touches the horizon at
    // midnight) or 0 (it just touches it at noon), at the moment crossing()
    // gives for it. With the declination of that moment:
    //   cos H = -1 at |lat| = 180 - zen - s decl,  cos H = 1 at |lat| = zen + s decl,
    // zen the zenith distance 90.833, s the sign of the latitude. The
    // nearest latitude with both events is the lower edge; there that event
    // keeps its moment, and the other is computed anew.
    constexpr double zen = 90 - sunrise_altitude;
    const double s = std::copysign(1.0, lat);
    double edge = std::fabs(lat);  // [65.7, 90]
    int on_edge = 0;
    for (int i = 0; i < 2; ++i) {
        if (e[i].exists)
            continue;
        const double decl = sun_of(d, e[i].f).decl;
        const double b = e[i].cos_ha < -1 ? 180 - zen - s * decl : zen + s * decl;
        if (b < edge) {
            edge = b;
            on_edge = i;
        }
    }
    const double at = std::copysign(edge, lat);
    const int other = 1 - on_edge;
    e[other] = crossing(d, at, sunrise_altitude, other == 0 ? -1 : +1);
    return {e[0].f, e[1].f, at, false};
}

Salaat salaat(const Day& d, const SunTimes& s) noexcept {
    const double lat = d.place.lat;
    const double night = std::fmax(1 - (s.set - s.rise), 0.0);  // [0, 1]
    Salaat p{};
    p.zohar = d.t;

    const double fajr_part = -fajr_altitude / 60 * night;  // 18/60 of the night
    const Crossing f = crossing(d, lat, fajr_altitude, -1);
    const double before = s.rise - f.f;
    p.fajr = f.exists && before >= 0 && before <= fajr_part ? f.f : s.rise - fajr_part;

    const double isha_part = -isha_altitude / 60 * night;  // 17/60 of the night
    const Crossing i = crossing(d, lat, isha_altitude, +1);
    const double after = i.f - s.set;
    p.isha = i.exists && after >= 0 && after <= isha_part ? i.f : s.set + isha_part;

    // Asr: the shadow of a rod of length 1 is 1 + tan(z) when the noon shadow
    // is tan(z), z the zenith distance at the transit; the sun's altitude is
    // then atan(1 / (1 + tan(z))).
    p.asr = p.zohar + 13.0 / 24 * (s.set - p.zohar);
    const double z = std::fabs(lat - d.decl);  // [0, 113.5]
    if (z < 90) {
        const double h = std::atan(1 / (1 + std::tan(z * rad))) / rad;  // (0, 45]
        if (const Crossing a = crossing(d, lat, h, +1); a.exists)
            p.asr = a.f;
    }
    return p;
}

void pair_times(double r, double s, double (&out)[6]) noexcept {
    r = std::isfinite(r) ? reduce_day(r) : 0.25;    // [0, 1)
    s = std::isfinite(s) ? reduce_day(s) : 0.75;    // [0, 1)
    const double day = s >= r ? s - r : s - r + 1;  // [0, 1)
    const double night = 1 - day;                   // (0, 1]
    const double mid = r + day / 2;                 // [0, 1.5)
    out[0] = reduce_day(r - night / 7);
    out[1] = r;
    out[2] = reduce_day(mid);
    out[3] = reduce_day(mid + 13.0 / 24 * (day / 2));
    out[4] = s;
    out[5] = reduce_day(s + night / 7);
}

}  // namespace kestrun
