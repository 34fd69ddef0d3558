// Hijri months with a given shape, for the tests of the month layouts.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/DateTime.h"

// The first Hijri month from 1 Moharram 1420 on with that length whose day 1
// falls on that weekday (1 Monday .. 7 Sunday).
inline TMisri FindHijriMonth(int days, int weekday) {
    TMisri m(1, 1, 1420);
    while (m.DaysInMonth() != days || m.DayOfWeek() != weekday)
        m.IncMonth();
    return m;
}

// The first Hijri month from 1 Moharram 1420 on whose day 1 falls on that
// Gregorian month and day.
inline TMisri FindHijriMonthStartingOn(int month, int day) {
    TMisri m(1, 1, 1420);
    for (;;) {
        int y = 0, mo = 0, d = 0;
        DecodeDate(m.ToDateTime(), y, mo, d);
        if (mo == month && d == day)
            return m;
        m.IncMonth();
    }
}
