// Built with the core library's settings by the test CoreHasNoQtIncludePath,
// which passes only when this file does NOT compile: the core has no Qt
// include path, so a Qt header slipped into a core file breaks the build.
#include <QString>

#include "arith/Fraction.h"

QString probe() {
    return QString::number(One.numerator);
}
