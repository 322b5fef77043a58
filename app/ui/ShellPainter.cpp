#include "app/ui/ShellPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "platform/ui/QtStartup.h"

namespace {

constexpr int kGlyph = 32;

QPixmap blankPixmap(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

// A square bracket pair from x0 to x1, top to bottom, with serifs of `arm`.
void drawBrackets(QPainter& p, qreal x0, qreal x1, qreal top, qreal bottom, qreal arm) {
    QPainterPath path;
    path.moveTo(x0 + arm, top);
    path.lineTo(x0, top);
    path.lineTo(x0, bottom);
    path.lineTo(x0 + arm, bottom);
    path.moveTo(x1 - arm, top);
    path.lineTo(x1, top);
    path.lineTo(x1, bottom);
    path.lineTo(x1 - arm, bottom);
    p.drawPath(path);
}

// The outline of the mountain: a cone with gently hollowed flanks and a flat
// crater rim, standing on `base` and centred at `cx`.
QPainterPath mountainPath(qreal cx, qreal base, qreal halfWidth, qreal height, qreal rim) {
    const qreal top = base - height;
    QPainterPath path;
    path.moveTo(cx - halfWidth, base);
    path.cubicTo(cx - halfWidth * 0.55, base - height * 0.18, cx - rim * 1.6, top + height * 0.25,
                 cx - rim, top);
    path.lineTo(cx - rim * 0.35, top + height * 0.025);
    path.lineTo(cx + rim * 0.2, top - height * 0.005);
    path.lineTo(cx + rim, top);
    path.cubicTo(cx + rim * 1.6, top + height * 0.25, cx + halfWidth * 0.55, base - height * 0.18,
                 cx + halfWidth, base);
    path.closeSubpath();
    return path;
}

// The snow cap: the upper part of the cone, its lower edge running down in
// tongues along the gullies.
QPainterPath snowPath(qreal cx, qreal base, qreal halfWidth, qreal height, qreal rim) {
    const qreal top = base - height;
    const qreal snowLine = top + height * 0.36;
    // Width of the cone at the snow line, from the same flank curve.
    const qreal w = rim + (halfWidth - rim) * 0.16;
    QPainterPath path;
    path.moveTo(cx - rim, top);
    path.lineTo(cx - rim * 0.35, top + height * 0.025);
    path.lineTo(cx + rim * 0.2, top - height * 0.005);
    path.lineTo(cx + rim, top);
    path.cubicTo(cx + rim * 1.35, top + height * 0.12, cx + w * 0.95, snowLine - height * 0.08,
                 cx + w * 1.05, snowLine);
    const int tongues = 7;
    for (int i = 0; i < tongues; ++i) {
        const qreal x0 = cx + w * 1.05 - (2.1 * w) * i / tongues;
        const qreal x1 = cx + w * 1.05 - (2.1 * w) * (i + 1) / tongues;
        const qreal depth = height * (i % 2 == 0 ? 0.07 : 0.12) * (1.0 - std::abs(i - 3) * 0.12);
        path.quadTo((x0 + x1) / 2, snowLine + depth, x1, snowLine - height * 0.02);
    }
    path.cubicTo(cx - w * 0.95, snowLine - height * 0.08, cx - rim * 1.35, top + height * 0.12,
                 cx - rim, top);
    path.closeSubpath();
    return path;
}

// Rolling wooded hills along the shore, as a silhouette.
QPainterPath hillsPath(qreal width, qreal base, qreal height, qreal phase) {
    QPainterPath path;
    path.moveTo(0, base);
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = width * i / steps;
        const qreal t = static_cast<qreal>(i) / steps;
        const qreal y = base - height * (0.55 + 0.25 * std::sin(t * 9.0 + phase) +
                                         0.2 * std::sin(t * 23.0 + phase * 2.0));
        path.lineTo(x, y);
    }
    path.lineTo(width, base);
    path.closeSubpath();
    return path;
}

// A 1 or a 0 of an identity matrix, as strokes in the painter's pen, in a
// box `height` tall centred on `mid`. Strokes, not text: no font has to be
// loaded for the icon and the title picture, which are drawn at start-up.
void drawMatrixDigit(QPainter& p, bool one, QPointF mid, qreal height) {
    const qreal dw = height * 0.59, dh = height;
    if (one) {  // a stem with a flag
        QPolygonF stem;
        stem << QPointF(mid.x() - dw * 0.45, mid.y() - dh * 0.25)
             << QPointF(mid.x() + dw * 0.1, mid.y() - dh * 0.5)
             << QPointF(mid.x() + dw * 0.1, mid.y() + dh * 0.5);
        p.drawPolyline(stem);
    } else {  // an upright oval
        p.drawEllipse(QRectF(mid.x() - dw / 2, mid.y() - dh / 2, dw, dh));
    }
}

void drawScene(QPainter& p, qreal w, qreal h) {
    const qreal horizon = h * 0.66;

    // Evening sky: deep blue overhead, rose and gold at the horizon.
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(22, 42, 92));
    sky.setColorAt(0.45, QColor(74, 82, 150));
    sky.setColorAt(0.75, QColor(226, 132, 128));
    sky.setColorAt(1.0, QColor(252, 198, 120));
    p.fillRect(QRectF(0, 0, w, horizon), sky);

    // The setting sun behind the right flank, with a soft glow.
    const QPointF sun(w * 0.76, horizon - h * 0.16);
    QRadialGradient glow(sun, h * 0.35);
    glow.setColorAt(0.0, QColor(255, 236, 170, 200));
    glow.setColorAt(1.0, QColor(255, 200, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, h * 0.35, h * 0.35);
    p.setBrush(QColor(255, 244, 205));
    p.drawEllipse(sun, h * 0.05, h * 0.05);

    // A faint lattice across the sky: the squares of a sheet of graph paper,
    // one-pixel lines on whole pixels, so they need no antialiasing.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 255, 255, 22), 0));
    const qreal cell = h / 16;
    QList<QLineF> lattice;
    for (qreal x = cell; x < w; x += cell)
        lattice.append(QLineF(std::round(x), 0, std::round(x), std::round(horizon * 0.8)));
    for (qreal y = cell; y < horizon * 0.8; y += cell)
        lattice.append(QLineF(0, std::round(y), w, std::round(y)));
    p.drawLines(lattice);
    p.restore();

    // The identity matrix written into the sky, upper left.
    const qreal step = h * 0.085, mx = w * 0.05 + step, my = h * 0.08 + step * 0.6;
    p.setPen(QPen(QColor(255, 255, 255, 150), std::max(1.5, h * 0.008)));
    p.setBrush(Qt::NoBrush);
    drawBrackets(p, mx - step * 0.8, mx + step * 2.8, my - step * 0.6, my + step * 2.6, step * 0.3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setPen(QPen(r == c ? QColor(255, 214, 150, 230) : QColor(190, 210, 255, 170),
                          std::max(1.2, h * 0.011), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            drawMatrixDigit(p, r == c, QPointF(mx + c * step, my + r * step), h * 0.05);
        }

    // The mountain and its snow.
    const qreal cx = w * 0.56, halfWidth = w * 0.36, height = h * 0.46, rim = w * 0.045;
    QLinearGradient rock(0, horizon - height, 0, horizon);
    rock.setColorAt(0.0, QColor(70, 66, 120));
    rock.setColorAt(1.0, QColor(40, 48, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(rock);
    p.drawPath(mountainPath(cx, horizon, halfWidth, height, rim));
    QLinearGradient snow(cx - halfWidth * 0.3, 0, cx + halfWidth * 0.3, 0);
    snow.setColorAt(0.0, QColor(214, 218, 240));
    snow.setColorAt(0.6, QColor(255, 246, 240));
    snow.setColorAt(1.0, QColor(255, 222, 200));
    p.setBrush(snow);
    p.drawPath(snowPath(cx, horizon, halfWidth, height, rim));

    // Wooded hills on the far shore.
    p.setBrush(QColor(30, 58, 62));
    p.drawPath(hillsPath(w, horizon + 1, h * 0.07, 0.4));
    p.setBrush(QColor(18, 40, 44));
    p.drawPath(hillsPath(w, horizon + 1, h * 0.035, 2.1));

    // The lake mirrors everything above the shore line, darker and softened.
    p.save();
    p.setClipRect(QRectF(0, horizon, w, h - horizon));
    p.translate(0, 2 * horizon);
    p.scale(1, -1);
    QLinearGradient mirrorSky(0, 0, 0, horizon);
    mirrorSky.setColorAt(0.0, QColor(16, 30, 66));
    mirrorSky.setColorAt(0.75, QColor(150, 96, 110));
    mirrorSky.setColorAt(1.0, QColor(190, 150, 110));
    p.fillRect(QRectF(0, 0, w, horizon), mirrorSky);
    p.setBrush(QColor(44, 44, 84));
    p.drawPath(mountainPath(cx, horizon, halfWidth, height, rim));
    p.setBrush(QColor(200, 196, 214));
    p.drawPath(snowPath(cx, horizon, halfWidth, height, rim));
    p.setBrush(QColor(20, 40, 44));
    p.drawPath(hillsPath(w, horizon + 1, h * 0.07, 0.4));
    p.restore();
    // Ripples: thin light strokes on the water, denser towards the shore.
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int i = 0; i < 14; ++i) {
        const qreal y = horizon + 4 + (h - horizon - 6) * (i * i) / 196.0;
        const qreal x = w * (0.08 + 0.61 * std::fmod(i * 0.37, 1.0));
        p.drawLine(QPointF(x, y), QPointF(x + w * (0.05 + 0.04 * (i % 3)), y));
    }
    // The sun's path on the water.
    p.setPen(QPen(QColor(255, 226, 160, 120), 2));
    for (int i = 0; i < 6; ++i) {
        const qreal y = horizon + 8 + i * (h - horizon) / 7;
        const qreal half = w * (0.012 + 0.006 * i);
        p.drawLine(QPointF(sun.x() - half, y), QPointF(sun.x() + half, y));
    }
    // The near shore.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 26, 24));
    QPainterPath shore;
    shore.moveTo(0, h);
    shore.lineTo(0, h * 0.9);
    shore.quadTo(w * 0.12, h * 0.86, w * 0.25, h * 0.95);
    shore.quadTo(w * 0.3, h * 0.99, w * 0.36, h);
    shore.closeSubpath();
    p.drawPath(shore);
}

}  // namespace

void paintTitlePicture(QPainter& p, QSize size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10, 10);
    p.setClipPath(frame);
    drawScene(p, w, h);

    // The title, right of the matrix.
    QFont title(QString::fromUtf8(kKanjiFontFamily));
    title.setPixelSize(std::max(10, static_cast<int>(h * 0.105)));
    title.setBold(true);
    p.setFont(title);
    const QRectF titleBox(w * 0.3, h * 0.06, w * 0.66, h * 0.14);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(titleBox.translated(2, 2), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("行列と連立方程式"));
    p.setPen(QColor(255, 250, 235));
    p.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("行列と連立方程式"));
    QFont sub = title;
    sub.setBold(false);
    sub.setPixelSize(std::max(8, static_cast<int>(h * 0.05)));
    p.setFont(sub);
    p.setPen(QColor(255, 236, 200, 220));
    p.drawText(QRectF(w * 0.3, h * 0.2, w * 0.66, h * 0.08), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Tabulon 数学Ｃ"));

    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.restore();
}

namespace {

QPixmap glyphCanvas() {
    return blankPixmap(QSize(kGlyph, kGlyph));
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

QIcon matrixGlyph() {
    QPixmap pm = glyphCanvas();
    QPainter p(&pm);
    prepare(p);
    p.setPen(QPen(QColor(30, 60, 120), 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    drawBrackets(p, 4, 28, 5, 27, 4);
    const QColor cells[4] = {QColor(220, 40, 40), QColor(40, 90, 220), QColor(40, 90, 220),
                             QColor(220, 40, 40)};
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            p.setBrush(cells[r * 2 + c]);
            p.drawRoundedRect(QRectF(9 + c * 8, 10 + r * 7, 6, 5), 1.5, 1.5);
        }
    return QIcon(pm);
}

QIcon equationsGlyph() {
    QPixmap pm = glyphCanvas();
    QPainter p(&pm);
    prepare(p);
    // The brace.
    QPainterPath brace;
    brace.moveTo(10, 4);
    brace.cubicTo(6, 4, 7, 9, 7, 12);
    brace.cubicTo(7, 15, 6, 16, 3, 16);
    brace.cubicTo(6, 16, 7, 17, 7, 20);
    brace.cubicTo(7, 23, 6, 28, 10, 28);
    p.setPen(QPen(QColor(30, 60, 120), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brace);
    // Two equations, written as x, a bar and a box for the number.
    QFont f(QString::fromUtf8(kKanjiFontFamily));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(200, 40, 40));
    p.drawText(QRectF(12, 3, 10, 12), Qt::AlignCenter, "x");
    p.setPen(QColor(40, 90, 220));
    p.drawText(QRectF(12, 17, 10, 12), Qt::AlignCenter, "y");
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    p.drawLine(QPointF(22, 8), QPointF(25, 8));
    p.drawLine(QPointF(22, 11), QPointF(25, 11));
    p.drawLine(QPointF(22, 22), QPointF(25, 22));
    p.drawLine(QPointF(22, 25), QPointF(25, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(28.5, 9.5), 1.8, 1.8);
    p.drawEllipse(QPointF(28.5, 23.5), 1.8, 1.8);
    return QIcon(pm);
}

namespace {

// A shaded ball that fills a glyph, lit from the upper left.
void drawBall(QPainter& p, const QColor& light, const QColor& dark, const QColor& rim) {
    QRadialGradient ball(QPointF(12, 11), 18);
    ball.setColorAt(0, light);
    ball.setColorAt(1, dark);
    p.setPen(QPen(rim, 1));
    p.setBrush(ball);
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

}  // namespace

QIcon helpGlyph() {
    QPixmap pm = glyphCanvas();
    QPainter p(&pm);
    prepare(p);
    drawBall(p, QColor(120, 180, 255), QColor(20, 80, 190), QColor(15, 55, 140));
    QFont f(QString::fromUtf8(kKanjiFontFamily));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 1, 28, 28), Qt::AlignCenter, "?");
    return QIcon(pm);
}

QIcon endGlyph() {
    QPixmap pm = glyphCanvas();
    QPainter p(&pm);
    prepare(p);
    drawBall(p, QColor(255, 130, 110), QColor(190, 30, 30), QColor(140, 20, 20));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 9, 14, 14), 120 * 16, 300 * 16);
    p.drawLine(QPointF(16, 6.5), QPointF(16, 15));
    return QIcon(pm);
}

QIcon closeGlyph() {
    QPixmap pm = glyphCanvas();
    QPainter p(&pm);
    prepare(p);
    // A door frame and an arrow leaving through it.
    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.setBrush(QColor(236, 214, 170));
    p.drawRect(QRectF(14, 4, 14, 24));
    p.setBrush(QColor(170, 120, 60));
    QPolygonF door;
    door << QPointF(14, 4) << QPointF(22, 8) << QPointF(22, 30) << QPointF(14, 28);
    p.drawPolygon(door);
    p.setPen(QPen(QColor(20, 120, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 16), QPointF(3, 16));
    p.drawLine(QPointF(3, 16), QPointF(7.5, 11.5));
    p.drawLine(QPointF(3, 16), QPointF(7.5, 20.5));
    return QIcon(pm);
}

QPixmap programIconPixmap(int size) {
    QPixmap pm = blankPixmap(QSize(size, size));
    QPainter p(&pm);
    prepare(p);
    const qreal s = size;
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(40, 214, 214));
    tile.setColorAt(1, QColor(0, 140, 150));
    p.setPen(QPen(QColor(0, 96, 104), s / 32));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    p.setPen(QPen(Qt::white, s * 0.07, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    drawBrackets(p, s * 0.2, s * 0.8, s * 0.2, s * 0.8, s * 0.11);
    // The digits are strokes, not text: the icon is drawn before any font is
    // needed, and looks the same whatever fonts a machine has.
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            p.setPen(QPen(r == c ? QColor(255, 240, 120) : QColor(230, 250, 255),
                          std::max<qreal>(1.2, s * 0.055), Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            drawMatrixDigit(p, r == c, QPointF(s * (0.385 + 0.23 * c), s * (0.375 + 0.25 * r)),
                            s * 0.17);
        }
    return pm;
}

QIcon programIcon() {
    // Drawn once: the application and the frame both ask for it at start-up.
    // Kept to the end of the process, never destroyed after the application.
    static const QIcon* icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 24, 32, 48, 64, 128})
            sizes->addPixmap(programIconPixmap(size));
        return sizes;
    }();
    return *icon;
}
