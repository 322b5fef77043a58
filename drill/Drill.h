#pragma once
// The simultaneous-equation drill: one object over the state it is given,
// as the calculator is over its matrices. It sets questions up on the
// worksheet, composes one row operation from the panel and the keyboard,
// runs and judges it, gives hints, scrolls, and tells the student through
// the UI port it was given. The windows read it through view() after every
// change notification and never change its state directly.
//
// The members are defined in the files of their parts: set-up, scrolling and
// the mouse in Drill.cpp, composing in Entry.cpp, running and judging in
// Run.cpp, the hint in Hint.cpp, the keyboard in Keys.cpp, the worksheet's
// drawing helpers in WorksheetOps.cpp, and the view in DrillView.cpp.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "drill/DrillState.h"
#include "drill/DrillView.h"
#include "drill/Entry.h"
#include "drill/Hint.h"
#include "drill/Keys.h"
#include "drill/Run.h"
#include "drill/WorksheetPictures.h"
#include "platform/Paths.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"

// The mouse over a step picture.
enum class MouseButton { Left, Right, Middle };
enum class ReleaseResult { Ignored, RowSelected, OpenStepListing };

class Drill {
  public:
    Drill(EquationList& equations, DrillState& state, EntryState& entry, WorksheetLayout& layout,
          WorksheetPictures& pictures, QuestionBank& bank, const Paths& folders, UiPort& port);
    Drill(const Drill&) = delete;
    Drill& operator=(const Drill&) = delete;

    // --- What the windows read ---------------------------------------------
    // Everything the drill panel and the worksheet show besides the pictures.
    DrillView view() const;
    // Image k of the worksheet, nullptr outside 1 … imageCount.
    const Picture* stepPicture(int k) const;
    // The answer group's two pictures, imgBOXX and imgBOXY.
    const Picture& answerPictureX() const;
    const Picture& answerPictureY() const;
    // Where everything sits on the worksheet (set by setupWorksheet).
    const WorksheetLayout& sheetLayout() const;
    const DrillState& state() const;
    const EquationList& equations() const;

    // Change notification. Every operation ends by notifying, and notifies
    // before it shows a message or asks something, so the windows repaint
    // what has been drawn before a modal box covers them. The observer must
    // only read.
    void setObserver(std::function<void()> observer);
    void notifyDrillChanged();
    // Raised on every notification.
    unsigned generation() const;

    // --- Set-up and the worksheet ------------------------------------------
    // Lays the worksheet out for the screen and the drill panel's width
    // (called when the worksheet window is created) and empties every picture.
    void setupWorksheet(int screenWidth, int screenHeight, int pnlMainWidth,
                        int edtPageHeight = kDefaultEdtPageHeight);
    // Fresh drill and entry state, pictures emptied. Keeps the layout.
    void resetDrillModel();
    // Sets up the current question of the current unit on the worksheet; with
    // reset, first unit 1 and question 1 of every unit. Returns whether a
    // question is now on the worksheet.
    bool startQuestion(bool reset);
    // Turns question `number` of `unit` into the rows of step 2. A line that
    // is not a valid system (parseQuestionLine, QuestionLine.h) is reported as
    // the line followed by "：問題が不正です".
    bool loadQuestion(int unit, int number);
    // The problem choice's OK: `question` of `unit` becomes the current
    // question (set up by the next startQuestion without reset).
    void chooseQuestion(int unit, int question);
    // Whether the current unit has questions to work on: false when the
    // question file did not split or holds no unit of that number. 次の問題
    // and the unit change then do nothing.
    bool unitReady() const;
    // Empties every picture and resets the drill to nothing composed.
    void clearWorksheet();
    // 次の問題: btnNext and the menu item 次の問題(&N).
    void nextQuestion();
    // The current question is solved.
    bool questionSolved() const;

    // Scrolling. The drill keeps the worksheet's vertical scroll position and
    // raises scrollRequests when it moves it; the window applies the value
    // and reports back what its scroll bar made of it (noteScrollPosition),
    // also when the student drags the bar.
    void btnScrollUpClick();
    void btnScrollDownClick();
    void scrollToTop();
    void noteScrollPosition(int position);

    // The mouse over step picture `image` (1-based): moving, and releasing a
    // button. Returns what the release did.
    void imageMouseMove(int image, int x, int y);
    ReleaseResult imageMouseUp(int image, MouseButton button);
    // Row buttons btnGyou1 … btnGyou4 (row 1 … 4).
    void btnGyouClick(int row);
    // One tick of timBlink: the glyph btnNext shows now.
    NextGlyph timBlinkTimer();

    // --- Composing ----------------------------------------------------------
    // Adds row `row` (0-based) of step `step`: the row buttons, a click on
    // the current picture and Shift+digit.
    void selectRow(int step, int row);
    // Adds an operator (OperatorCode).
    void pressOperator(int code);
    // Adds to the number: a digit, ".", "分の", "-" or the command "CL". Only
    // while the number group is enabled. "-" is taken only on an empty
    // number, from the button and the keyboard alike.
    void typeNumber(const std::string& text);
    // The minus button.
    void btnMinusClick();
    // 訂正 (without clearing) and Esc; a refused run clears picture curStep too.
    void correctEntry(bool clearCurrentPicture);
    // After a successful run.
    void resetEntry();
    // Focus to btnJikkou when it is enabled, else to btnNext when that is
    // enabled.
    void applyFocusRule();
    // The number group is enabled in phases 2 and 4.
    bool numberGroupEnabled() const;

    // --- Running and judging ------------------------------------------------
    // 実行: btnJikkou and Enter.
    void btnJikkouClick();
    // solvedCode of step curStep, judged from all its rows: -2 when a row
    // reads 0 = c with c not zero; -1 when a row reads 0 = 0 and the rows do
    // not contradict each other (the coefficients have the rank of the whole
    // rows, computed exactly); else the number of coefficients equal to the
    // identity's.
    int solvedTest() const;
    // Asks the special-solution choice until it is right, then shows the
    // answer.
    void judgeSpecial();
    // Draws the answer, records the question, starts the blinking.
    void showAnswer(int code);

    // --- The hint -----------------------------------------------------------
    // ヒント(&T) in the drill's menu, and F2: a graded hint worked out from
    // the current step. The first press names the entry to make 1 or 0 next,
    // a second press on the same step names the operation. It never composes
    // or runs anything.
    void hintClick();
    // F2 in the special-solution choice: asks what the row that decides the
    // answer (0 = 0, or 0 = c) says.
    void specialChoiceHint();
    // The worksheet's caption: the title, one star per solved question, and
    // the number of hints used on the current question ("ヒント2") when there
    // are any.
    std::string drillCaption() const;

    // --- The keyboard -------------------------------------------------------
    // One key stroke of the frame or the worksheet. Returns whether the drill
    // took it (the window then does nothing more with it).
    bool routeKey(const KeyEvent& event);

  private:
    UiPort& ui() const { return port_; }

    // Set-up (Drill.cpp).
    void drawTask(int layoutValue);
    void drawQuestionMatrix();
    void writeMatrixCaption();

    // Composing (Entry.cpp).
    void takeRow(int& line, std::string& text, int newLine, int row);
    bool composing() const;

    // Running (Run.cpp).
    StepSelection selection(int step) const;
    void refuseRun();
    bool formAccepted();
    bool runCompoundStage();
    std::vector<EquationRow> buildAnswerBlock();

    // The hint (Hint.cpp).
    void sayHint(const std::string& text);

    // The keyboard (Keys.cpp).
    bool handleOperatorKey(char c);
    bool handleShiftedKeyDown(char c);
    bool handleKeyPress(const std::string& text);

    // Drawing and control helpers shared by the parts (WorksheetOps.cpp).
    // Image k, or nullptr outside 1 … imageCount.
    Picture* picture(int k);
    // Assigns the blank picture to image k (when it exists).
    void clearPicture(int k);
    // Draws picture k as the step picture of step k: the coloured augmented
    // matrix and its brackets.
    void drawStepPicture(int k);
    // Draws text line `line` on picture k when it exists.
    void drawTextLine(int k, int line, const std::string& text, Rgb colour);
    // Row bands on picture curStep.
    void highlightRow(int r);
    void unhighlightLitRow();
    void toggleBand(int r);
    // The composed operation on the picture after curStep: "set" clears that
    // picture and draws the text; "append" adds to the text and draws it
    // again.
    void setOpLabel(const std::string& text);
    void appendOpLabel(const std::string& text);
    void drawLabel(bool clearFirst);
    void startBlink();
    void stopBlink();
    // Notifies, then shows the message.
    void say(const std::string& text);
    // Shows the engine's messages, in order, through the drill's port.
    void tell(const Messages& messages);
    // The division-by-zero question, asked through the drill's port.
    AbortRetryIgnoreQuestion zeroDivisionQuestion();
    // Moves the scroll position (never above the top) and raises a request.
    void scrollTo(int position);

    // The state the drill works on. The names are those of the program-wide
    // instances, so each part reads as the drill's own.
    EquationList& equationList;
    DrillState& drillState;
    EntryState& entryState;
    WorksheetLayout& worksheetLayout;
    WorksheetPictures& worksheetPictures;
    QuestionBank& questionBank;
    const Paths& paths;
    UiPort& port_;
    std::function<void()> observer_;
    unsigned generation_ = 0;
};

// The special-solution choice stands beside the picture after the current
// step, two after it when the step is 3 or 8.
int specialChoiceImage(int curStep);
// Where its window's frame (frameWidth x frameHeight) goes beside that
// picture's on-screen rectangle `image`: its right edge 20 pixels beyond the
// picture's right end, its top 70 pixels below the picture's top, moved so
// that it stays within `screen` (the screen's available area; empty: no
// limit). No picture (an empty rectangle): nullopt, the window stays where it is.
std::optional<PixelPoint> specialChoicePosition(const PixelRect& image, int frameWidth,
                                                int frameHeight, const PixelRect& screen);
