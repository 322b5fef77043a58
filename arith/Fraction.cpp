#include "arith/Fraction.h"

#include <climits>
#include <string>

#include "arith/WideInt.h"

NumberState numberState;

const Fraction Zero{1, 0, '/'};
const Fraction One{1, 1, '/'};

namespace {

// Results are computed wide, reduced, and only then narrowed: a value that
// still does not fit raises the overflow flag instead of wrapping.

bool fits(Wide v) {
    return v >= INT32_MIN && v <= INT32_MAX;
}

Fraction narrow(Wide d, Wide n, char kind) {
    Wide g = wideGcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    // A zero keeps its denominator unreduced (0/5 stays 0/5), but a zero is
    // exact whatever the denominator: one that no longer fits becomes 0/1
    // instead of refusing a correct result.
    if (n == 0 && !fits(d))
        d = d < 0 ? -1 : 1;
    if (!fits(n) || !fits(d)) {
        numberState.overflow = true;
        return Fraction{1, 0, kind};
    }
    return Fraction{static_cast<int32_t>(d), static_cast<int32_t>(n), kind};
}

// Reduces a wide pair in place (the sign stays where it is).
void reduceWide(Wide& d, Wide& n) {
    Wide g = wideGcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
}

Fraction multiplyWide(Wide ad, Wide an, Wide bd, Wide bn, char kind) {
    if (kind == '|')
        kind = '/';
    reduceWide(ad, an);
    reduceWide(bd, bn);
    return narrow(ad * bd, an * bn, kind);
}

}  // namespace

Fraction makeFraction(int32_t numerator, int32_t denominator, char kind) {
    return Fraction{denominator, numerator, kind};
}

int32_t gcd(int32_t a, int32_t b) {
    Wide g = wideGcd(a, b);
    if (!fits(g)) {  // gcd(INT32_MIN, INT32_MIN)
        numberState.overflow = true;
        return 0;
    }
    return static_cast<int32_t>(g);
}

std::string zeroGcdMessage(int32_t x, int32_t y) {
    return "x=" + std::to_string(x) + ",y=" + std::to_string(y) + "GCDが０です";
}

int32_t lcm(int32_t a, int32_t b, Messages& said) {
    Wide g = wideGcd(a, b);
    if (g == 0) {
        said.push_back(zeroGcdMessage(a, b));
        return 0;
    }
    Wide l = Wide(a) * Wide(b) / g;
    if (!fits(l)) {
        numberState.overflow = true;
        return 0;
    }
    return static_cast<int32_t>(l);
}

Fraction reduceFraction(int32_t denominator, int32_t numerator, char kind) {
    return narrow(denominator, numerator, kind);
}

namespace {

// a + sign × b over the least common multiple of the denominators.
Fraction sumFractions(const Fraction& a, const Fraction& b, int sign, Messages& said) {
    Wide g = wideGcd(a.denominator, b.denominator);
    if (g == 0) {
        said.push_back(zeroGcdMessage(a.denominator, b.denominator));
        return Fraction{1, 0, a.kind};
    }
    Wide l = Wide(a.denominator) * Wide(b.denominator) / g;
    Wide n = Wide(a.numerator) * l / a.denominator + sign * (Wide(b.numerator) * l / b.denominator);
    return narrow(l, n, a.kind);
}

}  // namespace

Fraction addFractions(const Fraction& a, const Fraction& b, Messages& said) {
    return sumFractions(a, b, 1, said);
}

Fraction subtractFractions(const Fraction& a, const Fraction& b, Messages& said) {
    return sumFractions(a, b, -1, said);
}

Fraction multiplyFractions(const Fraction& a, const Fraction& b) {
    return multiplyWide(a.denominator, a.numerator, b.denominator, b.numerator, a.kind);
}

Fraction divideFractions(const Fraction& a, const Fraction& b,
                         const AbortRetryIgnoreQuestion& ask) {
    if (b.numerator == 0) {
        if (ask)
            ask(kZeroDivisionCaption, kZeroDivisionQuestion);
        return Fraction{1, 0, a.kind};
    }
    Wide rd = wideAbs(b.numerator);
    Wide rn = b.numerator < 0 ? -Wide(b.denominator) : Wide(b.denominator);
    return multiplyWide(a.denominator, a.numerator, rd, rn, a.kind);
}

Fraction absFraction(const Fraction& a) {
    Wide d = wideAbs(a.denominator);
    Wide n = wideAbs(a.numerator);
    if (!fits(d) || !fits(n)) {
        numberState.overflow = true;
        return a;
    }
    return Fraction{static_cast<int32_t>(d), static_cast<int32_t>(n), a.kind};
}

bool equalValues(const Fraction& a, const Fraction& b) {
    if (a.numerator == 0 && b.numerator == 0)
        return true;
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

bool sameValue(const Fraction& a, const Fraction& b) {
    return Wide(a.numerator) * b.denominator == Wide(b.numerator) * a.denominator;
}
