#include "drill/DrillView.h"

#include "drill/Entry.h"

DrillView drillView() {
    DrillView v;
    const bool composing = drillState.questionReady && !questionSolved();
    for (int i = 0; i < 4; ++i)
        v.rowButtonEnabled[i] = composing && i < drillState.unknownCount;
    v.numberGroupEnabled = numberGroupEnabled();
    v.numberGroupColour = v.numberGroupEnabled ? kRgbTeal : kRgbGrey;
    v.operationGroupColour = kRgbTeal;
    v.jikkouEnabled = entryState.jikkouEnabled;
    v.nextEnabled = drillState.nextEnabled;
    v.focus = drillState.focus;
    v.focusRequests = drillState.focusRequests;
    v.caption = drillState.caption;
    v.numberText = entryState.numberText;
    v.opLabel = entryState.opLabel;
    v.grbKaiVisible = drillState.grbKaiVisible;
    v.grbKaiOverImage = worksheetLayout.answerOverImage;
    v.blinkRunning = drillState.blinkRunning;
    v.nextGlyph = drillState.nextGlyph;
    v.scrollPos = drillState.scrollPos;
    v.scrollRequests = drillState.scrollRequests;
    v.curUnit = drillState.curUnit;
    v.curStep = drillState.curStep;
    v.equations = drillState.lstExt;
    v.imageCount = worksheetLayout.imageCount;
    v.generation = drillGeneration();
    return v;
}

const Picture* stepPicture(int k) {
    return worksheetPictures.image(k);
}

const Picture& answerPictureX() {
    return worksheetPictures.imgBOXX;
}

const Picture& answerPictureY() {
    return worksheetPictures.imgBOXY;
}

const WorksheetLayout& sheetLayout() {
    return worksheetLayout;
}
