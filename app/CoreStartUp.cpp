#include "app/CoreStartUp.h"

#include "arith/Equation.h"
#include "platform/Paths.h"
#include "questions/QuestionBank.h"

void setUpCore(QuestionBank& bank, EquationList& list) {
    bank.quesBackup.clear();
    setUpScratchRow(list);
}

bool openProgramFiles(Paths& paths, QuestionBank& bank) {
    setProgFolder(paths);
    setRecFolder(paths);
    return loadStartupQuestions(bank, paths.progFolder);
}
