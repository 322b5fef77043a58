#include "app/ProgramState.h"

DrillState drillState;
EntryState entryState;
WorksheetLayout worksheetLayout = computeWorksheetLayout(1024, 768, 200);
WorksheetPictures worksheetPictures;
