#include "app/ui/QtWorkFolder.h"

#include <QCoreApplication>
#include <QDir>

#include "app/WorkFolder.h"

// The shipped folder as installed, relative to the program's own folder (set
// by the build from the install layout, "../share/tabulon" by default).
#ifndef TABULON_SHIPPED_FROM_BIN
#define TABULON_SHIPPED_FROM_BIN "../share/tabulon"
#endif

void enterWorkFolder() {
    const QString shipped = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" +
                                            QStringLiteral(TABULON_SHIPPED_FROM_BIN));
    const WorkFolderChoice choice = chooseWorkFolder(QDir::currentPath().toStdString(),
                                                     shipped.toStdString(), userWorkFolder());
    QDir::setCurrent(QString::fromStdString(choice.folder));
}
