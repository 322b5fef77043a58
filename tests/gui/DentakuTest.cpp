// The keypad window driven by its buttons, as the student uses it.
#include <QInputMethodEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "arith/NumberText.h"
#include "arith/ui/TfrmDentaku.h"
#include "picture/ui/PicturePainter.h"
#include "tests/gui/WindowTest.h"
#include "tests/support/RowName.h"

namespace {

class DentakuTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        keypadValue = Fraction{7, 5, '/'};
        dlg = new TfrmDentaku();
        dlg->tell = showMessages;  // as start-up wires it
    }
    void TearDown() override {
        delete dlg;
        WindowTest::TearDown();
    }

    static void press(QWidget* window, const char* name) {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void press(const char* name) { press(dlg, name); }
    QString panel() const { return dlg->findChild<QLabel*>("pnlNumber")->text(); }

    // Runs the keypad modally, lets `student` work it, and returns the modal result.
    int runModal(const std::function<void(QWidget*)>& student) {
        int result = -1;
        withModal([&] { result = dlg->exec(); }, student);
        return result;
    }

    static bool allWhite(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }
    // What the fair copy of `value` must look like.
    QImage fairCopyOf(const Fraction& value) const {
        return renderPicture(fairCopyPicture(value), dlg->imgSample->size());
    }
    // The texts of the fair copy's fraction, top to bottom.
    std::vector<std::string> fairCopyTexts() const {
        std::vector<std::string> texts;
        for (const FractionItem* f : dlg->imgSample->picture().all<FractionItem>())
            for (const TextPiece& t : f->texts)
                texts.push_back(t.text);
        return texts;
    }

    TfrmDentaku* dlg = nullptr;
};

TEST_F(DentakuTest, ControlsCarryTheirNamesAndCaptions) {
    EXPECT_EQ(dlg->windowTitle(), "係数入力");
    const char* digits[10] = {"０", "１", "２", "３", "４", "５", "６", "7", "８", "９"};
    for (int d = 0; d < 10; ++d) {
        auto* button = dlg->findChild<QPushButton*>(QString("btn%1").arg(d));
        ASSERT_NE(button, nullptr) << d;
        EXPECT_EQ(button->text(), QString::fromUtf8(digits[d])) << d;
    }
    const std::pair<const char*, const char*> others[] = {
        {"btnDecimal", "．"},  {"btnMinus", "－"}, {"btnBunsu", "分の"},       {"btnClear", "CL"},
        {"btnSeisho", "清書"}, {"btnOk", "ＯＫ"},  {"btnCancel", "キャンセル"}};
    for (auto [name, caption] : others) {
        auto* button = dlg->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(dlg->findChild<QPushButton*>("btnClear")->toolTip(), "クリアする");
    auto* number = dlg->findChild<QLabel*>("pnlNumber");
    ASSERT_NE(number, nullptr);
    EXPECT_TRUE(number->alignment() & Qt::AlignRight);
    EXPECT_TRUE(number->font().bold());
    EXPECT_EQ(number->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    EXPECT_EQ(number->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_NE(dlg->findChild<QWidget*>("imgSample"), nullptr);
}

TEST_F(DentakuTest, MinusFirstThenAFractionIsHandedOverOnOk) {
    int result = runModal([](QWidget* w) {
        for (const char* name : {"btnMinus", "btn3", "btnBunsu", "btn2"})
            press(w, name);
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "-3分の2");
        press(w, "btnOk");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(keypadValue.denominator, 3);
    EXPECT_EQ(keypadValue.numerator, -2);
    EXPECT_TRUE(ui.log.empty());
}

// The keyboard as a student uses it: digits, the minus, "/" for a fraction
// written numerator first, Backspace, full-width text from an input method,
// Enter for ＯＫ; then Esc for キャンセル on the next showing.
TEST_F(DentakuTest, TheKeyboardWorksThePanel) {
    int result = runModal([](QWidget* w) {
        QTest::keyClicks(w, "-25/3");
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "-3分の25");
        QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClick(w, Qt::Key_Backspace);
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "-25");
        QTest::keyClick(w, Qt::Key_Backspace);
        QInputMethodEvent ime;
        ime.setCommitString(QStringLiteral("．５"));
        QApplication::sendEvent(w, &ime);
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "-2.5");
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(result, kKeypadEntered);
    EXPECT_EQ(keypadValue.numerator, -5);
    EXPECT_EQ(keypadValue.denominator, 2);
    EXPECT_EQ(runModal([](QWidget* w) {
                  QTest::keyClicks(w, "7");
                  QTest::keyClick(w, Qt::Key_Escape);
              }),
              kKeypadCancelled);
    EXPECT_EQ(keypadValue.numerator, -5);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(DentakuTest, MinusAnywhereButFirstIsRefused) {
    dlg->show();
    press("btn5");
    press("btnMinus");
    EXPECT_EQ(panel(), "5");
    press("btnClear");
    press("btnMinus");
    press("btnMinus");
    EXPECT_EQ(panel(), "-");
    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{"－の位置が間違っています", "－の位置が間違っています"}));
}

TEST_F(DentakuTest, OkOnAnEmptyPanelCancelsAndKeepsTheValue) {
    EXPECT_EQ(runModal([](QWidget* w) { press(w, "btnOk"); }), 2);
    EXPECT_EQ(keypadValue.denominator, 7);
    EXPECT_EQ(keypadValue.numerator, 5);

    // Typed and cleared again is empty too.
    EXPECT_EQ(runModal([](QWidget* w) {
                  press(w, "btn4");
                  press(w, "btnClear");
                  press(w, "btnOk");
              }),
              2);
    EXPECT_EQ(keypadValue.numerator, 5);
}

TEST_F(DentakuTest, CancelAndEscapeCloseWithCancelWhateverWasTyped) {
    EXPECT_EQ(runModal([](QWidget* w) {
                  press(w, "btn9");
                  press(w, "btnCancel");
              }),
              2);
    EXPECT_EQ(runModal([](QWidget* w) {
                  press(w, "btn9");
                  QTest::keyClick(w, Qt::Key_Escape);
              }),
              2);
    EXPECT_EQ(keypadValue.denominator, 7);
    EXPECT_EQ(keypadValue.numerator, 5);
}

TEST_F(DentakuTest, ButtonsBuildTheTextAndEveryShowingStartsEmpty) {
    int result = runModal([](QWidget* w) {
        for (const char* name : {"btn1", "btn2", "btnDecimal", "btn0", "btn7", "btn8", "btn9",
                                 "btn3", "btn4", "btn5", "btn6"})
            press(w, name);
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "12.07893456");
        press(w, "btnClear");
        press(w, "btn6");
        press(w, "btnSeisho");
        press(w, "btnCancel");
    });
    EXPECT_EQ(result, 2);
    // Showing again: an empty panel and a white picture.
    runModal([this](QWidget* w) {
        EXPECT_EQ(w->findChild<QLabel*>("pnlNumber")->text(), "");
        EXPECT_TRUE(allWhite(dlg->imgSample->image()));
        press(w, "btnCancel");
    });
}

TEST_F(DentakuTest, FairCopyDrawsTheReducedValueWhileOkKeepsItUnreduced) {
    int result = runModal([this](QWidget* w) {
        for (const char* name : {"btn4", "btnBunsu", "btn2"})
            press(w, name);
        ASSERT_TRUE(allWhite(dlg->imgSample->image()));
        press(w, "btnSeisho");
        const QImage& drawn = dlg->imgSample->image();
        EXPECT_FALSE(allWhite(drawn));
        EXPECT_EQ(drawn, fairCopyOf(Fraction{2, 1, '/'}));
        EXPECT_EQ(fairCopyTexts(), (std::vector<std::string>{"1", "2"}));
        EXPECT_TRUE(w->isVisible());
        press(w, "btnOk");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(keypadValue.denominator, 4);
    EXPECT_EQ(keypadValue.numerator, 2);
}

TEST_F(DentakuTest, SecondFairCopyReplacesTheFirst) {
    dlg->show();
    press("btn1");
    press("btn2");
    press("btn3");
    press("btn4");
    press("btnBunsu");
    press("btn1");
    press("btnSeisho");
    press("btnClear");
    press("btn5");
    press("btnSeisho");
    EXPECT_EQ(dlg->imgSample->image(), fairCopyOf(Fraction{1, 5, '/'}));
    EXPECT_EQ(fairCopyTexts(), std::vector<std::string>{"5"});
}

TEST_F(DentakuTest, TextsNoConversionCanReadAreRejectedAndTheWindowStaysOpen) {
    int result = runModal([this](QWidget* w) {
        for (const char* name : {"btn1", "btnDecimal", "btn2", "btnDecimal", "btn3"})
            press(w, name);
        press(w, "btnOk");
        EXPECT_TRUE(w->isVisible());
        press(w, "btnSeisho");
        EXPECT_TRUE(allWhite(dlg->imgSample->image()));
        EXPECT_EQ(ui.messages(),
                  (std::vector<std::string>{std::string("1.2.3") + kKeypadTextInvalidMessage,
                                            std::string("1.2.3") + kKeypadTextInvalidMessage}));
        // A decimal point and "分の" together.
        press(w, "btnClear");
        for (const char* name : {"btn2", "btnBunsu", "btn1", "btnDecimal", "btn5"})
            press(w, name);
        press(w, "btnOk");
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(ui.messages().size(), 3u);
        // Corrected, the same window hands the value over.
        press(w, "btnClear");
        for (const char* name : {"btn1", "btnDecimal", "btn5"})
            press(w, name);
        press(w, "btnOk");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(keypadValue.denominator, 2);
    EXPECT_EQ(keypadValue.numerator, 3);
}

// Texts the reader refuses after its own message: ＯＫ keeps the window open
// (no 0/0 handed over as if it were zero), 清書 draws nothing, and the value
// the caller holds stays as it was.
struct RefusedText {
    std::vector<const char*> buttons;
    const char* message;
};

void PrintTo(const RefusedText& c, std::ostream* out) {
    *out << c.message;
}

class DentakuRefusalTest : public DentakuTest, public ::testing::WithParamInterface<RefusedText> {};

TEST_P(DentakuRefusalTest, OkAndFairCopyKeepTheWindowOpen) {
    const RefusedText& c = GetParam();
    int result = runModal([&](QWidget* w) {
        for (const char* name : c.buttons)
            press(w, name);
        press(w, "btnOk");
        EXPECT_TRUE(w->isVisible());
        press(w, "btnSeisho");
        EXPECT_TRUE(allWhite(dlg->imgSample->image()));
        EXPECT_EQ(ui.messages(), (std::vector<std::string>{c.message, c.message}));
        press(w, "btnCancel");
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(keypadValue.denominator, 7);
    EXPECT_EQ(keypadValue.numerator, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DentakuRefusalTest,
    ::testing::Values(RefusedText{{"btn1", "btn2", "btn3", "btn4", "btn5"},
                                  "12345 ←数値は４桁以下にしてください"},
                      RefusedText{{"btn3", "btnBunsu"}, "3分の ←分数の表現があやまりです"},
                      RefusedText{{"btn0", "btnBunsu", "btn3"}, "分母が０です"},
                      RefusedText{
                          {"btn1", "btn2", "btn3", "btnDecimal", "btn4", "btn5", "btn6", "btn7"},
                          "123.4567 ←小数の長さが長すぎます"}),
    RowName());

}  // namespace
