#include "drill/HintPlanner.h"

#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

using Kind = HintOp::Kind;

HintNumber make(int64_t num, int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const int64_t g = std::gcd(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    return {num, den};
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
bool same(HintNumber a, HintNumber b) {
    return a.num == b.num && a.den == b.den;
}

// The planner's arithmetic works on values that fit the drill's 32-bit
// fractions, so products of two of them stay within 64 bits.
HintNumber add(HintNumber a, HintNumber b) {
    return make(a.num * b.den + b.num * a.den, a.den * b.den);
}
HintNumber mul(HintNumber a, HintNumber b) {
    return make(a.num * b.num, a.den * b.den);
}
HintNumber divide(HintNumber a, HintNumber b) {
    return make(a.num * b.den, a.den * b.num);
}
HintNumber neg(HintNumber a) {
    return {-a.num, a.den};
}

bool fits(HintNumber a) {
    constexpr int64_t top = std::numeric_limits<int32_t>::max();
    return std::llabs(a.num) <= top && a.den <= top;
}

struct Planner {
    HintMatrix m;
    int n = 0;
    HintPlan plan;
    bool overflow = false;

    explicit Planner(const HintMatrix& start) : m(start), n(static_cast<int>(start.size())) {}

    // The first row whose coefficients are all zero, 0-based; -1 when none.
    int zeroRow() const {
        for (int r = 0; r < n; ++r) {
            bool zero = true;
            for (int c = 0; c < n; ++c)
                zero = zero && isZero(m[r][c]);
            if (zero)
                return r;
        }
        return -1;
    }

    bool identity() const {
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (!same(m[r][c], r == c ? HintNumber{1, 1} : HintNumber{0, 1}))
                    return false;
        return true;
    }

    // Whether the plan has reached its end (a zero row or the answer form).
    bool finished() const { return overflow || zeroRow() >= 0 || identity(); }

    void record(HintOp op) {
        std::vector<HintNumber>& a = m[op.row1 - 1];
        switch (op.kind) {
            case Kind::Swap:
                std::swap(a, m[op.row2 - 1]);
                break;
            case Kind::Multiply:
            case Kind::Divide:
                for (HintNumber& v : a)
                    v = op.kind == Kind::Multiply ? mul(v, op.k) : divide(v, op.k);
                break;
            default: {
                const std::vector<HintNumber>& b = m[op.row2 - 1];
                HintNumber k =
                    op.kind == Kind::Add || op.kind == Kind::Subtract ? HintNumber{1, 1} : op.k;
                if (op.kind == Kind::Subtract || op.kind == Kind::SubtractMultiple)
                    k = neg(k);
                for (int c = 0; c <= n; ++c) {
                    const HintNumber scaled = mul(b[c], k);
                    overflow = overflow || !fits(scaled);
                    a[c] = add(a[c], scaled);
                }
            }
        }
        for (const HintNumber& v : a)
            overflow = overflow || !fits(v);
        plan.ops.push_back(op);
    }

    // Row r minus row pr times k, in the plainest words: ± without a factor
    // when k is ±1, else the compound operation with a positive factor.
    void clear(int r, int pr, int c, HintNumber k) {
        HintOp op;
        op.row1 = r + 1;
        op.row2 = pr + 1;
        op.goalRow = r + 1;
        op.goalColumn = c + 1;
        op.goalValue = 0;
        if (isOne(k)) {
            op.kind = Kind::Subtract;
        } else if (same(k, {-1, 1})) {
            op.kind = Kind::Add;
        } else if (k.num > 0) {
            op.kind = Kind::SubtractMultiple;
            op.k = k;
        } else {
            op.kind = Kind::AddMultiple;
            op.k = neg(k);
        }
        record(op);
    }

    // Makes the pivot 1: ÷ a whole pivot, × the reciprocal of any other.
    void normalise(int pr, int c, bool plain) {
        const HintNumber p = m[pr][c];
        if (isOne(p))
            return;
        HintOp op;
        op.row1 = op.goalRow = pr + 1;
        op.goalColumn = c + 1;
        op.goalValue = 1;
        if (plain || (isWhole(p) && p.num != -1)) {
            op.kind = Kind::Divide;
            op.k = p;
        } else {
            op.kind = Kind::Multiply;
            op.k = make(p.den, p.num);
        }
        record(op);
    }

    void swapRows(int pr, int r, int c) {
        HintOp op;
        op.kind = Kind::Swap;
        op.row1 = pr + 1;
        op.row2 = r + 1;
        op.goalRow = pr + 1;
        op.goalColumn = c + 1;
        op.goalValue = isOne(m[r][c]) ? 1 : -1;
        record(op);
    }

    // Clears column c with pivot row pr; false when the plan has ended.
    void clearColumn(int pr, int c, HintNumber divisor) {
        for (int r = 0; r < n && !finished(); ++r)
            if (r != pr && !isZero(m[r][c]))
                clear(r, pr, c, divide(m[r][c], divisor));
    }

    void run(bool plain) {
        int pr = 0;
        for (int c = 0; c < n && pr < n && !finished(); ++c) {
            int pick = -1;
            if (!plain && !isOne(m[pr][c]))
                for (int r = pr + 1; r < n && pick < 0; ++r)
                    if (isOne(m[r][c]))
                        pick = r;
            if (pick < 0 && isZero(m[pr][c])) {
                // A zero pivot: the plain plan takes the first row below that
                // has a value there, the other the one with the simplest.
                for (int r = pr + 1; r < n; ++r) {
                    if (isZero(m[r][c]))
                        continue;
                    if (pick < 0 || plain)
                        pick = r;
                    if (plain)
                        break;
                    const HintNumber a = m[r][c], b = m[pick][c];
                    if (isWhole(a) && (!isWhole(b) || std::llabs(a.num) < std::llabs(b.num)))
                        pick = r;
                }
                if (pick < 0)
                    continue;  // nothing to pivot on in this column
            }
            if (pick >= 0)
                swapRows(pr, pick, c);
            if (finished())
                break;
            const HintNumber p = m[pr][c];
            bool wholeSteps = !plain && isWhole(p) && !isOne(p);
            for (int r = 0; r < n && wholeSteps; ++r)
                if (r != pr && !isWhole(divide(m[r][c], p)))
                    wholeSteps = false;
            if (wholeSteps) {
                // Clear with whole factors first, divide the pivot row last.
                clearColumn(pr, c, p);
                if (!finished())
                    normalise(pr, c, plain);
            } else {
                normalise(pr, c, plain);
                clearColumn(pr, c, {1, 1});
            }
            ++pr;
        }
    }
};

HintPlan startPlan(const HintMatrix& m) {
    Planner start(m);
    HintPlan plan;
    const int z = start.zeroRow();
    if (z >= 0) {
        plan.state = HintState::ZeroRow;
        plan.zeroRow = z + 1;
        plan.zeroConstant = m[z][m.size()];
    } else if (start.identity()) {
        plan.state = HintState::Solved;
    }
    return plan;
}

HintPlan runPlanner(const HintMatrix& m, bool plain) {
    HintPlan plan = startPlan(m);
    if (plan.state != HintState::Plan)
        return plan;
    Planner p(m);
    p.run(plain);
    if (p.overflow)
        p.plan.ops.clear();  // no plan within the drill's range of numbers
    return p.plan;
}

}  // namespace

HintPlan plainPlan(const HintMatrix& m) {
    return runPlanner(m, true);
}

HintPlan planHint(const HintMatrix& m) {
    HintPlan whole = runPlanner(m, false);
    if (whole.state != HintState::Plan)
        return whole;
    HintPlan plain = runPlanner(m, true);
    if (whole.ops.empty() || (!plain.ops.empty() && plain.ops.size() < whole.ops.size()))
        return plain;
    return whole;
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
    const std::string place = rowWord(op.goalRow) + "の第" + std::to_string(op.goalColumn) + "列を";
    if (op.goalValue == 0)
        return place + "０にしましょう";
    if (op.goalValue == 1)
        return place + "１にしましょう";
    return place + "０でない数にしましょう";
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
            return a + "を" + k + "で割ってみましょう";
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
    return plan.ops.empty() ? "ここからの手順は見つかりませんでした。訂正で前の式に戻してみましょう"
                            : std::string();
}
