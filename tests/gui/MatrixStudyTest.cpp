// The matrix study as the student reaches it: the calculator from the start
// window and from the drill's 逆行列で解く, with the keypad and the input
// window above it. Each row is one flow of steps on controls found by their
// object names; a step ending in ">" opens a modal window, the steps up to the
// matching "<" run in it.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <filesystem>
#include <set>

#include "DrillWindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "matrix/Calculator.h"
#include "matrix/ui/TfrmInput.h"
#include "matrix/ui/TfrmKeisan.h"
#include "platform/ui/QtHelp.h"
#include "tests/core/MatrixTestSupport.h"

namespace fs = std::filesystem;

namespace {

using Steps = std::vector<std::string>;

struct StudyFlow {
    const char* name;
    Steps steps;
    std::vector<Answer> answers;
    std::vector<std::string> asked;  // every message and question, in order
    const char* matrices;            // "A | B | C | D"; nullptr: not checked
    const char* labels;              // "lblOpr|lblEqual|⊿"
    std::function<void()> check;     // anything else the flow must leave
};

void PrintTo(const StudyFlow& f, std::ostream* os) {
    *os << f.name;
}

std::string matricesNow() {
    return matrixText(matrices.A) + " | " + matrixText(matrices.B) + " | " +
           matrixText(matrices.C) + " | " + matrixText(matrices.D);
}

std::string labelsNow() {
    return frmKeisan->lblOpr->text().toStdString() + "|" +
           frmKeisan->lblEqual->text().toStdString() + "|" +
           (calculatorView.delta ? formatFraction(*calculatorView.delta) : "");
}

template <class T>
T* control(QWidget* window, const std::string& name) {
    T* w = window->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name << " in " << window->objectName().toStdString();
    return w;
}

class MatrixStudyTest : public DrillWindowTest {
  protected:
    // Runs `open`, which shows a modal window above `below`, and `inside` with
    // that window from its event loop; `inside` must close it.
    void overModal(QWidget* below, const std::function<void()>& open,
                   const std::function<void(QWidget*)>& inside) {
        withModal(open, inside, below);
    }

    // Runs steps[i …] in `window` up to the matching "<"; returns the index after it.
    std::size_t run(const Steps& steps, std::size_t i, QWidget* window) {
        while (i < steps.size()) {
            const std::string& s = steps[i++];
            if (s == "<")
                return i;
            if (s.back() == '>') {
                QPushButton* b = control<QPushButton>(window, s.substr(0, s.size() - 1));
                if (!b)
                    return steps.size();
                overModal(
                    window, [&] { QTest::mouseClick(b, Qt::LeftButton); },
                    [&](QWidget* inner) { i = run(steps, i, inner); });
                continue;
            }
            step(s, window);
        }
        return i;
    }

    void step(const std::string& s, QWidget* window) {
        const std::size_t colon = s.find(':');
        if (colon == std::string::npos) {
            if (auto* b = control<QPushButton>(window, s))
                QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
        const std::string kind = s.substr(0, colon);
        const std::string arg = s.substr(colon + 1);
        const std::size_t eq = arg.find('=');
        if (kind == "key") {  // the keypad's buttons for a number text
            for (std::size_t k = 0; k < arg.size();) {
                std::string name;
                if (arg.compare(k, 6, "分の") == 0) {
                    name = "btnBunsu";
                    k += 6;
                } else {
                    const char c = arg[k++];
                    name = c == '-' ? "btnMinus" : c == '.' ? "btnDecimal" : std::string("btn") + c;
                }
                if (auto* b = control<QPushButton>(window, name))
                    QTest::mouseClick(b, Qt::LeftButton);
            }
        } else if (kind == "set") {  // a counter set to a value: set:updGyou=3
            if (auto* spin = control<QSpinBox>(window, arg.substr(0, eq)))
                spin->setValue(std::stoi(arg.substr(eq + 1)));
        } else if (kind == "clicks") {  // up-down clicks: clicks:updRuiJou=-5
            if (auto* spin = control<QSpinBox>(window, arg.substr(0, eq))) {
                const int n = std::stoi(arg.substr(eq + 1));
                for (int k = 0; k < std::abs(n); ++k)
                    n < 0 ? spin->stepDown() : spin->stepUp();
            }
        } else if (kind == "cell") {  // cell:row,column=text (0-based) in stgData
            auto* grid = control<QTableWidget>(window, "stgData");
            const int r = std::stoi(arg.substr(0, arg.find(',')));
            const int c = std::stoi(arg.substr(arg.find(',') + 1, eq));
            if (grid && grid->item(r, c))
                grid->item(r, c)->setText(QString::fromStdString(arg.substr(eq + 1)));
            else
                ADD_FAILURE() << "no cell " << arg;
        } else if (kind == "edit") {  // edit:row,column=text typed, the editor left open
            auto* grid = control<QTableWidget>(window, "stgData");
            const int r = std::stoi(arg.substr(0, arg.find(',')));
            const int c = std::stoi(arg.substr(arg.find(',') + 1, eq));
            if (!grid || !grid->item(r, c)) {
                ADD_FAILURE() << "no cell " << arg;
                return;
            }
            grid->setCurrentCell(r, c);
            grid->editItem(grid->item(r, c));
            QLineEdit* line = nullptr;
            for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
                if (e->isVisible())
                    line = e;
            if (line) {
                line->selectAll();
                QTest::keyClicks(line, QString::fromStdString(arg.substr(eq + 1)));
            } else {
                ADD_FAILURE() << "no editor on " << arg;
            }
        } else if (kind == "current") {  // current:row,column: the cell selected in stgData
            auto* grid = control<QTableWidget>(window, "stgData");
            if (grid) {
                EXPECT_EQ(std::to_string(grid->currentRow()) + "," +
                              std::to_string(grid->currentColumn()),
                          arg);
                EXPECT_TRUE(window->isVisible()) << "the input window closed";
            }
        } else if (kind == "type") {  // type:edtSetsumei=text
            if (auto* e = control<QLineEdit>(window, arg.substr(0, eq)))
                e->setText(QString::fromStdString(arg.substr(eq + 1)));
        } else if (kind == "sample") {  // a click on line k of lstSample
            auto* list = control<QListWidget>(window, "lstSample");
            const int k = std::stoi(arg);
            if (list && list->item(k)) {
                const QRect r = list->visualItemRect(list->item(k));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            } else {
                ADD_FAILURE() << "no sample line " << k;
            }
        } else if (kind == "empty") {  // a matrix emptied behind the window's back
            emptyMatrix(arg == "B" ? matrices.B : matrices.A);
        } else {
            ADD_FAILURE() << "unknown step " << s;
        }
    }

    void writeDataFile(const std::string& name, const std::vector<std::string>& lines) {
        QDir().mkpath(tempPath("DATA"));
        ASSERT_TRUE(
            writeCp932Lines(tempPath("DATA/" + QString::fromStdString(name)).toStdString(), lines));
    }

    void expectFlow(const StudyFlow& f) {
        if (f.matrices) {
            EXPECT_EQ(matricesNow(), f.matrices);
        }
        if (f.labels) {
            EXPECT_EQ(labelsNow(), f.labels);
        }
        EXPECT_EQ(ui.texts(), f.asked);
        EXPECT_EQ(ui.unscripted, 0);
        if (f.check)
            f.check();
    }
};

class CalculatorFlow : public MatrixStudyTest, public ::testing::WithParamInterface<StudyFlow> {};

const char* const kQuestion2 = "x+y=3;x-y=1";

// Every flow starts at the start window's 行列の学習 and ends with 閉じる.
TEST_P(CalculatorFlow, FromTheStartWindow) {
    const StudyFlow& f = GetParam();
    startProgram({{kQuestion2}});
    writeDataFile("matr3201.grt", {"matrix1.0", "3×2　（でこぼこ）", "1,2,3", "4,5,6", "7,8"});
    ui.answers.assign(f.answers.begin(), f.answers.end());
    overModal(
        nullptr, [&] { QTest::mouseClick(frmStart->btnGridora, Qt::LeftButton); },
        [&](QWidget* calc) {
            EXPECT_EQ(calc, frmKeisan.data());
            run(f.steps, 0, calc);
            expectFlow(f);
            QTest::mouseClick(frmKeisan->btnClose, Qt::LeftButton);
        });
    EXPECT_FALSE(frmKeisan->isVisible());
}

const char* const kI2 = "[1 0; 0 1]";
const std::string kPlain = std::string(kI2) + " | " + kI2 + " | " + kI2 + " | -";

void expectCaptions(const char* a, const char* b) {
    EXPECT_EQ(frmKeisan->btnRuiJou->text().toStdString(), a);
    EXPECT_EQ(frmKeisan->btnRuiJouB->text().toStdString(), b);
}

const StudyFlow kCalculatorFlows[] = {
    {"PlainOpening",
     {},
     {},
     {},
     kPlain.c_str(),
     "×|=|",
     [] {
         expectCaptions("2乗=>C", "2乗=>C");
         EXPECT_EQ(calculatorView.picture(MatrixName::C).caption, "Ａ×Ｂ");
         EXPECT_FALSE(calculatorView.picture(MatrixName::D).drawn);
         EXPECT_EQ(frmKeisan->windowTitle(), "行列の学習");
     }},
    {"InverseOfOneTwoThreeFour",
     {"btnDataA1>", "cell:0,1=2", "cell:1,0=3", "cell:1,1=4", "btnOk", "<", "btnGyakuCCC"},
     {},
     {},
     "[1 2; 3 4] | [1 0; 0 1] | (-1/2)[4 -2; -3 1] | -",
     "||-2",
     [] { EXPECT_EQ(calculatorView.picture(MatrixName::C).caption, "Aの逆行列"); }},
    {"PowerCountersStopAtTwoAndForty",
     {"clicks:updRuiJou=-5", "clicks:updRuiJouB=50", "btnRuiJouB"},
     {},
     {},
     kPlain.c_str(),
     "||",
     [] {
         expectCaptions("2乗=>C", "40乗=>C");
         EXPECT_EQ(calculatorView.picture(MatrixName::C).caption, "Ｂの 40乗");
     }},
    {"SwapWithAnEmptyB",
     {"btnCopyCD", "empty:B", "btnKoukan"},
     {},
     {kCopyEmptyMessage},
     "[1 0; 0 1] | - | [1 0; 0 1] | [1 0; 0 1]",
     "×|=|",
     nullptr},
    {"OneOnAEmptiesD",
     {"btnCopyCD", "btnKeisuA>", "key:2", "btnOk", "<", "btnResetA"},
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | - | -",
     "||",
     [] { EXPECT_FALSE(calculatorView.picture(MatrixName::D).drawn); }},
    {"CoefficientThroughTheKeypad",
     {"btnKeisuB>", "key:-3分の2", "btnOk", "<"},
     {},
     {},
     "[1 0; 0 1] | (-2/3)[1 0; 0 1] | - | -",
     "||",
     nullptr},
    {"CoefficientOfZeroDeclined",
     {"btnKeisuA>", "key:0", "btnOk", "<"},
     {Answer::No},
     {kCoefficientZeroQuestion},
     kPlain.c_str(),
     "×|=|",
     nullptr},
    {"KeypadCancelled",
     {"btnKukuruC>", "key:5", "btnCancel", "<"},
     {},
     {},
     kPlain.c_str(),
     "×|=|",
     nullptr},
    {"SumThenFactorOut",
     {"btnTasu", "btnKukuruC>", "key:4", "btnOk", "<"},
     {},
     {},
     "[1 0; 0 1] | [1 0; 0 1] | (4)[1/2 0; 0 1/2] | -",
     "＋|=|",
     nullptr},
    {"FourByFourInverseEmptiesD",
     {"btnCopyCD", "btnDataA1>", "btn4X4", "cell:0,3=2", "btnOk", "<", "btnGyakuCCC"},
     {},
     {},
     "[1 0 0 2; 0 1 0 0; 0 0 1 0; 0 0 0 1] | [1 0; 0 1] | "
     "[1 0 0 -2; 0 1 0 0; 0 0 1 0; 0 0 0 1] | -",
     "||1",
     nullptr},
    {"IdentityOnATwoByFourGrid",
     {"btnDataA1>", "set:updRetsu=4", "btn3X3", "btnOk", "<"},
     {},
     {},
     "[1 0 0; 0 1 0; 0 0 1] | [1 0; 0 1] | - | -",
     "||",
     nullptr},
    {"RandomFillWithRangeOne",
     {"btnDataA2>", "set:updGyou=4", "set:updRetsu=4", "set:updRnd=1", "btnRansu", "btnOk", "<"},
     {},
     {},
     nullptr,
     "||",
     [] {
         ASSERT_EQ(matrices.B.rows, 4);
         ASSERT_EQ(matrices.B.cols, 4);
         for (int i = 0; i < 4; ++i)
             for (int j = 0; j < 4; ++j) {
                 EXPECT_EQ(matrices.B.at(i, j).denominator, 1);
                 EXPECT_LE(std::abs(matrices.B.at(i, j).numerator), 1);
             }
     }},
    {"LoadARaggedFile",
     {"btnDataA2>", "sample:0", "btnOk", "<"},
     {},
     {},
     "[1 0; 0 1] | [1 2; 3 4; 5 6] | - | -",
     "||",
     nullptr},
    // OK on a cell that does not read keeps the window open with that cell
    // selected; corrected, the grid is stored.
    {"CellTheReaderRejects",
     {"btnDataA1>", "cell:0,1=２", "cell:1,0=x", "cell:1,1=1/0", "btnOk", "current:1,0",
      "cell:1,0=3", "btnOk", "current:1,1", "cell:1,1=１／２", "btnOk", "<"},
     {},
     {std::string("行2 列1: x") + kSlashTextInvalidMessage, "行2 列2: 1/0 ←分母が０です"},
     "[1 2; 3 1/2] | [1 0; 0 1] | - | -",
     "||",
     nullptr},
    {"TextStillInItsEditorIsStored",
     {"btnDataA1>", "edit:1,1=7/2", "btnOk", "<"},
     {},
     {},
     "[1 0; 0 7/2] | [1 0; 0 1] | - | -",
     "||",
     nullptr},
    {"InputCancelledChangesNothing",
     {"btnDataA1>", "btn4X4", "btnCancel", "<"},
     {},
     {},
     kPlain.c_str(),
     "×|=|",
     nullptr},
    {"SaveTwice",
     {"btnDataA1>", "btnSave>", "type:edtSetsumei=零行列", "btnOk", "<", "btnSave>", "btnOk", "<",
      "btnCancel", "<"},
     {},
     {},
     kPlain.c_str(),
     "×|=|",
     [] {
         EXPECT_TRUE(fs::exists("DATA/matr2201.grt"));
         EXPECT_TRUE(fs::exists("DATA/matr2202.grt"));
         QStringList lines;
         for (int k = 0; k < frmInput->lstSample->count(); ++k)
             lines << frmInput->lstSample->item(k)->text();
         EXPECT_EQ(lines, QStringList({"2×2　（零行列）", "2×2　（零行列）", "3×2　（でこぼこ）"}));
         EXPECT_EQ(frmSetsumei->edtGr->text(), "2×2");
         EXPECT_EQ(frmSetsumei->lblComment->text(),
                   "例　「０行列」と入力すると「2×2　（０行列）」と表示されます");
     }},
};

INSTANTIATE_TEST_SUITE_P(Flows, CalculatorFlow, ::testing::ValuesIn(kCalculatorFlows),
                         [](const auto& info) { return std::string(info.param.name); });

// 逆行列で解く on a question of three unknowns, then the inverse, its copy
// into A and the product give the solution; the drill is as it was.
TEST_F(MatrixStudyTest, SolveByInverseFromTheDrill) {
    enterDrill({"x+y+z=6;2x-y+z=3;x+2y-z=2"});
    const int step = drillState.curStep;
    const EquationList before = equationList;
    overModal(
        nullptr, [&] { click(button("btnKihon")); },
        [&](QWidget* calc) {
            EXPECT_EQ(matricesNow(), "[1 1 1; 2 -1 1; 1 2 -1] | [6; 3; 2] | - | -");
            EXPECT_EQ(labelsNow(), "||");
            run({"btnGyakuCCC", "btnXA", "btnKake"}, 0, calc);
            EXPECT_EQ(matrixText(matrices.C), "[1; 2; 3]");
            QTest::mouseClick(frmKeisan->btnClose, Qt::LeftButton);
        });
    EXPECT_FALSE(matrices.solveByInverseMode);
    EXPECT_EQ(drillState.unknownCount, 3);
    EXPECT_EQ(equationList.unknownCount, 3);
    EXPECT_EQ(drillState.curStep, step);
    for (int r = 0; r < kListRows; ++r)
        for (int t = 0; t < kTermsPerRow; ++t)
            ASSERT_EQ(equationList.rows[r].terms[t].numerator, before.rows[r].terms[t].numerator);
    EXPECT_TRUE(button("btnGyou3")->isEnabled());
    EXPECT_TRUE(ui.texts().empty());
}

// The plain opening makes 2 × 2 matrices but leaves the drill's question of
// three unknowns as it is.
TEST_F(MatrixStudyTest, PlainOpeningLeavesTheDrillsUnknowns) {
    enterDrill({"x+y+z=6;2x-y+z=3;x+2y-z=2"});
    click(frmMain->btnClose);
    overModal(
        nullptr, [&] { QTest::mouseClick(frmStart->btnGridora, Qt::LeftButton); },
        [&](QWidget*) {
            EXPECT_EQ(matricesNow(), kPlain);
            QTest::mouseClick(frmKeisan->btnClose, Qt::LeftButton);
        });
    EXPECT_EQ(drillState.unknownCount, 3);
    EXPECT_EQ(equationList.unknownCount, 3);
    click(frmStart->btnRenritsu);
    EXPECT_TRUE(button("btnGyou3")->isEnabled());
}

}  // namespace

namespace {

// The help opened from the calculator can be used and closed while the
// calculator is open: it is not blocked behind the calculator's modality.
TEST_F(MatrixStudyTest, HelpFromTheCalculatorCanBeClosed) {
    startProgram({{kQuestion2}});
    QFile help(tempPath("Gridora.hlp"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><h1>help</h1></body></html>");
    help.close();
    overModal(
        nullptr, [&] { QTest::mouseClick(frmStart->btnGridora, Qt::LeftButton); },
        [&](QWidget*) {
            QTest::mouseClick(frmKeisan->btnHelp, Qt::LeftButton);
            ASSERT_TRUE(helpWindow() && helpWindow()->isVisible());
            // A click as the window system delivers it, where modality applies.
            QPushButton* close = helpWindow()->btnClose;
            QTest::mouseClick(helpWindow()->windowHandle(), Qt::LeftButton, {},
                              close->mapTo(helpWindow(), close->rect().center()));
            EXPECT_FALSE(helpWindow()->isVisible());
            QTest::mouseClick(frmKeisan->btnClose, Qt::LeftButton);
        });
    EXPECT_TRUE(ui.texts().empty());
}

// F1 opens the help at the section of the window it is pressed in, above a
// modal window too; closing that window leaves the help open and usable.
TEST_F(MatrixStudyTest, F1OpensTheSectionOfItsWindow) {
    startProgram({{kQuestion2}});
    QFile help(tempPath("Gridora.hlp"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write(
        "<html><body><a name=\"start\"></a>s<a name=\"matrix\"></a>m"
        "<a name=\"matrix-input\"></a>i<a name=\"keypad\"></a>k</body></html>");
    help.close();
    installHelpKey();
    auto section = [] {
        return helpWindow() && helpWindow()->isVisible()
                   ? helpWindow()->browser->source().fragment().toStdString()
                   : std::string("(none)");
    };
    QTest::keyClick(frmStart, Qt::Key_F1);
    EXPECT_EQ(section(), "start");
    overModal(
        nullptr, [&] { QTest::mouseClick(frmStart->btnGridora, Qt::LeftButton); },
        [&](QWidget* calc) {
            QTest::keyClick(calc, Qt::Key_F1);
            EXPECT_EQ(section(), "matrix");
            EXPECT_EQ(helpWindow()->parentWidget(), calc);
            overModal(
                calc, [&] { QTest::mouseClick(frmKeisan->btnDataA1, Qt::LeftButton); },
                [&](QWidget* input) {
                    QTest::keyClick(input->focusWidget() ? input->focusWidget() : input,
                                    Qt::Key_F1);
                    EXPECT_EQ(section(), "matrix-input");
                    QTest::mouseClick(control<QPushButton>(input, "btnCancel"), Qt::LeftButton);
                });
            overModal(
                calc, [&] { QTest::mouseClick(frmKeisan->btnKeisuA, Qt::LeftButton); },
                [&](QWidget* keypad) {
                    QTest::keyClick(keypad, Qt::Key_F1);
                    EXPECT_EQ(section(), "keypad");
                    EXPECT_EQ(helpWindow()->parentWidget(), keypad);
                    QTest::keyClick(keypad, Qt::Key_Escape);
                });
            QApplication::processEvents();
            // Back above the calculator, open, and not blocked by it.
            EXPECT_EQ(section(), "keypad");
            EXPECT_EQ(helpWindow()->parentWidget(), calc);
            QTest::mouseClick(frmKeisan->btnHelp, Qt::LeftButton);
            EXPECT_EQ(section(), "matrix");
            QTest::mouseClick(frmKeisan->btnClose, Qt::LeftButton);
        });
    EXPECT_TRUE(ui.texts().empty());
}

}  // namespace
