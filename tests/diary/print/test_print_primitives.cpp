#include "diary/print/PrintPrimitives.h"
#include "platform/widgets/Printer.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace {

// A canvas whose texts all measure the same, so that placements can be
// checked against figures worked out by hand.
class FixedMetricsCanvas : public RecordingCanvas {
public:
    FixedMetricsCanvas(int w, int h) : width(w), height(h) {}
    int TextWidth(const AnsiString&) override { return width; }
    int TextHeight(const AnsiString&) override { return height; }
    int width, height;
};

TEST(PrintPrimitivesBeginDoc, MapsThousandthsOfAnInchFromTheSheetCorner) {
    struct Case {
        int dpiX, dpiY, offsetX, offsetY;
        float scale;
        int size22;  // the canvas size of a nominal 22-point font
    };
    const Case cases[] = {
        {600, 600, 50, 75, 1.6666666f, 36},
        {300, 300, 25, 0, 3.3333333f, 73},
        {600, 1200, 0, 0, 1.6666666f, 36},
    };
    for (const Case& c : cases) {
        RecordingPrinter printer(c.dpiX, c.dpiY, c.offsetX, c.offsetY);
        BeginPrintDoc(&printer);
        EXPECT_TRUE(printer.Printing());
        EXPECT_FLOAT_EQ(PrintFontScale, c.scale) << c.dpiX;
        EXPECT_EQ(PrintFontSize(22), c.size22) << c.dpiX;
        const TPrinterMapping expected{1000, 1000, c.dpiX, c.dpiY, -c.offsetX, -c.offsetY};
        EXPECT_EQ(printer.mapping, expected) << c.dpiX;
        // Font sizes become heights at the vertical resolution: n points high.
        printer.Canvas()->SetFontSize(72);
        EXPECT_EQ(printer.Canvas()->Font.Height, -c.dpiY);
        printer.EndDoc();
    }
}

TEST(PrintPrimitivesBeginDoc, APrinterWithoutResolutionCountsAs96) {
    RecordingPrinter printer(0, 0);
    BeginPrintDoc(&printer);
    EXPECT_FLOAT_EQ(PrintFontScale, 1000.0f / 96);
    EXPECT_EQ(printer.mapping.viewportExtX, 96);
    EXPECT_EQ(printer.mapping.viewportExtY, 96);
    EXPECT_EQ(PrintFontSize(10), 104);
    printer.EndDoc();
}

TEST(PrintPrimitivesBeginDoc, AJobThatCannotStartThrows) {
    RecordingPrinter printer;
    printer.failBeginDoc = true;
    EXPECT_THROW(BeginPrintDoc(&printer), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

TEST(PrintPrimitivesText, Placements) {
    struct Case {
        TRect box;
        int width, height;
        char h, v;
        int x, y;
    };
    const Case cases[] = {
        {{500, 500, 5500, 1125}, 1001, 101, 2, 1, 2500, 762},
        // Halves truncated separately: 50 - 5.
        {{0, 0, 101, 40}, 11, 10, 2, 0, 45, 0},
        // Codes 0 (and any unknown code) indent by a hundredth of the box's own corner.
        {{8100, 2000, 10500, 2500}, 300, 100, 0, 0, 8181, 2020},
        {{8100, 2000, 10500, 2500}, 300, 100, 3, 3, 8181, 2020},
        {{500, 500, 5500, 1500}, 1000, 100, 0, 0, 505, 505},
        // Wider than the box: centred on it, or ending at its right edge.
        {{1000, 0, 1100, 100}, 300, 20, 2, 2, 900, 80},
        {{1000, 0, 1100, 100}, 300, 20, 1, 1, 800, 40},
    };
    for (const Case& c : cases) {
        FixedMetricsCanvas canvas(c.width, c.height);
        canvas.Font.Color = clRed;
        canvas.Brush.Style = bsClear;
        const TCanvas::State before = canvas.Save();
        DrawTextInBox(&canvas, c.box, c.h, c.v, "text");
        ASSERT_EQ(canvas.ops.size(), 1u);
        EXPECT_EQ(canvas.ops[0].rect.Left, c.x) << c.box.Left << " " << int(c.h);
        EXPECT_EQ(canvas.ops[0].rect.Top, c.y) << c.box.Left << " " << int(c.v);
        EXPECT_EQ(canvas.ops[0].clip, c.box);  // kept inside its box
        EXPECT_EQ(canvas.ops[0].font.Color, clRed);
        EXPECT_EQ(canvas.ops[0].brush.Style, bsClear);
        EXPECT_EQ(canvas.Save().font, before.font);
        EXPECT_EQ(canvas.Save().brush, before.brush);
    }
}

TEST(PrintPrimitivesBoxes, BoxAndShadowBox) {
    RecordingCanvas canvas;
    canvas.Pen.Color = clNavy;
    DrawBox(&canvas, Rect(500, 500, 5500, 1500));
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].kind, RecordingCanvas::Op::Rectangle);
    EXPECT_EQ(canvas.ops[0].rect, Rect(500, 500, 5500, 1500));
    EXPECT_EQ(canvas.ops[0].pen.Color, clNavy);

    // A clear brush still fills both rectangles and is solid afterwards.
    for (TBrushStyle style : {bsClear, bsSolid}) {
        RecordingCanvas c;
        c.Brush = {clYellow, style};
        DrawShadowBox(&c, Rect(500, 500, 5500, 1500));
        ASSERT_EQ(c.ops.size(), 2u);
        EXPECT_EQ(c.ops[0].rect, Rect(550, 550, 5550, 1550));
        EXPECT_EQ(c.ops[0].brush, (TBrush{0x808080, bsSolid}));
        EXPECT_EQ(c.ops[1].rect, Rect(500, 500, 5500, 1500));
        EXPECT_EQ(c.ops[1].brush, (TBrush{clYellow, bsSolid}));
        EXPECT_EQ(c.Brush, (TBrush{clYellow, bsSolid}));
    }
}

}  // namespace
