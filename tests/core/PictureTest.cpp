// The picture descriptions of numbers: where the calculator's fractions,
// matrices and ⊿ and the keypad's fair copy put every text, bar and bracket.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "arith/NumberText.h"
#include "picture/Picture.h"
#include "tests/support/RowName.h"

namespace {

Fraction f(int32_t numerator, int32_t denominator = 1) {
    return Fraction{denominator, numerator, '/'};
}

// ---- a single stacked fraction, placed at (10, 5) --------------------------------

struct FractionCase {
    Fraction value;
    std::vector<TextPiece> texts;
    PixelRect bar;
    int right;
};

void PrintTo(const FractionCase& c, std::ostream* out) {
    *out << c.value.numerator << "/" << c.value.denominator;
}

class FractionLayoutTest : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FractionLayoutTest, TextsBarAndPenFollowFromTheReducedValue) {
    const FractionCase& c = GetParam();
    const FractionItem item = fractionItem(c.value, 10, 5);
    EXPECT_EQ(item.texts, c.texts);
    EXPECT_EQ(item.bar, c.bar);
    EXPECT_EQ(item.right, c.right);
    EXPECT_EQ(item.x, 10);
    EXPECT_EQ(item.y, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, FractionLayoutTest,
    ::testing::Values(
        // Numerator at y, denominator at y + 18, bar at y + 15, 8 pixels a digit.
        FractionCase{f(1, 2), {{"1", 20, 5}, {"2", 20, 23}}, {20, 20, 28, 21}, 28},
        FractionCase{f(2, 4), {{"1", 20, 5}, {"2", 20, 23}}, {20, 20, 28, 21}, 28},
        // The sign at (x, y + 10), the number 10 pixels on either way: the
        // painter sets the sign against the number.
        FractionCase{f(-1, 2), {{"-", 10, 15}, {"1", 20, 5}, {"2", 20, 23}}, {20, 20, 28, 21}, 28},
        FractionCase{f(3, -4), {{"-", 10, 15}, {"3", 20, 5}, {"4", 20, 23}}, {20, 20, 28, 21}, 28},
        FractionCase{f(-6, -3), {{"2", 20, 15}}, {}, 28},
        FractionCase{f(0, 0), {{"0", 20, 15}}, {}, 28},  // a refused entry shows 0
        FractionCase{f(123), {{"123", 20, 15}}, {}, 44},
        // The shorter text moves 2 pixels right per missing character.
        FractionCase{f(1, 1234), {{"1", 26, 5}, {"1234", 20, 23}}, {20, 20, 52, 21}, 52},
        FractionCase{
            f(-12, 5), {{"-", 10, 15}, {"12", 20, 5}, {"5", 22, 23}}, {20, 20, 36, 21}, 36}),
    RowName());

TEST(FairCopy, IsTheValueAsOneFractionAtFiveFive) {
    const Picture p = fairCopyPicture(f(2, 4));
    const auto fractions = p.all<FractionItem>();
    ASSERT_EQ(p.items.size(), 1u);
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_EQ(fractions[0]->texts, (std::vector<TextPiece>{{"1", 15, 5}, {"2", 15, 23}}));
}

// ---- a matrix of the calculator ----------------------------------------------------

struct CalcCase {
    const char* name;
    Fraction coefficient;
    std::vector<std::vector<Fraction>> cells;
    bool plain;
    int top;
    std::vector<std::string> coefficientTexts;  // empty: no coefficient written
    PixelRect left;
    PixelRect right;
    std::vector<int> columnX;  // where each column's fractions are placed
    std::vector<int> cellY;    // where each row's fractions are placed
    int coefficientY = 0;
};

class CalcMatrixTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcMatrixTest, LayoutFollowsFromTheValues) {
    const CalcCase& c = GetParam();
    const CalcMatrixItem m = makeCalcMatrix(c.coefficient, c.cells);
    EXPECT_EQ(m.plain, c.plain);
    EXPECT_EQ(m.top, c.top);
    std::vector<std::string> coefficient;
    if (m.coefficient) {
        EXPECT_EQ(m.coefficient->x, kCalcCoefficientX);
        EXPECT_EQ(m.coefficient->y, c.coefficientY);
        for (const TextPiece& t : m.coefficient->texts)
            coefficient.push_back(t.text);
    }
    EXPECT_EQ(coefficient, c.coefficientTexts);
    EXPECT_EQ(m.leftBracket, c.left);
    EXPECT_EQ(m.rightBracket, c.right);
    ASSERT_EQ(m.cells.size(), c.plain ? 1u : c.cells.size());
    for (std::size_t i = 0; i < m.cells.size(); ++i) {
        ASSERT_EQ(m.cells[i].size(), c.columnX.size());
        for (std::size_t j = 0; j < c.columnX.size(); ++j) {
            EXPECT_EQ(m.cells[i][j].x, c.columnX[j]) << i << "," << j;
            EXPECT_EQ(m.cells[i][j].y, c.cellY[i]) << i << "," << j;
        }
    }
    EXPECT_EQ(m.bottom, c.left.empty() ? m.bottom : c.left.bottom);
}

const std::vector<std::vector<Fraction>> kIdentity = {{f(1), f(0)}, {f(0), f(1)}};

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalcMatrixTest,
    ::testing::Values(
        // Rows of whole numbers are 24 high, their numbers 5 above the row's top.
        CalcCase{"identity",
                 f(1),
                 kIdentity,
                 false,
                 48,
                 {},
                 {30, 48, 44, 96},
                 {112, 48, 126, 96},
                 {47, 87},
                 {43, 67}},
        // Rows are centred in the 145-pixel picture.
        CalcCase{"row",
                 f(1),
                 {{f(1), f(2), f(3)}},
                 false,
                 60,
                 {},
                 {30, 60, 44, 84},
                 {152, 60, 166, 84},
                 {47, 87, 127},
                 {55}},
        CalcCase{"four rows",
                 f(1),
                 std::vector<std::vector<Fraction>>(4, std::vector<Fraction>(4, f(0))),
                 false,
                 24,
                 {},
                 {30, 24, 44, 120},
                 {192, 24, 206, 120},
                 {47, 87, 127, 167},
                 {19, 43, 67, 91}},
        // A row holding a stacked fraction is 36 high, its fractions 3 below
        // the row's top, so the digits of adjacent rows never touch.
        CalcCase{"stacked rows",
                 f(1),
                 {{f(1, 2), f(1)}, {f(1, 3), f(-2, 7)}, {f(5), f(6)}},
                 false,
                 24,
                 {},
                 {30, 24, 44, 120},
                 {112, 24, 126, 120},
                 {47, 87},
                 {27, 63, 91}},
        // A coefficient other than exactly 1 stands left of the bracket, its
        // bar at the middle of the rows.
        CalcCase{"coefficient",
                 f(-1, 2),
                 kIdentity,
                 false,
                 48,
                 {"-", "1", "2"},
                 {30, 48, 44, 96},
                 {112, 48, 126, 96},
                 {47, 87},
                 {43, 67},
                 57},
        CalcCase{"coefficient 2/2",
                 f(2, 2),
                 kIdentity,
                 false,
                 48,
                 {"1"},
                 {30, 48, 44, 96},
                 {112, 48, 126, 96},
                 {47, 87},
                 {43, 67},
                 57},
        // A coefficient too wide for its room moves the bracket and grid right.
        CalcCase{"wide coefficient",
                 f(1234, 5),
                 kIdentity,
                 false,
                 48,
                 {"1234", "5"},
                 {50, 48, 64, 96},
                 {132, 48, 146, 96},
                 {67, 107},
                 {43, 67},
                 57},
        // A wide entry moves the next column right; the bracket follows the
        // widest entry of the last column.
        CalcCase{"wide entries",
                 f(1),
                 {{f(12345), f(1)}, {f(0), f(-1, 1234)}},
                 false,
                 42,
                 {},
                 {30, 42, 44, 102},
                 {152, 42, 166, 102},
                 {47, 103},
                 {37, 69}},
        // 1 x 1: one plain number, cell times coefficient, at x = 35.
        CalcCase{"one by one", f(2), {{f(3)}}, true, 60, {}, {}, {}, {35}, {55}},
        CalcCase{"empty", f(1), {}, false, 0, {}, {}, {}, {}, {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ' || ch == '/')
                ch = '_';
        return name;
    });

TEST(CalcMatrix, OneByOneShowsTheProductWithoutTouchingTheOverflowFlag) {
    numberState.overflow = false;
    const CalcMatrixItem m = makeCalcMatrix(f(2), {{f(3)}});
    ASSERT_EQ(m.cells.size(), 1u);
    EXPECT_EQ(m.cells[0][0].texts, (std::vector<TextPiece>{{"6", 45, 65}}));
    EXPECT_FALSE(m.coefficient);

    const CalcMatrixItem big = makeCalcMatrix(f(65536), {{f(65536)}});
    EXPECT_FALSE(numberState.overflow);
    EXPECT_TRUE(big.plain);
}

// ---- ⊿ ----------------------------------------------------------------------------

TEST(Delta, IsOneNumberInTheWorksheetsWrittenForm) {
    const NumberItem d = deltaItem(f(-3, 2), 25);
    EXPECT_EQ(d.left, 40);
    EXPECT_EQ(d.top, 25);
    ASSERT_EQ(d.layout.pieces.size(), 2u);
    EXPECT_TRUE(d.layout.pieces[0].sign);
    EXPECT_EQ(d.layout.pieces[0].text, "-");
    EXPECT_EQ(d.layout.pieces[1].kind, PieceKind::Stacked);
    EXPECT_EQ(d.layout.pieces[1].numerator, "3");
    EXPECT_EQ(d.layout.pieces[1].denominator, "2");

    const NumberItem whole = deltaItem(f(12), 20);
    ASSERT_EQ(whole.layout.pieces.size(), 1u);
    EXPECT_EQ(whole.layout.pieces[0].text, "12");
    EXPECT_TRUE(whole.layout.pieces[0].centred);
}

}  // namespace

// ---- what a picture says to a screen reader ---------------------------------------

namespace {

EquationRow row(const char* text, int unknowns) {
    EquationRow r;
    Messages said;
    EXPECT_TRUE(parseEquationLine(text, r, unknowns, said)) << text;
    return r;
}

Picture with(std::initializer_list<PictureItem> items) {
    Picture p;
    for (const PictureItem& item : items)
        p.add(item);
    return p;
}

// Step 2 of a system, as the worksheet draws it.
StepMatrixItem stepMatrix(std::initializer_list<const char*> lines) {
    EquationList list;
    list.unknownCount = static_cast<int>(lines.size());
    int i = 1;
    for (const char* line : lines)
        list.rows[i++] = row(line, list.unknownCount);
    return makeStepMatrix(list, 2);
}

struct NarrativeCase {
    const char* name;
    Picture picture;
    std::string said;
};

class NarrativeTest : public ::testing::TestWithParam<NarrativeCase> {};

TEST_P(NarrativeTest, SaysWhatThePictureShows) {
    EXPECT_EQ(pictureNarrative(GetParam().picture), GetParam().said);
}

OpLabelItem opLabel(const char* text) {
    return OpLabelItem{46, text};
}

Picture twoLabels() {
    Picture p;
    p.drawOpLabel(opLabel("①＋"));
    p.drawOpLabel(opLabel("①＋②"));
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    Worksheet, NarrativeTest,
    ::testing::Values(
        NarrativeCase{"Empty", Picture{}, ""},
        NarrativeCase{"Task",
                      with({makeEquations({row("x+2y=3", 2), row("2x-y=1", 2)}, kRgbBlack, 40, 0,
                                          Shape::KakkoSS, false),
                            textLine(1, "1(1)つぎの連立方程式を解きなさい")}),
                      "x+2y=3、2x-y=1　1(1)つぎの連立方程式を解きなさい"},
        NarrativeCase{"DecimalsAsWritten",
                      with({makeEquations({row("0.5x+y=1.5", 2), row("x-1/3y=0", 2)}, kRgbBlack, 40,
                                          0, Shape::KakkoSS, true)}),
                      "0.5x+y=1.5、x-1/3y=0"},
        NarrativeCase{
            "StepWithItsNarrative",
            with({stepMatrix({"3x+y=4", "2x-y=1/2"}), textLine(1, "第1行に第2行をたすと")}),
            "第1行に第2行をたすと　［3, 1 | 4］［2, -1 | 1/2］"},
        NarrativeCase{"CaptionThenMatrix",
                      with({stepMatrix({"x=1", "y=2"}), CaptionItem{0, 5, "係数の行列を作ると"}}),
                      "係数の行列を作ると　［1, 0 | 1］［0, 1 | 2］"},
        NarrativeCase{"ZeroRowOfASpecialSystem",
                      with({makeEquations({row("0x+0y=5", 2), row("x-y=0", 2)}, kRgbBlack, 40, 0,
                                          Shape::KakkoSS, false)}),
                      "0=5、x-y=0"},
        NarrativeCase{"OnlyTheLastOperationLabel", twoLabels(), "①＋②"},
        NarrativeCase{"FairCopyReduced", fairCopyPicture(f(-6, 4)), "-3/2"},
        NarrativeCase{"Delta", with({deltaItem(f(-2), 25)}), "デルタ＝-2"},
        // The calculator's matrices: rows of reduced entries, a coefficient
        // before them, the result's caption first, a 1 x 1 matrix as its one
        // number (the cell times the coefficient).
        NarrativeCase{"CalcIdentity", with({makeCalcMatrix(f(1), {{f(1), f(0)}, {f(0), f(1)}})}),
                      "［1, 0］［0, 1］"},
        NarrativeCase{"CalcCoefficientAndFractions",
                      with({makeCalcMatrix(f(-1, 2), {{f(2, 4), f(-3)}, {f(0, 5), f(7, -2)}})}),
                      "係数-1/2　［1/2, -3］［0, -7/2］"},
        NarrativeCase{"CalcOneRowThreeColumns", with({makeCalcMatrix(f(3), {{f(1), f(2), f(3)}})}),
                      "係数3　［1, 2, 3］"},
        NarrativeCase{"CalcResultWithCaption",
                      with({makeCalcMatrix(f(1, 5), {{f(4), f(-2)}, {f(-3), f(1)}}),
                            CaptionItem{0, 0, "Aの逆行列", kRgbBlue}}),
                      "Aの逆行列　係数1/5　［4, -2］［-3, 1］"},
        NarrativeCase{"CalcOneByOneIsItsProduct", with({makeCalcMatrix(f(2, 3), {{f(3, 4)}})}),
                      "1/2"},
        NarrativeCase{"CalcEmpty", with({makeCalcMatrix(f(1), {})}), ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
