#include "calendar/Projglob.h"
#include "diary/print/PrintPrimitives.h"
#include "diary/print/PrintSideBoxes.h"
#include "locations/PrayerTimes.h"
#include "platform/widgets/Printer.h"
#include "tests/diary/print/MonthFinder.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordingCanvas::Op;

class PrintSideBoxesTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        RecordingPrinter printer(600, 600);
        BeginPrintDoc(&printer);
        printer.EndDoc();
        canvas.PixelsPerInch = 600;
        SetLocationName(settings.location, "Mumbai, India");
        settings.location.latitude = 18.9f;
        settings.location.longitude = 72.8f;
        settings.location.timeZone = 5.5f;
    }

    // The texts drawn in table row `row`, left to right.
    std::vector<AnsiString> TableRow(int row) const {
        std::vector<AnsiString> texts;
        for (const Op& op : canvas.ops)
            if (op.kind == Op::Text && op.rect.Top > kTop + row * kRowH &&
                op.rect.Bottom < kTop + (row + 1) * kRowH)
                texts.push_back(op.text);
        return texts;
    }

    static constexpr int kTop = 1700;
    static constexpr int kRowH = 6300 / 34;  // 185
    const TRect table = Rect(500, kTop, 3000, 8000);
    FixedPrayerTimes times;
    RecordingCanvas canvas;
    TPrintSettings settings;
};

TEST_F(PrintSideBoxesTest, TableRowsOfA29DayMonth) {
    settings.month = TMisri(1, 2, 1447);  // Safar: 29 days
    settings.dayLight = 0;
    settings.salaatColor = clGreen;
    PrintSalaatTable({}, &canvas, table, settings);

    EXPECT_EQ(TableRow(0), std::vector<AnsiString>{"Salaat timings for:"});
    EXPECT_EQ(TableRow(1), std::vector<AnsiString>{"Mumbai, India"});
    EXPECT_EQ(TableRow(2), (std::vector<AnsiString>{"Hijri", "English", "Fajar", "Sunrise", "Zohar",
                                                    "Maghrib"}));
    const AnsiString first = FormatDateTime("mmm, d", settings.month.ToDateTime());
    EXPECT_EQ(TableRow(3),
              (std::vector<AnsiString>{"1", first, "4:48 am", "6:00 am", "12:00 pm", "6:00 pm"}));
    EXPECT_EQ(TableRow(31)[0], "29");
    EXPECT_TRUE(TableRow(32).empty());
    EXPECT_TRUE(TableRow(33).empty());
    EXPECT_EQ(times.requests.size(), 29u);
    EXPECT_FLOAT_EQ(times.requests[0].latitude, 18.9f);
    EXPECT_FLOAT_EQ(times.requests[0].longitude, 72.8f);
    EXPECT_FLOAT_EQ(times.requests[0].timeZone, 5.5f);

    int lines = 0;
    for (const Op& op : canvas.ops) {
        if (op.kind == Op::Text) {
            EXPECT_EQ(op.font.Color, clGreen) << op.text;
        }
        if (op.kind == Op::Line) {
            ++lines;
            EXPECT_EQ(op.pen.Color, clBlack);
        }
    }
    // The line under the title, five column lines and 31 ruled day rows.
    EXPECT_EQ(lines, 1 + 5 + 31);
    const Op* title = canvas.FindText("Salaat timings for:");
    EXPECT_EQ(title->font.Name, "Times New Roman");
    EXPECT_EQ(title->brush.Style, bsClear);
    EXPECT_EQ(canvas.FindText("Fajar")->font.Name, "Arial");
}

TEST_F(PrintSideBoxesTest, DaylightWindow) {
    struct Case {
        TMisri month;
        int dayLight;
    };
    const TMisri spring = FindHijriMonthStartingOn(3, 25);
    int year = 0, m = 0, d = 0;
    DecodeDate(spring.ToDateTime(), year, m, d);
    const TDateTime april = FirstSundayOfApril(static_cast<short>(year));
    const TMisri autumn(TDateTime(LastSundayOfOctober(2026)));
    const TDateTime october = LastSundayOfOctober(2026);
    const Case cases[] = {{spring, 1}, {spring, 0}, {autumn, 1}};
    for (const Case& c : cases) {
        times.sunGiven.clear();
        times.requests.clear();
        settings.month = c.month;
        settings.dayLight = c.dayLight;
        PrintSalaatTable({}, &canvas, table, settings);
        ASSERT_EQ(times.sunGiven.size(), static_cast<std::size_t>(c.month.DaysInMonth()));
        TDateTime date = c.month.FirstOfMonth().ToDateTime();
        for (std::size_t i = 0; i < times.sunGiven.size(); ++i, date += 1) {
            const bool inWindow = c.month == spring ? date >= april : date < october;
            const double hour = c.dayLight && inWindow ? DaylightHour : 0;
            EXPECT_DOUBLE_EQ(times.sunGiven[i].first, 0.25 + hour) << i;
            EXPECT_DOUBLE_EQ(times.sunGiven[i].second, 0.75 + hour) << i;
        }
    }
}

TEST_F(PrintSideBoxesTest, GregorianPageFollowsTheHijriDays) {
    settings.month = TMisri(EncodeDate(2026, 12, 10));
    PrintSource src;
    src.gregorianShown = true;
    PrintSalaatTable(src, &canvas, table, settings);
    TMisri h(EncodeDate(2026, 12, 1));
    for (int k = 1; k <= 31; ++k, h.NextDay()) {
        const auto row = TableRow(k + 2);
        ASSERT_EQ(row.size(), 6u) << k;
        EXPECT_EQ(row[0], IntToStr(h.Day())) << k;
        EXPECT_EQ(row[1], "Dec, " + IntToStr(k));
    }
    EXPECT_EQ(times.requests.back().day, 31);
    EXPECT_EQ(times.requests.back().month, 12);
}

TEST_F(PrintSideBoxesTest, ListBoxes) {
    const TRect box = Rect(8100, 1700, 10500, 5000);
    settings.gridColor = clTeal;
    settings.eventsColor = clMaroon;
    PrintSource src;
    src.events = {{"1", "New moon"}, {"15", "Full moon "}, {"  ", "ignored"}, {"20", "after"}};
    src.birthdays = {{"3", "Birthday", "Ali"}, {"9", "Anniversary", "Sara and Omar"}};
    PrintEventsBox(src, &canvas, box, settings);
    EXPECT_EQ(canvas.Texts(),
              (std::vector<AnsiString>{"Calendar Events", "1 - New moon", "15 - Full moon "}));
    ASSERT_EQ(canvas.ops[0].kind, Op::Rectangle);
    EXPECT_EQ(canvas.ops[0].rect, box);
    EXPECT_EQ(canvas.ops[0].pen.Color, clTeal);
    const Op* header = canvas.FindText("Calendar Events");
    EXPECT_EQ(header->font.Name, "Times New Roman");
    EXPECT_EQ(header->font.Style, fsBold | fsItalic);
    const Op* row = canvas.FindText("1 - New moon");
    EXPECT_EQ(row->rect.Left, 8181);  // indented by a hundredth of the box's left edge
    EXPECT_EQ(row->font.Color, clMaroon);
    EXPECT_EQ(row->font.Style, fsItalic);
    for (const Op& op : canvas.ops)
        if (op.kind == Op::Line) {
            EXPECT_EQ(op.pen.Style, psDot);
            EXPECT_EQ(op.rect.Left, 8100);
            EXPECT_EQ(op.rect.Right, 10500);
        }

    RecordingCanvas birthdays;
    birthdays.PixelsPerInch = 600;
    PrintBirthdaysBox(src, &birthdays, box, settings);
    EXPECT_EQ(birthdays.Texts(),
              (std::vector<AnsiString>{"Birthdays / Anniversaries", "3 - Birthday - Ali",
                                       "9 - Anniversary - Sara and Omar"}));
    EXPECT_EQ(birthdays.FindText("3 - Birthday - Ali")->font.Color, clBlack);

    RecordingCanvas empty;
    PrintEventsBox({}, &empty, box, settings);
    EXPECT_EQ(empty.Texts(), std::vector<AnsiString>{"Calendar Events"});
    EXPECT_EQ(empty.ops.size(), 3u);  // the box, the header band, the header
}

TEST_F(PrintSideBoxesTest, ALongListIsCutAtTheBoxBottom) {
    const TRect box = Rect(8100, 5100, 10500, 8000);
    PrintSource src;
    for (int i = 1; i <= 60; ++i)
        src.events.push_back({IntToStr(i), "an event with a long text"});
    PrintEventsBox(src, &canvas, box, settings);
    std::vector<int> rules;
    for (const Op& op : canvas.ops)
        if (op.kind == Op::Line)
            rules.push_back(op.rect.Top);
    ASSERT_GE(rules.size(), 2u);
    const int pitch = rules[1] - rules[0];
    // Every printed row ends inside the box, and the next one would not have.
    EXPECT_LE(rules.back(), box.Bottom);
    EXPECT_GT(rules.back() + pitch, box.Bottom);
    EXPECT_EQ(canvas.Texts().size(), rules.size() + 1);
    EXPECT_LT(rules.size(), 60u);
}

}  // namespace
