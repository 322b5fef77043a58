#pragma once
// The drill's controls on the frame's panel pnlMain, between the unit choice
// cmbMenu and the button 閉じる that the frame keeps: the row buttons, the
// operation group, the number group, 実行 and 訂正, 次の問題 with its
// blinking glyph, the scroll buttons and 逆行列で解く.
//
// Every button turns its click into a call of the drill model; after every
// change of the model the panel reads the model's view again (syncFromModel):
// what is enabled, the group colours, the number, the focus, the blinking.

#include <QPointer>
#include <QWidget>
#include <functional>

class Drill;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

class TfrmMainDrillPanel : public QWidget {
    Q_OBJECT
  public:
    // The controls of `drill`, filling `host` (the frame's pnlDrill). The
    // frame's key preview, focus rule and next-question command reach the
    // panel through what app/ wires at start-up.
    TfrmMainDrillPanel(Drill& drill, QWidget* host);

    // Shows the model's state on the controls.
    void syncFromModel();

    // The frame's key preview: Enter on a focused push button presses it
    // (次の問題 and 実行 excepted: Enter there follows the drill's own
    // rule); every other key goes to the drill's key routing.
    bool previewKey(QKeyEvent* event);

    // 逆行列で解く: the matrix calculator installs its solve-by-inverse mode
    // here. Unset, the button does nothing.
    std::function<void()> solveByInverse;

    QPushButton* btnGyou[4] = {};  // btnGyou1 … btnGyou4
    QGroupBox* grbSousa = nullptr;
    QPushButton* btnWaru = nullptr;
    QPushButton* btnHiku = nullptr;
    QPushButton* btnTasu = nullptr;
    QPushButton* btnKake = nullptr;
    QPushButton* btnKoukan = nullptr;
    QGroupBox* grbNumber = nullptr;
    QLabel* pnlNumber = nullptr;
    QPushButton* btnDigit[10] = {};  // btn0 … btn9
    QPushButton* btnMinus = nullptr;
    QPushButton* btnDecimal = nullptr;
    QPushButton* btnBunsu = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnJikkou = nullptr;
    QPushButton* btnTeisei = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnScrollUp = nullptr;
    QPushButton* btnScrollDown = nullptr;
    QPushButton* btnKihon = nullptr;
    QTimer* timBlink = nullptr;

    void btnNextClick();
    void btnKihonClick();
    void timBlinkTimer();

  private:
    Drill& drill_;
    QWidget* buildOperationGroup();
    QWidget* buildNumberGroup();
    QPushButton* button(const char* name, const QString& caption, QWidget* parent);
    // Runs a model call from a control, then the focus rule, then shows the result.
    void act(const std::function<void()>& call);

    unsigned focusRequestsSeen_ = 0;
    int glyphShown_ = -1;
};

// The panel, once the frame has it.
extern QPointer<TfrmMainDrillPanel> drillPanel;
