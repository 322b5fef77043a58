// The keypad's panel rules, button by button: what the text becomes, what
// the student is told, and what 清書 and ＯＫ hand over.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "arith/Keypad.h"
#include "arith/NumberText.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedUi.h"

namespace {

struct KeypadCase {
    // digits, ".", "m" minus, "bun" 分の, "/" and "BS" (Backspace) from the
    // keyboard, "CL", "copy" 清書, "ok" ＯＫ
    const char* script;
    std::string text;  // the panel afterwards
    std::vector<std::string> messages;
    int okResult;    // of the last "ok", -1 when none
    bool copied;     // of the last "copy"
    Fraction value;  // keypadValue afterwards (it starts as 7/5)
};

void PrintTo(const KeypadCase& c, std::ostream* out) {
    *out << '"' << c.script << '"';
}

const std::string kInvalid = kKeypadTextInvalidMessage;

class KeypadTest : public ::testing::TestWithParam<KeypadCase> {
  protected:
    ScriptedUi ui;
};

TEST_P(KeypadTest, ButtonsEditTheTextAndHandOverTheValue) {
    const KeypadCase& c = GetParam();
    keypadValue = Fraction{7, 5, '/'};
    KeypadPanel panel;
    int okResult = -1;
    bool copied = false;
    Messages said;  // what the window tells the student, in order
    const auto keep = [&said](const Outcome& out) {
        said.insert(said.end(), out.messages.begin(), out.messages.end());
        return out.done;
    };
    std::istringstream in(c.script);
    std::string t;
    while (in >> t) {
        if (t == "m")
            keep(panel.typeMinus());
        else if (t == ".")
            panel.typeDecimal();
        else if (t == "bun")
            panel.typeBunsu();
        else if (t == "CL")
            panel.clear();
        else if (t == "/")
            panel.typeSlash();
        else if (t == "BS")
            panel.backspace();
        else if (t == "copy")
            copied = keep(panel.fairCopy());
        else if (t == "ok")
            okResult = panel.ok(said);
        else
            panel.typeDigit(t[0] - '0');
    }
    EXPECT_EQ(panel.text, c.text);
    EXPECT_EQ(said, c.messages);
    EXPECT_TRUE(ui.log.empty());  // the panel hands its messages to the window
    EXPECT_EQ(okResult, c.okResult);
    EXPECT_EQ(copied, c.copied);
    EXPECT_EQ(keypadValue.numerator, c.value.numerator);
    EXPECT_EQ(keypadValue.denominator, c.value.denominator);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, KeypadTest,
    ::testing::Values(
        KeypadCase{"m 3 bun 2 ok", "-3分の2", {}, kKeypadEntered, false, {3, -2, '/'}},
        KeypadCase{"5 m", "5", {kMinusPlacementMessage}, -1, false, {7, 5, '/'}},
        KeypadCase{"m m", "-", {kMinusPlacementMessage}, -1, false, {7, 5, '/'}},
        KeypadCase{"ok", "", {}, kKeypadCancelled, false, {7, 5, '/'}},
        KeypadCase{"4 CL ok", "", {}, kKeypadCancelled, false, {7, 5, '/'}},
        // 清書 converts without reducing; the picture reduces.
        KeypadCase{"4 bun 2 copy", "4分の2", {}, -1, true, {4, 2, '/'}},
        KeypadCase{"1 . 2 . 3 copy ok",
                   "1.2.3",
                   {"1.2.3" + kInvalid, "1.2.3" + kInvalid},
                   kKeypadStaysOpen,
                   false,
                   {7, 5, '/'}},
        KeypadCase{"2 bun 1 . 5 ok",
                   "2分の1.5",
                   {"2分の1.5" + kInvalid},
                   kKeypadStaysOpen,
                   false,
                   {7, 5, '/'}},
        // A number the reader refuses keeps the window open after its one
        // message; no 0/0 is handed over as if it were zero.
        KeypadCase{"1 2 3 4 5 ok",
                   "12345",
                   {"12345 ←数値は４桁以下にしてください"},
                   kKeypadStaysOpen,
                   false,
                   {7, 5, '/'}},
        KeypadCase{"3 bun ok",
                   "3分の",
                   {"3分の ←分数の表現があやまりです"},
                   kKeypadStaysOpen,
                   false,
                   {7, 5, '/'}},
        KeypadCase{"0 bun 3 copy", "0分の3", {"分母が０です"}, -1, false, {7, 5, '/'}},
        // A lone minus is zero, not refused: the caller asks about a zero.
        KeypadCase{"m ok", "-", {}, kKeypadEntered, false, {0, 0, '/'}},
        KeypadCase{"0 . 1 2 5 ok", "0.125", {}, kKeypadEntered, false, {8, 1, '/'}},
        // "/" from the keyboard writes the fraction numerator first.
        KeypadCase{"m 2 / 3 ok", "-3分の2", {}, kKeypadEntered, false, {3, -2, '/'}},
        KeypadCase{"1 2 / 3 4 copy", "34分の12", {}, -1, true, {34, 12, '/'}},
        KeypadCase{"3 bun 2 /", "3分の2", {}, -1, false, {7, 5, '/'}},
        // Backspace takes back one key at a time, also across "/".
        KeypadCase{"2 / 3 5 BS BS BS 7 ok", "27", {}, kKeypadEntered, false, {1, 27, '/'}},
        KeypadCase{"BS m BS 4", "4", {}, -1, false, {7, 5, '/'}}),
    RowName());

TEST(KeypadMinus, OnlyAnEmptyNumberTakesAMinus) {
    EXPECT_TRUE(minusFits(""));
    EXPECT_FALSE(minusFits("-"));
    EXPECT_FALSE(minusFits("3"));
    EXPECT_FALSE(minusFits("分の"));
}

}  // namespace
