#include "platform/ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
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

QRect availableArea(QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// The widest a message's text may be: the width a message box keeps to
// before it starts wrapping on its own, less its margins.
int messageTextWidth(const QRect& area) {
    return std::min(area.width() / 2, 500) - 60;
}

// `text` broken into lines no wider than `width` pixels in `font`: at a space
// where it can, inside a word where it must (a question line or a path has no
// spaces, and would otherwise run off the screen).
QString wrapToWidth(const QString& text, const QFont& font, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines.join(QLatin1Char('\n'));
}

// Puts `text` into the box wrapped to fit the screen. False when even wrapped
// it would be taller than the screen allows.
bool fitText(QMessageBox& box, const std::string& text) {
    const QRect area = availableArea(box.parentWidget());
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QFont font = label ? label->font() : box.font();
    const QString wrapped = wrapToWidth(q(text), font, messageTextWidth(area));
    box.setTextFormat(Qt::PlainText);
    box.setText(wrapped);
    const int lines = static_cast<int>(wrapped.count(QLatin1Char('\n'))) + 1;
    return lines * QFontMetrics(font).lineSpacing() <= area.height() * 2 / 3;
}

// A message too long for any box: a window of the screen's size in which the
// whole text can be scrolled.
void showLongMessage(const QString& text, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("longMessage"));
    dialog.setWindowTitle(kAppTitle);
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setReadOnly(true);
    view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view);
    layout->addWidget(buttons);
    const QRect area = availableArea(parent);
    dialog.resize(area.width() * 2 / 3, area.height() * 2 / 3);
    dialog.exec();
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const std::string& caption,
                                const std::string& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, q(caption), QString(), buttons, owner());
    fitText(box, text);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtUi::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, QString(), QMessageBox::Ok, owner());
    if (!fitText(box, text)) {
        showLongMessage(q(text), box.parentWidget());
        return;
    }
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
