#include "records/ui/TfrmDelete.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "picture/ui/QtAccessible.h"
#include "platform/Paths.h"
#include "questions/QuestionBank.h"

QPointer<TfrmDelete> frmDelete;

namespace {

constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

}  // namespace

TfrmDelete::TfrmDelete(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDelete"));
    setWindowTitle(QStringLiteral("frmDelete"));
    resize(435, 300);

    Panel1 = new QLabel(QStringLiteral("消去する項目を選んで［消去］ボタンをクリックしてください"),
                        this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setWordWrap(true);
    Panel1->setMinimumHeight(36);

    lstTitle = new QListWidget(this);
    lstTitle->setObjectName(QStringLiteral("lstTitle"));

    btnDeleteOne = new QPushButton(QStringLiteral("消去"), this);
    btnDeleteOne->setObjectName(QStringLiteral("btnDeleteOne"));
    btnDeleteOne->setAutoDefault(false);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnDeleteOne);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Panel1);
    column->addWidget(lstTitle, 1);
    column->addLayout(buttons);

    // The list, in words (see picture/ui/QtAccessible.h).
    nameControls(this, {{"lstTitle", "消去する単元"}});

    connect(btnDeleteOne, &QPushButton::clicked, this, &TfrmDelete::btnDeleteOneClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmDelete::btnCloseClick);
}

void TfrmDelete::showUnits() {
    lstTitle->clear();
    for (const std::string& name : eraser.units())
        lstTitle->addItem(QString::fromStdString(name));
}

void TfrmDelete::FormShow() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    eraser.show(questionBank, recordFilePath(paths));
    showUnits();
}

void TfrmDelete::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDelete::btnDeleteOneClick() {
    const QList<QListWidgetItem*> chosen = lstTitle->selectedItems();
    const int index = chosen.isEmpty() ? -1 : lstTitle->row(chosen.front());
    if (!eraser.eraseChosen(index))
        return;
    delete lstTitle->takeItem(index);
    // The next unit is erased only when it is chosen: a second click on 消去
    // must not take the unit that moved up into the place of the erased one.
    lstTitle->clearSelection();
    lstTitle->setCurrentRow(-1);
}

void TfrmDelete::btnCloseClick() {
    reject();
}

void TfrmDelete::reject() {
    done(eraser.deletedAny() ? kResultOk : kResultCancel);
}
