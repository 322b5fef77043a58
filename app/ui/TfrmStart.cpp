#include "app/ui/TfrmStart.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "app/ui/ShellHooks.h"
#include "app/ui/ShellPainter.h"
#include "picture/ui/QtAccessible.h"
#include "platform/ui/QtHelp.h"

namespace {

// The title picture as a flat button's face, painted straight onto the
// window when it is shown: no picture of the window's size is kept.
class TitleButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintTitlePicture(p, size());
    }
};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QIcon& glyph) {
    auto* b = new QPushButton(glyph, caption, parent);
    b->setObjectName(name);
    b->setIconSize(QSize(32, 32));
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

}  // namespace

TfrmStart::TfrmStart(QWidget* parent) : QWidget(parent) {
    setObjectName("frmStart");
    setWindowTitle(QStringLiteral("単元選択"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(232, 232, 232));
    setPalette(pal);

    btnTitle = new TitleButton(this);
    btnTitle->setObjectName("btnTitle");
    btnTitle->setFocusPolicy(Qt::NoFocus);
    btnTitle->setFlat(true);
    btnTitle->setAttribute(Qt::WA_Hover, false);  // the face never changes

    pnlPict = new QLabel(kTitlePlaceName, this);
    pnlPict->setObjectName("pnlPict");
    pnlPict->setAlignment(Qt::AlignCenter);
    pnlPict->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPict->setAutoFillBackground(true);
    QPalette pictPal = pnlPict->palette();
    pictPal.setColor(QPalette::Window, QColor(246, 244, 236));
    pictPal.setColor(QPalette::WindowText, QColor(50, 50, 60));
    pnlPict->setPalette(pictPal);

    btnGridora = makeButton(this, "btnGridora", QStringLiteral("行列の学習"), matrixGlyph());
    btnRenritsu = makeButton(this, "btnRenritsu", QStringLiteral("連立方程式"), equationsGlyph());
    btnHelp = makeButton(this, "btnHelp", QStringLiteral("  ヘルプ　　"), helpGlyph());
    btnEnd = makeButton(this, "btnEnd", QStringLiteral("　 終　了　　"), endGlyph());
    QFont big = font();
    big.setPointSize(font().pointSize() + 2);
    for (QPushButton* b : {btnGridora, btnRenritsu, btnHelp, btnEnd})
        b->setFont(big);

    // Picture faces and padded captions, in words (see picture/ui/QtAccessible.h).
    nameControls(this, {{"btnTitle", "行列と連立方程式　Tabulon 数学Ｃ"},
                        {"btnGridora", "行列の学習"},
                        {"btnRenritsu", "連立方程式"},
                        {"btnHelp", "ヘルプ"},
                        {"btnEnd", "終了"}});

    connect(btnGridora, &QPushButton::clicked, this, &TfrmStart::btnGridoraClick);
    connect(btnRenritsu, &QPushButton::clicked, this, &TfrmStart::btnRenritsuClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmStart::btnHelpClick);
    connect(btnEnd, &QPushButton::clicked, this, &TfrmStart::btnEndClick);

    mnuFile = new QMenu(QStringLiteral("ファイル(&F)"), this);
    mnuFile->setObjectName("mnuStartFile");
    mnuExit = mnuFile->addAction(QStringLiteral("終了(&X)"), this, &TfrmStart::mnuExitClick);
    mnuExit->setObjectName("mnuExit");
    mnuHelp = new QMenu(QStringLiteral("ヘルプ(&H)"), this);
    mnuHelp->setObjectName("mnuStartHelp");
    mnuHowTo = mnuHelp->addAction(QStringLiteral("使い方(&U)"), this, &TfrmStart::mnuHowToClick);
    mnuHowTo->setObjectName("mnuStartHowTo");
    mnuVersion =
        mnuHelp->addAction(QStringLiteral("バージョン(&V)"), this, &TfrmStart::mnuVersionClick);
    mnuVersion->setObjectName("mnuStartVersion");
}

void TfrmStart::resizeEvent(QResizeEvent*) {
    placeControls();
}

// The title picture is centred across the window, 50 pixels above the middle;
// the place name sits 10 pixels under it, and the four buttons in a row below.
void TfrmStart::placeControls() {
    const int w = width(), h = height();
    const int buttonH = 52, gap = 18, pictH = 26;
    const int buttonW = std::clamp((w - 40 - 3 * gap) / 4, 100, 176);
    int titleW = std::min(620, w - 60);
    int titleH = std::min(titleW * 52 / 100, h - 2 * (buttonH + pictH + 60));
    titleH = std::max(titleH, 60);
    titleW = std::min(titleW, titleH * 100 / 52);
    const QSize size(std::max(titleW, 60), titleH);
    btnTitle->setGeometry((w - size.width()) / 2, (h - size.height()) / 2 - 50, size.width(),
                          size.height());
    const int pictW = std::min(size.width(), 360);
    pnlPict->setGeometry((w - pictW) / 2, btnTitle->geometry().bottom() + 1 + 10, pictW, pictH);

    const int rowW = 4 * buttonW + 3 * gap;
    int x = (w - rowW) / 2;
    const int y = pnlPict->geometry().bottom() + 1 + 24;
    for (QPushButton* b : {btnRenritsu, btnGridora, btnHelp, btnEnd}) {
        b->setGeometry(x, y, buttonW, buttonH);
        x += buttonW + gap;
    }
}

void TfrmStart::closeEvent(QCloseEvent* event) {
    // The start window has no close box: only the frame's end closes it.
    event->ignore();
}

void TfrmStart::btnGridoraClick() {
    if (shellHooks.showCalculator)
        shellHooks.showCalculator();
}

void TfrmStart::btnRenritsuClick() {
    emit drillRequested();
}

void TfrmStart::btnHelpClick() {
    emit helpRequested(true);
}

void TfrmStart::btnEndClick() {
    emit closeRequested();
}

void TfrmStart::mnuExitClick() {
    emit closeRequested();
}

void TfrmStart::mnuHowToClick() {
    emit helpRequested(false);
}

void TfrmStart::mnuVersionClick() {
    if (shellHooks.showVersion)
        shellHooks.showVersion();
}
