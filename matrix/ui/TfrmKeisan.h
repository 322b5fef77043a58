#pragma once
// The matrix calculator "行列の学習": the pictures of A, B, C and D with the
// operator between A and B and the value of ⊿, and one button per operation.
// Every button calls the calculator model (matrix/Calculator.h); the window
// draws what the model's view holds and runs the keypad and the input window
// where an operation needs them.

#include <QDialog>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

#include "arith/Fraction.h"
#include "matrix/Calculator.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class QPainter;
class QScrollArea;

// The least height of a digit on the calculator's pictures, in screen
// pixels: 11 on a screen 768 pixels high or more, 9 on a smaller one.
int digitFloorFor(int screenHeight);

// One of the calculator's pictures (imgAAA … imgDDD, and imgDelta for ⊿),
// painted from the calculator's view. The caption stands at its own size in
// the top-left corner whatever the matrix does; below it the matrix (or ⊿)
// is shown whole, scaled evenly, as large as the room allows up to a limit,
// but never with digits below the window's digit floor: when the room is too
// small even for that, the matrix keeps the floor and scrolls.
class CalculatorPicture : public QWidget {
  public:
    // A picture of what `view` shows: one of its matrices, or ⊿.
    CalculatorPicture(const CalculatorView& view, MatrixName which, QWidget* parent);
    CalculatorPicture(const CalculatorView& view, QWidget* parent);  // ⊿
    bool isDelta() const { return delta_; }
    MatrixName which() const { return which_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The digit floor in screen pixels; the picture is laid out again.
    void setDigitFloor(int pixels);
    // Lays the picture out again for what the view holds now.
    void refit();

    // What is shown, for tests and assistive technology: the whole
    // description, the part the caption strip shows (empty when none) and
    // the part the scrolled canvas shows, with the canvas, the scale of the
    // canvas part and where picture pixel (0, 0) lands on the canvas.
    const Picture& picture() const;
    Picture captionPart() const;
    Picture matrixPart() const;
    QWidget* canvas() const { return canvas_; }
    double scale() const { return scale_; }
    QPointF origin() const { return origin_; }
    // Paints the canvas part on `painter`, whose origin is the canvas's.
    void paintCanvas(QPainter& painter) const;
    double captionScale() const { return captionScale_; }
    int captionHeight() const;
    // The scale below which digits would fall under the floor.
    double floorScale() const;
    // The width the picture needs to show its matrix at the floor, without scrolling.
    int neededWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build();
    PixelRect content() const;  // the part of the picture the canvas shows, with a margin

    const CalculatorView& view_;
    MatrixName which_ = MatrixName::A;
    bool delta_ = false;
    int digitFloor_ = 9;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    double scale_ = 1.0;
    double captionScale_ = 1.0;
    QPointF origin_;
};

class TfrmKeisan : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmKeisan(QWidget* parent = nullptr);

    // Installed at start-up: the keypad shown modally, giving its modal
    // result and the value typed; the input window shown modally for matrix
    // "A" or "B" of the given size, giving its modal result; the program's help.
    std::function<std::pair<int, Fraction>()> runKeypad;
    std::function<int(const std::string& target, int rows, int cols)> runInput;
    std::function<void()> openHelp;

    CalculatorPicture* imgAAA;
    CalculatorPicture* imgBBB;
    CalculatorPicture* imgCCC;
    CalculatorPicture* imgDDD;
    QLineEdit* edtA;
    QLineEdit* edtB;
    QLineEdit* edtC;
    QLineEdit* edtD;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblOpr;
    QLabel* lblEqual;
    CalculatorPicture* imgDelta;
    QLineEdit* edtDelta;
    QWidget* imgKakkoL;
    QWidget* imgKakkoR;

    QGroupBox* GroupBox1;
    QPushButton* btnHiku;
    QPushButton* btnTasu;
    QPushButton* btnKake;
    QPushButton* btnKoukan;
    QPushButton* btnRuiJou;
    QSpinBox* updRuiJou;
    QPushButton* btnRuiJouB;
    QSpinBox* updRuiJouB;

    QGroupBox* grpAAA;
    QPushButton* btnKeisuA;
    QPushButton* btnResetA;
    QPushButton* btnDataA1;
    QPushButton* btnKakeA;
    QPushButton* btnKukuruA;
    QPushButton* btnGyakuCCC;
    QPushButton* btnXA;
    QPushButton* btnCopyDA;

    QGroupBox* grpBBB;
    QPushButton* btnKeisuB;
    QPushButton* btnResetB;
    QPushButton* btnDataA2;
    QPushButton* btnKakeB;
    QPushButton* btnKukuruB;
    QPushButton* btnGyakuB;
    QPushButton* btnXB;
    QPushButton* btnCopyDB;

    QGroupBox* GroupBox2;
    QPushButton* btnKakeC;
    QPushButton* btnKukuruC;

    QGroupBox* GroupBox3;
    QPushButton* btnKakeD;
    QPushButton* btnKukuruD;
    QPushButton* btnCopyCD;

    QPushButton* btnClose;
    QPushButton* btnHelp;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void btnCloseClick();
    void btnHelpClick();
    void btnTasuClick();
    void btnHikuClick();
    void btnKakeClick();
    void btnKoukanClick();
    void btnRuiJouClick();
    void btnRuiJouBClick();
    void updRuiJouClick();
    void updRuiJouBClick();
    void btnKeisuAClick();
    void btnKeisuBClick();
    void btnResetAClick();
    void btnResetBClick();
    void btnDataA1Click();
    void btnDataA2Click();
    void btnKakeAClick();
    void btnKakeBClick();
    void btnKakeCClick();
    void btnKakeDClick();
    void btnKukuruAClick();
    void btnKukuruBClick();
    void btnKukuruCClick();
    void btnKukuruDClick();
    void btnGyakuCCCClick();
    void btnGyakuBClick();
    void btnXAClick();
    void btnXBClick();
    void btnCopyDAClick();
    void btnCopyDBClick();
    void btnCopyCDClick();

    // The height of the screen the window is laid out for (its own screen's
    // when shown); the digit floor follows from it.
    void setScreenHeight(int pixels);
    int digitFloor() const { return digitFloorFor(screenHeight); }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shares the width of the three pictures across the top between them, so
    // that each shows its matrix at the digit floor when the room allows.
    void fitPictures();
    void buildControls();
    // Shows the model's view: pictures, labels and the power buttons' captions.
    void syncFromModel();
    void enterCoefficient(MatrixName x);
    void factorOut(MatrixName x);
    void enterCells(MatrixName x);
    std::pair<int, Fraction> keypad();

    Calculator calc;
    int screenHeight = 600;
    bool fitting = false;
};

// The program-wide instance, created at start-up.
extern QPointer<TfrmKeisan> frmKeisan;
