#pragma once
// What the drill panel and the worksheet show: the drill's state read in
// place, and the few values worked out from it. The windows take a view from
// the drill (Drill::view) after every change notification.

#include <array>

#include "drill/DrillState.h"
#include "drill/WorksheetPictures.h"

struct DrillView {
    // The state itself, read in place: the caption, btnNext (nextEnabled,
    // blinkRunning, nextGlyph), the answer group (grbKaiVisible), the focus
    // rule's target and its counter (apply the focus when the counter
    // changes), the scroll position and its counter, the current unit and
    // step, and lstExt, the current question's equation texts.
    const DrillState& state;
    // What is composed: pnlNumber (numberText), lblMess (opLabel), btnJikkou.
    const EntryState& entry;
    const WorksheetLayout& layout;  // where the pictures and the answer group (grbKai) sit
    const WorksheetPictures& pictures;

    // Worked out from the state.
    std::array<bool, 4> rowButtonEnabled{};  // btnGyou1 … btnGyou4
    bool numberGroupEnabled = false;         // grbNumber and its keys
    Rgb numberGroupColour = kRgbGrey;        // teal when enabled, grey when not
    Rgb operationGroupColour = kRgbTeal;     // grbSousa: never disabled
    unsigned generation = 0;                 // raised on every change notification
};
