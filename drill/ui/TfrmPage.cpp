#include "drill/ui/TfrmPage.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "drill/Drill.h"
#include "drill/ui/QtDrillSync.h"
#include "picture/ui/PicturePainter.h"
#include "picture/ui/QtAccessible.h"

namespace {

const QColor kSheetGrey(200, 204, 208);  // shows between the pictures
const QColor kCaptionBlue(0, 0, 128);
const QColor kAnswerGroup(0, 64, 96);
const QColor kLime(0, 255, 0);

constexpr int kStarCount = 24;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QSize screenSize() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize(1024, 768);
}

void setBackground(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

QLabel* starRow(const char* name, QWidget* parent) {
    QString stars;
    for (int i = 0; i < kStarCount; ++i)
        stars += QStringLiteral("★");
    auto* label = new QLabel(stars, parent);
    label->setObjectName(name);
    QFont font = pictureTextFont();
    font.setPixelSize(11);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kLime);
    label->setPalette(pal);
    return label;
}

// What a picture that shows nothing shows. Every such picture of one size
// shares one white image (QImage is implicitly shared: a picture that draws
// on it gets its own copy then), so the many empty pictures of a new
// worksheet are neither allocated nor painted one by one at start-up.
QImage whiteImage(QSize size) {
    static std::vector<QImage> made;
    for (const QImage& image : made)
        if (image.size() == size)
            return image;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    made.push_back(image);
    return image;
}

}  // namespace

// ---------------------------------------------------------------------------

TfrmPageImage::TfrmPageImage(int number, std::function<const Picture*()> source, QSize size,
                             QWidget* parent)
    : QWidget(parent), number_(number), source_(std::move(source)) {
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = whiteImage(size);
}

bool TfrmPageImage::sync() {
    const Picture* p = source_ ? source_() : nullptr;
    const unsigned revision = p ? p->revision : 0;
    const std::size_t count = p ? p->items.size() : 0;
    if (rendered_ && p == shown_ && revision == revision_ && count == itemCount_)
        return false;
    shown_ = p;
    revision_ = revision;
    itemCount_ = count;
    rendered_ = true;
    // Drawn when it is next painted or read: a picture out of sight (the
    // worksheet behind the start window at start-up) costs nothing until then.
    stale_ = true;
    if (p)
        describePicture(this, *p);
    else
        setAccessibleDescription(QString());
    update();
    return true;
}

const QImage& TfrmPageImage::image() const {
    if (stale_) {
        const Picture* p = source_ ? source_() : nullptr;
        image_ = p && !p->empty() ? renderPicture(*p, size()) : whiteImage(size());
        stale_ = false;
    }
    return image_;
}

void TfrmPageImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image());
}

void TfrmPageImage::mouseMoveEvent(QMouseEvent* event) {
    if (number_ > 0 && drill_) {
        const QPoint at = event->position().toPoint();
        drill_->imageMouseMove(number_, at.x(), at.y());
    }
    QWidget::mouseMoveEvent(event);
}

void TfrmPageImage::mouseReleaseEvent(QMouseEvent* event) {
    if (number_ <= 0 || !drill_)
        return;
    MouseButton button = MouseButton::Left;
    if (event->button() == Qt::RightButton)
        button = MouseButton::Right;
    else if (event->button() == Qt::MiddleButton)
        button = MouseButton::Middle;
    const int step = drill_->state().curStep;
    if (drill_->imageMouseUp(number_, button) == ReleaseResult::OpenStepListing && frmPage &&
        frmPage->openStepListing)
        frmPage->openStepListing(step);
}

// ---------------------------------------------------------------------------

// Keys typed while the worksheet has the focus reach the drill's key routing
// through the frame's key preview, which sees every key of its children.
TfrmPage::TfrmPage(Drill& drill, int panelWidth, QWidget* parent) : QWidget(parent), drill_(drill) {
    setObjectName("frmPage");
    setWindowTitle(QStringLiteral("　　連立方程式"));
    setFocusPolicy(Qt::ClickFocus);
    setBackground(this, Qt::white);

    lblCaption = new QLabel(windowTitle(), this);
    lblCaption->setObjectName("lblCaption");
    lblCaption->setTextFormat(Qt::PlainText);
    QFont captionFont = font();
    captionFont.setBold(true);
    lblCaption->setFont(captionFont);
    lblCaption->setContentsMargins(6, 2, 6, 2);
    setBackground(lblCaption, kCaptionBlue);
    QPalette captionPal = lblCaption->palette();
    captionPal.setColor(QPalette::WindowText, Qt::white);
    lblCaption->setPalette(captionPal);

    sbxSheet = new QScrollArea(this);
    sbxSheet->setObjectName("sbxSheet");
    sbxSheet->setFrameShape(QFrame::NoFrame);
    sbxSheet->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sbxSheet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sbxSheet->setWidgetResizable(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lblCaption);
    layout->addWidget(sbxSheet, 1);

    pnlSheet = new QWidget;
    pnlSheet->setObjectName("pnlSheet");
    setBackground(pnlSheet, kSheetGrey);

    // The page separators come first: their height is part of the layout.
    edtPage2 = new QLineEdit(QStringLiteral("Page2"), pnlSheet);
    edtPage2->setObjectName("edtPage2");
    edtPage3 = new QLineEdit(QStringLiteral("Page3"), pnlSheet);
    edtPage3->setObjectName("edtPage3");
    for (QLineEdit* e : {edtPage2, edtPage3}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }

    const QSize screen = screenSize();
    drill_.setupWorksheet(screen.width(), screen.height(), panelWidth,
                          edtPage2->sizeHint().height());

    buildPages();
    buildAnswerGroup();
    buildHolders();
    sbxSheet->setWidget(pnlSheet);

    connect(sbxSheet->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { drill_.noteScrollPosition(value); });

    watchDrillModel(drill_);
    syncFromModel();
}

void TfrmPage::buildPages() {
    const WorksheetLayout& l = drill_.sheetLayout();
    const QSize pictureSize(l.imageWidth, l.pictureHeight);
    images.assign(l.imageCount + 1, nullptr);
    for (int k = 1; k <= l.imageCount; ++k) {
        auto* image = new TfrmPageImage(
            k, [this, k] { return drill_.stepPicture(k); }, pictureSize, pnlSheet);
        image->passMouseTo(&drill_);
        image->setObjectName(QStringLiteral("Image%1").arg(k));
        image->setAccessibleName(QStringLiteral("図%1").arg(k));
        image->move(l.imagePos[k].x, l.imagePos[k].y);
        images[k] = image;
    }
    const int sheetWidth = 2 * l.imageWidth + 18;
    edtPage2->setGeometry(l.edtPage2.x, l.edtPage2.y, sheetWidth, l.edtPageHeight);
    edtPage3->setGeometry(l.edtPage3.x, l.edtPage3.y, sheetWidth, l.edtPageHeight);
    pnlSheet->setMinimumSize(sheetWidth, l.contentHeight);

    lblMess = new QLabel(pnlSheet);
    lblMess->setObjectName("lblMess");
    lblMess->setFixedWidth(l.imageWidth);
    lblMess->hide();
}

void TfrmPage::buildAnswerGroup() {
    const WorksheetLayout& l = drill_.sheetLayout();
    grbKai = new QGroupBox(QStringLiteral("解"), pnlSheet);
    grbKai->setObjectName("grbKai");
    setBackground(grbKai, kAnswerGroup);
    QPalette pal = grbKai->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    grbKai->setPalette(pal);

    auto* column = new QVBoxLayout(grbKai);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    lblStarX = starRow("lblStarX", grbKai);
    imgBOXX = new TfrmPageImage(
        0, [this] { return &drill_.answerPictureX(); },
        QSize(l.answerPictureX.width, l.answerPictureX.height), grbKai);
    imgBOXX->setObjectName("imgBOXX");
    imgBOXX->setAccessibleName(QStringLiteral("解"));
    // imgBOXY is kept white with imgBOXX; nothing is drawn on it.
    imgBOXY = new TfrmPageImage(
        0, [this] { return &drill_.answerPictureY(); },
        QSize(l.answerPictureY.width, l.answerPictureY.height), grbKai);
    imgBOXY->setObjectName("imgBOXY");
    imgBOXY->hide();
    lblStarY = starRow("lblStarY", grbKai);
    column->addWidget(lblStarX);
    column->addWidget(imgBOXX);
    column->addWidget(imgBOXY);
    column->addWidget(lblStarY);

    const PixelPoint at = l.answerPos;
    const int height = grbKai->sizeHint().height();
    grbKai->setGeometry(at.x, at.y, l.answerWidth, height);
    grbKai->hide();
    // The group reaches below the last page: the sheet grows to hold it.
    pnlSheet->setMinimumHeight(std::max(l.contentHeight, at.y + height + 8));
}

QLabel* TfrmPage::holder(const char* name, Shape which) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    const PixelSize natural = shapeSize(which);
    const QSize size(natural.width, natural.height);
    label->setFixedSize(size);
    label->setPixmap(shapePixmap(which, size));
    label->setScaledContents(true);
    label->hide();
    return label;
}

QListWidget* TfrmPage::hiddenList(const char* name) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    list->hide();
    list->viewport()->installEventFilter(this);
    return list;
}

void TfrmPage::buildHolders() {
    imgKakkoL = holder("imgKakkoL", Shape::KakkoL);
    imgKakkoR = holder("imgKakkoR", Shape::KakkoR);
    imgKakkoSS = holder("imgKakkoSS", Shape::KakkoSS);
    imgKakkoMS = holder("imgKakkoMS", Shape::KakkoMS);
    imgKakkoLS = holder("imgKakkoLS", Shape::KakkoLS);
    imgKotaeKakko = holder("imgKotaeKakko", Shape::KotaeKakko);
    lstExt = hiddenList("lstExt");
    lstDump = hiddenList("lstDump");
    lstQues = hiddenList("lstQues");
}

bool TfrmPage::eventFilter(QObject* watched, QEvent* event) {
    // lstDump and lstQues have no role: a click hides them.
    if (event->type() == QEvent::MouseButtonPress) {
        for (QListWidget* list : {lstDump, lstQues})
            if (list && watched == list->viewport())
                list->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPage::scrollToTop() {
    drill_.scrollToTop();
}

TfrmPageImage* TfrmPage::imageWidget(int k) const {
    if (k < 1 || k >= static_cast<int>(images.size()))
        return nullptr;
    return images[k];
}

QRect TfrmPage::imageScreenRect(int k) const {
    const TfrmPageImage* image = imageWidget(k);
    if (!image)
        return QRect();
    return QRect(image->mapToGlobal(QPoint(0, 0)), image->size());
}

void TfrmPage::syncFromModel() {
    const DrillView view = drill_.view();
    const DrillState& state = view.state;
    const QString caption = q(state.caption);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
        lblCaption->setText(caption);
    }
    for (TfrmPageImage* image : images)
        if (image)
            image->sync();
    imgBOXX->sync();
    imgBOXY->sync();
    if (grbKai->isVisible() != state.grbKaiVisible) {
        grbKai->setVisible(state.grbKaiVisible);
        if (state.grbKaiVisible)
            grbKai->raise();
    }
    lblMess->setText(q(view.entry.opLabel));

    QStringList equations;
    for (const std::string& text : state.lstExt)
        equations << q(text);
    QStringList listed;
    for (int i = 0; i < lstExt->count(); ++i)
        listed << lstExt->item(i)->text();
    if (listed != equations) {
        lstExt->clear();
        lstExt->addItems(equations);
    }

    QScrollBar* bar = sbxSheet->verticalScrollBar();
    if (state.scrollRequests != scrollRequestsSeen_) {
        scrollRequestsSeen_ = state.scrollRequests;
        bar->setValue(state.scrollPos);
        drill_.noteScrollPosition(bar->value());
    }
    // The worksheet follows the work: when the current step changes, the
    // picture being composed on and the current step come into view (a new
    // question shows its first pictures).
    if (state.curStep != stepSeen_) {
        stepSeen_ = state.curStep;
        if (TfrmPageImage* next = imageWidget(stepSeen_ + 1))
            sbxSheet->ensureWidgetVisible(next, 0, 0);
        if (TfrmPageImage* current = imageWidget(std::max(stepSeen_ == 2 ? 1 : stepSeen_, 1)))
            sbxSheet->ensureWidgetVisible(current, 0, 0);
        drill_.noteScrollPosition(bar->value());
    }
}
