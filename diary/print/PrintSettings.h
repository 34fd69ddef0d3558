// The options of one calendar print, kept in the settings key between runs.
#pragma once

#include "calendar/Misri.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/Colors.h"

#include <cstdint>

// A flag is on when non-zero; the wizard stores 1 or 0.
struct TPrintSettings {
    TLocationRecord location;  // the place of the prayer-time table
    TMisri month;              // the month printed
    std::int32_t printSalaat = 1;
    std::int32_t dayLight = 1;
    std::int32_t printEvents = 1;
    std::int32_t printSmallMonths = 1;
    std::int32_t printBirthdays = 1;
    std::int32_t printAnniversaries = 1;
    TColor salaatColor = clBlack;
    TColor primaryMonthColor = clBlack;
    TColor secondaryMonthColor = clBlack;
    TColor primaryDateColor = clBlack;
    TColor secondaryDateColor = clBlack;
    TColor eventsColor = clBlack;
    TColor gridColor = clBlack;
};

// The stored options, each missing or empty value at its default ("1" for a
// flag, "Black" for a colour); a flag that is no decimal number reads as 1,
// an unknown colour name as black. `location` is left empty.
TPrintSettings ReadPrintSettings(TMisri month);
// Stores the thirteen values: flags in decimal, colours by name.
void WritePrintSettings(const TPrintSettings& settings);
