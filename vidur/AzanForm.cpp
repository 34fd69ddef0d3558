#include "vidur/AzanForm.h"

#include "ui_AzanForm.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/FormHelpers.h"
#include "platform/core/RecordFile.h"
#include "platform/desktop/TaskbarEntry.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "platform/widgets/StringGrid.h"
#include "resources/Bitmaps.h"
#include "vidur/CommandLine.h"
#include "vidur/DayTimes.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"
#include "vidur/SoundFile.h"
#include "vidur/WindowMessages.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QTimer>

TfrmMain* frmMain = nullptr;

namespace {

constexpr int kClientWidth = 496;
constexpr int kClientHeight = 292;
constexpr int kTimerInterval = 45000;
constexpr const char* kFirstTip = "Miravel 4.0";
// Time for the desktop to draw the new icon or window before the start
// sound holds the program until it ends.
constexpr int kStartSoundDelay = 1000;

}  // namespace

TfrmMain::TfrmMain(QWidget* owner) : TMainForm(owner), ui(new Ui::TfrmMain) {
    ui->setupUi(this);
    ApplyFormResource(this);
    setWindowIcon(LoadIcon("VIDUR_ICON"));
    resize(kClientWidth, kClientHeight);
    CentreOnScreen(this);
    BuildMenus();

    TStringGrid* grid = ui->grdMain;
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(20);
    grid->SetRowSelect(true);
    grid->SetGridLines(true);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { mnuAction->popup(ui->grdMain->mapToGlobal(at)); });

    trayIcon = new TTrayIcon(
        this, [this](int mouseMessage) { RunGuarded([&] { WndProc(trayMessage, mouseMessage); }); },
        [this] { RunGuarded([this] { NotificationAreaAppeared(); }); });

    OnEvent(ui->btnClose, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);
    OnEvent(ui->btnAction, &QPushButton::clicked, this, &TfrmMain::btnActionClick);
    OnEvent(ui->btnConfig, &QPushButton::clicked, this, &TfrmMain::btnConfigClick);
    OnEvent(ui->btnDebug, &QToolButton::clicked, this, &TfrmMain::btnDebugClick);
    OnEvent(Configure1, &QAction::triggered, this, &TfrmMain::Configure1Click);
    OnEvent(TerminateVidur1, &QAction::triggered, this, &TfrmMain::TerminateVidur1Click);
    OnEvent(EditRecord1, &QAction::triggered, this, &TfrmMain::EditRecord1Click);
    OnEvent(AddNewRecord1, &QAction::triggered, this, &TfrmMain::AddNewRecord1Click);
    OnEvent(grid, &TStringGrid::DblClick, this, &TfrmMain::grdMainDblClick);

    tmrMain = new QTimer(this);
    tmrMain->setObjectName("tmrMain");
    tmrMain->setInterval(kTimerInterval);
    OnEvent(tmrMain, &QTimer::timeout, this, &TfrmMain::tmrMainTimer);
    tmrMain->start();

    tmrStartSound = new QTimer(this);
    tmrStartSound->setObjectName("tmrStartSound");
    tmrStartSound->setSingleShot(true);
    tmrStartSound->setInterval(kStartSoundDelay);
    OnEvent(tmrStartSound, &QTimer::timeout, this, &TfrmMain::tmrStartSoundTimer);

    RunGuarded([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() {
    FormDestroy();
    if (frmMain == this)
        frmMain = nullptr;
}

TStringGrid* TfrmMain::Grid() const {
    return ui->grdMain;
}

void TfrmMain::BuildMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Configure1 = PopupMenu1->addAction("Configure...");
    Configure1->setObjectName("Configure1");
    N1 = PopupMenu1->addSeparator();
    N1->setObjectName("N1");
    TerminateVidur1 = PopupMenu1->addAction("Terminate Vidur");
    TerminateVidur1->setObjectName("TerminateVidur1");

    mnuAction = new QMenu(this);
    mnuAction->setObjectName("mnuAction");
    EditRecord1 = mnuAction->addAction("Edit Record");
    EditRecord1->setObjectName("EditRecord1");
    AddNewRecord1 = mnuAction->addAction("Add New Record");
    AddNewRecord1->setObjectName("AddNewRecord1");
}

void TfrmMain::FormCreate() {
    generalMode = 1;
    debugMode = false;
    ReadCommandLineSwitches(CommandLineParameters());
    ListItemPadding = AnsiString(ListItemPaddingLength, ' ');
    delete SettingsRegistry;
    SettingsRegistry = new TRegistry;
    SettingsRegistry->OpenKey(SettingsKey, true);
    trayMessage = RegisterWindowMessageA("IconNotify");
    AddTrayIcon(kFirstTip);
    SetTaskbarEntry(this, !trayIcon->Visible());
    hide();
    if (!FileExists(ScheduleFileName))
        CreateDefaultSchedule();
    SetupGrid();
    LoadSchedule();
    FillGrid();
    if (ShowLocation()) {
        ReadLocation();
        Recalculate();
    }
    tmrStartSound->start();
}

void TfrmMain::tmrStartSoundTimer() {
    if (IsFile("start.wav"))
        PlaySoundFile(this, "start.wav");
}

void TfrmMain::AddTrayIcon(const char* tip) {
    trayIcon->Add(tip ? tip : "", windowIcon());
}

void TfrmMain::RemoveTrayIcon() {
    trayIcon->Remove();
}

void TfrmMain::WndProc(int message, int mouseMessage) {
    if (message != trayMessage)
        return;
    if (mouseMessage == TTrayIcon::WM_LBUTTONDBLCLK) {
        BringToFront();
    } else if (mouseMessage == TTrayIcon::WM_RBUTTONDOWN) {
        // The menu needs the program in the foreground to close again when
        // the user clicks elsewhere.
        activateWindow();
        PopupMenu1->popup(QCursor::pos());
    }
}

void TfrmMain::btnCloseClick() {
    // Hidden, the window comes back through the icon; without one it stays
    // in the task bar.
    if (trayIcon->Visible())
        hide();
    else
        showMinimized();
}

void TfrmMain::Configure1Click() {
    BringToFront();
}

void TfrmMain::ShowIfNoIcon() {
    if (trayIcon->Visible())
        return;
    SetTaskbarEntry(this, true);
    BringToFront();
}

void TfrmMain::BringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TfrmMain::NotificationAreaAppeared() {
    SetTaskbarEntry(this, false);
    // Closed to the task bar for want of an icon: now closed to the icon.
    if (isMinimized())
        hide();
}

void TfrmMain::TerminateVidur1Click() {
    close();
}

void TfrmMain::FormCloseQuery(bool& CanClose) {
    if (IsFile("end.wav"))
        PlaySoundFile(this, "end.wav");
    CanClose = true;
}

void TfrmMain::FormClose(TCloseAction& Action) {
    if (AskYesNo("This will close the vidur program. Are you sure?") == 0)
        Action = caNone;
}

void TfrmMain::FormDestroy() {
    RemoveTrayIcon();
    delete SettingsRegistry;
    SettingsRegistry = nullptr;
}

void TfrmMain::FormResize() {
    SetupGrid();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    TCloseAction action = caFree;
    RunGuarded([&] { FormCloseQuery(canClose); });
    if (canClose)
        RunGuarded([&] { FormClose(action); });
    if (!canClose || action == caNone) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the main window ends the program.
    if (Application && Application->MainForm() == this)
        Application->Terminate();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    TMainForm::resizeEvent(event);
    RunGuarded([this] { FormResize(); });
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
    SetupAlarmGrid(ui->grdMain, frameGeometry().width(), debugMode);
}

void TfrmMain::FillGrid() {
    FillAlarmGrid(ui->grdMain);
}

int32_t TfrmMain::ActualSeconds(char timeCode, int32_t deltaMinutes,
                                const TPrayerTimes times) const {
    return EventSeconds(timeCode, deltaMinutes, times);
}

int TfrmMain::FindRowByKey(int32_t key) {
    return AlarmGridRowOfKey(ui->grdMain, key);
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
