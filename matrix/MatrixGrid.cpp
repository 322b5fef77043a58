#include "matrix/MatrixGrid.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "arith/NumberText.h"

MatrixGrid makeGrid(int rows, int cols) {
    return MatrixGrid(static_cast<std::size_t>(std::max(rows, 0)),
                      std::vector<std::string>(static_cast<std::size_t>(std::max(cols, 0))));
}

int gridRows(const MatrixGrid& grid) {
    return static_cast<int>(grid.size());
}

int gridCols(const MatrixGrid& grid) {
    return grid.empty() ? 0 : static_cast<int>(grid.front().size());
}

void fillRandom(MatrixGrid& grid, int n) {
    // Computed in 64 bits so that no typed range can overflow 2n + 1.
    const int64_t range = std::llabs(static_cast<long long>(n));
    const int64_t span = 2 * range + 1;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    for (auto& row : grid) {
        for (auto& cell : row) {
            int64_t value = std::rand() % span - range;
            cell = formatFraction(makeFraction(static_cast<int32_t>(value), 1, '/'));
        }
    }
}

Outcome fillIdentity(MatrixGrid& grid) {
    const int n = gridRows(grid);
    for (const auto& row : grid)
        if (static_cast<int>(row.size()) != n)
            return Outcome::refused(kSquareGridMessage);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            grid[i][j] = i == j ? "1" : "0";
    return Outcome::success();
}

void clearGrid(MatrixGrid& grid) {
    for (auto& row : grid)
        for (auto& cell : row)
            cell = "0";
}

void writeMatrixToGrid(const Matrix& m, MatrixGrid& grid) {
    for (int i = 0; i < m.rows && i < gridRows(grid); ++i) {
        auto& row = grid[i];
        for (int j = 0; j < m.cols && j < static_cast<int>(row.size()); ++j)
            row[j] = formatFraction(m.at(i, j));
    }
}

std::optional<CellRefusal> firstRefusedCell(const MatrixGrid& grid) {
    for (int i = 0; i < gridRows(grid); ++i)
        for (int j = 0; j < static_cast<int>(grid[i].size()); ++j) {
            const PanelNumber number = readSlashNumber(grid[i][j]);
            if (number.refused)
                return CellRefusal{i, j,
                                   "行" + std::to_string(i + 1) + " 列" + std::to_string(j + 1) +
                                       ": " + number.message};
        }
    return std::nullopt;
}

std::optional<CellRefusal> storeGridInMatrix(const MatrixGrid& grid, Matrix& m) {
    if (std::optional<CellRefusal> refused = firstRefusedCell(grid))
        return refused;
    m.rows = gridRows(grid);
    m.cols = gridCols(grid);
    m.coefficient = One;
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j) {
            // "-" alone reads as the 0/0 of nothing typed: stored as 0.
            const Fraction value = readSlashNumber(grid[i][j]).value;
            m.at(i, j) = value.denominator == 0 ? Zero : value;
        }
    return std::nullopt;
}
