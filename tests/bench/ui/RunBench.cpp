// The drill's speed as a student meets it, in the program's windows as
// main() makes them, on a 4-unknown question:
// - a run (実行), timed from the click to the worksheet painted: "row 1 +
//   row 2" composed with the panel's buttons, 実行 clicked and the events
//   processed until the new step's picture has been painted; 訂正 then takes
//   the step back for the next run. Median and 99th percentile.
// - printing: the worksheet filled to step 24 and solved, printed to a PDF
//   file at the printer's resolution. Median of five prints.
//
//     run_bench [runs]
//
// - the question editor opened on the largest question file accepted (the
//   most lines, as long as the byte limit lets them be), from 開く's read to
//   the editor shown with its text. Median of five.
//
// TABULON_BENCH_KEEP_PDF=<file> keeps the first PDF printed, for a look.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "drill/Drill.h"
#include "drill/ui/PrintPainter.h"
#include "drill/ui/TfrmPage.h"
#include "platform/Text.h"
#include "platform/ui/QtStartup.h"
#include "questions/QuestionBank.h"
#include "questions/ui/TfrmEditQues.h"

namespace {

struct PaintWatch final : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

QPushButton* button(const char* name) {
    auto* b = frmMain->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b) {
        std::fprintf(stderr, "no button %s\n", name);
        std::exit(1);
    }
    return b;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const std::size_t i =
        std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5));
    return v[i];
}

// Fills the worksheet to step 24 and solves the question there: 8 swaps of
// rows 1 and 2 (which leave the system as it was), row 1 × 1, then the 13
// steps of Gauss–Jordan elimination of x+y+z+w=10; x-y+z-w=-2; x+y-z-w=-4;
// x-y-z+w=0, composed as on the panel.
bool fillAndSolve() {
    auto row = [](int r) { programDrill().btnGyouClick(r); };
    auto number = [](const char* digits) {
        for (const char* d = digits; *d; ++d) {
            if (*d == '-')
                programDrill().btnMinusClick();
            else
                programDrill().typeNumber(std::string(1, *d));
        }
    };
    auto run = [] { programDrill().btnJikkouClick(); };
    for (int i = 0; i < 8; ++i) {
        row(1), programDrill().pressOperator(kOpSwap), row(2), run();
    }
    row(1), programDrill().pressOperator(kOpMultiply), number("1"), run();
    struct Step {
        int first;
        int op;
        int second;          // 0: none
        const char* factor;  // the constant ("" for none)
    };
    const Step steps[] = {
        {2, kOpSubtract, 1, ""}, {3, kOpSubtract, 1, ""}, {4, kOpSubtract, 1, ""},
        {2, kOpDivide, 0, "-2"}, {1, kOpSubtract, 2, ""}, {4, kOpAdd, 2, "2"},
        {3, kOpDivide, 0, "-2"}, {1, kOpSubtract, 3, ""}, {4, kOpAdd, 3, "2"},
        {4, kOpDivide, 0, "4"},  {1, kOpAdd, 4, ""},      {2, kOpSubtract, 4, ""},
        {3, kOpSubtract, 4, ""},
    };
    for (const Step& s : steps) {
        row(s.first);
        programDrill().pressOperator(s.op);
        if (s.second)
            row(s.second);
        if (*s.factor) {
            if (s.second)
                programDrill().pressOperator(kOpMultiply);
            number(s.factor);
        }
        run();
    }
    QApplication::processEvents();
    return programDrill().questionSolved() && programDrill().state().curStep >= 24;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpJapaneseDesktop(app);
    const int runs = argc > 1 ? std::max(10, atoi(argv[1])) : 200;

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    writeCp932Lines("RAver.sim",
                    {"<<４元１次連立方程式", "x+y+z+w=10;x-y+z-w=-2;x+y-z-w=-4;x-y-z+w=0", ">>"});
    createWindows();
    frmMain->show();
    if (!QTest::qWaitForWindowExposed(frmMain))
        return 1;
    QTest::mouseClick(frmStart->btnRenritsu, Qt::LeftButton);
    QTest::qWait(200);

    PaintWatch watch;
    std::vector<double> ms;
    for (int i = 0; i < runs + 5; ++i) {
        for (const char* name : {"btnGyou1", "btnTasu", "btnGyou2"})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QApplication::processEvents();
        const int step = programDrill().state().curStep + 1;
        TfrmPageImage* image = frmPage->imageWidget(step);
        image->installEventFilter(&watch);
        watch.painted = false;

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(button("btnJikkou"), Qt::LeftButton);
        while (!watch.painted && std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
            QApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        image->removeEventFilter(&watch);
        if (programDrill().state().curStep != step || !watch.painted) {
            std::fprintf(stderr, "the run did not paint step %d\n", step);
            return 1;
        }
        if (i >= 5)  // the first runs warm the caches up
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());

        QTest::mouseClick(button("btnTeisei"), Qt::LeftButton);  // back to step 2
        QApplication::processEvents();
    }
    std::printf(
        "a run (実行) on a 4-unknown question, click to worksheet painted, %zu runs:\n"
        "  median %.2f ms, 99th percentile %.2f ms   (goal: under 2 ms)\n",
        ms.size(), percentile(ms, 0.5), percentile(ms, 0.99));
    std::fflush(stdout);

    if (!fillAndSolve()) {
        std::fprintf(stderr, "the worksheet was not solved at step 24 (step %d)\n",
                     programDrill().state().curStep);
        return 1;
    }
    std::vector<double> printMs;
    int sheets = 0;
    for (int i = 0; i < 5; ++i) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("worksheet.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        const auto start = std::chrono::steady_clock::now();
        const PrintOutcome out = printWorksheet(
            printer,
            worksheetPrintJob(programDrill(), PrintParameters{}, QDateTime::currentDateTime()),
            &sheets);
        const auto end = std::chrono::steady_clock::now();
        if (out != PrintOutcome::Printed) {
            std::fprintf(stderr, "the worksheet was not printed\n");
            return 1;
        }
        printMs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        if (i == 0 && std::getenv("TABULON_BENCH_KEEP_PDF"))
            QFile::copy(dir.filePath("worksheet.pdf"), std::getenv("TABULON_BENCH_KEEP_PDF"));
    }
    std::printf(
        "printing the solved 24-step worksheet to PDF (%d sheets):\n"
        "  median %.0f ms of 5   (goal: under 1 s)\n",
        sheets, percentile(printMs, 0.5));

    // The largest question files accepted: as many lines as allowed, each as
    // long as the byte limit then lets it be; and one line as long as the
    // byte limit, the hardest for the editor to lay out.
    const std::size_t lineBytes = kMaxQuestionFileBytes / kMaxQuestionFileLines - 2;
    const std::vector<std::string> shapes[] = {
        std::vector<std::string>(kMaxQuestionFileLines, std::string(lineBytes, '1')),
        {"<<単元", std::string(kMaxQuestionFileBytes - 20, '1'), ">>"},
    };
    const char* const shapeNames[] = {"short lines", "one long line"};
    createHiddenWindows();
    for (int shape = 0; shape < 2; ++shape) {
        writeCp932Lines("largest.sim", shapes[shape]);
        std::vector<double> editorMs;
        for (int i = 0; i < 5; ++i) {
            const auto start = std::chrono::steady_clock::now();
            if (!loadQuestionFile(questionBank, "largest.sim", LoadFailure::Message)) {
                std::fprintf(stderr, "the largest question file was refused\n");
                return 1;
            }
            frmEditQues->show();
            QApplication::processEvents();
            const auto end = std::chrono::steady_clock::now();
            frmEditQues->hide();
            QApplication::processEvents();
            editorMs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::printf(
            "the question editor opened on the largest file accepted (%s, %zu lines, %zu KB):\n"
            "  median %.0f ms of 5   (goal: under 1 s)\n",
            shapeNames[shape], shapes[shape].size(), kMaxQuestionFileBytes / 1024,
            percentile(editorMs, 0.5));
    }
    destroyWindows();
    return 0;
}
