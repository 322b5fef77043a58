// Questions made to order: every promise of generateQuestions checked with
// the drill and the hint's planner themselves, over every combination of
// unknowns, kind and level. A few seeds run in the normal suite;
// TABULON_GENERATOR_SEEDS=1000 runs a thousand of each combination.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>

#include "drill/DrillSandbox.h"
#include "drill/HintPlanner.h"
#include "drill/QuestionCheck.h"
#include "questions/Generator.h"
#include "questions/QuestionEditor.h"
#include "questions/QuestionLine.h"
#include "questions/QuestionMaking.h"
#include "tests/core/DrillTestSupport.h"
#include "tests/support/ExactOracle.h"

namespace {

using Kind = GeneratorOptions::Kind;
using Level = GeneratorOptions::Level;

struct GenCase {
    int unknowns;
    Kind kind;
    Level level;
};

std::string caseName(const GenCase& c) {
    static const char* kinds[] = {"Unique", "NoSolution", "Infinite"};
    static const char* levels[] = {"Easy", "Normal", "Hard"};
    return std::to_string(c.unknowns) + "x" + kinds[static_cast<int>(c.kind)] +
           levels[static_cast<int>(c.level)];
}

std::vector<GenCase> allCases() {
    std::vector<GenCase> out;
    for (int n = 2; n <= 4; ++n)
        for (Kind k : {Kind::Unique, Kind::NoSolution, Kind::Infinite})
            for (Level l : {Level::Easy, Level::Normal, Level::Hard})
                out.push_back({n, k, l});
    return out;
}

int seedCount() {
    if (const char* s = std::getenv("TABULON_GENERATOR_SEEDS"))
        return std::max(1, std::atoi(s));
    return 3;
}

QMatrix exactRows(const ParsedQuestion& q) {
    const std::size_t n = q.rows.size();
    QMatrix m;
    for (const EquationRow& row : q.rows) {
        std::vector<Q> r;
        for (std::size_t j = 0; j < n; ++j)
            r.push_back(exactValue(row.terms[j]));
        r.push_back(exactValue(row.terms[n + 1]));
        m.push_back(r);
    }
    return m;
}

int exactRank(const QMatrix& rref, std::size_t columns) {
    int rank = 0;
    for (const auto& row : rref)
        for (std::size_t j = 0; j < columns; ++j)
            if (row[j] != 0) {
                ++rank;
                break;
            }
    return rank;
}

// Each row scaled so its first non-zero entry is 1, the rows sorted: equal for
// two systems that differ only by row order and multiples of rows.
std::vector<std::vector<Q>> rowSet(const QMatrix& m) {
    std::vector<std::vector<Q>> out;
    for (const auto& row : m) {
        Q first = 0;
        for (const Q& v : row)
            if (v != 0) {
                first = v;
                break;
            }
        std::vector<Q> r;
        for (const Q& v : row)
            r.push_back(first == 0 ? Q(0) : Q(v / first));
        out.push_back(r);
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool proportionalCoefficients(const std::vector<Q>& a, const std::vector<Q>& b, std::size_t n,
                              Q& ratio) {
    std::optional<Q> f;
    for (std::size_t j = 0; j < n; ++j) {
        if ((a[j] == 0) != (b[j] == 0))
            return false;
        if (a[j] == 0)
            continue;
        const Q q = b[j] / a[j];
        if (f && *f != q)
            return false;
        f = q;
    }
    if (f)
        ratio = *f;
    return f.has_value();
}

bool fits(const Fraction& f, Level level) {
    if (level == Level::Easy)
        return mpz_class(exactValue(f).get_den()) == 1;
    if (level == Level::Normal) {
        const Q v = exactValue(f);
        return abs(v.get_num()) < 1000 && v.get_den() < 1000;
    }
    return true;
}

// The script that composes a plan's operation on the drill panel
// (DrillTest::press).
std::string script(const HintOp& op) {
    using K = HintOp::Kind;
    std::string number;
    if (op.k.den != 1)
        number = std::to_string(op.k.den) + " bun ";
    number += std::to_string(std::llabs(op.k.num));
    if (op.k.num < 0)
        number = "m " + number;
    const std::string r1 = "r" + std::to_string(op.row1), r2 = "r" + std::to_string(op.row2);
    switch (op.kind) {
        case K::Add:
            return r1 + " + " + r2 + " run";
        case K::Subtract:
            return r1 + " - " + r2 + " run";
        case K::Swap:
            return r1 + " swap " + r2 + " run";
        case K::Multiply:
            return r1 + " * " + number + " run";
        case K::Divide:
            return r1 + " / " + number + " run";
        case K::AddMultiple:
            return r1 + " + " + r2 + " * " + number + " run";
        case K::SubtractMultiple:
            return r1 + " - " + r2 + " * " + number + " run";
    }
    return {};
}

class GeneratorTest : public DrillTest, public ::testing::WithParamInterface<GenCase> {
  protected:
    void SetUp() override {
        DrillTest::SetUp();
        installQuestionVerifier();
        // The worksheet with the fewest pictures: a screen 800 pixels wide.
        drill.setupWorksheet(800, 600, kNarrowPanelWidth);
        drill.resetDrillModel();
    }
    void TearDown() override {
        setQuestionVerifier(nullptr);
        DrillTest::TearDown();
    }

    // Every promise for one line; `where` names it in failures.
    void checkLine(const std::string& line, const GenCase& c, const std::string& where) {
        const std::size_t n = static_cast<std::size_t>(c.unknowns);
        // The editor's error check accepts it in a text of four units.
        questionBank = QuestionBank{};
        for (int u = 0; u < 4; ++u)
            for (const char* l : {"<<単元", line.c_str(), ">>"})
                questionBank.lines.push_back(l);
        EXPECT_TRUE(checkQuestionText(questionBank).passed) << where;

        const std::optional<ParsedQuestion> q = parseQuestionAside(line);
        ASSERT_TRUE(q) << where;
        ASSERT_EQ(q->rows.size(), n) << where;
        const QMatrix m = exactRows(*q);
        const int limit = c.level == Level::Easy ? 5 : 9;
        for (const auto& row : m)
            for (std::size_t j = 0; j <= n; ++j)
                if (c.level != Level::Hard) {
                    EXPECT_EQ(row[j].get_den(), 1) << where;
                    if (j < n) {
                        EXPECT_LE(abs(row[j]), limit) << where;
                    }
                }

        // Exactly the kind asked for; a unique solution in whole numbers -9 … 9.
        const QMatrix rref = reducedEchelon(m);
        const int a = exactRank(rref, n), b = exactRank(rref, n + 1);
        const Kind kind = a == static_cast<int>(n) ? Kind::Unique
                          : a == b                 ? Kind::Infinite
                                                   : Kind::NoSolution;
        EXPECT_EQ(kind, c.kind) << where;
        if (kind == Kind::Unique)
            for (const auto& row : rref) {
                EXPECT_EQ(row[n].get_den(), 1) << where;
                EXPECT_LE(abs(row[n]), 9) << where;
            }
        // Beyond Easy no two rows give a dependency away; with two unknowns,
        // where they must be proportional, neither is a whole multiple of the other.
        if (c.level != Level::Easy)
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = i + 1; j < n; ++j) {
                    Q ratio;
                    if (!proportionalCoefficients(m[i], m[j], n, ratio))
                        continue;
                    EXPECT_EQ(n, 2u) << where << ": rows " << i + 1 << " and " << j + 1;
                    EXPECT_NE(ratio.get_den(), 1) << where;
                    EXPECT_NE(abs(ratio.get_num()), 1) << where;
                }

        // The drill sets it up, not solved, with n equations.
        ui.clear();
        ui.choices = {c.kind == Kind::NoSolution ? kChoiceNoSolution : kChoiceInfinitely};
        ASSERT_TRUE(start(line)) << where;
        EXPECT_EQ(drillState.unknownCount, c.unknowns) << where;
        ASSERT_FALSE(drill.questionSolved()) << where;

        // The hint's plan from set-up, composed on the panel and run.
        HintMatrix hm;
        ASSERT_TRUE(readHintMatrix(equationList, 2, hm)) << where;
        const HintPlan plan = planHint(hm);
        ASSERT_EQ(plan.state, HintState::Plan) << where;
        ASSERT_FALSE(plan.ops.empty()) << where;
        int lastStep = 2;
        for (const HintOp& op : plan.ops) {
            ASSERT_FALSE(drill.questionSolved()) << where;
            if (c.level != Level::Hard && op.kind != HintOp::Kind::Add &&
                op.kind != HintOp::Kind::Subtract && op.kind != HintOp::Kind::Swap) {
                EXPECT_TRUE(fits(makeFraction(static_cast<int32_t>(op.k.num),
                                              static_cast<int32_t>(op.k.den), '/'),
                                 c.level))
                    << where << ": " << hintOperationText(op);
            }
            const int step = drillState.curStep;
            press(script(op));
            ASSERT_GT(drillState.curStep, step) << where << ": " << hintOperationText(op);
            lastStep = step + 1;
            for (std::size_t r = 0; r < n; ++r) {
                const EquationRow& row =
                    equationList.rows[equationList.index(step + 1, static_cast<int>(r))];
                for (std::size_t j = 0; j <= n + 1; ++j) {
                    if (j != n) {  // term n is the equals sign
                        EXPECT_TRUE(fits(row.terms[j], c.level)) << where << " step " << step + 1;
                    }
                }
            }
        }
        // Nothing was refused or said; a special answer was asked for once.
        for (const auto& e : ui.log)
            EXPECT_EQ(e.kind, "choice") << where << ": " << e.text;
        EXPECT_EQ(ui.log.size(), c.kind == Kind::Unique ? 0u : 1u) << where;
        EXPECT_TRUE(drill.questionSolved()) << where;
        EXPECT_LE(lastStep, worksheetLayout.imageCount) << where;
        const int code = drillState.solvedCode;
        EXPECT_EQ(code == -2   ? Kind::NoSolution
                  : code == -1 ? Kind::Infinite
                               : Kind::Unique,
                  c.kind)
            << where;
    }
};

TEST_P(GeneratorTest, EveryLineKeepsEveryPromise) {
    const GenCase& c = GetParam();
    GeneratorOptions o;
    o.unknowns = c.unknowns;
    o.kind = c.kind;
    o.level = c.level;
    o.count = 5;
    const int seeds = seedCount();
    for (int s = 0; s < seeds; ++s) {
        const uint32_t seed = 1000u + static_cast<uint32_t>(s) * 7919u;
        const std::vector<std::string> lines = generateQuestions(o, seed);
        ASSERT_EQ(lines.size(), 5u) << caseName(c) << " seed " << seed;
        if (s < 2) {
            // The same options and seed give the same lines; fewer questions
            // are the first of more.
            EXPECT_EQ(generateQuestions(o, seed), lines);
            GeneratorOptions two = o;
            two.count = 2;
            EXPECT_EQ(generateQuestions(two, seed),
                      std::vector<std::string>(lines.begin(), lines.begin() + 2));
        }
        std::set<std::vector<std::vector<Q>>> seen;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string where = caseName(c) + " seed " + std::to_string(seed) + " #" +
                                      std::to_string(i + 1) + " " + lines[i];
            // No line repeats another, in another order or multiplied.
            EXPECT_TRUE(seen.insert(rowSet(exactRows(*parseQuestionAside(lines[i])))).second)
                << where;
            checkLine(lines[i], c, where);
            if (HasFatalFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllOptions, GeneratorTest, ::testing::ValuesIn(allCases()),
                         [](const auto& info) { return caseName(info.param); });

}  // namespace

// ---- the generator's own refusals and the maker's text ----------------------

namespace {

struct LineCase {
    const char* name;
    std::string line;
    int unknowns;
    Kind kind;
    Level level;
    bool accepted;
};

class GeneratorLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(GeneratorLineTest, OwnChecksAcceptOnlyWhatKeepsThePromises) {
    const LineCase& c = GetParam();
    GeneratorOptions o;
    o.unknowns = c.unknowns;
    o.kind = c.kind;
    o.level = c.level;
    const std::string why = generatorLineProblem(c.line, o);
    EXPECT_EQ(why.empty(), c.accepted) << why;
}

const LineCase kLineCases[] = {
    {"WholeSolution", "x+y=7;x-y=3", 2, Kind::Unique, Level::Normal, true},
    {"HalfSolution", "x+y=1;x-y=0", 2, Kind::Unique, Level::Normal, false},
    {"SolutionBeyondNine", "x+y=20;x-y=0", 2, Kind::Unique, Level::Normal, false},
    {"WrongKind", "x+y=7;x-y=3", 2, Kind::Infinite, Level::Normal, false},
    {"EasyCoefficientSix", "6x+y=7;x-y=0", 2, Kind::Unique, Level::Easy, false},
    {"NormalFractionCoefficient", "1/2x+y=4;x-y=2", 2, Kind::Unique, Level::Normal, false},
    {"HardFractionCoefficient", "1/2x+y=4;x-y=2", 2, Kind::Unique, Level::Hard, true},
    {"TwoUnknownsWholeMultipleEasy", "x+2y=3;2x+4y=6", 2, Kind::Infinite, Level::Easy, true},
    {"TwoUnknownsWholeMultipleNormal", "x+2y=3;2x+4y=6", 2, Kind::Infinite, Level::Normal, false},
    {"TwoUnknownsThreeHalves", "2x+4y=6;3x+6y=9", 2, Kind::Infinite, Level::Normal, true},
    {"ContradictionByProportionalRows", "x+y+z=3;x+2y+3z=6;2x+4y+6z=1", 3, Kind::NoSolution,
     Level::Normal, false},
    {"ContradictionBySum", "x+y+z=3;x+2y+3z=6;2x+3y+4z=1", 3, Kind::NoSolution, Level::Normal,
     true},
    {"BadCharacter", "x+y=7;x-y=3 ", 2, Kind::Unique, Level::Normal, false},
    {"ThreeEquationsAskedTwo", "x+y+z=6;x-y+z=2;x+y-z=0", 2, Kind::Unique, Level::Normal, false},
};

INSTANTIATE_TEST_SUITE_P(Lines, GeneratorLineTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SameCase {
    const char* name;
    std::string a, b;
    bool same;
};

class SameEquationsTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(SameEquationsTest, RowSwapsAndMultiplesAreTheSameSystem) {
    EXPECT_EQ(sameEquations(GetParam().a, GetParam().b), GetParam().same);
}

const SameCase kSameCases[] = {
    {"Swapped", "x+y=7;x-y=3", "x-y=3;x+y=7", true},
    {"RowMultiplied", "x+y=7;x-y=3", "2x+2y=14;-x+y=-3", true},
    {"Decimal", "x+y=7;x-y=3", "0.5x+0.5y=3.5;x-y=3", true},
    {"OtherConstant", "x+y=7;x-y=3", "x+y=7;x-y=1", false},
    {"SameSolutionOtherRows", "x+y=7;x-y=3", "x+2y=9;x-y=3", false},
};

INSTANTIATE_TEST_SUITE_P(Lines, SameEquationsTest, ::testing::ValuesIn(kSameCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Options out of range give no questions; the drill refuses a line that is
// solved at set-up.
TEST(GeneratorEdges, OptionsOutOfRangeAndSolvedLines) {
    for (const auto& [unknowns, count] : {std::pair{1, 5}, {5, 5}, {2, 0}, {2, 6}}) {
        GeneratorOptions o;
        o.unknowns = unknowns;
        o.count = count;
        EXPECT_TRUE(generateQuestions(o, 1).empty()) << unknowns << " " << count;
    }
    GeneratorOptions o;
    EXPECT_FALSE(drillLineProblem("x=1;y=2", o).empty());
    EXPECT_TRUE(drillLineProblem("x+y=7;x-y=3", o).empty());
}

// The maker's text: a unit's questions replaced, its name and the rest kept.
struct ReplaceCase {
    const char* name;
    std::vector<std::string> text;
    int unit;
    std::vector<std::string> expected;
};

class ReplaceUnitTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceUnitTest, OnlyTheUnitsQuestionsChange) {
    EXPECT_EQ(replaceUnitQuestions(GetParam().text, GetParam().unit, {"N1", "N2"}),
              GetParam().expected);
}

const ReplaceCase kReplaceCases[] = {
    {"Middle",
     {"<<A", "a", ">>", "<<B", "b1", "b2", ">>", "<<C", "c", ">>"},
     2,
     {"<<A", "a", ">>", "<<B", "N1", "N2", ">>", "<<C", "c", ">>"}},
    {"Last",
     {"<<A", "a", ">>", "", "<<B", "b", ">>", ""},
     2,
     {"<<A", "a", ">>", "", "<<B", "N1", "N2", ">>", ""}},
    {"UnitWithoutItsEnd",
     {"<<A", "a", "<<B", "b", ">>"},
     1,
     {"<<A", "N1", "N2", ">>", "<<B", "b", ">>"}},
    {"UnitTheTextLacks",
     {"<<A", "a", ">>"},
     3,
     {"<<A", "a", ">>", "<<単元2", "N1", "N2", ">>", "<<単元3", "N1", "N2", ">>"}},
};

INSTANTIATE_TEST_SUITE_P(Text, ReplaceUnitTest, ::testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
