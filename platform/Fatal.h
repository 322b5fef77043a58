#pragma once
// The one routine for errors the program cannot recover from.

#include <string>

constexpr const char* kFatalSuffix = ":回復不能なエラーです";

// Shows `text`, `code` in decimal and ":回復不能なエラーです", then ends the
// program with exit status 1 through the UI port. Under a port that does not
// end the program (tests), it returns. Callers pass the error code they hold
// (the number readers' parse error), so this layer needs nothing above it.
void fatalError(const std::string& text, int code);
