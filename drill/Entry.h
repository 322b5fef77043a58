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

// Adds row `row` (0-based) of step `step`: the row buttons, a click on the
// current picture and Shift+digit.
void selectRow(int step, int row);
// Adds an operator (OperatorCode).
void pressOperator(int code);
// Adds to the number: a digit, ".", "分の", "-" or the command "CL". Only
// while the number group is enabled. "-" is taken only on an empty number,
// from the button and the keyboard alike.
void typeNumber(const std::string& text);
// The minus button.
void btnMinusClick();
// 訂正 (without clearing) and Esc; a refused run clears picture curStep too.
void correctEntry(bool clearCurrentPicture);
// After a successful run.
void resetEntry();
// Focus to btnJikkou when it is enabled, else to btnNext when that is enabled.
void applyFocusRule();
// The number group is enabled in phases 2 and 4.
bool numberGroupEnabled();

// Key codes of a key event. Digits and letters are their ASCII codes ('0' …
// '9', 'A' … 'Z', the key itself, whatever Shift makes of it); other keys
// that type ASCII may use that code; the keys below have codes of their own.
namespace keys {
constexpr int kEnter = 0x1000;  // Return and the keypad's Enter
constexpr int kEscape = 0x1001;
constexpr int kDelete = 0x1002;
constexpr int kShift = 0x1003;
constexpr int kControl = 0x1004;
constexpr int kAlt = 0x1005;
constexpr int kMeta = 0x1006;
constexpr int kOther = 0x10FF;  // any other key
}  // namespace keys

// One key stroke as the window sees it: the key, the text it types (UTF-8,
// empty when it types nothing), whether Shift was held and whether the key is
// on the numeric keypad. The window fills `key` with the digit of the key
// pressed when it can tell; a Shift+digit reported as its shifted symbol
// ("!" "@" "\"" "#" "$") is taken as that digit.
struct KeyEvent {
    int key = keys::kOther;
    std::string text;
    bool shift = false;
    bool keypad = false;
};

// The frame's and the worksheet's key routing: the key-down part, then the
// typed character. Returns whether the key was taken (Enter always is: the
// window must not let it press a focused button as well).
bool routeKey(const KeyEvent& event);
