// The boxes beside the printed month grid: the month's events and its
// birthdays and anniversaries as the calendar pane lists them, and the
// month's prayer-time table for the place chosen in the print wizard. Each
// sets back the canvas properties it changes.
#pragma once

#include "diary/print/PageMonth.h"
#include "diary/print/PrintSettings.h"
#include "platform/widgets/Canvas.h"

void PrintEventsBox(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings);
void PrintBirthdaysBox(const PrintSource& main, TCanvas* canvas, TRect box,
                       TPrintSettings settings);
void PrintSalaatTable(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings);
