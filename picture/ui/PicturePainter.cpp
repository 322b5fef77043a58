#include "picture/ui/PicturePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <variant>

#include "arith/NumberText.h"

namespace {

constexpr int kTextPixels = 12;  // 9 points
// 10 and 12 points: the equations' numbers and letters.
constexpr int kNumberPixels = 13;
constexpr int kLetterPixels = 16;
constexpr int kEntryInset = 2;  // the cell's text starts this far right of its x

QColor qColour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QRect qRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QFont makeFont(const QStringList& families, int pixels, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Writes `text` with the top of its line box at `top`, as a canvas text
// output does.
void textAt(QPainter& painter, int x, int top, const QString& text) {
    painter.drawText(QPoint(x, top + QFontMetrics(painter.font()).ascent()), text);
}

// Writes `text` on `baseline`, centred within [left, left + width), left-
// or right-aligned in it.
void textOn(QPainter& painter, int left, int width, int baseline, const QString& text,
            TermAlign align = TermAlign::Centre) {
    const int advance = QFontMetrics(painter.font()).horizontalAdvance(text);
    int x = left;
    if (align == TermAlign::Centre)
        x = left + (width - advance) / 2;
    else if (align == TermAlign::Right)
        x = left + width - advance;
    painter.drawText(QPoint(x, baseline), text);
}

// A bar one picture pixel high: a filled rectangle, so that it covers whole
// device pixels at every scale.
void bar(QPainter& painter, int left, int top, int width) {
    if (width > 0)
        painter.fillRect(QRect(left, top, width, 1), painter.pen().color());
}

// One entry of a step matrix within its cell [x, x + width): the minus sign
// in the first character's place, then the number, stacked when it is a
// fraction, on the baselines the description gives.
void paintEntry(QPainter& painter, const MatrixEntry& entry, int rowTop, int charWidth) {
    const WrittenNumber w = writtenNumber(entry.value);
    painter.setPen(QPen(qColour(entry.colour), 1));
    // A little room on the left keeps the digits clear of a band's edge.
    int x = entry.x + kEntryInset;
    int width = entry.width;
    if (w.negative) {
        // The typographic minus stands at the height of a fraction's bar.
        textOn(painter, x, charWidth, rowTop + kEntryBaseline, signText("-"));
        x += charWidth;
        width -= charWidth;
    }
    if (w.whole()) {
        textOn(painter, x, width, rowTop + kEntryBaseline, q(w.numerator));
        return;
    }
    textOn(painter, x, width, rowTop + kEntryNumeratorBaseline, q(w.numerator));
    textOn(painter, x, width, rowTop + kEntryDenominatorBaseline, q(w.denominator));
    bar(painter, x, rowTop + kEntryBarTop, width);
}

void paintStepMatrix(QPainter& painter, const StepMatrixItem& matrix) {
    painter.setFont(matrixEntryFont(matrix.charWidth));
    for (std::size_t r = 0; r < matrix.rows.size(); ++r)
        for (const MatrixEntry& entry : matrix.rows[r])
            paintEntry(painter, entry, matrix.rowTop(static_cast<int>(r)), matrix.charWidth);
}

void paintEquations(QPainter& painter, const EquationsItem& item) {
    painter.setPen(QPen(qColour(item.colour), 1));
    const int left = item.firstColumn * kColumnPixels;
    for (std::size_t i = 0; i < item.rows.size(); ++i) {
        const EquationLayout line = layoutEquation(item.rows[i], item.hasDecimalPoint);
        const int top = item.layoutValue + kLineSpacing * static_cast<int>(i);
        paintEquationLine(painter, line, left, top, item.secondFont);
    }
}

// A calculator's fraction: every text on its baseline kCalcTextAscent below
// its top. A minus sign is a stroke a digit wide, its right edge a pixel and a
// half (on the device) before the number's first ink (the bar, or the first digit), so that
// it stands against its own number.
void paintFraction(QPainter& painter, const FractionItem& f) {
    const QFont font = fractionFont();
    painter.setFont(font);
    painter.setPen(QPen(qColour(f.colour), 1));
    const QFontMetricsF metrics(font);
    qreal numberInk = f.x + kFractionIndent;
    for (const TextPiece& t : f.texts) {
        if (t.text == "-")
            continue;
        const QString text = q(t.text);
        if (!text.isEmpty() && f.bar.empty())
            numberInk = t.x + metrics.leftBearing(text.front());
        painter.drawText(QPointF(t.x, t.top + kCalcTextAscent), text);
    }
    if (!f.bar.empty())
        numberInk = f.bar.left;
    for (const TextPiece& t : f.texts) {
        if (t.text != "-")
            continue;
        // Drawn as a stroke as wide as a digit and as thick as the bar, so
        // that it reads as a minus in any font: at the bar's height for a
        // fraction, at the digits' middle for a whole number.
        const qreal middle =
            f.bar.empty() ? t.top + kCalcTextAscent - kCalcDigitHeight / 2.0 : f.bar.top + 0.5;
        const qreal width = kFractionDigitWidth - 2;
        // A pixel and a half of room at any scale: apart from the
        // bar, yet nearer to its number than to anything else.
        const qreal scale = std::max<qreal>(0.1, painter.transform().m11());
        const qreal gap = 1.5 / scale;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(QRectF(numberInk - gap - width, middle - 0.5, width, 1.0),
                         painter.pen().color());
        painter.restore();
    }
    bar(painter, f.bar.left, f.bar.top, f.bar.width());
}

void paintCalcMatrix(QPainter& painter, const CalcMatrixItem& m) {
    if (m.coefficient)
        paintFraction(painter, *m.coefficient);
    if (!m.leftBracket.empty())
        paintShape(painter, Shape::KakkoL, qRect(m.leftBracket));
    for (const auto& row : m.cells)
        for (const FractionItem& cell : row)
            paintFraction(painter, cell);
    if (!m.rightBracket.empty())
        paintShape(painter, Shape::KakkoR, qRect(m.rightBracket));
}

void paintText(QPainter& painter, const QFont& font, const Rgb& colour, int x, int y,
               const std::string& text) {
    painter.setFont(font);
    painter.setPen(qColour(colour));
    textAt(painter, x, y, q(text));
}

struct ItemPainter {
    QPainter& painter;
    const PaintOptions& options;

    void operator()(const StepMatrixItem& m) const { paintStepMatrix(painter, m); }
    void operator()(const EquationsItem& e) const {
        paintShape(painter, e.brace, qRect(e.braceRect));
        paintEquations(painter, e);
    }
    void operator()(const TextLineItem& t) const {
        paintText(painter, pictureTextFont(t.bold), t.colour, 0, t.y, t.text);
    }
    void operator()(const CaptionItem& c) const {
        paintText(painter, pictureTextFont(), c.colour, c.x, c.y, c.text);
    }
    void operator()(const OpLabelItem& l) const {
        paintText(painter, pictureTextFont(), kRgbBlack, 0, l.y, l.text);
    }
    void operator()(const BracketItem& b) const { paintShape(painter, b.shape, qRect(b.rect)); }
    void operator()(const BandItem& b) const {
        if (options.bands)
            paintBand(painter, b);
    }
    void operator()(const FractionItem& f) const { paintFraction(painter, f); }
    void operator()(const CalcMatrixItem& m) const { paintCalcMatrix(painter, m); }
    void operator()(const NumberItem& n) const {
        painter.setPen(QPen(qColour(n.colour), 1));
        paintEquationLine(painter, n.layout, n.left, n.top, false);
    }
};

// The square bracket of a matrix, filling a w x h box from its top-left.
void bracketPath(QPainter& p, bool left, qreal w, qreal h, const QColor& ink) {
    const qreal pen = std::max<qreal>(1.5, w / 10);
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const qreal x = left ? w * 0.35 : w * 0.65;
    const qreal arm = left ? w * 0.35 : -w * 0.35;
    const qreal m = pen;
    QPolygonF line;
    line << QPointF(x + arm, m) << QPointF(x, m) << QPointF(x, h - m) << QPointF(x + arm, h - m);
    p.drawPolyline(line);
}

// The curly brace of a system of equations, filling a w x h box.
void bracePath(QPainter& p, qreal w, qreal h, const QColor& ink) {
    p.setPen(QPen(ink, std::max<qreal>(1.5, w / 12), Qt::SolidLine, Qt::RoundCap));
    const qreal right = w * 0.8;
    const qreal mid = w * 0.45;
    const qreal tip = w * 0.15;
    const qreal top = 2;
    const qreal bottom = h - 2;
    const qreal cy = h / 2;
    QPainterPath path;
    path.moveTo(right, top);
    path.cubicTo(mid, top, mid, top, mid, top + (cy - top) * 0.3);
    path.lineTo(mid, cy - (cy - top) * 0.25);
    path.cubicTo(mid, cy, mid, cy, tip, cy);
    path.cubicTo(mid, cy, mid, cy, mid, cy + (bottom - cy) * 0.25);
    path.lineTo(mid, bottom - (bottom - cy) * 0.3);
    path.cubicTo(mid, bottom, mid, bottom, right, bottom);
    p.drawPath(path);
}

}  // namespace

QFont pictureTextFont(bool bold) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(kTextPixels);
    font.setBold(bold);
    return font;
}

QFont matrixEntryFont(int charWidth) {
    // 13 pixels for 9-pixel characters; for narrower characters the largest
    // size whose digits are no wider than they.
    QFont font = equationNumberFont(false);
    int pixels = std::max(1, kNumberPixels * charWidth / kEntryCharWidth);
    for (; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (char d = '0'; d <= '9'; ++d)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(d)));
        if (widest <= charWidth + 0.1)
            break;
    }
    font.setPixelSize(pixels);
    return font;
}

QFont fractionFont() {
    // 12 pixels, or the largest size below whose digits stay within the
    // height the layout gives them.
    static const QFont font = [] {
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        for (int pixels = 12; pixels > 6; --pixels) {
            f.setPixelSize(pixels);
            if (digitHeight(f) <= kCalcDigitHeight + 0.01)
                break;
        }
        return f;
    }();
    return font;
}

double digitHeight(const QFont& font) {
    return QFontMetricsF(font).tightBoundingRect(QStringLiteral("0123456789")).height();
}

QFont equationNumberFont(bool secondFont) {
    return makeFont(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("ＭＳ Ｐゴシック")},
        kNumberPixels, !secondFont, false);
}

QFont equationLetterFont() {
    return makeFont({QStringLiteral("DejaVu Serif"), QStringLiteral("Times New Roman"),
                     QStringLiteral("serif")},
                    kLetterPixels, false, true);
}

QString signText(const std::string& sign) {
    return sign == "-" ? QStringLiteral("\u2212") : QString::fromStdString(sign);
}

void paintEquationLine(QPainter& painter, const EquationLayout& line, int left, int top,
                       bool secondFont) {
    const QFont numbers = equationNumberFont(secondFont);
    const QFont letters = equationLetterFont();
    for (const TermPiece& piece : line.pieces) {
        const int x = left + piece.x;
        const int width = piece.boxWidth;
        switch (piece.kind) {
            case PieceKind::Text:
                painter.setFont(numbers);
                textOn(painter, x, width, top + piece.baseline,
                       piece.sign ? signText(piece.text) : q(piece.text), piece.align);
                break;
            case PieceKind::Letter:
                painter.setFont(letters);
                textOn(painter, x, width, top + piece.baseline, q(piece.text), piece.align);
                break;
            case PieceKind::Stacked:
                painter.setFont(numbers);
                textOn(painter, x, width, top + kStackedNumeratorBaseline, q(piece.numerator));
                textOn(painter, x, width, top + kStackedDenominatorBaseline, q(piece.denominator));
                bar(painter, x, top + kStackedBarTop, width);
                break;
        }
    }
}

void paintShape(QPainter& painter, Shape shape, const QRectF& rect, const QColor& ink) {
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.translate(rect.topLeft());
    const qreal w = rect.width();
    const qreal h = rect.height();
    switch (shape) {
        case Shape::KakkoL:
            bracketPath(painter, true, w, h, ink);
            break;
        case Shape::KakkoR:
            bracketPath(painter, false, w, h, ink);
            break;
        case Shape::KotaeKakko: {
            // The answer's brace keeps to the left part of its wide picture:
            // the answer is written from the column just after it.
            const int width = static_cast<int>(w);
            bracePath(painter, std::min(width, 25 * width / 70 + 1), h, ink);
            break;
        }
        case Shape::KakkoSS:
        case Shape::KakkoMS:
        case Shape::KakkoLS:
            bracePath(painter, w, h, ink);
            break;
    }
    painter.restore();
}

QPixmap shapePixmap(Shape shape, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter painter(&pm);
    paintShape(painter, shape, QRectF(QPointF(0, 0), QSizeF(size)));
    return pm;
}

void paintBand(QPainter& painter, const BandItem& band) {
    const PixelRect& r = band.rect;
    const int width = r.width();
    const int height = r.height();
    if (width <= 0 || height <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const QColor red(255, 0, 0);
    // Four strips that never overlap, so every pixel of the outline is
    // inverted exactly once.
    painter.fillRect(QRect(r.left, r.top, width, 1), red);
    if (height > 1)
        painter.fillRect(QRect(r.left, r.bottom - 1, width, 1), red);
    if (height > 2) {
        painter.fillRect(QRect(r.left, r.top + 1, 1, height - 2), red);
        if (width > 1)
            painter.fillRect(QRect(r.right - 1, r.top + 1, 1, height - 2), red);
    }
    painter.restore();
}

void paintPicture(QPainter& painter, const Picture& picture, QSize size,
                  const PaintOptions& options) {
    painter.save();
    painter.scale(options.scale, options.scale);
    if (options.background)
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const ItemPainter draw{painter, options};
    for (const PictureItem& item : picture.items)
        std::visit(draw, item);
    painter.restore();
}

QImage renderPicture(const Picture& picture, QSize size, double scale) {
    const QSize pixels(static_cast<int>(std::lround(size.width() * scale)),
                       static_cast<int>(std::lround(size.height() * scale)));
    QImage image(pixels, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintOptions options;
    options.scale = scale;
    paintPicture(painter, picture, size, options);
    return image;
}
