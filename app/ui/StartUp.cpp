#include "app/ui/StartUp.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/ui/ShellHooks.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "app/ui/TfrmVersion.h"
#include "arith/ui/TfrmDentaku.h"
#include "arith/ui/TfrmSentaku.h"
#include "drill/Drill.h"
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
