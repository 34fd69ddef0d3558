// The printed page's coordinate system and drawing primitives. A print job is
// begun with a mapping of 1000 logical units to the inch on both axes, the
// origin at the sheet's top-left corner; every position of the page is given
// in those units. Fonts are set from nominal point sizes through
// PrintFontScale so that they come out the same on every printer.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/Canvas.h"

class TPrinter;

// 1000 / the printer's horizontal pixels per inch; 0 until the first job.
extern float PrintFontScale;

// Begins the job on the printer (its orientation chosen before) and installs
// the mapping. A printer that reports no pixels per inch is taken as 96.
void BeginPrintDoc(TPrinter* printer);

// The canvas font size of a nominal size: trunc(nominal x PrintFontScale),
// the product formed in extended precision.
int PrintFontSize(float nominal);
// Sets the canvas font's face, size (through PrintFontSize) and style.
void SetPrintFont(TCanvas* canvas, const AnsiString& name, float nominal, TFontStyles style);

// Alignment codes: horizontally 2 centred, 1 at the right edge; vertically
// 2 at the bottom edge, 1 centred; any other code indents by one hundredth of
// the box's own left or top coordinate. The text is kept inside the box: what
// would reach past its edges is not drawn.
void DrawTextInBox(TCanvas* canvas, TRect box, char hAlign, char vAlign, const AnsiString& text);
// The canvas's rectangle: outline in the pen, inside in the brush.
void DrawBox(TCanvas* canvas, TRect box);
// The box in the brush's colour over a grey shadow 50 units to its lower
// right; the brush is solid afterwards.
void DrawShadowBox(TCanvas* canvas, TRect box);
