#include "locations/PrayerTimes.h"

namespace {

class LibraryPrayerTimes : public PrayerTimeSource {
public:
    void GetTimes(int day, int month, int year, float latitude, float longitude, float timeZone,
                  TSunTimes* out) override {
        ::GetTimes(day, month, year, latitude, longitude, timeZone, out);
    }
    void GetSalaatTimings(const TSunTimes* in, TPrayerTimes* out) override {
        ::GetSalaatTimings(in, out);
    }
};

PrayerTimeSource*& Installed() {
    static PrayerTimeSource* source = nullptr;
    return source;
}

}  // namespace

PrayerTimeSource& CurrentPrayerTimeSource() {
    static LibraryPrayerTimes library;
    return Installed() ? *Installed() : library;
}

void SetPrayerTimeSource(PrayerTimeSource* source) {
    Installed() = source;
}

void DayPrayerTimes(const TLocationRecord& place, TDateTime day, bool daylight, TPrayerTimes& out,
                    TSunTimes* given) {
    int year = 0, month = 0, date = 0;
    DecodeDate(day, year, month, date);
    // The library's results are not checked: what it leaves in the arrays is
    // taken, and they start as zeros so that is always a defined value.
    TSunTimes sun = {0, 0};
    CurrentPrayerTimeSource().GetTimes(date, month, year, place.latitude, place.longitude,
                                       place.timeZone, &sun);
    if (given) {
        (*given)[0] = sun[0];
        (*given)[1] = sun[1];
    }
    if (daylight) {
        sun[0] += DaylightHour;
        sun[1] += DaylightHour;
    }
    for (double& t : out)
        t = 0;
    CurrentPrayerTimeSource().GetSalaatTimings(&sun, &out);
}
