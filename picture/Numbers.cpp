// The number items of the pictures: the calculator's stacked fractions and
// matrices, the keypad's fair copy and ⊿.
#include <algorithm>
#include <utility>

#include "arith/NumberText.h"
#include "picture/Picture.h"

FractionItem fractionItem(const Fraction& value, int x, int y, Rgb colour) {
    FractionItem f;
    f.value = value;
    f.x = x;
    f.y = y;
    f.colour = colour;
    const WrittenNumber w = writtenNumber(value, true);
    if (w.negative)
        f.texts.push_back({"-", x, y + kFractionLevelDrop});
    x += kFractionIndent;
    if (w.whole()) {
        f.texts.push_back({w.numerator, x, y + kFractionLevelDrop});
        f.right = x + kFractionDigitWidth * static_cast<int>(w.numerator.size());
        return f;
    }
    const int numLength = static_cast<int>(w.numerator.size());
    const int denLength = static_cast<int>(w.denominator.size());
    const int longer = std::max(numLength, denLength);
    f.texts.push_back({w.numerator, x + kFractionShortShift * (longer - numLength), y});
    f.texts.push_back({w.denominator, x + kFractionShortShift * (longer - denLength),
                       y + kFractionDenominatorDrop});
    f.right = x + kFractionDigitWidth * longer;
    f.bar = {x, y + kFractionBarDrop, f.right, y + kFractionBarDrop + 1};
    return f;
}

CalcMatrixItem makeCalcMatrix(const Fraction& coefficient,
                              const std::vector<std::vector<Fraction>>& cells, int pictureHeight) {
    CalcMatrixItem m;
    const int rows = static_cast<int>(cells.size());
    const int cols = rows > 0 ? static_cast<int>(cells[0].size()) : 0;
    if (rows == 0 || cols == 0)
        return m;

    // Each row as high as its entries need.
    std::vector<bool> stacked(rows, false);
    int height = 0;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const Fraction value = j < static_cast<int>(cells[i].size()) ? cells[i][j] : Zero;
            if (!writtenNumber(value, true).whole())
                stacked[i] = true;
        }
        height += stacked[i] ? kCalcStackedRowHeight : kCalcWholeRowHeight;
    }
    if (rows == 1 && cols == 1)
        height = kCalcWholeRowHeight;
    m.top = (pictureHeight - height) / 2;
    m.bottom = m.top + height;
    for (int i = 0, y = m.top; i < rows; ++i) {
        m.rowTops.push_back(y);
        y += stacked[i] ? kCalcStackedRowHeight : kCalcWholeRowHeight;
    }
    auto itemY = [&](int i) {
        return m.rowTops[i] + (stacked[i] ? kCalcStackedRowDrop : kCalcWholeRowDrop);
    };

    if (rows == 1 && cols == 1) {
        // The product is only drawn: it must not raise the overflow flag of
        // an operation in progress.
        const bool overflow = numberState.overflow;
        const Fraction product = multiplyFractions(cells[0][0], coefficient);
        numberState.overflow = overflow;
        m.plain = true;
        const bool whole = writtenNumber(product, true).whole();
        m.cells = {
            {fractionItem(product, kCalcPlainX,
                          m.top + (whole ? kCalcWholeRowDrop
                                         : -(kCalcStackedRowHeight - kCalcWholeRowHeight) / 2))}};
        return m;
    }

    int bracketLeft = kCalcBracketLeft;
    if (!(coefficient.numerator == 1 && coefficient.denominator == 1)) {
        // Its bar (or its whole number's middle) at the middle of the rows.
        m.coefficient =
            fractionItem(coefficient, kCalcCoefficientX, m.top + height / 2 - kFractionBarDrop);
        bracketLeft = std::max(bracketLeft, m.coefficient->right + kCalcColumnGap);
    }
    m.leftBracket = {bracketLeft, m.top, bracketLeft + kCalcBracketWidth, m.bottom};

    const int x0 = bracketLeft + kCalcBracketWidth + 3;
    m.cells.assign(rows, {});
    int columnX = x0;
    int columnRight = 0;
    for (int j = 0; j < cols; ++j) {
        if (j > 0)
            columnX = std::max(x0 + kCalcColumnStep * j, columnRight + kCalcColumnGap);
        columnRight = 0;
        for (int i = 0; i < rows; ++i) {
            const Fraction value = j < static_cast<int>(cells[i].size()) ? cells[i][j] : Zero;
            FractionItem f = fractionItem(value, columnX, itemY(i));
            columnRight = std::max(columnRight, f.right);
            m.cells[i].push_back(std::move(f));
        }
    }
    const int x = columnRight + 7;
    m.rightBracket = {x, m.top, x + kCalcBracketWidth, m.bottom};
    return m;
}

namespace {

// The rows a fraction's digits cover: [top, bottom).
std::pair<int, int> inkRows(const FractionItem& f) {
    if (f.bar.empty())
        return {f.y + kFractionLevelDrop + kCalcTextAscent - kCalcDigitHeight,
                f.y + kFractionLevelDrop + kCalcTextAscent};
    return {f.y + kCalcTextAscent - kCalcDigitHeight,
            f.y + kFractionDenominatorDrop + kCalcTextAscent};
}

}  // namespace

PixelRect calcMatrixBounds(const CalcMatrixItem& m) {
    int left = m.leftBracket.empty() ? 0 : m.leftBracket.left;
    if (m.coefficient)
        left = m.coefficient->x;
    else if (m.plain && !m.cells.empty() && !m.cells[0].empty())
        left = m.cells[0][0].x;
    PixelRect r{left, m.top, m.rightBracket.empty() ? 0 : m.rightBracket.right, m.bottom};
    auto cover = [&r](const FractionItem& f) {
        const auto [top, bottom] = inkRows(f);
        r.top = std::min(r.top, top);
        r.bottom = std::max(r.bottom, bottom);
        r.right = std::max(r.right, f.right);
    };
    for (const auto& row : m.cells)
        for (const FractionItem& f : row)
            cover(f);
    if (m.coefficient)
        cover(*m.coefficient);
    return r;
}

NumberItem numberItem(const Fraction& value, int left, int top, Rgb colour) {
    return {value, left, top, colour, layoutNumber(value)};
}

NumberItem deltaItem(const Fraction& delta, int firstLineTop) {
    return numberItem(delta, 40, firstLineTop);
}

Picture fairCopyPicture(const Fraction& value) {
    Picture p;
    p.add(fractionItem(value, 5, 5));
    return p;
}
