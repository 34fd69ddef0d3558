#include "vidur/DayTimes.h"

#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "platform/desktop/SystemTime.h"

#include <algorithm>

void UpdateDaylightFromSystem() {
    if (ReadSettingString("AutoUpdate", "1") == "0")
        return;
    WriteSettingString("DayLightSavings", DaylightSavingInEffect() ? "1" : "0");
}

void GetTimingsFor(TLocationRecord place, TPrayerTimes* out, bool daylight, TDateTime date) {
    TSunTimes sun = {0, 0};
    DayPrayerTimes(place, date, daylight, *out, &sun);
    OutputDebugString(DateTimeToStr(sun[0]));
    OutputDebugString(DateTimeToStr(sun[1]));
}

void GetTodayTimings(TLocationRecord place, TPrayerTimes* out, bool daylight) {
    GetTimingsFor(place, out, daylight, Date());
}

void GetTomorrowTimings(TLocationRecord place, TPrayerTimes* out, bool daylight) {
    GetTimingsFor(place, out, daylight, Date() + 1);
}

int32_t EventSeconds(char timeCode, int32_t deltaMinutes, const TPrayerTimes times) {
    // Worked out in 64 bits: a hand-written delta of any size must not overflow.
    const int64_t d = static_cast<int64_t>(deltaMinutes) * 60;
    const auto clamp = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    switch (timeCode) {
    case 'M':
        return clamp(d);
    case 'H':
        return clamp(SecondsOfDay(times[0]) + d - 600);
    case 'F':
        return clamp(SecondsOfDay(times[0]) + d);
    case 'R':
        return clamp(SecondsOfDay(times[1]) + d);
    case 'Z':
        return clamp(SecondsOfDay(times[2]) + d);
    case 'A':
        return clamp(SecondsOfDay(times[3]) + d);
    case 'S':
        return clamp(SecondsOfDay(times[4]) + d);
    case 'I':
        return clamp(SecondsOfDay(times[5]) + d);
    default:
        return 0;
    }
}
