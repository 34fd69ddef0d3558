#include "diary/print/PrintPage.h"

#include "calendar/Projglob.h"
#include "diary/print/PrintPrimitives.h"
#include "diary/print/PrintSideBoxes.h"
#include "platform/widgets/Printer.h"

namespace {

constexpr TColor kHeaderStripColor = 0xC0C0C0;
constexpr int kGridRows = 5;
constexpr int kGridColumns = 7;
constexpr int kCells = kGridRows * kGridColumns;
constexpr int kDayBoxInset = 50;

constexpr const char* kLargeDayNames[kGridColumns] = {"Sun",   "Mon", "Tue", "Wed",
                                                      "Thurs", "Fri", "Sat"};
constexpr const char* kSmallDayNames[kGridColumns] = {"S", "M", "T", "W", "T", "F", "S"};

}  // namespace

void PrintCalendarPage(const PrintSource& main, TPrintSettings settings) {
    TPrinter* printer = Printer();
    printer->SetOrientation(poLandscape);
    BeginPrintDoc(printer);
    try {
        PrintPageTitle(main, printer->Canvas(), Rect(500, 500, 5500, 1500), settings);

        int gridLeft = 500;
        if (settings.printSalaat) {
            PrintSalaatTable(main, printer->Canvas(), Rect(500, 1700, 3000, 8000), settings);
            gridLeft = 3050;
        }
        int gridRight = 10500;
        if (settings.printEvents) {
            if (settings.printBirthdays) {
                PrintEventsBox(main, printer->Canvas(), Rect(8100, 1700, 10500, 5000), settings);
                PrintBirthdaysBox(main, printer->Canvas(), Rect(8100, 5100, 10500, 8000), settings);
            } else {
                PrintEventsBox(main, printer->Canvas(), Rect(8100, 1700, 10500, 8000), settings);
            }
            gridRight = 8000;
        } else if (settings.printBirthdays) {
            PrintBirthdaysBox(main, printer->Canvas(), Rect(8100, 1700, 10500, 8000), settings);
            gridRight = 8000;
        }
        int gridBottom = 8000;
        if (settings.printSmallMonths) {
            PrintSmallMonth(main, printer->Canvas(), Rect(gridLeft, 6100, gridLeft + 2250, 8000),
                            settings, 0);
            PrintSmallMonth(main, printer->Canvas(), Rect(gridRight - 2250, 6100, gridRight, 8000),
                            settings, 1);
            gridBottom = 6000;
        }
        PrintMonthGrid(main, printer->Canvas(), Rect(gridLeft, 1700, gridRight, gridBottom),
                       settings, 1);
        printer->EndDoc();
    } catch (...) {
        // No half-drawn page leaves the printer.
        if (printer->Printing())
            printer->Abort();
        throw;
    }
}

void PrintPageTitle(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings) {
    const TCanvas::State saved = canvas->Save();
    SetPrintFont(canvas, "Times New Roman", 22, fsBold | fsItalic);
    canvas->Brush.Style = bsClear;
    canvas->Pen.Color = settings.gridColor;
    canvas->Font.Color = settings.primaryMonthColor;
    DrawShadowBox(canvas, box);

    const int split = box.Bottom * 75 / 100;
    const PageTitleText title = PageTitleOf(main, settings);
    DrawTextInBox(canvas, Rect(box.Left, box.Top, box.Right, split), 2, 1, title.first);

    canvas->Font.Color = settings.secondaryMonthColor;
    SetPrintFont(canvas, "Arial", 10, 0);
    DrawTextInBox(canvas, Rect(box.Left, split, box.Right, box.Bottom), 2, 1, title.second);
    canvas->Restore(saved);
}

void PrintMonthGrid(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings,
                    int large) {
    const TCanvas::State saved = canvas->Save();
    canvas->Pen.Color = settings.gridColor;
    const int headerBottom = box.Top + (box.Bottom - box.Top) * 7 / 100;
    const int colW = (box.Right - box.Left) / kGridColumns;
    const int rowH = (box.Bottom - headerBottom) / kGridRows;

    canvas->SetBrushColor(kHeaderStripColor);
    canvas->MoveTo(box.Left, headerBottom);
    canvas->LineTo(box.Right, headerBottom);
    canvas->FillRect(Rect(box.Left, box.Top, box.Right, headerBottom));

    canvas->Brush.Style = bsClear;
    DrawBox(canvas, box);
    for (int i = 1; i < kGridRows; ++i) {
        canvas->MoveTo(box.Left, headerBottom + i * rowH);
        canvas->LineTo(box.Right, headerBottom + i * rowH);
    }
    for (int i = 1; i <= kGridColumns; ++i) {
        canvas->MoveTo(box.Left + i * colW, box.Top);
        canvas->LineTo(box.Left + i * colW, box.Bottom);
    }

    SetPrintFont(canvas, "Arial", large ? 16 : 7, fsBold | fsItalic);
    for (int c = 0; c < kGridColumns; ++c)
        DrawTextInBox(canvas,
                      Rect(box.Left + c * colW, box.Top, box.Left + (c + 1) * colW, headerBottom),
                      2, 1, large ? kLargeDayNames[c] : kSmallDayNames[c]);

    PageMonth month = MonthOfPage(main, settings);
    for (int n = 1; n <= month.days; ++n) {
        // Five rows: the days after row 4, column 6 go on in row 0.
        const int cell = (month.firstColumn + n - 1) % kCells;
        const int r = cell / kGridColumns;
        const int c = cell % kGridColumns;
        const TRect dayBox = Rect(box.Left + c * colW, headerBottom + r * rowH,
                                  box.Left + (c + 1) * colW - kDayBoxInset,
                                  headerBottom + (r + 1) * rowH - kDayBoxInset);
        if (large) {
            SetPrintFont(canvas, "Times New Roman", 26, fsBold | fsItalic);
            canvas->Font.Color = settings.primaryDateColor;
            DrawTextInBox(canvas, dayBox, 0, 0, IntToStr(n));
            canvas->Font.Color = settings.secondaryDateColor;
            if (main.gregorianShown) {
                SetPrintFont(canvas, "Arial", 5, fsItalic);
                DrawTextInBox(canvas, dayBox, 1, 2, month.hijri.Format(2));
            } else {
                SetPrintFont(canvas, "Arial", 8, fsItalic);
                DrawTextInBox(canvas, dayBox, 1, 2, FormatDateTime("mmm, d", month.gregorian));
            }
            month.gregorian += 1;
            month.hijri.NextDay();
        } else {
            SetPrintFont(canvas, "Times New Roman", 10, fsBold | fsItalic);
            canvas->Font.Color = settings.primaryDateColor;
            DrawTextInBox(canvas, dayBox, 2, 1, IntToStr(n));
        }
    }
    canvas->Restore(saved);
}

void PrintSmallMonth(const PrintSource& main, TCanvas* canvas, TRect box, TPrintSettings settings,
                     int nextMonth) {
    TPrintSettings adjacent = settings;
    AnsiString name;
    if (main.gregorianShown) {
        const TDateTime date = settings.month.ToDateTime();
        int year = 0, month = 0, day = 0;
        DecodeDate(date, year, month, day);
        // No month follows December 9999 in the dates that can be formed.
        if (nextMonth ? year == 9999 && month == 12 : year == 1 && month == 1)
            return;
        const TDateTime d = nextMonth ? NextMonthStart(date) : PrevMonthStart(date);
        adjacent.month = TMisri(d);
        name = FormatDateTime("mmmm", d);
    } else {
        if (nextMonth)
            adjacent.month.IncMonth();
        else
            adjacent.month.DecMonth();
        name = adjacent.month.MonthName();
    }
    // A month before the first Hijri year, or one that runs past the year
    // 9999, is left out: its box stays empty.
    if (adjacent.month.Year() < 1 || !MonthPrintable(main, adjacent))
        return;
    const TCanvas::State saved = canvas->Save();
    const int titleBottom = box.Top + (box.Bottom - box.Top) / 10;
    SetPrintFont(canvas, "Arial", 8, fsItalic);
    DrawTextInBox(canvas, Rect(box.Left, box.Top, box.Right, titleBottom), 2, 1, name);
    PrintMonthGrid(main, canvas, Rect(box.Left, titleBottom, box.Right, box.Bottom), adjacent, 0);
    canvas->Restore(saved);
}
