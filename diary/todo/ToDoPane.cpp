#include "diary/todo/ToDoPane.h"

#include "ui_ToDoPane.h"

#include "calendar/GregorianDayText.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/FormHelpers.h"
#include "calendar/widgets/MonthGrid.h"
#include "calendar/widgets/PickDate.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/TaskInfo.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

namespace {

// Columns of the task grid.
constexpr int kMarkCol = 0;
constexpr int kPriorityCol = 1;
constexpr int kTextCol = 2;
constexpr int kDueCol = 3;
constexpr int kStatusCol = 4;  // hidden: "0" open, "1" completed, "2" late
constexpr int kIndexCol = 5;   // hidden: the record's slot
constexpr int kTaskCols = 6;
constexpr int kTaskColWidths[kTaskCols] = {20, 20, 330, 130, 0, 0};
// Blank rows below the last task.
constexpr int kBlankRows = 10;
constexpr int kTaskRowHeight = 18;

constexpr int kCalCols = 7;
constexpr int kCalRows = 7;

constexpr std::int16_t kOpen = 0;
constexpr std::int16_t kCompleted = 1;
constexpr std::int16_t kLate = 2;

TMisri Today() {
    return TMisri(Date());
}

TMisri Parsed(const AnsiString& text) {
    TMisri date;
    date.Set(text);
    return date;
}

// The day in the month and year given, a day 30 taken as 29 first so that
// it exists in every month.
TMisri Stepped(TMisri day, int month, int year) {
    const int d = day.Day() == 30 ? 29 : day.Day();
    day.SetDate(d, month, year);
    return day;
}

// The mark of a task from its stored fields: done, or late when its due
// date lies before today.
std::int16_t StatusOf(const TTaskRecord& r, const TMisri& today) {
    return r.completed != 0 ? kCompleted : r.dueDate < today ? kLate : kOpen;
}

void SetTaskRow(TStringGrid* grid, int row, const AnsiString& text, const AnsiString& dueText,
                std::int32_t index, std::int16_t status, std::int16_t priority) {
    grid->SetCell(kPriorityCol, row, IntToStr(priority));
    grid->SetCell(kTextCol, row, text);
    grid->SetCell(kDueCol, row, dueText);
    grid->SetCell(kStatusCol, row, IntToStr(status));
    grid->SetCell(kIndexCol, row, IntToStr(index));
}

void CentredText(TCanvas& c, const TRect& r, const AnsiString& text) {
    c.TextOut(r.Left + r.Width() / 2 - c.TextWidth(text) / 2, r.Top, text);
}

}  // namespace

TToDoPane::TToDoPane(QWidget* parent) : QFrame(parent), ui(new Ui::TToDoPane) {
    ui->setupUi(this);
    ui->imgCheck->setPixmap(LoadBitmap("CHECK"));
    ui->imgLate->setPixmap(LoadBitmap("LATE"));
    ui->btnToDoMonthDcr->setIcon(LoadIcon("PREV_SMALL"));
    ui->btnToDoYearDcr->setIcon(LoadIcon("PREV_SMALL"));
    ui->btnToDoMonthInc->setIcon(LoadIcon("NEXT_SMALL"));
    ui->btnToDoYearInc->setIcon(LoadIcon("NEXT_SMALL"));
    ui->btnOpenDueDate->setIcon(LoadIcon("CALENDAR_BUTTON"));
    LimitToRecordField(ui->txtNewToDo, TaskTextSize);
    OnEvent(ui->grdToDoCal, &TStringGrid::Click, this, &TToDoPane::grdToDoCalClick);
    OnEvent(ui->grdToDoCal, &TStringGrid::KeyboardMove, this, &TToDoPane::grdToDoCalClick);
    OnEvent(ui->grdToDoCal, &TStringGrid::DrawCell, this, &TToDoPane::grdToDoCalDrawCell);
    OnEvent(ui->btnToDoMonthDcr, &QToolButton::clicked, this, &TToDoPane::btnToDoMonthDcrClick);
    OnEvent(ui->btnToDoMonthInc, &QToolButton::clicked, this, &TToDoPane::btnToDoMonthIncClick);
    OnEvent(ui->btnToDoYearDcr, &QToolButton::clicked, this, &TToDoPane::btnToDoYearDcrClick);
    OnEvent(ui->btnToDoYearInc, &QToolButton::clicked, this, &TToDoPane::btnToDoYearIncClick);
    OnEvent(ui->btnOpenDueDate, &QToolButton::clicked, this, &TToDoPane::btnOpenDueDateClick);
    // The class library's change event runs also when the program sets the text.
    OnEvent(ui->txtNewToDo, &QLineEdit::textChanged, this, &TToDoPane::txtNewToDoChange);
    // Enter is the one key the task box acts on.
    OnEvent(ui->txtNewToDo, &QLineEdit::returnPressed, this, &TToDoPane::txtNewToDoKeyPress);
    OnEvent(ui->grdToDo, &TStringGrid::DblClick, this, &TToDoPane::grdToDoDblClick);
    OnEvent(ui->grdToDo, &TStringGrid::DrawCell, this, &TToDoPane::grdToDoDrawCell);
}

TToDoPane::~TToDoPane() = default;

void TToDoPane::SetupToDoGrid() {
    TStringGrid* grid = ui->grdToDo;
    grid->SetColCount(kTaskCols);
    grid->SetRowCount(kBlankRows);
    for (int col = 0; col < kTaskCols; ++col)
        grid->SetColWidth(col, kTaskColWidths[col]);
    grid->SetDefaultRowHeight(kTaskRowHeight);
    grid->SetDefaultDrawing(false);

    TStringGrid* cal = ui->grdToDoCal;
    cal->SetColCount(kCalCols);
    cal->SetRowCount(kCalRows);
    cal->SetDefaultColWidth(22);
    cal->SetDefaultRowHeight(12);
    cal->SetDefaultDrawing(false);
}

void TToDoPane::ClearToDoGrid() {
    TStringGrid* grid = ui->grdToDo;
    // Shrunk first, so that only the rows that stay need emptying.
    grid->SetRowCount(kBlankRows);
    grid->ClearCells(0);
    dayTasks.clear();
    grid->Repaint();
}

void TToDoPane::AddTaskRow(const AnsiString& text, const AnsiString& dueText, std::int32_t index,
                           std::int16_t status, std::int16_t priority) {
    TStringGrid* grid = ui->grdToDo;
    grid->SetRowCount(grid->RowCount() + 1);
    SetTaskRow(grid, grid->RowCount() - kBlankRows - 1, text, dueText, index, status, priority);
    grid->Repaint();
}

void TToDoPane::AddTask(const TTaskRecord& record, const AnsiString& dueText, std::int16_t status) {
    AddTaskRow(record.text, dueText, record.index, status, record.priority);
    dayTasks.push_back(record);
}

void TToDoPane::LoadDayTasks() {
    const TMisri today = Today();
    const auto records = ReadTaskRecords();
    // A list that cannot be read shows no tasks: rows of another day left
    // on screen would be written back as tasks of this day by a toggle.
    ClearToDoGrid();
    if (!records)
        return;
    for (std::size_t slot = 0; slot < records->size(); ++slot) {
        const TTaskRecord& r = (*records)[slot];
        if (!(r.taskDate == toDoDay) || r.deleted != 0)
            continue;
        dayTasks.push_back(r);
        // The row names its record by the slot it was read from: a stored
        // index can be damaged, or written by another program.
        dayTasks.back().index = static_cast<std::int32_t>(slot);
    }
    // The grid grows once, by the whole day.
    TStringGrid* grid = ui->grdToDo;
    grid->SetRowCount(static_cast<int>(dayTasks.size()) + kBlankRows);
    for (std::size_t row = 0; row < dayTasks.size(); ++row) {
        const TTaskRecord& r = dayTasks[row];
        SetTaskRow(grid, static_cast<int>(row), r.text, r.dueDate.Format(0), r.index,
                   StatusOf(r, today), r.priority);
    }
    grid->Repaint();
}

void TToDoPane::WriteTaskRecord(TTaskRecord& record, std::int32_t index) {
    ::WriteTaskRecord(record, index);
}

void TToDoPane::ShowToDoToday() {
    ShowToDoDay(Today());
}

void TToDoPane::ShowToDoDay(TMisri day) {
    toDoDay = day;
    const TMisri first = day.FirstOfMonth();
    FillToDoCalendar(first.DayOfWeek(), first.DaysInMonth());
    char dayName[20];
    ui->lblToDoDayNumber->setText(ToQString(IntToStr(day.Day())));
    ui->lblToDoMonth->setText(ToQString(day.MonthName()));
    ui->lblToDoYear->setText(ToQString(IntToStr(day.Year())));
    ui->lblToDoDayName->setText(ToQString(day.DayName(dayName)));
    ui->lblToDoEngDate->setText(GregorianDayText(day));
    LoadDayTasks();
}

void TToDoPane::FillToDoCalendar(int firstWeekDay, int days) {
    FillMonthGrid(ui->grdToDoCal, firstWeekDay, days);
}

void TToDoPane::grdToDoCalClick() {
    const int clicked = MonthGridDay(ui->grdToDoCal);
    if (clicked == 0)
        return;
    TMisri day = toDoDay;
    day.SetDate(clicked, 0, 0);
    ShowToDoDay(day);
}

void TToDoPane::btnToDoMonthDcrClick() {
    const int m = toDoDay.Month(), y = toDoDay.Year();
    ShowToDoDay(m == 1 ? Stepped(toDoDay, 12, y - 1) : Stepped(toDoDay, m - 1, y));
}

void TToDoPane::btnToDoMonthIncClick() {
    const int m = toDoDay.Month(), y = toDoDay.Year();
    ShowToDoDay(m == 12 ? Stepped(toDoDay, 1, y + 1) : Stepped(toDoDay, m + 1, y));
}

void TToDoPane::btnToDoYearDcrClick() {
    ShowToDoDay(Stepped(toDoDay, toDoDay.Month(), toDoDay.Year() - 1));
}

void TToDoPane::btnToDoYearIncClick() {
    ShowToDoDay(Stepped(toDoDay, toDoDay.Month(), toDoDay.Year() + 1));
}

void TToDoPane::btnOpenDueDateClick() {
    const TMisri picked = PickDateBelow(ui->btnOpenDueDate, toDoDay);
    ui->txtDueDate->setText(ToQString(picked.Format(0)));
}

void TToDoPane::txtNewToDoChange() {
    if (Trim(FromQString(ui->txtDueDate->text())).empty())
        ui->txtDueDate->setText(ToQString(toDoDay.Format(0)));
}

void TToDoPane::txtNewToDoKeyPress() {
    const AnsiString text = FromQString(ui->txtNewToDo->text());
    if (Trim(text).empty())
        return;
    if (!AskYesNo("Do you want to save this task?"))
        return;
    // The question hands the activation back to the window, which then shows
    // the calendar pane; the task still goes to the day this pane showed.
    const AnsiString dueText = FromQString(ui->txtDueDate->text());
    const TMisri due = Parsed(dueText);
    const bool late = due < Today();
    TTaskRecord record;
    record.index = 0;
    record.priority = 2;
    record.completed = 0;
    record.deleted = 0;
    record.text = text;
    record.dueDate = due;
    record.taskDate = toDoDay;
    // A task that could not be stored gets no row, so that no later toggle
    // or edit writes over another task's slot; the boxes keep their texts.
    if (!::WriteTaskRecord(record, AppendTaskIndex))
        return;
    AddTask(record, dueText, late ? kLate : kOpen);
    ui->txtNewToDo->clear();
    ui->txtDueDate->clear();
}

void TToDoPane::grdToDoDblClick() {
    TStringGrid* grid = ui->grdToDo;
    const int r = grid->Row();
    const int c = grid->Col();
    // Blank rows below the tasks carry no task.
    if (r < 0 || r >= static_cast<int>(dayTasks.size()))
        return;
    const TMisri today = Today();
    // The task as it was read, at the slot it was read from; the row's
    // mark tells whether it is done now.
    TTaskRecord record = dayTasks[static_cast<std::size_t>(r)];
    record.completed = grid->Cell(kStatusCol, r) == "1" ? 1 : 0;
    record.taskDate = toDoDay;
    record.deleted = 0;

    if (c == kMarkCol) {
        const AnsiString status = grid->Cell(kStatusCol, r);
        record.completed = status == "0" || status == "2" ? 1 : 0;
        grid->SetCell(kStatusCol, r, IntToStr(StatusOf(record, today)));
        grid->Repaint();
        WriteTaskRecord(record, record.index);
        dayTasks[static_cast<std::size_t>(r)] = record;
        return;
    }

    if (!frmTask || frmTask->Execute(&record) == 0)
        return;
    // The dialog's closing shows the calendar pane again; the rows edited
    // below are still those of this pane's day.
    if (record.deleted != 0) {
        record.deleted = 1;
        WriteTaskRecord(record, record.index);
        LoadDayTasks();
        grid->Repaint();
        return;
    }
    SetTaskRow(grid, r, record.text, record.dueDate.Format(0), record.index,
               StatusOf(record, today), record.priority);
    WriteTaskRecord(record, record.index);
    dayTasks[static_cast<std::size_t>(r)] = record;
    grid->Repaint();
}

void TToDoPane::grdToDoDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    TStringGrid* grid = ui->grdToDo;
    TCanvas& c = *grid->Canvas();
    const TCanvas::State saved = c.Save();
    const AnsiString status = grid->Cell(kStatusCol, ARow);

    c.SetBrushColor(grid->Color());
    c.FillRect(Rect);
    c.Font = grid->GridFont();
    c.Font.Style = 0;
    c.Font.Color = clBlack;
    switch (ACol) {
    case kMarkCol:
        if (status == "1")
            c.Draw(Rect.Left, Rect.Top, ui->imgCheck->pixmap());
        else if (status == "2")
            c.Draw(Rect.Left, Rect.Top, ui->imgLate->pixmap());
        break;
    case kPriorityCol: {
        c.Font.Style = fsBold;
        const AnsiString priority = grid->Cell(kPriorityCol, ARow);
        AnsiString letter;
        if (priority == "1") {
            letter = "L";
            c.Font.Color = clGreen;
        } else if (priority == "2") {
            letter = "N";
            c.Font.Color = clBlue;
        } else if (priority == "3") {
            letter = "H";
            c.Font.Color = clRed;
        }
        if (!letter.empty())
            CentredText(c, Rect, letter);
        break;
    }
    case kTextCol:
        if (status == "1") {
            c.SetBrushColor(clSilver);
            c.FillRect(Rect);
            c.Font.Color = clGray;
            c.Font.Style = fsStrikeOut;
        } else if (status == "2") {
            c.Font.Color = clRed;
        }
        c.TextOut(Rect.Left, Rect.Top, grid->Cell(kTextCol, ARow));
        break;
    default:
        c.TextOut(Rect.Left, Rect.Top, grid->Cell(ACol, ARow));
        break;
    }
    c.Restore(saved);
}

void TToDoPane::grdToDoCalDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    DrawMonthGridCell(ui->grdToDoCal, ACol, ARow, Rect, toDoDay.Day());
}
