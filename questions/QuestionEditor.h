#pragma once
// The question editor's rules: the error check of an edited question text,
// OK and Cancel with the flags that remember edits, checks and saves, and
// saving the text as a question file. The editor window only shows what
// these functions decide.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "questions/QuestionBank.h"

struct EditorState {
    bool quesModified = false;    // the text was changed since the editor was shown
    bool checkPassed = false;     // the last check accepted the text, or it is unchanged
    bool quesSavedBefore = true;  // quesSaved when editing began
};

// The program-wide editor state.
extern EditorState editorState;

// Texts of the editor and of its check.
constexpr const char* kCheckFirstMessage = "エラーチェックしてください";
constexpr const char* kStructureResult = "??? 問題に誤りがあります";
constexpr const char* kStructureUnit = "問題に誤りです";
constexpr const char* kQuestionsResult = "??? 誤りがあります ???";
constexpr const char* kPassedResult = "☆☆☆　構文チェック成功　☆☆☆";
constexpr const char* kUnitCountResult = "？？？単元数は４です";
constexpr const char* kNone = "なし";
constexpr const char* kEditorCaptionPrefix = "問題の編集：";
constexpr const char* kFirstQuestionFailedMessage = "qqq";
constexpr int kRequiredUnits = 4;

// What a check writes into the editor window. A field without a value is left
// as it is: the character stage, for one, does not write the verdict.
struct CheckReport {
    std::optional<std::string> edtTangen;    // number of units
    std::optional<std::string> edtResult;    // the verdict
    std::optional<std::string> edtErTangen;  // the unit in error
    std::vector<std::string> lstErQues;      // emptied first, then these items
    // Why each line of lstErQues is in error, in words; empty where the
    // verdict already says it.
    std::vector<std::string> lstErReasons;
    // The line (0-based) at whose end the caret goes; nullopt: the start of the text.
    std::optional<int> caretLine;
    bool focusMemo = false;  // the focus goes to the memo
    bool passed = false;
};

// Whether every character of a question line is one of 0-9 + - . / ; = w x y z.
bool questionCharactersAllowed(const std::string& line);

// The error check of bank.lines, stage by stage; the first stage that finds an
// error ends it:
//  1. nothing is in error yet; checkPassed is false;
//  2. characters: each line that does not start with "<" or ">" uses only the
//     question characters; the unit lines that do must have a CP932 form
//     that reads back the same, or the file could not be written (the first
//     such character is named);
//  3. structure: the text splits into units (the unit tables are rebuilt),
//     and every unit has a name (the units after one without a name would
//     never be offered);
//  4. questions: unit by unit, every question sets up as a system of
//     equations, in rows of its own; all bad questions of the first unit that
//     has any are listed, each also reported by message, and the caret goes
//     to the first of them;
//  5. there are exactly 4 units.
// Sets editorState.checkPassed when the text passed.
CheckReport checkQuestionText(QuestionBank& bank);

// The editing procedure around the editor window.
// Before the window is shown: the text to return to is kept.
void beginEditing(QuestionBank& bank);
// When the window is shown: nothing is modified, and the unchanged text counts as checked.
void editorShown();
// The memo's text changed; its lines are now `lines`, kept with the
// look-alikes in their CP932 forms (toCp932Forms).
void memoChanged(QuestionBank& bank, std::vector<std::string> lines);
// btnOkClick: true when the editor closes with OK. A modified text that no
// check has passed is refused with "エラーチェックしてください"; an accepted
// modified text has unsaved edits.
bool editorOk(QuestionBank& bank);

// After the editor closed. With OK the drill starts afresh (`restartDrill`,
// true when the first question is on the worksheet) and then the unit
// switching steps run (`switchUnit`); when the first question cannot be set up,
// "qqq" and the text before the editor comes back. With Cancel the text before
// the editor comes back. Returns whether the edited text is now in use.
struct EditorCloseActions {
    std::function<bool()> restartDrill;
    std::function<void()> switchUnit;
};
bool finishEditing(QuestionBank& bank, bool accepted, const EditorCloseActions& actions);

// Refused by the save procedure: a text with nothing in it is never written
// over a file.
constexpr const char* kNothingToSaveMessage = "保存する問題がありません";

// Saving. `chooseFile` is the save dialog preset to the given path (filter
// "SIMﾌｧｲﾙ|*.SIM"); nullopt or an empty name when cancelled.
using SaveDialog = std::function<std::optional<std::string>(const std::string& preset)>;
// The save procedure: a text without a line that holds anything is refused
// with "保存する問題がありません" before the dialog opens. The dialog is preset
// to the file in use only when that file was read (quesFileRead); otherwise to
// its folder, so a file that could not be read is never offered for
// replacing. The lines are written as CP932 with CR LF to a new file
// that then replaces the chosen one, so a failed save leaves the old file as it
// was. A line without a CP932 form, or a file that cannot be written, is
// reported by a message naming the line or the file, and nothing is written.
// On success quesSaved is true and quesFilePath the chosen path. Returns
// whether the text was written.
bool saveQuestionFile(QuestionBank& bank, const SaveDialog& chooseFile);
// Where the save dialog starts: the file in use when it was read or written,
// else its folder ("…/"), else nothing.
std::string savePreset(const QuestionBank& bank);
// The editor's caption for the question file in use.
std::string editorCaption(const QuestionBank& bank);
// The first line (0-based) that has no CP932 form, or nullopt.
std::optional<int> firstLineWithoutCp932(const std::vector<std::string>& lines);
