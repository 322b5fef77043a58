#include "drill/ui/EquationPainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// 10 and 12 points at 96 dpi.
constexpr int kNumberPixels = 13;
constexpr int kLetterPixels = 16;

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

// Writes `text` centred within [left, left + width).
void centredAt(QPainter& painter, int left, int width, int top, const QString& text) {
    const int advance = QFontMetrics(painter.font()).horizontalAdvance(text);
    textAt(painter, left + (width - advance) / 2, top, text);
}

}  // namespace

QString signText(const std::string& sign) {
    return sign == "-" ? QStringLiteral("\u2212") : QString::fromStdString(sign);
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

void paintEquationLine(QPainter& painter, const EquationLayout& line, int left, int top,
                       bool secondFont) {
    const QFont numbers = equationNumberFont(secondFont);
    const QFont letters = equationLetterFont();
    for (const TermPiece& piece : line.pieces) {
        const int x = left + piece.column * kColumnPixels;
        const int width = piece.width * kColumnPixels;
        const int y = top + piece.yOffset;
        switch (piece.kind) {
            case PieceKind::Text:
                painter.setFont(numbers);
                if (piece.sign)
                    centredAt(painter, x, width, y, signText(piece.text));
                else if (piece.centred)
                    centredAt(painter, x, width, y, QString::fromStdString(piece.text));
                else
                    textAt(painter, x, y, QString::fromStdString(piece.text));
                break;
            case PieceKind::Letter:
                painter.setFont(letters);
                centredAt(painter, x, width, y, QString::fromStdString(piece.text));
                break;
            case PieceKind::Stacked: {
                painter.setFont(numbers);
                centredAt(painter, x, width, y, QString::fromStdString(piece.numerator));
                centredAt(painter, x, width, y + kStackedDenominatorTop - kStackedNumeratorTop,
                          QString::fromStdString(piece.denominator));
                const int barY = y + kStackedBarTop - kStackedNumeratorTop;
                painter.drawLine(x, barY, x + width - 1, barY);
                break;
            }
        }
    }
}

void paintEquations(QPainter& painter, const EquationsItem& item) {
    painter.save();
    const QColor colour(item.colour.r, item.colour.g, item.colour.b);
    painter.setPen(QPen(colour, 1));
    const int left = item.firstColumn * kColumnPixels;
    for (std::size_t i = 0; i < item.rows.size(); ++i) {
        const EquationLayout line = layoutEquation(item.rows[i], item.hasDecimalPoint);
        const int top = item.layoutValue + kLineSpacing * static_cast<int>(i);
        paintEquationLine(painter, line, left, top, item.secondFont);
    }
    painter.restore();
}
