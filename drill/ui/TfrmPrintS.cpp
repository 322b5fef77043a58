#include "drill/ui/TfrmPrintS.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "drill/Drill.h"
#include "drill/ui/AnswerKeyPrint.h"
#include "drill/ui/PrintPainter.h"
#include "picture/ui/QtAccessible.h"
#include "platform/UiPort.h"

QPointer<TfrmPrintS> frmPrintS;

namespace {

// A spin box whose number cannot be typed, only stepped: the read-only edit
// with its up-down.
QSpinBox* upDown(const char* name, const char* editName, int low, int high, int value,
                 QWidget* parent, QLineEdit** edit) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(low, high);
    spin->setValue(value);
    spin->setFixedWidth(64);
    *edit = spin->findChild<QLineEdit*>();
    (*edit)->setObjectName(QString::fromLatin1(editName));
    (*edit)->setReadOnly(true);
    return spin;
}

// Restores the cursor however the job ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TfrmPrintS::TfrmPrintS(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrintS"));
    setWindowTitle(QStringLiteral("frmPrintS"));

    Label3 = new QLabel(QStringLiteral("プリントイメージ"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    edtSample = new QLineEdit(this);
    edtSample->setObjectName(QStringLiteral("edtSample"));
    edtSample->setReadOnly(true);
    edtSample->setFocusPolicy(Qt::NoFocus);
    // As high as the largest size needs, so the up-downs stay under the mouse
    // while the preview grows.
    QFont largest = edtSample->font();
    largest.setPointSize(kMaxCharSize * 4 + 10);
    edtSample->setFixedHeight(QFontMetrics(largest).height() + 12);

    Label2 = new QLabel(QStringLiteral("左側空白（文字数）"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    PrintParameters initial;
    updLMargin = upDown("updLMargin", "edtLMargin", kMinLeftBlank, kMaxLeftBlank, initial.leftBlank,
                        this, &edtLMargin);
    Label1 = new QLabel(QStringLiteral("文字の大きさ"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    updSize =
        upDown("updSize", "edtSize", kMinCharSize, kMaxCharSize, initial.charSize, this, &edtSize);

    btnSettei = new QPushButton(QStringLiteral("プリンタの設定"), this);
    btnSettei->setObjectName(QStringLiteral("btnSettei"));
    btnStart = new QPushButton(QStringLiteral("印刷開始"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnCancel = new QPushButton(QStringLiteral("閉じる"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnSettei, btnStart, btnCancel})
        b->setAutoDefault(false);
    // Each label names the control beside it for a screen reader; the
    // preview says what it shows (showSample).
    Label3->setBuddy(edtSample);
    Label2->setBuddy(updLMargin);
    Label1->setBuddy(updSize);

    auto* grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(updLMargin, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(updSize, 1, 1);
    grid->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSettei);
    buttons->addStretch(1);
    buttons->addWidget(btnStart);
    buttons->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label3);
    column->addWidget(edtSample);
    column->addSpacing(8);
    column->addLayout(grid);
    column->addStretch(1);
    column->addLayout(buttons);
    resize(460, 260);

    connect(btnSettei, &QPushButton::clicked, this, &TfrmPrintS::btnSetteiClick);
    connect(btnStart, &QPushButton::clicked, this, &TfrmPrintS::btnStartClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmPrintS::btnCancelClick);
    connect(updSize, &QSpinBox::valueChanged, this, &TfrmPrintS::updSizeClick);
    connect(updLMargin, &QSpinBox::valueChanged, this, &TfrmPrintS::updLMarginClick);
    showSample();
}

QPrinter& TfrmPrintS::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QStringLiteral("連立方程式"));
    }
    return *printer_;
}

QPrintDialog* TfrmPrintS::printDialog() {
    if (!PrintDialog1) {
        PrintDialog1 = new QPrintDialog(&printer(), this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
        // A printer or a PDF file; the whole worksheet, never a part of it.
        PrintDialog1->setOption(QAbstractPrintDialog::PrintToFile, true);
        PrintDialog1->setOption(QAbstractPrintDialog::PrintPageRange, false);
        PrintDialog1->setOption(QAbstractPrintDialog::PrintSelection, false);
        PrintDialog1->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    }
    return PrintDialog1;
}

PrintParameters TfrmPrintS::parameters() const {
    return {updSize->value(), updLMargin->value()};
}

void TfrmPrintS::showSample() {
    const PrintParameters p = parameters();
    QFont font = edtSample->font();
    font.setPointSize(p.charSize * 4 + 10);
    edtSample->setFont(font);
    edtSample->setText(QString(p.leftBlank, QLatin1Char(' ')) + QStringLiteral("ax+by=c"));
    edtSample->setAccessibleDescription(
        QStringLiteral("左側に%1文字の空白、文字の大きさ%2で ax+by=c")
            .arg(p.leftBlank)
            .arg(p.charSize));
}

void TfrmPrintS::placePrintDialog() {
    // Over this window when it shows, else over the frame: a window that was
    // never shown gives no place to centre on.
    if (QWidget* over = isVisible() ? this : parentWidget()) {
        QPrintDialog* dialog = printDialog();
        QRect frame(QPoint(), dialog->size().expandedTo(dialog->sizeHint()));
        frame.moveCenter(over->frameGeometry().center());
        dialog->move(frame.topLeft());
    }
}

void TfrmPrintS::printCommand() {
    placePrintDialog();
    if (printDialog()->exec() != QDialog::Accepted)
        return;
    PrintOutcome outcome;
    {
        BusyCursor busy;
        outcome = drill ? printWorksheet(printer(), worksheetPrintJob(*drill, parameters(),
                                                                      QDateTime::currentDateTime()))
                        : PrintOutcome::NothingToPrint;
    }
    if (outcome == PrintOutcome::NothingToPrint) {
        ui().showMessage("印刷する式がありません");
    } else if (outcome == PrintOutcome::Failed) {
        const QString file = printer().outputFileName();
        ui().showMessage(file.isEmpty() ? std::string("印刷できませんでした")
                                        : file.toStdString() + " に書き込めません");
    }
}

void TfrmPrintS::printAnswerKeyCommand(int unit) {
    placePrintDialog();
    if (printDialog()->exec() != QDialog::Accepted)
        return;
    PrintOutcome outcome;
    {
        BusyCursor busy;
        const WorksheetLayout layout =
            drill ? drill->sheetLayout() : computeWorksheetLayout(1024, 768, 200);
        const std::vector<AnswerKeyQuestion> key = buildAnswerKey(questionBank, unit, layout);
        outcome =
            printAnswerKey(printer(), key, layout, parameters(), QDateTime::currentDateTime());
    }
    if (outcome == PrintOutcome::NothingToPrint) {
        ui().showMessage("この単元には問題がありません");
    } else if (outcome == PrintOutcome::Failed) {
        const QString file = printer().outputFileName();
        ui().showMessage(file.isEmpty() ? std::string("印刷できませんでした")
                                        : file.toStdString() + " に書き込めません");
    }
}

void TfrmPrintS::FormShow() {
    showSample();
}

void TfrmPrintS::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmPrintS::btnSetteiClick() {
    // The printer chosen here is the one the print command offers next.
    placePrintDialog();
    printDialog()->exec();
}

void TfrmPrintS::btnStartClick() {
    done(1);
    printCommand();
}

void TfrmPrintS::btnCancelClick() {
    done(1);
}

void TfrmPrintS::updSizeClick() {
    showSample();
}

void TfrmPrintS::updLMarginClick() {
    showSample();
}
