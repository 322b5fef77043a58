#pragma once
// One question line: a system of 2 to 4 linear equations separated by ";".
// The one rule for turning a line into rows, shared by the drill's set-up,
// the question editor's check and the problem choice window's previews, so
// that all three agree on which lines are questions.

#include <span>
#include <string>
#include <vector>

#include "arith/Equation.h"

// Appended to a question line that is not a valid question (full-width colon).
constexpr const char* kInvalidQuestionSuffix = "：問題が不正です";

// The equations of a line: its parts between the ";" (a line without ";" is
// one part, an empty line one empty part).
std::vector<std::string> splitQuestionLine(const std::string& line);

// Whether an equation names only the first `unknownCount` of x, y, z, w and at
// least one of them. Any other letter ("z" with two unknowns, "X", "a") is a
// slip that parsing would drop silently, leaving a row of zeros.
bool namesOnlyItsUnknowns(const std::string& equation, int unknownCount);

// Parses the line into rows[0] … rows[n - 1], n being its number of
// equations, which is also its number of unknowns. Returns n, or 0 when the
// line is not a question: an empty part, fewer than 2 or more than 4
// equations (or more than rows has room for), an equation that does not parse
// or that names a letter other than its unknowns. Reports nothing itself,
// except what parseEquationLine shows for a character outside the grammar;
// the caller shows the line followed by kInvalidQuestionSuffix.
int parseQuestionLine(const std::string& line, std::span<EquationRow> rows);

// A question parsed into rows of its own, for a check or a preview that must
// not touch the equation list the drill works in, nor the number state of
// the last parse.
struct ParsedQuestion {
    bool valid = false;
    std::vector<EquationRow> rows;  // one per equation when valid
    bool hasDecimalPoint = false;   // drawn with decimals, as the worksheet would draw it
};
ParsedQuestion parseQuestionAside(const std::string& line);
