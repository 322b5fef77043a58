#pragma once
// The question file's text and the unit tables the splitter builds from it.

#include <array>
#include <string>
#include <vector>

constexpr int kMaxUnits = 30;
constexpr int kMaxQuestions = 5;

// The question file shipped with the program, looked up in progFolder.
constexpr const char* kQuestionFileName = "RAver.sim";
// Appended to the path of a question file that does not split.
constexpr const char* kInvalidQuestionsSuffix = ":問題が不正です";
// Appended to the path of a question file written as UTF-8, when it is read.
constexpr const char* kUtf8FileSuffix =
    "はUTF-8のテキストとして読み込みました。保存するとシフトJIS（CP932）で書き込まれます";
// The largest question file accepted, in bytes and in lines. Thirty units of
// five questions take about 32 KB in some 210 lines; the limits leave room
// for comments and blank lines while the editor still opens the largest
// accepted file at once. A larger file is refused without being read.
constexpr std::size_t kMaxQuestionFileBytes = 256 * 1024;
constexpr std::size_t kMaxQuestionFileLines = 5000;

struct QuestionBank {
    // The question text, one entry per line (the question editor's memo).
    std::vector<std::string> lines;
    // Unit tables, indexed by unit 0 … 30 (unit 0 is never shown) and question 1 … 5.
    std::array<std::string, kMaxUnits + 1> unitName{};
    std::array<int, kMaxUnits + 1> quesCount{};
    std::array<std::array<std::string, kMaxQuestions + 1>, kMaxUnits + 1> quesLine{};
    int unitTotal = 0;
    std::string quesFilePath;
    // quesFilePath was read (or written) as this text. False after a read
    // that failed, so the text in memory is never offered to replace it.
    bool quesFileRead = false;
    bool quesSaved = true;
    std::vector<std::string> quesBackup;

    // Question k of unit u, or an empty text outside the tables.
    std::string question(int unit, int k) const;
    // Whether any unit holds questions: false before the first successful
    // split and after one that failed (a failed split clears the tables).
    bool hasUnits() const;
};

// The program-wide question bank.
extern QuestionBank questionBank;

// What a question file that cannot be read does to the program.
enum class LoadFailure {
    Fatal,   // the fatal-error routine: the program ends (start-up)
    Message  // a message naming the file; the program goes on (a file chosen to open)
};

// Reads the file at `path` into bank.lines and sets quesFilePath. A missing or
// unreadable file goes through the fatal-error routine; a file that is neither
// CP932 nor UTF-8 is reported by message and leaves the lines empty. A file
// written as UTF-8 is read as such, and the teacher is told that saving
// writes CP932 (naming the first character that CP932 cannot hold, if any).
bool loadQuestionFile(QuestionBank& bank, const std::string& path,
                      LoadFailure onFailure = LoadFailure::Fatal);
// Builds the unit tables from bank.lines; returns success.
bool splitUnits(QuestionBank& bank);
// Puts the lines kept in quesBackup back and splits them again.
void restoreQuestionBackup(QuestionBank& bank);

// Start-up: loads progFolder + "RAver.sim" (fatal when missing or unreadable)
// and splits it. A text that does not split is reported with the path followed
// by ":問題が不正です". Returns whether the units are ready for the drill.
bool loadStartupQuestions(QuestionBank& bank, const std::string& progFolder);
