#include "drill/WorksheetLayout.h"

namespace {

// The answer group's picture holds four answer lines beside the bracket, on
// every screen.
constexpr int kAnswerPictureHeight = 140;

}  // namespace

int WorksheetLayout::pageOf(int k) const {
    return (k - 1) / (2 * rowsPerColumn) + 1;
}

int WorksheetLayout::columnOf(int k) const {
    return ((k - 1) % (2 * rowsPerColumn)) / rowsPerColumn;
}

int WorksheetLayout::pageTop(int p) const {
    return (p - 1) * (imageHeight * rowsPerColumn + edtPageHeight);
}

WorksheetLayout computeWorksheetLayout(int screenWidth, int screenHeight, int pnlMainWidth,
                                       int edtPageHeight) {
    WorksheetLayout l;
    l.screenWidth = screenWidth;
    l.screenHeight = screenHeight;
    l.pnlMainWidth = pnlMainWidth;
    l.edtPageHeight = edtPageHeight;

    l.imageWidth = (screenWidth - pnlMainWidth) / 2 - 30;
    if (screenWidth == 640) {
        l.rowsPerColumn = 4;
        l.imageHeight = 120;
    } else if (screenWidth == 800) {
        l.rowsPerColumn = 3;
        l.imageHeight = 140;
    } else {
        l.rowsPerColumn = 4;
        l.imageHeight = 140;
    }
    l.imageCount = 6 * l.rowsPerColumn;
    l.pictureHeight = l.imageHeight - 1;

    // Numbering runs down the left column, then down the right column, then
    // on to the next page.
    l.imagePos.assign(l.imageCount + 1, PixelPoint{});
    for (int k = 1; k <= l.imageCount; ++k) {
        int i = (k - 1) % l.rowsPerColumn;
        int x = l.columnOf(k) == 0 ? 8 : l.imageWidth + 10;
        l.imagePos[k] = {x, l.pageTop(l.pageOf(k)) + i * l.imageHeight};
    }
    int pageBody = l.imageHeight * l.rowsPerColumn;
    l.edtPage2 = {0, pageBody};
    l.edtPage3 = {0, 2 * pageBody + edtPageHeight};
    l.contentHeight = 3 * pageBody + 2 * edtPageHeight;

    l.answerOverImage = 5 * l.rowsPerColumn;
    l.answerPos =
        l.answerOverImage <= l.imageCount ? l.imagePos[l.answerOverImage] : PixelPoint{8, 0};
    l.answerWidth = l.imageWidth;
    l.answerPictureX = {l.imageWidth - 8, kAnswerPictureHeight};
    l.answerPictureY = {l.imageWidth - 8, 1};

    l.sheetTop = 0;  // the top of pnlMain
    l.sheetLeft = pnlMainWidth;
    l.sheetWidth = screenWidth - pnlMainWidth - 12;
    l.sheetHeight = screenHeight - 84;  // the start window's height
    return l;
}
