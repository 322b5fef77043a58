#pragma once
// What a printed worksheet shows and where it puts everything: the print job
// gathered from the worksheet (which pictures, at which size on the screen,
// whether there is anything to print at all), and which step picture goes to
// which sheet and column, at which height, where the header line and the
// answer go. A pure function of the drill's position, the screen and page
// sizes and the two print parameters; every rectangle is in printer pixels.
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

#include "drill/WorksheetLayout.h"
#include "drill/WorksheetPictures.h"
#include "picture/Geometry.h"

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

struct PrintLayoutInput {
    int curStep = 0;        // the last step picture in use
    int rowsPerColumn = 4;  // pictures in one worksheet column
    int imageCount = 24;    // Image1 … Image<imageCount> exist
    PixelSize stepImage;    // the size of a step picture on the screen
    int screenWidth = 0;
    int pageWidth = 0;  // the printable area, in printer pixels
    int pageHeight = 0;
    PrintParameters params;
    // The last step picture holds the answer (the question is solved and the
    // answer was written on the worksheet, not in the answer group).
    bool lastIsAnswer = false;
    bool answerShown = false;             // the answer group grbKai is visible
    std::vector<PixelSize> answerImages;  // its pictures on the screen, top to bottom
};

// One picture on a sheet: a step picture (`image` is its number k) or a
// picture of the answer group (`image` is its index in answerImages).
struct PrintedImage {
    int image = 0;
    int column = 0;  // 0 first, 1 second
    PixelRect rect;
    friend bool operator==(const PrintedImage&, const PrintedImage&) = default;
};

struct PrintedSheet {
    int number = 0;    // 1, 2, … in printing order: the header's page number
    PixelRect header;  // the header line stands at the bottom right of this rectangle
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
    PixelSize printedSize(PixelSize screen) const;
    int advance(PixelSize screen) const;
};

PrintLayout layOutPrint(const PrintLayoutInput& in);

// Whether `in` puts nothing on paper: no step picture in use and no answer
// group to print. layOutPrint lays out no sheet then, whatever the page.
bool nothingToPrint(const PrintLayoutInput& in);

// Printing the worksheet, worked out before a printer is chosen: everything
// the layout needs but the page size, which the printer gives, the pictures
// to paint and the time on the header lines. It points into the worksheet's
// pictures, which must outlive it.
struct PrintJob {
    PrintLayoutInput input;  // pageWidth and pageHeight are left for the printer
    // Step picture k is steps[k - 1], k = 1 … min(input.curStep, input.imageCount).
    std::vector<const Picture*> steps;
    // The answer group's pictures, each beside its size in input.answerImages.
    std::vector<const Picture*> answer;
    std::tm stamp{};  // the date and time of the header lines

    // Step picture k, or nullptr when the job has none.
    const Picture* step(int k) const;
};

// The job of printing the worksheet laid out by `layout` with `pictures`, at
// step `curStep` of a question that is `solved` or not, with the answer group
// showing or not. The picture that holds the answer is printed last when the
// question is solved on the worksheet, not in the answer group. A worksheet
// whose pictures are all blank (no question set up) and no answer group has
// nothing to print.
PrintJob makePrintJob(const WorksheetLayout& layout, const WorksheetPictures& pictures, int curStep,
                      bool solved, bool answerShown, const PrintParameters& params,
                      const std::tm& stamp);

// The header line of a sheet: "2026.12.06 9:05 【Page2】" (month and day with
// two digits, the hour with one or two, the minutes with two).
std::string printHeaderText(const std::tm& when, int page);
