// Drawing as the forms' owner-draw handlers and the printed page do it: a
// font, a brush and a pen, and a few primitives in whole units (pixels on
// screen, thousandths of an inch on the page). One canvas paints on
// QPainter; a second one records what was drawn where, with fixed text
// metrics, so that tests can check a drawing without rendering it.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/Colors.h"

#include <QFont>
#include <QPixmap>

class QPainter;

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

enum TFontStyle : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int;

struct TFont {
    AnsiString Name = "MS Sans Serif";
    int Height = -11;  // negative: the characters' height in units, as the class library
    TFontStyles Style = 0;
    TColor Color = clBlack;
    bool operator==(const TFont&) const = default;
};

enum TBrushStyle { bsSolid, bsClear };
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};

enum TPenStyle { psSolid, psDot, psClear };
struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    bool operator==(const TPen&) const = default;
};

// The family Qt is asked for: "Arial" and "Times New Roman" are their
// metric-compatible Liberation fonts, "MS Sans Serif" the desktop's sans serif.
QString ResolveFontFamily(const AnsiString& name);
// The QFont of a canvas font, its height taken as the pixel size.
QFont ToQFont(const TFont& font);
TFont FromQFont(const QFont& font, TColor color);

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TFont Font;
    TBrush Brush;
    TPen Pen;
    // Units per inch of the surface: 96 on screen; a font of n points is
    // n x PixelsPerInch / 72 units high.
    int PixelsPerInch = 96;

    void SetFontSize(int points);
    // A brush colour makes a clear brush solid, as the class library's does.
    void SetBrushColor(TColor color) {
        Brush.Color = color;
        Brush.Style = bsSolid;
    }

    // The interior [Left, Right) x [Top, Bottom) in the brush.
    virtual void FillRect(const TRect& r) = 0;
    // Outline in the pen, interior in the brush (none with a clear brush).
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    void MoveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    // A line in the pen from the pen position up to (not including) the point.
    virtual void LineTo(int x, int y) = 0;
    // Text with its top-left corner at (x, y), in the font; over the brush
    // colour when the brush is solid.
    virtual void TextOut(int x, int y, const AnsiString& text) = 0;
    // TextOut kept inside the rectangle: nothing of the text shows, or
    // stands in a printed file's text, outside it.
    virtual void TextRect(const TRect& clip, int x, int y, const AnsiString& text) = 0;
    virtual int TextWidth(const AnsiString& text) = 0;
    virtual int TextHeight(const AnsiString& text) = 0;
    virtual void Draw(int x, int y, const QPixmap& picture) = 0;

    struct State {
        TFont font;
        TBrush brush;
        TPen pen;
    };
    State Save() const { return {Font, Brush, Pen}; }
    void Restore(const State& s) {
        Font = s.font;
        Brush = s.brush;
        Pen = s.pen;
    }

protected:
    int penX_ = 0, penY_ = 0;
};

// Paints on a QPainter that the caller has begun and keeps.
class QPainterCanvas : public TCanvas {
public:
    explicit QPainterCanvas(QPainter& painter) : painter_(painter) {}

    void FillRect(const TRect& r) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const AnsiString& text) override;
    void TextRect(const TRect& clip, int x, int y, const AnsiString& text) override;
    int TextWidth(const AnsiString& text) override;
    int TextHeight(const AnsiString& text) override;
    void Draw(int x, int y, const QPixmap& picture) override;

private:
    void ApplyPen();
    QPainter& painter_;
};
