#include "drill/Keys.h"

#include <string>

#include "drill/Drill.h"

namespace {

// The character a key gives when it comes down with Shift held: the digit of
// a digit key (top row or keypad; "!" "@" "\"" "#" "$" are Shift+1 … 4 on US
// and Japanese keyboards), the letter of a letter key, else nothing: a
// modifier alone and the other keys type through key press only.
char shiftedKeyChar(const KeyEvent& e) {
    if (e.key >= '0' && e.key <= '9')
        return static_cast<char>(e.key);
    switch (e.key) {
        case '!':
            return '1';
        case '@':
        case '"':
            return '2';
        case '#':
            return '3';
        case '$':
            return '4';
        default:
            break;
    }
    if (e.key >= 'A' && e.key <= 'Z')
        return static_cast<char>(e.key);
    if (e.key >= 'a' && e.key <= 'z')
        return static_cast<char>(e.key - 'a' + 'A');
    return 0;
}

int operatorForKey(char c) {
    switch (c) {
        case '*':
            return kOpMultiply;
        case '/':
            return kOpDivide;
        case '+':
            return kOpAdd;
        case '-':
            return kOpSubtract;
        case 'D':
        case 'd':
            return kOpSwap;
        case 'S':
        case 's':
            return kOpTidy;
        case 'I':
        case 'i':
            return kOpTranspose;
        case 'K':
        case 'k':
            return kOpBrackets;
        default:
            return -1;
    }
}

}  // namespace

// Phases 1 and 3 take operator keys, whether typed or pressed with Shift:
// any operator after the first row, only × and ÷ after the second.
bool Drill::handleOperatorKey(char c) {
    const int code = operatorForKey(c);
    if (code < 0 || (entryState.entryPhase == 3 && code != kOpMultiply && code != kOpDivide))
        return false;
    pressOperator(code);
    return true;
}

// The phase table for a key that came down with Shift.
bool Drill::handleShiftedKeyDown(char c) {
    switch (entryState.entryPhase) {
        case 1:
        case 3:
            return handleOperatorKey(c);
        case 2:
            if (c >= '1' && c <= '0' + drillState.unknownCount) {
                selectRow(drillState.curStep, c - '1');
                return true;
            }
            return false;
        default:
            // Phase 4 takes the typed character from key press, once.
            return false;
    }
}

// The phase table for a typed character.
bool Drill::handleKeyPress(const std::string& text) {
    if (text.empty())
        return false;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (first < 0x20 || first == 0x7F)
        return false;  // control keys type nothing
    const bool single = text.size() == 1;
    const char c = single ? text[0] : 0;
    switch (entryState.entryPhase) {
        case 1:
        case 3:
            return single && handleOperatorKey(c);
        case 2:
            if (!single)
                return false;
            if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
                typeNumber(text);
                return true;
            }
            if (c == 'B' || c == 'b') {
                typeNumber("分の");
                return true;
            }
            return false;
        case 4:
            typeNumber(text);
            return true;
        default:
            return false;
    }
}

bool Drill::routeKey(const KeyEvent& e) {
    bool taken = false;
    if (e.key == keys::kEnter) {
        // Enter runs what is composed; on a solved question it goes on to the
        // next one; otherwise it does nothing.
        if (entryState.jikkouEnabled)
            btnJikkouClick();
        else if (drillState.questionReady && questionSolved() && drillState.nextEnabled)
            nextQuestion();
        taken = true;
    } else if (e.shift) {
        if (char c = shiftedKeyChar(e))
            taken = handleShiftedKeyDown(c);
    } else if (e.key == keys::kEscape) {
        correctEntry(false);
        taken = true;
    } else if (e.key == keys::kDelete) {
        if (numberGroupEnabled()) {
            typeNumber("CL");
            taken = true;
        }
    }
    if (e.key != keys::kEnter && e.key != keys::kEscape && handleKeyPress(e.text))
        taken = true;
    applyFocusRule();
    notifyDrillChanged();
    return taken;
}
