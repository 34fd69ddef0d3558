#include "Tasks.h"

#include "ui_Tasks.h"

#include "FormResource.h"
#include "Handlers.h"
#include "Misri.h"
#include "TaskFile.h"

#include <QGuiApplication>
#include <QScreen>

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

TMisri Parsed(const AnsiString& text) {
    TMisri date;
    date.Set(text);
    return date;
}

}  // namespace

TfrmTasks::TfrmTasks(QWidget* owner) : TForm(owner), ui(new Ui::TfrmTasks) {
    ui->setupUi(this);
    ApplyFormResource(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
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
    for (int row = 1; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCell(col, row, "");
    grid->SetRowCount(kRows);
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
    TStringGrid* grid = ui->grdMain;
    int row = 1;
    int listed = 0;
    for (const TTaskRecord& r : *records) {
        if (!(r.dueDate <= today) || r.deleted != 0 || r.completed == 1)
            continue;
        grid->SetRowCount(grid->RowCount() + 1);
        grid->SetCell(kTextCol, row, r.text);
        grid->SetCell(kTaskDateCol, row, r.taskDate.Format(0));
        grid->SetCell(kDueCol, row, r.dueDate.Format(0));
        grid->SetCell(kIndexCol, row, IntToStr(r.index));
        grid->SetCell(kMarkCol, row, "0");
        ++row;
        listed = 1;
    }
    grid->Repaint();
    return listed;
}

void TfrmTasks::btnOkClick() {
    SaveMarkedTasks();
}

void TfrmTasks::SaveMarkedTasks() {
    const TStringGrid* grid = ui->grdMain;
    std::vector<TTaskRecord> ticked;
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (grid->Cell(kMarkCol, row) != "1")
            continue;
        // Done and deleted at once, so that neither this list nor the to-do
        // pane shows the task again.
        TTaskRecord record;
        record.text = grid->Cell(kTextCol, row);
        record.priority = 1;
        record.completed = 1;
        record.deleted = 1;
        record.dueDate = Parsed(grid->Cell(kDueCol, row));
        record.taskDate = Parsed(grid->Cell(kTaskDateCol, row));
        record.index = StrToInt(grid->Cell(kIndexCol, row));
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
    } else if (!Trim(grid->Cell(kDueCol, ARow)).empty()) {
        if (grid->Cell(kMarkCol, ARow) == "1")
            c.Font.Style = fsStrikeOut;
        else if (Parsed(grid->Cell(kDueCol, ARow)) < TMisri("Today"))
            c.Font.Color = clRed;
    }
    c.TextOut(Rect.Left, Rect.Top, grid->Cell(ACol, ARow));
    c.Restore(saved);
}
