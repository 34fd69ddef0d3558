// The alarm's grid: the day's schedule as the window shows it, and the
// working store of the timer in columns the user does not see.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/AnsiString.h"

#include <cstdint>

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

// Rows for the title and every entry of the schedule, at least AlarmGridRows.
int AlarmGridRowsNeeded();
// The columns, their widths for a window `width` wide and their titles; the
// working columns are shown only in the debug display.
void SetupAlarmGrid(TStringGrid* grid, int width, bool debug);
// One row per entry of schedList, in its order, below the title row; the
// grid grows to hold them all. Nothing when the list does not exist.
void FillAlarmGrid(TStringGrid* grid);
// The row of the entry with the key; -1 when none has it, and (after the box
// "Error getting grid row") when a row without a key comes first.
int AlarmGridRowOfKey(const TStringGrid* grid, int32_t key);
// Whether the row's event sounds on Hijri day `day` of the year: its period
// runs from its start to its end.
bool PeriodHolds(const TStringGrid* grid, int row, int day);
// The text that announces the row's event on `day`: "Next: <name> at
// <time>, <date>".
AnsiString Announcement(const TStringGrid* grid, int row, TMisri day);
