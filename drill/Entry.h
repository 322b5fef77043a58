#pragma once
// Composing one row operation on the drill panel: rows, operators, the
// constant on the number panel, correction, and the keyboard.

#include <string>

// Shown when a button or key does not fit what is composed so far.
inline constexpr const char* kWrongOperationMessage = "操作が誤りです。例①＋②，①÷２，④代入①";
// Shown when a composed operation is not of the form row ± row × constant
// (also for a row chosen after a number).
inline constexpr const char* kCompoundFormMessage = "行１＋行２×定数　の形にしてください";

// Operator codes of the operation buttons and keys.
enum OperatorCode {
    kOpMultiply = 0,   // btnKake, "×", '*'
    kOpDivide = 1,     // btnWaru, "÷", '/'
    kOpAdd = 2,        // btnTasu, "＋", '+'
    kOpSubtract = 3,   // btnHiku, "－", '-'
    kOpSwap = 4,       // btnKoukan, "　［交換］　", '^'
    kOpTidy = 5,       // key S, "整理", 'S'
    kOpTranspose = 6,  // key I, "移項", 'I'
    kOpBrackets = 7,   // key K, "かっこ", 'K'
};
// The operator character and the text the label shows, for codes 0 … 7.
char operatorChar(int code);
const char* operatorText(int code);
