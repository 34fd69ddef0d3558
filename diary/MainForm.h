// The diary's main window: menu bar, tool bar, the left bar of four pictures
// and the right area in which one of three panes is visible (the month
// calendar, the to-do list, the address book).
#pragma once

#include "calendar/Misri.h"
#include "diary/todo/TaskFile.h"
#include "platform/core/DateTime.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/Forms.h"
#include "platform/widgets/StringGrid.h"

#include <cstdint>
#include <memory>

struct ContactItems;
struct TContactRecord;
class QCloseEvent;
class QEvent;
class QTimer;
class TCalendarPane;
class TContactsPane;
class TToDoPane;

namespace Ui {
class TfrmMain;
}

class TfrmMain : public TMainForm {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* owner = nullptr);
    ~TfrmMain() override;

    void FormCreate();
    void FormDestroy();
    void FormActivate() override;

    // 0 Hijri calendar, 1 Gregorian calendar, 2 to-do list, 3 contacts.
    void ShowPane(int pane);
    // Caption n (0..3) of the left bar in white, the others grey.
    void HighlightSideCaption(int n);

    void HijriCalendar1Click();
    void GregorianCalendar1Click();
    void ToDoList1Click();
    void Contacts1Click();
    void imgHijriClick();
    void imgEnglishClick();
    void imgToDoListClick();
    void imgContactsClick();
    void imgHijriMouseMove();
    void imgEnglishMouseMove();
    void imgToDoListMouseMove();
    void imgContactsMouseMove();
    void Image1MouseMove();

    void About1Click();
    void SalaatTimings1Click();
    void btnSalaatTimingsClick();
    void LocationE1Click();
    void btnQiblaDirectionClick();
    void LocationEditor1Click();
    void btnLocationEditorClick();
    void WallPaperClick();
    void btnWallPaperClick();
    void Exit1Click();
    void btnExitClick();
    void Contents1Click();
    void tmrSplashTimer();

    // Asks for a year when the calendar pane shows.
    void GotoYear1Click();
    void AddHijriEvents1Click();
    void AddEnglishEvents1Click();
    void Print1Click();
    void btnPrintClick();
    void PrintSetup1Click();
    // After the contact editor: the calendar pane, when shown, lists the
    // month's birthdays of the file as it is now.
    void ListBirthdaysAgain();

    // The three panes, each built in its job's folder. The panes' methods
    // and handlers below hand on to them.
    TCalendarPane* CalendarPane() const;
    TToDoPane* ToDoPane() const;
    TContactsPane* ContactsPane() const;

    // The calendar pane.
    void SetupCalendarGrids();
    void ShowCurrentHijriMonth();
    void ShowCurrentGregorianMonth();
    void ShowHijriMonth(TMisri date);
    void ShowGregorianMonth(TDateTime date);
    void FillGregorianGrid(TDateTime date);
    void FillHijriGrid(int firstWeekDay, int days, int day);
    void ShowMonthPicture(int month);
    void PrevGregorianMonth();
    void NextGregorianMonth();
    void PrevHijriMonth();
    void NextHijriMonth();
    void btnPreviousMonthClick();
    void btnNextMonthClick();
    void grdHijriClick();
    void rdbHijriEventsClick();
    void rdbEnglishEventsClick();
    void LoadGregorianEventsOfGregorianMonth(int month);
    void LoadHijriEventsOfGregorianMonth(int month);
    void LoadGregorianEventsOfHijriMonth(int month);
    void LoadHijriEventsOfHijriMonth(int month);
    void ClearEventList();
    void LoadBirthdays(TMisri first, int count);
    void ClearBirthdays();

    // The to-do pane.
    void SetupToDoGrid();
    void ShowToDoToday();
    void ShowToDoDay(TMisri day);
    void FillToDoCalendar(int firstWeekDay, int days);
    void ClearToDoGrid();
    void AddTaskRow(const AnsiString& text, const AnsiString& dueText, std::int32_t index,
                    std::int16_t status, std::int16_t priority);
    void LoadDayTasks();
    void WriteTaskRecord(TTaskRecord& record, std::int32_t index);
    void grdToDoCalClick();
    void btnToDoMonthDcrClick();
    void btnToDoMonthIncClick();
    void btnToDoYearDcrClick();
    void btnToDoYearIncClick();
    void btnOpenDueDateClick();
    void txtNewToDoChange();
    void txtNewToDoKeyPress();
    void grdToDoDblClick();
    void grdToDoDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    void grdToDoCalDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);

    // The contacts pane.
    void LoadContacts(bool one, int number);
    void AddContactItem(const TContactRecord& record, int number, ContactItems& items);
    void ShowContactDetails(const TContactRecord& record);
    void lstContactClick();
    void btnAddNewClick();
    void btnEditContactClick();

    QTimer* tmrSplash = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The splash is hidden and the start-up message and due-task list are
    // still to come.
    bool startupDialogsDue = false;

    std::unique_ptr<Ui::TfrmMain> ui;
};

// The help box's text for the general (1) or community (0) display.
AnsiString HelpText(int mode);

extern TfrmMain* frmMain;
