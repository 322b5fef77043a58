// Nothing the student must read runs off the screen or under something else:
// messages of any length are shown whole, wrapped inside the screen.

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

#include "WindowTest.h"
#include "platform/ui/QtDialogs.h"

namespace {

struct LongMessage {
    const char* name;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const LongMessage& m) {
    return out << m.name;
}

class MessageFitTest : public WindowTest, public ::testing::WithParamInterface<LongMessage> {};

// The text a message window shows, with the line breaks it was wrapped at.
QString shownText(QWidget* window) {
    if (auto* label = window->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        return label->text();
    if (auto* view = window->findChild<QPlainTextEdit*>())
        return view->toPlainText();
    return QString();
}

TEST_P(MessageFitTest, WholeTextInsideTheScreen) {
    const std::string& text = GetParam().text;
    withModal([&] { qtUi().showMessage(text); },
              [&](QWidget* window) {
                  const QRect area = window->screen()->availableGeometry();
                  EXPECT_TRUE(area.contains(window->frameGeometry()))
                      << window->frameGeometry().width() << "x" << window->frameGeometry().height()
                      << " on " << area.width() << "x" << area.height();
                  // Every character is there, only line breaks were added.
                  EXPECT_EQ(shownText(window).remove(QLatin1Char('\n')).toStdString(), text);
                  // A box is wide enough for its widest line.
                  if (auto* label = window->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                      EXPECT_LE(label->sizeHint().width(), label->width());
                  }
                  window->close();
              });
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageFitTest,
    ::testing::Values(LongMessage{"QuestionLine500",
                                  "x+y=1;" + std::string(494, '1') + "：問題が不正です"},
                      LongMessage{"LongPath", "/home/student/" + std::string(300, 'd') +
                                                  "/RAver.sim:問題が不正です"},
                      LongMessage{"Japanese",
                                  [] {
                                      std::string t;
                                      for (int i = 0; i < 40; ++i)
                                          t += "まだ解が出ていませんが";
                                      return t;
                                  }()},
                      LongMessage{"FarTooLongForABox", "x+y=1;" + std::string(30000, '2')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
