// The printed calendar page: one landscape sheet with a title box, the month
// grid and, as chosen, the prayer-time table, the events and birthdays boxes
// and the months before and after in small. Positions are in thousandths of
// an inch from the sheet's corner; every routine sets back the canvas
// properties it changes.
#pragma once

#include "diary/print/PageMonth.h"
#include "diary/print/PrintSettings.h"
#include "platform/widgets/Canvas.h"

// Prints the page on the current printer in landscape. When a drawing step
// throws, the job is aborted (nothing is issued) and the exception goes on.
void PrintCalendarPage(const PrintSource& main, TPrintSettings settings);

void PrintPageTitle(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings);
// large non-zero: the main grid; 0: the grid of a small month.
void PrintMonthGrid(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings,
                    int large);
// nextMonth 0: the month before the settings' month; non-zero: the one after.
// A month that cannot be printed, or that does not exist, leaves the box empty.
void PrintSmallMonth(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings,
                     int nextMonth);
