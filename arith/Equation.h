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

// The unknowns' letters in their order.
constexpr char kUnknownLetters[4] = {'x', 'y', 'z', 'w'};
// The place of an unknown's letter among them (x 0 … w 3), -1 for any other character.
int unknownIndex(char c);

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

// Row 0 is the scratch row of compound operations; at start-up it holds four
// zero terms.
void setUpScratchRow(EquationList& list);

// "①" … "⑱" for rows 1 … 18; empty text outside that range.
std::string rowLabel(int index);

// Row primitives. A row never holds more than kTermsPerRow terms.
// Empties a row (count 0); its text stays.
void emptyRow(EquationRow& row);
// Appends a term in the next free slot; false (and nothing written) when the
// row already holds kTermsPerRow terms.
bool appendTerm(EquationRow& row, const Fraction& term);
// Copies the terms, the count and the four further values. The text stays
// with its row index (it is the narrative of the step with that number).
void copyRow(const EquationRow& from, EquationRow& to);
// Whether the block of `step` and its narrative row lie inside the list, and
// the step has a block before it (step >= 3).
bool stepInList(const EquationList& list, int step);
// Copies the block of step - 1 to the block of step, row by row. False, with
// nothing copied, when stepInList(step) does not hold.
bool carryForward(EquationList& list, int step);
// The row of step `step`'s block at the position that `row` (1 … 127) has
// within its own block: index(step, 0) + (row - 1) mod unknownCount.
int blockPosition(const EquationList& list, int step, int row);

// Refusals of the engine, handed back in the outcome's messages exactly as
// written here.
constexpr const char* kAddConstantMessage = "行に定数をたすことはできません";
constexpr const char* kSubtractConstantMessage = "行から定数をひくことはできません";
constexpr const char* kAddSameRowMessage = "同じ式をたすことはできません";
constexpr const char* kSubtractSameRowMessage = "同じ式をひくことはできません";
constexpr const char* kMultiplyByRowMessage = "行に行をかけることはできません";
constexpr const char* kDivideByRowMessage = "行を行で割ることはできません";
constexpr const char* kMultiplyByZeroMessage = "０をかけることはできません";
constexpr const char* kDivideByZeroMessage = "０では割れません";
constexpr const char* kSwapConstantMessage = "行と定数を入れ替えることはできません";
constexpr const char* kSwapSameRowMessage = "同じ行を入れ替えることはできません";
constexpr const char* kRemoveBracketsFirstMessage = "かっこをはずしてください";
constexpr const char* kNoBracketsMessage = "かっこがありません";
// Shown by a transposition that moved nothing; the step is still made.
constexpr const char* kNothingToTransposeMessage = "移項する項はありません";
// Guards of the list's bounds (the drill normally stays inside them).
constexpr const char* kStepOutOfRangeMessage = "これ以上式を書く場所がありません";
constexpr const char* kRowOutOfRangeMessage = "選んだ行は使えません";
constexpr const char* kTooManyTermsMessage = "式の項が多すぎて書けません";
constexpr const char* kNoLabelMessage = "この式には番号がないため、この操作はできません";
constexpr const char* kUnknownOperationMessage = "この操作はできません";

// The drill's selection that the engine reads for one call.
struct StepSelection {
    int step = 2;          // s: the step being made (already advanced by the caller)
    int lastRowLine = 0;   // the row that × and ÷ act on
    std::string row1Text;  // row numbers within their block, "1" … "4"
    std::string row2Text;
    bool secondIsRow = true;   // false: the second operand is the constant of numberText
    bool compound = false;     // row ± row × constant (entry phase 4)
    char firstOp = '?';        // operator chosen after the first row
    char secondOp = '?';       // '*' or '/' of a compound operation
    bool compoundRun = false;  // first stage of a compound operation: scale into row 0
    std::string numberText;    // the constant as typed on the number panel
};

struct StepOutcome {
    bool accepted = false;
    std::string narrative;
    bool overflow = false;  // refused because a value left 32 bits
    // What the caller tells the student, in order: the number reader's and the
    // arithmetic's messages, then a refusal's reason (or, for an accepted
    // step, kNothingToTransposeMessage).
    Messages messages;
};

// Performs one row operation: '+', '-', '*', '/', '^' swap, 'I' transpose,
// 'K' remove brackets, 'S' tidy. Writes the rows of step `sel.step`, stores the
// narrative as the text of row `sel.step`, or refuses with its own message and
// changes nothing. The engine shows nothing itself: its messages come back
// in the outcome, and a division by zero is asked through `askZeroDivision`.
//
// Which rows are read: '+' '-' '^' take `firstRow` and `secondRow` (list
// lines; `secondRow` may be the scratch row 0); '*' '/' take sel.lastRowLine;
// 'I' 'K' 'S' take `firstRow`. Every operation first carries the block of
// step - 1 forward and then writes its result at the position of the chosen
// row in the new block ('^' at both positions).
//
// With sel.compoundRun set, op is '*' or '/' and the call is the first stage of
// row ± row × constant: row sel.lastRowLine, scaled outside brackets, goes into
// row 0; no block is written, no narrative stored, and the step is not made
// (the caller keeps or restores its step counter). The second call, '+' or
// '-' with secondRow 0 and sel.compound set, makes the step with the compound
// narrative.
//
// Arithmetic that leaves 32 bits restores every row the call wrote and
// refuses with kOverflowMessage and outcome.overflow set.
StepOutcome executeStep(EquationList& list, const StepSelection& sel, int firstRow, char op,
                        int secondRow, const AbortRetryIgnoreQuestion& askZeroDivision);
