#pragma once
// 問題を作る: the rules of the question maker in the editor. What it
// suggests for a unit, the questions it makes, and how they replace the
// unit's questions in the editor's text. The window (TfrmSakusei) only shows
// this state.

#include <cstdint>
#include <string>
#include <vector>

#include "questions/Generator.h"

// The kinds the window offers: the generator's three, and a mixture of them.
enum class MakingKind { Unique, NoSolution, Infinite, Mixed };

struct MakingOptions {
    int unit = 1;  // 1 … 4
    int unknowns = 2;
    MakingKind kind = MakingKind::Unique;
    int count = 5;
    GeneratorOptions::Level level = GeneratorOptions::Level::Normal;
    uint32_t seed = 1;
};

// The units the maker fills, and their names in the text (empty where the
// text has no such unit yet).
constexpr int kMakingUnits = 4;
std::vector<std::string> makingUnitNames(const std::vector<std::string>& lines);

// What the maker suggests for a unit: units 1 to 3 one solution in 2, 3 and
// 4 unknowns; unit 4 special systems (a mixture) in 2 unknowns. The count,
// level and seed stay as they are.
MakingOptions suggestFor(MakingOptions options, int unit);

// The questions for these options (generateQuestions; a mixture takes one
// solution, no solution and infinitely many in turn).
std::vector<std::string> makeQuestions(const MakingOptions& options);

// The unit (1 …) whose "<<" line is line `line` (0-based) or the last one
// above it; 1 above the first.
int unitAtLine(const std::vector<std::string>& lines, int line);

// The text with unit `unit`'s questions replaced by `questions`, its "<<"
// line (the name) kept. A unit the text lacks is added after the last one,
// named "単元<n>"; units missing before it are added with the same
// questions, so that every unit of the text holds questions.
std::vector<std::string> replaceUnitQuestions(const std::vector<std::string>& lines, int unit,
                                              const std::vector<std::string>& questions);
