#include "questions/QuestionBank.h"

#include <sys/stat.h>

#include "arith/Fraction.h"
#include "platform/Fatal.h"
#include "platform/Text.h"
#include "platform/UiPort.h"

QuestionBank questionBank;

std::string QuestionBank::question(int unit, int k) const {
    if (unit < 1 || unit > kMaxUnits)
        return {};
    if (k < 1 || k > kMaxQuestions || k > quesCount[unit])
        return {};
    return quesLine[unit][k];
}

bool QuestionBank::hasUnits() const {
    for (int u = 1; u <= kMaxUnits; ++u)
        if (quesCount[u] > 0)
            return true;
    return false;
}

namespace {

constexpr const char* kWhatItIs = "問題ファイル";

// Something of any kind at `path`: a folder of that name exists too, it just
// cannot be read as a file.
bool anythingAt(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// For a text read as UTF-8: the first character a CP932 file cannot hold, with
// its line, as "（3行目の「¥」はシフトJISで保存できません）"; empty when none.
std::string unsavableNote(const std::vector<std::string>& lines) {
    if (utf8ToCp932(joinLinesCrLf(lines)))
        return {};
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (auto ch = utf8ToCp932(lines[i]) ? std::nullopt : firstCharacterWithoutCp932(lines[i]))
            return "（" + std::to_string(i + 1) + "行目の「" + *ch +
                   "」はシフトJISで保存できません）";
    return {};
}

void clearTables(QuestionBank& bank) {
    bank.unitName.fill(std::string());
    bank.quesCount.fill(0);
    for (auto& unit : bank.quesLine)
        unit.fill(std::string());
}

}  // namespace

bool loadQuestionFile(QuestionBank& bank, const std::string& path, LoadFailure onFailure) {
    const bool fatal = onFailure == LoadFailure::Fatal;
    if (!anythingAt(path)) {
        if (fatal)
            fatalError(path + ":FileNot Exists", numberState.parseError);
        else
            ui().showMessage(readFailureMessage(path, ReadStatus::Missing, kWhatItIs));
        bank.quesFilePath = path;
        bank.quesFileRead = false;
        return false;
    }
    bank.lines.clear();
    bank.quesFilePath = path;
    bank.quesFileRead = false;
    // No question file comes near the size limit; refusing a larger one keeps
    // a stray binary file from filling the memory.
    ReadResult read = readCp932OrUtf8Lines(path, kMaxQuestionFileBytes);
    if (read.status == ReadStatus::Ok && read.lines.size() > kMaxQuestionFileLines) {
        read.status = ReadStatus::TooLarge;
        read.lines.clear();
    }
    if (read.status == ReadStatus::Ok) {
        bank.lines = std::move(read.lines);
        bank.quesFileRead = true;
        if (read.utf8)
            ui().showMessage(path + kUtf8FileSuffix + unsavableNote(bank.lines));
        return true;
    }
    const bool unreadable =
        read.status == ReadStatus::Missing || read.status == ReadStatus::Unreadable;
    if (fatal && unreadable)
        fatalError(path + ":File Can't Load", numberState.parseError);
    else
        ui().showMessage(readFailureMessage(path, read.status, kWhatItIs));
    return false;
}

bool splitUnits(QuestionBank& bank) {
    clearTables(bank);
    if (bank.lines.empty())
        return false;
    int unit = 0;    // number of the last "<<" line
    int inUnit = 0;  // question lines of the open unit so far
    int closed = 0;  // units closed by ">>"
    bool open = false;
    for (const std::string& line : bank.lines) {
        if (line.starts_with("<<")) {
            // A unit needs its questions and its ">>" before the next one opens.
            if (inUnit != 0 || open)
                return false;
            if (unit == kMaxUnits)
                return false;  // the tables hold 30 units
            ++unit;
            bank.unitName[unit] = line.substr(2);
            open = true;
        } else if (line == ">>") {
            if (inUnit == 0)
                return false;
            ++closed;
            bank.quesCount[unit] = inUnit;
            inUnit = 0;
            open = false;
        } else {
            // A question line outside a unit (before the first "<<" or after a
            // ">>") has no unit to go to. Blank lines there only space the
            // units out (an editor easily leaves one at the end) and are passed over.
            if (!open) {
                if (line.find_first_not_of(" \t") == std::string::npos)
                    continue;
                return false;
            }
            if (inUnit == kMaxQuestions) {
                ui().showMessage("問題は" + std::to_string(kMaxQuestions) + "問以下です");
                return false;
            }
            ++inUnit;
            bank.quesLine[unit][inUnit] = line;
        }
    }
    if (open)
        return false;  // the last unit was never closed
    if (closed == 0)
        return false;  // blank lines only: no unit, as for an empty text
    bank.unitTotal = closed;
    return true;
}

void restoreQuestionBackup(QuestionBank& bank) {
    bank.lines = bank.quesBackup;
    splitUnits(bank);
}

bool loadStartupQuestions(QuestionBank& bank, const std::string& progFolder) {
    const std::string path = progFolder + kQuestionFileName;
    if (!loadQuestionFile(bank, path, LoadFailure::Fatal))
        return false;
    if (!splitUnits(bank)) {
        ui().showMessage(path + kInvalidQuestionsSuffix);
        return false;
    }
    return true;
}
