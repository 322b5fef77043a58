// The hint's plan, run through the row-operation engine exactly as the drill
// runs a composed operation, for every shipped question and for generated
// systems with one, no and infinitely many solutions, from the start and from
// steps a student could have reached; its length is compared with the plain
// plan and with a bounded search for the fewest operations.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "drill/DrillState.h"
#include "drill/Hint.h"
#include "drill/HintPlanner.h"
#include "drill/Run.h"
#include "platform/Text.h"
#include "questions/QuestionLine.h"
#include "tests/core/DrillTestSupport.h"
#include "tests/support/ExactOracle.h"
#include "tests/support/ScriptedUi.h"

namespace {

// --- the fewest operations, by a bounded search of its own ------------------
//
// Moves: clear one entry with a multiple of another row, make one entry 1 by
// scaling its row, swap two rows; any constant (no panel limit), so the
// fewest found here is never more than the drill's fewest. The end is the
// drill's judgement: a row 0 = c, a row 0 = 0 in a system whose rows do not
// contradict each other, or the answer form. The search is exact up to a
// depth, and a wide beam beyond it.

struct Ratio {
    int64_t n = 0, d = 1;
};

bool makeRatio(__int128 n, __int128 d, Ratio& out) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 a = n < 0 ? -n : n, b = d;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) {
        n /= a;
        d /= a;
    }
    if (n == 0)
        d = 1;
    constexpr int64_t top = 2147483647;
    if (n > top || n < -top || d > top)
        return false;
    out = {static_cast<int64_t>(n), static_cast<int64_t>(d)};
    return true;
}

struct Grid {
    int n = 0;
    Ratio a[4][5];
    bool zeroRow(int r) const {
        for (int c = 0; c < n; ++c)
            if (a[r][c].n != 0)
                return false;
        return true;
    }
    bool operator==(const Grid& o) const {
        for (int r = 0; r < n; ++r)
            for (int c = 0; c <= n; ++c)
                if (a[r][c].n != o.a[r][c].n || a[r][c].d != o.a[r][c].d)
                    return false;
        return true;
    }
};

struct Judge {
    bool consistent = true;
    bool singular = false;
    bool done(const Grid& g) const {
        bool identity = true;
        for (int r = 0; r < g.n; ++r) {
            if (g.zeroRow(r) && (g.a[r][g.n].n != 0 || consistent))
                return true;
            for (int c = 0; c < g.n; ++c)
                identity =
                    identity && g.a[r][c].n == (r == c ? 1 : 0) && (r != c || g.a[r][c].d == 1);
        }
        return identity;
    }
    // Rows that are not yet a row of the answer form: each needs an operation.
    int lowerBound(const Grid& g) const {
        if (done(g))
            return 0;
        int rows = 0;
        for (int r = 0; r < g.n; ++r) {
            int nonZero = 0;
            bool one = true;
            for (int c = 0; c < g.n; ++c)
                if (g.a[r][c].n != 0) {
                    ++nonZero;
                    one = g.a[r][c].n == 1 && g.a[r][c].d == 1;
                }
            rows += nonZero == 1 && one ? 0 : 1;
        }
        return singular ? 1 : rows;
    }
};

// Row r += f × row s; false when a value leaves 32 bits.
bool addRow(Grid& g, int r, int s, Ratio f) {
    for (int c = 0; c <= g.n; ++c) {
        const Ratio x = g.a[r][c], y = g.a[s][c];
        if (!makeRatio(__int128(x.n) * y.d * f.d + __int128(y.n) * f.n * x.d,
                       __int128(x.d) * y.d * f.d, g.a[r][c]))
            return false;
    }
    return true;
}

bool scaleRow(Grid& g, int r, Ratio f) {
    for (int c = 0; c <= g.n; ++c)
        if (!makeRatio(__int128(g.a[r][c].n) * f.n, __int128(g.a[r][c].d) * f.d, g.a[r][c]))
            return false;
    return true;
}

void successors(const Grid& g, std::vector<Grid>& out) {
    out.clear();
    const int n = g.n;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const Ratio v = g.a[r][c];
            if (v.n == 0)
                continue;
            if (v.n != v.d) {
                Grid h = g;
                if (scaleRow(h, r, v.n < 0 ? Ratio{-v.d, -v.n} : Ratio{v.d, v.n}))
                    out.push_back(h);
            }
            for (int s = 0; s < n; ++s) {
                const Ratio w = g.a[s][c];
                if (s == r || w.n == 0)
                    continue;
                Ratio f;
                Grid h = g;
                if (makeRatio(-__int128(v.n) * w.d, __int128(v.d) * w.n, f) && addRow(h, r, s, f))
                    out.push_back(h);
            }
        }
    for (int r = 0; r < n; ++r)
        for (int s = r + 1; s < n; ++s) {
            Grid h = g;
            std::swap(h.a[r], h.a[s]);
            out.push_back(h);
        }
}

bool reachable(const Grid& g, const Judge& j, int depth) {
    if (j.done(g))
        return true;
    if (depth <= 0 || j.lowerBound(g) > depth)
        return false;
    std::vector<Grid> next;
    successors(g, next);
    for (const Grid& h : next)
        if (reachable(h, j, depth - 1))
            return true;
    return false;
}

// Plain Gauss–Jordan's count from g, to the same end; a large number when it
// does not get there.
int plainCount(Grid g, const Judge& j) {
    int count = 0, pr = 0;
    for (int c = 0; c < g.n && pr < g.n && !j.done(g); ++c) {
        int p = pr;
        while (p < g.n && g.a[p][c].n == 0)
            ++p;
        if (p == g.n)
            continue;
        if (p != pr) {
            std::swap(g.a[p], g.a[pr]);
            ++count;
        }
        const Ratio v = g.a[pr][c];
        if (!j.done(g) && !(v.n == 1 && v.d == 1)) {
            if (!scaleRow(g, pr, v.n < 0 ? Ratio{-v.d, -v.n} : Ratio{v.d, v.n}))
                return 1000;
            ++count;
        }
        for (int r = 0; r < g.n && !j.done(g); ++r) {
            if (r == pr || g.a[r][c].n == 0)
                continue;
            if (!addRow(g, r, pr, {-g.a[r][c].n, g.a[r][c].d}))
                return 1000;
            ++count;
        }
        ++pr;
    }
    return j.done(g) ? count : 1000;
}

// The fewest operations this search finds: exact up to `exact`, then a beam
// of the given width valued by the plain count from each state.
int fewestFound(const Grid& start, const Judge& j, int exact, int width) {
    for (int d = 0; d <= exact; ++d)
        if (reachable(start, j, d))
            return d;
    int best = plainCount(start, j);
    std::vector<std::pair<int, Grid>> beam{{best, start}};
    std::vector<Grid> next;
    for (int depth = 1; depth < best && !beam.empty(); ++depth) {
        std::vector<std::pair<int, Grid>> children;
        for (const auto& [score, g] : beam) {
            successors(g, next);
            for (const Grid& h : next) {
                if (j.done(h)) {
                    best = std::min(best, depth);
                    continue;
                }
                const int total = depth + plainCount(h, j);
                best = std::min(best, total);
                children.push_back({total, h});
            }
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        beam.clear();
        for (auto& child : children) {
            if (static_cast<int>(beam.size()) >= width)
                break;
            bool seen = false;
            for (const auto& kept : beam)
                seen = seen || kept.second == child.second;
            if (!seen)
                beam.push_back(std::move(child));
        }
    }
    return best;
}

Grid gridOf(const HintMatrix& m) {
    Grid g;
    g.n = static_cast<int>(m.size());
    for (int r = 0; r < g.n; ++r)
        for (int c = 0; c <= g.n; ++c)
            g.a[r][c] = {m[r][c].num, m[r][c].den};
    return g;
}

QMatrix exactRows(const HintMatrix& m) {
    QMatrix q;
    for (const auto& row : m) {
        q.emplace_back();
        for (const HintNumber& v : row) {
            q.back().push_back(Q(static_cast<long>(v.num), static_cast<unsigned long>(v.den)));
            q.back().back().canonicalize();
        }
    }
    return q;
}

// Whether no sequence of the panel's operations can reach the answer form:
// sums and swaps keep the determinant (up to its sign), and only × and ÷
// change it, by factors of at most four digits above and below; a prime
// factor of the determinant above 9999 can never be taken out.
bool beyondThePanel(HintMatrix m) {
    for (auto& row : m)
        row.pop_back();
    const Q det = exactDeterminant(exactRows(m));
    if (det == 0)
        return false;
    for (mpz_class v : {mpz_class(abs(det.get_num())), mpz_class(det.get_den())}) {
        for (unsigned long p = 2; p <= 9999 && v > 1; ++p)
            while (v % p == 0)
                v /= p;
        if (v > 1)
            return true;
    }
    return false;
}

// Whether the rows do not contradict each other, from the exact reduced form.
bool consistentRows(const HintMatrix& m) {
    const std::size_t n = m.size();
    for (const auto& row : reducedEchelon(exactRows(m))) {
        bool zero = true;
        for (std::size_t c = 0; c < n; ++c)
            zero = zero && row[c] == 0;
        if (zero && row[n] != 0)
            return false;
    }
    return true;
}

// Whether the coefficients have no unique solution (a row of zeros in their
// reduced form).
bool singularRows(HintMatrix m) {
    for (auto& row : m)
        row.back() = {0, 1};
    for (const auto& row : reducedEchelon(exactRows(m))) {
        bool zero = true;
        for (const Q& v : row)
            zero = zero && v == 0;
        if (zero)
            return true;
    }
    return false;
}

enum class Source { Shipped, Unique, NoSolution, ManySolutions };

struct PlanCase {
    const char* name;
    Source source;
    int unknowns;  // generated systems only
    int systems;
    int spread = 4;  // generated entries lie in -spread … spread
};

std::string describe(const HintOp& op) {
    return hintOperationText(op);
}

// A drill of its own, whose judgement tells when a plan has ended.
class HintPlannerTest : public ::testing::TestWithParam<PlanCase>,
                        protected ScriptedUiFirst,
                        protected OwnDrill {
  protected:
    HintPlannerTest() : OwnDrill(ui, computeWorksheetLayout(1024, 768, 200)) {}

    std::mt19937 rnd{12345};

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd); }

    // A line "2x-3y+z=4;…" with small whole coefficients.
    std::string generate(Source kind, int n, int spread) {
        std::vector<std::vector<int>> a(n, std::vector<int>(n + 1));
        for (auto& row : a)
            for (int& v : row)
                v = between(-spread, spread);
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

    // The engine as the drill runs it: what it hands back is shown through
    // the port, in order.
    StepOutcome executeStep(EquationList& l, const StepSelection& s, int firstRow, char op,
                            int secondRow) {
        StepOutcome out = ::executeStep(l, s, firstRow, op, secondRow, askAbortRetryIgnoreBox);
        showMessages(out.messages);
        return out;
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
        return isSolved(drill.solvedTest(), equationList.unknownCount);
    }

    // Plans from `step` and follows the plan to its end. Counts the plan
    // (2 and 3 unknowns) as near the fewest when no bounded search finds a
    // way two or more operations shorter.
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
        if (plan.ops.empty()) {
            // Never where the plain plan finds a way; with 2 and 3 unknowns
            // only where the panel's numbers cannot reach the answer at all.
            EXPECT_TRUE(plain.ops.empty()) << where;
            if (m.size() <= 3) {
                EXPECT_TRUE(beyondThePanel(m)) << where << ": no plan";
            }
            ++beyond;
            return;
        }
        if (!plain.ops.empty()) {
            EXPECT_LE(plan.ops.size(), plain.ops.size()) << where;
        }
        const int n = static_cast<int>(m.size());
        if (n <= 3) {
            Judge judge;
            judge.consistent = consistentRows(m);
            judge.singular = singularRows(m);
            ++planned;
            const int length = static_cast<int>(plan.ops.size());
            const int fewest =
                length < 2 ? length
                           : fewestFound(gridOf(m), judge, n == 2 ? 4 : 3, n == 2 ? 32 : 16);
            if (length <= fewest + 1)
                ++nearFewest;
            else
                std::cout << where << ": " << length << " operations, " << fewest << " found\n";
        }
        for (const HintOp& op : plan.ops) {
            ASSERT_FALSE(solvedAt(step)) << where << ": solved before " << describe(op);
            ASSERT_TRUE(run(step, op)) << where << ": refused " << describe(op) << " "
                                       << (ui.log.empty() ? "" : ui.log.back().text);
            ++step;
        }
        EXPECT_TRUE(solvedAt(step)) << where << " " << line;
        EXPECT_TRUE(ui.log.empty()) << where << ": " << ui.log.front().text;
    }

    int beyond = 0;      // states without a plan in the panel's numbers
    int planned = 0;     // plans of 2 and 3 unknowns
    int nearFewest = 0;  // ... within one operation of the fewest found

    // A few operations a student might have made: random swaps, sums,
    // differences, multiples and compound steps. Returns the step reached.
    int wander(int operations) {
        const int n = equationList.unknownCount;
        int step = 2;
        for (int i = 0; i < operations; ++i) {
            HintOp op;
            op.row1 = between(1, n);
            do
                op.row2 = between(1, n);
            while (op.row2 == op.row1);
            switch (between(0, 4)) {
                case 0:
                    op.kind = HintOp::Kind::Swap;
                    break;
                case 1:
                    op.kind = HintOp::Kind::Add;
                    break;
                case 2:
                    op.kind = HintOp::Kind::Subtract;
                    break;
                case 3:
                    op.kind = HintOp::Kind::Multiply;
                    op.row2 = 0;
                    op.k = {between(0, 1) ? 2 : -3, 1};
                    break;
                default:
                    op.kind = HintOp::Kind::AddMultiple;
                    op.k = between(0, 1) ? HintNumber{3, 1} : HintNumber{1, 2};
            }
            if (solvedAt(step) || !run(step, op))
                break;
            ++step;
        }
        ui.clear();
        return step;
    }
};

TEST_P(HintPlannerTest, PlanIsAcceptedEndsSolvedAndIsNearTheFewest) {
    const PlanCase& c = GetParam();
    std::vector<std::string> lines;
    if (c.source == Source::Shipped) {
        lines = shippedLines();
        ASSERT_GE(lines.size(), 15u);
    } else {
        rnd.seed(static_cast<unsigned>(c.unknowns * 10 + static_cast<int>(c.source) + c.spread));
        for (int i = 0; i < c.systems; ++i)
            lines.push_back(generate(c.source, c.unknowns, c.spread));
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
    if (beyond > 0)
        std::cout << c.name << ": " << beyond << " without a plan in the panel's numbers\n";
    if (planned > 0) {
        std::cout << c.name << ": " << nearFewest << " of " << planned
                  << " plans within one operation of the fewest found\n";
        EXPECT_GE(nearFewest * 10, planned * 9);
    }
}

const PlanCase kPlanCases[] = {
    {"shipped", Source::Shipped, 0, 0},
    {"unique2", Source::Unique, 2, 25},
    {"unique3", Source::Unique, 3, 25},
    {"unique4", Source::Unique, 4, 25},
    {"none2", Source::NoSolution, 2, 20},
    {"none3", Source::NoSolution, 3, 20},
    {"none4", Source::NoSolution, 4, 20},
    {"many2", Source::ManySolutions, 2, 20},
    {"many3", Source::ManySolutions, 3, 20},
    {"many4", Source::ManySolutions, 4, 25},
    // Two-digit entries: constants that outgrow the panel unless split or avoided.
    {"unique2wide", Source::Unique, 2, 20, 60},
    {"unique3wide", Source::Unique, 3, 20, 60},
    {"unique4wide", Source::Unique, 4, 10, 60},
    {"none3wide", Source::NoSolution, 3, 15, 60},
    {"many3wide", Source::ManySolutions, 3, 15, 60},
};

INSTANTIATE_TEST_SUITE_P(Systems, HintPlannerTest, ::testing::ValuesIn(kPlanCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// --- the hint command's words ----------------------------------------------

namespace {

struct HintPressCase {
    const char* name;
    std::string question;
    std::string script;  // buttons pressed before the hints (DrillTest::press)
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
        drill.hintClick();
    EXPECT_EQ(ui.messages(), c.messages);
    EXPECT_EQ(drillState.hintCount, c.hintCount);
    EXPECT_EQ(drillState.curStep, step);  // nothing run
    if (c.hintCount > 0) {
        EXPECT_EQ(drillState.caption, "　　連立方程式　ヒント" + std::to_string(c.hintCount));
    }
}

std::string times(int count, const std::string& script) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += script + " ";
    return out;
}

const HintPressCase kHintPressCases[] = {
    {"GoalThenOperation",
     "x+y=5;2x-y=1",
     "",
     2,
     {"第2行の第1列を0にしましょう", "第2行から第1行の2倍をひいてみましょう"},
     2},
    {"SubtractionBringsAOne",
     "2x+y=4;x-y=-1",
     "",
     2,
     {"第1行の第1列を1にしましょう", "第1行から第2行をひいてみましょう"},
     2},
    {"NewStepStartsWithTheGoalAgain",
     "x+y=5;2x-y=1",
     "r2 - r1 * 2 run",
     1,
     {"第2行の第2列を1にしましょう"},
     1},
    {"DivisionByAWholePivot",
     "x+y=5;2x-y=1",
     "r2 - r1 * 2 run",
     2,
     {"第2行の第2列を1にしましょう", "第2行を-3でわってみましょう"},
     2},
    // × k, never ÷ (1/k).
    {"TimesTwoNotDividedByAHalf",
     "x=2;1/2y=3",
     "",
     2,
     {"第2行の第2列を1にしましょう", "第2行を2倍してみましょう"},
     2},
    // A constant of five digits is never named: the step is split in two.
    {"FiveDigitFactorSplit",
     "x+10000y=10001;x+y=2",
     "r2 - r1 run r2 / m 9999 run",
     2,
     {"第1行の第2列を0にしましょう", "第1行から第2行の5000倍をひいてみましょう"},
     2},
    // Rows that contradict each other are combined at once: 0 = c.
    {"EqualCoefficientsGiveZeroEqualsOne",
     "x+y+z=2;x-y+2z=1;2x+3z=4",
     "r2 - r1 run r3 - r1 * 2 run",
     2,
     {"第3行の係数をすべて0にしましょう", "第3行から第2行をひいてみましょう"},
     2},
    {"OppositeCoefficientsAddUpToZero",
     "0x+5y-4z=-1;0x-5y+4z=-2;-3x+4y+0z=5",
     "",
     2,
     {"第2行の係数をすべて0にしましょう", "第2行に第1行をたしてみましょう"},
     2},
    // A row 0 = 0 beside rows that contradict each other is not the end.
    {"ZeroRowBesideAContradiction",
     "2x-2y+0z=-2;0x+0y+0z=0;4x-4y+0z=-6",
     "",
     2,
     {"第3行の係数をすべて0にしましょう", "第3行から第1行の2倍をひいてみましょう"},
     2},
    // The worksheet's pictures: none left, or fewer than the plan needs.
    {"NoPictureLeft", "x+y=5;2x-y=1", times(22, "r1 * 2 run"), 1, {kHintNoPictureLeft}, 1},
    {"TooFewPictures",
     "x+y=5;2x-y=1",
     times(21, "r1 * 2 run"),
     1,
     {hintTooFewPicturesText(5, 1)},
     1},
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
    // ÷ 10007 (a prime) cannot be typed nor made of factors that can.
    {"BeyondThePanel",
     {{1, 0, 1}, {0, 10007, 1}},
     HintState::Plan,
     "数の入力パネルで打てる数（分子も分母も4桁まで）では、ここから先の手順が見つかりません。"
     "訂正で前の式に戻してみましょう"},
    // 0 = 0 beside rows that contradict each other decides nothing: the
    // row 0 = c decides, wherever it stands.
    {"ContradictionBelowAZeroRow",
     {{1, 2, 3, 1}, {0, 0, 0, 0}, {0, 0, 0, -5}},
     HintState::ZeroRow,
     "0 = -5 の行があります。解はいくつありますか"},
};

INSTANTIATE_TEST_SUITE_P(States, HintStateTest, ::testing::ValuesIn(kHintStateCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
