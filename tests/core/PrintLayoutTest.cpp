#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "drill/PrintLayout.h"

namespace {

struct AnswerAt {
    int sheet = 0;  // 0: no answer printed
    int y = 0;
};

struct PrintCase {
    const char* name;
    PrintLayoutInput in;
    // The step pictures sheet by sheet ("/"), first column "|" second column.
    const char* sheets;
    int scale, x1, x2, yHeader, y0;
    PixelSize printed;  // the printed size of a step picture
    int advance;
    AnswerAt answer;
    bool fitsThePage = true;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

PrintLayoutInput input(int curStep, int rowsPerColumn = 4, bool answer = false) {
    PrintLayoutInput in;
    in.curStep = curStep;
    in.rowsPerColumn = rowsPerColumn;
    in.imageCount = 6 * rowsPerColumn;
    in.stepImage = {300, 120};
    in.screenWidth = 1024;
    in.pageWidth = 4800;
    in.pageHeight = 6600;
    in.answerShown = answer;
    if (answer)
        in.answerImages = {{300, 120}, {300, 1}};
    return in;
}

PrintLayoutInput with(PrintLayoutInput in, void (*change)(PrintLayoutInput&)) {
    change(in);
    return in;
}

// The pattern of a layout, written as PrintCase::sheets.
std::string pattern(const PrintLayout& l) {
    std::ostringstream out;
    for (std::size_t s = 0; s < l.sheets.size(); ++s) {
        if (s)
            out << " / ";
        for (int column = 0; column < 2; ++column) {
            if (column)
                out << "|";
            for (const PrintedImage& p : l.sheets[s].steps)
                if (p.column == column)
                    out << (column ? " " : "") << p.image << (column ? "" : " ");
        }
    }
    return out.str();
}

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class PrintLayoutTable : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintLayoutTable, PicturesGoToTheirSheetColumnAndHeight) {
    const PrintCase& c = GetParam();
    const PrintLayout l = layOutPrint(c.in);
    EXPECT_EQ(pattern(l), c.sheets);
    EXPECT_EQ(nothingToPrint(c.in), l.sheets.empty());
    EXPECT_EQ(l.scale, c.scale);
    EXPECT_EQ(l.x1, c.x1);
    EXPECT_EQ(l.x2, c.x2);
    EXPECT_EQ(l.yHeader, c.yHeader);
    EXPECT_EQ(l.y0, c.y0);
    EXPECT_EQ(l.advance(c.in.stepImage), c.advance);

    for (const PrintedSheet& sheet : l.sheets) {
        SCOPED_TRACE("sheet " + std::to_string(sheet.number));
        EXPECT_EQ(sheet.number, &sheet - l.sheets.data() + 1);
        // Each column runs down from y0, one advance per picture.
        int next[2] = {l.y0, l.y0};
        for (const PrintedImage& p : sheet.steps) {
            const int x = p.column ? l.x2 : l.x1, y = next[p.column];
            EXPECT_EQ(p.rect, (PixelRect{x, y, x + c.printed.width, y + c.printed.height}))
                << "picture " << p.image;
            next[p.column] += c.advance;
        }
        // Nothing covers anything else, the header stands above the pictures.
        std::vector<PixelRect> all;
        for (const PrintedImage& p : sheet.steps)
            all.push_back(p.rect);
        for (const PrintedImage& p : sheet.answer)
            all.push_back(p.rect);
        for (std::size_t i = 0; i < all.size(); ++i)
            for (std::size_t j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(overlap(all[i], all[j])) << i << " and " << j;
        EXPECT_LE(sheet.header.bottom, l.y0);
        EXPECT_EQ(sheet.header.left, l.x1);
        if (c.fitsThePage) {
            all.push_back(sheet.header);
            for (const PixelRect& r : all) {
                EXPECT_GE(r.left, 0);
                EXPECT_LE(r.right, c.in.pageWidth);
                EXPECT_LE(r.bottom, c.in.pageHeight - 100 * l.scale);
            }
        }
    }

    int answerSheet = 0;
    for (const PrintedSheet& sheet : l.sheets) {
        if (sheet.answer.empty())
            continue;
        answerSheet = sheet.number;
        ASSERT_EQ(sheet.answer.size(), c.in.answerImages.size());
        EXPECT_EQ(sheet.answer[0].rect.left, l.x1);
        EXPECT_EQ(sheet.answer[0].rect.top, c.answer.y);
        // The second answer picture follows the first.
        EXPECT_EQ(sheet.answer[1].rect.top, c.answer.y + l.advance(c.in.answerImages[0]));
    }
    EXPECT_EQ(answerSheet, c.answer.sheet);
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, PrintLayoutTable,
    ::testing::Values(
        // A 1024-pixel screen on a 4800-pixel page: scale 4; a 300 x 120
        // picture is printed 1200 x 480 and moves its column down 488.
        PrintCase{
            "FiveSteps", input(5), "1 2 3 4 | 5", 4, 512, 2960, 400, 640, {1200, 480}, 488, {}},
        PrintCase{"NineSteps",
                  input(9),
                  "1 2 3 4 | 5 6 7 8 / 9 |",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        PrintCase{"TwentyFourStepsThreeSheetsNoFourth",
                  input(24),
                  "1 2 3 4 | 5 6 7 8 / 9 10 11 12 | 13 14 15 16 / 17 18 19 20 | 21 22 23 24",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        PrintCase{"ThreeRowsPerColumn",
                  input(7, 3),
                  "1 2 3 | 4 5 6 / 7 |",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        PrintCase{"NothingToPrint", input(0), "", 4, 512, 2960, 400, 640, {1200, 480}, 488, {}},
        // The answer group: below the last second column ...
        PrintCase{"AnswerBelowTheLastSecondColumn",
                  input(24, 4, true),
                  "1 2 3 4 | 5 6 7 8 / 9 10 11 12 | 13 14 15 16 / 17 18 19 20 | 21 22 23 24",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {3, 640 + 4 * 488}},
        // ... and a step number beyond the last picture starts no empty sheet.
        PrintCase{"StepBeyondTheLastPicture",
                  with(input(25, 4, true), [](PrintLayoutInput& in) { in.imageCount = 24; }),
                  "1 2 3 4 | 5 6 7 8 / 9 10 11 12 | 13 14 15 16 / 17 18 19 20 | 21 22 23 24",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {3, 640 + 4 * 488}},
        // When the last second column is empty the answer goes below the
        // first column, not over its first pictures.
        PrintCase{"AnswerWhenTheLastSecondColumnIsEmpty",
                  input(12, 4, true),
                  "1 2 3 4 | 5 6 7 8 / 9 10 11 12 |",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {2, 640 + 4 * 488}},
        PrintCase{"AnswerBelowALongerFirstColumn",
                  input(14, 4, true),
                  "1 2 3 4 | 5 6 7 8 / 9 10 11 12 | 13 14",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {2, 640 + 4 * 488}},
        PrintCase{"AnswerTooTallGoesOnASheetOfItsOwn",
                  with(input(8, 4, true),
                       [](PrintLayoutInput& in) {
                           in.answerImages = {{300, 1200}, {300, 1}};
                       }),
                  "1 2 3 4 | 5 6 7 8 / |",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {2, 640}},
        // The picture that holds the answer: below a full sheet rather than
        // alone on a new one; in the worksheet's next place when there is one;
        // on a new sheet only when it does not fit below.
        PrintCase{"AnswerPictureBelowAFullSheet",
                  with(input(7, 3), [](PrintLayoutInput& in) { in.lastIsAnswer = true; }),
                  "1 2 3 7 | 4 5 6",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        PrintCase{"AnswerPictureTakesTheNextPlace",
                  with(input(7, 4), [](PrintLayoutInput& in) { in.lastIsAnswer = true; }),
                  "1 2 3 4 | 5 6 7",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        PrintCase{"AnswerPictureThatDoesNotFitBelow",
                  with(input(9, 4),
                       [](PrintLayoutInput& in) {
                           in.lastIsAnswer = true;
                           in.pageHeight = 3000;
                       }),
                  "1 2 3 4 | 5 6 7 8 / 9 |",
                  4,
                  512,
                  2960,
                  400,
                  640,
                  {1200, 480},
                  488,
                  {}},
        // A4 at 1200 dpi and the worksheet of a 1024-pixel screen: the page
        // holds 8 printer pixels per screen pixel, not 9, so that the second
        // column ends inside the page.
        PrintCase{"A4At1200Dpi",
                  with(input(9),
                       [](PrintLayoutInput& in) {
                           in.stepImage = {374, 139};
                           in.pageWidth = 9921;
                           in.pageHeight = 14031;
                       }),
                  "1 2 3 4 | 5 6 7 8 / 9 |",
                  8,
                  1024,
                  5920,
                  800,
                  1280,
                  {2992, 1112},
                  1128,
                  {}},
        // Landscape at the largest size: one full column decides the scale.
        PrintCase{"LandscapeLargestSize",
                  with(input(8),
                       [](PrintLayoutInput& in) {
                           in.stepImage = {374, 139};
                           in.pageWidth = 14031;
                           in.pageHeight = 9921;
                           in.params.charSize = 5;
                       }),
                  "1 2 3 4 | 5 6 7 8",
                  8,
                  1024,
                  5920,
                  800,
                  1280,
                  {4488, 1668},
                  1692,
                  {}},
        // A wide screen at the largest size: the columns move apart so the
        // pictures do not overlap.
        PrintCase{"WideScreenLargestSize",
                  with(input(6),
                       [](PrintLayoutInput& in) {
                           in.stepImage = {822, 139};
                           in.screenWidth = 1920;
                           in.pageWidth = 9921;
                           in.pageHeight = 14031;
                           in.params.charSize = 5;
                       }),
                  "1 2 3 4 | 5 6",
                  3,
                  384,
                  4131,
                  300,
                  480,
                  {3699, 625},
                  634,
                  {}},
        PrintCase{"SmallestSizeNoBlank",
                  with(input(5),
                       [](PrintLayoutInput& in) {
                           in.params = {1, 0};
                       }),
                  "1 2 3 4 | 5",
                  4,
                  0,
                  2448,
                  400,
                  640,
                  {600, 240},
                  244,
                  {}},
        // A page too small for a full column even at scale 1: the column
        // goes on on a new sheet, and the second column follows it there.
        PrintCase{"PageTooSmallForAColumn",
                  with(input(8),
                       [](PrintLayoutInput& in) {
                           in.pageWidth = 1000;
                           in.pageHeight = 600;
                       }),
                  "1 2 | / 3 4 | 5 6 7 8",
                  1,
                  128,
                  740,
                  100,
                  160,
                  {300, 120},
                  122,
                  {},
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

// The print job of a worksheet, on a 1024 x 768 and an 800 x 600 screen
// beside a drill panel 200 pixels wide.
struct JobCase {
    const char* name;
    int screenWidth, screenHeight;
    std::vector<int> drawn;  // the step pictures something was drawn on
    int curStep;
    bool solved, answerShown;
    int printedStep;  // the job's last step: 0 when there is nothing to print
    int pictures;     // step pictures in the job
    bool lastIsAnswer;
    std::vector<PixelSize> answerImages;
    bool nothing;
};

void PrintTo(const JobCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<int> upTo(int last) {
    std::vector<int> out;
    for (int k = 1; k <= last; ++k)
        out.push_back(k);
    return out;
}

class PrintJobTable : public ::testing::TestWithParam<JobCase> {};

TEST_P(PrintJobTable, GatheredFromTheWorksheet) {
    const JobCase& c = GetParam();
    const WorksheetLayout layout = computeWorksheetLayout(c.screenWidth, c.screenHeight, 200);
    WorksheetPictures pictures;
    pictures.resize(layout.imageCount);
    for (int k : c.drawn)
        pictures.image(k)->add(textLine(1, "第1行を1倍すると"));
    std::tm stamp{};
    stamp.tm_min = 7;
    const PrintJob job =
        makePrintJob(layout, pictures, c.curStep, c.solved, c.answerShown, {5, 2}, stamp);

    EXPECT_EQ(job.input.curStep, c.printedStep);
    ASSERT_EQ(static_cast<int>(job.steps.size()), c.pictures);
    for (int k = 1; k <= c.pictures; ++k)
        EXPECT_EQ(job.step(k), pictures.image(k)) << k;
    EXPECT_EQ(job.step(0), nullptr);
    EXPECT_EQ(job.step(c.pictures + 1), nullptr);
    EXPECT_EQ(job.input.lastIsAnswer, c.lastIsAnswer);
    EXPECT_EQ(job.input.answerShown, c.answerShown);
    ASSERT_EQ(job.input.answerImages.size(), c.answerImages.size());
    for (std::size_t i = 0; i < c.answerImages.size(); ++i)
        EXPECT_EQ(job.input.answerImages[i], c.answerImages[i]) << i;
    EXPECT_EQ(job.answer, c.answerShown
                              ? (std::vector<const Picture*>{&pictures.imgBOXX, &pictures.imgBOXY})
                              : std::vector<const Picture*>{});
    EXPECT_EQ(nothingToPrint(job.input), c.nothing);
    // The worksheet's sizes and the print parameters travel with the job.
    EXPECT_EQ(job.input.stepImage, (PixelSize{layout.imageWidth, layout.imageHeight - 1}));
    EXPECT_EQ(job.input.screenWidth, c.screenWidth);
    EXPECT_EQ(job.input.rowsPerColumn, layout.rowsPerColumn);
    EXPECT_EQ(job.input.imageCount, layout.imageCount);
    EXPECT_EQ(job.input.params.charSize, 5);
    EXPECT_EQ(job.input.params.leftBlank, 2);
    EXPECT_EQ(job.stamp.tm_min, 7);
}

const JobCase kJobCases[] = {
    {"NoStepYet", 1024, 768, {}, 0, false, false, 0, 0, false, {}, true},
    // No question set up: the pictures in use are all blank.
    {"BlankWorksheet", 1024, 768, {}, 2, false, false, 0, 0, false, {}, true},
    {"TwoSteps", 1024, 768, {1, 2}, 2, false, false, 2, 2, false, {}, false},
    {"BlankPicturesBesideADrawnOne", 1024, 768, {3}, 5, false, false, 5, 5, false, {}, false},
    {"SolvedOnTheWorksheet", 1024, 768, upTo(9), 9, true, false, 9, 9, true, {}, false},
    {"SolvedInTheAnswerGroup1024",
     1024,
     768,
     upTo(24),
     24,
     true,
     true,
     24,
     24,
     false,
     {{374, 140}, {374, 1}},
     false},
    {"SolvedInTheAnswerGroup800",
     800,
     600,
     upTo(18),
     18,
     true,
     true,
     18,
     18,
     false,
     {{262, 140}, {262, 1}},
     false},
    {"AnswerGroupOverABlankWorksheet",
     800,
     600,
     {},
     3,
     false,
     true,
     3,
     3,
     false,
     {{262, 140}, {262, 1}},
     false},
    {"StepBeyondTheLastPicture",
     800,
     600,
     upTo(18),
     19,
     true,
     true,
     19,
     18,
     false,
     {{262, 140}, {262, 1}},
     false},
};

INSTANTIATE_TEST_SUITE_P(Worksheets, PrintJobTable, ::testing::ValuesIn(kJobCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintHeader, DateTimeAndPage) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 9;
    when.tm_min = 5;
    EXPECT_EQ(printHeaderText(when, 2), "2026.12.06 9:05 【Page2】");
    when.tm_hour = 23;
    when.tm_min = 59;
    when.tm_mon = 0;
    when.tm_mday = 31;
    EXPECT_EQ(printHeaderText(when, 1), "2026.01.31 23:59 【Page1】");
}

}  // namespace
