#pragma once
// Everything the drill panel and the worksheet show besides the pictures,
// gathered in one value, and read-only access to the pictures and the
// layout. The windows read the drill only through these, after every change
// notification (setDrillObserver).

#include <array>
#include <string>
#include <vector>

#include "drill/DrillState.h"
#include "drill/WorksheetPictures.h"

struct DrillView {
    std::array<bool, 4> rowButtonEnabled{};  // btnGyou1 … btnGyou4
    bool numberGroupEnabled = false;         // grbNumber and its keys
    Rgb numberGroupColour = kRgbGrey;        // teal when enabled, grey when not
    Rgb operationGroupColour = kRgbTeal;     // grbSousa: never disabled
    bool jikkouEnabled = false;              // btnJikkou
    bool nextEnabled = true;                 // btnNext
    // Where the focus rule sent the focus, and a counter raised each time it
    // ran: apply the focus when the counter changes.
    FocusTarget focus = FocusTarget::None;
    unsigned focusRequests = 0;
    std::string caption;     // the worksheet's caption
    std::string numberText;  // pnlNumber
    std::string opLabel;     // lblMess
    bool grbKaiVisible = false;
    int grbKaiOverImage = 0;    // grbKai is shown over this picture
    bool blinkRunning = false;  // timBlink enabled (1000 ms; call timBlinkTimer)
    NextGlyph nextGlyph = NextGlyph::Q;
    // The worksheet's vertical scroll position, and a counter raised each time
    // the model moved it: apply the position when the counter changes.
    int scrollPos = 0;
    unsigned scrollRequests = 0;
    int curUnit = 1;
    int curStep = 0;
    int imageCount = 0;
    std::vector<std::string> equations;  // lstExt: the current question's equation texts
    unsigned generation = 0;             // drillGeneration()
};

DrillView drillView();

// Image k of the worksheet, nullptr outside 1 … imageCount.
const Picture* stepPicture(int k);
// The answer group's two pictures, imgBOXX and imgBOXY.
const Picture& answerPictureX();
const Picture& answerPictureY();
// Where everything sits on the worksheet (set by setupWorksheet).
const WorksheetLayout& sheetLayout();
