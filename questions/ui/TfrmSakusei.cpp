#include "questions/ui/TfrmSakusei.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "picture/ui/PicturePainter.h"
#include "picture/ui/QtAccessible.h"
#include "questions/ProblemChoice.h"
#include "questions/QuestionLine.h"

QPointer<TfrmSakusei> frmSakusei;

namespace {

// The previews are drawn at this share of the choice window's size.
constexpr double kPreviewScale = 0.78;

QSize previewSize() {
    return QSize(static_cast<int>(kPreviewSize.width * kPreviewScale),
                 static_cast<int>(kPreviewSize.height * kPreviewScale));
}

QComboBox* combo(const char* name, const QStringList& items, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    return c;
}

QLabel* label(const char* text, QWidget* parent, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setBuddy(buddy);
    return l;
}

uint32_t freshSeed() {
    return QRandomGenerator::global()->generate();
}

}  // namespace

TfrmSakuseiPreview::TfrmSakuseiPreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(previewSize());
}

void TfrmSakuseiPreview::setPicture(Picture picture) {
    picture_ = std::move(picture);
    update();
}

void TfrmSakuseiPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintOptions options;
    options.scale = kPreviewScale;
    paintPicture(painter, picture_, QSize(kPreviewSize.width, kPreviewSize.height), options);
}

TfrmSakusei::TfrmSakusei(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSakusei"));
    setWindowTitle(QStringLiteral("問題を作る"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));

    cmbTangen = combo("cmbTangen", {}, this);
    cmbGensu = combo("cmbGensu",
                     {QStringLiteral("2元"), QStringLiteral("3元"), QStringLiteral("4元")}, this);
    cmbShurui = combo("cmbShurui",
                      {QStringLiteral("一つの解"), QStringLiteral("解なし"),
                       QStringLiteral("解は無数にある"), QStringLiteral("まぜる")},
                      this);
    updKazu = new QSpinBox(this);
    updKazu->setObjectName(QStringLiteral("updKazu"));
    updKazu->setRange(1, kMaxQuestions);
    cmbLevel = combo(
        "cmbLevel",
        {QStringLiteral("やさしい"), QStringLiteral("ふつう"), QStringLiteral("むずかしい")}, this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    auto* controls = new QGridLayout;
    controls->addWidget(label("単元(&U)", this, cmbTangen), 0, 0);
    controls->addWidget(cmbTangen, 0, 1, 1, 3);
    controls->addWidget(label("未知数の数(&N)", this, cmbGensu), 0, 4);
    controls->addWidget(cmbGensu, 0, 5);
    controls->addWidget(label("解の種類(&K)", this, cmbShurui), 1, 0);
    controls->addWidget(cmbShurui, 1, 1);
    controls->addWidget(label("問題の数(&C)", this, updKazu), 1, 2);
    controls->addWidget(updKazu, 1, 3);
    controls->addWidget(label("むずかしさ(&L)", this, cmbLevel), 1, 4);
    controls->addWidget(cmbLevel, 1, 5);
    controls->setColumnStretch(1, 1);

    // The previews, two to a row.
    auto* previews = new QGridLayout;
    previews->setHorizontalSpacing(12);
    previews->setVerticalSpacing(2);
    for (int i = 0; i < kMaxQuestions; ++i) {
        auto* number = new QLabel(QStringLiteral("(%1)").arg(i + 1), this);
        number->setObjectName(QStringLiteral("lblNumber%1").arg(i + 1));
        number->setAlignment(Qt::AlignRight | Qt::AlignTop);
        auto* preview = new TfrmSakuseiPreview(this);
        preview->setObjectName(QStringLiteral("imgPreview%1").arg(i + 1));
        preview->setAccessibleName(QStringLiteral("問題%1").arg(i + 1));
        lblNumber.push_back(number);
        imgPreview.push_back(preview);
        previews->addWidget(number, i / 2, (i % 2) * 2);
        previews->addWidget(preview, i / 2, (i % 2) * 2 + 1);
    }

    btnRemake = new QPushButton(QStringLiteral("作り直す(&R)"), this);
    btnRemake->setObjectName(QStringLiteral("btnRemake"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnRemake, btnOK, btnCancel}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(28);
    }
    connect(btnRemake, &QPushButton::clicked, this, &TfrmSakusei::btnRemakeClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSakusei::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSakusei::btnCancelClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(btnRemake);
    buttons->addSpacing(16);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(previews);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(cmbTangen, &QComboBox::currentIndexChanged, this, &TfrmSakusei::unitChanged);
    for (QComboBox* c : {cmbGensu, cmbShurui, cmbLevel})
        connect(c, &QComboBox::currentIndexChanged, this, &TfrmSakusei::optionsChanged);
    connect(updKazu, &QSpinBox::valueChanged, this, &TfrmSakusei::optionsChanged);
    showControls();
}

int TfrmSakusei::showFor(const std::vector<std::string>& lines, int unit) {
    names_ = makingUnitNames(lines);
    options_ = suggestFor(options_, unit);
    options_.seed = freshSeed();
    filling_ = true;
    cmbTangen->clear();
    for (int u = 1; u <= kMakingUnits; ++u) {
        const std::string& name = names_[static_cast<std::size_t>(u - 1)];
        cmbTangen->addItem(QStringLiteral("%1　%2").arg(u).arg(
            QString::fromStdString(name.empty() ? "（新しい単元）" : name)));
    }
    filling_ = false;
    showControls();
    remake();
    return exec();
}

void TfrmSakusei::setSeed(uint32_t seed) {
    options_.seed = seed;
    remake();
}

void TfrmSakusei::showControls() {
    filling_ = true;
    cmbTangen->setCurrentIndex(options_.unit - 1);
    cmbGensu->setCurrentIndex(options_.unknowns - 2);
    cmbShurui->setCurrentIndex(static_cast<int>(options_.kind));
    updKazu->setValue(options_.count);
    cmbLevel->setCurrentIndex(static_cast<int>(options_.level));
    filling_ = false;
}

void TfrmSakusei::unitChanged() {
    if (filling_)
        return;
    options_ = suggestFor(options_, cmbTangen->currentIndex() + 1);
    showControls();
    remake();
}

void TfrmSakusei::optionsChanged() {
    if (filling_)
        return;
    options_.unknowns = cmbGensu->currentIndex() + 2;
    options_.kind = static_cast<MakingKind>(cmbShurui->currentIndex());
    options_.count = updKazu->value();
    options_.level = static_cast<GeneratorOptions::Level>(cmbLevel->currentIndex());
    remake();
}

void TfrmSakusei::remake() {
    questions_ = makeQuestions(options_);
    for (int i = 0; i < kMaxQuestions; ++i) {
        const bool shown = i < static_cast<int>(questions_.size());
        Picture picture;
        if (shown)
            if (std::optional<ParsedQuestion> q = parseQuestionAside(questions_[i]))
                picture = previewPicture(q->rows, q->hasDecimalPoint);
        imgPreview[i]->setPicture(std::move(picture));
        imgPreview[i]->setVisible(shown);
        lblNumber[i]->setVisible(shown);
        imgPreview[i]->setToolTip(shown ? QString::fromStdString(questions_[i]) : QString());
    }
    const bool complete = static_cast<int>(questions_.size()) == options_.count;
    lblStatus->setText(
        complete ? QString() : QStringLiteral("%1問しか作れませんでした").arg(questions_.size()));
    btnOK->setEnabled(!questions_.empty());
}

void TfrmSakusei::btnRemakeClick() {
    options_.seed = freshSeed();
    remake();
}

void TfrmSakusei::btnOKClick() {
    done(1);
}

void TfrmSakusei::btnCancelClick() {
    done(2);
}
