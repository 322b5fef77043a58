#include "platform/Fatal.h"

#include "platform/UiPort.h"

void fatalError(const std::string& text, int code) {
    ui().showMessage(text + std::to_string(code) + kFatalSuffix);
    ui().terminate(1);
}
