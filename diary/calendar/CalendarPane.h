// The month calendar pane of the diary's main window: a Hijri or a
// Gregorian month as a 7 x 6 grid of day numbers, with the date in the other
// calendar, the Hijri month's picture, the month's events and its birthdays
// and anniversaries. Its form resource is applied by the form it stands in,
// with the rest of that form's components.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/DateTime.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"

#include <QFrame>

#include <memory>
#include <vector>

struct EventDay;

namespace Ui {
class TCalendarPane;
}

class TCalendarPane : public QFrame {
    Q_OBJECT
public:
    explicit TCalendarPane(QWidget* parent = nullptr);
    ~TCalendarPane() override;

    // Grid sizes and the weekday titles, once the pane has its form resource.
    void SetupCalendarGrids();
    void ShowCurrentHijriMonth();
    void ShowCurrentGregorianMonth();

    // A Hijri or a Gregorian month, that day selected.
    void ShowHijriMonth(TMisri date);
    void ShowGregorianMonth(TDateTime date);
    void FillGregorianGrid(TDateTime date);
    // firstWeekDay counts 1 Monday .. 7 Sunday.
    void FillHijriGrid(int firstWeekDay, int days, int day);
    void ShowMonthPicture(int month);
    void PrevGregorianMonth();
    void NextGregorianMonth();
    void PrevHijriMonth();
    void NextHijriMonth();
    // Asks for a year and shows the same month in it.
    void GotoYear();

    void btnPreviousMonthClick();
    void btnNextMonthClick();
    void grdHijriClick();
    void grdHijriTitleDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    void rdbHijriEventsClick();
    void rdbEnglishEventsClick();

    // The event list of the shown month, from "events.dat" (Hijri events) or
    // "gevents.dat" (Gregorian events); the month is of the calendar shown.
    void LoadGregorianEventsOfGregorianMonth(int month);
    void LoadHijriEventsOfGregorianMonth(int month);
    void LoadGregorianEventsOfHijriMonth(int month);
    void LoadHijriEventsOfHijriMonth(int month);
    void ClearEventList();
    // The birthdays and anniversaries on the `count` days from `first` on.
    void LoadBirthdays(TMisri first, int count);
    // LoadBirthdays for the days of the month shown.
    void LoadShownMonthBirthdays();
    void ClearBirthdays();

    // The two lists, as the printed page takes them.
    const TStringGrid& EventList() const;
    const TStringGrid& BirthdayList() const;

    // The date whose month is shown; true while that month is a Gregorian one.
    TMisri shownMonth;
    bool gregorianShown = false;

private:
    // Fills the event list with the rows of the days given, or tells that
    // the file cannot be opened and keeps the list.
    void FillEventList(const char* fileName, const std::vector<EventDay>& days);

    std::unique_ptr<Ui::TCalendarPane> ui;
};
