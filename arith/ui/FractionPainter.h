#pragma once
// Numbers drawn as the matrix pictures show them: a stacked fraction
// (numerator over a bar over denominator) with the minus sign in front, an
// integer on one line. The matrix calculator's pictures and the keypad's fair
// copy use it.

#include <QFont>

#include "arith/Fraction.h"

class QPainter;

// The font of the matrix pictures and of the keypad's fair copy.
QFont fractionFont();

// Draws `value`, reduced, with its top-left corner at (x, y), in the
// painter's font and pen colour:
// - a "-" at (x, y + 10) when the value is negative; the number starts 12
//   pixels to the right of x, with or without a sign;
// - an integer (or 0) as one text at y + 10;
// - otherwise the numerator at y, the denominator at y + 18, each moved right
//   by 2 pixels for every character it is shorter than the longer one, and
//   the bar at y + 15, 6 pixels for every character of the longer one (and
//   never shorter than the wider of the two texts).
// Returns the horizontal pen position afterwards: the right end of the last
// text or bar drawn, where the next item (a bracket) is placed after it.
int drawStackedFraction(QPainter& painter, int x, int y, const Fraction& value);
