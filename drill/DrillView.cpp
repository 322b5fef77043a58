#include "drill/DrillView.h"

#include "drill/Drill.h"

DrillView Drill::view() const {
    DrillView v{drillState, entryState, worksheetLayout, worksheetPictures};
    const bool composing = drillState.questionReady && !questionSolved();
    for (int i = 0; i < 4; ++i)
        v.rowButtonEnabled[i] = composing && i < drillState.unknownCount;
    v.numberGroupEnabled = numberGroupEnabled();
    v.numberGroupColour = v.numberGroupEnabled ? kRgbTeal : kRgbGrey;
    v.operationGroupColour = kRgbTeal;
    v.generation = generation_;
    return v;
}

const Picture* Drill::stepPicture(int k) const {
    return worksheetPictures.image(k);
}

const Picture& Drill::answerPictureX() const {
    return worksheetPictures.imgBOXX;
}

const Picture& Drill::answerPictureY() const {
    return worksheetPictures.imgBOXY;
}

const WorksheetLayout& Drill::sheetLayout() const {
    return worksheetLayout;
}
