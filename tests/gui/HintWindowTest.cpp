// The hint on the worksheet: F2 names the goal, then the operation, through
// the UI port, and the caption counts the hints. Nothing is composed or run.
// In the special-solution choice, F2 asks about the row that decides.

#include <QLabel>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/Entry.h"
#include "platform/ui/QtDialogs.h"

namespace {

class HintWindowTest : public DrillWindowTest {};

TEST_F(HintWindowTest, F2TwiceNamesTheGoalThenTheOperation) {
    enterDrill({"x+y=5;2x-y=1", "x+y=7;x-y=3"});
    ui.clear();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : frmMain;
    QTest::keyClick(target, Qt::Key_F2);
    QTest::keyClick(target, Qt::Key_F2);
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"第2行の第1列を0にしましょう",
                                                       "第2行から第1行の2倍をひいてみましょう"}));
    auto* caption = frmPage->findChild<QLabel*>("lblCaption");
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(caption->text().endsWith(QStringLiteral("ヒント2")))
        << caption->text().toStdString();
    // The hint only speaks: nothing composed, no step made.
    EXPECT_EQ(drillState.curStep, 2);
    EXPECT_EQ(entryState.entryPhase, 0);
    EXPECT_TRUE(entryState.opLabel.empty());

    // The next question (confirmed, the first is not solved) starts without hints.
    ui.answers.push_back(Answer::Yes);
    frmMain->findChild<QAction*>("mnuNext")->trigger();
    EXPECT_FALSE(caption->text().contains(QStringLiteral("ヒント")))
        << caption->text().toStdString();
}

TEST_F(HintWindowTest, F2InTheSpecialChoiceAsksAboutTheZeroRow) {
    enterDrill({"x+2y=3;2x+4y=6"});
    ui.clear();
    WindowChoiceUi port(ui);
    // 第2行－第1行×2 gives 0 = 0: the choice opens at once.
    withModal(
        [] {
            programDrill().btnGyouClick(2);
            programDrill().pressOperator(kOpSubtract);
            programDrill().btnGyouClick(1);
            programDrill().pressOperator(kOpMultiply);
            programDrill().typeNumber("2");
            programDrill().btnJikkouClick();
        },
        [](QWidget* modal) {
            ASSERT_EQ(modal, frmSentaku);
            QTest::keyClick(modal, Qt::Key_F2);
            EXPECT_TRUE(modal->isVisible());
            click(frmSentaku->btnMusu);
        });
    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{"0 = 0 の行があります。解はいくつありますか"}));
    auto* caption = frmPage->findChild<QLabel*>("lblCaption");
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(caption->text().contains(QStringLiteral("ヒント1")))
        << caption->text().toStdString();
}

}  // namespace
