#include "app/ui/StartUp.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/ui/ShellHooks.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "app/ui/TfrmVersion.h"
#include "arith/ui/TfrmDentaku.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/DrillState.h"
#include "drill/Entry.h"
#include "drill/ui/QtDrillSync.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"
#include "drill/ui/TfrmPrintS.h"
#include "platform/ui/QtDialogs.h"
#include "records/ui/TfrmDelete.h"
#include "records/ui/TfrmKiroku.h"

// The program-wide window instances. A window deleted with the frame sets
// its instance back to null.
QPointer<TfrmMain> frmMain;
QPointer<TfrmStart> frmStart;
QPointer<TfrmPage> frmPage;
QPointer<TfrmVersion> frmVersion;

namespace {

// Where the special-solution window goes: beside the picture after the
// current step (two after it when the step is 3 or 8), kept on the screen.
QRect sentakuAnchor() {
    if (!frmPage)
        return QRect();
    const int s = drillState.curStep;
    QRect rect = frmPage->imageScreenRect(s == 3 || s == 8 ? s + 2 : s + 1);
    if (rect.isEmpty() || !frmSentaku)
        return rect;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return rect;
    const QRect area = screen->availableGeometry();
    const int height = frmSentaku->frameGeometry().height();
    if (rect.top() + 70 + height > area.bottom())
        rect.moveTop(area.bottom() - height - 70);
    if (rect.top() + 70 < area.top())
        rect.moveTop(area.top() - 70);
    return rect;
}

int chooseSpecialSolution() {
    if (!frmSentaku) {
        frmSentaku = new TfrmSentaku(frmMain);
        QObject::connect(frmSentaku, &QObject::destroyed, [] { frmSentaku = nullptr; });
    }
    frmSentaku->stepImageRect = sentakuAnchor;
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

// The print settings with the print command, and the two record windows.
// (TfrmEditQues stands between TfrmPrintS and TfrmKiroku in the order.)
void createPrintAndRecordWindows() {
    frmPrintS = new TfrmPrintS(frmMain);
    shellHooks.printWorksheet = [] {
        if (frmPrintS)
            frmPrintS->printCommand();
    };
    shellHooks.showPrintSettings = [] {
        if (frmPrintS)
            frmPrintS->exec();
    };
    frmKiroku = new TfrmKiroku(frmMain);
    frmDelete = new TfrmDelete(frmMain);
    shellHooks.showRecords = [] {
        if (frmKiroku)
            frmKiroku->exec();
    };
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
    // Then, in this order: TfrmMondai, TfrmPrintS, TfrmEditQues, TfrmKiroku,
    // TfrmDelete, TfrmDebug, TfrmKeisan, TfrmInput (places kept for them).
    createPrintAndRecordWindows();
    frmDentaku = new TfrmDentaku(frmMain);
    QObject::connect(frmDentaku, &QObject::destroyed, [] { frmDentaku = nullptr; });
    // Then TfrmSetsumei.
}

void destroyWindows() {
    delete frmMain.data();
    shellHooks = ShellHooks{};
}
