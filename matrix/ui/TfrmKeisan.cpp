#include "matrix/ui/TfrmKeisan.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "arith/Equation.h"
#include "arith/Keypad.h"
#include "picture/ui/PicturePainter.h"
#include "picture/ui/QtAccessible.h"

QPointer<TfrmKeisan> frmKeisan;

namespace {

constexpr int kPictureWidth = kMatrixPictureWidth;
constexpr int kPictureHeight = kMatrixPictureHeight;
// A picture grows with its room up to this scale; beyond it a small matrix
// would only look bloated.
constexpr double kLargestScale = 1.6;
// White room around what the canvas shows, in picture pixels.
constexpr int kContentMargin = 4;
// The caption's strip: its text line and a little room below.
constexpr int kCaptionStrip = kTextLineHeight + 3;

// The canvas inside a picture's scroll area: it paints the matrix part.
class PictureCanvas : public QWidget {
  public:
    PictureCanvas(const CalculatorPicture* owner, QWidget* parent)
        : QWidget(parent), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        owner_->paintCanvas(painter);
    }

  private:
    const CalculatorPicture* owner_;
};

QLineEdit* tag(QWidget* parent, const char* name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFrame(false);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(232, 232, 224));
    e->setPalette(pal);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(text) + 12);
    return e;
}

QLabel* blueLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setPointSize(18);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(pal);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("＝")) + 6);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// The glyph of a power button: the letter of its matrix with a small n.
QIcon powerGlyph(const QString& letter) {
    QPixmap pix(20, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(letter == "A" ? QColor(0, 0, 160) : QColor(160, 0, 0));
    p.drawText(QRect(0, 2, 12, 14), Qt::AlignLeft | Qt::AlignBottom, letter);
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(QRect(11, 0, 9, 9), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("n"));
    return QIcon(pix);
}

// 閉じる: an arrow leaving a frame; ヘルプ: a question mark on a blue disc.
QIcon closeGlyph() {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.drawPolyline(QPolygonF({QPointF(7, 3), QPointF(2.5, 3), QPointF(2.5, 13), QPointF(7, 13)}));
    p.setPen(QPen(QColor(0, 130, 60), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(6, 8), QPointF(14, 8));
    p.drawPolyline(QPolygonF({QPointF(11, 5), QPointF(14, 8), QPointF(11, 11)}));
    return QIcon(pix);
}

QIcon helpGlyph() {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 190));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pix);
}

// The operator between A and B as a screen reader says it.
QString spokenOperator(const std::string& opr) {
    if (opr == kOprSum)
        return QStringLiteral("たす");
    if (opr == kOprDifference)
        return QStringLiteral("ひく");
    if (opr == kOprProduct)
        return QStringLiteral("かける");
    return QString::fromStdString(opr);
}

QSpinBox* powerCounter(QWidget* parent, const char* name) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(kPowerMin, kPowerMax);
    s->setValue(kPowerMin);
    s->setWrapping(false);
    s->setAccelerated(true);
    return s;
}

}  // namespace

int digitFloorFor(int screenHeight) {
    return screenHeight >= 768 ? 11 : 9;
}

CalculatorPicture::CalculatorPicture(const CalculatorView& view, MatrixName which, QWidget* parent)
    : QWidget(parent), view_(view), which_(which) {
    build();
}

CalculatorPicture::CalculatorPicture(const CalculatorView& view, QWidget* parent)
    : QWidget(parent), view_(view), delta_(true) {
    build();
}

void CalculatorPicture::build() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, delta_ ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);
    QPalette white = scroll_->palette();
    white.setColor(QPalette::Window, Qt::white);
    scroll_->setPalette(white);
    scroll_->viewport()->setPalette(white);
    canvas_ = new PictureCanvas(this, scroll_);
    scroll_->setWidget(canvas_);
    if (delta_)
        setFixedHeight(kDeltaPictureHeight);
    refit();
}

QSize CalculatorPicture::sizeHint() const {
    return delta_ ? QSize(kDeltaPictureWidth, kDeltaPictureHeight)
                  : QSize(kPictureWidth, kPictureHeight);
}

QSize CalculatorPicture::minimumSizeHint() const {
    // Small: what does not fit scrolls.
    return delta_ ? QSize(kDeltaPictureWidth, kDeltaPictureHeight) : QSize(120, 80);
}

const Picture& CalculatorPicture::picture() const {
    return delta_ ? view_.deltaPicture : view_.picture(which_).picture;
}

Picture CalculatorPicture::captionPart() const {
    Picture part;
    for (const PictureItem& item : picture().items)
        if (std::holds_alternative<CaptionItem>(item))
            part.add(item);
    return part;
}

Picture CalculatorPicture::matrixPart() const {
    Picture part;
    for (const PictureItem& item : picture().items)
        if (!std::holds_alternative<CaptionItem>(item))
            part.add(item);
    return part;
}

double CalculatorPicture::floorScale() const {
    // A quarter pixel to spare, for the rounding of the glyphs.
    const double digits = digitHeight(delta_ ? equationNumberFont(false) : fractionFont());
    return (digitFloor_ + 0.25) / digits;
}

int CalculatorPicture::captionHeight() const {
    // Only C is ever captioned; its strip stays whether a caption shows or not,
    // so its matrix does not jump when one comes or goes.
    if (delta_ || which_ != MatrixName::C)
        return 0;
    return static_cast<int>(std::ceil(kCaptionStrip * captionScale_));
}

PixelRect CalculatorPicture::content() const {
    PixelRect r;
    if (delta_) {
        if (!view_.delta)
            return r;
        const auto numbers = view_.deltaPicture.all<NumberItem>();
        if (numbers.empty())
            return r;
        const NumberItem& n = *numbers.front();
        r = {n.left, n.top, view_.deltaDrawnWidth, n.top + kLineSpacing};
    } else {
        r = view_.picture(which_).matrixBounds;
    }
    if (r.empty())
        return {};
    return {r.left - kContentMargin, r.top - kContentMargin, r.right + kContentMargin,
            r.bottom + kContentMargin};
}

int CalculatorPicture::neededWidth() const {
    const PixelRect r = content();
    return static_cast<int>(std::ceil(r.width() * floorScale())) + 2;
}

void CalculatorPicture::setDigitFloor(int pixels) {
    if (pixels == digitFloor_)
        return;
    digitFloor_ = pixels;
    refit();
}

void CalculatorPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refit();
}

void CalculatorPicture::refit() {
    captionScale_ = floorScale() * digitHeight(fractionFont()) / kCalcDigitHeight;
    const int strip = captionHeight();
    scroll_->setGeometry(0, strip, width(), std::max(0, height() - strip));
    const PixelRect r = content();
    const QSize viewport = scroll_->maximumViewportSize();
    const double least = floorScale();
    if (r.empty()) {
        scale_ = least;
        origin_ = QPointF();
        canvas_->setMinimumSize(0, 0);
        canvas_->update();
        update();
        return;
    }
    const double fit =
        std::min(viewport.width() / double(r.width()), viewport.height() / double(r.height()));
    scale_ = std::clamp(fit, least, std::max(least, kLargestScale));
    const QSize needed(static_cast<int>(std::ceil(r.width() * scale_)),
                       static_cast<int>(std::ceil(r.height() * scale_)));
    // A scroll bar in one direction takes room from the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize room = scroll_->maximumViewportSize();
    if (needed.height() > room.height())
        room.rwidth() -= bar;
    if (needed.width() > room.width()) {
        room.rheight() -= bar;
        if (needed.height() > room.height() &&
            room.width() == scroll_->maximumViewportSize().width())
            room.rwidth() -= bar;
    }
    // Smaller than needed: the canvas keeps the size it needs and scrolls.
    canvas_->setMinimumSize(needed.width() > room.width() ? needed.width() : 0,
                            needed.height() > room.height() ? needed.height() : 0);
    const QSize shown = needed.expandedTo(room);
    // Left-aligned, centred from top to bottom.
    const double dy = (shown.height() - r.height() * scale_) / 2;
    origin_ = QPointF(-r.left * scale_, dy - r.top * scale_);
    canvas_->update();
    update();
}

void CalculatorPicture::paintCanvas(QPainter& painter) const {
    if (content().empty())
        return;
    const Picture part = matrixPart();
    PaintOptions options;
    options.scale = scale_;
    options.background = false;
    painter.save();
    painter.translate(origin_);
    paintPicture(painter, part, QSize(kPictureWidth * 4, kPictureHeight * 4), options);
    painter.restore();
}

void CalculatorPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const Picture caption = captionPart();
    if (caption.empty())
        return;
    PaintOptions options;
    options.scale = captionScale_;
    options.background = false;
    paintPicture(painter, caption, QSize(width(), captionHeight()), options);
}

TfrmKeisan::TfrmKeisan(QWidget* parent) : QDialog(parent), calc(matrices, calculatorView) {
    setObjectName(QStringLiteral("frmKeisan"));
    setWindowTitle(QStringLiteral("行列の学習"));
    buildControls();
    calc.changed = [this] { syncFromModel(); };
    FormCreate();
}

void TfrmKeisan::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitPictures();
}

void TfrmKeisan::setScreenHeight(int pixels) {
    screenHeight = pixels;
    for (CalculatorPicture* p : {imgAAA, imgBBB, imgCCC, imgDDD, imgDelta})
        p->setDigitFloor(digitFloor());
    fitPictures();
}

void TfrmKeisan::fitPictures() {
    if (fitting)
        return;
    fitting = true;
    auto* grid = static_cast<QGridLayout*>(layout());
    // The room of the three columns: the window less its margins, the two
    // signs between the pictures and the spacing.
    const int room = width() - grid->contentsMargins().left() - grid->contentsMargins().right() -
                     lblOpr->sizeHint().width() - lblEqual->sizeHint().width() -
                     4 * grid->horizontalSpacing();
    const std::array<QWidget*, 3> below = {grpAAA, grpBBB, GroupBox2};
    const std::array<CalculatorPicture*, 3> top = {imgAAA, imgBBB, imgCCC};
    std::array<int, 3> least{}, wanted{};
    int sumLeast = 0, sumWanted = 0;
    for (int k = 0; k < 3; ++k) {
        least[k] = below[k]->minimumSizeHint().width();
        wanted[k] = std::max(least[k], top[k]->neededWidth());
        sumLeast += least[k];
        sumWanted += wanted[k];
    }
    // Each column gets what its picture needs when that fits, and what is
    // left over is shared by the layout; otherwise each gets its share of
    // what is there, and a picture that still does not fit scrolls.
    for (int k = 0; k < 3; ++k) {
        int w = wanted[k];
        if (sumWanted > room && sumWanted > sumLeast) {
            const double part = std::max(0, room - sumLeast) / double(sumWanted - sumLeast);
            w = least[k] + static_cast<int>((wanted[k] - least[k]) * std::min(1.0, part));
        }
        grid->setColumnMinimumWidth(2 * k, w);
    }
    fitting = false;
}

void TfrmKeisan::buildControls() {
    imgAAA = new CalculatorPicture(calculatorView, MatrixName::A, this);
    imgBBB = new CalculatorPicture(calculatorView, MatrixName::B, this);
    imgCCC = new CalculatorPicture(calculatorView, MatrixName::C, this);
    imgDDD = new CalculatorPicture(calculatorView, MatrixName::D, this);
    imgAAA->setObjectName(QStringLiteral("imgAAA"));
    imgBBB->setObjectName(QStringLiteral("imgBBB"));
    imgCCC->setObjectName(QStringLiteral("imgCCC"));
    imgDDD->setObjectName(QStringLiteral("imgDDD"));
    edtA = tag(this, "edtA", QStringLiteral("行列　Ａ"));
    edtB = tag(this, "edtB", QStringLiteral("行列　Ｂ"));
    edtC = tag(this, "edtC", QStringLiteral("行列　Ｃ"));
    edtD = tag(this, "edtD", QStringLiteral("行列　Ｄ  "));
    Label1 = new QLabel(QStringLiteral("演算結果"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("記憶用"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    lblOpr = blueLabel(this, "lblOpr", QStringLiteral("×"));
    lblEqual = blueLabel(this, "lblEqual", QStringLiteral("＝"));
    imgDelta = new CalculatorPicture(calculatorView, this);
    imgDelta->setObjectName(QStringLiteral("imgDelta"));
    edtDelta = tag(this, "edtDelta", QStringLiteral("⊿の値"));
    // The brackets are drawn as part of every matrix picture; these two only
    // keep their names and size.
    imgKakkoL = new QWidget(this);
    imgKakkoL->setObjectName(QStringLiteral("imgKakkoL"));
    imgKakkoR = new QWidget(this);
    imgKakkoR->setObjectName(QStringLiteral("imgKakkoR"));
    for (QWidget* w : {imgKakkoL, imgKakkoR}) {
        w->setFixedSize(kCalcBracketWidth, kPictureHeight);
        w->hide();
    }

    GroupBox1 = new QGroupBox(QStringLiteral("演算"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    btnHiku = button(GroupBox1, "btnHiku", QStringLiteral("A－B"));
    btnTasu = button(GroupBox1, "btnTasu", QStringLiteral("A＋B"));
    btnKake = button(GroupBox1, "btnKake", QStringLiteral("A×B"));
    btnKoukan = button(GroupBox1, "btnKoukan", QStringLiteral("ＡとＢを交換"));
    btnRuiJou = button(GroupBox1, "btnRuiJou", QStringLiteral("累乗=>C"));
    btnRuiJou->setIcon(powerGlyph(QStringLiteral("A")));
    updRuiJou = powerCounter(GroupBox1, "updRuiJou");
    btnRuiJouB = button(GroupBox1, "btnRuiJouB", QStringLiteral("累乗=>C"));
    btnRuiJouB->setIcon(powerGlyph(QStringLiteral("B")));
    updRuiJouB = powerCounter(GroupBox1, "updRuiJouB");
    {
        auto* g = new QGridLayout(GroupBox1);
        g->setContentsMargins(6, 4, 6, 6);
        g->setSpacing(4);
        g->addWidget(btnTasu, 0, 0);
        g->addWidget(btnHiku, 0, 1);
        g->addWidget(btnKake, 1, 0);
        g->addWidget(btnKoukan, 1, 1);
        auto* powerA = new QHBoxLayout;
        powerA->addWidget(btnRuiJou, 1);
        powerA->addWidget(updRuiJou);
        auto* powerB = new QHBoxLayout;
        powerB->addWidget(btnRuiJouB, 1);
        powerB->addWidget(updRuiJouB);
        g->addLayout(powerA, 2, 0, 1, 2);
        g->addLayout(powerB, 3, 0, 1, 2);
    }

    auto matrixGroup = [this](const char* name, const QString& title, char letter,
                              QPushButton*& keisu, QPushButton*& reset, QPushButton*& data,
                              QPushButton*& kake, QPushButton*& kukuru, QPushButton*& gyaku,
                              QPushButton*& fromC, QPushButton*& fromD,
                              const char* const names[8]) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QString::fromLatin1(name));
        const QString x = letter == 'A' ? QStringLiteral("Ａ") : QStringLiteral("Ｂ");
        const QString ascii = QString(QChar(letter));
        keisu = button(box, names[0], x + QStringLiteral("の係数入力"));
        reset = button(box, names[1], QStringLiteral("1"));
        data = button(box, names[2], x + QStringLiteral("の成分入力"));
        kake = button(box, names[3], QStringLiteral("係数×") + x);
        kukuru = button(box, names[4], QStringLiteral("係数で") + x + QStringLiteral("をくくる　"));
        gyaku = button(box, names[5], x + QStringLiteral("の逆行列 =>C"));
        QPalette blue = gyaku->palette();
        blue.setColor(QPalette::ButtonText, Qt::blue);
        gyaku->setPalette(blue);
        fromC = button(box, names[6], QStringLiteral("コピー C=>") + ascii);
        fromD = button(box, names[7], QStringLiteral("コピー D=>") + ascii);
        auto* g = new QGridLayout(box);
        g->setContentsMargins(6, 4, 6, 6);
        g->setSpacing(4);
        auto* first = new QHBoxLayout;
        first->addWidget(keisu, 1);
        reset->setFixedWidth(reset->fontMetrics().horizontalAdvance(QStringLiteral("1")) + 24);
        first->addWidget(reset);
        g->addLayout(first, 0, 0, 1, 2);
        g->addWidget(data, 1, 0);
        g->addWidget(kake, 1, 1);
        g->addWidget(kukuru, 2, 0, 1, 2);
        g->addWidget(gyaku, 3, 0, 1, 2);
        g->addWidget(fromC, 4, 0);
        g->addWidget(fromD, 4, 1);
        return box;
    };
    static const char* const namesA[8] = {"btnKeisuA",  "btnResetA",   "btnDataA1", "btnKakeA",
                                          "btnKukuruA", "btnGyakuCCC", "btnXA",     "btnCopyDA"};
    static const char* const namesB[8] = {"btnKeisuB",  "btnResetB", "btnDataA2", "btnKakeB",
                                          "btnKukuruB", "btnGyakuB", "btnXB",     "btnCopyDB"};
    grpAAA = matrixGroup("grpAAA", QStringLiteral("行列Ａに対する操作"), 'A', btnKeisuA, btnResetA,
                         btnDataA1, btnKakeA, btnKukuruA, btnGyakuCCC, btnXA, btnCopyDA, namesA);
    grpBBB = matrixGroup("grpBBB", QStringLiteral("行列Ｂに対する操作"), 'B', btnKeisuB, btnResetB,
                         btnDataA2, btnKakeB, btnKukuruB, btnGyakuB, btnXB, btnCopyDB, namesB);

    GroupBox2 = new QGroupBox(QStringLiteral("行列Ｃに対する操作"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    btnKakeC = button(GroupBox2, "btnKakeC", QStringLiteral("係数×Ｃ"));
    btnKukuruC = button(GroupBox2, "btnKukuruC", QStringLiteral("係数でＣをくくる　"));
    {
        auto* h = new QHBoxLayout(GroupBox2);
        h->setContentsMargins(6, 4, 6, 6);
        h->setSpacing(4);
        h->addWidget(btnKakeC);
        h->addWidget(btnKukuruC, 1);
    }

    GroupBox3 = new QGroupBox(QStringLiteral("行列Ｄに対する操作"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    btnKakeD = button(GroupBox3, "btnKakeD", QStringLiteral("係数×Ｄ"));
    btnKukuruD = button(GroupBox3, "btnKukuruD", QStringLiteral("係数でＤをくくる　"));
    btnCopyCD = button(GroupBox3, "btnCopyCD", QStringLiteral("コピー C=>D"));
    {
        auto* g = new QGridLayout(GroupBox3);
        g->setContentsMargins(6, 4, 6, 6);
        g->setSpacing(4);
        g->addWidget(btnKakeD, 0, 0);
        g->addWidget(btnKukuruD, 0, 1);
        g->addWidget(btnCopyCD, 1, 0, 1, 2);
    }

    btnClose = button(this, "btnClose", QStringLiteral("閉じる　　"));
    btnClose->setIcon(closeGlyph());
    btnHelp = button(this, "btnHelp", QStringLiteral("ヘルプ"));
    btnHelp->setIcon(helpGlyph());

    // A, the operator, B, the sign and C across the top; under A and B their
    // operations, under C its operations and ⊿; then the operations on both,
    // D's operations with the window's own buttons, and D itself.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    auto tagRow = [](QWidget* left, QWidget* right) {
        auto* h = new QHBoxLayout;
        h->setSpacing(8);
        if (left)
            h->addWidget(left);
        h->addWidget(right);
        h->addStretch(1);
        return h;
    };
    grid->addLayout(tagRow(nullptr, edtA), 0, 0);
    grid->addLayout(tagRow(nullptr, edtB), 0, 2);
    grid->addLayout(tagRow(Label1, edtC), 0, 4);
    grid->addWidget(imgAAA, 1, 0);
    grid->addWidget(lblOpr, 1, 1);
    grid->addWidget(imgBBB, 1, 2);
    grid->addWidget(lblEqual, 1, 3);
    grid->addWidget(imgCCC, 1, 4);
    grid->addWidget(grpAAA, 2, 0, Qt::AlignTop);
    grid->addWidget(grpBBB, 2, 2, Qt::AlignTop);
    {
        auto* v = new QVBoxLayout;
        v->setSpacing(4);
        v->addWidget(GroupBox2);
        auto* delta = new QHBoxLayout;
        delta->addWidget(edtDelta, 0, Qt::AlignTop);
        delta->addWidget(imgDelta, 1);
        v->addLayout(delta);
        v->addStretch(1);
        grid->addLayout(v, 2, 4);
    }
    grid->addWidget(GroupBox1, 3, 0, 2, 1, Qt::AlignTop);
    {
        auto* v = new QVBoxLayout;
        v->setSpacing(8);
        v->addWidget(GroupBox3);
        auto* h = new QHBoxLayout;
        h->addWidget(btnHelp);
        h->addWidget(btnClose);
        v->addLayout(h);
        v->addStretch(1);
        grid->addLayout(v, 3, 2, 2, 1);
    }
    grid->addLayout(tagRow(Label2, edtD), 3, 4);
    grid->addWidget(imgDDD, 4, 4);
    // The pictures take the height the controls leave: most of it the row of
    // A, B and C, the rest D.
    grid->setRowStretch(1, 3);
    grid->setRowStretch(4, 1);
    for (int c : {0, 2, 4})
        grid->setColumnStretch(c, 1);

    // Pictures, symbols and padded captions, in words (see
    // picture/ui/QtAccessible.h). The operator and the power buttons change
    // their captions, and their names with them (syncFromModel).
    nameControls(this, {{"imgAAA", "行列Ａ"},
                        {"imgBBB", "行列Ｂ"},
                        {"imgCCC", "行列Ｃ（演算結果）"},
                        {"imgDDD", "行列Ｄ（記憶用）"},
                        {"imgDelta", "デルタ"},
                        {"edtDelta", "デルタの値"},
                        {"btnTasu", "ＡたすＢ"},
                        {"btnHiku", "ＡひくＢ"},
                        {"btnKake", "ＡかけるＢ"},
                        {"updRuiJou", "Ａの累乗の指数"},
                        {"updRuiJouB", "Ｂの累乗の指数"},
                        {"btnResetA", "Ａの係数を1に戻す"},
                        {"btnResetB", "Ｂの係数を1に戻す"},
                        {"btnKakeA", "係数をＡの成分にかける"},
                        {"btnKakeB", "係数をＢの成分にかける"},
                        {"btnKakeC", "係数をＣの成分にかける"},
                        {"btnKakeD", "係数をＤの成分にかける"},
                        {"btnKukuruA", "係数でＡをくくる"},
                        {"btnKukuruB", "係数でＢをくくる"},
                        {"btnKukuruC", "係数でＣをくくる"},
                        {"btnKukuruD", "係数でＤをくくる"},
                        {"btnGyakuCCC", "Ａの逆行列をＣへ"},
                        {"btnGyakuB", "Ｂの逆行列をＣへ"},
                        {"btnXA", "ＣをＡへコピー"},
                        {"btnXB", "ＣをＢへコピー"},
                        {"btnCopyDA", "ＤをＡへコピー"},
                        {"btnCopyDB", "ＤをＢへコピー"},
                        {"btnCopyCD", "ＣをＤへコピー"},
                        {"btnClose", "閉じる"}});

    connect(btnClose, &QPushButton::clicked, this, &TfrmKeisan::btnCloseClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmKeisan::btnHelpClick);
    connect(btnTasu, &QPushButton::clicked, this, &TfrmKeisan::btnTasuClick);
    connect(btnHiku, &QPushButton::clicked, this, &TfrmKeisan::btnHikuClick);
    connect(btnKake, &QPushButton::clicked, this, &TfrmKeisan::btnKakeClick);
    connect(btnKoukan, &QPushButton::clicked, this, &TfrmKeisan::btnKoukanClick);
    connect(btnRuiJou, &QPushButton::clicked, this, &TfrmKeisan::btnRuiJouClick);
    connect(btnRuiJouB, &QPushButton::clicked, this, &TfrmKeisan::btnRuiJouBClick);
    connect(updRuiJou, &QSpinBox::valueChanged, this, &TfrmKeisan::updRuiJouClick);
    connect(updRuiJouB, &QSpinBox::valueChanged, this, &TfrmKeisan::updRuiJouBClick);
    connect(btnKeisuA, &QPushButton::clicked, this, &TfrmKeisan::btnKeisuAClick);
    connect(btnKeisuB, &QPushButton::clicked, this, &TfrmKeisan::btnKeisuBClick);
    connect(btnResetA, &QPushButton::clicked, this, &TfrmKeisan::btnResetAClick);
    connect(btnResetB, &QPushButton::clicked, this, &TfrmKeisan::btnResetBClick);
    connect(btnDataA1, &QPushButton::clicked, this, &TfrmKeisan::btnDataA1Click);
    connect(btnDataA2, &QPushButton::clicked, this, &TfrmKeisan::btnDataA2Click);
    connect(btnKakeA, &QPushButton::clicked, this, &TfrmKeisan::btnKakeAClick);
    connect(btnKakeB, &QPushButton::clicked, this, &TfrmKeisan::btnKakeBClick);
    connect(btnKakeC, &QPushButton::clicked, this, &TfrmKeisan::btnKakeCClick);
    connect(btnKakeD, &QPushButton::clicked, this, &TfrmKeisan::btnKakeDClick);
    connect(btnKukuruA, &QPushButton::clicked, this, &TfrmKeisan::btnKukuruAClick);
    connect(btnKukuruB, &QPushButton::clicked, this, &TfrmKeisan::btnKukuruBClick);
    connect(btnKukuruC, &QPushButton::clicked, this, &TfrmKeisan::btnKukuruCClick);
    connect(btnKukuruD, &QPushButton::clicked, this, &TfrmKeisan::btnKukuruDClick);
    connect(btnGyakuCCC, &QPushButton::clicked, this, &TfrmKeisan::btnGyakuCCCClick);
    connect(btnGyakuB, &QPushButton::clicked, this, &TfrmKeisan::btnGyakuBClick);
    connect(btnXA, &QPushButton::clicked, this, &TfrmKeisan::btnXAClick);
    connect(btnXB, &QPushButton::clicked, this, &TfrmKeisan::btnXBClick);
    connect(btnCopyDA, &QPushButton::clicked, this, &TfrmKeisan::btnCopyDAClick);
    connect(btnCopyDB, &QPushButton::clicked, this, &TfrmKeisan::btnCopyDBClick);
    connect(btnCopyCD, &QPushButton::clicked, this, &TfrmKeisan::btnCopyCDClick);
}

void TfrmKeisan::FormCreate() {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(232, 232, 224));
    setPalette(pal);
    if (QWidget* frame = parentWidget())
        setGeometry(frame->geometry());
}

void TfrmKeisan::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        if (const QScreen* s = screen())
            setScreenHeight(s->size().height());
        FormShow();
    }
}

void TfrmKeisan::FormShow() {
    // The window covers the frame, wherever the frame is now.
    if (QWidget* frame = parentWidget())
        setGeometry(frame->geometry());
    calc.open(equationList);
    updRuiJouClick();
    updRuiJouBClick();
    syncFromModel();
}

void TfrmKeisan::syncFromModel() {
    const CalculatorView& v = calculatorView;
    lblOpr->setText(QString::fromStdString(v.opr));
    lblEqual->setText(QString::fromStdString(v.equal));
    btnRuiJou->setText(QString::fromStdString(powerCaption(v.powerA)));
    btnRuiJouB->setText(QString::fromStdString(powerCaption(v.powerB)));
    lblOpr->setAccessibleName(spokenOperator(v.opr));
    btnRuiJou->setAccessibleName(QStringLiteral("Ａの%1乗をＣへ").arg(v.powerA));
    btnRuiJouB->setAccessibleName(QStringLiteral("Ｂの%1乗をＣへ").arg(v.powerB));
    for (CalculatorPicture* p : {imgAAA, imgBBB, imgCCC, imgDDD, imgDelta}) {
        describePicture(p, p->picture());
        p->refit();
    }
    fitPictures();
}

std::pair<int, Fraction> TfrmKeisan::keypad() {
    if (!runKeypad)
        return {kKeypadCancelled, Fraction{}};
    return runKeypad();
}

void TfrmKeisan::btnCloseClick() {
    done(1);
}

void TfrmKeisan::btnHelpClick() {
    if (openHelp)
        openHelp();
}

void TfrmKeisan::btnTasuClick() {
    calc.add();
}

void TfrmKeisan::btnHikuClick() {
    calc.subtract();
}

void TfrmKeisan::btnKakeClick() {
    calc.multiply();
}

void TfrmKeisan::btnKoukanClick() {
    calc.swap();
}

void TfrmKeisan::btnRuiJouClick() {
    calc.power(MatrixName::A);
}

void TfrmKeisan::btnRuiJouBClick() {
    calc.power(MatrixName::B);
}

void TfrmKeisan::updRuiJouClick() {
    calc.setPower(MatrixName::A, updRuiJou->value());
}

void TfrmKeisan::updRuiJouBClick() {
    calc.setPower(MatrixName::B, updRuiJouB->value());
}

void TfrmKeisan::enterCoefficient(MatrixName x) {
    auto [result, value] = keypad();
    calc.enterCoefficient(x, result, value);
}

void TfrmKeisan::btnKeisuAClick() {
    enterCoefficient(MatrixName::A);
}

void TfrmKeisan::btnKeisuBClick() {
    enterCoefficient(MatrixName::B);
}

void TfrmKeisan::btnResetAClick() {
    calc.resetCoefficient(MatrixName::A);
}

void TfrmKeisan::btnResetBClick() {
    calc.resetCoefficient(MatrixName::B);
}

void TfrmKeisan::enterCells(MatrixName x) {
    if (!runInput)
        return;
    const Matrix& m = x == MatrixName::A ? matrices.A : matrices.B;
    if (runInput(x == MatrixName::A ? "A" : "B", m.rows, m.cols) == 1)
        calc.cellsEntered(x);
}

void TfrmKeisan::btnDataA1Click() {
    enterCells(MatrixName::A);
}

void TfrmKeisan::btnDataA2Click() {
    enterCells(MatrixName::B);
}

void TfrmKeisan::btnKakeAClick() {
    calc.multiplyIn(MatrixName::A);
}

void TfrmKeisan::btnKakeBClick() {
    calc.multiplyIn(MatrixName::B);
}

void TfrmKeisan::btnKakeCClick() {
    calc.multiplyIn(MatrixName::C);
}

void TfrmKeisan::btnKakeDClick() {
    calc.multiplyIn(MatrixName::D);
}

void TfrmKeisan::factorOut(MatrixName x) {
    auto [result, value] = keypad();
    calc.factorOut(x, result, value);
}

void TfrmKeisan::btnKukuruAClick() {
    factorOut(MatrixName::A);
}

void TfrmKeisan::btnKukuruBClick() {
    factorOut(MatrixName::B);
}

void TfrmKeisan::btnKukuruCClick() {
    factorOut(MatrixName::C);
}

void TfrmKeisan::btnKukuruDClick() {
    factorOut(MatrixName::D);
}

void TfrmKeisan::btnGyakuCCCClick() {
    calc.invert(MatrixName::A);
}

void TfrmKeisan::btnGyakuBClick() {
    calc.invert(MatrixName::B);
}

void TfrmKeisan::btnXAClick() {
    calc.copy(MatrixName::C, MatrixName::A);
}

void TfrmKeisan::btnXBClick() {
    calc.copy(MatrixName::C, MatrixName::B);
}

void TfrmKeisan::btnCopyDAClick() {
    calc.copy(MatrixName::D, MatrixName::A);
}

void TfrmKeisan::btnCopyDBClick() {
    calc.copy(MatrixName::D, MatrixName::B);
}

void TfrmKeisan::btnCopyCDClick() {
    calc.copy(MatrixName::C, MatrixName::D);
}
