#pragma once
// Numbers as text: the grammar of numbers inside equations and on the number
// panels, and the reverse direction, a Fraction written as text.

#include <string>

#include "arith/Fraction.h"

struct EquationRow;

// A number inside an equation, starting at byte `pos` (0-based) on its first
// digit. Leaves `pos` on the number's last byte. May set numberState.parseError.
Fraction parseNumber(const std::string& text, std::size_t& pos);
// Parses one equation into `row` in canonical form for `unknownCount` unknowns.
// Sets numberState.parseError and numberState.hasDecimalPoint.
bool parseEquationLine(const std::string& text, EquationRow& row, int unknownCount);
// A number-panel text (digits, ".", a leading "-", "分の"). Never fails:
// problems are reported by message and give 0/0.
Fraction parseKeypadNumber(const std::string& text);
// The matrix input cells' variant: numerator "/" denominator.
Fraction parseSlashNumber(const std::string& text);

// "0", an integer, or numerator "/" denominator with the sign on the numerator.
std::string formatFraction(const Fraction& f);
// The decimal text of a value with at most 4 places, without sign; empty when
// the value is an integer, zero, or has no such decimal form.
std::string formatDecimal(const Fraction& f);
