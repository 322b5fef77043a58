#include "records/ui/TfrmKiroku.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "picture/ui/QtAccessible.h"
#include "platform/Paths.h"
#include "questions/QuestionBank.h"
#include "records/RecordView.h"
#include "records/ui/TfrmDelete.h"

QPointer<TfrmKiroku> frmKiroku;

namespace {

// Puts a window in the middle of the primary screen.
void centreOnScreen(QWidget* w) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = w->frameGeometry();
        frame.moveCenter(screen->geometry().center());
        w->move(frame.topLeft());
    }
}

}  // namespace

TfrmKiroku::TfrmKiroku(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmKiroku"));
    setWindowTitle(QStringLiteral("練習の記録"));
    resize(700, 450);

    lstTitle = new QListWidget(this);
    lstTitle->setObjectName(QStringLiteral("lstTitle"));
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(15);
    lstTitle->setFont(font);

    btnDelete = new QPushButton(QStringLiteral("記録消去"), this);
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    btnDelete->setAutoDefault(false);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnDelete);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lstTitle, 1);
    column->addLayout(buttons);

    // The listing, in words (see picture/ui/QtAccessible.h); its lines of
    // stars are read out as counts (listRecords).
    nameControls(this, {{"lstTitle", "練習の記録"}});

    connect(btnDelete, &QPushButton::clicked, this, &TfrmKiroku::btnDeleteClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmKiroku::btnCloseClick);
}

void TfrmKiroku::listRecords() {
    lstTitle->clear();
    // A count that is not an integer has been reported; the lines before it
    // stay in the list.
    for (const std::string& line : recordListing(questionBank, recordFilePath(paths))) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), lstTitle);
        const std::string said = spokenRecordLine(line);
        if (said != line)
            item->setData(Qt::AccessibleTextRole, QString::fromStdString(said));
    }
}

void TfrmKiroku::FormShow() {
    centreOnScreen(this);
    listRecords();
}

void TfrmKiroku::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmKiroku::btnDeleteClick() {
    // The deletion window is made at start-up with the other windows.
    if (frmDelete && frmDelete->exec() == 1)  // a unit was erased
        listRecords();
}

void TfrmKiroku::btnCloseClick() {
    done(1);
}
