#pragma once
// The matrix input window "行列データ入力": the cells of A or B in a grid, the
// size counters, the identity and random fills, and the matrix data files in
// DATA (the sample list to load from, and saving with a description). The
// rules live in the input model (matrix/MatrixInput.h); the window shows the
// model and hands every edit to it.

#include <QDialog>
#include <QPointer>
#include <QTableWidget>
#include <string>

#include "matrix/MatrixInput.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// The grid: editing ends with its text handed over when OK is pressed.
class MatrixGridWidget : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;
    // Ends an edit in progress, keeping what was typed.
    void commitEditing();
};

class TfrmInput : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmInput(QWidget* parent = nullptr);

    // The calculator names the target matrix ("A", anything else means B)
    // and the grid's size before showing the window.
    void setTarget(const std::string& target, int rows, int cols);
    const MatrixInput& model() const { return input; }

    QLineEdit* edtTarget;
    QLineEdit* edtFileName;
    QListWidget* lstSample;
    MatrixGridWidget* stgData;
    QLabel* lblTarget;  // "行列Ａ" or "行列Ｂ": the matrix the grid edits
    QLabel* Label4;
    QSpinBox* updGyou;  // its edit field is edtGyou
    QLineEdit* edtGyou;
    QSpinBox* updRetsu;  // its edit field is edtRetsu
    QLineEdit* edtRetsu;
    QGroupBox* grbSeihou;
    QPushButton* btn2X2;
    QPushButton* btn3X3;
    QPushButton* btn4X4;
    QGroupBox* GroupBox1;
    QPushButton* btnRansu;
    QSpinBox* updRnd;  // its edit field is edtRnd
    QLineEdit* edtRnd;
    QPushButton* btnSave;
    QPushButton* btnClear;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void btnOkClick();
    void btnCancelClick();
    void btnRansuClick();
    void btnClearClick();
    void btn2X2Click();
    void btn3X3Click();
    void btn4X4Click();
    void btnTanni1Click();
    void edtGyouChange();
    void edtRetsuChange();
    void lstSampleClick();
    void btnSaveClick();
    // Writes the headers and the stored matrix's cells into the grid.
    void GyouPrintG();

    // Window routines.
    void refreshSampleList();
    void loadMatrixFile(const std::string& path);
    void saveMatrixFile();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Shows the model: the counters, the grid's size, headers and texts.
    void showGrid();
    void identity(int k);
    void cellEdited(QTableWidgetItem* item);

    MatrixInput input;
    bool showing = false;  // the grid is being filled from the model
};

// The description window: asks for the line that a saved file shows in the
// sample list.
class TfrmSetsumei : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSetsumei(QWidget* parent = nullptr);

    // The size of the grid being saved, shown in edtGr and in the example.
    void setGridSize(int rows, int cols);
    std::string description() const;

    QLabel* Label1;
    QLabel* lblComment;
    QLineEdit* edtSetsumei;
    QLineEdit* edtGr;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    void FormShow();
    void btnOkClick();
    void btnCancelClick();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    int rows_ = 1;
    int cols_ = 1;
};

// The program-wide instances, created at start-up.
extern QPointer<TfrmInput> frmInput;
extern QPointer<TfrmSetsumei> frmSetsumei;
