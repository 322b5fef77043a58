#pragma once
// The question file's text and the unit tables the splitter builds from it.

#include <array>
#include <string>
#include <vector>

constexpr int kMaxUnits = 30;
constexpr int kMaxQuestions = 5;

struct QuestionBank {
    // The question text, one entry per line (the question editor's memo).
    std::vector<std::string> lines;
    // Unit tables, indexed by unit 0 … 30 (unit 0 is never shown) and question 1 … 5.
    std::array<std::string, kMaxUnits + 1> unitName{};
    std::array<int, kMaxUnits + 1> quesCount{};
    std::array<std::array<std::string, kMaxQuestions + 1>, kMaxUnits + 1> quesLine{};
    int unitTotal = 0;
    std::string quesFilePath;
    bool quesSaved = true;
    std::vector<std::string> quesBackup;

    // Question k of unit u, or an empty text outside the tables.
    std::string question(int unit, int k) const;
};

// The program-wide question bank.
extern QuestionBank questionBank;

// Reads the file at `path` into bank.lines and sets quesFilePath. A missing or
// unreadable file goes through the fatal-error routine; a file that is not
// valid CP932 is reported by message and leaves the lines empty.
bool loadQuestionFile(QuestionBank& bank, const std::string& path);
// Builds the unit tables from bank.lines; returns success.
bool splitUnits(QuestionBank& bank);
