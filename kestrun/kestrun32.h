/*
 * kestrun32: sunrise, sunset and the five daily prayer times of a place.
 *
 * Two C functions, called one after the other for the same date and place:
 *
 *     TSunTimes sun;
 *     GetTimes(day, month, year, latitude, longitude, timeZone, &sun);
 *     if (daylight) { sun[0] += 0.04166667; sun[1] += 0.04166667; }
 *     TPrayerTimes p;
 *     GetSalaatTimings(&sun, &p);
 *
 * Times are fractions of the local day: 0.5 is noon, 0.25 is 06:00, in the
 * place's standard time (timeZone hours from UTC, no daylight saving).
 *
 * The sun follows the NOAA solar-calculator equations (Meeus, Astronomical
 * Algorithms): Julian century, the sun's apparent longitude, the obliquity,
 * declination and equation of time, evaluated at the moment of each event.
 * Universal and dynamical time are taken as equal, as NOAA does. Sunrise and
 * sunset are when the sun's centre is 90.833 degrees from the zenith
 * (refraction and the sun's radius).
 *
 * GetSalaatTimings recognises the pair of the last GetTimes call made on the
 * same thread: each thread keeps its own last call, and nothing else is
 * kept between calls. The int results tell what was done; callers may
 * ignore them.
 */
#ifndef KESTRUN32_H
#define KESTRUN32_H

#include <stdint.h>

/* The library is built with hidden symbols; these two are its exports. */
#if defined(_WIN32)
#if defined(KESTRUN32_BUILD)
#define KESTRUN32_API __attribute__((dllexport))
#else
#define KESTRUN32_API __attribute__((dllimport))
#endif
#else
#define KESTRUN32_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* [0] sunrise, [1] sunset: filled by GetTimes, read only by GetSalaatTimings. */
typedef double TSunTimes[2];

/* [0] Fajar, [1] Sunrise, [2] Zohar, [3] Asr, [4] Maghrib, [5] Isha. */
typedef double TPrayerTimes[6];

/*
 * Fills (*out)[0] with the sunrise and (*out)[1] with the sunset of the
 * Gregorian date day/month/year at latitude (degrees, North positive) and
 * longitude (degrees, East positive), as fractions in [0, 1) of the local day
 * in standard time timeZone (hours from UTC; 5.5, 5.75, -3.5 are fine).
 *
 * Where the sun does not both rise and set that day (midnight sun, polar
 * night), the times are those of the nearest latitude towards the equator
 * at which it does. There the sun just touches the horizon: half a day from
 * the transit in a midnight sun (the day about 24 hours long), at the
 * transit in a polar night (the day about no length at all).
 *
 * Any input is accepted:
 * - the date is counted as day arithmetic (day 0 is the last day of the
 *   month before, month 13 is January of the next year, day 32 of January is
 *   1 February) and the result is held within 0001-01-01 .. 9999-12-31;
 * - a NaN latitude is taken as 0, a latitude beyond +-90 as +-90;
 * - a longitude outside [-180, 180] is reduced by whole turns, a NaN or
 *   infinite one is taken as 0;
 * - a time zone beyond +-14 is taken as +-14, a NaN or infinite one as the
 *   nominal zone of the longitude (longitude / 15, rounded).
 *
 * Returns 1 when the times are those of the date and place as given, 0 when
 * something was substituted (an input taken as described above, or the
 * nearest latitude with both events). Returns 0 and writes nothing when out
 * is null.
 */
KESTRUN32_API int GetTimes(int32_t day, int32_t month, int32_t year, float latitude,
                           float longitude, float timeZone, TSunTimes* out);

/*
 * Fills *out with the prayer times of the day whose pair *in holds.
 *
 * When *in is the pair the last GetTimes call returned, or that pair with
 * the daylight hour 0.04166667 added to both, the times are computed for
 * that call's date and place and the same hour is added to each:
 * - Fajar when the sun is 18 degrees below the horizon before sunrise;
 * - Sunrise and Maghrib are the pair itself;
 * - Zohar at the sun's transit;
 * - Asr when an object's shadow equals its length plus its noon shadow;
 * - Isha when the sun is 17 degrees below the horizon after sunset.
 * Where the twilight does not end that day, or Fajar would come earlier than
 * 18/60 of the night before sunrise (Isha later than 17/60 of the night
 * after sunset), that portion of the night is taken instead. Where the sun
 * never reaches the height of Asr, Asr is taken as below. These times lie in
 * [0, 1) before the hour is added, so in [0, 1 + 1/24) with it.
 *
 * Any other pair is read on its own, each value reduced into [0, 1) (a NaN
 * or infinite sunrise taken as 0.25, sunset as 0.75), the day running from
 * sunrise to sunset and the night from sunset to the next sunrise:
 * Zohar the midpoint of the day, Asr the midpoint plus 13/24 of the time
 * from the midpoint to sunset, Fajar a seventh of the night before sunrise,
 * Isha a seventh of the night after sunset; all six in [0, 1).
 *
 * Returns 1 when the pair was recognised and the times computed for the
 * date and place, 0 when they were read from the pair alone (a null in is
 * read as a pair of NaNs). Returns 0 and writes nothing when out is null.
 */
KESTRUN32_API int GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out);

#ifdef __cplusplus
}
#endif

#endif /* KESTRUN32_H */
