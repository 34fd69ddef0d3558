// The two exported functions and the context that joins them: GetTimes
// leaves its date, place and pair here, and GetSalaatTimings computes the
// prayer times of that day when it is handed that pair back.
#include "kestrun/kestrun32.h"

#include "kestrun/day.h"

#include <cmath>
#include <limits>

namespace {

// The hour callers add to both values of the pair in daylight saving time.
constexpr double daylight_hour = 0.04166667;

// How close a value must be to the stored one to count as the same: far
// below a second, far above the rounding of a caller's addition.
constexpr double same = 1e-6;

struct LastCall {
    bool valid;
    kestrun::Day day;
    kestrun::SunTimes sun;
    double pair[2];
};

thread_local LastCall last{};

// How many daylight hours (0 or 1) separate the pair r, s from the last
// GetTimes pair, or -1 when it is not that pair.
int hours_from_last(double r, double s) noexcept {
    if (!last.valid)
        return -1;
    for (int k = 0; k <= 1; ++k) {
        const double h = k * daylight_hour;
        if (std::fabs(r - (last.pair[0] + h)) <= same && std::fabs(s - (last.pair[1] + h)) <= same)
            return k;
    }
    return -1;  // NaN lands here too
}

}  // namespace

extern "C" {

KESTRUN32_API int GetTimes(int32_t day, int32_t month, int32_t year, float latitude,
                           float longitude, float timeZone, TSunTimes* out) {
    if (out == nullptr)
        return 0;
    bool exact = true;
    const std::int64_t dn = kestrun::day_number(day, month, year, exact);
    const kestrun::Place p = kestrun::place_of(latitude, longitude, timeZone, exact);
    const kestrun::Day d = kestrun::make_day(dn, p);
    const kestrun::SunTimes st = kestrun::sun_times(d);
    const double r = kestrun::reduce_day(st.rise);
    const double s = kestrun::reduce_day(st.set);
    (*out)[0] = r;
    (*out)[1] = s;
    last = LastCall{true, d, st, {r, s}};
    return exact && st.exact ? 1 : 0;
}

KESTRUN32_API int GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out) {
    if (out == nullptr)
        return 0;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const double r = in != nullptr ? (*in)[0] : nan;
    const double s = in != nullptr ? (*in)[1] : nan;
    const int k = hours_from_last(r, s);
    if (k < 0) {
        kestrun::pair_times(r, s, *out);
        return 0;
    }
    const double h = k * daylight_hour;
    const kestrun::Salaat p = kestrun::salaat(last.day, last.sun);
    (*out)[0] = kestrun::reduce_day(p.fajr) + h;
    (*out)[1] = r;
    (*out)[2] = kestrun::reduce_day(p.zohar) + h;
    (*out)[3] = kestrun::reduce_day(p.asr) + h;
    (*out)[4] = s;
    (*out)[5] = kestrun::reduce_day(p.isha) + h;
    return 1;
}

}  // extern "C"
