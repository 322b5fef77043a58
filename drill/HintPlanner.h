#pragma once
// The hint: from the rows of the current step, a short sequence of the
// drill's own row operations that reaches what the drill judges an answer
// (the answer form, a row 0 = c, or a row 0 = 0 when the rows do not
// contradict each other), and the words that name its first operation. Every
// constant it names can be typed on the number panel.

#include <cstdint>
#include <string>
#include <vector>

#include "arith/Equation.h"

// An exact number of the planner, kept reduced with a positive denominator.
struct HintNumber {
    int64_t num = 0;
    int64_t den = 1;
};

// One operation as the student composes it on the drill panel. Rows are
// 1-based within the step's block.
struct HintOp {
    enum class Kind {
        Add,               // ① ＋ ②
        Subtract,          // ① － ②
        Multiply,          // ① × k
        Divide,            // ① ÷ k
        Swap,              // ① 交換 ②
        AddMultiple,       // ① ＋ ② × k
        SubtractMultiple,  // ① － ② × k
    };
    Kind kind = Kind::Add;
    int row1 = 1;
    int row2 = 0;  // 0 for × and ÷
    HintNumber k;  // the constant of ×, ÷ and the compound operations
    // The entry this operation works towards: row `goalRow`, column
    // `goalColumn` (1-based) becomes `goalValue` (0 or 1; -1: not zero).
    // goalColumn 0: every coefficient of row `goalRow` becomes 0.
    int goalRow = 1;
    int goalColumn = 1;
    int goalValue = 0;
};

enum class HintState {
    Plan,          // the operations lead to an answer; none when no plan in the panel's numbers
    Solved,        // the rows are already in the answer form
    ZeroRow,       // a row 0 = c, or 0 = 0 in rows that do not contradict each other
    NotMatrixForm  // a row is not written as coefficients = constant
};

struct HintPlan {
    HintState state = HintState::Plan;
    std::vector<HintOp> ops;
    int zeroRow = 0;          // 1-based, for ZeroRow: the row that decides
    HintNumber zeroConstant;  // the constant of that row
};

// The coefficients and constant of an n-unknown system, n rows of n + 1.
using HintMatrix = std::vector<std::vector<HintNumber>>;

// Plans from a matrix of 1 to 4 unknowns. With a unique solution, a bounded
// search over single operations valued by the cheapest completion from each;
// with none or infinitely many, the fewest rows whose coefficients cancel,
// combined into one of them (a contradiction where the rows contradict each
// other). Among plans of equal length, the one that keeps whole numbers, × k
// rather than ÷ (1/k), swaps early. A constant of more than four digits is
// split into several operations or avoided; never longer than plainPlan.
HintPlan planHint(const HintMatrix& m);
// The plain Gauss–Jordan plan: swap when the pivot is zero, divide the pivot
// row by the pivot, clear the column with compound steps, until the drill
// would judge an answer; constants split as in planHint. No operations when
// it needs a constant the panel cannot take.
HintPlan plainPlan(const HintMatrix& m);
// The rows of step `step` of the list as a matrix; false when a row is not
// in the form of coefficients, "=" and a constant.
bool readHintMatrix(const EquationList& list, int step, HintMatrix& m);

// The number as typed on the number panel: "3", "-3", "2分の1".
std::string hintNumberText(HintNumber k);
// The first press: what to make of which entry ("第2行の第1列を0にしましょう").
std::string hintGoalText(const HintOp& op);
// The second press: the operation in words ("第2行から第1行の2倍をひいてみましょう").
std::string hintOperationText(const HintOp& op);
// The words for a plan's state other than Plan, and for a Plan without
// operations; empty for a Plan with operations.
std::string hintStateText(const HintPlan& plan);
