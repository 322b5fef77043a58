#pragma once
// The version dialog "バージョン情報".

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

constexpr const char* kProductLine = "Tabulon 数学Ｃ／行列と連立方程式";
constexpr const char* kVersionLine = "バージョン 1.0";

class TfrmVersion : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmVersion(QWidget* parent = nullptr);

    QLabel* imgIcon = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblComment = nullptr;
    QPushButton* btnOK = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TfrmVersion> frmVersion;
