#pragma once
// The start window "単元選択": the title picture and the doors to the two
// study areas. A frameless MDI child of the frame; while it is the active
// child its own menu replaces the frame's.

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

class TfrmStart : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmStart(QWidget* parent = nullptr);

    // The window's own menu, in menu-bar order.
    QList<QMenu*> menus() const { return {mnuFile, mnuHelp}; }

    QPushButton* btnGridora = nullptr;
    QPushButton* btnRenritsu = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnEnd = nullptr;
    QPushButton* btnTitle = nullptr;
    QLabel* pnlPict = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHowTo = nullptr;
    QAction* mnuVersion = nullptr;

    void btnGridoraClick();
    void btnRenritsuClick();
    void btnHelpClick();
    void btnEndClick();
    void mnuExitClick();
    void mnuHowToClick();
    void mnuVersionClick();

  signals:
    // What the start window asks of the frame, which connects them: the
    // drill, the help's contents (from the program's folder when the button
    // asks, as it may have been left elsewhere), closing the program.
    void drillRequested();
    void helpRequested(bool fromProgramFolder);
    void closeRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeControls();
};

extern QPointer<TfrmStart> frmStart;
