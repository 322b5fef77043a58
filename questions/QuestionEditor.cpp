#include "questions/QuestionEditor.h"

#include <algorithm>
#include <string_view>

#include "platform/Text.h"
#include "platform/UiPort.h"
#include "questions/QuestionLine.h"

EditorState editorState;

namespace {

constexpr std::string_view kQuestionCharacters = "0123456789+-./;=wxyz";

// Unit lines ("<<" …) and closing lines are written in Japanese and are
// exempt from the question characters.
bool isUnitMarkerLine(const std::string& line) {
    return !line.empty() && (line[0] == '<' || line[0] == '>');
}

std::string lineNumberText(int index) {
    return std::to_string(index + 1) + "行目";
}

// The memo line of question k of unit u, in a text that has split.
std::optional<int> lineOfQuestion(const std::vector<std::string>& lines, int unit, int k) {
    int u = 0;
    int inUnit = 0;
    bool open = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.starts_with("<<")) {
            ++u;
            inUnit = 0;
            open = true;
        } else if (line == ">>") {
            open = false;
        } else if (open && ++inUnit == k && u == unit) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// The memo line of the "<<" line of unit u.
std::optional<int> lineOfUnit(const std::vector<std::string>& lines, int unit) {
    int u = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with("<<") && ++u == unit)
            return static_cast<int>(i);
    return std::nullopt;
}

// The first character of a question line that questions cannot hold, named.
std::string foreignCharacterReason(const std::string& line) {
    for (const std::string& c : utf8Chars(line))
        if (c.size() != 1 || kQuestionCharacters.find(c[0]) == std::string_view::npos)
            return "使えない文字「" + visibleLine(c) + "」があります";
    return {};
}

}  // namespace

bool questionCharactersAllowed(const std::string& line) {
    for (char c : line)
        if (kQuestionCharacters.find(c) == std::string_view::npos)
            return false;
    return true;
}

std::optional<int> firstLineWithoutCp932(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!utf8ToCp932(lines[i]))
            return static_cast<int>(i);
    return std::nullopt;
}

CheckReport checkQuestionText(QuestionBank& bank) {
    CheckReport report;
    report.edtErTangen = "";
    editorState.checkPassed = false;

    // Characters.
    for (std::size_t i = 0; i < bank.lines.size(); ++i) {
        const std::string& line = bank.lines[i];
        const bool marker = isUnitMarkerLine(line);
        const std::optional<std::string> unsavable =
            marker ? firstCharacterWithoutCp932(line) : std::nullopt;
        if (marker ? !unsavable : questionCharactersAllowed(line))
            continue;
        report.lstErQues.push_back(line);
        report.lstErReasons.push_back(marker ? std::string() : foreignCharacterReason(line));
        report.edtTangen = "";
        report.focusMemo = true;
        report.caretLine = static_cast<int>(i);
        // A unit name that Shift-JIS cannot write could never be saved, or
        // would read back as another name; say which line and which character.
        // A question line with a character outside the questions' own is
        // simply listed.
        if (marker)
            report.edtResult = "??? " + lineNumberText(static_cast<int>(i)) + "の「" + *unsavable +
                               "」はシフトJISで保存できません";
        return report;
    }

    // Structure.
    if (!splitUnits(bank)) {
        report.edtResult = kStructureResult;
        report.edtErTangen = kStructureUnit;
        report.focusMemo = true;
        return report;
    }
    // The units are listed up to the first one without a name, so such a
    // unit and every unit after it would silently drop out of the drill.
    for (int u = 1; u <= bank.unitTotal && u <= kMaxUnits; ++u) {
        if (!bank.unitName[u].empty())
            continue;
        const std::optional<int> at = lineOfUnit(bank.lines, u);
        report.edtResult = "??? " + lineNumberText(at.value_or(0)) +
                           "の単元に名前がありません。この単元から後は使われません";
        report.edtErTangen = kStructureUnit;
        report.focusMemo = true;
        report.caretLine = at;
        return report;
    }

    // Questions, unit by unit; the first unit with a bad question ends the check.
    for (int u = 1; u <= bank.unitTotal && u <= kMaxUnits; ++u) {
        bool unitFailed = false;
        for (int k = 1; k <= bank.quesCount[u]; ++k) {
            const std::string line = bank.question(u, k);
            if (parseQuestionAside(line))
                continue;
            ui().showMessage(visibleLine(line) + kInvalidQuestionLineSuffix);
            report.lstErQues.push_back(line);
            report.lstErReasons.push_back(questionLineProblem(line));
            report.edtTangen = "";
            report.focusMemo = true;
            // The caret goes to the first of them, so the teacher can mend it at once.
            if (!report.caretLine)
                report.caretLine = lineOfQuestion(bank.lines, u, k);
            unitFailed = true;
        }
        if (unitFailed) {
            report.edtResult = kQuestionsResult;
            report.edtErTangen = bank.unitName[u];
            return report;
        }
    }

    // Unit count.
    report.edtTangen = std::to_string(bank.unitTotal);
    if (bank.unitTotal == kRequiredUnits) {
        report.edtResult = kPassedResult;
        report.edtErTangen = kNone;
        report.lstErQues.push_back(kNone);
        report.passed = true;
        editorState.checkPassed = true;
    } else {
        report.edtResult = kUnitCountResult;
    }
    return report;
}

void beginEditing(QuestionBank& bank) {
    bank.quesBackup = bank.lines;
    editorState.quesSavedBefore = bank.quesSaved;
}

void editorShown() {
    editorState.checkPassed = true;
    editorState.quesModified = false;
}

void memoChanged(QuestionBank& bank, std::vector<std::string> lines) {
    // The text is kept as the file will hold it.
    for (std::string& line : lines)
        line = toCp932Forms(line);
    bank.lines = std::move(lines);
    editorState.quesModified = true;
    editorState.checkPassed = false;
}

bool editorOk(QuestionBank& bank) {
    if (editorState.quesModified && !editorState.checkPassed) {
        ui().showMessage(kCheckFirstMessage);
        return false;
    }
    if (editorState.quesModified)
        bank.quesSaved = false;
    return true;
}

bool finishEditing(QuestionBank& bank, bool accepted, const EditorCloseActions& actions) {
    if (accepted) {
        if (actions.restartDrill && actions.restartDrill()) {
            if (actions.switchUnit)
                actions.switchUnit();
            return true;
        }
        ui().showMessage(kFirstQuestionFailedMessage);
        // The text before the editor comes back, and with it its saved state.
        bank.quesSaved = editorState.quesSavedBefore;
    }
    restoreQuestionBackup(bank);
    return false;
}

std::string editorCaption(const QuestionBank& bank) {
    return kEditorCaptionPrefix + bank.quesFilePath;
}

bool saveQuestionFile(QuestionBank& bank, const SaveDialog& chooseFile) {
    const bool anything = std::any_of(bank.lines.begin(), bank.lines.end(), [](const auto& line) {
        return line.find_first_not_of(" \t") != std::string::npos;
    });
    if (!anything) {
        ui().showMessage(kNothingToSaveMessage);
        return false;
    }
    if (!chooseFile)
        return false;
    const std::optional<std::string> chosen = chooseFile(savePreset(bank));
    if (!chosen || chosen->empty())
        return false;
    const std::string& path = *chosen;
    // The whole text is converted before anything is written, so a line that
    // Shift-JIS cannot hold never leaves half a file behind.
    if (std::optional<int> bad = firstLineWithoutCp932(bank.lines)) {
        ui().showMessage(path + " に保存できません：" + lineNumberText(*bad) + "「" +
                         bank.lines[*bad] + "」の「" +
                         firstCharacterWithoutCp932(bank.lines[*bad]).value_or("") +
                         "」はシフトJISで書けません");
        return false;
    }
    if (!writeCp932Lines(path, bank.lines)) {
        ui().showMessage(path + " に保存できません");
        return false;
    }
    bank.quesSaved = true;
    bank.quesFilePath = path;
    bank.quesFileRead = true;
    return true;
}

std::string savePreset(const QuestionBank& bank) {
    if (bank.quesFileRead)
        return bank.quesFilePath;
    const std::string::size_type slash = bank.quesFilePath.find_last_of('/');
    return slash == std::string::npos ? std::string() : bank.quesFilePath.substr(0, slash + 1);
}
