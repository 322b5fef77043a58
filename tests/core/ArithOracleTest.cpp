// The arithmetic, the number readers and the row-operation engine checked
// against exact rational arithmetic (GMP) over many random operands and
// random sequences of row operations, with a fixed seed.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/NumberText.h"
#include "tests/support/ScriptedUi.h"

namespace {

using Q = mpq_class;

// Digits as a decimal number (mpz_class alone would read "012" as octal).
mpz_class dec(const std::string& digits) {
    return mpz_class(digits, 10);
}

Q exact(const Fraction& f) {
    Q q(mpz_class(f.numerator), mpz_class(f.denominator));
    q.canonicalize();
    return q;
}

bool fits(const mpz_class& z) {
    return z >= INT32_MIN && z <= INT32_MAX;
}
bool fits(const Q& q) {
    return fits(q.get_num()) && fits(q.get_den());
}

// Whether the engine's fraction is the exact value in the form it promises:
// a positive denominator, and for a value other than 0 fully reduced.
bool sameAs(const Fraction& f, const Q& q) {
    if (f.denominator <= 0)
        return false;
    if (q == 0)
        return f.numerator == 0;
    return mpz_class(f.numerator) == q.get_num() && mpz_class(f.denominator) == q.get_den();
}

std::string text(const Fraction& f) {
    return std::to_string(f.numerator) + "/" + std::to_string(f.denominator) + " " + f.kind;
}

class Random {
  public:
    explicit Random(uint64_t seed) : gen_(seed) {}
    int64_t between(int64_t lo, int64_t hi) {
        return std::uniform_int_distribution<int64_t>(lo, hi)(gen_);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T>
    const T& pick(const std::vector<T>& v) {
        return v[between(0, static_cast<int64_t>(v.size()) - 1)];
    }
    std::string digits(int count) {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += static_cast<char>('0' + between(0, 9));
        return s;
    }
    // A 32-bit fraction of a random size class, possibly unreduced, with a
    // positive denominator.
    Fraction fraction(char kind = '/') {
        static const std::vector<int64_t> tops = {9, 999, 99999, 65536, INT32_MAX};
        static const std::vector<int64_t> bottoms = {1, 9, 999, 65537, INT32_MAX};
        int64_t n = between(0, pick(tops));
        if (chance(50))
            n = -n;
        if (chance(5))
            n = INT32_MIN;
        int64_t d = between(1, pick(bottoms));
        return Fraction{static_cast<int32_t>(d), static_cast<int32_t>(n), kind};
    }
    // A reduced value of moderate size for a row of a question.
    Q coefficient() {
        static const std::vector<int64_t> tops = {0, 9, 99, 9999, 99999, 1 << 24};
        static const std::vector<int64_t> bottoms = {1, 1, 7, 99, 9999};
        Q q(mpz_class(between(-pick(tops), pick(tops))), mpz_class(between(1, pick(bottoms))));
        q.canonicalize();
        return q;
    }
    // A panel text that the keypad could produce, never zero, with its value.
    std::pair<std::string, Q> panelText() {
        std::string sign = chance(30) ? "-" : "";
        Q value;
        std::string t;
        do {
            int form = static_cast<int>(between(0, 2));
            if (form == 0) {
                t = digits(static_cast<int>(between(1, 4)));
                value = Q(dec(t));
            } else if (form == 1) {
                std::string d, n;
                do
                    d = digits(static_cast<int>(between(1, 4)));
                while (dec(d) == 0);
                n = digits(static_cast<int>(between(1, 4)));
                t = d + "分の" + n;
                value = Q(dec(n), dec(d));
            } else {
                int wholeDigits = static_cast<int>(between(0, 3));
                int partDigits = static_cast<int>(between(1, 3));
                std::string w = digits(wholeDigits), p = digits(partDigits);
                t = w + "." + p;
                mpz_class scale = 1;
                for (int i = 0; i < partDigits; ++i)
                    scale *= 10;
                value = Q(dec(w.empty() ? "0" : w) * scale + dec(p), scale);
            }
            value.canonicalize();
        } while (value == 0);
        if (!sign.empty())
            value = -value;
        return {sign + t, value};
    }

  private:
    std::mt19937_64 gen_;
};

struct ArithOracleTest : ::testing::Test {
    ScriptedUi ui;
    void SetUp() override { numberState = {}; }
};

// --- two operands ---------------------------------------------------------

TEST_F(ArithOracleTest, FourOperationsAgreeWithExactArithmetic) {
    Random rnd(20240611);
    int mismatches = 0, overflows = 0, checked = 0;
    Messages said;
    for (int i = 0; i < 200000; ++i) {
        Fraction a = rnd.fraction(rnd.chance(20) ? '|' : 'x');
        Fraction b = rnd.fraction();
        char op = "+-*/"[rnd.between(0, 3)];
        if (op == '/' && b.numerator == 0)
            continue;
        Q qa = exact(a), qb = exact(b);
        Q expected = op == '+'   ? Q(qa + qb)
                     : op == '-' ? Q(qa - qb)
                     : op == '*' ? Q(qa * qb)
                                 : Q(qa / qb);
        numberState.overflow = false;
        Fraction r = op == '+'   ? addFractions(a, b, said)
                     : op == '-' ? subtractFractions(a, b, said)
                     : op == '*' ? multiplyFractions(a, b)
                                 : divideFractions(a, b, askAbortRetryIgnoreBox);
        ++checked;
        char kind = (op == '*' || op == '/') && a.kind == '|' ? '/' : a.kind;
        bool ok;
        if (expected != 0 && !fits(expected)) {
            ok = numberState.overflow;  // never a wrapped value
            ++overflows;
        } else {
            ok = !numberState.overflow && sameAs(r, expected) && r.kind == kind;
        }
        if (!ok && ++mismatches <= 10)
            ADD_FAILURE() << text(a) << " " << op << " " << text(b) << " gave " << text(r)
                          << (numberState.overflow ? " (overflow)" : "") << ", exact "
                          << expected.get_str();
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(overflows, 10000);  // the sizes do reach past 32 bits
    EXPECT_GT(checked, 190000);
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ArithOracleTest, GcdAndLcmAgreeWithExactArithmetic) {
    Random rnd(7);
    int mismatches = 0;
    for (int i = 0; i < 50000; ++i) {
        Fraction fa = rnd.fraction(), fb = rnd.fraction();
        int32_t a = fa.numerator, b = fb.denominator * (rnd.chance(50) ? 1 : -1);
        if (a == 0)
            continue;
        mpz_class g, l;
        mpz_gcd(g.get_mpz_t(), mpz_class(a).get_mpz_t(), mpz_class(b).get_mpz_t());
        numberState.overflow = false;
        int32_t got = gcd(a, b);
        bool ok = fits(g) ? mpz_class(got) == g && !numberState.overflow : numberState.overflow;
        l = mpz_class(a) * mpz_class(b) / g;
        numberState.overflow = false;
        Messages said;
        int32_t gotL = lcm(a, b, said);
        ok = ok && (fits(l) ? mpz_class(gotL) == l && !numberState.overflow : numberState.overflow);
        if (!ok && ++mismatches <= 10)
            ADD_FAILURE() << a << ", " << b;
    }
    EXPECT_EQ(mismatches, 0);
}

// --- number text ----------------------------------------------------------

TEST_F(ArithOracleTest, PanelTextsReadTheirExactValue) {
    Random rnd(11);
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
        auto [t, value] = rnd.panelText();
        const PanelNumber read = readKeypadNumber(t);
        const Fraction f = read.value;
        bool ok = !read.refused && f.denominator > 0 && exact(f) == value;
        // A fraction typed with 分の keeps the digits it was typed with.
        auto mark = t.find("分の");
        if (mark != std::string::npos) {
            std::size_t start = t[0] == '-' ? 1 : 0;
            ok = ok && mpz_class(f.denominator) == dec(t.substr(start, mark - start));
        }
        if (!ok && ++mismatches <= 10)
            ADD_FAILURE() << t << " gave " << text(f);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ArithOracleTest, EquationLinesReadTheirExactCoefficients) {
    Random rnd(13);
    static const char kLetters[] = {'x', 'y', 'z', 'w'};
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
        int uc = static_cast<int>(rnd.between(2, 4));
        std::vector<Q> want(uc + 1);
        std::vector<int> order(uc);
        for (int k = 0; k < uc; ++k)
            order[k] = k;
        std::shuffle(order.begin(), order.end(), std::mt19937(i));
        // One number as written: integer, a/b, or a decimal of at most 5 digits.
        auto number = [&](Q& value) {
            int form = static_cast<int>(rnd.between(0, 2));
            if (form == 0) {
                std::string d = rnd.digits(static_cast<int>(rnd.between(1, 5)));
                value = Q(dec(d));
                return d;
            }
            if (form == 1) {
                std::string n = rnd.digits(static_cast<int>(rnd.between(1, 5)));
                std::string d;
                do
                    d = rnd.digits(static_cast<int>(rnd.between(1, 5)));
                while (dec(d) == 0);
                value = Q(dec(n), dec(d));
                value.canonicalize();
                return n + "/" + d;
            }
            std::string w = std::to_string(rnd.between(0, 99));
            std::string p = rnd.digits(static_cast<int>(rnd.between(1, 5 - w.size())));
            mpz_class scale = 1;
            for (std::size_t k = 0; k < p.size(); ++k)
                scale *= 10;
            value = Q(dec(w) * scale + dec(p), scale);
            value.canonicalize();
            return w + "." + p;
        };
        std::string line;
        for (int k : order) {
            Q value = 1;
            std::string coefficient = rnd.chance(20) ? "" : number(value);
            if (value == 0)
                continue;  // a zero coefficient is simply left out
            bool minus = rnd.chance(40);
            if (minus)
                value = -value;
            if (minus)
                line += "-";
            else if (!line.empty())
                line += "+";
            line += coefficient + kLetters[k];
            want[k] = value;
            if (rnd.chance(10))
                line += " ";
        }
        Q constant;
        std::string c = number(constant);
        if (rnd.chance(40)) {
            constant = -constant;
            c = "-" + c;
        }
        line += "=" + c;
        want[uc] = constant;
        if (line.size() > 50)
            continue;

        EquationRow row;
        Messages said;
        bool ok = parseEquationLine(line, row, uc, said) && said.empty() && row.count == uc + 2 &&
                  numberState.hasDecimalPoint == (line.find('.') != std::string::npos) &&
                  row.terms[uc].kind == '=';
        for (int k = 0; ok && k < uc; ++k)
            ok = row.terms[k].kind == kLetters[k] && exact(row.terms[k]) == want[k];
        ok = ok && row.terms[uc + 1].kind == '/' && exact(row.terms[uc + 1]) == want[uc];
        if (!ok && ++mismatches <= 10)
            ADD_FAILURE() << line << " (error " << numberState.parseError << ")";
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(ui.log.empty());
}

// --- row operations -------------------------------------------------------

// The values of the current block, one row per equation: the coefficients,
// then the constant.
using Block = std::vector<std::vector<Q>>;

struct Sequence {
    Sequence(EquationList& l, ScriptedUi& u, Random& r) : list(l), ui(u), rnd(r) {}
    EquationList& list;
    ScriptedUi& ui;
    Random& rnd;
    int mismatches = 0;
    int accepted = 0;
    int overflowRefusals = 0;
    int refusedInARow = 0;  // a system whose numbers have grown too big is left
    std::ostringstream where;

    void fail(const std::string& what) {
        if (++mismatches <= 10)
            ADD_FAILURE() << what << " at " << where.str();
    }

    // The engine as the drill runs it: what it hands back is shown through
    // the port, in order.
    StepOutcome executeStep(EquationList& l, const StepSelection& s, int firstRow, char op,
                            int secondRow) {
        StepOutcome out = ::executeStep(l, s, firstRow, op, secondRow, askAbortRetryIgnoreBox);
        showMessages(out.messages);
        return out;
    }

    void setUp(int uc, Block& block) {
        static const char kLetters[] = {'x', 'y', 'z', 'w'};
        list.clear();
        list.unknownCount = uc;
        block.assign(uc, std::vector<Q>(uc + 1));
        for (int r = 0; r < uc; ++r) {
            EquationRow& row = list.rows[1 + r];
            for (int k = 0; k <= uc; ++k) {
                Q q = rnd.coefficient();
                block[r][k] = q;
                Fraction f{static_cast<int32_t>(q.get_den().get_si()),
                           static_cast<int32_t>(q.get_num().get_si()), k < uc ? kLetters[k] : '/'};
                if (k == uc)
                    appendTerm(row, Fraction{1, 0, '='});
                appendTerm(row, f);
            }
        }
    }

    // The block written for `step` against the model.
    void compareBlock(int step, const Block& want) {
        int uc = list.unknownCount;
        for (int r = 0; r < uc; ++r) {
            const EquationRow& row = list.rows[list.index(step, r)];
            if (row.count != uc + 2) {
                fail("count of row " + std::to_string(r));
                continue;
            }
            for (int k = 0; k < uc + 2; ++k) {
                const Fraction& f = row.terms[k];
                if (k == uc) {
                    if (f.kind != '=')
                        fail("equals term");
                    continue;
                }
                char kind = k < uc ? "xyzw"[k] : '/';
                const Q& q = want[r][k < uc ? k : uc];
                if (f.kind != kind || !sameAs(f, q))
                    fail("row " + std::to_string(r) + " term " + std::to_string(k) + ": " +
                         text(f) + " against " + q.get_str());
            }
        }
    }

    static bool allFit(const std::vector<Q>& row) {
        for (const Q& q : row)
            if (q != 0 && !fits(q))
                return false;
        return true;
    }

    // Every row and text other than those listed is as it was.
    void compareOthers(const EquationList& before, const std::vector<int>& allowed, int textRow) {
        for (int i = 0; i < kListRows; ++i) {
            bool mayChange = false;
            for (int a : allowed)
                mayChange = mayChange || a == i;
            const EquationRow& x = before.rows[i];
            const EquationRow& y = list.rows[i];
            if (i != textRow && x.text != y.text)
                fail("text of row " + std::to_string(i));
            if (mayChange)
                continue;
            bool same = x.count == y.count && x.extra == y.extra;
            const Fraction* a = x.terms.data();
            const Fraction* b = y.terms.data();
            for (int k = 0; same && k < kTermsPerRow; ++k)
                same = a[k].numerator == b[k].numerator && a[k].denominator == b[k].denominator &&
                       a[k].kind == b[k].kind;
            if (!same)
                fail("row " + std::to_string(i) + " changed");
        }
    }

    void expectOverflowRefusal(const StepOutcome& out, const EquationList& before) {
        ++overflowRefusals;
        ++refusedInARow;
        if (out.accepted || !out.overflow)
            fail("overflow not refused");
        if (ui.messages() != std::vector<std::string>{kOverflowMessage})
            fail("overflow message");
        compareOthers(before, {}, -1);
    }

    // One random system, worked until its steps leave the list.
    void run(int uc, int system) {
        Block block;
        setUp(uc, block);
        int current = 2;
        refusedInARow = 0;
        for (int attempt = 0; attempt < 200 && refusedInARow < 6; ++attempt) {
            int s = current + 1;
            where.str("");
            where << "system " << system << " step " << s << " attempt " << attempt;
            int r1 = static_cast<int>(rnd.between(0, uc - 1));
            int r2 = static_cast<int>(rnd.between(0, uc - 2));
            if (r2 >= r1)
                ++r2;
            int line1 = list.index(current, r1), line2 = list.index(current, r2);
            char op = "+-*/^CIS"[rnd.between(0, 7)];
            auto [panel, c] = rnd.panelText();

            StepSelection sel;
            sel.step = s;
            sel.row1Text = std::to_string(r1 + 1);
            sel.row2Text = std::to_string(r2 + 1);
            sel.lastRowLine = line1;
            sel.secondIsRow = op == '+' || op == '-' || op == '^';
            sel.numberText = sel.secondIsRow ? "" : panel;

            ui.clear();
            EquationList before = list;
            if (!stepInList(list, s)) {
                sel.secondIsRow = true;
                StepOutcome out = executeStep(list, sel, line1, '+', line2);
                if (out.accepted ||
                    ui.messages() != std::vector<std::string>{kStepOutOfRangeMessage})
                    fail("step past the list");
                compareOthers(before, {}, -1);
                return;
            }

            Block next = block;
            std::string narrative;
            StepOutcome out;
            std::vector<int> blockLines;
            for (int r = 0; r < uc; ++r)
                blockLines.push_back(list.index(s, r));

            if (op == 'C') {
                // Compound: row r1 ± row r2 × c (or ÷ c), in two calls.
                char second = rnd.chance(50) ? '*' : '/';
                char first = rnd.chance(50) ? '+' : '-';
                std::vector<Q> scaled = block[r2];
                for (Q& q : scaled)
                    q = second == '*' ? Q(q * c) : Q(q / c);
                sel.compound = true;
                sel.compoundRun = true;
                sel.secondOp = second;
                sel.lastRowLine = line2;
                out = executeStep(list, sel, 28, second, 0);
                if (!allFit(scaled)) {
                    expectOverflowRefusal(out, before);
                    continue;
                }
                if (!out.accepted || !ui.log.empty()) {
                    fail("first stage refused");
                    continue;
                }
                compareOthers(before, {0}, -1);
                for (int k = 0; k <= uc; ++k)
                    if (!sameAs(list.rows[0].terms[k < uc ? k : k + 1], scaled[k]))
                        fail("scratch row term " + std::to_string(k));
                sel.compoundRun = false;
                sel.secondIsRow = true;
                before = list;
                for (int k = 0; k <= uc; ++k)
                    next[r1][k] =
                        first == '+' ? Q(block[r1][k] + scaled[k]) : Q(block[r1][k] - scaled[k]);
                out = executeStep(list, sel, line1, first, 0);
                std::string a = "第" + sel.row1Text + "行", b = "第" + sel.row2Text + "行";
                narrative =
                    a + (first == '+' ? "に" : "から") + b +
                    (second == '*'
                         ? "の" + panel + (first == '+' ? "倍をたすと" : "倍をひくと")
                         : "を" + panel +
                               (first == '+' ? "でわったものをたすと" : "でわったものをひくと"));
            } else {
                std::string a = "第" + sel.row1Text + "行";
                std::string b = "第" + sel.row2Text + "行";
                switch (op) {
                    case '+':
                    case '-':
                        for (int k = 0; k <= uc; ++k)
                            next[r1][k] = op == '+' ? Q(block[r1][k] + block[r2][k])
                                                    : Q(block[r1][k] - block[r2][k]);
                        narrative =
                            op == '+' ? a + "に" + b + "をたすと" : a + "から" + b + "をひくと";
                        break;
                    case '*':
                    case '/':
                        for (int k = 0; k <= uc; ++k)
                            next[r1][k] = op == '*' ? Q(block[r1][k] * c) : Q(block[r1][k] / c);
                        narrative = a + "を" + panel + (op == '*' ? "倍すると" : "で割ると");
                        break;
                    case '^':
                        std::swap(next[r1], next[r2]);
                        narrative = a + "と" + b + "を入れ替えると";
                        break;
                    case 'I':
                        narrative = rowLabel(line1) + "を移項すると";
                        break;
                    case 'S':
                        narrative = rowLabel(line1) + "を整理すると";
                        break;
                }
                out = executeStep(list, sel, line1, op, line2);
            }

            if ((op == 'I' || op == 'S') && line1 > kLabelCount) {
                if (out.accepted || ui.messages() != std::vector<std::string>{kNoLabelMessage})
                    fail("row without a label");
                compareOthers(before, {}, -1);
                continue;
            }
            if (!allFit(next[r1])) {
                expectOverflowRefusal(out, before);
                continue;
            }
            std::vector<std::string> messages;
            if (op == 'I')
                messages.push_back(kNothingToTransposeMessage);
            if (!out.accepted || ui.messages() != messages) {
                fail(std::string("refused ") + op);
                continue;
            }
            if (out.narrative != narrative || list.rows[s].text != narrative)
                fail("narrative " + out.narrative + " against " + narrative);
            compareBlock(s, next);
            compareOthers(before, blockLines, s);
            block = next;
            current = s;
            refusedInARow = 0;
            ++accepted;
        }
    }
};

TEST_F(ArithOracleTest, RandomRowOperationSequencesAgreeWithExactArithmetic) {
    Random rnd(1998);
    EquationList list;
    Sequence seq(list, ui, rnd);
    for (int system = 0; system < 500; ++system)
        seq.run(static_cast<int>(rnd.between(2, 4)), system);
    EXPECT_EQ(seq.mismatches, 0);
    std::cout << "accepted " << seq.accepted << ", overflow refusals " << seq.overflowRefusals
              << "\n";
    EXPECT_GT(seq.accepted, 5000);
    EXPECT_GT(seq.overflowRefusals, 1000);
}

}  // namespace
