#pragma once
// The record view "練習の記録": unit by unit, the date of the last finished
// question and one star for each time each question was finished. Its button
// 記録消去 opens the deletion window and lists again when that erased a unit.

#include <QDialog>
#include <QPointer>

class QListWidget;
class QPushButton;

class TfrmKiroku : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmKiroku(QWidget* parent = nullptr);

    // Lists the record file for the units of the question file in use.
    void listRecords();

    QListWidget* lstTitle = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnDeleteClick();
    void btnCloseClick();
};

extern QPointer<TfrmKiroku> frmKiroku;
