// Printing the worksheet: a solved system printed to a PDF file through
// QPrinter, looked at with the poppler tools; the print command and the
// print settings reached from the frame's menu; and, when tools/print-check.sh
// has set up a print queue, the worksheet printed to it through the print
// system, as a teacher prints to a printer.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "drill/AnswerKey.h"
#include "drill/DrillState.h"
#include "drill/ui/AnswerKeyPrint.h"
#include "drill/ui/PrintPainter.h"
#include "drill/ui/TfrmPrintS.h"
#include "questions/QuestionBank.h"
#include "questions/QuestionLine.h"
#include "tests/support/ExactOracle.h"

namespace {

class PrintTest : public DrillWindowTest {
  protected:
    // x + y + z = 6, x − y + z = 2, x + y − z = 0 in six steps: with the task,
    // the coefficients and the answer, nine pictures.
    void solveThreeUnknowns() {
        enterDrill({"x+y+z=6;x-y+z=2;x+y-z=0"});
        clickAll("btnGyou2 btnHiku btnGyou1 btnJikkou");
        clickAll("btnGyou3 btnHiku btnGyou1 btnJikkou");
        clickAll("btnGyou2 btnWaru btnMinus btn2 btnJikkou");
        clickAll("btnGyou3 btnWaru btnMinus btn2 btnJikkou");
        clickAll("btnGyou1 btnHiku btnGyou2 btnJikkou");
        clickAll("btnGyou1 btnHiku btnGyou3 btnJikkou");
        ASSERT_EQ(drillState.curStep, 9);
    }

    static void toPdf(QPrinter& printer, const QString& file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    static QString run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << program.toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The pages of a PDF as images, at a low resolution; `name` keeps the
    // images of different PDFs apart.
    QList<QImage> pages(const QString& pdf, const QString& name = "page") {
        const QString prefix = tempPath(name);
        run("pdftoppm", {"-r", "40", "-png", pdf, prefix});
        QList<QImage> out;
        QStringList files =
            QDir(tempDir.path()).entryList({name + "-*.png"}, QDir::Files, QDir::Name);
        for (const QString& f : files)
            out.append(QImage(tempDir.path() + "/" + f));
        return out;
    }

    // The share of a page's pixels that are not white.
    static double inkShare(const QImage& page) {
        long inked = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 200)
                    ++inked;
        return double(inked) / (page.width() * page.height());
    }

    // The share of the dark pixels of `page` that have nothing dark within a
    // pixel of the same place in `other`: near 0 when both show the same, at
    // any antialiasing; far from it when anything is missing or moved.
    static double inkMissingFrom(const QImage& page, const QImage& other) {
        if (page.size() != other.size())
            return 1;
        long dark = 0, missing = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) >= 128)
                    continue;
                ++dark;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near =
                            other.valid(x + dx, y + dy) && qGray(other.pixel(x + dx, y + dy)) < 192;
                missing += near ? 0 : 1;
            }
        return dark ? double(missing) / dark : 0;
    }
};

TEST_F(PrintTest, SolvedWorksheetOfNinePicturesPrintsOnTwoSheets) {
    solveThreeUnknowns();
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = tempPath("worksheet.pdf");
    toPdf(printer, pdf);
    int sheets = 0;
    const QDateTime when(QDate(2026, 12, 6), QTime(9, 5));
    EXPECT_EQ(printWorksheet(printer, worksheetPrintJob(programDrill(), PrintParameters{}, when),
                             &sheets),
              PrintOutcome::Printed);
    EXPECT_EQ(sheets, 2);

    const QList<QImage> images = pages(pdf);
    ASSERT_EQ(images.size(), 2);
    for (const QImage& page : images) {
        EXPECT_GT(inkShare(page), 0.002);
        // Nothing reaches the edges of the paper.
        const int w = page.width(), h = page.height();
        for (const QRect& edge : {QRect(0, 0, w, h / 40), QRect(0, h - h / 40, w, h / 40),
                                  QRect(0, 0, w / 40, h), QRect(w - w / 40, 0, w / 40, h)})
            EXPECT_EQ(inkShare(page.copy(edge)), 0.0);
    }

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("2026.12.06 9:05 【Page1】")) << text.toStdString();
    EXPECT_TRUE(text.contains("2026.12.06 9:05 【Page2】")) << text.toStdString();
    EXPECT_TRUE(text.contains("つぎの連立方程式を解きなさい")) << text.toStdString();
    EXPECT_FALSE(QFile::exists(tempPath("temp.bmp")));
}

// The answer key of a unit of the shipped question file: each question on
// sheets of its own under a header naming it, its pictures with their
// narratives, and the answer, right, last.
struct AnswerKeyCase {
    const char* name;
    int unit;
    int sheets;  // the worksheet of a 1024 x 768 screen, A4
    std::vector<const char*> narratives;
};

class AnswerKeyPrintTest : public PrintTest, public ::testing::WithParamInterface<AnswerKeyCase> {};

// The answer of a question line as the key writes it, from exact elimination.
std::string exactAnswer(const std::string& line) {
    const std::optional<ParsedQuestion> q = parseQuestionAside(line);
    if (!q)
        return "?";
    const std::size_t n = q->rows.size();
    QMatrix m;
    for (const EquationRow& row : q->rows) {
        std::vector<Q> r;
        for (std::size_t j = 0; j < n; ++j)
            r.push_back(exactValue(row.terms[j]));
        r.push_back(exactValue(row.terms[n + 1]));
        m.push_back(r);
    }
    const QMatrix rref = reducedEchelon(m);
    std::size_t rank = 0, rankAll = 0;
    for (const auto& row : rref) {
        bool coefficient = false, any = false;
        for (std::size_t j = 0; j <= n; ++j)
            if (row[j] != 0) {
                any = true;
                coefficient = coefficient || j < n;
            }
        rank += coefficient;
        rankAll += any;
    }
    if (rank < rankAll)
        return "解なし";
    if (rank < n)
        return "解は無数にある";
    std::string out;
    for (std::size_t r = 0; r < n; ++r)
        out += (r ? ",  " : "") + std::string(1, kUnknownLetters[r]) + " = " + rref[r][n].get_str();
    return out;
}

TEST_P(AnswerKeyPrintTest, EveryQuestionWithItsPicturesAndItsAnswer) {
    const AnswerKeyCase& c = GetParam();
    const std::filesystem::path shipped =
        std::filesystem::path(TABULON_SOURCE_DIR) / "data" / "RAver.sim";
    std::filesystem::copy_file(shipped, tempPath("RAver.sim").toStdString());
    launchProgram();
    click(frmStart->btnRenritsu);
    const DrillState before = drillState;
    const std::vector<AnswerKeyQuestion> key =
        buildAnswerKey(questionBank, c.unit, worksheetLayout);
    // The drill is where it was.
    EXPECT_EQ(drillState.curStep, before.curStep);
    EXPECT_EQ(drillState.starMarks, before.starMarks);
    ASSERT_EQ(static_cast<int>(key.size()), questionBank.quesCount[c.unit]);

    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = tempPath("key.pdf");
    toPdf(printer, pdf);
    int sheets = 0;
    const QDateTime when(QDate(2026, 12, 8), QTime(10, 0));
    ASSERT_EQ(printAnswerKey(printer, key, worksheetLayout, PrintParameters{}, when, &sheets),
              PrintOutcome::Printed);
    EXPECT_EQ(sheets, c.sheets);
    EXPECT_EQ(pages(pdf).size(), c.sheets);
    // The text of the sheets, every run of spaces (wide ones too) made one.
    auto spaced = [](QString s) { return s.replace(QChar(0x3000), QChar(' ')).simplified(); };
    const QString text = spaced(run("pdftotext", {"-layout", pdf, "-"}));
    for (const AnswerKeyQuestion& q : key) {
        EXPECT_TRUE(q.problem.empty()) << q.line << ": " << q.problem;
        EXPECT_TRUE(text.contains(spaced(QString::fromStdString(q.header)))) << q.header;
        EXPECT_EQ(q.answer, exactAnswer(q.line)) << q.line;
        EXPECT_TRUE(text.contains(spaced(QString::fromStdString("答え　" + q.answer)))) << q.answer;
    }
    for (const char* narrative : c.narratives)
        EXPECT_TRUE(text.contains(QString::fromUtf8(narrative))) << narrative;
    // The headers come in the order of the questions.
    qsizetype at = 0;
    for (const AnswerKeyQuestion& q : key) {
        const qsizetype next = text.indexOf(spaced(QString::fromStdString(q.header)), at);
        EXPECT_GE(next, at) << q.header;
        at = next;
    }
}

const AnswerKeyCase kAnswerKeyCases[] = {
    {"ShippedUnit1",
     1,
     5,
     {"1(1)つぎの連立方程式を解きなさい", "1(5)つぎの連立方程式を解きなさい", "係数の行列を作ると",
      "第2行を-2で割ると", "第1行から第2行の4倍をひくと", "解が出ました"}},
    {"ShippedUnit4",
     4,
     5,
     {"4(3)つぎの連立方程式を解きなさい", "第2行から第1行の2倍をひくと", "【答】解は無数にある",
      "【答】 解なし"}},
};

INSTANTIATE_TEST_SUITE_P(Shipped, AnswerKeyPrintTest, ::testing::ValuesIn(kAnswerKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintTest, AnswerGroupIsPrintedBelowTheLastPictures) {
    solveThreeUnknowns();
    // As when the answer is found on the last picture: the answer group shows it.
    worksheetPictures.imgBOXX = *worksheetPictures.image(9);
    drillState.grbKaiVisible = true;
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = tempPath("answer.pdf");
    toPdf(printer, pdf);
    int sheets = 0;
    EXPECT_EQ(printWorksheet(printer,
                             worksheetPrintJob(programDrill(), PrintParameters{},
                                               QDateTime::currentDateTime()),
                             &sheets),
              PrintOutcome::Printed);
    EXPECT_EQ(sheets, 2);
    const QString text = run("pdftotext", {"-f", "2", pdf, "-"});
    EXPECT_EQ(text.count("解が出ました"), 2) << text.toStdString();
}

TEST_F(PrintTest, WorksheetWithNoQuestionPrintsNothing) {
    enterDrill({"x+y=3;x-y=#"});  // an invalid question leaves the worksheet empty
    ASSERT_EQ(ui.messages().back(), "x+y=3;x-y=#：問題が不正です");
    ui.clear();
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, tempPath("empty.pdf"));
    EXPECT_EQ(printWorksheet(printer, worksheetPrintJob(programDrill(), PrintParameters{},
                                                        QDateTime::currentDateTime())),
              PrintOutcome::NothingToPrint);
    EXPECT_FALSE(QFile::exists(tempPath("empty.pdf")));
}

TEST_F(PrintTest, PrintCommandShowsThePrintDialogFirst) {
    solveThreeUnknowns();
    QAction* print = frmMain->findChild<QAction*>("mnuPrint");
    ASSERT_NE(print, nullptr);
    const QString pdf = tempPath("menu.pdf");
    toPdf(frmPrintS->printer(), pdf);

    // Cancelled: nothing is printed.
    withModal([print] { print->trigger(); },
              [](QWidget* modal) {
                  EXPECT_NE(qobject_cast<QPrintDialog*>(modal), nullptr);
                  static_cast<QDialog*>(modal)->reject();
              });
    EXPECT_FALSE(QFile::exists(pdf));

    // Confirmed: the worksheet is printed to the file chosen in the dialog.
    // The dialog offers the machine's default printer first, when there is
    // one; the file is the last entry of its printer list.
    withModal([print] { print->trigger(); },
              [&pdf](QWidget* modal) {
                  auto* printers = modal->findChild<QComboBox*>("printers");
                  auto* file = modal->findChild<QLineEdit*>("filename");
                  ASSERT_TRUE(printers && file);
                  printers->setCurrentIndex(printers->count() - 1);
                  ASSERT_TRUE(file->isEnabled());
                  file->setText(pdf);
                  static_cast<QDialog*>(modal)->accept();
              });
    EXPECT_EQ(pages(pdf).size(), 2);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the busy cursor is gone
}

// Needs a print queue that writes PDF files (CUPS with a cups-pdf queue):
// TABULON_PRINT_QUEUE names it, TABULON_PRINT_OUTPUT is the folder it writes
// into and TABULON_PRINT_SPOOL the scheduler's folder, which keeps the
// documents it is sent. tools/print-check.sh sets them up, runs this test and
// removes them. The print system turns the text into pictures of glyphs
// (PDF to PostScript to PDF), so the text is read on the document the
// program sent, and each printed page must show what that page shows.
TEST_F(PrintTest, PrintCommandPrintsThroughThePrintSystemToTheChosenQueue) {
    const QString queue = qEnvironmentVariable("TABULON_PRINT_QUEUE");
    const QString output = qEnvironmentVariable("TABULON_PRINT_OUTPUT");
    const QString spool = qEnvironmentVariable("TABULON_PRINT_SPOOL");
    if (queue.isEmpty() || output.isEmpty() || spool.isEmpty())
        GTEST_SKIP() << "no print queue set up (tools/print-check.sh)";
    solveThreeUnknowns();
    QAction* print = frmMain->findChild<QAction*>("mnuPrint");
    ASSERT_NE(print, nullptr);
    withModal([print] { print->trigger(); },
              [&queue](QWidget* modal) {
                  auto* printers = modal->findChild<QComboBox*>("printers");
                  ASSERT_NE(printers, nullptr);
                  const int index = printers->findText(queue);
                  if (index < 0)
                      static_cast<QDialog*>(modal)->reject();
                  ASSERT_GE(index, 0) << "the print dialog does not offer " << queue.toStdString();
                  printers->setCurrentIndex(index);
                  static_cast<QDialog*>(modal)->accept();
              });
    EXPECT_TRUE(ui.messages().empty());
    ASSERT_EQ(frmPrintS->printer().printerName(), queue);
    ASSERT_EQ(frmPrintS->printer().outputFormat(), QPrinter::NativeFormat);

    // The spooler is done when the queue holds no job; then its PDF is there.
    QString pdf;
    for (int i = 0; i < 1200 && pdf.isEmpty(); ++i) {
        QProcess lpstat;
        lpstat.start("lpstat", {"-o", queue});
        lpstat.waitForFinished(10000);
        const QStringList written = QDir(output).entryList({"*.pdf"}, QDir::Files);
        if (lpstat.readAllStandardOutput().trimmed().isEmpty() && !written.isEmpty())
            pdf = output + "/" + written.first();
        else
            QTest::qWait(100);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "the print queue wrote no PDF into " << output.toStdString();
    const QStringList sent = QDir(spool).entryList({"d*-001"}, QDir::Files, QDir::Name);
    ASSERT_EQ(sent.size(), 1) << "the scheduler holds no document, or more than one";
    const QString document = spool + "/" + sent.first();

    const QString text = run("pdftotext", {"-layout", document, "-"});
    for (const char* header : {"【Page1】", "【Page2】"})
        EXPECT_TRUE(text.contains(
            QRegularExpression(QStringLiteral("\\d{4}\\.\\d\\d\\.\\d\\d \\d?\\d:\\d\\d ") +
                               QString::fromUtf8(header))))
            << text.toStdString();
    EXPECT_TRUE(text.contains("つぎの連立方程式を解きなさい")) << text.toStdString();

    const QList<QImage> printed = pages(pdf, "printed");
    const QList<QImage> wanted = pages(document, "sent");
    ASSERT_EQ(printed.size(), 2);
    ASSERT_EQ(wanted.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_GT(inkShare(printed[i]), 0.002) << "page " << i + 1;
        EXPECT_LT(inkMissingFrom(wanted[i], printed[i]), 0.02) << "page " << i + 1;
        EXPECT_LT(inkMissingFrom(printed[i], wanted[i]), 0.02) << "page " << i + 1;
    }
    // The comparison tells the pages apart.
    EXPECT_GT(inkMissingFrom(wanted[0], printed[1]), 0.2);
}

TEST_F(PrintTest, PrintSettingsFromTheMenuFollowTheUpDowns) {
    enterDrill({"x+y=3;x-y=1"});
    QAction* settings = frmMain->findChild<QAction*>("mnuPrintSetting");
    ASSERT_NE(settings, nullptr);
    withModal([settings] { settings->trigger(); },
              [](QWidget* modal) {
                  EXPECT_EQ(modal->objectName(), "frmPrintS");
                  auto* sample = modal->findChild<QLineEdit*>("edtSample");
                  auto* size = modal->findChild<QSpinBox*>("updSize");
                  auto* margin = modal->findChild<QSpinBox*>("updLMargin");
                  ASSERT_TRUE(sample && size && margin);
                  EXPECT_EQ(modal->findChild<QLineEdit*>("edtSize")->text(), "3");
                  EXPECT_EQ(modal->findChild<QLineEdit*>("edtLMargin")->text(), "4");
                  EXPECT_EQ(sample->text(), "    ax+by=c");
                  EXPECT_EQ(sample->font().pointSize(), 22);
                  size->stepUp();
                  margin->stepDown();
                  EXPECT_EQ(sample->text(), "   ax+by=c");
                  EXPECT_EQ(sample->font().pointSize(), 26);
                  // The ends of the ranges hold.
                  for (int i = 0; i < 5; ++i) {
                      size->stepUp();
                      margin->stepUp();
                  }
                  EXPECT_EQ(modal->findChild<QLineEdit*>("edtSize")->text(), "5");
                  EXPECT_EQ(modal->findChild<QLineEdit*>("edtLMargin")->text(), "6");
                  EXPECT_TRUE(modal->findChild<QLineEdit*>("edtSize")->isReadOnly());
                  QTest::mouseClick(modal->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
              });
    const PrintParameters p = frmPrintS->parameters();
    EXPECT_EQ(p.charSize, 5);
    EXPECT_EQ(p.leftBlank, 6);
}

}  // namespace
