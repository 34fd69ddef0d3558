// Text that a box of fixed size cannot hold: it ends in an ellipsis at the
// box's edge, and the whole text shows as the box's tooltip. The box keeps
// its whole text; only what is drawn is cut.
#pragma once

class QFont;
class QLabel;
class QListView;
class QString;

// The text cut to `width` pixels in the font, ending in an ellipsis; the
// text itself when it fits.
QString ElidedText(const QFont& font, const QString& text, int width);

// A single-line plain-text label, and the items of a list, cut at the box's
// edge with an ellipsis and shown whole as the tooltip.
void ElideWithToolTip(QLabel* label);
void ElideWithToolTip(QListView* view);
