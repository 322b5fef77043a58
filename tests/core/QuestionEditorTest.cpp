// The question editor's check, its OK and Cancel, saving question files, the
// problem choice window's model, the step listing, and the one rule for
// question lines that the drill, the check and the previews share.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "arith/Fraction.h"
#include "arith/NumberText.h"
#include "platform/Text.h"
#include "questions/ProblemChoice.h"
#include "questions/QuestionEditor.h"
#include "questions/QuestionLine.h"
#include "questions/StepListing.h"
#include "tests/support/ScriptedUi.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// A text of units named A, B, C … holding the given question lines.
Lines units(const std::vector<Lines>& questions) {
    Lines out;
    char name = 'A';
    for (const auto& qs : questions) {
        out.push_back(std::string("<<") + name++);
        out.insert(out.end(), qs.begin(), qs.end());
        out.push_back(">>");
    }
    return out;
}

const Lines kGood2 = {"x+y=7;x-y=3", "2x+3y=13;x-y=-1"};
const Lines kGood3 = {"x+y+z=6;x-y+z=2;x+y-z=0"};
const Lines kGood4 = {"x+y+z+w=10;x-y+z-w=-2;x+y-z-w=-4;x-y-z+w=0"};
const Lines kSpecial = {"x+2y=3;2x+4y=6", "x-y=1;2x-2y=5"};

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        numberState = NumberState{};
        editorState = EditorState{};
        dir = fs::temp_directory_path() /
              ("qedit-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    SaveDialog choose(const fs::path& p) {
        return [this, p](const std::string& preset) {
            presets.push_back(preset);
            return std::optional<std::string>(p.string());
        };
    }

    ScriptedUi ui;
    QuestionBank bank;
    fs::path dir;
    std::vector<std::string> presets;
};

// ---- the error check, stage by stage ----------------------------------------

struct CheckCase {
    const char* name;
    Lines text;
    std::optional<std::string> edtTangen;
    std::optional<std::string> edtResult;
    std::string edtErTangen;
    Lines lstErQues;
    Lines reasons;  // why each listed line is wrong
    std::optional<int> caretLine;
    Lines messages = {};
    bool passed = false;
};

class CheckStages : public EditorTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckStages, GiveTheirVerdictAndListTheLinesInError) {
    const CheckCase& c = GetParam();
    bank.lines = c.text;
    editorState.checkPassed = true;
    const CheckReport r = checkQuestionText(bank);
    EXPECT_EQ(r.edtTangen, c.edtTangen);
    EXPECT_EQ(r.edtResult, c.edtResult);
    EXPECT_EQ(r.edtErTangen, c.edtErTangen);
    EXPECT_EQ(r.lstErQues, c.lstErQues);
    EXPECT_EQ(r.lstErReasons, c.reasons);
    EXPECT_EQ(r.caretLine, c.caretLine);
    EXPECT_EQ(ui.messages(), c.messages);
    EXPECT_EQ(r.passed, c.passed);
    EXPECT_EQ(editorState.checkPassed, c.passed);
    // Every stage but the unit count sends the teacher back into the text.
    EXPECT_EQ(r.focusMemo,
              c.edtResult != std::optional<std::string>(kUnitCountResult) && !c.passed);
}

const Lines kFour = units({kGood2, kGood3, kGood4, kSpecial});

Lines withLine(Lines text, std::size_t at, const std::string& line) {
    text[at] = line;
    return text;
}

const std::string kNulLine("x+y=1\0;x-y=0", 12);
const std::string kLongLine = "x+y=1;x-y=" + std::string(48, '1');

// One row per case: the text; edtTangen and edtResult (nullopt: left as they
// were), edtErTangen, lstErQues and why; the caret's line; the messages shown.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Editor, CheckStages, ::testing::Values(
    // Characters: the first line with a character outside 0-9 + - . / ; = w x y z.
    CheckCase{"Space", units({{"x+y=7;x-y=3", "2x + y=3;x-y=1", "x*y"}, kGood3, kGood4, kSpecial}),
              "", std::nullopt, "", {"2x + y=3;x-y=1"}, {"使えない文字「 」があります"}, 2},
    CheckCase{"TrailingStar", units({{"x+y=3;x-y=1*"}, kGood3, kGood4, kSpecial}),
              "", std::nullopt, "", {"x+y=3;x-y=1*"}, {"使えない文字「*」があります"}, 1},
    CheckCase{"FullWidthDigit", units({kGood2, {"x+y+z=６;x=1;y=2"}, kGood4, kSpecial}),
              "", std::nullopt, "", {"x+y+z=６;x=1;y=2"}, {"使えない文字「６」があります"}, 5},
    CheckCase{"CapitalLetter", units({{"X+y=1;x-y=0"}, kGood3, kGood4, kSpecial}),
              "", std::nullopt, "", {"X+y=1;x-y=0"}, {"使えない文字「X」があります"}, 1},
    // A control character is named in a form that can be seen.
    CheckCase{"NulCharacter", units({{kNulLine}, kGood3, kGood4, kSpecial}),
              "", std::nullopt, "", {kNulLine}, {"使えない文字「\\0」があります"}, 1},
    // Unit lines pass with Japanese names, unless Shift-JIS cannot write them.
    CheckCase{"EmojiInUnitName", withLine(kFour, 4, "<<三元😀"),
              "", "??? 5行目の「😀」はシフトJISで保存できません", "", {"<<三元😀"}, {""}, 4},
    // ¥ would be written as "\\" and read back so: refused like a character without a form.
    CheckCase{"YenInUnitName", withLine(kFour, 0, "<<¥100の問題"),
              "", "??? 1行目の「¥」はシフトJISで保存できません", "", {"<<¥100の問題"}, {""}, 0},
    // Structure.
    CheckCase{"UnitNotClosed", {"<<A", "x+y=1;x-y=1", "<<B", "x+y=2;x-y=0", ">>"},
              std::nullopt, kStructureResult, kStructureUnit, {}, {}, std::nullopt},
    CheckCase{"SixQuestions", units({Lines(6, "x+y=1;x-y=1")}),
              std::nullopt, kStructureResult, kStructureUnit, {}, {}, std::nullopt, {"問題は5問以下です"}},
    CheckCase{"EmptyText", {},
              std::nullopt, kStructureResult, kStructureUnit, {}, {}, std::nullopt},
    // A unit without a name would hide itself and every unit after it.
    CheckCase{"UnitWithoutName", withLine(kFour, 4, "<<"),
              std::nullopt, "??? 5行目の単元に名前がありません。この単元から後は使われません",
              kStructureUnit, {}, {}, 4},
    // Questions: every bad question of the first unit that has one; the caret
    // at the first of them.
    CheckCase{"BadInUnits2And3", units({kGood2, {"x+y+z=6;x-y=", "x+y+z=6;x-y+z=2;x+y-z=0", "x+y=1;x-y=;"},
                                        {"x+y=1;x-y=1;x=1;y=1;z=1"}, kSpecial}),
              "", kQuestionsResult, "B", {"x+y+z=6;x-y=", "x+y=1;x-y=;"},
              {"z は2元の問題では使えません", "3番目の式が空です"}, 5,
              {"x+y+z=6;x-y=：問題が不正です", "x+y=1;x-y=;：問題が不正です"}},
    CheckCase{"BadInUnit3Only", units({kGood2, kGood3, {"x+y=1;x-y=1;x=1;y=1;z=1"}, kSpecial}),
              "", kQuestionsResult, "C", {"x+y=1;x-y=1;x=1;y=1;z=1"}, {"式は4つまでです"}, 8,
              {"x+y=1;x-y=1;x=1;y=1;z=1：問題が不正です"}},
    // An unknown the question does not have, or an equation without one.
    CheckCase{"ForeignUnknown", units({{"x+z=1;x-y=2"}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {"x+z=1;x-y=2"}, {"z は2元の問題では使えません"}, 1,
              {"x+z=1;x-y=2：問題が不正です"}},
    CheckCase{"NoUnknown", units({{"x+y=1;=5"}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {"x+y=1;=5"}, {"2番目の式に未知数がありません"}, 1,
              {"x+y=1;=5：問題が不正です"}},
    CheckCase{"OneEquation", units({{"x=1"}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {"x=1"}, {"式が2つ以上必要です"}, 1, {"x=1：問題が不正です"}},
    CheckCase{"EmptyQuestion", units({{"x+y=1;x-y=1", ""}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {""}, {"空の問題です"}, 2, {"：問題が不正です"}},
    CheckCase{"ZeroDenominator", units({{"x+y=1/0;x-y=1"}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {"x+y=1/0;x-y=1"}, {"1番目の式：0 で割っています"}, 1,
              {"x+y=1/0;x-y=1：問題が不正です"}},
    CheckCase{"TwoSigns", units({{"x+-y=1;x-y=1"}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {"x+-y=1;x-y=1"}, {"1番目の式：符号が2つ続いています"}, 1,
              {"x+-y=1;x-y=1：問題が不正です"}},
    CheckCase{"EquationOver50Bytes", units({{kLongLine}, kGood3, kGood4, kSpecial}),
              "", kQuestionsResult, "A", {kLongLine}, {"2番目の式が50バイトを超えています"}, 1,
              {kLongLine + "：問題が不正です"}},
    // The unit count.
    CheckCase{"FiveUnits", units({kGood2, kGood3, kGood4, kSpecial, kGood2}),
              "5", kUnitCountResult, "", {}, {}, std::nullopt},
    CheckCase{"ThreeUnits", units({kGood2, kGood3, kGood4}),
              "3", kUnitCountResult, "", {}, {}, std::nullopt},
    CheckCase{"FourUnits", kFour,
              "4", kPassedResult, kNone, {kNone}, {}, std::nullopt, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(EditorTest, ACheckLeavesTheDrillsRowsAndNumberStateAlone) {
    equationList.rows[1].count = 7;
    equationList.rows[105].count = 9;
    equationList.unknownCount = 3;
    numberState.hasDecimalPoint = true;
    numberState.parseError = 0;
    const EquationList before = equationList;
    bank.lines = units({kGood2, kGood3, kGood4, {"x+2y=4;x+y=2"}});
    EXPECT_TRUE(checkQuestionText(bank).passed);
    bank.lines = units({{"x+y=1;2a=1"}, kGood3, kGood4, kSpecial});
    EXPECT_FALSE(checkQuestionText(bank).passed);
    for (int r = 0; r < kListRows; ++r)
        EXPECT_EQ(equationList.rows[r].count, before.rows[r].count) << r;
    EXPECT_EQ(equationList.unknownCount, 3);
    EXPECT_TRUE(numberState.hasDecimalPoint);
    EXPECT_EQ(numberState.parseError, 0);
    // A passing check leaves the tables of the checked text.
    bank.lines = kFour;
    ASSERT_TRUE(checkQuestionText(bank).passed);
    EXPECT_EQ(bank.question(4, 2), "x-y=1;2x-2y=5");
}

// ---- previews ----------------------------------------------------------------

TEST_F(EditorTest, APreviewKeepsTheDecimalFormOfItsLastEquationAndTheNumberState) {
    numberState.hasDecimalPoint = false;
    EXPECT_TRUE(parseQuestionAside("2x-y=2;0.5x+1.5y=4")->hasDecimalPoint);
    EXPECT_FALSE(numberState.hasDecimalPoint);
    numberState.hasDecimalPoint = true;
    EXPECT_FALSE(parseQuestionAside("x+y=7;x-y=3")->hasDecimalPoint);
    EXPECT_TRUE(numberState.hasDecimalPoint);
    EXPECT_FALSE(parseQuestionAside("x+y=3;x+y=123456"));
    EXPECT_EQ(numberState.parseError, 0);
    const auto q = parseQuestionAside("x+2y=3;2x+4y=6");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->rows[1].terms[1].numerator, 4);
    EXPECT_EQ(q->rows[1].terms[3].numerator, 6);
}

// ---- OK, Cancel and what follows -------------------------------------------

TEST_F(EditorTest, OkNeedsAPassedCheckOnceTheTextChanged) {
    bank.lines = kFour;
    bank.quesSaved = true;
    beginEditing(bank);
    editorShown();
    // Unchanged: accepted at once, nothing to save.
    EXPECT_TRUE(editorOk(bank));
    EXPECT_TRUE(bank.quesSaved);

    editorShown();
    Lines edited = kFour;
    edited[1] = "x+y=8;x-y=2";
    memoChanged(bank, edited);
    EXPECT_FALSE(editorOk(bank));
    EXPECT_EQ(ui.messages(), Lines{kCheckFirstMessage});
    // A failed check keeps OK refused; a passed one lets it through.
    memoChanged(bank, units({kGood2}));
    checkQuestionText(bank);
    EXPECT_FALSE(editorOk(bank));
    memoChanged(bank, edited);
    ASSERT_TRUE(checkQuestionText(bank).passed);
    EXPECT_TRUE(editorOk(bank));
    EXPECT_FALSE(bank.quesSaved);
    EXPECT_EQ(bank.question(1, 1), "x+y=8;x-y=2");
}

TEST_F(EditorTest, AfterOkOrCancelTheDrillRestartsOrTheOldTextReturns) {
    struct Row {
        bool accepted;
        bool restartSucceeds;
        bool expectUsed;
        Lines messages;
        int switches;
    };
    for (const Row& row : {Row{true, true, true, {}, 1}, Row{true, false, false, {"qqq"}, 0},
                           Row{false, true, false, {}, 0}}) {
        ui.clear();
        bank.lines = kFour;
        bank.quesSaved = true;
        beginEditing(bank);
        editorShown();
        Lines edited = units({kGood2, kGood3, kGood4, {"x+y=1;x+y=2"}});
        memoChanged(bank, edited);
        ASSERT_TRUE(checkQuestionText(bank).passed);
        if (row.accepted) {
            ASSERT_TRUE(editorOk(bank));
        }
        int restarts = 0, switches = 0;
        EditorCloseActions actions{[&] {
                                       ++restarts;
                                       return row.restartSucceeds;
                                   },
                                   [&] { ++switches; }};
        EXPECT_EQ(finishEditing(bank, row.accepted, actions), row.expectUsed);
        EXPECT_EQ(restarts, row.accepted ? 1 : 0);
        EXPECT_EQ(switches, row.switches);
        EXPECT_EQ(ui.messages(), row.messages);
        EXPECT_EQ(bank.lines, row.expectUsed ? edited : kFour);
        EXPECT_EQ(bank.question(4, 1), row.expectUsed ? "x+y=1;x+y=2" : kSpecial[0]);
        EXPECT_EQ(bank.quesSaved, !row.expectUsed);
    }
}

// ---- saving -----------------------------------------------------------------

TEST_F(EditorTest, SavingWritesShiftJisWithCrLfAndTakesTheNewName) {
    // Typed with the wave dash of Linux input, kept and written as CP932's ～.
    memoChanged(bank, {"<<２元〜", "x+y=1;x-y=1", ">>"});
    EXPECT_EQ(bank.lines, (Lines{"<<２元～", "x+y=1;x-y=1", ">>"}));
    bank.quesSaved = false;
    bank.quesFilePath = (dir / "RAver.sim").string();
    bank.quesFileRead = true;
    const fs::path target = dir / "new.SIM";
    ASSERT_TRUE(saveQuestionFile(bank, choose(target)));
    EXPECT_EQ(presets, Lines{(dir / "RAver.sim").string()});
    EXPECT_EQ(readBytes(target),
              std::string("<<\x82\x51\x8c\xb3\x81\x60\r\nx+y=1;x-y=1\r\n>>\r\n"));
    EXPECT_TRUE(bank.quesSaved);
    EXPECT_EQ(bank.quesFilePath, target.string());
    EXPECT_EQ(editorCaption(bank), "問題の編集：" + target.string());
    // The next dialog is preset to the new name.
    ASSERT_TRUE(saveQuestionFile(bank, choose(target)));
    EXPECT_EQ(presets.back(), target.string());
    // Cancelled, or no name: nothing happens.
    bank.quesSaved = false;
    EXPECT_FALSE(saveQuestionFile(bank, [](const std::string&) { return std::nullopt; }));
    EXPECT_FALSE(saveQuestionFile(bank, [](const std::string&) { return std::string(); }));
    EXPECT_FALSE(bank.quesSaved);
    EXPECT_TRUE(ui.log.empty());
}

// A file that could not be read is never replaced by what happens to be in
// memory: an empty text is refused before the dialog opens, and the dialog
// offers only the folder of a file that was not read.
TEST_F(EditorTest, SavingAfterAFailedReadNeverReplacesTheUnreadFile) {
    struct Row {
        const char* name;
        std::string onDisk;                 // the bytes of RAver.sim
        std::optional<Lines> typed;         // the text the teacher typed afterwards
        std::optional<std::string> preset;  // nullopt: the dialog never opens
        Lines messages;
    };
    const std::string good = "<<A\r\nx+y=1;x-y=1\r\n>>\r\n";
    const Lines text = {"<<B", "x+y=2;x-y=0", ">>"};
    const std::string folder = dir.string() + "/";
    const std::string sim = (dir / "RAver.sim").string();
    const std::string notCp932 = sim + "はシフトJIS（CP932）のテキストではないため読み込めません";
    // clang-format off
    const Row rows[] = {
        {"LoneLeadByteAtTheEnd", good + "\x82", std::nullopt, std::nullopt, {notCp932, kNothingToSaveMessage}},
        {"BlankLinesTyped", good + "\x82", Lines{"", "  "}, std::nullopt, {notCp932, kNothingToSaveMessage}},
        {"NewTextTyped", good + "\x82", text, folder, {notCp932}},
        {"ReadFile", good, text, sim, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui.clear();
        presets.clear();
        { std::ofstream(sim, std::ios::binary) << row.onDisk; }
        bank = QuestionBank{};
        loadStartupQuestions(bank, folder);
        if (row.typed)
            bank.lines = *row.typed;
        const fs::path target = dir / "chosen.SIM";
        fs::remove(target);
        const bool saved = saveQuestionFile(bank, choose(target));
        EXPECT_EQ(saved, row.preset.has_value());
        EXPECT_EQ(presets.empty() ? std::nullopt : std::optional(presets[0]), row.preset);
        EXPECT_EQ(ui.messages(), row.messages);
        EXPECT_EQ(readBytes(sim), row.onDisk);
    }
}

TEST_F(EditorTest, AFailedSaveNamesTheFileOrLineAndChangesNothing) {
    const std::string old = "<<old\r\nx+y=1;x-y=1\r\n>>\r\n";
    const fs::path file = dir / "old.SIM";
    { std::ofstream(file, std::ios::binary) << old; }
    const Lines text = {"<<new", "x+y=2;x-y=0", ">>"};
    struct Row {
        const char* name;
        Lines lines;
        std::function<void()> prepare;
        std::string expectMessage;
    };
    const fs::path lockedDir = dir / "locked";
    const Row rows[] = {
        {"ReadOnlyFile", text, [&] { fs::permissions(file, fs::perms::owner_read); },
         file.string() + " に保存できません"},
        {"ReadOnlyFolder", text,
         [&] {
             fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
             fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
         },
         file.string() + " に保存できません"},
        {"NoShiftJisForm",
         {"<<new😀", "x+y=2;x-y=0", ">>"},
         [&] { fs::permissions(dir, fs::perms::owner_all); },
         file.string() + " に保存できません：1行目「<<new😀」の「😀」はシフトJISで書けません"},
        {"WouldReadBackChanged",
         {"<<new", "x+y=2;x-y=0", ">>", "<<a‾b"},
         [] {},
         file.string() + " に保存できません：4行目「<<a‾b」の「‾」はシフトJISで書けません"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.prepare();
        ui.clear();
        bank.lines = row.lines;
        bank.quesSaved = false;
        bank.quesFilePath = "before.SIM";
        EXPECT_FALSE(saveQuestionFile(bank, choose(file)));
        EXPECT_EQ(ui.messages(), Lines{row.expectMessage});
        EXPECT_FALSE(bank.quesSaved);
        EXPECT_EQ(bank.quesFilePath, "before.SIM");
        EXPECT_EQ(readBytes(file), old);
        Lines left;
        for (const auto& e : fs::directory_iterator(dir))
            left.push_back(e.path().filename().string());
        EXPECT_EQ(left, Lines{"old.SIM"});
    }
}

// ---- the problem choice window ------------------------------------------------

class ChoiceTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        bank.lines = units(
            {{"x+y=7;x-y=3", "x+y=1;x-y=1", "x+y=2;x-y=2", "x+y=3;x-y=3"},
             kGood3,
             kGood4,
             {"x+2y=3;2x+4y=6", "x+y+z=3;x+2y=1;x-y=2", "x+y=1;x+y=2;x+y+z+w=4;x=1", "x+q=1;x=2"}});
        ASSERT_TRUE(splitUnits(bank));
        curQues.fill(1);
    }
    ProblemChoice choice;
    std::array<int, kMaxUnits + 1> curQues{};
};

TEST_F(ChoiceTest, ShowsTheSlotsOfTheUnitWithEachPreviewAtItsOwnCount) {
    curQues[4] = 2;
    // Unit 1 first, so every slot but the fifth has been drawn once.
    choice.show(bank, 0, curQues, 2, false);
    choice.show(bank, 3, curQues, 2, false);
    EXPECT_EQ(choice.dlgUnit, 4);
    EXPECT_EQ(choice.provisionalUnknownCount, 5);
    EXPECT_EQ(choice.unitList, (Lines{"A", "B", "C", "D"}));
    EXPECT_EQ(choice.unitListIndex, -1);
    std::vector<int> visible, equations;
    for (int k = 1; k <= 5; ++k) {
        visible.push_back(choice.questionSlots[k].visible);
        equations.push_back(static_cast<int>(choice.questionSlots[k].rows.size()));
    }
    EXPECT_EQ(visible, (std::vector<int>{1, 1, 1, 1, 0}));
    // Two, three and four unknowns; the bad fourth keeps nothing of unit 1's
    // fourth question.
    EXPECT_EQ(equations, (std::vector<int>{2, 3, 4, 0, 0}));
    EXPECT_EQ(choice.questionSlots[3].rows[2].count, 4 + 2);
    EXPECT_EQ(ui.messages(), Lines{"x+q=1;x=2：問題が不正です"});
    EXPECT_EQ(choice.marked, 2);
    EXPECT_TRUE(choice.canAccept());

    // Unit 1 from the list: four questions, the fifth slot hidden.
    ui.clear();
    choice.lstTangenClick(bank, 0, curQues);
    EXPECT_EQ(choice.dlgUnit, 1);
    EXPECT_EQ(choice.provisionalUnknownCount, 2);
    EXPECT_EQ(choice.unitListIndex, 0);
    EXPECT_TRUE(choice.questionSlots[4].visible);
    EXPECT_FALSE(choice.questionSlots[5].visible);
    EXPECT_EQ(choice.questionSlots[4].rows.size(), 2u);
    EXPECT_EQ(choice.marked, 1);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ChoiceTest, OkHandsOverTheMarkedQuestionAndCancelTheSavedCount) {
    curQues[2] = 1;
    choice.show(bank, 0, curQues, 3, true);
    EXPECT_EQ(choice.unitListIndex, 0);
    choice.lstTangenClick(bank, 1, curQues);
    choice.selectQuestion(3);  // hidden in unit 2: nothing to hand over
    EXPECT_FALSE(choice.canAccept());
    choice.lstTangenClick(bank, 0, curQues);
    choice.selectQuestion(2);
    EXPECT_TRUE(choice.canAccept());
    const ChoiceResult r = choice.accept();
    EXPECT_EQ(r.unit, 1);
    EXPECT_EQ(r.question, 2);
    EXPECT_EQ(choice.cancel(), 3);
    choice.selectQuestion(9);  // outside the slots: nothing changes
    EXPECT_EQ(choice.accept().question, 2);
}

TEST_F(ChoiceTest, AUnitWithoutQuestionsHasNothingToAccept) {
    QuestionBank three = bank;
    three.lines = units({kGood2, kGood3, kGood4});
    ASSERT_TRUE(splitUnits(three));
    choice.show(three, 3, curQues, 2, true);
    EXPECT_EQ(choice.unitList.size(), 3u);
    EXPECT_FALSE(choice.canAccept());
}

// ---- the step listing ---------------------------------------------------------

TEST_F(EditorTest, TheStepListingShowsFourRowsFromTheStepsBlock) {
    EquationList list;
    list.unknownCount = 2;
    const auto q = parseQuestionLine("2x+y=-5;x-1/3y=1");
    ASSERT_TRUE(q);
    list.rows[3] = q->rows[0];
    list.rows[4] = q->rows[1];
    list.rows[5] = q->rows[0];
    const StepListing l = makeStepListing(list, 3);
    EXPECT_EQ(l.step, "3");
    EXPECT_EQ(l.rows[0], (Lines{"2x1", "1y1", "0=1", "-5/1"}));
    EXPECT_EQ(l.rows[1], (Lines{"1x1", "-1y3", "0=1", "1/1"}));
    EXPECT_EQ(l.rows[2], l.rows[0]);
    EXPECT_TRUE(l.rows[3].empty());
    // Past the end of the list: the rows that are not there are listed empty.
    list.unknownCount = 4;
    const StepListing last = makeStepListing(list, 33);  // rows 125 … 128
    EXPECT_TRUE(last.rows[3].empty());
}

}  // namespace
