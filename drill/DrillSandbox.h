#pragma once
// The drill run aside: while a DrillSandbox lives, the drill's program-wide
// state (the worksheet, the equation list, the drill and entry state, the
// number readers, the question tables) is a fresh one, the windows are not
// told of its changes, and its messages go to the sandbox instead of the
// student. When it ends, everything is as it was. The generator's check and
// the answer key work questions through the drill's own functions this way.

#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "drill/DrillState.h"
#include "drill/HintPlanner.h"
#include "drill/WorksheetPictures.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"

class DrillSandbox final : public UiPort {
  public:
    // The worksheet laid out as `layout`; the question tables are `bank`'s.
    DrillSandbox(WorksheetLayout layout, QuestionBank bank);
    ~DrillSandbox() override;
    DrillSandbox(const DrillSandbox&) = delete;
    DrillSandbox& operator=(const DrillSandbox&) = delete;

    // Sets up question `number` of `unit` as the drill does. A question
    // that does not set up, or is already solved at set-up, is left there
    // (nothing is recorded or drawn as an answer).
    enum class SetUp { Ready, Invalid, AlreadySolved };
    SetUp setUp(int unit, int number);
    // Composes one operation of the hint's plan on the drill panel (row
    // buttons, operators, the number panel) and runs it with 実行. Returns
    // whether the drill accepted it without a word.
    bool play(const HintOp& op);

    // Messages the drill showed since the sandbox began.
    std::vector<std::string> messages;

    // UiPort: messages are kept; the special-solution choice is answered
    // from the drill's own judgement.
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    Answer askAbortRetryIgnore(const std::string&, const std::string&) override {
        return Answer::Abort;
    }
    int chooseSpecialSolution() override;
    void terminate(int) override {}

  private:
    DrillState drill_;
    EntryState entry_;
    EquationList list_;
    WorksheetPictures pictures_;
    WorksheetLayout layout_;
    NumberState numbers_;
    Fraction keypad_;
    QuestionBank bank_;
    UiPort& ui_;
    std::function<void()> observer_;
};

// The drill panel's width on a screen 800 pixels wide, where the worksheet
// has the fewest pictures (3 to a column, 18 in all).
constexpr int kNarrowPanelWidth = 168;
