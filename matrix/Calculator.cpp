#include "matrix/Calculator.h"

#include <algorithm>

#include "arith/Keypad.h"
#include "platform/UiPort.h"

CalculatorView calculatorView;

namespace {

void shiftDown(FractionItem& f, int dy) {
    for (TextPiece& t : f.texts)
        t.top += dy;
    if (!f.bar.empty()) {
        f.bar.top += dy;
        f.bar.bottom += dy;
    }
}

void shiftDown(CalcMatrixItem& m, int dy) {
    m.top += dy;
    m.bottom += dy;
    for (int& y : m.rowTops)
        y += dy;
    if (m.coefficient)
        shiftDown(*m.coefficient, dy);
    for (auto& row : m.cells)
        for (FractionItem& f : row)
            shiftDown(f, dy);
    for (PixelRect* r : {&m.leftBracket, &m.rightBracket}) {
        if (!r->empty()) {
            r->top += dy;
            r->bottom += dy;
        }
    }
}

}  // namespace

void describeMatrixPicture(MatrixPictureView& view) {
    view.picture.clear();
    view.drawnWidth = 0;
    view.matrixBounds = {};
    if (view.drawn && !view.matrix.empty()) {
        const Matrix& m = view.matrix;
        std::vector<std::vector<Fraction>> cells(m.rows);
        for (int i = 0; i < m.rows; ++i)
            for (int j = 0; j < m.cols; ++j)
                cells[i].push_back(m.at(i, j));
        CalcMatrixItem item = makeCalcMatrix(m.coefficient, cells, kMatrixPictureHeight);
        if (!view.caption.empty() && item.top < kCaptionBottom)
            shiftDown(item, kCaptionBottom - item.top);
        view.matrixBounds = calcMatrixBounds(item);
        view.drawnWidth = view.matrixBounds.right;
        view.picture.add(std::move(item));
    }
    if (!view.caption.empty())
        view.picture.add(CaptionItem{0, 0, view.caption, kRgbBlue});
}

int describeDelta(Picture& picture, const std::optional<Fraction>& delta) {
    picture.clear();
    if (!delta)
        return 0;
    NumberItem item = deltaItem(*delta, kDeltaTop);
    const int right = item.left + item.layout.columns * kColumnPixels;
    picture.add(std::move(item));
    return right;
}

std::string powerCaption(int n) {
    return std::to_string(n) + "乗=>C";
}

std::string powerResultCaption(MatrixName x, int n) {
    return std::string(x == MatrixName::A ? "Ａの " : "Ｂの ") + std::to_string(n) + "乗";
}

Matrix& Calculator::matrix(MatrixName x) {
    switch (x) {
        case MatrixName::A:
            return m_.A;
        case MatrixName::B:
            return m_.B;
        case MatrixName::C:
            return m_.C;
        case MatrixName::D:
            break;
    }
    return m_.D;
}

MatrixPictureView& Calculator::picture(MatrixName x) {
    return v_.pictures[static_cast<int>(x)];
}

void Calculator::notify() {
    if (changed)
        changed();
}

void Calculator::clearPicture(MatrixName x) {
    MatrixPictureView& p = picture(x);
    p.drawn = false;
    p.caption.clear();
    describeMatrixPicture(p);
    ++p.revision;
    notify();
}

void Calculator::drawMatrix(MatrixName x) {
    MatrixPictureView& p = picture(x);
    const Matrix& source = matrix(x);
    p.drawn = !source.empty();
    p.matrix = source;
    p.caption.clear();
    describeMatrixPicture(p);
    ++p.revision;
    notify();
}

void Calculator::drawResultCaption(const std::string& text) {
    MatrixPictureView& p = picture(MatrixName::C);
    p.caption = text;
    describeMatrixPicture(p);
    ++p.revision;
    notify();
}

void Calculator::showDelta(const Fraction& value) {
    // The ⊿ picture is cleared before a value is drawn on it, also when the
    // value is 0, so it never shows two values over each other.
    v_.delta = value;
    v_.deltaDrawnWidth = describeDelta(v_.deltaPicture, v_.delta);
    ++v_.deltaRevision;
    notify();
}

void Calculator::clearResultLabels() {
    v_.opr.clear();
    v_.equal.clear();
    v_.delta.reset();
    v_.deltaDrawnWidth = describeDelta(v_.deltaPicture, v_.delta);
    ++v_.deltaRevision;
    notify();
}

void Calculator::emptyC() {
    clearPicture(MatrixName::C);
    emptyMatrix(m_.C);
}

void Calculator::emptyD() {
    clearPicture(MatrixName::D);
    emptyMatrix(m_.D);
}

void Calculator::resetResult() {
    clearResultLabels();
    emptyC();
}

void Calculator::open(const EquationList& list) {
    clearResultLabels();
    const int n = list.unknownCount;
    if (m_.solveByInverseMode && n >= 2 && n <= kMatrixMaxSize) {
        loadSystemMatrices(list, m_.A, m_.B);
        drawMatrix(MatrixName::A);
        drawMatrix(MatrixName::B);
        emptyC();
        emptyD();
        return;
    }
    v_.unknownCount = 2;
    setIdentity(m_.A, 2);
    drawMatrix(MatrixName::A);
    setIdentity(m_.B, 2);
    m_.B.rows = m_.B.cols = v_.unknownCount;
    drawMatrix(MatrixName::B);
    multiply();
    emptyD();
}

void Calculator::add() {
    const Outcome sum = addMatrices(m_.A, m_.B, m_.C);
    showMessages(sum.messages);
    if (!sum.done)
        return;
    drawMatrix(MatrixName::C);
    drawResultCaption(kCaptionSum);
    v_.opr = kOprSum;
    v_.equal = kEqualSign;
    notify();
}

void Calculator::subtract() {
    const Outcome difference = subtractMatrices(m_.A, m_.B, m_.C);
    showMessages(difference.messages);
    if (!difference.done)
        return;
    drawMatrix(MatrixName::C);
    drawResultCaption(kCaptionDifference);
    // The sign between A and B says which operation C is the result of, as
    // after a sum or a product; a "＋" left standing would misstate C.
    v_.opr = kOprDifference;
    v_.equal = kEqualSign;
    notify();
}

void Calculator::multiply() {
    // A product that fails (out of range) leaves C as its picture shows it,
    // so that what is copied from C is always what the student sees.
    const Matrix before = m_.C;
    const Outcome product = productMatrices(m_.A, m_.B, m_.C);
    showMessages(product.messages);
    if (!product.done) {
        m_.C = before;
        return;
    }
    drawMatrix(MatrixName::C);
    drawResultCaption(kCaptionProduct);
    v_.opr = kOprProduct;
    v_.equal = kEqualSign;
    notify();
}

void Calculator::swap() {
    const Outcome swapped = swapMatrices(m_.A, m_.B);
    showMessages(swapped.messages);
    if (!swapped.done)
        return;
    drawMatrix(MatrixName::A);
    drawMatrix(MatrixName::B);
    resetResult();
}

void Calculator::invert(MatrixName x) {
    const Matrix& source = matrix(x);
    const int n = source.rows;
    // ⊿ shows as soon as it is known: for 2 × 2 with the labels cleared first.
    InverseOutcome out =
        invertMatrix(source, m_.C, m_.D, askAbortRetryIgnoreBox, [&](const Fraction& delta) {
            if (n == 2)
                clearResultLabels();
            showDelta(delta);
        });
    showMessages(out.messages);
    if (!out.success)
        return;
    if (n != 2) {
        clearResultLabels();
        showDelta(out.delta);
    }
    drawMatrix(MatrixName::C);
    drawResultCaption(x == MatrixName::A ? kCaptionInverseA : kCaptionInverseB);
    if (out.emptiedD)
        clearPicture(MatrixName::D);
}

void Calculator::power(MatrixName x) {
    const int n = x == MatrixName::A ? v_.powerA : v_.powerB;
    const Matrix before = m_.C;  // kept when the power fails, as for the product
    const Outcome power = powerMatrix(matrix(x), n, x == MatrixName::A, m_.C);
    showMessages(power.messages);
    if (!power.done) {
        m_.C = before;
        return;
    }
    drawMatrix(MatrixName::C);
    drawResultCaption(powerResultCaption(x, n));
    clearResultLabels();
}

void Calculator::setPower(MatrixName x, int n) {
    (x == MatrixName::A ? v_.powerA : v_.powerB) = std::clamp(n, kPowerMin, kPowerMax);
    notify();
}

void Calculator::enterCoefficient(MatrixName x, int modalResult, const Fraction& value) {
    if (modalResult != kKeypadEntered)
        return;
    const auto confirm = [](const std::string& caption, const std::string& text) {
        return ui().askYesNo(caption, text);
    };
    if (!::enterCoefficient(matrix(x), value, confirm))
        return;
    drawMatrix(x);
    resetResult();
}

void Calculator::resetCoefficient(MatrixName x) {
    ::resetCoefficient(matrix(x));
    drawMatrix(x);
    emptyD();
}

void Calculator::cellsEntered(MatrixName x) {
    resetResult();
    drawMatrix(x);
}

void Calculator::multiplyIn(MatrixName x) {
    showMessages(multiplyInCoefficient(matrix(x)).messages);
    drawMatrix(x);
}

void Calculator::factorOut(MatrixName x, int modalResult, const Fraction& k) {
    if (modalResult != kKeypadEntered)
        return;
    const Outcome factored = ::factorOut(matrix(x), k, askAbortRetryIgnoreBox);
    showMessages(factored.messages);
    if (factored.done)
        drawMatrix(x);
}

void Calculator::copy(MatrixName from, MatrixName to) {
    const Outcome copy = copyMatrix(matrix(from), matrix(to));
    showMessages(copy.messages);
    const bool copied = copy.done;
    if (to == MatrixName::D) {
        if (copied)
            drawMatrix(to);
        return;
    }
    // コピー C=>B redraws B also after a failed copy.
    if (copied || (from == MatrixName::C && to == MatrixName::B)) {
        clearResultLabels();
        drawMatrix(to);
    }
}
