#include "drill/AnswerKey.h"

#include "arith/NumberText.h"
#include "drill/DrillSandbox.h"
#include "drill/HintPlanner.h"

namespace {

// A value as the worksheet writes it: a decimal where the question has
// decimals and the value has a short decimal form.
std::string valueText(const Fraction& f, bool decimal) {
    if (decimal) {
        const std::string d = formatDecimal(f);
        if (!d.empty())
            return (f.numerator < 0 ? "-" : "") + d;
    }
    return formatFraction(f);
}

std::string answerWords(const DrillSandbox& sandbox) {
    const DrillState& drillState = sandbox.drillState;
    const EquationList& equationList = sandbox.equationList;
    const int code = drillState.solvedCode;
    if (code == -2)
        return "解なし";
    if (code == -1)
        return "解は無数にある";
    std::string out;
    const int n = drillState.unknownCount;
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = equationList.rows[equationList.index(drillState.curStep, r)];
        if (r)
            out += ",  ";
        out += std::string(1, kUnknownLetters[r]) + " = " +
               valueText(row.terms[n + 1], drillState.hasDecimalPoint);
    }
    return out;
}

// Works question `number` in the sandbox; the worksheet then shows its road.
void work(DrillSandbox& sandbox, AnswerKeyQuestion& q) {
    DrillState& drillState = sandbox.drillState;
    switch (sandbox.setUp(q.unit, q.number)) {
        case DrillSandbox::SetUp::Invalid:
            q.problem = kAnswerKeyNotSetUp;
            return;
        case DrillSandbox::SetUp::AlreadySolved:
            q.problem = kAnswerKeyAlreadySolved;
            return;
        case DrillSandbox::SetUp::Ready:
            break;
    }
    HintMatrix m;
    HintPlan plan;
    if (readHintMatrix(sandbox.equationList, drillState.curStep, m))
        plan = planHint(m);
    int answerStep = 0;  // the step whose rows hold the answer
    for (const HintOp& op : plan.ops) {
        if (sandbox.drill.questionSolved())
            break;
        const int before = drillState.curStep;
        if (!sandbox.play(op))
            break;
        answerStep = before + 1;
    }
    if (!sandbox.drill.questionSolved()) {
        q.problem = kAnswerKeyNoPlan;
        return;
    }
    const int shown = drillState.curStep;
    drillState.curStep = answerStep;
    q.answer = answerWords(sandbox);
    drillState.curStep = shown;
}

}  // namespace

std::vector<AnswerKeyQuestion> buildAnswerKey(const QuestionBank& bank, int unit,
                                              const WorksheetLayout& layout) {
    std::vector<AnswerKeyQuestion> key;
    if (unit < 1 || unit > kMaxUnits)
        return key;
    for (int k = 1; k <= bank.quesCount[unit] && k <= kMaxQuestions; ++k) {
        AnswerKeyQuestion q;
        q.unit = unit;
        q.number = k;
        q.line = bank.question(unit, k);
        q.header = "単元" + std::to_string(unit) + "　" + bank.unitName[unit] + "　問題" +
                   std::to_string(k);
        {
            DrillSandbox sandbox(layout, bank);
            work(sandbox, q);
            const DrillState& drillState = sandbox.drillState;
            const WorksheetPictures& worksheetPictures = sandbox.worksheetPictures;
            // A question that was not worked shows nothing of the worksheet.
            const int last =
                q.problem.empty() ? std::min(drillState.curStep, worksheetPictures.count()) : 0;
            for (int i = 1; i <= last; ++i)
                q.steps.push_back(*worksheetPictures.image(i));
            q.answerShown = drillState.grbKaiVisible;
            q.lastIsAnswer = sandbox.drill.questionSolved() && !drillState.grbKaiVisible;
            q.answerX = worksheetPictures.imgBOXX;
            q.answerY = worksheetPictures.imgBOXY;
        }
        key.push_back(std::move(q));
    }
    return key;
}
