#include "matrix/Matrix.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include "arith/WideInt.h"

MatrixSet matrices;

namespace {

const Fraction kZeroSum{1, 0, '/'};  // where every sum starts

// Runs a piece of arithmetic with the overflow flag cleared, so that the piece
// can tell whether it overflowed itself; on leaving, a flag that was raised
// before stays raised.
class OverflowScope {
  public:
    OverflowScope() : before_(numberState.overflow) { numberState.overflow = false; }
    ~OverflowScope() { numberState.overflow = numberState.overflow || before_; }
    OverflowScope(const OverflowScope&) = delete;
    OverflowScope& operator=(const OverflowScope&) = delete;
    bool overflowed() const { return numberState.overflow; }

  private:
    bool before_;
};

// The sign goes on the numerator; -INT32_MIN does not fit.
Fraction negated(Fraction f) {
    if (f.numerator == INT32_MIN) {
        numberState.overflow = true;
        return f;
    }
    f.numerator = -f.numerator;
    return f;
}

// Determinants and cofactors are sums of products of up to four cells. They
// are computed as exact rationals in 128 bits and narrowed once at the end, so
// a result that fits in 32 bits is never refused because a partial sum did
// not; only a result that really does not fit (or a partial value beyond 128
// bits) raises the overflow flag. Each is computed in an OverflowScope of its
// own, so the flag tells whether that one computation overflowed.
struct Exact {
    Wide n = 0;
    Wide d = 1;  // always positive
};

// A divisor for reducing: never 0, so a zero numerator simply stays 0.
Wide gcdWide(Wide a, Wide b) {
    Wide g = wideGcd(a, b);
    if (g != 0)
        return g;
    Wide other = wideAbs(a) + wideAbs(b);  // one of the two is 0
    return other != 0 ? other : 1;
}

Wide mulChecked(Wide a, Wide b) {
    Wide r;
    if (__builtin_mul_overflow(a, b, &r)) {
        numberState.overflow = true;
        return 0;
    }
    return r;
}

Exact normalised(Wide n, Wide d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    Wide g = gcdWide(n, d);
    return Exact{n / g, n == 0 ? 1 : d / g};
}

Exact exact(const Fraction& f) {
    if (f.denominator == 0) {  // never a number: refuse rather than compute with it
        numberState.overflow = true;
        return Exact{};
    }
    return normalised(f.numerator, f.denominator);
}

Exact operator*(const Exact& a, const Exact& b) {
    Wide g1 = gcdWide(a.n, b.d);
    Wide g2 = gcdWide(b.n, a.d);
    return normalised(mulChecked(a.n / g1, b.n / g2), mulChecked(a.d / g2, b.d / g1));
}

Exact operator+(const Exact& a, const Exact& b) {
    Wide g = gcdWide(a.d, b.d);
    Wide l = mulChecked(a.d / g, b.d);
    Wide left = mulChecked(a.n, l / a.d);
    Wide right = mulChecked(b.n, l / b.d);
    Wide sum;
    if (__builtin_add_overflow(left, right, &sum)) {
        numberState.overflow = true;
        return Exact{};
    }
    return normalised(sum, l);
}

Exact operator-(const Exact& a) {
    return Exact{-a.n, a.d};
}

Exact operator-(const Exact& a, const Exact& b) {
    return a + (-b);
}

// The exact value as a Fraction; one that does not fit, or whose computation
// overflowed, raises the overflow flag.
Fraction narrowed(const Exact& v) {
    if (numberState.overflow || v.n < INT32_MIN || v.n > INT32_MAX || v.d > INT32_MAX) {
        numberState.overflow = true;
        return kZeroSum;
    }
    return Fraction{static_cast<int32_t>(v.d), static_cast<int32_t>(v.n), '/'};
}

using Square3 = std::array<std::array<Exact, 3>, 3>;

// The cyclic-diagonal rule: for each start column p the product down the
// diagonal minus the product up the anti-diagonal starting at 2 − p, with
// column indices taken modulo 3.
Exact det3(const Square3& m) {
    Exact sum;
    for (int p = 0; p < 3; ++p) {
        int q = 2 - p;
        Exact down = m[0][p] * m[1][(p + 1) % 3] * m[2][(p + 2) % 3];
        Exact up = m[0][q] * m[1][(q + 2) % 3] * m[2][(q + 1) % 3];
        sum = sum + (down - up);
    }
    return sum;
}

Exact det2(const Exact& a, const Exact& b, const Exact& c, const Exact& d) {
    return a * d - b * c;
}

// The 3 × 3 minor of a 4 × 4 matrix without row r and column c.
Square3 minor4(const Matrix& m, int r, int c) {
    Square3 out{};
    for (int i = 0, oi = 0; i < 4; ++i) {
        if (i == r)
            continue;
        for (int j = 0, oj = 0; j < 4; ++j) {
            if (j == c)
                continue;
            out[oi][oj++] = exact(m.at(i, j));
        }
        ++oi;
    }
    return out;
}

// The determinant of the 2 × 2 minor of a 3 × 3 matrix without row r and column c.
Exact minorDet3(const Matrix& m, int r, int c) {
    int ri[2], ci[2];
    for (int i = 0, k = 0; i < 3; ++i)
        if (i != r)
            ri[k++] = i;
    for (int j = 0, k = 0; j < 3; ++j)
        if (j != c)
            ci[k++] = j;
    return det2(exact(m.at(ri[0], ci[0])), exact(m.at(ri[0], ci[1])), exact(m.at(ri[1], ci[0])),
                exact(m.at(ri[1], ci[1])));
}

Square3 asSquare3(const Matrix& m) {
    Square3 out{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i][j] = exact(m.at(i, j));
    return out;
}

// A refusal for an overflow, after what was said before it.
Outcome overflowed(Messages said) {
    said.push_back(kOverflowMessage);
    return Outcome{false, std::move(said)};
}

// c ← a ± b after expanding both into scratch copies.
Outcome combine(const Matrix& a, const Matrix& b, Matrix& c, bool subtract) {
    numberState.overflow = false;
    if (a.rows != b.rows || a.cols != b.cols)
        return Outcome::refused(subtract ? kSubtractSizeMessage : kAddSizeMessage);
    Matrix p = a;
    if (!expandCoefficient(p))
        return overflowed({});
    Matrix q = b;
    if (!expandCoefficient(q))
        return overflowed({});
    Messages said;
    Matrix work = c;
    for (int i = 0; i < p.rows; ++i)
        for (int j = 0; j < p.cols; ++j)
            work.at(i, j) = subtract ? subtractFractions(p.at(i, j), q.at(i, j), said)
                                     : addFractions(p.at(i, j), q.at(i, j), said);
    work.rows = p.rows;
    work.cols = q.cols;
    work.coefficient = One;
    if (numberState.overflow)
        return overflowed(std::move(said));
    c = work;
    return Outcome{true, std::move(said)};
}

}  // namespace

int32_t cellLimit(int rows) {
    return rows <= 3 ? 1000 : 100;
}

void setIdentity(Matrix& m, int n) {
    n = std::clamp(n, 0, kMatrixMaxSize);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m.at(i, j) = i == j ? One : Zero;
    m.rows = n;
    m.cols = n;
    m.coefficient = One;
}

void emptyMatrix(Matrix& m) {
    m.rows = 0;
    m.cols = 0;
}

Outcome copyMatrix(const Matrix& source, Matrix& target) {
    if (source.empty())
        return Outcome::refused(kCopyEmptyMessage);
    for (int i = 0; i < source.rows; ++i)
        for (int j = 0; j < source.cols; ++j)
            target.at(i, j) = source.at(i, j);
    target.coefficient = source.coefficient;
    target.rows = source.rows;
    target.cols = source.cols;
    return Outcome::success();
}

bool expandCoefficient(Matrix& m) {
    OverflowScope scope;
    Matrix work = m;
    int64_t largest = 0;  // one running maximum over |numerator| and |denominator|
    for (int i = 0; i < m.rows; ++i) {
        for (int j = 0; j < m.cols; ++j) {
            Fraction f = multiplyFractions(m.at(i, j), m.coefficient);
            work.at(i, j) = f;
            // A zero is 0/1 whatever denominator the arithmetic left on it
            // (1/8 × 0 + 1/125 × 0 is 0/1000): only its value is tested.
            const int64_t below = f.numerator == 0 ? 1 : std::abs(int64_t{f.denominator});
            largest = std::max({largest, std::abs(int64_t{f.numerator}), below});
        }
    }
    work.coefficient = One;
    if (scope.overflowed())
        return false;
    m = work;
    return largest < cellLimit(m.rows);
}

bool multiplyMatrices(const Matrix& l, const Matrix& r, Matrix& t, Messages& said) {
    OverflowScope scope;
    Matrix work = t;
    for (int i = 0; i < l.rows; ++i) {
        for (int j = 0; j < r.cols; ++j) {
            Fraction sum = kZeroSum;
            for (int k = 0; k < l.cols; ++k)
                sum = addFractions(sum, multiplyFractions(l.at(i, k), r.at(k, j)), said);
            work.at(i, j) = sum;
        }
    }
    work.rows = l.rows;
    work.cols = r.cols;
    work.coefficient = multiplyFractions(l.coefficient, r.coefficient);
    bool inRange = expandCoefficient(work);
    if (scope.overflowed())
        return false;
    t = work;
    return inRange;
}

Fraction determinant(const Matrix& m) {
    OverflowScope scope;
    switch (m.rows) {
        case 2:
            return narrowed(
                det2(exact(m.at(0, 0)), exact(m.at(0, 1)), exact(m.at(1, 0)), exact(m.at(1, 1))));
        case 3:
            return narrowed(det3(asSquare3(m)));
        case 4: {
            Exact sum;
            for (int j = 0; j < 4; ++j) {
                Exact term = exact(m.at(0, j)) * det3(minor4(m, 0, j));
                sum = j % 2 == 1 ? sum - term : sum + term;
            }
            return narrowed(sum);
        }
        default:  // 1 × 1 is never asked for; its value would be the cell
            return m.rows == 1 ? m.at(0, 0) : kZeroSum;
    }
}

Outcome addMatrices(const Matrix& a, const Matrix& b, Matrix& c) {
    return combine(a, b, c, false);
}

Outcome subtractMatrices(const Matrix& a, const Matrix& b, Matrix& c) {
    return combine(a, b, c, true);
}

Outcome productMatrices(const Matrix& a, const Matrix& b, Matrix& c) {
    numberState.overflow = false;
    if (a.cols != b.rows)
        return Outcome::refused(kProductSizeMessage);
    Messages said;
    if (!multiplyMatrices(a, b, c, said))
        return overflowed(std::move(said));
    return Outcome{true, std::move(said)};
}

InverseOutcome invertMatrix(const Matrix& x, Matrix& c, Matrix& d,
                            const AbortRetryIgnoreQuestion& askZeroDivision,
                            const std::function<void(const Fraction&)>& deltaComputed) {
    InverseOutcome out;
    numberState.overflow = false;
    if (!x.square()) {
        out.messages.push_back(kInverseNotSquareMessage);
        return out;
    }
    const int n = x.rows;
    if (n < 2)
        return out;
    Matrix p = x;
    if (!expandCoefficient(p)) {
        out.messages.push_back(kOverflowMessage);
        return out;
    }
    Fraction delta = determinant(p);
    if (numberState.overflow) {
        out.messages.push_back(kOverflowMessage);
        return out;
    }
    out.hasDelta = true;
    out.delta = delta;
    if (deltaComputed)
        deltaComputed(delta);
    if (delta.numerator == 0) {
        out.messages.push_back(n == 2 ? kDeltaZero2Message : kDeltaZeroMessage);
        return out;
    }

    Matrix work = c;
    if (n == 2) {
        work.at(0, 0) = p.at(1, 1);
        work.at(0, 1) = negated(p.at(0, 1));
        work.at(1, 0) = negated(p.at(1, 0));
        work.at(1, 1) = p.at(0, 0);
    } else {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                OverflowScope scope;
                Exact cofactor = n == 3 ? minorDet3(p, i, j) : det3(minor4(p, i, j));
                if ((i + j) % 2 == 1)
                    cofactor = -cofactor;
                work.at(j, i) = narrowed(cofactor);
            }
        }
    }
    work.rows = n;
    work.cols = n;
    work.coefficient = divideFractions(One, delta, askZeroDivision);
    if (numberState.overflow) {
        out.messages.push_back(kOverflowMessage);
        return out;
    }
    c = work;
    if (n == 4) {
        emptyMatrix(d);
        out.emptiedD = true;
    }
    out.success = true;
    return out;
}

Outcome powerMatrix(const Matrix& x, int n, bool expandFirst, Matrix& c) {
    numberState.overflow = false;
    if (x.empty() || n < 2)
        return Outcome{};
    if (!x.square())
        return Outcome::refused(kPowerNotSquareMessage);
    Matrix p = x;
    Matrix q = x;
    if (expandFirst && !expandCoefficient(p))
        return overflowed({});
    // The products are made in a scratch result, so that an overflow part way
    // leaves c as it was; a product out of range is kept in c.
    Messages said;
    Matrix work = c;
    for (int i = 2; i <= n; ++i) {
        bool inRange = multiplyMatrices(p, q, work, said);
        if (numberState.overflow)
            return overflowed(std::move(said));
        if (!inRange) {
            c = work;
            return overflowed(std::move(said));
        }
        q = work;
    }
    c = work;
    return Outcome{true, std::move(said)};
}

Outcome factorOut(Matrix& m, const Fraction& k, const AbortRetryIgnoreQuestion& askZeroDivision) {
    numberState.overflow = false;
    if (k.numerator == 0)
        return Outcome::refused(kFactorZeroMessage);
    Matrix work = m;
    expandCoefficient(work);  // the range does not matter here
    for (int i = 0; i < work.rows; ++i)
        for (int j = 0; j < work.cols; ++j)
            work.at(i, j) = divideFractions(work.at(i, j), k, askZeroDivision);
    work.coefficient = k;
    if (numberState.overflow)
        return overflowed({});
    m = work;
    return Outcome::success();
}

bool enterCoefficient(Matrix& m, const Fraction& value, const YesNoQuestion& confirm) {
    if (value.numerator == 0 && !(confirm && confirm(kConfirmCaption, kCoefficientZeroQuestion)))
        return false;
    m.coefficient = value;
    // A zero typed as "nothing usable" (0/0) is stored as a plain 0: a zero
    // denominator is never a number.
    if (m.coefficient.denominator == 0)
        m.coefficient.denominator = 1;
    return true;
}

void resetCoefficient(Matrix& m) {
    m.coefficient = One;
}

Outcome multiplyInCoefficient(Matrix& m) {
    numberState.overflow = false;
    expandCoefficient(m);  // the range does not matter here
    if (numberState.overflow)
        return overflowed({});
    return Outcome::success();
}

Outcome swapMatrices(Matrix& a, Matrix& b) {
    Matrix t;
    if (Outcome first = copyMatrix(a, t); !first.done)
        return first;
    if (Outcome second = copyMatrix(b, a); !second.done)
        return second;
    return copyMatrix(t, b);
}

void loadSystemMatrices(const EquationList& list, Matrix& a, Matrix& b) {
    const int n = list.unknownCount;
    if (n < 1 || n > kMatrixMaxSize)
        return;
    a.rows = n;
    a.cols = n;
    a.coefficient = One;
    b.rows = n;
    b.cols = 1;
    b.coefficient = One;
    for (int i = 0; i < n; ++i) {
        const EquationRow& line = list.rows[i + 1];
        for (int j = 0; j < n; ++j)
            a.at(i, j) = line.terms[j];
        b.at(i, 0) = line.terms[n + 1];
    }
}
