// The small Hijri month grid of the date picker and of the to-do pane: a row
// of weekday letters, Sunday first, over six rows of day numbers.
#pragma once

#include "platform/widgets/Canvas.h"

class TStringGrid;

// Fills the 7 x 7 grid: the letters in row 0, then the day numbers 1 to
// `daysInMonth` from the column of `firstWeekDay` (1 Monday .. 7 Sunday) on,
// and " " in every other cell.
void FillMonthGrid(TStringGrid* grid, int firstWeekDay, int daysInMonth);
// Draws one cell in the grid's font, centred at the cell's top: the letters
// bold italic white on navy, Sundays red; the cell of `day` then once more,
// bold and underlined on yellow.
void DrawMonthGridCell(TStringGrid* grid, int col, int row, const TRect& rect, int day);
// The day number in the grid's current cell; 0 on the letter row or a blank cell.
int MonthGridDay(const TStringGrid* grid);
// Makes the cell of `day` the grid's current cell, when the month has that day.
void SelectMonthGridDay(TStringGrid* grid, int day);
