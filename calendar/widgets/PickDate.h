// The small borderless month calendar from which a Hijri date is picked. Each
// date field's calendar button opens it just below itself, its right edge at
// the button's left edge.
#pragma once

#include "calendar/Misri.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/Forms.h"
#include "platform/widgets/StringGrid.h"

#include <memory>

namespace Ui {
class TfrmPickDate;
}

class TfrmPickDate : public TForm {
    Q_OBJECT
public:
    explicit TfrmPickDate(QWidget* owner = nullptr);
    ~TfrmPickDate() override;

    // Opens with its right edge at x and its top at y (moved inside the screen
    // when it would not fit) on the month of `date`; returns the day picked,
    // or, closed without a pick, the date as last navigated.
    TMisri Execute(TMisri date, int x, int y);

    void FormActivate() override;
    void ShowMonth(TMisri date);
    // Day numbers of a month whose day 1 falls on `firstWeekDay` (1 Monday .. 7 Sunday).
    void FillGrid(int firstWeekDay, int daysInMonth);

    void btnPrevMonthClick();
    void btnNextMonthClick();
    void grdMainClick();
    void grdMainDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    // The arrow keys move the day one day or one week, across month ends.
    void grdMainKeyDown(int& key);

    // The month shown and the result.
    TMisri picked;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The date Execute opened on, which Escape gives back.
    TMisri startDate;
    std::unique_ptr<Ui::TfrmPickDate> ui;
};

extern TfrmPickDate* frmPickDate;

// What a date field's calendar button does: opens the picker on `date` just
// below the button, its right edge at the button's left edge, and returns
// what Execute returns. The program's picker serves; in a program that has
// none, one made for this call, so that the button always opens a picker.
TMisri PickDateBelow(const QWidget* button, TMisri date);
