#pragma once
// A drill over state of its own, made fresh: for work aside from the
// program's one drill (the sandbox of the answer key and the generator's
// check, tests, fuzz targets). The state carries the names of the program's
// instances, so code written against them reads the same here.

#include "arith/Equation.h"
#include "drill/Drill.h"
#include "drill/DrillState.h"
#include "drill/WorksheetLayout.h"
#include "drill/WorksheetPictures.h"
#include "platform/Paths.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"

struct OwnDrill {
    // The worksheet laid out as `layout`, its pictures empty, the engine's
    // scratch row set up; the question tables are `bank`'s. The drill talks
    // through `port`.
    OwnDrill(UiPort& port, WorksheetLayout layout, QuestionBank bank = {});
    OwnDrill(const OwnDrill&) = delete;
    OwnDrill& operator=(const OwnDrill&) = delete;

    EquationList equationList;
    DrillState drillState;
    EntryState entryState;
    WorksheetLayout worksheetLayout;
    WorksheetPictures worksheetPictures;
    QuestionBank questionBank;
    Paths paths;  // empty: records nowhere until a folder is set
    Drill drill;  // made after the state it works on
};
