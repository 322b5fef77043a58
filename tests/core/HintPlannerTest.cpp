// The hint's plan, run through the row-operation engine exactly as the drill
// runs a composed operation, for every shipped question and for generated
// systems with one, no and infinitely many solutions, from the start and from
// steps a student could have reached.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "drill/DrillState.h"
#include "drill/HintPlanner.h"
#include "drill/Run.h"
#include "platform/Text.h"
#include "questions/QuestionLine.h"
#include "tests/core/DrillTestSupport.h"
#include "tests/support/ScriptedUi.h"

namespace {

enum class Source { Shipped, Unique, NoSolution, ManySolutions };

struct PlanCase {
    const char* name;
    Source source;
    int unknowns;  // generated systems only
    int systems;
};

std::string describe(const HintOp& op) {
    return hintOperationText(op);
}

class HintPlannerTest : public ::testing::TestWithParam<PlanCase> {
  protected:
    ScriptedUi ui;
    std::mt19937 rnd{12345};

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd); }

    // A line "2x-3y+z=4;…" with small whole coefficients.
    std::string generate(Source kind, int n) {
        std::vector<std::vector<int>> a(n, std::vector<int>(n + 1));
        for (auto& row : a)
            for (int& v : row)
                v = between(-4, 4);
        if (kind != Source::Unique) {
            // The last row is a combination of the first two; its constant
            // agrees (infinitely many solutions) or is off by one (none).
            const int p = between(-2, 2), q = between(1, 2);
            for (int c = 0; c <= n; ++c)
                a[n - 1][c] = p * a[0][c] + q * a[1][c];
            if (kind == Source::NoSolution)
                a[n - 1][n] += between(0, 1) ? 1 : -1;
        }
        std::string line;
        for (int r = 0; r < n; ++r) {
            if (r)
                line += ";";
            bool any = false;
            for (int c = 0; c < n; ++c) {
                if (a[r][c] == 0)
                    continue;
                if (a[r][c] > 0 && any)
                    line += "+";
                line += std::to_string(a[r][c]) + kUnknownLetters[c];
                any = true;
            }
            if (!any)
                line += "0x";
            line += "=" + std::to_string(a[r][n]);
        }
        return line;
    }

    static std::vector<std::string> shippedLines() {
        ReadResult read = readCp932Lines(std::string(TABULON_SOURCE_DIR) + "/data/RAver.sim");
        std::vector<std::string> lines;
        for (const std::string& l : read.lines)
            if (!l.empty() && l.rfind("<<", 0) != 0 && l.rfind(">>", 0) != 0)
                lines.push_back(l);
        return lines;
    }

    // Sets the question up as the rows of step 2.
    bool setUp(const std::string& line) {
        std::optional<ParsedQuestion> q = parseQuestionLine(line);
        if (!q)
            return false;
        equationList.clear();
        equationList.unknownCount = static_cast<int>(q->rows.size());
        setUpScratchRow(equationList);
        for (std::size_t r = 0; r < q->rows.size(); ++r)
            equationList.rows[equationList.index(2, static_cast<int>(r))] = q->rows[r];
        return true;
    }

    // Runs one operation from step `current` as the drill does: a compound
    // operation first scales into the scratch row, then adds or subtracts it.
    bool run(int current, const HintOp& op) {
        using Kind = HintOp::Kind;
        EquationList& list = equationList;
        StepSelection sel;
        sel.step = current + 1;
        sel.row1Text = std::to_string(op.row1);
        sel.row2Text = op.row2 ? std::to_string(op.row2) : "";
        const int line1 = list.index(current, op.row1 - 1);
        const int line2 = op.row2 ? list.index(current, op.row2 - 1) : 0;
        sel.lastRowLine = line1;
        sel.numberText = hintNumberText(op.k);
        switch (op.kind) {
            case Kind::Add:
            case Kind::Subtract:
            case Kind::Swap:
                sel.numberText.clear();
                return executeStep(list, sel, line1,
                                   op.kind == Kind::Add        ? '+'
                                   : op.kind == Kind::Subtract ? '-'
                                                               : '^',
                                   line2)
                    .accepted;
            case Kind::Multiply:
            case Kind::Divide:
                sel.secondIsRow = false;
                return executeStep(list, sel, line1, op.kind == Kind::Multiply ? '*' : '/', 0)
                    .accepted;
            case Kind::AddMultiple:
            case Kind::SubtractMultiple: {
                const char first = op.kind == Kind::AddMultiple ? '+' : '-';
                sel.compound = true;
                sel.compoundRun = true;
                sel.firstOp = first;
                sel.secondOp = '*';
                sel.secondIsRow = false;
                sel.lastRowLine = line2;
                if (!executeStep(list, sel, kScratchStep, '*', 0).accepted)
                    return false;
                sel.compoundRun = false;
                sel.secondIsRow = true;
                return executeStep(list, sel, line1, first, 0).accepted;
            }
        }
        return false;
    }

    bool solvedAt(int step) {
        drillState.unknownCount = equationList.unknownCount;
        drillState.curStep = step;
        return isSolved(solvedTest(), equationList.unknownCount);
    }

    // Plans from `step` and follows the plan to its end.
    void follow(const std::string& line, int step, const std::string& where) {
        HintMatrix m;
        ASSERT_TRUE(readHintMatrix(equationList, step, m)) << where;
        const HintPlan plan = planHint(m);
        const HintPlan plain = plainPlan(m);
        if (plan.state != HintState::Plan) {
            EXPECT_TRUE(plan.state == HintState::ZeroRow || plan.state == HintState::Solved)
                << where;
            EXPECT_TRUE(solvedAt(step)) << where;
            return;
        }
        ASSERT_FALSE(plan.ops.empty()) << where << ": no plan";
        EXPECT_LE(plan.ops.size(), plain.ops.size()) << where;
        for (const HintOp& op : plan.ops) {
            ASSERT_FALSE(solvedAt(step)) << where << ": solved before " << describe(op);
            ASSERT_TRUE(run(step, op)) << where << ": refused " << describe(op) << " "
                                       << (ui.log.empty() ? "" : ui.log.back().text);
            ++step;
        }
        EXPECT_TRUE(solvedAt(step)) << where << " " << line;
        EXPECT_TRUE(ui.log.empty()) << where << ": " << ui.log.front().text;
    }

    // A few operations a student might have made: random swaps, sums,
    // differences and whole multiples. Returns the step reached.
    int wander(int operations) {
        const int n = equationList.unknownCount;
        int step = 2;
        for (int i = 0; i < operations; ++i) {
            HintOp op;
            op.row1 = between(1, n);
            do
                op.row2 = between(1, n);
            while (op.row2 == op.row1);
            switch (between(0, 3)) {
                case 0:
                    op.kind = HintOp::Kind::Swap;
                    break;
                case 1:
                    op.kind = HintOp::Kind::Add;
                    break;
                case 2:
                    op.kind = HintOp::Kind::Subtract;
                    break;
                default:
                    op.kind = HintOp::Kind::Multiply;
                    op.row2 = 0;
                    op.k = {between(0, 1) ? 2 : -3, 1};
            }
            if (solvedAt(step) || !run(step, op))
                break;
            ++step;
        }
        ui.clear();
        return step;
    }
};

TEST_P(HintPlannerTest, PlanIsAcceptedStepByStepAndEndsSolved) {
    const PlanCase& c = GetParam();
    std::vector<std::string> lines;
    if (c.source == Source::Shipped) {
        lines = shippedLines();
        ASSERT_GE(lines.size(), 15u);
    } else {
        rnd.seed(static_cast<unsigned>(c.unknowns * 10 + static_cast<int>(c.source)));
        for (int i = 0; i < c.systems; ++i)
            lines.push_back(generate(c.source, c.unknowns));
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (int start = 0; start < 3; ++start) {
            ASSERT_TRUE(setUp(lines[i])) << lines[i];
            const int step = start == 0 ? 2 : wander(start * 2);
            std::ostringstream where;
            where << c.name << " #" << i << " (" << lines[i] << ") from step " << step;
            follow(lines[i], step, where.str());
        }
    }
}

const PlanCase kPlanCases[] = {
    {"shipped", Source::Shipped, 0, 0},      {"unique2", Source::Unique, 2, 25},
    {"unique3", Source::Unique, 3, 25},      {"unique4", Source::Unique, 4, 25},
    {"none2", Source::NoSolution, 2, 20},    {"none3", Source::NoSolution, 3, 20},
    {"none4", Source::NoSolution, 4, 20},    {"many2", Source::ManySolutions, 2, 20},
    {"many3", Source::ManySolutions, 3, 20}, {"many4", Source::ManySolutions, 4, 25},
};

INSTANTIATE_TEST_SUITE_P(Systems, HintPlannerTest, ::testing::ValuesIn(kPlanCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// --- the hint command's words ----------------------------------------------

namespace {

struct HintPressCase {
    const char* name;
    const char* question;
    const char* script;  // buttons pressed before the hints (DrillTest::press)
    int presses;
    std::vector<std::string> messages;
    int hintCount;
};

class HintCommandTest : public DrillTest, public ::testing::WithParamInterface<HintPressCase> {};

TEST_P(HintCommandTest, PressesGiveTheGoalThenTheOperation) {
    const HintPressCase& c = GetParam();
    ASSERT_TRUE(start(c.question));
    press(c.script);
    const int step = drillState.curStep;
    ui.clear();
    for (int i = 0; i < c.presses; ++i)
        hintClick();
    EXPECT_EQ(ui.messages(), c.messages);
    EXPECT_EQ(drillState.hintCount, c.hintCount);
    EXPECT_EQ(drillState.curStep, step);  // nothing run
    if (c.hintCount > 0) {
        EXPECT_EQ(drillState.caption, "　　連立方程式　ヒント" + std::to_string(c.hintCount));
    }
}

const HintPressCase kHintPressCases[] = {
    {"GoalThenOperation",
     "x+y=5;2x-y=1",
     "",
     2,
     {"第2行の第1列を０にしましょう", "第2行から第1行の2倍をひいてみましょう"},
     2},
    {"SwapBringsAOne",
     "2x+y=4;x-y=-1",
     "",
     2,
     {"第1行の第1列を１にしましょう", "第1行と第2行を入れ替えてみましょう"},
     2},
    {"NewStepStartsWithTheGoalAgain",
     "x+y=5;2x-y=1",
     "r2 - r1 * 2 run",
     1,
     {"第2行の第2列を１にしましょう"},
     1},
    {"DivisionByAWholePivot",
     "x+y=5;2x-y=1",
     "r2 - r1 * 2 run",
     2,
     {"第2行の第2列を１にしましょう", "第2行を-3で割ってみましょう"},
     2},
};

INSTANTIATE_TEST_SUITE_P(Hints, HintCommandTest, ::testing::ValuesIn(kHintPressCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What the hint says where there is no operation to name.
struct HintStateCase {
    const char* name;
    std::vector<std::vector<int>> rows;  // coefficients and constant
    HintState state;
    std::string text;
};

class HintStateTest : public ::testing::TestWithParam<HintStateCase> {};

TEST_P(HintStateTest, StateAndWords) {
    const HintStateCase& c = GetParam();
    HintMatrix m;
    for (const auto& row : c.rows) {
        m.emplace_back();
        for (int v : row)
            m.back().push_back({v, 1});
    }
    const HintPlan plan = planHint(m);
    EXPECT_EQ(plan.state, c.state);
    EXPECT_TRUE(plan.ops.empty());
    EXPECT_EQ(hintStateText(plan), c.text);
}

const HintStateCase kHintStateCases[] = {
    {"ZeroRowWithZero",
     {{1, 1, 3}, {0, 0, 0}},
     HintState::ZeroRow,
     "0 = 0 の行があります。解はいくつありますか"},
    {"ZeroRowWithConstant",
     {{1, 2, 3, 1}, {0, 0, 0, -5}, {0, 0, 0, 0}},
     HintState::ZeroRow,
     "0 = -5 の行があります。解はいくつありますか"},
    {"AnswerForm",
     {{1, 0, 4}, {0, 1, -2}},
     HintState::Solved,
     "答えの形になっています。実行して確かめましょう"},
};

INSTANTIATE_TEST_SUITE_P(States, HintStateTest, ::testing::ValuesIn(kHintStateCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
