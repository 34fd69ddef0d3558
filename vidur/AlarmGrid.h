// The alarm's grid: the day's schedule as the window shows it, and the
// working store of the timer in columns the user does not see.
#pragma once

class TStringGrid;

// The grid's columns: the four shown ones, then the working store.
enum AlarmGridColumn : int {
    colName = 0,
    colTime = 1,
    colFileName = 2,
    colFrequency = 3,
    colSeconds = 4,
    colPeriodStart = 5,
    colPeriodEnd = 6,
    colFullPath = 7,
    colEnabled = 8,
    colNext = 9,
    colKey = 10,
};
inline constexpr int AlarmGridColumns = 11;
// The title row and room for 49 events at least; the grid grows so that
// every entry of the schedule has a row.
inline constexpr int AlarmGridRows = 50;

// The integer of a cell, or `fallback` when it holds none.
int CellInt(const TStringGrid* grid, int col, int row, int fallback);
// Whether a cell holds nothing but blanks.
bool CellEmpty(const TStringGrid* grid, int col, int row);

// Sorts the grid's rows 1.. by the integer in `column`, ascending; rows with
// equal values keep their order, rows without a value end up empty at the end.
void SortGridByColumn(TStringGrid* grid, int column);
