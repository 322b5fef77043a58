#pragma once
// The rules of a number panel: the text a student composes on the keypad
// window "係数入力" (and, for the minus guard, on the drill panel), checked
// and converted only when it is handed over.

#include <string>
#include <vector>

#include "arith/Fraction.h"

// The value the keypad hands to its caller; read after a modal result of 1.
extern Fraction keypadValue;

// Shown when a minus is pressed on a number that is not empty.
constexpr const char* kMinusPlacementMessage = "－の位置が間違っています";

// A minus may only start a number: true for an empty text.
bool minusFits(const std::string& numberText);

// Modal results of the keypad window.
constexpr int kKeypadEntered = 1;    // a value was handed over in keypadValue
constexpr int kKeypadCancelled = 2;  // キャンセル, or ＯＫ on an empty panel
constexpr int kKeypadStaysOpen = 0;  // the text was refused; the student corrects it

// The keypad's panel text and what its buttons do to it. The window shows
// `text` and turns each click into one call.
struct KeypadPanel {
    std::string text;

    void typeDigit(int digit);  // "0" … "9"
    void typeDecimal();         // "."
    // "-", only on an empty panel; otherwise refused with
    // kMinusPlacementMessage and no change.
    Outcome typeMinus();
    void typeBunsu();  // "分の"
    // "/" from the keyboard: a fraction written numerator first, as the
    // matrix cells take it. What was typed becomes the numerator, after
    // "分の"; the digits typed next are the denominator and go in front of
    // "分の" ("2", "/", "3" shows "3分の2"). Nothing happens once the text
    // holds "分の".
    void typeSlash();
    // Backspace: takes back the last key typed.
    void backspace();
    void clear();  // CL, and every showing of the window

    // 清書: reads the text with readKeypadNumber into keypadValue; a text the
    // reader refuses (outside the panel grammar, too many digits, a fraction
    // written wrongly, a zero denominator, a decimal too long) is refused with
    // the reader's message, keypadValue unchanged. The window then draws
    // keypadValue as its fair copy.
    Outcome fairCopy();
    // ＯＫ: kKeypadCancelled on an empty panel; kKeypadStaysOpen when the text
    // is refused as for 清書 (the reader's message added to `said`); else
    // kKeypadEntered with the value in keypadValue.
    int ok(Messages& said);

  private:
    void remember();
    void insert(const std::string& piece);
    // Where the next digits go: the end, or before "分の" after a "/".
    std::size_t insertAt = std::string::npos;
    struct Before {
        std::string text;
        std::size_t insertAt;
    };
    std::vector<Before> undo;
};
