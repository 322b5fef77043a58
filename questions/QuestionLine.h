#pragma once
// A question line: one system of 2 to 4 linear equations separated by ";",
// in as many unknowns as it has equations ("x", "y", "z", "w" in this order).
// The drill sets questions up from it, and so does every window that shows
// or checks a question, so that they all agree on what is valid.

#include <optional>
#include <string>
#include <vector>

#include "arith/Equation.h"

// Appended to a question line that is not a valid system.
inline constexpr const char* kInvalidQuestionLineSuffix = "：問題が不正です";

// The parts of a line between ";" (an empty line gives one empty part).
std::vector<std::string> splitQuestionLine(const std::string& line);

// Whether every letter of an equation is one of the first `unknownCount`
// unknowns, and at least one is there.
bool namesOnlyItsUnknowns(const std::string& equation, int unknownCount);

struct ParsedQuestion {
    std::vector<EquationRow> rows;  // one canonical row per equation
    // Numbers are written as decimals: the reader's decimal flag after the
    // last equation, as the drill has always drawn the question.
    bool hasDecimalPoint = false;
};

// Parses a question line: 2 to 4 equations, none empty, each read by
// parseEquationLine for as many unknowns as there are equations and naming
// only those unknowns, at least one of them. nullopt for an invalid line,
// after any message of the equation reader; the caller then shows the line
// followed by kInvalidQuestionLineSuffix.
std::optional<ParsedQuestion> parseQuestionLine(const std::string& line);
// The same, handing the number reader's messages back in `said` instead of
// showing them.
std::optional<ParsedQuestion> parseQuestionLine(const std::string& line, Messages& said);

// The same for a check or a preview, which must leave the question on the
// worksheet alone: the number state of the last parse (its error code and
// decimal flag) is left as it was.
std::optional<ParsedQuestion> parseQuestionAside(const std::string& line);

// Why parseQuestionLine refuses a line, in words for the teacher
// ("式が2つ以上必要です", "z は2元の問題では使えません", "0 で割っています", …);
// empty for a line it accepts. Shows nothing and leaves the number state alone.
std::string questionLineProblem(const std::string& line);

// A line as it can be shown in a list or a message: control characters,
// which would show as nothing or as an empty box, are written out as
// "\0", "\t", "\x1B" and so on.
std::string visibleLine(const std::string& line);
