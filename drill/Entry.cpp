#include "drill/Entry.h"

#include <string>

#include "arith/Keypad.h"
#include "drill/Drill.h"
#include "platform/Text.h"

namespace {

// How many bytes CL deletes from the first "(" of the label.
constexpr std::size_t kClearBytes = 20;

struct OperatorInfo {
    char ch;
    const char* text;
};
constexpr OperatorInfo kOperators[] = {
    {'*', "×"},    {'/', "÷"},    {'+', "＋"},     {'-', "－"}, {'^', "　［交換］　"},
    {'S', "整理"}, {'I', "移項"}, {'K', "かっこ"},
};

bool validCode(int code) {
    return code >= 0 && code <= 7;
}

// Removes, from byte `start` of `text`, whole characters until at least
// `bytes` CP932 bytes are gone: a character that the count would cut in half
// goes with the deleted part.
std::string deleteCp932Bytes(const std::string& text, std::size_t start, std::size_t bytes) {
    std::size_t removed = 0;
    std::size_t end = start;
    for (const auto& ch : utf8Chars(std::string_view(text).substr(start))) {
        if (removed >= bytes)
            break;
        removed += cp932Length(ch);
        end += ch.size();
    }
    return text.substr(0, start) + text.substr(end);
}

}  // namespace

void Drill::takeRow(int& line, std::string& text, int newLine, int row) {
    line = newLine;
    text = std::to_string(row + 1);
    entryState.lastRowLine = newLine;
}

// Whether the drill takes composing input now: a question is on the
// worksheet and it is not solved yet.
bool Drill::composing() const {
    return drillState.questionReady && !questionSolved();
}

char operatorChar(int code) {
    return validCode(code) ? kOperators[code].ch : '?';
}

const char* operatorText(int code) {
    return validCode(code) ? kOperators[code].text : "";
}

bool Drill::numberGroupEnabled() const {
    return entryState.entryPhase == 2 || entryState.entryPhase == 4;
}

void Drill::applyFocusRule() {
    if (entryState.jikkouEnabled)
        drillState.focus = FocusTarget::Jikkou;
    else if (drillState.nextEnabled)
        drillState.focus = FocusTarget::Next;
    else
        drillState.focus = FocusTarget::None;
    ++drillState.focusRequests;
}

void Drill::selectRow(int step, int row) {
    if (!composing() || row < 0 || row >= drillState.unknownCount)
        return;
    const int line = (step - 2) * drillState.unknownCount + row + 1;
    switch (entryState.entryPhase) {
        case 0:
            takeRow(entryState.row1Line, entryState.row1Text, line, row);
            entryState.entryPhase = 1;
            break;
        case 1:
            return;  // waiting for an operator
        case 2:
            // A number typed after the operator has no place once a second
            // row follows: row + number row is no operation the drill knows.
            if (!entryState.numberText.empty()) {
                say(kCompoundFormMessage);
                notifyDrillChanged();
                return;
            }
            takeRow(entryState.row2Line, entryState.row2Text, line, row);
            entryState.entryPhase = 3;
            entryState.jikkouEnabled = true;
            break;
        default:
            say("C操作が誤りです");
            notifyDrillChanged();
            return;
    }
    std::string text = "第" + std::to_string(row + 1) + "行";
    if (entryState.lastEntry == 0)
        setOpLabel(text);
    else
        appendOpLabel(text);
    entryState.lastEntry = 1;
    applyFocusRule();
    notifyDrillChanged();
}

void Drill::pressOperator(int code) {
    // With no question on the worksheet there is nothing to compose.
    if (!validCode(code) || !drillState.questionReady)
        return;
    if (code == kOpSwap) {
        if (entryState.lastEntry == 2 || entryState.lastEntry == 3) {
            say(kWrongOperationMessage);
            notifyDrillChanged();
            return;
        }
        if (entryState.row1Line < 1) {
            say("式が指定されていません");
            correctEntry(false);
            return;
        }
    }
    const int phase = entryState.entryPhase;
    if (phase != 1 && phase != 3) {
        say(kWrongOperationMessage);
        notifyDrillChanged();
        return;
    }
    const char ch = operatorChar(code);
    entryState.pendingOp = ch;
    if (phase == 1)
        entryState.firstOp = ch;
    else
        entryState.secondOp = ch;
    appendOpLabel(operatorText(code));
    entryState.entryPhase = phase + 1;
    entryState.lastEntry = 2;
    entryState.jikkouEnabled = true;
    drillState.rowClickLock = false;
    applyFocusRule();
    notifyDrillChanged();
}

void Drill::typeNumber(const std::string& text) {
    if (!numberGroupEnabled() || text.empty())
        return;
    if (text == "CL") {
        const std::string& label = entryState.opLabel;
        auto paren = label.find('(');
        if (paren != std::string::npos) {
            setOpLabel(deleteCp932Bytes(label, paren, kClearBytes));
        } else if (!entryState.numberText.empty()) {
            auto at = label.rfind(entryState.numberText);
            if (at != std::string::npos)
                setOpLabel(label.substr(0, at));
        }
        entryState.numberText.clear();
    } else if (text == "-") {
        // A sign only stands first, whether it comes from the button or a key.
        if (!minusFits(entryState.numberText)) {
            say(kMinusPlacementMessage);
            notifyDrillChanged();
            return;
        }
        entryState.numberText = "-";
        appendOpLabel("(-");
    } else {
        appendOpLabel(text);
        entryState.numberText += text;
        entryState.jikkouEnabled = true;
    }
    entryState.lastEntry = 3;
    applyFocusRule();
    notifyDrillChanged();
}

void Drill::btnMinusClick() {
    typeNumber("-");
}

void Drill::correctEntry(bool clearCurrentPicture) {
    drillState.rowClickLock = false;
    if (entryState.lastEntry != 0) {
        unhighlightLitRow();
    } else if (drillState.curStep >= 3 && !questionSolved()) {
        // Nothing composed: take the last step back. Pictures 1 and 2 stay.
        setOpLabel("");
        if (drillState.curStep > 2 && drillState.curStep <= worksheetLayout.imageCount)
            clearPicture(drillState.curStep);
        drillState.litRow = -1;
        --drillState.curStep;
    }
    if (clearCurrentPicture)
        clearPicture(drillState.curStep);

    entryState.numberText.clear();
    setOpLabel("");
    entryState.lastEntry = 0;
    entryState.entryPhase = 0;
    entryState.row1Line = 0;
    entryState.row2Line = 0;
    entryState.pendingOp = '?';
    entryState.jikkouEnabled = false;
    drillState.rowClickLock = false;
    applyFocusRule();
    notifyDrillChanged();
}

void Drill::resetEntry() {
    entryState.entryPhase = 0;
    entryState.lastEntry = 0;
    entryState.jikkouEnabled = false;
    entryState.numberText.clear();
    applyFocusRule();
    notifyDrillChanged();
}
