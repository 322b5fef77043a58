#pragma once
// The question editor "問題の編集": the question text as plain lines in the
// memo memQues, the error check that must accept an edited text before OK
// takes it over, and the save procedure of the question file.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TfrmEditQues : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmEditQues(QWidget* parent = nullptr);

    // The save procedure (menu 保存する(&S), the open procedure, the close
    // query): true when the text was written.
    bool saveQuestionFile();
    // The save dialog, preset to the given path: the chosen path, or nullopt
    // when cancelled. Tests replace it.
    std::function<std::optional<std::string>(const std::string& preset)> chooseSaveFile;

    // 模範解答を印刷: asks for a unit and prints its answer key; installed by
    // the program (the printing belongs to the drill's windows).
    std::function<void()> printAnswerKey;

    void btnCompileClick();
    // 問題を作る: frmSakusei for the unit at the caret; its OK puts the new
    // questions in place of the unit's questions in the text.
    void btnSakuseiClick();
    // 模範解答を印刷 of the text in use: an edited text must pass the check first.
    void btnKaitouClick();
    void btnOkClick();
    void btnCancelClick();

    QPlainTextEdit* memQues = nullptr;
    QPushButton* btnCompile = nullptr;
    QPushButton* btnSakusei = nullptr;
    QPushButton* btnKaitou = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QLineEdit* edtTangen = nullptr;
    QLineEdit* edtResult = nullptr;
    QLineEdit* edtErTangen = nullptr;
    QListWidget* lstErQues = nullptr;

  public slots:
    // Esc and the close box: ｷｬﾝｾﾙ, asking first when the text was edited.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void memQuesChange();
    // Shows typed look-alikes in the memo as the CP932 characters kept.
    void showCp932Forms();
    // Puts the caret at the end of memo line `line` (0-based).
    void caretToLineEnd(int line);
    // Puts `lines` in the memo as an edit of the teacher's.
    void replaceText(const std::vector<std::string>& lines);
    bool filling_ = false;  // the memo is being filled, not edited
};

extern QPointer<TfrmEditQues> frmEditQues;

// The editing procedure of 問題を編集する(&E): keeps the text to return to,
// shows the editor, and afterwards restarts the drill and runs the unit
// switching (`restartDrill`, `switchUnit`), or puts the old text back.
void runQuestionEditor(const std::function<bool()>& restartDrill,
                       const std::function<void()>& switchUnit);
