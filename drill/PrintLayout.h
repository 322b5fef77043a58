#pragma once
// Where a printed worksheet puts everything: which step picture goes to which
// sheet and column, at which height, where the header line and the answer go.
// A pure function of the drill's position, the screen and page sizes and the
// two print parameters; every rectangle is in printer pixels.
//
// The page is mapped onto the screen by an integer scale: the columns stand
// where they would stand on a screen of that many printer pixels per pixel
// (the first at the left blank, the second half a screen and 100 pixels to
// its right), and a picture is printed magnification / 4 times that scale, so
// the default magnification 4 prints the pictures as large as the page maps
// the screen. The scale is the page width divided by the screen width, made
// smaller where the two columns or one full column would not fit the page.

#include <ctime>
#include <string>
#include <vector>

// The two print parameters of the print settings window.
struct PrintParameters {
    int charSize = 3;   // "文字の大きさ", 1 … 5; the magnification is charSize + 1
    int leftBlank = 4;  // "左側空白（文字数）", 0 … 6 characters of 32 screen pixels
};
constexpr int kMinCharSize = 1;
constexpr int kMaxCharSize = 5;
constexpr int kMinLeftBlank = 0;
constexpr int kMaxLeftBlank = 6;
// The magnification at which a picture is printed at the page's own scale.
constexpr int kPageMagnification = 4;

struct PrintSize {
    int width = 0;
    int height = 0;
};

struct PrintRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

struct PrintLayoutInput {
    int curStep = 0;        // the last step picture in use
    int rowsPerColumn = 4;  // pictures in one worksheet column
    int imageCount = 24;    // Image1 … Image<imageCount> exist
    PrintSize stepImage;    // the size of a step picture on the screen
    int screenWidth = 0;
    int pageWidth = 0;  // the printable area, in printer pixels
    int pageHeight = 0;
    PrintParameters params;
    // The last step picture holds the answer (the question is solved and the
    // answer was written on the worksheet, not in the answer group).
    bool lastIsAnswer = false;
    bool answerShown = false;             // the answer group grbKai is visible
    std::vector<PrintSize> answerImages;  // its pictures on the screen, top to bottom
};

// One picture on a sheet: a step picture (`image` is its number k) or a
// picture of the answer group (`image` is its index in answerImages).
struct PrintedImage {
    int image = 0;
    int column = 0;  // 0 first, 1 second
    PrintRect rect;
    friend bool operator==(const PrintedImage&, const PrintedImage&) = default;
};

struct PrintedSheet {
    int number = 0;    // 1, 2, … in printing order: the header's page number
    PrintRect header;  // the header line stands at the bottom right of this rectangle
    std::vector<PrintedImage> steps;
    std::vector<PrintedImage> answer;
};

struct PrintLayout {
    int scale = 1;
    int magnification = 4;
    int x1 = 0;       // left edge of the first column
    int x2 = 0;       // left edge of the second column
    int yHeader = 0;  // top of the header line
    int y0 = 0;       // top of the first picture of a column
    std::vector<PrintedSheet> sheets;

    // The printed size of a picture of `screen` pixels, and how far it moves
    // the column down (its height and 2 pixels, magnified).
    PrintSize printedSize(PrintSize screen) const;
    int advance(PrintSize screen) const;
};

PrintLayout layOutPrint(const PrintLayoutInput& in);

// The header line of a sheet: "2026.12.06 9:05 【Page2】" (month and day with
// two digits, the hour with one or two, the minutes with two).
std::string printHeaderText(const std::tm& when, int page);
