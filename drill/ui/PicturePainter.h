#pragma once
// Turns a picture description (Picture.h) into pixels: the step matrices with
// their colours and stacked fractions, equations beside their brace, text
// lines, captions, the composed operation, the bracket and brace bitmaps and
// the highlight bands. The worksheet paints its pictures with it, and a
// printed page can draw the same pictures through a scaled painter.
//
// Sizes are pixels of a 96-dpi screen: 9 points are 12 pixels.

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include "drill/Picture.h"

class QPainter;

// "ＭＳ Ｐゴシック" at 9 points: text lines (the frame's kanji font), the
// captions and the composed operation.
QFont pictureTextFont(bool bold = false);
// The entries of a step matrix.
QFont matrixEntryFont();

// The natural size of one of the worksheet's fixed pictures (imgKakkoL 25 x
// 100, imgKakkoSS 25 x 60, …) and the picture itself drawn at `size`.
QSize worksheetBitmapSize(Bitmap which);
QPixmap worksheetBitmap(Bitmap which, QSize size);

struct PicturePaintOptions {
    // Highlight bands are drawn in not-xor mode, which needs an image to draw
    // on; a printer leaves them out.
    bool bands = true;
};

// Paints `picture` on a white field of `size`, item by item in drawing order.
void paintPicture(QPainter& painter, const Picture& picture, QSize size,
                  const PicturePaintOptions& options = {});
// The picture as the worksheet shows it: an RGB32 image of `size`.
QImage renderPicture(const Picture& picture, QSize size);

// The parts, for painters that compose pictures of their own.
void paintStepMatrix(QPainter& painter, const StepMatrixItem& matrix);
// A red rectangle outline in not-xor mode: painting the same band a second
// time gives back exactly the pixels it covered. The painter must draw on an
// RGB32 or ARGB32 image.
void paintBand(QPainter& painter, const BandItem& band);
