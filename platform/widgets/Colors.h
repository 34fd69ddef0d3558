// The class library's colours as Qt paints them.
#pragma once

#include "platform/core/Colors.h"

class QColor;
class QPalette;

// The colour as Qt paints it; desktop colours come from the application's palette.
QColor ToQColor(TColor color);
// The same, desktop colours taken from the palette given (a widget's own).
QColor ToQColor(TColor color, const QPalette& palette);
