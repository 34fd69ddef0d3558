// Readability measured on rendered pixels: the WCAG contrast ratio of a
// text against its background, and a common dark desktop palette to render
// under.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

// The dark palette that desktops commonly give the Fusion style.
inline QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(42, 42, 42));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(127, 127, 127));
    return p;
}

// The desktop of a user with a dark theme while it lives: Qt's Fusion style
// under the dark palette. Forms are made after it.
class DarkDesktop {
public:
    DarkDesktop() : style_(QApplication::style()->name()), palette_(QApplication::palette()) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(DarkPalette());
    }
    ~DarkDesktop() {
        QApplication::setPalette(palette_);
        QApplication::setStyle(QStyleFactory::create(style_));
    }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    QString style_;
    QPalette palette_;
};

// WCAG relative luminance and contrast ratio.
inline double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

inline double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text drawn in `ink` inside `area` of the image: the
// text's own pixels (those nearest its colour) against the area's
// background (its most common colour).
inline double TextContrast(const QImage& image, const QRect& area, const QColor& ink) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    const auto distance = [&](QRgb p) {
        return std::abs(qRed(p) - ink.red()) + std::abs(qGreen(p) - ink.green()) +
               std::abs(qBlue(p) - ink.blue());
    };
    QRgb text = background;
    for (const auto& [pixel, count] : counts)
        if (pixel != background && (text == background || distance(pixel) < distance(text)))
            text = pixel;
    return Contrast(QColor(text), QColor(background));
}
