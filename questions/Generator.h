#pragma once
// Questions made to order: systems of linear equations chosen backwards from
// whole-number solutions, in the question file's own syntax, of the kind and
// the level of difficulty a teacher asks for.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GeneratorOptions {
    int unknowns = 2;  // 2..4
    enum class Kind { Unique, NoSolution, Infinite } kind = Kind::Unique;
    int count = 5;  // 1..5
    enum class Level { Easy, Normal, Hard } level = Level::Normal;
};

// Question lines in the question file's own syntax ("2x+3y=13;x-y=-1"),
// `count` of them, all different; the same options and seed give the same lines.
std::vector<std::string> generateQuestions(const GeneratorOptions& options, uint32_t seed);

// What a line must also pass before generateQuestions returns it, beyond the
// checks made here (the error check's reading, the exact kind, whole-number
// solutions, the level's coefficients and the entries of plain elimination):
// the drill installs a check that sets the line up on the worksheet and
// follows the hint's plan (drill/QuestionCheck.h). Returns why the line is
// refused, empty when it is accepted. Without one installed only the checks
// made here apply. nullptr removes it.
using QuestionVerifier =
    std::function<std::string(const std::string& line, const GeneratorOptions& options)>;
void setQuestionVerifier(QuestionVerifier verifier);
bool questionVerifierInstalled();

// Why generateQuestions' own checks refuse a line for these options; empty
// when they accept it (the installed verifier is not asked).
std::string generatorLineProblem(const std::string& line, const GeneratorOptions& options);

// The kinds of a mixed set (まぜる): one solution, no solution, infinitely
// many, in turn. Lines of different kinds never repeat one another, so the
// mixed set is made of one generateQuestions call per kind.
std::vector<std::string> generateMixedQuestions(int unknowns, int count,
                                                GeneratorOptions::Level level, uint32_t seed);

// Two lines are the same system written another way: the same equations,
// each possibly multiplied by a number, in any order.
bool sameEquations(const std::string& a, const std::string& b);
