#pragma once
// A drill run aside: a drill of its own over state of its own (the
// worksheet, the equation list, the drill and entry state, a copy of the
// question tables), which no window watches and whose messages go to the
// sandbox instead of the student. While it lives the arithmetic's
// program-wide values (the number readers' state, the keypad's value) are
// fresh ones too, and when it ends they are as they were. The generator's
// check and the answer key work questions through the drill's own members
// this way.

#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "drill/HintPlanner.h"
#include "drill/OwnDrill.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"

// The sandbox is the port of its own drill (OwnDrill: its state and the
// drill over it; its empty paths record nothing).
class DrillSandbox final : public UiPort, public OwnDrill {
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
    NumberState numbers_;
    Fraction keypad_;
};

// The drill panel's width on a screen 800 pixels wide, where the worksheet
// has the fewest pictures (3 to a column, 18 in all).
constexpr int kNarrowPanelWidth = 168;
