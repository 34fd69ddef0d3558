// The day's prayer times of one place, from the prayer-time library: the sun
// times of the date first, then the six prayer times derived from them. The
// library is reached through a source that tests can replace with fixed
// results.
#pragma once

#include "kestrun/kestrun32.h"
#include "locations/records/LocationFile.h"
#include "platform/core/DateTime.h"

// One hour as a fraction of a day: added to both sun times when daylight
// saving applies.
inline constexpr double DaylightHour = 0.04166667;

// The library's two calls.
class PrayerTimeSource {
public:
    virtual ~PrayerTimeSource() = default;
    virtual void GetTimes(int day, int month, int year, float latitude, float longitude,
                          float timeZone, TSunTimes* out) = 0;
    virtual void GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out) = 0;
};

// nullptr: the kestrun32 library.
void SetPrayerTimeSource(PrayerTimeSource* source);
// The source in use: the installed one, else the library.
PrayerTimeSource& CurrentPrayerTimeSource();

// The prayer times of the date's Gregorian day at the place, in the order
// Fajar, Sunrise, Zohar, Asr, Maghrib, Isha; with daylight the hour is added
// to both sun times before the prayer times are derived from them. `sun`,
// when given, receives the sun times as the library gave them.
void DayPrayerTimes(const TLocationRecord& place, TDateTime day, bool daylight, TPrayerTimes& out,
                    TSunTimes* sun = nullptr);
