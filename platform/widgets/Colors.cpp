#include "platform/widgets/Colors.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color) {
    return ToQColor(color, QGuiApplication::palette());
}

QColor ToQColor(TColor color, const QPalette& palette) {
    if (color < 0) {
        switch (static_cast<std::uint32_t>(color) & 0xFF) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x08:
            return palette.color(QPalette::Text);
        case 0x0D:
            return palette.color(QPalette::Highlight);
        case 0x0E:
            return palette.color(QPalette::HighlightedText);
        case 0x0F:
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
