#include "drill/Hint.h"

#include "arith/Equation.h"
#include "drill/DrillState.h"
#include "drill/HintPlanner.h"
#include "drill/Run.h"
#include "drill/WorksheetOps.h"

namespace {

constexpr const char* kCaptionTitle = "　　連立方程式";

}  // namespace

std::string drillCaption() {
    std::string caption = std::string(kCaptionTitle) + drillState.starMarks;
    if (drillState.hintCount > 0)
        caption += "　ヒント" + std::to_string(drillState.hintCount);
    return caption;
}

void hintClick() {
    if (!drillState.questionReady)
        return;
    if (questionSolved()) {
        sheet::say(kAlreadySolvedMessage);
        notifyDrillChanged();
        return;
    }
    HintMatrix m;
    HintPlan plan;
    if (!readHintMatrix(equationList, drillState.curStep, m))
        plan.state = HintState::NotMatrixForm;
    else
        plan = planHint(m);

    std::string text = hintStateText(plan);
    if (text.empty()) {
        const HintOp& next = plan.ops.front();
        const std::string operation = hintOperationText(next);
        // A second press on the same step, with the same operation ahead,
        // names the operation; anything else starts again with the goal.
        const bool again =
            drillState.hintStep == drillState.curStep && drillState.hintOperation == operation;
        text = again ? operation : hintGoalText(next);
        drillState.hintStep = drillState.curStep;
        drillState.hintOperation = operation;
    } else {
        drillState.hintStep = 0;
        drillState.hintOperation.clear();
    }
    ++drillState.hintCount;
    drillState.caption = drillCaption();
    notifyDrillChanged();
    sheet::say(text);
    notifyDrillChanged();
}
