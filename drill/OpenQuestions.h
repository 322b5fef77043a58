#pragma once
// Opening another question file: read it, split it into units, and start the
// drill again at question 1 of unit 1. The question bank only reads and
// splits; the drill, which sits above it, restarts itself here.

#include <functional>
#include <optional>
#include <string>

#include "questions/QuestionBank.h"

class Drill;

// loadQuestionFile, then splitUnits; when the split succeeds, `drill`, the
// drill that works on `bank`, starts again from question 1 of unit 1 (a bank
// of its own, a check or a test, has no drill to restart: nullptr).
// Returns whether the split succeeded.
bool openQuestionFile(QuestionBank& bank, const std::string& path,
                      LoadFailure onFailure = LoadFailure::Fatal, Drill* drill = nullptr);

// The windows the menu item 開く(&O) works with.
struct OpenCommandWindows {
    // The save procedure of the question editor; true when the text was written.
    std::function<bool()> saveQuestionFile;
    // The open dialog, preset to the given path; nullopt when cancelled.
    std::function<std::optional<std::string>(const std::string& preset)> chooseFile;
    // The unit switching steps of the frame (problem choice, then set-up).
    std::function<void()> switchUnit;
};
// The open procedure of 開く(&O). Returns whether another question file is now
// in use; on failure the text, the tables and quesFilePath are those of the
// previous file again. `drill` as for openQuestionFile.
bool runOpenCommand(QuestionBank& bank, const OpenCommandWindows& windows, Drill* drill = nullptr);
