#pragma once
// The matrix calculator "行列の学習": the pictures of A, B, C and D with the
// operator between A and B and the value of ⊿, and one button per operation.
// Every button calls the calculator model (matrix/Calculator.h); the window
// draws what the model's view holds and runs the keypad and the input window
// where an operation needs them.

#include <QDialog>
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

// A matrix picture of the calculator (imgAAA … imgDDD), painted from the view.
class CalculatorPicture : public QWidget {
  public:
    CalculatorPicture(MatrixName which, QWidget* parent);
    MatrixName which() const { return which_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    MatrixName which_;
};

// The ⊿ picture imgDelta, painted from the view.
class DeltaPicture : public QWidget {
  public:
    explicit DeltaPicture(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class TfrmKeisan : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmKeisan(QWidget* parent = nullptr);

    // Installed at start-up: the keypad shown modally, giving its modal
    // result and the value typed; the program's help.
    std::function<std::pair<int, Fraction>()> runKeypad;
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
    DeltaPicture* imgDelta;
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

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    // Shows the model's view: pictures, labels and the power buttons' captions.
    void syncFromModel();
    void enterCoefficient(MatrixName x);
    void factorOut(MatrixName x);
    void enterCells(MatrixName x);
    std::pair<int, Fraction> keypad();

    Calculator calc;
    QSize baseSize;             // the least size of the controls with pictures at scale 1
    double pictureScale = 1.0;  // how much larger the pictures are shown
};

// The program-wide instance, created at start-up.
extern QPointer<TfrmKeisan> frmKeisan;
