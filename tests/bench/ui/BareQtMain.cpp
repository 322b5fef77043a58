// The yardstick of the start-up benchmark: the least a Qt desktop program of
// this kind shows, a frame of the same size with a menu and an MDI area, and
// nothing else. It reports its first frame as the program does.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

#include "app/ui/StartupProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Tabulon 数学Ｃ／行列と連立方程式"));
    for (const char* menu : {"ファイル(&F)", "学習(&L)", "ヘルプ(&H)"})
        frame.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("終了"));
    auto* area = new QMdiArea(&frame);
    area->setBackground(QColor(0, 192, 192));
    frame.setCentralWidget(area);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    frame.setGeometry(0, 0, screen.width(), screen.height() - 28);
    reportFirstFrame(&frame);
    frame.show();
    return app.exec();
}
