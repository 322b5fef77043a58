#pragma once
// The one painter of the program: draws a picture description
// (picture/Picture.h) on any QPaintDevice at any scale. The worksheet's
// pictures, the keypad's fair copy, the calculator's matrices and ⊿, the
// problem choice window's previews and the printed page all go through it.
//
// A description is in picture pixels, as a 96-dpi screen shows them (9 points
// are 12 pixels). At scale s every length is s times as long: text is drawn
// in fonts s times the size and brackets and braces are vector paths, so a
// printer at 600 dpi (scale 6.25) gets a crisp page, not an enlarged bitmap.
//
// A window paints a description like this:
//     QPainter painter(this);                       // or a QImage, a QPrinter
//     paintPicture(painter, picture, QSize(233, 145));
// or keeps an image of it: renderPicture(picture, size, scale).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <string>

#include "arith/TermLayout.h"
#include "picture/Picture.h"

class QPainter;

struct PaintOptions {
    // Device pixels per picture pixel.
    double scale = 1.0;
    // Highlight bands are drawn in not-xor mode, which needs an image to draw
    // on; a printer leaves them out.
    bool bands = true;
    // Fill the picture's area white before the items are drawn.
    bool background = true;
};

// Paints `picture`, whose size is `size` picture pixels, with its top-left
// corner at the painter's origin (translate the painter to place it), item by
// item in drawing order. The painter's state is left as it was.
void paintPicture(QPainter& painter, const Picture& picture, QSize size,
                  const PaintOptions& options = {});
// The picture as an RGB32 image of size x scale device pixels.
QImage renderPicture(const Picture& picture, QSize size, double scale = 1.0);

// A bracket or brace filling `rect` (picture pixels of the painter).
void paintShape(QPainter& painter, Shape shape, const QRectF& rect,
                const QColor& ink = QColor(0, 0, 0));
// A shape alone on white, `size` device pixels.
QPixmap shapePixmap(Shape shape, QSize size);

// Fonts, in picture pixels. "ＭＳ Ｐゴシック" at 9 points: text lines,
// captions and the composed operation.
QFont pictureTextFont(bool bold = false);
// The entries of a step matrix whose characters are `charWidth` pixels wide.
QFont matrixEntryFont(int charWidth = kEntryCharWidth);
// The calculator's fractions and the keypad's fair copy (12 pixels, its
// digits at most kCalcDigitHeight high).
QFont fractionFont();
// How high the digits of `font` are drawn at scale 1, in pixels.
double digitHeight(const QFont& font);
// The number font of the equations: bold, or the second, non-bold font used
// when 4 equations hold more than one fraction between them.
QFont equationNumberFont(bool secondFont);
// The font of the unknowns' letters.
QFont equationLetterFont();
// A sign as drawn: "-" becomes the typographic minus, which reads better
// than a hyphen beside digits.
QString signText(const std::string& sign);

// The parts, for tests and for painters that compose pictures of their own.
// One laid-out equation line with its left edge at `left` and its top at
// `top`, in the painter's pen colour.
void paintEquationLine(QPainter& painter, const EquationLayout& line, int left, int top,
                       bool secondFont);
// A red rectangle outline in not-xor mode: painting the same band a second
// time gives back exactly the pixels it covered. The painter must draw on an
// RGB32 or ARGB32 image.
void paintBand(QPainter& painter, const BandItem& band);
