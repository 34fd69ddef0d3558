// What the calendar pane's tests look at, for the pane on its own and for
// the pane in the main window: its components by name, the day grid and the
// two lists as text, and the tests' event files.
#pragma once

#include "calendar/Projglob.h"
#include "diary/calendar/CalendarPane.h"
#include "diary/calendar/records/EventFile.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/EventFixture.h"
#include "tests/support/FindChild.h"
#include "tests/support/GridClicks.h"
#include "tests/support/MonthGridRows.h"

#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Base is the sandbox that makes the form the pane stands in.
template <class Base> class CalendarPaneFixture : public Base {
protected:
    // The form holding the pane, and the pane; each test's SetUp names them.
    void Attach(QWidget* form, TCalendarPane* calendar) {
        root = form;
        pane = calendar;
        days = Find<TStringGrid>("grdHijri");
        events = Find<TStringGrid>("grdHijriEvents");
        birth = Find<TStringGrid>("grdBirth");
    }

    // A component of the form by its name.
    template <class W> W* Find(const char* name) const { return FindChild<W>(root, name); }
    std::string Text(const char* label) const { return Find<QLabel>(label)->text().toStdString(); }
    std::vector<std::string> Rows() const { return MonthGridRows(*days, 0); }
    int LastDay() const {
        int last = 0;
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 7; ++c)
                if (!days->Cell(c, r).empty())
                    last = std::max(last, StrToInt(days->Cell(c, r)));
        return last;
    }
    AnsiString CurrentDay() const { return days->Cell(days->Col(), days->Row()); }
    // The filled rows of a list, their cells joined by "|".
    static std::vector<std::string> ListRows(const TStringGrid* grid) {
        std::vector<std::string> rows;
        for (int r = 0; r < grid->RowCount(); ++r) {
            std::string line;
            bool filled = false;
            for (int c = 0; c < grid->ColCount(); ++c) {
                line += (c ? "|" : "") + grid->Cell(c, r);
                filled = filled || !grid->Cell(c, r).empty();
            }
            if (filled)
                rows.push_back(line);
        }
        return rows;
    }
    // Clicks the cell of the day grid that holds `day`.
    void ClickDay(const AnsiString& day) {
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 7; ++c)
                if (days->Cell(c, r) == day) {
                    ClickCell(days, c, r);
                    return;
                }
        ADD_FAILURE() << "no day " << day;
    }
    void Click(const char* button) { Find<QToolButton>(button)->click(); }
    static void WriteEventFiles() {
        // events.dat: 1 and 27 Rajjab (a one-character text is not listed).
        Base::WriteFile(HijriEventFileName,
                        EventFileBytes({{HijriEventKey(7, 1), {"Rajjab begins"}},
                                        {HijriEventKey(7, 27), {"x", "Lailat-ul-Miraj"}}},
                                       355));
        // gevents.dat: 1 January and 10 December.
        Base::WriteFile(GregorianEventFileName,
                        EventFileBytes({{GregorianEventKey(1, 1), {"New Year"}},
                                        {GregorianEventKey(12, 10), {"Tenth", "Second text"}}},
                                       366));
    }
    std::vector<AnsiString> BoxTexts() const { return this->responder->Texts(); }

    QWidget* root = nullptr;
    TCalendarPane* pane = nullptr;
    TStringGrid* days = nullptr;
    TStringGrid* events = nullptr;
    TStringGrid* birth = nullptr;
};
