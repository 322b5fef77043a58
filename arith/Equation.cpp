#include "arith/Equation.h"

#include <climits>
#include <string>
#include <utility>

#include "arith/NumberText.h"

EquationList equationList;

namespace {

constexpr const char* kLabels[kLabelCount] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨",
                                              "⑩", "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱"};

const Fraction kEquals{1, 0, '='};
constexpr int kMaxUnknowns = 4;  // "x", "y", "z", "w"

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isNumber(char c) {
    return c == '/' || c == '|';
}
bool isOpening(char c) {
    return c == '(' || c == '[' || c == '{';
}
bool isClosing(char c) {
    return c == ')' || c == ']' || c == '}';
}
bool validLine(int line) {
    return line >= 0 && line < kListRows;
}

// Number of terms in use, kept inside the row whatever its count field says.
int termCount(const EquationRow& row) {
    if (row.count < 0)
        return 0;
    return row.count > kTermsPerRow ? kTermsPerRow : row.count;
}

bool holdsTerm(const EquationRow& row, bool (*test)(char)) {
    for (int i = 0; i < termCount(row); ++i)
        if (test(row.terms[i].kind))
            return true;
    return false;
}

bool isBracket(char c) {
    return isOpening(c) || isClosing(c);
}

// The term with its sign changed; -2^31 cannot change sign in 32 bits.
Fraction negate(const Fraction& f) {
    if (f.numerator == INT32_MIN) {
        numberState.overflow = true;
        return f;
    }
    return Fraction{f.denominator, -f.numerator, f.kind};
}

// The values of a row that an operation may overwrite (its text is only
// written once the operation has succeeded).
struct SavedRow {
    int line = -1;
    std::array<Fraction, kTermsPerRow> terms{};
    int32_t count = 0;
    std::array<int32_t, 4> extra{};
};

// Remembers rows before an operation writes them, so that a refused
// operation can put them back.
class Snapshot {
  public:
    explicit Snapshot(EquationList& list) : list_(list) {}
    void keep(int line) {
        for (int i = 0; i < used_; ++i)
            if (saved_[i].line == line)
                return;
        const EquationRow& row = list_.rows[line];
        if (used_ == static_cast<int>(saved_.size()))
            return;  // run() keeps within a block
        saved_[used_++] = SavedRow{line, row.terms, row.count, row.extra};
    }
    void keepBlock(int step) {
        for (int i = 0; i < list_.unknownCount; ++i)
            keep(list_.index(step, i));
    }
    void restore() {
        for (int i = 0; i < used_; ++i) {
            EquationRow& row = list_.rows[saved_[i].line];
            row.terms = saved_[i].terms;
            row.count = saved_[i].count;
            row.extra = saved_[i].extra;
        }
    }

  private:
    EquationList& list_;
    std::array<SavedRow, kMaxUnknowns + 1> saved_{};  // a block and row 0
    int used_ = 0;
};

// One call of executeStep: the selection, the constant of the number panel
// and the bookkeeping of what has been written.
class Step {
  public:
    Step(EquationList& list, const StepSelection& sel, const AbortRetryIgnoreQuestion& ask)
        : list_(list), sel_(sel), ask_(ask), snapshot_(list), uc_(list.unknownCount) {}

    StepOutcome run(int firstRow, char op, int secondRow);

  private:
    StepOutcome refuse(const char* message) {
        said_.push_back(message);
        StepOutcome out;
        out.messages = std::move(said_);
        return out;
    }
    StepOutcome finish(const std::string& narrative, bool storeNarrative = true);

    bool stepReady() const { return stepInList(list_, sel_.step); }
    bool rowReady(int line) const { return line >= 1 && line < kListRows; }
    // Why transpose, bracket removal or tidy cannot work on `line`, or nullptr:
    // they need a step in the list and a row with a label.
    const char* singleRowRefusal(int line) const {
        if (!stepReady())
            return kStepOutOfRangeMessage;
        if (!rowReady(line))
            return kRowOutOfRangeMessage;
        if (rowLabel(line).empty())
            return kNoLabelMessage;
        return nullptr;
    }

    // Starts the new block and returns the emptied target row for `line`.
    EquationRow& beginBlock(int line) {
        snapshot_.keepBlock(sel_.step);
        carryForward(list_, sel_.step);
        EquationRow& target = list_.rows[blockPosition(list_, sel_.step, line)];
        emptyRow(target);
        return target;
    }
    void append(EquationRow& row, const Fraction& term) {
        if (!appendTerm(row, term))
            tooManyTerms_ = true;
    }

    StepOutcome addOrSubtract(int firstRow, char op, int secondRow);
    StepOutcome multiplyOrDivide(char op);
    StepOutcome scaleIntoScratch(char op);
    StepOutcome swap(int firstRow, int secondRow);
    StepOutcome transpose(int line);
    StepOutcome removeBrackets(int line);
    StepOutcome tidy(int line);

    std::string rowText(const std::string& number) const { return "第" + number + "行"; }

    EquationList& list_;
    const StepSelection& sel_;
    const AbortRetryIgnoreQuestion& ask_;
    Messages said_;  // what the student is to be told, in order
    Snapshot snapshot_;
    int uc_;
    Fraction constant_{};
    bool tooManyTerms_ = false;
    bool nothingMoved_ = false;
};

StepOutcome Step::finish(const std::string& narrative, bool storeNarrative) {
    if (numberState.overflow || tooManyTerms_) {
        snapshot_.restore();
        StepOutcome out;
        out.overflow = numberState.overflow;
        said_.push_back(numberState.overflow ? kOverflowMessage : kTooManyTermsMessage);
        out.messages = std::move(said_);
        return out;
    }
    if (nothingMoved_)
        said_.push_back(kNothingToTransposeMessage);
    if (storeNarrative)
        list_.rows[sel_.step].text = narrative;
    StepOutcome out;
    out.accepted = true;
    out.narrative = narrative;
    out.messages = std::move(said_);
    return out;
}

StepOutcome Step::run(int firstRow, char op, int secondRow) {
    numberState.overflow = false;
    const PanelNumber constant = readKeypadNumber(sel_.numberText);
    if (constant.refused)
        said_.push_back(constant.message);
    constant_ = constant.value;
    if (uc_ < 1 || uc_ > kMaxUnknowns)
        return refuse(kStepOutOfRangeMessage);
    if (sel_.compoundRun && (op == '*' || op == '/'))
        return scaleIntoScratch(op);
    switch (op) {
        case '+':
        case '-':
            return addOrSubtract(firstRow, op, secondRow);
        case '*':
        case '/':
            return multiplyOrDivide(op);
        case '^':
            return swap(firstRow, secondRow);
        case 'I':
            return transpose(firstRow);
        case 'K':
            return removeBrackets(firstRow);
        case 'S':
            return tidy(firstRow);
        default:
            return refuse(kUnknownOperationMessage);
    }
}

StepOutcome Step::addOrSubtract(int firstRow, char op, int secondRow) {
    bool add = op == '+';
    if (!sel_.secondIsRow)
        return refuse(add ? kAddConstantMessage : kSubtractConstantMessage);
    if (firstRow == secondRow)
        return refuse(add ? kAddSameRowMessage : kSubtractSameRowMessage);
    if (!stepReady())
        return refuse(kStepOutOfRangeMessage);
    if (!rowReady(firstRow) || !validLine(secondRow))
        return refuse(kRowOutOfRangeMessage);

    const EquationRow first = list_.rows[firstRow];
    const EquationRow second = list_.rows[secondRow];
    EquationRow& target = beginBlock(firstRow);
    if (add) {
        for (int p = 0; p < termCount(first); ++p) {
            if (first.terms[p].kind == '=')
                append(target, kEquals);
            else
                append(target, addFractions(first.terms[p], second.terms[p], said_));
        }
    } else {
        for (int p = 0; p <= uc_ + 1; ++p) {
            if (p == uc_)
                append(target, kEquals);
            else
                append(target, subtractFractions(first.terms[p], second.terms[p], said_));
        }
    }

    std::string a = rowText(sel_.row1Text);
    std::string b = rowText(sel_.row2Text);
    std::string joint = add ? "に" : "から";
    std::string verb = add ? "をたすと" : "をひくと";
    if (sel_.compound && sel_.secondOp == '*')
        return finish(a + joint + b + "の" + sel_.numberText + (add ? "倍をたすと" : "倍をひくと"));
    if (sel_.compound && sel_.secondOp == '/')
        return finish(a + joint + b + "を" + sel_.numberText +
                      (add ? "でわったものをたすと" : "でわったものをひくと"));
    return finish(a + joint + b + verb);
}

StepOutcome Step::multiplyOrDivide(char op) {
    bool multiply = op == '*';
    if (sel_.secondIsRow)
        return refuse(multiply ? kMultiplyByRowMessage : kDivideByRowMessage);
    if (constant_.numerator == 0)
        return refuse(multiply ? kMultiplyByZeroMessage : kDivideByZeroMessage);
    if (!stepReady())
        return refuse(kStepOutOfRangeMessage);
    int line = sel_.lastRowLine;
    if (!rowReady(line))
        return refuse(kRowOutOfRangeMessage);

    const EquationRow source = list_.rows[line];
    EquationRow& target = beginBlock(line);
    for (int p = 0; p <= uc_ + 1; ++p) {
        if (p == uc_)
            append(target, kEquals);
        else if (multiply)
            append(target, multiplyFractions(source.terms[p], constant_));
        else
            append(target, divideFractions(source.terms[p], constant_, ask_));
    }
    return finish(rowText(sel_.row1Text) + "を" + sel_.numberText +
                  (multiply ? "倍すると" : "で割ると"));
}

StepOutcome Step::scaleIntoScratch(char op) {
    bool multiply = op == '*';
    if (sel_.secondIsRow)
        return refuse(multiply ? kMultiplyByRowMessage : kDivideByRowMessage);
    if (constant_.numerator == 0)
        return refuse(multiply ? kMultiplyByZeroMessage : kDivideByZeroMessage);
    int line = sel_.lastRowLine;
    if (!rowReady(line))
        return refuse(kRowOutOfRangeMessage);

    const EquationRow source = list_.rows[line];
    snapshot_.keep(0);
    EquationRow& scratch = list_.rows[0];
    emptyRow(scratch);
    scratch.extra = source.extra;
    // Terms inside brackets belong to the bracket's multiplier and are
    // scaled with it, so only the terms outside every bracket are scaled.
    int depth = 0;
    for (int p = 0; p < termCount(source); ++p) {
        const Fraction& term = source.terms[p];
        if (isOpening(term.kind)) {
            ++depth;
            append(scratch, term);
        } else if (isClosing(term.kind)) {
            --depth;
            append(scratch, term);
        } else if (depth != 0) {
            append(scratch, term);
        } else {
            append(scratch, multiply ? multiplyFractions(term, constant_)
                                     : divideFractions(term, constant_, ask_));
        }
    }
    return finish("", false);
}

StepOutcome Step::swap(int firstRow, int secondRow) {
    if (!sel_.secondIsRow)
        return refuse(kSwapConstantMessage);
    if (firstRow == secondRow)
        return refuse(kSwapSameRowMessage);
    if (!stepReady())
        return refuse(kStepOutOfRangeMessage);
    if (!rowReady(firstRow) || !rowReady(secondRow))
        return refuse(kRowOutOfRangeMessage);

    const EquationRow first = list_.rows[firstRow];
    const EquationRow second = list_.rows[secondRow];
    snapshot_.keepBlock(sel_.step);
    carryForward(list_, sel_.step);
    copyRow(first, list_.rows[blockPosition(list_, sel_.step, secondRow)]);
    copyRow(second, list_.rows[blockPosition(list_, sel_.step, firstRow)]);
    return finish(rowText(sel_.row1Text) + "と" + rowText(sel_.row2Text) + "を入れ替えると");
}

StepOutcome Step::transpose(int line) {
    if (const char* refusal = singleRowRefusal(line))
        return refuse(refusal);
    const EquationRow source = list_.rows[line];
    if (holdsTerm(source, isBracket))
        return refuse(kRemoveBracketsFirstMessage);

    EquationRow& target = beginBlock(line);
    EquationRow moved;  // the numbers that end up right of "="
    int movedCount = 0;
    bool right = false;
    for (int p = 0; p < termCount(source); ++p) {
        const Fraction& term = source.terms[p];
        if (term.kind == '=') {
            right = true;
        } else if (isLetter(term.kind)) {
            if (right) {
                append(target, negate(term));
                ++movedCount;
            } else {
                append(target, term);
            }
        } else if (isNumber(term.kind) && term.numerator != 0) {
            if (right) {
                append(moved, term);
            } else {
                append(moved, negate(term));
                ++movedCount;
            }
        }
    }
    append(target, kEquals);
    if (termCount(moved) == 0)
        append(target, Zero);
    for (int p = 0; p < termCount(moved); ++p)
        append(target, moved.terms[p]);
    nothingMoved_ = movedCount == 0;
    return finish(rowLabel(line) + "を移項すると");
}

StepOutcome Step::removeBrackets(int line) {
    if (const char* refusal = singleRowRefusal(line))
        return refuse(refusal);
    const EquationRow source = list_.rows[line];
    if (!holdsTerm(source, isOpening))
        return refuse(kNoBracketsMessage);

    EquationRow& target = beginBlock(line);
    int open = -1;  // where the innermost open bracket stands in the target
    for (int p = 0; p < termCount(source); ++p) {
        const Fraction& term = source.terms[p];
        if (isOpening(term.kind)) {
            append(target, term);
            open = target.count - 1;
        } else if (isClosing(term.kind) && open >= 0) {
            EquationRow inside;
            for (int q = open + 1; q < target.count; ++q)
                append(inside, target.terms[q]);
            // The number written before the bracket multiplies it; a bracket
            // with no number before it stands for 1 × (…) and keeps what
            // precedes it.
            Fraction multiplier = One;
            int keep = open;
            if (open >= 1 && isNumber(target.terms[open - 1].kind)) {
                multiplier = target.terms[open - 1];
                keep = open - 1;
            }
            target.count = keep;
            for (int q = 0; q < inside.count; ++q)
                append(target, multiplyFractions(inside.terms[q], multiplier));
            open = -1;
        } else {
            append(target, term);
        }
    }
    return finish(rowLabel(line) + "のかっこをはずすと");
}

StepOutcome Step::tidy(int line) {
    if (const char* refusal = singleRowRefusal(line))
        return refuse(refusal);
    const EquationRow source = list_.rows[line];
    if (holdsTerm(source, isBracket))
        return refuse(kRemoveBracketsFirstMessage);

    // For each side of "=": the four unknowns, then the constant.
    Fraction sum[2][5];
    for (auto& side : sum) {
        for (int i = 0; i < 4; ++i)
            side[i] = Fraction{1, 0, kUnknownLetters[i]};
        side[4] = Zero;
    }
    int side = 0;
    for (int p = 0; p < termCount(source); ++p) {
        const Fraction& term = source.terms[p];
        if (term.kind == '=') {
            side = 1;
            continue;
        }
        int slot = -1;
        if (isNumber(term.kind))
            slot = 4;
        if (unknownIndex(term.kind) >= 0)
            slot = unknownIndex(term.kind);
        if (slot >= 0)
            sum[side][slot] = addFractions(sum[side][slot], term, said_);
    }

    // Left: every unknown of the question in order (zeros too, so that a row
    // of unknowns = constant keeps its usual places), any other unknown that
    // occurs, then the constant if any. Right: the unknowns that occur, then
    // the constant, which also stands alone when nothing else is there.
    EquationRow& target = beginBlock(line);
    int shown = uc_ < 4 ? uc_ : 4;
    for (int i = 0; i < 4; ++i)
        if (i < shown || sum[0][i].numerator != 0)
            append(target, sum[0][i]);
    if (sum[0][4].numerator != 0)
        append(target, sum[0][4]);
    append(target, kEquals);
    bool anyRight = false;
    for (int i = 0; i < 4; ++i) {
        if (sum[1][i].numerator != 0) {
            append(target, sum[1][i]);
            anyRight = true;
        }
    }
    if (sum[1][4].numerator != 0 || !anyRight)
        append(target, sum[1][4]);
    return finish(rowLabel(line) + "を整理すると");
}

}  // namespace

int EquationList::index(int step, int i) const {
    if (step <= 1)
        return 1;
    return i + (step - 2) * unknownCount + 1;
}

void EquationList::clear() {
    for (auto& row : rows)
        row = EquationRow{};
}

int unknownIndex(char c) {
    for (int i = 0; i < 4; ++i)
        if (c == kUnknownLetters[i])
            return i;
    return -1;
}

void setUpScratchRow(EquationList& list) {
    EquationRow& row = list.rows[0];
    row = EquationRow{};
    for (int i = 0; i < 4; ++i)
        row.terms[i] = Zero;
    row.count = 4;
}

std::string rowLabel(int index) {
    if (index < 1 || index > kLabelCount)
        return "";
    return kLabels[index - 1];
}

void emptyRow(EquationRow& row) {
    row.count = 0;
}

bool appendTerm(EquationRow& row, const Fraction& term) {
    if (row.count < 0)
        row.count = 0;
    if (row.count >= kTermsPerRow)
        return false;
    row.terms[row.count++] = term;
    return true;
}

void copyRow(const EquationRow& from, EquationRow& to) {
    to.terms = from.terms;
    to.count = termCount(from);
    to.extra = from.extra;
}

bool stepInList(const EquationList& list, int step) {
    if (list.unknownCount < 1 || step < 3)
        return false;
    int last = list.index(step, list.unknownCount - 1);
    return last < kListRows && step < kListRows;
}

bool carryForward(EquationList& list, int step) {
    if (!stepInList(list, step))
        return false;
    for (int i = 0; i < list.unknownCount; ++i)
        copyRow(list.rows[list.index(step - 1, i)], list.rows[list.index(step, i)]);
    return true;
}

int blockPosition(const EquationList& list, int step, int row) {
    return list.index(step, 0) + (row - 1) % list.unknownCount;
}

StepOutcome executeStep(EquationList& list, const StepSelection& sel, int firstRow, char op,
                        int secondRow, const AbortRetryIgnoreQuestion& askZeroDivision) {
    Step step(list, sel, askZeroDivision);
    return step.run(firstRow, op, secondRow);
}
