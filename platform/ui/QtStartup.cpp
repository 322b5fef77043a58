#include "platform/ui/QtStartup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpJapaneseDesktop(QApplication& app) {
    const QString ipa = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(QString::fromUtf8(kKanjiFontFamily), ipa);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), ipa);

    QFont font(QString::fromUtf8(kKanjiFontFamily));
    font.setPointSize(10);
    app.setFont(font);

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
            app.installTranslator(translator);
            return;
        }
    }
    delete translator;  // English buttons are better than none
}
