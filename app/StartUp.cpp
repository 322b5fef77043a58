#include "app/StartUp.h"

#include "app/ShellHooks.h"
#include "app/TfrmMain.h"
#include "app/TfrmStart.h"
#include "app/TfrmVersion.h"
#include "arith/TfrmDentaku.h"
#include "arith/TfrmSentaku.h"
#include "drill/TfrmMainDrillPanel.h"
#include "drill/TfrmPage.h"

// The program-wide window instances. A window deleted with the frame sets
// its instance back to null.
QPointer<TfrmMain> frmMain;
QPointer<TfrmStart> frmStart;
QPointer<TfrmPage> frmPage;
QPointer<TfrmVersion> frmVersion;

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
    // Then, in this order: TfrmMondai, TfrmPrintS, TfrmEditQues, TfrmKiroku,
    // TfrmDelete, TfrmDebug, TfrmKeisan, TfrmInput (places kept for them).
    frmDentaku = new TfrmDentaku(frmMain);
    QObject::connect(frmDentaku, &QObject::destroyed, [] { frmDentaku = nullptr; });
    // Then TfrmSetsumei.
}

void destroyWindows() {
    delete frmMain.data();
    shellHooks = ShellHooks{};
}
