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
#include "vidur/AlarmGrid.h"

#include <cstdint>
#include <memory>

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
