#pragma once
// The matrices of the matrix study: the value (a coefficient factored out in
// front of a bracket of exact fractions), the four program-wide matrices A, B,
// C, D, and every operation the calculator performs on them.
//
// Each operation hands back whether it did what was asked and its messages
// for the student, in order (Outcome); the calculator shows them and decides
// what to redraw. Questions (a division by zero, a zero coefficient) are asked
// through callbacks the caller passes in. Arithmetic never wraps: an operation
// clears numberState.overflow, the program's one overflow flag, before it
// starts, and when a value leaves 32 bits it is refused with kOverflowMessage
// and leaves its target exactly as it was. The flag stays raised afterwards,
// so a caller can tell an overflow from a failed range test (both give the
// same text).

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "platform/Dialogue.h"

constexpr int kMatrixMaxSize = 4;   // rows and columns in use never exceed this
constexpr int kMatrixCellRows = 5;  // the cells have the shape of five equation rows

// Messages of the matrix operations.
constexpr const char* kCopyEmptyMessage = "要素がないのでコピーできません";
constexpr const char* kAddSizeMessage = "２つの行列の行と列がそれぞれ等しくなければたせません";
constexpr const char* kSubtractSizeMessage = "２つの行列の行と列がそれぞれ等しくなければなりません";
constexpr const char* kProductSizeMessage = "行列Ａの列数と行列Ｂの行数が等しくなければなりません";
constexpr const char* kInverseNotSquareMessage = "正方行列でないので逆行列はできません";
constexpr const char* kDeltaZero2Message = "⊿=0なので逆行列はできません";
constexpr const char* kDeltaZeroMessage = "⊿が０なので、逆行列はできません";
constexpr const char* kPowerNotSquareMessage = "正方行列でないので累乗はできません";
constexpr const char* kFactorZeroMessage = "０でくくることはできません";
constexpr const char* kCoefficientZeroQuestion = "係数が０でいいですか";
constexpr const char* kConfirmCaption = "確認";

struct Matrix {
    int32_t rows = 0;  // 1 to 4 in use; 0 means the matrix is empty
    int32_t cols = 0;
    // Factored out in front of the bracket: the value is coefficient × cells.
    Fraction coefficient{1, 1, '/'};
    // Cell (i, j) is cells[i][j]; only i < rows, j < cols are in use.
    std::array<std::array<Fraction, kTermsPerRow>, kMatrixCellRows> cells{};

    Fraction& at(int i, int j) { return cells[i][j]; }
    const Fraction& at(int i, int j) const { return cells[i][j]; }
    bool empty() const { return rows == 0 || cols == 0; }
    bool square() const { return rows == cols; }
};

// The program-wide matrices: A and B are the operands, C receives every
// result, D keeps a copy of C. `solveByInverseMode` is set by the main frame
// while it shows the calculator for solving the drill's system by the inverse.
struct MatrixSet {
    Matrix A;
    Matrix B;
    Matrix C;
    Matrix D;
    bool solveByInverseMode = false;
};
extern MatrixSet matrices;

// After the coefficient has been multiplied in, every cell's |numerator| and
// denominator must stay below this: 1000 up to 3 rows, 100 from 4 rows on.
int32_t cellLimit(int rows);

// n × n identity with coefficient 1.
void setIdentity(Matrix& m, int n);
// Marks the matrix empty (rows = cols = 0); the cells are left as they are.
void emptyMatrix(Matrix& m);
// Copies the cells in use, the coefficient and the size. An empty source is
// refused with kCopyEmptyMessage and leaves the target unchanged.
Outcome copyMatrix(const Matrix& source, Matrix& target);
// Multiplies the coefficient into every cell and sets it to 1; reports whether
// every cell is within cellLimit, a zero counting as 0/1 (the matrix stays expanded either way).
// Shows nothing and does not clear the overflow flag: on an overflow it raises the flag, returns
// false and leaves the matrix unchanged.
bool expandCoefficient(Matrix& m);
// The product l × r into t, coefficients multiplied and then expanded; reports
// the in-range flag of that expansion (t holds the expanded product also when
// it is out of range). The sums' messages go to `said`. On an overflow it
// raises the flag, returns false and leaves t unchanged. t may be l or r.
bool multiplyMatrices(const Matrix& l, const Matrix& r, Matrix& t, Messages& said);
// The determinant of an expanded square matrix of 2, 3 or 4 rows (2 × 2 rule,
// the cyclic-diagonal rule for 3 × 3, expansion along row 0 for 4 × 4). May
// raise the overflow flag; the value is then meaningless. Shows nothing.
Fraction determinant(const Matrix& m);

// The calculator's operations. Each clears the overflow flag first.

// c ← a + b and c ← a − b, both operands expanded into scratch copies first
// (a and b are not changed); the result is not range-tested.
Outcome addMatrices(const Matrix& a, const Matrix& b, Matrix& c);
Outcome subtractMatrices(const Matrix& a, const Matrix& b, Matrix& c);
// The calculator's product c ← a × b: a.cols must equal b.rows
// (kProductSizeMessage, c unchanged). A product out of range is refused with
// kOverflowMessage and c holds that product; an overflow leaves c unchanged.
Outcome productMatrices(const Matrix& a, const Matrix& b, Matrix& c);

struct InverseOutcome {
    bool success = false;
    // A determinant was computed and is to be shown (also when it is 0).
    bool hasDelta = false;
    Fraction delta{1, 0, '/'};
    // d was emptied (after a successful 4 × 4 inverse): clear its picture.
    bool emptiedD = false;
    // For the student, in order; a refusal's reason among them.
    Messages messages;
};
// c ← the inverse of x as 1/⊿ × the adjugate: c's coefficient is 1/⊿ and its
// cells are the cofactors of the expanded x. A square x of fewer than 2 rows
// does nothing and says nothing. A successful 4 × 4 inverse empties d.
// `deltaComputed`, when given, is called with ⊿ as soon as it is known, before
// any message about it is shown, so that the window shows ⊿ while the message
// is up. A division by zero is asked through `askZeroDivision`.
[[nodiscard]] InverseOutcome invertMatrix(
    const Matrix& x, Matrix& c, Matrix& d, const AbortRetryIgnoreQuestion& askZeroDivision,
    const std::function<void(const Fraction&)>& deltaComputed = {});

// c ← xⁿ for n from 2 to 40, expanded. expandFirst: the power of A expands a
// scratch copy of x first and range-tests it; the power of B does not. A
// product out of range is refused with kOverflowMessage and c holds that
// product; an overflow leaves c unchanged. A matrix that is not square is
// refused with kPowerNotSquareMessage and c is unchanged; an empty x or an n
// below 2 does nothing and says nothing.
Outcome powerMatrix(const Matrix& x, int n, bool expandFirst, Matrix& c);

// Writes the matrix as k × cells with the same value: k = 0 is refused with
// kFactorZeroMessage and changes nothing. A division by zero is asked
// through `askZeroDivision`.
Outcome factorOut(Matrix& m, const Fraction& k, const AbortRetryIgnoreQuestion& askZeroDivision);

// A question with Yes/No buttons under a caption: true for Yes.
using YesNoQuestion = std::function<bool(const std::string& caption, const std::string& text)>;
// The coefficient typed for A or B replaces the coefficient; the cells stay.
// A zero coefficient is first confirmed through `confirm` with
// kCoefficientZeroQuestion under kConfirmCaption; No leaves the matrix
// unchanged and returns false.
bool enterCoefficient(Matrix& m, const Fraction& value, const YesNoQuestion& confirm);
// The coefficient back to 1; the cells stay.
void resetCoefficient(Matrix& m);
// "係数×": expands the coefficient into the cells whatever the range, without
// a message; only an overflow is refused (kOverflowMessage, m unchanged).
Outcome multiplyInCoefficient(Matrix& m);

// The calculator's swap: a into a scratch copy, b into a, the copy into b.
// An empty a or b is refused with kCopyEmptyMessage and both stay as they were.
Outcome swapMatrices(Matrix& a, Matrix& b);

// a ← the coefficients and b ← the constants of lines 1 … n of the drill's
// equation list (n = list.unknownCount, 2 to 4), with their kinds.
void loadSystemMatrices(const EquationList& list, Matrix& a, Matrix& b);
