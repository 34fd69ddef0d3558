// A grid of text cells addressed by (column, row), as the forms' calendars
// and lists use it: counts, column widths and row heights, a current cell,
// click and double click, and owner drawing through a canvas. A fixed first
// row stays in place as the grid's header.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/Canvas.h"

#include <QTableView>

#include <vector>

enum TGridDrawStateFlag : int { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = int;

class StringGridModel;

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return colCount_; }
    void SetColCount(int n);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);  // 0 or 1

    // Cells outside the grid read as empty and are not written.
    AnsiString Cell(int col, int row) const;
    void SetCell(int col, int row, const AnsiString& text);
    // Empties every cell of the rows from `firstRow` on; 1 keeps a header row.
    void ClearCells(int firstRow);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);  // 0 hides the column
    void SetDefaultColWidth(int width);
    int RowHeight(int row) const;
    void SetDefaultRowHeight(int height);

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCurrent(int col, int row);

    // With default drawing off every cell is drawn by the DrawCell handler.
    void SetDefaultDrawing(bool on) { defaultDrawing_ = on; }
    void SetGridLines(bool on);
    void SetRowSelect(bool on);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    // The grid's font and text colour, as a canvas font.
    TFont GridFont() const;
    void SetFontColor(TColor c);

    // The canvas of the cell being drawn (valid inside a DrawCell handler).
    TCanvas* Canvas() const { return canvas_; }
    // The cell's rectangle: its own area, without the grid lines.
    TRect CellRect(int col, int row) const;
    // Draws one cell on the canvas given, as the grid itself would.
    void PaintCell(TCanvas& canvas, int col, int row, TGridDrawState state = 0);
    void Repaint();

signals:
    void DrawCell(int col, int row, TRect rect, TGridDrawState state);
    void Click();
    void DblClick();
    // The user moved the current cell with the keyboard (arrows, page keys).
    void KeyboardMove();
    // A key pressed in the grid (a Qt::Key), before the grid acts on it; a
    // handler that takes the key sets it to 0.
    void KeyDown(int& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    friend class StringGridModel;
    friend class StringGridDelegate;
    friend class StringGridHeader;
    void Resize();
    void ApplySizes();
    void PaintCellAt(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state);
    // Whether any cell below the fixed row holds text.
    bool HasText() const;
    // The whole text of a cell that default drawing cuts, for its tooltip;
    // nothing for a cell that fits.
    QVariant CutCellText(int col, int row) const;
    // Default drawing writes a cell's text this far inside its edges.
    static constexpr int kTextMargin = 2;
    // One repaint of the viewport at the next turn of the event loop, however
    // many cells change before it.
    void RepaintSoon();
    int ViewRow(int row) const { return row - fixedRows_; }

    StringGridModel* model_;
    std::vector<std::vector<AnsiString>> cells_;  // [row][col]
    std::vector<int> colWidths_, rowHeights_;
    int colCount_ = 5, rowCount_ = 5, fixedRows_ = 0;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    int col_ = 0, row_ = 0;
    bool defaultDrawing_ = true, gridLines_ = true;
    TColor color_ = clWindow;
    TColor fontColor_ = clWindowText;
    TCanvas* canvas_ = nullptr;
    bool syncing_ = false;
    bool repaintQueued_ = false;
};
