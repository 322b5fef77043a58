#include "questions/ui/TfrmMondai.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "drill/Picture.h"
#include "drill/ui/PicturePainter.h"

QPointer<TfrmMondai> frmMondai;

namespace {

constexpr int kBracketWidth = 25;
constexpr int kSlotHeight = 129;
constexpr int kPreviewWidth = 337;
constexpr QPoint kSlotPlace[] = {{}, {8, 24}, {8, 160}, {8, 304}, {400, 24}, {400, 160}};

// The preview of a question: its equations one per line, 30 pixels apart from
// 5 pixels below the top, each from column 3 of the 9-pixel columns.
QImage renderPreview(const ChoiceSlot& slot) {
    Picture picture;
    EquationsItem item =
        makeEquations(slot.rows, kRgbBlack, 5, 0, Bitmap::KakkoSS, slot.hasDecimalPoint);
    item.braceRect = {};  // no brace: the slot's own bracket stands beside it
    item.firstColumn = kBracketWidth / 16 + 2;
    picture.add(item);
    return renderPicture(picture, QSize(kPreviewWidth, kSlotHeight));
}

// The two bracket pictures: the marker (a bold red bracket with a pointer) for
// the chosen question, a thin grey one for the others.
QImage bracketImage(bool marker) {
    QImage image(kBracketWidth, kSlotHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bracket;
    bracket.moveTo(20, 6);
    bracket.lineTo(10, 6);
    bracket.lineTo(10, kSlotHeight - 7);
    bracket.lineTo(20, kSlotHeight - 7);
    p.setPen(QPen(marker ? QColor(220, 0, 0) : QColor(170, 170, 170), marker ? 4 : 1.5,
                  Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(bracket);
    if (marker) {
        QPainterPath pointer;
        const int mid = kSlotHeight / 2;
        pointer.moveTo(1, mid - 7);
        pointer.lineTo(9, mid);
        pointer.lineTo(1, mid + 7);
        pointer.closeSubpath();
        p.fillPath(pointer, QColor(220, 0, 0));
    }
    return image;
}

}  // namespace

TfrmMondaiPicture::TfrmMondaiPicture(const QString& name, QSize size, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    resize(size);
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void TfrmMondaiPicture::setImage(const QImage& image) {
    image_ = image;
    update();
}

void TfrmMondaiPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), image_);
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

    const QImage marker = bracketImage(true);
    const QImage plain = bracketImage(false);
    imgKakkoB = new QLabel(this);
    imgKakkoB->setObjectName(QStringLiteral("imgKakkoB"));
    imgKakkoB->setPixmap(QPixmap::fromImage(marker));
    imgKakkoB->hide();
    imgKakkoW = new QLabel(this);
    imgKakkoW->setObjectName(QStringLiteral("imgKakkoW"));
    imgKakkoW->setPixmap(QPixmap::fromImage(plain));
    imgKakkoW->hide();

    static const char* const kCircled[] = {"", "①", "②", "③", "④", "⑤"};
    for (int k = 1; k <= kMaxQuestions; ++k) {
        const QPoint at = kSlotPlace[k];
        imgKakko[k] = new TfrmMondaiPicture(QStringLiteral("imgKakko%1").arg(k),
                                            QSize(kBracketWidth, kSlotHeight), this);
        imgKakko[k]->move(at);
        imgKakko[k]->setImage(plain);
        Image[k] = new TfrmMondaiPicture(QStringLiteral("Image%1").arg(k),
                                         QSize(kPreviewWidth, kSlotHeight), this);
        Image[k]->move(at + QPoint(kBracketWidth, 0));
        Image[k]->setCursor(Qt::PointingHandCursor);
        btnShiki[k] = new QPushButton(QString::fromUtf8(kCircled[k]), Image[k]);
        btnShiki[k]->setObjectName(QStringLiteral("btnShiki%1").arg(k));
        btnShiki[k]->setFont(big);
        btnShiki[k]->setGeometry(kPreviewWidth - 36, 4, 32, 28);
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
            Image[k]->setImage(renderPreview(slot));
        }
        const QLabel* bracket = k == c.marked ? imgKakkoB : imgKakkoW;
        imgKakko[k]->setImage(bracket->pixmap().toImage());
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
