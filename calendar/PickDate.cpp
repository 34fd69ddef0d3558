#include "PickDate.h"

#include "ui_PickDate.h"

#include "Bitmaps.h"
#include "FormResource.h"
#include "Handlers.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

TfrmPickDate* frmPickDate = nullptr;

namespace {
constexpr const char* kWeekLetters[7] = {"S", "M", "T", "W", "T", "F", "S"};
}

TfrmPickDate::TfrmPickDate(QWidget* owner) : TForm(owner), ui(new Ui::TfrmPickDate) {
    ui->setupUi(this);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    ApplyFormResource(this);
    ui->btnPrevMonth->setIcon(LoadIcon("PREV_MONTH"));
    ui->btnNextMonth->setIcon(LoadIcon("NEXT_MONTH"));

    TStringGrid* grid = ui->grdMain;
    grid->SetColCount(7);
    grid->SetRowCount(7);
    grid->SetDefaultColWidth(16);
    grid->SetDefaultRowHeight(12);
    grid->SetDefaultDrawing(false);
    grid->SetColor(clWhite);
    grid->SetFontColor(clBlack);

    OnEvent(ui->btnPrevMonth, &QToolButton::clicked, this, &TfrmPickDate::btnPrevMonthClick);
    OnEvent(ui->btnNextMonth, &QToolButton::clicked, this, &TfrmPickDate::btnNextMonthClick);
    OnEvent(grid, &TStringGrid::Click, this, &TfrmPickDate::grdMainClick);
    OnEvent(grid, &TStringGrid::DrawCell, this, &TfrmPickDate::grdMainDrawCell);
    ShowMonth(picked);
}

TfrmPickDate::~TfrmPickDate() = default;

TMisri TfrmPickDate::Execute(TMisri date, int x, int y) {
    QPoint topLeft(x - width(), y);
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), area.right() + 1 - width()));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), area.bottom() + 1 - height()));
    }
    move(topLeft);
    picked = date;
    ShowModal();
    return picked;
}

void TfrmPickDate::FormActivate() {
    ShowMonth(picked);
}

void TfrmPickDate::ShowMonth(TMisri date) {
    const TMisri first = date.FirstOfMonth();
    FillGrid(first.DayOfWeek(), first.DaysInMonth());
    ui->lblMonth->setText(ToQString(first.MonthName()));
}

void TfrmPickDate::FillGrid(int firstWeekDay, int daysInMonth) {
    TStringGrid* grid = ui->grdMain;
    const int start = firstWeekDay == 7 ? 0 : firstWeekDay;  // column 0 is Sunday
    for (int row = 1; row <= 6; ++row)
        for (int col = 0; col < 7; ++col)
            grid->SetCell(col, row, " ");
    for (int day = 1, cell = start; day <= daysInMonth && cell < 42; ++day, ++cell)
        grid->SetCell(cell % 7, cell / 7 + 1, IntToStr(day));
    for (int col = 0; col < 7; ++col)
        grid->SetCell(col, 0, kWeekLetters[col]);
    grid->Repaint();
}

void TfrmPickDate::btnPrevMonthClick() {
    picked.DecMonth();
    ShowMonth(picked);
}

void TfrmPickDate::btnNextMonthClick() {
    picked.IncMonth();
    ShowMonth(picked);
}

void TfrmPickDate::grdMainClick() {
    const TStringGrid* grid = ui->grdMain;
    const AnsiString text = Trim(grid->Cell(grid->Col(), grid->Row()));
    if (grid->Row() < 1 || grid->Row() > 6 || text.empty())
        return;
    picked.SetDate(StrToInt(text), 0, 0);
    SetModalResult(mrOk);
}

void TfrmPickDate::grdMainDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    TStringGrid* grid = ui->grdMain;
    TCanvas& c = *grid->Canvas();
    const TCanvas::State saved = c.Save();
    const AnsiString text = grid->Cell(ACol, ARow);
    auto centred = [&] {
        c.TextOut(Rect.Left + Rect.Width() / 2 - c.TextWidth(text) / 2, Rect.Top, text);
    };

    c.Brush.Color = grid->Color();
    c.Brush.Style = bsSolid;
    c.FillRect(Rect);
    c.Font = grid->GridFont();
    if (ARow == 0) {
        c.Font.Style = fsBold | fsItalic;
        c.Font.Color = clWhite;
        c.Brush.Color = clNavy;
        c.FillRect(Rect);
    } else if (ACol == 0) {
        c.Font.Color = clRed;
    }
    centred();
    if (ARow >= 1 && !text.empty() && Trim(text) == IntToStr(picked.Day())) {
        c.Font.Style = fsBold | fsUnderline;
        c.Brush.Color = clYellow;
        c.FillRect(Rect);
        centred();
    }
    c.Restore(saved);
}

TMisri PickDateBelow(const QWidget* button, TMisri date) {
    QPoint at = button->mapToGlobal(QPoint(0, 0));
    at.ry() += button->height();
    std::unique_ptr<TfrmPickDate> ownPicker;
    TfrmPickDate* picker = frmPickDate;
    if (!picker) {
        ownPicker = std::make_unique<TfrmPickDate>();
        picker = ownPicker.get();
    }
    return picker->Execute(date, at.x(), at.y());
}
