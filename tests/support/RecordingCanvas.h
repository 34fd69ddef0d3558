// A canvas that records every primitive with the state it was drawn in, with
// fixed text metrics, so that a test can check a drawing without rendering
// it: a character is half the font's height wide, a text the font's height
// high.
#pragma once

#include "platform/widgets/Canvas.h"

#include <vector>

class RecordingCanvas : public TCanvas {
public:
    struct Op {
        enum Kind { FillRect, Rectangle, Line, Text, Picture } kind;
        TRect rect;  // the rectangle, the line's end points, or the text's box
        AnsiString text;
        TFont font;
        TBrush brush;
        TPen pen;
        TRect clip = {};  // the rectangle a TextRect keeps its text in
    };

    void FillRect(const TRect& r) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const AnsiString& text) override;
    void TextRect(const TRect& clip, int x, int y, const AnsiString& text) override;
    int TextWidth(const AnsiString& text) override;
    int TextHeight(const AnsiString& text) override;
    void Draw(int x, int y, const QPixmap& picture) override;

    std::vector<Op> ops;
    // The texts drawn, in order.
    std::vector<AnsiString> Texts() const;
    // The last text op with this text, or nullptr.
    const Op* FindText(const AnsiString& text) const;
};
