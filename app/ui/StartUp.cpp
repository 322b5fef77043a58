#include "app/ui/StartUp.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "app/ProgramState.h"
#include "app/ui/ShellHooks.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "app/ui/TfrmVersion.h"
#include "arith/ui/TfrmDentaku.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/Drill.h"
#include "drill/QuestionCheck.h"
#include "drill/ui/AnswerKeyPrint.h"
#include "drill/ui/QtDrillSync.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"
#include "drill/ui/TfrmPrintS.h"
#include "matrix/Matrix.h"
#include "matrix/ui/TfrmInput.h"
#include "matrix/ui/TfrmKeisan.h"
#include "platform/Paths.h"
#include "platform/UiPort.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtHelp.h"
#include "questions/ui/TfrmDebug.h"
#include "questions/ui/TfrmEditQues.h"
#include "questions/ui/TfrmMondai.h"
#include "records/ui/TfrmDelete.h"
#include "records/ui/TfrmKiroku.h"

// The program-wide window instances. A window deleted with the frame sets
// its instance back to null.
QPointer<TfrmMain> frmMain;
QPointer<TfrmStart> frmStart;
QPointer<TfrmPage> frmPage;
QPointer<TfrmVersion> frmVersion;

Drill& programDrill() {
    // Made on first use, over the program-wide state; it talks to the student
    // through whichever UI port is installed at the time.
    static Drill drill(equationList, drillState, entryState, worksheetLayout, worksheetPictures,
                       questionBank, paths, installedUi());
    return drill;
}

namespace {

bool hiddenWindowsMade = false;

PixelRect pixelRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Where the special-solution window goes: the drill's placement rule beside
// the step picture it names, on the primary screen.
std::optional<QPoint> sentakuPlacement(QSize frame) {
    if (!frmPage)
        return std::nullopt;
    const QRect image = frmPage->imageScreenRect(specialChoiceImage(drillState.curStep));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const PixelRect area = screen ? pixelRect(screen->availableGeometry()) : PixelRect{};
    const std::optional<PixelPoint> at =
        specialChoicePosition(pixelRect(image), frame.width(), frame.height(), area);
    if (!at)
        return std::nullopt;
    return QPoint(at->x, at->y);
}

int chooseSpecialSolution() {
    if (!frmSentaku) {
        frmSentaku = new TfrmSentaku(frmMain);
        QObject::connect(frmSentaku, &QObject::destroyed, [] { frmSentaku = nullptr; });
    }
    frmSentaku->placement = sentakuPlacement;
    frmSentaku->hintRequested = [] { programDrill().specialChoiceHint(); };
    return runSentaku();
}

// The frame's commands that reach the drill: focus rule, redrawing after a
// question is set up, the special-solution choice.
void watchDrill() {
    shellHooks.applyFocusRule = [] {
        programDrill().applyFocusRule();
        syncDrillWindows();
    };
    // Whoever listened for set-up questions before keeps listening.
    shellHooks.questionStarted = [previous = shellHooks.questionStarted] {
        if (previous)
            previous();
        syncDrillWindows();
    };
    qtUi().specialSolutionChooser = chooseSpecialSolution;
    watchDrillModel(programDrill());
}

void runCalculator(bool solveByInverse);

// The drill's controls on pnlMain, with the key preview and the next
// question command that reach them. pnlMain is hidden until the drill is
// entered, so the panel is made after the first frame, or when the drill is
// entered if that comes first.
void createDrillPanel() {
    if (drillPanel || !frmMain)
        return;
    auto* panel = new TfrmMainDrillPanel(programDrill(), frmMain->pnlDrill);
    if (frmMain->pnlDrill->isVisible())
        panel->show();  // a child made after its parent was shown shows only when told
    shellHooks.routeKey = [panel](QKeyEvent* e) { return panel->previewKey(e); };
    shellHooks.nextQuestion = [panel] { panel->btnNextClick(); };
    panel->solveByInverse = [] {
        // Only a question on the worksheet has a system to solve.
        if (!drillState.questionReady)
            return;
        runCalculator(true);
        if (shellHooks.applyFocusRule)
            shellHooks.applyFocusRule();
    };
    panel->syncFromModel();
}

// The unit switching's question choice: frmMondai for the unit of cmbMenu;
// OK makes the marked question the drill's current one. Either way cmbMenu
// then names the unit the drill works in.
void installProblemChoice() {
    shellHooks.showProblemChoice = [](bool showUnitList) {
        createHiddenWindows();
        if (!frmMondai || !frmMain)
            return 2;
        ProblemChoiceRequest request;
        const int item = frmMain->cmbMenu->currentIndex();
        request.comboIndex = item >= 0 ? item : drillState.curUnit - 1;
        request.curQues = drillState.curQues;
        request.unknownCount = drillState.unknownCount;
        request.showUnitList = showUnitList;
        const int result = frmMondai->showFor(request);
        if (result == 1) {
            const ChoiceResult chosen = problemChoice.accept();
            programDrill().chooseQuestion(chosen.unit, chosen.question);
        }
        frmMain->cmbMenu->setCurrentIndex(drillState.curUnit - 1);
        return result;
    };
}

// 問題を編集する(&E) and the save procedure of the question text.
void installQuestionEditor() {
    shellHooks.saveQuestionFile = [] {
        createHiddenWindows();
        return frmEditQues && frmEditQues->saveQuestionFile();
    };
    shellHooks.editQuestions = [] {
        createHiddenWindows();
        runQuestionEditor(
            [] {
                // The drill starts again at unit 1; the unit choice says so too.
                const bool ready = programDrill().startQuestion(true);
                if (frmMain)
                    frmMain->cmbMenu->setCurrentIndex(0);
                if (shellHooks.questionStarted)
                    shellHooks.questionStarted();
                return ready;
            },
            [] {
                if (frmMain)
                    frmMain->switchUnit(false);
            });
    };
}

// The calculator's keypad for its coefficients and the program's help.
void connectCalculator() {
    frmKeisan->runInput = [](const std::string& target, int rows, int cols) {
        if (!frmInput)
            return 2;
        frmInput->setTarget(target, rows, cols);
        return frmInput->exec();
    };
    frmKeisan->runKeypad = [] {
        const int result = frmDentaku ? frmDentaku->exec() : kKeypadCancelled;
        return std::pair<int, Fraction>(result, keypadValue);
    };
    // The help opens at the calculator's section, as a window of the
    // calculator: as a window of the frame it would be blocked by the modal
    // calculator, unusable and in its way. It goes back to the frame after.
    frmKeisan->openHelp = [] {
        if (!paths.progFolder.empty())
            QDir::setCurrent(QString::fromStdString(paths.progFolder));
        showHelpAt(frmKeisan, helpSectionFor(frmKeisan));
    };
}

// The matrix study: the calculator in its plain mode from the start window,
// in its solve-by-inverse mode from the drill's 逆行列で解く.
void runCalculator(bool solveByInverse) {
    createHiddenWindows();
    if (!frmKeisan)
        return;
    matrices.solveByInverseMode = solveByInverse;
    frmKeisan->exec();
    matrices.solveByInverseMode = false;
    if (HelpWindow* help = helpWindow(); help && help->parentWidget() == frmKeisan) {
        const bool shown = help->isVisible();
        help->setParent(frmMain, Qt::Window);
        if (shown)
            help->show();
    }
}

}  // namespace

// The frame and the drill panel are made before the first frame is shown;
// every other window is hidden until a command asks for it and is made just
// after the first frame has been painted (createHiddenWindows), so that a
// student sees the program sooner. The commands that lead to those windows
// are wired here, in shellHooks, and make the hidden windows first if they do
// not exist yet. The children frmStart and frmPage are made by
// TfrmMain::formShow.
void createFrameWindows() {
    // Questions made in the editor are kept only when the drill works them.
    installQuestionVerifier();
    frmMain = new TfrmMain;  // the main form
    installHelpKey();
    watchDrill();
    shellHooks.drillPanelNeeded = createDrillPanel;
    installProblemChoice();
    shellHooks.showVersion = [] {
        createHiddenWindows();
        if (frmVersion)
            frmVersion->exec();
    };
    shellHooks.printWorksheet = [] {
        createHiddenWindows();
        if (frmPrintS)
            frmPrintS->printCommand();
    };
    shellHooks.printAnswerKey = [](QWidget* from) {
        createHiddenWindows();
        if (!frmPrintS)
            return;
        if (const std::optional<int> unit =
                askAnswerKeyUnit(from, questionBank, drillState.curUnit))
            frmPrintS->printAnswerKeyCommand(*unit);
    };
    shellHooks.showPrintSettings = [] {
        createHiddenWindows();
        if (frmPrintS)
            frmPrintS->exec();
    };
    installQuestionEditor();
    shellHooks.showRecords = [] {
        createHiddenWindows();
        if (frmKiroku)
            frmKiroku->exec();
    };
    shellHooks.showStepListing = [](int step) {
        createHiddenWindows();
        if (frmDebug)
            frmDebug->showStep(step);
    };
    shellHooks.showCalculator = [] { runCalculator(false); };
}

// The hidden windows, once, in the program's order, each a window of the
// frame (parent frmMain) so that it lives as long as the frame.
void createHiddenWindows() {
    if (!frmMain || hiddenWindowsMade)
        return;
    hiddenWindowsMade = true;
    createDrillPanel();
    // TfrmMath has its place here but nothing shows or uses it: not built.
    if (!frmSentaku) {
        frmSentaku = new TfrmSentaku(frmMain);
        QObject::connect(frmSentaku, &QObject::destroyed, [] { frmSentaku = nullptr; });
    }
    frmVersion = new TfrmVersion(frmMain);
    frmMondai = new TfrmMondai(frmMain);
    frmPrintS = new TfrmPrintS(frmMain);
    frmPrintS->drill = &programDrill();
    frmEditQues = new TfrmEditQues(frmMain);
    frmEditQues->printAnswerKey = [] {
        if (shellHooks.printAnswerKey)
            shellHooks.printAnswerKey(frmEditQues);
    };
    frmKiroku = new TfrmKiroku(frmMain);
    frmDelete = new TfrmDelete(frmMain);
    frmDebug = new TfrmDebug(frmMain);
    frmKeisan = new TfrmKeisan(frmMain);
    frmInput = new TfrmInput(frmMain);
    frmDentaku = new TfrmDentaku(frmMain);
    frmDentaku->tell = showMessages;
    QObject::connect(frmDentaku, &QObject::destroyed, [] { frmDentaku = nullptr; });
    frmSetsumei = new TfrmSetsumei(frmMain);
    connectCalculator();
}

void createWindows() {
    createFrameWindows();
    createHiddenWindows();
}

void destroyWindows() {
    delete frmMain.data();
    hiddenWindowsMade = false;
    shellHooks = ShellHooks{};
}
