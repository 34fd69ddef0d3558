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
#include <vector>

struct ContactItems;
struct EventDay;
struct TContactRecord;
class QCloseEvent;
class QEvent;
class QTimer;

namespace Ui {
class TfrmMain;
}

// The day's Gregorian date as the panes show it, "mmm d, yyyy"; empty for
// the Hijri days late in the accepted years that fall beyond the year 9999,
// which no date can be written in.
QString GregorianDayText(const TMisri& day);

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

    void GotoYear1Click();
    void btnPreviousMonthClick();
    void btnNextMonthClick();
    void grdHijriClick();
    void grdHijriTitleDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    void rdbHijriEventsClick();
    void rdbEnglishEventsClick();
    void AddHijriEvents1Click();
    void AddEnglishEvents1Click();
    void Print1Click();
    void btnPrintClick();
    void PrintSetup1Click();

    // The panes' own fills.
    void SetupCalendarGrids();
    void SetupToDoGrid();
    void ShowCurrentHijriMonth();
    void ShowCurrentGregorianMonth();

    // The calendar pane: a Hijri or a Gregorian month, that day selected.
    void ShowHijriMonth(TMisri date);
    void ShowGregorianMonth(TDateTime date);
    void FillGregorianGrid(TDateTime date);
    // firstWeekDay counts 1 Monday .. 7 Sunday.
    void FillHijriGrid(int firstWeekDay, int days, int day);
    void ShowMonthPicture(int month);
    void PrevGregorianMonth();
    void NextGregorianMonth();
    void PrevHijriMonth();
    void NextHijriMonth();
    // The event list of the shown month, from "events.dat" (Hijri events) or
    // "gevents.dat" (Gregorian events); the month is of the calendar shown.
    void LoadGregorianEventsOfGregorianMonth(int month);
    void LoadHijriEventsOfGregorianMonth(int month);
    void LoadGregorianEventsOfHijriMonth(int month);
    void LoadHijriEventsOfHijriMonth(int month);
    void ClearEventList();
    // The birthdays and anniversaries on the `count` days from `first` on.
    void LoadBirthdays(TMisri first, int count);
    // LoadBirthdays for the days of the month shown.
    void LoadShownMonthBirthdays();
    void ClearBirthdays();
    // The to-do pane: the day `toDoDay`, its Hijri month and its tasks.
    void ShowToDoToday();
    void ShowToDoDay(TMisri day);
    // firstWeekDay counts 1 Monday .. 7 Sunday.
    void FillToDoCalendar(int firstWeekDay, int days);
    void ClearToDoGrid();
    void AddTaskRow(const AnsiString& text, const AnsiString& dueText, std::int32_t index,
                    std::int16_t status, std::int16_t priority);
    void LoadDayTasks();
    // Writes the record at slot `index`, or appends it for 1000000; the
    // record gets its slot.
    void WriteTaskRecord(TTaskRecord& record, std::int32_t index);
    void grdToDoCalClick();
    void btnToDoMonthDcrClick();
    void btnToDoMonthIncClick();
    void btnToDoYearDcrClick();
    void btnToDoYearIncClick();
    void btnOpenDueDateClick();
    void txtNewToDoChange();
    // Enter in the task box.
    void txtNewToDoKeyPress();
    void grdToDoDblClick();
    void grdToDoDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    void grdToDoCalDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    // The contacts pane. one = false: the whole contact list; one = true: the
    // details of record `number`.
    void LoadContacts(bool one, int number);
    // After the list is loaded: selects its first item and shows that contact.
    void SelectFirstContact();
    // Adds the record's item to those being loaded: display name,
    // ListItemPadding, and the record's number, its 1-based place in the file.
    void AddContactItem(const TContactRecord& record, int number, ContactItems& items);
    // Fills the twelve value labels.
    void ShowContactDetails(const TContactRecord& record);
    void lstContactClick();
    void btnAddNewClick();
    void btnEditContactClick();
    // After the contact editor: the calendar pane, when shown, lists the
    // month's birthdays of the file as it is now.
    void ListBirthdaysAgain();

    // The month the calendar pane shows, and the day the to-do pane shows.
    TMisri shownMonth;
    TMisri toDoDay;
    bool gregorianShown = false;

    QTimer* tmrSplash = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Fills the event list with the rows of the days given, or tells that
    // the file cannot be opened and keeps the list.
    void FillEventList(const char* fileName, const std::vector<EventDay>& days);
    // Adds the row of a task and keeps its record.
    void AddTask(const TTaskRecord& record, const AnsiString& dueText, std::int16_t status);

    // The record behind each task row of the to-do pane, by row, its index
    // the slot it was read from.
    std::vector<TTaskRecord> dayTasks;
    // The splash is hidden and the start-up message and due-task list are
    // still to come.
    bool startupDialogsDue = false;

    std::unique_ptr<Ui::TfrmMain> ui;
};

// The help box's text for the general (1) or community (0) display.
AnsiString HelpText(int mode);

extern TfrmMain* frmMain;
