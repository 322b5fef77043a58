#include "arith/ui/TfrmDentaku.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "arith/NumberText.h"
#include "picture/ui/PicturePainter.h"
#include "picture/ui/QtAccessible.h"

TfrmDentaku* frmDentaku = nullptr;

KeypadPicture::KeypadPicture(PixelSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size.width, size.height);
    showPicture(Picture{});
}

void KeypadPicture::showPicture(Picture picture) {
    picture_ = std::move(picture);
    describePicture(this, picture_);
    image_ = renderPicture(picture_, size());
    update();
}

void KeypadPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                        int w, int h) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TfrmDentaku::TfrmDentaku(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDentaku"));
    setWindowTitle(QStringLiteral("係数入力"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    setFixedSize(262, 260);

    pnlNumber = new QLabel(this);
    pnlNumber->setObjectName(QStringLiteral("pnlNumber"));
    pnlNumber->setGeometry(8, 8, 246, 34);
    pnlNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlNumber->setIndent(8);
    pnlNumber->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlNumber->setAutoFillBackground(true);
    QPalette panel = pnlNumber->palette();
    panel.setColor(QPalette::Window, Qt::black);
    panel.setColor(QPalette::WindowText, QColor(0, 255, 255));
    pnlNumber->setPalette(panel);
    QFont panelFont(QStringLiteral("ＭＳ Ｐゴシック"), 14);
    panelFont.setBold(true);
    pnlNumber->setFont(panelFont);

    // Digits in the calculator's order, 7 8 9 on top and 0 at the bottom.
    static const char* const names[10] = {"btn0", "btn1", "btn2", "btn3", "btn4",
                                          "btn5", "btn6", "btn7", "btn8", "btn9"};
    static const char* const captions[10] = {"０", "１", "２", "３", "４",
                                             "５", "６", "7",  "８", "９"};
    QFont keyFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    for (int d = 0; d < 10; ++d) {
        int col = d == 0 ? 0 : (d - 1) % 3;
        int row = d == 0 ? 3 : 2 - (d - 1) / 3;
        btnDigit[d] = makeButton(this, names[d], QString::fromUtf8(captions[d]), 8 + 46 * col,
                                 50 + 42 * row, 42, 38);
        btnDigit[d]->setFont(keyFont);
        connect(btnDigit[d], &QPushButton::clicked, this, [this, d] { btnDigitClick(d); });
    }
    btnDecimal = makeButton(this, "btnDecimal", QStringLiteral("．"), 54, 176, 42, 38);
    btnMinus = makeButton(this, "btnMinus", QStringLiteral("－"), 100, 176, 42, 38);
    btnDecimal->setFont(keyFont);
    btnMinus->setFont(keyFont);
    btnBunsu = makeButton(this, "btnBunsu", QStringLiteral("分の"), 150, 50, 104, 38);
    btnClear = makeButton(this, "btnClear", QStringLiteral("CL"), 150, 92, 104, 38);
    btnClear->setToolTip(QStringLiteral("クリアする"));
    btnSeisho = makeButton(this, "btnSeisho", QStringLiteral("清書"), 150, 134, 104, 38);

    imgSample = new KeypadPicture(kFairCopySize, this);
    imgSample->setObjectName(QStringLiteral("imgSample"));
    imgSample->move(150, 176);

    imgSample->setAccessibleName(QStringLiteral("清書"));

    btnOk = makeButton(this, "btnOk", QStringLiteral("ＯＫ"), 8, 222, 120, 30);
    btnCancel = makeButton(this, "btnCancel", QStringLiteral("キャンセル"), 134, 222, 120, 30);

    // Symbols, in words (see picture/ui/QtAccessible.h).
    nameControls(this, {{"btnDecimal", "小数点"},
                        {"btnMinus", "マイナス"},
                        {"btnBunsu", "分の"},
                        {"btnClear", "クリア"},
                        {"pnlNumber", "入力中の数"}});

    // The window itself takes the keyboard: its buttons never hold the focus.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);

    connect(btnDecimal, &QPushButton::clicked, this, &TfrmDentaku::btnDecimalClick);
    connect(btnMinus, &QPushButton::clicked, this, &TfrmDentaku::btnMinusClick);
    connect(btnBunsu, &QPushButton::clicked, this, &TfrmDentaku::btnBunsuClick);
    connect(btnClear, &QPushButton::clicked, this, &TfrmDentaku::btnClearClick);
    connect(btnSeisho, &QPushButton::clicked, this, &TfrmDentaku::btnSeishoClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmDentaku::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmDentaku::btnCancelClick);
}

void TfrmDentaku::say(const Outcome& outcome) {
    if (tell && !outcome.messages.empty())
        tell(outcome.messages);
}

void TfrmDentaku::showText() {
    pnlNumber->setText(QString::fromStdString(panel.text));
}

void TfrmDentaku::FormShow() {
    imgSample->showPicture(Picture{});
    panel.clear();
    showText();
    setFocus();
}

bool TfrmDentaku::typeCharacter(char c) {
    if (c >= '0' && c <= '9')
        panel.typeDigit(c - '0');
    else if (c == '-')
        say(panel.typeMinus());
    else if (c == '.')
        panel.typeDecimal();
    else if (c == '/')
        panel.typeSlash();
    else if (c == 'B' || c == 'b')
        panel.typeBunsu();
    else
        return false;
    showText();
    return true;
}

void TfrmDentaku::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            btnOkClick();
            return;
        case Qt::Key_Escape:
            btnCancelClick();
            return;
        case Qt::Key_Backspace:
            panel.backspace();
            showText();
            return;
        case Qt::Key_Delete:
            btnClearClick();
            return;
        default:
            break;
    }
    const std::string typed = asciiNumberText(event->text().toStdString());
    if (typed.size() == 1 && typeCharacter(typed[0]))
        return;
    QDialog::keyPressEvent(event);
}

void TfrmDentaku::inputMethodEvent(QInputMethodEvent* event) {
    // An input method hands over what it composed ("３", "－") at once.
    for (char c : asciiNumberText(event->commitString().toStdString()))
        typeCharacter(c);
    event->accept();
}

void TfrmDentaku::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDentaku::reject() {
    done(kKeypadCancelled);
}

void TfrmDentaku::btnDigitClick(int digit) {
    panel.typeDigit(digit);
    showText();
}

void TfrmDentaku::btnDecimalClick() {
    panel.typeDecimal();
    showText();
}

void TfrmDentaku::btnMinusClick() {
    say(panel.typeMinus());
    showText();
}

void TfrmDentaku::btnBunsuClick() {
    panel.typeBunsu();
    showText();
}

void TfrmDentaku::btnClearClick() {
    panel.clear();
    showText();
}

void TfrmDentaku::btnSeishoClick() {
    // Each fair copy replaces the one before.
    const Outcome copied = panel.fairCopy();
    say(copied);
    if (copied.done)
        imgSample->showPicture(fairCopyPicture(keypadValue));
}

void TfrmDentaku::btnOkClick() {
    Messages said;
    const int result = panel.ok(said);
    if (tell && !said.empty())
        tell(said);
    if (result != kKeypadStaysOpen)
        done(result);
}

void TfrmDentaku::btnCancelClick() {
    done(kKeypadCancelled);
}
