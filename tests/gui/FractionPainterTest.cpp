// The stacked fractions of the matrix pictures and the keypad's fair copy.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "arith/ui/FractionPainter.h"

namespace {

struct Drawn {
    QImage image;
    int pen = 0;
};

Drawn draw(int32_t numerator, int32_t denominator) {
    Drawn d{QImage(80, 50, QImage::Format_RGB32), 0};
    d.image.fill(Qt::white);
    QPainter painter(&d.image);
    painter.setFont(fractionFont());
    painter.setPen(Qt::black);
    d.pen = drawStackedFraction(painter, 10, 5, Fraction{denominator, numerator, '/'});
    return d;
}

// Whether anything was drawn in the rectangle [x0, x1) × [y0, y1).
bool inked(const QImage& image, int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

TEST(FractionPainterTest, FractionsAreDrawnReducedWithTheSignOnTheNumerator) {
    EXPECT_EQ(draw(2, 4).image, draw(1, 2).image);
    EXPECT_NE(draw(1, 2).image, draw(1, 3).image);
    EXPECT_EQ(draw(3, -4).image, draw(-3, 4).image);
    EXPECT_EQ(draw(-6, -3).image, draw(2, 1).image);
    // The 0/0 of a refused entry shows as 0.
    EXPECT_EQ(draw(0, 0).image, draw(0, 1).image);
}

TEST(FractionPainterTest, MinusStandsInFrontAndTheNumberStartsTwelvePixelsOn) {
    Drawn negative = draw(-1, 2);
    Drawn positive = draw(1, 2);
    EXPECT_TRUE(inked(negative.image, 10, 22, 0, 50));
    EXPECT_FALSE(inked(positive.image, 0, 22, 0, 50));
    EXPECT_TRUE(inked(positive.image, 22, 80, 0, 50));
    // Apart from the sign the two are the same picture.
    EXPECT_FALSE(inked(negative.image, 0, 10, 0, 50));
    EXPECT_EQ(negative.image.copy(22, 0, 58, 50), positive.image.copy(22, 0, 58, 50));
    EXPECT_EQ(negative.pen, positive.pen);
}

TEST(FractionPainterTest, BarSeparatesNumeratorAndDenominatorAndIntegersHaveNone) {
    Drawn half = draw(1, 2);
    const int barRow = 5 + 15;
    EXPECT_TRUE(inked(half.image, 22, 28, barRow, barRow + 1));  // the bar
    EXPECT_TRUE(inked(half.image, 22, 80, 5, barRow));           // numerator above
    EXPECT_TRUE(inked(half.image, 22, 80, barRow + 1, 50));      // denominator below
    EXPECT_GE(half.pen, 22 + 6);

    Drawn integer = draw(123, 1);
    // One line, 10 pixels down: nothing above it, nothing where a
    // denominator would stand.
    EXPECT_FALSE(inked(integer.image, 0, 80, 0, 5 + 10));
    EXPECT_FALSE(inked(integer.image, 0, 80, 5 + 10 + QFontMetrics(fractionFont()).height(), 50));
    EXPECT_TRUE(inked(half.image, 0, 80, 5 + 10 + QFontMetrics(fractionFont()).height(), 50));
    EXPECT_GT(integer.pen, 22 + 3 * 5);  // pen after the three digits
}

TEST(FractionPainterTest, BarCoversTheLongerOfTheTwoNumbers) {
    Drawn wide = draw(1, 1234);
    const int barRow = 5 + 15;
    int right = 0;
    for (int x = 0; x < 80; ++x)
        if (wide.image.pixel(x, barRow) != qRgb(255, 255, 255))
            right = x;
    EXPECT_GE(right + 1, 22 + 6 * 4);
    EXPECT_EQ(wide.pen, right + 1);
    // Nothing of the denominator reaches past the bar's end.
    EXPECT_FALSE(inked(wide.image, wide.pen, 80, barRow + 1, 50));
}

}  // namespace
