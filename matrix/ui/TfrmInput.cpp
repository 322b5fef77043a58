#include "matrix/ui/TfrmInput.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "picture/ui/GlyphPainter.h"
#include "picture/ui/QtAccessible.h"
#include "platform/Paths.h"

QPointer<TfrmInput> frmInput;
QPointer<TfrmSetsumei> frmSetsumei;

namespace {

constexpr int kRowHeight = 30;
// The widest text a cell reads: a sign, four digits, the slash, four digits.
const QString kWidestCell = QStringLiteral("-1234/5678");

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// An edit with its up-down: the spin box carries the up-down's name, its
// edit field the edit's.
QSpinBox* counter(QWidget* parent, const char* updName, const char* edtName, int low, int high,
                  int start, QLineEdit*& edit) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(updName));
    s->setRange(low, high);
    s->setValue(start);
    edit = s->findChild<QLineEdit*>();
    if (edit)
        edit->setObjectName(QString::fromLatin1(edtName));
    return s;
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

void MatrixGridWidget::commitEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    // The open editor is the grid's line edit, whether or not it has the
    // focus (the window may not be the active one).
    for (QLineEdit* editor : viewport()->findChildren<QLineEdit*>()) {
        if (!editor->isVisible())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
}

TfrmInput::TfrmInput(QWidget* parent) : QDialog(parent), input(matrices) {
    setObjectName(QStringLiteral("frmInput"));
    setWindowTitle(QStringLiteral("行列データ入力"));

    edtTarget = new QLineEdit(QStringLiteral("A"), this);
    edtTarget->setObjectName(QStringLiteral("edtTarget"));
    edtTarget->hide();

    edtFileName = new QLineEdit(QStringLiteral("　ファイルから読み込む"), this);
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    edtFileName->setReadOnly(true);
    edtFileName->setFocusPolicy(Qt::NoFocus);
    lstSample = new QListWidget(this);
    lstSample->setObjectName(QStringLiteral("lstSample"));
    lstSample->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Narrow enough that the grid and its name fit beside it on a screen 800 wide.
    lstSample->setMinimumWidth(180);
    lstSample->setSpacing(2);  // lines far enough apart to click the one meant

    stgData = new MatrixGridWidget(this);
    stgData->setObjectName(QStringLiteral("stgData"));
    QFont cellFont = stgData->font();
    cellFont.setPointSize(cellFont.pointSize() + 1);
    stgData->setFont(cellFont);
    // Every cell shows the widest text it reads whole, in the grid and in its
    // editor (the editor's frame and margins take a few pixels more).
    const int columnWidth = QFontMetrics(cellFont).horizontalAdvance(kWidestCell) + 20;
    stgData->horizontalHeader()->setDefaultSectionSize(columnWidth);
    stgData->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    stgData->verticalHeader()->setDefaultSectionSize(kRowHeight);
    stgData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    {
        // Room for 4 × 4 cells and their headers without scrolling.
        const int headerW = stgData->fontMetrics().horizontalAdvance(QStringLiteral("行 4")) + 16;
        stgData->verticalHeader()->setMinimumWidth(headerW);
        const int w = headerW + 4 * columnWidth + 2 * stgData->frameWidth() + 4;
        // The header's own size hint is too small before it has labels, which
        // hid the fourth row: it gets a fixed height from its font.
        const int headerH = std::max(stgData->horizontalHeader()->sizeHint().height(),
                                     stgData->fontMetrics().height() + 10);
        stgData->horizontalHeader()->setFixedHeight(headerH);
        const int h = headerH + 4 * kRowHeight + 2 * stgData->frameWidth() + 4;
        stgData->setMinimumSize(w, h);
        stgData->setMaximumSize(w, h);
        stgData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        stgData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    // Which matrix the grid edits, beside it.
    lblTarget = new QLabel(QStringLiteral("行列Ａ"), this);
    lblTarget->setObjectName(QStringLiteral("lblTarget"));
    {
        QFont big = lblTarget->font();
        big.setPointSize(big.pointSize() + 5);
        big.setBold(true);
        lblTarget->setFont(big);
        QPalette blue = lblTarget->palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 160));
        lblTarget->setPalette(blue);
        lblTarget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    Label4 = new QLabel(QStringLiteral("分数は「分子／分母」の形式で入力します。　例 2/3"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    updGyou = counter(this, "updGyou", "edtGyou", 1, kMatrixMaxSize, 4, edtGyou);
    updRetsu = counter(this, "updRetsu", "edtRetsu", 1, kMatrixMaxSize, 4, edtRetsu);

    grbSeihou = new QGroupBox(QStringLiteral("単位行列"), this);
    grbSeihou->setObjectName(QStringLiteral("grbSeihou"));
    btn2X2 = button(grbSeihou, "btn2X2", QStringLiteral("２×２"));
    btn3X3 = button(grbSeihou, "btn3X3", QStringLiteral("３×３"));
    btn4X4 = button(grbSeihou, "btn4X4", QStringLiteral("４×４"));
    {
        auto* h = new QHBoxLayout(grbSeihou);
        h->setContentsMargins(6, 4, 6, 6);
        for (QPushButton* b : {btn2X2, btn3X3, btn4X4})
            h->addWidget(b);
    }

    GroupBox1 = new QGroupBox(QStringLiteral("乱数"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    btnRansu = button(GroupBox1, "btnRansu", QStringLiteral("乱数を使う"));
    updRnd = counter(GroupBox1, "updRnd", "edtRnd", 1, 5, 3, edtRnd);
    {
        auto* h = new QHBoxLayout(GroupBox1);
        h->setContentsMargins(6, 4, 6, 6);
        h->addWidget(btnRansu);
        h->addSpacing(12);
        h->addWidget(label(GroupBox1, QStringLiteral("乱数の絶対値"), updRnd));
        h->addWidget(updRnd);
        h->addStretch(1);
    }

    btnSave = button(this, "btnSave", QStringLiteral("ﾌｧｲﾙに保存"));
    btnClear = button(this, "btnClear", QStringLiteral("クリア"));
    btnOk = button(this, "btnOk", QStringLiteral("O　K"));
    // Drawn here: the style's own icon would be looked up in the desktop's
    // icon themes, which takes longer than building the whole window.
    btnOk->setIcon(glyphIcon(Glyph::Ok, QSize(16, 16)));
    btnCancel = button(this, "btnCancel", QStringLiteral("キャンセル"));

    // The sample files on the left; the grid with its size, the fills and
    // the window's buttons on the right.
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->addWidget(edtFileName);
    left->addWidget(lstSample, 1);
    root->addLayout(left, 2);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    auto* gridRow = new QHBoxLayout;
    gridRow->setSpacing(12);
    gridRow->addWidget(stgData);
    gridRow->addWidget(lblTarget, 0, Qt::AlignTop);
    gridRow->addStretch(1);
    right->addLayout(gridRow);
    right->addWidget(Label4);
    auto* size = new QHBoxLayout;
    size->addWidget(label(this, QStringLiteral("行"), updGyou));
    size->addWidget(updGyou);
    size->addSpacing(16);
    size->addWidget(label(this, QStringLiteral("列"), updRetsu));
    size->addWidget(updRetsu);
    size->addStretch(1);
    right->addLayout(size);
    right->addWidget(grbSeihou);
    right->addWidget(GroupBox1);
    auto* files = new QHBoxLayout;
    files->addWidget(btnSave);
    files->addWidget(btnClear);
    files->addStretch(1);
    right->addLayout(files);
    right->addStretch(1);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(btnOk);
    closing->addWidget(btnCancel);
    right->addLayout(closing);
    root->addLayout(right, 3);

    // Symbols, padded captions and controls whose meaning stands beside them,
    // in words (see picture/ui/QtAccessible.h); 乱数の絶対値 is its label's buddy.
    nameControls(this, {{"lstSample", "ファイルから読み込む"},
                        {"stgData", "行列の成分"},
                        {"updGyou", "行数"},
                        {"updRetsu", "列数"},
                        {"btn2X2", "２行２列の単位行列"},
                        {"btn3X3", "３行３列の単位行列"},
                        {"btn4X4", "４行４列の単位行列"},
                        {"btnSave", "ファイルに保存"},
                        {"btnOk", "OK"}});

    connect(btnOk, &QPushButton::clicked, this, &TfrmInput::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmInput::btnCancelClick);
    connect(btnRansu, &QPushButton::clicked, this, &TfrmInput::btnRansuClick);
    connect(btnClear, &QPushButton::clicked, this, &TfrmInput::btnClearClick);
    connect(btn2X2, &QPushButton::clicked, this, &TfrmInput::btn2X2Click);
    connect(btn3X3, &QPushButton::clicked, this, &TfrmInput::btn3X3Click);
    connect(btn4X4, &QPushButton::clicked, this, &TfrmInput::btn4X4Click);
    connect(updGyou, &QSpinBox::valueChanged, this, &TfrmInput::edtGyouChange);
    connect(updRetsu, &QSpinBox::valueChanged, this, &TfrmInput::edtRetsuChange);
    connect(lstSample, &QListWidget::itemClicked, this, &TfrmInput::lstSampleClick);
    connect(btnSave, &QPushButton::clicked, this, &TfrmInput::btnSaveClick);
    connect(stgData, &QTableWidget::itemChanged, this, &TfrmInput::cellEdited);

    FormCreate();
}

void TfrmInput::FormCreate() {
    if (QWidget* frame = parentWidget())
        setGeometry(frame->geometry());
    updRnd->setValue(3);
}

void TfrmInput::setTarget(const std::string& target, int rows, int cols) {
    edtTarget->setText(QString::fromStdString(target));
    const QSignalBlocker r(updGyou), c(updRetsu);
    updGyou->setValue(std::clamp(rows, 1, kMatrixMaxSize));
    updRetsu->setValue(std::clamp(cols, 1, kMatrixMaxSize));
}

void TfrmInput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmInput::FormShow() {
    if (QWidget* frame = parentWidget())
        setGeometry(frame->geometry());
    input.target = edtTarget->text().toStdString();
    lblTarget->setText(input.targetIsA() ? QStringLiteral("行列Ａ") : QStringLiteral("行列Ｂ"));
    input.show();
    showGrid();
    refreshSampleList();
}

void TfrmInput::showGrid() {
    showing = true;
    {
        const QSignalBlocker r(updGyou), c(updRetsu);
        updGyou->setValue(input.rows());
        updRetsu->setValue(input.cols());
    }
    stgData->setRowCount(input.rows());
    stgData->setColumnCount(input.cols());
    QStringList across, down;
    for (int j = 1; j <= input.cols(); ++j)
        across << QString::fromStdString(columnHeader(j));
    for (int i = 1; i <= input.rows(); ++i)
        down << QString::fromStdString(rowHeader(i));
    stgData->setHorizontalHeaderLabels(across);
    stgData->setVerticalHeaderLabels(down);
    for (int i = 0; i < input.rows(); ++i) {
        for (int j = 0; j < input.cols(); ++j) {
            const QString text = QString::fromStdString(input.cell(i, j));
            QTableWidgetItem* item = stgData->item(i, j);
            if (!item) {
                item = new QTableWidgetItem(text);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                stgData->setItem(i, j, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
        }
    }
    showing = false;
}

void TfrmInput::cellEdited(QTableWidgetItem* item) {
    if (showing || !item)
        return;
    input.setCell(item->row(), item->column(), item->text().toStdString());
}

void TfrmInput::GyouPrintG() {
    input.printStored();
    showGrid();
}

void TfrmInput::edtGyouChange() {
    input.setRows(updGyou->value());
    showGrid();
}

void TfrmInput::edtRetsuChange() {
    input.setCols(updRetsu->value());
    showGrid();
}

void TfrmInput::btnOkClick() {
    stgData->commitEditing();
    // A cell that does not read keeps the window open with that cell
    // selected, so the student corrects the slip instead of losing it.
    if (const std::optional<CellRefusal> refused = input.store()) {
        stgData->setCurrentCell(refused->row, refused->col);
        stgData->setFocus();
        return;
    }
    done(1);
}

void TfrmInput::btnCancelClick() {
    done(2);
}

void TfrmInput::reject() {
    done(2);
}

void TfrmInput::btnRansuClick() {
    stgData->commitEditing();
    input.fillRandom(updRnd->value());
    showGrid();
    stgData->setFocus();
}

void TfrmInput::btnClearClick() {
    stgData->commitEditing();
    input.clear();
    showGrid();
    stgData->setCurrentCell(0, 0);
    stgData->setFocus();
}

void TfrmInput::identity(int k) {
    stgData->commitEditing();
    input.setCols(k);
    input.setRows(input.cols());
    showGrid();
    btnTanni1Click();
}

void TfrmInput::btn2X2Click() {
    identity(2);
}

void TfrmInput::btn3X3Click() {
    identity(3);
}

void TfrmInput::btn4X4Click() {
    identity(4);
}

void TfrmInput::btnTanni1Click() {
    if (input.fillIdentity())
        showGrid();
    stgData->setFocus();
}

void TfrmInput::refreshSampleList() {
    input.refreshSamples(paths.progFolder);
    lstSample->clear();
    for (const MatrixSample& s : input.samples())
        lstSample->addItem(QString::fromStdString(s.description));
    stgData->setFocus();
}

void TfrmInput::lstSampleClick() {
    const int k = lstSample->currentRow();
    if (k >= 0 && k < static_cast<int>(input.samples().size()))
        loadMatrixFile(matrixDataFolder(paths.progFolder) + input.samples()[k].fileName);
    stgData->setFocus();
}

void TfrmInput::loadMatrixFile(const std::string& path) {
    stgData->commitEditing();
    if (input.load(path))
        showGrid();
}

void TfrmInput::btnSaveClick() {
    saveMatrixFile();
}

void TfrmInput::saveMatrixFile() {
    stgData->commitEditing();
    if (!frmSetsumei)
        return;
    frmSetsumei->setGridSize(input.rows(), input.cols());
    if (frmSetsumei->exec() != 1)
        return;
    if (!input.save(paths.progFolder, frmSetsumei->description()))
        return;
    lstSample->clear();
    for (const MatrixSample& s : input.samples())
        lstSample->addItem(QString::fromStdString(s.description));
    stgData->setFocus();
}

TfrmSetsumei::TfrmSetsumei(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSetsumei"));
    setWindowTitle(QStringLiteral("frmSetsumei"));
    Label1 = new QLabel(QStringLiteral("行列の説明文を入力してください"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblComment = new QLabel(this);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    edtSetsumei = new QLineEdit(this);
    edtSetsumei->setObjectName(QStringLiteral("edtSetsumei"));
    // 800 pixels, or the width of a smaller screen with the window's margins.
    int width = 800;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        width = std::min(width, screen->availableGeometry().width() - 40);
    edtSetsumei->setFixedWidth(width);
    edtGr = new QLineEdit(this);
    edtGr->setObjectName(QStringLiteral("edtGr"));
    edtGr->setReadOnly(true);
    edtGr->setFocusPolicy(Qt::NoFocus);
    edtGr->setFixedWidth(edtGr->fontMetrics().horizontalAdvance(QStringLiteral("4×4")) + 16);
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(12, 12, 12, 12);
    v->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addStretch(1);
    top->addWidget(edtGr);
    v->addLayout(top);
    v->addWidget(lblComment);
    v->addWidget(edtSetsumei);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    v->addLayout(buttons);
    setFixedSize(sizeHint());

    // The edit is what Label1 asks for; edtGr shows the size as "2×3".
    Label1->setBuddy(edtSetsumei);
    nameControls(this, {{"edtGr", "行列の大きさ"}});

    connect(btnOk, &QPushButton::clicked, this, &TfrmSetsumei::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSetsumei::btnCancelClick);
}

void TfrmSetsumei::setGridSize(int rows, int cols) {
    rows_ = rows;
    cols_ = cols;
}

std::string TfrmSetsumei::description() const {
    return edtSetsumei->text().toStdString();
}

void TfrmSetsumei::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmSetsumei::FormShow() {
    edtGr->setText(QString::fromStdString(matrixSizeText(rows_, cols_)));
    lblComment->setText(QString::fromStdString(matrixDescriptionExample(rows_, cols_)));
    edtSetsumei->setFocus();
}

void TfrmSetsumei::btnOkClick() {
    done(1);
}

void TfrmSetsumei::btnCancelClick() {
    done(2);
}

void TfrmSetsumei::reject() {
    done(2);
}
