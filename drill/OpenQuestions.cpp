#include "drill/OpenQuestions.h"

#include "drill/Drill.h"
#include "platform/UiPort.h"

namespace {

// After a successful read and split, the drill begins again at unit 1.
bool splitAndRestart(QuestionBank& bank, Drill* drill) {
    if (!splitUnits(bank))
        return false;
    if (drill)
        drill->startQuestion(true);
    return true;
}

}  // namespace

bool openQuestionFile(QuestionBank& bank, const std::string& path, LoadFailure onFailure,
                      Drill* drill) {
    if (!loadQuestionFile(bank, path, onFailure))
        return false;
    return splitAndRestart(bank, drill);
}

bool runOpenCommand(QuestionBank& bank, const OpenCommandWindows& windows, Drill* drill) {
    bank.quesBackup = bank.lines;
    if (!bank.quesSaved && ui().askYesNo("確認", "ファイルを保存しますか") &&
        windows.saveQuestionFile)
        windows.saveQuestionFile();
    if (!windows.chooseFile)
        return false;
    std::optional<std::string> chosen = windows.chooseFile(bank.quesFilePath);
    if (!chosen || chosen->empty())
        return false;

    // The path in use goes back with the text when the new file fails, so a
    // later save never writes the previous questions over the rejected file.
    const std::string previousPath = bank.quesFilePath;
    const bool previousRead = bank.quesFileRead;
    const bool read = loadQuestionFile(bank, *chosen, LoadFailure::Message);
    if (read && splitAndRestart(bank, drill)) {
        if (windows.switchUnit)
            windows.switchUnit();
        bank.quesSaved = true;
        return true;
    }
    // A file that could not be read has already been reported by name.
    if (read)
        ui().showMessage(*chosen + kInvalidQuestionsSuffix);
    restoreQuestionBackup(bank);
    bank.quesFilePath = previousPath;
    bank.quesFileRead = previousRead;
    return false;
}
