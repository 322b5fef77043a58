// The worksheet: its pictures laid out and painted from the drill's
// descriptions, row picking with the mouse, the highlight band, scrolling.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "picture/ui/PicturePainter.h"

namespace {

class WorksheetTest : public DrillWindowTest {};

// Counts the pixels of `img` inside `rect` that are exactly `colour`.
int countColour(const QImage& img, const QRect& rect, QRgb colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (img.pixel(x, y) == colour)
                ++n;
    return n;
}

TEST_F(WorksheetTest, FirstQuestionShowsOnImage1AndImage2) {
    enterDrill({"x+y=7;x-y=3", "2x+3y=13;x-y=-1"});
    EXPECT_TRUE(frmMain->pnlMain->isVisible());

    // Every picture is there under its name, where the layout puts it.
    const WorksheetLayout& l = worksheetLayout;
    for (int k = 1; k <= l.imageCount; ++k) {
        auto* w = frmPage->findChild<TfrmPageImage*>(QStringLiteral("Image%1").arg(k));
        ASSERT_NE(w, nullptr) << k;
        EXPECT_EQ(w->pos(), QPoint(l.imagePos[k].x, l.imagePos[k].y)) << k;
        EXPECT_EQ(w->size(), QSize(l.imageWidth, l.imageHeight - 1)) << k;
    }
    EXPECT_EQ(frmPage->findChild<QWidget*>(QStringLiteral("Image%1").arg(l.imageCount + 1)),
              nullptr);
    // The right column fits the worksheet without scrolling sideways.
    QApplication::processEvents();
    EXPECT_LE(image(2 * l.rowsPerColumn)->geometry().right(),
              frmPage->sbxSheet->viewport()->width());

    // Image1: the title line and the equations beside the brace for two.
    EXPECT_EQ(textLines(picture(1)), std::vector<std::string>{"1(1)つぎの連立方程式を解きなさい"});
    auto equations = picture(1).all<EquationsItem>();
    ASSERT_EQ(equations.size(), 1u);
    EXPECT_EQ(equations[0]->rows.size(), 2u);
    EXPECT_EQ(equations[0]->brace, Shape::KakkoSS);
    // Image2: the coefficient matrix and its caption.
    ASSERT_NE(picture(2).matrix(), nullptr);
    auto captions = picture(2).all<CaptionItem>();
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0]->text, "係数の行列を作ると");

    // And the pixels follow: both drawn, the next picture still blank.
    EXPECT_TRUE(inked(image(1)->image()));
    EXPECT_TRUE(inked(image(2)->image()));
    EXPECT_FALSE(inked(image(3)->image()));
    // The red 1 on the diagonal of the first row.
    const StepMatrixItem* m = picture(2).matrix();
    const MatrixEntry& one = m->rows[0][0];
    EXPECT_GT(countColour(image(2)->image(),
                          QRect(one.x, m->rowTop(0), one.width, kMatrixRowHeight), qRgb(255, 0, 0)),
              0);

    EXPECT_EQ(frmPage->windowTitle(), "　　連立方程式");
    EXPECT_EQ(frmPage->lblCaption->text(), "　　連立方程式");
    auto* edt2 = frmPage->findChild<QLineEdit*>("edtPage2");
    auto* edt3 = frmPage->findChild<QLineEdit*>("edtPage3");
    ASSERT_TRUE(edt2 && edt3);
    EXPECT_EQ(edt2->text(), "Page2");
    EXPECT_EQ(edt3->text(), "Page3");
    EXPECT_TRUE(edt2->isReadOnly() && edt3->isReadOnly());
    EXPECT_EQ(edt2->pos(), QPoint(l.edtPage2.x, l.edtPage2.y));
    EXPECT_EQ(edt3->pos(), QPoint(l.edtPage3.x, l.edtPage3.y));
    EXPECT_EQ(edt2->height(), l.edtPageHeight);
}

TEST_F(WorksheetTest, FixedControlsAreThereAndHidden) {
    enterDrill({"x+y+z=6;x-y+z=2;x+y-z=0"});
    struct Holder {
        const char* name;
        QSize size;
    };
    for (const Holder& h : {Holder{"imgKakkoL", {25, 100}}, Holder{"imgKakkoR", {25, 100}},
                            Holder{"imgKakkoSS", {25, 60}}, Holder{"imgKakkoMS", {25, 90}},
                            Holder{"imgKakkoLS", {25, 121}}, Holder{"imgKotaeKakko", {70, 100}}}) {
        auto* w = frmPage->findChild<QLabel*>(h.name);
        ASSERT_NE(w, nullptr) << h.name;
        EXPECT_EQ(w->size(), h.size) << h.name;
        EXPECT_FALSE(w->isVisible()) << h.name;
    }
    auto* lstExt = frmPage->findChild<QListWidget*>("lstExt");
    ASSERT_NE(lstExt, nullptr);
    ASSERT_EQ(lstExt->count(), 3);
    EXPECT_EQ(lstExt->item(2)->text(), "x+y-z=0");
    for (const char* name : {"lstExt", "lstDump", "lstQues", "lblMess"})
        EXPECT_FALSE(frmPage->findChild<QWidget*>(name)->isVisible()) << name;
    auto* grbKai = frmPage->findChild<QGroupBox*>("grbKai");
    ASSERT_NE(grbKai, nullptr);
    EXPECT_EQ(grbKai->title(), "解");
    EXPECT_FALSE(grbKai->isVisible());
    for (const char* name : {"lblStarX", "lblStarY"}) {
        auto* stars = grbKai->findChild<QLabel*>(name);
        ASSERT_NE(stars, nullptr) << name;
        EXPECT_EQ(stars->text(), QString(24, QChar(0x2605))) << name;
        EXPECT_EQ(stars->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }
    ASSERT_NE(grbKai->findChild<TfrmPageImage*>("imgBOXX"), nullptr);
    // The answer group sits over picture 5 x rowsPerColumn.
    const int over = 5 * worksheetLayout.rowsPerColumn;
    EXPECT_EQ(grbKai->pos(), image(over)->pos());
    // The brace beside three equations.
    EXPECT_EQ(picture(1).all<EquationsItem>()[0]->brace, Shape::KakkoMS);
}

TEST_F(WorksheetTest, HoverHighlightsOnlyTheCurrentPictureAndAClickSelectsTheRow) {
    enterDrill({"x+y=7;x-y=3"});
    // Image1 is not the current picture: nothing happens there.
    QTest::mouseMove(image(1), QPoint(60, 60));
    EXPECT_TRUE(picture(1).litBands().empty());

    QTest::mouseMove(image(2), rowPoint(2, 1));
    EXPECT_EQ(picture(2).litBands(), std::vector<int>{1});
    EXPECT_EQ(drillState.litRow, 1);
    // The band is red on the white around the entries.
    const BandItem band = bandFor(*picture(2).matrix(), 1);
    EXPECT_GT(countColour(image(2)->image(),
                          QRect(band.rect.left, band.rect.top, band.rect.right - band.rect.left, 1),
                          qRgb(255, 0, 0)),
              20);

    // Moving to the other row moves the band.
    QTest::mouseMove(image(2), rowPoint(2, 0));
    EXPECT_EQ(picture(2).litBands(), std::vector<int>{0});

    QTest::mouseClick(image(2), Qt::LeftButton, Qt::NoModifier, rowPoint(2, 0));
    EXPECT_EQ(entryState.entryPhase, 1);
    EXPECT_EQ(entryState.row1Line, 1);
    EXPECT_EQ(opLabelOn(3), "第1行");
    EXPECT_TRUE(inked(image(3)->image()));
    // Picked: moving on no longer moves the band.
    QTest::mouseMove(image(2), rowPoint(2, 1));
    EXPECT_EQ(picture(2).litBands(), std::vector<int>{0});

    // A click on a picture that is not the current one selects nothing.
    clickAll("btnTasu");
    QTest::mouseClick(image(1), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    EXPECT_EQ(entryState.entryPhase, 2);

    // The right button: nothing yet, unless the step listing is installed.
    int listed = 0;
    frmPage->openStepListing = [&](int step) { listed = step; };
    QTest::mouseClick(image(2), Qt::RightButton, Qt::NoModifier, rowPoint(2, 1));
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(entryState.entryPhase, 2);
}

TEST_F(WorksheetTest, BandOnAndOffGivesBackThePicture) {
    enterDrill({"1/2x+y=4;x-y=2"});
    const QImage before = image(2)->image().copy();
    QTest::mouseMove(image(2), rowPoint(2, 0));
    EXPECT_NE(image(2)->image(), before);
    QTest::mouseMove(image(2), QPoint(5, 5));  // off the rows
    EXPECT_EQ(drillState.litRow, -1);
    EXPECT_EQ(image(2)->image(), before);
}

TEST_F(WorksheetTest, NotXorBandDrawnTwiceRestoresEveryPixel) {
    // The painter itself, with the band really drawn twice (the description
    // keeps both), over entries, a fraction and a bracket.
    EquationList list;
    list.unknownCount = 2;
    auto set = [&](int line, std::vector<Fraction> terms) {
        EquationRow& row = list.rows[line];
        row.count = static_cast<int>(terms.size());
        for (std::size_t i = 0; i < terms.size(); ++i)
            row.terms[i] = terms[i];
    };
    set(1, {makeFraction(1, 2, 'x'), makeFraction(-3, 1, 'y'), makeFraction(0, 1, '='),
            makeFraction(7, 4, '/')});
    set(2, {makeFraction(0, 1, 'x'), makeFraction(1, 1, 'y'), makeFraction(0, 1, '='),
            makeFraction(-12, 5, '/')});
    Picture plain;
    StepMatrixItem m = makeStepMatrix(list, 2);
    plain.add(m);
    plain.add(leftBracket(m));
    plain.add(rightBracket(m));
    const QSize size(300, 139);
    const QImage base = renderPicture(plain, size);

    Picture once = plain;
    once.add(bandFor(m, 0));
    const QImage lit = renderPicture(once, size);
    EXPECT_NE(lit, base);

    Picture twice = once;
    twice.add(bandFor(m, 0));
    EXPECT_EQ(renderPicture(twice, size), base);

    // Interleaved bands: the one drawn twice goes, the other stays.
    Picture mixed = plain;
    mixed.add(bandFor(m, 0));
    mixed.add(bandFor(m, 1));
    mixed.add(bandFor(m, 0));
    Picture onlySecond = plain;
    onlySecond.add(bandFor(m, 1));
    EXPECT_EQ(renderPicture(mixed, size), renderPicture(onlySecond, size));

    // A printer cannot invert: it leaves the bands out.
    QImage printed(size, QImage::Format_RGB32);
    QPainter painter(&printed);
    PaintOptions printer;
    printer.bands = false;
    paintPicture(painter, once, size, printer);
    painter.end();
    EXPECT_EQ(printed, base);
}

TEST_F(WorksheetTest, StackedFractionsHaveTheirBarBetweenNumeratorAndDenominator) {
    // 1/2 x + y = 4 drawn alone: the first piece is a stacked 1/2.
    EquationRow row;
    row.count = 4;
    row.terms[0] = makeFraction(1, 2, 'x');
    row.terms[1] = makeFraction(1, 1, 'y');
    row.terms[2] = makeFraction(0, 1, '=');
    row.terms[3] = makeFraction(4, 1, '/');
    const EquationLayout line = layoutEquation(row, false);
    ASSERT_EQ(line.pieces[0].kind, PieceKind::Stacked);
    QImage img(200, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setPen(Qt::black);
    paintEquationLine(painter, line, 0, 0, false);
    painter.end();

    // The bar spans the piece's box, which the layout set next to its letter.
    const int left = line.pieces[0].x;
    const int width = line.pieces[0].boxWidth;
    EXPECT_EQ(width, line.pieces[0].width * kColumnPixels);
    auto darkIn = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x < left + width; ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    ++n;
        return n;
    };
    // The bar: a full dark row at 16 pixels down.
    for (int x = left; x < left + width; ++x)
        EXPECT_LT(qGray(img.pixel(x, kStackedBarTop)), 128) << x;
    // Ink above it (the numerator) and below it (the denominator), none on
    // the rows just around the bar.
    EXPECT_GT(darkIn(0, kStackedBarTop - 2), 5);
    EXPECT_GT(darkIn(kStackedDenominatorTop, 39), 5);
    EXPECT_EQ(darkIn(kStackedBarTop + 1, kStackedBarTop + 1), 0);
}

TEST_F(WorksheetTest, ScrollButtonsMoveByOnePageOfPictures) {
    enterDrill({"x+y=7;x-y=3"});
    frmMain->resize(frmMain->size());  // lay the worksheet out before scrolling
    QApplication::processEvents();
    QScrollBar* bar = frmPage->sbxSheet->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int page = worksheetLayout.rowsPerColumn * worksheetLayout.imageHeight;
    clickAll("btnScrollUp");
    EXPECT_EQ(bar->value(), std::min(page, bar->maximum()));
    EXPECT_EQ(drillState.scrollPos, bar->value());
    clickAll("btnScrollDown");
    EXPECT_EQ(bar->value(), 0);
    // The student drags the bar: the drill knows where the sheet is.
    bar->setValue(57);
    EXPECT_EQ(drillState.scrollPos, 57);
    frmPage->scrollToTop();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(WorksheetTest, InvalidFirstQuestionLeavesTheWorksheetEmpty) {
    enterDrill({"x+y=7"});
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "x+y=7：問題が不正です");
    for (int k = 1; k <= worksheetLayout.imageCount; ++k)
        EXPECT_FALSE(inked(image(k)->image())) << k;
    for (const char* name : {"btnGyou1", "btnGyou2", "btnJikkou"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
}

}  // namespace
