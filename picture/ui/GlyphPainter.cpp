#include "picture/ui/GlyphPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace {

QPixmap blank(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

void arrow(QPainter& p, QPointF from, QPointF to, qreal head) {
    p.drawLine(from, to);
    QLineF line(to, from);
    QLineF a = line;
    a.setLength(head);
    a.setAngle(line.angle() + 35);
    QLineF b = line;
    b.setLength(head);
    b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

}  // namespace

QPixmap glyphPixmap(Glyph glyph, QSize size, const QColor& ink) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal s = std::min(w, h);
    const QPointF c(w / 2, h / 2);
    QPen pen(ink, std::max<qreal>(2.0, s / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const qreal r = s * 0.32;
    switch (glyph) {
        case Glyph::Divide:
            p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(c.x(), c.y() - r * 0.6), s / 12, s / 12);
            p.drawEllipse(QPointF(c.x(), c.y() + r * 0.6), s / 12, s / 12);
            break;
        case Glyph::Subtract:
            p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
            break;
        case Glyph::Add:
            p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
            p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
            break;
        case Glyph::Multiply: {
            qreal d = r * 0.75;
            p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
            p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
            break;
        }
        case Glyph::Run: {
            p.setBrush(QColor(0, 150, 0));
            p.setPen(QPen(QColor(0, 90, 0), 1.5));
            QPolygonF tri;
            tri << QPointF(c.x() - r * 0.8, c.y() - r) << QPointF(c.x() + r, c.y())
                << QPointF(c.x() - r * 0.8, c.y() + r);
            p.drawPolygon(tri);
            break;
        }
        case Glyph::Correct: {
            p.setPen(QPen(QColor(200, 90, 0), pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            QRectF arc(c.x() - r, c.y() - r, 2 * r, 2 * r);
            p.drawArc(arc, 90 * 16, -270 * 16);
            arrow(p, QPointF(c.x() + r * 0.2, c.y() - r), QPointF(c.x() - r * 0.2, c.y() - r),
                  s / 5);
            break;
        }
        case Glyph::Clear: {
            p.save();
            p.translate(c);
            p.rotate(-35);
            p.setBrush(QColor(250, 160, 180));
            p.setPen(QPen(ink, 1.5));
            p.drawRoundedRect(QRectF(-r, -r * 0.45, 2 * r, r * 0.9), 3, 3);
            p.setBrush(QColor(80, 120, 220));
            p.drawRoundedRect(QRectF(0, -r * 0.45, r, r * 0.9), 3, 3);
            p.restore();
            break;
        }
        case Glyph::ScrollUp:
            arrow(p, QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r), s / 4);
            break;
        case Glyph::ScrollDown:
            arrow(p, QPointF(c.x(), c.y() + r), QPointF(c.x(), c.y() - r), s / 4);
            break;
        case Glyph::Close: {
            p.setPen(QPen(ink, pen.widthF() * 0.7));
            p.drawRect(QRectF(c.x() - r, c.y() - r, r * 1.1, 2 * r));
            p.setPen(QPen(QColor(0, 110, 160), pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            arrow(p, QPointF(c.x() - r * 0.3, c.y()), QPointF(c.x() + r * 1.1, c.y()), s / 5);
            break;
        }
        case Glyph::NextQ:
        case Glyph::NextR: {
            bool red = glyph == Glyph::NextR;
            QColor fill = red ? QColor(220, 30, 30) : QColor(30, 90, 200);
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawEllipse(c, r * 1.3, r * 1.3);
            p.setPen(QPen(Qt::white, pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            if (red) {
                arrow(p, QPointF(c.x() - r * 0.7, c.y()), QPointF(c.x() + r * 0.7, c.y()), s / 5);
            } else {
                QFont f = p.font();
                f.setBold(true);
                f.setPixelSize(static_cast<int>(s * 0.6));
                p.setFont(f);
                p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("?"));
            }
            break;
        }
        case Glyph::Help: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 140, 60));
            p.drawEllipse(c, r * 1.3, r * 1.3);
            QFont f = p.font();
            f.setBold(true);
            f.setPixelSize(static_cast<int>(s * 0.6));
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Glyph::End: {
            p.setPen(QPen(QColor(190, 30, 30), pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            QRectF arc(c.x() - r, c.y() - r * 0.8, 2 * r, 2 * r);
            p.drawArc(arc, 120 * 16, 300 * 16);
            p.drawLine(QPointF(c.x(), c.y() - r * 1.2), QPointF(c.x(), c.y() + r * 0.1));
            break;
        }
        case Glyph::Matrix: {
            QPen thin(ink, std::max<qreal>(1.5, s / 16));
            p.setPen(thin);
            qreal bw = r * 0.35;
            p.drawPolyline(QPolygonF()
                           << QPointF(c.x() - r + bw, c.y() - r) << QPointF(c.x() - r, c.y() - r)
                           << QPointF(c.x() - r, c.y() + r) << QPointF(c.x() - r + bw, c.y() + r));
            p.drawPolyline(QPolygonF()
                           << QPointF(c.x() + r - bw, c.y() - r) << QPointF(c.x() + r, c.y() - r)
                           << QPointF(c.x() + r, c.y() + r) << QPointF(c.x() + r - bw, c.y() + r));
            p.setPen(Qt::NoPen);
            const QColor dots[4] = {QColor(220, 40, 40), QColor(40, 80, 220), QColor(40, 80, 220),
                                    QColor(220, 40, 40)};
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j) {
                    p.setBrush(dots[i * 2 + j]);
                    p.drawEllipse(QPointF(c.x() + (j ? r * 0.4 : -r * 0.4),
                                          c.y() + (i ? r * 0.45 : -r * 0.45)),
                                  s / 12, s / 12);
                }
            break;
        }
        case Glyph::Equations: {
            QPen thin(ink, std::max<qreal>(1.5, s / 16));
            p.setPen(thin);
            QPainterPath brace;
            qreal x = c.x() - r;
            brace.moveTo(x + r * 0.4, c.y() - r);
            brace.quadTo(x, c.y() - r, x + r * 0.1, c.y() - r * 0.3);
            brace.quadTo(x + r * 0.15, c.y(), x - r * 0.15, c.y());
            brace.quadTo(x + r * 0.15, c.y(), x + r * 0.1, c.y() + r * 0.3);
            brace.quadTo(x, c.y() + r, x + r * 0.4, c.y() + r);
            p.drawPath(brace);
            for (int i = 0; i < 2; ++i) {
                qreal y = c.y() + (i ? r * 0.45 : -r * 0.45);
                p.drawLine(QPointF(c.x() - r * 0.4, y), QPointF(c.x() + r, y));
            }
            break;
        }
        case Glyph::Ok: {
            p.setPen(QPen(QColor(0, 140, 60), pen.widthF() * 1.2, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            QPolygonF tick;
            tick << QPointF(c.x() - r, c.y()) << QPointF(c.x() - r * 0.25, c.y() + r * 0.7)
                 << QPointF(c.x() + r, c.y() - r * 0.75);
            p.drawPolyline(tick);
            break;
        }
    }
    return pm;
}

QIcon glyphIcon(Glyph glyph, QSize size, const QColor& ink) {
    return QIcon(glyphPixmap(glyph, size, ink));
}
