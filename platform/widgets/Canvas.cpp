#include "platform/widgets/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>

QString ResolveFontFamily(const AnsiString& name) {
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    if (name == "Times New Roman")
        return QStringLiteral("Liberation Serif");
    if (name == "MS Sans Serif" || name.empty())
        return QStringLiteral("Sans Serif");
    return ToQString(name);
}

QFont ToQFont(const TFont& f) {
    QFont font(ResolveFontFamily(f.Name));
    font.setPixelSize(std::max(1, std::abs(f.Height)));
    font.setBold(f.Style & fsBold);
    font.setItalic(f.Style & fsItalic);
    font.setUnderline(f.Style & fsUnderline);
    font.setStrikeOut(f.Style & fsStrikeOut);
    return font;
}

TFont FromQFont(const QFont& font, TColor color) {
    TFont f;
    QString family = font.family();
    if (family == u"Liberation Sans")
        f.Name = "Arial";
    else if (family == u"Liberation Serif")
        f.Name = "Times New Roman";
    else
        f.Name = FromQString(family);
    f.Height = -(font.pixelSize() > 0 ? font.pixelSize()
                                      : static_cast<int>(std::lround(font.pointSizeF() * 96 / 72)));
    f.Style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
              (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
    f.Color = color;
    return f;
}

void TCanvas::SetFontSize(int points) {
    Font.Height = -static_cast<int>(std::lround(points * static_cast<double>(PixelsPerInch) / 72));
}

void QPainterCanvas::ApplyPen() {
    if (Pen.Style == psClear) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(std::max(Pen.Width, 1) == 1 ? 0 : Pen.Width);
    pen.setStyle(Pen.Style == psDot ? Qt::DotLine : Qt::SolidLine);
    painter_.setPen(pen);
}

void QPainterCanvas::FillRect(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    painter_.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(Brush.Color));
}

void QPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (Brush.Style == bsSolid)
        FillRect({left, top, right, bottom});
    if (Pen.Style == psClear)
        return;
    painter_.save();
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    // The outline lies on the rectangle's outermost pixels.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.restore();
}

void QPainterCanvas::LineTo(int x, int y) {
    painter_.save();
    ApplyPen();
    painter_.drawLine(QPoint(penX_, penY_), QPoint(x, y));
    painter_.restore();
    penX_ = x;
    penY_ = y;
}

void QPainterCanvas::TextOut(int x, int y, const AnsiString& text) {
    painter_.save();
    QFont font = ToQFont(Font);
    painter_.setFont(font);
    QFontMetrics metrics(font, painter_.device());
    const QString t = ToQString(text);
    if (Brush.Style == bsSolid)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(t), metrics.height()),
                          ToQColor(Brush.Color));
    painter_.setPen(ToQColor(Font.Color));
    painter_.drawText(QPoint(x, y + metrics.ascent()), t);
    painter_.restore();
}

void QPainterCanvas::TextRect(const TRect& clip, int x, int y, const AnsiString& text) {
    // Only the characters that lie wholly across the rectangle are drawn: a
    // clip alone would hide the rest on the sheet but leave them in a PDF's
    // text, past the box and the page's edge.
    const QFontMetrics metrics(ToQFont(Font), painter_.device());
    const QString t = ToQString(text);
    qsizetype first = -1, end = 0;
    int start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const int left = x + metrics.horizontalAdvance(t.left(i));
        const int right = x + metrics.horizontalAdvance(t.left(i + 1));
        if (left < clip.Left || right > clip.Right)
            continue;
        if (first < 0) {
            first = i;
            start = left;
        }
        end = i + 1;
    }
    if (first < 0)
        return;
    painter_.save();
    painter_.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()),
                         Qt::IntersectClip);
    TextOut(start, y, FromQString(t.mid(first, end - first)));
    painter_.restore();
}

int QPainterCanvas::TextWidth(const AnsiString& text) {
    return QFontMetrics(ToQFont(Font), painter_.device()).horizontalAdvance(ToQString(text));
}

int QPainterCanvas::TextHeight(const AnsiString& text) {
    (void)text;
    return QFontMetrics(ToQFont(Font), painter_.device()).height();
}

void QPainterCanvas::Draw(int x, int y, const QPixmap& picture) {
    painter_.drawPixmap(x, y, picture);
}
