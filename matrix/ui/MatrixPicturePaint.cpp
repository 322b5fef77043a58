#include "matrix/ui/MatrixPicturePaint.h"

#include <QPainter>

#include "arith/ui/FractionPainter.h"

void paintMatrixPicture(QPainter& painter, const MatrixPictureView& view, QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setFont(fractionFont());
    painter.setPen(Qt::black);
    const Matrix& m = view.matrix;
    if (view.drawn && !m.empty()) {
        const int top = (145 - 30 * m.rows) / 2;
        const int x0 = 49;
        int right = 0;
        for (int i = 0; i < m.rows; ++i)
            for (int j = 0; j < m.cols; ++j)
                right = drawStackedFraction(painter, x0 + 40 * j, top + 30 * i, m.at(i, j));
        painter.drawLine(32, top, 32, top + 30 * m.rows);
        painter.drawLine(right + 12, top, right + 12, top + 30 * m.rows);
        if (m.coefficient.numerator != 1 || m.coefficient.denominator != 1)
            drawStackedFraction(painter, 0, 57, m.coefficient);
    }
    if (!view.caption.empty()) {
        painter.setPen(Qt::blue);
        painter.drawText(0, 12, QString::fromStdString(view.caption));
    }
}

void paintDeltaPicture(QPainter& painter, const std::optional<Fraction>& delta, QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (!delta)
        return;
    painter.setFont(fractionFont());
    painter.setPen(Qt::black);
    drawStackedFraction(painter, 40, 25, *delta);
}
