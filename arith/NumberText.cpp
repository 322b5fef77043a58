#include "arith/NumberText.h"

#include <string>

std::string formatFraction(const Fraction& f) {
    if (f.numerator == 0) return "0";
    long long n = f.numerator;
    long long d = f.denominator;
    if (d < 0) {  // the sign is always written on the numerator
        n = -n;
        d = -d;
    }
    if (d == 1) return std::to_string(n);
    return std::to_string(n) + "/" + std::to_string(d);
}
