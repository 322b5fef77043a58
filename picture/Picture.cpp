#include "picture/Picture.h"

#include <algorithm>
#include <string>
#include <utility>

#include "arith/NumberText.h"

void Picture::clear() {
    items.clear();
    ++revision;
}

void Picture::add(PictureItem item) {
    items.push_back(std::move(item));
    ++revision;
}

void Picture::toggleBand(const BandItem& band) {
    if (!items.empty()) {
        const BandItem* last = std::get_if<BandItem>(&items.back());
        if (last && *last == band) {
            items.pop_back();
            ++revision;
            return;
        }
    }
    add(band);
}

void Picture::drawOpLabel(const OpLabelItem& label) {
    if (!items.empty()) {
        OpLabelItem* last = std::get_if<OpLabelItem>(&items.back());
        if (last && last->y == label.y) {
            *last = label;
            ++revision;
            return;
        }
    }
    add(label);
}

const StepMatrixItem* Picture::matrix() const {
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if (const auto* m = std::get_if<StepMatrixItem>(&*it))
            return m;
    return nullptr;
}

std::vector<int> Picture::litBands() const {
    std::vector<BandItem> shown;
    for (const auto& item : items) {
        const auto* band = std::get_if<BandItem>(&item);
        if (!band)
            continue;
        auto found = std::find(shown.begin(), shown.end(), *band);
        if (found != shown.end())
            shown.erase(found);
        else
            shown.push_back(*band);
    }
    std::vector<int> rows;
    for (const auto& b : shown)
        rows.push_back(b.row);
    return rows;
}

int firstLineTopFor(int unknownCount) {
    switch (unknownCount) {
        case 2:
            return 25;
        case 3:
            return 20;
        case 4:
            return 15;
        default:
            return 20;
    }
}

Shape braceFor(int unknownCount) {
    if (unknownCount <= 2)
        return Shape::KakkoSS;
    if (unknownCount == 3)
        return Shape::KakkoMS;
    return Shape::KakkoLS;
}

PixelSize shapeSize(Shape s) {
    switch (s) {
        case Shape::KakkoL:
        case Shape::KakkoR:
            return {25, 100};
        case Shape::KakkoSS:
            return {25, 60};
        case Shape::KakkoMS:
            return {25, 90};
        case Shape::KakkoLS:
            return {25, 121};
        case Shape::KotaeKakko:
            return {70, 100};
    }
    return {25, 100};
}

int entryWidth(const Fraction& value, int charWidth) {
    const WrittenNumber w = writtenNumber(value);
    const std::size_t digits = std::max(w.numerator.size(), w.denominator.size());
    return charWidth * static_cast<int>((w.negative ? 1 : 0) + digits);
}

namespace {

// The right bracket stands this far after the widest constant.
constexpr int kRightBracketGap = 10;
constexpr int kBracketWidth = 25;

// Places the columns of a step matrix whose entries are `charWidth` pixels a
// character: column j at 40 + step j, or right of the widest entry of the
// column before (one character apart); the constants at 40 + step (n + 1),
// or one step right of the last coefficients, where "=" would stand. Returns
// the right edge of the right bracket.
int placeColumns(StepMatrixItem& m, int unknowns, int charWidth, int step) {
    m.charWidth = charWidth;
    int previousRight = kMatrixLeft;
    for (int j = 0; j <= unknowns; ++j) {  // j == unknowns: the constants
        const bool constants = j == unknowns;
        const int place = kMatrixLeft + step * (constants ? unknowns + 1 : j);
        const int x =
            j == 0 ? place : std::max(place, previousRight + (constants ? step : charWidth));
        int right = x;
        for (auto& row : m.rows) {
            MatrixEntry& e = row[j];
            e.x = x;
            e.width = entryWidth(e.value, charWidth);
            right = std::max(right, x + e.width);
        }
        previousRight = right;
    }
    m.drawnWidth = previousRight;
    return m.drawnWidth + kRightBracketGap + kBracketWidth;
}

}  // namespace

StepMatrixItem makeStepMatrix(const EquationList& list, int step, int pictureWidth) {
    const int n = list.unknownCount;
    StepMatrixItem m;
    m.step = step;
    m.firstLineTop = firstLineTopFor(n);
    for (int r = 0; r < n; ++r) {
        int line = list.index(step, r);
        const EquationRow& row = list.rows[line];
        std::vector<MatrixEntry> entries;
        int matched = 0;
        for (int j = 0; j < n; ++j) {
            const Fraction& v = row.terms[j];
            Rgb colour = kRgbBlack;
            if (j == r && equalValues(v, One)) {
                colour = kRgbRed;
                ++matched;
            } else if (j != r && v.numerator == 0) {
                colour = kRgbBlue;
                ++matched;
            }
            entries.push_back({v, colour, 0, 0});
        }
        const Fraction& c = row.terms[n + 1];
        entries.push_back({c, matched == n ? kRgbRed : kRgbBlack, 0, 0});
        m.rows.push_back(std::move(entries));
    }
    // The natural layout first. A matrix too wide for its picture draws its
    // columns closer (down to two characters apart), then with narrower
    // characters, until its right bracket fits.
    if (pictureWidth <= 0) {
        placeColumns(m, n, kEntryCharWidth, kMatrixColumnStep);
        return m;
    }
    for (int charWidth = kEntryCharWidth; charWidth >= kMinEntryCharWidth; --charWidth)
        for (int step = kMatrixColumnStep; step >= 2 * charWidth; step -= 2)
            if (placeColumns(m, n, charWidth, step) <= pictureWidth)
                return m;
    return m;
}

CaptionItem captionAbove(int bracketTop, std::string text, Rgb colour) {
    return {0, std::min(5, bracketTop - kTextLineHeight), std::move(text), colour};
}

BracketItem leftBracket(const StepMatrixItem& m) {
    int h = static_cast<int>(m.rows.size()) * kMatrixRowHeight;
    return {Shape::KakkoL, {0, m.firstLineTop, 25, m.firstLineTop + h}};
}

BracketItem rightBracket(const StepMatrixItem& m) {
    int h = static_cast<int>(m.rows.size()) * kMatrixRowHeight;
    int x = m.drawnWidth + kRightBracketGap;
    return {Shape::KakkoR, {x, m.firstLineTop, x + kBracketWidth, m.firstLineTop + h}};
}

BandItem bandFor(const StepMatrixItem& m, int r) {
    int top = m.rowTop(r);
    return {r, {kMatrixLeft, top, m.drawnWidth + 20, top + kMatrixRowHeight - 1}};
}

EquationsItem makeEquations(std::vector<EquationRow> rows, Rgb colour, int layoutValue,
                            int leftOffset, Shape brace, bool hasDecimalPoint) {
    EquationsItem e;
    int n = static_cast<int>(rows.size());
    int fractions = 0;
    for (const auto& row : rows)
        if (rowHoldsFraction(row))
            ++fractions;
    e.rows = std::move(rows);
    e.hasDecimalPoint = hasDecimalPoint;
    e.secondFont = n == 4 && fractions > 1;
    e.colour = colour;
    e.layoutValue = layoutValue;
    e.brace = brace;
    // The brace spans the equations exactly: from the first line's top to
    // the last line's bottom, 30 pixels a line.
    const PixelSize size = shapeSize(brace);
    e.braceRect = {leftOffset, layoutValue, leftOffset + size.width,
                   layoutValue + kLineSpacing * n};
    e.firstColumn = (e.braceRect.right + 5) / 16 + 2;
    return e;
}

TextLineItem textLine(int k, std::string text, Rgb colour, bool bold) {
    return {k, 16 * k - 14, std::move(text), colour, bold};
}
