#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "matrix/MatrixFile.h"
#include "platform/Text.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedUi.h"

namespace fs = std::filesystem;

namespace {

struct MatrixFileTest : ::testing::Test {
    ScriptedUi ui;
    std::string prog;  // a fresh program folder, with "/" at the end

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "matrixfileXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        prog = pattern + "/";
    }
    void TearDown() override { fs::remove_all(prog); }

    std::string data() const { return prog + "DATA/"; }

    void writeBytes(const std::string& path, const std::string& bytes) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A file operation as the input model runs it: a refusal's message is
    // shown through the port; whether it did its work is returned.
    static bool did(const Outcome& out) {
        showMessages(out.messages);
        return out.done;
    }
};

TEST_F(MatrixFileTest, IdentityFileBytes) {
    std::string path;
    ASSERT_TRUE(did(saveMatrixFile(prog, {{"1", "0"}, {"0", "1"}}, "単位行列", &path)));
    EXPECT_EQ(path, data() + "matr2201.grt");
    const std::string expected =
        "matrix1.0\r\n"
        "2\x81\x7e"
        "2\x81\x40\x81\x69\x92\x50\x88\xca\x8d\x73\x97\xf1\x81\x6a\r\n"
        "1,0\r\n"
        "0,1\r\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixFileTest, CellsAreKeptAsTypedAndReadBack) {
    MatrixGrid grid{{"4/6", "0.5", ""}, {"-1/2", "", "7"}};
    std::string path;
    ASSERT_TRUE(did(saveMatrixFile(prog, grid, "零行列", &path)));
    EXPECT_EQ(path, data() + "matr2301.grt");
    auto lines = readCp932Lines(path).lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "2×3　（零行列）");
    EXPECT_EQ(lines[2], "4/6,0.5,");
    EXPECT_EQ(lines[3], "-1/2,,7");

    MatrixGrid loaded;
    ASSERT_TRUE(did(loadMatrixFile(path, loaded)));
    EXPECT_EQ(loaded, grid);
}

TEST_F(MatrixFileTest, LoadingFillsRowByRowAndTheLastLineGivesTheColumns) {
    writeBytes(data() + "matr3201.grt", "matrix1.0\r\nx\r\n1,2,3\r\n4,,6\r\n7,8\r\n");
    MatrixGrid grid;
    ASSERT_TRUE(did(loadMatrixFile(data() + "matr3201.grt", grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1", "2"}, {"3", "4"}, {"", "6"}}));

    // More cells than the lines give: the rest stay empty.
    writeBytes(data() + "matr2301.grt", "matrix1.0\r\nx\r\n1\r\n2,3,4\r\n");
    ASSERT_TRUE(did(loadMatrixFile(data() + "matr2301.grt", grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1", "2", "3"}, {"4", "", ""}}));

    // Empty lines at the end hold no row.
    writeBytes(data() + "matr2202.grt", "matrix1.0\r\nx\r\n1,0\r\n0,1\r\n\r\n\r\n");
    ASSERT_TRUE(did(loadMatrixFile(data() + "matr2202.grt", grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1", "0"}, {"0", "1"}}));
    EXPECT_TRUE(ui.log.empty());
}

// Every grid the window can save reads back as the same grid, empty cells
// included: a one-column grid whose last cells are empty ends in empty lines.
class MatrixRoundTripTest : public MatrixFileTest,
                            public ::testing::WithParamInterface<MatrixGrid> {};

TEST_P(MatrixRoundTripTest, SavedGridReadsBackTheSame) {
    std::string path;
    ASSERT_TRUE(did(saveMatrixFile(prog, GetParam(), "d", &path)));
    MatrixGrid loaded;
    ASSERT_TRUE(did(loadMatrixFile(path, loaded)));
    EXPECT_EQ(loaded, GetParam());
    EXPECT_TRUE(ui.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Grids, MatrixRoundTripTest,
                         ::testing::Values(MatrixGrid{{"1"}, {""}}, MatrixGrid{{""}},
                                           MatrixGrid{{""}, {""}, {""}, {""}},
                                           MatrixGrid{{"1"}, {""}, {"2"}, {""}},
                                           MatrixGrid{{"", ""}, {"", ""}},
                                           MatrixGrid{{"1/2", "", "3"}}),
                         RowName());

TEST_F(MatrixFileTest, EmptyLinesBeyondTheDescribedSizeHoldNoRow) {
    // Line 2 says two rows: one empty last line is a row, the others are not.
    fs::create_directories(data());
    ASSERT_TRUE(
        writeCp932Lines(data() + "matr2101.grt", {"matrix1.0", "2×1　（x）", "1", "", "", ""}));
    MatrixGrid grid;
    ASSERT_TRUE(did(loadMatrixFile(data() + "matr2101.grt", grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1"}, {""}}));
    // A line 2 that names no size keeps only the lines with text.
    writeBytes(data() + "matr2102.grt", "matrix1.0\r\nx\r\n1\r\n\r\n");
    ASSERT_TRUE(did(loadMatrixFile(data() + "matr2102.grt", grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1"}}));
}

TEST_F(MatrixFileTest, LoadingRefusesBadFilesAndKeepsTheGrid) {
    const MatrixGrid before{{"9"}};
    MatrixGrid grid = before;
    const std::string missing = data() + "matr2201.grt";
    EXPECT_FALSE(did(loadMatrixFile(missing, grid)));
    EXPECT_EQ(ui.messages().back(), missing + "がありません");

    writeBytes(data() + "bad.grt", "matrix1.0\r\n\x81\x20\r\n1,2\r\n");
    EXPECT_FALSE(did(loadMatrixFile(data() + "bad.grt", grid)));
    writeBytes(data() + "wide.grt", "matrix1.0\r\nx\r\n1,2\r\n1,2,3,4,5\r\n");
    EXPECT_FALSE(did(loadMatrixFile(data() + "wide.grt", grid)));
    writeBytes(data() + "tall.grt", "matrix1.0\r\nx\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_FALSE(did(loadMatrixFile(data() + "tall.grt", grid)));
    writeBytes(data() + "none.grt", "matrix1.0\r\nx\r\n");
    EXPECT_FALSE(did(loadMatrixFile(data() + "none.grt", grid)));
    // Far larger than any matrix file: not read at all.
    writeBytes(data() + "huge.grt", "matrix1.0\r\nx\r\n" + std::string(100000, '1') + "\r\n");
    EXPECT_FALSE(did(loadMatrixFile(data() + "huge.grt", grid)));

    EXPECT_EQ(ui.messages().size(), 6u);
    for (const auto& m : ui.messages())
        EXPECT_EQ(m.rfind(data(), 0), 0u) << m;  // names the file
    EXPECT_EQ(grid, before);

    // Four fields and four rows are fine.
    writeBytes(data() + "full.grt",
               "matrix1.0\r\nx\r\n1,2,3,4\r\n1,2,3,4\r\n1,2,3,4\r\n1,2,3,4\r\n");
    ASSERT_TRUE(did(loadMatrixFile(data() + "full.grt", grid)));
    EXPECT_EQ(gridRows(grid), 4);
    EXPECT_EQ(gridCols(grid), 4);
}

TEST_F(MatrixFileTest, NumberingNeverOverwrites) {
    EXPECT_EQ(newMatrixFilePath(prog, 2, 3), data() + "matr2301.grt");  // no DATA yet
    writeBytes(data() + "matr2301.grt", "one");
    writeBytes(data() + "matr2302.grt", "two");
    writeBytes(data() + "matr2201.grt", "other size");
    EXPECT_EQ(newMatrixFilePath(prog, 2, 3), data() + "matr2303.grt");

    // A gap: two files, so 03 would be next, but 03 is in use.
    fs::remove(data() + "matr2302.grt");
    writeBytes(data() + "matr2303.grt", "three");
    std::string path;
    ASSERT_TRUE(did(saveMatrixFile(prog, {{"1", "2", "3"}, {"4", "5", "6"}}, "", &path)));
    EXPECT_EQ(path, data() + "matr2304.grt");
    EXPECT_EQ(readBytes(data() + "matr2301.grt"), "one");
    EXPECT_EQ(readBytes(data() + "matr2303.grt"), "three");

    // A name in use in another case counts as in use.
    writeBytes(data() + "MATR4401.GRT", "x");
    EXPECT_EQ(newMatrixFilePath(prog, 4, 4), data() + "matr4402.grt");

    EXPECT_EQ(matrixFileName(2, 3, 9), "matr2309.grt");
    EXPECT_EQ(matrixFileName(2, 3, 100), "matr23100.grt");
}

TEST_F(MatrixFileTest, SavingRefusesWhatWouldNotReadBack) {
    EXPECT_FALSE(did(saveMatrixFile(prog, {{"1,5", "2"}}, "x")));
    EXPECT_FALSE(did(saveMatrixFile(prog, {{"1", "2"}}, "雪だるま☃")));  // no CP932 form
    EXPECT_FALSE(did(saveMatrixFile(prog, {{"1", "2"}, {"3"}}, "x")));   // ragged
    EXPECT_FALSE(did(saveMatrixFile(prog, {{"1", "2"}}, "¥100")));       // reads back as "\100"
    EXPECT_EQ(ui.messages().size(), 4u);
    EXPECT_EQ(ui.messages().back(), "「¥」はShift-JISで書けないので保存できません");
    EXPECT_FALSE(fs::exists(data() + "matr1201.grt"));

    // DATA taken by a plain file: the write fails with a message.
    writeBytes(prog + "DATA", "not a folder");
    ui.clear();
    EXPECT_FALSE(did(saveMatrixFile(prog, {{"1"}}, "x")));
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST_F(MatrixFileTest, SampleList) {
    EXPECT_TRUE(listMatrixSamples(prog).empty());  // no DATA folder

    // A look-alike typed in the description is kept as the CP932 character.
    ASSERT_TRUE(did(saveMatrixFile(prog, {{"1", "0"}, {"0", "1"}}, "単位行列〜E")));
    ASSERT_TRUE(fs::is_directory(data()));
    writeBytes(data() + "matr1101.grt", "matrix1.0\r\n");              // one line only
    writeBytes(data() + "matr3301.grt", "matrix1.0\r\n\x81\x20\r\n");  // not CP932
    writeBytes(data() + "MATR4401.GRT",
               "matrix1.0\r\n4\x81\x7e"
               "4\r\n1,2,3,4\r\n");
    writeBytes(data() + "matr2202.grt",
               "matrix1.0\r\n2\x81\x7e"
               "2\r\n" +
                   std::string(100000, '1'));
    writeBytes(data() + "matr2201.txt", "matrix1.0\r\nno\r\n");
    writeBytes(data() + "other.grt", "matrix1.0\r\nno\r\n");

    auto list = listMatrixSamples(prog);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].fileName, "matr1101.grt");
    EXPECT_EQ(list[0].description, "matr1101.grt");
    EXPECT_EQ(list[1].fileName, "matr2201.grt");
    EXPECT_EQ(list[1].description, "2×2　（単位行列～E）");
    EXPECT_EQ(list[2].description, "matr2202.grt");  // too large to be read
    EXPECT_EQ(list[3].description, "matr3301.grt");
    EXPECT_EQ(list[4].fileName, "MATR4401.GRT");
    EXPECT_EQ(list[4].description, "4×4");
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(MatrixFileTest, DescriptionTexts) {
    EXPECT_EQ(matrixSizeText(2, 3), "2×3");
    EXPECT_EQ(matrixDescriptionLine(2, 3, "零行列"), "2×3　（零行列）");
    EXPECT_EQ(matrixDescriptionExample(2, 3),
              "例　「０行列」と入力すると「2×3　（０行列）」と表示されます");
    EXPECT_EQ(matrixDataFolder("/prog"), "/prog/DATA/");
    EXPECT_EQ(matrixDataFolder("/prog/"), "/prog/DATA/");
}

}  // namespace
