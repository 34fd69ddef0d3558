// The events of one local day at one place: transit, sunrise and sunset,
// the twilights and Asr. Internal to kestrun32; the tests use it directly.
//
// Times are fractions of the local standard day (0.5 is noon). They are
// kept unreduced while a day is computed, so that differences such as the
// length of the day need no wrapping; reduce_day brings one into [0, 1).
#pragma once

#include <cstdint>

namespace kestrun {

// Height of the sun's centre at sunrise and sunset, degrees: zenith 90.833
// for refraction and the sun's radius.
inline constexpr double sunrise_altitude = -0.833;
inline constexpr double fajr_altitude = -18;
inline constexpr double isha_altitude = -17;

// A place as the computations take it.
struct Place {
    double lat;  // degrees North, [-90, 90]
    double lon;  // degrees East, [-180, 180]
    double tz;   // hours from UTC, [-14, 14]
};

// Days from 1970-01-01 to the date day/month/year read as day arithmetic
// (month 13 is January of the next year, day 0 the last day of the month
// before), held within 0001-01-01 .. 9999-12-31. Any int32 inputs. Clears
// exact when the date is not a valid date in that range.
std::int64_t day_number(std::int32_t day, std::int32_t month, std::int32_t year,
                        bool& exact) noexcept;

// The place of latitude, longitude and timeZone as documented for
// GetTimes: NaN latitude 0, latitude held within +-90, longitude reduced by
// whole turns into [-180, 180] (0 when not finite), time zone held within
// +-14 (the longitude's nominal zone when not finite). Any float inputs.
// Clears exact when anything was changed.
Place place_of(float latitude, float longitude, float timeZone, bool& exact) noexcept;

// f reduced into [0, 1) by whole days, for finite f.
double reduce_day(double f) noexcept;

// One local day at one place, with its transit.
struct Day {
    Place place;
    double jd0;   // Julian day of local midnight, UT
    double base;  // local time of the mean sun's transit, [0, 1)
    double t;     // the sun's transit, about base -+ 0.011
    double decl;  // declination at the transit, degrees
    double eot;   // equation of time at the transit, minutes
};

// The day dn (days from 1970-01-01) at place p, a place as place_of makes.
Day make_day(std::int64_t dn, const Place& p) noexcept;

// A moment the sun's centre stands at a given height.
struct Crossing {
    double f;       // local time; when !exists, that of the nearest height reached
    double cos_ha;  // cosine of the hour angle: below -1 the sun stays above, above 1 below
    bool exists;    // whether the sun reaches that height on that side of the transit
};

// When the sun's centre stands at altitude h (degrees, [-90, 90]) at latitude
// lat ([-90, 90]) on day d, before the transit for side -1, after it for
// side +1. When the sun stays above h (below h), f is half a day from
// (at) the transit.
Crossing crossing(const Day& d, double lat, double h, int side) noexcept;

// Sunrise and sunset of a day.
struct SunTimes {
    double rise;  // local time, unreduced, before the transit t (or at it)
    double set;   // local time, unreduced, after the transit t (or at it)
    double lat;   // the latitude they are of: the place's, or the nearest towards the
                  // equator at which the sun both rises and sets
    bool exact;   // whether lat is the place's
};

// Sunrise and sunset of day d, from the nearest latitude with both where the
// place has no sunrise or no sunset that day: the latitude at which the one
// that is missing just touches the horizon, half a day from the transit or
// at it.
SunTimes sun_times(const Day& d) noexcept;

// Fajar, Zohar, Asr and Isha of a day, unreduced.
struct Salaat {
    double fajr;
    double zohar;
    double asr;
    double isha;
};

// The prayer times of day d whose sunrise and sunset are s, at the place's
// own latitude, with the rules of GetSalaatTimings for a recognised pair.
Salaat salaat(const Day& d, const SunTimes& s) noexcept;

// The six times GetSalaatTimings gives for a pair it does not recognise,
// from sunrise r and sunset s alone (any doubles), each in [0, 1).
void pair_times(double r, double s, double (&out)[6]) noexcept;

}  // namespace kestrun
