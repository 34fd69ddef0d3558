// The user's clicks on a string grid's cell: the cell becomes the current
// one, then the grid tells its Click or DblClick handler, as a click of the
// mouse on that cell does.
#pragma once

#include "platform/widgets/StringGrid.h"

inline void ClickCell(TStringGrid* grid, int col, int row) {
    grid->SetCurrent(col, row);
    emit grid->Click();
}

inline void DoubleClickCell(TStringGrid* grid, int col, int row) {
    grid->SetCurrent(col, row);
    emit grid->DblClick();
}
