#include "diary/print/PageMonth.h"

#include "calendar/Projglob.h"
#include "platform/widgets/StringGrid.h"

#include <utility>

namespace {

std::vector<std::vector<AnsiString>> RowsOf(const TStringGrid& grid) {
    std::vector<std::vector<AnsiString>> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        std::vector<AnsiString> row;
        for (int c = 0; c < grid.ColCount(); ++c)
            row.push_back(grid.Cell(c, r));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

PrintSource PrintSourceOf(bool gregorianShown, const TStringGrid& grdHijriEvents,
                          const TStringGrid& grdBirth) {
    return {gregorianShown, RowsOf(grdHijriEvents), RowsOf(grdBirth)};
}

PageMonth MonthOfPage(const PrintSource& main, const TPrintSettings& settings) {
    PageMonth m;
    if (main.gregorianShown) {
        m.gregorian = MonthStart(settings.month.ToDateTime());
        int year = 0, month = 0, day = 0;
        DecodeDate(m.gregorian, year, month, day);
        m.firstColumn = DayOfWeek(m.gregorian) - 1;
        m.days = GregorianDaysInMonth(month, year);
        m.hijri = TMisri(m.gregorian);
    } else {
        m.hijri = settings.month.FirstOfMonth();
        m.firstColumn = m.hijri.DayOfWeek();
        m.days = m.hijri.DaysInMonth();
        m.gregorian = m.hijri.ToDateTime();
    }
    if (m.firstColumn == 7)
        m.firstColumn = 0;
    return m;
}

bool MonthPrintable(const PrintSource& main, const TPrintSettings& settings) {
    // A Gregorian page's month is that of the settings' date, which must
    // have one.
    if (main.gregorianShown && !InDateRange(settings.month.ToDateTime()))
        return false;
    const PageMonth m = MonthOfPage(main, settings);
    return InDateRange(m.gregorian) && InDateRange(m.gregorian + (m.days - 1));
}

PageTitleText PageTitleOf(const PrintSource& main, const TPrintSettings& settings) {
    // The second line names every month of the other calendar that a day
    // of the page falls in, in order: a Gregorian month may touch three
    // Hijri months, and a 30-day Hijri month three Gregorian ones.
    const PageMonth m = MonthOfPage(main, settings);
    PageTitleText title;
    if (main.gregorianShown) {
        title.first = FormatDateTime("mmmm, yyyy", m.gregorian);
        TMisri day = m.hijri;
        title.second = day.MonthName();
        for (int n = 2; n <= m.days; ++n) {
            const int month = day.Month();
            day.NextDay();
            if (day.Month() != month)
                title.second += AnsiString("/") + day.MonthName();
        }
        title.second += " Hijri";
    } else {
        title.first = settings.month.Format(3) + " Hijri";
        title.second = FormatDateTime("mmmm", m.gregorian);
        int year = 0, month = 0, day = 0, named = 0;
        DecodeDate(m.gregorian, year, named, day);
        for (int n = 1; n < m.days; ++n) {
            DecodeDate(m.gregorian + n, year, month, day);
            if (month != named) {
                title.second += "/" + FormatDateTime("mmmm", m.gregorian + n);
                named = month;
            }
        }
        // The year is the last day's.
        title.second += FormatDateTime(", yyyy", m.gregorian + (m.days - 1));
    }
    return title;
}
