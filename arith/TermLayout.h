#pragma once
// Where the terms of an equation go when it is drawn, as plain data: the
// painter (worksheet, keypad fair copy, question preview, printed page) turns
// these pieces into pixels, and tests read them without a display.
//
// Coordinates. A line is laid out in columns of 9 pixels. A piece's `column`
// counts from the line's own start column (StepLine::startColumn for a step),
// so the piece's left edge in pixels is (startColumn + column) × 9. Its
// `yOffset` counts pixels down from the line's top (StepLine::y).
//
// Fonts. Numbers, signs, "=" and brackets are drawn upright at 10 points in
// the equation font; a letter piece is drawn italic at 12 points. A decimal
// coefficient is one text piece with its letter appended ("1.25x") and is
// drawn in the number font.
//
// Piece kinds:
//  - Text: `text`; when `centred` is set (a whole number), centred within
//    width × 9 pixels.
//  - Stacked: a fraction bar 9 × width pixels long at yOffset + 16 (from the
//    left edge), `numerator` centred over it at yOffset + 0 and `denominator`
//    centred under it at yOffset + 18.
//  - Letter: the unknown's letter in `text`, at `yOffset` (8 pixels down).
// A term's sign is a piece of its own (Text, `sign` set) before the term.
//
// Typesetting. The columns above are the line's bookkeeping (how wide it
// is, whether it is narrow). The painter draws each piece in the box
// [x, x + boxWidth) pixels from the line's start, aligned as `align` says,
// on `baseline` pixels below the line's top: numbers, signs and letters share
// one baseline whatever their fonts' sizes. The pieces follow each other as
// wide as their ink: the pieces of one term close together ("−2x", "= −2",
// kLetterGap between a coefficient and its letter), kTermGap between terms,
// around a sign between two terms and around "=".

#include <string>
#include <vector>

#include "arith/Equation.h"

enum class PieceKind { Text, Stacked, Letter };
enum class TermAlign { Centre, Left, Right };

struct TermPiece {
    PieceKind kind = PieceKind::Text;
    std::string text;         // Text and Letter
    std::string numerator;    // Stacked: digits of the absolute value's numerator
    std::string denominator;  // Stacked: digits of its denominator
    int column = 0;           // first column, from the line's start column
    int width = 0;            // columns covered; the next piece starts width + 1 further on
    int yOffset = 0;          // pixels from the line's top to the top of the text
    bool centred = false;     // Text: centre within width × 9 pixels
    bool sign = false;        // Text: the "+" or "-" in front of a term
    // A sign that belongs to its term alone (first on the line, after "=" or
    // an opening bracket), not one between two terms.
    bool unary = false;
    int term = -1;  // index of the row's term that the piece draws

    // Where the painter draws it (see Typesetting above).
    int x = 0;         // pixels from the line's start column
    int boxWidth = 0;  // pixels
    TermAlign align = TermAlign::Centre;
    int baseline = 0;  // pixels below the line's top; a stacked piece: its numerator's
};

constexpr int kColumnPixels = 9;
constexpr int kLineColumnLimit = 30;  // a line should stay narrower than this
constexpr int kNumberPointSize = 10;
constexpr int kLetterPointSize = 12;
constexpr int kNarrativePointSize = 9;  // bold, upright, at the top of the picture
// Offsets below a line's top.
constexpr int kStackedNumeratorTop = 0;
constexpr int kStackedBarTop = 16;
constexpr int kStackedDenominatorTop = 18;
constexpr int kTextTop = 12;   // numbers on one level, signs, "=", brackets
constexpr int kLetterTop = 8;  // letters (their larger font sits higher)
constexpr int kLineSpacing = 30;
// Baselines below a line's top: numbers on one level, signs, "=", brackets
// and letters on one; a stacked fraction's numerator over its bar
// (kStackedBarTop) over its denominator. Digits of the number font are at
// most kNumberDigitHeight pixels high, so a denominator keeps a gap of
// kStackedLineGap pixels from a numerator on the next line.
constexpr int kTermBaseline = 22;
constexpr int kStackedNumeratorBaseline = 13;
constexpr int kStackedDenominatorBaseline = 29;
constexpr int kNumberDigitHeight = 10;
constexpr int kStackedLineGap =
    kLineSpacing + kStackedNumeratorBaseline - kNumberDigitHeight - kStackedDenominatorBaseline;
static_assert(kStackedLineGap >= 3, "stacked fractions on adjacent lines need a gap");
// Between a coefficient and its letter, and between terms.
constexpr int kLetterGap = 2;
constexpr int kTermGap = 6;

struct EquationLayout {
    std::vector<TermPiece> pieces;  // left to right
    int columns = 0;                // right edge of the last piece, in columns
    bool narrow = true;             // columns < kLineColumnLimit
    int pixelWidth = 0;             // right edge of the last piece's box, in pixels
};

// Lays out one row, term by term:
//  - a number: a sign ("-" when negative; "+" when not negative and something
//    other than "=" or an opening bracket was drawn just before it on this
//    line, and the term before it is not "*"), then, with hasDecimalPoint and
//    a finite decimal of at most 4 places, the decimal text on one level;
//    otherwise the absolute value as a stacked fraction (a whole number as a
//    centred text). A value of 1 right before an opening bracket is not
//    written; its sign is.
//  - a letter with a coefficient other than 0: its sign by the same rule,
//    then the coefficient (decimal text with the letter appended, or a
//    stacked fraction / whole number followed by the letter piece; a
//    coefficient of ±1 is written as nothing). Coefficient 0: nothing.
//  - "=": the text "="; brackets: the bracket itself; other kinds: nothing.
// Widths: text pieces take their byte count; stacked fractions and whole
// numbers the longer of numerator and denominator text ("1" for a whole
// number), raised by one when odd.
EquationLayout layoutEquation(const EquationRow& row, bool hasDecimalPoint);

// One number written as an equation writes a term: "-" when it is negative,
// then its absolute value as a stacked fraction or a whole number (the ⊿ of
// the matrix calculator).
EquationLayout layoutNumber(const Fraction& value);

// Whether a term other than the equals term has a denominator other than 1.
bool rowHoldsFraction(const EquationRow& row);

struct StepLine {
    int line = 0;         // index of the row in the equation list
    int y = 0;            // pixels from the picture's top to the line's top
    int startColumn = 0;  // in 9-pixel columns from the picture's left edge
    bool holdsFraction = false;
    EquationLayout layout;
};

struct StepLayout {
    bool inList = false;  // false: the step's rows lie outside the list; nothing to draw
    std::vector<StepLine> lines;
    std::string narrative;    // the step's narrative, for the top of the picture
    bool secondFont = false;  // 4 unknowns and more than one row with a fraction:
                              // draw the numbers in the second, non-bold equation font
};

// The first line's top for a step: 25 pixels for 2 unknowns, 20 otherwise.
int defaultFirstLineTop(int unknownCount);

// Lays out the rows of `step` (rows index(step, 0) onward, unknownCount of
// them; step 1 shows the question rows like step 2), one line each, 30 pixels
// apart from `firstLineTop` (negative: defaultFirstLineTop), starting at
// column (pictureRight + 5) / 16 + 2, where pictureRight is the right edge in
// pixels of the picture drawn beside the equations.
StepLayout layoutStep(const EquationList& list, int step, int pictureRight, bool hasDecimalPoint,
                      int firstLineTop = -1);
