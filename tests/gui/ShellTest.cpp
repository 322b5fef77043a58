// The application shell: start-up, the frame and its menus, the start window,
// entering and leaving the drill, unit switching, help, version and closing.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "WindowTest.h"
#include "app/ui/ShellHooks.h"
#include "app/ui/StartUp.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "app/ui/TfrmVersion.h"
#include "drill/DrillState.h"
#include "drill/Keys.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/ui/QtHelp.h"
#include "questions/QuestionBank.h"
#include "questions/ui/TfrmEditQues.h"

namespace {

const QString kDataFolder =
    QString::fromStdString((std::filesystem::path(TABULON_SOURCE_DIR) / "data").string());

class ShellTest : public WindowTest {
  protected:
    void TearDown() override {
        destroyWindows();
        WindowTest::TearDown();
    }

    // Copies the shipped files that the test wants into the current folder,
    // then starts the program as main() does.
    // With `frameOnly`, only the frame's windows are made, as before the
    // program's first frame; the rest come when first needed.
    void startProgram(bool withQuestionFile = true, bool withHelp = false, bool frameOnly = false) {
        if (withQuestionFile)
            copyShipped("RAver.sim");
        if (withHelp)
            copyShipped("Gridora.hlp");
        questionBank = QuestionBank{};
        paths = Paths{};
        shellHooks = ShellHooks{};
        shellHooks.questionStarted = [this] { ++questionsStarted; };
        if (frameOnly)
            createFrameWindows();
        else
            createWindows();
        frmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain));
    }

    void copyShipped(const QString& name) {
        QFile::remove(tempPath(name));
        ASSERT_TRUE(QFile::copy(kDataFolder + "/" + name, tempPath(name)));
    }

    // The menu bar as "title: item, item, -, item" lines.
    static QStringList menuBarTexts() {
        QStringList out;
        for (QAction* top : frmMain->menuBar()->actions()) {
            QStringList items;
            for (QAction* a : top->menu()->actions())
                items << (a->isSeparator() ? "-" : a->text());
            out << top->text() + ": " + items.join(", ");
        }
        return out;
    }

    static QStringList comboItems(QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    static void click(const char* name) {
        auto* button = frmMain->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static bool startInFront() {
        return frmMain->mdiArea->activeSubWindow() == frmMain->startChild;
    }

    int questionsStarted = 0;
};

const QStringList kStartMenus = {"ファイル(&F): 終了(&X)",
                                 "ヘルプ(&H): 使い方(&U), バージョン(&V)"};
const QStringList kFrameMenus = {
    "ファイル(&F): 開く(&O), 保存する(&S), -, 印刷する(&P), 模範解答を印刷(&A)..., "
    "印刷の設定(&T)..., "
    "-, 閉じる(&C)",
    "編集(&E): 問題を編集する(&E)", "表示(&V): 記録(&R)",
    "問題変更(&M): 次の問題(&N), 単元変更(&C), -, ヒント(&T)",
    "ヘルプ(&H): 使い方(&U), ワンポイント(&P), バージョン情報(&V)"};

TEST_F(ShellTest, StartUpCreatesTheWindowsAndPutsTheStartWindowInFront) {
    startProgram();
    ASSERT_TRUE(frmMain && frmStart && frmPage && frmVersion);
    EXPECT_EQ(frmMain->objectName(), "frmMain");
    EXPECT_EQ(frmStart->objectName(), "frmStart");
    EXPECT_EQ(frmPage->objectName(), "frmPage");
    EXPECT_EQ(frmVersion->objectName(), "frmVersion");
    EXPECT_EQ(frmMain->windowTitle(), "Tabulon 数学Ｃ／行列と連立方程式");
    EXPECT_EQ(frmStart->windowTitle(), "単元選択");
    EXPECT_EQ(frmPage->windowTitle(), "　　連立方程式");
    EXPECT_EQ(frmVersion->parent(), frmMain.data());
    EXPECT_FALSE(frmVersion->isVisible());

    // The two children, start window first, both without a frame.
    const auto children = frmMain->mdiArea->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0]->widget(), frmStart.data());
    EXPECT_EQ(children[1]->widget(), frmPage.data());
    for (QMdiSubWindow* child : children)
        EXPECT_TRUE(child->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(startInFront());
    EXPECT_FALSE(frmMain->pnlMain->isVisible());
    EXPECT_EQ(menuBarTexts(), kStartMenus);

    // Folders and questions.
    EXPECT_EQ(QString::fromStdString(paths.progFolder), tempDir.path() + "/");
    EXPECT_EQ(QString::fromStdString(paths.recFolder), tempDir.path() + "/config/");
    EXPECT_EQ(questionBank.unitTotal, 4);
    EXPECT_EQ(QString::fromStdString(questionBank.quesFilePath), tempPath("RAver.sim"));
    EXPECT_EQ(questionsStarted, 1);
    EXPECT_TRUE(ui.log.empty());

    // Every control carries its name.
    for (const char* name : {"pnlMain", "cmbMenu", "btnClose"})
        EXPECT_NE(frmMain->findChild<QWidget*>(name), nullptr) << name;
    for (const char* name :
         {"btnGridora", "btnRenritsu", "btnHelp", "btnEnd", "btnTitle", "pnlPict"})
        EXPECT_NE(frmStart->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(ShellTest, FrameAndStartWindowTakeTheirPlacesFromTheScreen) {
    startProgram();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(frmMain->pos(), QPoint(0, 0));
    EXPECT_EQ(frmMain->size(), QSize(screen.width(), screen.height() - 28));
    EXPECT_EQ(frmMain->pnlMain->geometry(),
              QRect(0, 0, panelWidthFor(screen.width()), screen.height() - 28 - 56));
    EXPECT_EQ(frmMain->startChild->geometry(),
              QRect(0, 0, screen.width() - 8, screen.height() - 84));
    EXPECT_EQ(frmMain->pageChild->geometry(),
              QRect(panelWidthFor(screen.width()), 0,
                    screen.width() - panelWidthFor(screen.width()) - 12, screen.height() - 84));
    EXPECT_EQ(frmStart->palette().color(QPalette::Window), QColor(232, 232, 232));
    EXPECT_EQ(frmMain->mdiArea->background().color(), QColor(0, 192, 192));

    // The title picture is centred, 50 pixels above the middle; the place name
    // 10 pixels under it.
    auto* title = frmStart->btnTitle;
    const QRect t = title->geometry();
    EXPECT_LE(std::abs(t.center().x() - frmStart->width() / 2), 1);
    EXPECT_EQ(t.top(), (frmStart->height() - t.height()) / 2 - 50);
    EXPECT_EQ(frmStart->pnlPict->geometry().top(), t.bottom() + 1 + 10);
    EXPECT_FALSE(frmStart->pnlPict->text().isEmpty());
    // The picture is painted: its middle is not the window's grey.
    const QImage face = title->grab().toImage();
    EXPECT_NE(face.pixelColor(face.rect().center()), QColor(232, 232, 232));
}

TEST_F(ShellTest, PanelAndUnitItemsAreExact) {
    startProgram();
    EXPECT_EQ(comboItems(frmMain->cmbMenu),
              QStringList({"２元１次連立方程式", "３元１次連立方程式", "４元１次連立方程式",
                           "特殊な解が出るもの"}));
    EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 0);
    EXPECT_FALSE(frmMain->cmbMenu->isEditable());
    EXPECT_EQ(frmMain->btnClose->text(), " 閉じる　　");
    EXPECT_EQ(frmStart->btnGridora->text(), "行列の学習");
    EXPECT_EQ(frmStart->btnRenritsu->text(), "連立方程式");
    EXPECT_EQ(frmStart->btnHelp->text(), "  ヘルプ　　");
    EXPECT_EQ(frmStart->btnEnd->text(), "　 終　了　　");
    // btnClose sits at the foot of the panel, the drill's place above it. The
    // panel is hidden behind the start window until the drill is entered.
    EXPECT_FALSE(frmMain->pnlMain->isVisible());
    click("btnRenritsu");
    EXPECT_GT(frmMain->btnClose->geometry().top(), frmMain->pnlDrill->geometry().bottom());
    EXPECT_GT(frmMain->pnlDrill->geometry().top(), frmMain->cmbMenu->geometry().bottom());
}

TEST_F(ShellTest, EnteringAndLeavingTheDrillSwapsPanelAndMenus) {
    startProgram();
    int focusRules = 0;
    shellHooks.applyFocusRule = [&] { ++focusRules; };

    click("btnRenritsu");
    EXPECT_EQ(frmMain->mdiArea->activeSubWindow(), frmMain->pageChild);
    EXPECT_TRUE(frmMain->pnlMain->isVisible());
    EXPECT_EQ(menuBarTexts(), kFrameMenus);
    EXPECT_GE(focusRules, 1);

    click("btnClose");
    EXPECT_TRUE(startInFront());
    EXPECT_FALSE(frmMain->pnlMain->isVisible());
    EXPECT_EQ(menuBarTexts(), kStartMenus);

    click("btnRenritsu");
    frmMain->mnuClose->trigger();
    EXPECT_TRUE(startInFront());
    EXPECT_FALSE(frmMain->pnlMain->isVisible());

    // Going in and out never sets a question up again.
    EXPECT_EQ(questionsStarted, 1);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ShellTest, PanelAndHiddenWindowsAreMadeWhenFirstNeeded) {
    startProgram(true, false, true);
    EXPECT_EQ(drillPanel, nullptr);
    EXPECT_EQ(frmVersion, nullptr);
    EXPECT_EQ(questionsStarted, 1);

    // Entering the drill makes the panel and shows it.
    click("btnRenritsu");
    ASSERT_NE(drillPanel, nullptr);
    EXPECT_TRUE(drillPanel->btnGyou[0]->isVisible());
    EXPECT_TRUE(drillPanel->btnGyou[0]->isEnabled());

    // The rest come once, whoever asks first.
    createHiddenWindows();
    const QPointer<TfrmVersion> version = frmVersion;
    ASSERT_NE(version, nullptr);
    createHiddenWindows();
    EXPECT_EQ(frmVersion, version);
    EXPECT_EQ(frmMain->findChildren<TfrmVersion*>().size(), 1);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ShellTest, CommandsWithoutTheirWindowDoNothing) {
    startProgram();
    click("btnRenritsu");
    // A command whose window has not installed itself does nothing.
    shellHooks.printWorksheet = nullptr;
    shellHooks.showRecords = nullptr;
    for (QAction* a : {frmMain->mnuPrint, frmMain->mnuRecord})
        a->trigger();
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_EQ(questionsStarted, 1);
    EXPECT_TRUE(ui.log.empty());

    // Once a window has installed itself, its command reaches it.
    int calculators = 0;
    shellHooks.showCalculator = [&] { ++calculators; };
    click("btnClose");
    click("btnGridora");
    EXPECT_EQ(calculators, 1);
}

TEST_F(ShellTest, UnitSwitchingGoesThroughTheProblemChoice) {
    startProgram();
    click("btnRenritsu");
    std::vector<bool> unitListShown;
    int result = 1;
    shellHooks.showProblemChoice = [&](bool showUnitList) {
        unitListShown.push_back(showUnitList);
        return result;
    };
    frmMain->cmbMenu->setCurrentIndex(2);
    frmMain->cmbMenu->activated(2);
    EXPECT_EQ(questionsStarted, 2);
    result = 2;  // cancelled: nothing is set up
    frmMain->mnuChange->trigger();
    EXPECT_EQ(questionsStarted, 2);
    EXPECT_EQ(unitListShown, (std::vector<bool>{false, true}));
}

TEST_F(ShellTest, OpeningAnotherQuestionFile) {
    startProgram();
    click("btnRenritsu");
    std::vector<std::string> presets;
    std::string chosen;
    frmMain->chooseQuestionFile = [&](const std::string& preset) -> std::optional<std::string> {
        presets.push_back(preset);
        return chosen;
    };
    int choices = 0;
    shellHooks.showProblemChoice = [&](bool) {
        ++choices;
        return 2;
    };

    // A file that does not split: reported, and the shipped file comes back.
    ASSERT_TRUE(writeCp932Lines(tempPath("bad.sim").toStdString(), {"<<A", ">>"}));
    chosen = tempPath("bad.sim").toStdString();
    frmMain->mnuOpen->trigger();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{chosen + ":問題が不正です"});
    EXPECT_EQ(questionBank.unitTotal, 4);
    EXPECT_EQ(QString::fromStdString(questionBank.quesFilePath), tempPath("RAver.sim"));
    EXPECT_EQ(choices, 0);

    // A good file: the drill starts at unit 1 and the problem choice follows.
    frmMain->cmbMenu->setCurrentIndex(3);
    ASSERT_TRUE(writeCp932Lines(tempPath("two.SIM").toStdString(),
                                {"<<一", "x+y=2;x-y=0", ">>", "<<二", "x+y=4;x-y=2", ">>"}));
    chosen = tempPath("two.SIM").toStdString();
    frmMain->mnuOpen->trigger();
    EXPECT_EQ(questionBank.unitTotal, 2);
    EXPECT_EQ(questionBank.quesFilePath, chosen);
    EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 0);
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(presets, (std::vector<std::string>{tempPath("RAver.sim").toStdString(),
                                                 tempPath("RAver.sim").toStdString()}));
}

TEST_F(ShellTest, HelpOpensTheDocumentFromTheProgramFolder) {
    startProgram(true, true);
    // The start button moves back to the program folder first.
    QDir(tempDir.path()).mkdir("elsewhere");
    QDir::setCurrent(tempPath("elsewhere"));
    click("btnHelp");
    EXPECT_EQ(QDir::currentPath(), tempDir.path());
    HelpWindow* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser->toPlainText().contains("目次"));
    EXPECT_TRUE(help->browser->source().fragment().isEmpty());

    click("btnRenritsu");
    frmMain->mnuOnePoint->trigger();
    EXPECT_EQ(help->browser->source().fragment(), "230");
    EXPECT_TRUE(help->browser->toPlainText().contains("ワンポイント"));
    QTest::qWait(20);
    EXPECT_GT(help->browser->verticalScrollBar()->value(), 0);  // the topic, far down
    frmMain->mnuHowTo->trigger();  // and back to the contents at the top
    EXPECT_EQ(help->browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ShellTest, AMissingHelpDocumentIsNamedInAMessage) {
    startProgram(true, false);
    click("btnHelp");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("Gridora.hlp"), std::string::npos);
    EXPECT_TRUE(helpWindow() == nullptr || !helpWindow()->isVisible());
}

TEST_F(ShellTest, VersionDialogFromBothMenus) {
    startProgram();
    for (QAction* item : {frmStart->mnuVersion, frmMain->mnuVersion}) {
        withModal([&] { item->trigger(); },
                  [](QWidget* modal) {
                      EXPECT_EQ(modal->objectName(), "frmVersion");
                      EXPECT_EQ(modal->windowTitle(), "バージョン情報");
                      EXPECT_EQ(modal->findChild<QLabel*>("lblProduct")->text(),
                                "Tabulon 数学Ｃ／行列と連立方程式");
                      EXPECT_FALSE(modal->findChild<QLabel*>("imgIcon")->pixmap().isNull());
                      EXPECT_FALSE(modal->windowFlags() & Qt::WindowMinimizeButtonHint);
                      EXPECT_FALSE(modal->windowFlags() & Qt::WindowMaximizeButtonHint);
                      QTest::mouseClick(modal->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
                  });
    }
}

TEST_F(ShellTest, EndClosesWithoutAQuestionWhenNothingIsUnsaved) {
    startProgram();
    click("btnEnd");
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(ShellTest, UnsavedQuestionsAreOfferedForSavingOnClose) {
    startProgram();
    questionBank.quesSaved = false;
    questionBank.quesBackup = {"kept"};

    ui.answers = {Answer::Cancel};
    frmStart->mnuExit->trigger();
    EXPECT_TRUE(frmMain->isVisible());
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].kind, "yesnocancel");
    EXPECT_EQ(ui.log[0].caption, "確認");
    EXPECT_EQ(ui.log[0].text, "ファイルを保存しますか？");

    // Yes closes only once the text is written: a cancelled save dialog keeps it open.
    frmEditQues->chooseSaveFile = [](const std::string&) { return std::nullopt; };
    ui.answers = {Answer::Yes};
    frmMain->close();
    EXPECT_TRUE(frmMain->isVisible());
    bool written = false;
    shellHooks.saveQuestionFile = [&] { return written; };
    ui.answers = {Answer::Yes};
    frmMain->close();
    EXPECT_TRUE(frmMain->isVisible());
    written = true;
    ui.answers = {Answer::Yes};
    frmMain->close();
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_TRUE(questionBank.quesBackup.empty());
}

TEST_F(ShellTest, NoClosesWithoutSaving) {
    startProgram();
    questionBank.quesSaved = false;
    int saves = 0;
    shellHooks.saveQuestionFile = [&] { return ++saves > 0; };
    ui.answers = {Answer::No};
    click("btnEnd");
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_EQ(saves, 0);
}

TEST_F(ShellTest, KeysOfTheDrillGoToTheKeyRoutingFirst) {
    startProgram();
    std::vector<int> routed;
    bool consume = true;
    shellHooks.routeKey = [&](QKeyEvent* key) {
        routed.push_back(key->key());
        return consume;
    };
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));

    // On the start window the keys are its own.
    frmStart->btnRenritsu->setFocus();
    QTest::keyClick(frmStart->btnRenritsu, Qt::Key_A);
    EXPECT_TRUE(routed.empty());

    click("btnRenritsu");
    frmMain->btnClose->setFocus();
    QTest::keyClick(frmMain->btnClose, Qt::Key_Plus);
    EXPECT_EQ(routed, std::vector<int>{Qt::Key_Plus});
    // A used-up Space does not press the focused button.
    QTest::keyClick(frmMain->btnClose, Qt::Key_Space);
    EXPECT_TRUE(frmMain->pnlMain->isVisible());
    // A key the routing leaves alone reaches the control, and is routed once.
    consume = false;
    routed.clear();
    QTest::keyClick(frmMain->btnClose, Qt::Key_Space);
    EXPECT_EQ(routed, std::vector<int>{Qt::Key_Space});
    EXPECT_TRUE(startInFront());
}

TEST_F(ShellTest, MissingQuestionFileIsFatalAtStartUp) {
    startProgram(false);
    EXPECT_EQ(ui.terminatedWith, 1);
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages()[0],
              tempPath("RAver.sim").toStdString() + ":FileNot Exists0:回復不能なエラーです");
    EXPECT_EQ(questionsStarted, 0);
}

TEST_F(ShellTest, AQuestionFileThatDoesNotSplitIsReportedAtStartUp) {
    ASSERT_TRUE(writeCp932Lines(tempPath("RAver.sim").toStdString(), {"x+y=1;x-y=1"}));
    startProgram(false);
    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{tempPath("RAver.sim").toStdString() + ":問題が不正です"});
    EXPECT_EQ(ui.terminatedWith, -1);
    EXPECT_EQ(questionsStarted, 0);
    EXPECT_TRUE(startInFront());
}

}  // namespace
