#include "drill/DrillState.h"

bool isSolved(int solvedCode, int unknownCount) {
    return solvedCode == -1 || solvedCode == -2 || solvedCode == unknownCount * unknownCount;
}
