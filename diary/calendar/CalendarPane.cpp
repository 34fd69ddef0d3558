#include "diary/calendar/CalendarPane.h"

#include "ui_CalendarPane.h"

#include "calendar/GregorianDayText.h"
#include "calendar/Projglob.h"
#include "diary/calendar/Birthdays.h"
#include "diary/calendar/records/EventFile.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QHeaderView>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kWeekTitles[7] = {"Sun", "Mon", "Tues", "Wed", "Thurs", "Fri", "Sat"};

// The month pictures by Hijri month 1..12.
constexpr const char* kMonthPictures[13] = {
    nullptr,  "MOHARRAM", "SAFAR",   "RABI_AWWAL", "RABI_AAKHAR", "JAMADI_AWWAL", "JAMADI_AAKHAR",
    "RAJJAB", "SHAABAN",  "RAMADAN", "SHAWWAAL",   "ZILQAAD",     "ZILHAJ"};

constexpr int kGridColumns = 7;
constexpr int kGridRows = 6;
constexpr int kListRows = 100;
constexpr int kListRowHeight = 14;

// The years the go-to-year box accepts.
constexpr int kLowestGregorianYear = 623;
constexpr int kLowestHijriYear = 0;
constexpr int kHighestYear = 30000;

// "Gregorian date: " and the date. Hijri dates late in the accepted years
// get the lead-in alone.
QString GregorianDateText(const TMisri& date) {
    return QStringLiteral("Gregorian date: ") + GregorianDayText(date);
}

int GregorianMonthOf(TDateTime date) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    return month;
}

// The months the pane steps through: Hijri months from Moharram 1 to
// Zil-Haj of the last accepted year; Gregorian months up to December 9999
// whose first day has a Hijri date. A step beyond either end is refused.
bool IsFirstHijriMonth(const TMisri& m) {
    return m.Year() < 1 || (m.Year() == 1 && m.Month() <= 1);
}

bool IsLastHijriMonth(const TMisri& m) {
    return m.Year() > kHighestYear || (m.Year() == kHighestYear && m.Month() >= 12);
}

bool IsFirstGregorianMonth(TDateTime date) {
    return PrevMonthStart(date) < TMisri(1, 1, 1).ToDateTime();
}

bool IsLastGregorianMonth(TDateTime date) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    return year == 9999 && month == 12;
}

// Empties the 42 cells, writes 1..days from column `first` of row 0 on and
// makes the cell of `day` the current one.
void FillDayGrid(TStringGrid* grid, int first, int days, int day) {
    grid->ClearCells(0);
    for (int n = 1, cell = first; n <= days && cell < kGridColumns * kGridRows; ++n, ++cell)
        grid->SetCell(cell % kGridColumns, cell / kGridColumns, IntToStr(n));
    const AnsiString wanted = IntToStr(day);
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col)
            if (grid->Cell(col, row) == wanted)
                grid->SetCurrent(col, row);
}

// A list grows to hold every row of the month; it never has fewer than
// kListRows.
void FitListRows(TStringGrid* list, std::size_t rows) {
    const int wanted = static_cast<int>(std::max<std::size_t>(kListRows, rows));
    if (list->RowCount() != wanted)
        list->SetRowCount(wanted);
}

}  // namespace

TCalendarPane::TCalendarPane(QWidget* parent) : QFrame(parent), ui(new Ui::TCalendarPane) {
    ui->setupUi(this);
    ui->btnPreviousMonth->setIcon(LoadIcon("PREV_MONTH"));
    ui->btnNextMonth->setIcon(LoadIcon("NEXT_MONTH"));
    OnEvent(ui->btnPreviousMonth, &QToolButton::clicked, this,
            &TCalendarPane::btnPreviousMonthClick);
    OnEvent(ui->btnNextMonth, &QToolButton::clicked, this, &TCalendarPane::btnNextMonthClick);
    OnEvent(ui->grdHijri, &TStringGrid::Click, this, &TCalendarPane::grdHijriClick);
    // In both month grids a day reached with the arrow keys shows as a clicked one.
    OnEvent(ui->grdHijri, &TStringGrid::KeyboardMove, this, &TCalendarPane::grdHijriClick);
    OnEvent(ui->grdHijriTitle, &TStringGrid::DrawCell, this, &TCalendarPane::grdHijriTitleDrawCell);
    // A radio button's handler runs whenever its checked state changes; it
    // acts only for the button that became checked.
    OnEvent(ui->rdbHijriEvents, &QRadioButton::toggled, this, &TCalendarPane::rdbHijriEventsClick);
    OnEvent(ui->rdbEnglishEvents, &QRadioButton::toggled, this,
            &TCalendarPane::rdbEnglishEventsClick);
}

TCalendarPane::~TCalendarPane() = default;

void TCalendarPane::SetupCalendarGrids() {
    TStringGrid* days = ui->grdHijri;
    days->SetColCount(kGridColumns);
    days->SetRowCount(kGridRows);
    const int colWidth = (days->width() - 8) / kGridColumns;
    days->SetDefaultColWidth(colWidth);
    days->SetDefaultRowHeight((days->height() - 10) / kGridRows);

    TStringGrid* titles = ui->grdHijriTitle;
    titles->SetColCount(kGridColumns);
    titles->SetRowCount(1);
    titles->SetDefaultColWidth(colWidth);
    // The bar stands right over the day columns: from the day grid's inner
    // edge to the end of its last column, with nothing of it beside them.
    titles->setGeometry(days->x() + days->frameWidth(), titles->y(),
                        days->horizontalHeader()->length(), titles->height());
    // The titles are drawn centred, never as a selected cell.
    titles->SetDefaultDrawing(false);
    for (int col = 0; col < kGridColumns; ++col)
        titles->SetCell(col, 0, kWeekTitles[col]);

    TStringGrid* events = ui->grdHijriEvents;
    events->SetColCount(2);
    events->SetRowCount(kListRows);
    events->SetColWidth(0, 16);
    events->SetColWidth(1, events->width() - 16 - 24);
    events->SetDefaultRowHeight(kListRowHeight);
    events->SetGridLines(false);

    TStringGrid* birth = ui->grdBirth;
    birth->SetColCount(3);
    birth->SetRowCount(kListRows);
    birth->SetColWidth(0, 16);
    birth->SetColWidth(1, 55);
    birth->SetColWidth(2, birth->width() - 55 - 16 - 24);
    birth->SetDefaultRowHeight(kListRowHeight);
}

void TCalendarPane::ShowCurrentHijriMonth() {
    ShowHijriMonth(TMisri(Date()));
}

void TCalendarPane::ShowCurrentGregorianMonth() {
    ShowGregorianMonth(Date());
}

void TCalendarPane::ShowHijriMonth(TMisri date) {
    shownMonth = date;
    ui->lblCalendar->setText(ToQString("   Hijri Calendar"));
    ui->lblCorrespondingDate->setText(GregorianDateText(date));
    ui->lblHijriMonth->setText(ToQString(Format("%s, %d Hijri", date.MonthName(), date.Year())));
    ui->lblEvents->setText(ToQString(Format("Events for %s", date.MonthName())));
    FillHijriGrid(date.FirstWeekDay(), date.DaysInMonth(), date.Day());
    if (ui->rdbHijriEvents->isChecked())
        LoadHijriEventsOfHijriMonth(date.Month());
    else
        LoadGregorianEventsOfHijriMonth(date.Month());
    LoadShownMonthBirthdays();
    ShowMonthPicture(date.Month());
}

void TCalendarPane::ShowGregorianMonth(TDateTime date) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    shownMonth = TMisri(date);
    ui->lblCalendar->setText(ToQString("   Gregorian Calendar"));
    ui->lblCorrespondingDate->setText(
        ToQString(Format("Hijri date: %s", shownMonth.NewText().data())));
    ui->lblHijriMonth->setText(FormatDateTimeForScreen("mmmm,  yyyy", date));
    ui->lblEvents->setText(QStringLiteral("Events for ") + FormatDateTimeForScreen("mmmm", date));
    FillGregorianGrid(date);
    if (ui->rdbHijriEvents->isChecked())
        LoadHijriEventsOfGregorianMonth(month);
    else
        LoadGregorianEventsOfGregorianMonth(month);
    LoadShownMonthBirthdays();
    ShowMonthPicture(shownMonth.Month());
}

void TCalendarPane::FillGregorianGrid(TDateTime date) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    const int days = GregorianDaysInMonth(month, year);  // 1900 and 2100 have a 29 February here
    gregorianShown = true;
    const TDateTime first = std::trunc(date) - (day - 1);
    FillDayGrid(ui->grdHijri, DayOfWeek(first) - 1, days, day);  // column 0 is Sunday
}

void TCalendarPane::FillHijriGrid(int firstWeekDay, int days, int day) {
    gregorianShown = false;
    // Weekdays count from Monday; column 0 is Sunday.
    FillDayGrid(ui->grdHijri, firstWeekDay == 7 ? 0 : firstWeekDay, days, day);
}

void TCalendarPane::ShowMonthPicture(int month) {
    QLabel* image = ui->imgMonths;
    if (gregorianShown) {
        image->hide();
        return;
    }
    image->show();
    if (month < 1 || month > 12)
        return;
    const QPixmap picture = LoadBitmap(kMonthPictures[month]);
    if (picture.isNull()) {
        image->hide();
        return;
    }
    image->setPixmap(picture);
}

void TCalendarPane::PrevGregorianMonth() {
    const TDateTime shown = shownMonth.ToDateTime();
    if (!IsFirstGregorianMonth(shown))
        ShowGregorianMonth(PrevMonthStart(shown));
}

void TCalendarPane::NextGregorianMonth() {
    const TDateTime shown = shownMonth.ToDateTime();
    if (!IsLastGregorianMonth(shown))
        ShowGregorianMonth(NextMonthStart(shown));
}

void TCalendarPane::PrevHijriMonth() {
    if (!IsFirstHijriMonth(shownMonth))
        ShowHijriMonth(shownMonth.PrevMonth());
}

void TCalendarPane::NextHijriMonth() {
    if (!IsLastHijriMonth(shownMonth))
        ShowHijriMonth(shownMonth.NextMonth());
}

void TCalendarPane::btnPreviousMonthClick() {
    if (gregorianShown)
        PrevGregorianMonth();
    else
        PrevHijriMonth();
}

void TCalendarPane::btnNextMonthClick() {
    if (gregorianShown)
        NextGregorianMonth();
    else
        NextHijriMonth();
}

void TCalendarPane::GotoYear() {
    // A text that is no number ends here in the conversion error.
    if (gregorianShown) {
        const int year = StrToInt(
            Dialogs::InputBox("Input required", "Please type the Gregorian year.", "2000"));
        if (year < kLowestGregorianYear || year > kHighestYear) {
            Dialogs::MessageBox("Invalid Year", "Error");
            return;
        }
        // Years beyond 9999 end in the date encoding's error, the pane unchanged.
        ShowGregorianMonth(EncodeDate(year, GregorianMonthOf(shownMonth.ToDateTime()), 1));
    } else {
        const int year =
            StrToInt(Dialogs::InputBox("Input required", "Please type the Hijri year.", "1400"));
        if (year < kLowestHijriYear || year > kHighestYear) {
            Dialogs::MessageBox("Invalid Year", "Error");
            return;
        }
        // Year 0 is told and replaced by the validating constructor.
        ShowHijriMonth(TMisri(1, shownMonth.Month(), year));
    }
}

void TCalendarPane::grdHijriClick() {
    const TStringGrid* grid = ui->grdHijri;
    const AnsiString text = Trim(grid->Cell(grid->Col(), grid->Row()));
    if (text.empty())
        return;
    int day;
    try {
        day = StrToInt(text);
    } catch (const EConvertError&) {
        ShowErrorBox("Conversion error. String is not a valid integer.");
        return;
    }
    if (gregorianShown) {
        const TMisri date(MonthStart(shownMonth.ToDateTime()) + day - 1);
        ui->lblCorrespondingDate->setText(
            ToQString(Format("Hijri Date: %s", date.NewText().data())));
    } else {
        const TMisri date = shownMonth.FirstOfMonth().AddDays(day).SubtractDays(1);
        ui->lblCorrespondingDate->setText(GregorianDateText(date));
    }
}

void TCalendarPane::grdHijriTitleDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    TStringGrid* grid = ui->grdHijriTitle;
    TCanvas& c = *grid->Canvas();
    const TCanvas::State saved = c.Save();
    c.Brush.Color = grid->Color();
    c.Brush.Style = bsSolid;
    c.FillRect(Rect);
    c.Font = grid->GridFont();
    const AnsiString text = grid->Cell(ACol, ARow);
    c.TextOut(Rect.Left + (Rect.Width() - c.TextWidth(text)) / 2,
              Rect.Top + (Rect.Height() - c.TextHeight(text)) / 2, text);
    c.Restore(saved);
}

void TCalendarPane::rdbHijriEventsClick() {
    if (!ui->rdbHijriEvents->isChecked())
        return;
    if (gregorianShown)
        LoadHijriEventsOfGregorianMonth(GregorianMonthOf(shownMonth.ToDateTime()));
    else
        LoadHijriEventsOfHijriMonth(shownMonth.Month());
}

void TCalendarPane::rdbEnglishEventsClick() {
    if (!ui->rdbEnglishEvents->isChecked())
        return;
    if (gregorianShown)
        LoadGregorianEventsOfGregorianMonth(GregorianMonthOf(shownMonth.ToDateTime()));
    else
        LoadGregorianEventsOfHijriMonth(shownMonth.Month());
}

void TCalendarPane::LoadGregorianEventsOfGregorianMonth(int month) {
    FillEventList(GregorianEventFileName, GregorianEventDaysOfGregorianMonth(month));
}

void TCalendarPane::LoadHijriEventsOfGregorianMonth(int month) {
    FillEventList(HijriEventFileName,
                  HijriEventDaysOfGregorianMonth(month, shownMonth.ToDateTime()));
}

void TCalendarPane::LoadGregorianEventsOfHijriMonth(int month) {
    FillEventList(GregorianEventFileName, GregorianEventDaysOfHijriMonth(month, shownMonth));
}

void TCalendarPane::LoadHijriEventsOfHijriMonth(int month) {
    FillEventList(HijriEventFileName, HijriEventDaysOfHijriMonth(month));
}

void TCalendarPane::FillEventList(const char* fileName, const std::vector<EventDay>& days) {
    const auto rows = ReadEventRows(fileName, days);
    if (!rows) {
        ShowErrorBox(EventFileOpenFailure(fileName));
        return;
    }
    ClearEventList();
    TStringGrid* grid = ui->grdHijriEvents;
    FitListRows(grid, rows->size());
    for (std::size_t row = 0; row < rows->size(); ++row) {
        const EventRow& r = (*rows)[row];
        grid->SetCell(0, static_cast<int>(row), IntToStr(r.day));
        grid->SetCell(1, static_cast<int>(row), r.text);
    }
}

void TCalendarPane::ClearEventList() {
    ui->grdHijriEvents->ClearCells(0);
}

void TCalendarPane::LoadBirthdays(TMisri first, int count) {
    // Without a contact file the list keeps what it shows.
    const auto rows = ReadBirthdayRows(first, count, gregorianShown);
    if (!rows)
        return;
    ClearBirthdays();
    TStringGrid* grid = ui->grdBirth;
    FitListRows(grid, rows->size());
    for (std::size_t row = 0; row < rows->size(); ++row) {
        const BirthdayRow& r = (*rows)[row];
        grid->SetCell(0, static_cast<int>(row), IntToStr(r.day));
        grid->SetCell(1, static_cast<int>(row), r.kind);
        grid->SetCell(2, static_cast<int>(row), r.name);
    }
}

void TCalendarPane::LoadShownMonthBirthdays() {
    if (gregorianShown) {
        const TDateTime date = shownMonth.ToDateTime();
        int year, month, day;
        DecodeDate(date, year, month, day);
        LoadBirthdays(TMisri(MonthStart(date)), GregorianDaysInMonth(month, year));
    } else {
        const TMisri first = shownMonth.FirstOfMonth();
        LoadBirthdays(first, first.DaysInMonth());
    }
}

void TCalendarPane::ClearBirthdays() {
    ui->grdBirth->ClearCells(0);
}

const TStringGrid& TCalendarPane::EventList() const {
    return *ui->grdHijriEvents;
}

const TStringGrid& TCalendarPane::BirthdayList() const {
    return *ui->grdBirth;
}
