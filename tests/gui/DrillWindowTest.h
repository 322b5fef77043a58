#pragma once
// Shared set-up for the drill's window tests: the program started as main()
// starts it (frame, panel, start window, worksheet) on a question file of the
// test's own, the drill entered, and short ways to reach the controls, press
// them and read what the pictures hold.

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "WindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/ShellHooks.h"
#include "app/ui/StartUp.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "drill/Drill.h"
#include "drill/Keys.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/ui/QtDialogs.h"
#include "questions/QuestionBank.h"

class DrillWindowTest : public WindowTest {
  protected:
    void TearDown() override {
        // The MDI area reports its last activation while the frame is being
        // deleted; the frame is no longer there to hear it.
        if (frmMain)
            QObject::disconnect(frmMain->mdiArea, nullptr, frmMain, nullptr);
        destroyWindows();
        programDrill().resetDrillModel();
        WindowTest::TearDown();
    }

    // Writes a question file with one unit per entry of `units` (the unit
    // names of the shipped file, in order) and starts the program on it.
    void startProgram(const std::vector<std::vector<std::string>>& units) {
        static const char* const names[] = {"２元１次連立方程式", "３元１次連立方程式",
                                            "４元１次連立方程式", "特殊な解が出るもの"};
        std::vector<std::string> lines;
        for (std::size_t u = 0; u < units.size(); ++u) {
            lines.push_back(std::string("<<") + names[u % 4]);
            for (const auto& q : units[u])
                lines.push_back(q);
            lines.push_back(">>");
        }
        ASSERT_TRUE(writeCp932Lines(tempPath("RAver.sim").toStdString(), lines));
        launchProgram();
    }

    // Starts the program as main() does on the RAver.sim in the current folder.
    void launchProgram() {
        numberState = {};
        equationList = EquationList{};
        questionBank = QuestionBank{};
        paths = Paths{};
        shellHooks = ShellHooks{};
        programDrill().resetDrillModel();
        createWindows();
        frmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain));
        ASSERT_TRUE(frmPage && drillPanel);
    }

    // Starts on the given questions of unit 1 and enters the drill.
    void enterDrill(const std::vector<std::string>& questions) {
        startProgram({questions});
        click(frmStart->btnRenritsu);
        QApplication::processEvents();
    }

    static QPushButton* button(const char* name) {
        auto* b = frmMain->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static void click(QPushButton* b) {
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Clicks the drill's buttons named in `names`, separated by spaces.
    static void clickAll(const std::string& names) {
        std::size_t start = 0;
        while (start < names.size()) {
            std::size_t end = names.find(' ', start);
            if (end == std::string::npos)
                end = names.size();
            if (end > start)
                click(button(names.substr(start, end - start).c_str()));
            start = end + 1;
        }
    }

    // A key as the student types it: to the widget that has the focus, where
    // the frame's key preview sees it first.
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    const QString& text = QString()) {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = frmMain;
        QKeyEvent press(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k, mods, text);
        QApplication::sendEvent(target, &release);
    }

    static TfrmPageImage* image(int k) { return frmPage->imageWidget(k); }
    static const Picture& picture(int k) {
        static const Picture none;
        const Picture* p = worksheetPictures.image(k);
        return p ? *p : none;
    }
    static std::string opLabelOn(int k) {
        auto labels = picture(k).all<OpLabelItem>();
        return labels.empty() ? std::string() : labels.back()->text;
    }
    static std::vector<std::string> textLines(const Picture& p) {
        std::vector<std::string> out;
        for (const auto* t : p.all<TextLineItem>())
            out.push_back(t->text);
        return out;
    }
    // Whether the picture shows anything but white.
    static bool inked(const QImage& img) {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
        return false;
    }
    // The middle of row r of the matrix on picture k, in the picture's pixels.
    static QPoint rowPoint(int k, int r) {
        const StepMatrixItem* m = picture(k).matrix();
        if (!m)
            return QPoint(-1, -1);
        return QPoint(kMatrixLeft + 10, m->rowTop(r) + kMatrixRowHeight / 2);
    }
};

// Messages go to the scripted port; the special-solution choice is the
// program's own window, through the Qt port, as wired at start-up.
class WindowChoiceUi final : public UiPort {
  public:
    explicit WindowChoiceUi(ScriptedUi& s) : scripted(s) { setUi(this); }
    ~WindowChoiceUi() override { setUi(&scripted); }
    void showMessage(const std::string& t) override { scripted.showMessage(t); }
    bool askYesNo(const std::string& c, const std::string& t) override {
        return scripted.askYesNo(c, t);
    }
    Answer askYesNoCancel(const std::string& c, const std::string& t) override {
        return scripted.askYesNoCancel(c, t);
    }
    Answer askAbortRetryIgnore(const std::string& c, const std::string& t) override {
        return scripted.askAbortRetryIgnore(c, t);
    }
    int chooseSpecialSolution() override { return qtUi().chooseSpecialSolution(); }
    void terminate(int status) override { scripted.terminate(status); }

  private:
    ScriptedUi& scripted;
};
