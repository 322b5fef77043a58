#include "app/StartUp.h"

#include <QComboBox>

#include "app/ShellHooks.h"
#include "app/TfrmMain.h"
#include "app/TfrmStart.h"
#include "app/TfrmVersion.h"
#include "arith/TfrmDentaku.h"
#include "arith/TfrmSentaku.h"
#include "drill/Drill.h"
#include "drill/DrillState.h"
#include "drill/TfrmMainDrillPanel.h"
#include "drill/TfrmPage.h"
#include "questions/TfrmDebug.h"
#include "questions/TfrmEditQues.h"
#include "questions/TfrmMondai.h"

// The program-wide window instances. A window deleted with the frame sets
// its instance back to null.
QPointer<TfrmMain> frmMain;
QPointer<TfrmStart> frmStart;
QPointer<TfrmPage> frmPage;
QPointer<TfrmVersion> frmVersion;

namespace {

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

// 問題を編集する(&E) and the save procedure.
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

}  // namespace

// A window is created here, at its place in the order, as a window of the
// frame (parent frmMain) so that it lives as long as the frame; it installs
// its commands in shellHooks from its constructor. The children frmStart and
// frmPage are made by TfrmMain::formShow.
void createWindows() {
    frmMain = new TfrmMain;     // the main form
    createDrillPanel(frmMain);  // the drill's controls on pnlMain
    // TfrmMath has its place here but nothing shows or uses it: not built.
    frmSentaku = new TfrmSentaku(frmMain);
    QObject::connect(frmSentaku, &QObject::destroyed, [] { frmSentaku = nullptr; });
    frmVersion = new TfrmVersion(frmMain);
    frmMondai = new TfrmMondai(frmMain);
    installProblemChoice();
    // TfrmPrintS has its place here.
    frmEditQues = new TfrmEditQues(frmMain);
    installQuestionEditor();
    // TfrmKiroku and TfrmDelete have their places here.
    frmDebug = new TfrmDebug(frmMain);
    shellHooks.showStepListing = [](int step) {
        if (frmDebug)
            frmDebug->showStep(step);
    };
    // Then TfrmKeisan and TfrmInput (places kept for them).
    frmDentaku = new TfrmDentaku(frmMain);
    QObject::connect(frmDentaku, &QObject::destroyed, [] { frmDentaku = nullptr; });
    // Then TfrmSetsumei.
}

void destroyWindows() {
    delete frmMain.data();
    shellHooks = ShellHooks{};
}
