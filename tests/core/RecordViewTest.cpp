#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "questions/QuestionBank.h"
#include "records/RecordView.h"
#include "tests/support/ScriptedUi.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class RecordViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/record-view-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        path = dir + "/gridora.rec";
        bank.unitName[1] = "２元１次連立方程式";
        bank.quesCount[1] = 3;
        bank.unitName[2] = "３元１次連立方程式";
        bank.quesCount[2] = 2;
        // Unit 4 is never reached: the units end at the first without a name.
        bank.unitName[4] = "特殊な解が出るもの";
        bank.quesCount[4] = 1;
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }

    void putText(const std::string& utf8) const {
        std::ofstream(path, std::ios::binary) << utf8ToCp932(utf8).value();
    }
    std::string bytes() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream buf;
        buf << in.rdbuf();
        return buf.str();
    }

    ScriptedUi ui;
    QuestionBank bank;
    std::string dir;
    std::string path;
};

struct ListingCase {
    const char* name;
    const char* file;  // nullptr: no record file
    Lines listing;
    Lines offered;     // the deletion window's list
    Lines messages;    // "{path}" stands for the record file's path
    bool raw = false;  // `file` is written as bytes, not converted to CP932
};

class RecordListing : public RecordViewTest, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(RecordListing, ListsTheUnitsOfTheQuestionFile) {
    const ListingCase& c = GetParam();
    if (c.file && c.raw)
        std::ofstream(path, std::ios::binary) << c.file;
    else if (c.file)
        putText(c.file);
    EXPECT_EQ(recordListing(bank, path), c.listing);
    Lines messages = c.messages;
    for (std::string& m : messages)
        if (m.starts_with("{path}"))
            m.replace(0, 6, path);
    EXPECT_EQ(ui.messages(), messages);
    ui.clear();
    EXPECT_EQ(unitsWithRecords(bank, path), c.offered);
    EXPECT_TRUE(ui.log.empty());
}

const Lines kNoRecords = {"２元１次連立方程式", "  1", "  2", "  3",
                          "３元１次連立方程式", "  1", "  2"};

INSTANTIATE_TEST_SUITE_P(
    Files, RecordListing,
    ::testing::Values(ListingCase{"Missing", nullptr, kNoRecords, {}, {}},
                      ListingCase{"CountsWithoutDateAreListedButNotOffered",
                                  "[２元１次連立方程式]\r\n1=2\r\n3=1\r\n",
                                  {"２元１次連立方程式", "  1★★", "  2", "  3★",
                                   "３元１次連立方程式", "  1", "  2"},
                                  {},
                                  {}},
                      ListingCase{"UnitsOfAnotherQuestionFileAreLeftOut",
                                  "[特殊な解が出るもの]\r\n1=3\r\nDATE=2024年05月07日09:05\r\n"
                                  "[２元１次連立方程式]\r\n1=1\r\nDATE=2024年06月01日14:30\r\n",
                                  {"２元１次連立方程式", "2024年06月01日14:30", "  1★", "  2",
                                   "  3", "３元１次連立方程式", "  1", "  2"},
                                  {"２元１次連立方程式"},
                                  {}},
                      ListingCase{"QuotedHexAndSpacedCountsAreIntegers",
                                  "[２元１次連立方程式]\r\n1=\"2\"\r\n2=0x3\r\n3= 1 \r\n",
                                  {"２元１次連立方程式", "  1★★", "  2★★★", "  3★",
                                   "３元１次連立方程式", "  1", "  2"},
                                  {},
                                  {}},
                      // A file that is not Shift-JIS is said to be so, never
                      // shown as if nothing had been solved.
                      ListingCase{"NotShiftJis",
                                  "[\x82\xfc]\r\n1=2\r\nDATE=\x82\r\n",
                                  kNoRecords,
                                  {},
                                  {"{path}はシフトJIS（CP932）のテキストではないため読み込めませ"
                                   "ん（解いた記録もここには書き込まれません）"},
                                  true},
                      ListingCase{"HugeAndNegativeCounts",
                                  "[２元１次連立方程式]\r\n1=2147483647\r\n2=-3\r\n3=41\r\n",
                                  {"２元１次連立方程式", "  1★×2147483647", "  2", "  3★×41",
                                   "３元１次連立方程式", "  1", "  2"},
                                  {},
                                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordViewTest, FortyStarsAreStillStars) {
    EXPECT_EQ(recordCountLine(5, 0), "  5");
    std::string forty = "  1";
    for (int i = 0; i < kMaxStarsShown; ++i)
        forty += "★";
    EXPECT_EQ(recordCountLine(1, kMaxStarsShown), forty);
}

// What a screen reader says for each line of the listing: a question's stars
// counted, anything else as it is.
struct SpokenLineCase {
    const char* name;
    std::string line;
    std::string said;
};

class SpokenRecordLineTest : public ::testing::TestWithParam<SpokenLineCase> {};

TEST_P(SpokenRecordLineTest, CountsTheStars) {
    EXPECT_EQ(spokenRecordLine(GetParam().line), GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SpokenRecordLineTest,
    ::testing::Values(
        SpokenLineCase{"NeverFinished", recordCountLine(2, 0), "問題2　0回"},
        SpokenLineCase{"Twice", recordCountLine(1, 2), "問題1　2回"},
        SpokenLineCase{"FortyStars", recordCountLine(5, kMaxStarsShown), "問題5　40回"},
        SpokenLineCase{"BeyondTheStars", recordCountLine(3, 2147483647), "問題3　2147483647回"},
        SpokenLineCase{"UnitName", "２元１次連立方程式", "２元１次連立方程式"},
        SpokenLineCase{"DateLine", "2024年05月07日09:05", "2024年05月07日09:05"},
        SpokenLineCase{"SpacesWithoutNumber", "  ★", "  ★"},
        SpokenLineCase{"SomethingElseAfterTheNumber", "  1abc", "  1abc"},
        SpokenLineCase{"TimesWithoutCount", "  1★×", "  1★×"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordViewTest, ErasingUnitsOneAtATime) {
    putText(
        "[２元１次連立方程式]\r\n1=2\r\nDATE=2024年05月07日09:05\r\n"
        "[３元１次連立方程式]\r\n2=1\r\nDATE=2024年05月08日10:00\r\n");
    RecordEraser eraser;
    eraser.show(bank, path);
    EXPECT_EQ(eraser.units(), (Lines{"２元１次連立方程式", "３元１次連立方程式"}));

    EXPECT_FALSE(eraser.eraseChosen(-1));
    EXPECT_EQ(ui.messages(), Lines{"消去する単元を選んでください"});
    EXPECT_FALSE(eraser.deletedAny());

    ui.clear();
    EXPECT_TRUE(eraser.eraseChosen(0));
    EXPECT_TRUE(ui.log.empty());  // no confirmation is asked
    EXPECT_EQ(eraser.units(), Lines{"３元１次連立方程式"});
    EXPECT_TRUE(eraser.deletedAny());
    EXPECT_EQ(bytes(), utf8ToCp932("[３元１次連立方程式]\r\n2=1\r\nDATE=2024年05月08日10:00\r\n"));
    EXPECT_EQ(recordListing(bank, path)[1], "  1");

    // Showing the window again starts afresh.
    eraser.show(bank, path);
    EXPECT_FALSE(eraser.deletedAny());
    EXPECT_EQ(eraser.units(), Lines{"３元１次連立方程式"});
}

}  // namespace
