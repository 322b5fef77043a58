#pragma once
// The drill's side of the question generator's promises: a line is set up on
// a worksheet of 800 x 600 pixels (the fewest pictures) and the hint's plan
// from set-up is followed on the drill panel to the answer.

#include <string>

#include "questions/Generator.h"

// Why the drill refuses a generated line for these options; empty when:
// it sets up with `options.unknowns` equations, none already solved; the
// hint's plan from set-up names only constants of the level (whole numbers
// at Easy, at most 3 digits above and below the line at Normal); every
// operation of the plan is accepted by the drill; every entry of every step
// fits the level the same way; the plan ends in the answer of the kind asked
// for within the worksheet's pictures.
std::string drillLineProblem(const std::string& line, const GeneratorOptions& options);

// Makes generateQuestions keep only lines the drill accepts (start-up).
void installQuestionVerifier();
