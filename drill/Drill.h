#pragma once
// The simultaneous-equation drill's model: setting up questions on the
// worksheet, going on to the next question, scrolling, picking rows with the
// mouse or the row buttons, and the blinking of 次の問題. Composing an
// operation is in Entry.h, running and judging it in Run.h, what the windows
// show in DrillView.h and the worksheet's pictures in WorksheetPictures.h.

#include <optional>
#include <string>

#include "drill/DrillState.h"
#include "drill/DrillView.h"
#include "drill/Entry.h"
#include "drill/Hint.h"
#include "drill/Run.h"
#include "drill/WorksheetPictures.h"

// Lays the worksheet out for the screen and the drill panel's width (called
// when the worksheet window is created) and empties every picture.
void setupWorksheet(int screenWidth, int screenHeight, int pnlMainWidth,
                    int edtPageHeight = kDefaultEdtPageHeight);

// Sets up the current question of the current unit on the worksheet; with
// reset, first unit 1 and question 1 of every unit. Returns whether a question
// is now on the worksheet.
bool startQuestion(bool reset);
// Turns question `number` of `unit` into the rows of step 2. A line that is
// not a valid system (parseQuestionLine, QuestionLine.h) is reported as the
// line followed by "：問題が不正です".
bool loadQuestion(int unit, int number);
// The problem choice's OK: `question` of `unit` becomes the current question
// (set up by the next startQuestion without reset).
void chooseQuestion(int unit, int question);
// Whether the current unit has questions to work on: false when the question
// file did not split or holds no unit of that number. 次の問題 and the unit
// change then do nothing.
bool unitReady();
// Empties every picture and resets the drill to nothing composed.
void clearWorksheet();
// 次の問題: btnNext and the menu item 次の問題(&N).
void nextQuestion();
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

// Scrolling. The model keeps the worksheet's vertical scroll position and
// raises scrollRequests when it moves it; the window applies the value and
// reports back what its scroll bar made of it (noteScrollPosition), also when
// the student drags the bar.
void btnScrollUpClick();
void btnScrollDownClick();
void scrollToTop();
void noteScrollPosition(int position);

// The mouse over step picture `image` (1-based): moving, and releasing a
// button. Returns what the release did.
enum class MouseButton { Left, Right, Middle };
enum class ReleaseResult { Ignored, RowSelected, OpenStepListing };
void imageMouseMove(int image, int x, int y);
ReleaseResult imageMouseUp(int image, MouseButton button);
// Row buttons btnGyou1 … btnGyou4 (row 1 … 4).
void btnGyouClick(int row);

// One tick of timBlink: the glyph btnNext shows now.
NextGlyph timBlinkTimer();
