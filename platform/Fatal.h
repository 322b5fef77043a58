#pragma once
// The one routine for errors the program cannot recover from.

#include <string>

constexpr const char* kFatalSuffix = ":回復不能なエラーです";

// Shows `text`, the current parse error code in decimal and ":回復不能なエラーです",
// then ends the program with exit status 1 through the UI port. Under a port
// that does not end the program (tests), it returns.
void fatalError(const std::string& text);
