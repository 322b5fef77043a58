// What assistive technology hears: the Japanese names of the controls whose
// faces are pictures or symbols, and the descriptions of the pictures, read
// through Qt's accessibility interface as a screen reader's bridge reads them.
// (tools/a11y.sh checks the same through AT-SPI on a desktop.)
#include <QAccessible>
#include <QDialog>
#include <QListWidget>
#include <utility>

#include "arith/ui/TfrmDentaku.h"
#include "matrix/ui/TfrmKeisan.h"
#include "records/RecordFile.h"
#include "tests/gui/DrillWindowTest.h"

namespace {

QString said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QStringLiteral("<no interface>");
}

// A window by its object name: the frame itself (with the drill panel) or
// one of the windows created at start-up.
QWidget* window(const char* name) {
    const QString n = QString::fromLatin1(name);
    if (frmMain->objectName() == n)
        return frmMain;
    return frmMain->findChild<QWidget*>(n);
}

// Every window but the frame and its two children is shown as the student
// sees it (its FormShow fills what changes with the model), without its
// modal loop.
void open(QWidget* w) {
    if (w != frmMain && w != frmStart && w != frmPage) {
        w->show();
        QApplication::processEvents();
    }
}

// Clicks the buttons of `w` named in `names`, separated by spaces.
void clickIn(QWidget* w, const std::string& names) {
    std::size_t start = 0;
    while (start < names.size()) {
        std::size_t end = names.find(' ', start);
        if (end == std::string::npos)
            end = names.size();
        if (end > start) {
            const QString name = QString::fromStdString(names.substr(start, end - start));
            auto* b = w->findChild<QPushButton*>(name);
            EXPECT_NE(b, nullptr) << name.toStdString();
            if (b)
                QTest::mouseClick(b, Qt::LeftButton);
        }
        start = end + 1;
    }
}

struct NamedControl {
    const char* window;  // object name of the window (frmMain: the frame and the drill panel)
    const char* control;
    const char* name;
};

void PrintTo(const NamedControl& c, std::ostream* out) {
    *out << c.window << "/" << c.control;
}

const NamedControl kNamed[] = {
    {"frmMain", "btnGyou1", "第1行"},
    {"frmMain", "btnGyou4", "第4行"},
    {"frmMain", "btnTasu", "たす"},
    {"frmMain", "btnHiku", "ひく"},
    {"frmMain", "btnKake", "かける"},
    {"frmMain", "btnWaru", "わる"},
    {"frmMain", "btnKoukan", "入れ替え"},
    {"frmMain", "btnScrollUp", "ワークシートを先へ送る"},
    {"frmMain", "btnScrollDown", "ワークシートを前へ戻す"},
    {"frmMain", "btnNext", "次の問題"},
    {"frmMain", "btnJikkou", "実行"},
    {"frmMain", "btnMinus", "マイナス"},
    {"frmStart", "btnTitle", "行列と連立方程式　Tabulon 数学Ｃ"},
    {"frmStart", "btnGridora", "行列の学習"},
    {"frmStart", "btnRenritsu", "連立方程式"},
    {"frmStart", "btnHelp", "ヘルプ"},
    {"frmStart", "btnEnd", "終了"},
    {"frmPage", "Image1", "図1"},
    {"frmPage", "Image12", "図12"},
    {"frmPage", "imgBOXX", "解"},
    {"frmDentaku", "btnDecimal", "小数点"},
    {"frmDentaku", "btnMinus", "マイナス"},
    {"frmDentaku", "imgSample", "清書"},
    // The matrix calculator: pictures, symbol captions, padded captions and
    // the unlabelled counters; the operator and the power buttons as opened.
    {"frmKeisan", "imgAAA", "行列Ａ"},
    {"frmKeisan", "imgBBB", "行列Ｂ"},
    {"frmKeisan", "imgCCC", "行列Ｃ（演算結果）"},
    {"frmKeisan", "imgDDD", "行列Ｄ（記憶用）"},
    {"frmKeisan", "imgDelta", "デルタ"},
    {"frmKeisan", "edtDelta", "デルタの値"},
    {"frmKeisan", "lblOpr", "かける"},
    {"frmKeisan", "btnTasu", "ＡたすＢ"},
    {"frmKeisan", "btnHiku", "ＡひくＢ"},
    {"frmKeisan", "btnKake", "ＡかけるＢ"},
    {"frmKeisan", "btnRuiJou", "Ａの2乗をＣへ"},
    {"frmKeisan", "btnRuiJouB", "Ｂの2乗をＣへ"},
    {"frmKeisan", "updRuiJou", "Ａの累乗の指数"},
    {"frmKeisan", "updRuiJouB", "Ｂの累乗の指数"},
    {"frmKeisan", "btnResetA", "Ａの係数を1に戻す"},
    {"frmKeisan", "btnResetB", "Ｂの係数を1に戻す"},
    {"frmKeisan", "btnKakeA", "係数をＡの成分にかける"},
    {"frmKeisan", "btnKakeB", "係数をＢの成分にかける"},
    {"frmKeisan", "btnKakeC", "係数をＣの成分にかける"},
    {"frmKeisan", "btnKakeD", "係数をＤの成分にかける"},
    {"frmKeisan", "btnKukuruA", "係数でＡをくくる"},
    {"frmKeisan", "btnKukuruB", "係数でＢをくくる"},
    {"frmKeisan", "btnKukuruC", "係数でＣをくくる"},
    {"frmKeisan", "btnKukuruD", "係数でＤをくくる"},
    {"frmKeisan", "btnGyakuCCC", "Ａの逆行列をＣへ"},
    {"frmKeisan", "btnGyakuB", "Ｂの逆行列をＣへ"},
    {"frmKeisan", "btnXA", "ＣをＡへコピー"},
    {"frmKeisan", "btnXB", "ＣをＢへコピー"},
    {"frmKeisan", "btnCopyDA", "ＤをＡへコピー"},
    {"frmKeisan", "btnCopyDB", "ＤをＢへコピー"},
    {"frmKeisan", "btnCopyCD", "ＣをＤへコピー"},
    {"frmKeisan", "btnClose", "閉じる"},
    {"frmInput", "lstSample", "ファイルから読み込む"},
    {"frmInput", "stgData", "行列の成分"},
    {"frmInput", "updGyou", "行数"},
    {"frmInput", "updRetsu", "列数"},
    {"frmInput", "updRnd", "乱数の絶対値"},
    {"frmInput", "btn2X2", "２行２列の単位行列"},
    {"frmInput", "btn3X3", "３行３列の単位行列"},
    {"frmInput", "btn4X4", "４行４列の単位行列"},
    {"frmInput", "btnSave", "ファイルに保存"},
    {"frmInput", "btnOk", "OK"},
    {"frmSetsumei", "edtSetsumei", "行列の説明文を入力してください"},
    {"frmSetsumei", "edtGr", "行列の大きさ"},
    {"frmKiroku", "lstTitle", "練習の記録"},
    {"frmDelete", "lstTitle", "消去する単元"},
    {"frmEditQues", "memQues", "問題ファイルの本文"},
    {"frmEditQues", "edtTangen", "単元数"},
    {"frmEditQues", "edtResult", "エラーチェックの結果"},
    {"frmEditQues", "edtErTangen", "エラーの単元"},
    {"frmEditQues", "lstErQues", "エラーの問題"},
    {"frmEditQues", "btnCancel", "キャンセル"},
    {"frmDebug", "Edit1", "ステップ"},
    {"frmDebug", "LB1", "1行目の項"},
    {"frmDebug", "LB4", "4行目の項"},
    {"frmPrintS", "edtSample", "プリントイメージ"},
    {"frmPrintS", "updLMargin", "左側空白（文字数）"},
    {"frmPrintS", "updSize", "文字の大きさ"},
    {"frmVersion", "imgIcon", "Tabulon のアイコン"},
};

class AccessibleNameTest : public DrillWindowTest,
                           public ::testing::WithParamInterface<NamedControl> {};

TEST_P(AccessibleNameTest, ControlCarriesItsJapaneseName) {
    const NamedControl& c = GetParam();
    startProgram({{"x+y=7;x-y=3"}});
    QWidget* w = window(c.window);
    ASSERT_NE(w, nullptr) << c.window;
    expectModal = true;  // a modal window, shown without its loop
    open(w);
    auto* control = w->findChild<QWidget*>(QString::fromLatin1(c.control));
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(said(control, QAccessible::Name).toStdString(), c.name);
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNameTest, ::testing::ValuesIn(kNamed),
                         [](const auto& info) {
                             return std::string(info.param.window) + "_" + info.param.control;
                         });

// A picture (or preview) whose description must hold the given words, after
// its window is opened and the given buttons are clicked in it. The
// calculator's keypad answers 2.
struct DescribedPicture {
    const char* name;
    const char* window;
    const char* clicks;  // buttons of the window, separated by spaces
    const char* control;
    std::vector<const char*> words;
};

void PrintTo(const DescribedPicture& d, std::ostream* out) {
    *out << d.name;
}

const DescribedPicture kDescribed[] = {
    {"IdentityA", "frmKeisan", "", "imgAAA", {"［1, 0］［0, 1］"}},
    {"ProductOnOpening", "frmKeisan", "", "imgCCC", {"Ａ×Ｂ", "［1, 0］［0, 1］"}},
    {"SumWithItsCaption", "frmKeisan", "btnTasu", "imgCCC", {"Ａ＋Ｂ", "［2, 0］［0, 2］"}},
    {"CoefficientFactoredOut",
     "frmKeisan",
     "btnKukuruA",
     "imgAAA",
     {"係数2", "［1/2, 0］［0, 1/2］"}},
    {"CoefficientEntered", "frmKeisan", "btnKeisuB", "imgBBB", {"係数2", "［1, 0］［0, 1］"}},
    {"CopyToD", "frmKeisan", "btnTasu btnCopyCD", "imgDDD", {"［2, 0］［0, 2］"}},
    {"Power",
     "frmKeisan",
     "btnKeisuA btnKakeA btnRuiJou",
     "imgCCC",
     {"Ａの 2乗", "［4, 0］［0, 4］"}},
    {"Delta", "frmKeisan", "btnGyakuCCC", "imgDelta", {"デルタ＝1"}},
    {"PrintPreview", "frmPrintS", "", "edtSample", {"左側に4文字の空白", "文字の大きさ3"}},
};

class PictureWordsTest : public DrillWindowTest,
                         public ::testing::WithParamInterface<DescribedPicture> {};

TEST_P(PictureWordsTest, DescriptionSaysWhatItShows) {
    const DescribedPicture& d = GetParam();
    startProgram({{"x+y=7;x-y=3"}});
    frmKeisan->runKeypad = [] { return std::make_pair(1, Fraction{1, 2, '/'}); };
    QWidget* w = window(d.window);
    ASSERT_NE(w, nullptr) << d.window;
    expectModal = true;  // a modal window, shown without its loop
    open(w);
    clickIn(w, d.clicks);
    auto* control = w->findChild<QWidget*>(QString::fromLatin1(d.control));
    ASSERT_NE(control, nullptr) << d.control;
    const QString description = said(control, QAccessible::Description);
    for (const char* word : d.words)
        EXPECT_TRUE(description.contains(QString::fromUtf8(word)))
            << "「" << word << "」 not in 「" << description.toStdString() << "」";
}

INSTANTIATE_TEST_SUITE_P(Windows, PictureWordsTest, ::testing::ValuesIn(kDescribed),
                         [](const auto& info) { return std::string(info.param.name); });

class PictureDescriptionTest : public DrillWindowTest {};

TEST_F(PictureDescriptionTest, StepPicturesSayTheirNarrativeAndMatrix) {
    enterDrill({"x+y=7;x-y=3"});
    EXPECT_EQ(said(image(1), QAccessible::Description).toStdString(),
              "x+y=7、x-y=3　1(1)つぎの連立方程式を解きなさい");
    EXPECT_EQ(said(image(2), QAccessible::Description).toStdString(),
              "係数の行列を作ると　［1, 1 | 7］［1, -1 | 3］");
    EXPECT_TRUE(said(image(3), QAccessible::Description).isEmpty());

    clickAll("btnGyou1 btnTasu btnGyou2");
    EXPECT_EQ(said(image(3), QAccessible::Description).toStdString(), "第1行＋第2行")
        << "the picture being composed on says the operation";
    click(button("btnJikkou"));
    EXPECT_EQ(said(image(3), QAccessible::Description).toStdString(),
              "第1行に第2行をたすと　［2, 0 | 10］［1, -1 | 3］");
}

TEST_F(PictureDescriptionTest, KeypadFairCopySaysItsValue) {
    startProgram({{"x+y=7;x-y=3"}});
    for (const char* name : {"btn6", "btnBunsu", "btn4", "btnSeisho"})
        QTest::mouseClick(frmDentaku->findChild<QPushButton*>(name), Qt::LeftButton);
    EXPECT_EQ(said(frmDentaku->imgSample, QAccessible::Description).toStdString(), "2/3");
}

TEST_F(PictureDescriptionTest, RecordStarsAreReadAsCounts) {
    startProgram({{"x+y=7;x-y=3", "x+y=2;x-y=0"}});
    const std::string file = recordFilePath(paths);
    ASSERT_TRUE(recordSolved(file, "２元１次連立方程式", 1));
    ASSERT_TRUE(recordSolved(file, "２元１次連立方程式", 1));
    QWidget* w = window("frmKiroku");
    ASSERT_NE(w, nullptr);
    expectModal = true;  // a modal window, shown without its loop
    open(w);
    auto* list = w->findChild<QListWidget*>(QStringLiteral("lstTitle"));
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(a, nullptr);
    QStringList lines;
    for (int i = 0; i < a->childCount(); ++i)
        if (QAccessibleInterface* item = a->child(i))
            lines << item->text(QAccessible::Name);
    EXPECT_TRUE(lines.contains(QStringLiteral("問題1　2回"))) << lines.join("|").toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("問題2　0回"))) << lines.join("|").toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("２元１次連立方程式")));
}

}  // namespace
