#include "PickDate.h"

#include "ui_PickDate.h"

#include "Bitmaps.h"
#include "FormResource.h"
#include "Handlers.h"
#include "MonthGrid.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

TfrmPickDate* frmPickDate = nullptr;

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
    FillMonthGrid(ui->grdMain, firstWeekDay, daysInMonth);
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
    const int day = MonthGridDay(ui->grdMain);
    if (day == 0)
        return;
    picked.SetDate(day, 0, 0);
    SetModalResult(mrOk);
}

void TfrmPickDate::grdMainDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState) {
    DrawMonthGridCell(ui->grdMain, ACol, ARow, Rect, picked.Day());
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
