#include "drill/OwnDrill.h"

#include <utility>

OwnDrill::OwnDrill(UiPort& port, WorksheetLayout layout, QuestionBank bank)
    : worksheetLayout(std::move(layout)),
      questionBank(std::move(bank)),
      drill(equationList, drillState, entryState, worksheetLayout, worksheetPictures, questionBank,
            paths, port) {
    setUpScratchRow(equationList);
    worksheetPictures.resize(worksheetLayout.imageCount);
}
