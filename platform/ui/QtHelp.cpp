#include "platform/ui/QtHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/UiPort.h"

namespace {
QPointer<HelpWindow> theWindow;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle(QStringLiteral("Tabulon 行列と連立方程式 ヘルプ"));
    // As large as reads well, but never beyond a small screen.
    QSize size(760, 620);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(40, 60));
    resize(size);

    browser = new QTextBrowser(this);
    browser->setObjectName("txtHelp");
    browser->setOpenExternalLinks(true);

    btnContents = new QPushButton(QStringLiteral("目次"), this);
    btnContents->setObjectName("btnContents");
    btnBack = new QPushButton(QStringLiteral("戻る"), this);
    btnBack->setObjectName("btnBack");
    btnBack->setEnabled(false);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName("btnClose");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser, 1);

    connect(btnContents, &QPushButton::clicked, this, [this] { showDocument(shownFile, {}); });
    connect(btnBack, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(browser, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::showDocument(const QString& file, const QString& anchor) {
    shownFile = file;
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    // The document is HTML whatever its name says.
    browser->setSource(url, QTextDocument::HtmlResource);
    if (anchor.isEmpty())
        browser->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

HelpWindow* helpWindow() {
    return theWindow.data();
}

bool showHelp(QWidget* owner, int command, int data) {
    if (command != kHelpContents && command != kHelpContext)
        return false;
    const QString file = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFileName));
    if (!QFileInfo(file).isFile()) {
        ui().showMessage("ヘルプファイル " + file.toStdString() +
                         " が見つかりません。プログラムのフォルダに置いてください。");
        return false;
    }
    if (!theWindow)
        theWindow = new HelpWindow(owner);
    theWindow->showDocument(file, command == kHelpContext ? QString::number(data) : QString());
    return true;
}
