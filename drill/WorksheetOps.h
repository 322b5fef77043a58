#pragma once
// Drawing and control helpers shared by the drill's operations. Internal to
// drill/: the windows use Drill.h.

#include <string>

#include "drill/WorksheetPictures.h"

namespace sheet {

// Image k, or nullptr outside 1 … imageCount.
Picture* picture(int k);
// Assigns the blank picture to image k (when it exists).
void clearPicture(int k);
// Draws picture k as the step picture of step k: the coloured augmented
// matrix and its brackets.
void drawStepPicture(int k);
// Draws text line `line` on picture k when it exists.
void drawTextLine(int k, int line, const std::string& text, Rgb colour);

// Row bands on picture curStep.
void highlightRow(int r);
void unhighlightLitRow();

// The composed operation on the picture after curStep: "set" clears that
// picture and draws the text; "append" adds to the text and draws it again.
void setOpLabel(const std::string& text);
void appendOpLabel(const std::string& text);

void startBlink();
void stopBlink();

// Shows a message after letting the windows repaint.
void say(const std::string& text);
// Moves the worksheet's scroll position.
void scrollTo(int position);

}  // namespace sheet
