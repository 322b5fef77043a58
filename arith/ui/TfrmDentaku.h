#pragma once
// The keypad "係数入力": the student composes one exact number (an integer, a
// decimal, or a fraction written denominator "分の" numerator) on buttons and
// hands it to the caller in keypadValue. Modal result 1 when a value was
// entered, 2 for キャンセル or ＯＫ on an empty panel.

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "arith/Keypad.h"
#include "picture/Picture.h"

class QLabel;
class QPushButton;

// The fair copy's picture: shows a picture description at its own size.
class KeypadPicture : public QWidget {
  public:
    KeypadPicture(PixelSize size, QWidget* parent);
    // Shows `picture` (an empty one clears it to white).
    void showPicture(Picture picture);
    const Picture& picture() const { return picture_; }
    // What the picture shows now.
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Picture picture_;
    QImage image_;
};

class TfrmDentaku : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDentaku(QWidget* parent = nullptr);

    // The number being typed (UTF-8), as the panel shows it.
    const std::string& text() const { return panel.text; }

    // Tells the student what the panel refused (a misplaced minus, a number
    // written wrongly). Wired at start-up to the UI port.
    std::function<void(const Messages&)> tell;

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
    // The keyboard works the keypad as the buttons do: digits, "-", "." and
    // "/" (a fraction numerator first; "B" is 分の as on the drill's panel),
    // Backspace takes back a key, Delete is CL, Enter is ＯＫ and Esc
    // キャンセル. Full-width characters from an input method count as their
    // ASCII forms.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    void FormShow();
    // Shows the panel's text after a button changed it.
    void showText();
    // Tells the student what an outcome has to say.
    void say(const Outcome& outcome);

    void btnDigitClick(int digit);
    void btnDecimalClick();
    void btnMinusClick();
    void btnBunsuClick();
    void btnClearClick();
    void btnSeishoClick();
    void btnOkClick();
    void btnCancelClick();
    // One typed character (after asciiNumberText); whether it meant anything.
    bool typeCharacter(char c);

    KeypadPanel panel;
};

// The program-wide instance, created at start-up.
extern TfrmDentaku* frmDentaku;
