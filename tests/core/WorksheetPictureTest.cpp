// The worksheet's pictures as their descriptions lay them out: the columns
// of a step matrix never overlap and its bracket encloses them, a caption
// stays clear of the bracket below it, a brace spans its equations, and the
// pieces of an equation are set on one baseline, a term's pieces together.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "arith/NumberText.h"
#include "arith/TermLayout.h"
#include "picture/Picture.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedUi.h"

namespace {

// ---- step matrices ---------------------------------------------------------

struct MatrixCase {
    const char* name;
    // Rows of "coefficients... constant" as fractions "n" or "n/d".
    std::vector<std::vector<const char*>> rows;
    int pictureWidth;  // 0: no limit
    int charWidth;     // the character width the matrix is drawn with
    bool natural;      // every column at its 40-pixel place
};

std::ostream& operator<<(std::ostream& out, const MatrixCase& c) {
    return out << c.name;
}

Fraction value(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos)
        return Fraction{1, std::stoi(text), '/'};
    return Fraction{std::stoi(text.substr(slash + 1)), std::stoi(text.substr(0, slash)), '/'};
}

// The rows as step 2 of an equation list.
EquationList listOf(const std::vector<std::vector<const char*>>& rows) {
    EquationList list;
    const int n = static_cast<int>(rows.size());
    list.unknownCount = n;
    for (int r = 0; r < n; ++r) {
        EquationRow& row = list.rows[list.index(2, r)];
        row.count = n + 2;
        for (int j = 0; j < n; ++j) {
            row.terms[j] = value(rows[r][j]);
            row.terms[j].kind = kUnknownLetters[j];
        }
        row.terms[n] = Fraction{1, 0, '='};
        row.terms[n + 1] = value(rows[r][n]);
    }
    return list;
}

class StepMatrixLayoutTest : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(StepMatrixLayoutTest, ColumnsNeverOverlapAndTheBracketEnclosesThem) {
    const MatrixCase& c = GetParam();
    const StepMatrixItem m = makeStepMatrix(listOf(c.rows), 2, c.pictureWidth);
    const int n = static_cast<int>(c.rows.size());
    ASSERT_EQ(static_cast<int>(m.rows.size()), n);
    EXPECT_EQ(m.charWidth, c.charWidth);

    // Every row puts a column at the same x; each entry is as wide as its
    // characters.
    std::vector<int> columnX(n + 1), columnWidth(n + 1, 0);
    for (int j = 0; j <= n; ++j) {
        columnX[j] = m.rows[0][j].x;
        for (const auto& row : m.rows) {
            ASSERT_EQ(row.size(), static_cast<std::size_t>(n + 1));
            EXPECT_EQ(row[j].x, columnX[j]) << "column " << j;
            EXPECT_EQ(row[j].width, entryWidth(row[j].value, m.charWidth));
            columnWidth[j] = std::max(columnWidth[j], row[j].width);
        }
    }
    // Column x strictly increasing by at least each column's width and a
    // character; the place of "=" stays empty before the constants.
    EXPECT_EQ(columnX[0], kMatrixLeft);
    for (int j = 0; j + 1 < n; ++j)
        EXPECT_GE(columnX[j + 1] - columnX[j], columnWidth[j] + m.charWidth) << "column " << j;
    EXPECT_GE(columnX[n] - columnX[n - 1], columnWidth[n - 1] + 2 * m.charWidth);
    if (c.natural) {
        for (int j = 0; j < n; ++j)
            EXPECT_EQ(columnX[j], kMatrixLeft + kMatrixColumnStep * j);
        EXPECT_EQ(columnX[n], kMatrixLeft + kMatrixColumnStep * (n + 1));
    }

    // The right bracket after the widest constant, the left one before the
    // first column, both over every row; inside the picture when it has a width.
    EXPECT_EQ(m.drawnWidth, columnX[n] + columnWidth[n]);
    const PixelRect left = leftBracket(m).rect;
    const PixelRect right = rightBracket(m).rect;
    EXPECT_LE(left.right, columnX[0]);
    EXPECT_GT(right.left, m.drawnWidth);
    EXPECT_EQ(left.top, m.firstLineTop);
    EXPECT_EQ(right.bottom, m.rowTop(n - 1) + kMatrixRowHeight);
    if (c.pictureWidth > 0 && c.charWidth > kMinEntryCharWidth) {
        EXPECT_LE(right.right, c.pictureWidth);
    }
    // The band of a row reaches past the widest constant.
    EXPECT_GT(bandFor(m, n - 1).rect.right, m.drawnWidth);
}

const char* const kBig = "99980001";
const char* const kBiggest = "-2147483647";

INSTANTIATE_TEST_SUITE_P(
    Matrices, StepMatrixLayoutTest,
    ::testing::Values(
        MatrixCase{"TwoUnknowns", {{"1", "1", "7"}, {"1", "-1", "3"}}, 286, 9, true},
        MatrixCase{"FourUnknowns",
                   {{"1", "1", "1", "1", "10"},
                    {"1", "-1", "1", "-1", "-2"},
                    {"1", "1", "-1", "-1", "-4"},
                    {"1", "-1", "-1", "1", "0"}},
                   374,
                   9,
                   true},
        // On a screen 800 wide the two-digit constant would push the
        // bracket out: the columns draw closer, the digits keep their size.
        MatrixCase{"FourUnknownsOn800",
                   {{"1", "1", "1", "1", "10"},
                    {"1", "-1", "1", "-1", "-2"},
                    {"1", "1", "-1", "-1", "-4"},
                    {"1", "-1", "-1", "1", "0"}},
                   286,
                   9,
                   false},
        MatrixCase{
            "FractionsStayInPlace", {{"-12/35", "1/2", "-7/8"}, {"1", "-1", "3"}}, 286, 9, true},
        MatrixCase{"FourDigitsMoveTheNextColumn",
                   {{"9999", "9999", "69993"}, {"1", "-1", "3"}},
                   286,
                   9,
                   false},
        MatrixCase{"WideEntriesOnAWideScreen",
                   {{kBig, kBig, "699860007"}, {"1", "-1", "3"}},
                   374,
                   9,
                   false},
        MatrixCase{"WideEntriesNarrowedFor800",
                   {{kBig, kBig, "699860007"}, {"1", "-1", "3"}},
                   286,
                   7,
                   false},
        MatrixCase{"WideFractionInTheMiddleRow",
                   {{"1", "0", "0", "1"}, {"0", "-1234/5678", "0", "2"}, {"0", "0", "1", "3"}},
                   374,
                   9,
                   false},
        MatrixCase{"TooWideForAnyPicture",
                   {{kBiggest, kBiggest, kBiggest, kBiggest, kBiggest},
                    {"1", "1", "1", "1", "1"},
                    {"1", "1", "1", "1", "1"},
                    {"1", "1", "1", "1", "1"}},
                   286,
                   kMinEntryCharWidth,
                   false},
        MatrixCase{"NoPictureWidthKeepsNinePixelCharacters",
                   {{kBig, kBig, kBig}, {"1", "1", "1"}},
                   0,
                   9,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- rows, captions, braces -------------------------------------------------

TEST(WorksheetPictureGeometry, StackedFractionsOfAdjacentRowsKeepAGap) {
    // A denominator's digits end on its baseline; the next row's numerator
    // begins kDigitHeight above its own.
    for (int r = 0; r < 3; ++r) {
        const int denominatorBottom = 15 + kMatrixRowHeight * r + kEntryDenominatorBaseline;
        const int nextNumeratorTop =
            15 + kMatrixRowHeight * (r + 1) + kEntryNumeratorBaseline - kDigitHeight;
        EXPECT_GE(nextNumeratorTop - denominatorBottom, 3);
    }
    // Within a row: numerator, bar, denominator in that order, apart.
    EXPECT_LT(kEntryNumeratorBaseline, kEntryBarTop);
    EXPECT_LT(kEntryBarTop + 1, kEntryDenominatorBaseline - kDigitHeight + 1);
    EXPECT_LT(kStackedNumeratorBaseline, kStackedBarTop);
    EXPECT_LE(kStackedBarTop + 1, kStackedDenominatorBaseline - kNumberDigitHeight);
}

struct BraceCase {
    int equations;
    int layoutValue;  // as the task (set-up and next question) and the answer use it
};

std::ostream& operator<<(std::ostream& out, const BraceCase& c) {
    return out << c.equations << " equations at " << c.layoutValue;
}

class BraceTest : public ::testing::TestWithParam<BraceCase> {};

TEST_P(BraceTest, SpansTheEquationsInsideThePicture) {
    const BraceCase& c = GetParam();
    std::vector<EquationRow> rows(c.equations);
    const EquationsItem e =
        makeEquations(rows, kRgbBlack, c.layoutValue, 0, braceFor(c.equations), false);
    // From the first line's top to the last line's bottom.
    EXPECT_EQ(e.braceRect.top, c.layoutValue);
    EXPECT_EQ(e.braceRect.bottom, c.layoutValue + kLineSpacing * c.equations);
    // Inside a picture 139 pixels high, below text line 1.
    EXPECT_LE(e.braceRect.bottom, 139);
    EXPECT_GE(e.braceRect.top, textLine(1, "").y + kTextLineHeight - 2);
    // The equations start right of the brace.
    EXPECT_GT(e.firstColumn * kColumnPixels, e.braceRect.right);
}

INSTANTIATE_TEST_SUITE_P(Layouts, BraceTest,
                         ::testing::Values(BraceCase{2, 40}, BraceCase{3, 30}, BraceCase{4, 15},
                                           BraceCase{2, 25}, BraceCase{3, 20}),
                         RowName());

TEST(WorksheetPictureGeometry, CaptionStaysClearOfTheBracketBelowIt) {
    for (int n = 2; n <= 4; ++n) {
        const int top = firstLineTopFor(n);
        const CaptionItem c = captionAbove(top, "係数の行列を作ると");
        EXPECT_LE(c.y + kTextLineHeight, top) << n;
        EXPECT_GE(c.y, 0) << n;
        EXPECT_EQ(c.y, n == 4 ? top - kTextLineHeight : 5) << n;
    }
}

// ---- equations -----------------------------------------------------------------

struct EquationCase {
    const char* text;
    int unknowns;
    // Adjacent pieces "a|b" (piece texts) that stand close together: the gap
    // between their boxes; every other pair stands kTermGap apart.
    std::vector<std::pair<std::string, int>> close;
};

std::ostream& operator<<(std::ostream& out, const EquationCase& c) {
    return out << c.text;
}

std::string pieceText(const TermPiece& p) {
    return p.kind == PieceKind::Stacked ? p.numerator + "/" + p.denominator : p.text;
}

class EquationTypesetTest : public ::testing::TestWithParam<EquationCase> {
  protected:
    ScriptedUi ui;
};

TEST_P(EquationTypesetTest, TermsTogetherOnOneBaseline) {
    const EquationCase& c = GetParam();
    EquationRow row;
    Messages said;
    ASSERT_TRUE(parseEquationLine(c.text, row, c.unknowns, said));
    const EquationLayout line = layoutEquation(row, false);
    ASSERT_FALSE(line.pieces.empty());
    for (std::size_t k = 0; k < line.pieces.size(); ++k) {
        const TermPiece& p = line.pieces[k];
        // Numbers, signs, "=" and letters share one baseline; a stacked
        // fraction has its own above and below the bar.
        EXPECT_EQ(p.baseline,
                  p.kind == PieceKind::Stacked ? kStackedNumeratorBaseline : kTermBaseline);
        EXPECT_GT(p.boxWidth, 0);
        if (k == 0)
            continue;
        const TermPiece& before = line.pieces[k - 1];
        const std::string pair = pieceText(before) + "|" + pieceText(p);
        const int gap = p.x - (before.x + before.boxWidth);
        int expected = kTermGap;
        for (const auto& [close, closeGap] : c.close)
            if (close == pair)
                expected = closeGap;
        EXPECT_EQ(gap, expected) << pair;
    }
    EXPECT_EQ(line.pixelWidth, line.pieces.back().x + line.pieces.back().boxWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, EquationTypesetTest,
    ::testing::Values(
        EquationCase{"x+y=7", 2, {}},
        // A coefficient stands next to its letter.
        EquationCase{"2x+3y=13", 2, {{"2|x", kLetterGap}, {"3|y", kLetterGap}}},
        // A negative constant reads "= −2"; a leading minus holds its term.
        EquationCase{"-x-y=-2", 2, {{"-|x", 0}, {"-|2", 0}}},
        EquationCase{
            "1/2x-3/4y=-5/6", 2, {{"1/2|x", kLetterGap}, {"3/4|y", kLetterGap}, {"-|5/6", 0}}},
        EquationCase{"-12x+y-z+w=-100", 4, {{"-|12", 0}, {"12|x", kLetterGap}, {"-|100", 0}}}),
    RowName());

}  // namespace
