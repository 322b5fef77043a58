// Running composed operations, judging the answer and recording it: whole
// questions worked through the drill's model as a student would.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "DrillTestSupport.h"
#include "records/RecordFile.h"

namespace {

using Matrix = std::vector<std::vector<std::string>>;

// Every coefficient of the answer rows: the non-zero coefficient's letter,
// "=", the constant ("x=1").
std::vector<std::string> answerForm(const EquationsItem& e) {
    std::vector<std::string> out;
    for (const auto& row : e.rows) {
        std::string s;
        for (int i = 0; i < row.count; ++i) {
            const Fraction& t = row.terms[i];
            if (t.kind == '=')
                s += "=";
            else if (t.kind == '/')
                s += formatFraction(t);
            else
                s += (t.numerator == 1 && t.denominator == 1 ? "" : formatFraction(t)) +
                     std::string(1, t.kind);
        }
        out.push_back(s);
    }
    return out;
}

const EquationsItem* answerOn(const Picture& p) {
    auto all = p.all<EquationsItem>();
    return all.empty() ? nullptr : all.back();
}

TEST_F(DrillTest, TwoUnknownsToTheIdentity) {
    setUnit(1, "２元１次連立方程式", {"x+y=5;x-y=1"});
    ASSERT_TRUE(drill.startQuestion(true));
    press("r2 - r1 run");
    EXPECT_EQ(matrixOf(3), (Matrix{{"1", "1", "5"}, {"0", "-2", "-4"}}));
    EXPECT_EQ(textLines(pic(3)), std::vector<std::string>{"1:第2行から第1行をひくと"});
    press("r2 / m 2 run");
    EXPECT_EQ(matrixOf(4), (Matrix{{"1", "1", "5"}, {"0", "1", "2"}}));
    EXPECT_EQ(textLines(pic(4)), std::vector<std::string>{"1:第2行を-2で割ると"});
    EXPECT_FALSE(drill.questionSolved());
    EXPECT_EQ(drillState.solvedCode, 3);
    press("r1 - r2 run");
    EXPECT_EQ(matrixOf(5), (Matrix{{"1", "0", "3"}, {"0", "1", "2"}}));

    // Judged at once, the answer on the next picture.
    EXPECT_EQ(drillState.solvedCode, 4);
    EXPECT_EQ(drillState.curStep, 6);
    const EquationsItem* answer = answerOn(pic(6));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answerForm(*answer), (std::vector<std::string>{"x=3", "y=2"}));
    EXPECT_EQ(answer->colour, kRgbBlack);
    EXPECT_EQ(answer->brace, Shape::KakkoSS);
    EXPECT_EQ(answer->layoutValue, 25);
    EXPECT_EQ(answer->braceRect.left, 20);
    EXPECT_EQ(textLines(pic(6)), (std::vector<std::string>{"5: 答", "1:解が出ました"}));
    // The answer form is kept in block 28.
    EXPECT_EQ(equationList.rows[53].count, 3);

    // The solved step in its colours: 1 red on the diagonal, 0 blue off it,
    // the constants red.
    const StepMatrixItem* m = pic(5).matrix();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->rows[0][0].colour, kRgbRed);
    EXPECT_EQ(m->rows[0][1].colour, kRgbBlue);
    EXPECT_EQ(m->rows[0][2].colour, kRgbRed);
    EXPECT_EQ(m->rows[1][0].colour, kRgbBlue);
    EXPECT_EQ(m->rows[1][1].colour, kRgbRed);
    // A step before: row 1 is not reduced, its constant black.
    const StepMatrixItem* before = pic(4).matrix();
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->rows[0][1].colour, kRgbBlack);
    EXPECT_EQ(before->rows[0][2].colour, kRgbBlack);
    EXPECT_EQ(before->rows[1][2].colour, kRgbRed);

    // Blinking, the star, the record, the focus on 次の問題.
    DrillView v = drill.view();
    EXPECT_TRUE(v.state.blinkRunning);
    EXPECT_TRUE(v.state.nextEnabled);
    EXPECT_EQ(v.state.focus, FocusTarget::Next);
    EXPECT_EQ(drillState.starMarks, "★");
    EXPECT_EQ(v.state.caption, "　　連立方程式");  // rewritten when the worksheet is next cleared
    EXPECT_EQ(readRecordCountText(recordPath(), "２元１次連立方程式", 1), "1");
    EXPECT_FALSE(readRecordDate(recordPath(), "２元１次連立方程式").empty());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(drillState.compoundRun);
}

TEST_F(DrillTest, ThreeUnknownsWithCompoundSteps) {
    setUnit(2, "３元１次連立方程式", {"x+y+z=6;2x+y-z=1;x-y+2z=5"});
    drillState.curUnit = 2;
    ASSERT_TRUE(drill.startQuestion(false));
    press("r2 - r1 * 2 run");
    EXPECT_EQ(textLines(pic(3)), std::vector<std::string>{"1:第2行から第1行の2倍をひくと"});
    // The scaled row went through the scratch row.
    EXPECT_EQ(formatFraction(equationList.rows[0].terms[0]), "2");
    press("r3 - r1 run");
    press("r2 * m 1 run");
    press("r3 + r2 * 2 run");
    EXPECT_EQ(textLines(pic(6)), std::vector<std::string>{"1:第3行に第2行の2倍をたすと"});
    press("r3 / 7 run");
    press("r1 - r2 run");
    press("r1 + r3 * 2 run");
    EXPECT_FALSE(drill.questionSolved());
    press("r2 - r3 * 3 run");
    EXPECT_EQ(matrixOf(10),
              (Matrix{{"1", "0", "0", "1"}, {"0", "1", "0", "2"}, {"0", "0", "1", "3"}}));
    EXPECT_EQ(drillState.solvedCode, 9);
    const EquationsItem* answer = answerOn(pic(11));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answerForm(*answer), (std::vector<std::string>{"x=1", "y=2", "z=3"}));
    EXPECT_EQ(answer->brace, Shape::KakkoMS);
    EXPECT_EQ(readRecordCountText(recordPath(), "３元１次連立方程式", 1), "1");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(DrillTest, FourUnknownsWithASwapFirst) {
    setUnit(3, "４元１次連立方程式", {"y+z+w=9;x+y+z+w=10;z+w=7;w=4"});
    drillState.curUnit = 3;
    ASSERT_TRUE(drill.startQuestion(false));
    EXPECT_EQ(pic(2).matrix()->firstLineTop, 15);
    press("r1 swap r2 run");
    EXPECT_EQ(textLines(pic(3)), std::vector<std::string>{"1:第1行と第2行を入れ替えると"});
    press("r1 - r2 run r2 - r3 run r3 - r4 run");
    EXPECT_EQ(drillState.solvedCode, 16);
    const EquationsItem* answer = answerOn(pic(7));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answerForm(*answer), (std::vector<std::string>{"x=1", "y=2", "z=3", "w=4"}));
    EXPECT_EQ(answer->brace, Shape::KakkoLS);
    // Block 28 of four unknowns is rows 105 to 108.
    EXPECT_EQ(equationList.rows[105].count, 3);
    EXPECT_EQ(equationList.rows[108].terms[0].kind, 'w');
}

TEST_F(DrillTest, NoSolutionIsAcceptedOnlyWhenClassifiedRight) {
    setUnit(4, "特殊な解が出るもの", {"x+y=2;x+y=3"});
    drillState.curUnit = 4;
    ASSERT_TRUE(drill.startQuestion(false));
    ui.choices = {kChoiceInfinitely, kChoiceNoSolution};
    press("r2 - r1 run");
    EXPECT_EQ(drillState.solvedCode, -2);
    EXPECT_EQ(ui.texts(),
              (std::vector<std::string>{"", "解が無数？？もう一度考えてみましょう", ""}));
    EXPECT_EQ(ui.log[0].kind, "choice");
    EXPECT_EQ(drillState.curStep, 4);
    auto lines = pic(4).all<TextLineItem>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->text, "【答】　解なし");
    EXPECT_EQ(lines[0]->line, 5);
    EXPECT_EQ(lines[0]->y, 66);
    EXPECT_EQ(lines[0]->colour, kRgbRed);
    EXPECT_EQ(lines[1]->text, "解が出ました");
    EXPECT_EQ(readRecordCountText(recordPath(), "特殊な解が出るもの", 1), "1");
    EXPECT_TRUE(drillState.blinkRunning);
}

TEST_F(DrillTest, InfinitelyManyThroughTheChoiceLoop) {
    setUnit(4, "特殊な解が出るもの", {"x+y=2;2x+2y=4"});
    drillState.curUnit = 4;
    ASSERT_TRUE(drill.startQuestion(false));
    ui.choices = {kChoiceNoSolution, kChoiceNoSolution, kChoiceInfinitely};
    press("r2 - r1 * 2 run");
    EXPECT_EQ(drillState.solvedCode, -1);
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"解なし？？もう一度考えてみましょう",
                                                       "解なし？？もう一度考えてみましょう"}));
    EXPECT_TRUE(ui.choices.empty());
    EXPECT_EQ(textLines(pic(4)),
              (std::vector<std::string>{"5:【答】解は無数にある", "1:解が出ました"}));
}

TEST_F(DrillTest, FirstAllZeroRowDecidesAndOrderMatters) {
    // Rows [0 1 | 2] and [1 0 | 3] are not solved; a swap solves them.
    ASSERT_TRUE(start("y=2;x=3"));
    EXPECT_EQ(drillState.solvedCode, 0);
    EXPECT_FALSE(drill.questionSolved());
    press("r1 swap r2 run");
    EXPECT_EQ(drillState.solvedCode, 4);
    // A zero row below an unreduced row still decides.
    ASSERT_TRUE(start("2x+3y=1;0x+0y=5"));
    EXPECT_EQ(drillState.solvedCode, -2);
}

TEST_F(DrillTest, QuestionAlreadySolvedWhenSetUp) {
    ASSERT_TRUE(start("x=1;y=2"));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"すでに解がでています"});
    EXPECT_EQ(drillState.curStep, 3);
    ASSERT_NE(answerOn(pic(3)), nullptr);
    EXPECT_EQ(answerForm(*answerOn(pic(3))), (std::vector<std::string>{"x=1", "y=2"}));
    // No caption "係数の行列を作ると" then.
    EXPECT_TRUE(pic(2).all<CaptionItem>().empty());
    EXPECT_EQ(entryState.entryPhase, 0);

    // A zero row: answered at once, without the choice.
    ui.clear();
    ASSERT_TRUE(start("x+y=2;0x+0y=0"));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"すでに解がでています"});
    for (const auto& e : ui.log)
        EXPECT_NE(e.kind, "choice");
    EXPECT_EQ(textLines(pic(3)),
              (std::vector<std::string>{"5:【答】解は無数にある", "1:解が出ました"}));
}

TEST_F(DrillTest, CompoundRefusedAtItsFirstStage) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    const Matrix before = matrixOf(2);
    press("r1 + r2 * 0 run");
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"０をかけることはできません"});
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_EQ(matrixOf(2), before);
    EXPECT_EQ(pic(2).all<StepMatrixItem>().size(), 1u);
    EXPECT_TRUE(pic(2).litBands().empty());
    EXPECT_EQ(entryState.opLabel, "");
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_TRUE(pic(3).empty());
    EXPECT_FALSE(drillState.compoundRun);
}

TEST_F(DrillTest, NumberTextOutsideTheGrammarRefusesTheRunOnce) {
    // Buttons alone can compose these texts; each run is refused with one
    // message and the entry cleared, for a scaling, a compound and a row sum.
    const char* scripts[] = {"r1 * 1..2 run", "r1 + r2 * 2.bun3 run", "r1 + 1..2 run"};
    for (const char* script : scripts) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(start("x+y=5;x-y=1"));
        ui.clear();
        const Matrix before = matrixOf(2);
        press(script);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_NE(ui.messages()[0].find(kKeypadTextInvalidMessage), std::string::npos);
        EXPECT_EQ(drillState.curStep, 2);
        EXPECT_EQ(matrixOf(2), before);
        EXPECT_TRUE(pic(3).empty());
        EXPECT_EQ(entryState.entryPhase, 0);
        EXPECT_EQ(entryState.opLabel, "");
        EXPECT_EQ(entryState.numberText, "");
    }
}

TEST_F(DrillTest, FormChecksKeepWhatIsComposed) {
    struct Case {
        const char* script;
        const char* message;
        int phase;
    };
    const Case cases[] = {
        {"r1 + r2 + 3", "行１＋行２×定数　の形にしてください", 4},
        {"r1 swap r2 * 3", "行１＋行２×定数　の形にしてください", 4},
        {"r1 + r2 *", "操作が誤りです。例①＋②，①÷２，④代入①", 4},
        {"r1 +", "操作が誤りです。例①＋②，①÷２，④代入①", 2},
        {"r1 * 5 CL", "操作が誤りです。例①＋②，①÷２，④代入①", 2},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(start("x+y=5;x-y=1"));
        press(c.script);
        const std::string label = entryState.opLabel;
        ui.clear();
        drill.btnJikkouClick();
        EXPECT_EQ(ui.messages(), std::vector<std::string>{c.message}) << c.script;
        EXPECT_EQ(drillState.curStep, 2) << c.script;
        EXPECT_EQ(entryState.entryPhase, c.phase) << c.script;
        EXPECT_EQ(entryState.opLabel, label) << c.script;
        EXPECT_EQ(opLabelDrawn(3), label) << c.script;
    }
}

TEST_F(DrillTest, EngineRefusalClearsTheEntryAndKeepsTheStep) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r2 - r1 run");
    press("r1 + r1 run");
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"同じ式をたすことはできません"});
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_NE(pic(3).matrix(), nullptr);
    EXPECT_TRUE(pic(4).empty());
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.opLabel, "");
    // A row and a constant.
    ui.clear();
    press("r1 * r2 run");
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"行に行をかけることはできません"});
    EXPECT_EQ(drillState.curStep, 3);
    ui.clear();
    press("r1 + 3 run");
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"行に定数をたすことはできません"});
    EXPECT_EQ(drillState.curStep, 3);
}

TEST_F(DrillTest, OverflowRefusesTheStepAndClearsTheEntry) {
    ASSERT_TRUE(start("30000x+y=1;30000x+2y=2"));
    press("r1 * 9999 run");
    ASSERT_EQ(drillState.curStep, 3);
    EXPECT_EQ(matrixOf(3)[0][0], "299970000");
    press("r1 * 9999");
    const Matrix before = matrixOf(3);
    drill.btnJikkouClick();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"数値が範囲を超えています"});
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_EQ(matrixOf(3), before);
    // Refused like any other run: nothing composed is left.
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.opLabel, "");
    EXPECT_EQ(entryState.numberText, "");
    EXPECT_FALSE(drill.view().entry.jikkouEnabled);
    EXPECT_TRUE(pic(4).empty());

    // The compound form, overflowing in its second stage, the same; the
    // student composes anew and goes on.
    press("r1 * 7 run r2 * 9999 run");
    ASSERT_EQ(drillState.curStep, 5);
    EXPECT_EQ(matrixOf(5)[0][0], "2099790000");
    ui.clear();
    const Matrix before5 = matrixOf(5);
    press("r1 + r2 * 2 run");
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"数値が範囲を超えています"});
    EXPECT_EQ(drillState.curStep, 5);
    EXPECT_EQ(matrixOf(5), before5);
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.opLabel, "");
    EXPECT_FALSE(drillState.compoundRun);
    EXPECT_TRUE(pic(6).empty());
    press("r1 - r2 * 1 run");
    EXPECT_EQ(drillState.curStep, 6);
}

TEST_F(DrillTest, LastPictureWarningAndRefusalAfterIt) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    for (int i = 0; i < 21; ++i)
        press("r1 * 1 run");
    EXPECT_EQ(drillState.curStep, 23);
    EXPECT_TRUE(ui.messages().empty());
    press("r1 * 1 run");
    EXPECT_EQ(drillState.curStep, 24);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"残念ですが22回の操作では解けませんでした"});
    EXPECT_EQ(entryState.entryPhase, 0);

    // No picture is left: refused, nothing changes.
    ui.clear();
    press("r1 * 2");
    const unsigned rev = pic(24).revision;
    const Matrix before = matrixOf(24);
    drill.btnJikkouClick();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{kNoPictureLeftMessage});
    EXPECT_EQ(drillState.curStep, 24);
    EXPECT_EQ(pic(24).revision, rev);
    EXPECT_EQ(matrixOf(24), before);
    EXPECT_EQ(entryState.entryPhase, 2);
    EXPECT_EQ(entryState.opLabel, "第1行×2");
    // 訂正 steps back, and the student can go on.
    press("esc esc");
    EXPECT_EQ(drillState.curStep, 23);
    press("r1 * 1 run");
    EXPECT_EQ(drillState.curStep, 24);
}

TEST_F(DrillTest, EighteenPicturesWarnAfterSixteen) {
    drill.setupWorksheet(800, 600, 160);
    drill.resetDrillModel();
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    for (int i = 0; i < 16; ++i)
        press("r1 * 1 run");
    EXPECT_EQ(drillState.curStep, 18);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"残念ですが16回の操作では解けませんでした"});
}

TEST_F(DrillTest, RunScrollsAtTheEndOfTheFirstPage) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    for (int i = 0; i < 4; ++i)
        press("r1 * 1 run");
    EXPECT_EQ(drillState.curStep, 6);
    EXPECT_EQ(drill.view().state.scrollPos, 0);
    press("r1 * 1 run");  // from picture 7 = 2 x 4 - 1: after this the worksheet moves
    EXPECT_EQ(drillState.curStep, 7);
    EXPECT_EQ(drill.view().state.scrollPos, 0);
    const unsigned requests = drill.view().state.scrollRequests;
    press("r1 * 1 run");
    EXPECT_EQ(drill.view().state.scrollPos, (768 - 84) / 3);
    EXPECT_EQ(drill.view().state.scrollRequests, requests + 1);
}

TEST_F(DrillTest, UniqueSolutionOnTheLastPictureGoesToTheAnswerGroup) {
    ASSERT_TRUE(start("x=1;2y=4"));
    for (int i = 0; i < 21; ++i)
        press("r1 * 1 run");
    ASSERT_EQ(drillState.curStep, 23);
    press("r2 / 2 run");
    EXPECT_EQ(drillState.solvedCode, 4);
    DrillView v = drill.view();
    EXPECT_TRUE(v.state.grbKaiVisible);
    EXPECT_EQ(v.layout.answerOverImage, 20);
    const EquationsItem* answer = answerOn(worksheetPictures.imgBOXX);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->colour, kRgbBlue);
    EXPECT_EQ(answer->brace, Shape::KotaeKakko);
    EXPECT_EQ(answer->braceRect.left, 50);
    EXPECT_EQ(answerForm(*answer), (std::vector<std::string>{"x=1", "y=2"}));
    EXPECT_EQ(textLines(worksheetPictures.imgBOXX), std::vector<std::string>{"1:解が出ました"});
    // The last step's narrative is not overwritten, and no warning is shown.
    EXPECT_EQ(textLines(pic(24)), std::vector<std::string>{"1:第2行を2で割ると"});
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(drillState.starMarks, "★");
}

TEST_F(DrillTest, SpecialSolutionOnTheLastPictureGoesToTheAnswerGroup) {
    ASSERT_TRUE(start("x+y=2;x+y=3"));
    for (int i = 0; i < 21; ++i)
        press("r1 * 1 run");
    ui.choices = {kChoiceNoSolution};
    press("r2 - r1 run");
    EXPECT_EQ(drillState.curStep, 24);
    EXPECT_TRUE(drill.view().state.grbKaiVisible);
    EXPECT_EQ(textLines(worksheetPictures.imgBOXX),
              (std::vector<std::string>{"5:【答】　解なし", "1:解が出ました"}));
    EXPECT_EQ(textLines(pic(24)), std::vector<std::string>{"1:第2行から第1行をひくと"});
}

TEST_F(DrillTest, RunOnASolvedQuestionIsRefused) {
    ASSERT_TRUE(start("x=1;y=2"));
    ui.clear();
    // Nothing can be composed any more; a run that got through anyway is
    // refused and changes nothing.
    entryState.jikkouEnabled = true;
    const int step = drillState.curStep;
    drill.btnJikkouClick();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{kAlreadySolvedMessage});
    EXPECT_EQ(drillState.curStep, step);
    EXPECT_EQ(drillState.starMarks, "★");
}

TEST_F(DrillTest, RecordFailureLeavesTheDrillSolved) {
    // The record folder is a regular file: the write must fail.
    const std::string blocker = (recDir / "blocker").string();
    std::ofstream(blocker) << "x";
    paths.recFolder = blocker + "/";
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r2 - r1 run r2 / m 2 run r1 - r2 run");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], recordFilePath(paths) + " に書き込めません");
    EXPECT_TRUE(drill.questionSolved());
    EXPECT_TRUE(drillState.blinkRunning);
    EXPECT_EQ(drillState.starMarks, "★");
    EXPECT_EQ(drill.view().state.focus, FocusTarget::Next);
}

TEST_F(DrillTest, SolvingTheSameQuestionAgainCountsUp) {
    setUnit(1, "２元１次連立方程式", {"x+y=5;x-y=1"});
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(drill.startQuestion(true));
        press("r2 - r1 run r2 / m 2 run r1 - r2 run");
    }
    EXPECT_EQ(readRecordCountText(recordPath(), "２元１次連立方程式", 1), "2");
    EXPECT_EQ(drillState.starMarks, "★★");
}

// Setting up, the next question and blinking.

TEST_F(DrillTest, SetUpDrawsTheTaskAndTheMatrix) {
    setUnit(1, "２元１次連立方程式", {"x+y=5;x-y=1", "2x+3y=12;x-2y=-1"});
    drillState.curQues[1] = 2;
    ASSERT_TRUE(drill.startQuestion(false));
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_EQ(drillState.lstExt, (std::vector<std::string>{"2x+3y=12", "x-2y=-1"}));
    EXPECT_EQ(textLines(pic(1)), std::vector<std::string>{"1:1(2)つぎの連立方程式を解きなさい"});
    const EquationsItem* task = answerOn(pic(1));
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->rows.size(), 2u);
    EXPECT_EQ(task->layoutValue, 40);
    EXPECT_EQ(task->brace, Shape::KakkoSS);
    EXPECT_EQ(task->braceRect, (PixelRect{0, 40, 25, 100}));  // spans the two lines
    EXPECT_EQ(task->firstColumn, (25 + 5) / 16 + 2);
    const StepMatrixItem* m = pic(2).matrix();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->rows[0][0].x, 40);
    EXPECT_EQ(m->rows[0][2].x, 40 + 40 * 3);
    EXPECT_EQ(m->rows[1][2].width, 9 * 2);  // "-1"
    EXPECT_EQ(m->drawnWidth, 160 + 18);
    auto brackets = pic(2).all<BracketItem>();
    ASSERT_EQ(brackets.size(), 2u);
    EXPECT_EQ(brackets[1]->rect, (PixelRect{188, 25, 213, 85}));
    auto captions = pic(2).all<CaptionItem>();
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0]->text, "係数の行列を作ると");
    EXPECT_EQ(captions[0]->y, 5);
    EXPECT_EQ(drill.view().state.caption, "　　連立方程式");
    for (int k = 3; k <= 24; ++k)
        EXPECT_TRUE(pic(k).empty()) << k;
}

TEST_F(DrillTest, InvalidQuestionLinesAreRefused) {
    const char* lines[] = {"x+y=1;",                 // an empty part
                           "x+y=1",                  // one equation
                           "x=1;y=2;z=3;w=4;x+y=5",  // five
                           "",                       // nothing
                           "x+y=1;x+?=2"};           // does not parse
    for (const char* line : lines) {
        ui.clear();
        EXPECT_FALSE(start(line)) << line;
        ASSERT_FALSE(ui.messages().empty()) << line;
        EXPECT_EQ(ui.messages().back(), std::string(line) + "：問題が不正です");
        for (int k = 1; k <= 24; ++k)
            EXPECT_TRUE(pic(k).empty()) << line << " " << k;
        // The drill waits: nothing can be chosen or run.
        EXPECT_EQ(drill.view().rowButtonEnabled, (std::array<bool, 4>{}));
        drill.btnGyouClick(1);
        EXPECT_EQ(entryState.entryPhase, 0);
    }
}

TEST_F(DrillTest, NextQuestionOnAnUnsolvedQuestionAsksFirst) {
    setUnit(1, "２元", {"x+y=5;x-y=1", "x+y=2;x-y=0"});
    ASSERT_TRUE(drill.startQuestion(true));
    press("r2 - r1 run");
    drill.imageMouseMove(3, 60, 30);
    ASSERT_EQ(drillState.litRow, 0);
    ui.answers = {Answer::No};
    drill.nextQuestion();
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].caption, "確認");
    EXPECT_EQ(ui.log[0].text, "まだ解が出ていませんが次の問題に進みますか");
    // No: only the highlight goes.
    EXPECT_EQ(drillState.curQues[1], 1);
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_EQ(drillState.litRow, -1);
    EXPECT_TRUE(pic(3).litBands().empty());

    ui.answers = {Answer::Yes};
    drill.nextQuestion();
    EXPECT_EQ(drillState.curQues[1], 2);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_TRUE(pic(3).empty());
    EXPECT_EQ(textLines(pic(1)), std::vector<std::string>{"1:1(2)つぎの連立方程式を解きなさい"});
    EXPECT_EQ(answerOn(pic(1))->layoutValue, 25);
    EXPECT_EQ(pic(2).all<CaptionItem>().size(), 1u);
}

TEST_F(DrillTest, NextQuestionAfterTheLastGoesBackToTheFirst) {
    setUnit(1, "２元", {"x+y=5;x-y=1", "x+y=2;x-y=0"});
    drillState.curQues[1] = 2;
    ASSERT_TRUE(drill.startQuestion(false));
    press("r2 - r1 run r2 / m 2 run r1 - r2 run");
    ASSERT_TRUE(drill.questionSolved());
    ui.clear();
    drill.nextQuestion();
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"最初の問題に帰ります"});
    EXPECT_EQ(drillState.curQues[1], 1);
    EXPECT_FALSE(drillState.blinkRunning);
    EXPECT_EQ(drillState.solvedCode, 0);
    EXPECT_FALSE(drill.view().state.grbKaiVisible);
    EXPECT_EQ(drill.view().state.caption, "　　連立方程式★");
    EXPECT_EQ(drill.view().rowButtonEnabled, (std::array<bool, 4>{true, true, false, false}));
}

TEST_F(DrillTest, NextQuestionSetsTheRowButtonsForItsOwnSize) {
    setUnit(4, "特殊", {"x+y+z=1;x-y=0;z=2", "x+y=2;x+y=3"});
    drillState.curUnit = 4;
    ASSERT_TRUE(drill.startQuestion(false));
    ui.answers = {Answer::Yes};
    drill.nextQuestion();
    EXPECT_EQ(drillState.unknownCount, 2);
    EXPECT_EQ(drill.view().rowButtonEnabled, (std::array<bool, 4>{true, true, false, false}));
}

TEST_F(DrillTest, BlinkAlternatesTheGlyphsUntilTheNextQuestion) {
    setUnit(1, "２元", {"x=1;y=2", "x+y=5;x-y=1"});
    ASSERT_TRUE(drill.startQuestion(true));
    ASSERT_TRUE(drill.view().state.blinkRunning);
    EXPECT_EQ(drill.timBlinkTimer(), NextGlyph::Q);
    EXPECT_EQ(drill.timBlinkTimer(), NextGlyph::R);
    EXPECT_EQ(drill.timBlinkTimer(), NextGlyph::Q);
    drill.nextQuestion();
    EXPECT_FALSE(drill.view().state.blinkRunning);
    EXPECT_EQ(drill.view().state.nextGlyph, NextGlyph::Q);
}

TEST_F(DrillTest, ObserverHearsOfEveryChangeBeforeAMessage) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    int calls = 0;
    bool stepDrawnBeforeChoice = false;
    drill.setObserver([&] { ++calls; });
    const unsigned before = drill.generation();
    press("r1 +");
    EXPECT_GE(calls, 2);
    EXPECT_GT(drill.generation(), before);
    EXPECT_EQ(drill.view().generation, drill.generation());

    // The step is on its picture when the choice window opens.
    ASSERT_TRUE(start("x+y=2;x+y=3"));
    ui.clear();
    drill.setObserver([&] {
        if (ui.log.empty() && pic(3).matrix())
            stepDrawnBeforeChoice = true;
    });
    ui.choices = {kChoiceNoSolution};
    press("r2 - r1 run");
    EXPECT_TRUE(stepDrawnBeforeChoice);
}

TEST_F(DrillTest, ScrollButtons) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    drill.btnScrollUpClick();
    EXPECT_EQ(drill.view().state.scrollPos, 4 * 140);
    drill.btnScrollUpClick();
    EXPECT_EQ(drill.view().state.scrollPos, 2 * 4 * 140 + 21);
    drill.btnScrollDownClick();
    drill.btnScrollDownClick();
    drill.btnScrollDownClick();
    EXPECT_EQ(drill.view().state.scrollPos, 0);
    drill.noteScrollPosition(300);
    drill.btnScrollDownClick();
    EXPECT_EQ(drill.view().state.scrollPos, 0);
    drill.btnScrollUpClick();
    drill.scrollToTop();
    EXPECT_EQ(drill.view().state.scrollPos, 0);
}

}  // namespace

namespace {

// The written form is the question's own: a line parsed later elsewhere
// (the editor's check, a preview) does not change how its answer is drawn.
TEST_F(DrillTest, DecimalFormIsKeptWithTheQuestion) {
    ASSERT_TRUE(start("x+y=1.5;x-y=0.5"));
    ASSERT_NE(answerOn(pic(1)), nullptr);
    EXPECT_TRUE(answerOn(pic(1))->hasDecimalPoint);
    EquationRow elsewhere;
    Messages said;
    ASSERT_TRUE(parseEquationLine("x+y=3", elsewhere, 2, said));
    ASSERT_FALSE(numberState.hasDecimalPoint);

    press("r1 + r2 run r1 / 2 run r2 - r1 run r2 * m 1 run");
    ASSERT_TRUE(drill.questionSolved());
    const EquationsItem* answer = answerOn(pic(7));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answerForm(*answer), (std::vector<std::string>{"x=1", "y=1/2"}));
    EXPECT_TRUE(answer->hasDecimalPoint);
    std::vector<std::string> written;
    for (const TermPiece& piece : layoutEquation(answer->rows[1], answer->hasDecimalPoint).pieces)
        written.push_back(piece.kind == PieceKind::Stacked
                              ? piece.numerator + "/" + piece.denominator
                              : piece.text);
    EXPECT_EQ(written, (std::vector<std::string>{"y", "=", "0.5"}));

    // The next question has its own form.
    ASSERT_TRUE(start("x+y=3;x-y=1"));
    EXPECT_FALSE(answerOn(pic(1))->hasDecimalPoint);
}

TEST(SpecialChoicePlacement, BesideThePictureAfterTheStepAndOnTheScreen) {
    const std::pair<int, int> images[] = {{2, 3}, {3, 5}, {4, 5}, {7, 8}, {8, 10}, {9, 10}};
    for (auto [step, image] : images)
        EXPECT_EQ(specialChoiceImage(step), image) << step;

    struct Case {
        const char* name;
        PixelRect image;
        PixelRect screen;
        std::optional<PixelPoint> at;
    };
    const PixelRect screen{0, 0, 1024, 740};
    // A frame of 185 x 160: right edge 20 beyond the picture, top 70 below its top.
    const Case cases[] = {
        {"beside", {100, 200, 400, 350}, screen, PixelPoint{235, 270}},
        {"kept above the bottom", {100, 600, 400, 750}, screen, PixelPoint{235, 579}},
        {"kept below the top", {100, -150, 400, 0}, screen, PixelPoint{235, 0}},
        {"no screen known", {100, 600, 400, 750}, PixelRect{}, PixelPoint{235, 670}},
        {"no picture", PixelRect{}, screen, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(specialChoicePosition(c.image, 185, 160, c.screen), c.at) << c.name;
}

}  // namespace
