// Writes the program's icon as a PNG file, drawn by the same code as the
// window icon, for the desktop's icon theme: icon <size> <file>.

#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/ui/ShellPainter.h"
#include "platform/ui/QtStartup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <size> <file.png>\n", argv[0]);
        return 2;
    }
    setUpJapaneseDesktop(app);
    const int size = QString::fromLocal8Bit(argv[1]).toInt();
    if (size < 16 || !programIconPixmap(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
