#pragma once
// Matrix data files: small CP932 text files "matr" + rows + columns + NN +
// ".grt" in the folder "DATA" beside the program. Line 1 is "matrix1.0",
// line 2 the description shown in the sample list (2×3　（…）), then one line
// per matrix row with the cell texts exactly as typed, joined by ",".
//
// The folder is passed in (normally paths.progFolder) so that nothing here
// depends on where the program was started.

#include <string>
#include <vector>

#include "matrix/MatrixGrid.h"

constexpr const char* kMatrixFileTag = "matrix1.0";

// progFolder + "DATA/" ("/" is added to progFolder when it lacks one).
std::string matrixDataFolder(const std::string& progFolder);
// "2×3": rows, the full-width multiplication sign, columns.
std::string matrixSizeText(int rows, int cols);
// Line 2 of a file: "2×3　（" + description + "）".
std::string matrixDescriptionLine(int rows, int cols, const std::string& description);
// The example under the description prompt:
// "例　「０行列」と入力すると「2×3　（０行列）」と表示されます".
std::string matrixDescriptionExample(int rows, int cols);
// The lines of a file for the grid (UTF-8, without line ends).
std::vector<std::string> matrixFileLines(const MatrixGrid& grid, const std::string& description);
// "matr" + rows + cols + number with at least two digits + ".grt".
std::string matrixFileName(int rows, int cols, int number);
// The path for a new file of that size: the number is the count of files of
// that size plus 1, or the next number above it that no file uses, so an
// existing file is never overwritten.
std::string newMatrixFilePath(const std::string& progFolder, int rows, int cols);

// Saves the grid (1 to 4 rows and columns) as a new file, creating the DATA
// folder when missing. Refuses with a message (in the outcome; nothing is
// shown here), writing nothing, a cell that
// holds "," or a line end (it would not read back as the same grid), a
// character that CP932 cannot hold so that it reads back the same (the message
// names it; the description's look-alikes are first changed to their CP932
// forms), or a write the system refuses. On success the path
// written is stored in *writtenPath when given.
Outcome saveMatrixFile(const std::string& progFolder, const MatrixGrid& grid,
                       const std::string& description, std::string* writtenPath = nullptr);

// Reads the cell texts of a file into `grid`. Line 1 is
// ignored; every line after line 2 is split at "," (empty pieces kept) and the
// pieces fill the grid row by row in order; the grid has one row per line and
// as many columns as the last line has pieces (cells left over stay empty).
// Empty lines at the end hold no row, except as many as the size at the start
// of line 2 ("3×1　（…）") needs: a one-column matrix whose last cells are
// empty reads back with all its rows.
// Refuses with a message, leaving `grid` untouched: a missing file (the path
// followed by "がありません"), an unreadable one, one that is not valid CP932,
// one without rows, one with a line of more than 4 fields or more than 4 rows.
Outcome loadMatrixFile(const std::string& path, MatrixGrid& grid);

struct MatrixSample {
    std::string fileName;     // name within the DATA folder
    std::string description;  // line 2; the file name when there is none
};
// The files matching "matr*.grt" in the DATA folder, sorted by name, each with
// its description line. A missing folder gives an empty list; a file that has
// fewer than two lines, an empty line 2, or cannot be read is listed by its
// file name, so list positions always match the files.
std::vector<MatrixSample> listMatrixSamples(const std::string& progFolder);
