// The Gregorian date of a Hijri day as the diary's panes show it beside the
// Hijri date.
#pragma once

#include "calendar/Misri.h"

#include <QString>

// "mmm d, yyyy" in the user's locale; empty for the Hijri days late in the
// accepted years that fall beyond the year 9999, which no date can be
// written in.
QString GregorianDayText(const TMisri& day);
