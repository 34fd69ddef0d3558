#include "vidur/AlarmGrid.h"

#include "calendar/Projglob.h"
#include "platform/core/RecordFile.h"
#include "platform/widgets/StringGrid.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

AnsiString TimeText(const ScheduleEntry& e) {
    AnsiString text = TimeCodeName(e.timeCode);
    if (e.deltaMinutes > 0)
        text += " +" + IntToStr(e.deltaMinutes) + " min.";
    else if (e.deltaMinutes < 0)
        text += " " + IntToStr(e.deltaMinutes) + " min.";
    return text;
}

AnsiString FrequencyText(const ScheduleEntry& e) {
    if (e.periodStart == PeriodEveryDayStart && e.periodEnd == PeriodEveryDayEnd)
        return "Every day";
    return PeriodDay(e.periodStart).Format(2) + " - " + PeriodDay(e.periodEnd).Format(2);
}

}  // namespace

int CellInt(const TStringGrid* grid, int col, int row, int fallback) {
    return DecimalOr(grid->Cell(col, row), fallback);
}

bool CellEmpty(const TStringGrid* grid, int col, int row) {
    return Trim(grid->Cell(col, row)).empty();
}

int AlarmGridRowsNeeded() {
    const std::size_t entries = schedList ? schedList->size() : 0;
    return static_cast<int>(std::max<std::size_t>(AlarmGridRows, entries + 1));
}

void SetupAlarmGrid(TStringGrid* grid, int width, bool debug) {
    const int w = width;
    grid->SetColCount(AlarmGridColumns);
    grid->SetRowCount(AlarmGridRowsNeeded());
    grid->SetColWidth(colName, w * 16 / 100);
    grid->SetColWidth(colTime, w * 20 / 100);
    grid->SetColWidth(colFileName, w * 23 / 100);
    grid->SetColWidth(colFrequency, w * 35 / 100);
    static const char* const titles[AlarmGridColumns] = {
        "Name",         "Time",       "File Name", "Frequency", "Actual Time (sec)",
        "Period Start", "Period End", "Full path", "Enabled",   "next",
        "Key"};
    for (int col = colName; col <= colFrequency; ++col)
        grid->SetCell(col, 0, titles[col]);
    if (debug) {
        for (int col = colSeconds; col <= colKey; ++col) {
            grid->SetColWidth(col, w * 16 / 100);
            grid->SetCell(col, 0, titles[col]);
        }
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    } else {
        for (int col = colSeconds; col <= colKey; ++col)
            grid->SetColWidth(col, 0);
    }
}

void FillAlarmGrid(TStringGrid* grid) {
    if (!schedList)
        return;
    // A row for every entry: one that had none would be kept in the file
    // but never shown, timed or sounded.
    if (grid->RowCount() < AlarmGridRowsNeeded())
        grid->SetRowCount(AlarmGridRowsNeeded());
    for (std::size_t k = 0; k < schedList->size(); ++k) {
        const ScheduleEntry& e = *(*schedList)[k];
        const int row = static_cast<int>(k) + 1;
        grid->SetCell(colName, row, RecordBytes::FieldText(e.name));
        grid->SetCell(colTime, row, TimeText(e));
        grid->SetCell(colFileName, row, FileNameOf(RecordBytes::FieldText(e.filePath)));
        grid->SetCell(colFrequency, row, FrequencyText(e));
        grid->SetCell(colPeriodStart, row, IntToStr(e.periodStart));
        grid->SetCell(colPeriodEnd, row, IntToStr(e.periodEnd));
        grid->SetCell(colFullPath, row, RecordBytes::FieldText(e.filePath));
        grid->SetCell(colEnabled, row, IntToStr(e.enabled));
        grid->SetCell(colNext, row, "-1");
        grid->SetCell(colKey, row, IntToStr(e.key));
    }
}

int AlarmGridRowOfKey(const TStringGrid* grid, int32_t key) {
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (CellEmpty(grid, colKey, row)) {
            ShowMessageBox("Error getting grid row");
            return -1;
        }
        if (CellInt(grid, colKey, row, 0) == key)
            return row;
    }
    return -1;
}

// An event sounds on the Hijri days from its period's start to its end.
bool PeriodHolds(const TStringGrid* grid, int row, int day) {
    return CellInt(grid, colPeriodStart, row, 1) <= day &&
           CellInt(grid, colPeriodEnd, row, 1) >= day;
}

AnsiString Announcement(const TStringGrid* grid, int row, TMisri day) {
    const int seconds = CellInt(grid, colSeconds, row, 0);
    return "Next: " + grid->Cell(colName, row) + " at " + TimeToStr(AddSeconds(Date(), seconds)) +
           ", " + day.Format(0);
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
