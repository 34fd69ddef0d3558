#include "calendar/widgets/MonthGrid.h"

#include "platform/widgets/StringGrid.h"

namespace {

constexpr int kCols = 7;
constexpr int kRows = 7;  // the letters and six weeks
constexpr const char* kWeekLetters[kCols] = {"S", "M", "T", "W", "T", "F", "S"};

}  // namespace

void FillMonthGrid(TStringGrid* grid, int firstWeekDay, int daysInMonth) {
    const int start = firstWeekDay == 7 ? 0 : firstWeekDay;  // column 0 is Sunday
    for (int row = 1; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            grid->SetCell(col, row, " ");
    for (int day = 1, cell = start; day <= daysInMonth && cell < kCols * (kRows - 1); ++day, ++cell)
        grid->SetCell(cell % kCols, cell / kCols + 1, IntToStr(day));
    for (int col = 0; col < kCols; ++col)
        grid->SetCell(col, 0, kWeekLetters[col]);
    grid->Repaint();
}

void DrawMonthGridCell(TStringGrid* grid, int col, int row, const TRect& rect, int day) {
    TCanvas& c = *grid->Canvas();
    const TCanvas::State saved = c.Save();
    const AnsiString text = grid->Cell(col, row);
    auto centred = [&] {
        c.TextOut(rect.Left + rect.Width() / 2 - c.TextWidth(text) / 2, rect.Top, text);
    };

    c.SetBrushColor(grid->Color());
    c.FillRect(rect);
    c.Font = grid->GridFont();
    if (row == 0) {
        c.Font.Style = fsBold | fsItalic;
        c.Font.Color = clWhite;
        c.SetBrushColor(clNavy);
        c.FillRect(rect);
    } else if (col == 0) {
        c.Font.Color = clRed;
    }
    centred();
    if (row >= 1 && !text.empty() && Trim(text) == IntToStr(day)) {
        c.Font.Style = fsBold | fsUnderline;
        c.SetBrushColor(clYellow);
        c.FillRect(rect);
        centred();
    }
    c.Restore(saved);
}

int MonthGridDay(const TStringGrid* grid) {
    const AnsiString text = Trim(grid->Cell(grid->Col(), grid->Row()));
    if (grid->Row() < 1 || grid->Row() >= kRows || text.empty())
        return 0;
    return StrToInt(text);
}

void SelectMonthGridDay(TStringGrid* grid, int day) {
    const AnsiString wanted = IntToStr(day);
    for (int row = 1; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            if (grid->Cell(col, row) == wanted)
                grid->SetCurrent(col, row);
}
