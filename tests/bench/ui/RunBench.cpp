// A run (実行) on the worksheet, timed from the click to the worksheet
// painted: the program's windows as main() makes them, a 4-unknown question,
// then "row 1 + row 2" composed with the panel's buttons, 実行 clicked and the
// events processed until the new step's picture has been painted; 訂正 then
// takes the step back for the next run. Prints the median and the 99th
// percentile in milliseconds.
//
//     run_bench [runs]

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/ui/StartUp.h"
#include "app/ui/TfrmMain.h"
#include "app/ui/TfrmStart.h"
#include "drill/Drill.h"
#include "drill/ui/TfrmPage.h"
#include "platform/Text.h"
#include "platform/ui/QtStartup.h"

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
        const int step = drillView().curStep + 1;
        TfrmPageImage* image = frmPage->imageWidget(step);
        image->installEventFilter(&watch);
        watch.painted = false;

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(button("btnJikkou"), Qt::LeftButton);
        while (!watch.painted && std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
            QApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        image->removeEventFilter(&watch);
        if (drillView().curStep != step || !watch.painted) {
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
    destroyWindows();
    return 0;
}
