// The alarm's one main window. It stays hidden behind its notification-area
// icon; it holds the day's schedule grid, which is also the working store of
// the timer, and a header with the configured place, the daylight-saving
// state and the day's sunrise and sunset.
#pragma once

#include "kestrun/kestrun32.h"
#include "locations/records/LocationFile.h"
#include "platform/core/AnsiString.h"
#include "platform/core/DateTime.h"
#include "platform/widgets/Forms.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QCloseEvent;
class QMenu;
class QResizeEvent;
class QTimer;
class TStringGrid;
class TTrayIcon;

namespace Ui {
class TfrmMain;
}

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

// The close actions of a form, valued as the class library's.
enum TCloseAction : int { caNone = 0, caHide = 1, caFree = 2, caMinimize = 3 };

class TfrmMain : public TMainForm {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* owner = nullptr);
    ~TfrmMain() override;

    // Start-up, the notification-area icon, showing, hiding and closing.
    void FormCreate();
    void AddTrayIcon(const char* tip);
    void RemoveTrayIcon();
    // The window messages of the icon: `message` is the registered
    // "IconNotify", `mouseMessage` the mouse action over the icon.
    void WndProc(int message, int mouseMessage);
    void btnCloseClick();
    void Configure1Click();
    void TerminateVidur1Click();
    void FormCloseQuery(bool& CanClose);
    void FormClose(TCloseAction& Action);
    void FormDestroy();
    void FormResize();
    // Plays "start.wav" once start-up is over: the icon (or the window) is up
    // first, as the wait of a playing sound holds everything else.
    void tmrStartSoundTimer();
    // With no icon in a notification area the window is the only way in:
    // at start and at every later start of the program it comes to the front.
    void ShowIfNoIcon();

    // The day's times and the next event.
    bool ShowLocation();
    void ReadLocation();
    void SetupGrid();
    void FillGrid();
    int32_t ActualSeconds(char timeCode, int32_t deltaMinutes, const TPrayerTimes times) const;
    int FindRowByKey(int32_t key);
    void ComputeActualTimes();
    void FindNextEvent();
    void Recalculate();
    // As FindNextEvent and Recalculate, taking events after the second `from`
    // of today (which may lie before now) in the today pass.
    void FindNextEventAfter(int from);
    void RecalculateAfter(int from);

    // The timer, the sounds and the commands of the window.
    void tmrMainTimer();
    void btnConfigClick();
    void btnActionClick();
    void EditRecord1Click();
    void grdMainDblClick();
    void AddNewRecord1Click();
    void btnDebugClick();
    void FireDueEvent();
    void EditCurrentRecord();

    TStringGrid* Grid() const;
    TTrayIcon* TrayIcon() const { return trayIcon; }

    int32_t trayMessage = 0;
    TPrayerTimes prayerTimes = {0, 0, 0, 0, 0, 0};
    TLocationRecord location;
    bool daylight = false;
    bool nextIsTomorrow = false;

    QMenu* PopupMenu1 = nullptr;
    QAction* Configure1 = nullptr;
    QAction* N1 = nullptr;
    QAction* TerminateVidur1 = nullptr;
    QMenu* mnuAction = nullptr;
    QAction* EditRecord1 = nullptr;
    QAction* AddNewRecord1 = nullptr;
    QTimer* tmrMain = nullptr;
    QTimer* tmrStartSound = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    // Shows the window, also from minimised, in front of the others.
    void BringToFront();
    // A notification area came up after the start: the window now lives
    // behind the icon, as when there was one from the start.
    void NotificationAreaAppeared();
    // ShowLocation, and when a place is configured ReadLocation and Recalculate.
    void RefreshFromLocation();
    // The daylight choice follows the system, and the system's daylight state
    // is no longer the one the day's times were computed with.
    bool DaylightStateChanged() const;

    std::unique_ptr<Ui::TfrmMain> ui;
    TTrayIcon* trayIcon = nullptr;
    // The day whose times the grid's mark refers to.
    TDateTime markedDay = 0;
};

extern TfrmMain* frmMain;
// When true the grid shows its working columns ("-DEBUG").
extern bool debugMode;

// The command-line switches: parameter 0 (the program's path) and every
// argument, each upper-cased; "-VEROR" community mode, "-NOHBOHRA" general
// mode (the last one wins), "-DEBUG" the debug display.
void ReadCommandLineSwitches(const std::vector<AnsiString>& params);
// The program's parameters, its own path first.
std::vector<AnsiString> CommandLineParameters();

// One identifier per window-message name for the whole process, from 0xC000
// on; the same name always gives the same identifier.
int32_t RegisterWindowMessageA(const char* name);

// The program's folder: where sched.dat and the sounds live. A file-system
// path, kept in full Unicode. Tests set a folder of their own (empty = the
// program file's).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
// Makes the program's folder the current directory, so that sched.dat and
// relative sound paths are found there.
void MakeProgramFolderCurrent();

// Plays one sound file: a WAV file to its end, any other file in the program
// associated with it (not waited for); a failure of either is told in the
// "Message" box.
void PlaySoundFile(TfrmMain* form, const char* path);

// The day's six prayer times at the place, today's or tomorrow's.
void GetTimingsFor(TLocationRecord place, TPrayerTimes* out, bool daylight, TDateTime date);
void GetTodayTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
void GetTomorrowTimings(TLocationRecord place, TPrayerTimes* out, bool daylight);
// Rewrites "DayLightSavings" from the system unless "AutoUpdate" is "0".
void UpdateDaylightFromSystem();
// Sorts the grid's rows 1.. by the integer in `column`, ascending; rows with
// equal values keep their order, rows without a value end up empty at the end.
void SortGridByColumn(TStringGrid* grid, int column);
