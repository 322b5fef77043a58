// The calculator's handlers on the four matrices and on what its pictures and
// labels show. Every row starts from the plain opening (A, B and C the 2 × 2
// identity, C captioned Ａ×Ｂ, D empty) and states the whole outcome.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "matrix/Calculator.h"
#include "tests/core/MatrixTestSupport.h"
#include "tests/support/ScriptedUi.h"

namespace {

using MN = MatrixName;

std::string pictureText(const MatrixPictureView& p) {
    std::string out = p.drawn ? matrixText(p.matrix) : "-";
    if (!p.caption.empty())
        out += " '" + p.caption + "'";
    return out;
}

// "A | B | C | D" of the matrices or of their pictures, and "opr|equal|⊿" of the labels.
std::string matricesText(const MatrixSet& m) {
    return matrixText(m.A) + " | " + matrixText(m.B) + " | " + matrixText(m.C) + " | " +
           matrixText(m.D);
}
std::string picturesText(const CalculatorView& v) {
    return pictureText(v.picture(MN::A)) + " | " + pictureText(v.picture(MN::B)) + " | " +
           pictureText(v.picture(MN::C)) + " | " + pictureText(v.picture(MN::D));
}
std::string labelsText(const CalculatorView& v) {
    return v.opr + "|" + v.equal + "|" + (v.delta ? formatFraction(*v.delta) : "");
}

EquationList systemOf(const std::vector<std::vector<int>>& rows) {
    EquationList list;
    const int n = static_cast<int>(rows.size());
    list.unknownCount = n;
    for (int i = 0; i < n; ++i) {
        EquationRow& line = list.rows[i + 1];
        for (int j = 0; j < n; ++j)
            line.terms[j] = Fraction{1, rows[i][j], "xyzw"[j]};
        line.terms[n] = Fraction{1, 0, '='};
        line.terms[n + 1] = Fraction{1, rows[i][n], '/'};
        line.count = n + 2;
    }
    return list;
}

struct CalcCase {
    const char* name;
    std::function<void(Calculator&, MatrixSet&)> action;
    std::vector<Answer> answers;
    std::vector<std::string> asked;  // every message and question, in order
    const char* matrices;
    const char* pictures;
    const char* labels;
};

void PrintTo(const CalcCase& c, std::ostream* os) {
    *os << c.name;
}

// Sets a matrix and draws it, as entering its cells would.
void put(Calculator& c, MatrixSet& m, MN x, const char* text) {
    (x == MN::A ? m.A : x == MN::B ? m.B : x == MN::C ? m.C : m.D) = M(text);
    c.drawMatrix(x);
}

const std::string kPlain = "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] | -";

const CalcCase kCases[] = {
    {"PlainOpening",
     [](Calculator&, MatrixSet&) {},
     {},
     {},
     kPlain.c_str(),
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"Sum",
     [](Calculator& c, MatrixSet&) { c.add(); },
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | [2 0; 0 2] | -",
     "[1 0; 0 1] | [1 0; 0 1] | [2 0; 0 2] 'Ａ＋Ｂ' | -",
     "＋|=|"},
    {"DifferenceSetsItsOwnSign",
     [](Calculator& c, MatrixSet&) {
         c.add();
         c.subtract();
     },
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | [0 0; 0 0] | -",
     "[1 0; 0 1] | [1 0; 0 1] | [0 0; 0 0] 'Ａ－Ｂ' | -",
     "－|=|"},
    {"SumOfDifferentSizes",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "5; 6");
         c.add();
     },
     {},
     {kAddSizeMessage},
     "[1 0; 0 1] | [5; 6] | [1 0; 0 1] | -",
     "[1 0; 0 1] | [5; 6] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"ProductOfAColumn",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "(1/2) 1 2; 3 4");
         put(c, m, MN::B, "5; 6");
         c.multiply();
     },
     {},
     {},
     "(1/2)[1 2; 3 4] | [5; 6] | [17/2; 39/2] | -",
     "(1/2)[1 2; 3 4] | [5; 6] | [17/2; 39/2] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"ProductOfMismatchedSizes",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "1 2");
         c.multiply();
     },
     {},
     {kProductSizeMessage},
     "[1 0; 0 1] | [1 2] | [1 0; 0 1] | -",
     "[1 0; 0 1] | [1 2] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    // C keeps what its picture shows, so コピー C=>A copies what is seen.
    {"ProductOutOfRangeKeepsC",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "999 0; 0 1");
         put(c, m, MN::B, "2 0; 0 1");
         c.multiply();
     },
     {},
     {kOverflowMessage},
     "[999 0; 0 1] | [2 0; 0 1] | [1 0; 0 1] | -",
     "[999 0; 0 1] | [2 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    // A zero is in range whatever denominator the arithmetic left on it:
    // 1/8 × 0 + 1/125 × 0 is 0/1000, which is 0.
    {"ProductWithTheZeroMatrixIsZero",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1/8 1/125; 1 1");
         put(c, m, MN::B, "0 0; 0 0");
         c.multiply();
     },
     {},
     {},
     "[1/8 1/125; 1 1] | [0 0; 0 0] | [0 0; 0 0] | -",
     "[1/8 1/125; 1 1] | [0 0; 0 0] | [0 0; 0 0] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"PowerWithAZeroCellStaysInRange",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1/2 2; 0 1/5");
         c.setPower(MN::A, 4);
         c.power(MN::A);
     },
     {},
     {},
     "[1/2 2; 0 1/5] | [1 0; 0 1] | [1/16 203/500; 0 1/625] | -",
     "[1/2 2; 0 1/5] | [1 0; 0 1] | [1/16 203/500; 0 1/625] 'Ａの 4乗' | -",
     "||"},
    // A × 0 + I keeps the zero 0/1000 off the diagonal; inverting it
    // range-tests that zero and computes ⊿ from it.
    {"InverseOfAMatrixHoldingAProductsZero",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1/8 1/125; 1 1");
         put(c, m, MN::B, "0 0; 0 0");
         c.multiply();
         c.copy(MN::C, MN::A);
         put(c, m, MN::B, "1 0; 0 1");
         c.add();
         c.copy(MN::C, MN::A);
         c.invert(MN::A);
     },
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] | -",
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Aの逆行列' | -",
     "||1"},
    {"InverseOfTwoByTwo",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 2; 3 4");
         c.invert(MN::A);
     },
     {},
     {},
     "[1 2; 3 4] | [1 0; 0 1] | (-1/2)[4 -2; -3 1] | -",
     "[1 2; 3 4] | [1 0; 0 1] | (-1/2)[4 -2; -3 1] 'Aの逆行列' | -",
     "||-2"},
    {"InverseOfBWithACoefficient",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "(2) 1 0; 0 1");
         c.invert(MN::B);
     },
     {},
     {},
     "[1 0; 0 1] | (2)[1 0; 0 1] | (1/4)[2 0; 0 2] | -",
     "[1 0; 0 1] | (2)[1 0; 0 1] | (1/4)[2 0; 0 2] 'Ｂの逆行列' | -",
     "||4"},
    {"SingularTwoByTwoClearsTheLabels",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 2; 2 4");
         c.invert(MN::A);
     },
     {},
     {kDeltaZero2Message},
     "[1 2; 2 4] | [1 0; 0 1] | [1 0; 0 1] | -",
     "[1 2; 2 4] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "||0"},
    {"SingularThreeByThreeKeepsTheLabels",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 2 3; 1 2 3; 0 1 5");
         c.invert(MN::A);
     },
     {},
     {kDeltaZeroMessage},
     "[1 2 3; 1 2 3; 0 1 5] | [1 0; 0 1] | [1 0; 0 1] | -",
     "[1 2 3; 1 2 3; 0 1 5] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|0"},
    {"InverseOfANonSquareMatrix",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "1; 2");
         c.invert(MN::B);
     },
     {},
     {kInverseNotSquareMessage},
     "[1 0; 0 1] | [1; 2] | [1 0; 0 1] | -",
     "[1 0; 0 1] | [1; 2] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"InverseOfOneByOneDoesNothing",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "(2) 3");
         c.invert(MN::A);
     },
     {},
     {},
     "(2)[3] | [1 0; 0 1] | [1 0; 0 1] | -",
     "(2)[3] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"ThreeByThreeInverseLeavesD",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "2 0 0; 0 1 0; 0 0 1");
         c.copy(MN::C, MN::D);
         c.invert(MN::A);
     },
     {},
     {},
     "[2 0 0; 0 1 0; 0 0 1] | [1 0; 0 1] | (1/2)[1 0 0; 0 2 0; 0 0 2] | [1 0; 0 1]",
     "[2 0 0; 0 1 0; 0 0 1] | [1 0; 0 1] | (1/2)[1 0 0; 0 2 0; 0 0 2] 'Aの逆行列' | [1 0; 0 1]",
     "||2"},
    {"FourByFourInverseEmptiesD",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 0 0 0; 0 1 0 0; 0 0 1 0; 0 0 0 -1");
         c.copy(MN::C, MN::D);
         c.invert(MN::A);
     },
     {},
     {},
     "[1 0 0 0; 0 1 0 0; 0 0 1 0; 0 0 0 -1] | [1 0; 0 1] | "
     "(-1)[-1 0 0 0; 0 -1 0 0; 0 0 -1 0; 0 0 0 1] | -",
     "[1 0 0 0; 0 1 0 0; 0 0 1 0; 0 0 0 -1] | [1 0; 0 1] | "
     "(-1)[-1 0 0 0; 0 -1 0 0; 0 0 -1 0; 0 0 0 1] 'Aの逆行列' | -",
     "||-1"},
    {"FortiethPowerClearsTheLabels",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 1; 0 1");
         c.setPower(MN::A, 40);
         c.power(MN::A);
     },
     {},
     {},
     "[1 1; 0 1] | [1 0; 0 1] | [1 40; 0 1] | -",
     "[1 1; 0 1] | [1 0; 0 1] | [1 40; 0 1] 'Ａの 40乗' | -",
     "||"},
    {"PowerOfBKeepsItsCoefficientUntilTheProduct",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "(1/2) 2 0; 0 2");
         c.setPower(MN::B, 3);
         c.power(MN::B);
     },
     {},
     {},
     "[1 0; 0 1] | (1/2)[2 0; 0 2] | [1 0; 0 1] | -",
     "[1 0; 0 1] | (1/2)[2 0; 0 2] | [1 0; 0 1] 'Ｂの 3乗' | -",
     "||"},
    {"PowerCountersKeptWithinTwoToForty",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 1; 0 1");
         put(c, m, MN::B, "1 1; 0 1");
         c.setPower(MN::A, 1);
         c.setPower(MN::B, 99);
         c.power(MN::A);
         c.copy(MN::C, MN::D);
         c.power(MN::B);
     },
     {},
     {},
     "[1 1; 0 1] | [1 1; 0 1] | [1 40; 0 1] | [1 2; 0 1]",
     "[1 1; 0 1] | [1 1; 0 1] | [1 40; 0 1] 'Ｂの 40乗' | [1 2; 0 1]",
     "||"},
    {"PowerOutOfRangeKeepsC",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "2 0; 0 2");
         c.setPower(MN::A, 10);
         c.power(MN::A);
     },
     {},
     {kOverflowMessage},
     "[2 0; 0 2] | [1 0; 0 1] | [1 0; 0 1] | -",
     "[2 0; 0 2] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"PowerOfANonSquareMatrix",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "1 2 3");
         c.power(MN::B);
     },
     {},
     {kPowerNotSquareMessage},
     "[1 0; 0 1] | [1 2 3] | [1 0; 0 1] | -",
     "[1 0; 0 1] | [1 2 3] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"Swap",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::B, "5; 6");
         c.swap();
     },
     {},
     {},
     "[5; 6] | [1 0; 0 1] | - | -",
     "[5; 6] | [1 0; 0 1] | - | -",
     "||"},
    {"SwapWithAnEmptyB",
     [](Calculator& c, MatrixSet& m) {
         emptyMatrix(m.B);
         c.swap();
     },
     {},
     {kCopyEmptyMessage},
     "[1 0; 0 1] | - | [1 0; 0 1] | -",
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"CoefficientEntered",
     [](Calculator& c, MatrixSet&) {
         c.copy(MN::C, MN::D);
         c.enterCoefficient(MN::A, 1, Fraction{3, -2, '/'});
     },
     {},
     {},
     "(-2/3)[1 0; 0 1] | [1 0; 0 1] | - | [1 0; 0 1]",
     "(-2/3)[1 0; 0 1] | [1 0; 0 1] | - | [1 0; 0 1]",
     "||"},
    {"CoefficientOfZeroDeclined",
     [](Calculator& c, MatrixSet&) {
         c.enterCoefficient(MN::B, 1, Fraction{1, 0, '/'});
     },
     {Answer::No},
     {kCoefficientZeroQuestion},
     kPlain.c_str(),
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"CoefficientOfZeroConfirmed",
     [](Calculator& c, MatrixSet&) {
         c.enterCoefficient(MN::B, 1, Fraction{1, 0, '/'});
     },
     {Answer::Yes},
     {kCoefficientZeroQuestion},
     "[1 0; 0 1] | (0)[1 0; 0 1] | - | -",
     "[1 0; 0 1] | (0)[1 0; 0 1] | - | -",
     "||"},
    {"KeypadCancelledForACoefficient",
     [](Calculator& c, MatrixSet&) {
         c.enterCoefficient(MN::A, 2, Fraction{1, 5, '/'});
     },
     {},
     {},
     kPlain.c_str(),
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"OneRestoresTheCoefficientAndEmptiesD",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "(5) 1 2; 3 4");
         c.copy(MN::C, MN::D);
         c.resetCoefficient(MN::A);
     },
     {},
     {},
     "[1 2; 3 4] | [1 0; 0 1] | [1 0; 0 1] | -",
     "[1 2; 3 4] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"CoefficientMultipliedInWhateverTheRange",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::D, "(500) 1 2; 3 4");
         c.multiplyIn(MN::D);
     },
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] | [500 1000; 1500 2000]",
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | [500 1000; 1500 2000]",
     "×|=|"},
    {"FactoredOut",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::C, "2 4; 6 8");
         c.factorOut(MN::C, 1, Fraction{1, 3, '/'});
     },
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | (3)[2/3 4/3; 2 8/3] | -",
     "[1 0; 0 1] | [1 0; 0 1] | (3)[2/3 4/3; 2 8/3] | -",
     "×|=|"},
    {"FactoringOutZero",
     [](Calculator& c, MatrixSet&) {
         c.factorOut(MN::A, 1, Fraction{1, 0, '/'});
     },
     {},
     {kFactorZeroMessage},
     kPlain.c_str(),
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"CopyOfAnEmptyCIntoBRedrawsB",
     [](Calculator& c, MatrixSet&) {
         c.emptyC();
         c.copy(MN::C, MN::B);
     },
     {},
     {kCopyEmptyMessage},
     "[1 0; 0 1] | [1 0; 0 1] | - | -",
     "[1 0; 0 1] | [1 0; 0 1] | - | -",
     "||"},
    {"CopyOfAnEmptyDIntoAChangesNothing",
     [](Calculator& c, MatrixSet&) { c.copy(MN::D, MN::A); },
     {},
     {kCopyEmptyMessage},
     kPlain.c_str(),
     "[1 0; 0 1] | [1 0; 0 1] | [1 0; 0 1] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"InverseCopiedIntoAThenMultiplied",
     [](Calculator& c, MatrixSet& m) {
         put(c, m, MN::A, "1 2; 3 4");
         put(c, m, MN::B, "5; 6");
         c.invert(MN::A);
         c.copy(MN::C, MN::A);
         c.multiply();
     },
     {},
     {},
     "(-1/2)[4 -2; -3 1] | [5; 6] | [-4; 9/2] | -",
     "(-1/2)[4 -2; -3 1] | [5; 6] | [-4; 9/2] 'Ａ×Ｂ' | -",
     "×|=|"},
    {"CellsEnteredEmptyC",
     [](Calculator& c, MatrixSet& m) {
         m.B = M("7 8");
         c.cellsEntered(MN::B);
     },
     {},
     {},
     "[1 0; 0 1] | [7 8] | - | -",
     "[1 0; 0 1] | [7 8] | - | -",
     "||"},
    {"SolveByInverseOpening",
     [](Calculator& c, MatrixSet& m) {
         m.solveByInverseMode = true;
         c.open(systemOf({{1, 2, 3, 4}, {0, 1, 2, 5}, {0, 0, 1, 6}}));
     },
     {},
     {},
     "[1 2 3; 0 1 2; 0 0 1] | [4; 5; 6] | - | -",
     "[1 2 3; 0 1 2; 0 0 1] | [4; 5; 6] | - | -",
     "||"},
};

class CalculatorFlows : public ::testing::TestWithParam<CalcCase> {
  protected:
    void SetUp() override {
        numberState = {};
        matrices = {};
        calc.open(EquationList{});
    }
    ScriptedUi ui;
    MatrixSet matrices;
    CalculatorView view;
    Calculator calc{matrices, view};
};

TEST_P(CalculatorFlows, MatricesPicturesAndLabels) {
    const CalcCase& c = GetParam();
    ui.answers.assign(c.answers.begin(), c.answers.end());
    c.action(calc, matrices);
    EXPECT_EQ(ui.texts(), c.asked);
    EXPECT_EQ(ui.unscripted, 0);
    EXPECT_EQ(matricesText(matrices), c.matrices);
    EXPECT_EQ(picturesText(view), c.pictures);
    EXPECT_EQ(labelsText(view), c.labels);
}

INSTANTIATE_TEST_SUITE_P(Handlers, CalculatorFlows, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PowerCaption, ExponentThenTheArrow) {
    EXPECT_EQ(powerCaption(3), "3乗=>C");
    EXPECT_EQ(powerCaption(40), "40乗=>C");
}

TEST(CalculatorOpening, DeltaShowsBeforeItsMessage) {
    ScriptedUi ui;
    MatrixSet set;
    CalculatorView view;
    Calculator calc(set, view);
    calc.open(EquationList{});
    set.A = M("1 2 3; 2 4 6; 1 1 1");
    std::vector<std::string> deltaWhenAsked;
    calc.changed = [&] {
        if (view.delta)
            deltaWhenAsked.push_back(std::to_string(ui.log.size()));
    };
    calc.invert(MN::A);
    ASSERT_EQ(ui.messages(), std::vector<std::string>{kDeltaZeroMessage});
    ASSERT_FALSE(deltaWhenAsked.empty());
    EXPECT_EQ(deltaWhenAsked.front(), "0");  // ⊿ was on its picture before the message
}

}  // namespace

namespace {

struct PictureCase {
    const char* name;
    const char* matrix;
    const char* caption;
    bool plain;
    int top;                                    // the matrix's first row
    std::vector<TextPiece> coefficientOrPlain;  // the coefficient's texts, or the plain number's
    int width;                                  // the right end of what is drawn
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const kStackedFour =
    "1/2 1/3 1/4 1/5; 1/6 1/7 1/8 1/9; 1/2 1/3 1/4 1/5; 1/6 1/7 1/8 1/9";

const PictureCase kPictureCases[] = {
    {"OneByOneIsAPlainNumber", "(2) 3", "", true, 60, {{"6", 45, 65}}, 53},
    {"NegativeFractionCoefficient",
     "(-1/2) 1 0; 0 1",
     "",
     false,
     48,
     {{"-", 2, 67}, {"1", 12, 57}, {"2", 12, 75}},
     126},
    {"FourRowsAloneAreCentred", "1 0 0 0; 0 1 0 0; 0 0 1 0; 0 0 0 1", "", false, 24, {}, 206},
    // Four rows of fractions are taller than the room under a caption.
    {"FourRowsMoveBelowTheCaption", kStackedFour, "Aの逆行列", false, kCaptionBottom, {}, 206},
    {"ThreeRowsStayWhereTheyAre", "1 0 0; 0 1 0; 0 0 1", "Ａの 40乗", false, 36, {}, 166},
    {"WideEntriesPushTheBracketOut",
     "-1234 5678 -1357 2468; 1 2 3 4; 5 6 7 8; 9 10 11 12",
     "",
     false,
     24,
     {},
     254},
};

class CalculatorPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(CalculatorPictures, LayoutOfTheDescription) {
    const PictureCase& c = GetParam();
    MatrixPictureView view;
    view.drawn = true;
    view.matrix = M(c.matrix);
    view.caption = c.caption;
    describeMatrixPicture(view);
    auto matrices = view.picture.all<CalcMatrixItem>();
    ASSERT_EQ(matrices.size(), 1u);
    const CalcMatrixItem& m = *matrices[0];
    EXPECT_EQ(m.plain, c.plain);
    EXPECT_EQ(m.top, c.top);
    if (!c.plain) {
        EXPECT_EQ(m.leftBracket.top, c.top);
        EXPECT_EQ(m.rightBracket.bottom, m.bottom);
        EXPECT_EQ(view.matrixBounds.bottom, m.bottom);
    }
    if (!c.coefficientOrPlain.empty()) {
        const FractionItem& f = c.plain ? m.cells[0][0] : *m.coefficient;
        EXPECT_EQ(f.texts, c.coefficientOrPlain);
    } else {
        EXPECT_FALSE(m.coefficient.has_value());
    }
    EXPECT_EQ(view.drawnWidth, c.width);
    auto captions = view.picture.all<CaptionItem>();
    if (*c.caption) {
        ASSERT_EQ(captions.size(), 1u);
        EXPECT_EQ(captions[0]->text, c.caption);
        EXPECT_EQ(captions[0]->colour, kRgbBlue);
        EXPECT_EQ(captions[0]->x, 0);
        EXPECT_EQ(captions[0]->y, 0);
    } else {
        EXPECT_TRUE(captions.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Matrices, CalculatorPictures, ::testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorPictures, EmptyPicturesAndDelta) {
    MatrixPictureView view;
    view.caption = "Ａ×Ｂ";
    describeMatrixPicture(view);  // a caption on a white picture
    EXPECT_EQ(view.picture.items.size(), 1u);
    EXPECT_EQ(view.drawnWidth, 0);
    Picture delta;
    const int shortDelta = describeDelta(delta, Fraction{1, -2, '/'});
    EXPECT_GT(shortDelta, 40);
    EXPECT_LE(shortDelta, kDeltaPictureWidth);
    // The largest ⊿ reaches beyond the 121-pixel picture: the window fits it in.
    EXPECT_GT(describeDelta(delta, Fraction{1, -2147483647, '/'}), kDeltaPictureWidth);
    describeDelta(delta, Fraction{1, -2, '/'});
    auto numbers = delta.all<NumberItem>();
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0]->left, 40);
    EXPECT_EQ(numbers[0]->top, kDeltaTop);
    EXPECT_EQ(describeDelta(delta, std::nullopt), 0);
    EXPECT_TRUE(delta.empty());
}

}  // namespace
