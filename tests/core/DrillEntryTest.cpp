// Composing an operation: the entry phases, the label, the number panel, the
// group states and messages, correction, the row pickers and the keyboard.

#include <string>
#include <vector>

#include "DrillTestSupport.h"
#include "tests/support/RowName.h"

namespace {

constexpr const char* kWrongOp = "操作が誤りです。例①＋②，①÷２，④代入①";

struct EntryCase {
    const char* script;  // button presses on a fresh 2-unknown question
    int phase;
    const char* label;
    const char* number;
    bool numberGroup;
    bool jikkou;
    std::vector<std::string> messages;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.script;
}

class EntryTable : public DrillTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryTable, PhaseLabelGroupsAndMessages) {
    const EntryCase& c = GetParam();
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    ui.clear();
    press(c.script);
    DrillView v = drill.view();
    EXPECT_EQ(entryState.entryPhase, c.phase);
    EXPECT_EQ(entryState.opLabel, c.label);
    EXPECT_EQ(entryState.numberText, c.number);
    EXPECT_EQ(v.numberGroupEnabled, c.numberGroup);
    EXPECT_EQ(v.numberGroupColour, c.numberGroup ? kRgbTeal : kRgbGrey);
    EXPECT_EQ(v.operationGroupColour, kRgbTeal);
    EXPECT_EQ(v.entry.jikkouEnabled, c.jikkou);
    EXPECT_EQ(ui.messages(), c.messages);
    // The label is drawn on the picture after the current step.
    if (!std::string(c.label).empty()) {
        EXPECT_EQ(opLabelDrawn(3), c.label);
    }
    // Composing never makes a step.
    EXPECT_EQ(drillState.curStep, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, EntryTable,
    ::testing::Values(
        EntryCase{"", 0, "", "", false, false, {}},
        EntryCase{"r1", 1, "第1行", "", false, false, {}},
        // Phase 1 waits for an operator: a second row and digits are ignored.
        EntryCase{"r1 r2", 1, "第1行", "", false, false, {}},
        EntryCase{"r1 5", 1, "第1行", "", false, false, {}},
        EntryCase{"r1 +", 2, "第1行＋", "", true, true, {}},
        EntryCase{"r1 -", 2, "第1行－", "", true, true, {}},
        EntryCase{"r2 swap", 2, "第2行　［交換］　", "", true, true, {}},
        EntryCase{"r1 + r2", 3, "第1行＋第2行", "", false, true, {}},
        EntryCase{"r1 + r2 *", 4, "第1行＋第2行×", "", true, true, {}},
        EntryCase{"r1 + r2 / 3", 4, "第1行＋第2行÷3", "3", true, true, {}},
        EntryCase{"r1 / 3 bun 2", 2, "第1行÷3分の2", "3分の2", true, true, {}},
        EntryCase{"r1 * 1 . 5", 2, "第1行×1.5", "1.5", true, true, {}},
        // Out of turn.
        EntryCase{"+", 0, "", "", false, false, {kWrongOp}},
        EntryCase{"r1 + +", 2, "第1行＋", "", true, true, {kWrongOp}},
        EntryCase{"r1 + r2 * /", 4, "第1行＋第2行×", "", true, true, {kWrongOp}},
        EntryCase{"r1 + r2 r1", 3, "第1行＋第2行", "", false, true, {"C操作が誤りです"}},
        EntryCase{"r1 + r2 * 2 r1", 4, "第1行＋第2行×2", "2", true, true, {"C操作が誤りです"}},
        // Swap has its own guards.
        EntryCase{"swap", 0, "", "", false, false, {"式が指定されていません"}},
        EntryCase{"r1 * swap", 2, "第1行×", "", true, true, {kWrongOp}},
        EntryCase{"r1 * 3 swap", 2, "第1行×3", "3", true, true, {kWrongOp}},
        // The minus sign and CL.
        EntryCase{"r1 * m 3", 2, "第1行×(-3", "-3", true, true, {}},
        EntryCase{"r1 * m 3 CL", 2, "第1行×", "", true, true, {}},
        EntryCase{"r1 * 1 CL", 2, "第1行×", "", true, true, {}},
        EntryCase{"r1 * 12 m", 2, "第1行×12", "12", true, true, {"－の位置が間違っています"}},
        EntryCase{"r1 * CL", 2, "第1行×", "", true, true, {}},
        EntryCase{"r1 * 2 CL 5", 2, "第1行×5", "5", true, true, {}},
        EntryCase{"r1 + r2 * 3 esc", 0, "", "", false, false, {}}),
    RowName());

TEST_F(DrillTest, ClDeletesTwentyCp932BytesFromTheFirstBracket) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    // "(" "-" "1" are 3 bytes, each "分の" 4 bytes: 19 bytes, and the next
    // "分" would straddle the 20th byte, so it goes whole.
    press("r1 + r2 * m 1");
    for (int i = 0; i < 4; ++i)
        drill.typeNumber("分の");
    drill.typeNumber("分");
    drill.typeNumber("の");
    drill.typeNumber("7");
    drill.typeNumber("CL");
    EXPECT_EQ(entryState.opLabel, "第1行＋第2行×の7");
    EXPECT_EQ(entryState.numberText, "");
    EXPECT_EQ(opLabelDrawn(3), "第1行＋第2行×の7");
}

TEST_F(DrillTest, ClOnExactlyTwentyBytesKeepsWhatFollows) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r1 + r2 * m 12");
    for (int i = 0; i < 4; ++i)
        drill.typeNumber("分の");
    drill.typeNumber("8");
    drill.typeNumber("CL");
    EXPECT_EQ(entryState.opLabel, "第1行＋第2行×8");
}

TEST_F(DrillTest, ClWithoutBracketCutsAtTheLastOccurrenceOfTheNumber) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    // The number "1" also occurs in 第1行; only the last occurrence goes.
    press("r1 + r2 * 1 1");
    drill.typeNumber("CL");
    EXPECT_EQ(entryState.opLabel, "第1行＋第2行×");
}

TEST_F(DrillTest, RowButtonsFollowTheUnknownCount) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    DrillView v = drill.view();
    EXPECT_EQ(v.rowButtonEnabled, (std::array<bool, 4>{true, true, false, false}));
    drill.btnGyouClick(3);  // disabled: nothing happens
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.opLabel, "");

    setUnit(1, "３元", {"x+y+z=6;x-y=0;z=3"});
    ASSERT_TRUE(drill.startQuestion(true));
    EXPECT_EQ(drill.view().rowButtonEnabled, (std::array<bool, 4>{true, true, true, false}));
    drill.btnGyouClick(3);
    EXPECT_EQ(entryState.row1Line, 3);
    EXPECT_EQ(entryState.row1Text, "3");
}

TEST_F(DrillTest, RowButtonMovesTheBandEvenWhenTheEntryIgnoresTheRow) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    drill.btnGyouClick(2);
    EXPECT_EQ(drillState.litRow, 1);
    EXPECT_EQ(pic(2).litBands(), std::vector<int>{1});
    EXPECT_TRUE(drillState.rowClickLock);
    // Waiting for an operator: the entry keeps row 2, the band follows the button.
    drill.btnGyouClick(1);
    EXPECT_EQ(entryState.entryPhase, 1);
    EXPECT_EQ(entryState.row1Line, 2);
    EXPECT_EQ(drillState.litRow, 0);
    EXPECT_EQ(drillState.pickedRow, 0);
    EXPECT_EQ(pic(2).litBands(), std::vector<int>{0});
    press("+ r1");
    EXPECT_EQ(entryState.row2Line, 1);
    EXPECT_EQ(entryState.row2Text, "1");
}

TEST_F(DrillTest, FocusGoesToRunWhenRunnableElseToNext) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    unsigned before = drillState.focusRequests;
    press("r1");
    EXPECT_EQ(drill.view().state.focus, FocusTarget::Next);
    EXPECT_GT(drillState.focusRequests, before);
    press("*");
    EXPECT_EQ(drill.view().state.focus, FocusTarget::Jikkou);
    press("esc");
    EXPECT_EQ(drill.view().state.focus, FocusTarget::Next);
}

TEST_F(DrillTest, CorrectionWithNothingComposedRemovesTheLastStep) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    // On picture 2 it only clears.
    drill.correctEntry(false);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_NE(pic(2).matrix(), nullptr);

    press("r2 - r1 run");
    ASSERT_EQ(drillState.curStep, 3);
    ASSERT_NE(pic(3).matrix(), nullptr);
    drill.correctEntry(false);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_TRUE(pic(3).empty());
    EXPECT_NE(pic(2).matrix(), nullptr);
    // And work goes on from picture 2 again.
    press("r2 - r1 run");
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_EQ(matrixOf(3),
              (std::vector<std::vector<std::string>>{{"1", "1", "5"}, {"0", "-2", "-4"}}));
}

TEST_F(DrillTest, CorrectionWithSomethingComposedKeepsTheStep) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r2 - r1 run r1 +");
    drill.correctEntry(false);
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_NE(pic(3).matrix(), nullptr);
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.row1Line, 0);
    EXPECT_EQ(entryState.pendingOp, '?');
    EXPECT_EQ(drillState.litRow, -1);
    EXPECT_TRUE(pic(3).litBands().empty());
    EXPECT_TRUE(pic(4).empty());
}

// Mouse over the pictures.

TEST_F(DrillTest, HoverHighlightsRowsOfTheCurrentPictureOnly) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    ASSERT_NE(pic(2).matrix(), nullptr);
    const StepMatrixItem m = *pic(2).matrix();  // the picture changes below
    EXPECT_EQ(m.firstLineTop, 25);
    drill.imageMouseMove(1, 60, 60);  // not the current picture
    EXPECT_EQ(drillState.litRow, -1);
    drill.imageMouseMove(2, 60, 25 + 30 + 5);
    EXPECT_EQ(drillState.litRow, 1);
    EXPECT_EQ(pic(2).litBands(), std::vector<int>{1});
    drill.imageMouseMove(2, 60, 25 + 5);
    EXPECT_EQ(drillState.litRow, 0);
    EXPECT_EQ(pic(2).litBands(), std::vector<int>{0});
    // Left of the matrix and below it: no band, but the row stays picked.
    drill.imageMouseMove(2, 40, 30);
    EXPECT_EQ(drillState.litRow, -1);
    EXPECT_TRUE(pic(2).litBands().empty());
    EXPECT_EQ(drillState.pickedRow, 0);
    drill.imageMouseMove(2, 60, 25 + 60);
    EXPECT_EQ(drillState.litRow, -1);
    drill.imageMouseMove(2, m.drawnWidth + 19, 30);
    EXPECT_EQ(drillState.litRow, 0);
    drill.imageMouseMove(2, m.drawnWidth + 20, 30);
    EXPECT_EQ(drillState.litRow, -1);
    // Hovering only toggles bands: the picture does not grow without end.
    for (int i = 0; i < 50; ++i)
        drill.imageMouseMove(2, 60, 30 + 30 * (i % 2));
    EXPECT_LE(pic(2).items.size(), 5u);
}

TEST_F(DrillTest, SettingUpAgainForgetsTheOldBand) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    drill.btnGyouClick(2);
    ASSERT_EQ(drillState.litRow, 1);
    // A unit change sets the question up again on cleared pictures.
    ASSERT_TRUE(drill.startQuestion(false));
    EXPECT_EQ(drillState.litRow, -1);
    EXPECT_FALSE(drillState.rowClickLock);
    drill.imageMouseMove(2, 60, 30);
    EXPECT_EQ(pic(2).litBands(), std::vector<int>{0});
}

TEST_F(DrillTest, ClickSelectsThePickedRowAndLocksTheHighlight) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    EXPECT_EQ(drill.imageMouseUp(1, MouseButton::Left), ReleaseResult::Ignored);
    drill.imageMouseMove(2, 60, 60);
    EXPECT_EQ(drill.imageMouseUp(2, MouseButton::Left), ReleaseResult::RowSelected);
    EXPECT_EQ(entryState.row1Text, "2");
    EXPECT_TRUE(drillState.rowClickLock);
    // Locked: moving does not move the band, a second click changes nothing.
    drill.imageMouseMove(2, 60, 30);
    EXPECT_EQ(drillState.litRow, 1);
    drill.imageMouseUp(2, MouseButton::Left);
    EXPECT_EQ(entryState.entryPhase, 1);
    EXPECT_EQ(entryState.opLabel, "第2行");
    EXPECT_TRUE(ui.messages().empty());
    // The right button asks for the step listing.
    EXPECT_EQ(drill.imageMouseUp(2, MouseButton::Right), ReleaseResult::OpenStepListing);
}

// Keys.

KeyEvent typed(const std::string& text) {
    return KeyEvent{keys::kOther, text, false, false};
}
KeyEvent shifted(int key, const std::string& text = "") {
    return KeyEvent{key, text, true, false};
}
KeyEvent down(int key) {
    return KeyEvent{key, "", false, false};
}

struct OperatorKey {
    const char* text;
    const char* label;
    char op;
};

void PrintTo(const OperatorKey& k, std::ostream* out) {
    static const std::map<std::string, const char*> words = {
        {"*", "times"}, {"/", "divide"}, {"+", "plus"}, {"-", "minus"}, {"^", "swap"}};
    const auto word = words.find(k.text);
    *out << "key " << (word != words.end() ? word->second : k.text);
}

class OperatorKeys : public DrillTest, public ::testing::WithParamInterface<OperatorKey> {};

TEST_P(OperatorKeys, TypedInPhaseOneChooseTheOperator) {
    const OperatorKey& k = GetParam();
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    drill.btnGyouClick(1);
    EXPECT_TRUE(drill.routeKey(typed(k.text)));
    EXPECT_EQ(entryState.entryPhase, 2);
    EXPECT_EQ(entryState.opLabel, std::string("第1行") + k.label);
    EXPECT_EQ(entryState.firstOp, k.op);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OperatorKeys,
    ::testing::Values(OperatorKey{"*", "×", '*'}, OperatorKey{"/", "÷", '/'},
                      OperatorKey{"+", "＋", '+'}, OperatorKey{"-", "－", '-'},
                      OperatorKey{"D", "　［交換］　", '^'}, OperatorKey{"d", "　［交換］　", '^'},
                      OperatorKey{"S", "整理", 'S'}, OperatorKey{"s", "整理", 'S'},
                      OperatorKey{"I", "移項", 'I'}, OperatorKey{"i", "移項", 'I'},
                      OperatorKey{"K", "かっこ", 'K'}, OperatorKey{"k", "かっこ", 'K'}),
    RowName());

TEST_F(DrillTest, KeysOutsideThePhaseTableDoNothing) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    // Phase 0: nothing at all, not even a row by Shift+digit.
    for (const char* t : {"1", "+", "D", "b"})
        EXPECT_FALSE(drill.routeKey(typed(t)));
    EXPECT_FALSE(drill.routeKey(shifted('1', "!")));
    EXPECT_EQ(entryState.entryPhase, 0);
    // Phase 1: only operators.
    drill.btnGyouClick(1);
    for (const char* t : {"5", "x", "b", "."})
        EXPECT_FALSE(drill.routeKey(typed(t)));
    EXPECT_FALSE(drill.routeKey(shifted('2', "@")));
    EXPECT_EQ(entryState.opLabel, "第1行");
    // Phase 3: only × and ÷.
    press("+ r2");
    for (const char* t : {"+", "-", "5", "D"})
        EXPECT_FALSE(drill.routeKey(typed(t)));
    EXPECT_EQ(entryState.entryPhase, 3);
    EXPECT_TRUE(drill.routeKey(typed("/")));
    EXPECT_EQ(entryState.entryPhase, 4);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(DrillTest, ShiftDigitSelectsTheRowWhateverTheLayoutReports) {
    struct Case {
        KeyEvent key;
        const char* rowText;
    };
    const Case cases[] = {
        {shifted('2', "\""), "2"},             // Japanese layout
        {shifted('@', "@"), "2"},              // US layout reporting the symbol
        {shifted('"', "\""), "2"},             // Japanese layout reporting the symbol
        {KeyEvent{'1', "", true, true}, "1"},  // numeric keypad
        {shifted('!', "!"), "1"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(start("x+y=5;x-y=1"));
        press("r1 +");
        EXPECT_TRUE(drill.routeKey(c.key));
        EXPECT_EQ(entryState.entryPhase, 3);
        EXPECT_EQ(entryState.row2Text, c.rowText);
        // The typed symbol adds nothing to the label.
        EXPECT_EQ(entryState.opLabel, std::string("第1行＋第") + c.rowText + "行");
    }
}

TEST_F(DrillTest, ShiftAloneAndRowsBeyondTheQuestionSelectNothing) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r1 +");
    EXPECT_FALSE(drill.routeKey(shifted(keys::kShift)));
    EXPECT_FALSE(drill.routeKey(shifted('3', "#")));
    EXPECT_FALSE(drill.routeKey(shifted('#', "#")));
    EXPECT_FALSE(drill.routeKey(shifted('0', ")")));
    EXPECT_EQ(entryState.entryPhase, 2);
    EXPECT_EQ(entryState.opLabel, "第1行＋");
}

TEST_F(DrillTest, TypingTheNumberInPhaseTwo) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r1 /");
    for (const char* t : {"3", "B", "2"})
        EXPECT_TRUE(drill.routeKey(typed(t)));
    EXPECT_EQ(entryState.numberText, "3分の2");
    EXPECT_EQ(entryState.opLabel, "第1行÷3分の2");
    // A typed minus after digits gets the button's guard: nothing is added,
    // so the label and the number never disagree.
    EXPECT_TRUE(drill.routeKey(typed("-")));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"－の位置が間違っています"});
    EXPECT_EQ(entryState.numberText, "3分の2");
    EXPECT_EQ(entryState.opLabel, "第1行÷3分の2");
    // Delete is CL while the number group is enabled.
    EXPECT_TRUE(drill.routeKey(down(keys::kDelete)));
    EXPECT_EQ(entryState.opLabel, "第1行÷");
    EXPECT_EQ(entryState.numberText, "");
}

TEST_F(DrillTest, DeleteOutsideTheNumberPhasesDoesNothing) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    drill.btnGyouClick(1);
    EXPECT_FALSE(drill.routeKey(down(keys::kDelete)));
    EXPECT_EQ(entryState.opLabel, "第1行");
}

TEST_F(DrillTest, PhaseFourTakesEachTypedCharacterOnce) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r1 + r2 *");
    EXPECT_TRUE(drill.routeKey(typed("2")));
    // Shift+S comes down as S and types "S": one S.
    drill.routeKey(KeyEvent{'S', "S", true, false});
    // Keys that type nothing add nothing.
    EXPECT_FALSE(drill.routeKey(shifted(keys::kShift)));
    EXPECT_FALSE(drill.routeKey(KeyEvent{keys::kOther, "\t", false, false}));
    EXPECT_EQ(entryState.numberText, "2S");
    EXPECT_EQ(entryState.opLabel, "第1行＋第2行×2S");
}

TEST_F(DrillTest, EscapeCorrectsInAnyPhase) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r1 + r2 * 3");
    EXPECT_TRUE(drill.routeKey(down(keys::kEscape)));
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(entryState.opLabel, "");
    EXPECT_EQ(entryState.numberText, "");
    EXPECT_FALSE(drill.view().entry.jikkouEnabled);
    EXPECT_EQ(opLabelDrawn(3), "<none>");
}

TEST_F(DrillTest, EnterRunsOnlyWhatIsRunnable) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    // Nothing composed on an unsolved question: nothing, and no question asked.
    EXPECT_TRUE(drill.routeKey(down(keys::kEnter)));
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_TRUE(ui.log.empty());
    drill.btnGyouClick(2);
    EXPECT_TRUE(drill.routeKey(down(keys::kEnter)));
    EXPECT_EQ(drillState.curStep, 2);
    // Runnable: Enter runs it, with or without Shift.
    press("-");
    EXPECT_TRUE(drill.routeKey(shifted('1', "!")));
    EXPECT_TRUE(drill.routeKey(KeyEvent{keys::kEnter, "\r", true, false}));
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_EQ(matrixOf(3)[1], (std::vector<std::string>{"0", "-2", "-4"}));
    EXPECT_EQ(entryState.entryPhase, 0);
}

TEST_F(DrillTest, EnterOnASolvedQuestionGoesOnWithoutAsking) {
    setUnit(1, "２元", {"x+y=5;x-y=1", "x+y=2;x-y=0"});
    ASSERT_TRUE(drill.startQuestion(true));
    press("r2 - r1 run r2 / m 2 run r1 - r2 run");
    ASSERT_TRUE(drill.questionSolved());
    ui.clear();
    EXPECT_TRUE(drill.routeKey(down(keys::kEnter)));
    EXPECT_EQ(drillState.curQues[1], 2);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(DrillTest, NothingIsComposedAfterTheAnswer) {
    ASSERT_TRUE(start("x+y=5;x-y=1"));
    press("r2 - r1 run r2 / m 2 run r1 - r2 run");
    ASSERT_TRUE(drill.questionSolved());
    const int step = drillState.curStep;
    EXPECT_EQ(drill.view().rowButtonEnabled, (std::array<bool, 4>{}));
    drill.btnGyouClick(1);
    drill.imageMouseUp(step, MouseButton::Left);
    drill.selectRow(step, 0);
    EXPECT_EQ(entryState.entryPhase, 0);
    // 訂正 leaves the answer where it is.
    drill.correctEntry(false);
    EXPECT_EQ(drillState.curStep, step);
    EXPECT_FALSE(pic(step).empty());
}

}  // namespace
