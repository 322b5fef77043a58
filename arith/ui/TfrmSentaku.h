#pragma once
// The special-solution choice "特殊な解": the student declares that a system
// has infinitely many solutions (modal result 8) or none (modal result 3).
// The window has no title-bar buttons and ignores Esc and the window
// system's close request: its two buttons are the only way to answer.

#include <QDialog>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

class TfrmSentaku : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSentaku(QWidget* parent = nullptr);

    // Asked on every showing where the window's frame goes, given the
    // frame's size (the drill's placement rule, wired at start-up); unset,
    // or nullopt, leaves the window where it is.
    std::function<std::optional<QPoint>(QSize frame)> placement;
    // F2: the hint for the choice (wired at start-up); unset, F2 does nothing.
    std::function<void()> hintRequested;

    QLineEdit* Edit1;
    QPushButton* btnMusu;
    QPushButton* btnKainashi;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormShow();
    void btnMusuClick();
    void btnKainashiClick();
};

// The program-wide instance, created at start-up (or by runSentaku).
extern TfrmSentaku* frmSentaku;

// Shows frmSentaku modally (creating it when there is none yet) and returns
// its modal result: 3 for "解なし", 8 for "解は無数にある". This is the Qt
// answer to UiPort::chooseSpecialSolution. (Only a close ordered by the
// program itself, never by the student, can end it with 0.)
int runSentaku();
