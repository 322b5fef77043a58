#pragma once
// The frame "Tabulon 数学Ｃ／行列と連立方程式": the MDI frame with the menu, the
// drill panel pnlMain on its left edge, and the start window and the
// worksheet as its two children.

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;

inline const QString kFrameCaption = QStringLiteral("Tabulon 数学Ｃ／行列と連立方程式");
// Width of pnlMain: narrower on a screen of 800 pixels or less, so that the
// worksheet's pictures keep room for a matrix of four unknowns.
constexpr int panelWidthFor(int screenWidth) {
    return screenWidth > 800 ? 216 : 168;
}

class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    TfrmMain();
    ~TfrmMain() override;

    // The start-up steps that run when the frame is first shown: the two
    // children, the folders, the question file and the first question.
    void formShow();
    // Leaves the drill: the start window comes to the front.
    void showStart();
    // Enters the drill: the worksheet comes to the front, as it was left.
    void showWorksheet();
    // The unit switching steps; the problem choice shows its unit list when asked.
    void switchUnit(bool showUnitList);
    // The close query: false keeps the program open.
    bool closeQuery();
    // The help document at its contents, after moving to progFolder if asked.
    void openHelpContents(bool changeFolderFirst);

    // Menu handlers.
    void mnuOpenClick();
    void mnuSaveAsClick();
    void mnuPrintClick();
    void mnuAnswerKeyClick();  // 模範解答を印刷(&A)
    void mnuPrintSettingClick();
    void mnuCloseClick();
    void mnuEditRaverClick();
    void mnuRecordClick();
    void mnuNextClick();
    void mnuChangeClick();
    void mnuHintClick();  // ヒント(&T), F2
    void mnuHowToClick();
    void mnuOnePointClick();
    void mnuVersionClick();
    void cmbMenuChange();
    void btnCloseClick();

    // The frame's own menu, in menu-bar order.
    QList<QMenu*> frameMenus() const;

    QMdiArea* mdiArea = nullptr;
    QMdiSubWindow* startChild = nullptr;  // holds frmStart
    QMdiSubWindow* pageChild = nullptr;   // holds frmPage

    // The drill panel: cmbMenu at the top, btnClose at the foot, and between
    // them pnlDrill, the place of the drill's own controls.
    QWidget* pnlMain = nullptr;
    QComboBox* cmbMenu = nullptr;
    QWidget* pnlDrill = nullptr;
    QPushButton* btnClose = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuAnswerKey = nullptr;
    QAction* mnuPrintSetting = nullptr;
    QAction* mnuClose = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditRaver = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuRecord = nullptr;
    QMenu* mnuMondai = nullptr;
    QAction* mnuNext = nullptr;
    QAction* mnuChange = nullptr;
    QAction* mnuHint = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHowTo = nullptr;
    QAction* mnuOnePoint = nullptr;
    QAction* mnuVersion = nullptr;

    // The open dialog of 開く(&O): the chosen path, or nullopt when cancelled.
    std::function<std::optional<std::string>(const std::string& preset)> chooseQuestionFile;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    void buildPanel();
    // Shows pnlMain and the menu that belong to the active child.
    void childActivated(QMdiSubWindow* child);
    void showMenus(const QList<QMenu*>& menus);
    void startDrill(bool reset);
    bool shown = false;
    // True while formShow makes and shows the two children: their passing
    // activations are not acted on, showStart settles which one is active.
    bool settingUp = false;
};

extern QPointer<TfrmMain> frmMain;
