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
    m.top = (pictureHeight - kCalcRowStep * rows) / 2;

    if (rows == 1 && cols == 1) {
        // The product is only drawn: it must not raise the overflow flag of
        // an operation in progress.
        const bool overflow = numberState.overflow;
        const Fraction product = multiplyFractions(cells[0][0], coefficient);
        numberState.overflow = overflow;
        m.plain = true;
        m.cells = {{fractionItem(product, kCalcPlainX, m.top)}};
        return m;
    }

    int bracketLeft = kCalcBracketLeft;
    if (!(coefficient.numerator == 1 && coefficient.denominator == 1)) {
        m.coefficient = fractionItem(coefficient, 0, kCalcCoefficientY);
        bracketLeft = std::max(bracketLeft, m.coefficient->right + kCalcColumnGap);
    }
    const int bottom = m.top + kCalcRowStep * rows;
    m.leftBracket = {bracketLeft, m.top, bracketLeft + kCalcBracketWidth, bottom};

    const int x0 = bracketLeft + kCalcBracketWidth + 5;
    m.cells.assign(rows, {});
    int columnX = x0;
    int columnRight = 0;
    for (int j = 0; j < cols; ++j) {
        if (j > 0)
            columnX = std::max(x0 + kCalcColumnStep * j, columnRight + kCalcColumnGap);
        columnRight = 0;
        for (int i = 0; i < rows; ++i) {
            const Fraction value = j < static_cast<int>(cells[i].size()) ? cells[i][j] : Zero;
            FractionItem f = fractionItem(value, columnX, m.top + kCalcRowStep * i);
            columnRight = std::max(columnRight, f.right);
            m.cells[i].push_back(std::move(f));
        }
    }
    const int x = columnRight + 10;
    m.rightBracket = {x, m.top, x + kCalcBracketWidth, bottom};
    return m;
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
