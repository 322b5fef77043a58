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

bool KeypadPanel::fairCopy() {
    // A text the reader refuses (the buttons can compose a second "." or five
    // digits) has been reported by it; nothing is drawn.
    const PanelNumber number = readKeypadNumber(text);
    if (number.refused)
        return false;
    keypadValue = number.value;
    return true;
}

int KeypadPanel::ok() {
    if (text.empty())
        return kKeypadCancelled;
    // A refused text has been reported; the window stays open for the student
    // to correct it, instead of handing over 0/0 as if it were zero.
    const PanelNumber number = readKeypadNumber(text);
    if (number.refused)
        return kKeypadStaysOpen;
    keypadValue = number.value;
    return kKeypadEntered;
}
