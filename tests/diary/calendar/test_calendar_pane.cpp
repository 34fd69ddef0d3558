#include "diary/calendar/CalendarPane.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/PaneHost.h"
#include "tests/diary/calendar/CalendarPaneFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/LocaleScope.h"
#include "tests/support/ReadingOrder.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/Sandbox.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The pane on its own, in a form as the main window holds it.
class CalendarPaneTest : public CalendarPaneFixture<Sandbox> {
protected:
    void SetUp() override {
        Sandbox::SetUp();  // today is 10 December 2026 = 2 Rajjab 1448
        host = std::make_unique<PaneHost<TCalendarPane>>();
        host->pane->SetupCalendarGrids();
        Attach(host.get(), host->pane);
    }
    void TearDown() override {
        host.reset();
        Sandbox::TearDown();
    }

    std::unique_ptr<PaneHost<TCalendarPane>> host;
};

TEST_F(CalendarPaneTest, ComponentsAndTheirLook) {
    const struct {
        const char* name;
        QRect rect;
    } places[] = {{"imgMonths", {65, 35, 201, 56}},
                  {"btnPreviousMonth", {6, 100, 34, 25}},
                  {"lblHijriMonth", {45, 98, 226, 19}},
                  {"btnNextMonth", {274, 97, 34, 28}},
                  {"lblCorrespondingDate", {45, 120, 221, 14}},
                  {"grdHijri", {3, 168, 308, 187}},
                  {"RadioGroup1", {325, 25, 186, 71}},
                  {"lblEvents", {320, 108, 215, 19}},
                  {"grdHijriEvents", {320, 141, 226, 100}},
                  {"lblBirthAnniversary", {325, 243, 215, 19}},
                  {"grdBirth", {320, 265, 226, 91}}};
    for (const auto& p : places) {
        auto* w = Find<QWidget>(p.name);
        EXPECT_EQ(w->geometry(), p.rect) << p.name;
        EXPECT_EQ(w->parentWidget()->objectName(), "pnlHijri") << p.name;
    }
    EXPECT_EQ(Find<QRadioButton>("rdbHijriEvents")->pos(), QPoint(340, 45));
    EXPECT_EQ(Find<QRadioButton>("rdbEnglishEvents")->pos(), QPoint(340, 70));

    const struct {
        const char* name;
        int pixels;
        bool bold;
        TColor colour;
    } fonts[] = {{"lblHijriMonth", 16, true, clNavy},   {"lblCorrespondingDate", 11, false, clRed},
                 {"lblEvents", 13, true, clNavy},       {"lblBirthAnniversary", 13, true, clNavy},
                 {"grdHijriTitle", 15, true, clWhite},  {"grdHijri", 13, true, clNavy},
                 {"grdHijriEvents", 9, false, clBlack}, {"grdBirth", 9, false, clBlack}};
    for (const auto& f : fonts) {
        auto* w = Find<QWidget>(f.name);
        EXPECT_EQ(w->font().pixelSize(), f.pixels) << f.name;
        EXPECT_EQ(w->font().bold(), f.bold) << f.name;
        EXPECT_EQ(w->font().family(), "Liberation Sans") << f.name;
        EXPECT_EQ(w->palette().color(QPalette::WindowText), ToQColor(f.colour)) << f.name;
    }
    EXPECT_EQ(Find<TStringGrid>("grdHijriTitle")->Color(), clNavy);

    EXPECT_EQ(Find<QToolButton>("btnPreviousMonth")->toolTip(), "Previous month");
    EXPECT_EQ(Find<QToolButton>("btnNextMonth")->toolTip(), "Next month");
    EXPECT_FALSE(Find<QToolButton>("btnPreviousMonth")->icon().isNull());
    EXPECT_FALSE(Find<QToolButton>("btnNextMonth")->icon().isNull());
    EXPECT_EQ(Find<QGroupBox>("RadioGroup1")->title(), "Event Type");
    EXPECT_EQ(Find<QRadioButton>("rdbHijriEvents")->text(), "Show Hijri Events");
    EXPECT_EQ(Find<QRadioButton>("rdbEnglishEvents")->text(), "Show Gregorian Events");
    EXPECT_TRUE(Find<QRadioButton>("rdbHijriEvents")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("rdbEnglishEvents")->isChecked());
    EXPECT_EQ(Text("lblBirthAnniversary"), "Birthdays / Anniversaries");
    EXPECT_EQ(events->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(birth->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(days->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(days->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(days->showGrid());
    EXPECT_FALSE(events->showGrid());
    EXPECT_EQ(days->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(CalendarPaneTest, GridSizesAndWeekdayTitles) {
    auto* titles = Find<TStringGrid>("grdHijriTitle");
    EXPECT_EQ(days->ColCount(), 7);
    EXPECT_EQ(days->RowCount(), 6);
    EXPECT_EQ(days->FixedRows(), 0);
    EXPECT_EQ(titles->ColCount(), 7);
    EXPECT_EQ(titles->RowCount(), 1);
    const char* names[] = {"Sun", "Mon", "Tues", "Wed", "Thurs", "Fri", "Sat"};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(days->ColWidth(c), 42) << c;
        EXPECT_EQ(titles->ColWidth(c), 42) << c;
        EXPECT_EQ(titles->Cell(c, 0), names[c]);
    }
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(days->RowHeight(r), 29) << r;

    EXPECT_EQ(events->ColCount(), 2);
    EXPECT_EQ(events->RowCount(), 100);
    EXPECT_EQ(events->ColWidth(0), 16);
    EXPECT_EQ(events->ColWidth(1), 226 - 16 - 24);
    EXPECT_EQ(birth->ColCount(), 3);
    EXPECT_EQ(birth->RowCount(), 100);
    EXPECT_EQ(birth->ColWidth(0), 16);
    EXPECT_EQ(birth->ColWidth(1), 55);
    EXPECT_EQ(birth->ColWidth(2), 226 - 55 - 16 - 24);
    for (const TStringGrid* list : {events, birth}) {
        EXPECT_EQ(list->RowHeight(0), 14);
        EXPECT_EQ(list->RowHeight(99), 14);
    }
}

// The weekday bar stands over the day grid's columns, each title over its
// column, and ends with the last one: no part of the bar beside the grid.
TEST_F(CalendarPaneTest, WeekdayTitlesStandOverTheDayColumns) {
    host->show();
    QApplication::processEvents();
    auto* titles = Find<TStringGrid>("grdHijriTitle");
    // A cell's left and right edge in the pane.
    const auto span = [this](const TStringGrid* grid, int col) {
        const TRect r = grid->CellRect(col, 0);
        const int left = grid->viewport()->mapTo(pane, QPoint(r.Left, r.Top)).x();
        return std::pair(left, left + r.Width());
    };
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(span(titles, c), span(days, c)) << c;
    EXPECT_EQ(titles->geometry().right(), span(days, 6).second);  // the last grid line
    EXPECT_EQ(titles->geometry().top(), 141);
    EXPECT_EQ(titles->height(), 25);
}

TEST_F(CalendarPaneTest, WeekdayTitlesAreCentredInTheirCells) {
    auto* titles = Find<TStringGrid>("grdHijriTitle");
    RecordingCanvas canvas;
    titles->PaintCell(canvas, 4, 0, gdSelected);
    const TRect cell = titles->CellRect(4, 0);
    const RecordingCanvas::Op* text = canvas.FindText("Thurs");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font.Color, clWhite);
    EXPECT_NEAR(text->rect.Left - cell.Left, cell.Right - text->rect.Right, 1);
    for (const auto& op : canvas.ops) {
        EXPECT_GE(op.rect.Left, cell.Left);
        EXPECT_LE(op.rect.Right, cell.Right);
        if (op.kind == RecordingCanvas::Op::FillRect) {
            EXPECT_EQ(op.brush.Color, clNavy);  // never drawn as a selected cell
        }
    }
}

TEST_F(CalendarPaneTest, GregorianMonthGrid) {
    // August 2026 begins on a Saturday and has 31 days.
    pane->ShowGregorianMonth(EncodeDate(2026, 8, 15));
    EXPECT_EQ(Rows(), (std::vector<std::string>{". . . . . . 1", "2 3 4 5 6 7 8",
                                                "9 10 11 12 13 14 15", "16 17 18 19 20 21 22",
                                                "23 24 25 26 27 28 29", "30 31 . . . . ."}));
    EXPECT_EQ(CurrentDay(), "15");
    EXPECT_TRUE(pane->gregorianShown);

    // Every fourth year has a 29 February here, 1900 and 2100 included.
    const struct {
        int year;
        int days;
    } februaries[] = {{1900, 29}, {2100, 29}, {2024, 29}, {2027, 28}};
    for (const auto& f : februaries) {
        pane->FillGregorianGrid(EncodeDate(f.year, 2, 1));
        EXPECT_EQ(LastDay(), f.days) << f.year;
        EXPECT_EQ(CurrentDay(), "1") << f.year;
    }
}

TEST_F(CalendarPaneTest, HijriMonthGridStartsInTheColumnOfItsWeekday) {
    const struct {
        TMisri date;
        int weekday;  // of day 1, 1 Sunday .. 7 Saturday
        const char* row0;
    } months[] = {{TMisri(12, 5, 1448), 1, "1 2 3 4 5 6 7"},   // Jamadi-ul-Awwal: a Sunday
                  {TMisri(1, 10, 1448), 2, ". 1 2 3 4 5 6"}};  // Shawwaal: a Monday
    for (const auto& m : months) {
        ASSERT_EQ(DayOfWeek(m.date.FirstOfMonth().ToDateTime()), m.weekday);
        pane->ShowHijriMonth(m.date);
        EXPECT_EQ(Rows()[0], m.row0) << m.date.MonthName();
        EXPECT_EQ(CurrentDay(), IntToStr(m.date.Day()));
        EXPECT_FALSE(pane->gregorianShown);
    }
    // The table lengths, with Zil-Haj 30 in a leap year.
    pane->FillHijriGrid(6, 30, 30);
    EXPECT_EQ(Rows()[0], ". . . . . . 1");
    EXPECT_EQ(Rows()[5], "30 . . . . . .");
    EXPECT_EQ(CurrentDay(), "30");
    pane->ShowHijriMonth(TMisri(1, 12, 1418));
    EXPECT_EQ(LastDay(), 30);
    pane->ShowHijriMonth(TMisri(1, 12, 1419));
    EXPECT_EQ(LastDay(), 29);
}

TEST_F(CalendarPaneTest, MonthStepsCrossTheYearInBothViews) {
    WriteEventFiles();
    pane->ShowHijriMonth(TMisri(17, 12, 1447));
    Click("btnNextMonth");
    EXPECT_EQ(Text("lblHijriMonth"), "Moharram, 1448 Hijri");
    EXPECT_EQ(CurrentDay(), "1");
    Click("btnPreviousMonth");
    EXPECT_EQ(Text("lblHijriMonth"), "Zil-Haj, 1447 Hijri");
    EXPECT_EQ(pane->shownMonth, TMisri(1, 12, 1447));

    pane->ShowGregorianMonth(EncodeDate(2026, 12, 10));
    Click("btnNextMonth");
    EXPECT_EQ(Text("lblHijriMonth"), "January,  2027");
    EXPECT_EQ(CurrentDay(), "1");
    Click("btnPreviousMonth");
    Click("btnPreviousMonth");
    EXPECT_EQ(Text("lblHijriMonth"), "November,  2026");
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(CalendarPaneTest, MonthStepsStopAtTheEndsOfTheRange) {
    WriteEventFiles();
    WriteFile(ContactFileName, FileOf({Contact("Amina", "Ali", DayMonth(3, 1), DayMonth(1, 1))}));
    const std::vector<std::string> none, both = {"3|Birthday|Amina Ali", "1|Anniversary|Amina Ali"};
    const struct {
        bool gregorian;
        TMisri hijri;
        TDateTime gregorianDate;
        const char* button;
        const char* shown;  // after more presses than the range has months
        const char* corresponding;
        const std::vector<std::string>& birthdays;
    } cases[] = {
        {false, TMisri(1, 7, 1), 0, "btnPreviousMonth", "Moharram, 1 Hijri",
         "Gregorian date: Jul 18, 0622", both},
        {false, TMisri(1, 6, 30000), 0, "btnNextMonth", "Zil-Haj, 30000 Hijri",
         "Gregorian date: ", none},
        {true, TMisri(), EncodeDate(623, 1, 1), "btnPreviousMonth", "August,  0622",
         "Hijri date: 15 Moharram, 1", none},
        {true, TMisri(), EncodeDate(9999, 5, 1), "btnNextMonth", "December,  9999", nullptr, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        if (c.gregorian)
            pane->ShowGregorianMonth(c.gregorianDate);
        else
            pane->ShowHijriMonth(c.hijri);
        for (int press = 0; press < 9; ++press)
            Click(c.button);
        EXPECT_EQ(Text("lblHijriMonth"), c.shown);
        if (c.corresponding) {
            EXPECT_EQ(Text("lblCorrespondingDate"), c.corresponding);
        }
        EXPECT_EQ(pane->gregorianShown, c.gregorian);
        EXPECT_GE(pane->shownMonth.Year(), 1);
        // The contact's days are listed once each, under their own days.
        EXPECT_EQ(ListRows(birth), c.birthdays);
        EXPECT_TRUE(BoxTexts().empty());
    }
}

TEST_F(CalendarPaneTest, ArrowKeysShowTheOtherCalendarsDate) {
    const auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(days, &event);
    };
    pane->ShowHijriMonth(TMisri(2, 7, 1448));
    press(Qt::Key_Right);
    EXPECT_EQ(CurrentDay(), "3");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Dec 11, 2026");
    press(Qt::Key_Down);
    EXPECT_EQ(CurrentDay(), "10");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Dec 18, 2026");

    pane->ShowGregorianMonth(EncodeDate(2026, 12, 10));
    press(Qt::Key_Left);
    EXPECT_EQ(CurrentDay(), "9");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Hijri Date: 1 Rajjab, 1448");
    // A key that moves nothing leaves the date as it is.
    press(Qt::Key_X);
    EXPECT_EQ(Text("lblCorrespondingDate"), "Hijri Date: 1 Rajjab, 1448");
    EXPECT_EQ(pane->shownMonth.ToDateTime(), EncodeDate(2026, 12, 10));
}

// Under the locales of likely users the pane shows the locale's own names:
// the day's date reads in order inside its English sentence, and a month
// standing alone as a title takes its stand-alone form.
TEST_F(CalendarPaneTest, MonthNamesReadInEveryLocale) {
    WriteEventFiles();
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    const struct {
        const char* locale;
        QString december;  // short, beside its day
        QString march;     // in full, standing alone
    } cases[] = {
        {"ar_SA", text("ديسمبر"), text("مارس")}, {"ur_PK", text("دسمبر"), text("مارچ")},
        {"ru_RU", text("дек."), text("март")},   {"cs_CZ", text("pro"), text("březen")},
        {"el_GR", text("Δεκ"), text("Μάρτιος")}, {"en_US", text("Dec"), text("March")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleScope scope(c.locale);
        pane->ShowHijriMonth(TMisri(2, 7, 1448));
        const QLabel* sentence = Find<QLabel>("lblCorrespondingDate");
        EXPECT_TRUE(sentence->text().startsWith("Gregorian date: "))
            << sentence->text().toStdString();
        EXPECT_TRUE(ReadsInOrder(sentence->text(), sentence->font(),
                                 {"Gregorian date:", c.december, "10", "2026"}));

        pane->ShowGregorianMonth(EncodeDate(2026, 3, 10));
        QString title = Find<QLabel>("lblHijriMonth")->text();
        QString events = Find<QLabel>("lblEvents")->text();
        EXPECT_EQ(title.remove(QChar(0x2068)).remove(QChar(0x2069)), c.march + ",  2026");
        EXPECT_EQ(events.remove(QChar(0x2068)).remove(QChar(0x2069)), "Events for " + c.march);
        EXPECT_TRUE(ReadsInOrder(Find<QLabel>("lblHijriMonth")->text(),
                                 Find<QLabel>("lblHijriMonth")->font(), {c.march, "2026"}));
        for (const char* label : {"lblCorrespondingDate", "lblHijriMonth", "lblEvents"})
            EXPECT_FALSE(Find<QLabel>(label)->text().contains(u'?')) << label;
    }
}

TEST_F(CalendarPaneTest, ClickingADayShowsItInTheOtherCalendar) {
    WriteEventFiles();
    pane->ShowHijriMonth(TMisri(2, 7, 1448));
    const std::vector<std::string> eventsBefore = ListRows(events);
    ClickCell(days, 0, 0);  // an empty cell
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Dec 10, 2026");
    ClickDay("1");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Dec 9, 2026");
    ClickDay("30");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Jan 7, 2027");
    EXPECT_EQ(ListRows(events), eventsBefore);

    pane->ShowGregorianMonth(EncodeDate(2026, 12, 10));
    ClickDay("1");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Hijri Date: 22 Jamadi-ul-Aakhar, 1448");
    // The click changes neither the month nor the lists.
    EXPECT_EQ(Text("lblHijriMonth"), "December,  2026");
    EXPECT_EQ(pane->shownMonth.ToDateTime(), EncodeDate(2026, 12, 10));
    EXPECT_TRUE(BoxTexts().empty());

    days->SetCell(6, 5, "x");
    ClickCell(days, 6, 5);
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    EXPECT_EQ(responder->Boxes()[0].text, "Conversion error. String is not a valid integer.");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Hijri Date: 22 Jamadi-ul-Aakhar, 1448");
}

TEST_F(CalendarPaneTest, HijriYearsBeyondTheGregorianDatesLeaveTheGregorianPartsEmpty) {
    WriteEventFiles();
    WriteFile(ContactFileName, FileOf({Contact("Amina", "Yusuf", DayMonth(5, 3), DayMonth(9, 3))}));
    Find<QRadioButton>("rdbEnglishEvents")->click();
    pane->ShowHijriMonth(TMisri(1, 3, 29990));
    EXPECT_EQ(Text("lblHijriMonth"), "Rabi-ul-Awwal, 29990 Hijri");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: ");
    EXPECT_TRUE(ListRows(events).empty());
    // Hijri days need no Gregorian date.
    EXPECT_EQ(ListRows(birth),
              (std::vector<std::string>{"5|Birthday|Amina Yusuf", "9|Anniversary|Amina Yusuf"}));
    ClickDay("1");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: ");
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(CalendarPaneTest, EventListFollowsTheRadioButtons) {
    WriteEventFiles();
    auto* hijri = Find<QRadioButton>("rdbHijriEvents");
    auto* gregorian = Find<QRadioButton>("rdbEnglishEvents");
    // Rajjab 1448 runs from 9 December 2026 to 7 January 2027.
    pane->ShowHijriMonth(TMisri(2, 7, 1448));
    EXPECT_EQ(ListRows(events),
              (std::vector<std::string>{"1|Rajjab begins", "27|Lailat-ul-Miraj"}));
    gregorian->click();
    EXPECT_EQ(ListRows(events),
              (std::vector<std::string>{"2|Tenth", "2|Second text", "24|New Year"}));
    hijri->click();
    EXPECT_EQ(ListRows(events),
              (std::vector<std::string>{"1|Rajjab begins", "27|Lailat-ul-Miraj"}));

    // December 2026 runs from 22 Jamadi-ul-Aakhar to 23 Rajjab.
    pane->ShowGregorianMonth(EncodeDate(2026, 12, 10));
    EXPECT_EQ(ListRows(events), (std::vector<std::string>{"9|Rajjab begins"}));
    gregorian->click();
    EXPECT_EQ(ListRows(events), (std::vector<std::string>{"10|Tenth", "10|Second text"}));
    // A month display reads the file the buttons choose.
    pane->ShowGregorianMonth(EncodeDate(2027, 1, 5));
    EXPECT_EQ(ListRows(events), (std::vector<std::string>{"1|New Year"}));
    EXPECT_EQ(Text("lblHijriMonth"), "January,  2027");
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(CalendarPaneTest, BirthdaysOfTheShownMonth) {
    WriteEventFiles();
    WriteFile(ContactFileName, FileOf({Contact("Amina", "Yusuf", DayMonth(1, 7), DayMonth(30, 7)),
                                       Contact("Hasan", "Ali", DayMonth(27, 6)),
                                       Contact("", "Husain", NoContactDate(), DayMonth(15, 7))}));
    pane->ShowHijriMonth(TMisri(2, 7, 1448));
    EXPECT_EQ(ListRows(birth),
              (std::vector<std::string>{"1|Birthday|Amina Yusuf", "30|Anniversary|Amina Yusuf",
                                        "15|Anniversary| Husain"}));
    // In December 2026 27 Jamadi-ul-Aakhar falls on the 6th, 1 Rajjab on the 9th.
    pane->ShowGregorianMonth(EncodeDate(2026, 12, 10));
    EXPECT_EQ(ListRows(birth),
              (std::vector<std::string>{"9|Birthday|Amina Yusuf", "6|Birthday|Hasan Ali",
                                        "23|Anniversary| Husain"}));

    // Without the contact file the list keeps what it shows, without a word.
    ASSERT_TRUE(QFile::remove(ContactFileName));
    pane->ShowHijriMonth(TMisri(1, 9, 1448));
    EXPECT_EQ(ListRows(birth).size(), 3u);
    EXPECT_TRUE(BoxTexts().empty());

    // An empty file empties it.
    WriteFile(ContactFileName, "");
    pane->LoadBirthdays(TMisri(1, 7, 1448), 30);
    EXPECT_TRUE(ListRows(birth).empty());
}

// A Gregorian month lists the birthdays of each of its days, 29 February of
// a leap year included, and none of the next month's.
TEST_F(CalendarPaneTest, AGregorianFebruaryListsItsLastDay) {
    WriteEventFiles();
    const struct {
        int year;
        std::vector<TContactRecord> contacts;
        std::vector<std::string> listed;
    } cases[] = {
        // 3, 4 and 5 Shawwaal 1449 fall on 28 and 29 February and 1 March 2028.
        {2028,
         {Contact("Month", "End", DayMonth(3, 10)), Contact("Leap", "Day", DayMonth(4, 10)),
          Contact("March", "First", DayMonth(5, 10))},
         {"28|Birthday|Month End", "29|Birthday|Leap Day"}},
        // 23 and 24 Ramadan 1448 fall on 28 February and 1 March 2027.
        {2027,
         {Contact("Month", "End", DayMonth(23, 9)), Contact("March", "First", DayMonth(24, 9))},
         {"28|Birthday|Month End"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        WriteFile(ContactFileName, FileOf(c.contacts));
        pane->ShowGregorianMonth(EncodeDate(c.year, 2, 10));
        EXPECT_EQ(ListRows(birth), c.listed);
    }
}

// A month without events or birthdays leaves its lists empty, and an empty
// list shows no selected cell.
TEST_F(CalendarPaneTest, EmptyListsShowNoSelection) {
    WriteEventFiles();
    WriteFile(ContactFileName, FileOf({Contact("Amina", "Yusuf", DayMonth(1, 7))}));
    const auto selectionShown = [](TStringGrid* list) {
        const TRect cell = list->CellRect(list->Col(), list->Row());
        const QPoint inside =
            list->viewport()->mapTo(list, QPoint(cell.Right - 2, cell.Bottom - 2));
        return list->grab().toImage().pixelColor(inside) == ToQColor(clHighlight);
    };
    const struct {
        TMisri month;
        bool listed;
    } months[] = {{TMisri(1, 7, 1448), true}, {TMisri(1, 2, 1448), false}};
    for (const auto& m : months) {
        pane->ShowHijriMonth(m.month);
        for (TStringGrid* list : {events, birth}) {
            SCOPED_TRACE(list->objectName().toStdString() + " in month " +
                         std::to_string(m.month.Month()));
            EXPECT_EQ(ListRows(list).empty(), !m.listed);
            EXPECT_EQ(selectionShown(list), m.listed);
        }
    }
}

TEST_F(CalendarPaneTest, ListsGrowToHoldEveryRowOfTheMonth) {
    // 100 contacts with a birthday and an anniversary in Rajjab: 200 rows.
    std::vector<TContactRecord> contacts;
    for (int i = 0; i < 100; ++i)
        contacts.push_back(Contact("N", IntToStr(i), DayMonth(3, 7), DayMonth(4, 7)));
    WriteFile(ContactFileName, FileOf(contacts));
    // Four events on each of Rajjab's 30 days: 120 rows.
    std::vector<std::pair<int, std::vector<AnsiString>>> full;
    for (int day = 1; day <= 30; ++day)
        full.push_back({HijriEventKey(7, day), {"one", "two", "three", "four"}});
    WriteFile(HijriEventFileName, EventFileBytes(full, 355));
    WriteFile(GregorianEventFileName, EventFileBytes({}, 366));

    pane->ShowHijriMonth(TMisri(1, 7, 1448));
    const std::vector<std::string> listed = ListRows(events);
    ASSERT_EQ(listed.size(), 120u);
    EXPECT_EQ(listed[99], "25|four");
    EXPECT_EQ(listed.back(), "30|four");
    const std::vector<std::string> people = ListRows(birth);
    ASSERT_EQ(people.size(), 200u);
    EXPECT_EQ(people.back(), "4|Anniversary|N 99");
    EXPECT_TRUE(BoxTexts().empty());

    // A month with fewer rows takes the lists back to their hundred rows.
    pane->ShowHijriMonth(TMisri(1, 8, 1448));
    EXPECT_EQ(events->RowCount(), 100);
    EXPECT_EQ(birth->RowCount(), 100);
    EXPECT_TRUE(ListRows(events).empty());
    EXPECT_TRUE(ListRows(birth).empty());
}

}  // namespace
