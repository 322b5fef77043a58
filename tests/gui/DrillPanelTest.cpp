// The drill panel on the frame: its controls, composing by buttons and by
// keys, Enter and Esc, a whole question solved by clicking, blinking, and the
// special-solution window reached through the UI port.

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/Keys.h"
#include "drill/ui/QtDrillSync.h"
#include "platform/ui/QtDialogs.h"

namespace {

class DrillPanelTest : public DrillWindowTest {};

TEST_F(DrillPanelTest, ControlsCarryTheirNamesAndCaptions) {
    enterDrill({"x+y=7;x-y=3"});
    const std::pair<const char*, const char*> captions[] = {
        {"btnGyou1", "①"},
        {"btnGyou2", "②"},
        {"btnGyou3", "③"},
        {"btnGyou4", "④"},
        {"btnKoukan", "交換"},
        {"btn0", "０"},
        {"btn1", "１"},
        {"btn2", "２"},
        {"btn3", "３"},
        {"btn4", "４"},
        {"btn5", "５"},
        {"btn6", "６"},
        {"btn7", "7"},
        {"btn8", "８"},
        {"btn9", "９"},
        {"btnMinus", "－"},
        {"btnDecimal", "．"},
        {"btnBunsu", "分の"},
        {"btnClear", "CL"},
        {"btnJikkou", "実行"},
        {"btnTeisei", "訂正"},
        {"btnNext", "次の問題 "},
        {"btnKihon", "逆行列で解く"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(button(name)->text(), QString::fromUtf8(caption)) << name;
    // The operator buttons show pictures only.
    for (const char* name : {"btnWaru", "btnHiku", "btnTasu", "btnKake"}) {
        EXPECT_TRUE(button(name)->text().isEmpty()) << name;
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    }
    EXPECT_EQ(button("btnClear")->toolTip(), "クリアする");
    EXPECT_EQ(button("btnKoukan")->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(0, 0, 255));
    EXPECT_EQ(button("btnBunsu")->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(255, 255, 0));
    EXPECT_EQ(button("btnClear")->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(0, 255, 0));
    for (const char* name : {"btnScrollUp", "btnScrollDown", "btnClose"})
        EXPECT_TRUE(button(name)->isVisible()) << name;

    auto* grbSousa = frmMain->findChild<QGroupBox*>("grbSousa");
    auto* grbNumber = frmMain->findChild<QGroupBox*>("grbNumber");
    auto* pnlNumber = frmMain->findChild<QLabel*>("pnlNumber");
    ASSERT_TRUE(grbSousa && grbNumber && pnlNumber);
    EXPECT_EQ(button("btnTasu")->parent(), grbSousa);
    EXPECT_EQ(button("btn5")->parent(), grbNumber);
    EXPECT_EQ(grbSousa->palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_TRUE(pnlNumber->alignment() & Qt::AlignRight);
    EXPECT_EQ(pnlNumber->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(pnlNumber->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    EXPECT_TRUE(pnlNumber->font().bold());

    // Nothing composed: the number group is grey and disabled, 実行 too; only
    // the rows of a two-unknown question can be chosen.
    EXPECT_FALSE(grbNumber->isEnabled());
    EXPECT_EQ(grbNumber->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_FALSE(button("btnJikkou")->isEnabled());
    EXPECT_TRUE(button("btnGyou2")->isEnabled());
    EXPECT_FALSE(button("btnGyou3")->isEnabled());
    EXPECT_FALSE(button("btnGyou4")->isEnabled());

    // The panel fits between cmbMenu and btnClose on the frame.
    const QRect panel = drillPanel->geometry();
    EXPECT_GE(panel.height(), drillPanel->minimumSizeHint().height());
    EXPECT_LE(drillPanel->minimumSizeHint().height(), 600 - 28 - 56 - 100);
}

TEST_F(DrillPanelTest, ComposeOnePlusTwoByButtons) {
    enterDrill({"x+y=7;x-y=3"});
    clickAll("btnGyou1 btnTasu");
    auto* grbNumber = frmMain->findChild<QGroupBox*>("grbNumber");
    EXPECT_TRUE(grbNumber->isEnabled());
    EXPECT_EQ(grbNumber->palette().color(QPalette::Window), QColor(0, 128, 128));
    clickAll("btnGyou2");
    EXPECT_EQ(opLabelOn(3), "第1行＋第2行");
    EXPECT_EQ(frmPage->lblMess->text(), "第1行＋第2行");
    EXPECT_FALSE(grbNumber->isEnabled());
    // Something runnable: 実行 is enabled and has the focus.
    EXPECT_TRUE(button("btnJikkou")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), button("btnJikkou"));

    // The number keys write into pnlNumber; the minus only first.
    clickAll("btnTeisei btnGyou1 btnKake btnMinus btn3 btnBunsu btn2");
    auto* pnlNumber = frmMain->findChild<QLabel*>("pnlNumber");
    EXPECT_EQ(pnlNumber->text(), "-3分の2");
    EXPECT_EQ(opLabelOn(3), "第1行×(-3分の2");
    clickAll("btnMinus");
    EXPECT_EQ(ui.messages().back(), "－の位置が間違っています");
    clickAll("btnClear");
    EXPECT_EQ(pnlNumber->text(), "");
    EXPECT_EQ(opLabelOn(3), "第1行×");
}

TEST_F(DrillPanelTest, ComposeOnePlusTwoByKeysAndEscClears) {
    enterDrill({"x+y=7;x-y=3"});
    clickAll("btnGyou1");
    key(Qt::Key_Plus, Qt::NoModifier, "+");
    // Shift+2 selects row 2 whatever the layout makes of it ("@" or "\"").
    key(Qt::Key_At, Qt::ShiftModifier, "@");
    EXPECT_EQ(opLabelOn(3), "第1行＋第2行");
    EXPECT_EQ(entryState.entryPhase, 3);

    key(Qt::Key_Escape);
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_EQ(opLabelOn(3), "");
    EXPECT_FALSE(inked(image(3)->image()));
    EXPECT_FALSE(button("btnJikkou")->isEnabled());
    EXPECT_TRUE(picture(2).litBands().empty());

    // Numbers by keys in phase 2, "b" for 分の, Delete for CL.
    clickAll("btnGyou2");
    key(Qt::Key_Asterisk, Qt::NoModifier, "*");
    key(Qt::Key_3, Qt::NoModifier, "3");
    key(Qt::Key_B, Qt::NoModifier, "b");
    key(Qt::Key_2, Qt::KeypadModifier, "2");
    EXPECT_EQ(opLabelOn(3), "第2行×3分の2");
    key(Qt::Key_Delete);
    EXPECT_EQ(opLabelOn(3), "第2行×");
}

TEST_F(DrillPanelTest, EnterRunsWhatIsComposedAndOtherwisePressesTheFocusedButton) {
    enterDrill({"x+y=7;x-y=3"});
    // Nothing composed: Enter does nothing, even with 次の問題 focused.
    button("btnNext")->setFocus();
    key(Qt::Key_Return);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(drillState.curStep, 2);

    clickAll("btnGyou1 btnTasu btnGyou2");
    key(Qt::Key_Return);
    EXPECT_EQ(drillState.curStep, 3);
    EXPECT_EQ(textLines(picture(3)), std::vector<std::string>{"第1行に第2行をたすと"});

    // A focused push button is pressed by Enter: here 訂正 takes the step back.
    button("btnTeisei")->setFocus();
    key(Qt::Key_Enter);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_FALSE(inked(image(3)->image()));
}

TEST_F(DrillPanelTest, WholeQuestionSolvedByClickingEndsBlinkingAndRecorded) {
    enterDrill({"x+y=7;x-y=3", "2x+3y=13;x-y=-1"});
    clickAll("btnGyou1 btnTasu btnGyou2 btnJikkou");
    clickAll("btnGyou1 btnWaru btn2 btnJikkou");
    clickAll("btnGyou2 btnHiku btnGyou1 btnJikkou");
    clickAll("btnGyou2 btnKake btnMinus btn1 btnJikkou");
    EXPECT_TRUE(ui.messages().empty()) << ui.messages().front();
    EXPECT_EQ(drillState.curStep, 7);

    // The answer on the picture after the last step: x = 5, y = 2.
    auto answer = picture(7).all<EquationsItem>();
    ASSERT_EQ(answer.size(), 1u);
    ASSERT_EQ(answer[0]->rows.size(), 2u);
    const EquationRow& x = answer[0]->rows[0];
    EXPECT_EQ(x.terms[0].kind, 'x');
    EXPECT_EQ(x.terms[x.count - 1].numerator, 5);
    const EquationRow& y = answer[0]->rows[1];
    EXPECT_EQ(y.terms[0].kind, 'y');
    EXPECT_EQ(y.terms[y.count - 1].numerator, 2);
    EXPECT_EQ(textLines(picture(7)), (std::vector<std::string>{" 答", "解が出ました"}));
    EXPECT_TRUE(inked(image(7)->image()));

    // 次の問題 blinks and has the focus; the star is earned, and the caption
    // shows it from the next question on.
    auto* timBlink = drillPanel->findChild<QTimer*>("timBlink");
    ASSERT_NE(timBlink, nullptr);
    EXPECT_TRUE(timBlink->isActive());
    EXPECT_EQ(timBlink->interval(), 1000);
    EXPECT_EQ(QApplication::focusWidget(), button("btnNext"));
    EXPECT_EQ(drillState.starMarks, "★");
    EXPECT_EQ(frmPage->lblCaption->text(), "　　連立方程式");
    const qint64 before = button("btnNext")->icon().cacheKey();
    drillPanel->timBlinkTimer();  // what each tick of timBlink runs
    drillPanel->timBlinkTimer();  // what each tick of timBlink runs
    EXPECT_NE(button("btnNext")->icon().cacheKey(), before);
    EXPECT_FALSE(button("btnGyou1")->isEnabled());

    // The record, in the temporary settings folder.
    QFile record(tempDir.path() + "/config/gridora.rec");
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const std::string bytes = record.readAll().toStdString();
    EXPECT_TRUE(cp932ToUtf8(bytes).value_or("").starts_with("[２元１次連立方程式]\r\n1=1\r\nDATE="))
        << bytes;

    // Enter now goes on to the next question without asking.
    key(Qt::Key_Return);
    EXPECT_FALSE(timBlink->isActive());
    EXPECT_EQ(drillState.curQues[1], 2);
    EXPECT_EQ(frmPage->lblCaption->text(), "　　連立方程式★");
    EXPECT_EQ(textLines(picture(1)), std::vector<std::string>{"1(2)つぎの連立方程式を解きなさい"});
    EXPECT_FALSE(inked(image(3)->image()));
    EXPECT_TRUE(ui.log.empty()) << ui.log.front().text;
}

TEST_F(DrillPanelTest, NextQuestionOnAnUnsolvedQuestionAsksFirst) {
    enterDrill({"x+y=7;x-y=3", "2x+3y=13;x-y=-1"});
    clickAll("btnGyou1 btnTasu btnGyou2 btnJikkou");
    ui.answers.push_back(Answer::No);
    clickAll("btnNext");
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].caption, "確認");
    EXPECT_EQ(ui.log[0].text, "まだ解が出ていませんが次の問題に進みますか");
    EXPECT_EQ(drillState.curStep, 3);

    ui.answers.push_back(Answer::Yes);
    frmMain->mnuNext->trigger();  // the menu item does the same
    EXPECT_EQ(drillState.curQues[1], 2);
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_FALSE(inked(image(3)->image()));
}

TEST_F(DrillPanelTest, SpecialSolutionIsChosenInItsWindowBesideTheStep) {
    enterDrill({"x+2y=3;2x+4y=6"});
    WindowChoiceUi port(ui);
    clickAll("btnGyou1 btnKake btn2 btnJikkou btnGyou2 btnHiku btnGyou1");
    ASSERT_EQ(drillState.curStep, 3);
    QRect placed;
    withModal([] { click(button("btnJikkou")); },
              [&](QWidget* modal) {
                  ASSERT_EQ(modal, frmSentaku);
                  placed = modal->frameGeometry();
                  click(frmSentaku->btnMusu);
              });
    // Beside picture s + 2 for s = 3, its top 70 below, right edge 20 beyond.
    const QRect anchor = frmPage->imageScreenRect(5);
    EXPECT_EQ(placed.right() + 1, anchor.right() + 1 + 20);
    EXPECT_EQ(placed.top(), anchor.top() + 70);

    EXPECT_EQ(drillState.curStep, 5);
    EXPECT_EQ(textLines(picture(5)),
              (std::vector<std::string>{"【答】解は無数にある", "解が出ました"}));
    EXPECT_TRUE(drillPanel->timBlink->isActive());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(DrillPanelTest, KeysReachTheDrillAsItReadsThem) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QString text;
        int want;
        bool shift;
        bool keypad;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", keys::kEnter, false, false},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", keys::kEnter, false, true},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", keys::kEscape, false, false},
        {Qt::Key_Delete, Qt::NoModifier, "", keys::kDelete, false, false},
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", '!', true, false},
        {Qt::Key_7, Qt::KeypadModifier, "7", '7', false, true},
        // Shift on the numeric pad: End is the pad's 1.
        {Qt::Key_End, Qt::KeypadModifier | Qt::ShiftModifier, "", '1', true, true},
        {Qt::Key_End, Qt::NoModifier, "", keys::kOther, false, false},
        {Qt::Key_D, Qt::NoModifier, "d", 'D', false, false},
        {Qt::Key_F5, Qt::NoModifier, "", keys::kOther, false, false},
    };
    for (const Case& c : cases) {
        QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.text);
        const KeyEvent k = drillKeyEvent(e);
        EXPECT_EQ(k.key, c.want) << c.text.toStdString();
        EXPECT_EQ(k.text, c.text.toStdString());
        EXPECT_EQ(k.shift, c.shift) << c.want;
        EXPECT_EQ(k.keypad, c.keypad) << c.want;
    }
    // A modifier pressed alone is a key of its own, which the drill ignores.
    QKeyEvent shiftAlone(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(drillKeyEvent(shiftAlone).key, keys::kShift);
}

TEST(DrillKeys, ShiftWithATopRowDigitIsThatDigitOnAnyLayout) {
    // X scan codes 10 … 19 are the keys 1 … 9, 0 of the top row.
    EXPECT_EQ(shiftedKeyOnTheTopRow(12, 0xA3), '3');  // "£": Shift+3 on a British layout
    EXPECT_EQ(shiftedKeyOnTheTopRow(12, 0xA7), '3');  // "§": on a German one
    EXPECT_EQ(shiftedKeyOnTheTopRow(11, '@'), '2');
    EXPECT_EQ(shiftedKeyOnTheTopRow(19, ')'), '0');
    // Keys elsewhere that a layout reports as a shifted digit are not digits.
    EXPECT_EQ(shiftedKeyOnTheTopRow(48, '"'), keys::kOther);  // the quote key on US
    EXPECT_EQ(shiftedKeyOnTheTopRow(40, 'D'), 'D');
    // Without a scan code the key stays as reported.
    EXPECT_EQ(shiftedKeyOnTheTopRow(0, '!'), '!');
}

TEST_F(DrillPanelTest, AQuestionSolvedAtStartUpIsRecordedInTheRecordFolder) {
    startProgram({{"x=3;y=4"}});
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"すでに解がでています"});
    EXPECT_TRUE(QFile::exists(tempDir.path() + "/config/gridora.rec"));
    EXPECT_FALSE(QFile::exists(tempDir.path() + "/gridora.rec"));
}

}  // namespace
