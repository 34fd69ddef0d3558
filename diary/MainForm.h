// The diary's main window: menu bar, tool bar, the left bar of four pictures
// and the right area in which one of three panes is visible (the month
// calendar, the to-do list, the address book).
#pragma once

#include "Forms.h"
#include "Misri.h"

#include <memory>

class QCloseEvent;
class QEvent;
class QPrintDialog;
class QTimer;

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

    void GotoYear1Click();
    void btnPreviousMonthClick();
    void btnNextMonthClick();
    void grdHijriClick();
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
    void ShowToDoToday();
    // one = false: the whole contact list; one = true: the details of record `number`.
    void LoadContacts(bool one, int number);
    // After the list is loaded: selects its first item and shows that contact.
    void SelectFirstContact();

    // The month the calendar pane shows, and the day the to-do pane shows.
    TMisri shownMonth;
    TMisri toDoDay;
    bool gregorianShown = false;

    QTimer* tmrSplash = nullptr;
    QPrintDialog* dlgPrinterSetup = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CentreOnScreen();

    std::unique_ptr<Ui::TfrmMain> ui;
};

// The help box's text for the general (1) or community (0) display.
AnsiString HelpText(int mode);

extern TfrmMain* frmMain;
