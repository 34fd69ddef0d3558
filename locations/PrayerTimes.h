// The day's prayer times of one place, from the prayer-time library: the sun
// times of the date first, then the six prayer times derived from them. The
// library is reached through a source that tests can replace with fixed
// results.
#pragma once

#include "DateTime.h"
#include "LocationFile.h"
#include "kestrun32.h"

#include <vector>

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

// Answers every date and place with the same sun times and prayer times, and
// records what it was asked. Sun times handed back with an offset (the
// daylight hour) move every prayer time by that offset, as the library's do.
// Installs itself while it lives.
class FixedPrayerTimes : public PrayerTimeSource {
public:
    struct Request {
        int day, month, year;
        float latitude, longitude, timeZone;
    };

    FixedPrayerTimes();
    ~FixedPrayerTimes() override;
    FixedPrayerTimes(const FixedPrayerTimes&) = delete;
    FixedPrayerTimes& operator=(const FixedPrayerTimes&) = delete;

    void GetTimes(int day, int month, int year, float latitude, float longitude, float timeZone,
                  TSunTimes* out) override;
    void GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out) override;

    TSunTimes sun = {0.25, 0.75};
    TPrayerTimes prayers = {0.2, 0.25, 0.5, 0.65, 0.75, 0.8};
    std::vector<Request> requests;
    // The sun times each GetSalaatTimings call was given.
    std::vector<std::pair<double, double>> sunGiven;
};
