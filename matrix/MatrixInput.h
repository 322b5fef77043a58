#pragma once
// The matrix input window "行列データ入力" without its widgets: the target
// matrix, the grid's texts and size, the refresh flag, and what each button
// does to them. The window shows the grid and the counters as this model has
// them and hands every edit of a cell back to it. The model tells the student
// what the grid and the matrix files refuse, through the UI port.
//
// The grid keeps the texts of all 4 × 4 cells, of which the first rows × cols
// show: a row taken away and added again comes back with its older text, as a
// string grid keeps it.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "matrix/Matrix.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixGrid.h"

// Header texts of the grid: "列 1" across row 0, "行 1" down column 0.
std::string columnHeader(int column);
std::string rowHeader(int row);

class MatrixInput {
  public:
    explicit MatrixInput(MatrixSet& matrices) : m_(matrices) {}

    // edtTarget: "A" means A, any other text B.
    std::string target = "A";
    bool targetIsA() const { return target == "A"; }
    const Matrix& stored() const { return targetIsA() ? m_.A : m_.B; }

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Text of matrix cell (i, j), 0-based; "" outside the 4 × 4 cells.
    const std::string& cell(int i, int j) const;
    // The cell as typed in the grid.
    void setCell(int i, int j, const std::string& text);
    // The cells that show.
    MatrixGrid grid() const;
    bool gridRefreshOn() const { return gridRefreshOn_; }

    // FormShow: the counters and the grid take the stored matrix's size, then
    // its cells are written in (GyouPrintG).
    void show();
    // GyouPrintG: the stored matrix's cells written over the grid as text; the
    // coefficient is not shown and other cells keep their text.
    void printStored();
    // edtGyouChange, edtRetsuChange: the counters, 1 to 4, give the grid's
    // size; with the refresh flag on, the stored cells are written again.
    void setRows(int rows);
    void setCols(int cols);
    // btn2X2Click … btn4X4Click: the columns and then the rows set to k, then
    // the identity (btnTanni1Click).
    bool identity(int k);
    // btnTanni1Click: "1" on the diagonal, "0" elsewhere; a grid that is not
    // square is refused with kSquareGridMessage.
    bool fillIdentity();
    // btnRansuClick: every cell an integer from −n to n.
    void fillRandom(int n);
    // btnClearClick: every cell "0".
    void clear();
    // btnOkClick: the grid stored into the target matrix, coefficient 1, when
    // every cell reads. Otherwise nothing is stored: the first cell the reader
    // refuses is shown in a message naming it ("行2 列3: …") and returned, so
    // that the window stays open with that cell selected.
    std::optional<CellRefusal> store();

    // loadMatrixFile: the file's cell texts and size, without the stored
    // cells written over them. A file that does not load leaves the grid as
    // it was (the student has been told why).
    bool load(const std::string& path);

    // refreshSampleList: the description lines of the files in DATA.
    void refreshSamples(const std::string& progFolder);
    const std::vector<MatrixSample>& samples() const { return samples_; }
    // lstSampleClick: loads the file at position k of the sample list.
    bool loadSample(const std::string& progFolder, int k);
    // btnSaveClick after the description window closed with OK: a new file
    // (never one that exists), then the sample list read again.
    bool save(const std::string& progFolder, const std::string& description,
              std::string* writtenPath = nullptr);

  private:
    void resize(int rows, int cols);

    MatrixSet& m_;
    std::array<std::array<std::string, kMatrixMaxSize>, kMatrixMaxSize> cells_{};
    int rows_ = kMatrixMaxSize;
    int cols_ = kMatrixMaxSize;
    bool gridRefreshOn_ = true;
    std::vector<MatrixSample> samples_;
};
