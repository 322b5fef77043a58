#include "arith/ui/TfrmDentaku.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "arith/NumberText.h"
#include "arith/ui/FractionPainter.h"
#include "platform/UiPort.h"

Fraction keypadValue;
TfrmDentaku* frmDentaku = nullptr;

KeypadPicture::KeypadPicture(int width, int height, QWidget* parent)
    : QWidget(parent), canvas(width, height, QImage::Format_RGB32) {
    setFixedSize(width, height);
    clear();
}

void KeypadPicture::clear() {
    canvas.fill(Qt::white);
    update();
}

void KeypadPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas);
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

    imgSample = new KeypadPicture(104, 40, this);
    imgSample->setObjectName(QStringLiteral("imgSample"));
    imgSample->move(150, 176);

    btnOk = makeButton(this, "btnOk", QStringLiteral("ＯＫ"), 8, 222, 120, 30);
    btnCancel = makeButton(this, "btnCancel", QStringLiteral("キャンセル"), 134, 222, 120, 30);

    connect(btnDecimal, &QPushButton::clicked, this, &TfrmDentaku::btnDecimalClick);
    connect(btnMinus, &QPushButton::clicked, this, &TfrmDentaku::btnMinusClick);
    connect(btnBunsu, &QPushButton::clicked, this, &TfrmDentaku::btnBunsuClick);
    connect(btnClear, &QPushButton::clicked, this, &TfrmDentaku::btnClearClick);
    connect(btnSeisho, &QPushButton::clicked, this, &TfrmDentaku::btnSeishoClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmDentaku::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmDentaku::btnCancelClick);
}

void TfrmDentaku::setPanelText(const std::string& text) {
    panelText = text;
    pnlNumber->setText(QString::fromStdString(panelText));
}

void TfrmDentaku::append(const std::string& piece) {
    setPanelText(panelText + piece);
}

void TfrmDentaku::FormShow() {
    imgSample->clear();
    setPanelText("");
}

void TfrmDentaku::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDentaku::reject() {
    done(2);
}

void TfrmDentaku::btnDigitClick(int digit) {
    append(std::string(1, static_cast<char>('0' + digit)));
}

void TfrmDentaku::btnDecimalClick() {
    append(".");
}

void TfrmDentaku::btnMinusClick() {
    if (!panelText.empty()) {
        ui().showMessage("－の位置が間違っています");
        return;
    }
    append("-");
}

void TfrmDentaku::btnBunsuClick() {
    append("分の");
}

void TfrmDentaku::btnClearClick() {
    setPanelText("");
}

void TfrmDentaku::btnSeishoClick() {
    // A text the reader refuses (the buttons can compose a second "." or five
    // digits) has been reported; the student corrects it, nothing is drawn.
    const PanelNumber number = readKeypadNumber(panelText);
    if (number.refused)
        return;
    keypadValue = number.value;
    // Each fair copy replaces the one before.
    imgSample->clear();
    QPainter painter(&imgSample->image());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(fractionFont());
    painter.setPen(Qt::black);
    drawStackedFraction(painter, 5, 5, keypadValue);
    painter.end();
    imgSample->update();
}

void TfrmDentaku::btnOkClick() {
    if (panelText.empty()) {
        done(2);
        return;
    }
    // A refused text has been reported; the window stays open for the
    // student to correct it, instead of handing over 0/0 as if it were zero.
    const PanelNumber number = readKeypadNumber(panelText);
    if (number.refused)
        return;
    keypadValue = number.value;
    done(1);
}

void TfrmDentaku::btnCancelClick() {
    done(2);
}
