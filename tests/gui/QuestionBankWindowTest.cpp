// The question bank's windows: the problem choice in every place of the unit
// switching, the step listing, and the question editor with its check, OK,
// Cancel and saving, up to the frame's close query.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "drill/DrillState.h"
#include "questions/ProblemChoice.h"
#include "questions/QuestionEditor.h"
#include "questions/QuestionLine.h"
#include "questions/ui/TfrmDebug.h"
#include "questions/ui/TfrmEditQues.h"
#include "questions/ui/TfrmMondai.h"
#include "questions/ui/TfrmSakusei.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::vector<Lines> kUnits = {
    {"x+y=7;x-y=3", "2x+3y=13;x-y=-1"},
    {"x+y+z=6;x-y+z=2;x+y-z=0", "2x+y-z=2;x-y+2z=7;3x+2y+z=11", "x+2y+z=8;2x-y=0;y+3z=11"},
    {"x+y+z+w=10;x-y+z-w=-2;x+y-z-w=-4;x-y-z+w=0"},
    {"x+2y=3;2x+4y=6", "x+y+z=3;x+2y+3z=6;2x+3y+4z=9"}};

std::string readBytes(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

template <class T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class QuestionBankWindowTest : public DrillWindowTest {
  protected:
    void start() {
        startProgram(kUnits);
        click(frmStart->btnRenritsu);
        QApplication::processEvents();
    }

    // Runs `action`, then handles the modal windows it opens, one after the
    // other, each with the next function of `steps`; each must close its window.
    void withModals(const std::function<void()>& action,
                    std::vector<std::function<void(QWidget*)>> steps) {
        expectModal = true;
        std::size_t next = 0;
        QWidget* handled = nullptr;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == handled || next >= steps.size())
                return;
            handled = modal;
            steps[next++](modal);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            while (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
                modal->close();
                QApplication::processEvents();
            }
        });
        poll.start();
        guard.start(8000);
        action();
        poll.stop();
        guard.stop();
        expectModal = false;
        EXPECT_EQ(next, steps.size()) << "fewer modal windows than expected";
    }

    static void press(QWidget* modal, const char* name) {
        QTest::mouseClick(child<QPushButton>(modal, name), Qt::LeftButton);
    }
    static std::function<void(QWidget*)> pressOk() {
        return [](QWidget* m) { press(m, "btnOK"); };
    }
    static void chooseInCombo(int index) {
        frmMain->cmbMenu->setCurrentIndex(index);
        frmMain->cmbMenu->activated(index);
    }
    // Which slots of the choice window show, and which bracket is marked.
    static std::string slotsShown() {
        std::string out;
        for (int k = 1; k <= 5; ++k)
            out += frmMondai->Image[k]->isVisible() ? (k == problemChoice.marked ? 'M' : 'o') : '-';
        return out;
    }
    static bool markerOn(int k) { return !frmMondai->imgKakko[k]->picture().empty(); }
    std::vector<std::string> taskRows() {
        std::vector<std::string> out;
        for (int i = 1; i <= drillState.unknownCount; ++i)
            out.push_back(
                std::to_string(equationList.rows[i].terms[drillState.unknownCount + 1].numerator));
        return out;
    }
    // Replaces the editor's text as a teacher's edit does.
    static void editText(const Lines& lines) {
        QString text;
        for (const auto& l : lines)
            text += QString::fromStdString(l) + "\n";
        frmEditQues->memQues->setPlainText(text);
    }
    static Lines fileLines(const std::vector<Lines>& units) {
        static const char* const names[] = {"２元１次連立方程式", "３元１次連立方程式",
                                            "４元１次連立方程式", "特殊な解が出るもの"};
        Lines out;
        for (std::size_t u = 0; u < units.size(); ++u) {
            out.push_back(std::string("<<") + names[u % 4]);
            out.insert(out.end(), units[u].begin(), units[u].end());
            out.push_back(">>");
        }
        return out;
    }
};

// ---- the problem choice ------------------------------------------------------

TEST_F(QuestionBankWindowTest, QuestionThreeOfUnitTwoThroughTheCombo) {
    start();
    withModals([] { chooseInCombo(1); }, {[](QWidget* m) {
                   EXPECT_EQ(m, frmMondai.data());
                   EXPECT_EQ(m->windowTitle(), "単元変更");
                   EXPECT_FALSE(frmMondai->lstTangen->isVisible());
                   EXPECT_EQ(slotsShown(), "Moo--");
                   EXPECT_TRUE(markerOn(1));
                   press(m, "btnShiki3");
                   EXPECT_EQ(slotsShown(), "ooM--");
                   EXPECT_TRUE(markerOn(3));
                   EXPECT_FALSE(markerOn(1));
                   press(m, "btnOK");
               }});
    EXPECT_EQ(drillState.curUnit, 2);
    EXPECT_EQ(drillState.curQues[2], 3);
    EXPECT_EQ(drillState.curQues[1], 1);
    EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 1);
    EXPECT_EQ(drillState.unknownCount, 3);
    EXPECT_EQ(taskRows(), (std::vector<std::string>{"8", "0", "11"}));
    EXPECT_EQ(textLines(picture(1)).back(), "2(3)つぎの連立方程式を解きなさい");
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankWindowTest, UnitChangeListsTheUnitsAndPreviewsEachWithItsOwnCount) {
    start();
    withModals([] { frmMain->mnuChange->trigger(); }, {[](QWidget* m) {
                   QListWidget* list = frmMondai->lstTangen;
                   EXPECT_TRUE(list->isVisible());
                   QStringList names;
                   for (int i = 0; i < list->count(); ++i)
                       names << list->item(i)->text();
                   EXPECT_EQ(names, (QStringList{"２元１次連立方程式", "３元１次連立方程式",
                                                 "４元１次連立方程式", "特殊な解が出るもの"}));
                   EXPECT_EQ(list->currentRow(), 0);
                   // The fourth unit: two and three unknowns, both drawn.
                   list->setCurrentRow(3);
                   EXPECT_EQ(problemChoice.dlgUnit, 4);
                   EXPECT_EQ(slotsShown(), "Mo---");
                   EXPECT_EQ(problemChoice.questionSlots[2].rows.size(), 3u);
                   for (int k = 1; k <= 2; ++k)
                       EXPECT_TRUE(inked(frmMondai->Image[k]->image())) << k;
                   QTest::mouseClick(frmMondai->Image[2], Qt::LeftButton);
                   press(m, "btnOK");
               }});
    EXPECT_EQ(drillState.curUnit, 4);
    EXPECT_EQ(drillState.curQues[4], 2);
    EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 3);
    EXPECT_EQ(drillState.unknownCount, 3);
    EXPECT_FALSE(frmMondai->lstTangen->isVisible());
}

TEST_F(QuestionBankWindowTest, CancelRestoresEverything) {
    start();
    clickAll("btnGyou1 btnTasu btnGyou2 btnJikkou");  // a worksheet in progress
    const int step = drillState.curStep;
    for (bool fromMenu : {true, false}) {
        SCOPED_TRACE(fromMenu ? "単元変更" : "cmbMenu");
        withModals([&] { fromMenu ? frmMain->mnuChange->trigger() : chooseInCombo(2); },
                   {[fromMenu](QWidget* m) {
                       if (fromMenu) {
                           frmMondai->lstTangen->setCurrentRow(1);
                           QTest::mouseClick(frmMondai->imgKakko[2], Qt::LeftButton);
                           frmMondai->lstTangen->setCurrentRow(2);
                       }
                       press(m, "btnShiki1");
                       press(m, "btnCancel");
                   }});
        EXPECT_EQ(drillState.curUnit, 1);
        EXPECT_EQ(drillState.curQues[2], 1);
        EXPECT_EQ(drillState.curQues[1], 1);
        EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 0);
        EXPECT_EQ(drillState.unknownCount, 2);
        EXPECT_EQ(drillState.curStep, step);
        EXPECT_EQ(taskRows(), (std::vector<std::string>{"7", "3"}));
    }
}

TEST_F(QuestionBankWindowTest, TheStepListingShowsTheRowsOfTheStep) {
    start();
    clickAll("btnGyou1 btnTasu btnGyou2 btnJikkou");
    ASSERT_EQ(drillState.curStep, 3);
    withModals([] { QTest::mouseClick(image(3), Qt::RightButton, Qt::NoModifier, rowPoint(3, 0)); },
               {[](QWidget* m) {
                   EXPECT_EQ(m, frmDebug.data());
                   EXPECT_EQ(frmDebug->Edit1->text(), "3");
                   QStringList first;
                   for (int i = 0; i < frmDebug->LB[0]->count(); ++i)
                       first << frmDebug->LB[0]->item(i)->text();
                   EXPECT_EQ(first, (QStringList{"2x1", "0y1", "0=1", "10/1"}));
                   EXPECT_EQ(frmDebug->LB[1]->count(), 4);
                   press(m, "btnClose");
               }});
}

// ---- the question editor ---------------------------------------------------

TEST_F(QuestionBankWindowTest, TypingThenOkAsksForTheCheck) {
    start();
    withModals([] { frmMain->mnuEditRaver->trigger(); }, {[&](QWidget* m) {
                   EXPECT_EQ(m->windowTitle().toStdString(),
                             "問題の編集：" + questionBank.quesFilePath);
                   QTest::keyClicks(frmEditQues->memQues, "a");
                   press(m, "btnOk");
                   EXPECT_TRUE(m->isVisible());
                   EXPECT_EQ(ui.messages(), Lines{"エラーチェックしてください"});
                   // Esc asks before it throws the edit away; the button does not.
                   ui.answers = {Answer::No};
                   QTest::keyClick(frmEditQues->memQues, Qt::Key_Escape);
                   EXPECT_TRUE(m->isVisible());
                   EXPECT_EQ(ui.log.back().caption, "確認");
                   press(m, "btnCancel");
               }});
    // Cancelled: the text and the units are those from before.
    EXPECT_EQ(questionBank.lines, fileLines(kUnits));
    EXPECT_TRUE(questionBank.quesSaved);
}

TEST_F(QuestionBankWindowTest, TheCheckPointsAtTheBadLineAndOkRestartsWithTheChoice) {
    start();
    programDrill().chooseQuestion(2, 2);
    Lines edited = fileLines(kUnits);
    edited[1] = "x+y=9;x-y=1";
    Lines broken = edited;
    broken[7] = "x+y+z=6;x-y+z=2;x+y-w=0";
    withModals(
        [] { frmMain->mnuEditRaver->trigger(); },
        {[&](QWidget* m) {
             editText(broken);
             press(m, "btnCompile");
             EXPECT_EQ(frmEditQues->edtResult->text(), "??? 誤りがあります ???");
             EXPECT_EQ(frmEditQues->edtErTangen->text(), "３元１次連立方程式");
             ASSERT_EQ(frmEditQues->lstErQues->count(), 1);
             // The line, and why it is wrong.
             EXPECT_EQ(frmEditQues->lstErQues->item(0)->text(),
                       "x+y+z=6;x-y+z=2;x+y-w=0　← w は3元の問題では使えません");
             EXPECT_EQ(frmEditQues->memQues->textCursor().blockNumber(), 7);
             // Elsewhere, a click on the listed line finds it again.
             frmEditQues->memQues->moveCursor(QTextCursor::Start);
             QTest::mouseClick(
                 frmEditQues->lstErQues->viewport(), Qt::LeftButton, {},
                 frmEditQues->lstErQues->visualItemRect(frmEditQues->lstErQues->item(0)).center());
             EXPECT_EQ(frmEditQues->memQues->textCursor().blockNumber(), 7);
             // A NUL is shown as such, never as an empty box.
             broken[7] = std::string("x+y+z=6;x-y+z=2\0;x+y-z=0", 24);
             editText(broken);
             press(m, "btnCompile");
             ASSERT_EQ(frmEditQues->lstErQues->count(), 1);
             EXPECT_EQ(frmEditQues->lstErQues->item(0)->text(),
                       "x+y+z=6;x-y+z=2\\0;x+y-z=0　← 使えない文字「\\0」があります");
             // A space: listed at the character stage, the caret at the end of its line.
             broken[7] = "x+y+z=6;x-y+z=2;x+y-z= 0";
             editText(broken);
             press(m, "btnCompile");
             EXPECT_EQ(frmEditQues->memQues->textCursor().blockNumber(), 7);
             EXPECT_TRUE(frmEditQues->memQues->textCursor().atBlockEnd());
             EXPECT_EQ(frmEditQues->edtResult->text(), "");
             press(m, "btnOk");
             EXPECT_TRUE(m->isVisible());
             editText(edited);
             press(m, "btnCompile");
             EXPECT_EQ(frmEditQues->edtResult->text(), "☆☆☆　構文チェック成功　☆☆☆");
             EXPECT_EQ(frmEditQues->edtTangen->text(), "4");
             EXPECT_EQ(frmEditQues->edtErTangen->text(), "なし");
             press(m, "btnOk");
         },
         [](QWidget* m) {
             EXPECT_EQ(m, frmMondai.data());
             EXPECT_EQ(problemChoice.dlgUnit, 1);
             press(m, "btnOK");
         }});
    const Lines expected = {"x+y+z=6;x-y+z=2;x+y-w=0：問題が不正です",
                            "エラーチェックしてください"};
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_FALSE(questionBank.quesSaved);
    EXPECT_EQ(drillState.curUnit, 1);
    EXPECT_EQ(drillState.curQues[2], 1);  // the drill started afresh
    EXPECT_EQ(taskRows(), (std::vector<std::string>{"9", "1"}));
}

TEST_F(QuestionBankWindowTest, SavingUnderANewNameAndClosingWithUnsavedEdits) {
    start();
    const std::string newPath = tempPath("new.SIM").toStdString();
    std::vector<std::string> presets;
    frmEditQues->chooseSaveFile = [&](const std::string& preset) {
        presets.push_back(preset);
        return std::optional<std::string>(newPath);
    };
    frmMain->mnuSaveAs->trigger();
    EXPECT_EQ(questionBank.quesFilePath, newPath);
    EXPECT_EQ(frmEditQues->windowTitle().toStdString(), "問題の編集：" + newPath);
    EXPECT_EQ(presets, Lines{tempPath("RAver.sim").toStdString()});
    EXPECT_EQ(readBytes(newPath), readBytes(tempPath("RAver.sim").toStdString()));
    // The next open dialog starts from the new name.
    std::string openPreset;
    frmMain->chooseQuestionFile = [&](const std::string& preset) {
        openPreset = preset;
        return std::optional<std::string>();
    };
    frmMain->mnuOpen->trigger();
    EXPECT_EQ(openPreset, newPath);

    // An accepted edit leaves the text unsaved; closing asks, and Yes saves.
    // The unit name typed with the wave dash of Linux input shows and is kept
    // as CP932's ～, the character the file will hold.
    Lines edited = fileLines(kUnits);
    edited[0] = "<<第1章〜連立";
    edited[2] = "x+y=5;x-y=-1";
    Lines kept = edited;
    kept[0] = "<<第1章～連立";
    withModals(
        [] { frmMain->mnuEditRaver->trigger(); },
        {[&](QWidget* m) {
             editText(edited);
             EXPECT_EQ(
                 frmEditQues->memQues->toPlainText().section(QLatin1Char('\n'), 0, 0).toStdString(),
                 kept[0]);
             press(m, "btnCompile");
             press(m, "btnOk");
         },
         pressOk()});
    EXPECT_EQ(questionBank.unitName[1], "第1章～連立");
    ASSERT_FALSE(questionBank.quesSaved);
    ui.answers = {Answer::Yes};
    frmMain->close();
    EXPECT_FALSE(frmMain->isVisible());
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].text, "ファイルを保存しますか？");
    EXPECT_EQ(presets.back(), newPath);
    const auto cp932 = utf8ToCp932(joinLinesCrLf(kept));
    ASSERT_TRUE(cp932);
    EXPECT_EQ(readBytes(newPath), *cp932);
}

TEST_F(QuestionBankWindowTest, AQuestionFileThatCouldNotBeReadIsNeverReplaced) {
    const std::string sim = tempPath("RAver.sim").toStdString();
    const std::string bytes = "<<A\r\nx+y=1;x-y=1\r\n>>\r\n\x82";
    { std::ofstream(sim, std::ios::binary) << bytes; }
    launchProgram();
    EXPECT_EQ(ui.messages(),
              Lines{sim + "はシフトJIS（CP932）のテキストではないため読み込めません"});
    click(frmStart->btnRenritsu);
    ui.clear();
    std::vector<std::string> presets;
    frmEditQues->chooseSaveFile = [&](const std::string& preset) {
        presets.push_back(preset);
        return std::optional<std::string>(preset);
    };
    // Nothing was read: nothing is saved, and no dialog offers the file.
    frmMain->mnuSaveAs->trigger();
    EXPECT_EQ(ui.messages(), Lines{"保存する問題がありません"});
    EXPECT_TRUE(presets.empty());
    // A text typed afterwards is offered the folder, not the unread file.
    questionBank.lines = {"<<B", "x+y=2;x-y=0", ">>"};
    frmEditQues->chooseSaveFile = [&](const std::string& preset) {
        presets.push_back(preset);
        return std::optional<std::string>();
    };
    frmMain->mnuSaveAs->trigger();
    EXPECT_EQ(presets, Lines{tempPath("").toStdString()});
    EXPECT_EQ(readBytes(sim), bytes);
}

TEST_F(QuestionBankWindowTest, AUnitTheFileDoesNotHaveIsExplainedNotOpened) {
    startProgram({kUnits[0], kUnits[1]});
    click(frmStart->btnRenritsu);
    ui.clear();
    chooseInCombo(2);  // the third unit: this file has two
    EXPECT_EQ(ui.messages(),
              Lines{"いまの問題ファイルには3番目の単元がありません（単元は2つです）"});
    EXPECT_EQ(frmMain->cmbMenu->currentIndex(), 0);
}

TEST_F(QuestionBankWindowTest, ASaveIntoAReadOnlyFolderFailsCleanly) {
    start();
    const QString locked = tempPath("locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    fs::permissions(locked.toStdString(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string target = (locked + "/new.SIM").toStdString();
    frmEditQues->chooseSaveFile = [&](const std::string&) {
        return std::optional<std::string>(target);
    };
    questionBank.quesSaved = false;
    frmMain->mnuSaveAs->trigger();
    EXPECT_EQ(ui.messages(), Lines{target + " に保存できません"});
    EXPECT_FALSE(questionBank.quesSaved);
    EXPECT_EQ(questionBank.quesFilePath, tempPath("RAver.sim").toStdString());
    EXPECT_TRUE(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // Closing then asks again; a failed save keeps the program open.
    ui.clear();
    ui.answers = {Answer::Yes};
    frmMain->close();
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_EQ(ui.texts(), (Lines{"ファイルを保存しますか？", target + " に保存できません"}));
    fs::permissions(locked.toStdString(), fs::perms::owner_all);
}

// ---- questions made to order ---------------------------------------------

struct MakingCase {
    const char* name;
    int unit;
    int unknowns;  // what the window suggests for the unit
    int kind;      // cmbShurui: 0 one solution … 3 a mixture (suggested)
    int level;     // cmbLevel: 0 やさしい, 1 ふつう, 2 むずかしい
};

class MakingWindowTest : public QuestionBankWindowTest,
                         public ::testing::WithParamInterface<MakingCase> {};

// 問題を作る → OK puts five new questions in place of the unit's, the name
// and the other units kept; the check passes, OK takes the text over, and the
// drill sets up the first new question.
TEST_P(MakingWindowTest, MadeQuestionsReplaceTheUnitAndTheDrillSetsUpTheFirst) {
    const MakingCase& c = GetParam();
    start();
    const Lines before = fileLines(kUnits);
    std::vector<std::string> made;
    // The window opened from the editor's modal loop.
    auto handleSakusei = [&](QWidget* m) {
        ASSERT_TRUE(m && m == frmSakusei.data());
        // What the unit's place suggests.
        EXPECT_EQ(frmSakusei->cmbTangen->currentIndex(), c.unit - 1);
        EXPECT_EQ(frmSakusei->cmbGensu->currentIndex(), c.unknowns - 2);
        EXPECT_EQ(frmSakusei->cmbShurui->currentIndex(), c.unit == 4 ? 3 : 0);
        frmSakusei->cmbShurui->setCurrentIndex(c.kind);
        frmSakusei->cmbLevel->setCurrentIndex(c.level);
        frmSakusei->updKazu->setValue(5);
        frmSakusei->setSeed(2026);
        made = frmSakusei->questions();
        EXPECT_EQ(made.size(), 5u);
        for (TfrmSakuseiPreview* preview : frmSakusei->imgPreview) {
            EXPECT_TRUE(preview->isVisible());
            EXPECT_FALSE(preview->picture().empty());
        }
        // 作り直す draws others.
        press(m, "btnRemake");
        EXPECT_NE(frmSakusei->questions(), made);
        frmSakusei->setSeed(2026);
        EXPECT_EQ(frmSakusei->questions(), made);
        // The window fits a screen of 800 x 600 with its frame.
        EXPECT_LE(m->width(), 790);
        EXPECT_LE(m->height(), 560);
        press(m, "btnOK");
    };
    withModals(
        [] { frmMain->mnuEditRaver->trigger(); },
        {[&](QWidget* m) {
             // The caret in the unit: the window opens on it.
             int line = 0;
             for (int seen = 0; line < static_cast<int>(before.size()); ++line)
                 if (before[static_cast<std::size_t>(line)].starts_with("<<") && ++seen == c.unit)
                     break;
             frmEditQues->memQues->setTextCursor(
                 QTextCursor(frmEditQues->memQues->document()->findBlockByNumber(line + 1)));
             QTimer::singleShot(100, [&] { handleSakusei(QApplication::activeModalWidget()); });
             press(m, "btnSakusei");
             Lines after = splitLines(frmEditQues->memQues->toPlainText().toStdString());
             while (!after.empty() && after.back().empty())
                 after.pop_back();
             // Only the unit's questions changed.
             Lines expected;
             int unit = 0;
             bool inUnit = false;
             for (const std::string& l : before) {
                 if (inUnit && l != ">>")
                     continue;
                 inUnit = false;
                 expected.push_back(l);
                 if (l.starts_with("<<") && ++unit == c.unit) {
                     expected.insert(expected.end(), made.begin(), made.end());
                     inUnit = true;
                 }
             }
             EXPECT_EQ(after, expected);
             press(m, "btnCompile");
             EXPECT_EQ(frmEditQues->edtResult->text(), "☆☆☆　構文チェック成功　☆☆☆");
             press(m, "btnOk");
         },
         [](QWidget* m) {
             EXPECT_EQ(m, frmMondai.data());
             press(m, "btnOK");
         }});
    ASSERT_EQ(made.size(), 5u);
    // The unit keeps its name.
    std::vector<std::string> names;
    for (const std::string& l : before)
        if (l.starts_with("<<"))
            names.push_back(l.substr(2));
    EXPECT_EQ(questionBank.unitName[c.unit], names[static_cast<std::size_t>(c.unit - 1)]);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(questionBank.quesLine[c.unit][k], made[static_cast<std::size_t>(k - 1)]);
    programDrill().chooseQuestion(c.unit, 1);
    ASSERT_TRUE(programDrill().startQuestion(false));
    EXPECT_EQ(drillState.lstExt, splitQuestionLine(made[0]));
    EXPECT_EQ(drillState.unknownCount, c.unknowns);
    EXPECT_FALSE(programDrill().questionSolved());
}

const MakingCase kMakingCases[] = {
    {"Unit1Easy", 1, 2, 0, 0},
    {"Unit2Normal", 2, 3, 0, 1},
    {"Unit3Hard", 3, 4, 0, 2},
    {"Unit4MixedEasy", 4, 2, 3, 0},
    {"Unit4NoSolutionNormal", 4, 2, 1, 1},
};

INSTANTIATE_TEST_SUITE_P(Units, MakingWindowTest, ::testing::ValuesIn(kMakingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
