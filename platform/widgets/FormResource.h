// The parts of a form resource that Qt Designer's format has no words for,
// kept as dynamic properties in the .ui file and applied once the form is
// built: "fontHeight" (the class library's font height: negative = pixel
// height of the characters), "fontColor" and "color" (background), each a
// class library colour name such as "clNavy" or "#rrggbb". Font families are
// resolved as the canvas resolves them.
#pragma once

#include "platform/widgets/Colors.h"

#include <QPalette>
#include <QString>

class QWidget;

// The colour of a name such as "clRed", "clBtnFace" or "#800000"; black when unknown.
TColor ColorFromResourceName(const QString& name);
// Applies the dynamic properties of the widget and all its children, and
// what the layer gives every form: a fixed text colour over the background
// it was designed for (DesignedPalette), Tab moving on from memos, and
// texts cut by a box's fixed size ending in an ellipsis with the whole text
// as a tooltip.
void ApplyFormResource(QWidget* form);
// The desktop colours the forms' fixed colours were chosen against: a light
// button face, white windows and black text.
QPalette DesignedPalette();
// The text colour of a label, check box, edit, ... (the palette's text roles).
void SetFontColor(QWidget* widget, TColor color);
// A widget's background colour (the palette's window and base roles).
void SetBackgroundColor(QWidget* widget, TColor color);
