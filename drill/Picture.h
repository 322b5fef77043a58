#pragma once
// What has been drawn on each picture of the worksheet since it was last
// cleared, in drawing order. The drill appends to these lists where it draws
// and empties them where it clears; the painters turn them into pixels, and
// tests read them.
//
// Coordinates are pixels inside the picture, y downwards. A PixelRect is
// right- and bottom-exclusive.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "arith/Equation.h"

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kRgbBlack{0, 0, 0};
inline constexpr Rgb kRgbRed{255, 0, 0};
inline constexpr Rgb kRgbBlue{0, 0, 255};
inline constexpr Rgb kRgbTeal{0, 128, 128};
inline constexpr Rgb kRgbGrey{128, 128, 128};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The worksheet's fixed pictures that are stretched onto step pictures.
enum class Bitmap {
    KakkoL,      // left bracket of a matrix, 25 x 100
    KakkoR,      // right bracket of a matrix, 25 x 100
    KakkoSS,     // left brace for 2 equations, 25 x 60
    KakkoMS,     // left brace for 3 equations, 25 x 90
    KakkoLS,     // left brace for 4 equations, 25 x 121
    KotaeKakko,  // bracket of the answer in the answer group, 70 x 100
};

constexpr int kMatrixRowHeight = 30;
constexpr int kMatrixLeft = 40;        // x of the first entry
constexpr int kMatrixColumnStep = 40;  // entry j at kMatrixLeft + j * kMatrixColumnStep
constexpr int kEntryCharWidth = 9;     // width of one character of a matrix entry

// One entry of a drawn augmented matrix.
struct MatrixEntry {
    Fraction value;
    Rgb colour;
    int x = 0;      // left edge
    int width = 0;  // kEntryCharWidth per character: minus sign, then the longer of
                    // numerator and denominator (a fraction is stacked)
};

// A step's augmented matrix: row r at y = firstLineTop + 30 r; each row holds
// the unknownCount coefficient entries and then the constant (drawn at
// x = 40 + 40 (unknownCount + 1), the place of "=" staying empty).
// drawnWidth is computed here, from the entry widths above, and the bands and
// the right bracket are placed from it: the painter draws each entry within
// its [x, x + width) cell.
struct StepMatrixItem {
    int step = 0;
    int firstLineTop = 20;
    std::vector<std::vector<MatrixEntry>> rows;
    int drawnWidth = 0;  // x after the constant of the last row
    int rowTop(int r) const { return firstLineTop + kMatrixRowHeight * r; }
};

// Equations in written form beside a brace or bracket picture (the task on
// Image1, the answer form). Line i is drawn at y = layoutValue + 30 i; every
// line starts at column firstColumn of the 9-pixel term columns.
struct EquationsItem {
    std::vector<EquationRow> rows;  // copies, as they were when drawn
    bool hasDecimalPoint = false;   // numbers with a finite decimal form are written as decimals
    bool secondFont = false;        // 4 unknowns and more than one row holding a fraction
    Rgb colour = kRgbBlack;
    int layoutValue = 0;
    int firstColumn = 0;
    Bitmap brace = Bitmap::KakkoSS;
    PixelRect braceRect;  // the brace picture stretched into this rectangle
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

// A caption in the picture's own font, size 9 ("係数の行列を作ると").
struct CaptionItem {
    int x = 0;
    int y = 0;
    std::string text;
};

// The composed operation, at x = 0 and one third of the picture's height.
struct OpLabelItem {
    int y = 0;
    std::string text;
};

struct BracketItem {
    Bitmap bitmap = Bitmap::KakkoL;
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

using PictureItem = std::variant<StepMatrixItem, EquationsItem, TextLineItem, CaptionItem,
                                 OpLabelItem, BracketItem, BandItem>;

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

// The worksheet's pictures: Image1 … Image<imageCount> and the answer
// group's pictures.
struct WorksheetPictures {
    std::vector<Picture> images;  // images[k] is Image k; entry 0 unused
    Picture imgBOXX;              // the answer in the answer group grbKai
    Picture imgBOXY;

    // Image k, or nullptr when there is no such picture.
    Picture* image(int k);
    const Picture* image(int k) const;
    int count() const { return images.empty() ? 0 : static_cast<int>(images.size()) - 1; }
    // Makes `imageCount` empty pictures.
    void resize(int imageCount);
};

extern WorksheetPictures worksheetPictures;

// Drawing rules that do not depend on the drill's state.

// The size of each of the worksheet's fixed pictures.
struct BitmapSize {
    int x;
    int y;
};
BitmapSize bitmapSize(Bitmap b);

// 25 for 2 unknowns, 20 for 3, 15 for 4, 20 for any other count.
int firstLineTopFor(int unknownCount);
// The brace for 2, 3 and 4 equations.
Bitmap braceFor(int unknownCount);
// Width of a matrix entry: 9 pixels per character.
int entryWidth(const Fraction& value);
// The augmented matrix of `step` as a step picture draws it, with the
// colouring: a coefficient is red when it is 1 on the diagonal, blue when it
// is 0 off it, black otherwise; the constant is red when every coefficient of
// its row was red or blue.
StepMatrixItem makeStepMatrix(const EquationList& list, int step);
// The two bracket pictures of a step matrix.
BracketItem leftBracket(const StepMatrixItem& m);
BracketItem rightBracket(const StepMatrixItem& m);
// The band over row r of a step matrix: (40, top) to (drawnWidth + 20, top + 29).
BandItem bandFor(const StepMatrixItem& m, int r);
// Equations beside a brace picture drawn at (leftOffset, 25) for 2 unknowns,
// (leftOffset, 20) otherwise; lines start at column (brace right + 5) / 16 + 2.
EquationsItem makeEquations(std::vector<EquationRow> rows, Rgb colour, int layoutValue,
                            int leftOffset, Bitmap brace, bool hasDecimalPoint);
// Text line k.
TextLineItem textLine(int k, std::string text, Rgb colour = kRgbBlack, bool bold = false);
