#pragma once
// The system of equations worked by the drill: rows of terms, the 128-row
// equation list that holds every step, and the row-operation engine.

#include <array>
#include <cstdint>
#include <string>

#include "arith/Fraction.h"

constexpr int kTermsPerRow = 20;
constexpr int kListRows = 128;
constexpr int kLabelCount = 18;
constexpr int kScratchStep = 28;  // block used for the answer form

struct EquationRow {
    std::array<Fraction, kTermsPerRow> terms{};
    int32_t count = 0;
    std::array<int32_t, 4> extra{};  // travel with the row; extra[0] is the layout value
    std::string text;                // the narrative, in the row whose index is a step number
};

struct EquationList {
    std::array<EquationRow, kListRows> rows{};
    int unknownCount = 2;  // 2 to 4: equations and unknowns of the current question

    // Row i (0-based) of step s: 1 for s <= 1, else i + (s - 2) * unknownCount + 1.
    int index(int step, int i) const;
    // Empties every row.
    void clear();
};

// The program-wide equation list.
extern EquationList equationList;

// "①" … "⑱" for rows 1 … 18; empty text outside that range.
std::string rowLabel(int index);

// The drill's selection that the engine reads for one call.
struct StepSelection {
    int step = 2;               // s: the step being made (already advanced by the caller)
    int lastRowLine = 0;        // the row that × and ÷ act on
    std::string row1Text;       // row numbers within their block, "1" … "4"
    std::string row2Text;
    bool secondIsRow = true;    // false: the second operand is the constant of numberText
    bool compound = false;      // row ± row × constant (entry phase 4)
    char firstOp = '?';         // operator chosen after the first row
    char secondOp = '?';        // '*' or '/' of a compound operation
    bool compoundRun = false;   // first stage of a compound operation: scale into row 0
    std::string numberText;     // the constant as typed on the number panel
};

struct StepOutcome {
    bool accepted = false;
    std::string narrative;
    bool overflow = false;  // refused because a value left 32 bits
};

// Performs one row operation: '+', '-', '*', '/', '^' swap, 'I' transpose,
// 'K' remove brackets, 'S' tidy. Writes the rows of step `sel.step`, stores the
// narrative as the text of row `sel.step`, or refuses with its own message and
// changes nothing (a refused compound first stage may leave row 0 written).
StepOutcome executeStep(EquationList& list, const StepSelection& sel, int firstRow, char op,
                        int secondRow);
