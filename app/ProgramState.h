#pragma once
// The drill's program-wide state: one instance of each, defined here, for the
// one drill the program makes at start-up. Nothing below app/ names these
// instances: the drill is handed them by reference, and a check or a test
// makes a drill of its own over state of its own.

#include "drill/DrillState.h"
#include "drill/WorksheetLayout.h"
#include "drill/WorksheetPictures.h"

extern DrillState drillState;
extern EntryState entryState;
// The worksheet's layout, set when the worksheet window lays itself out.
extern WorksheetLayout worksheetLayout;
extern WorksheetPictures worksheetPictures;
