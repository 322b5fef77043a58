// The special-solution choice: its two answers, and no other way out.
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>

#include "arith/ui/TfrmSentaku.h"
#include "platform/UiPort.h"
#include "tests/gui/WindowTest.h"

namespace {

class SentakuTest : public WindowTest {
  protected:
    void TearDown() override {
        delete frmSentaku;
        frmSentaku = nullptr;
        WindowTest::TearDown();
    }
    static void press(QWidget* window, const char* name) {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    int choose(const std::function<void(QWidget*)>& student) {
        int result = -1;
        withModal([&] { result = runSentaku(); }, student);
        return result;
    }
};

TEST_F(SentakuTest, LooksAsTheStudentExpects) {
    TfrmSentaku dlg;
    EXPECT_EQ(dlg.windowTitle(), "特殊な解");
    Qt::WindowFlags flags = dlg.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowContextHelpButtonHint));
    auto* edit = dlg.findChild<QLineEdit*>("Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "解の種類選択");
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(dlg.findChild<QPushButton*>("btnMusu")->text(), "解は無数にある");
    EXPECT_EQ(dlg.findChild<QPushButton*>("btnKainashi")->text(), "解なし");
}

TEST_F(SentakuTest, EachButtonAnswersAtOnce) {
    EXPECT_EQ(choose([](QWidget* w) { press(w, "btnMusu"); }), kChoiceInfinitely);
    EXPECT_FALSE(frmSentaku->isVisible());
    EXPECT_EQ(choose([](QWidget* w) { press(w, "btnKainashi"); }), kChoiceNoSolution);
    EXPECT_EQ(kChoiceInfinitely, 8);
    EXPECT_EQ(kChoiceNoSolution, 3);
}

TEST_F(SentakuTest, EscapeAndTheWindowSystemsCloseDoNotAnswer) {
    int result = choose([](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible());
        // The window system's close request (the close box, Alt+F4).
        QCloseEvent request;
        QSpontaneKeyEvent::setSpontaneous(&request);
        static_cast<QObject*>(w)->event(&request);  // sendEvent would drop the flag
        EXPECT_FALSE(request.isAccepted());
        EXPECT_TRUE(w->isVisible());
        press(w, "btnKainashi");
    });
    EXPECT_EQ(result, kChoiceNoSolution);
}

TEST_F(SentakuTest, GoesWhereItsPlacementSaysOnEveryShowing) {
    frmSentaku = new TfrmSentaku();
    QSize asked;
    frmSentaku->placement = [&](QSize frame) {
        asked = frame;
        return std::optional<QPoint>(QPoint(120, 270));
    };
    QRect placed;
    choose([&](QWidget* w) {
        placed = w->frameGeometry();
        press(w, "btnMusu");
    });
    EXPECT_EQ(placed.topLeft(), QPoint(120, 270));
    EXPECT_EQ(asked, placed.size());

    // Without a place it stays where it was.
    frmSentaku->placement = [](QSize) { return std::optional<QPoint>(); };
    frmSentaku->move(30, 40);
    choose([&](QWidget* w) {
        placed = w->frameGeometry();
        press(w, "btnMusu");
    });
    EXPECT_EQ(placed.topLeft(), QPoint(30, 40));
}

}  // namespace
