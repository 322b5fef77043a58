#include "drill/DrillSandbox.h"

#include <utility>

#include "arith/Keypad.h"
#include "drill/Drill.h"

DrillSandbox::DrillSandbox(WorksheetLayout layout, QuestionBank bank)
    : ui_(ui()), observer_(drillObserver()) {
    // Taken by value: the drill's own layout and bank may be the ones given.
    setDrillObserver(nullptr);
    drill_ = std::exchange(drillState, DrillState{});
    entry_ = std::exchange(entryState, EntryState{});
    list_ = equationList;
    equationList = EquationList{};
    setUpScratchRow(equationList);
    pictures_ = std::move(worksheetPictures);
    worksheetPictures = WorksheetPictures{};
    const int imageCount = layout.imageCount;
    layout_ = std::exchange(worksheetLayout, std::move(layout));
    worksheetPictures.resize(imageCount);
    numbers_ = std::exchange(numberState, NumberState{});
    keypad_ = keypadValue;
    bank_ = std::exchange(questionBank, std::move(bank));
    setUi(this);
}

DrillSandbox::~DrillSandbox() {
    setUi(&ui_);
    questionBank = std::move(bank_);
    keypadValue = keypad_;
    numberState = numbers_;
    worksheetLayout = layout_;
    worksheetPictures = std::move(pictures_);
    equationList = list_;
    entryState = std::move(entry_);
    drillState = std::move(drill_);
    setDrillObserver(std::move(observer_));
    notifyDrillChanged();
}

int DrillSandbox::chooseSpecialSolution() {
    return drillState.solvedCode == -2 ? kChoiceNoSolution : kChoiceInfinitely;
}

DrillSandbox::SetUp DrillSandbox::setUp(int unit, int number) {
    drillState.curUnit = unit;
    drillState.curQues[unit] = number;
    // Judged before the pictures are drawn: a question solved at set-up
    // would be recorded as solved.
    if (!loadQuestion(unit, number))
        return SetUp::Invalid;
    drillState.solvedCode = solvedTest();
    if (questionSolved())
        return SetUp::AlreadySolved;
    if (!startQuestion(false))
        return SetUp::Invalid;
    // No unit is current while the plan runs, so the drill records nothing
    // when the question is solved.
    drillState.curUnit = 0;
    return SetUp::Ready;
}

namespace {

// Types a number as the panel takes it: "-", digits, "分の".
void typeNumberText(const std::string& text) {
    static const std::string kBun = "分の";
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, kBun.size(), kBun) == 0) {
            typeNumber(kBun);
            i += kBun.size();
        } else {
            typeNumber(std::string(1, text[i]));
            ++i;
        }
    }
}

}  // namespace

bool DrillSandbox::play(const HintOp& op) {
    using Kind = HintOp::Kind;
    const std::size_t said = messages.size();
    const int before = drillState.curStep;
    btnGyouClick(op.row1);
    switch (op.kind) {
        case Kind::Add:
        case Kind::Subtract:
        case Kind::Swap:
            pressOperator(op.kind == Kind::Add        ? kOpAdd
                          : op.kind == Kind::Subtract ? kOpSubtract
                                                      : kOpSwap);
            btnGyouClick(op.row2);
            break;
        case Kind::Multiply:
        case Kind::Divide:
            pressOperator(op.kind == Kind::Multiply ? kOpMultiply : kOpDivide);
            typeNumberText(hintNumberText(op.k));
            break;
        case Kind::AddMultiple:
        case Kind::SubtractMultiple:
            pressOperator(op.kind == Kind::AddMultiple ? kOpAdd : kOpSubtract);
            btnGyouClick(op.row2);
            pressOperator(kOpMultiply);
            typeNumberText(hintNumberText(op.k));
            break;
    }
    btnJikkouClick();
    return drillState.curStep > before && messages.size() == said;
}
