// Nothing the student must read runs off the screen or under something else:
// messages of any length are shown whole, wrapped inside the screen, and on
// the worksheet's pictures no entry, caption, bracket, brace or line of text
// touches another or leaves its picture, however wide the numbers grow.

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

#include "DrillWindowTest.h"
#include "WindowTest.h"
#include "picture/ui/PicturePainter.h"
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

// ---- the worksheet's pictures ---------------------------------------------------

// One thing drawn on a picture: an item, one entry of a step matrix, one
// line of equations or their brace.
struct Part {
    std::string what;
    Picture picture;
};

std::vector<Part> partsOf(const Picture& p) {
    std::vector<Part> parts;
    auto add = [&parts](std::string what, PictureItem item) {
        Part part{std::move(what), {}};
        part.picture.add(std::move(item));
        parts.push_back(std::move(part));
    };
    for (const PictureItem& item : p.items) {
        if (const auto* m = std::get_if<StepMatrixItem>(&item)) {
            for (std::size_t r = 0; r < m->rows.size(); ++r)
                for (std::size_t j = 0; j < m->rows[r].size(); ++j) {
                    StepMatrixItem one = *m;
                    for (auto& row : one.rows)
                        row.clear();
                    one.rows[r] = {m->rows[r][j]};
                    add("entry " + std::to_string(r) + "," + std::to_string(j), one);
                }
        } else if (const auto* e = std::get_if<EquationsItem>(&item)) {
            add("brace", BracketItem{e->brace, e->braceRect});
            for (std::size_t i = 0; i < e->rows.size(); ++i) {
                EquationsItem line = *e;
                line.rows = {e->rows[i]};
                line.layoutValue = e->layoutValue + kLineSpacing * static_cast<int>(i);
                line.braceRect = PixelRect{};
                add("equation " + std::to_string(i), line);
            }
        } else if (const auto* t = std::get_if<TextLineItem>(&item)) {
            add("text line " + t->text, item);
        } else if (const auto* c = std::get_if<CaptionItem>(&item)) {
            add("caption " + c->text, item);
        } else if (const auto* b = std::get_if<BracketItem>(&item)) {
            add(b->shape == Shape::KakkoL ? "left bracket" : "right bracket", item);
        } else {
            add("item", item);
        }
    }
    return parts;
}

// The ink of a part painted alone on a canvas larger than its picture.
QImage inkOf(const Part& part, QSize pictureSize) {
    return renderPicture(part.picture, pictureSize + QSize(120, 40));
}

bool darkAt(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 200;
}

struct Worked {
    const char* name;
    std::string question;
    std::string buttons;  // pressed in turn
    int image;            // the picture to look at
};

std::ostream& operator<<(std::ostream& out, const Worked& w) {
    return out << w.name;
}

class PictureFitTest : public DrillWindowTest, public ::testing::WithParamInterface<Worked> {};

TEST_P(PictureFitTest, NothingTouchesAndNothingLeavesThePicture) {
    const Worked& w = GetParam();
    enterDrill({w.question});
    clickAll(w.buttons);
    QApplication::processEvents();
    ASSERT_TRUE(ui.messages().empty()) << ui.messages().front();
    const Picture& shown = picture(w.image);
    ASSERT_FALSE(shown.empty());
    const QSize size(worksheetLayout.imageWidth, worksheetLayout.pictureHeight);

    const std::vector<Part> parts = partsOf(shown);
    std::vector<QImage> inks;
    for (const Part& part : parts) {
        inks.push_back(inkOf(part, size));
        const QImage& ink = inks.back();
        bool any = false;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                if (darkAt(ink, x, y)) {
                    any = true;
                    ASSERT_TRUE(x < size.width() && y < size.height())
                        << part.what << " leaves the picture at " << x << "," << y;
                }
        EXPECT_TRUE(any) << part.what << " shows nothing";
    }
    for (std::size_t a = 0; a < parts.size(); ++a)
        for (std::size_t b = a + 1; b < parts.size(); ++b)
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_FALSE(darkAt(inks[a], x, y) && darkAt(inks[b], x, y))
                        << parts[a].what << " touches " << parts[b].what << " at " << x << "," << y;
}

const std::string kTimes9999 = "btnGyou1 btnKake btn9 btn9 btn9 btn9 btnJikkou ";
const std::string kFour = "x+y+z+w=10;x-y+z-w=-2;x+y-z-w=-4;x-y-z+w=0";

INSTANTIATE_TEST_SUITE_P(
    Worksheet, PictureFitTest,
    ::testing::Values(
        // 99980001 beside 99980001 and 699860007, on a screen 800 wide.
        Worked{"WideEntries", "x+y=7;x-y=3", kTimes9999 + kTimes9999, 4},
        Worked{"FourDigitEntries", "x+y=7;x-y=3", kTimes9999, 3},
        // The caption above a matrix of four unknowns, and the task's brace.
        Worked{"CaptionOverFourUnknowns", kFour, "", 2},
        Worked{"TaskOfFourEquations", kFour, "", 1},
        // Stacked fractions in adjacent rows, and written beside letters.
        Worked{"StackedRows", "1/2x+y=4;x-y=2", "btnGyou2 btnWaru btn3 btnJikkou", 3},
        Worked{"TaskWithFractionsAndSigns", "1/2x-3/4y=-5/6;-12x+y=-100", "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
