#include "drill/DrillSandbox.h"

#include <utility>

#include "arith/Keypad.h"

DrillSandbox::DrillSandbox(WorksheetLayout layout, QuestionBank bank)
    : OwnDrill(*this, std::move(layout), std::move(bank)),
      numbers_(std::exchange(numberState, NumberState{})),
      keypad_(keypadValue) {}

DrillSandbox::~DrillSandbox() {
    keypadValue = keypad_;
    numberState = numbers_;
}

int DrillSandbox::chooseSpecialSolution() {
    return drillState.solvedCode == -2 ? kChoiceNoSolution : kChoiceInfinitely;
}

DrillSandbox::SetUp DrillSandbox::setUp(int unit, int number) {
    drillState.curUnit = unit;
    drillState.curQues[unit] = number;
    // Judged before the pictures are drawn: a question solved at set-up
    // would be recorded as solved.
    if (!drill.loadQuestion(unit, number))
        return SetUp::Invalid;
    drillState.solvedCode = drill.solvedTest();
    if (drill.questionSolved())
        return SetUp::AlreadySolved;
    if (!drill.startQuestion(false))
        return SetUp::Invalid;
    // No unit is current while the plan runs, so the drill records nothing
    // when the question is solved.
    drillState.curUnit = 0;
    return SetUp::Ready;
}

namespace {

// Types a number as the panel takes it: "-", digits, "分の".
void typeNumberText(Drill& drill, const std::string& text) {
    static const std::string kBun = "分の";
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, kBun.size(), kBun) == 0) {
            drill.typeNumber(kBun);
            i += kBun.size();
        } else {
            drill.typeNumber(std::string(1, text[i]));
            ++i;
        }
    }
}

}  // namespace

bool DrillSandbox::play(const HintOp& op) {
    using Kind = HintOp::Kind;
    const std::size_t said = messages.size();
    const int before = drillState.curStep;
    drill.btnGyouClick(op.row1);
    switch (op.kind) {
        case Kind::Add:
        case Kind::Subtract:
        case Kind::Swap:
            drill.pressOperator(op.kind == Kind::Add        ? kOpAdd
                                : op.kind == Kind::Subtract ? kOpSubtract
                                                            : kOpSwap);
            drill.btnGyouClick(op.row2);
            break;
        case Kind::Multiply:
        case Kind::Divide:
            drill.pressOperator(op.kind == Kind::Multiply ? kOpMultiply : kOpDivide);
            typeNumberText(drill, hintNumberText(op.k));
            break;
        case Kind::AddMultiple:
        case Kind::SubtractMultiple:
            drill.pressOperator(op.kind == Kind::AddMultiple ? kOpAdd : kOpSubtract);
            drill.btnGyouClick(op.row2);
            drill.pressOperator(kOpMultiply);
            typeNumberText(drill, hintNumberText(op.k));
            break;
    }
    drill.btnJikkouClick();
    return drillState.curStep > before && messages.size() == said;
}
