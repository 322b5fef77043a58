#pragma once
// Exact numbers: a ratio of two 32-bit integers that also serves as one term of
// a written equation, through its one-character kind.

#include <cstdint>
#include <string>

#include "platform/Dialogue.h"

struct Fraction {
    int32_t denominator = 1;
    int32_t numerator = 0;
    // '/' number, '|' number typed with a bar, a letter for the coefficient of
    // that unknown, '=' the equals sign, brackets, '*'.
    char kind = '/';
};

// Program-wide state of the number readers and the arithmetic.
struct NumberState {
    int32_t parseError = 0;        // code of the last failed parse, 0 when it succeeded
    bool hasDecimalPoint = false;  // the last parsed equation line contained "."
    // Raised when a result did not fit in 32 bits. The operation that started
    // the arithmetic clears it first and refuses its result when it is set.
    bool overflow = false;
};
extern NumberState numberState;

extern const Fraction Zero;  // 0/1, kind '/'
extern const Fraction One;   // 1/1, kind '/'

constexpr const char* kOverflowMessage = "数値が範囲を超えています";
// The question put to the student on a division by zero (Abort/Retry/Ignore).
constexpr const char* kZeroDivisionCaption = "確認";
constexpr const char* kZeroDivisionQuestion = "0 で割ることはできません";

// "x=…,y=…GCDが０です": what a sum or a least common multiple says when one of
// its two numbers (x, y) is 0.
std::string zeroGcdMessage(int32_t x, int32_t y);

Fraction makeFraction(int32_t numerator, int32_t denominator, char kind);
int32_t gcd(int32_t a, int32_t b);
// Adds zeroGcdMessage(a, b) to `said` and returns 0 when a or b is 0.
int32_t lcm(int32_t a, int32_t b, Messages& said);
// Divides by the gcd; signs stay where they are; a zero numerator is kept as is.
Fraction reduceFraction(int32_t denominator, int32_t numerator, char kind);
// In all four, the first operand decides the kind of the result.
// A zero denominator in a sum adds zeroGcdMessage of the two denominators to
// `said` and gives 0/1.
Fraction addFractions(const Fraction& a, const Fraction& b, Messages& said);
Fraction subtractFractions(const Fraction& a, const Fraction& b, Messages& said);
Fraction multiplyFractions(const Fraction& a, const Fraction& b);
// Division by a zero numerator puts kZeroDivisionQuestion to the student
// through `ask` (an empty one asks nothing) and gives 0/1.
Fraction divideFractions(const Fraction& a, const Fraction& b, const AbortRetryIgnoreQuestion& ask);
Fraction absFraction(const Fraction& a);
// Both zero (whatever the denominators), or the same numerator and denominator.
bool equalValues(const Fraction& a, const Fraction& b);
// The same rational value (cross-multiplied); denominators must not be 0.
bool sameValue(const Fraction& a, const Fraction& b);
