#include "drill/ui/AnswerKeyPrint.h"

#include <QInputDialog>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

// Screen pixels between the last picture and the answer line, and the
// answer line's height.
constexpr int kAnswerGap = 20;
constexpr int kAnswerLineHeight = 40;

QFont answerFont() {
    QFont font = printHeaderFont();
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

}  // namespace

std::optional<int> askAnswerKeyUnit(QWidget* parent, const QuestionBank& bank, int preset) {
    QStringList items;
    std::vector<int> units;
    int current = 0;
    for (int u = 1; u <= kMaxUnits; ++u)
        if (bank.quesCount[u] > 0) {
            if (u == preset)
                current = static_cast<int>(units.size());
            units.push_back(u);
            items << QStringLiteral("%1　%2").arg(u).arg(QString::fromStdString(bank.unitName[u]));
        }
    if (units.empty())
        return std::nullopt;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("模範解答を印刷"),
                                                 QStringLiteral("模範解答を印刷する単元:"), items,
                                                 current, false, &ok);
    if (!ok)
        return std::nullopt;
    const auto at = items.indexOf(chosen);
    return at < 0 ? std::nullopt : std::optional<int>(units[static_cast<std::size_t>(at)]);
}

PrintOutcome printAnswerKey(QPrinter& printer, const std::vector<AnswerKeyQuestion>& key,
                            const WorksheetLayout& layout, const PrintParameters& params,
                            const QDateTime& when, int* sheets) {
    if (sheets)
        *sheets = 0;
    if (key.empty())
        return PrintOutcome::NothingToPrint;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const std::tm stamp = printStamp(when);
    const PixelSize stepImage{layout.imageWidth, layout.pictureHeight};
    const PixelSize answerImage = layout.answerPictureX;
    int page = 0;

    for (const AnswerKeyQuestion& q : key) {
        PrintLayoutInput in;
        in.curStep = static_cast<int>(q.steps.size());
        in.rowsPerColumn = layout.rowsPerColumn;
        in.imageCount = layout.imageCount;
        in.stepImage = stepImage;
        in.screenWidth = layout.screenWidth;
        in.pageWidth = printer.width();
        in.pageHeight = printer.height();
        in.params = params;
        in.lastIsAnswer = q.lastIsAnswer;
        in.answerShown = q.answerShown;
        if (q.answerShown)
            in.answerImages = {answerImage};
        PrintLayout sheetsOfQuestion = layOutPrint(in);
        if (sheetsOfQuestion.sheets.empty()) {
            // A question that could not be worked: a sheet with its header
            // and the reason.
            in.curStep = 1;
            in.lastIsAnswer = in.answerShown = false;
            sheetsOfQuestion = layOutPrint(in);
            sheetsOfQuestion.sheets.resize(1);
            sheetsOfQuestion.sheets[0].steps.clear();
        }
        const int scale = sheetsOfQuestion.scale;
        const int footLimit = printer.height() - 100 * scale;

        auto header = [&](const PixelRect& h) {
            if (page > 0)
                printer.newPage();
            ++page;
            painter.setFont(printHeaderFont());
            painter.setPen(Qt::black);
            const QRect r(h.left, h.top, h.width(), h.height());
            painter.drawText(r, Qt::AlignRight | Qt::AlignBottom,
                             QString::fromStdString(printHeaderText(stamp, page)));
            QFont bold = printHeaderFont();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(r, Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(q.header));
        };

        int bottom = sheetsOfQuestion.y0;
        for (const PrintedSheet& s : sheetsOfQuestion.sheets) {
            header(s.header);
            bottom = sheetsOfQuestion.y0;
            for (const PrintedImage& p : s.steps) {
                printPicture(painter, q.steps[static_cast<std::size_t>(p.image - 1)], stepImage,
                             p.rect);
                bottom = std::max(bottom, p.rect.top + sheetsOfQuestion.advance(stepImage));
            }
            for (const PrintedImage& p : s.answer) {
                printPicture(painter, q.answerX, answerImage, p.rect);
                bottom = std::max(bottom, p.rect.top + sheetsOfQuestion.advance(answerImage));
            }
        }

        // The answer, or why there is none, last.
        const int lineHeight = kAnswerLineHeight * scale;
        int y = bottom + kAnswerGap * scale;
        if (y + lineHeight > footLimit) {
            header(sheetsOfQuestion.sheets.back().header);
            y = sheetsOfQuestion.y0;
        }
        painter.setFont(answerFont());
        painter.setPen(q.answer.empty() ? Qt::red : Qt::black);
        const std::string text = q.answer.empty() ? q.problem : "答え　" + q.answer;
        painter.drawText(
            QRect(sheetsOfQuestion.x1, y, printer.width() - sheetsOfQuestion.x1, lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(text));
    }
    if (sheets)
        *sheets = page;
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}
