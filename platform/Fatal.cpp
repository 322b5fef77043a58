#include "platform/Fatal.h"

#include "arith/Fraction.h"
#include "platform/UiPort.h"

void fatalError(const std::string& text) {
    ui().showMessage(text + std::to_string(numberState.parseError) + kFatalSuffix);
    ui().terminate(1);
}
