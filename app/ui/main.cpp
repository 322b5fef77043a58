// Tabulon 行列と連立方程式: start-up.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <exception>

#include "app/ui/QtWorkFolder.h"
#include "app/ui/ShellHooks.h"
#include "app/ui/ShellPainter.h"
#include "app/ui/StartUp.h"
#include "app/ui/StartupProbe.h"
#include "app/ui/TfrmMain.h"
#include "drill/Drill.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtStartup.h"

namespace {

// Shows an exception that escapes an event handler, then ends the program.
class TabulonApplication final : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            showException(e.what());
        } catch (...) {
            showException("不明な例外");
        }
        return false;
    }

    static void showException(const char* what) {
        QMessageBox::critical(nullptr, kAppTitle, QString::fromUtf8(what));
        qtUi().terminate(1);
    }
};

// Reports each question set up ("question set up 1(1) x+y=7;x-y=3") on the
// start-up log, after whatever the windows do with it.
void reportQuestionsSetUp() {
    if (!startupLog().isInfoEnabled())
        return;
    shellHooks.questionStarted = [previous = shellHooks.questionStarted] {
        if (previous)
            previous();
        const DrillState& state = programDrill().state();
        QStringList equations;
        for (const auto& e : state.lstExt)
            equations << QString::fromStdString(e);
        qCInfo(startupLog).noquote()
            << "question set up"
            << QStringLiteral("%1(%2)").arg(state.curUnit).arg(state.curQues[state.curUnit])
            << equations.join(';');
    };
}

}  // namespace

int main(int argc, char** argv) {
    TabulonApplication app(argc, argv);
    app.setApplicationName(kAppTitle);
    // The icon's digits are drawn in the program's font: set up the fonts first.
    setUpJapaneseDesktop(app);
    app.setWindowIcon(programIcon());
    setUi(&qtUi());
    enterWorkFolder();
    try {
        createFrameWindows();
        reportQuestionsSetUp();
        // The windows hidden at start-up are made once the student sees the
        // frame; a command that needs one earlier makes them itself.
        afterFirstFrame(frmMain, [] {
            reportMilestone("frame shown");
            createHiddenWindows();
            reportMilestone("windows made");
        });
        frmMain->show();  // the first showing runs the start-up steps
        return app.exec();
    } catch (const std::exception& e) {
        TabulonApplication::showException(e.what());
    }
    return 1;
}
