#pragma once
// The problem choice window's rules: which unit and question slots it shows,
// the preview of each question, the marked question, and what OK and Cancel
// hand back to the drill. The window (TfrmMondai) only shows this state.

#include <array>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "picture/Picture.h"
#include "questions/QuestionBank.h"

// A slot's preview and the bracket picture left of it.
constexpr PixelSize kPreviewSize{337, 129};
constexpr PixelSize kSlotBracketSize{25, 129};

// The preview of a question: its equations one per line, line j at 30 j + 5,
// each from column 3 of the 9-pixel columns (as beside the worksheet's
// 25-pixel brace); no brace of its own, the slot's bracket stands beside it.
Picture previewPicture(const std::vector<EquationRow>& rows, bool hasDecimalPoint);
// The bracket pictures: the marker (a bracket with a red pointer) for the
// chosen question, a white picture for the others.
Picture slotBracketPicture(bool marker);

// Why the unit of the drill's unit choice (item `comboIndex`, 0-based) cannot
// be chosen: the file in use has no such unit, or no question in it. Empty
// when it can.
std::string missingUnitMessage(const QuestionBank& bank, int comboIndex);

// One question slot: its number button, preview and bracket.
struct ChoiceSlot {
    bool visible = false;
    // The equations of the slot's question; none when it does not parse.
    std::vector<EquationRow> rows;
    bool hasDecimalPoint = false;
    Picture preview;        // what the slot's picture shows
    unsigned revision = 0;  // raised whenever the preview is drawn anew
};

// What the drill takes over when the window closes with OK.
struct ChoiceResult {
    int unit = 1;
    int question = 1;
};

struct ProblemChoice {
    bool showUnitList = false;                 // the unit list shows (only during 単元変更(&C))
    int dlgUnit = 1;                           // unit whose questions are shown
    std::array<int, kMaxUnits + 1> dlgQues{};  // question marked in each unit
    int savedUnknownCount = 2;                 // the drill's count when the window was shown
    // The count the unit's place in the list suggests (unit + 1). The previews
    // do not use it: each question is parsed with as many unknowns as it has
    // equations, as the drill parses it.
    int provisionalUnknownCount = 2;
    std::vector<std::string> unitList;  // lstTangen's items
    int unitListIndex = -1;             // the selected item of lstTangen
    std::array<ChoiceSlot, kMaxQuestions + 1>
        questionSlots{};  // questionSlots[1] … questionSlots[5]
    int marked = 0;       // slot whose bracket shows the marker, 0 none

    // FormShow: the unit of cmbMenu's item `comboIndex`, with the drill's
    // current questions `curQues` and unknown count. Questions that do not
    // parse are reported, the line followed by "：問題が不正です".
    void show(const QuestionBank& bank, int comboIndex,
              const std::array<int, kMaxUnits + 1>& curQues, int unknownCount, bool withUnitList);
    // A click on item `item` of the unit list.
    void lstTangenClick(const QuestionBank& bank, int item,
                        const std::array<int, kMaxUnits + 1>& curQues);
    // Image a, imgKakko a or btnShiki a.
    void selectQuestion(int a);
    // Whether OK has a question to hand over: the unit shown has questions.
    bool canAccept() const;
    // btnOKClick: the unit and question the drill goes on with.
    ChoiceResult accept() const;
    // btnCancelClick: the unknown count the drill keeps.
    int cancel() const { return savedUnknownCount; }

  private:
    void showQuestions(const QuestionBank& bank, int unit);
};

// The program-wide state of the problem choice window.
extern ProblemChoice problemChoice;
