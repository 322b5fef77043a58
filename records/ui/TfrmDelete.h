#pragma once
// The deletion window: the units that have records, and 消去 to erase the
// records of the chosen one, without confirmation. It closes with OK (1) when
// a unit was erased, so the record view lists again, otherwise with Cancel (2).

#include <QDialog>
#include <QPointer>

#include "records/RecordView.h"

class QLabel;
class QListWidget;
class QPushButton;

class TfrmDelete : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDelete(QWidget* parent = nullptr);

    QLabel* Panel1 = nullptr;
    QListWidget* lstTitle = nullptr;
    QPushButton* btnDeleteOne = nullptr;
    QPushButton* btnClose = nullptr;

    // Every way of closing (閉じる, Esc, the title bar) reports whether a
    // unit was erased.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnDeleteOneClick();
    void btnCloseClick();
    void showUnits();
    RecordEraser eraser;
};

extern QPointer<TfrmDelete> frmDelete;
