#pragma once
// The texts of the matrix input grid without its header row and column:
// grid[i][j] is the text of matrix cell (i, j). The input window keeps its
// widget and this grid in step; the fills below hold the rules.

#include <optional>
#include <string>
#include <vector>

#include "matrix/Matrix.h"

using MatrixGrid = std::vector<std::vector<std::string>>;

constexpr const char* kSquareGridMessage = "正方行列にしてください";

// rows × cols empty texts.
MatrixGrid makeGrid(int rows, int cols);
int gridRows(const MatrixGrid& grid);
// The column count of the first row (0 for an empty grid).
int gridCols(const MatrixGrid& grid);

// Every cell a random integer from −n to n ("0", "-2", "3"). The generator is
// seeded from the clock first, so two fills within the same second agree. A
// negative n is taken as its absolute value.
void fillRandom(MatrixGrid& grid, int n);
// "1" on the diagonal and "0" elsewhere. A grid that is not square is refused
// with kSquareGridMessage and left unchanged.
Outcome fillIdentity(MatrixGrid& grid);
// Every cell "0".
void clearGrid(MatrixGrid& grid);
// Writes the stored cells of m over the top-left part of the grid as text
// (formatFraction); the coefficient is not shown and cells of the grid outside
// m keep their text. The grid must be at least m's size.
void writeMatrixToGrid(const Matrix& m, MatrixGrid& grid);

// A cell the reader refuses: its place (0-based) and the message that names
// it, "行2 列3: " before the reader's own text.
struct CellRefusal {
    int row = 0;
    int col = 0;
    std::string message;
};
// The first cell, row by row, whose text the reader refuses; none when every
// cell reads. Shows nothing.
std::optional<CellRefusal> firstRefusedCell(const MatrixGrid& grid);

// Stores the grid's texts as the cells of m (numerator "/" denominator, an
// empty text as 0, full-width digits and signs as their ASCII forms); m takes
// the grid's size and the coefficient 1. Only a grid whose every cell reads is
// stored: otherwise m is left as it was and the first refused cell is
// returned with its message, for the caller to tell the student and for the
// window to select it. Shows nothing.
std::optional<CellRefusal> storeGridInMatrix(const MatrixGrid& grid, Matrix& m);
