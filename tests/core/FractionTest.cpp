#include <gtest/gtest.h>

#include <climits>

#include "arith/Fraction.h"
#include "tests/support/ScriptedUi.h"

namespace {

struct FractionTest : ::testing::Test {
    ScriptedUi ui;
    void SetUp() override { numberState = {}; }
};

void expectFraction(const Fraction& f, int32_t n, int32_t d, char kind) {
    EXPECT_EQ(f.numerator, n);
    EXPECT_EQ(f.denominator, d);
    EXPECT_EQ(f.kind, kind);
}

TEST_F(FractionTest, GcdAndLcm) {
    EXPECT_EQ(gcd(0, 7), 0);
    EXPECT_EQ(gcd(-12, 18), 6);
    EXPECT_EQ(gcd(7, 7), 7);
    Messages said;
    EXPECT_EQ(lcm(4, 6, said), 12);
    EXPECT_EQ(lcm(0, 3, said), 0);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], "x=0,y=3GCDが０です");
    EXPECT_TRUE(ui.log.empty());  // the caller shows it
}

TEST_F(FractionTest, ReduceKeepsSignsAndZeroDenominators) {
    expectFraction(reduceFraction(-4, 6, '/'), 3, -2, '/');
    expectFraction(reduceFraction(5, 0, '/'), 0, 5, '/');
    expectFraction(reduceFraction(8, 6, 'x'), 3, 4, 'x');
}

TEST_F(FractionTest, FirstOperandDecidesKind) {
    Fraction half{2, 1, 'x'};
    Fraction third{3, 1, '/'};
    Messages said;
    expectFraction(addFractions(half, third, said), 5, 6, 'x');
    expectFraction(addFractions(third, half, said), 5, 6, '/');
    expectFraction(subtractFractions(Fraction{2, 1, '/'}, Fraction{2, 1, '/'}, said), 0, 2, '/');
    expectFraction(multiplyFractions(Fraction{4, 3, '|'}, Fraction{3, 2, '/'}), 1, 2, '/');
    expectFraction(
        divideFractions(Fraction{2, 1, '/'}, Fraction{4, -3, '/'}, askAbortRetryIgnoreBox), -2, 3,
        '/');
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(FractionTest, DivisionByZeroAsksAndGivesZero) {
    expectFraction(
        divideFractions(Fraction{1, 5, 'y'}, Fraction{1, 0, '/'}, askAbortRetryIgnoreBox), 0, 1,
        'y');
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].kind, "abortretryignore");
    EXPECT_EQ(ui.log[0].caption, "確認");
    EXPECT_EQ(ui.log[0].text, "0 で割ることはできません");
}

TEST_F(FractionTest, ZeroDenominatorInSumShowsLcmMessage) {
    Messages said;
    expectFraction(addFractions(Fraction{0, 1, '/'}, Fraction{3, 1, '/'}, said), 0, 1, '/');
    expectFraction(addFractions(Fraction{3, 1, '/'}, Fraction{0, 1, '/'}, said), 0, 1, '/');
    EXPECT_EQ(said, (std::vector<std::string>{"x=0,y=3GCDが０です", "x=3,y=0GCDが０です"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(FractionTest, EqualValuesDoesNotCrossMultiply) {
    EXPECT_TRUE(equalValues(Fraction{0, 0, '/'}, Fraction{5, 0, 'x'}));
    EXPECT_FALSE(equalValues(Fraction{4, 2, '/'}, Fraction{2, 1, '/'}));
    EXPECT_TRUE(equalValues(Fraction{2, 1, '/'}, Fraction{2, 1, 'y'}));
    expectFraction(absFraction(Fraction{-4, -3, 'z'}), 3, 4, 'z');
}

TEST_F(FractionTest, WideIntermediatesDoNotOverflow) {
    Messages said;
    Fraction a{65537, 65536, '/'};
    Fraction b{65536, 65537, '/'};
    expectFraction(multiplyFractions(a, b), 1, 1, '/');
    // Unreduced operands: the common denominator 65536 × 65537 leaves 32 bits,
    // the reduced sum 3/1 does not.
    expectFraction(addFractions(Fraction{65536, 131072, '/'}, Fraction{65537, 65537, '/'}, said), 3,
                   1, '/');
    EXPECT_FALSE(numberState.overflow);
}

TEST_F(FractionTest, ResultsOutside32BitsRaiseOverflowInsteadOfWrapping) {
    Messages said;
    Fraction big{1, 65536, '/'};
    multiplyFractions(big, big);
    EXPECT_TRUE(numberState.overflow);
    numberState.overflow = false;
    addFractions(Fraction{1, INT32_MAX, '/'}, One, said);
    EXPECT_TRUE(numberState.overflow);
    numberState.overflow = false;
    // 1 / -2^31 has denominator 2^31
    divideFractions(One, Fraction{1, INT32_MIN, '/'}, askAbortRetryIgnoreBox);
    EXPECT_TRUE(numberState.overflow);
    numberState.overflow = false;
    addFractions(Fraction{1, INT32_MAX - 1, '/'}, One, said);
    EXPECT_FALSE(numberState.overflow);
}

}  // namespace
