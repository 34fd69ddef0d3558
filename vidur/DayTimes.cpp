// The day's working table: the place and daylight state from the settings,
// the day's prayer times, every event's second of the day in the grid, and
// the search for the next event.
#include "vidur/AzanForm.h"

#include "ui_AzanForm.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "platform/desktop/SystemTime.h"
#include "platform/widgets/StringGrid.h"
#include "vidur/CommandLine.h"
#include "vidur/DayTimes.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"
#include "vidur/WindowMessages.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// An event sounds on the Hijri days from its period's start to its end.
bool PeriodHolds(const TStringGrid* grid, int row, int day) {
    return CellInt(grid, colPeriodStart, row, 1) <= day &&
           CellInt(grid, colPeriodEnd, row, 1) >= day;
}

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

// Rows for the title and every entry of the schedule, at least the first 50.
int GridRowsNeeded() {
    const std::size_t entries = schedList ? schedList->size() : 0;
    return static_cast<int>(std::max<std::size_t>(AlarmGridRows, entries + 1));
}

AnsiString Announcement(const TStringGrid* grid, int row, TMisri day) {
    const int seconds = CellInt(grid, colSeconds, row, 0);
    return "Next: " + grid->Cell(colName, row) + " at " + TimeToStr(AddSeconds(Date(), seconds)) +
           ", " + day.Format(0);
}

}  // namespace

void UpdateDaylightFromSystem() {
    if (ReadSettingString("AutoUpdate", "1") == "0")
        return;
    WriteSettingString("DayLightSavings", DaylightSavingInEffect() ? "1" : "0");
}

void GetTimingsFor(TLocationRecord place, TPrayerTimes* out, bool daylight, TDateTime date) {
    TSunTimes sun = {0, 0};
    DayPrayerTimes(place, date, daylight, *out, &sun);
    OutputDebugString(DateTimeToStr(sun[0]));
    OutputDebugString(DateTimeToStr(sun[1]));
}

void GetTodayTimings(TLocationRecord place, TPrayerTimes* out, bool daylight) {
    GetTimingsFor(place, out, daylight, Date());
}

void GetTomorrowTimings(TLocationRecord place, TPrayerTimes* out, bool daylight) {
    GetTimingsFor(place, out, daylight, Date() + 1);
}

bool TfrmMain::ShowLocation() {
    UpdateDaylightFromSystem();
    const AnsiString place = ReadSettingString("Location", "");
    const AnsiString saving = ReadSettingString("DayLightSavings", "0");
    if (place.empty()) {
        ui->lblLocation->setText("Click the configure button to setup location");
        ui->lblDaylight->setText("Not available");
        ui->lblSunrise->setText("");
        ui->lblSunset->setText("");
        return false;
    }
    ui->lblLocation->setText(ToQString(place));
    daylight = saving != "0";
    const AnsiString state = daylight ? "ON" : "OFF";
    if (ReadSettingString("AutoUpdate", "1") == "1")
        ui->lblDaylight->setText(ToQString(state + ". (AutoUpdate is enabled.)"));
    else
        ui->lblDaylight->setText(ToQString(state + ". (AutoUpdate is NOT enabled.)"));
    return true;
}

void TfrmMain::ReadLocation() {
    SetLocationName(location, ReadSettingString("Location", "Not set yet"));
    // Each value is stored as soon as it converts: a bad one leaves the rest.
    location.longitude = static_cast<float>(StrToFloat(ReadSettingString("Longitude", "0")));
    location.latitude = static_cast<float>(StrToFloat(ReadSettingString("Latitude", "0")));
    location.timeZone = static_cast<float>(StrToFloat(ReadSettingString("TimeZone", "0")));
}

void TfrmMain::SetupGrid() {
    TStringGrid* grid = ui->grdMain;
    const int w = frameGeometry().width();
    grid->SetColCount(AlarmGridColumns);
    grid->SetRowCount(GridRowsNeeded());
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
    if (debugMode) {
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

void TfrmMain::FillGrid() {
    if (!schedList)
        return;
    TStringGrid* grid = ui->grdMain;
    // A row for every entry: one that had none would be kept in the file
    // but never shown, timed or sounded.
    if (grid->RowCount() < GridRowsNeeded())
        grid->SetRowCount(GridRowsNeeded());
    for (std::size_t k = 0; k < schedList->size(); ++k) {
        const ScheduleEntry& e = *(*schedList)[k];
        const int row = static_cast<int>(k) + 1;
        grid->SetCell(colName, row, e.name);
        grid->SetCell(colTime, row, TimeText(e));
        grid->SetCell(colFileName, row, FileNameOf(e.filePath));
        grid->SetCell(colFrequency, row, FrequencyText(e));
        grid->SetCell(colPeriodStart, row, IntToStr(e.periodStart));
        grid->SetCell(colPeriodEnd, row, IntToStr(e.periodEnd));
        grid->SetCell(colFullPath, row, e.filePath);
        grid->SetCell(colEnabled, row, IntToStr(e.enabled));
        grid->SetCell(colNext, row, "-1");
        grid->SetCell(colKey, row, IntToStr(e.key));
    }
}

int32_t TfrmMain::ActualSeconds(char timeCode, int32_t deltaMinutes,
                                const TPrayerTimes times) const {
    // Worked out in 64 bits: a hand-written delta of any size must not overflow.
    const int64_t d = static_cast<int64_t>(deltaMinutes) * 60;
    const auto clamp = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    switch (timeCode) {
    case 'M':
        return clamp(d);
    case 'H':
        return clamp(SecondsOfDay(times[0]) + d - 600);
    case 'F':
        return clamp(SecondsOfDay(times[0]) + d);
    case 'R':
        return clamp(SecondsOfDay(times[1]) + d);
    case 'Z':
        return clamp(SecondsOfDay(times[2]) + d);
    case 'A':
        return clamp(SecondsOfDay(times[3]) + d);
    case 'S':
        return clamp(SecondsOfDay(times[4]) + d);
    case 'I':
        return clamp(SecondsOfDay(times[5]) + d);
    default:
        return 0;
    }
}

int TfrmMain::FindRowByKey(int32_t key) {
    const TStringGrid* grid = ui->grdMain;
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

void TfrmMain::ComputeActualTimes() {
    if (schedList)
        for (const auto& entry : *schedList) {
            const int row = FindRowByKey(entry->key);
            if (row >= 0)
                ui->grdMain->SetCell(
                    colSeconds, row,
                    IntToStr(ActualSeconds(entry->timeCode, entry->deltaMinutes, prayerTimes)));
        }
    ui->lblSunrise->setText(ToQString(TimeToStr(prayerTimes[1])));
    ui->lblSunset->setText(ToQString(TimeToStr(prayerTimes[4])));
}

void TfrmMain::FindNextEvent() {
    FindNextEventAfter(SecondsOfDay(Now()));
}

void TfrmMain::FindNextEventAfter(int from) {
    TStringGrid* grid = ui->grdMain;
    const TMisri todayDate(Date());
    const int today = todayDate.DayOfYear();

    for (int row = 1; row < grid->RowCount() && !CellEmpty(grid, colSeconds, row); ++row)
        grid->SetCell(colNext, row, "0");

    auto announce = [&](int row, TMisri day) {
        grid->SetCell(colNext, row, "1");
        const AnsiString text = Announcement(grid, row, day);
        setWindowTitle(ToQString(text));
        RemoveTrayIcon();
        trayMessage = RegisterWindowMessageA("IconNotify");
        AddTrayIcon(text.c_str());
    };

    for (int row = 1; row < grid->RowCount(); ++row) {
        if (CellEmpty(grid, colSeconds, row))
            continue;
        if (CellInt(grid, colSeconds, row, 0) > from && grid->Cell(colEnabled, row) == "1" &&
            PeriodHolds(grid, row, today)) {
            announce(row, todayDate);
            markedDay = Date();
            nextIsTomorrow = false;
            return;
        }
    }

    // After the last day of a year comes the first of the next.
    const int tomorrow = todayDate.AddDays(1).DayOfYear();
    int found = -1;
    for (int row = 1; row < grid->RowCount() && found < 0; ++row)
        if (!CellEmpty(grid, colSeconds, row) && grid->Cell(colEnabled, row) == "1" &&
            PeriodHolds(grid, row, tomorrow))
            found = row;
    if (found < 0)
        return;

    const int32_t key = CellInt(grid, colKey, found, 0);
    GetTomorrowTimings(location, &prayerTimes, daylight);
    ComputeActualTimes();
    SortGridByColumn(grid, colSeconds);
    const int row = FindRowByKey(key);
    if (row < 0)
        return;
    announce(row, todayDate.AddDays(1));
    markedDay = Date() + 1;
    nextIsTomorrow = true;
}

void TfrmMain::Recalculate() {
    RecalculateAfter(SecondsOfDay(Now()));
}

void TfrmMain::RecalculateAfter(int from) {
    GetTodayTimings(location, &prayerTimes, daylight);
    ComputeActualTimes();
    SortGridByColumn(ui->grdMain, colSeconds);
    FindNextEventAfter(from);
}
