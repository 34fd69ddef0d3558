// A month grid as text, for the tests' expectations of what it shows.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/StringGrid.h"

#include <string>
#include <vector>

// The six week rows of a seven-column month grid from `firstRow` on, one
// string a row: each cell's text trimmed, a blank cell as ".", the cells
// parted by one blank.
inline std::vector<std::string> MonthGridRows(const TStringGrid& grid, int firstRow) {
    std::vector<std::string> rows;
    for (int r = firstRow; r < firstRow + 6; ++r) {
        std::string line;
        for (int c = 0; c < 7; ++c) {
            const AnsiString t = Trim(grid.Cell(c, r));
            line += (t.empty() ? "." : t) + (c < 6 ? " " : "");
        }
        rows.push_back(line);
    }
    return rows;
}
