// The input window's grid without its widgets: showing the stored matrix, the
// size counters, the fills, OK, loading and saving. Each row starts from a
// fresh window showing A = (1 0 / 0 1) or B = (5 / 6) and states the grid and
// the messages afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "matrix/MatrixInput.h"
#include "platform/Text.h"
#include "tests/core/MatrixTestSupport.h"
#include "tests/support/ScriptedUi.h"

namespace fs = std::filesystem;

namespace {

// "2×2: 1,0;0,1" — the size and the texts that show.
std::string gridText(const MatrixInput& in) {
    std::string out = matrixSizeText(in.rows(), in.cols()) + ":";
    for (int i = 0; i < in.rows(); ++i) {
        out += i > 0 ? ";" : " ";
        for (int j = 0; j < in.cols(); ++j)
            out += (j > 0 ? "," : "") + in.cell(i, j);
    }
    return out;
}

struct InputCase {
    const char* name;
    const char* target;
    std::function<void(MatrixInput&, const std::string& prog)> action;
    std::vector<std::string> messages;
    const char* grid;
    const char* stored;  // the target matrix afterwards
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

const InputCase kCases[] = {
    {"ShowsTheStoredA",
     "A",
     [](MatrixInput&, const std::string&) {},
     {},
     "2×2: 1,0;0,1",
     "(2)[1 0; 0 1]"},
    {"AnyOtherTargetMeansB",
     "b",
     [](MatrixInput&, const std::string&) {},
     {},
     "2×1: 5;6",
     "[5; 6]"},
    {"ARowAddedIsEmptyAndTheStoredCellsAreWrittenAgain",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setCell(0, 0, "9");
         in.setRows(3);
     },
     {},
     "3×2: 1,0;0,1;,",
     "(2)[1 0; 0 1]"},
    {"ACellTakenAwayComesBackWithItsText",
     "B",
     [](MatrixInput& in, const std::string&) {
         in.setCols(3);
         in.setCell(0, 2, "7/3");
         in.setCols(2);
         in.setCols(3);
     },
     {},
     "2×3: 5,,7/3;6,,",
     "[5; 6]"},
    {"CountersStayWithinOneToFour",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setRows(0);
         in.setCols(9);
     },
     {},
     "1×4: 1,0,,",
     "(2)[1 0; 0 1]"},
    {"ThreeByThreeIdentityOnATwoByFourGrid",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setCols(4);
         in.identity(3);
     },
     {},
     "3×3: 1,0,0;0,1,0;0,0,1",
     "(2)[1 0; 0 1]"},
    {"IdentityRefusedOnARectangle",
     "B",
     [](MatrixInput& in, const std::string&) { in.fillIdentity(); },
     {kSquareGridMessage},
     "2×1: 5;6",
     "[5; 6]"},
    {"ClearWritesZeros",
     "B",
     [](MatrixInput& in, const std::string&) { in.clear(); },
     {},
     "2×1: 0;0",
     "[5; 6]"},
    {"OkDropsTheCoefficient",
     "A",
     [](MatrixInput& in, const std::string&) { in.store(); },
     {},
     "2×2: 1,0;0,1",
     "[1 0; 0 1]"},
    // Nothing is stored until every cell reads; the message names the first
    // cell that does not, row by row.
    {"OkRefusesTheFirstCellThatDoesNotRead",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setCols(4);
         in.setCell(0, 0, "4/6");
         in.setCell(0, 3, "");
         in.setCell(1, 0, "x");
         in.setCell(1, 3, "1/0");
         const std::optional<CellRefusal> refused = in.store();
         ASSERT_TRUE(refused);
         EXPECT_EQ(refused->row, 1);
         EXPECT_EQ(refused->col, 0);
     },
     {std::string("行2 列1: x") + kSlashTextInvalidMessage},
     "2×4: 4/6,0,,;x,1,,1/0",
     "(2)[1 0; 0 1]"},
    {"ZeroDenominatorNamesTheCellAndItsText",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setCols(3);
         in.setCell(1, 2, "5/0");
         EXPECT_TRUE(in.store());
     },
     {"行2 列3: 5/0 ←分母が０です"},
     "2×3: 1,0,;0,1,5/0",
     "(2)[1 0; 0 1]"},
    {"AWholeSlipInTheLastCellIsNamedToo",
     "B",
     [](MatrixInput& in, const std::string&) {
         in.setCell(1, 0, "12345");
         EXPECT_TRUE(in.store());
     },
     {"行2 列1: 12345 ←数値は４桁以下にしてください"},
     "2×1: 5;12345",
     "[5; 6]"},
    // What a Japanese input method types: full-width digits, minus, slash and
    // point, and spaces (also full-width ones) around the number.
    {"FullWidthTextAndSurroundingSpacesRead",
     "A",
     [](MatrixInput& in, const std::string&) {
         in.setCols(4);
         in.setCell(0, 0, "４／６");
         in.setCell(0, 1, " －１/２　");
         in.setCell(0, 2, "０．２５");
         in.setCell(0, 3, "　");
         in.setCell(1, 0, "−3");
         in.setCell(1, 2, "\t12 ");
         in.setCell(1, 3, "-");
         EXPECT_FALSE(in.store());
     },
     {},
     "2×4: ４／６, －１/２　,０．２５,　;−3,1,\t12 ,-",
     "[4/6 -1/2 1/4 0; -3 1 12 0]"},
    {"FullWidthTextOutsideTheGrammarIsNamed",
     "B",
     [](MatrixInput& in, const std::string&) {
         in.setCell(0, 0, "１／２／３");
         EXPECT_TRUE(in.store());
     },
     {std::string("行1 列1: １／２／３") + kSlashTextInvalidMessage},
     "2×1: １／２／３;6",
     "[5; 6]"},
    {"LoadsARaggedFileWithoutTheStoredCells",
     "A",
     [](MatrixInput& in, const std::string& prog) {
         ASSERT_TRUE(in.load(matrixDataFolder(prog) + "matr3201.grt"));
     },
     {},
     "3×2: 1,2;3,4;5,6",
     "(2)[1 0; 0 1]"},
    {"AFileThatDoesNotLoadKeepsTheGrid",
     "A",
     [](MatrixInput& in, const std::string& prog) {
         EXPECT_FALSE(in.load(matrixDataFolder(prog) + "matr9901.grt"));
     },
     {"DATA/matr9901.grtがありません"},
     "2×2: 1,0;0,1",
     "(2)[1 0; 0 1]"},
    {"ASampleLoadsByItsPlaceInTheList",
     "B",
     [](MatrixInput& in, const std::string& prog) {
         in.refreshSamples(prog);
         EXPECT_TRUE(in.loadSample(prog, 1));
         EXPECT_FALSE(in.loadSample(prog, 2));
     },
     {},
     "3×2: 1,2;3,4;5,6",
     "[5; 6]"},
};

class InputFlows : public ::testing::TestWithParam<InputCase> {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "matrixinputXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        prog = pattern + "/";
        fs::create_directories(prog + "DATA");
        // Lines of 3, 3 and 2 fields: 3 rows of 2 columns from the first 6 fields.
        ASSERT_TRUE(writeCp932Lines(prog + "DATA/matr3201.grt",
                                    {"matrix1.0", "3×2　（でこぼこ）", "1,2,3", "4,5,6", "7,8"}));
        ASSERT_TRUE(writeCp932Lines(prog + "DATA/matr2201.grt",
                                    {"matrix1.0", "2×2　（単位行列）", "1,0", "0,1"}));
        numberState = {};
        matrices.A = M("(2) 1 0; 0 1");
        matrices.B = M("5; 6");
    }
    void TearDown() override { fs::remove_all(prog); }

    ScriptedUi ui;
    std::string prog;
    MatrixSet matrices;
};

TEST_P(InputFlows, GridAndStoredMatrix) {
    const InputCase& c = GetParam();
    MatrixInput in(matrices);
    in.target = c.target;
    in.show();
    c.action(in, prog);
    std::vector<std::string> expected;
    for (const auto& m : c.messages)
        expected.push_back(m.rfind("DATA/", 0) == 0 ? prog + m : m);
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_EQ(gridText(in), c.grid);
    EXPECT_EQ(matrixText(in.stored()), c.stored);
    EXPECT_TRUE(in.gridRefreshOn());
}

INSTANTIATE_TEST_SUITE_P(Buttons, InputFlows, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputFlows, RandomFillWithRangeOneTouchesOnlyTheCellsThatShow) {
    MatrixInput in(matrices);
    in.show();
    in.setCols(4);
    in.setCell(0, 3, "keep");
    in.setCols(3);
    std::set<std::string> seen;
    for (int round = 0; round < 10; ++round) {
        in.fillRandom(1);
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 3; ++j)
                seen.insert(in.cell(i, j));
    }
    EXPECT_TRUE(std::includes(std::set<std::string>{"-1", "0", "1"}.begin(),
                              std::set<std::string>{"-1", "0", "1"}.end(), seen.begin(),
                              seen.end()));
    EXPECT_EQ(in.cell(0, 3), "keep");
    EXPECT_EQ(in.cell(2, 0), "");
}

TEST_F(InputFlows, SavingTwiceWritesTwoNewFilesAndListsBoth) {
    MatrixInput in(matrices);
    in.show();  // A: 2 × 2, and matr2201.grt is taken
    in.refreshSamples(prog);
    ASSERT_EQ(in.samples().size(), 2u);
    std::string first, second;
    ASSERT_TRUE(in.save(prog, "零行列", &first));
    ASSERT_TRUE(in.save(prog, "零行列", &second));
    EXPECT_EQ(first, prog + "DATA/matr2202.grt");
    EXPECT_EQ(second, prog + "DATA/matr2203.grt");
    ASSERT_EQ(in.samples().size(), 4u);
    EXPECT_EQ(in.samples()[1].description, "2×2　（零行列）");
    EXPECT_EQ(in.samples()[2].description, "2×2　（零行列）");
    EXPECT_EQ(in.samples()[3].fileName, "matr3201.grt");
}

TEST_F(InputFlows, SavingWhereTheFolderCannotBeMadeNamesTheFileAndWritesNothing) {
    fs::remove_all(prog + "DATA");
    {
        std::ofstream blocker(prog + "DATA");  // a file where the folder should be
    }
    MatrixInput in(matrices);
    in.show();
    EXPECT_FALSE(in.save(prog, "零行列"));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].rfind(prog + "DATA/matr2201.grtに保存できませんでした", 0), 0u)
        << ui.messages()[0];
    EXPECT_TRUE(fs::is_regular_file(prog + "DATA"));
    EXPECT_TRUE(in.samples().empty());
}

TEST(MatrixInputHeaders, NameColumnsAndRows) {
    EXPECT_EQ(columnHeader(1), "列 1");
    EXPECT_EQ(rowHeader(4), "行 4");
}

}  // namespace
