// The one painter: a description painted at scale 1 and at scale 4 is the
// same picture, enlarged with vector edges, and a printer gets it too.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "arith/NumberText.h"
#include "picture/ui/PicturePainter.h"

namespace {

bool isInk(QRgb p) {
    return p != qRgb(255, 255, 255);
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Mean absolute difference of the grey levels of two images of one size.
double meanGreyDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// How many aligned 4 x 4 blocks inside `rect` hold more than one colour: a
// bitmap enlarged four times has none.
int mixedBlocks(const QImage& image, const QRect& rect) {
    int mixed = 0;
    for (int by = rect.top() / 4 * 4; by + 3 <= rect.bottom(); by += 4)
        for (int bx = rect.left() / 4 * 4; bx + 3 <= rect.right(); bx += 4) {
            const QRgb first = image.pixel(bx, by);
            bool uniform = true;
            for (int y = by; y < by + 4 && uniform; ++y)
                for (int x = bx; x < bx + 4 && uniform; ++x)
                    uniform = image.pixel(x, y) == first;
            if (!uniform)
                ++mixed;
        }
    return mixed;
}

EquationList twoEquations() {
    EquationList list;
    list.unknownCount = 2;
    auto set = [&](int line, std::vector<Fraction> terms) {
        EquationRow& row = list.rows[line];
        row.count = static_cast<int>(terms.size());
        for (std::size_t i = 0; i < terms.size(); ++i)
            row.terms[i] = terms[i];
    };
    set(1, {makeFraction(1, 2, 'x'), makeFraction(1, 1, 'y'), makeFraction(0, 1, '='),
            makeFraction(4, 1, '/')});
    set(2, {makeFraction(1, 1, 'x'), makeFraction(-1, 1, 'y'), makeFraction(0, 1, '='),
            makeFraction(-12, 5, '/')});
    return list;
}

struct PaintCase {
    const char* name;
    Picture picture;
    QSize size;
    QRect shape;  // a bracket or brace, or the fraction of the fair copy
};

std::vector<PaintCase> paintCases() {
    std::vector<PaintCase> cases;
    const QSize sheet(300, 139);

    const EquationList list = twoEquations();
    Picture step;
    StepMatrixItem m = makeStepMatrix(list, 2);
    const BracketItem left = leftBracket(m);
    step.add(textLine(1, "第1行を2で割ると"));
    step.add(m);
    step.add(left);
    step.add(rightBracket(m));
    const PixelRect& l = left.rect;
    cases.push_back({"step picture", step, sheet, QRect(l.left, l.top, l.width(), l.height())});

    Picture task;
    std::vector<EquationRow> rows(list.rows.begin() + 1, list.rows.begin() + 3);
    const EquationsItem e = makeEquations(rows, kRgbBlack, 40, 0, braceFor(2), false);
    task.add(e);
    const PixelRect& b = e.braceRect;
    cases.push_back(
        {"task beside its brace", task, sheet, QRect(b.left, b.top, b.width(), b.height())});

    cases.push_back({"fair copy", fairCopyPicture(makeFraction(-12, 5, '/')),
                     QSize(kFairCopySize.width, kFairCopySize.height), QRect(5, 5, 40, 30)});

    Picture calc;
    const CalcMatrixItem c = makeCalcMatrix(
        makeFraction(-1, 2, '/'),
        {{makeFraction(1, 3, '/'), makeFraction(-2, 1, '/')}, {Zero, makeFraction(7, 4, '/')}});
    calc.add(c);
    calc.add(CaptionItem{0, 0, "Ａ×Ｂ", kRgbBlue});
    const PixelRect& r = c.rightBracket;
    cases.push_back({"calculator matrix", calc, QSize(kCalcPictureWidth, kCalcPictureHeight),
                     QRect(r.left, r.top, r.width(), r.height())});
    return cases;
}

TEST(PicturePainterTest, ScaleFourIsScaleOneEnlargedWithVectorEdges) {
    for (const PaintCase& c : paintCases()) {
        SCOPED_TRACE(c.name);
        const QImage one = renderPicture(c.picture, c.size, 1);
        const QImage four = renderPicture(c.picture, c.size, 4);
        ASSERT_EQ(four.size(), c.size * 4);
        const QRect inkOne = inkBox(one);
        ASSERT_FALSE(inkOne.isEmpty());

        // The same picture: shrunk back it matches, and its ink covers the
        // same place, to a pixel or two of rounding.
        const QImage shrunk = four.scaled(c.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_RGB32);
        EXPECT_LT(meanGreyDifference(shrunk, one), 6.0);
        const QRect inkFour = inkBox(four);
        EXPECT_NEAR(inkFour.left() / 4.0, inkOne.left(), 2.0);
        EXPECT_NEAR(inkFour.top() / 4.0, inkOne.top(), 2.0);
        EXPECT_NEAR((inkFour.right() + 1) / 4.0, inkOne.right() + 1, 2.0);
        EXPECT_NEAR((inkFour.bottom() + 1) / 4.0, inkOne.bottom() + 1, 2.0);

        // Drawn afresh at four times the size, not enlarged: the edges of the
        // bracket, brace or digits run through the 4 x 4 blocks.
        const QRect shape4(c.shape.topLeft() * 4, c.shape.size() * 4);
        EXPECT_GT(mixedBlocks(four, shape4), 10);
        EXPECT_NE(four, one.scaled(c.size * 4));  // a plain enlargement
    }
}

TEST(PicturePainterTest, AFractionIsPaintedWhereItsDescriptionPutsIt) {
    const FractionItem f = fractionItem(makeFraction(-1, 1234, '/'), 10, 5);
    Picture p;
    p.add(f);
    const QImage image = renderPicture(p, QSize(80, 50));
    auto inked = [&](int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (isInk(image.pixel(x, y)))
                    return true;
        return false;
    };
    // The whole bar, then ink above it and below it, and nothing on the rows
    // right beside it.
    for (int x = f.bar.left; x < f.bar.right; ++x)
        EXPECT_TRUE(inked(x, x + 1, f.bar.top, f.bar.bottom)) << x;
    EXPECT_TRUE(inked(f.bar.left, f.bar.right, 5, f.bar.top - 1));
    EXPECT_TRUE(inked(f.bar.left, f.bar.right, f.bar.bottom + 1, 50));
    // The sign stands in front of the number; nothing reaches past the bar.
    EXPECT_TRUE(inked(10, 22, 0, 50));
    EXPECT_FALSE(inked(0, 10, 0, 50));
    EXPECT_FALSE(inked(f.right, 80, 0, 50));
}

TEST(PicturePainterTest, APrinterGetsTheSameDescriptionAtItsOwnResolution) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&printer);
        ASSERT_TRUE(painter.isActive());
        PaintOptions options;
        options.scale = printer.resolution() / 96.0;
        options.bands = false;
        int y = 0;
        for (const PaintCase& c : paintCases()) {
            painter.save();
            painter.translate(0, y);
            paintPicture(painter, c.picture, c.size, options);
            painter.restore();
            y += static_cast<int>(c.size.height() * options.scale);
        }
    }
    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"), pdf,
                            dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(pages.size(), 1);
    const QImage page(dir.filePath(pages[0]));
    ASSERT_FALSE(page.isNull());
    // A4 at 60 dpi, and ink on it where the pictures are.
    EXPECT_NEAR(page.width(), 496, 2);
    const QRect ink = inkBox(page.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), page.height() / 4);
}

}  // namespace

namespace {

// The descriptions lay text out with a few measures of the fonts: digits of
// a matrix entry no wider than its characters and no higher than
// kDigitHeight, the equations' digits no higher than kNumberDigitHeight, all
// on their baseline, and a line of 9-point text no taller than
// kTextLineHeight. The painter's fonts must keep to them.
TEST(PictureFonts, KeepToTheMeasuresOfTheDescriptions) {
    const QString digits = QStringLiteral("0123456789");
    for (int charWidth = kMinEntryCharWidth; charWidth <= kEntryCharWidth; ++charWidth) {
        const QFontMetricsF m(matrixEntryFont(charWidth));
        for (QChar d : digits)
            EXPECT_LE(m.horizontalAdvance(d), charWidth + 0.1) << charWidth << " " << d.toLatin1();
        const QRectF ink = m.tightBoundingRect(digits);
        EXPECT_LE(-ink.top(), kDigitHeight) << charWidth;
        EXPECT_LE(ink.bottom(), 1) << charWidth;
    }
    const QFontMetricsF numbers(equationNumberFont(false));
    EXPECT_LE(-numbers.tightBoundingRect(digits).top(), kNumberDigitHeight);
    EXPECT_LE(numbers.tightBoundingRect(digits).bottom(), 1);
    EXPECT_LE(-QFontMetricsF(equationNumberFont(true)).tightBoundingRect(digits).top(),
              kNumberDigitHeight);
    // Letters without descenders stand on the same baseline as the digits.
    const QFontMetricsF letters(equationLetterFont());
    for (const char* letter : {"x", "z", "w"})
        EXPECT_LE(std::abs(letters.tightBoundingRect(QString::fromLatin1(letter)).bottom()), 1)
            << letter;
    // The 9-point text, as the program maps "ＭＳ Ｐゴシック" and as the test
    // finds it.
    QFont ipa(QStringLiteral("IPAPGothic"));
    ipa.setPixelSize(pictureTextFont().pixelSize());
    for (const QFont& font : {pictureTextFont(), ipa})
        EXPECT_LE(QFontMetrics(font).height(), kTextLineHeight) << font.family().toStdString();
}

}  // namespace
