#pragma once
// The keypad "係数入力": the student composes one exact number (an integer, a
// decimal, or a fraction written denominator "分の" numerator) on buttons and
// hands it to the caller in keypadValue. Modal result 1 when a value was
// entered, 2 for キャンセル or ＯＫ on an empty panel.

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <string>

#include "arith/Fraction.h"

class QLabel;
class QPushButton;

// The value the keypad hands to its caller; read after a modal result of 1.
extern Fraction keypadValue;

// A picture that keeps what is drawn on it, shown at its own size.
class KeypadPicture : public QWidget {
  public:
    KeypadPicture(int width, int height, QWidget* parent);
    QImage& image() { return canvas; }
    void clear();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage canvas;
};

class TfrmDentaku : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDentaku(QWidget* parent = nullptr);

    // The number being typed (UTF-8), as the panel shows it.
    const std::string& text() const { return panelText; }

    QLabel* pnlNumber;
    QPushButton* btnDigit[10];  // btn0 … btn9
    QPushButton* btnDecimal;
    QPushButton* btnMinus;
    QPushButton* btnBunsu;
    QPushButton* btnClear;
    QPushButton* btnSeisho;
    KeypadPicture* imgSample;
    QPushButton* btnOk;
    QPushButton* btnCancel;

  public slots:
    // Esc and the close box cancel (modal result 2).
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void append(const std::string& piece);
    void setPanelText(const std::string& text);

    void btnDigitClick(int digit);
    void btnDecimalClick();
    void btnMinusClick();
    void btnBunsuClick();
    void btnClearClick();
    void btnSeishoClick();
    void btnOkClick();
    void btnCancelClick();

    std::string panelText;
};

// The program-wide instance, created at start-up.
extern TfrmDentaku* frmDentaku;
