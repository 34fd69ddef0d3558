#include "diary/MainForm.h"

#include "ui_MainForm.h"

#include "calendar/Projglob.h"
#include "diary/About.h"
#include "diary/DISPMSG.h"
#include "diary/Splash.h"
#include "diary/calendar/CalendarPane.h"
#include "diary/calendar/calEvent.h"
#include "diary/contacts/ContactsPane.h"
#include "diary/print/PrintCommand.h"
#include "diary/print/PrintPage.h"
#include "diary/todo/Tasks.h"
#include "diary/todo/ToDoPane.h"
#include "locations/Location.h"
#include "locations/Qibla.h"
#include "locations/Salaat.h"
#include "platform/desktop/Shell.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "platform/widgets/Printer.h"
#include "resources/Bitmaps.h"

#include <QCloseEvent>
#include <QTimer>

#include <iterator>
#include <memory>

TfrmMain* frmMain = nullptr;

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 434;
constexpr int kSplashInterval = 3000;

}  // namespace

AnsiString HelpText(int mode) {
    const AnsiString address =
        mode == 1 ? "https://miravel.example.org/" : "https://miravel.example.org/community/";
    const AnsiString lines[] = {
        "Help for Miravel 3.0 is available on the World Wide Web.",
        "\t" + address + ".",
        "",
        "This way you will always get the updated help file for Miravel",
        "",
        "Thank you,",
        "The Miravel team.",
    };
    AnsiString text = lines[0];
    for (std::size_t i = 1; i < std::size(lines); ++i)
        text += "\n" + lines[i];
    return text;
}

TfrmMain::TfrmMain(QWidget* owner) : TMainForm(owner), ui(new Ui::TfrmMain) {
    ui->setupUi(this);
    ApplyFormResource(this);

    ui->btnExit->setIcon(LoadIcon("EXIT"));
    ui->btnPrint->setIcon(LoadIcon("PRINT"));
    ui->btnSalaatTimings->setIcon(LoadIcon("SALAAT"));
    ui->btnQiblaDirection->setIcon(LoadIcon("QIBLA"));
    ui->btnLocationEditor->setIcon(LoadIcon("LOCATION"));
    ui->btnWallPaper->setIcon(LoadIcon("WALLPAPER"));
    ui->Image1->setPixmap(LoadBitmap("SIDEBAR"));
    ui->imgHijri->setPixmap(LoadBitmap("HIJRICAL"));
    ui->imgEnglish->setPixmap(LoadBitmap("ENGLISHCAL"));
    ui->imgToDoList->setPixmap(LoadBitmap("TODOLIST"));
    ui->imgContacts->setPixmap(LoadBitmap("CONTACTS"));
    // The background picture follows the bar's height.
    ui->pnlLeft->installEventFilter(this);

    // The client area (below the menu bar) is 632 x 434, and stays so: the
    // panes are laid out at that size and would only gain an empty margin.
    setFixedSize(kClientWidth, ui->MainMenu1->sizeHint().height() + kClientHeight);
    CentreOnScreen(this);

    OnEvent(ui->HijriCalendar1, &QAction::triggered, this, &TfrmMain::HijriCalendar1Click);
    OnEvent(ui->GregorianCalendar1, &QAction::triggered, this, &TfrmMain::GregorianCalendar1Click);
    OnEvent(ui->ToDoList1, &QAction::triggered, this, &TfrmMain::ToDoList1Click);
    OnEvent(ui->Contacts1, &QAction::triggered, this, &TfrmMain::Contacts1Click);
    OnEvent(ui->imgHijri, &TClickableImage::Click, this, &TfrmMain::imgHijriClick);
    OnEvent(ui->imgEnglish, &TClickableImage::Click, this, &TfrmMain::imgEnglishClick);
    OnEvent(ui->imgToDoList, &TClickableImage::Click, this, &TfrmMain::imgToDoListClick);
    OnEvent(ui->imgContacts, &TClickableImage::Click, this, &TfrmMain::imgContactsClick);
    OnEvent(ui->imgHijri, &TClickableImage::MouseMove, this, &TfrmMain::imgHijriMouseMove);
    OnEvent(ui->imgEnglish, &TClickableImage::MouseMove, this, &TfrmMain::imgEnglishMouseMove);
    OnEvent(ui->imgToDoList, &TClickableImage::MouseMove, this, &TfrmMain::imgToDoListMouseMove);
    OnEvent(ui->imgContacts, &TClickableImage::MouseMove, this, &TfrmMain::imgContactsMouseMove);
    OnEvent(ui->Image1, &TClickableImage::MouseMove, this, &TfrmMain::Image1MouseMove);

    OnEvent(ui->Print1, &QAction::triggered, this, &TfrmMain::Print1Click);
    OnEvent(ui->PrintSetup1, &QAction::triggered, this, &TfrmMain::PrintSetup1Click);
    OnEvent(ui->Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
    OnEvent(ui->GotoYear1, &QAction::triggered, this, &TfrmMain::GotoYear1Click);
    OnEvent(ui->AddHijriEvents1, &QAction::triggered, this, &TfrmMain::AddHijriEvents1Click);
    OnEvent(ui->AddEnglishEvents1, &QAction::triggered, this, &TfrmMain::AddEnglishEvents1Click);
    OnEvent(ui->SalaatTimings1, &QAction::triggered, this, &TfrmMain::SalaatTimings1Click);
    OnEvent(ui->LocationE1, &QAction::triggered, this, &TfrmMain::LocationE1Click);
    OnEvent(ui->LocationEditor1, &QAction::triggered, this, &TfrmMain::LocationEditor1Click);
    OnEvent(ui->WallPaper, &QAction::triggered, this, &TfrmMain::WallPaperClick);
    OnEvent(ui->Contents1, &QAction::triggered, this, &TfrmMain::Contents1Click);
    OnEvent(ui->About1, &QAction::triggered, this, &TfrmMain::About1Click);

    OnEvent(ui->btnExit, &QToolButton::clicked, this, &TfrmMain::btnExitClick);
    OnEvent(ui->btnPrint, &QToolButton::clicked, this, &TfrmMain::btnPrintClick);
    OnEvent(ui->btnSalaatTimings, &QToolButton::clicked, this, &TfrmMain::btnSalaatTimingsClick);
    OnEvent(ui->btnQiblaDirection, &QToolButton::clicked, this, &TfrmMain::btnQiblaDirectionClick);
    OnEvent(ui->btnLocationEditor, &QToolButton::clicked, this, &TfrmMain::btnLocationEditorClick);
    OnEvent(ui->btnWallPaper, &QToolButton::clicked, this, &TfrmMain::btnWallPaperClick);

    // The contacts pane's editor may change the birthdays the calendar pane lists.
    OnEvent(ui->pnlContact, &TContactsPane::ContactsEdited, this, &TfrmMain::ListBirthdaysAgain);

    // Fires every 3000 ms until its own handler switches it off.
    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName("tmrSplash");
    tmrSplash->setInterval(kSplashInterval);
    OnEvent(tmrSplash, &QTimer::timeout, this, &TfrmMain::tmrSplashTimer);
    tmrSplash->start();

    FormCreate();
}

TfrmMain::~TfrmMain() {
    FormDestroy();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->pnlLeft && event->type() == QEvent::Resize)
        ui->Image1->setGeometry(ui->pnlLeft->contentsRect());
    return TMainForm::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    TMainForm::closeEvent(event);
    // Closing the main window ends the program, whatever else is on screen.
    if (event->isAccepted() && Application && Application->MainForm() == this)
        Application->Terminate();
}

void TfrmMain::FormCreate() {
    ListItemPadding = AnsiString(ListItemPaddingLength, ' ');
    SettingsRegistry = new TRegistry;
    SettingsRegistry->OpenKey(SettingsKey, true);
    SetupCalendarGrids();
    SetupToDoGrid();
}

void TfrmMain::FormDestroy() {
    delete SettingsRegistry;
    SettingsRegistry = nullptr;
}

void TfrmMain::FormActivate() {
    ShowPane(0);
}

void TfrmMain::ShowPane(int pane) {
    if (pane < 0 || pane > 3)
        return;
    QAction* const items[4] = {ui->HijriCalendar1, ui->GregorianCalendar1, ui->ToDoList1,
                               ui->Contacts1};
    if (pane == 3)
        ui->pnlContact->ShowContactList();
    ui->pnlToDo->setVisible(pane == 2);
    ui->pnlContact->setVisible(pane == 3);
    ui->pnlHijri->setVisible(pane <= 1);
    if (pane != 1)
        ui->GotoYear1->setEnabled(pane == 0);
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(i == pane);
    switch (pane) {
    case 0:
        ShowCurrentHijriMonth();
        break;
    case 1:
        ShowCurrentGregorianMonth();
        break;
    case 2:
        ShowToDoToday();
        break;
    default:
        break;
    }
}

void TfrmMain::HighlightSideCaption(int n) {
    QLabel* const captions[4] = {ui->lblHijriCal, ui->lblEnglishCal, ui->lblToDoList,
                                 ui->lblContact};
    for (int i = 0; i < 4; ++i)
        SetFontColor(captions[i], i == n ? clWhite : clGray);
}

void TfrmMain::HijriCalendar1Click() {
    ShowPane(0);
}
void TfrmMain::GregorianCalendar1Click() {
    ShowPane(1);
}
void TfrmMain::ToDoList1Click() {
    ShowPane(2);
}
void TfrmMain::Contacts1Click() {
    ShowPane(3);
}
void TfrmMain::imgHijriClick() {
    ShowPane(0);
}
void TfrmMain::imgEnglishClick() {
    ShowPane(1);
}
void TfrmMain::imgToDoListClick() {
    ShowPane(2);
}
void TfrmMain::imgContactsClick() {
    ShowPane(3);
}

void TfrmMain::imgHijriMouseMove() {
    HighlightSideCaption(0);
}
void TfrmMain::imgEnglishMouseMove() {
    HighlightSideCaption(1);
}
void TfrmMain::imgToDoListMouseMove() {
    HighlightSideCaption(2);
}
void TfrmMain::imgContactsMouseMove() {
    HighlightSideCaption(3);
}
void TfrmMain::Image1MouseMove() {
    HighlightSideCaption(4);
}

void TfrmMain::About1Click() {
    AboutBox->ShowModal();
}

void TfrmMain::SalaatTimings1Click() {
    frmSalaat->ShowModal();
}
void TfrmMain::btnSalaatTimingsClick() {
    SalaatTimings1Click();
}
void TfrmMain::LocationE1Click() {
    frmQibla->ShowModal();
}
void TfrmMain::btnQiblaDirectionClick() {
    LocationE1Click();
}
void TfrmMain::LocationEditor1Click() {
    const std::unique_ptr<TfrmLocation> editor(new TfrmLocation(this));
    editor->ShowModal();
}
void TfrmMain::btnLocationEditorClick() {
    LocationEditor1Click();
}

void TfrmMain::WallPaperClick() {
    // An outside program; whether it starts is not our concern.
    Shell::WinExec("images.exe");
}
void TfrmMain::btnWallPaperClick() {
    WallPaperClick();
}

void TfrmMain::Exit1Click() {
    close();
}
void TfrmMain::btnExitClick() {
    Exit1Click();
}

void TfrmMain::Contents1Click() {
    Dialogs::MessageBox(HelpText(generalMode), "Message", BoxButtons::Ok, BoxIcon::None, false);
}

void TfrmMain::tmrSplashTimer() {
    if (frmSplash && frmSplash->isVisible()) {
        frmSplash->hide();
        startupDialogsDue = true;
    }
    // Ticks that arrive after the splash is gone, or while the start-up
    // dialogs below are open, change nothing. A box open at the first tick
    // (the window's first activation may have opened one) is answered
    // first: the dialogs would open under it, inside its modal loop, and a
    // later tick brings them.
    if (!startupDialogsDue || Dialogs::AnyOpen())
        return;
    startupDialogsDue = false;
    if (generalMode == 0 && StartupMessageWanted(ReadSettingString("ShowMessage", "1"))) {
        std::unique_ptr<TfrmMessage> message(new TfrmMessage(nullptr));
        frmMessage = message.get();
        message->ShowModal();
        frmMessage = nullptr;
    }
    if (frmTasks)
        frmTasks->Execute();  // shows its list only when a task is due
    tmrSplash->stop();
    delete frmSplash;
    frmSplash = nullptr;
}

void TfrmMain::AddHijriEvents1Click() {
    frmEvents->Execute(false);
}
void TfrmMain::AddEnglishEvents1Click() {
    frmEvents->Execute(true);
}
void TfrmMain::GotoYear1Click() {
    if (ui->pnlHijri->isVisibleTo(this))
        ui->pnlHijri->GotoYear();
}

void TfrmMain::Print1Click() {
    const TCalendarPane& calendar = *ui->pnlHijri;
    RunPrintCommand(
        calendar.isVisibleTo(this), calendar.shownMonth,
        PrintSourceOf(calendar.gregorianShown, calendar.EventList(), calendar.BirthdayList()));
}
void TfrmMain::btnPrintClick() {
    Print1Click();
}
void TfrmMain::PrintSetup1Click() {
    PrinterSetupDialog(this);
}

void TfrmMain::ListBirthdaysAgain() {
    // The editor writes after its window has closed, when the calendar pane
    // that the closing brought back has listed its month already.
    if (ui->pnlHijri->isVisibleTo(this))
        ui->pnlHijri->LoadShownMonthBirthdays();
}

TCalendarPane* TfrmMain::CalendarPane() const {
    return ui->pnlHijri;
}
TToDoPane* TfrmMain::ToDoPane() const {
    return ui->pnlToDo;
}
TContactsPane* TfrmMain::ContactsPane() const {
    return ui->pnlContact;
}

// ---- The calendar pane

void TfrmMain::SetupCalendarGrids() {
    ui->pnlHijri->SetupCalendarGrids();
}
void TfrmMain::ShowCurrentHijriMonth() {
    ui->pnlHijri->ShowCurrentHijriMonth();
}
void TfrmMain::ShowCurrentGregorianMonth() {
    ui->pnlHijri->ShowCurrentGregorianMonth();
}
void TfrmMain::ShowHijriMonth(TMisri date) {
    ui->pnlHijri->ShowHijriMonth(date);
}
void TfrmMain::ShowGregorianMonth(TDateTime date) {
    ui->pnlHijri->ShowGregorianMonth(date);
}
void TfrmMain::FillGregorianGrid(TDateTime date) {
    ui->pnlHijri->FillGregorianGrid(date);
}
void TfrmMain::FillHijriGrid(int firstWeekDay, int days, int day) {
    ui->pnlHijri->FillHijriGrid(firstWeekDay, days, day);
}
void TfrmMain::ShowMonthPicture(int month) {
    ui->pnlHijri->ShowMonthPicture(month);
}
void TfrmMain::PrevGregorianMonth() {
    ui->pnlHijri->PrevGregorianMonth();
}
void TfrmMain::NextGregorianMonth() {
    ui->pnlHijri->NextGregorianMonth();
}
void TfrmMain::PrevHijriMonth() {
    ui->pnlHijri->PrevHijriMonth();
}
void TfrmMain::NextHijriMonth() {
    ui->pnlHijri->NextHijriMonth();
}
void TfrmMain::btnPreviousMonthClick() {
    ui->pnlHijri->btnPreviousMonthClick();
}
void TfrmMain::btnNextMonthClick() {
    ui->pnlHijri->btnNextMonthClick();
}
void TfrmMain::grdHijriClick() {
    ui->pnlHijri->grdHijriClick();
}
void TfrmMain::rdbHijriEventsClick() {
    ui->pnlHijri->rdbHijriEventsClick();
}
void TfrmMain::rdbEnglishEventsClick() {
    ui->pnlHijri->rdbEnglishEventsClick();
}
void TfrmMain::LoadGregorianEventsOfGregorianMonth(int month) {
    ui->pnlHijri->LoadGregorianEventsOfGregorianMonth(month);
}
void TfrmMain::LoadHijriEventsOfGregorianMonth(int month) {
    ui->pnlHijri->LoadHijriEventsOfGregorianMonth(month);
}
void TfrmMain::LoadGregorianEventsOfHijriMonth(int month) {
    ui->pnlHijri->LoadGregorianEventsOfHijriMonth(month);
}
void TfrmMain::LoadHijriEventsOfHijriMonth(int month) {
    ui->pnlHijri->LoadHijriEventsOfHijriMonth(month);
}
void TfrmMain::ClearEventList() {
    ui->pnlHijri->ClearEventList();
}
void TfrmMain::LoadBirthdays(TMisri first, int count) {
    ui->pnlHijri->LoadBirthdays(first, count);
}
void TfrmMain::ClearBirthdays() {
    ui->pnlHijri->ClearBirthdays();
}

// ---- The to-do pane

void TfrmMain::SetupToDoGrid() {
    ui->pnlToDo->SetupToDoGrid();
}
void TfrmMain::ShowToDoToday() {
    ui->pnlToDo->ShowToDoToday();
}
void TfrmMain::ShowToDoDay(TMisri day) {
    ui->pnlToDo->ShowToDoDay(day);
}
void TfrmMain::FillToDoCalendar(int firstWeekDay, int days) {
    ui->pnlToDo->FillToDoCalendar(firstWeekDay, days);
}
void TfrmMain::ClearToDoGrid() {
    ui->pnlToDo->ClearToDoGrid();
}
void TfrmMain::AddTaskRow(const AnsiString& text, const AnsiString& dueText, std::int32_t index,
                          std::int16_t status, std::int16_t priority) {
    ui->pnlToDo->AddTaskRow(text, dueText, index, status, priority);
}
void TfrmMain::LoadDayTasks() {
    ui->pnlToDo->LoadDayTasks();
}
void TfrmMain::WriteTaskRecord(TTaskRecord& record, std::int32_t index) {
    ui->pnlToDo->WriteTaskRecord(record, index);
}
void TfrmMain::grdToDoCalClick() {
    ui->pnlToDo->grdToDoCalClick();
}
void TfrmMain::btnToDoMonthDcrClick() {
    ui->pnlToDo->btnToDoMonthDcrClick();
}
void TfrmMain::btnToDoMonthIncClick() {
    ui->pnlToDo->btnToDoMonthIncClick();
}
void TfrmMain::btnToDoYearDcrClick() {
    ui->pnlToDo->btnToDoYearDcrClick();
}
void TfrmMain::btnToDoYearIncClick() {
    ui->pnlToDo->btnToDoYearIncClick();
}
void TfrmMain::btnOpenDueDateClick() {
    ui->pnlToDo->btnOpenDueDateClick();
}
void TfrmMain::txtNewToDoChange() {
    ui->pnlToDo->txtNewToDoChange();
}
void TfrmMain::txtNewToDoKeyPress() {
    ui->pnlToDo->txtNewToDoKeyPress();
}
void TfrmMain::grdToDoDblClick() {
    ui->pnlToDo->grdToDoDblClick();
}
void TfrmMain::grdToDoDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State) {
    ui->pnlToDo->grdToDoDrawCell(ACol, ARow, Rect, State);
}
void TfrmMain::grdToDoCalDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State) {
    ui->pnlToDo->grdToDoCalDrawCell(ACol, ARow, Rect, State);
}

// ---- The contacts pane

void TfrmMain::LoadContacts(bool one, int number) {
    ui->pnlContact->LoadContacts(one, number);
}
void TfrmMain::AddContactItem(const TContactRecord& record, int number, ContactItems& items) {
    ui->pnlContact->AddContactItem(record, number, items);
}
void TfrmMain::ShowContactDetails(const TContactRecord& record) {
    ui->pnlContact->ShowContactDetails(record);
}
void TfrmMain::lstContactClick() {
    ui->pnlContact->lstContactClick();
}
void TfrmMain::btnAddNewClick() {
    ui->pnlContact->btnAddNewClick();
}
void TfrmMain::btnEditContactClick() {
    ui->pnlContact->btnEditContactClick();
}
