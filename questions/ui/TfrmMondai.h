#pragma once
// The problem choice "単元変更": the questions of one unit as drawn
// equations, one preview per question, the chosen one marked by its bracket;
// during 単元変更(&C) also the list of all units. OK hands the marked
// question to the drill (modal result 1); キャンセル changes nothing (2).

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "questions/ProblemChoice.h"

class QLabel;
class QListWidget;
class QPushButton;

// A picture of the window: paints its description at its own size and
// reports clicks.
class TfrmMondaiPicture : public QWidget {
    Q_OBJECT
  public:
    TfrmMondaiPicture(const QString& name, PixelSize size, QWidget* parent);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    // What the picture shows now, as an image.
    QImage image() const;

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Picture picture_;
};

// What the window is shown for.
struct ProblemChoiceRequest {
    int comboIndex = 0;  // the item of cmbMenu
    std::array<int, kMaxUnits + 1> curQues{};
    int unknownCount = 2;
    bool showUnitList = false;
};

class TfrmMondai : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmMondai(QWidget* parent = nullptr);

    // Shows the window modally for `request`; returns 1 (OK) or 2 (Cancel).
    // After OK, problemChoice.accept() is the question chosen.
    int showFor(const ProblemChoiceRequest& request);

    void btnOKClick();
    void btnCancelClick();
    void lstTangenClick(int item);
    void selectQuestion(int a);

    std::array<TfrmMondaiPicture*, 6> Image{};     // Image1 … Image5
    std::array<TfrmMondaiPicture*, 6> imgKakko{};  // imgKakko1 … imgKakko5
    std::array<QPushButton*, 6> btnShiki{};        // btnShiki1 … btnShiki5
    TfrmMondaiPicture* imgKakkoB = nullptr;        // the marker bracket (hidden)
    TfrmMondaiPicture* imgKakkoW = nullptr;        // the plain bracket (hidden)
    QLabel* Label1 = nullptr;
    QListWidget* lstTangen = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    // Shows the model: the slots, their previews, the brackets, the list.
    void syncFromModel();
    ProblemChoiceRequest request_;
    std::array<unsigned, 6> shownRevision_{};
    bool syncing_ = false;
};

extern QPointer<TfrmMondai> frmMondai;
