// Drill sessions as a student works them: a question (or a question file the
// program starts on), a list of presses, keys and menu commands, and what the
// student must see afterwards: every message and question in order, and the
// state of the worksheet and the entry. One row per case.

#include <cctype>
#include <optional>
#include <sstream>

#include "DrillTestSupport.h"
#include "drill/Keys.h"
#include "drill/OpenQuestions.h"
#include "platform/Text.h"
#include "records/RecordFile.h"

namespace {

const char* const kUnit1 = "２元１次連立方程式";
const char* const kCompoundForm = "行１＋行２×定数　の形にしてください";
const char* const kWrongOperation = "操作が誤りです。例①＋②，①÷２，④代入①";
const char* const kQuestion = "x+y=5;x-y=1";
const char* const kQuestionMatrix = "1 1 5 / 1 -1 1";
const char* const kSolve = "r2 - r1 run r2 / m 2 run r1 - r2 run";

// A question line of 500 characters whose second equation is too long.
const std::string kLongLine = "x+y=1;" + std::string(494, '1');

struct Session {
    std::string name{};
    // The program starts on a question file of these lines (written as the
    // file RAver.sim), or, when `startUp` is false, on `question` alone.
    bool startUp = false;
    std::vector<std::string> file{};
    std::string question = kQuestion;
    std::vector<std::string> records{};  // the record file before, when not empty
    // Presses as DrillTest::press reads them, and further: "key:c" the
    // character c typed, "next" 次の問題, "open:name" 開く on a file of that
    // name whose text is `opened`.
    std::string events{};
    std::string opened{};

    // Every message and question, in order; "$DIR/" stands for the folder
    // the program runs in.
    std::vector<std::string> messages{};
    bool ready = true;  // a question is on the worksheet
    int step = 2;
    int phase = 0;
    std::string opLabel{};
    std::string numberText{};
    std::string matrix = kQuestionMatrix;  // of the current step
    bool solved = false;
    std::string record = "0";         // count of question 1 of unit 1 in the record file
    std::string recordUnit = kUnit1;  // under this name
};

std::ostream& operator<<(std::ostream& out, const Session& s) {
    return out << s.name;
}

class DrillSessionTest : public DrillTest, public ::testing::WithParamInterface<Session> {
  protected:
    std::string matrixText(int step) {
        std::string out;
        for (const auto& row : matrixOf(step)) {
            if (!out.empty())
                out += " / ";
            for (std::size_t j = 0; j < row.size(); ++j)
                out += (j ? " " : "") + row[j];
        }
        return out;
    }

    std::string dir() const { return recDir.string() + "/"; }

    std::string expand(std::string text) const {
        const std::string mark = "$DIR/";
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark))
            text.replace(at, mark.size(), dir());
        return text;
    }

    void startUp(const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeCp932Lines(dir() + kQuestionFileName, lines));
        // As the frame does when it is first shown.
        paths.progFolder = dir();
        if (loadStartupQuestions(questionBank, paths.progFolder))
            drill.startQuestion(true);
    }

    void openFile(const std::string& name, const std::string& text) {
        const std::string path = dir() + name;
        ASSERT_TRUE(writeFileAtomically(path, text));
        OpenCommandWindows windows;
        windows.chooseFile = [path](const std::string&) {
            return std::optional<std::string>(path);
        };
        runOpenCommand(questionBank, windows, &drill);
    }

    void run(const Session& s) {
        std::istringstream in(s.events);
        std::string t;
        while (in >> t) {
            if (t.starts_with("key:")) {
                const char c = t[4];
                KeyEvent key;
                key.key = std::isalpha(static_cast<unsigned char>(c)) ? std::toupper(c) : c;
                key.text = std::string(1, c);
                drill.routeKey(key);
            } else if (t == "next") {
                drill.nextQuestion();
            } else if (t.starts_with("open:")) {
                openFile(t.substr(5), s.opened);
            } else {
                press(t);
            }
        }
    }
};

TEST_P(DrillSessionTest, StudentSeesWhatTheDrillMeans) {
    const Session& s = GetParam();
    if (!s.records.empty()) {
        ASSERT_TRUE(writeCp932Lines(recordFilePath(paths), s.records));
    }
    // The special-solution choice, should it come, is answered both ways so
    // that its loop ends.
    ui.choices = {kChoiceNoSolution, kChoiceInfinitely};
    if (s.startUp)
        startUp(s.file);
    else
        start(s.question);
    run(s);

    std::vector<std::string> expected;
    for (const auto& m : s.messages)
        expected.push_back(expand(m));
    EXPECT_EQ(ui.texts(), expected);
    EXPECT_EQ(drillState.questionReady, s.ready);
    EXPECT_EQ(drillState.curStep, s.step);
    EXPECT_EQ(entryState.entryPhase, s.phase);
    EXPECT_EQ(entryState.opLabel, s.opLabel);
    EXPECT_EQ(entryState.numberText, s.numberText);
    if (s.ready && !s.matrix.empty()) {
        EXPECT_EQ(matrixText(drillState.curStep), s.matrix);
    }
    EXPECT_EQ(drill.questionSolved(), s.solved);
    EXPECT_EQ(readRecordCountText(recordFilePath(paths), s.recordUnit, 1), s.record);
    // Nothing stays drawn beyond the picture being composed on.
    for (int k = drillState.curStep + 2; k <= worksheetLayout.imageCount; ++k)
        EXPECT_TRUE(pic(k).empty()) << "picture " << k;
}

std::vector<Session> sessions() {
    std::vector<Session> all;
    auto add = [&all](Session s) { all.push_back(std::move(s)); };

    // The form of a compound operation is checked before its number, and a
    // wrong form is left for correction.
    add({.name = "CompoundFormBeforeTheNumber",
         .events = "r1 + r2 + key:a run",
         .messages = {kCompoundForm},
         .phase = 4,
         .opLabel = "第1行＋第2行＋a",
         .numberText = "a"});
    // A row after digits in phase 2 is refused and changes nothing; the
    // following × is out of turn, and the run is refused by the engine.
    add({.name = "RowAfterDigitsIsRefused",
         .events = "r1 + 3 r2",
         .messages = {kCompoundForm},
         .phase = 2,
         .opLabel = "第1行＋3",
         .numberText = "3"});
    add({.name = "RowAfterDigitsNeverScalesByTheJoinedNumber",
         .events = "r1 + 3 r2 * 2 run",
         .messages = {kCompoundForm, kWrongOperation, "行に定数をたすことはできません"}});
    add({.name = "RowAfterClearedDigitsIsTaken",
         .events = "r1 + 3 CL r2 * 2 run",
         .step = 3,
         .opLabel = "第1行＋第2行×2",
         .matrix = "3 -1 7 / 1 -1 1"});
    // The typed minus after digits gets the minus button's guard.
    add({.name = "MinusKeyAfterDigitsInPhaseTwo",
         .events = "r1 * 3 key:-",
         .messages = {"－の位置が間違っています"},
         .phase = 2,
         .opLabel = "第1行×3",
         .numberText = "3"});
    add({.name = "MinusKeyAfterDigitsInPhaseFour",
         .events = "r1 + r2 * 3 key:-",
         .messages = {"－の位置が間違っています"},
         .phase = 4,
         .opLabel = "第1行＋第2行×3",
         .numberText = "3"});
    // A number the panel's reader refuses: its message alone, the run
    // refused and the entry cleared.
    add({.name = "FiveDigitsOneMessage",
         .events = "r1 * 12345 run",
         .messages = {"12345 ←数値は４桁以下にしてください"}});
    add({.name = "FractionWithoutNumeratorOneMessage",
         .events = "r1 * 3 bun run",
         .messages = {"3分の ←分数の表現があやまりです"}});
    add({.name = "ZeroDenominatorInACompoundOneMessage",
         .events = "r1 + r2 * 0 bun 3 run",
         .messages = {"分母が０です"}});
    add({.name = "FiveDigitsAddedToARowOneMessage",
         .events = "r1 + 12345 run",
         .messages = {"12345 ←数値は４桁以下にしてください"}});
    // An overflow refusal clears what was composed, as every refused run does.
    add({.name = "OverflowClearsTheComposition",
         .question = "30000x+y=1;30000x+2y=2",
         .events = "r1 * 9999 run r1 * 9999 run",
         .messages = {"数値が範囲を超えています"},
         .step = 3,
         .matrix = "299970000 9999 9999 / 30000 2 2"});
    // Question lines with a letter that is no unknown of theirs, or with an
    // equation without unknowns, are invalid: never solved, never recorded.
    for (const char* line : {"x+y=3; ", "x+y=3;2a+b=1", "x+z=1;y=2", "X+y=1;x-y=0", "x+y=3;=5"}) {
        add({.name = std::string("InvalidLine") + std::to_string(all.size()),
             .question = line,
             .events = "r1 + r2 run",
             .messages = {std::string(line) + "：問題が不正です"},
             .ready = false,
             .step = 0,
             .matrix = ""});
    }
    // With no unit to work in, the start-up message comes once; 次の問題 and
    // the panel then do nothing.
    add({.name = "EmptyQuestionFile",
         .startUp = true,
         .events = "next r1 + * 2 m run next",
         .messages = {"$DIR/RAver.sim:問題が不正です"},
         .ready = false,
         .step = 0,
         .matrix = ""});
    add({.name = "BlankQuestionFile",
         .startUp = true,
         .file = {"", "  "},
         .events = "next",
         .messages = {"$DIR/RAver.sim:問題が不正です"},
         .ready = false,
         .step = 0,
         .matrix = ""});
    // A quoted count in the record file counts on.
    add({.name = "QuotedRecordCountsOn",
         .records = {std::string("[") + kUnit1 + "]", "1=\"42\"", "DATE=2024年05月07日09:05"},
         .events = kSolve,
         .step = 6,
         .opLabel = "第1行－第2行",
         .matrix = "",
         .solved = true,
         .record = "43"});
    // A long invalid line is reported whole.
    add({.name = "LongInvalidLineReportedWhole",
         .question = kLongLine,
         .messages = {kLongLine + "：問題が不正です"},
         .ready = false,
         .step = 0,
         .matrix = ""});
    // The compound form with the same row twice.
    add({.name = "SameRowTwiceSubtracted",
         .events = "r1 - r1 * 1 run",
         .messages = {"同じ式をひくことはできません"}});
    add({.name = "SameRowTwiceAdded",
         .events = "r1 + r1 * 2 run",
         .messages = {"同じ式をたすことはできません"}});
    // 開く on a text of blank lines only keeps the questions in use.
    add({.name = "OpeningBlankLinesKeepsTheQuestions",
         .startUp = true,
         .file = {std::string("<<") + kUnit1, kQuestion, ">>"},
         .events = "r1 open:blank.SIM",
         .opened = "\r\n",
         .messages = {"$DIR/blank.SIM:問題が不正です"},
         .phase = 1,
         .opLabel = "第1行"});
    // A zero row decides only what it shows: beside rows that contradict
    // each other, 0 = 0 is not "infinitely many", at set-up or after a run;
    // a row 0 = c below it decides "no solution" at once.
    add({.name = "ZeroRowBesideAContradictionAtSetUpIsNotSolved",
         .question = "2x-2y+0z=-2;0x+0y+0z=0;4x-4y+0z=-6",
         .matrix = "2 -2 0 -2 / 0 0 0 0 / 4 -4 0 -6"});
    add({.name = "ZeroRowBesideAContradictionAfterARunIsNotSolved",
         .question = "x+y+z=1;2x+2y+2z=2;x+y+z=3",
         .events = "r2 - r1 * 2 run",
         .step = 3,
         .opLabel = "第2行－第1行×2",
         .matrix = "1 1 1 1 / 0 0 0 0 / 1 1 1 3"});
    add({.name = "ContradictionShownAfterAZeroRowIsNoSolution",
         .question = "x+y+z=1;2x+2y+2z=2;x+y+z=3",
         .events = "r2 - r1 * 2 run r3 - r1 run",
         .messages = {""},
         .step = 5,
         .opLabel = "第3行－第1行",
         .matrix = "",
         .solved = true,
         .record = "1"});
    // A question file written as UTF-8 opens with its Japanese intact, and the
    // teacher is told that saving writes Shift JIS; a solved question counts
    // under the unit's name as a CP932 file holds it (〜 as ～).
    const std::string utf8Notice =
        "はUTF-8のテキストとして読み込みました。保存するとシフトJIS（CP932）で書き込まれます";
    add({.name = "Utf8FileWithByteOrderMark",
         .events = std::string("open:utf8.SIM ") + kSolve,
         .opened = std::string("\xEF\xBB\xBF<<") + kUnit1 + "\r\n" + kQuestion + "\r\n>>\r\n",
         .messages = {"$DIR/utf8.SIM" + utf8Notice},
         .step = 6,
         .opLabel = "第1行－第2行",
         .matrix = "",
         .solved = true,
         .record = "1"});
    add({.name = "Utf8FileWhoseBytesAreAlsoCp932",
         .events = std::string("open:utf8.SIM ") + kSolve,
         .opened = std::string("<<小数の連立〜\n") + kQuestion + "\n>>\n",
         .messages = {"$DIR/utf8.SIM" + utf8Notice},
         .step = 6,
         .opLabel = "第1行－第2行",
         .matrix = "",
         .solved = true,
         .record = "1",
         .recordUnit = "小数の連立～"});
    // A character Shift JIS cannot hold is named when the file is opened.
    add({.name = "Utf8FileWithAYen",
         .events = "open:yen.SIM",
         .opened =
             std::string("<<") + kUnit1 + "\n" + kQuestion + "\n>>\n<<¥\n" + kQuestion + "\n>>\n",
         .messages = {"$DIR/yen.SIM" + utf8Notice +
                      "（4行目の「¥」はシフトJISで保存できません）"}});
    return all;
}

INSTANTIATE_TEST_SUITE_P(Items, DrillSessionTest, ::testing::ValuesIn(sessions()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
