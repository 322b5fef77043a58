#include "drill/PrintLayout.h"

#include <algorithm>
#include <cstdio>

namespace {

// Screen pixels per character of the left blank.
constexpr int kBlankCharWidth = 32;
// The header's top, the gap between it and the pictures, and the room kept
// free at the foot of a sheet, in screen pixels.
constexpr int kHeaderTop = 100;
constexpr int kHeaderGap = 60;
constexpr int kHeaderHeight = 50;
constexpr int kFootRoom = 100;
// The least room between the two columns, in screen pixels.
constexpr int kColumnGap = 16;

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

}  // namespace

PixelSize PrintLayout::printedSize(PixelSize screen) const {
    return {screen.width * magnification * scale / kPageMagnification,
            screen.height * magnification * scale / kPageMagnification};
}

int PrintLayout::advance(PixelSize screen) const {
    return (screen.height + 2) * magnification * scale / kPageMagnification;
}

PrintLayout layOutPrint(const PrintLayoutInput& in) {
    PrintLayout out;
    const int charSize = std::clamp(in.params.charSize, kMinCharSize, kMaxCharSize);
    const int leftBlank = std::clamp(in.params.leftBlank, kMinLeftBlank, kMaxLeftBlank);
    const int rows = std::max(1, in.rowsPerColumn);
    const int m = charSize + 1;
    out.magnification = m;

    // What the sheet needs, in screen pixels: the columns half a screen and
    // 100 pixels apart (further when the pictures are wider than that), and
    // a full column under the header with room at the foot.
    const int imageWidth = ceilDiv(in.stepImage.width * m, kPageMagnification);
    const int imageAdvance = ceilDiv((in.stepImage.height + 2) * m, kPageMagnification);
    const int pitch = std::max(in.screenWidth / 2 + 100, imageWidth + kColumnGap);
    const int neededWidth = leftBlank * kBlankCharWidth + pitch + imageWidth;
    const int neededHeight = kHeaderTop + kHeaderGap + rows * imageAdvance + kFootRoom;
    const int byWidth = in.pageWidth / std::max(in.screenWidth, neededWidth);
    const int byHeight = in.pageHeight / neededHeight;
    out.scale = std::max(1, std::min(byWidth, byHeight));

    const int scale = out.scale;
    out.x1 = leftBlank * kBlankCharWidth * scale;
    out.x2 = pitch * scale + out.x1;
    out.yHeader = kHeaderTop * scale;
    out.y0 = out.yHeader + kHeaderGap * scale;
    const int footLimit = in.pageHeight - kFootRoom * scale;
    const PixelRect header = PixelRect::fromSize(
        out.x1, out.yHeader, out.x2 + out.printedSize(in.stepImage).width - out.x1,
        kHeaderHeight * scale);

    int bottom = out.y0;  // the lowest point reached on the current sheet
    auto newSheet = [&] {
        PrintedSheet sheet;
        sheet.number = static_cast<int>(out.sheets.size()) + 1;
        sheet.header = header;
        out.sheets.push_back(std::move(sheet));
        bottom = out.y0;
    };
    // Places a picture and returns how far it moves its column down.
    auto place = [&](std::vector<PrintedImage>& list, int image, int column, int x, int y,
                     PixelSize screen) {
        const PixelSize size = out.printedSize(screen);
        list.push_back({image, column, PixelRect::fromSize(x, y, size.width, size.height)});
        bottom = std::max(bottom, y + out.advance(screen));
        return out.advance(screen);
    };

    // Step pictures beyond the worksheet's last one do not exist: nothing is
    // printed for them, and no sheet is started for them alone. A picture
    // that holds the answer is kept out of the flow and placed last.
    const int last = std::min(in.curStep, in.imageCount);
    const int flowLast = in.lastIsAnswer ? last - 1 : last;
    const int stepHeight = out.printedSize(in.stepImage).height;
    int p = 1;
    int y1 = out.y0, y2 = out.y0;  // the next place in each column of the last sheet
    int in1 = 0, in2 = 0;          // pictures in each column of the last sheet
    // A picture that would reach into the foot of the sheet goes on a new one
    // (only on a page too small for a full column).
    auto keepOffTheFoot = [&] {
        if (y1 > out.y0 && y1 + stepHeight > footLimit) {
            newSheet();
            y1 = y2 = out.y0;
        }
    };
    for (int page = 1; page <= 3 && p <= flowLast; ++page) {
        newSheet();
        y1 = y2 = out.y0;
        in1 = in2 = 0;
        for (; in1 < rows && p <= flowLast; ++in1, ++p) {
            keepOffTheFoot();
            y1 += place(out.sheets.back().steps, p, 0, out.x1, y1, in.stepImage);
        }
        for (; in2 < rows && p <= flowLast; ++in2, ++p)
            y2 += place(out.sheets.back().steps, p, 1, out.x2, y2, in.stepImage);
    }

    // The answer's picture takes the worksheet's next place when the last
    // sheet has one; on a full sheet it stands in the first column below the
    // lower of the two columns, and starts a sheet of its own only when it
    // does not fit there.
    if (in.lastIsAnswer && last >= 1) {
        if (out.sheets.empty()) {
            newSheet();
            place(out.sheets.back().steps, last, 0, out.x1, out.y0, in.stepImage);
        } else if (in1 < rows) {
            keepOffTheFoot();
            place(out.sheets.back().steps, last, 0, out.x1, y1, in.stepImage);
        } else if (in2 < rows) {
            place(out.sheets.back().steps, last, 1, out.x2, y2, in.stepImage);
        } else {
            int y = bottom;
            if (y + stepHeight > footLimit) {
                newSheet();
                y = out.y0;
            }
            place(out.sheets.back().steps, last, 0, out.x1, y, in.stepImage);
        }
    }

    // The answer group's pictures go in the first column below everything on
    // the last sheet, so they never cover a step; on a new sheet when they
    // would reach into its foot.
    if (in.answerShown && !in.answerImages.empty()) {
        if (out.sheets.empty())
            newSheet();
        int needed = 0;
        for (const PixelSize& s : in.answerImages)
            needed += out.advance(s);
        if (bottom > out.y0 && bottom + needed > footLimit)
            newSheet();
        int y = bottom;
        for (std::size_t i = 0; i < in.answerImages.size(); ++i)
            y += place(out.sheets.back().answer, static_cast<int>(i), 0, out.x1, y,
                       in.answerImages[i]);
    }
    return out;
}

bool nothingToPrint(const PrintLayoutInput& in) {
    const bool steps = std::min(in.curStep, in.imageCount) >= 1;
    const bool answer = in.answerShown && !in.answerImages.empty();
    return !steps && !answer;
}

const Picture* PrintJob::step(int k) const {
    if (k < 1 || k > static_cast<int>(steps.size()))
        return nullptr;
    return steps[static_cast<std::size_t>(k - 1)];
}

PrintJob makePrintJob(const WorksheetLayout& layout, const WorksheetPictures& pictures, int curStep,
                      bool solved, bool answerShown, const PrintParameters& params,
                      const std::tm& stamp) {
    PrintJob job;
    job.stamp = stamp;
    PrintLayoutInput& in = job.input;
    in.curStep = curStep;
    in.rowsPerColumn = layout.rowsPerColumn;
    in.imageCount = layout.imageCount;
    in.stepImage = {layout.imageWidth, layout.pictureHeight};
    in.screenWidth = layout.screenWidth;
    in.params = params;
    in.answerShown = answerShown;
    in.lastIsAnswer = solved && !answerShown;
    if (answerShown) {
        in.answerImages = {layout.answerPictureX, layout.answerPictureY};
        job.answer = {&pictures.imgBOXX, &pictures.imgBOXY};
    }
    const int last = std::min(curStep, layout.imageCount);
    bool anything = answerShown;
    for (int k = 1; k <= last; ++k) {
        const Picture* p = pictures.image(k);
        job.steps.push_back(p);
        anything = anything || (p && !p->empty());
    }
    if (!anything) {
        in.curStep = 0;
        job.steps.clear();
    }
    return job;
}

std::string printHeaderText(const std::tm& when, int page) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%d.%02d.%02d %d:%02d 【Page%d】", when.tm_year + 1900,
                  when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, page);
    return buf;
}
