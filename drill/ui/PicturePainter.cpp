#include "drill/ui/PicturePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "drill/ui/EquationPainter.h"
#include "drill/ui/GlyphPainter.h"

namespace {

constexpr int kTextPixels = 12;   // 9 points
constexpr int kEntryPixels = 13;  // 10 points, as the equations' numbers
constexpr int kEntryTextTop = 8;  // a one-level entry, below the row's top
constexpr int kEntryBarTop = 15;  // the bar of a stacked entry
constexpr int kEntryDenominatorTop = 16;
constexpr int kEntryInset = 2;  // the cell's text starts this far right of its x

QColor qColour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QRect qRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void textAt(QPainter& painter, int x, int top, const QString& text) {
    painter.drawText(QPoint(x, top + QFontMetrics(painter.font()).ascent()), text);
}

void centredAt(QPainter& painter, int left, int width, int top, const QString& text) {
    const int advance = QFontMetrics(painter.font()).horizontalAdvance(text);
    textAt(painter, left + (width - advance) / 2, top, text);
}

// One entry of a step matrix within its cell [x, x + width): the minus sign
// in the first character's place, then the number, stacked when it is a
// fraction.
void paintEntry(QPainter& painter, const MatrixEntry& entry, int rowTop) {
    int64_t num = entry.value.numerator;
    int64_t den = entry.value.denominator;
    if (den < 0) {  // the sign is written on the numerator
        num = -num;
        den = -den;
    }
    painter.setPen(QPen(qColour(entry.colour), 1));
    if (num == 0) {
        centredAt(painter, entry.x + kEntryInset, entry.width, rowTop + kEntryTextTop,
                  QStringLiteral("0"));
        return;
    }
    // A little room on the left keeps the digits clear of a band's edge.
    int x = entry.x + kEntryInset;
    int width = entry.width;
    const bool stacked = den != 1;
    if (num < 0) {
        // One level with the bar of a fraction, or with the digits of a whole number.
        centredAt(painter, x, kEntryCharWidth, rowTop + kEntryTextTop, signText("-"));
        x += kEntryCharWidth;
        width -= kEntryCharWidth;
    }
    const QString top = QString::number(std::llabs(num));
    if (!stacked) {
        centredAt(painter, x, width, rowTop + kEntryTextTop, top);
        return;
    }
    centredAt(painter, x, width, rowTop, top);
    centredAt(painter, x, width, rowTop + kEntryDenominatorTop, QString::number(den));
    painter.drawLine(x, rowTop + kEntryBarTop, x + width - 1, rowTop + kEntryBarTop);
}

void paintBitmap(QPainter& painter, Bitmap which, const PixelRect& rect) {
    const QRect target = qRect(rect);
    if (target.isEmpty())
        return;
    // The bitmaps are black on white: darkening lets what is already drawn
    // under their white show through.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.drawPixmap(target, worksheetBitmap(which, target.size()));
    painter.restore();
}

struct ItemPainter {
    QPainter& painter;
    const PicturePaintOptions& options;

    void operator()(const StepMatrixItem& m) const { paintStepMatrix(painter, m); }
    void operator()(const EquationsItem& e) const {
        paintBitmap(painter, e.brace, e.braceRect);
        paintEquations(painter, e);
    }
    void operator()(const TextLineItem& t) const {
        painter.setFont(pictureTextFont(t.bold));
        painter.setPen(qColour(t.colour));
        textAt(painter, 0, t.y, QString::fromStdString(t.text));
    }
    void operator()(const CaptionItem& c) const {
        painter.setFont(pictureTextFont());
        painter.setPen(Qt::black);
        textAt(painter, c.x, c.y, QString::fromStdString(c.text));
    }
    void operator()(const OpLabelItem& l) const {
        painter.setFont(pictureTextFont());
        painter.setPen(Qt::black);
        textAt(painter, 0, l.y, QString::fromStdString(l.text));
    }
    void operator()(const BracketItem& b) const { paintBitmap(painter, b.bitmap, b.rect); }
    void operator()(const BandItem& b) const {
        if (options.bands)
            paintBand(painter, b);
    }
};

}  // namespace

QFont pictureTextFont(bool bold) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(kTextPixels);
    font.setBold(bold);
    return font;
}

QFont matrixEntryFont() {
    QFont font = equationNumberFont(false);
    font.setPixelSize(kEntryPixels);
    return font;
}

QSize worksheetBitmapSize(Bitmap which) {
    const BitmapSize size = bitmapSize(which);
    return {size.x, size.y};
}

QPixmap worksheetBitmap(Bitmap which, QSize size) {
    switch (which) {
        case Bitmap::KakkoL:
            return bracketPixmap(true, size);
        case Bitmap::KakkoR:
            return bracketPixmap(false, size);
        case Bitmap::KotaeKakko: {
            // The answer's brace keeps to the left part of its wide picture:
            // the answer is written from the column just after it.
            QPixmap pm(size);
            pm.fill(Qt::white);
            QPainter p(&pm);
            const int w = std::min(size.width(), 25 * size.width() / 70 + 1);
            p.drawPixmap(0, 0, bracePixmap(QSize(w, size.height())));
            return pm;
        }
        default:
            return bracePixmap(size);
    }
}

void paintStepMatrix(QPainter& painter, const StepMatrixItem& matrix) {
    painter.save();
    painter.setFont(matrixEntryFont());
    for (std::size_t r = 0; r < matrix.rows.size(); ++r)
        for (const MatrixEntry& entry : matrix.rows[r])
            paintEntry(painter, entry, matrix.rowTop(static_cast<int>(r)));
    painter.restore();
}

void paintBand(QPainter& painter, const BandItem& band) {
    const PixelRect& r = band.rect;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
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
                  const PicturePaintOptions& options) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const ItemPainter draw{painter, options};
    for (const PictureItem& item : picture.items)
        std::visit(draw, item);
    painter.restore();
}

QImage renderPicture(const Picture& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintPicture(painter, picture, size);
    return image;
}
