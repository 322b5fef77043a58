#pragma once
// The drill's state: where the student is (unit, question, step), what is
// composed on the drill panel, and the few control states the windows show.
// The program has one instance of each, which its one drill works on; the
// windows read them through the drill's view() and never change them.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "drill/WorksheetLayout.h"
#include "questions/QuestionBank.h"

// Which control the focus rule hands the focus to.
enum class FocusTarget { None, Jikkou, Next };
// The two glyphs of btnNext: imgNextQ and imgNextR.
enum class NextGlyph { Q, R };

struct DrillState {
    int curUnit = 1;  // 1-based; item curUnit - 1 of cmbMenu
    // Current question number of each unit, 1-based (entry 0 unused).
    std::array<int, kMaxUnits + 1> curQues = allOnes();
    int unknownCount = 2;  // mirrors equationList.unknownCount
    int curStep = 0;       // picture that shows the current matrix; 2 after set-up
    int solvedCode = 0;    // -1, -2, or the count of entries equal to the identity's
    int litRow = -1;       // row whose band shows on picture curStep, -1 none
    int pickedRow = 0;     // row highlighted last; a click selects it
    bool rowClickLock = false;
    std::string starMarks;  // one "★" per question solved since start-up
    // Hints used on the current question, shown in the caption; not recorded.
    int hintCount = 0;
    int hintStep = 0;           // the step the last hint was given on
    std::string hintOperation;  // the operation the last hint worked towards
    bool blinkPhase = false;
    bool blinkRunning = false;  // timBlink enabled
    NextGlyph nextGlyph = NextGlyph::Q;
    bool compoundRun = false;         // only during the first stage of a compound run
    bool questionReady = false;       // a question is set up on the worksheet
    std::vector<std::string> lstExt;  // the current question's equation texts
    // The current question's numbers are written as decimals where they have
    // a finite decimal form: the decimal flag as the parse of its equations
    // left it when it was set up. Kept here, so that parsing other lines
    // later (the editor's check, the choice window's previews) does not
    // change how its task and answer are drawn.
    bool hasDecimalPoint = false;

    // Control states.
    std::string caption = "　　連立方程式";  // the worksheet's caption
    bool nextEnabled = true;                 // btnNext
    bool grbKaiVisible = false;              // the answer group
    FocusTarget focus = FocusTarget::None;   // where the focus rule sent the focus last
    unsigned focusRequests = 0;              // raised each time the focus rule runs
    int scrollPos = 0;                       // the worksheet's vertical scroll position
    unsigned scrollRequests = 0;             // raised each time the model moves it

    static constexpr std::array<int, kMaxUnits + 1> allOnes() {
        std::array<int, kMaxUnits + 1> a{};
        for (auto& v : a)
            v = 1;
        return a;
    }
};

struct EntryState {
    int entryPhase = 0;  // 0 nothing, 1 first row, 2 operator, 3 second row, 4 second operator
    int lastEntry = 0;   // 0 nothing, 1 a row, 2 an operator, 3 a number character (or CL)
    char pendingOp = '?';
    char firstOp = '?';
    char secondOp = '?';
    int row1Line = 0;  // equation-list lines of the chosen rows, 0 when none
    int row2Line = 0;
    std::string row1Text;  // "1" … "4"
    std::string row2Text;
    int lastRowLine = 0;
    std::string opLabel;     // the composed operation; also lblMess's caption
    std::string numberText;  // pnlNumber's caption
    bool jikkouEnabled = false;
};

// solvedCode says solved: -1, -2, or every coefficient equal to the identity's.
bool isSolved(int solvedCode, int unknownCount);
