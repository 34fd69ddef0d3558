// The day's prayer times at a place, and the daylight-saving state the
// alarm keeps in its settings.
#pragma once

#include "kestrun/kestrun32.h"
#include "locations/records/LocationFile.h"
#include "platform/core/DateTime.h"

#include <cstdint>

// The day's six prayer times at the place, today's or tomorrow's.
void GetTimingsFor(TLocationRecord place, TPrayerTimes* out, bool daylight, TDateTime date);
void GetTodayTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
void GetTomorrowTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
// Rewrites "DayLightSavings" from the system unless "AutoUpdate" is "0".
void UpdateDaylightFromSystem();
// The second of the day at which an event sounds: `deltaMinutes` from its
// base time (`timeCode`, as ScheduleEntry holds it) among the day's times;
// Sehri is ten minutes before Fajr, midnight second 0, an unknown base
// time 0. Kept within 32 bits.
int32_t EventSeconds(char timeCode, int32_t deltaMinutes, const TPrayerTimes times);
