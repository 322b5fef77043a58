// The drill's drawing and control helpers, shared by its parts.

#include <utility>

#include "arith/Equation.h"
#include "drill/Drill.h"

Picture* Drill::picture(int k) {
    if (worksheetPictures.count() != worksheetLayout.imageCount)
        worksheetPictures.resize(worksheetLayout.imageCount);
    return worksheetPictures.image(k);
}

void Drill::clearPicture(int k) {
    if (Picture* p = picture(k))
        p->clear();
}

void Drill::drawStepPicture(int k) {
    Picture* p = picture(k);
    if (!p)
        return;
    p->clear();
    StepMatrixItem m = makeStepMatrix(equationList, k, worksheetLayout.imageWidth);
    BracketItem left = leftBracket(m);
    BracketItem right = rightBracket(m);
    p->add(std::move(m));
    p->add(left);
    p->add(right);
}

void Drill::drawTextLine(int k, int line, const std::string& text, Rgb colour) {
    if (Picture* p = picture(k))
        p->add(textLine(line, text, colour));
}

void Drill::toggleBand(int r) {
    Picture* p = picture(drillState.curStep);
    if (!p)
        return;
    const StepMatrixItem* m = p->matrix();
    if (!m)
        return;
    p->toggleBand(bandFor(*m, r));
}

void Drill::drawLabel(bool clearFirst) {
    Picture* p = picture(drillState.curStep + 1);
    if (!p)
        return;
    if (clearFirst)
        p->clear();
    if (entryState.opLabel.empty())
        return;  // an empty text draws nothing
    p->drawOpLabel({worksheetLayout.pictureHeight / 3, entryState.opLabel});
}

void Drill::highlightRow(int r) {
    drillState.pickedRow = r;
    toggleBand(r);
}

void Drill::unhighlightLitRow() {
    if (drillState.litRow >= 0)
        toggleBand(drillState.litRow);
    drillState.litRow = -1;
}

void Drill::setOpLabel(const std::string& text) {
    entryState.opLabel = text;
    drawLabel(true);
}

void Drill::appendOpLabel(const std::string& text) {
    entryState.opLabel += text;
    drawLabel(false);
}

void Drill::startBlink() {
    drillState.blinkRunning = true;
}

void Drill::stopBlink() {
    drillState.blinkRunning = false;
    drillState.blinkPhase = false;
    drillState.nextGlyph = NextGlyph::Q;
}

void Drill::say(const std::string& text) {
    notifyDrillChanged();
    ui().showMessage(text);
}

void Drill::tell(const Messages& messages) {
    for (const std::string& text : messages)
        ui().showMessage(text);
}

AbortRetryIgnoreQuestion Drill::zeroDivisionQuestion() {
    return [this](const std::string& caption, const std::string& text) {
        ui().askAbortRetryIgnore(caption, text);
    };
}

void Drill::scrollTo(int position) {
    drillState.scrollPos = position < 0 ? 0 : position;
    ++drillState.scrollRequests;
}
