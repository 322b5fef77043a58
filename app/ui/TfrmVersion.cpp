#include "app/ui/TfrmVersion.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/ShellPainter.h"
#include "picture/ui/QtAccessible.h"

TfrmVersion::TfrmVersion(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmVersion");
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);

    imgIcon = new QLabel(this);
    imgIcon->setObjectName("imgIcon");
    imgIcon->setPixmap(programIconPixmap(64));
    imgIcon->setFixedSize(64, 64);

    lblProduct = new QLabel(QString::fromUtf8(kProductLine), this);
    lblProduct->setObjectName("lblProduct");
    QFont bold = lblProduct->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblProduct->setFont(bold);
    lblVersion = new QLabel(QString::fromUtf8(kVersionLine), this);
    lblVersion->setObjectName("lblVersion");
    lblComment = new QLabel(QStringLiteral("行基本変形で連立方程式を解く練習と、\n"
                                           "分数で計算する行列の学習のためのプログラムです。"),
                            this);
    lblComment->setObjectName("lblComment");

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    // The icon, in words (see picture/ui/QtAccessible.h).
    nameControls(this, {{"imgIcon", "Tabulon のアイコン"}});

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblProduct);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblComment);
    auto* top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmVersion::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
