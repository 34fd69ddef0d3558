// The 45-second timer that sounds the marked event, and the window's
// commands: the location dialog, the action menu, editing and adding
// schedule entries.
#include "vidur/AzanForm.h"

#include "ui_AzanForm.h"

#include "calendar/Projglob.h"
#include "locations/Location.h"
#include "platform/desktop/SystemTime.h"
#include "platform/widgets/StringGrid.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"
#include "vidur/SetWaqt.h"
#include "vidur/SoundFile.h"

#include <QCursor>
#include <QMenu>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace {

// Past midnight the announced event of tomorrow has become today's.
constexpr int kAfterMidnight = 120;
// The nightly window in which the place and the daylight state are read again.
constexpr int kNightlyFrom = 7200;
constexpr int kNightlyTo = 7320;
constexpr int64_t kSecondsPerDay = 86400;
// A call found later than this after its second is passed over in silence:
// the computer slept, or its clock was set forward, and a call to prayer
// long after its time would mislead. A few ticks late, it still sounds.
constexpr int kLatestCall = 600;

}  // namespace

void TfrmMain::RefreshFromLocation() {
    if (ShowLocation()) {
        ReadLocation();
        Recalculate();
    }
}

void TfrmMain::tmrMainTimer() {
    tmrMain->stop();
    // The timer comes back on whatever the sounding did.
    struct Restart {
        QTimer* timer;
        ~Restart() { timer->start(); }
    } restart{tmrMain};
    FireDueEvent();
    // The announced day has come: just after midnight, or at the first tick
    // after a sleep over midnight.
    if (nextIsTomorrow && (Date() >= markedDay || SecondsOfDay(Time()) < kAfterMidnight))
        Recalculate();
    // The nightly reading, and a daylight change at whatever hour the
    // clocks jump.
    if ((SecondsOfDay(Time()) > kNightlyFrom && SecondsOfDay(Time()) < kNightlyTo) ||
        DaylightStateChanged())
        RefreshFromLocation();
}

bool TfrmMain::DaylightStateChanged() const {
    return ReadSettingString("AutoUpdate", "1") != "0" &&
           !ReadSettingString("Location", "").empty() && DaylightSavingInEffect() != daylight;
}

void TfrmMain::FireDueEvent() {
    // A call too late is passed over once; the event marked then is at most
    // the limit late, so the second round sounds it or finds it ahead.
    for (int round = 0; round < 2; ++round) {
        // Counted from the midnight of the marked event's day: once past
        // midnight, an event of the day before has passed as well, and an
        // event of tomorrow is not due before tomorrow.
        const int64_t now =
            SecondsOfDay(Now()) + static_cast<int64_t>(Date() - markedDay) * kSecondsPerDay;
        const TStringGrid* grid = ui->grdMain;
        int due = -1;
        for (int row = 1; row < grid->RowCount() && due < 0; ++row)
            if (!CellEmpty(grid, colSeconds, row) && grid->Cell(colNext, row) == "1" &&
                CellInt(grid, colSeconds, row, 0) < now)
                due = row;
        if (due < 0)
            return;
        if (now - CellInt(grid, colSeconds, due, 0) <= kLatestCall) {
            PlaySoundFile(this, grid->Cell(colFullPath, due).c_str());
            Recalculate();
            return;
        }
        // Every call missed meanwhile stays silent but one still in time.
        RecalculateAfter(SecondsOfDay(Now()) - kLatestCall);
    }
}

void TfrmMain::btnConfigClick() {
    {
        const std::unique_ptr<TfrmLocation> dialog(new TfrmLocation(this));
        dialog->ShowModal();
    }
    RefreshFromLocation();
}

void TfrmMain::btnActionClick() {
    mnuAction->popup(QCursor::pos());
}

void TfrmMain::EditRecord1Click() {
    EditCurrentRecord();
}

void TfrmMain::grdMainDblClick() {
    EditCurrentRecord();
}

void TfrmMain::EditCurrentRecord() {
    const TStringGrid* grid = ui->grdMain;
    const int32_t key = CellInt(grid, colKey, grid->Row(), -1);
    if (key == -1) {
        ShowErrorBox("Please select a row to edit.");
        return;
    }
    const std::unique_ptr<TfrmSchedule> dialog(new TfrmSchedule(this));
    const int32_t index = FindScheduleIndex(key);
    if (index < 0 || !schedList || static_cast<std::size_t>(index) >= schedList->size())
        return;
    if (dialog->EditEntry((*schedList)[static_cast<std::size_t>(index)].get(), false)) {
        SaveSchedule();
        FillGrid();
        RefreshFromLocation();
    }
}

void TfrmMain::AddNewRecord1Click() {
    auto entry = std::make_unique<ScheduleEntry>();
    const std::unique_ptr<TfrmSchedule> dialog(new TfrmSchedule(this));
    if (!dialog->EditEntry(entry.get(), true))
        return;
    if (!schedList)
        schedList = std::make_unique<ScheduleList>();
    schedList->push_back(std::move(entry));
    SaveSchedule();
    FillGrid();
    RefreshFromLocation();
}

void TfrmMain::btnDebugClick() {
    ShowMessageBox(DirectoryOf("c:\\WinNT\\System32\\notepad.exe"));
}
