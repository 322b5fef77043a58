#pragma once
// The description of every picture the program draws: for each picture, the
// ordered list of what has been drawn on it since it was last cleared. Core
// code appends items where it draws and empties the list where it clears;
// one painter (picture/ui/PicturePainter.h) turns a description into pixels
// on any paint device at any scale, and tests read the description.
//
// Everything that follows from the values is worked out here, when an item
// is made: where each entry, text, bar and bracket stands. The painter only
// paints. Coordinates are pixels of the picture (Geometry.h).
//
// To add an item: define its struct here with its layout fields, a function
// that makes it from the values, add it to PictureItem, and give the
// painter's item visitor (PicturePainter.cpp) an overload that paints it.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "arith/Equation.h"
#include "arith/TermLayout.h"
#include "picture/Geometry.h"

// The vector shapes stretched into a rectangle: brackets and braces. Each
// keeps the name and natural size of the picture it stands for.
enum class Shape {
    KakkoL,      // left bracket of a matrix, 25 x 100 (the calculator's: 14 wide)
    KakkoR,      // right bracket of a matrix, 25 x 100
    KakkoSS,     // left brace for 2 equations, 25 x 60
    KakkoMS,     // left brace for 3 equations, 25 x 90
    KakkoLS,     // left brace for 4 equations, 25 x 121
    KotaeKakko,  // the answer's brace in the answer group, 70 x 100 (brace at its left)
};
PixelSize shapeSize(Shape s);

// ---- the worksheet's items ---------------------------------------------------

constexpr int kMatrixRowHeight = 30;
constexpr int kMatrixLeft = 40;        // x of the first entry
constexpr int kMatrixColumnStep = 40;  // entry j at kMatrixLeft + j * kMatrixColumnStep at least
constexpr int kEntryCharWidth = 9;     // width of one character of a matrix entry
// A wide matrix is drawn with narrower characters (and a smaller font) down to
// this width, so that it keeps within its picture.
constexpr int kMinEntryCharWidth = 6;
// Where the digits of an entry stand in its row, below the row's top: a whole
// number (and the minus sign) on one level, or the numerator over a bar over
// the denominator. The digits of the entries' font are at most kDigitHeight
// pixels high and sit on their baseline, so the denominator of one row and the
// numerator of the next keep a gap of kEntryRowGap pixels.
constexpr int kEntryBaseline = 20;
constexpr int kEntryNumeratorBaseline = 12;
constexpr int kEntryBarTop = 14;  // 1 pixel high
constexpr int kEntryDenominatorBaseline = 26;
constexpr int kDigitHeight = 10;
constexpr int kEntryRowGap =
    kMatrixRowHeight + kEntryNumeratorBaseline - kDigitHeight - kEntryDenominatorBaseline;
static_assert(kEntryRowGap >= 3, "stacked fractions of adjacent rows need a visible gap");

// One entry of a drawn augmented matrix.
struct MatrixEntry {
    Fraction value;
    Rgb colour;
    int x = 0;      // left edge
    int width = 0;  // charWidth per character: minus sign, then the longer of
                    // numerator and denominator (a fraction is stacked)
};

// A step's augmented matrix: row r at y = firstLineTop + 30 r; each row holds
// the unknownCount coefficient entries and then the constant, the place of
// "=" staying empty between them. Column j starts at 40 + 40 j, or further
// right when an entry of the column before is wider than the step (a step
// narrower than 40 when the matrix would not fit its picture otherwise): all
// rows share the column's x, so nothing overlaps. drawnWidth is the right edge of
// the widest constant; the bands and the right bracket are placed from it.
// The painter draws each entry within its [x, x + width) cell in a font of
// charWidth pixels per digit.
struct StepMatrixItem {
    int step = 0;
    int firstLineTop = 20;
    int charWidth = kEntryCharWidth;
    std::vector<std::vector<MatrixEntry>> rows;
    int drawnWidth = 0;  // right edge of the widest entry of the constants' column
    int rowTop(int r) const { return firstLineTop + kMatrixRowHeight * r; }
};

// Equations in written form beside a brace (the task on Image1, the answer
// form, the problem choice window's previews). Line i is drawn at
// y = layoutValue + 30 i; every line starts at column firstColumn of the
// 9-pixel term columns.
struct EquationsItem {
    std::vector<EquationRow> rows;  // copies, as they were when drawn
    bool hasDecimalPoint = false;   // numbers with a finite decimal form are written as decimals
    bool secondFont = false;        // 4 unknowns and more than one row holding a fraction
    Rgb colour = kRgbBlack;
    int layoutValue = 0;
    int firstColumn = 0;
    Shape brace = Shape::KakkoSS;
    PixelRect braceRect;  // the brace stretched into this rectangle
};

// Text line k of a picture: x = 0, y = 16 k - 14, in the frame's kanji font
// ("ＭＳ Ｐゴシック", size 9).
struct TextLineItem {
    int line = 1;
    int y = 2;
    std::string text;
    Rgb colour = kRgbBlack;
    bool bold = false;
};

// Height of a line of the pictures' 9-point text (text lines, captions, the
// composed operation): no glyph reaches below y + kTextLineHeight.
constexpr int kTextLineHeight = 14;

// A caption in the picture's own font, size 9 ("係数の行列を作ると", the
// calculator's "Ａ×Ｂ" in blue).
struct CaptionItem {
    int x = 0;
    int y = 0;
    std::string text;
    Rgb colour = kRgbBlack;
};

// The composed operation, at x = 0 and one third of the picture's height.
struct OpLabelItem {
    int y = 0;
    std::string text;
};

// A bracket or brace on its own.
struct BracketItem {
    Shape shape = Shape::KakkoL;
    PixelRect rect;
};

// A red rectangle drawn in not-xor mode: drawing the same band a second time
// takes it away. Picture::toggleBand keeps the list short: a band drawn right
// after the same band cancels it instead of being appended.
struct BandItem {
    int row = 0;
    PixelRect rect;
    friend bool operator==(const BandItem&, const BandItem&) = default;
};

// ---- numbers of the calculator and the keypad --------------------------------

// A text at its place: its line box's top-left corner.
struct TextPiece {
    std::string text;
    int x = 0;
    int top = 0;
    friend bool operator==(const TextPiece&, const TextPiece&) = default;
};

// Layout of a fraction in the calculator's style, from its top-left (x, y).
// Every text stands on a baseline kCalcTextAscent below its top, in a font
// whose digits are at most kCalcDigitHeight high: a whole number (and the
// sign) at y + 10, so its digits cover y + 12 … y + 21; otherwise the
// numerator at y (digits y + 2 … y + 11), the bar at y + 15 and the
// denominator at y + 18 (digits y + 20 … y + 29). The number starts at
// x + 10; a minus sign stands in front of it, against it (the painter sets
// the sign's right edge one pixel before the number), so it never reads as
// a subtraction between two columns. Each of numerator and denominator moves
// 2 pixels right for every character it is shorter than the longer one; the
// bar is 8 pixels (the widest digit of the font) for every character of the
// longer one.
constexpr int kFractionLevelDrop = 10;
constexpr int kFractionIndent = 10;
constexpr int kFractionDenominatorDrop = 18;
constexpr int kFractionBarDrop = 15;
constexpr int kFractionDigitWidth = 8;
constexpr int kFractionShortShift = 2;
constexpr int kCalcTextAscent = 11;
constexpr int kCalcDigitHeight = 9;

// A single stacked fraction, reduced, in the calculator's style (the keypad's
// fair copy, the calculator's cells and coefficients), drawn in the
// calculator's font ("ＭＳ Ｐゴシック", 12 pixels).
struct FractionItem {
    Fraction value;  // as given; the picture shows it reduced
    int x = 0;       // the top-left corner it was placed at
    int y = 0;
    Rgb colour = kRgbBlack;
    std::vector<TextPiece> texts;  // the sign, then the whole number or numerator and denominator
    PixelRect bar;                 // 1 pixel high; empty for a whole number
    int right = 0;                 // the pen position after it: the end of the number or bar
    bool negative() const { return !texts.empty() && texts.front().text == "-"; }
};
FractionItem fractionItem(const Fraction& value, int x, int y, Rgb colour = kRgbBlack);

// The calculator's pictures are 233 x 145 at their least. Rows have the
// height their entries need: a row holding a stacked fraction is
// kCalcStackedRowHeight high with its fractions placed one pixel below the
// row's top, so the digits of two such rows keep 9 pixels apart, more than
// the room between a numerator or denominator and its own bar; a row of
// whole numbers is kCalcWholeRowHeight high with its numbers in the middle.
// Columns are 40 apart at least, from x0 = 47, right of a 14-pixel bracket at
// x = 30, and never closer than kCalcColumnGap to the column before.
constexpr int kCalcPictureWidth = 233;
constexpr int kCalcPictureHeight = 145;
constexpr int kCalcStackedRowHeight = 36;
constexpr int kCalcWholeRowHeight = 24;
constexpr int kCalcStackedRowDrop = 3;  // a fraction's y below its row's top
constexpr int kCalcWholeRowDrop = -5;   // a whole number's y below its row's top
constexpr int kCalcColumnStep = 40;
constexpr int kCalcBracketLeft = 30;
constexpr int kCalcBracketWidth = 14;
constexpr int kCalcPlainX = 35;       // a 1 x 1 matrix is one number here
constexpr int kCalcCoefficientX = 2;  // the coefficient, clear of the picture's edge
constexpr int kCalcColumnGap = 6;     // least room between a wide entry and the next column

// A matrix of the calculator: a coefficient (when it is not exactly 1) left
// of a bracketed grid of fractions. A 1 x 1 matrix is one plain number, the
// cell times the coefficient, with no bracket and no coefficient. The rows
// are centred: top = (pictureHeight - height of the rows) / 2. A column
// moves right of an entry of the column before that is wider than the
// 40-pixel step, the right bracket stands 7 pixels after the widest entry of
// the last column, and a coefficient too wide for the room left of the
// bracket moves the bracket and the grid right. The coefficient stands at
// the height of the middle of the rows.
struct CalcMatrixItem {
    bool plain = false;
    std::optional<FractionItem> coefficient;
    std::vector<std::vector<FractionItem>> cells;  // cells[i][j]; plain: the one number
    PixelRect leftBracket;                         // empty when plain or empty
    PixelRect rightBracket;
    int top = 0;
    std::vector<int> rowTops;  // where each row begins; the last row ends at bottom
    int bottom = 0;
};
// `cells` holds the rows in use (all of one length); no rows: an empty item.
CalcMatrixItem makeCalcMatrix(const Fraction& coefficient,
                              const std::vector<std::vector<Fraction>>& cells,
                              int pictureHeight = kCalcPictureHeight);
// What a calculator's matrix covers: from its coefficient (or its left
// bracket, or its one number) to the right end of its bracket or widest
// entry, from its top to its bottom.
PixelRect calcMatrixBounds(const CalcMatrixItem& m);

// One number as the worksheet writes a term (a minus sign, then a stacked
// fraction or a whole number, in the equations' number font), its left edge
// at `left` and the top of its line at `top`.
struct NumberItem {
    Fraction value;
    int left = 0;
    int top = 0;
    Rgb colour = kRgbBlack;
    EquationLayout layout;
};
NumberItem numberItem(const Fraction& value, int left, int top, Rgb colour = kRgbBlack);
// ⊿ as the calculator shows it: at x = 40 and the drill's first line top.
NumberItem deltaItem(const Fraction& delta, int firstLineTop);

// ---- the picture --------------------------------------------------------------

using PictureItem =
    std::variant<StepMatrixItem, EquationsItem, TextLineItem, CaptionItem, OpLabelItem, BracketItem,
                 BandItem, FractionItem, CalcMatrixItem, NumberItem>;

struct Picture {
    std::vector<PictureItem> items;
    unsigned revision = 0;  // raised on every change, so a window repaints only what changed

    void clear();
    void add(PictureItem item);
    // Draws the band again: removes it when it was the last thing drawn.
    void toggleBand(const BandItem& band);
    // An opLabel drawn again over itself replaces the last one drawn.
    void drawOpLabel(const OpLabelItem& label);

    bool empty() const { return items.empty(); }
    // The last step matrix drawn on this picture, or nullptr. Pointers into a
    // picture hold only until the picture changes.
    const StepMatrixItem* matrix() const;
    // Rows whose band currently shows (drawn an odd number of times).
    std::vector<int> litBands() const;

    template <class T>
    std::vector<const T*> all() const {
        std::vector<const T*> out;
        for (const auto& item : items)
            if (const T* p = std::get_if<T>(&item))
                out.push_back(p);
        return out;
    }
};

// What a picture shows, in words, for assistive technology (a screen reader
// reads it as the picture's description): its text lines and captions in the
// order drawn, equations written out ("x+2y=3、x-y=1"), single numbers and ⊿
// (said "デルタ＝5"), the matrix shown as rows of numbers ("［1, 2 | 3］［0, 1 | 1］";
// a calculator's matrix with its coefficient first: "係数1/2　［1, 0］［0, 1］"),
// then the composed operation. Parts are separated by an ideographic space.
std::string pictureNarrative(const Picture& picture);

// ---- drawing rules -------------------------------------------------------------

// 25 for 2 unknowns, 20 for 3, 15 for 4, 20 for any other count.
int firstLineTopFor(int unknownCount);
// The brace for 2, 3 and 4 equations.
Shape braceFor(int unknownCount);
// Width of a matrix entry: `charWidth` pixels per character.
int entryWidth(const Fraction& value, int charWidth = kEntryCharWidth);
// The augmented matrix of `step` as a step picture draws it, with the
// colouring: a coefficient is red when it is 1 on the diagonal, blue when it
// is 0 off it, black otherwise; the constant is red when every coefficient of
// its row was red or blue. With a picture width, a matrix too wide for it
// draws its columns closer, then with narrower characters (down to
// kMinEntryCharWidth), so that its right bracket stays inside the picture.
StepMatrixItem makeStepMatrix(const EquationList& list, int step, int pictureWidth = 0);
// A caption written above a picture whose bracket's top is `bracketTop`: at
// (0, 5), or higher when that would run under the bracket.
CaptionItem captionAbove(int bracketTop, std::string text, Rgb colour = kRgbBlack);
// The two brackets of a step matrix.
BracketItem leftBracket(const StepMatrixItem& m);
BracketItem rightBracket(const StepMatrixItem& m);
// The band over row r of a step matrix: (40, top) to (drawnWidth + 20, top + 29).
BandItem bandFor(const StepMatrixItem& m, int r);
// Equations beside a brace drawn from (leftOffset, layoutValue), as high as
// the lines (30 pixels each), so that it spans them exactly; lines start at
// column (brace right + 5) / 16 + 2.
EquationsItem makeEquations(std::vector<EquationRow> rows, Rgb colour, int layoutValue,
                            int leftOffset, Shape brace, bool hasDecimalPoint);
// Text line k.
TextLineItem textLine(int k, std::string text, Rgb colour = kRgbBlack, bool bold = false);
// The keypad's fair copy: the value as one stacked fraction at (5, 5) of its
// 104 x 40 picture.
constexpr PixelSize kFairCopySize{104, 40};
Picture fairCopyPicture(const Fraction& value);
