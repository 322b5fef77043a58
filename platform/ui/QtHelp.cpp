#include "platform/ui/QtHelp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
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

namespace {

// The help file in the current folder, or empty after the message that it is missing.
QString helpFile() {
    const QString file = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFileName));
    if (!QFileInfo(file).isFile()) {
        ui().showMessage("ヘルプファイル " + file.toStdString() +
                         " が見つかりません。プログラムのフォルダに置いてください。");
        return {};
    }
    return file;
}

// F1, wherever the keyboard is.
class HelpKey : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == helpWindow())
            return false;
        // A modal window blocks every window but its own: the help belongs to it.
        QWidget* owner = QApplication::activeModalWidget();
        if (!owner)
            owner = widget->window();
        showHelpAt(owner, helpSectionFor(widget));
        return true;
    }
};

}  // namespace

bool showHelp(QWidget* owner, int command, int data) {
    if (command != kHelpContents && command != kHelpContext)
        return false;
    const QString file = helpFile();
    if (file.isEmpty())
        return false;
    if (!theWindow) {
        theWindow = new HelpWindow(owner);
        theWindow->home = owner;
    }
    theWindow->showDocument(file, command == kHelpContext ? QString::number(data) : QString());
    return true;
}

QString helpSectionFor(const QWidget* widget) {
    // Each window's section of Gridora.hlp.
    static const std::pair<const char*, const char*> sections[] = {
        {"frmStart", "start"},         {"frmPage", "drill"},
        {"pnlDrillControls", "drill"}, {"frmMain", "drill"},
        {"frmSentaku", "special"},     {"frmKeisan", "matrix"},
        {"frmInput", "matrix-input"},  {"frmSetsumei", "matrix-input"},
        {"frmDentaku", "keypad"},      {"frmMondai", "choice"},
        {"frmEditQues", "file"},       {"frmDebug", "file"},
        {"frmKiroku", "records"},      {"frmDelete", "records"},
        {"frmPrintS", "print"},        {"frmVersion", "contents"},
    };
    for (const QWidget* w = widget; w; w = w->parentWidget())
        for (const auto& [name, anchor] : sections)
            if (w->objectName() == QLatin1String(name))
                return QString::fromLatin1(anchor);
    return QStringLiteral("contents");
}

bool showHelpAt(QWidget* owner, const QString& anchor) {
    const QString file = helpFile();
    if (file.isEmpty())
        return false;
    if (!theWindow) {
        theWindow = new HelpWindow(owner);
        theWindow->home = owner;
    }
    theWindow->moveTo(owner);
    theWindow->showDocument(file, anchor);
    return true;
}

void installHelpKey() {
    static HelpKey* key = nullptr;
    if (!key && qApp) {
        key = new HelpKey(qApp);
        qApp->installEventFilter(key);
    }
}

void HelpWindow::moveTo(QWidget* owner) {
    if (parentWidget() == owner)
        return;
    if (QWidget* before = parentWidget())
        before->removeEventFilter(this);
    const bool shown = isVisible();
    setParent(owner, Qt::Window);
    if (owner)
        owner->installEventFilter(this);
    if (shown)
        show();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window the help belongs to closes: the help stays open above the
    // modal window below it, or above the window it was first opened for.
    if (event->type() == QEvent::Hide && watched == parentWidget() && isVisible()) {
        QWidget* next = QApplication::activeModalWidget();
        if (!next || next == watched)
            next = home;
        if (next && next != watched)
            QMetaObject::invokeMethod(
                this,
                [this, next = QPointer<QWidget>(next)] {
                    if (!next)
                        return;
                    moveTo(next);
                    show();
                },
                Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
