#include "drill/ui/TfrmMainDrillPanel.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "drill/Drill.h"
#include "drill/Keys.h"
#include "drill/ui/QtDrillSync.h"
#include "picture/ui/GlyphPainter.h"
#include "picture/ui/QtAccessible.h"

QPointer<TfrmMainDrillPanel> drillPanel;

namespace {

const QColor kAqua(0, 255, 255);
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kKeyFace(0, 72, 72);  // dark face that carries the yellow and lime captions
const QSize kGlyphSize(22, 22);

constexpr const char* kDigitCaptions[10] = {"０", "１", "２", "３", "４",
                                            "５", "６", "7",  "８", "９"};
constexpr const char* kRowCaptions[4] = {"①", "②", "③", "④"};

QColor qColour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void fillColour(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    if (pal.color(QPalette::Window) == colour && w->autoFillBackground())
        return;
    w->setAutoFillBackground(true);
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

void captionColour(QPushButton* b, const QColor& colour, const QColor& face = QColor()) {
    QPalette pal = b->palette();
    pal.setColor(QPalette::Active, QPalette::ButtonText, colour);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, colour.darker(170));
    if (face.isValid())
        pal.setColor(QPalette::Button, face);
    b->setPalette(pal);
}

// Heights a button may take: at least `low` (an 800 x 600 screen), at most
// `high`; the panel shares what it has between them.
void heights(QWidget* w, int low, int high) {
    w->setMinimumHeight(low);
    w->setMaximumHeight(high);
    w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QFont sized(QFont font, int pixels, bool bold = false) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TfrmMainDrillPanel::TfrmMainDrillPanel(Drill& drill, QWidget* host) : QWidget(host), drill_(drill) {
    setObjectName("pnlDrillControls");
    if (host) {
        auto* layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(this);
    }

    for (int i = 0; i < 4; ++i) {
        btnGyou[i] = button(qPrintable(QStringLiteral("btnGyou%1").arg(i + 1)),
                            QString::fromUtf8(kRowCaptions[i]), this);
        btnGyou[i]->setFont(sized(font(), 20, true));
        heights(btnGyou[i], 30, 44);
        connect(btnGyou[i], &QPushButton::clicked, this,
                [this, i] { act([this, i] { drill_.btnGyouClick(i + 1); }); });
    }

    btnJikkou = button("btnJikkou", QStringLiteral("実行"), this);
    btnJikkou->setIcon(glyphIcon(Glyph::Run, kGlyphSize));
    btnTeisei = button("btnTeisei", QStringLiteral("訂正"), this);
    btnTeisei->setIcon(glyphIcon(Glyph::Correct, kGlyphSize));
    for (QPushButton* b : {btnJikkou, btnTeisei}) {
        b->setFont(sized(font(), 15, true));
        b->setIconSize(kGlyphSize);
        heights(b, 32, 46);
    }
    connect(btnJikkou, &QPushButton::clicked, this,
            [this] { act([this] { drill_.btnJikkouClick(); }); });
    connect(btnTeisei, &QPushButton::clicked, this,
            [this] { act([this] { drill_.correctEntry(false); }); });

    btnNext = button("btnNext", QStringLiteral("次の問題 "), this);
    btnNext->setIcon(glyphIcon(Glyph::NextQ, QSize(26, 26)));
    btnNext->setIconSize(QSize(26, 26));
    btnNext->setFont(sized(font(), 15, true));
    heights(btnNext, 32, 46);
    connect(btnNext, &QPushButton::clicked, this, &TfrmMainDrillPanel::btnNextClick);

    btnScrollUp = button("btnScrollUp", QString(), this);
    btnScrollUp->setIcon(glyphIcon(Glyph::ScrollUp, kGlyphSize));
    btnScrollUp->setToolTip(QStringLiteral("ワークシートを先へ送る"));
    btnScrollDown = button("btnScrollDown", QString(), this);
    btnScrollDown->setIcon(glyphIcon(Glyph::ScrollDown, kGlyphSize));
    btnScrollDown->setToolTip(QStringLiteral("ワークシートを前へ戻す"));
    for (QPushButton* b : {btnScrollUp, btnScrollDown}) {
        b->setIconSize(kGlyphSize);
        heights(b, 26, 34);
    }
    connect(btnScrollUp, &QPushButton::clicked, this,
            [this] { act([this] { drill_.btnScrollUpClick(); }); });
    connect(btnScrollDown, &QPushButton::clicked, this,
            [this] { act([this] { drill_.btnScrollDownClick(); }); });

    btnKihon = button("btnKihon", QStringLiteral("逆行列で解く"), this);
    heights(btnKihon, 26, 34);
    connect(btnKihon, &QPushButton::clicked, this, &TfrmMainDrillPanel::btnKihonClick);

    timBlink = new QTimer(this);
    timBlink->setObjectName("timBlink");
    timBlink->setInterval(1000);
    connect(timBlink, &QTimer::timeout, this, &TfrmMainDrillPanel::timBlinkTimer);

    auto* rows = new QHBoxLayout;
    rows->setSpacing(3);
    for (QPushButton* b : btnGyou)
        rows->addWidget(b);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(4);
    groups->addWidget(buildOperationGroup(), 0);
    groups->addWidget(buildNumberGroup(), 1);

    auto* run = new QHBoxLayout;
    run->setSpacing(4);
    run->addWidget(btnJikkou);
    run->addWidget(btnTeisei);

    auto* scroll = new QHBoxLayout;
    scroll->setSpacing(4);
    scroll->addWidget(btnScrollUp);
    scroll->addWidget(btnScrollDown);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);
    column->addLayout(rows, 3);
    column->addLayout(groups, 14);
    column->addLayout(run, 3);
    column->addWidget(btnNext, 3);
    column->addLayout(scroll, 2);
    column->addWidget(btnKihon, 2);
    column->addStretch(1);

    // Picture faces and symbols, in words (see picture/ui/QtAccessible.h).
    nameControls(this, {{"btnGyou1", "第1行"},
                        {"btnGyou2", "第2行"},
                        {"btnGyou3", "第3行"},
                        {"btnGyou4", "第4行"},
                        {"btnTasu", "たす"},
                        {"btnHiku", "ひく"},
                        {"btnKake", "かける"},
                        {"btnWaru", "わる"},
                        {"btnKoukan", "入れ替え"},
                        {"btnJikkou", "実行"},
                        {"btnTeisei", "訂正"},
                        {"btnNext", "次の問題"},
                        {"btnScrollUp", "ワークシートを先へ送る"},
                        {"btnScrollDown", "ワークシートを前へ戻す"},
                        {"btnDecimal", "小数点"},
                        {"btnMinus", "マイナス"},
                        {"btnBunsu", "分の"},
                        {"btnClear", "クリア"},
                        {"pnlNumber", "入力中の数"}});

    drillPanel = this;
    watchDrillModel(drill_);
    syncFromModel();
}

QPushButton* TfrmMainDrillPanel::button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QWidget* TfrmMainDrillPanel::buildOperationGroup() {
    grbSousa = new QGroupBox(this);
    grbSousa->setObjectName("grbSousa");
    auto* column = new QVBoxLayout(grbSousa);
    column->setContentsMargins(5, 5, 5, 5);
    column->setSpacing(4);
    struct Op {
        QPushButton** slot;
        const char* name;
        Glyph glyph;
        int code;
        const char* hint;
    };
    const Op ops[] = {
        {&btnWaru, "btnWaru", Glyph::Divide, kOpDivide, "わる"},
        {&btnHiku, "btnHiku", Glyph::Subtract, kOpSubtract, "ひく"},
        {&btnTasu, "btnTasu", Glyph::Add, kOpAdd, "たす"},
        {&btnKake, "btnKake", Glyph::Multiply, kOpMultiply, "かける"},
    };
    for (const Op& op : ops) {
        QPushButton* b = button(op.name, QString(), grbSousa);
        b->setIcon(glyphIcon(op.glyph, kGlyphSize));
        b->setIconSize(kGlyphSize);
        b->setToolTip(QString::fromUtf8(op.hint));
        heights(b, 26, 40);
        const int code = op.code;
        connect(b, &QPushButton::clicked, this,
                [this, code] { act([this, code] { drill_.pressOperator(code); }); });
        column->addWidget(b);
        *op.slot = b;
    }
    btnKoukan = button("btnKoukan", QStringLiteral("交換"), grbSousa);
    btnKoukan->setFont(sized(font(), 13, true));
    captionColour(btnKoukan, QColor(0, 0, 255));
    heights(btnKoukan, 26, 40);
    connect(btnKoukan, &QPushButton::clicked, this,
            [this] { act([this] { drill_.pressOperator(kOpSwap); }); });
    column->addWidget(btnKoukan);
    grbSousa->setFixedWidth(56);
    return grbSousa;
}

QWidget* TfrmMainDrillPanel::buildNumberGroup() {
    grbNumber = new QGroupBox(this);
    grbNumber->setObjectName("grbNumber");
    auto* column = new QVBoxLayout(grbNumber);
    column->setContentsMargins(5, 5, 5, 5);
    column->setSpacing(4);

    pnlNumber = new QLabel(grbNumber);
    pnlNumber->setObjectName("pnlNumber");
    pnlNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlNumber->setTextFormat(Qt::PlainText);
    pnlNumber->setFont(sized(font(), 16, true));
    pnlNumber->setContentsMargins(4, 0, 4, 0);
    pnlNumber->setAutoFillBackground(true);
    QPalette pal = pnlNumber->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, Qt::black);
        pal.setColor(group, QPalette::WindowText, kAqua);
    }
    pnlNumber->setPalette(pal);
    heights(pnlNumber, 24, 34);
    column->addWidget(pnlNumber);

    auto* keys = new QGridLayout;
    keys->setSpacing(3);
    const QFont keyFont = sized(font(), 15, true);
    for (int d = 0; d <= 9; ++d) {
        QPushButton* b = button(qPrintable(QStringLiteral("btn%1").arg(d)),
                                QString::fromUtf8(kDigitCaptions[d]), grbNumber);
        b->setFont(keyFont);
        heights(b, 24, 40);
        const std::string digit(1, static_cast<char>('0' + d));
        connect(b, &QPushButton::clicked, this,
                [this, digit] { act([this, digit] { drill_.typeNumber(digit); }); });
        btnDigit[d] = b;
    }
    // 7 8 9 / 4 5 6 / 1 2 3 / 0 . -
    for (int d = 1; d <= 9; ++d)
        keys->addWidget(btnDigit[d], 2 - (d - 1) / 3, (d - 1) % 3);
    keys->addWidget(btnDigit[0], 3, 0);

    btnDecimal = button("btnDecimal", QStringLiteral("．"), grbNumber);
    btnMinus = button("btnMinus", QStringLiteral("－"), grbNumber);
    for (QPushButton* b : {btnDecimal, btnMinus}) {
        b->setFont(keyFont);
        heights(b, 24, 40);
    }
    connect(btnDecimal, &QPushButton::clicked, this,
            [this] { act([this] { drill_.typeNumber("."); }); });
    connect(btnMinus, &QPushButton::clicked, this,
            [this] { act([this] { drill_.btnMinusClick(); }); });
    keys->addWidget(btnDecimal, 3, 1);
    keys->addWidget(btnMinus, 3, 2);

    btnBunsu = button("btnBunsu", QStringLiteral("分の"), grbNumber);
    btnBunsu->setFont(sized(font(), 14, true));
    btnBunsu->setToolTip(QStringLiteral("分数: ３分の２ は ２／３"));
    captionColour(btnBunsu, kYellow, kKeyFace);
    connect(btnBunsu, &QPushButton::clicked, this,
            [this] { act([this] { drill_.typeNumber("分の"); }); });
    btnClear = button("btnClear", QStringLiteral("CL"), grbNumber);
    btnClear->setFont(sized(font(), 14, true));
    btnClear->setToolTip(QStringLiteral("クリアする"));
    captionColour(btnClear, kLime, kKeyFace);
    connect(btnClear, &QPushButton::clicked, this,
            [this] { act([this] { drill_.typeNumber("CL"); }); });
    for (QPushButton* b : {btnBunsu, btnClear})
        heights(b, 24, 40);
    keys->addWidget(btnBunsu, 4, 0, 1, 2);
    keys->addWidget(btnClear, 4, 2);

    column->addLayout(keys, 1);
    return grbNumber;
}

void TfrmMainDrillPanel::act(const std::function<void()>& call) {
    call();
    drill_.applyFocusRule();
    syncDrillWindows();
}

void TfrmMainDrillPanel::btnNextClick() {
    act([this] { drill_.nextQuestion(); });
}

void TfrmMainDrillPanel::btnKihonClick() {
    if (solveByInverse)
        solveByInverse();
}

void TfrmMainDrillPanel::timBlinkTimer() {
    drill_.timBlinkTimer();
}

bool TfrmMainDrillPanel::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (focused && focused != btnNext && focused != btnJikkou && focused->isEnabled() &&
            focused->isVisible()) {
            focused->click();
            return true;
        }
    }
    return drill_.routeKey(drillKeyEvent(*event));
}

void TfrmMainDrillPanel::syncFromModel() {
    const DrillView view = drill_.view();
    const DrillState& state = view.state;
    for (int i = 0; i < 4; ++i)
        btnGyou[i]->setEnabled(view.rowButtonEnabled[i]);
    fillColour(grbSousa, qColour(view.operationGroupColour));
    grbNumber->setEnabled(view.numberGroupEnabled);
    fillColour(grbNumber, qColour(view.numberGroupColour));
    const QString number = QString::fromStdString(view.entry.numberText);
    if (pnlNumber->text() != number)
        pnlNumber->setText(number);
    btnJikkou->setEnabled(view.entry.jikkouEnabled);
    btnNext->setEnabled(state.nextEnabled);

    if (state.blinkRunning && !timBlink->isActive())
        timBlink->start();
    else if (!state.blinkRunning && timBlink->isActive())
        timBlink->stop();
    const int glyph = state.nextGlyph == NextGlyph::R ? 1 : 0;
    if (glyph != glyphShown_) {
        glyphShown_ = glyph;
        btnNext->setIcon(glyphIcon(glyph ? Glyph::NextR : Glyph::NextQ, btnNext->iconSize()));
    }

    if (state.focusRequests != focusRequestsSeen_) {
        focusRequestsSeen_ = state.focusRequests;
        QPushButton* target = state.focus == FocusTarget::Jikkou ? btnJikkou
                              : state.focus == FocusTarget::Next ? btnNext
                                                                 : nullptr;
        if (target && target->isEnabled() && target->isVisible())
            target->setFocus(Qt::OtherFocusReason);
    }
}
