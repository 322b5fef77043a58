// The hint on the worksheet: F2 names the goal, then the operation, through
// the UI port, and the caption counts the hints. Nothing is composed or run.

#include <QLabel>

#include "DrillWindowTest.h"

namespace {

class HintWindowTest : public DrillWindowTest {};

TEST_F(HintWindowTest, F2TwiceNamesTheGoalThenTheOperation) {
    enterDrill({"x+y=5;2x-y=1", "x+y=7;x-y=3"});
    ui.clear();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : frmMain;
    QTest::keyClick(target, Qt::Key_F2);
    QTest::keyClick(target, Qt::Key_F2);
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"第2行の第1列を０にしましょう",
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

}  // namespace
