#include "platform/ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The window a box belongs to: the active one, else the first visible window.
QWidget* owner() {
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    if (QWidget* w = QApplication::activeWindow())
        return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return w;
    return nullptr;
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const std::string& caption,
                                const std::string& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, q(caption), q(text), buttons, owner());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtUi::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, q(text), QMessageBox::Ok, owner());
    box.exec();
}

bool QtUi::askYesNo(const std::string& caption, const std::string& text) {
    return ask(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

Answer QtUi::askYesNoCancel(const std::string& caption, const std::string& text) {
    switch (ask(QMessageBox::Question, caption, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;  // Cancel, Esc and the close button
    }
}

Answer QtUi::askAbortRetryIgnore(const std::string& caption, const std::string& text) {
    switch (ask(QMessageBox::Warning, caption, text,
                QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                QMessageBox::Abort)) {
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Ignore:
            return Answer::Ignore;
        default:
            return Answer::Abort;
    }
}

int QtUi::chooseSpecialSolution() {
    if (specialSolutionChooser)
        return specialSolutionChooser();
    QMessageBox box(QMessageBox::Question, QStringLiteral("特殊な解"),
                    QStringLiteral("この連立方程式の解はどれですか"), QMessageBox::NoButton,
                    owner());
    QPushButton* none = box.addButton(QStringLiteral("解なし"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("解は無数にある"), QMessageBox::AcceptRole);
    box.exec();
    return box.clickedButton() == none ? kChoiceNoSolution : kChoiceInfinitely;
}

void QtUi::terminate(int status) {
    // The fatal report has been dismissed: nothing is left to save (the
    // question file is only written by an explicit save, and record files are
    // replaced whole), so the process ends here, whether or not the event loop
    // is already running.
    std::fflush(nullptr);
    std::_Exit(status == 0 ? 1 : status);
}

QtUi& qtUi() {
    static QtUi port;
    return port;
}
