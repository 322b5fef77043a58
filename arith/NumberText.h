#pragma once
// Numbers as text: the grammar of numbers inside equations and on the number
// panels, and the reverse direction, a Fraction written as text.

#include <string>

#include "arith/Fraction.h"

struct EquationRow;

// A number inside an equation, starting at byte `pos` (0-based) on its first
// digit. Leaves `pos` on the number's last byte. May set numberState.parseError.
// What the reader has to say about the text (too many digits, a number
// missing, a decimal too long) is added to `said` in order.
Fraction parseNumber(const std::string& text, std::size_t& pos, Messages& said);
// Parses one equation into `row` in canonical form for `unknownCount` unknowns.
// Sets numberState.parseError and numberState.hasDecimalPoint. The readers'
// messages, and a character outside the grammar, are added to `said` in order.
bool parseEquationLine(const std::string& text, EquationRow& row, int unknownCount, Messages& said);
// A number-panel text read: its value, and whether the reader refused the
// text, with why (outside the grammar, too many digits, a fraction written
// wrongly, a zero denominator, a decimal too long). A refused text has the
// value 0/0; so has "-" alone, which is not refused. The readers show
// nothing: the caller tells the student the message of a refused text.
struct PanelNumber {
    Fraction value;
    bool refused = false;
    std::string message;  // why a refused text was refused
};
// A typed number as the readers take it: the full-width digits and signs a
// Japanese input method types (０–９, －, ／, ． and the minus sign −) become
// their ASCII forms, and spaces around the text (also the full-width space)
// are dropped. Both panel readers read their text through this.
std::string asciiNumberText(const std::string& text);
// A number-panel text (digits, ".", a leading "-", "分の"). A text outside the
// panel grammar (see keypadTextValid) is refused with the panel text followed
// by kKeypadTextInvalidMessage before anything is converted.
PanelNumber readKeypadNumber(const std::string& text);
// The value of readKeypadNumber: a refused text gives 0/0.
Fraction parseKeypadNumber(const std::string& text);
// The matrix input cells' variant: numerator "/" denominator. A text outside
// its grammar (slashTextValid) is refused with the text followed by
// kSlashTextInvalidMessage; the message names the text also for a zero
// denominator ("5/0 ←分母が０です").
PanelNumber readSlashNumber(const std::string& text);
// The value of readSlashNumber: a refused text gives 0/0.
Fraction parseSlashNumber(const std::string& text);

// Whether a number-panel text keeps to the panel grammar (read through
// asciiNumberText, as the readers read it): after at most one
// leading "-", only digits, at most one "." and at most one "分の", never both
// "." and "分の". The empty text and "-" alone are inside the grammar (they read
// as 0/1 and 0/0). Windows and the drill may check this before converting.
bool keypadTextValid(const std::string& text);
// The same for matrix cells, with "/" in place of "分の".
bool slashTextValid(const std::string& text);

// Appended to the panel text when a panel text is outside its grammar.
constexpr const char* kKeypadTextInvalidMessage =
    " ←数の書き方がまちがっています（数字と、小数点か「分の」のどちらか１つだけが使えます）";
constexpr const char* kSlashTextInvalidMessage =
    " ←数の書き方がまちがっています（数字と、小数点か「/」のどちらか１つだけが使えます）";

// The fixed texts of the number readers.
constexpr const char* kTooManyDigitsMessage = "：エラー！数字は５桁以下です";  // after the digits
constexpr const char* kBadNumberMessage = "エラー！数字の表現が不正です";
constexpr const char* kDecimalTooLongMessage = "整数部と小数部の合計桁数は５以内です";
constexpr const char* kPanelDecimalTooLongMessage = " ←小数の長さが長すぎます";
constexpr const char* kPanelBadFractionMessage = " ←分数の表現があやまりです";
constexpr const char* kPanelTooManyDigitsMessage = " ←数値は４桁以下にしてください";
constexpr const char* kPanelZeroDenominatorMessage = "分母が０です";

// parseError codes.
constexpr int kErrTooLong = 111;         // equation longer than 50 bytes
constexpr int kErrTooFewTerms = 112;     // finished row has 2 terms or fewer
constexpr int kErrMinusAfterSign = 178;  // "-" right after "+" or "-"
constexpr int kErrPlusAfterSign = 179;   // "+" right after "+" or "-"
constexpr int kErrBadCharacter = 191;    // a character outside the grammar (said)
constexpr int kErrZeroDenominator = 998;
constexpr int kErrTooManyDigits = 999;
constexpr int kErrDecimalTooLong = 1111;
constexpr int kMaxEquationBytes = 50;

// A value as the pictures and number texts write it: a sign in front, then
// the absolute values of numerator and denominator (a stored negative
// denominator gives its sign to the front). Zero, also the 0/0 of a refused
// entry, is "0" without a sign; a denominator of 1 is not written.
struct WrittenNumber {
    bool negative = false;
    std::string numerator = "0";
    std::string denominator;  // empty: a whole number
    bool whole() const { return denominator.empty(); }
};
// With `reduce` the fraction is first reduced (in 64 bits: only its picture
// changes, never the value).
WrittenNumber writtenNumber(const Fraction& f, bool reduce = false);

// "0", an integer, or numerator "/" denominator with the sign on the numerator.
std::string formatFraction(const Fraction& f);
// The decimal text of a value with at most 4 places, without sign; empty when
// the value is an integer, zero, or has no such decimal form.
std::string formatDecimal(const Fraction& f);
