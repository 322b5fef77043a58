#include <gtest/gtest.h>

#include <set>

#include "drill/WorksheetLayout.h"
#include "tests/support/RowName.h"

namespace {

struct Expected {
    int screenWidth;
    int rowsPerColumn;
    int imageHeight;
    int imageCount;
    int answerOver;  // the picture the answer group is shown over
    PixelPoint answerAt;
};

void PrintTo(const Expected& e, std::ostream* out) {
    *out << "screen " << e.screenWidth;
}

class WorksheetLayoutBySize : public ::testing::TestWithParam<Expected> {};

TEST_P(WorksheetLayoutBySize, SizesFollowTheScreenWidth) {
    const Expected e = GetParam();
    const int panel = 180;
    WorksheetLayout l = computeWorksheetLayout(e.screenWidth, 600, panel, 21);
    EXPECT_EQ(l.imageWidth, (e.screenWidth - panel) / 2 - 30);
    EXPECT_EQ(l.rowsPerColumn, e.rowsPerColumn);
    EXPECT_EQ(l.imageHeight, e.imageHeight);
    EXPECT_EQ(l.imageCount, e.imageCount);
    EXPECT_EQ(l.pictureHeight, e.imageHeight - 1);
    ASSERT_EQ(static_cast<int>(l.imagePos.size()), e.imageCount + 1);
}

TEST_P(WorksheetLayoutBySize, PicturesRunDownTheColumnsPageByPage) {
    const Expected e = GetParam();
    WorksheetLayout l = computeWorksheetLayout(e.screenWidth, 600, 180, 21);
    const int rpc = l.rowsPerColumn;
    const int pageBody = rpc * l.imageHeight;
    std::set<std::pair<int, int>> seen;
    for (int k = 1; k <= l.imageCount; ++k) {
        const int inPage = (k - 1) % (2 * rpc);
        const int page = (k - 1) / (2 * rpc);
        const int expectedX = inPage < rpc ? 8 : l.imageWidth + 10;
        const int expectedY = page * (pageBody + 21) + (inPage % rpc) * l.imageHeight;
        EXPECT_EQ(l.imagePos[k].x, expectedX) << "picture " << k;
        EXPECT_EQ(l.imagePos[k].y, expectedY) << "picture " << k;
        EXPECT_EQ(l.pageOf(k), page + 1);
        EXPECT_TRUE(seen.insert({l.imagePos[k].x, l.imagePos[k].y}).second) << "overlap at " << k;
        // No picture reaches into a page separator.
        const int bottom = l.imagePos[k].y + l.pictureHeight;
        EXPECT_FALSE(bottom > l.edtPage2.y && l.imagePos[k].y < l.edtPage2.y + 21);
        EXPECT_FALSE(bottom > l.edtPage3.y && l.imagePos[k].y < l.edtPage3.y + 21);
    }
    EXPECT_EQ(l.edtPage2, (PixelPoint{0, pageBody}));
    EXPECT_EQ(l.edtPage3, (PixelPoint{0, 2 * pageBody + 21}));
    EXPECT_EQ(l.contentHeight, 3 * pageBody + 42);
    // Three pages of two columns.
    EXPECT_EQ(l.pageOf(l.imageCount), 3);
    EXPECT_EQ(l.columnOf(l.imageCount), 1);
}

TEST_P(WorksheetLayoutBySize, AnswerGroupCoversTheLastPictureOfPageThreesFirstColumn) {
    const Expected e = GetParam();
    WorksheetLayout l = computeWorksheetLayout(e.screenWidth, 600, 180, 21);
    EXPECT_EQ(l.answerOverImage, e.answerOver);
    EXPECT_EQ(l.answerPos, e.answerAt);
    EXPECT_EQ(l.answerWidth, l.imageWidth);
    // Four answer lines fit beside the bracket, however low the step pictures.
    EXPECT_EQ(l.answerPictureX, (PixelSize{l.imageWidth - 8, 140}));
    EXPECT_EQ(l.answerPictureY, (PixelSize{l.imageWidth - 8, 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, WorksheetLayoutBySize,
    ::testing::Values(Expected{640, 4, 120, 24, 20, {8, 2 * (480 + 21) + 360}},
                      Expected{800, 3, 140, 18, 15, {8, 2 * (420 + 21) + 280}},
                      Expected{1024, 4, 140, 24, 20, {8, 2 * (560 + 21) + 420}},
                      Expected{1280, 4, 140, 24, 20, {8, 2 * (560 + 21) + 420}},
                      Expected{801, 4, 140, 24, 20, {8, 2 * (560 + 21) + 420}}),
    RowName());

TEST(WorksheetLayout, EightHundredWideGivesEighteenPicturesInThreePages) {
    WorksheetLayout l = computeWorksheetLayout(800, 600, 160, 21);
    EXPECT_EQ(l.imageWidth, 290);
    // Picture 4 starts the right column of page 1, picture 7 page 2.
    EXPECT_EQ(l.imagePos[4], (PixelPoint{300, 0}));
    EXPECT_EQ(l.imagePos[7], (PixelPoint{8, 3 * 140 + 21}));
    EXPECT_EQ(l.imagePos[18], (PixelPoint{300, 2 * (420 + 21) + 280}));
}

TEST(WorksheetLayout, WorksheetSitsRightOfThePanelAsHighAsTheStartWindow) {
    WorksheetLayout l = computeWorksheetLayout(1024, 768, 200, 21);
    EXPECT_EQ(l.sheetLeft, 200);
    EXPECT_EQ(l.sheetTop, 0);
    EXPECT_EQ(l.sheetWidth, 1024 - 200 - 12);
    EXPECT_EQ(l.sheetHeight, 768 - 84);
    EXPECT_EQ(l.pageTop(2), 4 * 140 + 21);
}

}  // namespace
