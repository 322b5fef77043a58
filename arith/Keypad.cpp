#include "arith/Keypad.h"

#include "arith/NumberText.h"

Fraction keypadValue;

bool minusFits(const std::string& numberText) {
    return numberText.empty();
}

void KeypadPanel::remember() {
    undo.push_back({text, insertAt});
}

void KeypadPanel::insert(const std::string& piece) {
    remember();
    if (insertAt == std::string::npos) {
        text += piece;
        return;
    }
    text.insert(insertAt, piece);
    insertAt += piece.size();
}

void KeypadPanel::typeDigit(int digit) {
    if (digit >= 0 && digit <= 9)
        insert(std::string(1, static_cast<char>('0' + digit)));
}

void KeypadPanel::typeDecimal() {
    insert(".");
}

Outcome KeypadPanel::typeMinus() {
    if (!minusFits(text))
        return Outcome::refused(kMinusPlacementMessage);
    insert("-");
    return Outcome::success();
}

void KeypadPanel::typeBunsu() {
    remember();
    text += "分の";
    insertAt = std::string::npos;
}

void KeypadPanel::typeSlash() {
    if (text.find("分の") != std::string::npos)
        return;
    remember();
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    text.insert(sign, "分の");
    insertAt = sign;
}

void KeypadPanel::backspace() {
    if (undo.empty())
        return;
    text = undo.back().text;
    insertAt = undo.back().insertAt;
    undo.pop_back();
}

void KeypadPanel::clear() {
    text.clear();
    insertAt = std::string::npos;
    undo.clear();
}

Outcome KeypadPanel::fairCopy() {
    // A text the reader refuses (the buttons can compose a second "." or five
    // digits) is refused with its message; nothing is drawn.
    const PanelNumber number = readKeypadNumber(text);
    if (number.refused)
        return Outcome::refused(number.message);
    keypadValue = number.value;
    return Outcome::success();
}

int KeypadPanel::ok(Messages& said) {
    if (text.empty())
        return kKeypadCancelled;
    // A refused text is reported; the window stays open for the student to
    // correct it, instead of handing over 0/0 as if it were zero.
    const PanelNumber number = readKeypadNumber(text);
    if (number.refused) {
        said.push_back(number.message);
        return kKeypadStaysOpen;
    }
    keypadValue = number.value;
    return kKeypadEntered;
}
