// The matrix data file, from its bytes: read into the input grid, saved as a
// new file and read again (the same grid must come back), stored as matrix A,
// and every operation of the calculator done on it. Each result the
// calculator accepts is compared with an exact computation in rationals; a
// refused operation leaves its target as it was; a result written into the
// grid, saved and read back gives the same values.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "arith/NumberText.h"
#include "matrix/Matrix.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixGrid.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

FuzzUi* fuzzUi = nullptr;

// An operation as the calculator and the input model run it: what it hands
// back is shown through the port; whether it did its work is returned.
bool did(const Outcome& out) {
    showMessages(out.messages);
    return out.done;
}

// The input model's store: a refused cell's message is shown.
std::optional<CellRefusal> storeShown(const MatrixGrid& grid, Matrix& m) {
    std::optional<CellRefusal> refused = storeGridInMatrix(grid, m);
    if (refused)
        ui().showMessage(refused->message);
    return refused;
}

QMatrix valueOf(const Matrix& m) {
    FUZZ_CHECK(m.rows >= 1 && m.rows <= kMatrixMaxSize && m.cols >= 1 && m.cols <= kMatrixMaxSize,
               "a matrix of " + std::to_string(m.rows) + " x " + std::to_string(m.cols));
    FUZZ_CHECK(m.coefficient.denominator != 0, "a coefficient with denominator 0");
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j)
            FUZZ_CHECK(m.at(i, j).denominator != 0, "a cell with denominator 0");
    return exactValue(m);
}

// Whether the range test cannot fail: every stored cell times the
// coefficient, even unreduced (a zero keeps its denominator), stays below the
// calculator's limit for the size.
bool surelyInRange(const Matrix& m) {
    const int64_t limit = cellLimit(m.rows);
    const int64_t kn = std::abs(int64_t{m.coefficient.numerator});
    const int64_t kd = std::abs(int64_t{m.coefficient.denominator});
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j)
            if (std::abs(int64_t{m.at(i, j).numerator}) * kn >= limit ||
                std::abs(int64_t{m.at(i, j).denominator}) * kd >= limit)
                return false;
    return true;
}

Matrix transposed(const Matrix& m) {
    Matrix t;
    t.rows = m.cols;
    t.cols = m.rows;
    t.coefficient = m.coefficient;
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j)
            t.at(j, i) = m.at(i, j);
    return t;
}

// A target that holds something else before each operation.
Matrix previousResult() {
    Matrix c;
    setIdentity(c, 2);
    c.coefficient = Fraction{7, 3, '/'};
    return c;
}

const std::string& progFolder() {
    static const std::string folder = scratchFolder() + "prog/";
    return folder;
}

// Saves the grid as a new file in DATA and reads that file back.
MatrixGrid savedAndRead(const MatrixGrid& grid) {
    std::string written;
    FUZZ_CHECK(did(saveMatrixFile(progFolder(), grid, "説明", &written)),
               "a grid read from a file cannot be saved: " + fuzzUi->lastMessage);
    MatrixGrid back;
    FUZZ_CHECK(did(loadMatrixFile(written, back)),
               "a saved file cannot be read: " + fuzzUi->lastMessage);
    ::unlink(written.c_str());
    return back;
}

// A result written into the grid as the input window shows it, saved, read
// back and stored: the same values, unless a cell's text is beyond what a
// cell may hold (it is then refused with a message and stored as 0).
void checkResultSaved(const Matrix& result) {
    Matrix plain = result;
    plain.coefficient = One;
    MatrixGrid grid = makeGrid(plain.rows, plain.cols);
    writeMatrixToGrid(plain, grid);
    const MatrixGrid back = savedAndRead(grid);
    FUZZ_CHECK(back == grid, "a result's grid reads back changed");
    Matrix stored;
    fuzzUi->messages = 0;
    storeShown(back, stored);
    if (fuzzUi->messages == 0)
        FUZZ_CHECK(valueOf(stored) == valueOf(plain), "a result saved reads back other values");
}

void checkOperations(const Matrix& a, const Fraction& k) {
    // A2: A with a coefficient; B: A2 transposed, so that A x B always exists.
    Matrix a2 = a;
    enterCoefficient(a2, k, [](const std::string& caption, const std::string& text) {
        return ui().askYesNo(caption, text);
    });
    const Matrix b = transposed(a2);
    const QMatrix va = valueOf(a), va2 = valueOf(a2), vb = valueOf(b);

    for (bool subtract : {false, true}) {
        Matrix c = previousResult();
        const bool ok = did(subtract ? subtractMatrices(a, a2, c) : addMatrices(a, a2, c));
        if (ok) {
            QMatrix want = va;
            for (std::size_t i = 0; i < want.size(); ++i)
                for (std::size_t j = 0; j < want[i].size(); ++j)
                    want[i][j] = subtract ? Q(va[i][j] - va2[i][j]) : Q(va[i][j] + va2[i][j]);
            FUZZ_CHECK(valueOf(c) == want, subtract ? "A - A2 is wrong" : "A + A2 is wrong");
            checkResultSaved(c);
        } else {
            // Refused: the operands are range-tested before they are added.
            FUZZ_CHECK(sameMatrix(c, previousResult()), "a refused sum changed its target");
            FUZZ_CHECK(numberState.overflow || !surelyInRange(a) || !surelyInRange(a2),
                       "a sum refused without a reason");
        }
    }

    {
        Matrix c = previousResult();
        const bool ok = did(productMatrices(a, b, c));
        if (ok || !numberState.overflow) {
            // Accepted, or out of the calculator's range: c holds the product.
            FUZZ_CHECK(valueOf(c) == exactProduct(va, vb), "A x B is wrong");
            if (ok)
                checkResultSaved(c);
        } else {
            FUZZ_CHECK(sameMatrix(c, previousResult()), "an overflowed product changed its target");
        }
    }

    {
        Matrix c = previousResult();
        Matrix d = previousResult();
        const InverseOutcome out = invertMatrix(a2, c, d, askAbortRetryIgnoreBox);
        showMessages(out.messages);
        if (out.hasDelta)
            FUZZ_CHECK(exactValue(out.delta) == exactDeterminant(va2), "the determinant is wrong");
        if (out.success) {
            FUZZ_CHECK(exactProduct(valueOf(c), va2) == exactIdentity(va2.size()),
                       "the inverse is wrong");
            checkResultSaved(c);
        } else {
            FUZZ_CHECK(sameMatrix(c, previousResult()) && sameMatrix(d, previousResult()),
                       "a refused inverse changed C or D");
            if (a2.square() && a2.rows >= 2)
                FUZZ_CHECK(numberState.overflow || !surelyInRange(a2) ||
                               (out.hasDelta && out.delta.numerator == 0),
                           "an inverse refused without a reason");
        }
    }

    {
        const int n = 2 + static_cast<int>(static_cast<unsigned>(k.numerator) % 5);
        for (bool expandFirst : {true, false}) {
            const Matrix& x = expandFirst ? a : a2;
            const QMatrix& vx = expandFirst ? va : va2;
            Matrix c = previousResult();
            const bool ok = did(powerMatrix(x, n, expandFirst, c));
            if (sameMatrix(c, previousResult())) {
                FUZZ_CHECK(!ok, "a power said done and left C as it was");
                continue;
            }
            FUZZ_CHECK(x.square(), "a power of a matrix that is not square");
            // Done: xⁿ; stopped out of range: the power it reached.
            QMatrix p = vx;
            bool found = false;
            for (int i = 2; i <= n && !found; ++i) {
                p = exactProduct(p, vx);
                found = valueOf(c) == p && (!ok || i == n);
            }
            FUZZ_CHECK(found, "a power of A is wrong");
        }
    }

    {
        Matrix m = a2;
        const Fraction by = a.at(0, 0);
        if (did(factorOut(m, by, askAbortRetryIgnoreBox))) {
            FUZZ_CHECK(valueOf(m) == va2 && exactValue(m.coefficient) == exactValue(by),
                       "factoring out changed the value");
        } else {
            FUZZ_CHECK(sameMatrix(m, a2), "a refused factoring changed the matrix");
        }
        m = a2;
        if (did(multiplyInCoefficient(m)))
            FUZZ_CHECK(valueOf(m) == va2 && exactValue(m.coefficient) == 1,
                       "multiplying the coefficient in changed the value");
        else
            FUZZ_CHECK(sameMatrix(m, a2), "a refused multiplication changed the matrix");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzUi ui;
    fuzzUi = &ui;
    const std::string path = scratchFolder() + "matr2201.grt";
    writeRawFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    const MatrixGrid untouched = {{"untouched"}};
    MatrixGrid grid = untouched;
    ui.messages = 0;
    if (!did(loadMatrixFile(path, grid))) {
        FUZZ_CHECK(ui.messages == 1 && grid == untouched, "a refused file changed the grid");
        return 0;
    }
    FUZZ_CHECK(
        gridRows(grid) >= 1 && gridRows(grid) <= 4 && gridCols(grid) >= 1 && gridCols(grid) <= 4,
        "a grid of a size no matrix has");
    for (const auto& row : grid)
        FUZZ_CHECK(static_cast<int>(row.size()) == gridCols(grid), "a ragged grid");
    FUZZ_CHECK(savedAndRead(grid) == grid, "a grid saved and read again is not the same grid");

    numberState = {};
    Matrix a;
    // A cell that does not read stores nothing; the student corrects it (here
    // to 0) and presses OK again, until the grid is stored.
    MatrixGrid corrected = grid;
    while (const std::optional<CellRefusal> refused = storeShown(corrected, a)) {
        FUZZ_CHECK(a.empty(), "a grid with a cell that does not read was stored");
        corrected[refused->row][refused->col] = "0";
    }
    // The coefficient for A2: the last cell's value, as the student may type it.
    Fraction k = parseSlashNumber(grid.back().back());
    if (k.denominator == 0)
        k = Fraction{2, 3, '/'};
    checkOperations(a, k);
    return 0;
}
