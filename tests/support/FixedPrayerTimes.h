// The prayer-time library's stand-in for tests: answers every date and place
// with the same sun times and prayer times, and records what it was asked.
// Sun times handed back with an offset (the daylight hour) move every prayer
// time by that offset, as the library's do. Installs itself while it lives.
#pragma once

#include "locations/PrayerTimes.h"

#include <utility>
#include <vector>

class FixedPrayerTimes : public PrayerTimeSource {
public:
    struct Request {
        int day, month, year;
        float latitude, longitude, timeZone;
    };

    FixedPrayerTimes() { SetPrayerTimeSource(this); }
    ~FixedPrayerTimes() override { SetPrayerTimeSource(nullptr); }
    FixedPrayerTimes(const FixedPrayerTimes&) = delete;
    FixedPrayerTimes& operator=(const FixedPrayerTimes&) = delete;

    void GetTimes(int day, int month, int year, float latitude, float longitude, float timeZone,
                  TSunTimes* out) override {
        requests.push_back({day, month, year, latitude, longitude, timeZone});
        (*out)[0] = sun[0];
        (*out)[1] = sun[1];
    }
    void GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out) override {
        sunGiven.emplace_back((*in)[0], (*in)[1]);
        const double shift = (*in)[0] - sun[0];
        for (int i = 0; i < 6; ++i)
            (*out)[i] = prayers[i] + shift;
    }

    TSunTimes sun = {0.25, 0.75};
    TPrayerTimes prayers = {0.2, 0.25, 0.5, 0.65, 0.75, 0.8};
    std::vector<Request> requests;
    // The sun times each GetSalaatTimings call was given.
    std::vector<std::pair<double, double>> sunGiven;
};
