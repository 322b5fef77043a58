#include "arith/ui/FractionPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

namespace {

// Writes a text with its top-left corner at (x, y), as a canvas text output
// does, and returns the pen position after it.
int textOut(QPainter& painter, int x, int y, const QString& text) {
    QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    return x + metrics.horizontalAdvance(text);
}

}  // namespace

QFont fractionFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    return font;
}

int drawStackedFraction(QPainter& painter, int x, int y, const Fraction& value) {
    // Reduced in 64 bits with the sign carried by the numerator, so a stored
    // negative denominator or the 0/0 of a refused entry draws sensibly.
    int64_t num = value.numerator;
    int64_t den = value.denominator;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    const int64_t absNum = std::llabs(num);
    QString numText = QString::number(absNum);
    QString denText;
    if (num != 0) {
        int64_t g = std::gcd(absNum, den);
        if (g > 1)
            den /= g;
        int64_t reducedNum = g > 1 ? absNum / g : absNum;
        numText = QString::number(reducedNum);
        if (den != 1)
            denText = QString::number(den);
    }

    if (negative)
        textOut(painter, x, y + 10, QStringLiteral("-"));
    x += 12;
    if (denText.isEmpty())
        return textOut(painter, x, y + 10, numText);

    const int numLength = static_cast<int>(numText.size());
    const int denLength = static_cast<int>(denText.size());
    const int w = std::max(numLength, denLength);
    int numEnd = textOut(painter, x + 2 * (w - numLength), y, numText);
    int denEnd = textOut(painter, x + 2 * (w - denLength), y + 18, denText);
    // The bar reaches past both texts even where the font's digits are wider
    // than the 6 pixels the layout counts with.
    const int pen = std::max({x + 6 * w, numEnd, denEnd});
    painter.save();
    painter.setPen(QPen(painter.pen().color(), 1));
    painter.drawLine(x, y + 15, pen - 1, y + 15);
    painter.restore();
    return pen;
}
