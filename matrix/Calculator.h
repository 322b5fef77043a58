#pragma once
// The matrix calculator "行列の学習" without its widgets: what each of its
// pictures and labels shows, and every handler of its buttons as a call on the
// four matrices. The window turns clicks into these calls, runs the keypad and
// the input window where a handler needs them, and draws what the view holds.
// The calculator tells the student what the matrix operations hand back, and
// asks their questions, through the UI port.
//
// A picture keeps what was last drawn on it: after a failed operation the
// pictures show what they showed before.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "matrix/Matrix.h"
#include "picture/Picture.h"

// The four matrices and their pictures imgAAA, imgBBB, imgCCC, imgDDD.
enum class MatrixName { A = 0, B = 1, C = 2, D = 3 };

// The calculator's pictures, in picture pixels: the four matrices and ⊿.
constexpr int kMatrixPictureWidth = kCalcPictureWidth;    // 233
constexpr int kMatrixPictureHeight = kCalcPictureHeight;  // 145
constexpr int kDeltaPictureWidth = 121;
constexpr int kDeltaPictureHeight = 81;
// ⊿ stands at x = 40 and this line top, where the worksheet draws the first
// line of a system of two unknowns, whichever question the drill showed last.
constexpr int kDeltaTop = 25;
// The bottom of a caption written at the top-left corner: a matrix is never
// drawn above it.
constexpr int kCaptionBottom = 15;

// What one matrix picture shows.
struct MatrixPictureView {
    bool drawn = false;  // false: the picture is white
    Matrix matrix;       // the matrix as it was when drawn
    // Written in blue at the top-left corner over the matrix (drawResultCaption);
    // empty when none.
    std::string caption;
    // The description the window paints, made from the three fields above.
    Picture picture;
    // The right end of what is drawn: more than the picture's width when
    // wide entries push the columns right.
    int drawnWidth = 0;
    // What the matrix covers (calcMatrixBounds): the window shows this part
    // of the picture as large as its room allows, the caption apart from it.
    PixelRect matrixBounds;
    unsigned revision = 0;  // raised on every change, so the window repaints only what changed
};

// The description of a matrix picture: the matrix (when drawn) as the
// calculator draws it, then the caption in blue at (0, 0). A matrix whose
// rows would begin above the caption's bottom moves down below it, so the
// caption never runs under the bracket.
void describeMatrixPicture(MatrixPictureView& view);
// ⊿ in its picture, or an empty picture; returns the right end of what is
// drawn (0 for nothing), which a long ⊿ takes beyond the picture's width.
int describeDelta(Picture& picture, const std::optional<Fraction>& delta);

constexpr int kPowerMin = 2;
constexpr int kPowerMax = 40;

// Texts of the calculator's results.
constexpr const char* kCaptionSum = "Ａ＋Ｂ";
constexpr const char* kCaptionDifference = "Ａ－Ｂ";
constexpr const char* kCaptionProduct = "Ａ×Ｂ";
constexpr const char* kCaptionInverseA =
    "Aの逆行列";  // a half-width A, as the program has always shown it
constexpr const char* kCaptionInverseB = "Ｂの逆行列";
constexpr const char* kOprSum = "＋";
constexpr const char* kOprDifference = "－";
constexpr const char* kOprProduct = "×";
constexpr const char* kEqualSign = "=";

struct CalculatorView {
    std::array<MatrixPictureView, 4> pictures;  // by MatrixName
    std::optional<Fraction> delta;              // imgDelta: the value of ⊿, or white
    Picture deltaPicture;                       // its description
    int deltaDrawnWidth = 0;                    // the right end of ⊿ as drawn
    unsigned deltaRevision = 0;
    std::string opr = kOprProduct;  // lblOpr, between A and B
    std::string equal = "＝";       // lblEqual, between B and C
    int powerA = kPowerMin;         // updRuiJou
    int powerB = kPowerMin;         // updRuiJouB
    // The size of the identity matrices of the plain opening. The calculator
    // keeps its own: the drill's count of unknowns belongs to the question on
    // the worksheet and is never changed from here.
    int unknownCount = 2;

    const MatrixPictureView& picture(MatrixName m) const { return pictures[static_cast<int>(m)]; }
};

// The exponent on a power button: "3乗=>C".
std::string powerCaption(int n);
// "Ａの 3乗", "Ｂの 3乗": C's caption after a power.
std::string powerResultCaption(MatrixName x, int n);

class Calculator {
  public:
    Calculator(MatrixSet& matrices, CalculatorView& view) : m_(matrices), v_(view) {}

    // FormShow: in solve-by-inverse mode A and B come from lines 1 … n of
    // `list` (the question as posed), C and D are empty; otherwise A and B are
    // the 2 × 2 identity, C their product and D empty. The list is only read.
    void open(const EquationList& list);

    // The operation buttons.
    void add();                          // btnTasuClick
    void subtract();                     // btnHikuClick
    void multiply();                     // btnKakeClick
    void swap();                         // btnKoukanClick
    void invert(MatrixName x);           // btnGyakuCCCClick, btnGyakuBClick
    void power(MatrixName x);            // btnRuiJouClick, btnRuiJouBClick
    void setPower(MatrixName x, int n);  // updRuiJouClick, updRuiJouBClick
    // btnKeisuAClick, btnKeisuBClick after the keypad closed with
    // `modalResult`: nothing unless 1; a coefficient of 0 is first confirmed.
    void enterCoefficient(MatrixName x, int modalResult, const Fraction& value);
    void resetCoefficient(MatrixName x);  // btnResetAClick, btnResetBClick
    // btnDataA1Click, btnDataA2Click after the input window stored the grid
    // into the matrix (closed with OK).
    void cellsEntered(MatrixName x);
    void multiplyIn(MatrixName x);  // btnKakeAClick … btnKakeDClick
    // btnKukuruAClick … btnKukuruDClick after the keypad closed with `modalResult`.
    void factorOut(MatrixName x, int modalResult, const Fraction& k);
    // btnXAClick, btnXBClick, btnCopyDAClick, btnCopyDBClick, btnCopyCDClick.
    void copy(MatrixName from, MatrixName to);

    // Called after every change of the view, also in the middle of a handler
    // (⊿ is shown before the message that it is 0), so the window can repaint
    // before a message box covers it.
    std::function<void()> changed;

    // The window's routines.
    void drawMatrix(MatrixName x);
    void drawResultCaption(const std::string& text);
    void clearResultLabels();
    void emptyC();
    void emptyD();
    void resetResult();

  private:
    Matrix& matrix(MatrixName x);
    MatrixPictureView& picture(MatrixName x);
    void clearPicture(MatrixName x);
    void showDelta(const Fraction& value);
    void notify();

    MatrixSet& m_;
    CalculatorView& v_;
};

// The calculator's program-wide view.
extern CalculatorView calculatorView;
