// The month a printed calendar page shows, in both calendars, and what the
// page takes of the main window to know it: which calendar the page is
// in, and the rows it lists beside the grid.
#pragma once

#include "calendar/Misri.h"
#include "diary/print/PrintSettings.h"
#include "platform/core/AnsiString.h"
#include "platform/core/DateTime.h"

#include <vector>

class TStringGrid;

// What the page takes of the main window: whether its calendar pane shows a
// Gregorian month, and the rows of its two screen lists (events: day, text;
// birthdays: day, kind, name).
struct PrintSource {
    bool gregorianShown = false;
    std::vector<std::vector<AnsiString>> events;
    std::vector<std::vector<AnsiString>> birthdays;
};

// The main window as it stands when the print command starts. The copy
// matters: closing the wizard activates the main window, which then shows
// today's Hijri month, and the page must print the month the user asked for.
PrintSource PrintSourceOf(bool gregorianShown, const TStringGrid& grdHijriEvents,
                          const TStringGrid& grdBirth);

// The month of a page: its first day in both calendars, its length and the
// column (0 Sunday .. 6 Saturday) of its first day. A Hijri page prints the
// settings' Hijri month, a Gregorian page the Gregorian month it falls in.
struct PageMonth {
    TMisri hijri;
    TDateTime gregorian = 0;
    int days = 0;
    int firstColumn = 0;
};
PageMonth MonthOfPage(const PrintSource& main, const TPrintSettings& settings);

// Whether every day of the page's month has a Gregorian date, which the
// page writes: the years 1 to 9999. Hijri months late in the accepted years
// run past them and cannot be printed.
bool MonthPrintable(const PrintSource& main, const TPrintSettings& settings);

// The title: the month in the page's calendar ("Ramadan, 1447 Hijri",
// "January, 2000"), and every month of the other calendar that its days
// fall in, in order ("January/February, 2000", "Ramadan/Shawwaal Hijri";
// one name when all lie in the same month). A Hijri page's line ends with
// the year of its last day.
struct PageTitleText {
    AnsiString first;
    AnsiString second;
};
PageTitleText PageTitleOf(const PrintSource& main, const TPrintSettings& settings);
