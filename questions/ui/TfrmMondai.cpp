#include "questions/ui/TfrmMondai.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "picture/ui/PicturePainter.h"
#include "picture/ui/QtAccessible.h"

QPointer<TfrmMondai> frmMondai;

namespace {

constexpr QPoint kSlotPlace[] = {{}, {8, 24}, {8, 160}, {8, 304}, {400, 24}, {400, 160}};

QSize qSize(PixelSize s) {
    return QSize(s.width, s.height);
}

}  // namespace

TfrmMondaiPicture::TfrmMondaiPicture(const QString& name, PixelSize size, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    resize(qSize(size));
}

void TfrmMondaiPicture::setPicture(const Picture& picture) {
    picture_ = picture;
    describePicture(this, picture_);
    update();
}

QImage TfrmMondaiPicture::image() const {
    return renderPicture(picture_, size());
}

void TfrmMondaiPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, picture_, size());
}

void TfrmMondaiPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void TfrmMondaiPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TfrmMondai::TfrmMondai(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMondai"));
    setWindowTitle(QStringLiteral("単元変更"));
    resize(800, 580);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(232, 232, 232));
    setPalette(pal);
    setAutoFillBackground(true);

    QFont big = font();
    big.setPixelSize(16);

    imgKakkoB = new TfrmMondaiPicture(QStringLiteral("imgKakkoB"), kSlotBracketSize, this);
    imgKakkoB->setPicture(slotBracketPicture(true));
    imgKakkoB->hide();
    imgKakkoW = new TfrmMondaiPicture(QStringLiteral("imgKakkoW"), kSlotBracketSize, this);
    imgKakkoW->setPicture(slotBracketPicture(false));
    imgKakkoW->hide();

    static const char* const kCircled[] = {"", "①", "②", "③", "④", "⑤"};
    for (int k = 1; k <= kMaxQuestions; ++k) {
        const QPoint at = kSlotPlace[k];
        imgKakko[k] =
            new TfrmMondaiPicture(QStringLiteral("imgKakko%1").arg(k), kSlotBracketSize, this);
        imgKakko[k]->move(at);
        imgKakko[k]->setPicture(imgKakkoW->picture());
        Image[k] = new TfrmMondaiPicture(QStringLiteral("Image%1").arg(k), kPreviewSize, this);
        Image[k]->move(at + QPoint(kSlotBracketSize.width, 0));
        Image[k]->setCursor(Qt::PointingHandCursor);
        btnShiki[k] = new QPushButton(QString::fromUtf8(kCircled[k]), Image[k]);
        btnShiki[k]->setObjectName(QStringLiteral("btnShiki%1").arg(k));
        btnShiki[k]->setAccessibleName(QStringLiteral("第%1問").arg(k));
        Image[k]->setAccessibleName(QStringLiteral("第%1問の式").arg(k));
        btnShiki[k]->setFont(big);
        btnShiki[k]->setGeometry(kPreviewSize.width - 36, 4, 32, 28);
        btnShiki[k]->setAutoDefault(false);
        connect(Image[k], &TfrmMondaiPicture::clicked, this, [this, k] { selectQuestion(k); });
        connect(imgKakko[k], &TfrmMondaiPicture::clicked, this, [this, k] { selectQuestion(k); });
        connect(btnShiki[k], &QPushButton::clicked, this, [this, k] { selectQuestion(k); });
        // A double click picks the question and goes on with it.
        connect(Image[k], &TfrmMondaiPicture::doubleClicked, this, [this, k] {
            selectQuestion(k);
            btnOKClick();
        });
    }

    Label1 = new QLabel(QStringLiteral("問題を選んでください"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(big);
    Label1->setAutoFillBackground(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setGeometry(400, 304, 362, 26);

    lstTangen = new QListWidget(this);
    lstTangen->setObjectName(QStringLiteral("lstTangen"));
    lstTangen->setFont(big);
    lstTangen->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTangen->setGeometry(400, 334, 362, 150);
    connect(lstTangen, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing_ && row >= 0)
            lstTangenClick(row);
    });

    btnOK = new QPushButton(QStringLiteral("Ｏ　Ｋ"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(520, 500, 110, 34);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(652, 500, 110, 34);
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMondai::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmMondai::btnCancelClick);
}

int TfrmMondai::showFor(const ProblemChoiceRequest& request) {
    request_ = request;
    return exec();
}

void TfrmMondai::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmMondai::FormShow() {
    if (QWidget* frame = parentWidget())
        setGeometry(frame->geometry());
    lstTangen->setVisible(request_.showUnitList);
    problemChoice.show(questionBank, request_.comboIndex, request_.curQues, request_.unknownCount,
                       request_.showUnitList);
    syncFromModel();
    btnOK->setFocus();
}

void TfrmMondai::syncFromModel() {
    syncing_ = true;
    const ProblemChoice& c = problemChoice;
    QStringList names;
    for (const std::string& name : c.unitList)
        names << QString::fromStdString(name);
    QStringList shown;
    for (int i = 0; i < lstTangen->count(); ++i)
        shown << lstTangen->item(i)->text();
    if (shown != names) {
        lstTangen->clear();
        lstTangen->addItems(names);
    }
    lstTangen->setCurrentRow(c.unitListIndex);

    for (int k = 1; k <= kMaxQuestions; ++k) {
        const ChoiceSlot& slot = c.questionSlots[k];
        Image[k]->setVisible(slot.visible);
        imgKakko[k]->setVisible(slot.visible);
        btnShiki[k]->setVisible(slot.visible);
        if (slot.revision != shownRevision_[k]) {
            shownRevision_[k] = slot.revision;
            Image[k]->setPicture(slot.preview);
        }
        // The bracket pictures are copied into the slot's bracket.
        imgKakko[k]->setPicture((k == c.marked ? imgKakkoB : imgKakkoW)->picture());
    }
    btnOK->setEnabled(c.canAccept());
    syncing_ = false;
}

void TfrmMondai::selectQuestion(int a) {
    problemChoice.selectQuestion(a);
    syncFromModel();
}

void TfrmMondai::lstTangenClick(int item) {
    problemChoice.lstTangenClick(questionBank, item, request_.curQues);
    syncFromModel();
}

void TfrmMondai::btnOKClick() {
    if (!problemChoice.canAccept())
        return;
    done(1);
}

void TfrmMondai::btnCancelClick() {
    done(2);
}

void TfrmMondai::reject() {
    btnCancelClick();
}
