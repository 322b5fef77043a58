#include "questions/Generator.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>
#include <utility>

#include "arith/Equation.h"
#include "questions/QuestionEditor.h"
#include "questions/QuestionLine.h"

namespace {

using Level = GeneratorOptions::Level;
using Kind = GeneratorOptions::Kind;

// An exact number, reduced, with a positive denominator. The systems made
// here stay far inside 64 bits.
struct Rat {
    int64_t num = 0;
    int64_t den = 1;
};

Rat make(int64_t num, int64_t den = 1) {
    if (den < 0)
        num = -num, den = -den;
    const int64_t g = std::gcd(num, den);
    if (g > 1)
        num /= g, den /= g;
    return {num, den};
}
Rat operator+(Rat a, Rat b) {
    return make(a.num * b.den + b.num * a.den, a.den * b.den);
}
Rat operator-(Rat a, Rat b) {
    return make(a.num * b.den - b.num * a.den, a.den * b.den);
}
Rat operator*(Rat a, Rat b) {
    return make(a.num * b.num, a.den * b.den);
}
Rat operator/(Rat a, Rat b) {
    return make(a.num * b.den, a.den * b.num);
}
bool operator==(Rat a, Rat b) {
    return a.num == b.num && a.den == b.den;
}
bool isZero(Rat a) {
    return a.num == 0;
}

using Row = std::vector<Rat>;  // coefficients, then the constant
using System = std::vector<Row>;

int digits(int64_t v) {
    return static_cast<int>(std::to_string(std::llabs(v)).size());
}

// A small deterministic generator: the same numbers on every platform.
class Dice {
  public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    int between(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<uint32_t>(hi - lo + 1));
    }
    int nonZero(int limit) {
        const int v = between(1, limit);
        return between(0, 1) ? v : -v;
    }
    template <class T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[static_cast<std::size_t>(between(0, static_cast<int>(i) - 1))]);
    }

  private:
    std::mt19937 engine_;
};

// The largest coefficient a level writes in a question (Hard: before a row
// is written with fractions).
int coefficientLimit(Level level) {
    return level == Level::Easy ? 5 : 9;
}

// The rank of the first `columns` columns.
int rank(System m, int columns) {
    int r = 0;
    const int rows = static_cast<int>(m.size());
    for (int c = 0; c < columns && r < rows; ++c) {
        int p = r;
        while (p < rows && isZero(m[p][c]))
            ++p;
        if (p == rows)
            continue;
        std::swap(m[p], m[r]);
        for (int i = 0; i < rows; ++i)
            if (i != r && !isZero(m[i][c])) {
                const Rat f = m[i][c] / m[r][c];
                for (std::size_t j = 0; j < m[i].size(); ++j)
                    m[i][j] = m[i][j] - f * m[r][j];
            }
        ++r;
    }
    return r;
}

Kind kindOf(const System& m) {
    const int n = static_cast<int>(m.size());
    const int a = rank(m, n);
    if (a == n)
        return Kind::Unique;
    return a == rank(m, n + 1) ? Kind::Infinite : Kind::NoSolution;
}

// Plain Gauss–Jordan elimination, row by row: whether every entry on the way
// fits the level (whole numbers at Easy, at most 3 digits above and below
// the line at Normal). Used only when no verifier follows the hint's own plan.
bool plainEntriesFit(System m, Level level) {
    if (level == Level::Hard)
        return true;
    auto fits = [&](const System& s) {
        for (const Row& row : s)
            for (Rat v : row)
                if (level == Level::Easy ? v.den != 1 : digits(v.num) > 3 || digits(v.den) > 3)
                    return false;
        return true;
    };
    const int n = static_cast<int>(m.size());
    int r = 0;
    for (int c = 0; c < n && r < n; ++c) {
        int p = r;
        while (p < n && isZero(m[p][c]))
            ++p;
        if (p == n)
            continue;
        std::swap(m[p], m[r]);
        const Rat pivot = m[r][c];
        for (Rat& v : m[r])
            v = v / pivot;
        if (!fits(m))
            return false;
        for (int i = 0; i < n; ++i)
            if (i != r && !isZero(m[i][c])) {
                const Rat f = m[i][c];
                for (int j = 0; j <= n; ++j)
                    m[i][j] = m[i][j] - f * m[r][j];
                if (!fits(m))
                    return false;
            }
        ++r;
    }
    return fits(m);
}

// Coefficients of two rows that are proportional (one a multiple of the other).
bool proportional(const Row& a, const Row& b, int n, Rat* ratio = nullptr) {
    std::optional<Rat> f;
    for (int j = 0; j < n; ++j) {
        if (isZero(a[j]) != isZero(b[j]))
            return false;
        if (isZero(a[j]))
            continue;
        const Rat q = b[j] / a[j];
        if (f && !(*f == q))
            return false;
        f = q;
    }
    if (!f)
        return false;
    if (ratio)
        *ratio = *f;
    return true;
}

// The rows as a set of primitive integer rows (first non-zero entry
// positive), sorted: the same for a row swap and for rows multiplied by a number.
std::vector<std::vector<int64_t>> signature(const System& m) {
    std::vector<std::vector<int64_t>> out;
    for (const Row& row : m) {
        int64_t l = 1;
        for (Rat v : row)
            l = std::lcm(l, v.den);
        std::vector<int64_t> ints;
        int64_t g = 0;
        for (Rat v : row) {
            ints.push_back(v.num * (l / v.den));
            g = std::gcd(g, ints.back());
        }
        int sign = 0;
        for (int64_t v : ints)
            if (v != 0) {
                sign = v < 0 ? -1 : 1;
                break;
            }
        for (int64_t& v : ints)
            v = g == 0 ? 0 : v / g * sign;
        out.push_back(ints);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<System> systemOf(const std::string& line) {
    std::optional<ParsedQuestion> q = parseQuestionAside(line);
    if (!q)
        return std::nullopt;
    const int n = static_cast<int>(q->rows.size());
    System m;
    for (const EquationRow& row : q->rows) {
        Row r;
        for (int j = 0; j < n; ++j)
            r.push_back(make(row.terms[j].numerator, row.terms[j].denominator));
        const Fraction& c = row.terms[n + 1];
        r.push_back(make(c.numerator, c.denominator));
        m.push_back(r);
    }
    return m;
}

// A number as the question file writes it: "3", "-3", "1/2", or "0.5" when
// `decimal` and it has a short decimal form.
std::string numberText(Rat v, bool decimal) {
    if (v.den == 1)
        return std::to_string(v.num);
    if (decimal) {
        int64_t scale = 1;
        for (int places = 1; places <= 3; ++places) {
            scale *= 10;
            if (scale % v.den != 0)
                continue;
            const int64_t scaled = std::llabs(v.num) * (scale / v.den);
            std::string frac = std::to_string(scaled % scale);
            while (static_cast<int>(frac.size()) < places)
                frac.insert(frac.begin(), '0');
            return (v.num < 0 ? "-" : "") + std::to_string(scaled / scale) + "." + frac;
        }
    }
    return std::to_string(v.num) + "/" + std::to_string(v.den);
}

std::string lineText(const System& m, const std::vector<bool>& decimal) {
    const int n = static_cast<int>(m.size());
    std::string line;
    for (int r = 0; r < n; ++r) {
        if (r)
            line += ";";
        bool any = false;
        for (int j = 0; j < n; ++j) {
            const Rat v = m[r][j];
            if (isZero(v))
                continue;
            std::string t;
            if (v.num == 1 && v.den == 1)
                t = "";
            else if (v.num == -1 && v.den == 1)
                t = "-";
            else
                t = numberText(v, decimal[r]);
            if (any && t.front() != '-')
                line += "+";
            line += t + kUnknownLetters[j];
            any = true;
        }
        line += "=" + numberText(m[r][n], decimal[r]);
    }
    return line;
}

Row times(const Row& r, Rat f) {
    Row out;
    for (Rat v : r)
        out.push_back(v * f);
    return out;
}
Row plus(const Row& a, const Row& b) {
    Row out;
    for (std::size_t j = 0; j < a.size(); ++j)
        out.push_back(a[j] + b[j]);
    return out;
}

// n rows of n coefficients of a system with exactly one solution. Easy and
// often Normal: the identity mixed by whole-number row additions, so the
// inverse stays whole; otherwise small random entries.
std::vector<std::vector<int>> regularMatrix(int n, Level level, Dice& dice) {
    const int limit = coefficientLimit(level);
    const bool mixed = level == Level::Easy || dice.between(0, 2) > 0;
    std::vector<std::vector<int>> a(n, std::vector<int>(n, 0));
    if (mixed) {
        std::vector<int> perm(n);
        std::iota(perm.begin(), perm.end(), 0);
        dice.shuffle(perm);
        for (int i = 0; i < n; ++i)
            a[i][perm[i]] = dice.between(0, 3) == 0 ? -1 : 1;
        const int steps = dice.between(n + 1, 2 * n + 2);
        const int multiplier = level == Level::Easy ? 2 : 3;
        for (int s = 0; s < steps; ++s) {
            const int i = dice.between(0, n - 1);
            int j = dice.between(0, n - 2);
            if (j >= i)
                ++j;
            const int c = dice.nonZero(multiplier);
            for (int k = 0; k < n; ++k)
                a[i][k] += c * a[j][k];
        }
    } else {
        const int spread = level == Level::Normal ? 6 : limit;
        for (auto& row : a)
            for (int& v : row)
                v = dice.between(-spread, spread);
    }
    return a;
}

bool coefficientsFit(const System& m, Level level) {
    const int n = static_cast<int>(m.size());
    const int limit = coefficientLimit(level);
    for (const Row& row : m) {
        int nonZero = 0;
        for (int j = 0; j < n; ++j) {
            if (row[j].den != 1 || std::llabs(row[j].num) > limit)
                return false;
            nonZero += !isZero(row[j]);
        }
        // Every equation names at least two unknowns: a row "x = 3" would
        // be half the answer already.
        if (nonZero < 2 || row[n].den != 1)
            return false;
    }
    return true;
}

// One candidate system of the options' kind, as whole numbers (Hard writes
// some rows with fractions or decimals afterwards).
System candidate(const GeneratorOptions& o, Dice& dice) {
    const int n = o.unknowns;
    std::vector<int> s(n);
    for (int& v : s)
        v = dice.between(-9, 9);
    const std::vector<std::vector<int>> a = regularMatrix(n, o.level, dice);
    System m;
    for (int i = 0; i < n; ++i) {
        Row row;
        int64_t b = 0;
        for (int j = 0; j < n; ++j) {
            row.push_back(make(a[i][j]));
            b += int64_t{a[i][j]} * s[j];
        }
        row.push_back(make(b));
        m.push_back(row);
    }
    if (o.kind == Kind::Unique)
        return m;

    // The last row becomes dependent on the others; with no solution its
    // constant is then moved off.
    Row dependent;
    if (n == 2 && o.level != Level::Easy) {
        // Two rows in two unknowns that depend on each other are always
        // proportional; at least neither is a whole multiple of the other.
        static const int kPairs[][2] = {{2, 3}, {3, 2}, {3, 4}, {4, 3}, {2, 5}, {5, 2}};
        const auto& p = kPairs[dice.between(0, 5)];
        Row base = m[0];
        int64_t g = 0;
        for (int j = 0; j < n; ++j)
            g = std::gcd(g, base[j].num);
        if (g == 0)
            return m;
        base = times(base, make(1, g));
        base[n] = make(base[0].num * s[0] + base[1].num * s[1]);
        m[0] = times(base, make(p[0]));
        dependent = times(base, make(dice.between(0, 1) ? p[1] : -p[1]));
    } else if (o.level == Level::Easy && (n == 2 || dice.between(0, 1))) {
        static const int kFactors[] = {-2, -1, 1, 2, 3};
        dependent = times(m[dice.between(0, n - 2)], make(kFactors[dice.between(0, 4)]));
    } else {
        // A combination of at least two of the other rows.
        dependent = Row(n + 1, make(0));
        std::vector<int> rows(n - 1);
        std::iota(rows.begin(), rows.end(), 0);
        dice.shuffle(rows);
        const int used = dice.between(2, n - 1);
        for (int k = 0; k < used; ++k)
            dependent = plus(dependent, times(m[rows[k]], make(dice.nonZero(2))));
    }
    if (o.kind == Kind::NoSolution)
        dependent[n] = dependent[n] + make(dice.nonZero(5));
    m[n - 1] = dependent;
    dice.shuffle(m);
    return m;
}

// Hard: one or two rows divided by a small number and written with
// fractions, or with decimals where the divisor makes them short.
std::vector<bool> roughen(System& m, Level level, Dice& dice) {
    const int n = static_cast<int>(m.size());
    std::vector<bool> decimal(n, false);
    if (level != Level::Hard)
        return decimal;
    static const int kDivisors[] = {2, 3, 4, 5, 10};
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    dice.shuffle(order);
    const int rows = dice.between(1, 2);
    for (int k = 0; k < rows; ++k) {
        const int r = order[k];
        const int d = kDivisors[dice.between(0, 4)];
        m[r] = times(m[r], make(1, d));
        decimal[r] = d != 3 && dice.between(0, 1);
    }
    return decimal;
}

QuestionVerifier& installedVerifier() {
    static QuestionVerifier verifier;
    return verifier;
}

bool validOptions(const GeneratorOptions& o) {
    return o.unknowns >= 2 && o.unknowns <= 4 && o.count >= 1 && o.count <= kMaxQuestions;
}

}  // namespace

void setQuestionVerifier(QuestionVerifier verifier) {
    installedVerifier() = std::move(verifier);
}

bool questionVerifierInstalled() {
    return static_cast<bool>(installedVerifier());
}

bool sameEquations(const std::string& a, const std::string& b) {
    const std::optional<System> x = systemOf(a), y = systemOf(b);
    return x && y && x->size() == y->size() && signature(*x) == signature(*y);
}

std::string generatorLineProblem(const std::string& line, const GeneratorOptions& o) {
    if (!questionCharactersAllowed(line))
        return "使えない文字があります";
    if (const std::string why = questionLineProblem(line); !why.empty())
        return why;
    const std::optional<System> parsed = systemOf(line);
    if (!parsed || static_cast<int>(parsed->size()) != o.unknowns)
        return "式の数が違います";
    const System& m = *parsed;
    const int n = o.unknowns;
    if (kindOf(m) != o.kind)
        return "解の種類が違います";
    if (o.kind == Kind::Unique) {
        // The solution: reduce exactly and read the last column.
        System r = m;
        for (int c = 0; c < n; ++c) {
            int p = c;
            while (isZero(r[p][c]))
                ++p;
            std::swap(r[p], r[c]);
            const Rat pivot = r[c][c];
            for (Rat& v : r[c])
                v = v / pivot;
            for (int i = 0; i < n; ++i)
                if (i != c && !isZero(r[i][c])) {
                    const Rat f = r[i][c];
                    for (int j = 0; j <= n; ++j)
                        r[i][j] = r[i][j] - f * r[c][j];
                }
        }
        for (const Row& row : r)
            if (row[n].den != 1 || std::llabs(row[n].num) > 9)
                return "解が−9から9の整数ではありません";
    }
    if (o.level != Level::Hard) {
        const int limit = coefficientLimit(o.level);
        for (const Row& row : m) {
            for (int j = 0; j < n; ++j)
                if (row[j].den != 1 || std::llabs(row[j].num) > limit)
                    return "係数が範囲を超えています";
            if (row[n].den != 1)
                return "定数が整数ではありません";
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Rat ratio;
            if (o.level == Level::Easy || !proportional(m[i], m[j], n, &ratio))
                continue;
            // With two unknowns a dependency always shows as proportional
            // rows; it is only refused where one is a whole multiple of the other.
            if (n > 2 || ratio.den == 1 || ratio.num == 1 || ratio.num == -1)
                return "比例する式があります";
        }
    if (!questionVerifierInstalled() && !plainEntriesFit(m, o.level))
        return "途中の数が大きすぎます";
    return {};
}

std::vector<std::string> generateQuestions(const GeneratorOptions& options, uint32_t seed) {
    std::vector<std::string> lines;
    if (!validOptions(options))
        return lines;
    // The count is left out of the seed: fewer questions are the first of more.
    const uint32_t mixedSeed = seed * 2654435761u ^ (static_cast<uint32_t>(options.unknowns) << 4 |
                                                     static_cast<uint32_t>(options.kind) << 2 |
                                                     static_cast<uint32_t>(options.level));
    Dice dice(mixedSeed);
    std::vector<std::vector<std::vector<int64_t>>> taken;
    constexpr int kAttemptsPerLine = 3000;
    for (int attempt = 0; attempt < kAttemptsPerLine * options.count &&
                          static_cast<int>(lines.size()) < options.count;
         ++attempt) {
        System m = candidate(options, dice);
        if (!coefficientsFit(m, options.level == Level::Hard ? Level::Normal : options.level))
            continue;
        std::vector<bool> decimal = roughen(m, options.level, dice);
        const std::string line = lineText(m, decimal);
        if (!generatorLineProblem(line, options).empty())
            continue;
        const std::optional<System> parsed = systemOf(line);
        if (!parsed)
            continue;
        std::vector<std::vector<int64_t>> sig = signature(*parsed);
        if (std::find(taken.begin(), taken.end(), sig) != taken.end())
            continue;
        if (const QuestionVerifier& verify = installedVerifier();
            verify && !verify(line, options).empty())
            continue;
        taken.push_back(std::move(sig));
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> generateMixedQuestions(int unknowns, int count,
                                                GeneratorOptions::Level level, uint32_t seed) {
    static const Kind kTurn[] = {Kind::Unique, Kind::NoSolution, Kind::Infinite};
    std::vector<std::string> byKind[3];
    for (int k = 0; k < 3; ++k) {
        GeneratorOptions o;
        o.unknowns = unknowns;
        o.kind = kTurn[k];
        o.level = level;
        o.count = (count - k + 2) / 3;
        if (o.count > 0)
            byKind[k] = generateQuestions(o, seed);
    }
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string>& from = byKind[i % 3];
        const std::size_t at = static_cast<std::size_t>(i / 3);
        if (at < from.size())
            lines.push_back(from[at]);
    }
    return lines;
}
