#include "drill/ui/PrintPainter.h"

#include <QPainter>
#include <QPrinter>
#include <ctime>

#include "drill/Drill.h"
#include "drill/ui/TfrmPage.h"
#include "picture/ui/PicturePainter.h"

// The header line: "ＭＳ Ｐゴシック" at 12 points, at the printer's resolution.
QFont printHeaderFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(12);
    return font;
}

std::tm printStamp(const QDateTime& when) {
    std::tm t{};
    const QDate d = when.date();
    const QTime c = when.time();
    t.tm_year = d.year() - 1900;
    t.tm_mon = d.month() - 1;
    t.tm_mday = d.day();
    t.tm_hour = c.hour();
    t.tm_min = c.minute();
    return t;
}

void printPicture(QPainter& painter, const Picture& picture, PrintSize screen,
                  const PrintRect& rect) {
    if (screen.width <= 0 || screen.height <= 0)
        return;
    PaintOptions options;
    options.scale = double(rect.width) / screen.width;
    options.bands = false;  // a band marks the row under the mouse, not the worked step
    painter.save();
    painter.translate(rect.x, rect.y);
    paintPicture(painter, picture, QSize(screen.width, screen.height), options);
    painter.restore();
}

PrintOutcome printWorksheet(QPrinter& printer, const Drill& drill, const PrintParameters& params,
                            const QDateTime& when, int* sheets) {
    const DrillState& state = drill.state();
    const WorksheetLayout& sheet = drill.sheetLayout();
    PrintLayoutInput in;
    in.curStep = state.curStep;
    in.rowsPerColumn = sheet.rowsPerColumn;
    in.imageCount = sheet.imageCount;
    in.stepImage = {sheet.imageWidth, sheet.pictureHeight};
    in.screenWidth = sheet.screenWidth;
    in.pageWidth = printer.width();
    in.pageHeight = printer.height();
    in.params = params;
    in.answerShown = state.grbKaiVisible && frmPage;
    in.lastIsAnswer = drill.questionSolved() && !state.grbKaiVisible;
    if (in.answerShown)
        in.answerImages = {{frmPage->imgBOXX->width(), frmPage->imgBOXX->height()},
                           {frmPage->imgBOXY->width(), frmPage->imgBOXY->height()}};
    // A worksheet whose pictures are all blank (no question set up) has
    // nothing to print.
    bool anything = in.answerShown;
    for (int k = 1; k <= in.curStep && !anything; ++k)
        anything = drill.stepPicture(k) && !drill.stepPicture(k)->empty();
    if (!anything)
        in.curStep = 0;
    const PrintLayout layout = layOutPrint(in);
    if (sheets)
        *sheets = static_cast<int>(layout.sheets.size());
    if (layout.sheets.empty())
        return PrintOutcome::NothingToPrint;

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const std::tm stamp = printStamp(when);
    const Picture* answer[] = {&drill.answerPictureX(), &drill.answerPictureY()};
    for (const PrintedSheet& page : layout.sheets) {
        if (page.number > 1)
            printer.newPage();
        painter.setFont(printHeaderFont());
        painter.setPen(Qt::black);
        const PrintRect& h = page.header;
        painter.drawText(QRect(h.x, h.y, h.width, h.height), Qt::AlignRight | Qt::AlignBottom,
                         QString::fromStdString(printHeaderText(stamp, page.number)));
        for (const PrintedImage& p : page.steps)
            if (const Picture* picture = drill.stepPicture(p.image))
                printPicture(painter, *picture, in.stepImage, p.rect);
        for (const PrintedImage& p : page.answer)
            printPicture(painter, *answer[p.image], in.answerImages[p.image], p.rect);
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}
