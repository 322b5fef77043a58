// The first question of every unit of the shipped question file, solved from
// the posed system to the recorded answer with the drill panel's buttons, as
// a student would.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <filesystem>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "drill/DrillState.h"
#include "drill/DrillView.h"
#include "records/RecordFile.h"

namespace {

namespace fs = std::filesystem;

class ShippedQuestionsTest : public DrillWindowTest {
  protected:
    void startOnShippedFile() {
        const fs::path shipped = fs::path(TABULON_SOURCE_DIR) / "data" / "RAver.sim";
        fs::copy_file(shipped, tempPath("RAver.sim").toStdString());
        launchProgram();
        click(frmStart->btnRenritsu);
    }

    // The unit from the combo, its first question marked in the problem choice.
    void chooseUnit(int index) {
        withModal(
            [&] {
                frmMain->cmbMenu->setCurrentIndex(index);
                frmMain->cmbMenu->activated(index);
            },
            [](QWidget* modal) {
                QTest::mouseClick(modal->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
            });
        ASSERT_EQ(drillState.curUnit, index + 1);
        ASSERT_EQ(drillState.curStep, 2);
    }

    // The constants of the answer form drawn after the last step.
    std::vector<int> answerConstants() {
        auto answer = picture(drillState.curStep).all<EquationsItem>();
        if (answer.empty())
            return {};
        std::vector<int> out;
        for (const EquationRow& row : answer.back()->rows)
            out.push_back(row.terms[row.count - 1].numerator);
        return out;
    }

    std::string recordPath() const { return recordFilePath(paths); }

    // Whether picture k lies wholly in the worksheet's visible area.
    static bool inView(int k) {
        QWidget* viewport = frmPage->sbxSheet->viewport();
        const QRect r(image(k)->mapTo(viewport, QPoint(0, 0)), image(k)->size());
        return viewport->rect().contains(r);
    }
};

TEST_F(ShippedQuestionsTest, FirstQuestionOfEveryUnitSolvedByButtons) {
    startOnShippedFile();

    // ２元: x + y = 7, x − y = 3.
    clickAll("btnGyou1 btnTasu btnGyou2 btnJikkou");
    clickAll("btnGyou1 btnWaru btn2 btnJikkou");
    clickAll("btnGyou2 btnHiku btnGyou1 btnJikkou");
    clickAll("btnGyou2 btnKake btnMinus btn1 btnJikkou");
    EXPECT_TRUE(programDrill().view().state.blinkRunning);
    EXPECT_EQ(answerConstants(), (std::vector<int>{5, 2}));

    // ３元: x + y + z = 6, x − y + z = 2, x + y − z = 0.
    chooseUnit(1);
    clickAll("btnGyou2 btnHiku btnGyou1 btnJikkou");
    clickAll("btnGyou3 btnHiku btnGyou1 btnJikkou");
    clickAll("btnGyou2 btnWaru btnMinus btn2 btnJikkou");
    clickAll("btnGyou3 btnWaru btnMinus btn2 btnJikkou");
    clickAll("btnGyou1 btnHiku btnGyou2 btnJikkou");
    clickAll("btnGyou1 btnHiku btnGyou3 btnJikkou");
    EXPECT_TRUE(programDrill().view().state.blinkRunning);
    EXPECT_EQ(answerConstants(), (std::vector<int>{1, 2, 3}));

    // ４元: fourteen steps, past the scroll to the second column.
    chooseUnit(2);
    for (const char* step :
         {"btnGyou2 btnHiku btnGyou1", "btnGyou3 btnHiku btnGyou1", "btnGyou4 btnHiku btnGyou1",
          "btnGyou2 btnWaru btnMinus btn2", "btnGyou3 btnWaru btnMinus btn2",
          "btnGyou4 btnWaru btnMinus btn2", "btnGyou4 btnHiku btnGyou2",
          "btnGyou4 btnHiku btnGyou3", "btnGyou4 btnWaru btnMinus btn2",
          "btnGyou1 btnHiku btnGyou2", "btnGyou1 btnHiku btnGyou3", "btnGyou1 btnTasu btnGyou4",
          "btnGyou2 btnHiku btnGyou4", "btnGyou3 btnHiku btnGyou4"})
        clickAll(std::string(step) + " btnJikkou");
    EXPECT_TRUE(programDrill().view().state.blinkRunning);
    EXPECT_EQ(answerConstants(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_GT(drillState.scrollPos, 0);
    // The worksheet followed the work down to the answer.
    EXPECT_TRUE(inView(drillState.curStep));
    EXPECT_FALSE(inView(1));

    // 特殊な解: x + 2y = 3, 2x + 4y = 6; ② − ① × 2 leaves a zero row. The
    // student first says "解なし", is told to think again, then gets it right.
    chooseUnit(3);
    EXPECT_TRUE(inView(1));  // a new question starts at the top
    ui.choices = {kChoiceNoSolution, kChoiceInfinitely};
    clickAll("btnGyou2 btnHiku btnGyou1 btnKake btn2 btnJikkou");
    EXPECT_EQ(ui.messages().back(), "解なし？？もう一度考えてみましょう");
    EXPECT_TRUE(ui.choices.empty());
    EXPECT_EQ(textLines(picture(4)),
              (std::vector<std::string>{"【答】解は無数にある", "解が出ました"}));
    EXPECT_TRUE(programDrill().view().state.blinkRunning);
    EXPECT_EQ(drillState.starMarks, "★★★★");

    // Every unit has its record.
    for (const char* unit :
         {"２元１次連立方程式", "３元１次連立方程式", "４元１次連立方程式", "特殊な解が出るもの"}) {
        EXPECT_EQ(readRecordCountText(recordPath(), unit, 1), "1") << unit;
        EXPECT_FALSE(readRecordDate(recordPath(), unit).empty()) << unit;
    }
}

}  // namespace
