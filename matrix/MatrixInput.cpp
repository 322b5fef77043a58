#include "matrix/MatrixInput.h"

#include <algorithm>

#include "platform/UiPort.h"

std::string columnHeader(int column) {
    return "列 " + std::to_string(column);
}

std::string rowHeader(int row) {
    return "行 " + std::to_string(row);
}

namespace {

bool inside(int i, int j) {
    return i >= 0 && j >= 0 && i < kMatrixMaxSize && j < kMatrixMaxSize;
}

int counter(int n) {
    return std::clamp(n, 1, kMatrixMaxSize);
}

}  // namespace

const std::string& MatrixInput::cell(int i, int j) const {
    static const std::string none;
    return inside(i, j) ? cells_[i][j] : none;
}

void MatrixInput::setCell(int i, int j, const std::string& text) {
    if (inside(i, j))
        cells_[i][j] = text;
}

MatrixGrid MatrixInput::grid() const {
    MatrixGrid g = makeGrid(rows_, cols_);
    for (int i = 0; i < rows_; ++i)
        for (int j = 0; j < cols_; ++j)
            g[i][j] = cells_[i][j];
    return g;
}

void MatrixInput::resize(int rows, int cols) {
    rows_ = counter(rows);
    cols_ = counter(cols);
}

void MatrixInput::show() {
    const Matrix& m = stored();
    resize(m.rows, m.cols);
    printStored();
}

void MatrixInput::printStored() {
    const Matrix& m = stored();
    MatrixGrid all = makeGrid(kMatrixMaxSize, kMatrixMaxSize);
    for (int i = 0; i < kMatrixMaxSize; ++i)
        for (int j = 0; j < kMatrixMaxSize; ++j)
            all[i][j] = cells_[i][j];
    writeMatrixToGrid(m, all);
    for (int i = 0; i < kMatrixMaxSize; ++i)
        for (int j = 0; j < kMatrixMaxSize; ++j)
            cells_[i][j] = all[i][j];
}

void MatrixInput::setRows(int rows) {
    resize(rows, cols_);
    if (gridRefreshOn_)
        printStored();
}

void MatrixInput::setCols(int cols) {
    resize(rows_, cols);
    if (gridRefreshOn_)
        printStored();
}

bool MatrixInput::identity(int k) {
    setCols(k);
    setRows(cols_);
    return fillIdentity();
}

bool MatrixInput::fillIdentity() {
    MatrixGrid g = grid();
    const Outcome filled = ::fillIdentity(g);
    showMessages(filled.messages);
    if (!filled.done)
        return false;
    for (int i = 0; i < rows_; ++i)
        for (int j = 0; j < cols_; ++j)
            cells_[i][j] = g[i][j];
    return true;
}

void MatrixInput::fillRandom(int n) {
    MatrixGrid g = grid();
    ::fillRandom(g, n);
    for (int i = 0; i < rows_; ++i)
        for (int j = 0; j < cols_; ++j)
            cells_[i][j] = g[i][j];
}

void MatrixInput::clear() {
    for (int i = 0; i < rows_; ++i)
        for (int j = 0; j < cols_; ++j)
            cells_[i][j] = "0";
}

std::optional<CellRefusal> MatrixInput::store() {
    std::optional<CellRefusal> refused = storeGridInMatrix(grid(), targetIsA() ? m_.A : m_.B);
    if (refused)
        ui().showMessage(refused->message);
    return refused;
}

bool MatrixInput::load(const std::string& path) {
    MatrixGrid loaded;
    const Outcome read = loadMatrixFile(path, loaded);
    showMessages(read.messages);
    if (!read.done)
        return false;
    // The counters follow the file with the refresh flag off, so the loaded
    // texts are not overwritten by the stored matrix.
    gridRefreshOn_ = false;
    setRows(gridRows(loaded));
    setCols(gridCols(loaded));
    gridRefreshOn_ = true;
    for (int i = 0; i < rows_; ++i)
        for (int j = 0; j < cols_; ++j)
            cells_[i][j] = loaded[i][j];
    return true;
}

void MatrixInput::refreshSamples(const std::string& progFolder) {
    samples_ = listMatrixSamples(progFolder);
}

bool MatrixInput::loadSample(const std::string& progFolder, int k) {
    if (k < 0 || k >= static_cast<int>(samples_.size()))
        return false;
    return load(matrixDataFolder(progFolder) + samples_[k].fileName);
}

bool MatrixInput::save(const std::string& progFolder, const std::string& description,
                       std::string* writtenPath) {
    const Outcome saved = saveMatrixFile(progFolder, grid(), description, writtenPath);
    showMessages(saved.messages);
    if (!saved.done)
        return false;
    refreshSamples(progFolder);
    return true;
}
