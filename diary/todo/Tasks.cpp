#include "diary/todo/Tasks.h"

#include "ui_Tasks.h"

#include "calendar/Misri.h"
#include "diary/todo/TaskFile.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

#include <vector>

TfrmTasks* frmTasks = nullptr;

namespace {

constexpr int kTextCol = 0;
constexpr int kTaskDateCol = 1;
constexpr int kDueCol = 2;
constexpr int kIndexCol = 3;  // hidden: the record's slot
constexpr int kMarkCol = 4;   // hidden: "1" ticked, "0" not
constexpr int kCols = 5;
constexpr int kColWidths[kCols] = {215, 100, 100, 0, 0};
constexpr const char* kHeaders[kCols] = {"Task Description", "Task Date", "Due Date", "", ""};
constexpr int kRows = 10;
constexpr int kRowHeight = 16;

}  // namespace

TfrmTasks::TfrmTasks(QWidget* owner) : TForm(owner), ui(new Ui::TfrmTasks) {
    ui->setupUi(this);
    ApplyFormResource(this);
    CentreOnScreen(this);
    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmTasks::btnOkClick);
    OnEvent(ui->grdMain, &TStringGrid::DblClick, this, &TfrmTasks::grdMainDblClick);
    OnEvent(ui->grdMain, &TStringGrid::DrawCell, this, &TfrmTasks::grdMainDrawCell);
    FormCreate();
}

TfrmTasks::~TfrmTasks() = default;

void TfrmTasks::FormCreate() {
    SetupGrid();
}

void TfrmTasks::SetupGrid() {
    TStringGrid* grid = ui->grdMain;
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->SetDefaultDrawing(false);
    for (int col = 0; col < kCols; ++col) {
        grid->SetColWidth(col, kColWidths[col]);
        grid->SetCell(col, 0, kHeaders[col]);
    }
}

void TfrmTasks::ClearGrid() {
    TStringGrid* grid = ui->grdMain;
    // Shrunk first, so that only the rows that stay need emptying.
    grid->SetRowCount(kRows);
    grid->ClearCells(1);
    listed.clear();
}

int TfrmTasks::Execute() {
    if (!LoadOutstandingTasks())
        return 0;
    ShowModal();
    return 1;
}

int TfrmTasks::LoadOutstandingTasks() {
    const TMisri today("Today");
    const auto records = ReadTaskRecords();
    if (!records)
        return 0;
    ClearGrid();
    for (std::size_t slot = 0; slot < records->size(); ++slot) {
        const TTaskRecord& r = (*records)[slot];
        if (!(r.dueDate <= today) || r.deleted != 0 || r.completed == 1)
            continue;
        listed.push_back(r);
        // A row names its record by the slot it was read from: a stored
        // index can be damaged, or written by another program.
        listed.back().index = static_cast<std::int32_t>(slot);
    }
    // The grid grows once, by every listed task.
    TStringGrid* grid = ui->grdMain;
    grid->SetRowCount(grid->RowCount() + static_cast<int>(listed.size()));
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const TTaskRecord& r = listed[i];
        const int row = static_cast<int>(i) + 1;
        grid->SetCell(kTextCol, row, r.text);
        grid->SetCell(kTaskDateCol, row, r.taskDate.Format(0));
        grid->SetCell(kDueCol, row, r.dueDate.Format(0));
        grid->SetCell(kIndexCol, row, IntToStr(r.index));
        grid->SetCell(kMarkCol, row, "0");
    }
    grid->Repaint();
    return listed.empty() ? 0 : 1;
}

void TfrmTasks::btnOkClick() {
    SaveMarkedTasks();
}

void TfrmTasks::SaveMarkedTasks() {
    const TStringGrid* grid = ui->grdMain;
    std::vector<TTaskRecord> ticked;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (grid->Cell(kMarkCol, static_cast<int>(i) + 1) != "1")
            continue;
        // Done and deleted at once, so that neither this list nor the to-do
        // pane shows the task again. Its text and dates go back as read.
        TTaskRecord record = listed[i];
        record.priority = 1;
        record.completed = 1;
        record.deleted = 1;
        ticked.push_back(record);
    }
    RewriteTaskRecords(ticked);
}

void TfrmTasks::grdMainDblClick() {
    TStringGrid* grid = ui->grdMain;
    const int row = grid->Row();
    const AnsiString mark = grid->Cell(kMarkCol, row);
    if (mark == "1")
        grid->SetCell(kMarkCol, row, "0");
    else if (mark == "0")
        grid->SetCell(kMarkCol, row, "1");
    else
        return;
    grid->Repaint();
}

void TfrmTasks::grdMainDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    TStringGrid* grid = ui->grdMain;
    TCanvas& c = *grid->Canvas();
    const TCanvas::State saved = c.Save();

    c.SetBrushColor(grid->Color());
    c.FillRect(Rect);
    c.Font.Name = "Arial";
    c.Font.Style = 0;
    c.Font.Color = clBlack;
    c.SetFontSize(7);
    if (ARow == 0) {
        c.SetBrushColor(clBtnFace);
        c.FillRect(Rect);
        c.Font.Style = fsBold;
    } else if (ARow >= 1 && ARow <= static_cast<int>(listed.size())) {
        // Lateness comes from the stored due date: the shown text of a
        // damaged date is no date to parse, and drawing never asks anything.
        if (grid->Cell(kMarkCol, ARow) == "1")
            c.Font.Style = fsStrikeOut;
        else if (listed[static_cast<std::size_t>(ARow - 1)].dueDate < TMisri("Today"))
            c.Font.Color = clRed;
    }
    c.TextOut(Rect.Left, Rect.Top, grid->Cell(ACol, ARow));
    c.Restore(saved);
}
