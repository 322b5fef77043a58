#include <gtest/gtest.h>

#include <set>

#include "matrix/MatrixGrid.h"
#include "tests/support/ScriptedUi.h"

namespace {

struct MatrixGridTest : ::testing::Test {
    ScriptedUi ui;
    // A fill as the input model runs it: a refusal's message is shown
    // through the port; whether it did its work is returned.
    static bool did(const Outcome& out) {
        showMessages(out.messages);
        return out.done;
    }
};

std::set<std::string> textsOf(const MatrixGrid& grid) {
    std::set<std::string> texts;
    for (const auto& row : grid)
        texts.insert(row.begin(), row.end());
    return texts;
}

TEST_F(MatrixGridTest, RandomIntegersStayWithinTheRange) {
    MatrixGrid grid = makeGrid(4, 4);
    const std::set<std::string> one{"-1", "0", "1"};
    for (int round = 0; round < 20; ++round) {
        fillRandom(grid, 1);
        for (const auto& t : textsOf(grid))
            EXPECT_TRUE(one.count(t)) << t;
    }
    std::set<std::string> seen;
    for (int round = 0; round < 20; ++round) {
        fillRandom(grid, -5);  // taken as 5
        for (const auto& t : textsOf(grid)) {
            int v = std::stoi(t);
            EXPECT_TRUE(v >= -5 && v <= 5) << t;
            EXPECT_EQ(std::to_string(v), t);  // plain integer text, "0" for zero
            seen.insert(t);
        }
    }
    EXPECT_GT(seen.size(), 3u);
    fillRandom(grid, 0);
    EXPECT_EQ(textsOf(grid), std::set<std::string>{"0"});
}

TEST_F(MatrixGridTest, IdentityNeedsASquareGrid) {
    MatrixGrid grid{{"a", "b", "c"}, {"d", "e", "f"}};
    const MatrixGrid before = grid;
    EXPECT_FALSE(did(fillIdentity(grid)));
    EXPECT_EQ(grid, before);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{kSquareGridMessage});

    grid = makeGrid(3, 3);
    ASSERT_TRUE(did(fillIdentity(grid)));
    EXPECT_EQ(grid, (MatrixGrid{{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}));
}

TEST_F(MatrixGridTest, ClearAndStoredCells) {
    MatrixGrid grid{{"x", ""}, {"1/2", "y"}};
    clearGrid(grid);
    EXPECT_EQ(grid, (MatrixGrid{{"0", "0"}, {"0", "0"}}));

    Matrix m;
    m.rows = 1;
    m.cols = 2;
    m.coefficient = Fraction{1, 2, '/'};  // not shown
    m.at(0, 0) = Fraction{6, 4, '/'};
    m.at(0, 1) = Fraction{-4, 3, '/'};
    grid = {{"", "", "keep"}, {"keep", "keep", "keep"}};
    writeMatrixToGrid(m, grid);
    EXPECT_EQ(grid, (MatrixGrid{{"4/6", "-3/4", "keep"}, {"keep", "keep", "keep"}}));
}

TEST_F(MatrixGridTest, StoringTheGridKeepsTextsAsTypedAndRejectedTextsAsZero) {
    Matrix m;
    m.coefficient = Fraction{1, 2, '/'};
    storeGridInMatrix({{"4/6", "-1/2"}, {"0.25", ""}}, m);
    EXPECT_EQ(m.rows, 2);
    EXPECT_EQ(m.cols, 2);
    EXPECT_EQ(m.coefficient.numerator, 1);
    EXPECT_EQ(m.coefficient.denominator, 1);
    EXPECT_EQ(m.at(0, 0).numerator, 4);  // unreduced, as typed
    EXPECT_EQ(m.at(0, 0).denominator, 6);
    EXPECT_EQ(m.at(0, 1).numerator, -1);
    EXPECT_EQ(m.at(1, 0).numerator, 1);
    EXPECT_EQ(m.at(1, 0).denominator, 4);
    EXPECT_EQ(m.at(1, 1).numerator, 0);
    EXPECT_TRUE(ui.log.empty());

    // A grid with texts the reader refuses is not stored at all: one message
    // names the first of them, and m keeps the cells read before.
    const std::optional<CellRefusal> refused = storeGridInMatrix({{"1", "1/0"}, {"1", "1.2.3"}}, m);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->row, 0);
    EXPECT_EQ(refused->col, 1);
    EXPECT_EQ(refused->message, "行1 列2: 1/0 ←分母が０です");
    EXPECT_TRUE(ui.log.empty());  // the input model tells the student
    EXPECT_EQ(m.at(0, 0).numerator, 4);
    EXPECT_EQ(m.at(0, 1).numerator, -1);
}

}  // namespace
