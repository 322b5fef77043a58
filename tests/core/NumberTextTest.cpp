#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/NumberText.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedUi.h"

namespace {

struct NumberTextTest : ::testing::Test {
    ScriptedUi ui;
    void SetUp() override { numberState = {}; }

    // Parses a line for `unknowns` unknowns and returns the row's values as
    // "n/d kind" texts, so that a whole row compares in one expectation.
    std::vector<std::string> row(const std::string& line, int unknowns = 2) {
        EquationRow r;
        ok = parseEquationLine(line, r, unknowns);
        std::vector<std::string> out;
        for (int i = 0; i < r.count; ++i) {
            const Fraction& t = r.terms[i];
            out.push_back(std::to_string(t.numerator) + "/" + std::to_string(t.denominator) + " " +
                          t.kind);
        }
        return out;
    }
    bool ok = false;

    // The readers as their callers use them: what a reader has to say about a
    // text is shown through the port, in order.
    Fraction parseNumber(const std::string& text, std::size_t& pos) {
        Messages said;
        const Fraction f = ::parseNumber(text, pos, said);
        showMessages(said);
        return f;
    }
    bool parseEquationLine(const std::string& text, EquationRow& r, int unknowns) {
        Messages said;
        const bool read = ::parseEquationLine(text, r, unknowns, said);
        showMessages(said);
        return read;
    }
    PanelNumber readKeypadNumber(const std::string& text) {
        const PanelNumber n = ::readKeypadNumber(text);
        if (n.refused)
            ui.showMessage(n.message);
        return n;
    }
    Fraction parseKeypadNumber(const std::string& text) { return readKeypadNumber(text).value; }
    Fraction parseSlashNumber(const std::string& text) {
        const PanelNumber n = ::readSlashNumber(text);
        if (n.refused)
            ui.showMessage(n.message);
        return n.value;
    }
};

using Texts = std::vector<std::string>;

void expectFraction(const Fraction& f, int32_t n, int32_t d) {
    EXPECT_EQ(f.numerator, n);
    EXPECT_EQ(f.denominator, d);
    EXPECT_EQ(f.kind, '/');
}

// --- numbers inside equations ---------------------------------------------

TEST_F(NumberTextTest, NumberReadsDigitsFractionsAndDecimals) {
    std::size_t pos = 0;
    Fraction f = parseNumber("12345x", pos);
    expectFraction(f, 12345, 1);
    EXPECT_EQ(pos, 4u);  // on the last digit

    pos = 1;
    f = parseNumber("+6/4y", pos);
    expectFraction(f, 3, 2);
    EXPECT_EQ(pos, 3u);

    pos = 0;
    f = parseNumber("3|4", pos);
    EXPECT_EQ(f.kind, '|');
    EXPECT_EQ(f.numerator, 3);

    pos = 0;
    expectFraction(parseNumber("0.25", pos), 1, 4);
    EXPECT_EQ(pos, 3u);
    pos = 0;
    expectFraction(parseNumber("1.25", pos), 5, 4);
    pos = 0;
    expectFraction(parseNumber("00012", pos), 12, 1);  // leading zeros are digits like others
    pos = 0;
    expectFraction(parseNumber("00000.5", pos), 1, 2);  // the integer part counts as "0"
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(numberState.parseError, 0);
}

TEST_F(NumberTextTest, NumberLimitsAndTheirMessages) {
    std::size_t pos = 0;
    expectFraction(parseNumber("123456", pos), 0, 1);
    EXPECT_EQ(numberState.parseError, 999);
    EXPECT_EQ(ui.messages(), Texts{"123456：エラー！数字は５桁以下です"});

    ui.clear();
    numberState = {};
    pos = 0;
    parseNumber("3.14159", pos);
    EXPECT_EQ(numberState.parseError, 1111);
    EXPECT_EQ(ui.messages(), Texts{"整数部と小数部の合計桁数は５以内です"});

    ui.clear();
    numberState = {};
    pos = 0;
    parseNumber("12345.6", pos);  // five digits before the point are already too many
    EXPECT_EQ(numberState.parseError, 1111);

    ui.clear();
    numberState = {};
    pos = 0;
    parseNumber("5/0", pos);
    EXPECT_EQ(numberState.parseError, 998);
    EXPECT_TRUE(ui.log.empty());

    numberState = {};
    pos = 0;
    parseNumber("5/x", pos);  // nothing after the slash: a message, then a zero denominator
    EXPECT_EQ(numberState.parseError, 998);
    EXPECT_EQ(ui.messages(), Texts{"エラー！数字の表現が不正です"});
    EXPECT_EQ(pos, 1u);

    ui.clear();
    numberState = {};
    pos = 0;
    expectFraction(parseNumber("3.+", pos), 3, 1);  // no fraction digits: message, value kept
    EXPECT_EQ(numberState.parseError, 0);
    EXPECT_EQ(ui.messages(), Texts{"エラー！数字の表現が不正です"});
    EXPECT_EQ(pos, 1u);
}

// --- equation lines -------------------------------------------------------

TEST_F(NumberTextTest, LineBuildsCanonicalRows) {
    EXPECT_EQ(row("x+y=3"), (Texts{"1/1 x", "1/1 y", "0/1 =", "3/1 /"}));
    EXPECT_TRUE(ok);
    EXPECT_EQ(row("-x=2"), (Texts{"-1/1 x", "0/1 y", "0/1 =", "2/1 /"}));
    EXPECT_EQ(row("2x-y=-4"), (Texts{"2/1 x", "-1/1 y", "0/1 =", "-4/1 /"}));
    EXPECT_EQ(row("y-3/4x=1/2"), (Texts{"-3/4 x", "1/1 y", "0/1 =", "1/2 /"}));
    EXPECT_EQ(row("w-2z+3y-x=10", 4),
              (Texts{"-1/1 x", "3/1 y", "-2/1 z", "1/1 w", "0/1 =", "10/1 /"}));
    EXPECT_EQ(row("x*2=*3"), (Texts{"1/1 x", "0/1 y", "0/1 =", "3/1 /"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(NumberTextTest, LineKeepsOnlyTheQuestionsUnknowns) {
    // Letters past the question's unknowns have no slot: they never replace
    // the equals term or the constant.
    EXPECT_EQ(row("x+y=z"), (Texts{"1/1 x", "1/1 y", "0/1 =", "0/1 /"}));
    EXPECT_EQ(row("x+2y-a=5"), (Texts{"1/1 x", "2/1 y", "0/1 =", "5/1 /"}));
    // A preview with a provisional fifth unknown keeps an unnamed empty slot.
    EXPECT_EQ(row("x+y=1", 5),
              (Texts{"1/1 x", "1/1 y", "0/1 z", "0/1 w", "0/1 ?", "0/1 =", "1/1 /"}));
    row("x=1", 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(numberState.parseError, 112);
}

TEST_F(NumberTextTest, LineBarFractionsAndDecimals) {
    EXPECT_EQ(row("x+y=3|4"), (Texts{"1/1 x", "1/1 y", "0/1 =", "3/4 /"}));
    EXPECT_EQ(row("3|4x+y=1"), (Texts{"3/4 x", "1/1 y", "0/1 =", "1/1 /"}));
    EXPECT_EQ(row("x+3|4=1"), (Texts{"1/1 x", "0/1 y", "0/1 =", "1/1 /"}));
    EXPECT_FALSE(numberState.hasDecimalPoint);
    EXPECT_EQ(row("0.5x+y=1.25"), (Texts{"1/2 x", "1/1 y", "0/1 =", "5/4 /"}));
    EXPECT_TRUE(numberState.hasDecimalPoint);
    row("x+y=1");
    EXPECT_FALSE(numberState.hasDecimalPoint);
}

TEST_F(NumberTextTest, LineSignErrors) {
    row("x+-y=1");
    EXPECT_FALSE(ok);
    EXPECT_EQ(numberState.parseError, 178);
    row("x-+y=1");
    EXPECT_EQ(numberState.parseError, 179);
    row("x++y=1");
    EXPECT_EQ(numberState.parseError, 179);
    // A space is no character at all: the two signs still meet.
    row("x- -y=1");
    EXPECT_EQ(numberState.parseError, 178);
    // "*" is remembered, so a sign after it is not a second sign.
    EXPECT_EQ(row("x-*-y=1"), (Texts{"1/1 x", "-1/1 y", "0/1 =", "1/1 /"}));
    EXPECT_EQ(row("x - y = 3"), (Texts{"1/1 x", "-1/1 y", "0/1 =", "3/1 /"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(NumberTextTest, LineStopsAtAForeignCharacterAndShowsItWhole) {
    row("x+y=3?");
    EXPECT_FALSE(ok);
    EXPECT_EQ(numberState.parseError, 191);
    EXPECT_EQ(ui.messages(), Texts{"?"});
    ui.clear();
    row("x＋y=1");
    EXPECT_EQ(numberState.parseError, 191);
    EXPECT_EQ(ui.messages(), Texts{"＋"});
    ui.clear();
    row("x+123456y=1");
    EXPECT_EQ(numberState.parseError, 999);
    EXPECT_EQ(ui.messages(), Texts{"123456：エラー！数字は５桁以下です"});
}

TEST_F(NumberTextTest, LineLengthCountsCp932Bytes) {
    EquationRow r;
    r.count = 7;
    std::string fifty = "x+y=3" + std::string(45, ' ');
    EXPECT_TRUE(parseEquationLine(fifty, r, 2));
    EXPECT_FALSE(parseEquationLine(fifty + " ", r, 2));
    EXPECT_EQ(numberState.parseError, 111);
    EXPECT_TRUE(ui.log.empty());

    // 52 bytes of UTF-8 but 50 of CP932: within the limit, so the scanner
    // reaches the full-width letter and shows it.
    std::string wide = "x+y=3" + std::string(41, ' ') + "ｘｙ";
    ASSERT_GT(wide.size(), 50u);
    EXPECT_FALSE(parseEquationLine(wide, r, 2));
    EXPECT_EQ(numberState.parseError, 191);
    EXPECT_EQ(ui.messages(), Texts{"ｘ"});

    // Too long: the row is left as it was.
    numberState = {};
    r = EquationRow{};
    r.count = 3;
    EXPECT_FALSE(
        parseEquationLine("x+y=3" + std::string(20, ' ') + "ｘｘｘｘｘｘｘｘｘｘｘｘｘ", r, 2));
    EXPECT_EQ(numberState.parseError, 111);
    EXPECT_EQ(r.count, 3);
}

// --- number panels --------------------------------------------------------

TEST_F(NumberTextTest, KeypadFractionsIntegersAndDecimals) {
    expectFraction(parseKeypadNumber("-3分の2"), -2, 3);
    expectFraction(parseKeypadNumber("4分の2"), 2, 4);  // not reduced
    expectFraction(parseKeypadNumber(""), 0, 1);
    expectFraction(parseKeypadNumber("-"), 0, 0);
    expectFraction(parseKeypadNumber("9999"), 9999, 1);
    expectFraction(parseKeypadNumber("-12"), -12, 1);
    expectFraction(parseKeypadNumber("0.125"), 1, 8);
    expectFraction(parseKeypadNumber(".5"), 1, 2);
    expectFraction(parseKeypadNumber("-2."), -2, 1);
    expectFraction(parseKeypadNumber("999.999"), 999999, 1000);
    expectFraction(parseKeypadNumber("9999分の9999"), 9999, 9999);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(NumberTextTest, KeypadMessages) {
    expectFraction(parseKeypadNumber("0分の1"), 0, 0);
    expectFraction(parseKeypadNumber("分の3"), 0, 0);
    expectFraction(parseKeypadNumber("3分の"), 0, 0);
    expectFraction(parseKeypadNumber("12345"), 0, 0);
    expectFraction(parseKeypadNumber("12345分の1"), 0, 0);
    expectFraction(parseKeypadNumber("123.4567"), 0, 0);
    EXPECT_EQ(
        ui.messages(),
        (Texts{"分母が０です", "分の3 ←分数の表現があやまりです", "3分の ←分数の表現があやまりです",
               "12345 ←数値は４桁以下にしてください", "12345分の1 ←数値は４桁以下にしてください",
               "123.4567 ←小数の長さが長すぎます"}));
}

TEST_F(NumberTextTest, KeypadTextsOutsideTheGrammarAreRefusedBeforeConverting) {
    for (const char* text : {"1.2.3", "1.5分の2", "3分の1.5", "2分の3分の4", "3a", "--3", "3-",
                             "3 3", "３ａ", "1/2"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(keypadTextValid(text));
        ui.clear();
        expectFraction(parseKeypadNumber(text), 0, 0);
        EXPECT_EQ(ui.messages(),
                  Texts{std::string(text) + " ←数の書き方がまちがっています（数字と、小数点か「分の"
                                            "」のどちらか１つだけが使えます）"});
    }
    // What a Japanese input method types reads as its ASCII form.
    for (const char* text : {"", "-", "12", "-3分の2", ".5", "分の", "-1.", "0", " 3", "３",
                             "－３分の２", "０．５　", "−1"})
        EXPECT_TRUE(keypadTextValid(text)) << text;
}

// Whether the panel's reader refused a text (after its one message) or read
// it: callers refuse a run or keep the keypad open only for a refusal, so
// that "-" alone still counts as a zero to be refused as such.
struct KeypadReading {
    const char* text;
    bool refused;
    int32_t numerator;
    int32_t denominator;
};

void PrintTo(const KeypadReading& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class KeypadRefusalTest : public NumberTextTest,
                          public ::testing::WithParamInterface<KeypadReading> {};

TEST_P(KeypadRefusalTest, RefusedOnlyAfterAMessage) {
    const KeypadReading& c = GetParam();
    PanelNumber n = readKeypadNumber(c.text);
    EXPECT_EQ(n.refused, c.refused);
    expectFraction(n.value, c.numerator, c.denominator);
    EXPECT_EQ(ui.messages().size(), c.refused ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KeypadRefusalTest,
    ::testing::Values(KeypadReading{"12345", true, 0, 0}, KeypadReading{"3分の", true, 0, 0},
                      KeypadReading{"0分の3", true, 0, 0}, KeypadReading{"123.4567", true, 0, 0},
                      KeypadReading{"1.2.3", true, 0, 0}, KeypadReading{"-", false, 0, 0},
                      KeypadReading{"", false, 0, 1}, KeypadReading{"0", false, 0, 1},
                      KeypadReading{"4分の2", false, 2, 4}, KeypadReading{" 3 ", false, 3, 1},
                      KeypadReading{"－３分の２", false, -2, 3},
                      KeypadReading{"　０．５", false, 1, 2}, KeypadReading{"０分の３", true, 0, 0},
                      KeypadReading{"１２３４５", true, 0, 0}),
    RowName());

TEST_F(NumberTextTest, SlashFormPutsTheNumeratorFirst) {
    expectFraction(parseSlashNumber("2/3"), 2, 3);
    expectFraction(parseSlashNumber("-2/4"), -2, 4);
    expectFraction(parseSlashNumber("-0.5"), -1, 2);
    expectFraction(parseSlashNumber("7"), 7, 1);
    expectFraction(parseSlashNumber(" －２／３　"), -2, 3);
    EXPECT_TRUE(slashTextValid("１．５"));
    EXPECT_TRUE(ui.log.empty());
    expectFraction(parseSlashNumber("2/0"), 0, 0);
    expectFraction(parseSlashNumber("/3"), 0, 0);
    expectFraction(parseSlashNumber("1/23456"), 0, 0);
    expectFraction(parseSlashNumber("1分の2"), 0, 0);
    EXPECT_FALSE(slashTextValid("1.5/2"));
    EXPECT_TRUE(slashTextValid("-15/2"));
    EXPECT_EQ(
        ui.messages(),
        (Texts{
            "2/0 ←分母が０です", "/3 ←分数の表現があやまりです",
            "1/23456 ←数値は４桁以下にしてください",
            "1分の2 "
            "←数の書き方がまちがっています（数字と、小数点か「/」のどちらか１つだけが使えます）"}));
}

// --- formatting -----------------------------------------------------------

TEST_F(NumberTextTest, FormatFraction) {
    EXPECT_EQ(formatFraction(Fraction{1, -6, '/'}), "-6");
    EXPECT_EQ(formatFraction(Fraction{7, 0, '/'}), "0");
    EXPECT_EQ(formatFraction(Fraction{4, 3, '/'}), "3/4");
    EXPECT_EQ(formatFraction(Fraction{-4, 3, '/'}), "-3/4");
    EXPECT_EQ(formatFraction(Fraction{-4, -3, '/'}), "3/4");
}

// How the pictures write a value: the sign in front, reduced only when asked.
struct WrittenCase {
    int32_t numerator;
    int32_t denominator;
    bool reduce;
    bool negative;
    std::string top;
    std::string bottom;  // empty: a whole number
};

TEST_F(NumberTextTest, WrittenNumberMovesTheSignToTheFrontAndReducesOnRequest) {
    const WrittenCase cases[] = {
        {3, 4, false, false, "3", "4"},
        {3, -4, false, true, "3", "4"},    // the denominator's sign moves in front
        {-3, -4, false, false, "3", "4"},  // two signs cancel
        {-6, 1, false, true, "6", ""},
        {6, -1, false, true, "6", ""},
        {2, 4, false, false, "2", "4"},
        {2, 4, true, false, "1", "2"},
        {-6, -3, true, false, "2", ""},
        {0, 5, true, false, "0", ""},   // zero has no sign and no denominator
        {0, 0, false, false, "0", ""},  // the 0/0 of a refused entry
        {-2147483647 - 1, 1, true, true, "2147483648", ""},
        {5, 0, false, false, "5", "0"},
    };
    for (const WrittenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.numerator) + "/" + std::to_string(c.denominator));
        const WrittenNumber w = writtenNumber(Fraction{c.denominator, c.numerator, '/'}, c.reduce);
        EXPECT_EQ(w.negative, c.negative);
        EXPECT_EQ(w.numerator, c.top);
        EXPECT_EQ(w.denominator, c.bottom);
        EXPECT_EQ(w.whole(), c.bottom.empty());
    }
}

TEST_F(NumberTextTest, FormatDecimal) {
    EXPECT_EQ(formatDecimal(Fraction{3, 1, '/'}), "");
    EXPECT_EQ(formatDecimal(Fraction{4, -7, '/'}), "1.75");
    EXPECT_EQ(formatDecimal(Fraction{-4, 7, '/'}), "1.75");
    EXPECT_EQ(formatDecimal(Fraction{1, 3, '/'}), "");
    EXPECT_EQ(formatDecimal(Fraction{16, 1, '/'}), "0.0625");
    EXPECT_EQ(formatDecimal(Fraction{32, 1, '/'}), "");  // five places
    EXPECT_EQ(formatDecimal(Fraction{5, 0, '/'}), "");
    EXPECT_EQ(formatDecimal(Fraction{2, 4, '/'}), "2");  // unreduced whole number
    EXPECT_EQ(formatDecimal(Fraction{-1, 5, '/'}), "");
    EXPECT_EQ(formatDecimal(Fraction{0, 5, '/'}), "");
    // A remainder of 32768 or more stops the expansion.
    EXPECT_EQ(formatDecimal(Fraction{80000, 40000, '/'}), "");
}

}  // namespace
