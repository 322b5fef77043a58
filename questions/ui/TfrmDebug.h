#pragma once
// The step listing "frmDebug": the raw terms of four consecutive rows of the
// equation list, from the first row of one step's block on. Opened by the
// right mouse button over the current step picture.

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmDebug : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDebug(QWidget* parent = nullptr);

    // Fills the window for step `step` from the equation list.
    void listStep(int step);
    // listStep, then shown modally; returns the modal result.
    int showStep(int step);

    QLineEdit* Edit1 = nullptr;
    QListWidget* LB[4] = {};  // LB1 … LB4
    QPushButton* btnClose = nullptr;
};

extern QPointer<TfrmDebug> frmDebug;
