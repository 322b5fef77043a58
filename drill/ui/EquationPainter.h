#pragma once
// Equations in written form, drawn from their term layout (TermLayout.h):
// numbers upright at 10 points, unknowns italic at 12 points, fractions
// stacked over a bar, decimals on one level. The worksheet, the printed page
// and any other picture that shows equations use these functions.
//
// Sizes are given in pixels as a 96-dpi screen has them (10 points = 13
// pixels), so a painter scaled for a printer draws the same picture larger.

#include <QFont>
#include <QString>
#include <string>

#include "arith/TermLayout.h"
#include "drill/Picture.h"

class QPainter;

// The number font of the equations: bold, or the second, non-bold font used
// when 4 equations hold more than one fraction between them.
QFont equationNumberFont(bool secondFont);
// The font of the unknowns' letters.
QFont equationLetterFont();
// A sign as drawn: "-" becomes the typographic minus, which reads better
// than a hyphen beside digits.
QString signText(const std::string& sign);

// Draws one laid-out line with its left edge at `left` and its top at `top`,
// in the painter's pen colour.
void paintEquationLine(QPainter& painter, const EquationLayout& line, int left, int top,
                       bool secondFont);

// Draws the lines of `item` (line i at y = layoutValue + 30 i, from column
// firstColumn of the 9-pixel columns) in the item's colour. The brace beside
// them is a bitmap: PicturePainter draws it.
void paintEquations(QPainter& painter, const EquationsItem& item);
