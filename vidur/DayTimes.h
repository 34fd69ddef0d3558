// The day's prayer times at a place, and the daylight-saving state the
// alarm keeps in its settings.
#pragma once

#include "kestrun/kestrun32.h"
#include "locations/LocationFile.h"
#include "platform/core/DateTime.h"

// The day's six prayer times at the place, today's or tomorrow's.
void GetTimingsFor(TLocationRecord place, TPrayerTimes* out, bool daylight, TDateTime date);
void GetTodayTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
void GetTomorrowTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
// Rewrites "DayLightSavings" from the system unless "AutoUpdate" is "0".
void UpdateDaylightFromSystem();
