#include "arith/Keypad.h"

#include "arith/NumberText.h"
#include "platform/UiPort.h"

Fraction keypadValue;

bool minusFits(const std::string& numberText) {
    return numberText.empty();
}

void KeypadPanel::typeDigit(int digit) {
    if (digit >= 0 && digit <= 9)
        text += static_cast<char>('0' + digit);
}

void KeypadPanel::typeDecimal() {
    text += ".";
}

void KeypadPanel::typeMinus() {
    if (!minusFits(text)) {
        ui().showMessage(kMinusPlacementMessage);
        return;
    }
    text += "-";
}

void KeypadPanel::typeBunsu() {
    text += "分の";
}

void KeypadPanel::clear() {
    text.clear();
}

namespace {

// The buttons can put a second "." or both "." and "分の" into the text,
// which no conversion can read; the student corrects it instead.
bool textAccepted(const std::string& text) {
    if (keypadTextValid(text))
        return true;
    ui().showMessage(text + kKeypadTextInvalidMessage);
    return false;
}

}  // namespace

bool KeypadPanel::fairCopy() {
    if (!textAccepted(text))
        return false;
    keypadValue = parseKeypadNumber(text);
    return true;
}

int KeypadPanel::ok() {
    if (text.empty())
        return kKeypadCancelled;
    if (!textAccepted(text))
        return kKeypadStaysOpen;
    keypadValue = parseKeypadNumber(text);
    return kKeypadEntered;
}
