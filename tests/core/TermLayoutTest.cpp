#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arith/NumberText.h"
#include "arith/TermLayout.h"
#include "tests/support/ScriptedUi.h"

namespace {

using Texts = std::vector<std::string>;

// One piece as "column:what", what being the text, "n/d" for a stacked
// fraction (with its width after "w"), "<x>" for a letter.
std::string describe(const TermPiece& p) {
    std::string what;
    switch (p.kind) {
        case PieceKind::Text:
            what = p.text;
            break;
        case PieceKind::Stacked:
            what = p.numerator + "/" + p.denominator + "w" + std::to_string(p.width);
            break;
        case PieceKind::Letter:
            what = "<" + p.text + ">";
            break;
    }
    return std::to_string(p.column) + ":" + what;
}

struct TermLayoutTest : ::testing::Test {
    ScriptedUi ui;
    void SetUp() override { numberState = {}; }

    EquationRow parsed(const std::string& line, int unknowns = 2) {
        EquationRow r;
        Messages said;
        EXPECT_TRUE(parseEquationLine(line, r, unknowns, said)) << line;
        return r;
    }
    Texts pieces(const EquationRow& r, bool decimal = false) {
        Texts out;
        for (const auto& p : layoutEquation(r, decimal).pieces)
            out.push_back(describe(p));
        return out;
    }
    EquationRow written(const std::vector<Fraction>& terms) {
        EquationRow r;
        for (const auto& t : terms)
            appendTerm(r, t);
        return r;
    }
};

TEST_F(TermLayoutTest, CanonicalRowsReadAsWritten) {
    EXPECT_EQ(pieces(parsed("2x+3y=5")),
              (Texts{"0:2", "3:<x>", "5:+", "7:3", "10:<y>", "12:=", "14:5"}));
    // Coefficients ±1 are written as nothing; a negative constant keeps its sign.
    EXPECT_EQ(pieces(parsed("x-y=-4")), (Texts{"0:<x>", "2:-", "4:<y>", "6:=", "8:-", "10:4"}));
    // A zero coefficient is not drawn, and the next letter gets no "+".
    EXPECT_EQ(pieces(parsed("0x+y=3")), (Texts{"0:<y>", "2:=", "4:3"}));
    EXPECT_EQ(pieces(parsed("x+y=0")), (Texts{"0:<x>", "2:+", "4:<y>", "6:=", "8:0"}));
}

TEST_F(TermLayoutTest, PieceGeometry) {
    EquationLayout l = layoutEquation(parsed("12x-3/4y=345"), false);
    ASSERT_EQ(l.pieces.size(), 7u);
    const TermPiece& whole = l.pieces[0];
    EXPECT_EQ(whole.kind, PieceKind::Text);
    EXPECT_TRUE(whole.centred);
    EXPECT_EQ(whole.width, 2);
    EXPECT_EQ(whole.yOffset, 12);
    const TermPiece& letter = l.pieces[1];
    EXPECT_EQ(letter.kind, PieceKind::Letter);
    EXPECT_EQ(letter.yOffset, 8);
    EXPECT_EQ(letter.width, 1);
    EXPECT_TRUE(l.pieces[2].sign);
    EXPECT_EQ(l.pieces[2].text, "-");
    const TermPiece& stacked = l.pieces[3];
    EXPECT_EQ(stacked.kind, PieceKind::Stacked);
    EXPECT_EQ(stacked.numerator, "3");
    EXPECT_EQ(stacked.denominator, "4");
    EXPECT_EQ(stacked.width, 2);  // one digit, raised to even
    EXPECT_EQ(stacked.yOffset, 0);
    EXPECT_EQ(l.pieces[6].text, "345");
    EXPECT_EQ(l.pieces[6].width, 4);  // three digits, raised to even
    EXPECT_EQ(l.pieces[6].term, 3);

    EXPECT_EQ(pieces(written({Fraction{-345, 12, 'x'}})), (Texts{"0:-", "2:12/345w4", "7:<x>"}));
}

TEST_F(TermLayoutTest, DecimalsWhileTheLineHadAPoint) {
    EquationRow r = parsed("1.25x-0.5y=1/3");
    EXPECT_EQ(pieces(r, true), (Texts{"0:1.25x", "6:-", "8:0.5y", "13:=", "15:1/3w2"}));
    EXPECT_EQ(layoutEquation(r, true).pieces[0].width, 5);
    EXPECT_EQ(pieces(r, false),
              (Texts{"0:5/4w2", "3:<x>", "5:-", "7:1/2w2", "10:<y>", "12:=", "14:1/3w2"}));
    // Whole numbers stay whole in decimal mode.
    EXPECT_EQ(pieces(parsed("2x=3"), true), (Texts{"0:2", "3:<x>", "5:=", "7:3"}));
}

TEST_F(TermLayoutTest, WrittenFormSignsAndBrackets) {
    // -1 before a bracket shows as a bare minus; brackets are drawn.
    EquationRow r = written({Fraction{1, -1, '/'}, Fraction{1, 0, '('}, Fraction{1, 1, 'x'},
                             Fraction{1, 3, '/'}, Fraction{1, 0, ')'}, Fraction{1, 0, '='},
                             Fraction{1, 8, '/'}});
    EXPECT_EQ(pieces(r), (Texts{"0:-", "2:(", "4:<x>", "6:+", "8:3", "11:)", "13:=", "15:8"}));
    // A plain 1 before a bracket is not written at all.
    r = written(
        {Fraction{1, 1, '/'}, Fraction{1, 0, '['}, Fraction{1, 1, 'y'}, Fraction{1, 0, ']'}});
    EXPECT_EQ(pieces(r), (Texts{"0:[", "2:<y>", "4:]"}));
    // A letter after a number gets its "+"; after "=" nothing; after "*" nothing.
    r = written({Fraction{1, 3, '/'}, Fraction{1, 2, 'x'}, Fraction{1, 0, '='}, Fraction{1, 1, 'y'},
                 Fraction{1, 0, '*'}, Fraction{1, 5, '/'}});
    EXPECT_EQ(pieces(r), (Texts{"0:3", "3:+", "5:2", "8:<x>", "10:=", "12:<y>", "14:5"}));
}

TEST_F(TermLayoutTest, LineWidthAgainstThirtyColumns) {
    EquationLayout l = layoutEquation(parsed("x+y+z+w=10", 4), false);
    EXPECT_EQ(l.columns, 18);
    EXPECT_TRUE(l.narrow);
    l = layoutEquation(parsed("2x+3y+4z+5w=10", 4), false);
    EXPECT_EQ(l.columns, 30);
    EXPECT_FALSE(l.narrow);
    EquationRow empty;
    EXPECT_TRUE(layoutEquation(empty, false).pieces.empty());
    EXPECT_EQ(layoutEquation(empty, false).columns, 0);
}

TEST_F(TermLayoutTest, StepLinesAndFonts) {
    EquationList list;
    list.unknownCount = 2;
    list.rows[1] = parsed("x+y=3");
    list.rows[2] = parsed("x-y=1/2");
    list.rows[2].text = "step two";
    StepLayout s = layoutStep(list, 2, 100, false);
    ASSERT_TRUE(s.inList);
    ASSERT_EQ(s.lines.size(), 2u);
    EXPECT_EQ(s.lines[0].line, 1);
    EXPECT_EQ(s.lines[0].y, 25);
    EXPECT_EQ(s.lines[1].y, 55);
    EXPECT_EQ(s.lines[0].startColumn, 8);  // (100 + 5) / 16 + 2
    EXPECT_EQ(s.narrative, "step two");
    EXPECT_FALSE(s.lines[0].holdsFraction);
    EXPECT_TRUE(s.lines[1].holdsFraction);
    EXPECT_FALSE(s.secondFont);
    // Step 1 shows the question rows, not row 1 twice.
    EXPECT_EQ(layoutStep(list, 1, 100, false).lines[1].line, 2);
    EXPECT_EQ(layoutStep(list, 2, 25, false, 40).lines[1].y, 70);
    EXPECT_EQ(layoutStep(list, 2, 25, false).lines[0].startColumn, 3);

    list.unknownCount = 4;
    for (int i = 1; i <= 4; ++i)
        list.rows[i] = parsed("x+y+z+w=1", 4);
    s = layoutStep(list, 2, 0, false);
    EXPECT_EQ(s.lines[0].y, 20);
    EXPECT_EQ(s.lines[3].y, 110);
    EXPECT_FALSE(s.secondFont);
    list.rows[3].terms[0] = Fraction{2, 1, 'x'};
    EXPECT_FALSE(layoutStep(list, 2, 0, false).secondFont);  // one row is not enough
    list.rows[4].terms[5] = Fraction{3, 1, '/'};
    EXPECT_TRUE(layoutStep(list, 2, 0, false).secondFont);
    list.rows[4].terms[5] = Fraction{1, 1, '/'};
    list.rows[4].terms[4] = Fraction{3, 0, '='};  // the equals term does not count
    EXPECT_FALSE(layoutStep(list, 2, 0, false).secondFont);

    list.unknownCount = 3;
    for (int i = 1; i <= 3; ++i)
        list.rows[i].terms[0] = Fraction{2, 1, 'x'};
    EXPECT_FALSE(layoutStep(list, 2, 0, false).secondFont);  // only with four unknowns

    list.unknownCount = 4;
    EXPECT_TRUE(layoutStep(list, 32, 0, false).inList);
    EXPECT_FALSE(layoutStep(list, 33, 0, false).inList);
    EXPECT_TRUE(layoutStep(list, 33, 0, false).lines.empty());
}

}  // namespace
