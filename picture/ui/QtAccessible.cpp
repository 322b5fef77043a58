#include "picture/ui/QtAccessible.h"

#include <QWidget>
#include <QtDebug>

QStringList nameControls(QWidget* window, std::initializer_list<AccessibleName> names) {
    QStringList missing;
    for (const AccessibleName& entry : names) {
        const QString objectName = QString::fromLatin1(entry.objectName);
        QWidget* control =
            window->objectName() == objectName ? window : window->findChild<QWidget*>(objectName);
        if (!control) {
            qWarning("no control %s to name", entry.objectName);
            missing << objectName;
            continue;
        }
        control->setAccessibleName(QString::fromUtf8(entry.name));
    }
    return missing;
}

void describePicture(QWidget* widget, const Picture& picture) {
    const QString description = QString::fromStdString(pictureNarrative(picture));
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}
