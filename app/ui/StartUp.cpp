#include "app/ui/StartUp.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "app/ui/ShellHooks.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "app/ui/TfrmVersion.h"
#include "arith/ui/TfrmDentaku.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/Drill.h"
#include "drill/DrillState.h"
#include "drill/ui/QtDrillSync.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"
#include "drill/ui/TfrmPrintS.h"
#include "matrix/Matrix.h"
#include "matrix/ui/TfrmInput.h"
#include "matrix/ui/TfrmKeisan.h"
#include "platform/Paths.h"
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

namespace {

PixelRect pixelRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Where the special-solution window goes: the drill's placement rule beside
// the step picture it names, on the primary screen.
std::optional<QPoint> sentakuPlacement(QSize frame) {
    if (!frmPage)
        return std::nullopt;
    const QRect image = frmPage->imageScreenRect(specialChoiceImage(drillView().curStep));
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
    return runSentaku();
}

// The drill's controls on pnlMain, and the frame's commands that reach them:
// key preview, focus rule, next question, the special-solution choice.
void createDrillPanel() {
    auto* panel = new TfrmMainDrillPanel(frmMain->pnlDrill);
    shellHooks.routeKey = [panel](QKeyEvent* e) { return panel->previewKey(e); };
    shellHooks.applyFocusRule = [] {
        applyFocusRule();
        syncDrillWindows();
    };
    // Whoever listened for set-up questions before keeps listening.
    shellHooks.questionStarted = [previous = shellHooks.questionStarted] {
        if (previous)
            previous();
        syncDrillWindows();
    };
    shellHooks.nextQuestion = [panel] { panel->btnNextClick(); };
    qtUi().specialSolutionChooser = chooseSpecialSolution;
    watchDrillModel();
    panel->syncFromModel();
}

// The unit switching's question choice: frmMondai for the unit of cmbMenu;
// OK makes the marked question the drill's current one. Either way cmbMenu
// then names the unit the drill works in.
void installProblemChoice() {
    shellHooks.showProblemChoice = [](bool showUnitList) {
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
            chooseQuestion(chosen.unit, chosen.question);
        }
        frmMain->cmbMenu->setCurrentIndex(drillState.curUnit - 1);
        return result;
    };
}

// 問題を編集する(&E) and the save procedure of the question text.
void installQuestionEditor() {
    shellHooks.saveQuestionFile = [] { return frmEditQues && frmEditQues->saveQuestionFile(); };
    shellHooks.editQuestions = [] {
        runQuestionEditor(
            [] {
                // The drill starts again at unit 1; the unit choice says so too.
                const bool ready = startQuestion(true);
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

// The matrix study: the calculator in its plain mode from the start window,
// in its solve-by-inverse mode from the drill's 逆行列で解く, with the keypad
// for its coefficients and the program's help.
void wireMatrixStudy() {
    frmKeisan->runKeypad = [] {
        const int result = frmDentaku ? frmDentaku->exec() : kKeypadCancelled;
        return std::pair<int, Fraction>(result, keypadValue);
    };
    // The help window opened over the calculator is a window of the
    // calculator: as a window of the frame it would be blocked by the modal
    // calculator, unusable and in its way. It goes back to the frame after.
    frmKeisan->openHelp = [] {
        if (HelpWindow* help = helpWindow(); help && help->parentWidget() != frmKeisan)
            help->setParent(frmKeisan, Qt::Window);
        if (!paths.progFolder.empty())
            QDir::setCurrent(QString::fromStdString(paths.progFolder));
        showHelp(frmKeisan, kHelpContents, kHelpContentsData);
    };
    auto runCalculator = [](bool solveByInverse) {
        matrices.solveByInverseMode = solveByInverse;
        frmKeisan->exec();
        matrices.solveByInverseMode = false;
        if (HelpWindow* help = helpWindow(); help && help->parentWidget() == frmKeisan) {
            const bool shown = help->isVisible();
            help->setParent(frmMain, Qt::Window);
            if (shown)
                help->show();
        }
    };
    shellHooks.showCalculator = [runCalculator] { runCalculator(false); };
    if (drillPanel) {
        drillPanel->solveByInverse = [runCalculator] {
            // Only a question on the worksheet has a system to solve.
            if (!frmKeisan || !drillState.questionReady)
                return;
            runCalculator(true);
            if (shellHooks.applyFocusRule)
                shellHooks.applyFocusRule();
        };
    }
}

}  // namespace

// A window is created here, at its place in the order, as a window of the
// frame (parent frmMain) so that it lives as long as the frame; the frame's
// commands that lead to it are wired here, in shellHooks. The children
// frmStart and frmPage are made by TfrmMain::formShow.
void createWindows() {
    frmMain = new TfrmMain;  // the main form
    createDrillPanel();
    // TfrmMath has its place here but nothing shows or uses it: not built.
    frmSentaku = new TfrmSentaku(frmMain);
    QObject::connect(frmSentaku, &QObject::destroyed, [] { frmSentaku = nullptr; });
    frmVersion = new TfrmVersion(frmMain);
    frmMondai = new TfrmMondai(frmMain);
    installProblemChoice();
    frmPrintS = new TfrmPrintS(frmMain);
    shellHooks.printWorksheet = [] {
        if (frmPrintS)
            frmPrintS->printCommand();
    };
    shellHooks.showPrintSettings = [] {
        if (frmPrintS)
            frmPrintS->exec();
    };
    frmEditQues = new TfrmEditQues(frmMain);
    installQuestionEditor();
    frmKiroku = new TfrmKiroku(frmMain);
    frmDelete = new TfrmDelete(frmMain);
    shellHooks.showRecords = [] {
        if (frmKiroku)
            frmKiroku->exec();
    };
    frmDebug = new TfrmDebug(frmMain);
    shellHooks.showStepListing = [](int step) {
        if (frmDebug)
            frmDebug->showStep(step);
    };
    frmKeisan = new TfrmKeisan(frmMain);
    frmInput = new TfrmInput(frmMain);
    frmDentaku = new TfrmDentaku(frmMain);
    QObject::connect(frmDentaku, &QObject::destroyed, [] { frmDentaku = nullptr; });
    frmSetsumei = new TfrmSetsumei(frmMain);
    wireMatrixStudy();
}

void destroyWindows() {
    delete frmMain.data();
    shellHooks = ShellHooks{};
}
