#include "drill/HintPlanner.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <tuple>

#include "drill/ExactRank.h"

namespace {

using Kind = HintOp::Kind;
using Wide128 = __int128;

// The number panel takes at most four digits in a numerator and in a
// denominator ("9999分の9999").
constexpr int64_t kPanelMax = 9999;
constexpr int kMaxUnknowns = 4;
// Every value of a step fits the drill's 32-bit fractions.
constexpr int64_t kValueMax = std::numeric_limits<int32_t>::max();

Wide128 wideGcd(Wide128 a, Wide128 b) {
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Wide128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// A reduced number with a positive denominator; `ok` turns false when it
// does not fit the drill's 32-bit fractions.
HintNumber reduce(Wide128 num, Wide128 den, bool& ok) {
    if (den == 0) {
        ok = false;
        return {0, 1};
    }
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (num == 0)
        return {0, 1};
    const Wide128 g = wideGcd(num, den);
    num /= g;
    den /= g;
    if (num > kValueMax || num < -kValueMax || den > kValueMax) {
        ok = false;
        return {0, 1};
    }
    return {static_cast<int64_t>(num), static_cast<int64_t>(den)};
}

HintNumber make(int64_t num, int64_t den) {
    bool ok = true;
    const HintNumber r = reduce(num, den, ok);
    return ok ? r : HintNumber{num, den};
}

HintNumber add(HintNumber a, HintNumber b, bool& ok) {
    return reduce(Wide128(a.num) * b.den + Wide128(b.num) * a.den, Wide128(a.den) * b.den, ok);
}
HintNumber mul(HintNumber a, HintNumber b, bool& ok) {
    return reduce(Wide128(a.num) * b.num, Wide128(a.den) * b.den, ok);
}
HintNumber divide(HintNumber a, HintNumber b, bool& ok) {
    return reduce(Wide128(a.num) * b.den, Wide128(a.den) * b.num, ok);
}
HintNumber neg(HintNumber a) {
    return {-a.num, a.den};
}
HintNumber inverse(HintNumber a) {
    return a.num < 0 ? HintNumber{-a.den, -a.num} : HintNumber{a.den, a.num};
}

bool isZero(HintNumber a) {
    return a.num == 0;
}
bool isOne(HintNumber a) {
    return a.num == 1 && a.den == 1;
}
bool isWhole(HintNumber a) {
    return a.den == 1;
}
// What the number panel can take: at most four digits above and below.
bool typeable(HintNumber a) {
    return a.num != 0 && std::llabs(a.num) <= kPanelMax && a.den <= kPanelMax;
}

// ---------------------------------------------------------------------------
// The rows of a step, and the drill's row operations on them.

struct Rows {
    int n = 0;
    std::array<std::array<HintNumber, kMaxUnknowns + 1>, kMaxUnknowns> a{};

    HintNumber& at(int r, int c) { return a[r][c]; }
    const HintNumber& at(int r, int c) const { return a[r][c]; }

    bool zeroCoefficients(int r) const {
        for (int c = 0; c < n; ++c)
            if (!isZero(a[r][c]))
                return false;
        return true;
    }
    bool identity() const {
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (r == c ? !isOne(a[r][c]) : !isZero(a[r][c]))
                    return false;
        return true;
    }
    // Entries (coefficients and constants) that are not whole numbers.
    int fractions() const {
        int count = 0;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c <= n; ++c)
                count += isWhole(a[r][c]) ? 0 : 1;
        return count;
    }
    bool operator==(const Rows& o) const {
        for (int r = 0; r < n; ++r)
            for (int c = 0; c <= n; ++c)
                if (a[r][c].num != o.a[r][c].num || a[r][c].den != o.a[r][c].den)
                    return false;
        return true;
    }
};

// Performs an operation as the drill does; false (the rows then undefined)
// where the drill refuses it: a value outside 32 bits, a factor of 0, a row
// with itself.
bool apply(Rows& m, const HintOp& op) {
    const int n = m.n;
    if (op.row1 < 1 || op.row1 > n)
        return false;
    auto& a = m.a[op.row1 - 1];
    bool ok = true;
    switch (op.kind) {
        case Kind::Swap:
            if (op.row2 < 1 || op.row2 > n || op.row2 == op.row1)
                return false;
            std::swap(a, m.a[op.row2 - 1]);
            return true;
        case Kind::Multiply:
        case Kind::Divide:
            if (isZero(op.k))
                return false;
            for (int c = 0; c <= n; ++c)
                a[c] = op.kind == Kind::Multiply ? mul(a[c], op.k, ok) : divide(a[c], op.k, ok);
            return ok;
        default: {
            if (op.row2 < 1 || op.row2 > n || op.row2 == op.row1)
                return false;
            const bool compound = op.kind == Kind::AddMultiple || op.kind == Kind::SubtractMultiple;
            if (compound && isZero(op.k))
                return false;
            const auto& b = m.a[op.row2 - 1];
            const bool subtract = op.kind == Kind::Subtract || op.kind == Kind::SubtractMultiple;
            for (int c = 0; c <= n; ++c) {
                // The drill first writes the scaled row, then adds or subtracts it.
                const HintNumber scaled = compound ? mul(b[c], op.k, ok) : b[c];
                a[c] = add(a[c], subtract ? neg(scaled) : scaled, ok);
            }
            return ok;
        }
    }
    return false;
}

// Whether every constant of the operation can be typed on the number panel.
bool panelTakes(const HintOp& op) {
    switch (op.kind) {
        case Kind::Multiply:
        case Kind::Divide:
        case Kind::AddMultiple:
        case Kind::SubtractMultiple:
            return typeable(op.k);
        default:
            return true;
    }
}

// What the whole system is, decided once: row operations keep both.
struct Target {
    bool singular = false;   // the coefficients have rank below n
    bool consistent = true;  // ... and the same rank as the rows with their constants
};

Target analyse(const Rows& m) {
    std::vector<std::vector<RankValue>> rows;
    for (int r = 0; r < m.n; ++r) {
        rows.emplace_back();
        for (int c = 0; c <= m.n; ++c)
            rows.back().push_back({m.a[r][c].num, m.a[r][c].den});
    }
    const int coefficients = exactRank(rows, m.n);
    return {coefficients < m.n, coefficients == exactRank(rows, m.n + 1)};
}

// The row that decides the answer the way the drill judges a step: a row
// 0 = c (c not 0) anywhere, else a row 0 = 0 when the rows do not contradict
// each other. 0-based; -1 when none.
int decidingRow(const Rows& m, const Target& t) {
    int zero = -1;
    for (int r = 0; r < m.n; ++r) {
        if (!m.zeroCoefficients(r))
            continue;
        if (!isZero(m.a[r][m.n]))
            return r;
        if (zero < 0 && t.consistent)
            zero = r;
    }
    return zero;
}

bool decided(const Rows& m, const Target& t) {
    return decidingRow(m, t) >= 0 || (!t.singular && m.identity());
}

// ---------------------------------------------------------------------------
// Operations in the words of the panel.

struct Goal {
    int row = 1;     // 1-based
    int column = 1;  // 1-based; 0: every coefficient of the row
    int value = 0;   // 0, 1, or -1 for "not zero"
};

HintOp withGoal(HintOp op, const Goal& g) {
    op.goalRow = g.row;
    op.goalColumn = g.column;
    op.goalValue = g.value;
    return op;
}

// Row i (0-based) plus k times row j: ± alone when k is ±1, else the
// compound operation with a positive factor.
HintOp addMultiple(int i, int j, HintNumber k, const Goal& g) {
    HintOp op;
    op.row1 = i + 1;
    op.row2 = j + 1;
    if (isOne(k)) {
        op.kind = Kind::Add;
    } else if (isOne(neg(k))) {
        op.kind = Kind::Subtract;
    } else if (k.num > 0) {
        op.kind = Kind::AddMultiple;
        op.k = k;
    } else {
        op.kind = Kind::SubtractMultiple;
        op.k = neg(k);
    }
    return withGoal(op, g);
}

// Row r times f: ÷ a whole divisor ("÷ 3"), × anything else ("× 2", "× 3分の2").
HintOp scaleRow(int r, HintNumber f, const Goal& g) {
    HintOp op;
    op.row1 = r + 1;
    if (!isWhole(f) && isWhole(inverse(f))) {
        op.kind = Kind::Divide;
        op.k = inverse(f);
    } else {
        op.kind = Kind::Multiply;
        op.k = f;
    }
    return withGoal(op, g);
}

HintOp swapRows(int r, int s, const Goal& g) {
    HintOp op;
    op.kind = Kind::Swap;
    op.row1 = r + 1;
    op.row2 = s + 1;
    return withGoal(op, g);
}

// The factor of an operation as a multiplier of the row it reads.
HintNumber factorOf(const HintOp& op) {
    switch (op.kind) {
        case Kind::Add:
            return {1, 1};
        case Kind::Subtract:
            return {-1, 1};
        case Kind::AddMultiple:
        case Kind::Multiply:
            return op.k;
        case Kind::SubtractMultiple:
            return neg(op.k);
        case Kind::Divide:
            return inverse(op.k);
        case Kind::Swap:
            break;
    }
    return {1, 1};
}

int64_t centred(int64_t v, int64_t m) {
    int64_t r = v % m;
    if (r < 0)
        r += m;
    return r > m / 2 ? r - m : r;
}

int64_t modInverse(int64_t a, int64_t m) {
    int64_t g = m, x = 0, x1 = 1, b = centred(a, m);
    if (b < 0)
        b += m;
    while (b != 0) {
        const int64_t q = g / b;
        std::tie(g, b) = std::make_tuple(b, g - q * b);
        std::tie(x, x1) = std::make_tuple(x1, x - q * x1);
    }
    return g == 1 ? centred(x, m) : 0;
}

// Whole parts of at most four digits whose sum is n (n not 0), as even as
// may be.
std::vector<int64_t> chunks(int64_t n) {
    const int64_t count = (std::llabs(n) + kPanelMax - 1) / kPanelMax;
    std::vector<int64_t> out;
    for (int64_t i = 0; i < count; ++i)
        out.push_back(n / count + (i < std::llabs(n % count) ? (n < 0 ? -1 : 1) : 0));
    return out;
}

// k as a sum of typeable numbers, as few as this finds. With D = D1 D2
// (coprime, both of four digits), N/D = a/D1 + b/D2; b/D2 is cut further
// when b has more digits.
bool splitSum(HintNumber k, std::vector<HintNumber>& parts) {
    parts.clear();
    const int64_t N = k.num, D = k.den;
    if (D <= kPanelMax) {
        for (int64_t part : chunks(N))
            parts.push_back(make(part, D));
        return true;
    }
    for (int64_t d1 = (D + kPanelMax - 1) / kPanelMax; d1 <= std::min(D, kPanelMax); ++d1) {
        if (D % d1 != 0 || std::gcd(d1, D / d1) != 1)
            continue;
        const int64_t d2 = D / d1;
        const int64_t a = centred(N % d1 * modInverse(d2 % d1, d1), d1);
        const Wide128 rest = Wide128(N) - Wide128(a) * d2;
        if (a == 0 || rest % d1 != 0 || rest / d1 == 0)
            continue;
        std::vector<HintNumber> tried{make(a, d1)};
        for (int64_t part : chunks(static_cast<int64_t>(rest / d1)))
            tried.push_back(make(part, d2));
        if (parts.empty() || tried.size() < parts.size())
            parts = std::move(tried);
    }
    return !parts.empty();
}

// The prime factors of v, when none exceeds four digits.
bool smallPrimes(int64_t v, std::vector<int64_t>& primes) {
    for (int64_t d = 2; d <= kPanelMax && d * d <= v; ++d)
        for (; v % d == 0; v /= d)
            primes.push_back(d);
    if (v > kPanelMax)
        return false;
    if (v > 1)
        primes.push_back(v);
    return true;
}

// Factors of at most four digits whose product is v, few of them.
bool packFactors(int64_t v, std::vector<int64_t>& bins) {
    std::vector<int64_t> primes;
    if (!smallPrimes(v, primes))
        return false;
    std::sort(primes.rbegin(), primes.rend());
    bins.clear();
    for (int64_t p : primes) {
        bool placed = false;
        for (int64_t& bin : bins)
            if (!placed && bin * p <= kPanelMax) {
                bin *= p;
                placed = true;
            }
        if (!placed)
            bins.push_back(p);
    }
    return true;
}

// f as a product of typeable numbers.
bool splitProduct(HintNumber f, std::vector<HintNumber>& parts) {
    std::vector<int64_t> above, below;
    if (!packFactors(std::llabs(f.num), above) || !packFactors(f.den, below))
        return false;
    parts.clear();
    for (std::size_t i = 0; i < std::max(above.size(), below.size()); ++i)
        parts.push_back(make(i < above.size() ? above[i] : 1, i < below.size() ? below[i] : 1));
    if (parts.empty())
        parts.push_back({1, 1});
    if (f.num < 0)
        parts[0] = neg(parts[0]);
    return true;
}

// Writes the plan's operations in forms the panel takes: an operation whose
// constant has more than four digits becomes several (a compound step as
// compound steps of the same rows whose factors add up to its factor, a
// multiplication as factors whose product is its factor). False when some
// operation cannot be written so.
bool panelForm(const std::vector<HintOp>& ops, std::vector<HintOp>& out) {
    out.clear();
    std::vector<HintNumber> parts;
    for (const HintOp& op : ops) {
        if (panelTakes(op)) {
            out.push_back(op);
            continue;
        }
        const Goal g{op.goalRow, op.goalColumn, op.goalValue};
        const bool scale = op.kind == Kind::Multiply || op.kind == Kind::Divide;
        if (!(scale ? splitProduct(factorOf(op), parts) : splitSum(factorOf(op), parts)))
            return false;
        for (const HintNumber& part : parts)
            out.push_back(scale ? scaleRow(op.row1 - 1, part, g)
                                : addMultiple(op.row1 - 1, op.row2 - 1, part, g));
    }
    return true;
}

// How a plan reads: its length first, then how many entries on the way are
// not whole numbers, then its constants that are not whole numbers, then
// how late its swaps come.
struct Score {
    int length = std::numeric_limits<int>::max();
    int fractions = 0;
    int fractionConstants = 0;
    int lateness = 0;  // the sum of the swaps' places
    bool operator<(const Score& o) const {
        return std::tie(length, fractions, fractionConstants, lateness) <
               std::tie(o.length, o.fractions, o.fractionConstants, o.lateness);
    }
};

// Runs a plan in panel form from the start. Valid when every operation is
// taken, the rows are decided after the last one and not before.
bool check(const Rows& start, const Target& t, const std::vector<HintOp>& ops, Score& score) {
    Rows m = start;
    score = Score{};
    score.length = static_cast<int>(ops.size());
    for (const HintOp& op : ops) {
        if (decided(m, t) || !panelTakes(op) || !apply(m, op))
            return false;
        score.fractions += m.fractions();
        score.fractionConstants += isWhole(factorOf(op)) ? 0 : 1;
        score.lateness += op.kind == Kind::Swap ? static_cast<int>(&op - ops.data()) : 0;
    }
    return decided(m, t);
}

// ---------------------------------------------------------------------------
// Gauss–Jordan, plain or with a choice of pivots.

// The operations that make column c of pivot row p the only non-zero entry,
// with that entry 1. Whole factors first when every factor is whole, the
// division last; otherwise the division first.
void pivotColumn(const Rows& m, int p, int c, bool plain, std::vector<HintOp>& ops) {
    const HintNumber pivot = m.at(p, c);
    const Goal one{p + 1, c + 1, 1};
    bool ok = true;
    bool wholeFactors = !plain && !isOne(pivot);
    for (int r = 0; r < m.n && wholeFactors; ++r)
        if (r != p && !isZero(m.at(r, c)) && !isWhole(divide(m.at(r, c), pivot, ok)))
            wholeFactors = false;
    auto normalise = [&] {
        if (isOne(pivot))
            return;
        if (plain) {
            HintOp op;
            op.kind = Kind::Divide;
            op.row1 = p + 1;
            op.k = pivot;
            ops.push_back(withGoal(op, one));
        } else {
            ops.push_back(scaleRow(p, inverse(pivot), one));
        }
    };
    if (!wholeFactors)
        normalise();
    // The pivot row reads `pivot`, or 1 once it has been divided.
    const HintNumber now = wholeFactors ? pivot : HintNumber{1, 1};
    for (int r = 0; r < m.n; ++r)
        if (r != p && !isZero(m.at(r, c)))
            ops.push_back(addMultiple(r, p, neg(divide(m.at(r, c), now, ok)), {r + 1, c + 1, 0}));
    if (wholeFactors)
        normalise();
}

// Runs operations on the rows, stopping once they are decided. False when
// the drill would refuse one.
bool runOps(Rows& m, const Target& t, const std::vector<HintOp>& ops, std::vector<HintOp>& plan) {
    for (const HintOp& op : ops) {
        if (decided(m, t))
            return true;
        if (!apply(m, op))
            return false;
        plan.push_back(op);
    }
    return true;
}

// The plain plan: columns in order, the first row with a value as pivot
// (swapped up), divide by the pivot, clear the column.
bool plainGaussJordan(Rows m, const Target& t, std::vector<HintOp>& plan) {
    int pr = 0;
    for (int c = 0; c < m.n && pr < m.n && !decided(m, t); ++c) {
        int pick = pr;
        while (pick < m.n && isZero(m.at(pick, c)))
            ++pick;
        if (pick == m.n)
            continue;
        std::vector<HintOp> ops;
        if (pick != pr)
            ops.push_back(swapRows(pr, pick, {pr + 1, c + 1, -1}));
        if (!runOps(m, t, ops, plan))
            return false;
        ops.clear();
        if (decided(m, t))
            break;
        pivotColumn(m, pr, c, true, ops);
        if (!runOps(m, t, ops, plan))
            return false;
        ++pr;
    }
    return decided(m, t);
}

// The rest of the way to the answer form from rows with a unique solution:
// each time the pivot (column, row) that costs the fewest operations now,
// rows in their places first, then swaps into place. Counts an operation
// whose constant will need two operations on the panel as two.
struct Completion {
    bool ok = false;
    int cost = 0;
    int fractions = 0;
    int swaps = 0;  // at its end
    std::vector<HintOp> ops;
};

Completion complete(Rows m, bool record) {
    Completion out;
    const int n = m.n;
    std::array<int, kMaxUnknowns> pivotRowOf{-1, -1, -1, -1};
    std::array<bool, kMaxUnknowns> rowUsed{};
    std::vector<HintOp> ops;
    for (int step = 0; step < n; ++step) {
        int bestC = -1, bestP = -1;
        std::tuple<int, int, int, int> bestKey{};
        for (int c = 0; c < n; ++c) {
            if (pivotRowOf[c] >= 0)
                continue;
            int others = 0;
            for (int r = 0; r < n; ++r)
                others += isZero(m.at(r, c)) ? 0 : 1;
            for (int p = 0; p < n; ++p) {
                if (rowUsed[p] || isZero(m.at(p, c)))
                    continue;
                const HintNumber pivot = m.at(p, c);
                int cost = others - 1 + (isOne(pivot) ? 0 : 1);
                int whole = 0;
                bool ok = true;
                for (int r = 0; r < n; ++r) {
                    if (r == p || isZero(m.at(r, c)))
                        continue;
                    const HintNumber k = divide(m.at(r, c), pivot, ok);
                    cost += typeable(k) ? 0 : 1;
                    whole += isWhole(k) ? 0 : 1;
                }
                if (!isOne(pivot) && !typeable(inverse(pivot)))
                    cost += 1;
                const std::tuple<int, int, int, int> key{cost, p == c ? 0 : 1, whole, c * 8 + p};
                if (bestC < 0 || key < bestKey) {
                    bestKey = key;
                    bestC = c;
                    bestP = p;
                }
            }
        }
        if (bestC < 0)
            return out;  // singular after all
        ops.clear();
        pivotColumn(m, bestP, bestC, false, ops);
        for (const HintOp& op : ops) {
            if (!apply(m, op))
                return out;
            out.cost += panelTakes(op) ? 1 : 2;
            out.fractions += m.fractions();
            if (record)
                out.ops.push_back(op);
        }
        pivotRowOf[bestC] = bestP;
        rowUsed[bestP] = true;
    }
    // Swaps that bring each pivot row to the place of its column.
    for (int c = 0; c < n; ++c) {
        const int p = pivotRowOf[c];
        if (p == c)
            continue;
        const HintOp op = swapRows(c, p, {c + 1, c + 1, 1});
        apply(m, op);
        for (int& q : pivotRowOf)
            if (q == c)
                q = p;
        pivotRowOf[c] = c;
        ++out.cost;
        ++out.swaps;
        if (record)
            out.ops.push_back(op);
    }
    out.ok = true;
    return out;
}

// ---------------------------------------------------------------------------
// Unique solution: a beam search over single operations, each node valued
// by its operations so far and the cheapest completion from it.

// How a plan in the making compares: fewer operations, then fewer entries
// that are not whole numbers on the way, then swaps earlier rather than
// later (a 1 brought into place first reads as a teacher would do it).
struct Key {
    int cost = std::numeric_limits<int>::max();
    int fractions = 0;
    int lateness = 0;  // the sum of the swaps' places in the plan
    bool operator<(const Key& o) const {
        return std::tie(cost, fractions, lateness) < std::tie(o.cost, o.fractions, o.lateness);
    }
};

struct Node {
    Rows m;
    std::vector<HintOp> ops;
    int fractions = 0;
    int lateness = 0;
    Key key;  // with the cheapest completion found from here
};

void candidateMoves(const Rows& m, bool makeOnes, std::vector<HintOp>& moves) {
    moves.clear();
    const int n = m.n;
    bool ok = true;
    for (int i = 0; i < n; ++i) {
        int nonZero = 0, last = -1;
        for (int c = 0; c < n; ++c)
            if (!isZero(m.at(i, c))) {
                ++nonZero;
                last = c;
            }
        // A row with one coefficient left: make it 1.
        if (nonZero == 1 && !isOne(m.at(i, last)))
            moves.push_back(scaleRow(i, inverse(m.at(i, last)), {i + 1, last + 1, 1}));
        for (int j = 0; j < n; ++j) {
            if (j == i)
                continue;
            for (int c = 0; c < n; ++c) {
                const HintNumber a = m.at(i, c), b = m.at(j, c);
                if (isZero(b))
                    continue;
                // Clear entry (i, c) with row j.
                if (!isZero(a)) {
                    const HintNumber k = neg(divide(a, b, ok));
                    if (typeable(k))
                        moves.push_back(addMultiple(i, j, k, {i + 1, c + 1, 0}));
                }
                // Bring a 1 into entry (i, c) with a whole multiple of row j.
                if (makeOnes && !isOne(a)) {
                    const HintNumber k = divide(add(HintNumber{1, 1}, neg(a), ok), b, ok);
                    if (isWhole(k) && typeable(k))
                        moves.push_back(addMultiple(i, j, k, {i + 1, c + 1, 1}));
                }
            }
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            moves.push_back(swapRows(i, j, {i + 1, 1, -1}));
}

std::vector<HintOp> searchUnique(const Rows& start, const Target& t) {
    const int n = start.n;
    const int width = n <= 2 ? 12 : n == 3 ? 10 : 4;
    const bool makeOnes = n <= 3;

    std::vector<HintOp> best;
    Key bestKey;
    auto consider = [&](const Node& node) {
        const Completion c = complete(node.m, false);
        if (!c.ok)
            return Key{};
        Key key;
        key.cost = static_cast<int>(node.ops.size()) + c.cost;
        key.fractions = node.fractions + c.fractions;
        key.lateness = node.lateness;
        for (int i = 1; i <= c.swaps; ++i)
            key.lateness += key.cost - i;
        if (key < bestKey) {
            // Kept only when its constants can be written on the panel.
            std::vector<HintOp> plan = node.ops, written;
            const Completion full = complete(node.m, true);
            plan.insert(plan.end(), full.ops.begin(), full.ops.end());
            Score score;
            if (panelForm(plan, written) && check(start, t, written, score)) {
                bestKey = key;
                best = std::move(plan);
            }
        }
        return key;
    };

    Node root;
    root.m = start;
    consider(root);
    std::vector<Node> frontier{root};
    std::vector<HintOp> moves;
    // Plain Gauss–Jordan needs at most n² + n - 1 operations (n - 1 swaps):
    // no search for a way needs to look further.
    const int deepest = n * n + n;
    for (int depth = 1; !frontier.empty() && depth < std::min(bestKey.cost, deepest); ++depth) {
        std::vector<Node> children;
        for (const Node& node : frontier) {
            candidateMoves(node.m, makeOnes, moves);
            for (const HintOp& op : moves) {
                Node child;
                child.m = node.m;
                if (!apply(child.m, op))
                    continue;
                child.ops = node.ops;
                child.ops.push_back(op);
                child.fractions = node.fractions + child.m.fractions();
                child.lateness = node.lateness + (op.kind == Kind::Swap ? depth - 1 : 0);
                child.key = consider(child);
                if (child.key.cost == std::numeric_limits<int>::max() || child.m.identity())
                    continue;
                children.push_back(std::move(child));
            }
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const Node& a, const Node& b) { return a.key < b.key; });
        frontier.clear();
        for (Node& child : children) {
            if (static_cast<int>(frontier.size()) >= width ||
                (bestKey.cost < deepest && child.key.cost > bestKey.cost + 1))
                break;
            bool seen = false;
            for (const Node& kept : frontier)
                seen = seen || kept.m == child.m;
            if (!seen)
                frontier.push_back(std::move(child));
        }
    }
    return best;
}

// ---------------------------------------------------------------------------
// No unique solution: the fewest rows whose coefficients add up to zero (a
// circuit), combined into one of them. A row 0 = c needs a circuit whose
// constants do not add up to zero; a row 0 = 0 decides only when no rows
// contradict each other.

struct Circuit {
    std::vector<int> rows;           // 0-based
    std::vector<HintNumber> weight;  // of each row; the weighted sum of coefficients is 0
};

// The weights when the rows of `mask` form a circuit; false otherwise.
bool circuitOf(const Rows& m, unsigned mask, Circuit& out) {
    out = Circuit{};
    for (int r = 0; r < m.n; ++r)
        if (mask & (1u << r))
            out.rows.push_back(r);
    const int s = static_cast<int>(out.rows.size());
    // Eliminate on the coefficients, keeping each row's combination.
    std::vector<std::vector<HintNumber>> coef(s), comb(s, std::vector<HintNumber>(s));
    for (int i = 0; i < s; ++i) {
        for (int c = 0; c < m.n; ++c)
            coef[i].push_back(m.at(out.rows[i], c));
        comb[i][i] = {1, 1};
    }
    bool ok = true;
    int rank = 0;
    for (int c = 0; c < m.n && rank < s; ++c) {
        int p = rank;
        while (p < s && isZero(coef[p][c]))
            ++p;
        if (p == s)
            continue;
        std::swap(coef[rank], coef[p]);
        std::swap(comb[rank], comb[p]);
        for (int r = 0; r < s; ++r) {
            if (r == rank || isZero(coef[r][c]))
                continue;
            const HintNumber k = divide(coef[r][c], coef[rank][c], ok);
            for (int j = 0; j < m.n; ++j)
                coef[r][j] = add(coef[r][j], neg(mul(k, coef[rank][j], ok)), ok);
            for (int j = 0; j < s; ++j)
                comb[r][j] = add(comb[r][j], neg(mul(k, comb[rank][j], ok)), ok);
        }
        ++rank;
    }
    if (!ok || rank != s - 1)
        return false;
    out.weight = comb[s - 1];
    for (const HintNumber& w : out.weight)
        if (isZero(w))
            return false;
    return true;
}

// Every order of merging the circuit's rows, one row into another, until one
// row holds the combination: |S| - 1 operations each.
void mergePlans(const Circuit& circuit, std::vector<std::vector<HintOp>>& plans) {
    struct Live {
        int row;
        HintNumber scale;  // the row holds scale × (its rows' weighted sum)
    };
    std::vector<Live> live;
    for (std::size_t i = 0; i < circuit.rows.size(); ++i)
        live.push_back({circuit.rows[i], inverse(circuit.weight[i])});
    std::vector<HintOp> ops;
    auto recurse = [&](auto&& self, std::vector<Live>& rows) -> void {
        if (rows.size() == 1) {
            std::vector<HintOp> plan = ops;
            for (HintOp& op : plan)
                op.goalRow = rows[0].row + 1;
            plans.push_back(std::move(plan));
            return;
        }
        for (std::size_t x = 0; x < rows.size(); ++x)
            for (std::size_t w = 0; w < rows.size(); ++w) {
                if (x == w)
                    continue;
                bool ok = true;
                const HintNumber k = divide(rows[x].scale, rows[w].scale, ok);
                if (!ok)
                    continue;
                ops.push_back(addMultiple(rows[x].row, rows[w].row, k, {rows[x].row + 1, 0, 0}));
                std::vector<Live> rest;
                for (std::size_t i = 0; i < rows.size(); ++i)
                    if (i != w)
                        rest.push_back(rows[i]);
                self(self, rest);
                ops.pop_back();
            }
    };
    recurse(recurse, live);
}

std::vector<HintOp> searchSpecial(const Rows& start, const Target& t) {
    const int n = start.n;
    std::vector<HintOp> best;
    Score bestScore;
    for (int size = 2; size <= n; ++size) {
        for (unsigned mask = 1; mask < (1u << n); ++mask) {
            if (std::popcount(mask) != size)
                continue;
            Circuit circuit;
            if (!circuitOf(start, mask, circuit))
                continue;
            std::vector<std::vector<HintOp>> plans;
            mergePlans(circuit, plans);
            for (const auto& raw : plans) {
                std::vector<HintOp> plan;
                Score score;
                if (!panelForm(raw, plan) || !check(start, t, plan, score))
                    continue;
                // Among equals: every operation on the row that becomes zero
                // (the goal names the row the operations change), and that
                // row the lowest, as elimination works downwards.
                auto elsewhere = [](const std::vector<HintOp>& ops) {
                    return std::count_if(ops.begin(), ops.end(), [&](const HintOp& op) {
                        return op.row1 != ops.back().row1;
                    });
                };
                const bool better = !best.empty() && !(bestScore < score) &&
                                    std::make_pair(elsewhere(plan), -plan.back().row1) <
                                        std::make_pair(elsewhere(best), -best.back().row1);
                if (score < bestScore || better) {
                    bestScore = score;
                    best = plan;
                }
            }
        }
        if (!best.empty() && bestScore.length <= size - 1)
            break;  // no larger circuit is shorter
    }
    return best;
}

// ---------------------------------------------------------------------------

bool toRows(const HintMatrix& hm, Rows& m) {
    const int n = static_cast<int>(hm.size());
    if (n < 1 || n > kMaxUnknowns)
        return false;
    m.n = n;
    for (int r = 0; r < n; ++r) {
        if (static_cast<int>(hm[r].size()) != n + 1)
            return false;
        for (int c = 0; c <= n; ++c) {
            if (hm[r][c].den == 0)
                return false;
            m.a[r][c] = make(hm[r][c].num, hm[r][c].den);
        }
    }
    return true;
}

// The state of rows that need no operation: decided, or not in a form the
// planner reads.
bool startState(const HintMatrix& hm, Rows& m, Target& t, HintPlan& plan) {
    if (!toRows(hm, m)) {
        plan.state = HintState::NotMatrixForm;
        return true;
    }
    t = analyse(m);
    const int z = decidingRow(m, t);
    if (z >= 0) {
        plan.state = HintState::ZeroRow;
        plan.zeroRow = z + 1;
        plan.zeroConstant = m.at(z, m.n);
        return true;
    }
    if (!t.singular && m.identity()) {
        plan.state = HintState::Solved;
        return true;
    }
    return false;
}

}  // namespace

HintPlan plainPlan(const HintMatrix& hm) {
    HintPlan plan;
    Rows m;
    Target t;
    if (startState(hm, m, t, plan))
        return plan;
    std::vector<HintOp> raw, ops;
    Score score;
    if (plainGaussJordan(m, t, raw) && panelForm(raw, ops) && check(m, t, ops, score))
        plan.ops = std::move(ops);
    return plan;
}

HintPlan planHint(const HintMatrix& hm) {
    HintPlan plan;
    Rows m;
    Target t;
    if (startState(hm, m, t, plan))
        return plan;

    std::vector<std::vector<HintOp>> candidates;
    candidates.push_back(t.singular ? searchSpecial(m, t) : searchUnique(m, t));
    {
        std::vector<HintOp> raw;
        if (plainGaussJordan(m, t, raw))
            candidates.push_back(std::move(raw));
    }
    Score bestScore;
    for (const auto& raw : candidates) {
        std::vector<HintOp> ops;
        Score score;
        if (!raw.empty() && panelForm(raw, ops) && check(m, t, ops, score) && score < bestScore) {
            bestScore = score;
            plan.ops = std::move(ops);
        }
    }
    // "× 2" reads better than "÷ 2分の1".
    for (HintOp& op : plan.ops)
        if (op.kind == Kind::Divide && !isWhole(op.k))
            op = scaleRow(op.row1 - 1, inverse(op.k), {op.goalRow, op.goalColumn, op.goalValue});
    return plan;
}

bool readHintMatrix(const EquationList& list, int step, HintMatrix& m) {
    const int n = list.unknownCount;
    m.assign(n, std::vector<HintNumber>(n + 1));
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = list.rows[list.index(step, r)];
        if (row.count != n + 2 || row.terms[n].kind != '=')
            return false;
        for (int c = 0; c <= n; ++c) {
            const Fraction& f = row.terms[c < n ? c : n + 1];
            if (f.denominator == 0)
                return false;
            m[r][c] = make(f.numerator, f.denominator);
        }
    }
    return true;
}

std::string hintNumberText(HintNumber k) {
    const std::string sign = k.num < 0 ? "-" : "";
    const int64_t a = std::llabs(k.num);
    if (k.den == 1)
        return sign + std::to_string(a);
    return sign + std::to_string(k.den) + "分の" + std::to_string(a);
}

namespace {

std::string rowWord(int row) {
    return "第" + std::to_string(row) + "行";
}

}  // namespace

std::string hintGoalText(const HintOp& op) {
    if (op.goalColumn == 0)
        return rowWord(op.goalRow) + "の係数をすべて0にしましょう";
    const std::string place = rowWord(op.goalRow) + "の第" + std::to_string(op.goalColumn) + "列を";
    if (op.goalValue == 0)
        return place + "0にしましょう";
    if (op.goalValue == 1)
        return place + "1にしましょう";
    return place + "0でない数にしましょう";
}

std::string hintOperationText(const HintOp& op) {
    const std::string a = rowWord(op.row1), b = rowWord(op.row2);
    const std::string k = hintNumberText(op.k);
    switch (op.kind) {
        case Kind::Add:
            return a + "に" + b + "をたしてみましょう";
        case Kind::Subtract:
            return a + "から" + b + "をひいてみましょう";
        case Kind::AddMultiple:
            return a + "に" + b + "の" + k + "倍をたしてみましょう";
        case Kind::SubtractMultiple:
            return a + "から" + b + "の" + k + "倍をひいてみましょう";
        case Kind::Multiply:
            return a + "を" + k + "倍してみましょう";
        case Kind::Divide:
            return a + "を" + k + "でわってみましょう";
        case Kind::Swap:
            return a + "と" + b + "を入れ替えてみましょう";
    }
    return {};
}

std::string hintStateText(const HintPlan& plan) {
    switch (plan.state) {
        case HintState::ZeroRow:
            return "0 = " + hintNumberText(plan.zeroConstant) +
                   " の行があります。解はいくつありますか";
        case HintState::Solved:
            return "答えの形になっています。実行して確かめましょう";
        case HintState::NotMatrixForm:
            return "式を「係数 = 定数」の形に整理してから、もう一度ヒントを押してください";
        case HintState::Plan:
            break;
    }
    return plan.ops.empty() ? "数の入力パネルで打てる数（分子も分母も4桁まで）では、ここから先の"
                              "手順が見つかりません。訂正で前の式に戻してみましょう"
                            : std::string();
}
