// What assistive technology hears: the Japanese names of the controls whose
// faces are pictures or symbols, and the descriptions of the pictures, read
// through Qt's accessibility interface as a screen reader's bridge reads them.
// (tools/a11y.sh checks the same through AT-SPI on a desktop.)
#include <QAccessible>
#include <QDialog>

#include "arith/ui/TfrmDentaku.h"
#include "tests/gui/DrillWindowTest.h"

namespace {

QString said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QStringLiteral("<no interface>");
}

struct NamedControl {
    const char* window;  // frmMain (the frame and the drill panel), frmStart, frmPage, frmDentaku
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
};

class AccessibleNameTest : public DrillWindowTest,
                           public ::testing::WithParamInterface<NamedControl> {};

TEST_P(AccessibleNameTest, ControlCarriesItsJapaneseName) {
    const NamedControl& c = GetParam();
    startProgram({{"x+y=7;x-y=3"}});
    QWidget* window = QString(c.window) == "frmMain"    ? static_cast<QWidget*>(frmMain)
                      : QString(c.window) == "frmStart" ? static_cast<QWidget*>(frmStart)
                      : QString(c.window) == "frmPage"  ? static_cast<QWidget*>(frmPage)
                                                        : static_cast<QWidget*>(frmDentaku);
    ASSERT_NE(window, nullptr);
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(c.control));
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(said(control, QAccessible::Name).toStdString(), c.name);
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNameTest, ::testing::ValuesIn(kNamed),
                         [](const auto& info) {
                             return std::string(info.param.window) + "_" + info.param.control;
                         });

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

}  // namespace
