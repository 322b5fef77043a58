#include "app/ui/TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/CoreStartUp.h"
#include "app/ui/ShellHooks.h"
#include "app/ui/ShellPainter.h"
#include "app/ui/StartUp.h"
#include "app/ui/TfrmStart.h"
#include "arith/Equation.h"
#include "drill/Drill.h"
#include "drill/OpenQuestions.h"
#include "drill/ui/TfrmPage.h"
#include "platform/Paths.h"
#include "platform/UiPort.h"
#include "platform/ui/QtHelp.h"
#include "questions/ProblemChoice.h"
#include "questions/QuestionBank.h"

namespace {

const QColor kFrameTeal(0, 192, 192);

QSize screenSize() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize(1024, 768);
}

// The units of the drill, in the order of the question file's unit blocks.
const char* const kUnitItems[] = {"２元１次連立方程式", "３元１次連立方程式", "４元１次連立方程式",
                                  "特殊な解が出るもの"};

QAction* addItem(QMenu* menu, const char* name, const QString& text, TfrmMain* frame,
                 void (TfrmMain::*handler)()) {
    QAction* action = menu->addAction(text, frame, handler);
    action->setObjectName(name);
    return action;
}

}  // namespace

TfrmMain::TfrmMain() {
    setObjectName("frmMain");
    setWindowTitle(kFrameCaption);
    setWindowIcon(programIcon());

    setUpCore(questionBank, equationList);

    auto* client = new QWidget(this);
    client->setObjectName("pnlClient");
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    mdiArea = new QMdiArea(client);
    mdiArea->setObjectName("mdiArea");
    mdiArea->setBackground(kFrameTeal);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clientLayout->addWidget(mdiArea);
    setCentralWidget(client);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFrameTeal);
    setPalette(pal);

    const QSize screen = screenSize();
    setGeometry(0, 0, screen.width(), screen.height() - 28);

    buildPanel();
    // pnlMain lies over the left edge of the children's area, like a panel on
    // the frame: the start window spans the whole width under it, the
    // worksheet begins at its right edge.
    const int panelTop = 0;
    pnlMain->setGeometry(0, panelTop, panelWidthFor(screen.width()),
                         y() + height() - panelTop - 56);
    pnlMain->raise();
    // The start window comes first, and the panel shows with the worksheet:
    // hidden until then, its controls are laid out when the drill is entered,
    // not while the student waits for the first frame.
    pnlMain->hide();
    buildMenu();

    connect(mdiArea, &QMdiArea::subWindowActivated, this, &TfrmMain::childActivated);
    qApp->installEventFilter(this);

    chooseQuestionFile = [this](const std::string& preset) -> std::optional<std::string> {
        const QString file = QFileDialog::getOpenFileName(
            this, QStringLiteral("問題ファイルを開く"), QString::fromStdString(preset),
            QStringLiteral("SIMファイル (*.SIM *.sim)"));
        if (file.isEmpty())
            return std::nullopt;
        return file.toStdString();
    };
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    // The children go after this destructor; their last activation signals
    // must not reach a frame that is already half gone.
    disconnect(mdiArea, nullptr, this, nullptr);
}

void TfrmMain::buildPanel() {
    pnlMain = new QFrame(centralWidget());
    pnlMain->setObjectName("pnlMain");
    static_cast<QFrame*>(pnlMain)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlMain->setAutoFillBackground(true);
    QPalette pal = pnlMain->palette();
    pal.setColor(QPalette::Window, QColor(236, 236, 236));
    pnlMain->setPalette(pal);

    cmbMenu = new QComboBox(pnlMain);
    cmbMenu->setObjectName("cmbMenu");
    cmbMenu->setEditable(false);
    for (const char* item : kUnitItems)
        cmbMenu->addItem(QString::fromUtf8(item));
    connect(cmbMenu, &QComboBox::activated, this, &TfrmMain::cmbMenuChange);

    pnlDrill = new QWidget(pnlMain);
    pnlDrill->setObjectName("pnlDrill");

    btnClose = new QPushButton(closeGlyph(), QStringLiteral(" 閉じる　　"), pnlMain);
    btnClose->setObjectName("btnClose");
    btnClose->setIconSize(QSize(24, 24));
    btnClose->setMinimumHeight(36);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);

    auto* layout = new QVBoxLayout(pnlMain);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(cmbMenu);
    layout->addWidget(pnlDrill, 1);
    layout->addWidget(btnClose);
}

void TfrmMain::buildMenu() {
    mnuFile = new QMenu(QStringLiteral("ファイル(&F)"), this);
    mnuFile->setObjectName("mnuFile");
    mnuOpen =
        addItem(mnuFile, "mnuOpen", QStringLiteral("開く(&O)"), this, &TfrmMain::mnuOpenClick);
    mnuSaveAs = addItem(mnuFile, "mnuSaveAs", QStringLiteral("保存する(&S)"), this,
                        &TfrmMain::mnuSaveAsClick);
    mnuFile->addSeparator();
    mnuPrint = addItem(mnuFile, "mnuPrint", QStringLiteral("印刷する(&P)"), this,
                       &TfrmMain::mnuPrintClick);
    mnuAnswerKey = addItem(mnuFile, "mnuAnswerKey", QStringLiteral("模範解答を印刷(&A)..."), this,
                           &TfrmMain::mnuAnswerKeyClick);
    mnuPrintSetting = addItem(mnuFile, "mnuPrintSetting", QStringLiteral("印刷の設定(&T)..."), this,
                              &TfrmMain::mnuPrintSettingClick);
    mnuFile->addSeparator();
    mnuClose =
        addItem(mnuFile, "mnuClose", QStringLiteral("閉じる(&C)"), this, &TfrmMain::mnuCloseClick);

    mnuEdit = new QMenu(QStringLiteral("編集(&E)"), this);
    mnuEdit->setObjectName("mnuEdit");
    mnuEditRaver = addItem(mnuEdit, "mnuEditRaver", QStringLiteral("問題を編集する(&E)"), this,
                           &TfrmMain::mnuEditRaverClick);

    mnuView = new QMenu(QStringLiteral("表示(&V)"), this);
    mnuView->setObjectName("mnuView");
    mnuRecord =
        addItem(mnuView, "mnuRecord", QStringLiteral("記録(&R)"), this, &TfrmMain::mnuRecordClick);

    mnuMondai = new QMenu(QStringLiteral("問題変更(&M)"), this);
    mnuMondai->setObjectName("mnuMondai");
    mnuNext = addItem(mnuMondai, "mnuNext", QStringLiteral("次の問題(&N)"), this,
                      &TfrmMain::mnuNextClick);
    mnuChange = addItem(mnuMondai, "mnuChange", QStringLiteral("単元変更(&C)"), this,
                        &TfrmMain::mnuChangeClick);
    mnuMondai->addSeparator();
    mnuHint =
        addItem(mnuMondai, "mnuHint", QStringLiteral("ヒント(&T)"), this, &TfrmMain::mnuHintClick);
    mnuHint->setShortcut(QKeySequence(Qt::Key_F2));

    mnuHelp = new QMenu(QStringLiteral("ヘルプ(&H)"), this);
    mnuHelp->setObjectName("mnuHelp");
    mnuHowTo =
        addItem(mnuHelp, "mnuHowTo", QStringLiteral("使い方(&U)"), this, &TfrmMain::mnuHowToClick);
    mnuOnePoint = addItem(mnuHelp, "mnuOnePoint", QStringLiteral("ワンポイント(&P)"), this,
                          &TfrmMain::mnuOnePointClick);
    mnuVersion = addItem(mnuHelp, "mnuVersion", QStringLiteral("バージョン情報(&V)"), this,
                         &TfrmMain::mnuVersionClick);

    menuBar()->setObjectName("mnuMain");
    showMenus(frameMenus());
}

QList<QMenu*> TfrmMain::frameMenus() const {
    return {mnuFile, mnuEdit, mnuView, mnuMondai, mnuHelp};
}

void TfrmMain::showMenus(const QList<QMenu*>& menus) {
    QList<QAction*> wanted;
    for (QMenu* m : menus)
        wanted.append(m->menuAction());
    if (menuBar()->actions() == wanted)
        return;
    for (QAction* a : menuBar()->actions())
        menuBar()->removeAction(a);
    menuBar()->addActions(wanted);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown) {
        shown = true;
        formShow();
    }
}

void TfrmMain::formShow() {
    const QSize screen = screenSize();
    const int childHeight = screen.height() - 84;

    settingUp = true;
    frmStart = new TfrmStart;
    connect(frmStart, &TfrmStart::drillRequested, this, &TfrmMain::showWorksheet);
    connect(frmStart, &TfrmStart::helpRequested, this, &TfrmMain::openHelpContents);
    connect(frmStart, &TfrmStart::closeRequested, this, &TfrmMain::close);
    startChild = mdiArea->addSubWindow(frmStart, Qt::FramelessWindowHint);
    startChild->setObjectName("startChild");
    startChild->setSystemMenu(nullptr);  // no close or move from the keyboard either
    startChild->setGeometry(0, 0, screen.width() - 8, childHeight);

    frmPage = new TfrmPage(programDrill(), pnlMain->width());
    pageChild = mdiArea->addSubWindow(frmPage, Qt::FramelessWindowHint);
    pageChild->setObjectName("pageChild");
    pageChild->setSystemMenu(nullptr);
    pageChild->setGeometry(pnlMain->width(), pnlMain->y(), width() - pnlMain->width() - 12,
                           childHeight);
    pageChild->show();
    startChild->show();
    frmPage->openStepListing = [](int step) {
        if (shellHooks.showStepListing)
            shellHooks.showStepListing(step);
    };

    const bool ready = openProgramFiles(paths, questionBank);
    cmbMenu->setCurrentIndex(0);
    // A question file that does not split has been reported; the worksheet
    // then stays empty instead of showing half a file.
    if (ready)
        startDrill(true);
    frmPage->scrollToTop();
    settingUp = false;
    showStart();
}

void TfrmMain::startDrill(bool reset) {
    programDrill().startQuestion(reset);
    if (shellHooks.questionStarted)
        shellHooks.questionStarted();
}

void TfrmMain::childActivated(QMdiSubWindow* child) {
    if (!child || settingUp)
        return;  // the frame lost the focus, or is still being set up: nothing changes
    if (child == startChild) {
        pnlMain->hide();
        showMenus(frmStart->menus());
    } else if (child == pageChild) {
        showMenus(frameMenus());
        if (shellHooks.drillPanelNeeded)
            shellHooks.drillPanelNeeded();
        pnlMain->show();
        pnlMain->raise();
        if (shellHooks.applyFocusRule)
            shellHooks.applyFocusRule();
    }
}

void TfrmMain::showStart() {
    if (!startChild)
        return;
    mdiArea->setActiveSubWindow(startChild);
    startChild->raise();
    childActivated(startChild);
    if (frmStart)
        frmStart->btnRenritsu->setFocus();
}

void TfrmMain::showWorksheet() {
    if (!pageChild)
        return;
    mdiArea->setActiveSubWindow(pageChild);
    pageChild->raise();
    childActivated(pageChild);
}

void TfrmMain::switchUnit(bool showUnitList) {
    int result = 2;
    if (shellHooks.showProblemChoice)
        result = shellHooks.showProblemChoice(showUnitList);
    if (frmPage)
        frmPage->scrollToTop();
    if (result == 1)
        startDrill(false);
    if (shellHooks.applyFocusRule)
        shellHooks.applyFocusRule();
}

bool TfrmMain::closeQuery() {
    if (questionBank.quesSaved)
        return true;
    switch (ui().askYesNoCancel("確認", "ファイルを保存しますか？")) {
        case Answer::No:
            return true;
        case Answer::Yes:
            // Closes only once the text is safely written: a cancelled or
            // failed save keeps the program open with the edits.
            return shellHooks.saveQuestionFile && shellHooks.saveQuestionFile();
        default:
            return false;
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    questionBank.quesBackup.clear();
    event->accept();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: a key meant for the frame or the worksheet goes to the
    // drill's key routing first. Only the delivery to the focus widget counts,
    // so a key that travels on to the parents is routed once.
    if (event->type() == QEvent::KeyPress && shellHooks.routeKey) {
        auto* target = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const bool onStart =
            target && startChild && (target == startChild || startChild->isAncestorOf(target));
        if (target && target == (focus ? focus : this) && target->window() == this && !onStart &&
            shellHooks.routeKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::openHelpContents(bool changeFolderFirst) {
    if (changeFolderFirst && !paths.progFolder.empty())
        QDir::setCurrent(QString::fromStdString(paths.progFolder));
    showHelp(this, kHelpContents, kHelpContentsData);
}

void TfrmMain::mnuOpenClick() {
    OpenCommandWindows windows;
    windows.saveQuestionFile = shellHooks.saveQuestionFile;
    windows.chooseFile = chooseQuestionFile;
    windows.switchUnit = [this] {
        // The drill has started again at unit 1; the unit choice says so too.
        cmbMenu->setCurrentIndex(0);
        if (shellHooks.questionStarted)
            shellHooks.questionStarted();
        switchUnit(false);
    };
    runOpenCommand(questionBank, windows, &programDrill());
}

void TfrmMain::mnuSaveAsClick() {
    if (shellHooks.saveQuestionFile)
        shellHooks.saveQuestionFile();
}

void TfrmMain::mnuPrintClick() {
    if (shellHooks.printWorksheet)
        shellHooks.printWorksheet();
}

void TfrmMain::mnuAnswerKeyClick() {
    if (shellHooks.printAnswerKey)
        shellHooks.printAnswerKey(this);
}

void TfrmMain::mnuPrintSettingClick() {
    if (shellHooks.showPrintSettings)
        shellHooks.showPrintSettings();
}

void TfrmMain::mnuCloseClick() {
    showStart();
}

void TfrmMain::mnuEditRaverClick() {
    if (shellHooks.editQuestions)
        shellHooks.editQuestions();
}

void TfrmMain::mnuRecordClick() {
    if (shellHooks.showRecords)
        shellHooks.showRecords();
}

void TfrmMain::mnuNextClick() {
    if (shellHooks.nextQuestion)
        shellHooks.nextQuestion();
}

void TfrmMain::mnuHintClick() {
    programDrill().hintClick();
}

void TfrmMain::mnuChangeClick() {
    // Without units there is nothing to change to; the start-up message has
    // said why.
    if (!questionBank.hasUnits())
        return;
    switchUnit(true);
}

void TfrmMain::mnuHowToClick() {
    openHelpContents(true);
}

void TfrmMain::mnuOnePointClick() {
    showHelp(this, kHelpContext, kHelpOnePointTopic);
}

void TfrmMain::mnuVersionClick() {
    if (shellHooks.showVersion)
        shellHooks.showVersion();
}

void TfrmMain::cmbMenuChange() {
    // Without units there is nothing to change to; the combo stays as it was.
    if (!questionBank.hasUnits()) {
        cmbMenu->setCurrentIndex(programDrill().state().curUnit - 1);
        return;
    }
    // A unit the file in use does not have would open an empty choice.
    const std::string missing = missingUnitMessage(questionBank, cmbMenu->currentIndex());
    if (!missing.empty()) {
        ui().showMessage(missing);
        cmbMenu->setCurrentIndex(programDrill().state().curUnit - 1);
        return;
    }
    switchUnit(false);
}

void TfrmMain::btnCloseClick() {
    showStart();
}
