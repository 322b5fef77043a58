#pragma once
// The print settings "frmPrintS": the character size (the magnification is
// the size + 1) and the left blank of a printed worksheet, with a preview
// line, and the print dialog that the print command and プリンタの設定 use.
// The print command 印刷する(&P) shows the print dialog (a printer or a PDF
// file) and prints the worksheet with the two parameters set here.

#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <memory>

#include "drill/PrintLayout.h"

class Drill;
class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;
class QSpinBox;

class TfrmPrintS : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPrintS(QWidget* parent = nullptr);

    // The drill whose worksheet the print command prints and whose layout
    // the answer key follows; app/ sets it at start-up. Unset, there is
    // nothing to print.
    const Drill* drill = nullptr;

    // The two parameters as the window shows them now.
    PrintParameters parameters() const;
    // The print command: the print dialog, and when the student confirms,
    // the worksheet printed under a busy cursor. Cancelling prints nothing.
    void printCommand();
    // 模範解答を印刷: the print dialog, and when the teacher confirms, the
    // answer key of `unit` of the question text in use, worked on the
    // worksheet's layout and printed with the two parameters set here.
    void printAnswerKeyCommand(int unit);

    QLabel* Label3 = nullptr;
    QLineEdit* edtSample = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* updLMargin = nullptr;
    QLineEdit* edtLMargin = nullptr;  // the text of updLMargin
    QLabel* Label1 = nullptr;
    QSpinBox* updSize = nullptr;
    QLineEdit* edtSize = nullptr;  // the text of updSize
    QPushButton* btnSettei = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnCancel = nullptr;
    // Made when the print dialog is first needed (see printDialog()).
    QPrintDialog* PrintDialog1 = nullptr;

    // The printer the dialog sets up and the print command prints on. It is
    // made on first use: setting up a printer asks the printing system for
    // its printers, which would slow every start of the program down.
    QPrinter& printer();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnSetteiClick();
    void btnStartClick();
    void btnCancelClick();
    void updSizeClick();
    void updLMarginClick();
    void showSample();
    // The print dialog on printer(), made on first use.
    QPrintDialog* printDialog();
    // Places the print dialog before it is shown.
    void placePrintDialog();

    std::unique_ptr<QPrinter> printer_;
};

extern QPointer<TfrmPrintS> frmPrintS;
