// The options of one calendar print, kept in the settings key between runs,
// and the print command that gathers them, lets the user review them in the
// print wizard, prints the page and stores them back.
#pragma once

#include "Colors.h"
#include "LocationFile.h"
#include "Misri.h"

#include <cstdint>

struct PrintSource;

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

// The main window's print command. Only the calendar pane prints; the options
// are read, reviewed in the wizard (frmPrint) and, once the page is printed,
// stored back. Without a printer the page is saved as a PDF file, whose name
// the user chooses; a page saved to a file is followed by a box saying
// where. The busy cursor is on until the command ends, however it ends; an
// exception (a printer that cannot print) ends the command in the
// application's exception box and stores nothing.
void RunPrintCommand(bool calendarPaneVisible, TMisri shownMonth, const PrintSource& source);
