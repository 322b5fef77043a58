#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "matrix/Matrix.h"
#include "tests/support/SameMatrix.h"
#include "tests/support/ScriptedUi.h"

namespace {

Fraction fr(int32_t n, int32_t d = 1) {
    return Fraction{d, n, '/'};
}

Matrix mat(std::initializer_list<std::initializer_list<Fraction>> rows, Fraction coef = One) {
    Matrix m;
    m.rows = static_cast<int32_t>(rows.size());
    m.cols = static_cast<int32_t>(rows.begin()->size());
    m.coefficient = coef;
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (const auto& cell : row)
            m.at(i, j++) = cell;
        ++i;
    }
    return m;
}

// n × n filled with one value, except cell (0, 0).
Matrix filled(int n, Fraction value, Fraction corner) {
    Matrix m;
    m.rows = m.cols = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m.at(i, j) = value;
    m.at(0, 0) = corner;
    return m;
}

// Compares the cells in use field by field, and the coefficient.
void expectMatrix(const Matrix& m, std::initializer_list<std::initializer_list<Fraction>> rows,
                  Fraction coef = One) {
    ASSERT_EQ(m.rows, static_cast<int32_t>(rows.size()));
    ASSERT_EQ(m.cols, static_cast<int32_t>(rows.begin()->size()));
    EXPECT_EQ(m.coefficient.numerator, coef.numerator);
    EXPECT_EQ(m.coefficient.denominator, coef.denominator);
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (const auto& cell : row) {
            EXPECT_EQ(m.at(i, j).numerator, cell.numerator) << "cell " << i << "," << j;
            EXPECT_EQ(m.at(i, j).denominator, cell.denominator) << "cell " << i << "," << j;
            ++j;
        }
        ++i;
    }
}

// A 4 × 4 matrix within the range whose cells have many different prime
// denominators: its products and determinant leave 32 bits.
Matrix primeDenominators() {
    return mat({{fr(1, 97), fr(1, 89), fr(1, 83), fr(1, 79)},
                {fr(1, 73), fr(1, 71), fr(1, 67), fr(1, 61)},
                {fr(1, 59), fr(1, 53), fr(1, 47), fr(1, 43)},
                {fr(1, 41), fr(1, 37), fr(1, 31), fr(1, 29)}});
}

struct MatrixTest : ::testing::Test {
    ScriptedUi ui;
    void SetUp() override {
        numberState = {};
        matrices = {};
    }
    std::vector<std::string> messages() const { return ui.messages(); }

    // An operation as the calculator runs it: what it hands back is shown
    // through the port, in order; whether it did its work is returned.
    static bool did(const Outcome& out) {
        showMessages(out.messages);
        return out.done;
    }
    static InverseOutcome shown(InverseOutcome out) {
        showMessages(out.messages);
        return out;
    }
    // The calculator's Yes/No question, asked through the port.
    static bool confirm(const std::string& caption, const std::string& text) {
        return ::ui().askYesNo(caption, text);
    }
};

TEST_F(MatrixTest, RangeLimitsDependOnRowCount) {
    EXPECT_EQ(cellLimit(1), 1000);
    EXPECT_EQ(cellLimit(3), 1000);
    EXPECT_EQ(cellLimit(4), 100);

    Matrix m = filled(3, One, fr(999));
    EXPECT_TRUE(expandCoefficient(m));
    m = filled(3, One, fr(-1000));
    EXPECT_FALSE(expandCoefficient(m));
    m = filled(3, One, fr(1, 1000));  // a denominator counts like a numerator
    EXPECT_FALSE(expandCoefficient(m));
    m = filled(3, One, fr(0, 1000));  // a zero is 0/1 whatever denominator it kept
    EXPECT_TRUE(expandCoefficient(m));
    m = filled(4, One, fr(99));
    EXPECT_TRUE(expandCoefficient(m));
    m = filled(4, One, fr(100));
    EXPECT_FALSE(expandCoefficient(m));
    m = filled(4, One, fr(1, -100));  // a negative denominator counts by its size
    EXPECT_FALSE(expandCoefficient(m));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixTest, ExpandingMultipliesTheCoefficientInEvenWhenOutOfRange) {
    Matrix m = mat({{fr(500), fr(1, 3)}, {Zero, fr(-2)}}, fr(2));
    EXPECT_FALSE(expandCoefficient(m));
    expectMatrix(m, {{fr(1000), fr(2, 3)}, {Zero, fr(-4)}});

    // An overflow leaves the matrix as it was and raises the flag.
    Matrix big = mat({{fr(65536), One}}, fr(65536));
    Matrix before = big;
    EXPECT_FALSE(expandCoefficient(big));
    EXPECT_TRUE(numberState.overflow);
    EXPECT_TRUE(sameMatrix(big, before));
}

TEST_F(MatrixTest, IdentityEmptyAndCopy) {
    setIdentity(matrices.A, 3);
    expectMatrix(matrices.A, {{One, Zero, Zero}, {Zero, One, Zero}, {Zero, Zero, One}});

    // Copying an empty C shows the message and keeps A.
    Matrix before = matrices.A;
    EXPECT_FALSE(did(copyMatrix(matrices.C, matrices.A)));
    EXPECT_EQ(messages(), std::vector<std::string>{kCopyEmptyMessage});
    EXPECT_TRUE(sameMatrix(matrices.A, before));

    matrices.B = mat({{fr(1, 2), fr(3)}}, fr(-5, 7));
    EXPECT_TRUE(did(copyMatrix(matrices.B, matrices.D)));
    EXPECT_TRUE(sameMatrix(matrices.D, matrices.B));

    emptyMatrix(matrices.D);
    EXPECT_TRUE(matrices.D.empty());
}

TEST_F(MatrixTest, SumAndDifferenceExpandButAreNotRangeTested) {
    Matrix a = mat({{fr(999), fr(1, 999)}});
    Matrix b = mat({{fr(999), fr(1, 998)}});
    Matrix c;
    ASSERT_TRUE(did(addMatrices(a, b, c)));
    expectMatrix(c, {{fr(1998), fr(1997, 997002)}});

    a = mat({{fr(1), fr(2)}, {fr(3), fr(4)}}, fr(2));
    b = mat({{fr(1), fr(1)}, {fr(1), fr(1)}}, fr(1, 2));
    ASSERT_TRUE(did(subtractMatrices(a, b, c)));
    expectMatrix(c, {{fr(3, 2), fr(7, 2)}, {fr(11, 2), fr(15, 2)}});
    EXPECT_EQ(a.coefficient.numerator, 2);  // the operands themselves are not expanded
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixTest, SumAndDifferenceRefusalsKeepC) {
    Matrix c = mat({{fr(7)}});
    const Matrix before = c;
    Matrix a2x2 = mat({{One, One}, {One, One}});
    Matrix a2x3 = mat({{One, One, One}, {One, One, One}});
    EXPECT_FALSE(did(addMatrices(a2x2, a2x3, c)));
    EXPECT_FALSE(did(subtractMatrices(a2x2, a2x3, c)));
    // An operand over the range after expansion.
    Matrix big = mat({{fr(500), One}, {One, One}}, fr(2));
    EXPECT_FALSE(did(addMatrices(a2x2, big, c)));
    // A sum that leaves 32 bits.
    // An operand whose expansion leaves 32 bits.
    Matrix huge = mat({{fr(65536), One}, {One, One}}, fr(65536));
    EXPECT_FALSE(did(addMatrices(a2x2, huge, c)));
    EXPECT_TRUE(numberState.overflow);
    EXPECT_EQ(messages(), (std::vector<std::string>{kAddSizeMessage, kSubtractSizeMessage,
                                                    kOverflowMessage, kOverflowMessage}));
    EXPECT_TRUE(sameMatrix(c, before));
}

TEST_F(MatrixTest, Product) {
    Matrix a = mat({{fr(1), fr(2), fr(3)}, {fr(4), fr(5), fr(6)}}, fr(1, 2));
    Matrix b = mat({{fr(1), Zero}, {Zero, fr(1)}, {fr(1), fr(1)}}, fr(2));
    Matrix c;
    ASSERT_TRUE(did(productMatrices(a, b, c)));
    expectMatrix(c, {{fr(4), fr(5)}, {fr(10), fr(11)}});

    // 2 × 3 times 2 × 3: the size message, C unchanged.
    const Matrix before = c;
    EXPECT_FALSE(did(productMatrices(a, a, c)));
    EXPECT_EQ(messages(), std::vector<std::string>{kProductSizeMessage});
    EXPECT_TRUE(sameMatrix(c, before));
}

TEST_F(MatrixTest, ProductOutOfRangeKeepsTheProductButAnOverflowKeepsC) {
    Matrix a = mat({{fr(40), Zero}, {Zero, fr(40)}});
    Matrix c = mat({{fr(7)}});
    EXPECT_FALSE(did(productMatrices(a, a, c)));
    EXPECT_FALSE(numberState.overflow);
    expectMatrix(c, {{fr(1600), Zero}, {Zero, fr(1600)}});

    Matrix p = primeDenominators();
    ASSERT_TRUE(expandCoefficient(p));
    Matrix before = c;
    EXPECT_FALSE(did(productMatrices(p, p, c)));
    EXPECT_TRUE(numberState.overflow);
    EXPECT_TRUE(sameMatrix(c, before));
    EXPECT_EQ(messages(), (std::vector<std::string>{kOverflowMessage, kOverflowMessage}));
}

TEST_F(MatrixTest, DeterminantRules) {
    EXPECT_EQ(determinant(mat({{fr(1), fr(2)}, {fr(3), fr(4)}})).numerator, -2);
    Fraction d3 =
        determinant(mat({{fr(2), fr(-3), fr(1)}, {fr(2), fr(0), fr(-1)}, {fr(1), fr(4), fr(5)}}));
    EXPECT_EQ(d3.numerator, 49);
    EXPECT_EQ(d3.denominator, 1);
    Fraction d4 = determinant(mat({{fr(1), fr(2), fr(3), fr(4)},
                                   {fr(5), fr(6), fr(7), fr(8)},
                                   {fr(2), fr(6), fr(4), fr(8)},
                                   {fr(3), fr(1), fr(1), fr(2)}}));
    EXPECT_EQ(d4.numerator, 72);
    EXPECT_EQ(d4.denominator, 1);
}

TEST_F(MatrixTest, InverseOfTwoByTwo) {
    matrices.A = mat({{fr(1), fr(2)}, {fr(3), fr(4)}});
    InverseOutcome out =
        shown(invertMatrix(matrices.A, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    ASSERT_TRUE(out.success);
    EXPECT_TRUE(out.hasDelta);
    EXPECT_EQ(out.delta.numerator, -2);
    expectMatrix(matrices.C, {{fr(4), fr(-2)}, {fr(-3), fr(1)}}, fr(-1, 2));

    // The inverse is computed from the expanded matrix.
    matrices.A = mat({{One, Zero}, {Zero, One}}, fr(2));
    out = shown(invertMatrix(matrices.A, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    ASSERT_TRUE(out.success);
    EXPECT_EQ(out.delta.numerator, 4);
    expectMatrix(matrices.C, {{fr(2), Zero}, {Zero, fr(2)}}, fr(1, 4));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixTest, InverseRefusalsKeepC) {
    matrices.C = mat({{fr(9)}});
    const Matrix before = matrices.C;
    Matrix singular2 = mat({{fr(1), fr(2)}, {fr(2), fr(4)}});
    Matrix singular3 = mat({{fr(1), fr(2), fr(3)}, {fr(4), fr(5), fr(6)}, {fr(1), fr(2), fr(3)}});
    Matrix notSquare = mat({{fr(1), fr(2), fr(3)}, {fr(4), fr(5), fr(6)}});
    Matrix oneByOne = mat({{fr(5)}});
    Matrix outOfRange = mat({{fr(1000), Zero}, {Zero, One}});

    InverseOutcome out =
        shown(invertMatrix(singular2, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_FALSE(out.success);
    EXPECT_TRUE(out.hasDelta);  // ⊿ = 0 is still shown
    EXPECT_EQ(out.delta.numerator, 0);
    out = shown(invertMatrix(singular3, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_TRUE(out.hasDelta);
    EXPECT_EQ(out.delta.numerator, 0);
    out = shown(invertMatrix(notSquare, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_FALSE(out.hasDelta);
    out = shown(
        invertMatrix(oneByOne, matrices.C, matrices.D, askAbortRetryIgnoreBox));  // nothing at all
    EXPECT_FALSE(out.success || out.hasDelta);
    out = shown(invertMatrix(outOfRange, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_FALSE(out.success || out.hasDelta);
    out = shown(invertMatrix(primeDenominators(), matrices.C, matrices.D,
                             askAbortRetryIgnoreBox));  // ⊿ leaves 32 bits
    EXPECT_FALSE(out.success || out.hasDelta);
    EXPECT_TRUE(numberState.overflow);

    EXPECT_EQ(messages(), (std::vector<std::string>{kDeltaZero2Message, kDeltaZeroMessage,
                                                    kInverseNotSquareMessage, kOverflowMessage,
                                                    kOverflowMessage}));
    EXPECT_TRUE(sameMatrix(matrices.C, before));
}

TEST_F(MatrixTest, SingularFractionMatricesAreNotMistakenForOverflow) {
    // Every product of cells has a denominator near 10^9, but the rows are
    // multiples of each other: ⊿ is exactly 0, and is shown as such.
    auto q = [](int d) { return Fraction{d, 1, '/'}; };
    auto q2 = [](int d) { return Fraction{d, 2, '/'}; };
    Matrix m3 =
        mat({{q(997), q(991), q(983)}, {q2(997), q2(991), q2(983)}, {q(953), q(947), q(941)}});
    InverseOutcome out = shown(invertMatrix(m3, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_TRUE(out.hasDelta);
    EXPECT_EQ(out.delta.numerator, 0);
    EXPECT_FALSE(numberState.overflow);
    EXPECT_EQ(messages(), std::vector<std::string>{kDeltaZeroMessage});

    Matrix m4 = mat({{q(97), q(89), q(83), q(79)},
                     {q(97), q(89), q(83), q(79)},
                     {q(71), q(73), q(67), q(61)},
                     {fr(1), fr(2), fr(3), fr(5)}});
    out = shown(invertMatrix(m4, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    EXPECT_TRUE(out.hasDelta);
    EXPECT_EQ(out.delta.numerator, 0);
    EXPECT_FALSE(numberState.overflow);
}

TEST_F(MatrixTest, OnlyAFourByFourInverseEmptiesD) {
    setIdentity(matrices.D, 2);
    matrices.A = mat({{fr(2), fr(1), Zero}, {Zero, fr(1), Zero}, {fr(1), Zero, fr(1)}});
    InverseOutcome out =
        shown(invertMatrix(matrices.A, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    ASSERT_TRUE(out.success);
    EXPECT_FALSE(out.emptiedD);
    EXPECT_EQ(matrices.D.rows, 2);
    expectMatrix(matrices.C, {{fr(1), fr(-1), Zero}, {Zero, fr(2), Zero}, {fr(-1), fr(1), fr(2)}},
                 fr(1, 2));

    setIdentity(matrices.A, 4);
    matrices.A.at(0, 3) = fr(3);
    out = shown(invertMatrix(matrices.A, matrices.C, matrices.D, askAbortRetryIgnoreBox));
    ASSERT_TRUE(out.success);
    EXPECT_TRUE(out.emptiedD);
    EXPECT_TRUE(matrices.D.empty());
    EXPECT_EQ(matrices.C.at(0, 3).numerator, -3);
    EXPECT_EQ(matrices.C.at(3, 3).numerator, 1);
}

TEST_F(MatrixTest, Powers) {
    Matrix a = mat({{One, One}, {Zero, One}});
    Matrix c;
    ASSERT_TRUE(did(powerMatrix(a, 40, true, c)));
    expectMatrix(c, {{One, fr(40)}, {Zero, One}});

    // The power of B keeps its coefficient in the scratch copy; the value is the same.
    Matrix b = mat({{One, Zero}, {fr(1, 2), One}}, fr(2));
    ASSERT_TRUE(did(powerMatrix(b, 3, false, c)));
    expectMatrix(c, {{fr(8), Zero}, {fr(12), fr(8)}});
    ASSERT_TRUE(did(powerMatrix(b, 3, true, c)));
    expectMatrix(c, {{fr(8), Zero}, {fr(12), fr(8)}});
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixTest, PowerOutOfRangeStopsWithTheFailedProductInC) {
    Matrix two = mat({{fr(2), Zero}, {Zero, fr(2)}});
    Matrix c;
    ASSERT_TRUE(did(powerMatrix(two, 9, true, c)));
    expectMatrix(c, {{fr(512), Zero}, {Zero, fr(512)}});
    EXPECT_FALSE(did(powerMatrix(two, 10, true, c)));
    expectMatrix(c, {{fr(1024), Zero}, {Zero, fr(1024)}});
    EXPECT_FALSE(did(powerMatrix(two, 40, true, c)));  // stops at the tenth power too
    expectMatrix(c, {{fr(1024), Zero}, {Zero, fr(1024)}});
    EXPECT_EQ(messages(), (std::vector<std::string>{kOverflowMessage, kOverflowMessage}));
}

TEST_F(MatrixTest, PowerRefusalsKeepC) {
    Matrix c = mat({{fr(9)}});
    const Matrix before = c;
    EXPECT_FALSE(did(powerMatrix(mat({{One, One, One}, {One, One, One}}), 2, true, c)));
    // A is expanded and range-tested first; B is not.
    Matrix big = mat({{fr(500), Zero}, {Zero, One}}, fr(2));
    EXPECT_FALSE(did(powerMatrix(big, 2, true, c)));
    EXPECT_TRUE(sameMatrix(c, before));
    // A product that leaves 32 bits: C is not left holding any part of it.
    EXPECT_FALSE(did(powerMatrix(primeDenominators(), 2, true, c)));
    EXPECT_TRUE(numberState.overflow);
    EXPECT_TRUE(sameMatrix(c, before));
    EXPECT_EQ(messages(), (std::vector<std::string>{kPowerNotSquareMessage, kOverflowMessage,
                                                    kOverflowMessage}));

    // B's own coefficient is not range-tested before the first product.
    EXPECT_FALSE(did(powerMatrix(big, 2, false, c)));
    expectMatrix(c, {{fr(1000000), Zero}, {Zero, fr(4)}});
}

TEST_F(MatrixTest, FactoringOut) {
    Matrix m = mat({{fr(2), fr(4)}, {fr(6), fr(8)}});
    Matrix m3 = m;
    ASSERT_TRUE(did(factorOut(m, fr(2), askAbortRetryIgnoreBox)));
    expectMatrix(m, {{fr(1), fr(2)}, {fr(3), fr(4)}}, fr(2));
    ASSERT_TRUE(did(factorOut(m3, fr(3), askAbortRetryIgnoreBox)));
    expectMatrix(m3, {{fr(2, 3), fr(4, 3)}, {fr(2), fr(8, 3)}}, fr(3));
    // The coefficient already there is multiplied in first.
    ASSERT_TRUE(did(factorOut(m3, fr(-1, 3), askAbortRetryIgnoreBox)));
    expectMatrix(m3, {{fr(-6), fr(-12)}, {fr(-18), fr(-24)}}, fr(-1, 3));

    const Matrix before = m;
    EXPECT_FALSE(did(factorOut(m, Zero, askAbortRetryIgnoreBox)));
    EXPECT_TRUE(sameMatrix(m, before));
    EXPECT_EQ(messages(), std::vector<std::string>{kFactorZeroMessage});
}

TEST_F(MatrixTest, CoefficientInputResetAndMultiply) {
    Matrix m = mat({{fr(3), fr(1, 2)}});
    ASSERT_TRUE(enterCoefficient(m, fr(-2, 3), confirm));
    expectMatrix(m, {{fr(3), fr(1, 2)}}, fr(-2, 3));
    EXPECT_TRUE(ui.log.empty());

    // A zero is confirmed first; No keeps the matrix.
    ui.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(enterCoefficient(m, Zero, confirm));
    EXPECT_EQ(m.coefficient.numerator, -2);
    EXPECT_TRUE(enterCoefficient(m, Fraction{0, 0, '/'}, confirm));
    EXPECT_EQ(m.coefficient.numerator, 0);
    EXPECT_EQ(m.coefficient.denominator, 1);
    ASSERT_EQ(ui.log.size(), 2u);
    EXPECT_EQ(ui.log[0].caption, kConfirmCaption);
    EXPECT_EQ(ui.log[0].text, kCoefficientZeroQuestion);
    ui.clear();

    resetCoefficient(m);
    expectMatrix(m, {{fr(3), fr(1, 2)}});

    // "係数×" ignores the range without a message, but refuses an overflow.
    Matrix big = mat({{fr(999), One}}, fr(10));
    ASSERT_TRUE(did(multiplyInCoefficient(big)));
    expectMatrix(big, {{fr(9990), fr(10)}});
    Matrix huge = mat({{fr(65536), One}}, fr(65536));
    const Matrix before = huge;
    EXPECT_FALSE(did(multiplyInCoefficient(huge)));
    EXPECT_TRUE(sameMatrix(huge, before));
    EXPECT_EQ(messages(), std::vector<std::string>{kOverflowMessage});
}

TEST_F(MatrixTest, Swap) {
    matrices.A = mat({{fr(1), fr(2)}}, fr(3));
    matrices.B = mat({{fr(4)}, {fr(5)}});
    Matrix a = matrices.A, b = matrices.B;
    ASSERT_TRUE(did(swapMatrices(matrices.A, matrices.B)));
    EXPECT_TRUE(sameMatrix(matrices.A, b));
    EXPECT_TRUE(sameMatrix(matrices.B, a));

    // An empty B: the message, and both stay as they were.
    emptyMatrix(matrices.B);
    Matrix keptA = matrices.A;
    EXPECT_FALSE(did(swapMatrices(matrices.A, matrices.B)));
    EXPECT_TRUE(sameMatrix(matrices.A, keptA));
    EXPECT_TRUE(matrices.B.empty());
    EXPECT_EQ(messages(), std::vector<std::string>{kCopyEmptyMessage});
}

TEST_F(MatrixTest, SystemMatricesComeFromTheFirstLines) {
    auto list = std::make_unique<EquationList>();
    list->unknownCount = 3;
    const char names[] = {'x', 'y', 'z'};
    for (int i = 1; i <= 3; ++i) {
        EquationRow& row = list->rows[i];
        for (int j = 0; j < 3; ++j)
            row.terms[j] = Fraction{1, i * 10 + j, names[j]};
        row.terms[3] = Fraction{1, 0, '='};
        row.terms[4] = Fraction{2, i, '/'};
        row.count = 5;
    }
    list->rows[4].terms[0] = fr(99);  // a later step is not read
    matrices.A.coefficient = fr(5);
    loadSystemMatrices(*list, matrices.A, matrices.B);
    expectMatrix(matrices.A,
                 {{fr(10), fr(11), fr(12)}, {fr(20), fr(21), fr(22)}, {fr(30), fr(31), fr(32)}});
    expectMatrix(matrices.B, {{fr(1, 2)}, {fr(2, 2)}, {fr(3, 2)}});
    EXPECT_EQ(matrices.A.at(1, 1).kind, 'y');  // kinds travel with the values
}

}  // namespace
