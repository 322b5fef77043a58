// Long random sessions on the drill model: buttons, keys and mouse in any
// order, as a student who tries everything would. Nothing may crash or step
// out of the worksheet, and every step the drill accepts must be an
// equivalent system: the reduced row echelon form of its augmented matrix is
// exactly that of the question, so the whole solution set is kept (a known
// solution that still fits would not notice a row wiped to 0 = 0).

#include <gmpxx.h>

#include <random>

#include "DrillTestSupport.h"
#include "drill/DrillState.h"
#include "drill/Entry.h"
#include "drill/Keys.h"
#include "drill/Run.h"
#include "drill/WorksheetLayout.h"
#include "tests/support/ExactOracle.h"

namespace {

const char* const kQuestions[] = {
    "x+y=7;x-y=3",
    "1/2x+y=4;x-y=2",
    "x+y+z=6;x-y+z=2;x+y-z=0",
    "x+y+z+w=10;x-y+z-w=-2;x+y-z-w=-4;x-y-z+w=0",
    "x+2y=3;2x+4y=6",  // infinitely many
    "x-y=1;2x-2y=5",   // none
};

using Augmented = QMatrix;

// The augmented matrix of `step`, exactly.
Augmented augmentedOf(const Drill& drill, int step) {
    const EquationList& equationList = drill.equations();
    const int n = drill.state().unknownCount;
    Augmented m;
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = equationList.rows[equationList.index(step, r)];
        EXPECT_EQ(row.count, n + 2) << "step " << step << " row " << r;
        std::vector<mpq_class> cells;
        for (int j = 0; j <= n + 1; ++j) {
            if (j == n)
                continue;  // the equals term
            EXPECT_NE(row.terms[j].denominator, 0) << "step " << step << " row " << r;
            cells.push_back(row.terms[j].denominator ? exactValue(row.terms[j]) : mpq_class(0));
        }
        m.push_back(cells);
    }
    return m;
}

// Types a value on the number panel as a student would: "-" first, then the
// denominator, "分の" and the numerator. False when a part has over 4 digits.
bool typeValue(Drill& drill, mpq_class v) {
    v.canonicalize();
    const std::string num = mpz_class(abs(v.get_num())).get_str();
    const std::string den = v.get_den().get_str();
    if (num.size() > 4 || den.size() > 4)
        return false;
    if (v < 0)
        drill.btnMinusClick();
    if (den != "1") {
        for (char c : den)
            drill.typeNumber(std::string(1, c));
        drill.typeNumber("分の");
    }
    for (char c : num)
        drill.typeNumber(std::string(1, c));
    return true;
}

// One step of Gauss-Jordan elimination composed with the panel's buttons:
// a swap to bring a pivot up, a division to make it 1, or row − pivot row × f
// to clear its column. False when there is nothing left to do.
bool solverStep(Drill& drill) {
    const EquationList& equationList = drill.equations();
    const int n = drill.state().unknownCount;
    auto a = [&](int r, int c) {
        return exactValue(equationList.rows[equationList.index(drill.state().curStep, r)].terms[c]);
    };
    drill.correctEntry(false);  // start from nothing composed (steps back only when nothing is)
    for (int c = 0; c < n; ++c) {
        if (a(c, c) == 0) {
            for (int r = c + 1; r < n; ++r)
                if (a(r, c) != 0) {
                    drill.btnGyouClick(c + 1);
                    drill.pressOperator(kOpSwap);
                    drill.btnGyouClick(r + 1);
                    drill.btnJikkouClick();
                    return true;
                }
            continue;
        }
        if (a(c, c) != 1) {
            drill.btnGyouClick(c + 1);
            drill.pressOperator(kOpDivide);
            if (!typeValue(drill, a(c, c)))
                return false;
            drill.btnJikkouClick();
            return true;
        }
        for (int r = 0; r < n; ++r)
            if (r != c && a(r, c) != 0) {
                drill.btnGyouClick(r + 1);
                drill.pressOperator(kOpSubtract);
                drill.btnGyouClick(c + 1);
                drill.pressOperator(kOpMultiply);
                if (!typeValue(drill, a(r, c)))
                    return false;
                drill.btnJikkouClick();
                return true;
            }
    }
    return false;
}

TEST_F(DrillTest, RandomSessionsNeverBreakTheWorksheetOrTheMathematics) {
    std::mt19937 rng(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* texts[] = {"0", "1", "2", "3", "5", "7", "9", ".", "分の", "CL", "-"};
    const char* typed[] = {"1", "2", "3", "+", "-", "*", "/", "d",
                           "S", "i", "K", "b", ".", "x", "?"};

    int steps = 0, solved = 0, refusals = 0;
    for (int session = 0; session < 60; ++session) {
        const char* q = kQuestions[session % std::size(kQuestions)];
        ASSERT_TRUE(start(q)) << q;
        const Augmented question = reducedEchelon(augmentedOf(drill, 2));
        for (int action = 0; action < 300; ++action) {
            const int stepBefore = drillState.curStep;
            const bool wasSolved = drill.questionSolved();
            // Every question that may come is answered at random, and the
            // choice window is answered in turn so that its loop ends.
            ui.answers.assign(4, pick(2) ? Answer::Yes : Answer::No);
            ui.choices.clear();
            for (int i = 0; i < 4; ++i)
                ui.choices.push_back(i % 2 ? kChoiceInfinitely : kChoiceNoSolution);

            if (pick(3) == 0) {
                if (drill.questionSolved())
                    drill.nextQuestion();
                else if (entryState.entryPhase == 0 || pick(2))
                    solverStep(drill);
            } else
                switch (pick(11)) {
                    case 0:
                        drill.btnGyouClick(1 + pick(4));
                        break;
                    case 1:
                        drill.pressOperator(pick(8));
                        break;
                    case 2:
                    case 3:
                        drill.typeNumber(texts[pick(std::size(texts))]);
                        break;
                    case 4:
                        drill.btnMinusClick();
                        break;
                    case 5:
                        drill.btnJikkouClick();
                        break;
                    case 6:
                        if (pick(6) == 0)
                            drill.correctEntry(false);
                        else
                            drill.btnJikkouClick();
                        break;
                    case 7: {
                        KeyEvent key;
                        const char* t = typed[pick(std::size(typed))];
                        key.shift = pick(3) == 0;
                        key.key = pick(4) == 0 ? keys::kEnter : t[0];
                        key.text = key.key == keys::kEnter ? "\r" : t;
                        drill.routeKey(key);
                        break;
                    }
                    case 8:
                        drill.imageMouseMove(drillState.curStep + pick(3) - 1, pick(400),
                                             pick(140));
                        if (pick(2))
                            drill.imageMouseUp(drillState.curStep,
                                               pick(3) ? MouseButton::Left : MouseButton::Right);
                        break;
                    case 9: {
                        // A whole operation composed on the buttons and run,
                        // rows and operators of the student's choosing: the
                        // same row twice too.
                        const int n = drillState.unknownCount;
                        drill.btnGyouClick(1 + pick(n));
                        drill.pressOperator(pick(5));
                        drill.btnGyouClick(1 + pick(n));
                        if (pick(2))
                            drill.pressOperator(pick(2));
                        drill.typeNumber(texts[pick(7)]);
                        drill.btnJikkouClick();
                        break;
                    }
                    default:
                        if (pick(8) == 0)
                            drill.timBlinkTimer();
                        else
                            drill.btnJikkouClick();
                        break;
                }

            ASSERT_GE(entryState.entryPhase, 0);
            ASSERT_LE(entryState.entryPhase, 4);
            ASSERT_GE(drillState.curStep, 2);
            ASSERT_LE(drillState.curStep, worksheetLayout.imageCount);
            ASSERT_FALSE(drillState.compoundRun);
            ASSERT_FALSE(numberState.overflow && ui.messages().empty());
            // Pictures past the one being composed on hold nothing.
            for (int k = drillState.curStep + 2; k <= worksheetLayout.imageCount; ++k)
                ASSERT_TRUE(worksheetPictures.image(k)->empty()) << "picture " << k;
            // The last step drawn: the current one, or the one that solved
            // the question (the answer picture after it holds no step).
            int made = drillState.curStep;
            while (made > 2 && !pic(made).matrix())
                --made;
            if (!wasSolved || !drill.questionSolved()) {
                EXPECT_EQ(reducedEchelon(augmentedOf(drill, made)), question)
                    << q << ": step " << made << " of action " << action;
            }
            if (drill.questionSolved() && !wasSolved)
                ++solved;
            if (HasFatalFailure() || HasFailure())
                return;
            steps += drillState.curStep > stepBefore;
            refusals += !ui.messages().empty();
            ui.clear();
        }
    }
    // The sessions did real work: steps made, questions solved, refusals seen.
    EXPECT_GT(steps, 500);
    EXPECT_GT(solved, 5);
    EXPECT_GT(refusals, 500);
    RecordProperty("steps", steps);
    RecordProperty("solved", solved);
    RecordProperty("refusals", refusals);
}

}  // namespace
