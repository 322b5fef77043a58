#include "questions/ui/TfrmEditQues.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "picture/ui/QtAccessible.h"
#include "platform/Text.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"
#include "questions/QuestionEditor.h"
#include "questions/QuestionLine.h"
#include "questions/QuestionMaking.h"
#include "questions/ui/TfrmSakusei.h"

QPointer<TfrmEditQues> frmEditQues;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* outputField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

// A label, and the output field it names (its buddy): a screen reader says
// the label's text as the field's name.
QLabel* label(const char* text, QWidget* parent, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TfrmEditQues::TfrmEditQues(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditQues"));
    setWindowTitle(QStringLiteral("問題の編集"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    resize(800, 600);

    memQues = new QPlainTextEdit(this);
    memQues->setObjectName(QStringLiteral("memQues"));
    memQues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memQues->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont(QStringLiteral("ＭＳ Ｐゴシック"));
    memoFont.setPixelSize(15);
    memQues->setFont(memoFont);
    connect(memQues, &QPlainTextEdit::textChanged, this, &TfrmEditQues::memQuesChange);

    edtTangen = outputField("edtTangen", this);
    edtTangen->setMaximumWidth(60);
    edtResult = outputField("edtResult", this);
    edtErTangen = outputField("edtErTangen", this);
    lstErQues = new QListWidget(this);
    lstErQues->setObjectName(QStringLiteral("lstErQues"));
    // A line in error, clicked, is found in the text.
    connect(lstErQues, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string text = item->data(Qt::UserRole).toString().toStdString();
        for (std::size_t i = 0; i < questionBank.lines.size(); ++i)
            if (questionBank.lines[i] == text) {
                caretToLineEnd(static_cast<int>(i));
                memQues->setFocus();
                return;
            }
    });

    btnCompile = new QPushButton(QStringLiteral("エラーチェック"), this);
    btnCompile->setObjectName(QStringLiteral("btnCompile"));
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnSakusei = new QPushButton(QStringLiteral("問題を作る(&M)..."), this);
    btnSakusei->setObjectName(QStringLiteral("btnSakusei"));
    btnKaitou = new QPushButton(QStringLiteral("模範解答を印刷(&A)..."), this);
    btnKaitou->setObjectName(QStringLiteral("btnKaitou"));
    connect(btnSakusei, &QPushButton::clicked, this, &TfrmEditQues::btnSakuseiClick);
    connect(btnKaitou, &QPushButton::clicked, this, &TfrmEditQues::btnKaitouClick);
    // The memo's own menu offers both as well.
    memQues->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memQues, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = memQues->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(QStringLiteral("問題を作る(&M)..."), this, &TfrmEditQues::btnSakuseiClick);
        menu->addAction(QStringLiteral("模範解答を印刷(&A)..."), this,
                        &TfrmEditQues::btnKaitouClick);
        menu->exec(memQues->mapToGlobal(at));
        delete menu;
    });
    // Enter in the memo makes a new line; no button is pressed by it.
    for (QPushButton* b : {btnSakusei, btnKaitou, btnCompile, btnOk, btnCancel}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(30);
    }
    connect(btnCompile, &QPushButton::clicked, this, &TfrmEditQues::btnCompileClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmEditQues::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmEditQues::btnCancelClick);

    auto* side = new QVBoxLayout;
    auto* units = new QHBoxLayout;
    units->addWidget(label("単元数", this, edtTangen));
    units->addWidget(edtTangen);
    units->addStretch(1);
    side->addLayout(units);
    side->addSpacing(8);
    side->addWidget(label("エラーチェックの結果", this, edtResult));
    side->addWidget(edtResult);
    side->addSpacing(8);
    side->addWidget(label("エラーの単元", this, edtErTangen));
    side->addWidget(edtErTangen);
    side->addSpacing(8);
    side->addWidget(label("エラーの問題", this, lstErQues));
    side->addWidget(lstErQues, 1);
    side->addSpacing(12);
    side->addWidget(btnSakusei);
    side->addWidget(btnKaitou);
    side->addSpacing(12);
    side->addWidget(btnCompile);
    side->addSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    side->addLayout(buttons);

    auto* layout = new QGridLayout(this);
    layout->addWidget(memQues, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnMinimumWidth(1, 280);

    // Controls without a label of their own, and a list whose label a
    // screen reader does not take as its name, in words (see
    // picture/ui/QtAccessible.h).
    nameControls(this, {{"memQues", "問題ファイルの本文"},
                        {"lstErQues", "エラーの問題"},
                        {"btnCancel", "キャンセル"}});

    chooseSaveFile = [this](const std::string& preset) -> std::optional<std::string> {
        QFileDialog dialog(isVisible() ? this : parentWidget(),
                           QStringLiteral("問題ファイルの保存"), q(preset),
                           QStringLiteral("SIMﾌｧｲﾙ (*.SIM *.sim)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without its ending gets ".SIM", so the open dialog lists it.
        dialog.setDefaultSuffix(QStringLiteral("SIM"));
        // A preset that is only a folder names no file to replace.
        if (!preset.empty() && preset.back() != '/')
            dialog.selectFile(q(preset));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst().toStdString();
    };
}

void TfrmEditQues::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmEditQues::FormShow() {
    if (QWidget* frame = parentWidget()) {
        resize(frame->width(), frame->height());
        move(0, 0);
    }
    filling_ = true;
    QString text;
    for (std::size_t i = 0; i < questionBank.lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += q(questionBank.lines[i]);
    }
    memQues->setPlainText(text);
    filling_ = false;
    editorShown();
    setWindowTitle(q(editorCaption(questionBank)));
    edtErTangen->clear();
    edtTangen->clear();
    edtResult->clear();
    lstErQues->clear();
    memQues->setFocus();
}

void TfrmEditQues::memQuesChange() {
    if (filling_)
        return;
    edtTangen->clear();
    lstErQues->clear();
    edtResult->clear();
    edtErTangen->clear();
    showCp932Forms();
    memoChanged(questionBank, splitLines(memQues->toPlainText().toStdString()));
}

void TfrmEditQues::showCp932Forms() {
    // A look-alike typed or pasted (〜 for ～) is shown at once as the
    // character the file will hold. Each is one UTF-16 unit for another, so
    // the positions stay and the caret stays where it was.
    const QString typed = memQues->toPlainText();
    const QString held = q(toCp932Forms(typed.toStdString()));
    if (held == typed || held.size() != typed.size())
        return;
    filling_ = true;
    QTextCursor cursor(memQues->document());
    cursor.joinPreviousEditBlock();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == held[i])
            continue;
        cursor.setPosition(static_cast<int>(i));
        cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QString(held[i]));
    }
    cursor.endEditBlock();
    filling_ = false;
}

void TfrmEditQues::caretToLineEnd(int line) {
    const QTextBlock block = memQues->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock);
    memQues->setTextCursor(cursor);
    memQues->ensureCursorVisible();
}

void TfrmEditQues::btnCompileClick() {
    QTextCursor start(memQues->document());
    memQues->setTextCursor(start);
    const CheckReport report = checkQuestionText(questionBank);
    if (report.edtTangen)
        edtTangen->setText(q(*report.edtTangen));
    if (report.edtResult)
        edtResult->setText(q(*report.edtResult));
    if (report.edtErTangen)
        edtErTangen->setText(q(*report.edtErTangen));
    lstErQues->clear();
    for (std::size_t i = 0; i < report.lstErQues.size(); ++i) {
        // The line as it can be seen, then why it is wrong; the line itself
        // is kept to find it in the text when the item is clicked.
        const std::string& line = report.lstErQues[i];
        std::string text = visibleLine(line);
        if (i < report.lstErReasons.size() && !report.lstErReasons[i].empty())
            text += "　← " + report.lstErReasons[i];
        auto* item = new QListWidgetItem(q(text), lstErQues);
        item->setData(Qt::UserRole, q(line));
        item->setToolTip(q(text));
    }
    if (report.focusMemo)
        memQues->setFocus();
    if (report.caretLine)
        caretToLineEnd(*report.caretLine);
}

void TfrmEditQues::replaceText(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += q(lines[i]);
    }
    // One edit step, so that 元に戻す takes it back at once.
    QTextCursor cursor(memQues->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

void TfrmEditQues::btnSakuseiClick() {
    if (!frmSakusei)
        frmSakusei = new TfrmSakusei(this);
    const int unit = unitAtLine(questionBank.lines, memQues->textCursor().blockNumber());
    if (frmSakusei->showFor(questionBank.lines, std::min(unit, kMakingUnits)) != 1)
        return;
    const MakingOptions& made = frmSakusei->options();
    replaceText(replaceUnitQuestions(questionBank.lines, made.unit, frmSakusei->questions()));
    // The caret goes to the unit's line.
    int seen = 0;
    for (std::size_t i = 0; i < questionBank.lines.size(); ++i)
        if (questionBank.lines[i].starts_with("<<") && ++seen == made.unit) {
            caretToLineEnd(static_cast<int>(i));
            break;
        }
    memQues->setFocus();
}

void TfrmEditQues::btnKaitouClick() {
    if (editorState.quesModified && !editorState.checkPassed) {
        ui().showMessage(kCheckFirstMessage);
        return;
    }
    if (printAnswerKey)
        printAnswerKey();
}

void TfrmEditQues::btnOkClick() {
    if (editorOk(questionBank))
        done(1);
}

void TfrmEditQues::btnCancelClick() {
    done(2);
}

void TfrmEditQues::reject() {
    // A key or the close box must not throw away an afternoon's typing unasked.
    if (editorState.quesModified && !ui().askYesNo("確認", "編集した内容を取り消して閉じますか"))
        return;
    btnCancelClick();
}

bool TfrmEditQues::saveQuestionFile() {
    const bool saved = ::saveQuestionFile(questionBank, chooseSaveFile);
    if (saved)
        setWindowTitle(q(editorCaption(questionBank)));
    return saved;
}

void runQuestionEditor(const std::function<bool()>& restartDrill,
                       const std::function<void()>& switchUnit) {
    if (!frmEditQues)
        return;
    beginEditing(questionBank);
    const bool accepted = frmEditQues->exec() == 1;
    finishEditing(questionBank, accepted, EditorCloseActions{restartDrill, switchUnit});
}
