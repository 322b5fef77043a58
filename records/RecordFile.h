#pragma once
// The record file of solved questions: a profile (INI) file with one section
// per unit, the count of each finished question and the date of the last one.

#include <string>

// Adds one to the count of question `number` in section `unitName` of the
// record file at `path` and writes the date and time under "DATE". When the
// system refuses the write, shows "<path> に書き込めません", skips the rest and
// returns false; nothing already in the file is lost.
bool recordSolved(const std::string& path, const std::string& unitName, int number);
