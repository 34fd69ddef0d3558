#include "calendar/widgets/PickDate.h"

#include "ui_PickDate.h"

#include "calendar/widgets/MonthGrid.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QGuiApplication>
#include <QKeyEvent>
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
    OnEvent(grid, &TStringGrid::KeyDown, this, &TfrmPickDate::grdMainKeyDown);
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
    startDate = date;
    ShowModal();
    return picked;
}

void TfrmPickDate::FormActivate() {
    ShowMonth(picked);
    // The grid takes the keys: a pop-up gives the focus to no control of
    // its own accord.
    ui->grdMain->setFocus(Qt::PopupFocusReason);
}

void TfrmPickDate::ShowMonth(TMisri date) {
    const TMisri first = date.FirstOfMonth();
    FillGrid(first.DayOfWeek(), first.DaysInMonth());
    ui->lblMonth->setText(ToQString(first.MonthName()));
    // Enter picks the highlighted day, as a click on it does.
    SelectMonthGridDay(ui->grdMain, picked.Day());
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

void TfrmPickDate::grdMainKeyDown(int& key) {
    int days = 0;
    switch (key) {
    case Qt::Key_Left:
        days = -1;
        break;
    case Qt::Key_Right:
        days = 1;
        break;
    case Qt::Key_Up:
        days = -7;
        break;
    case Qt::Key_Down:
        days = 7;
        break;
    default:
        return;
    }
    key = 0;
    picked = days > 0 ? picked.AddDays(days) : picked.SubtractDays(-days);
    ShowMonth(picked);
}

void TfrmPickDate::keyPressEvent(QKeyEvent* event) {
    // Escape cancels: the date the picker opened on comes back, wherever
    // the user moved since.
    if (event->key() == Qt::Key_Escape)
        picked = startDate;
    TForm::keyPressEvent(event);
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
