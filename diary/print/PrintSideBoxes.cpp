#include "diary/print/PrintSideBoxes.h"

#include "calendar/Projglob.h"
#include "diary/print/PrintPrimitives.h"
#include "locations/PrayerTimes.h"

#include <functional>

namespace {

// Measured in each font; the row pitch is one and a half times its height.
constexpr const char* kSampleText = "My name is Velmor";
constexpr int kTableRows = 34;  // two title rows, the column heads, 31 days
constexpr int kTableColumns = 6;
constexpr const char* kTableHeads[kTableColumns] = {"Hijri",   "English", "Fajar",
                                                    "Sunrise", "Zohar",   "Maghrib"};

using Rows = std::vector<std::vector<AnsiString>>;

AnsiString CellOf(const std::vector<AnsiString>& row, std::size_t col) {
    return col < row.size() ? row[col] : AnsiString();
}

// A framed box with a header band and one dotted-ruled line per list row,
// from the list's first row to the first blank one or the box's bottom.
void PrintListBox(TCanvas* canvas, TRect box, const TPrintSettings& settings,
                  const AnsiString& header, const Rows& rows, TColor rowColor,
                  const std::function<AnsiString(const std::vector<AnsiString>&)>& rowText) {
    const TCanvas::State saved = canvas->Save();
    canvas->Pen.Color = settings.gridColor;
    DrawBox(canvas, box);

    SetPrintFont(canvas, "Times New Roman", 12, fsBold | fsItalic);
    const int headerHeight = canvas->TextHeight(kSampleText) * 15 / 10;
    const TRect band = Rect(box.Left, box.Top, box.Right, box.Top + headerHeight);
    DrawBox(canvas, band);
    DrawTextInBox(canvas, band, 2, 1, header);

    SetPrintFont(canvas, "Arial", 6, fsItalic);
    canvas->Font.Color = rowColor;
    canvas->Pen.Style = psDot;
    const int rowHeight = canvas->TextHeight(kSampleText) * 15 / 10;
    int rowTop = box.Top + headerHeight;
    int rowBottom = rowTop + rowHeight;
    // A row that would reach below the box is not printed, the first one included.
    for (std::size_t i = 0; i < rows.size() && rowBottom <= box.Bottom; ++i) {
        if (Trim(CellOf(rows[i], 0)).empty())
            break;
        DrawTextInBox(canvas, Rect(box.Left, rowTop, box.Right, rowBottom), 0, 1, rowText(rows[i]));
        canvas->MoveTo(box.Left, rowBottom);
        canvas->LineTo(box.Right, rowBottom);
        rowTop += rowHeight;
        rowBottom += rowHeight;
    }
    canvas->Restore(saved);
}

}  // namespace

void PrintEventsBox(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings) {
    PrintListBox(
        canvas, box, settings, "Calendar Events", main.events, settings.eventsColor,
        [](const std::vector<AnsiString>& row) { return CellOf(row, 0) + " - " + CellOf(row, 1); });
}

void PrintBirthdaysBox(const PrintSource& main, TCanvas* canvas, TRect box,
                       TPrintSettings settings) {
    PrintListBox(canvas, box, settings, "Birthdays / Anniversaries", main.birthdays,
                 canvas->Font.Color, [](const std::vector<AnsiString>& row) {
                     return CellOf(row, 0) + " - " + CellOf(row, 1) + " - " + CellOf(row, 2);
                 });
}

void PrintSalaatTable(const PrintSource& main, TCanvas* canvas, TRect box,
                      TPrintSettings settings) {
    const TCanvas::State saved = canvas->Save();
    const int rowHeight = (box.Bottom - box.Top) / kTableRows;
    const int columnWidth = (box.Right - box.Left) / kTableColumns;
    auto rowTop = [&](int row) { return box.Top + row * rowHeight; };

    canvas->Pen.Color = clBlack;
    DrawBox(canvas, box);
    canvas->MoveTo(box.Left, rowTop(2));
    canvas->LineTo(box.Right, rowTop(2));
    for (int i = 1; i < kTableColumns; ++i) {
        canvas->MoveTo(box.Left + i * columnWidth, rowTop(2));
        canvas->LineTo(box.Left + i * columnWidth, box.Bottom);
    }
    for (int i = 3; i < kTableRows; ++i) {
        canvas->MoveTo(box.Left, rowTop(i));
        canvas->LineTo(box.Right, rowTop(i));
    }

    SetPrintFont(canvas, "Times New Roman", 9, fsBold | fsItalic);
    canvas->Brush.Style = bsClear;
    canvas->Font.Color = settings.salaatColor;
    DrawTextInBox(canvas, Rect(box.Left, rowTop(0), box.Right, rowTop(1)), 2, 1,
                  "Salaat timings for:");
    DrawTextInBox(canvas, Rect(box.Left, rowTop(1), box.Right, rowTop(2)), 2, 1,
                  LocationName(settings.location));

    const PageMonth page = MonthOfPage(main, settings);
    TMisri hijri = page.hijri;
    TDateTime date = page.gregorian;

    SetPrintFont(canvas, "Arial", 7, 0);
    auto cell = [&](int row, int c) {
        return Rect(box.Left + c * columnWidth, rowTop(row), box.Left + (c + 1) * columnWidth,
                    rowTop(row + 1));
    };
    for (int c = 0; c < kTableColumns; ++c)
        DrawTextInBox(canvas, cell(2, c), 2, 1, kTableHeads[c]);

    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    const TDateTime daylightStart = FirstSundayOfApril(static_cast<short>(year));
    const TDateTime daylightEnd = LastSundayOfOctober(static_cast<short>(year));
    for (int k = 1; k <= page.days; ++k) {
        const bool daylight = settings.dayLight && daylightStart <= date && date < daylightEnd;
        TPrayerTimes times = {};
        DayPrayerTimes(settings.location, date, daylight, times);
        const int row = k + 2;
        // The Hijri day: k on a Hijri page, across a change of month on a
        // Gregorian one.
        DrawTextInBox(canvas, cell(row, 0), 2, 1, IntToStr(hijri.Day()));
        hijri.NextDay();
        DrawTextInBox(canvas, cell(row, 1), 2, 1, FormatDateTime("mmm, d", date));
        constexpr int kPrinted[4] = {0, 1, 2, 4};  // Fajar, Sunrise, Zohar, Maghrib
        for (int c = 0; c < 4; ++c)
            DrawTextInBox(canvas, cell(row, c + 2), 2, 1,
                          FormatDateTime("h:nn am/pm", times[kPrinted[c]]));
        date += 1;
    }
    canvas->Restore(saved);
}
