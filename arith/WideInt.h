#pragma once
// 128-bit integers for exact intermediate results: a value is computed wide,
// reduced, and only then narrowed to 32 bits.

using Wide = __int128;

inline Wide wideAbs(Wide v) {
    return v < 0 ? -v : v;
}

// The positive greatest common divisor; 0 when a or b is 0 (as gcd does for
// fractions, so that a zero numerator is never reduced).
inline Wide wideGcd(Wide a, Wide b) {
    if (a == 0 || b == 0)
        return 0;
    a = wideAbs(a);
    b = wideAbs(b);
    while (b != 0) {
        Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}
