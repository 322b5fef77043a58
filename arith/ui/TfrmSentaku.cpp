#include "arith/ui/TfrmSentaku.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Dialogue.h"

TfrmSentaku* frmSentaku = nullptr;

TfrmSentaku::TfrmSentaku(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmSentaku"));
    setWindowTitle(QStringLiteral("特殊な解"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    setFixedSize(185, 138);

    Edit1 = new QLineEdit(QStringLiteral("解の種類選択"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setAlignment(Qt::AlignCenter);
    QPalette aqua = Edit1->palette();
    aqua.setColor(QPalette::Base, QColor(0, 255, 255));
    aqua.setColor(QPalette::Text, Qt::black);
    Edit1->setPalette(aqua);
    Edit1->setGeometry(12, 10, 161, 26);

    btnMusu = new QPushButton(QStringLiteral("解は無数にある"), this);
    btnMusu->setObjectName(QStringLiteral("btnMusu"));
    btnMusu->setGeometry(12, 48, 161, 34);
    btnMusu->setAutoDefault(false);

    btnKainashi = new QPushButton(QStringLiteral("解なし"), this);
    btnKainashi->setObjectName(QStringLiteral("btnKainashi"));
    btnKainashi->setGeometry(12, 92, 161, 34);
    btnKainashi->setAutoDefault(false);

    connect(btnMusu, &QPushButton::clicked, this, &TfrmSentaku::btnMusuClick);
    connect(btnKainashi, &QPushButton::clicked, this, &TfrmSentaku::btnKainashiClick);
}

void TfrmSentaku::FormShow() {
    if (!placement)
        return;
    if (const std::optional<QPoint> at = placement(frameGeometry().size()))
        move(*at);
}

void TfrmSentaku::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmSentaku::keyPressEvent(QKeyEvent* event) {
    // Esc would reject the dialog without an answer.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // The drill's F2 cannot reach the menu while this window is modal.
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (hintRequested)
            hintRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmSentaku::closeEvent(QCloseEvent* event) {
    // The window system's close request (Alt+F4) gives no answer either.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmSentaku::btnMusuClick() {
    done(kChoiceInfinitely);
}

void TfrmSentaku::btnKainashiClick() {
    done(kChoiceNoSolution);
}

int runSentaku() {
    if (!frmSentaku)
        frmSentaku = new TfrmSentaku();
    return frmSentaku->exec();
}
