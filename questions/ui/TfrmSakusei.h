#pragma once
// 問題を作る "frmSakusei": a unit's questions made to order for the question
// editor. The teacher picks the unit, the number of unknowns, the kind, the
// number of questions and the level; the questions show below, drawn as the
// problem choice window draws them. 作り直す makes others; OK hands them to
// the editor, which puts them in place of the unit's questions.

#include <QDialog>
#include <QPointer>
#include <string>
#include <vector>

#include "picture/Picture.h"
#include "questions/QuestionMaking.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// One question's preview, drawn smaller than in the choice window so that
// five fit the window on a screen of 800 x 600.
class TfrmSakuseiPreview : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmSakuseiPreview(QWidget* parent = nullptr);
    void setPicture(Picture picture);
    const Picture& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Picture picture_;
};

class TfrmSakusei : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSakusei(QWidget* parent = nullptr);

    // Shows the window for the editor's text `lines` (the unit names come
    // from it), unit `unit` chosen. Returns the modal result: 1 OK, 2 cancel.
    int showFor(const std::vector<std::string>& lines, int unit);

    // The options as the controls show them, and the questions made for them.
    const MakingOptions& options() const { return options_; }
    const std::vector<std::string>& questions() const { return questions_; }
    // Sets the seed (tests) and makes the questions again.
    void setSeed(uint32_t seed);

    void btnRemakeClick();  // 作り直す
    void btnOKClick();
    void btnCancelClick();

    QComboBox* cmbTangen = nullptr;
    QComboBox* cmbGensu = nullptr;
    QComboBox* cmbShurui = nullptr;
    QSpinBox* updKazu = nullptr;
    QComboBox* cmbLevel = nullptr;
    QLabel* lblStatus = nullptr;
    std::vector<QLabel*> lblNumber;               // "(1)" … "(5)"
    std::vector<TfrmSakuseiPreview*> imgPreview;  // the five previews
    QPushButton* btnRemake = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    void unitChanged();
    void optionsChanged();
    void showControls();
    void remake();

    MakingOptions options_;
    std::vector<std::string> questions_;
    std::vector<std::string> names_;
    bool filling_ = false;
};

extern QPointer<TfrmSakusei> frmSakusei;
