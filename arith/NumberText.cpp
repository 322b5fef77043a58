#include "arith/NumberText.h"

#include <cstdint>
#include <numeric>
#include <string>

#include "arith/Equation.h"
#include "platform/Text.h"

namespace {

constexpr const char* kBunNo = "分の";  // 4 bytes in CP932, 6 in UTF-8

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// CP932 length, without the conversion for plain ASCII text.
std::size_t byteLength(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return cp932Length(text);
    return text.size();
}

// A run of decimal digits starting at `start`, at most 6 taken.
struct DigitRun {
    std::string digits;  // the digits taken, or "0" when none could be used
    int64_t value = 0;
    std::size_t next = 0;  // index of the first byte not taken
    bool failed = false;   // six digits: parseError 999 was set
};

DigitRun readDigits(const std::string& text, std::size_t start, Messages& said) {
    DigitRun run;
    std::size_t i = start;
    while (i < text.size() && isDigit(text[i]) && run.digits.size() < 6)
        run.digits += text[i++];
    run.next = i;
    if (run.digits.size() == 6) {
        said.push_back(run.digits + kTooManyDigitsMessage);
        numberState.parseError = kErrTooManyDigits;
        run.failed = true;
        run.digits.assign(1, '0');  // read as the number 0
        return run;
    }
    if (run.digits.empty()) {
        said.push_back(kBadNumberMessage);
        run.digits.assign(1, '0');  // read as the number 0
        return run;
    }
    for (char c : run.digits)
        run.value = run.value * 10 + (c - '0');
    return run;
}

int64_t digitsValue(const std::string& digits) {
    int64_t v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

int64_t powerOfTen(std::size_t n) {
    int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Puts a term into the slot of a canonical row that its kind names: an
// unknown's letter, the equals sign or the constant ('/'). Everything else,
// and a letter beyond the question's unknowns, has no slot and is dropped.
void storeTerm(EquationRow& row, int unknownCount, const Fraction& term) {
    int slot = unknownIndex(term.kind);
    if (slot >= 0) {
        if (slot < unknownCount)
            row.terms[slot] = term;
    } else if (term.kind == '=') {
        row.terms[unknownCount] = term;
    } else if (term.kind == '/') {
        row.terms[unknownCount + 1] = term;
    }
}

// Checks a panel text against the panel grammar with `separator` as the
// fraction mark ("分の" or "/").
bool panelTextValid(const std::string& text, const std::string& separator) {
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-')
        i = 1;
    int points = 0;
    int separators = 0;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            ++i;
        } else if (text[i] == '.') {
            ++points;
            ++i;
        } else if (text.compare(i, separator.size(), separator) == 0) {
            ++separators;
            i += separator.size();
        } else {
            return false;
        }
    }
    return points <= 1 && separators <= 1 && !(points == 1 && separators == 1);
}

// The conversion shared by the two panel readers. `separator` is "分の"
// (denominator first) or "/" (numerator first); the rest of the text has
// passed the grammar check, so every piece is plain ASCII digits.
PanelNumber parsePanel(const std::string& typed, const std::string& separator,
                       bool denominatorFirst, const char* invalidMessage) {
    // A refusal carries its message and gives 0/0.
    auto refuse = [](const std::string& message) {
        return PanelNumber{Fraction{0, 0, '/'}, true, message};
    };
    // Read in ASCII; a message names the text as the student typed it.
    const std::string text = asciiNumberText(typed);
    if (text.empty())
        return PanelNumber{Zero, false, {}};
    if (!panelTextValid(text, separator))
        return refuse(typed + invalidMessage);
    int64_t sign = 1;
    std::string rest = text;
    if (rest[0] == '-') {
        sign = -1;
        rest.erase(0, 1);
    }
    std::size_t point = rest.find('.');
    if (point != std::string::npos) {
        std::string whole = rest.substr(0, point);
        std::string part = rest.substr(point + 1, 20);
        if (whole.size() + part.size() >= 7)
            return refuse(typed + kPanelDecimalTooLongMessage);
        int64_t denominator = powerOfTen(part.size());
        int64_t numerator = (digitsValue(whole) * denominator + digitsValue(part)) * sign;
        return PanelNumber{
            reduceFraction(static_cast<int32_t>(denominator), static_cast<int32_t>(numerator), '/'),
            false,
            {}};
    }
    std::size_t mark = rest.find(separator);
    if (mark != std::string::npos) {
        std::string before = rest.substr(0, mark);
        std::string after = rest.substr(mark + separator.size(), 10);
        if (before.empty() || after.empty())
            return refuse(typed + kPanelBadFractionMessage);
        if (before.size() > 4 || after.size() > 4)
            return refuse(typed + kPanelTooManyDigitsMessage);
        const std::string& denominatorText = denominatorFirst ? before : after;
        const std::string& numeratorText = denominatorFirst ? after : before;
        int64_t denominator = digitsValue(denominatorText);
        if (denominator == 0) {
            // The keypad shows the text above its message; a matrix cell's
            // message is read away from the grid, so it names the text.
            return refuse(denominatorFirst ? std::string(kPanelZeroDenominatorMessage)
                                           : typed + " ←" + kPanelZeroDenominatorMessage);
        }
        return PanelNumber{Fraction{static_cast<int32_t>(denominator),
                                    static_cast<int32_t>(digitsValue(numeratorText) * sign), '/'},
                           false,
                           {}};
    }
    if (rest.empty())
        return PanelNumber{Fraction{0, 0, '/'}, false, {}};  // "-" alone: zero, not refused
    if (rest.size() >= 5)
        return refuse(typed + kPanelTooManyDigitsMessage);
    return PanelNumber{Fraction{1, static_cast<int32_t>(digitsValue(rest) * sign), '/'}, false, {}};
}

}  // namespace

Fraction parseNumber(const std::string& text, std::size_t& pos, Messages& said) {
    DigitRun whole = readDigits(text, pos, said);
    // The position ends on the last byte taken; with nothing taken it stays.
    auto settle = [&pos](std::size_t next, std::size_t start) {
        if (next > start)
            pos = next - 1;
    };
    settle(whole.next, pos);
    if (whole.failed)
        return Zero;

    int64_t numerator = whole.value;
    int64_t denominator = 1;
    char kind = '/';
    std::size_t after = whole.next;
    if (after < text.size() && text[after] == '.') {
        pos = after;
        DigitRun part = readDigits(text, after + 1, said);
        settle(part.next, after + 1);
        if (part.failed)
            return Zero;
        std::string digits = std::to_string(whole.value) + part.digits;
        if (digits.size() >= 6) {
            said.push_back(kDecimalTooLongMessage);
            numberState.parseError = kErrDecimalTooLong;
            return Zero;
        }
        denominator = powerOfTen(part.digits.size());
        numerator = digitsValue(part.digits) + whole.value * denominator;
    } else if (after < text.size() && (text[after] == '/' || text[after] == '|')) {
        kind = text[after];
        pos = after;
        DigitRun below = readDigits(text, after + 1, said);
        settle(below.next, after + 1);
        if (below.failed)
            return Zero;
        denominator = below.value;
    }
    if (denominator == 0) {
        numberState.parseError = kErrZeroDenominator;
        return Zero;
    }
    return reduceFraction(static_cast<int32_t>(denominator), static_cast<int32_t>(numerator), kind);
}

bool parseEquationLine(const std::string& text, EquationRow& row, int unknownCount,
                       Messages& said) {
    if (byteLength(text) > kMaxEquationBytes) {
        numberState.parseError = kErrTooLong;
        return false;
    }
    // A canonical row needs unknownCount + 2 slots in its 20 terms.
    if (unknownCount < 1 || unknownCount + 2 > kTermsPerRow) {
        numberState.parseError = kErrTooFewTerms;
        return false;
    }
    numberState.hasDecimalPoint = text.find('.') != std::string::npos;
    numberState.parseError = 0;

    row.terms = {};
    row.count = 0;
    for (int i = 0; i < unknownCount; ++i)
        row.terms[row.count++] = Fraction{1, 0, i < 4 ? kUnknownLetters[i] : '?'};
    row.terms[row.count++] = Fraction{1, 0, '='};
    row.terms[row.count++] = Fraction{1, 0, '/'};

    Fraction current = One;
    int sign = 1;
    char previous = '=';  // brackets and "=" also count as "="
    bool pending = false;
    auto storePending = [&] {
        if (pending)
            storeTerm(row, unknownCount, current);
        pending = false;
    };

    for (std::size_t i = 0; i < text.size() && numberState.parseError == 0; ++i) {
        char c = text[i];
        if (isDigit(c)) {
            Fraction number = parseNumber(text, i, said);
            if (numberState.parseError != 0)
                return false;
            number.numerator *= sign;
            sign = 1;
            current = number;
            pending = true;
            previous = text[i];
        } else if (isAsciiLetter(c)) {
            if (previous == '+') {
                current = One;
            } else if (previous == '-') {
                current = Fraction{1, -1, '/'};
            }
            current.kind = c;
            storeTerm(row, unknownCount, current);
            pending = false;
            previous = c;
        } else if (c == '(' || c == '[' || c == '{' || c == '=') {
            if (previous == '-') {
                current = Fraction{1, -1, '/'};
                pending = true;
            }
            storePending();
            storeTerm(row, unknownCount, Fraction{1, 0, c});
            sign = 1;
            previous = '=';
        } else if (c == ')' || c == ']' || c == '}') {
            storePending();
            previous = '=';
        } else if (c == '*') {
            previous = '*';
        } else if (c == '+') {
            if (previous == '+' || previous == '-') {
                numberState.parseError = kErrPlusAfterSign;
                return false;
            }
            sign = 1;
            storePending();
            previous = '+';
        } else if (c == '-') {
            if (previous == '+' || previous == '-') {
                numberState.parseError = kErrMinusAfterSign;
                return false;
            }
            sign = -1;
            if (i != 0 && previous != '=')
                storePending();
            previous = '-';
        } else if (c == ' ') {
            // A space separates nothing and is not remembered.
        } else {
            std::size_t n = utf8CharLength(static_cast<unsigned char>(c));
            said.push_back(text.substr(i, n));
            numberState.parseError = kErrBadCharacter;
            return false;
        }
    }
    if (pending) {
        current.kind = '/';  // a number typed with "|" too
        storeTerm(row, unknownCount, current);
    }
    if (row.count <= 2) {
        numberState.parseError = kErrTooFewTerms;
        return false;
    }
    return true;
}

bool keypadTextValid(const std::string& text) {
    return panelTextValid(asciiNumberText(text), kBunNo);
}

bool slashTextValid(const std::string& text) {
    return panelTextValid(asciiNumberText(text), "/");
}

PanelNumber readKeypadNumber(const std::string& text) {
    return parsePanel(text, kBunNo, true, kKeypadTextInvalidMessage);
}

Fraction parseKeypadNumber(const std::string& text) {
    return readKeypadNumber(text).value;
}

PanelNumber readSlashNumber(const std::string& text) {
    return parsePanel(text, "/", false, kSlashTextInvalidMessage);
}

Fraction parseSlashNumber(const std::string& text) {
    return readSlashNumber(text).value;
}

std::string asciiNumberText(const std::string& text) {
    // The full-width forms are U+FF0D (－), U+FF0E (．), U+FF0F (／) and
    // U+FF10 … U+FF19 (０ … ９): EF BC 8D … EF BC 99 in UTF-8, each the ASCII
    // character 0x2D … 0x39 plus 0xFEE0. The minus sign U+2212 is E2 88 92.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) {
            return k < text.size() ? static_cast<unsigned char>(text[k]) : 0;
        };
        if (byte(i) == 0xEF && byte(i + 1) == 0xBC && byte(i + 2) >= 0x8D && byte(i + 2) <= 0x99) {
            out += static_cast<char>(byte(i + 2) - 0x8D + '-');
            i += 2;
        } else if (byte(i) == 0xE2 && byte(i + 1) == 0x88 && byte(i + 2) == 0x92) {
            out += '-';
            i += 2;
        } else {
            out += text[i];
        }
    }
    // Spaces around the number: ASCII spaces and tabs, and U+3000 (E3 80 80).
    auto spaceAt = [&out](std::size_t k, std::size_t& length) {
        if (out[k] == ' ' || out[k] == '\t') {
            length = 1;
            return true;
        }
        length = 3;
        return k + 3 <= out.size() && out.compare(k, 3, "\xE3\x80\x80") == 0;
    };
    std::size_t begin = 0;
    std::size_t length = 0;
    while (begin < out.size() && spaceAt(begin, length))
        begin += length;
    std::size_t end = out.size();
    while (end > begin) {
        if (out[end - 1] == ' ' || out[end - 1] == '\t')
            --end;
        else if (end - begin >= 3 && out.compare(end - 3, 3, "\xE3\x80\x80") == 0)
            end -= 3;
        else
            break;
    }
    return out.substr(begin, end - begin);
}

WrittenNumber writtenNumber(const Fraction& f, bool reduce) {
    WrittenNumber w;
    int64_t num = f.numerator;
    int64_t den = f.denominator;
    if (num == 0)
        return w;   // "0", also for the 0/0 of a refused entry
    if (den < 0) {  // the sign is always written in front
        num = -num;
        den = -den;
    }
    w.negative = num < 0;
    if (num < 0)
        num = -num;
    if (reduce) {
        const int64_t g = std::gcd(num, den);
        num /= g;
        den /= g;
    }
    w.numerator = std::to_string(num);
    if (den != 1)
        w.denominator = std::to_string(den);
    return w;
}

std::string formatFraction(const Fraction& f) {
    const WrittenNumber w = writtenNumber(f);
    std::string text = (w.negative ? "-" : "") + w.numerator;
    if (!w.whole())
        text += "/" + w.denominator;
    return text;
}

std::string formatDecimal(const Fraction& f) {
    if (f.numerator == 0 || f.denominator == 1 || f.denominator == -1 || f.denominator == 0)
        return "";
    int64_t v = f.numerator < 0 ? -int64_t(f.numerator) : int64_t(f.numerator);
    int64_t d = f.denominator < 0 ? -int64_t(f.denominator) : int64_t(f.denominator);
    int64_t whole = v / d;
    int64_t r = v % d;
    std::string digits;
    while (r > 0 && r < 32768 && digits.size() < 4) {
        digits += static_cast<char>('0' + r * 10 / d);
        r = r * 10 % d;
    }
    if (r != 0)
        return "";
    std::string out = std::to_string(whole);
    if (!digits.empty())
        out += "." + digits;
    return out;
}
