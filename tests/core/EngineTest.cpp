#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/NumberText.h"
#include "tests/support/ScriptedUi.h"

namespace {

using Texts = std::vector<std::string>;

// Terms of a written-form row, built by hand: "2x" "3" "=" "(" …
Fraction term(const std::string& t) {
    if (t == "=" || t == "(" || t == ")" || t == "[" || t == "]" || t == "{" || t == "}")
        return Fraction{1, 0, t[0]};
    char kind = '/';
    std::string number = t;
    if (!t.empty() && t.back() >= 'a' && t.back() <= 'z') {
        kind = t.back();
        number = t.substr(0, t.size() - 1);
        if (number.empty() || number == "-")
            number += "1";
    }
    int32_t n = 0, d = 1;
    auto slash = number.find('/');
    if (slash == std::string::npos) {
        n = std::stoi(number);
    } else {
        n = std::stoi(number.substr(0, slash));
        d = std::stoi(number.substr(slash + 1));
    }
    return Fraction{d, n, kind};
}

std::string show(const Fraction& f) {
    if (f.kind == '=' || f.kind == '(' || f.kind == ')' || f.kind == '[' || f.kind == ']' ||
        f.kind == '{' || f.kind == '}')
        return std::string(1, f.kind);
    std::string v = std::to_string(f.numerator);
    if (f.denominator != 1)
        v += "/" + std::to_string(f.denominator);
    return f.kind == '/' ? v : v + f.kind;
}

struct EngineTest : ::testing::Test {
    ScriptedUi ui;
    EquationList list;

    void SetUp() override { numberState = {}; }

    // Loads the question: one line per unknown into rows 1 … unknownCount.
    void load(const Texts& lines) {
        list.clear();
        list.unknownCount = static_cast<int>(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            Messages said;
            ASSERT_TRUE(parseEquationLine(lines[i], list.rows[i + 1], list.unknownCount, said))
                << lines[i];
            showMessages(said);
        }
    }
    // The engine as the drill runs it: what it hands back is shown through
    // the port, in order, and a division by zero is asked there.
    StepOutcome executeStep(EquationList& l, const StepSelection& s, int firstRow, char op,
                            int secondRow) {
        StepOutcome out = ::executeStep(l, s, firstRow, op, secondRow, askAbortRetryIgnoreBox);
        showMessages(out.messages);
        return out;
    }
    void write(int line, const Texts& terms) {
        EquationRow& r = list.rows[line];
        r.count = 0;
        for (const auto& t : terms)
            ASSERT_TRUE(appendTerm(r, term(t)));
    }
    Texts terms(int line) const {
        Texts out;
        for (int i = 0; i < list.rows[line].count; ++i)
            out.push_back(show(list.rows[line].terms[i]));
        return out;
    }
    // A selection for step `step` with rows given by their number in the block.
    StepSelection sel(int step, const std::string& r1, const std::string& r2 = "",
                      const std::string& number = "") {
        StepSelection s;
        s.step = step;
        s.row1Text = r1;
        s.row2Text = r2;
        s.numberText = number;
        s.secondIsRow = number.empty();
        return s;
    }
    // Every row's terms, count and text, for "nothing changed" checks.
    std::vector<std::pair<Texts, std::string>> everything() const {
        std::vector<std::pair<Texts, std::string>> out;
        for (int i = 0; i < kListRows; ++i)
            out.emplace_back(terms(i), list.rows[i].text);
        return out;
    }
    void expectRefused(const StepOutcome& out, const std::string& message) {
        EXPECT_FALSE(out.accepted);
        EXPECT_TRUE(out.narrative.empty());
        EXPECT_EQ(ui.messages(), Texts{message});
        ui.clear();
    }
};

// --- the list -------------------------------------------------------------

TEST_F(EngineTest, BlocksAndLabels) {
    list.unknownCount = 2;
    EXPECT_EQ(list.index(1, 1), 1);
    EXPECT_EQ(list.index(2, 0), 1);
    EXPECT_EQ(list.index(2, 1), 2);
    EXPECT_EQ(list.index(3, 0), 3);
    EXPECT_EQ(list.index(3, 1), 4);
    EXPECT_EQ(list.index(28, 0), 53);
    EXPECT_EQ(list.index(28, 1), 54);
    list.unknownCount = 4;
    EXPECT_EQ(list.index(28, 0), 105);
    EXPECT_EQ(list.index(28, 3), 108);
    EXPECT_EQ(rowLabel(1), "①");
    EXPECT_EQ(rowLabel(18), "⑱");
    EXPECT_EQ(rowLabel(19), "");
    EXPECT_EQ(rowLabel(0), "");
    EXPECT_TRUE(stepInList(list, 32));  // rows 121 … 124
    EXPECT_FALSE(stepInList(list, 33));
    EXPECT_FALSE(stepInList(list, 2));
}

TEST_F(EngineTest, RowPrimitivesStayInsideTheRow) {
    EquationRow r;
    for (int i = 0; i < kTermsPerRow; ++i)
        EXPECT_TRUE(appendTerm(r, One));
    EXPECT_FALSE(appendTerm(r, Zero));
    EXPECT_EQ(r.count, kTermsPerRow);
    r.text = "keep";
    r.extra = {7, 8, 9, 10};
    EquationRow copy;
    copy.text = "own";
    copyRow(r, copy);
    EXPECT_EQ(copy.count, kTermsPerRow);
    EXPECT_EQ(copy.extra, r.extra);
    EXPECT_EQ(copy.text, "own");  // a text belongs to its row index
    emptyRow(r);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.text, "keep");

    list.unknownCount = 2;
    list.rows[5].count = 3;
    list.rows[5].text = "narrative";
    list.rows[5].extra[0] = 40;
    list.clear();
    EXPECT_EQ(list.rows[5].count, 0);
    EXPECT_EQ(list.rows[5].text, "");
    EXPECT_EQ(list.rows[5].extra[0], 0);
}

TEST_F(EngineTest, CarryForwardKeepsWrittenFormRowsWhole) {
    load({"x+y=3", "x-y=1"});
    write(2, {"2x", "=", "-3", "5", "1"});  // five terms with two unknowns
    ASSERT_TRUE(carryForward(list, 3));
    EXPECT_EQ(terms(3), terms(1));
    EXPECT_EQ(terms(4), (Texts{"2x", "=", "-3", "5", "1"}));
    EXPECT_FALSE(carryForward(list, 2));
}

// --- add and subtract -----------------------------------------------------

TEST_F(EngineTest, AddWritesTheFirstRowsPlaceAndCarriesTheOther) {
    load({"2x+3y=7", "x-y=1"});
    StepOutcome out = executeStep(list, sel(3, "1", "2"), 1, '+', 2);
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.narrative, "第1行に第2行をたすと");
    EXPECT_EQ(list.rows[3].text, "第1行に第2行をたすと");
    EXPECT_EQ(terms(3), (Texts{"3x", "2y", "=", "8"}));
    EXPECT_EQ(terms(4), (Texts{"1x", "-1y", "=", "1"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(EngineTest, SubtractUsesTheBlockPositionOfTheFirstRow) {
    load({"2x+3y=7", "x-y=1"});
    StepOutcome out = executeStep(list, sel(3, "1", "2"), 1, '-', 2);
    EXPECT_EQ(out.narrative, "第1行から第2行をひくと");
    EXPECT_EQ(terms(3), (Texts{"1x", "4y", "=", "6"}));
    // Next step: row 2 of step 3 minus row 1 of step 3 lands in row 2 of step 4.
    out = executeStep(list, sel(4, "2", "1"), 4, '-', 3);
    EXPECT_EQ(out.narrative, "第2行から第1行をひくと");
    EXPECT_EQ(terms(5), (Texts{"1x", "4y", "=", "6"}));
    EXPECT_EQ(terms(6), (Texts{"0x", "-5y", "=", "-5"}));
    EXPECT_EQ(list.rows[4].text, "第2行から第1行をひくと");
}

TEST_F(EngineTest, AddAndSubtractRefusals) {
    load({"2x+3y=7", "x-y=1"});
    auto before = everything();
    expectRefused(executeStep(list, sel(3, "1", "", "2"), 1, '+', 0),
                  "行に定数をたすことはできません");
    expectRefused(executeStep(list, sel(3, "1", "", "2"), 1, '-', 0),
                  "行から定数をひくことはできません");
    expectRefused(executeStep(list, sel(3, "1", "1"), 1, '+', 1), "同じ式をたすことはできません");
    expectRefused(executeStep(list, sel(3, "2", "2"), 2, '-', 2), "同じ式をひくことはできません");
    EXPECT_EQ(everything(), before);
}

// --- multiply and divide --------------------------------------------------

TEST_F(EngineTest, MultiplyAndDivideByTheTypedConstant) {
    load({"3x+6y=9", "x-y=1"});
    StepSelection s = sel(3, "1", "", "3分の2");
    s.lastRowLine = 1;
    StepOutcome out = executeStep(list, s, 1, '*', 0);
    EXPECT_EQ(out.narrative, "第1行を3分の2倍すると");
    EXPECT_EQ(terms(3), (Texts{"2x", "4y", "=", "6"}));
    EXPECT_EQ(terms(4), terms(2));

    s = sel(4, "2", "", "-0.5");
    s.lastRowLine = 4;
    out = executeStep(list, s, 4, '/', 0);
    EXPECT_EQ(out.narrative, "第2行を-0.5で割ると");
    EXPECT_EQ(terms(6), (Texts{"-2x", "2y", "=", "-2"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(EngineTest, MultiplyAndDivideRefusals) {
    load({"3x+6y=9", "x-y=1"});
    auto before = everything();
    StepSelection s = sel(3, "1", "2");
    s.lastRowLine = 2;
    expectRefused(executeStep(list, s, 1, '*', 2), "行に行をかけることはできません");
    expectRefused(executeStep(list, s, 1, '/', 2), "行を行で割ることはできません");
    s = sel(3, "1", "", "-");  // a lone minus reads as 0/0
    s.lastRowLine = 1;
    expectRefused(executeStep(list, s, 1, '*', 0), "０をかけることはできません");
    s.numberText = "0";
    expectRefused(executeStep(list, s, 1, '/', 0), "０では割れません");
    s.numberText = "0分の0";
    s.secondIsRow = false;
    executeStep(list, s, 1, '*', 0);
    EXPECT_EQ(ui.messages(), (Texts{"分母が０です", "０をかけることはできません"}));
    ui.clear();
    s.numberText = "1.2.3";
    executeStep(list, s, 1, '*', 0);
    EXPECT_EQ(ui.messages(), (Texts{std::string("1.2.3") + kKeypadTextInvalidMessage,
                                    "０をかけることはできません"}));
    EXPECT_EQ(everything(), before);
}

// --- compound: row ± row × constant ---------------------------------------

TEST_F(EngineTest, CompoundFirstStageScalesIntoTheScratchRowOnly) {
    load({"x+y=3", "2x-y=0"});
    auto before = everything();
    StepSelection s = sel(3, "1", "2", "2");
    s.compound = true;
    s.compoundRun = true;
    s.secondOp = '*';
    s.lastRowLine = 2;
    StepOutcome out = executeStep(list, s, 28, '*', 0);
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.narrative, "");
    EXPECT_EQ(terms(0), (Texts{"4x", "-2y", "=", "0"}));
    for (int i = 1; i < kListRows; ++i)
        EXPECT_EQ(everything()[i], before[i]) << i;

    s.compoundRun = false;
    s.secondIsRow = true;  // the second stage adds row 0
    out = executeStep(list, s, 1, '+', 0);
    EXPECT_EQ(out.narrative, "第1行に第2行の2倍をたすと");
    EXPECT_EQ(list.rows[3].text, out.narrative);
    EXPECT_EQ(terms(3), (Texts{"5x", "-1y", "=", "3"}));
    EXPECT_EQ(terms(4), terms(2));
}

TEST_F(EngineTest, CompoundNarratives) {
    struct Case {
        char op, second;
        const char* narrative;
        Texts row;
    };
    const Case cases[] = {
        {'+', '*', "第1行に第2行の3分の1倍をたすと", {"5/3x", "2/3y", "=", "3"}},
        {'+', '/', "第1行に第2行を3分の1でわったものをたすと", {"7x", "-2y", "=", "3"}},
        {'-', '*', "第1行から第2行の3分の1倍をひくと", {"1/3x", "4/3y", "=", "3"}},
        {'-', '/', "第1行から第2行を3分の1でわったものをひくと", {"-5x", "4y", "=", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.narrative);
        load({"x+y=3", "2x-y=0"});
        StepSelection s = sel(3, "1", "2", "3分の1");
        s.compound = true;
        s.compoundRun = true;
        s.secondOp = c.second;
        s.lastRowLine = 2;
        ASSERT_TRUE(executeStep(list, s, 28, c.second, 0).accepted);
        s.compoundRun = false;
        s.secondIsRow = true;
        StepOutcome out = executeStep(list, s, 1, c.op, 0);
        EXPECT_EQ(out.narrative, c.narrative);
        EXPECT_EQ(terms(3), c.row);
    }
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(EngineTest, CompoundScalingLeavesBracketContentsAndScalesTheEqualsTerm) {
    load({"x+y=3", "x-y=1"});
    write(2, {"2", "(", "x", "3", ")", "=", "8"});
    StepSelection s = sel(3, "1", "2", "3分の1");
    s.compoundRun = true;
    s.lastRowLine = 2;
    ASSERT_TRUE(executeStep(list, s, 28, '*', 0).accepted);
    EXPECT_EQ(terms(0), (Texts{"2/3", "(", "1x", "3", ")", "=", "8/3"}));
    // The equals term took the scaling too: 0/1 × 1/3 keeps its denominator.
    EXPECT_EQ(list.rows[0].terms[5].denominator, 3);
    EXPECT_EQ(list.rows[0].terms[5].numerator, 0);

    s.numberText = "0";
    expectRefused(executeStep(list, s, 28, '*', 0), "０をかけることはできません");
    expectRefused(executeStep(list, s, 28, '/', 0), "０では割れません");
}

// --- swap -----------------------------------------------------------------

TEST_F(EngineTest, SwapWritesRowsCrosswise) {
    load({"x+y=3", "x-y=1"});
    auto before = everything();
    expectRefused(executeStep(list, sel(3, "1", "", "2"), 1, '^', 0),
                  "行と定数を入れ替えることはできません");
    expectRefused(executeStep(list, sel(3, "1", "1"), 1, '^', 1),
                  "同じ行を入れ替えることはできません");
    EXPECT_EQ(everything(), before);

    ASSERT_TRUE(executeStep(list, sel(3, "1", "2"), 1, '+', 2).accepted);
    StepOutcome out = executeStep(list, sel(4, "1", "2"), 3, '^', 4);
    EXPECT_EQ(out.narrative, "第1行と第2行を入れ替えると");
    EXPECT_EQ(terms(5), terms(4));
    EXPECT_EQ(terms(6), terms(3));
}

// --- transpose ------------------------------------------------------------

TEST_F(EngineTest, TransposeMovesNumbersRightAndLettersLeft) {
    load({"x+y=3", "x-y=1"});
    write(1, {"2x", "3", "=", "5"});
    StepOutcome out = executeStep(list, sel(3, "1"), 1, 'I', 0);
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.narrative, "①を移項すると");
    EXPECT_EQ(terms(3), (Texts{"2x", "=", "-3", "5"}));
    EXPECT_EQ(terms(4), terms(2));  // the block is complete
    EXPECT_TRUE(ui.log.empty());

    write(2, {"3", "0", "=", "1x", "2"});
    out = executeStep(list, sel(4, "2"), 2, 'I', 0);
    EXPECT_EQ(out.narrative, "②を移項すると");
    EXPECT_EQ(terms(6), (Texts{"-1x", "=", "-3", "2"}));
}

TEST_F(EngineTest, TransposeWithNothingToMoveStillMakesTheStep) {
    load({"x=5", "y=0"});
    StepOutcome out = executeStep(list, sel(3, "2"), 2, 'I', 0);
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(ui.messages(), Texts{"移項する項はありません"});
    EXPECT_EQ(terms(4), (Texts{"0x", "1y", "=", "0"}));  // an empty right side reads 0
    EXPECT_EQ(list.rows[3].text, "②を移項すると");
}

TEST_F(EngineTest, TransposeRefusals) {
    load({"x=5", "y=1"});
    write(1, {"2", "(", "x", ")", "=", "4"});
    expectRefused(executeStep(list, sel(3, "1"), 1, 'I', 0), "かっこをはずしてください");
    // Rows past ⑱ have no label to name them in the narrative.
    list.unknownCount = 4;
    expectRefused(executeStep(list, sel(7, "3"), 19, 'I', 0),
                  "この式には番号がないため、この操作はできません");
}

// --- brackets -------------------------------------------------------------

TEST_F(EngineTest, RemoveBracketsMultipliesTheContents) {
    load({"x=5", "y=1"});
    write(1, {"2", "(", "x", "3", ")", "=", "8"});
    StepOutcome out = executeStep(list, sel(3, "1"), 1, 'K', 0);
    EXPECT_EQ(out.narrative, "①のかっこをはずすと");
    EXPECT_EQ(terms(3), (Texts{"2x", "6", "=", "8"}));
    EXPECT_EQ(terms(4), terms(2));
}

TEST_F(EngineTest, RemoveBracketsOneLevelAtATimeAndAnyOpeningBracket) {
    load({"x=5", "y=1"});
    write(1, {"2", "{", "3", "[", "x", "1", "]", "4", "}", "=", "8"});
    ASSERT_TRUE(executeStep(list, sel(3, "1"), 1, 'K', 0).accepted);
    EXPECT_EQ(terms(3), (Texts{"2", "{", "3x", "3", "4", "}", "=", "8"}));
    ASSERT_TRUE(executeStep(list, sel(4, "1"), 3, 'K', 0).accepted);
    EXPECT_EQ(terms(5), (Texts{"6x", "6", "8", "=", "8"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(EngineTest, RemoveBracketsWithoutANumberInFront) {
    load({"x=5", "y=1"});
    // Nothing before the bracket, and "=" before it: the multiplier is 1 and
    // the "=" stays.
    // Two brackets side by side both go in one step.
    write(1, {"(", "x", "3", ")", "=", "(", "-2", ")"});
    ASSERT_TRUE(executeStep(list, sel(3, "1"), 1, 'K', 0).accepted);
    EXPECT_EQ(terms(3), (Texts{"1x", "3", "=", "-2"}));

    write(2, {"1x", ")", "=", "2"});  // a closing bracket alone is no bracket to remove
    expectRefused(executeStep(list, sel(4, "2"), 2, 'K', 0), "かっこがありません");
}

// --- tidy -----------------------------------------------------------------

TEST_F(EngineTest, TidyCollectsLikeTermsOnEachSide) {
    load({"x=5", "y=1"});
    write(1, {"2x", "3", "1x", "-1y", "=", "5", "1y", "1"});
    StepOutcome out = executeStep(list, sel(3, "1"), 1, 'S', 0);
    EXPECT_EQ(out.narrative, "①を整理すると");
    EXPECT_EQ(terms(3), (Texts{"3x", "-1y", "3", "=", "1y", "6"}));
    EXPECT_EQ(terms(4), terms(2));

    // A row that is already tidy comes back unchanged, zero constant included.
    ASSERT_TRUE(executeStep(list, sel(4, "2"), 4, 'S', 0).accepted);
    EXPECT_EQ(terms(6), (Texts{"0x", "1y", "=", "1"}));
    write(5, {"1x", "-1x", "=", "0"});
    ASSERT_TRUE(executeStep(list, sel(5, "1"), 5, 'S', 0).accepted);
    EXPECT_EQ(terms(7), (Texts{"0x", "0y", "=", "0"}));
}

TEST_F(EngineTest, TidyRefusesBrackets) {
    load({"x=5", "y=1"});
    write(2, {"2", "(", "x", ")", "=", "4"});
    expectRefused(executeStep(list, sel(3, "2"), 2, 'S', 0), "かっこをはずしてください");
}

// --- bounds ---------------------------------------------------------------

TEST_F(EngineTest, StepsAndRowsOutsideTheListAreRefused) {
    load({"x+y+z+w=4", "x=1", "y=1", "z=1"});
    auto before = everything();
    expectRefused(executeStep(list, sel(33, "1", "2"), 117, '+', 118),
                  "これ以上式を書く場所がありません");
    expectRefused(executeStep(list, sel(3, "1", "2"), 128, '+', 2), "選んだ行は使えません");
    expectRefused(executeStep(list, sel(3, "1", "2"), 1, '+', -1), "選んだ行は使えません");
    expectRefused(executeStep(list, sel(3, "1", "2"), 0, '^', 2), "選んだ行は使えません");
    StepSelection s = sel(3, "1", "", "2");
    s.lastRowLine = 200;
    expectRefused(executeStep(list, s, 1, '*', 0), "選んだ行は使えません");
    expectRefused(executeStep(list, sel(3, "1", "2"), 1, '?', 2), "この操作はできません");
    EXPECT_EQ(everything(), before);
    // The last step that fits writes rows 121 … 124 and its narrative in row 32.
    StepOutcome out = executeStep(list, sel(32, "1", "2"), 117, '+', 118);
    EXPECT_TRUE(out.accepted);
}

TEST_F(EngineTest, ResultsBeyondTwentyTermsAreRefused) {
    load({"x=5", "y=1"});
    Texts many(19, "1x");
    many.push_back("=");
    write(1, many);
    auto before = everything();
    // Nineteen letters, "=" and the 0 of the empty right side make 21 terms.
    expectRefused(executeStep(list, sel(3, "1"), 1, 'I', 0), "式の項が多すぎて書けません");
    EXPECT_EQ(everything(), before);
    list.rows[2].count = 99;  // a damaged count is read as 20 terms
    ASSERT_TRUE(executeStep(list, sel(3, "1", "2"), 2, '+', 1).accepted);
    EXPECT_EQ(list.rows[4].count, kTermsPerRow);
}

// --- overflow -------------------------------------------------------------

TEST_F(EngineTest, OverflowRestoresEveryRowAndRefuses) {
    load({"65536x+y=1", "x-y=1"});
    StepSelection s = sel(3, "1", "", "9999");
    s.lastRowLine = 1;
    ASSERT_TRUE(executeStep(list, s, 1, '*', 0).accepted);  // 655294464 fits
    // Rows of an earlier attempt at step 4 must survive the refusal too.
    write(5, {"9x", "9y", "=", "9"});
    list.rows[5].text = "old";
    s.step = 4;
    s.lastRowLine = 3;
    numberState.overflow = true;  // a flag left from elsewhere is cleared first
    auto before = everything();
    StepOutcome out = executeStep(list, s, 3, '*', 0);
    EXPECT_FALSE(out.accepted);
    EXPECT_TRUE(out.overflow);
    EXPECT_EQ(ui.messages(), Texts{"数値が範囲を超えています"});
    EXPECT_EQ(everything(), before);

    // The first stage of a compound operation leaves row 0 as it was.
    ui.clear();
    write(0, {"7x"});
    before = everything();
    s.compoundRun = true;
    out = executeStep(list, s, 28, '*', 0);
    EXPECT_TRUE(out.overflow);
    EXPECT_EQ(ui.messages(), Texts{"数値が範囲を超えています"});
    EXPECT_EQ(everything(), before);
}

TEST_F(EngineTest, NegatingTheSmallestNumberOverflows) {
    load({"x=1", "y=1"});
    write(1, {"1x", "=", "1x", "-2147483648"});
    StepOutcome out = executeStep(list, sel(3, "1"), 1, 'I', 0);
    EXPECT_TRUE(out.accepted);  // the number stays on its side; only x moves
    EXPECT_EQ(terms(3), (Texts{"1x", "-1x", "=", "-2147483648"}));
    write(2, {"1x", "=", "-2147483648x"});
    ui.clear();
    auto before = everything();
    out = executeStep(list, sel(3, "2"), 2, 'I', 0);
    EXPECT_TRUE(out.overflow);
    EXPECT_EQ(ui.messages(), Texts{"数値が範囲を超えています"});
    EXPECT_EQ(everything(), before);
}

TEST_F(EngineTest, ZeroResultsNeverOverflow) {
    load({"x+y=1", "x+y=1"});
    // Zero coefficients keep their denominators; a sum of two of them with a
    // common denominator beyond 32 bits is still exactly zero.
    write(1, {"0/46349x", "1y", "=", "1"});
    write(2, {"0/46351x", "1y", "=", "1"});
    StepOutcome out = executeStep(list, sel(3, "1", "2"), 1, '-', 2);
    EXPECT_TRUE(out.accepted);
    EXPECT_FALSE(out.overflow);
    EXPECT_EQ(list.rows[3].terms[0].numerator, 0);
}

}  // namespace
