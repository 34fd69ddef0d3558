#include "tests/support/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

void RecordingCanvas::FillRect(const TRect& r) {
    ops.push_back({Op::FillRect, r, {}, Font, Brush, Pen});
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    ops.push_back({Op::Rectangle, {left, top, right, bottom}, {}, Font, Brush, Pen});
}

void RecordingCanvas::LineTo(int x, int y) {
    ops.push_back({Op::Line, {penX_, penY_, x, y}, {}, Font, Brush, Pen});
    penX_ = x;
    penY_ = y;
}

void RecordingCanvas::TextOut(int x, int y, const AnsiString& text) {
    ops.push_back(
        {Op::Text, {x, y, x + TextWidth(text), y + TextHeight(text)}, text, Font, Brush, Pen});
}

void RecordingCanvas::TextRect(const TRect& clip, int x, int y, const AnsiString& text) {
    TextOut(x, y, text);
    ops.back().clip = clip;
}

int RecordingCanvas::TextWidth(const AnsiString& text) {
    return static_cast<int>(text.size()) * std::max(1, std::abs(Font.Height) / 2);
}

int RecordingCanvas::TextHeight(const AnsiString& text) {
    (void)text;
    return std::abs(Font.Height);
}

void RecordingCanvas::Draw(int x, int y, const QPixmap& picture) {
    ops.push_back(
        {Op::Picture, {x, y, x + picture.width(), y + picture.height()}, {}, Font, Brush, Pen});
}

std::vector<AnsiString> RecordingCanvas::Texts() const {
    std::vector<AnsiString> texts;
    for (const auto& op : ops)
        if (op.kind == Op::Text)
            texts.push_back(op.text);
    return texts;
}

const RecordingCanvas::Op* RecordingCanvas::FindText(const AnsiString& text) const {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it)
        if (it->kind == Op::Text && it->text == text)
            return &*it;
    return nullptr;
}
