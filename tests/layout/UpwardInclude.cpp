// Built with the settings of the arithmetic library by the test
// SubsystemsCannotIncludeUpward, which passes only when this file does NOT
// compile: a subsystem sees only itself and what lies below it, so the drill,
// which lies above the arithmetic, cannot be reached from there.
#include "arith/Fraction.h"
#include "drill/DrillState.h"

int probe() {
    return One.numerator + drillState.curStep;
}
