#include "diary/print/PrintPrimitives.h"

#include "platform/widgets/Printer.h"

#include <cmath>

float PrintFontScale = 0;

namespace {
constexpr int kLogicalUnitsPerInch = 1000;
constexpr int kFallbackPixelsPerInch = 96;
constexpr int kShadowOffset = 50;
constexpr TColor kShadowColor = 0x808080;
}  // namespace

void BeginPrintDoc(TPrinter* printer) {
    printer->BeginDoc();
    int px = printer->GetDeviceCaps(LOGPIXELSX);
    int py = printer->GetDeviceCaps(LOGPIXELSY);
    if (px <= 0)
        px = kFallbackPixelsPerInch;
    if (py <= 0)
        py = kFallbackPixelsPerInch;
    TPrinterMapping mapping;
    mapping.windowExtX = kLogicalUnitsPerInch;
    mapping.windowExtY = kLogicalUnitsPerInch;
    mapping.viewportExtX = px;
    mapping.viewportExtY = py;
    mapping.viewportOrgX = -printer->GetDeviceCaps(PHYSICALOFFSETX);
    mapping.viewportOrgY = -printer->GetDeviceCaps(PHYSICALOFFSETY);
    printer->SetMapping(mapping);
    // Font sizes turn into heights at the device's vertical resolution.
    if (TCanvas* canvas = printer->Canvas())
        canvas->PixelsPerInch = py;
    PrintFontScale = static_cast<float>(1000.0 / px);
}

int PrintFontSize(float nominal) {
    return static_cast<int>(
        std::trunc(static_cast<long double>(nominal) * static_cast<long double>(PrintFontScale)));
}

void SetPrintFont(TCanvas* canvas, const AnsiString& name, float nominal, TFontStyles style) {
    canvas->Font.Name = name;
    canvas->SetFontSize(PrintFontSize(nominal));
    canvas->Font.Style = style;
}

void DrawTextInBox(TCanvas* canvas, TRect box, char hAlign, char vAlign, const AnsiString& text) {
    const int width = canvas->TextWidth(text);
    const int height = canvas->TextHeight(text);
    int x = 0;
    switch (hAlign) {
    case 2:
        x = box.Left + ((box.Right - box.Left) / 2 - width / 2);
        break;
    case 1:
        x = box.Right - width;
        break;
    default:
        x = box.Left + box.Left / 100;
        break;
    }
    int y = 0;
    switch (vAlign) {
    case 2:
        y = box.Bottom - height;
        break;
    case 1:
        y = box.Top + ((box.Bottom - box.Top) / 2 - height / 2);
        break;
    default:
        y = box.Top + box.Top / 100;
        break;
    }
    // A text larger than its box is cut at the box's edges.
    canvas->TextRect(box, x, y, text);
}

void DrawBox(TCanvas* canvas, TRect box) {
    canvas->Rectangle(box.Left, box.Top, box.Right, box.Bottom);
}

void DrawShadowBox(TCanvas* canvas, TRect box) {
    const TColor color = canvas->Brush.Color;
    canvas->SetBrushColor(kShadowColor);
    DrawBox(canvas, Rect(box.Left + kShadowOffset, box.Top + kShadowOffset,
                         box.Right + kShadowOffset, box.Bottom + kShadowOffset));
    canvas->SetBrushColor(color);
    DrawBox(canvas, box);
}
