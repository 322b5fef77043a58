#include "drill/QuestionCheck.h"

#include <cstdlib>

#include "drill/DrillSandbox.h"
#include "drill/HintPlanner.h"

namespace {

using Level = GeneratorOptions::Level;
using Kind = GeneratorOptions::Kind;

int digits(int64_t v) {
    return static_cast<int>(std::to_string(std::llabs(v)).size());
}

bool fitsLevel(int64_t num, int64_t den, Level level) {
    switch (level) {
        case Level::Easy:
            return den == 1;
        case Level::Normal:
            return digits(num) <= 3 && digits(den) <= 3;
        case Level::Hard:
            break;
    }
    return true;
}

// Whether every coefficient and constant of the current step fits the level.
bool stepFits(const DrillSandbox& sandbox, Level level) {
    const DrillState& drillState = sandbox.drillState;
    const EquationList& equationList = sandbox.equationList;
    const int n = drillState.unknownCount;
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = equationList.rows[equationList.index(drillState.curStep, r)];
        for (int j = 0; j < row.count && j < kTermsPerRow; ++j) {
            const Fraction& f = row.terms[j];
            if (f.kind != '=' && !fitsLevel(f.numerator, f.denominator, level))
                return false;
        }
    }
    return true;
}

}  // namespace

std::string drillLineProblem(const std::string& line, const GeneratorOptions& options) {
    QuestionBank bank;
    bank.unitName[1] = "問題";
    bank.quesCount[1] = 1;
    bank.quesLine[1][1] = line;
    bank.unitTotal = 1;
    DrillSandbox sandbox(computeWorksheetLayout(800, 600, kNarrowPanelWidth), bank);
    DrillState& drillState = sandbox.drillState;
    if (sandbox.setUp(1, 1) != DrillSandbox::SetUp::Ready)
        return "ドリルで問題になりません";
    if (drillState.unknownCount != options.unknowns)
        return "式の数が違います";
    if (!stepFits(sandbox, options.level))
        return "問題の数が段階に合いません";
    HintMatrix m;
    if (!readHintMatrix(sandbox.equationList, drillState.curStep, m))
        return "ヒントが読めません";
    const HintPlan plan = planHint(m);
    if (plan.state != HintState::Plan || plan.ops.empty())
        return "ヒントの手順がありません";
    for (const HintOp& op : plan.ops) {
        const bool needsConstant = op.kind != HintOp::Kind::Add &&
                                   op.kind != HintOp::Kind::Subtract &&
                                   op.kind != HintOp::Kind::Swap;
        if (needsConstant && !fitsLevel(op.k.num, op.k.den, options.level))
            return "ヒントの定数が段階に合いません";
    }
    const Level level = options.level;
    for (const HintOp& op : plan.ops) {
        if (sandbox.drill.questionSolved())
            return "手順の途中で解けています";
        const int before = drillState.curStep;
        if (!sandbox.play(op))
            return "ドリルが手順を受け付けません";
        // The step just made; the answer may stand on the picture after it.
        const int after = drillState.curStep;
        drillState.curStep = before + 1;
        const bool fits = stepFits(sandbox, level);
        drillState.curStep = after;
        if (!fits)
            return "途中の数が段階に合いません";
    }
    if (!sandbox.drill.questionSolved())
        return "手順の終わりで解けていません";
    const int code = drillState.solvedCode;
    const Kind kind = code == -2 ? Kind::NoSolution : code == -1 ? Kind::Infinite : Kind::Unique;
    if (kind != options.kind)
        return "解の種類が違います";
    return {};
}

void installQuestionVerifier() {
    setQuestionVerifier(drillLineProblem);
}
