// The number texts of the number panels, in both forms: the keypad's
// ("-", digits, "." or denominator "分の" numerator) and the matrix cells'
// (numerator "/" denominator). The bytes are read three ways: as a keypad
// text, as a cell text, and as presses of the keypad window's buttons.
//
// Checked against an exact reading of the text in rationals:
// - a value accepted is exactly the value the text writes;
// - a text refused shows a message and gives no number (denominator 0), and
//   is refused only for a reason the panel states (outside the grammar, too
//   many digits, an empty part of a fraction, a zero denominator);
// - an accepted value written back in either form reads as the same value.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "arith/Keypad.h"
#include "arith/NumberText.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// A panel text read as the windows read it: a refused text's message is
// shown through the port.
Fraction panelValue(const std::string& text, bool slash) {
    const PanelNumber n = slash ? readSlashNumber(text) : readKeypadNumber(text);
    if (n.refused)
        ui().showMessage(n.message);
    return n.value;
}

// What the keypad window shows of a button's outcome.
void shown(const Outcome& out) {
    showMessages(out.messages);
}

bool digitsOnly(const std::string& s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

Q digitsValue(const std::string& s) {
    return s.empty() ? Q(0) : Q(mpz_class(s, 10));
}

// What the text writes, when it keeps to the grammar; whether the panel has
// a stated reason to refuse it is in `refusable`.
struct Reading {
    bool grammatical = false;
    std::optional<Q> value;  // none: "-" alone, or a fraction with a zero denominator
    bool refusable = false;
};

Reading readExactly(const std::string& text, const std::string& mark, bool denominatorFirst) {
    Reading r;
    std::string rest = text;
    bool negative = false;
    if (!rest.empty() && rest[0] == '-') {
        negative = true;
        rest.erase(0, 1);
    }
    const std::size_t point = rest.find('.');
    const std::size_t at = rest.find(mark);
    if (point != std::string::npos) {
        const std::string whole = rest.substr(0, point);
        const std::string part = rest.substr(point + 1);
        if (at != std::string::npos || !digitsOnly(whole) || !digitsOnly(part))
            return r;
        r.grammatical = true;
        Q v = digitsValue(whole);
        Q scale = 1;
        for (std::size_t i = 0; i < part.size(); ++i)
            scale *= 10;
        v += digitsValue(part) / scale;
        r.value = negative ? Q(-v) : v;
        r.refusable = whole.size() + part.size() >= 7;
        return r;
    }
    if (at != std::string::npos) {
        const std::string before = rest.substr(0, at);
        const std::string after = rest.substr(at + mark.size());
        if (!digitsOnly(before) || !digitsOnly(after))
            return r;
        r.grammatical = true;
        const std::string& den = denominatorFirst ? before : after;
        const std::string& num = denominatorFirst ? after : before;
        r.refusable = before.empty() || after.empty() || before.size() > 4 || after.size() > 4 ||
                      digitsValue(den) == 0;
        if (digitsValue(den) != 0) {
            Q v = digitsValue(num) / digitsValue(den);
            r.value = negative ? Q(-v) : v;
        }
        return r;
    }
    if (!digitsOnly(rest))
        return r;
    r.grammatical = true;
    if (rest.empty())
        return r;  // "-" alone, or nothing at all
    r.value = negative ? Q(-digitsValue(rest)) : digitsValue(rest);
    r.refusable = rest.size() >= 5;
    return r;
}

// The text a student types for a value on the keypad: "-", the denominator,
// "分の", the numerator; nullopt when a part has more than 4 digits.
std::optional<std::string> keypadText(const Q& v) {
    const std::string num = mpz_class(abs(v.get_num())).get_str();
    const std::string den = v.get_den().get_str();
    if (num.size() > 4 || den.size() > 4)
        return std::nullopt;
    std::string t = v < 0 ? "-" : "";
    if (den != "1")
        t += den + "分の";
    return t + num;
}

// What an input method's text means: the full-width digits, minus, slash and
// point and the minus sign as their ASCII forms, without the spaces (ASCII,
// tab, ideographic) around the number.
std::string typedAsAscii(const std::string& text) {
    static const std::pair<std::string, char> wide[] = {
        {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
        {"７", '7'}, {"８", '8'}, {"９", '9'}, {"－", '-'}, {"／", '/'}, {"．", '.'}, {"−", '-'}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [form, ascii] : wide)
            if (text.compare(i, form.size(), form) == 0) {
                out += ascii;
                i += form.size();
                matched = true;
                break;
            }
        if (!matched)
            out += text[i++];
    }
    const std::string ideographic = "　";
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!out.empty()) {
        if (isSpace(out.front()))
            out.erase(0, 1);
        else if (out.compare(0, ideographic.size(), ideographic) == 0)
            out.erase(0, ideographic.size());
        else
            break;
    }
    while (!out.empty()) {
        if (isSpace(out.back()))
            out.pop_back();
        else if (out.size() >= ideographic.size() &&
                 out.compare(out.size() - ideographic.size(), ideographic.size(), ideographic) == 0)
            out.erase(out.size() - ideographic.size());
        else
            break;
    }
    return out;
}

void checkReader(const std::string& typed, bool slash, FuzzUi& ui) {
    const std::string mark = slash ? "/" : "分の";
    const std::string text = typedAsAscii(typed);
    const Reading exact = readExactly(text, mark, !slash);
    ui.messages = 0;
    const Fraction f = panelValue(typed, slash);
    const std::string what = (slash ? "cell text \"" : "keypad text \"") + typed + "\"";
    FUZZ_CHECK((slash ? slashTextValid(typed) : keypadTextValid(typed)) == exact.grammatical,
               what + ": grammar");
    if (text.empty()) {
        FUZZ_CHECK(f.denominator != 0 && f.numerator == 0 && ui.messages == 0, what + ": empty");
        return;
    }
    if (f.denominator != 0) {
        FUZZ_CHECK(ui.messages == 0, what + ": a value came with a message");
        FUZZ_CHECK(exact.value.has_value(), what + ": a value from a text that writes none");
        FUZZ_CHECK(exactValue(f) == *exact.value,
                   what + ": read as " + show(exactValue(f)) + ", writes " + show(*exact.value));
        return;
    }
    // Refused.
    if (!exact.grammatical || exact.refusable)
        FUZZ_CHECK(ui.messages == 1, what + ": refused without its one message");
    else
        FUZZ_CHECK(!exact.value.has_value() && ui.messages == 0,
                   what + ": refused without a reason");
}

void checkWrittenBack(const Q& v, FuzzUi& ui) {
    ui.messages = 0;
    if (auto typed = keypadText(v)) {
        const Fraction f = panelValue(*typed, false);
        FUZZ_CHECK(f.denominator != 0 && exactValue(f) == v && ui.messages == 0,
                   "the keypad text \"" + *typed + "\" does not read as " + show(v));
        const std::string cell = formatFraction(f);
        const Fraction g = panelValue(cell, true);
        FUZZ_CHECK(g.denominator != 0 && exactValue(g) == v && ui.messages == 0,
                   "the cell text \"" + cell + "\" does not read as " + show(v));
    }
}

// The keypad window's buttons, one byte each.
void pressButtons(const std::string& bytes, FuzzUi& ui) {
    KeypadPanel panel;
    for (unsigned char b : bytes) {
        switch (b % 16) {
            case 10:
                panel.typeDecimal();
                break;
            case 11:
                shown(panel.typeMinus());
                break;
            case 12:
                panel.typeBunsu();
                break;
            case 13:
                panel.clear();
                break;
            case 14: {
                ui.messages = 0;
                const std::string text = panel.text;
                const Reading exact = readExactly(text, "分の", true);
                Messages said;
                const int result = panel.ok(said);
                showMessages(said);
                if (text.empty()) {
                    FUZZ_CHECK(result == kKeypadCancelled, "OK on an empty panel");
                } else if (result == kKeypadStaysOpen) {
                    FUZZ_CHECK((!exact.grammatical || exact.refusable) && ui.messages == 1,
                               "the keypad stayed open on \"" + text + "\"");
                } else {
                    FUZZ_CHECK(result == kKeypadEntered, "OK gave " + std::to_string(result));
                    FUZZ_CHECK(exact.grammatical && !exact.refusable && ui.messages == 0,
                               "the keypad handed over \"" + text + "\"");
                    if (keypadValue.denominator != 0)
                        FUZZ_CHECK(exact.value && exactValue(keypadValue) == *exact.value,
                                   "the keypad handed over a wrong value for \"" + text + "\"");
                    else
                        FUZZ_CHECK(!exact.value, "the keypad handed over 0/0 for \"" + text + "\"");
                }
                panel.clear();
                break;
            }
            case 15:
                shown(panel.fairCopy());
                break;
            default:
                panel.typeDigit(b % 10);
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzUi ui;
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkReader(text, false, ui);
    checkReader(text, true, ui);
    for (bool slash : {false, true}) {
        ui.messages = 0;
        const Fraction f = panelValue(text, slash);
        if (f.denominator != 0 && ui.messages == 0)
            checkWrittenBack(exactValue(f), ui);
    }
    pressButtons(text, ui);
    return 0;
}
