#include "drill/Hint.h"

#include "arith/Equation.h"
#include "drill/Drill.h"
#include "drill/HintPlanner.h"

namespace {

constexpr const char* kCaptionTitle = "　　連立方程式";

}  // namespace

std::string Drill::drillCaption() const {
    std::string caption = std::string(kCaptionTitle) + drillState.starMarks;
    if (drillState.hintCount > 0)
        caption += "　ヒント" + std::to_string(drillState.hintCount);
    return caption;
}

std::string hintTooFewPicturesText(int needed, int left) {
    return "あと" + std::to_string(needed) + "回の操作が要りますが、書ける図は残り" +
           std::to_string(left) + "つです。訂正で前の式に戻すか、次の問題に進みましょう";
}

// Counts the hint and shows its words.
void Drill::sayHint(const std::string& text) {
    ++drillState.hintCount;
    drillState.caption = drillCaption();
    notifyDrillChanged();
    say(text);
    notifyDrillChanged();
}

void Drill::specialChoiceHint() {
    if (!drillState.questionReady)
        return;
    HintMatrix m;
    HintPlan plan;
    if (readHintMatrix(equationList, drillState.curStep, m))
        plan = planHint(m);
    sayHint(plan.state == HintState::ZeroRow
                ? hintStateText(plan)
                : std::string("係数がすべて0の行があります。解はいくつありますか"));
}

void Drill::hintClick() {
    if (!drillState.questionReady)
        return;
    if (questionSolved()) {
        say(kAlreadySolvedMessage);
        notifyDrillChanged();
        return;
    }
    // Every operation needs a picture of its own: with none left, no
    // operation can be run, whatever the rows say.
    const int left = worksheetLayout.imageCount - drillState.curStep;
    HintMatrix m;
    HintPlan plan;
    if (!readHintMatrix(equationList, drillState.curStep, m))
        plan.state = HintState::NotMatrixForm;
    else if (left > 0)
        plan = planHint(m);

    std::string text = hintStateText(plan);
    if (left <= 0)
        text = kHintNoPictureLeft;
    else if (plan.state == HintState::Plan && static_cast<int>(plan.ops.size()) > left)
        text = hintTooFewPicturesText(static_cast<int>(plan.ops.size()), left);
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
    sayHint(text);
}
