#include "platform/widgets/Canvas.h"
#include "platform/widgets/Colors.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/StringGrid.h"
#include "tests/support/GridClicks.h"
#include "tests/support/RecordingCanvas.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StringGrid, CellsCountsAndSizes) {
    TStringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(10);
    grid.SetCell(5, 9, "17");
    EXPECT_EQ(grid.Cell(5, 9), "17");
    grid.SetCell(6, 0, "outside");  // ignored, not written past the grid
    grid.SetCell(0, 10, "outside");
    EXPECT_EQ(grid.Cell(6, 0), "");
    EXPECT_EQ(grid.Cell(-1, -1), "");
    grid.SetRowCount(11);
    EXPECT_EQ(grid.Cell(5, 9), "17");  // growing keeps the cells
    grid.SetColWidth(4, 0);
    EXPECT_TRUE(grid.isColumnHidden(4));
    grid.SetColWidth(2, 330);
    EXPECT_EQ(grid.ColWidth(2), 330);
}

TEST(StringGrid, ACellRectIsTheCellWithoutItsGridLine) {
    TStringGrid grid;
    grid.SetColCount(7);
    grid.SetRowCount(6);
    grid.SetDefaultColWidth(42);
    grid.SetDefaultRowHeight(29);
    const TRect r = grid.CellRect(1, 1);
    EXPECT_EQ(r.Width(), 42);
    EXPECT_EQ(r.Height(), 29);
    EXPECT_EQ(r.Left, 43);  // 42 and the line
    EXPECT_EQ(r.Top, 30);
}

TEST(StringGrid, TheFixedRowIsNeverCurrent) {
    TStringGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(10);
    grid.SetFixedRows(1);
    grid.SetCell(0, 0, "Task Description");
    EXPECT_EQ(grid.Cell(0, 0), "Task Description");
    grid.SetCurrent(2, 0);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetCurrent(2, 4);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 4);
}

TEST(StringGrid, ClicksReachTheHandlerWithTheCurrentCell) {
    TStringGrid grid;
    int clicks = 0, doubles = 0;
    QObject::connect(&grid, &TStringGrid::Click, [&] { ++clicks; });
    QObject::connect(&grid, &TStringGrid::DblClick, [&] { ++doubles; });
    ClickCell(&grid, 3, 2);
    DoubleClickCell(&grid, 1, 4);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 4);
}

// The current cell is drawn selected, except in a grid without any text: an
// empty list shows no selection.
TEST(StringGrid, AnEmptyGridShowsNoSelection) {
    const struct {
        const char* name;
        int textCol, textRow;  // -1: no text at all
        bool selectionShown;
    } cases[] = {{"empty", -1, -1, false},
                 {"text elsewhere", 1, 3, true},
                 {"text in the current cell", 0, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringGrid grid;
        grid.SetColCount(3);
        grid.SetRowCount(5);
        grid.SetFixedRows(1);
        grid.SetCell(0, 0, "Day");  // the fixed row's title is no content
        grid.resize(250, 150);
        grid.SetCell(c.textCol, c.textRow, "x");
        const TRect cell = grid.CellRect(0, 1);
        const QPoint corner =
            grid.viewport()->mapTo(&grid, QPoint(cell.Right - 2, cell.Bottom - 2));
        const QColor drawn = grid.grab().toImage().pixelColor(corner);
        EXPECT_EQ(drawn == ToQColor(clHighlight), c.selectionShown) << drawn.name().toStdString();
    }
}

// Emptying a grid from a row on keeps the rows above it, a header row among them.
TEST(StringGrid, ClearingCellsFromARowKeepsTheRowsAboveIt) {
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    const auto fill = [&grid] {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                grid.SetCell(c, r, IntToStr(10 * r + c));
    };
    // Each row's cells joined by "|", one string for the grid.
    const auto rows = [&grid] {
        std::string all;
        for (int r = 0; r < grid.RowCount(); ++r)
            all += grid.Cell(0, r) + "|" + grid.Cell(1, r) + "|" + grid.Cell(2, r) + ";";
        return all;
    };
    const struct {
        int firstRow;
        const char* left;
    } cases[] = {{1, "0|1|2;||;||;||;"},
                 {0, "||;||;||;||;"},
                 {3, "0|1|2;10|11|12;20|21|22;||;"},
                 {4, "0|1|2;10|11|12;20|21|22;30|31|32;"},
                 {-1, "||;||;||;||;"}};
    for (const auto& c : cases) {
        fill();
        grid.ClearCells(c.firstRow);
        EXPECT_EQ(rows(), c.left) << c.firstRow;
    }
}

// Records the region of each paint of a widget.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
    QRegion painted;
};

// The current cell's look depends on every cell: emptying the list anywhere
// repaints it, so no stale selection stays on screen.
TEST(StringGrid, EmptyingTheGridRepaintsTheCurrentCell) {
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(5);
    grid.resize(250, 150);
    grid.SetCell(2, 4, "x");
    grid.show();
    QApplication::processEvents();
    PaintSpy spy(grid.viewport());
    grid.SetCell(2, 4, "");
    QApplication::processEvents();
    const TRect cell = grid.CellRect(0, 0);
    EXPECT_TRUE(spy.painted.contains(QPoint(cell.Left + 1, cell.Top + 1)));
}

TEST(Canvas, RecordingMetricsAreFixed) {
    RecordingCanvas c;
    c.Font.Height = -12;
    EXPECT_EQ(c.TextWidth("abc"), 18);
    EXPECT_EQ(c.TextHeight("abc"), 12);
    c.MoveTo(1, 2);
    c.LineTo(5, 2);
    ASSERT_EQ(c.ops.size(), 1u);
    EXPECT_EQ(c.ops[0].rect, Rect(1, 2, 5, 2));
    c.SetFontSize(9);
    EXPECT_EQ(c.Font.Height, -12);
    c.Brush.Style = bsClear;
    c.SetBrushColor(clGray);
    EXPECT_EQ(c.Brush.Style, bsSolid);
}

TEST(Canvas, PainterCanvasPaintsOnlyWhereItIsTold) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        QPainterCanvas c(p);
        c.Brush.Color = clNavy;
        c.FillRect(Rect(10, 10, 20, 15));
        c.Pen.Color = clRed;
        c.Brush.Style = bsClear;
        c.Rectangle(25, 5, 35, 25);
    }
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(19, 14), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(20, 14), QColor(Qt::white));  // right edge excluded
    EXPECT_EQ(image.pixelColor(19, 15), QColor(Qt::white));  // bottom edge excluded
    EXPECT_EQ(image.pixelColor(25, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(34, 24), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(30, 15), QColor(Qt::white));  // clear brush: inside untouched
    EXPECT_EQ(image.pixelColor(35, 25), QColor(Qt::white));
}

// The fonts the forms and the page name resolve to their metric-compatible
// families, at the height asked in pixels, and read back under the names
// they were asked by.
TEST(Canvas, FontsResolveToTheirFamiliesAndBack) {
    const struct {
        const char* name;
        const char* family;
    } cases[] = {{"Arial", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"MS Sans Serif", "Sans Serif"},
                 {"", "Sans Serif"},
                 {"Courier New", "Courier New"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ResolveFontFamily(c.name), c.family);
    }
    for (const TFont& font : {TFont{"Arial", -13, fsBold | fsUnderline, clNavy},
                              TFont{"Times New Roman", -40, fsItalic | fsStrikeOut, clRed}}) {
        SCOPED_TRACE(font.Name);
        const QFont q = ToQFont(font);
        EXPECT_EQ(q.pixelSize(), -font.Height);
        EXPECT_EQ(FromQFont(q, font.Color), font);
    }
    EXPECT_EQ(ToQFont(TFont{"Arial", 0}).pixelSize(), 1);  // never a font of no size
    QFont points("Liberation Sans");
    points.setPointSize(9);
    EXPECT_EQ(FromQFont(points, clBlack).Height, -12);  // 9 points at 96 pixels an inch
}

TEST(FormResource, DynamicPropertiesBecomeFontsAndColours) {
    QLabel label;
    label.setProperty("fontHeight", -19);
    label.setProperty("fontColor", "clNavy");
    QFont f("Arial");
    label.setFont(f);
    ApplyFormResource(&label);
    EXPECT_EQ(label.font().pixelSize(), 19);
    EXPECT_EQ(label.font().family(), "Liberation Sans");
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(ColorFromResourceName("#800000"), RGB(0x80, 0, 0));
    EXPECT_EQ(ColorFromResourceName("nonsense"), clBlack);
}

}  // namespace

#include "platform/widgets/FieldEdit.h"

#include <QLineEdit>

namespace {

TEST(FieldEdit, KeepsTheTerminatorAndTheCodePage) {
    QLineEdit edit;
    LimitToRecordField(&edit, 48);
    EXPECT_EQ(edit.maxLength(), 47);
    QString text = QString::fromUtf8("Z\xC3\xBCrich");  // Zürich fits Windows-1252
    int pos = 0;
    EXPECT_EQ(edit.validator()->validate(text, pos), QValidator::Acceptable);
    QString greek = QString::fromUtf8("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1");
    EXPECT_EQ(edit.validator()->validate(greek, pos), QValidator::Invalid);
}

}  // namespace
