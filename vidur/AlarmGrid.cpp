#include "vidur/AlarmGrid.h"

#include "calendar/Projglob.h"
#include "platform/widgets/StringGrid.h"

#include <algorithm>
#include <utility>
#include <vector>

int CellInt(const TStringGrid* grid, int col, int row, int fallback) {
    return DecimalOr(grid->Cell(col, row), fallback);
}

bool CellEmpty(const TStringGrid* grid, int col, int row) {
    return Trim(grid->Cell(col, row)).empty();
}

void SortGridByColumn(TStringGrid* grid, int column) {
    std::vector<std::pair<int, int>> rows;  // (row, value)
    for (int row = 1; row < grid->RowCount(); ++row)
        if (!CellEmpty(grid, column, row))
            rows.emplace_back(row, CellInt(grid, column, row, 0));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });

    std::vector<std::vector<AnsiString>> sorted;
    sorted.reserve(rows.size());
    for (const auto& [row, value] : rows) {
        (void)value;
        std::vector<AnsiString> cells;
        for (int col = 0; col < grid->ColCount(); ++col)
            cells.push_back(grid->Cell(col, row));
        sorted.push_back(std::move(cells));
    }
    for (int row = 1; row < grid->RowCount(); ++row) {
        const std::size_t i = static_cast<std::size_t>(row - 1);
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCell(col, row,
                          i < sorted.size() ? sorted[i][static_cast<std::size_t>(col)] : "");
    }
}
