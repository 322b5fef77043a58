// Nothing the student must read runs off the screen or under something else:
// messages of any length are shown whole, wrapped inside the screen; on the
// worksheet's pictures no entry, caption, bracket, brace or line of text
// touches another or leaves its picture, however wide the numbers grow; and
// on the calculator's pictures nothing touches or leaves its picture and no
// digit is drawn below the floor of its screen size.

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

#include "DrillWindowTest.h"
#include "WindowTest.h"
#include "app/ProgramState.h"
#include "app/ui/StartUp.h"
#include "arith/NumberText.h"
#include "matrix/ui/TfrmKeisan.h"
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

// ---- the calculator's pictures ----------------------------------------------------

namespace {

Fraction q(int32_t numerator, int32_t denominator = 1) {
    return Fraction{denominator, numerator, '/'};
}

Matrix square(const std::vector<std::vector<Fraction>>& rows, Fraction coefficient = One) {
    Matrix m;
    m.rows = m.cols = static_cast<int>(rows.size());
    m.coefficient = coefficient;
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j)
            m.at(i, j) = rows[i][j];
    return m;
}

// Puts `m` into A, B and D through C, as コピー does, and leaves C showing it.
void showEverywhere(TfrmKeisan& w, const Matrix& m) {
    matrices.C = m;
    w.btnXAClick();
    w.btnXBClick();
    w.btnCopyCDClick();
}

struct CalcPictures {
    const char* name;
    int screenHeight;  // 768: a window of 1024 x 740; 600: 800 x 570
    std::function<void(TfrmKeisan&)> action;
};

std::ostream& operator<<(std::ostream& out, const CalcPictures& c) {
    return out << c.name;
}

// The dark pixels' box of an image; empty when nothing is drawn.
QRect inkBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(line[x]) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

class CalculatorFitTest : public WindowTest, public ::testing::WithParamInterface<CalcPictures> {
  protected:
    static constexpr int kPad = 40;  // room around the canvas, to see ink that leaves it

    // One part painted alone as the picture paints its canvas, `kPad` pixels in.
    static QImage inkOf(const CalculatorPicture& p, PictureItem item) {
        QImage image(p.canvas()->size() + QSize(2 * kPad, 2 * kPad), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(p.origin() + QPointF(kPad, kPad));
        Picture part;
        part.add(std::move(item));
        PaintOptions options;
        options.scale = p.scale();
        options.background = false;
        paintPicture(painter, part, QSize(2000, 2000), options);
        return image;
    }

    // A fraction with only some of its texts, and its bar when asked.
    static FractionItem only(const FractionItem& f, bool sign, bool number, bool withBar) {
        FractionItem g = f;
        g.texts.clear();
        for (const TextPiece& t : f.texts)
            if ((t.text == "-") ? sign : number)
                g.texts.push_back(t);
        if (!withBar)
            g.bar = {};
        return g;
    }
};

TEST_P(CalculatorFitTest, ReadableWholeAndApart) {
    const CalcPictures& c = GetParam();
    numberState = {};
    TfrmKeisan w;
    w.show();
    w.resize(c.screenHeight >= 768 ? QSize(1024, 740) : QSize(800, 570));
    w.setScreenHeight(c.screenHeight);
    c.action(w);
    QApplication::processEvents();
    ASSERT_TRUE(ui.messages().empty()) << ui.messages().front();
    const int floor = digitFloorFor(c.screenHeight);

    for (CalculatorPicture* p : {w.imgAAA, w.imgBBB, w.imgCCC, w.imgDDD, w.imgDelta}) {
        const std::string name = p->objectName().toStdString();
        SCOPED_TRACE(name);
        // The window keeps to its screen.
        EXPECT_LE(p->geometry().right(), w.width());
        struct Drawn {
            std::string what;
            QImage ink;
        };
        std::vector<Drawn> parts;
        std::vector<const FractionItem*> fractions;
        const Picture shown = p->matrixPart();
        for (const PictureItem& item : shown.items) {
            if (const auto* m = std::get_if<CalcMatrixItem>(&item)) {
                if (m->coefficient) {
                    parts.push_back({"coefficient", inkOf(*p, *m->coefficient)});
                    fractions.push_back(&*m->coefficient);
                }
                for (std::size_t i = 0; i < m->cells.size(); ++i)
                    for (std::size_t j = 0; j < m->cells[i].size(); ++j) {
                        parts.push_back({"cell " + std::to_string(i) + "," + std::to_string(j),
                                         inkOf(*p, m->cells[i][j])});
                        fractions.push_back(&m->cells[i][j]);
                    }
                if (!m->leftBracket.empty())
                    parts.push_back(
                        {"left bracket", inkOf(*p, BracketItem{Shape::KakkoL, m->leftBracket})});
                if (!m->rightBracket.empty())
                    parts.push_back(
                        {"right bracket", inkOf(*p, BracketItem{Shape::KakkoR, m->rightBracket})});
            } else if (const auto* n = std::get_if<NumberItem>(&item)) {
                parts.push_back({"delta", inkOf(*p, *n)});
                EXPECT_GE(p->scale() * digitHeight(equationNumberFont(false)), floor);
            }
        }
        // Nothing leaves the canvas, and no two parts touch (a pixel apart
        // counts as touching).
        const QRect canvas(kPad, kPad, p->canvas()->width(), p->canvas()->height());
        for (const Drawn& d : parts) {
            const QRect box = inkBox(d.ink);
            ASSERT_FALSE(box.isEmpty()) << d.what << " shows nothing";
            EXPECT_TRUE(canvas.contains(box))
                << d.what << " leaves the picture: " << box.right() << "," << box.bottom()
                << " beyond " << canvas.right() << "," << canvas.bottom();
        }
        for (std::size_t a = 0; a < parts.size(); ++a)
            for (std::size_t b = a + 1; b < parts.size(); ++b) {
                const QRect near =
                    inkBox(parts[a].ink).adjusted(-1, -1, 1, 1) & inkBox(parts[b].ink);
                for (int y = near.top(); y <= near.bottom(); ++y)
                    for (int x = near.left(); x <= near.right(); ++x) {
                        if (qGray(parts[b].ink.pixel(x, y)) >= 200)
                            continue;
                        bool touches = false;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx)
                                touches =
                                    touches || qGray(parts[a].ink.pixel(x + dx, y + dy)) < 200;
                        ASSERT_FALSE(touches) << parts[a].what << " touches " << parts[b].what
                                              << " at " << x << "," << y;
                    }
            }
        // Every number's digits at least the floor high; a minus sign at most
        // 3 pixels before its number, never touching it.
        for (const FractionItem* f : fractions) {
            for (const TextPiece& t : f->texts) {
                if (t.text == "-")
                    continue;
                FractionItem one = only(*f, false, false, false);
                one.texts = {t};
                EXPECT_GE(inkBox(inkOf(*p, one)).height(), floor) << t.text;
            }
            if (f->negative()) {
                const QRect sign = inkBox(inkOf(*p, only(*f, true, false, false)));
                const QRect number = inkBox(inkOf(*p, only(*f, false, true, true)));
                const int gap = number.left() - sign.right() - 1;
                EXPECT_GE(gap, 1) << formatFraction(f->value);
                EXPECT_LE(gap, 3) << formatFraction(f->value);
                EXPECT_GE(sign.width(), 4) << "a real minus, not a dot";
            }
        }
        // Rows of stacked fractions keep a visible gap (3 pixels at 1024 x 768).
        for (const PictureItem& item : shown.items)
            if (const auto* m = std::get_if<CalcMatrixItem>(&item))
                for (std::size_t i = 0; i + 1 < m->cells.size(); ++i)
                    for (std::size_t j = 0; j < m->cells[i].size(); ++j) {
                        const QRect upper = inkBox(inkOf(*p, m->cells[i][j]));
                        const QRect lower = inkBox(inkOf(*p, m->cells[i + 1][j]));
                        EXPECT_GE(lower.top() - upper.bottom() - 1, c.screenHeight >= 768 ? 3 : 2)
                            << "rows " << i << " and " << i + 1 << " in column " << j;
                    }
        // The caption stands in its strip at the top left, at the size of the digits.
        const Picture caption = p->captionPart();
        if (!caption.empty()) {
            QImage image(p->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintOptions options;
            options.scale = p->captionScale();
            options.background = false;
            paintPicture(painter, caption, p->size(), options);
            const QRect box = inkBox(image);
            EXPECT_LE(box.left(), 3);
            EXPECT_LE(box.top(), 4);
            EXPECT_LE(box.bottom(), p->captionHeight());
            EXPECT_GE(box.height(), floor);
        }
    }
}

const std::vector<std::vector<Fraction>> kOneDigitFractions = {{q(1, 2), q(1, 3), q(0), q(1, 5)},
                                                               {q(1, 4), q(1, 2), q(1, 3), q(0)},
                                                               {q(0), q(1, 5), q(1, 2), q(1, 3)},
                                                               {q(1, 3), q(0), q(1, 4), q(1, 2)}};

void inverseOfFractions(TfrmKeisan& w) {
    matrices.C = square(kOneDigitFractions);
    w.btnXAClick();
    w.btnGyakuCCCClick();
    w.btnCopyCDClick();
}

void sevenDigitEntries(TfrmKeisan& w) {
    showEverywhere(w, square({{q(-1234567), q(7654321), q(-1), q(2345678, 3)},
                              {q(9999999), q(0), q(-7777777, 9), q(12)},
                              {q(1, 7654321), q(-3), q(4567890), q(5)},
                              {q(-2), q(3456789), q(6), q(-9876543, 2)}},
                             q(-1, 1234567)));
}

void negativeFractionsEverywhere(TfrmKeisan& w) {
    std::vector<std::vector<Fraction>> rows(4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            rows[i].push_back(q(-(1000 + 1111 * i + 7 * j), 9973 - 37 * (i + j)));
    showEverywhere(w, square(rows, q(-1234, 5677)));
}

void negativeCoefficient(TfrmKeisan& w) {
    matrices.C = square({{q(1), q(-2, 3)}, {q(4), q(-5)}}, q(-3, 7));
    w.btnXAClick();
    w.btnGyakuCCCClick();
}

// ⊿ = −993 011 994 and C = 1/⊿ × cofactors of six digits.
void largeDelta(TfrmKeisan& w) {
    matrices.C = square({{q(999), q(0), q(0)}, {q(0), q(998), q(0)}, {q(0), q(0), q(-997)}});
    w.btnXAClick();
    w.btnGyakuCCCClick();
}

std::vector<CalcPictures> calculatorCases() {
    const std::pair<const char*, std::function<void(TfrmKeisan&)>> actions[] = {
        {"InverseOfFourByFourFractions", inverseOfFractions},
        {"SevenDigitEntries", sevenDigitEntries},
        {"NegativeFractionsEverywhere", negativeFractionsEverywhere},
        {"CoefficientWithAMinus", negativeCoefficient},
        {"NineDigitDelta", largeDelta}};
    std::vector<CalcPictures> out;
    for (const auto& [name, action] : actions)
        for (int screen : {768, 600}) {
            static std::vector<std::string> names;
            names.push_back(std::string(name) + (screen == 768 ? "At1024x768" : "At800x600"));
            out.push_back({names.back().c_str(), screen, action});
        }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorFitTest, ::testing::ValuesIn(calculatorCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
