#include "arith/TermLayout.h"

#include <cstdint>
#include <string>

#include "arith/NumberText.h"

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isOpening(char c) {
    return c == '(' || c == '[' || c == '{';
}
bool isClosing(char c) {
    return c == ')' || c == ']' || c == '}';
}

int evenWidth(std::size_t length) {
    int w = static_cast<int>(length);
    return w % 2 == 1 ? w + 1 : w;
}

// What the line shows just before the next piece, for the "+" rule.
enum class Last { Nothing, Equals, Opening, Sign, Value };

class LineBuilder {
  public:
    explicit LineBuilder(EquationLayout& out) : out_(out) {}

    void add(TermPiece piece, Last what) {
        piece.column = column_;
        column_ += piece.width + 1;
        out_.columns = piece.column + piece.width;
        out_.pieces.push_back(std::move(piece));
        last_ = what;
    }
    void text(const std::string& t, int term, Last what, bool sign = false) {
        TermPiece p;
        p.kind = PieceKind::Text;
        p.text = t;
        p.width = static_cast<int>(t.size());
        p.yOffset = kTextTop;
        p.sign = sign;
        p.unary = sign && last_ != Last::Value;
        p.term = term;
        add(std::move(p), what);
    }
    // The absolute value of `f`, as a decimal when asked and possible, else
    // stacked (a whole number as one centred text). `suffix` is appended to a
    // decimal text (the letter of a coefficient).
    // Returns whether the value was written as a decimal.
    bool value(const Fraction& f, int term, bool decimal, const std::string& suffix) {
        if (decimal) {
            std::string d = formatDecimal(f);
            if (!d.empty()) {
                text(d + suffix, term, Last::Value);
                return true;
            }
        }
        int64_t n = f.numerator < 0 ? -int64_t(f.numerator) : int64_t(f.numerator);
        int64_t d = f.denominator < 0 ? -int64_t(f.denominator) : int64_t(f.denominator);
        TermPiece p;
        p.term = term;
        std::string top = std::to_string(n);
        std::string bottom = std::to_string(d);
        p.width = evenWidth(top.size() > bottom.size() ? top.size() : bottom.size());
        if (d == 1) {
            p.kind = PieceKind::Text;
            p.text = top;
            p.centred = true;
            p.yOffset = kTextTop;
        } else {
            p.kind = PieceKind::Stacked;
            p.numerator = top;
            p.denominator = bottom;
            p.yOffset = kStackedNumeratorTop;
        }
        add(std::move(p), Last::Value);
        return false;
    }
    void letter(char c, int term) {
        TermPiece p;
        p.kind = PieceKind::Letter;
        p.text = std::string(1, c);
        p.width = 1;
        p.yOffset = kLetterTop;
        p.term = term;
        add(std::move(p), Last::Value);
    }
    Last last() const { return last_; }
    int column() const { return column_; }

  private:
    EquationLayout& out_;
    int column_ = 0;
    Last last_ = Last::Nothing;
};

// The width of a character's ink in the line's fonts: a digit, a sign, "="
// or a letter about one 9-pixel column, a point or a bracket narrower.
int charInk(char c) {
    switch (c) {
        case '.':
            return 5;
        case '(':
        case ')':
        case '[':
        case ']':
        case '{':
        case '}':
            return 6;
        default:
            return kColumnPixels;
    }
}

// The width of a piece's ink; a stacked fraction is as wide as its bar.
int inkWidth(const TermPiece& p) {
    if (p.kind == PieceKind::Stacked)
        return p.width * kColumnPixels;
    if (p.kind == PieceKind::Letter || p.sign)
        return kColumnPixels;
    int width = 0;
    for (char c : p.text)
        width += charInk(c);
    return width;
}

// The room before a piece: none inside a term (a sign of its own and its
// number, a coefficient and its letter, kLetterGap before the letter), one
// space between terms, around a sign between two terms and around "=".
int gapBefore(const TermPiece& previous, const TermPiece& p) {
    auto betweenTerms = [](const TermPiece& piece) { return piece.sign && !piece.unary; };
    if (p.term == previous.term && !betweenTerms(p) && !betweenTerms(previous))
        return p.kind == PieceKind::Letter && !previous.sign ? kLetterGap : 0;
    return kTermGap;
}

// Works out where each piece is drawn (the Typesetting of TermLayout.h).
void typeset(EquationLayout& out) {
    int x = 0;
    for (std::size_t k = 0; k < out.pieces.size(); ++k) {
        TermPiece& p = out.pieces[k];
        if (k > 0)
            x += gapBefore(out.pieces[k - 1], p);
        p.x = x;
        p.boxWidth = inkWidth(p);
        const bool plainText = p.kind == PieceKind::Text && !p.centred && !p.sign;
        p.align = plainText ? TermAlign::Left : TermAlign::Centre;
        p.baseline = p.kind == PieceKind::Stacked ? kStackedNumeratorBaseline : kTermBaseline;
        x += p.boxWidth;
    }
    out.pixelWidth = x;
}

bool negative(const Fraction& f) {
    return (f.numerator < 0) != (f.denominator < 0) && f.numerator != 0;
}

bool isOne(const Fraction& f) {
    int64_t n = f.numerator < 0 ? -int64_t(f.numerator) : int64_t(f.numerator);
    int64_t d = f.denominator < 0 ? -int64_t(f.denominator) : int64_t(f.denominator);
    return n != 0 && n == d;
}

}  // namespace

EquationLayout layoutEquation(const EquationRow& row, bool hasDecimalPoint) {
    EquationLayout out;
    LineBuilder line(out);
    int count = row.count < 0 ? 0 : (row.count > kTermsPerRow ? kTermsPerRow : row.count);
    for (int i = 0; i < count; ++i) {
        const Fraction& t = row.terms[i];
        bool afterTimes = i > 0 && row.terms[i - 1].kind == '*';
        auto writeSign = [&] {
            if (negative(t))
                line.text("-", i, Last::Sign, true);
            else if (line.last() == Last::Value && !afterTimes)
                line.text("+", i, Last::Sign, true);
        };
        if (t.kind == '/' || t.kind == '|') {
            writeSign();
            bool beforeBracket = i + 1 < count && isOpening(row.terms[i + 1].kind);
            if (!(beforeBracket && isOne(t)))
                line.value(t, i, hasDecimalPoint, "");
        } else if (t.kind == '=') {
            line.text("=", i, Last::Equals);
        } else if (isOpening(t.kind)) {
            line.text(std::string(1, t.kind), i, Last::Opening);
        } else if (isClosing(t.kind)) {
            line.text(std::string(1, t.kind), i, Last::Value);
        } else if (isLetter(t.kind) && t.numerator != 0) {
            writeSign();
            if (isOne(t)) {
                line.letter(t.kind, i);
            } else if (!line.value(t, i, hasDecimalPoint, std::string(1, t.kind))) {
                line.letter(t.kind, i);
            }
        }
    }
    out.narrow = out.columns < kLineColumnLimit;
    typeset(out);
    return out;
}

EquationLayout layoutNumber(const Fraction& value) {
    EquationLayout out;
    LineBuilder line(out);
    if (negative(value))
        line.text("-", 0, Last::Sign, true);
    line.value(value, 0, false, "");
    out.narrow = out.columns < kLineColumnLimit;
    typeset(out);
    return out;
}

bool rowHoldsFraction(const EquationRow& row) {
    int count = row.count < 0 ? 0 : (row.count > kTermsPerRow ? kTermsPerRow : row.count);
    for (int i = 0; i < count; ++i) {
        const Fraction& t = row.terms[i];
        if (t.kind != '=' && t.denominator != 1)
            return true;
    }
    return false;
}

int defaultFirstLineTop(int unknownCount) {
    return unknownCount == 2 ? 25 : 20;
}

StepLayout layoutStep(const EquationList& list, int step, int pictureRight, bool hasDecimalPoint,
                      int firstLineTop) {
    StepLayout out;
    int uc = list.unknownCount;
    int first = list.index(step, 0);
    if (uc < 1 || step < 1 || first < 1 || first + uc - 1 >= kListRows)
        return out;
    out.inList = true;
    if (step < kListRows)
        out.narrative = list.rows[step].text;
    int top = firstLineTop < 0 ? defaultFirstLineTop(uc) : firstLineTop;
    int startColumn = (pictureRight + 5) / 16 + 2;
    int withFraction = 0;
    for (int i = 0; i < uc; ++i) {
        StepLine l;
        l.line = first + i;
        l.y = top + kLineSpacing * i;
        l.startColumn = startColumn;
        l.holdsFraction = rowHoldsFraction(list.rows[l.line]);
        l.layout = layoutEquation(list.rows[l.line], hasDecimalPoint);
        if (l.holdsFraction)
            ++withFraction;
        out.lines.push_back(std::move(l));
    }
    out.secondFont = uc == 4 && withFraction > 1;
    return out;
}
