#include "drill/DrillState.h"

#include <utility>

#include "drill/WorksheetPictures.h"

DrillState drillState;
EntryState entryState;
WorksheetLayout worksheetLayout = computeWorksheetLayout(1024, 768, 200);

namespace {
std::function<void()> observer;
unsigned generation = 0;
}  // namespace

bool isSolved(int solvedCode, int unknownCount) {
    return solvedCode == -1 || solvedCode == -2 || solvedCode == unknownCount * unknownCount;
}

bool questionSolved() {
    return isSolved(drillState.solvedCode, drillState.unknownCount);
}

void setDrillObserver(std::function<void()> o) {
    observer = std::move(o);
}

std::function<void()> drillObserver() {
    return observer;
}

void notifyDrillChanged() {
    ++generation;
    if (observer)
        observer();
}

unsigned drillGeneration() {
    return generation;
}

void resetDrillModel() {
    drillState = DrillState{};
    entryState = EntryState{};
    worksheetPictures.resize(worksheetLayout.imageCount);
}
