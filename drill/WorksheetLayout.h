#pragma once
// Where everything sits on the worksheet: the size and number of the step
// pictures, their places on the three pages of two columns, the page
// separators, and the worksheet window itself. A pure function of the screen
// size and the width of the drill panel.

#include <vector>

#include "picture/Geometry.h"

// Height of a one-line edit box in the panel font: the page separators.
constexpr int kDefaultEdtPageHeight = 21;

struct WorksheetLayout {
    // Inputs.
    int screenWidth = 0;
    int screenHeight = 0;
    int pnlMainWidth = 0;
    int edtPageHeight = 0;  // height of the page separators edtPage2 and edtPage3

    int imageWidth = 0;     // (screen width - pnlMain width) / 2 - 30
    int rowsPerColumn = 4;  // 4, or 3 on a screen exactly 800 wide
    int imageHeight = 140;  // 120 on a screen exactly 640 wide, else 140
    int imageCount = 24;    // 6 x rowsPerColumn
    int pictureHeight = 0;  // every picture is imageWidth x (imageHeight - 1)

    // Top-left corner of picture k is imagePos[k], k = 1 … imageCount (entry 0 unused).
    std::vector<PixelPoint> imagePos;
    PixelPoint edtPage2;
    PixelPoint edtPage3;
    int contentHeight = 0;  // bottom of the last page

    // The answer group grbKai: as wide as a picture, over picture
    // answerOverImage (5 x rowsPerColumn, the last of the third page's first
    // column) with its top-left corner on that picture's. Its pictures are
    // 8 pixels narrower than a step picture: imgBOXX has room for four answer
    // lines beside the bracket, imgBOXY is one pixel high.
    int answerOverImage = 0;
    PixelPoint answerPos;
    int answerWidth = 0;
    PixelSize answerPictureX;
    PixelSize answerPictureY;

    // The worksheet window inside the frame.
    int sheetLeft = 0;
    int sheetTop = 0;
    int sheetWidth = 0;
    int sheetHeight = 0;

    // Page 1 … 3 of picture k and its column (0 left, 1 right).
    int pageOf(int k) const;
    int columnOf(int k) const;
    // Scroll position at which page p starts.
    int pageTop(int p) const;
};

// The layout for a screen of the given size and a drill panel of the given
// width. The frame fills the screen; the worksheet sits right of the panel and
// is as high as the start window (screen height - 84).
WorksheetLayout computeWorksheetLayout(int screenWidth, int screenHeight, int pnlMainWidth,
                                       int edtPageHeight = kDefaultEdtPageHeight);
