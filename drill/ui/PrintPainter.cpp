#include "drill/ui/PrintPainter.h"

#include <QPainter>
#include <QPrinter>
#include <ctime>

#include "drill/Drill.h"
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

void printPicture(QPainter& painter, const Picture& picture, PixelSize screen,
                  const PixelRect& rect) {
    if (screen.width <= 0 || screen.height <= 0)
        return;
    PaintOptions options;
    options.scale = double(rect.width()) / screen.width;
    options.bands = false;  // a band marks the row under the mouse, not the worked step
    painter.save();
    painter.translate(rect.left, rect.top);
    paintPicture(painter, picture, QSize(screen.width, screen.height), options);
    painter.restore();
}

PrintJob worksheetPrintJob(const Drill& drill, const PrintParameters& params,
                           const QDateTime& when) {
    const DrillView view = drill.view();
    return makePrintJob(view.layout, view.pictures, view.state.curStep, drill.questionSolved(),
                        view.state.grbKaiVisible, params, printStamp(when));
}

PrintOutcome printWorksheet(QPrinter& printer, const PrintJob& job, int* sheets) {
    if (sheets)
        *sheets = 0;
    if (nothingToPrint(job.input))
        return PrintOutcome::NothingToPrint;
    PrintLayoutInput in = job.input;
    in.pageWidth = printer.width();
    in.pageHeight = printer.height();
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
    for (const PrintedSheet& page : layout.sheets) {
        if (page.number > 1)
            printer.newPage();
        painter.setFont(printHeaderFont());
        painter.setPen(Qt::black);
        const PixelRect& h = page.header;
        painter.drawText(QRect(h.left, h.top, h.width(), h.height()),
                         Qt::AlignRight | Qt::AlignBottom,
                         QString::fromStdString(printHeaderText(job.stamp, page.number)));
        for (const PrintedImage& p : page.steps)
            if (const Picture* picture = job.step(p.image))
                printPicture(painter, *picture, in.stepImage, p.rect);
        for (const PrintedImage& p : page.answer) {
            const auto i = static_cast<std::size_t>(p.image);
            if (i < job.answer.size() && job.answer[i])
                printPicture(painter, *job.answer[i], in.answerImages[i], p.rect);
        }
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}
