#include "matrix/MatrixFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxFields = 4;
constexpr int kMaxRows = 4;
// A matrix file of 4 × 4 cells is a few hundred bytes; anything far larger is
// not one and is not read (a huge stray file would stall every showing of the
// sample list).
constexpr std::size_t kMaxMatrixFileBytes = 64 * 1024;

std::string lowered(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Folder masks compare without case, as on the system the files come from.
bool matchesMask(const std::string& name, const std::string& prefix, const std::string& suffix) {
    std::string n = lowered(name);
    return n.size() >= prefix.size() + suffix.size() && n.compare(0, prefix.size(), prefix) == 0 &&
           n.compare(n.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Names of the regular files in the folder; empty when the folder is missing.
std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return names;
    for (const auto& entry : it) {
        std::error_code typeEc;
        if (entry.is_regular_file(typeEc))
            names.push_back(entry.path().filename().string());
    }
    return names;
}

// Every entry name in the folder, lowered: a name in use of any kind blocks a new file.
std::vector<std::string> namesInUse(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return names;
    for (const auto& entry : it)
        names.push_back(lowered(entry.path().filename().string()));
    return names;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string::npos) {
            pieces.push_back(line.substr(start));
            return pieces;
        }
        pieces.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

// The number of rows that a description line "R×C　（…）" gives, 0 when the
// line does not start that way.
int declaredRows(const std::string& line) {
    const std::string times = "×";
    if (line.size() < 2 + times.size() || line[0] < '1' || line[0] > '0' + kMaxRows ||
        line.compare(1, times.size(), times) != 0)
        return 0;
    const char cols = line[1 + times.size()];
    if (cols < '1' || cols > '0' + kMaxFields)
        return 0;
    return line[0] - '0';
}

}  // namespace

std::string matrixDataFolder(const std::string& progFolder) {
    std::string folder = progFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + "DATA/";
}

std::string matrixSizeText(int rows, int cols) {
    return std::to_string(rows) + "×" + std::to_string(cols);
}

std::string matrixDescriptionLine(int rows, int cols, const std::string& description) {
    return matrixSizeText(rows, cols) + "　（" + description + "）";
}

std::string matrixDescriptionExample(int rows, int cols) {
    return "例　「０行列」と入力すると「" + matrixSizeText(rows, cols) +
           "　（０行列）」と表示されます";
}

std::vector<std::string> matrixFileLines(const MatrixGrid& grid, const std::string& description) {
    std::vector<std::string> lines;
    lines.push_back(kMatrixFileTag);
    lines.push_back(matrixDescriptionLine(gridRows(grid), gridCols(grid), description));
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0)
                line += ',';
            line += row[j];
        }
        lines.push_back(line);
    }
    return lines;
}

std::string matrixFileName(int rows, int cols, int number) {
    std::string nn = std::to_string(number);
    if (nn.size() < 2)
        nn = "0" + nn;
    return "matr" + std::to_string(rows) + std::to_string(cols) + nn + ".grt";
}

std::string newMatrixFilePath(const std::string& progFolder, int rows, int cols) {
    const std::string folder = matrixDataFolder(progFolder);
    const std::string prefix = "matr" + std::to_string(rows) + std::to_string(cols);
    int count = 0;
    for (const auto& name : filesIn(folder))
        if (matchesMask(name, prefix, ".grt"))
            ++count;
    const std::vector<std::string> used = namesInUse(folder);
    int number = count + 1;
    while (std::find(used.begin(), used.end(), matrixFileName(rows, cols, number)) != used.end())
        ++number;
    return folder + matrixFileName(rows, cols, number);
}

Outcome saveMatrixFile(const std::string& progFolder, const MatrixGrid& grid,
                       const std::string& description, std::string* writtenPath) {
    const int rows = gridRows(grid);
    const int cols = gridCols(grid);
    bool sizeOk = rows >= 1 && rows <= kMaxRows && cols >= 1 && cols <= kMaxFields;
    for (const auto& row : grid)
        sizeOk = sizeOk && static_cast<int>(row.size()) == cols;
    if (!sizeOk) {
        return Outcome::refused("行列の大きさが正しくないので保存できません");
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            if (grid[i][j].find_first_of(",\r\n") != std::string::npos) {
                return Outcome::refused("「,」や改行を含む成分は保存できません（" +
                                        std::to_string(i + 1) + "行 " + std::to_string(j + 1) +
                                        "列）");
            }
        }
    }
    if (description.find_first_of("\r\n") != std::string::npos) {
        return Outcome::refused("説明文に改行があるので保存できません");
    }
    // The description is kept as the file will hold it: a typed look-alike
    // (〜 for ～) becomes its CP932 form.
    const std::string text = joinLinesCrLf(matrixFileLines(grid, toCp932Forms(description)));
    auto bytes = utf8ToCp932(text);
    if (!bytes) {
        return Outcome::refused("「" + firstCharacterWithoutCp932(text).value_or("") +
                                "」はShift-JISで書けないので保存できません");
    }

    // Every refusal names the file the student was saving.
    const std::string folder = matrixDataFolder(progFolder);
    std::string path = newMatrixFilePath(progFolder, rows, cols);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
        return Outcome::refused(path + "に保存できませんでした（" + folder + "を作れません）");
    }
    path = newMatrixFilePath(progFolder, rows, cols);
    if (!writeFileAtomically(path, *bytes)) {
        return Outcome::refused(path + "に保存できませんでした");
    }
    if (writtenPath)
        *writtenPath = path;
    return Outcome::success();
}

Outcome loadMatrixFile(const std::string& path, MatrixGrid& grid) {
    ReadResult read = readCp932Lines(path, kMaxMatrixFileBytes);
    if (read.status != ReadStatus::Ok) {
        return Outcome::refused(readFailureMessage(path, read.status, "行列のデータ"));
    }
    // Empty lines at the end (a file edited by hand often has one) hold no
    // row; counted as rows they would change the shape of the matrix. A
    // one-column matrix whose last cells are empty is written as empty lines
    // too: those rows are kept, as many as line 2 says the matrix has.
    auto& lines = read.lines;
    const int declared = lines.size() >= 2 ? declaredRows(lines[1]) : 0;
    while (static_cast<int>(lines.size()) > 2 + declared && lines.back().empty())
        lines.pop_back();
    const int rows = static_cast<int>(lines.size()) - 2;
    if (rows < 1) {
        return Outcome::refused(path + "には行列のデータがありません");
    }
    if (rows > kMaxRows) {
        return Outcome::refused(path + "は行列が4行を超えているので読み込めません");
    }
    std::vector<std::string> fields;
    int cols = 0;
    for (int k = 2; k < static_cast<int>(lines.size()); ++k) {
        std::vector<std::string> pieces = splitFields(lines[k]);
        if (static_cast<int>(pieces.size()) > kMaxFields) {
            return Outcome::refused(path + "の" + std::to_string(k + 1) +
                                    "行目は成分が4つを超えているので読み込めません");
        }
        cols = static_cast<int>(pieces.size());  // the last line's count decides
        fields.insert(fields.end(), pieces.begin(), pieces.end());
    }
    MatrixGrid loaded = makeGrid(rows, cols);
    std::size_t next = 0;
    for (auto& row : loaded)
        for (auto& cell : row)
            if (next < fields.size())
                cell = fields[next++];
    grid = std::move(loaded);
    return Outcome::success();
}

std::vector<MatrixSample> listMatrixSamples(const std::string& progFolder) {
    const std::string folder = matrixDataFolder(progFolder);
    std::vector<std::string> names;
    for (const auto& name : filesIn(folder))
        if (matchesMask(name, "matr", ".grt"))
            names.push_back(name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = lowered(a), lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    std::vector<MatrixSample> samples;
    for (const auto& name : names) {
        ReadResult read = readCp932Lines(folder + name, kMaxMatrixFileBytes);
        bool described =
            read.status == ReadStatus::Ok && read.lines.size() >= 2 && !read.lines[1].empty();
        samples.push_back({name, described ? read.lines[1] : name});
    }
    return samples;
}
