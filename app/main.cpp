#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Tabulon 数学Ｃ／行列と連立方程式"));
    w.show();
    return app.exec();
}
