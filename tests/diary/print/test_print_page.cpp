#include "calendar/Projglob.h"
#include "diary/print/PrintPage.h"
#include "diary/print/PrintPrimitives.h"
#include "diary/print/PrintSideBoxes.h"
#include "locations/PrayerTimes.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/Printer.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/print/MonthFinder.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

using Op = RecordingCanvas::Op;

class PrintPageTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        // A mapped 600-dpi job sets the scale the routines use.
        BeginPrintDoc(&printer);
        printer.EndDoc();
    }

    RecordingPrinter printer{600, 600};
    FixedPrayerTimes times;
};

PrintSource Hijri() {
    return {};
}
PrintSource Gregorian() {
    PrintSource s;
    s.gregorianShown = true;
    return s;
}

TPrintSettings SettingsFor(TMisri month) {
    TPrintSettings s;
    s.month = month;
    return s;
}

// Where each day number of a grid went: day -> (row, column), found from
// the texts' positions in the large grid's day boxes.
std::map<int, std::pair<int, int>> DayCells(const RecordingCanvas& canvas, TRect box) {
    const int headerBottom = box.Top + (box.Bottom - box.Top) * 7 / 100;
    const int colW = box.Width() / 7;
    const int rowH = (box.Bottom - headerBottom) / 5;
    std::map<int, std::pair<int, int>> cells;
    for (const Op& op : canvas.ops) {
        if (op.kind != Op::Text || op.font.Name != "Times New Roman")
            continue;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 7; ++c) {
                const int left = box.Left + c * colW;
                const int top = headerBottom + r * rowH;
                if (op.rect.Left == left + left / 100 && op.rect.Top == top + top / 100) {
                    EXPECT_EQ(cells.count(std::stoi(op.text)), 0u) << op.text;
                    cells[std::stoi(op.text)] = {r, c};
                }
            }
    }
    return cells;
}

std::set<std::vector<int>> Rectangles(const RecordingCanvas& canvas) {
    std::set<std::vector<int>> rects;
    for (const Op& op : canvas.ops)
        if (op.kind == Op::Rectangle)
            rects.insert({op.rect.Left, op.rect.Top, op.rect.Right, op.rect.Bottom});
    return rects;
}

TEST_F(PrintPageTest, TheSixteenLayouts) {
    // S E B M, then the main grid, the side boxes and the small months' left edges.
    struct Layout {
        int s, e, b, m;
        TRect grid;
        TRect events, birthdays;    // empty when not printed
        int smallLeft, smallRight;  // 0 when not printed
    };
    const TRect none{};
    const Layout layouts[] = {
        {0, 0, 0, 0, {500, 1700, 10500, 8000}, none, none, 0, 0},
        {0, 0, 0, 1, {500, 1700, 10500, 6000}, none, none, 500, 8250},
        {0, 0, 1, 0, {500, 1700, 8000, 8000}, none, {8100, 1700, 10500, 8000}, 0, 0},
        {0, 0, 1, 1, {500, 1700, 8000, 6000}, none, {8100, 1700, 10500, 8000}, 500, 5750},
        {0, 1, 0, 0, {500, 1700, 8000, 8000}, {8100, 1700, 10500, 8000}, none, 0, 0},
        {0, 1, 0, 1, {500, 1700, 8000, 6000}, {8100, 1700, 10500, 8000}, none, 500, 5750},
        {0,
         1,
         1,
         0,
         {500, 1700, 8000, 8000},
         {8100, 1700, 10500, 5000},
         {8100, 5100, 10500, 8000},
         0,
         0},
        {0,
         1,
         1,
         1,
         {500, 1700, 8000, 6000},
         {8100, 1700, 10500, 5000},
         {8100, 5100, 10500, 8000},
         500,
         5750},
        {1, 0, 0, 0, {3050, 1700, 10500, 8000}, none, none, 0, 0},
        {1, 0, 0, 1, {3050, 1700, 10500, 6000}, none, none, 3050, 8250},
        {1, 0, 1, 0, {3050, 1700, 8000, 8000}, none, {8100, 1700, 10500, 8000}, 0, 0},
        {1, 0, 1, 1, {3050, 1700, 8000, 6000}, none, {8100, 1700, 10500, 8000}, 3050, 5750},
        {1, 1, 0, 0, {3050, 1700, 8000, 8000}, {8100, 1700, 10500, 8000}, none, 0, 0},
        {1, 1, 0, 1, {3050, 1700, 8000, 6000}, {8100, 1700, 10500, 8000}, none, 3050, 5750},
        {1,
         1,
         1,
         0,
         {3050, 1700, 8000, 8000},
         {8100, 1700, 10500, 5000},
         {8100, 5100, 10500, 8000},
         0,
         0},
        {1,
         1,
         1,
         1,
         {3050, 1700, 8000, 6000},
         {8100, 1700, 10500, 5000},
         {8100, 5100, 10500, 8000},
         3050,
         5750},
    };
    for (const Layout& l : layouts) {
        TPrintSettings s = SettingsFor(TMisri(1, 9, 1447));
        s.printSalaat = l.s;
        s.printEvents = l.e;
        s.printBirthdays = l.b;
        s.printSmallMonths = l.m;
        printer.calls.clear();
        PrintCalendarPage(Hijri(), s);
        const auto label = ::testing::Message() << l.s << l.e << l.b << l.m;
        EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}))
            << label;

        // Every framed rectangle of the page: the title and its shadow, the
        // grids, the table, and each list box with its header band.
        std::set<std::vector<int>> expected = {{500, 500, 5500, 1500}, {550, 550, 5550, 1550}};
        expected.insert({l.grid.Left, l.grid.Top, l.grid.Right, l.grid.Bottom});
        if (l.s)
            expected.insert({500, 1700, 3000, 8000});
        const int band = 237;  // 1.5 x the 12-point header font at 600 dpi
        for (const TRect& box : {l.events, l.birthdays})
            if (box.Right != 0) {
                expected.insert({box.Left, box.Top, box.Right, box.Bottom});
                expected.insert({box.Left, box.Top, box.Right, box.Top + band});
            }
        for (int left : {l.smallLeft, l.smallRight})
            if (left != 0)
                expected.insert({left, 6290, left + 2250, 8000});
        EXPECT_EQ(Rectangles(printer.canvas), expected) << label;
        EXPECT_EQ(printer.canvas.FindText("Calendar Events") != nullptr, l.e != 0) << label;
        EXPECT_EQ(printer.canvas.FindText("Birthdays / Anniversaries") != nullptr, l.b != 0)
            << label;
        EXPECT_EQ(printer.canvas.FindText("Salaat timings for:") != nullptr, l.s != 0) << label;
    }
}

TEST_F(PrintPageTest, AnniversariesAloneGiveNoBirthdaysBox) {
    TPrintSettings s = SettingsFor(TMisri(1, 9, 1447));
    s.printBirthdays = 0;
    s.printAnniversaries = 1;
    PrintSource src;
    src.birthdays = {{"3", "Anniversary", "Sara"}};
    PrintCalendarPage(src, s);
    EXPECT_EQ(printer.canvas.FindText("Birthdays / Anniversaries"), nullptr);

    s.printBirthdays = 1;
    s.printAnniversaries = 0;
    PrintCalendarPage(src, s);
    EXPECT_NE(printer.canvas.FindText("3 - Anniversary - Sara"), nullptr);
}

struct GridFigures {
    TRect box;
    int large;
    int headerBottom, colW, rowH;
    int seventhLine;  // the last column line, on or just inside the right edge
};

TEST_F(PrintPageTest, GridLines) {
    const GridFigures grids[] = {
        {{500, 1700, 10500, 8000}, 1, 2141, 1428, 1171, 10496},
        {{3050, 1700, 8000, 6000}, 1, 2001, 707, 799, 7999},
        {{3050, 6290, 5300, 8000}, 0, 6409, 321, 318, 5297},
    };
    for (const GridFigures& g : grids) {
        RecordingCanvas canvas;
        canvas.PixelsPerInch = 600;
        TPrintSettings s = SettingsFor(TMisri(1, 9, 1447));
        s.gridColor = clTeal;
        PrintMonthGrid(Hijri(), &canvas, g.box, s, g.large);
        const TRect& b = g.box;

        std::vector<TRect> lines;
        std::vector<TRect> fills;
        for (const Op& op : canvas.ops) {
            if (op.kind == Op::Line) {
                lines.push_back(op.rect);
                EXPECT_EQ(op.pen.Color, clTeal);
            }
            if (op.kind == Op::FillRect) {
                fills.push_back(op.rect);
                EXPECT_EQ(op.brush, (TBrush{clSilver, bsSolid}));
            }
        }
        // The header line first, then four row lines and seven column lines.
        std::vector<TRect> expected = {{b.Left, g.headerBottom, b.Right, g.headerBottom}};
        for (int i = 1; i <= 4; ++i)
            expected.push_back(
                {b.Left, g.headerBottom + i * g.rowH, b.Right, g.headerBottom + i * g.rowH});
        for (int i = 1; i <= 7; ++i)
            expected.push_back({b.Left + i * g.colW, b.Top, b.Left + i * g.colW, b.Bottom});
        EXPECT_EQ(lines, expected) << b.Left;
        EXPECT_EQ(lines.back(), Rect(g.seventhLine, b.Top, g.seventhLine, b.Bottom)) << b.Left;
        EXPECT_EQ(fills, std::vector<TRect>{Rect(b.Left, b.Top, b.Right, g.headerBottom)});
        EXPECT_EQ(canvas.Texts()[0], g.large ? "Sun" : "S");
    }
}

TEST_F(PrintPageTest, WeekdayNames) {
    RecordingCanvas large, small;
    large.PixelsPerInch = 600;
    PrintMonthGrid(Hijri(), &large, Rect(500, 1700, 10500, 8000), SettingsFor(TMisri()), 1);
    PrintMonthGrid(Hijri(), &small, Rect(500, 6290, 2750, 8000), SettingsFor(TMisri()), 0);
    const auto firstSeven = [](const RecordingCanvas& c) {
        auto t = c.Texts();
        return std::vector<AnsiString>(t.begin(), t.begin() + 7);
    };
    EXPECT_EQ(firstSeven(large),
              (std::vector<AnsiString>{"Sun", "Mon", "Tue", "Wed", "Thurs", "Fri", "Sat"}));
    EXPECT_EQ(firstSeven(small), (std::vector<AnsiString>{"S", "M", "T", "W", "T", "F", "S"}));
    const Op* thurs = large.FindText("Thurs");
    EXPECT_EQ(thurs->font.Name, "Arial");
    EXPECT_EQ(thurs->font.Style, fsBold | fsItalic);
    EXPECT_EQ(thurs->font.Height, -lround(PrintFontSize(16) * 600 / 72.0));
}

TEST_F(PrintPageTest, DayCellsWrapIntoRowZero) {
    const TRect box = Rect(500, 1700, 10500, 8000);
    auto cellsOf = [&](const PrintSource& src, TMisri month) {
        RecordingCanvas canvas;
        PrintMonthGrid(src, &canvas, box, SettingsFor(month), 1);
        return DayCells(canvas, box);
    };
    // 1 January 2000 was a Saturday: 31 days wrap twice into row 0.
    auto jan2000 = cellsOf(Gregorian(), TMisri(EncodeDate(2000, 1, 15)));
    ASSERT_EQ(jan2000.size(), 31u);
    EXPECT_EQ(jan2000[1], std::make_pair(0, 6));
    EXPECT_EQ(jan2000[2], std::make_pair(1, 0));
    EXPECT_EQ(jan2000[29], std::make_pair(4, 6));
    EXPECT_EQ(jan2000[30], std::make_pair(0, 0));
    EXPECT_EQ(jan2000[31], std::make_pair(0, 1));

    auto sat30 = cellsOf(Hijri(), FindHijriMonth(30, 6));
    ASSERT_EQ(sat30.size(), 30u);
    EXPECT_EQ(sat30[1], std::make_pair(0, 6));
    EXPECT_EQ(sat30[30], std::make_pair(0, 0));

    auto fri30 = cellsOf(Hijri(), FindHijriMonth(30, 5));
    ASSERT_EQ(fri30.size(), 30u);
    EXPECT_EQ(fri30[1], std::make_pair(0, 5));
    EXPECT_EQ(fri30[30], std::make_pair(4, 6));
    for (const auto& [day, cell] : fri30)
        EXPECT_FALSE(cell.first == 0 && cell.second < 5) << day;

    // Sunday 1 February 2015: four full rows, row 4 empty.
    auto feb2015 = cellsOf(Gregorian(), TMisri(EncodeDate(2015, 2, 10)));
    ASSERT_EQ(feb2015.size(), 28u);
    EXPECT_EQ(feb2015[1], std::make_pair(0, 0));
    EXPECT_EQ(feb2015[28], std::make_pair(3, 6));
    for (const auto& [day, cell] : feb2015)
        EXPECT_LT(cell.first, 4) << day;
}

TEST_F(PrintPageTest, DayTextsInBothCalendars) {
    const TRect box = Rect(500, 1700, 10500, 8000);
    TPrintSettings s = SettingsFor(FindHijriMonthStartingOn(1, 20));
    s.primaryDateColor = clMaroon;
    s.secondaryDateColor = clGreen;
    RecordingCanvas canvas;
    canvas.PixelsPerInch = 600;
    PrintMonthGrid(Hijri(), &canvas, box, s, 1);
    const Op* jan20 = canvas.FindText("Jan, 20");
    const Op* feb1 = canvas.FindText("Feb, 1");
    ASSERT_NE(jan20, nullptr);
    ASSERT_NE(feb1, nullptr);
    EXPECT_EQ(jan20->font.Color, clGreen);
    EXPECT_EQ(jan20->font.Style, fsItalic);
    EXPECT_EQ(jan20->font.Height, -lround(PrintFontSize(8) * 600 / 72.0));
    // At the bottom right of day 1's text box (the cell less 50 units).
    const int headerBottom = 2141, colW = 1428, rowH = 1171;
    const int c = s.month.DayOfWeek() % 7;
    EXPECT_EQ(jan20->rect.Right, 500 + (c + 1) * colW - 50);
    EXPECT_EQ(jan20->rect.Bottom, headerBottom + rowH - 50);
    const Op* day1 = canvas.FindText("1");
    EXPECT_EQ(day1->font.Color, clMaroon);
    EXPECT_EQ(day1->font.Name, "Times New Roman");

    RecordingCanvas greg;
    PrintMonthGrid(Gregorian(), &greg, box, SettingsFor(TMisri(EncodeDate(2000, 1, 1))), 1);
    const AnsiString firstHijri = TMisri(EncodeDate(2000, 1, 1)).Format(2);
    const Op* h = greg.FindText(firstHijri);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->font.Height, -lround(PrintFontSize(5) * 96 / 72.0));
    EXPECT_EQ(greg.FindText(TMisri(EncodeDate(2000, 1, 31)).Format(2))->rect.Right,
              500 + 2 * colW - 50);  // day 31 wrapped into row 0, column 1
}

TEST_F(PrintPageTest, TitleNamesEveryMonthOfTheOtherCalendar) {
    struct Case {
        PrintSource src;
        TMisri month;
        AnsiString first, second;
    };
    const Case cases[] = {
        // 30 January to 27 February 2025: 30 days on is already March.
        {Hijri(), TMisri(1, 8, 1446), "Shaaban, 1446 Hijri", "January/February, 2025"},
        // 2 to 30 December 2024: wholly in one month.
        {Hijri(), TMisri(15, 6, 1446), "Jamadi-ul-Aakhar, 1446 Hijri", "December, 2024"},
        // 31 December 2024 to 29 January 2025: the year is the last day's.
        {Hijri(), TMisri(1, 7, 1446), "Rajjab, 1446 Hijri", "December/January, 2025"},
        {Hijri(), TMisri(9, 9, 1420), "Ramadan, 1420 Hijri", "December/January, 2000"},
        // 31 January to 1 March 2033: 30 days across a 28-day February.
        {Hijri(), TMisri(1, 11, 1454), "Zilqaad, 1454 Hijri", "January/February/March, 2033"},
        // 2 to 29 Zilqaad 1454, and 1 to 30 Ramadan 1457: one Hijri month.
        {Gregorian(), TMisri(EncodeDate(2033, 2, 15)), "February, 2033", "Zilqaad Hijri"},
        {Gregorian(), TMisri(EncodeDate(2035, 11, 30)), "November, 2035", "Ramadan Hijri"},
        {Gregorian(), TMisri(EncodeDate(2000, 1, 15)), "January, 2000", "Ramadan/Shawwaal Hijri"},
        // 30 Jamadi-ul-Awwal, all of Jamadi-ul-Aakhar, 1 Rajjab.
        {Gregorian(), TMisri(EncodeDate(2024, 12, 31)), "December, 2024",
         "Jamadi-ul-Awwal/Jamadi-ul-Aakhar/Rajjab Hijri"},
        // 30 Ramadan, all of Shawwaal, 1 Zilqaad.
        {Gregorian(), TMisri(EncodeDate(2022, 5, 1)), "May, 2022",
         "Ramadan/Shawwaal/Zilqaad Hijri"},
        // Across a Hijri year's end: 30 Zilqaad, all of Zil-Haj, 1 Moharram.
        {Gregorian(), TMisri(EncodeDate(2033, 3, 9)), "March, 2033",
         "Zilqaad/Zil-Haj/Moharram Hijri"},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        canvas.PixelsPerInch = 600;
        TPrintSettings s = SettingsFor(c.month);
        s.primaryMonthColor = clNavy;
        s.secondaryMonthColor = clPurple;
        s.gridColor = clOlive;
        PrintPageTitle(c.src, &canvas, Rect(500, 500, 5500, 1500), s);
        ASSERT_EQ(canvas.Texts(), (std::vector<AnsiString>{c.first, c.second}));
        const Op& first = canvas.ops[2];
        EXPECT_EQ(first.brush.Style, bsSolid);  // the shadow box made the brush solid
        EXPECT_EQ(canvas.ops[0].pen.Color, clOlive);
    }
}

TEST_F(PrintPageTest, SmallMonthsAcrossYearEnds) {
    const TRect box = Rect(5750, 6100, 8000, 8000);
    // The small grid's day 1 in its box.
    auto firstDayColumn = [&](const RecordingCanvas& canvas) {
        const int colW = 321;
        for (const Op& op : canvas.ops)
            if (op.kind == Op::Text && op.text == "1" && op.font.Name == "Times New Roman")
                return ((op.rect.Left + op.rect.Right) / 2 - box.Left) / colW;
        return -1;
    };
    auto lastDay = [](const RecordingCanvas& canvas) {
        int last = 0;
        for (const Op& op : canvas.ops)
            if (op.kind == Op::Text && op.font.Name == "Times New Roman")
                last = std::max(last, std::stoi(op.text));
        return last;
    };

    RecordingCanvas dec;
    PrintSmallMonth(Gregorian(), &dec, box, SettingsFor(TMisri(EncodeDate(2026, 12, 10))), 1);
    const Op* name = dec.FindText("January");
    ASSERT_NE(name, nullptr);
    EXPECT_GE(name->rect.Top, 6100);
    EXPECT_LE(name->rect.Bottom, 6290);
    EXPECT_EQ(firstDayColumn(dec), DayOfWeek(EncodeDate(2027, 1, 1)) - 1);
    EXPECT_EQ(lastDay(dec), 31);

    RecordingCanvas nov;
    PrintSmallMonth(Gregorian(), &nov, box, SettingsFor(TMisri(EncodeDate(2026, 12, 10))), 0);
    EXPECT_NE(nov.FindText("November"), nullptr);
    EXPECT_EQ(lastDay(nov), 30);

    RecordingCanvas zilhaj;
    PrintSmallMonth(Hijri(), &zilhaj, box, SettingsFor(TMisri(10, 12, 1447)), 1);
    EXPECT_NE(zilhaj.FindText("Moharram"), nullptr);
    EXPECT_EQ(firstDayColumn(zilhaj), TMisri(1, 1, 1448).DayOfWeek() % 7);
    EXPECT_EQ(lastDay(zilhaj), 30);

    RecordingCanvas moharram;
    PrintSmallMonth(Hijri(), &moharram, box, SettingsFor(TMisri(10, 1, 1448)), 0);
    EXPECT_NE(moharram.FindText("Zil-Haj"), nullptr);
    EXPECT_EQ(firstDayColumn(moharram), TMisri(1, 12, 1447).DayOfWeek() % 7);
}

TEST_F(PrintPageTest, EveryRoutineSetsTheCanvasBack) {
    RecordingCanvas canvas;
    canvas.Font = {"Courier", -40, fsUnderline, clLime};
    canvas.Brush = {clAqua, bsClear};
    canvas.Pen = {clFuchsia, psDot, 1};
    const TCanvas::State before = canvas.Save();
    TPrintSettings s = SettingsFor(TMisri(1, 9, 1447));
    s.gridColor = clRed;
    PrintSource src;
    src.events = {{"1", "An event"}};
    src.birthdays = {{"2", "Birthday", "Ali"}};
    const TRect box = Rect(500, 1700, 3000, 8000);
    for (const PrintSource& page : {src, Gregorian()}) {
        PrintPageTitle(page, &canvas, Rect(500, 500, 5500, 1500), s);
        PrintMonthGrid(page, &canvas, box, s, 1);
        PrintMonthGrid(page, &canvas, box, s, 0);
        PrintSmallMonth(page, &canvas, box, s, 0);
        PrintEventsBox(page, &canvas, box, s);
        PrintBirthdaysBox(page, &canvas, box, s);
        PrintSalaatTable(page, &canvas, box, s);
        EXPECT_EQ(canvas.Font, before.font);
        EXPECT_EQ(canvas.Brush, before.brush);
        EXPECT_EQ(canvas.Pen, before.pen);
    }
}

// A prayer-time source that fails on the tenth day it is asked for.
class FailingTimes : public FixedPrayerTimes {
public:
    void GetTimes(int day, int month, int year, float lat, float lon, float zone,
                  TSunTimes* out) override {
        if (requests.size() == 9)
            throw Exception("The library failed");
        FixedPrayerTimes::GetTimes(day, month, year, lat, lon, zone, out);
    }
};

TEST_F(PrintPageTest, AFailedStepAbortsTheJob) {
    FailingTimes failing;
    TPrintSettings s = SettingsFor(TMisri(1, 9, 1447));
    printer.calls.clear();
    EXPECT_THROW(PrintCalendarPage(Hijri(), s), Exception);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "Abort"}));
    EXPECT_FALSE(printer.Printing());

    printer.calls.clear();
    printer.failBeginDoc = true;
    EXPECT_THROW(PrintCalendarPage(Hijri(), s), EPrinter);
    EXPECT_TRUE(printer.calls.empty());
}

// Where a text stands in its box, on each axis: in the middle, at the far
// edge (right or bottom), or indented by a hundredth of the box's own corner.
enum class At { Mid, Far, Inset };

struct TextKind {
    AnsiString text;
    TRect box;
    At across, down;
    const char* face;
    float points;  // nominal size
    TFontStyles style;
    TColor color;
};

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";

// The text op with this text whose middle lies in the box.
const Op* TextIn(const RecordingCanvas& canvas, const AnsiString& text, TRect box) {
    for (const Op& op : canvas.ops) {
        const int x = (op.rect.Left + op.rect.Right) / 2;
        const int y = (op.rect.Top + op.rect.Bottom) / 2;
        if (op.kind == Op::Text && op.text == text && x >= box.Left && x <= box.Right &&
            y >= box.Top && y <= box.Bottom)
            return &op;
    }
    return nullptr;
}

void ExpectPlaced(int low, int high, int textLow, int textHigh, At at, const AnsiString& what) {
    switch (at) {
    case At::Mid:
        EXPECT_LE(std::abs((textLow + textHigh) - (low + high)), 2) << what;
        break;
    case At::Far:
        EXPECT_EQ(textHigh, high) << what;
        break;
    case At::Inset:
        EXPECT_EQ(textLow, low + low / 100) << what;
        break;
    }
}

void ExpectKinds(const RecordingCanvas& canvas, const std::vector<TextKind>& kinds) {
    for (const TextKind& k : kinds) {
        const Op* op = TextIn(canvas, k.text, k.box);
        if (!op) {
            ADD_FAILURE() << "no \"" << k.text << "\" in its box";
            continue;
        }
        ExpectPlaced(k.box.Left, k.box.Right, op->rect.Left, op->rect.Right, k.across, k.text);
        ExpectPlaced(k.box.Top, k.box.Bottom, op->rect.Top, op->rect.Bottom, k.down, k.text);
        EXPECT_EQ(op->font.Name, k.face) << k.text;
        // n points at 600 dpi, through the font scale.
        EXPECT_EQ(op->font.Height, -std::lround(PrintFontSize(k.points) * 600 / 72.0)) << k.text;
        EXPECT_EQ(op->font.Style, k.style) << k.text;
        EXPECT_EQ(op->font.Color, k.color) << k.text;
    }
}

TEST_F(PrintPageTest, EveryKindOfTextInItsFontAndPlace) {
    // Shaaban 1446 begins on Thursday 30 January 2025 and follows Rajjab,
    // which began on Tuesday 31 December 2024.
    TPrintSettings s = SettingsFor(TMisri(12, 8, 1446));
    s.primaryMonthColor = clNavy;
    s.secondaryMonthColor = clPurple;
    s.primaryDateColor = clMaroon;
    s.secondaryDateColor = clGreen;
    s.salaatColor = clTeal;
    s.eventsColor = clOlive;
    SetLocationName(s.location, "Mumbai, India");
    PrintSource src;
    src.events = {{"1", "New moon"}};
    src.birthdays = {{"3", "Birthday", "Ali"}};
    PrintCalendarPage(src, s);

    using enum At;
    const int bi = fsBold | fsItalic;
    // The page with every extra: the grid (3050, 1700)-(8000, 6000) with its
    // header to 2001, columns 707 and rows 799 wide; Rajjab in small at
    // (3050, 6100)-(5300, 8000); the table's rows 185 and columns 416 wide;
    // list bands 237 and rows 112 high.
    const std::vector<TextKind> kinds = {
        // The title's two lines.
        {"Shaaban, 1446 Hijri", {500, 500, 5500, 1125}, Mid, Mid, kTimes, 22, bi, clNavy},
        {"January/February, 2025", {500, 1125, 5500, 1500}, Mid, Mid, kArial, 10, 0, clPurple},
        // The grid: a weekday, day 1 and its Gregorian date.
        {"Thurs", {5878, 1700, 6585, 2001}, Mid, Mid, kArial, 16, bi, clBlack},
        {"1", {5878, 2001, 6535, 2750}, Inset, Inset, kTimes, 26, bi, clMaroon},
        {"Jan, 30", {5878, 2001, 6535, 2750}, Far, Far, kArial, 8, fsItalic, clGreen},
        // The small month: its name, a weekday letter and day 1.
        {"Rajjab", {3050, 6100, 5300, 6290}, Mid, Mid, kArial, 8, fsItalic, clBlack},
        {"M", {3371, 6290, 3692, 6409}, Mid, Mid, kArial, 7, bi, clBlack},
        {"1", {3692, 6409, 3963, 6677}, Mid, Mid, kTimes, 10, bi, clMaroon},
        // The list boxes' headers and rows.
        {"Calendar Events", {8100, 1700, 10500, 1937}, Mid, Mid, kTimes, 12, bi, clBlack},
        {"1 - New moon", {8100, 1937, 10500, 2049}, Inset, Mid, kArial, 6, fsItalic, clOlive},
        {"Birthdays / Anniversaries", {8100, 5100, 10500, 5337}, Mid, Mid, kTimes, 12, bi, clBlack},
        {"3 - Birthday - Ali", {8100, 5337, 10500, 5449}, Inset, Mid, kArial, 6, fsItalic, clBlack},
        // The table: its title, place, a column head and a cell.
        {"Salaat timings for:", {500, 1700, 3000, 1885}, Mid, Mid, kTimes, 9, bi, clTeal},
        {"Mumbai, India", {500, 1885, 3000, 2070}, Mid, Mid, kTimes, 9, bi, clTeal},
        {"Fajar", {1332, 2070, 1748, 2255}, Mid, Mid, kArial, 7, 0, clTeal},
        {"Jan, 30", {916, 2255, 1332, 2440}, Mid, Mid, kArial, 7, 0, clTeal},
    };
    ExpectKinds(printer.canvas, kinds);

    // A Gregorian page: February 2025 begins on a Saturday, 3 Shaaban.
    PrintCalendarPage(Gregorian(), SettingsFor(TMisri(12, 8, 1446)));
    ExpectKinds(printer.canvas,
                {{"3 Shaaban", {7292, 2001, 7949, 2750}, Far, Far, kArial, 5, fsItalic, clBlack}});
}

TEST(PrintPageSource, CopiesTheScreenListsAsTheyStand) {
    TStringGrid events, birth;
    events.SetColCount(2);
    events.SetRowCount(3);
    events.SetCell(0, 0, "4");
    events.SetCell(1, 0, "Moon sighting");
    birth.SetColCount(3);
    birth.SetRowCount(2);
    birth.SetCell(0, 1, "9");
    birth.SetCell(2, 1, "Sara");
    const PrintSource src = PrintSourceOf(true, events, birth);
    events.SetCell(1, 0, "changed later");
    EXPECT_TRUE(src.gregorianShown);
    ASSERT_EQ(src.events.size(), 3u);
    EXPECT_EQ(src.events[0], (std::vector<AnsiString>{"4", "Moon sighting"}));
    ASSERT_EQ(src.birthdays.size(), 2u);
    EXPECT_EQ(src.birthdays[1], (std::vector<AnsiString>{"9", "", "Sara"}));
}

}  // namespace
