#include "diary/MainForm.h"

#include "ui_MainForm.h"

#include "calendar/Projglob.h"
#include "diary/About.h"
#include "diary/DISPMSG.h"
#include "diary/Splash.h"
#include "diary/calendar/calEvent.h"
#include "diary/print/PrintCommand.h"
#include "diary/print/PrintPage.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/Tasks.h"
#include "locations/Location.h"
#include "locations/Qibla.h"
#include "locations/Salaat.h"
#include "platform/desktop/Shell.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "platform/widgets/Printer.h"
#include "resources/Bitmaps.h"

#include <QCloseEvent>
#include <QTimer>

#include <iterator>
#include <memory>

TfrmMain* frmMain = nullptr;

QString GregorianDayText(const TMisri& day) {
    const TDateTime date = day.ToDateTime();
    return InDateRange(date) ? FormatDateTimeForScreen("mmm d, yyyy", date) : QString();
}

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

    // The calendar pane.
    ui->btnPreviousMonth->setIcon(LoadIcon("PREV_MONTH"));
    ui->btnNextMonth->setIcon(LoadIcon("NEXT_MONTH"));
    OnEvent(ui->btnPreviousMonth, &QToolButton::clicked, this, &TfrmMain::btnPreviousMonthClick);
    OnEvent(ui->btnNextMonth, &QToolButton::clicked, this, &TfrmMain::btnNextMonthClick);
    OnEvent(ui->grdHijri, &TStringGrid::Click, this, &TfrmMain::grdHijriClick);
    // In both month grids a day reached with the arrow keys shows as a clicked one.
    OnEvent(ui->grdHijri, &TStringGrid::KeyboardMove, this, &TfrmMain::grdHijriClick);
    OnEvent(ui->grdHijriTitle, &TStringGrid::DrawCell, this, &TfrmMain::grdHijriTitleDrawCell);
    // A radio button's handler runs whenever its checked state changes; it
    // acts only for the button that became checked.
    OnEvent(ui->rdbHijriEvents, &QRadioButton::toggled, this, &TfrmMain::rdbHijriEventsClick);
    OnEvent(ui->rdbEnglishEvents, &QRadioButton::toggled, this, &TfrmMain::rdbEnglishEventsClick);

    // The to-do pane.
    ui->imgCheck->setPixmap(LoadBitmap("CHECK"));
    ui->imgLate->setPixmap(LoadBitmap("LATE"));
    ui->btnToDoMonthDcr->setIcon(LoadIcon("PREV_SMALL"));
    ui->btnToDoYearDcr->setIcon(LoadIcon("PREV_SMALL"));
    ui->btnToDoMonthInc->setIcon(LoadIcon("NEXT_SMALL"));
    ui->btnToDoYearInc->setIcon(LoadIcon("NEXT_SMALL"));
    ui->btnOpenDueDate->setIcon(LoadIcon("CALENDAR_BUTTON"));
    LimitToRecordField(ui->txtNewToDo, TaskTextSize);
    OnEvent(ui->grdToDoCal, &TStringGrid::Click, this, &TfrmMain::grdToDoCalClick);
    OnEvent(ui->grdToDoCal, &TStringGrid::KeyboardMove, this, &TfrmMain::grdToDoCalClick);
    OnEvent(ui->grdToDoCal, &TStringGrid::DrawCell, this, &TfrmMain::grdToDoCalDrawCell);
    OnEvent(ui->btnToDoMonthDcr, &QToolButton::clicked, this, &TfrmMain::btnToDoMonthDcrClick);
    OnEvent(ui->btnToDoMonthInc, &QToolButton::clicked, this, &TfrmMain::btnToDoMonthIncClick);
    OnEvent(ui->btnToDoYearDcr, &QToolButton::clicked, this, &TfrmMain::btnToDoYearDcrClick);
    OnEvent(ui->btnToDoYearInc, &QToolButton::clicked, this, &TfrmMain::btnToDoYearIncClick);
    OnEvent(ui->btnOpenDueDate, &QToolButton::clicked, this, &TfrmMain::btnOpenDueDateClick);
    // The class library's change event runs also when the program sets the text.
    OnEvent(ui->txtNewToDo, &QLineEdit::textChanged, this, &TfrmMain::txtNewToDoChange);
    // Enter is the one key the task box acts on.
    OnEvent(ui->txtNewToDo, &QLineEdit::returnPressed, this, &TfrmMain::txtNewToDoKeyPress);
    OnEvent(ui->grdToDo, &TStringGrid::DblClick, this, &TfrmMain::grdToDoDblClick);
    OnEvent(ui->grdToDo, &TStringGrid::DrawCell, this, &TfrmMain::grdToDoDrawCell);

    // The contacts pane. The list's click runs when the user makes another
    // item current (mouse or keyboard); the program's own selections are quiet.
    OnEvent(ui->lstContact, &QListWidget::currentRowChanged, this, &TfrmMain::lstContactClick);
    OnEvent(ui->btnAddNew, &QPushButton::clicked, this, &TfrmMain::btnAddNewClick);
    OnEvent(ui->btnEditContact, &QPushButton::clicked, this, &TfrmMain::btnEditContactClick);

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
    if (pane == 3) {
        LoadContacts(false, 0);
        SelectFirstContact();
    }
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
void TfrmMain::Print1Click() {
    RunPrintCommand(ui->pnlHijri->isVisibleTo(this), shownMonth,
                    PrintSourceOf(gregorianShown, *ui->grdHijriEvents, *ui->grdBirth));
}
void TfrmMain::btnPrintClick() {
    Print1Click();
}
void TfrmMain::PrintSetup1Click() {
    PrinterSetupDialog(this);
}
