#include "questions/ui/TfrmDebug.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "arith/Equation.h"
#include "picture/ui/QtAccessible.h"
#include "questions/StepListing.h"

QPointer<TfrmDebug> frmDebug;

TfrmDebug::TfrmDebug(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDebug"));
    setWindowTitle(QStringLiteral("frmDebug"));
    setFixedSize(435, 351);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setGeometry(16, 12, 81, 24);

    for (int i = 0; i < 4; ++i) {
        LB[i] = new QListWidget(this);
        LB[i]->setObjectName(QStringLiteral("LB%1").arg(i + 1));
        LB[i]->setGeometry(16 + i * 102, 48, 95, 249);
    }

    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(340, 310, 79, 28);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });

    // The unlabelled step and the four rows' lists, in words (see
    // picture/ui/QtAccessible.h).
    nameControls(this, {{"Edit1", "ステップ"},
                        {"LB1", "1行目の項"},
                        {"LB2", "2行目の項"},
                        {"LB3", "3行目の項"},
                        {"LB4", "4行目の項"}});
}

void TfrmDebug::listStep(int step) {
    const StepListing listing = makeStepListing(equationList, step);
    Edit1->setText(QString::fromStdString(listing.step));
    for (int i = 0; i < 4; ++i) {
        LB[i]->clear();
        for (const std::string& term : listing.rows[i])
            LB[i]->addItem(QString::fromStdString(term));
    }
}

int TfrmDebug::showStep(int step) {
    listStep(step);
    return exec();
}
