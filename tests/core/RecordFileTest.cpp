#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/Text.h"
#include "records/RecordFile.h"
#include "tests/support/ScriptedUi.h"

namespace {

namespace fs = std::filesystem;

const std::string kUnit1 = "２元１次連立方程式";
const std::string kUnit2 = "３元１次連立方程式";

std::tm at(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/record-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        path = dir + "/gridora.rec";
        setRecordClock([this] { return now; });
    }
    void TearDown() override {
        setRecordClock(nullptr);
        // A file marked read-only cannot be removed on Windows.
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir);
    }

    std::string bytes() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream buf;
        buf << in.rdbuf();
        return buf.str();
    }
    void putBytes(const std::string& b) const { std::ofstream(path, std::ios::binary) << b; }
    static std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8).value(); }

    ScriptedUi ui;
    std::tm now = at(2024, 5, 7, 9, 5);
    std::string dir;
    std::string path;
};

TEST_F(RecordFileTest, DateHasTwoDigitMonthDayHourAndMinute) {
    EXPECT_EQ(formatRecordDate(at(2024, 5, 7, 9, 5)), "2024年05月07日09:05");
    EXPECT_EQ(formatRecordDate(at(2023, 12, 31, 23, 59)), "2023年12月31日23:59");
    EXPECT_EQ(formatRecordDate(at(2025, 1, 1, 0, 0)), "2025年01月01日00:00");
}

TEST_F(RecordFileTest, FirstQuestionOfANewUnitCreatesItsSection) {
    EXPECT_TRUE(recordSolved(path, kUnit1, 1));
    EXPECT_EQ(bytes(), sjis("[２元１次連立方程式]\r\n1=1\r\nDATE=2024年05月07日09:05\r\n"));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(RecordFileTest, SameQuestionThreeTimesCountsThreeWithTheLastDate) {
    recordSolved(path, kUnit1, 2);
    now = at(2024, 5, 8, 10, 0);
    recordSolved(path, kUnit1, 2);
    now = at(2024, 6, 1, 14, 30);
    EXPECT_TRUE(recordSolved(path, kUnit1, 2));
    EXPECT_EQ(bytes(), sjis("[２元１次連立方程式]\r\n2=3\r\nDATE=2024年06月01日14:30\r\n"));
}

TEST_F(RecordFileTest, LaterQuestionsFollowDateAndUnitsFollowEachOther) {
    recordSolved(path, kUnit1, 1);
    recordSolved(path, kUnit2, 3);
    recordSolved(path, kUnit1, 2);
    recordSolved(path, kUnit1, 1);
    EXPECT_EQ(bytes(), sjis("[２元１次連立方程式]\r\n1=2\r\nDATE=2024年05月07日09:05\r\n2=1\r\n"
                            "[３元１次連立方程式]\r\n3=1\r\nDATE=2024年05月07日09:05\r\n"));
}

TEST_F(RecordFileTest, ErasedUnitStartsAgainFromOneAfterTheOthers) {
    recordSolved(path, kUnit1, 1);
    recordSolved(path, kUnit1, 1);
    recordSolved(path, kUnit2, 1);
    EXPECT_TRUE(eraseUnitRecords(path, kUnit1));
    EXPECT_EQ(readRecordDate(path, kUnit1), "");
    EXPECT_EQ(readRecordCountText(path, kUnit1, 1), "0");
    now = at(2024, 5, 9, 8, 0);
    recordSolved(path, kUnit1, 1);
    EXPECT_EQ(bytes(), sjis("[３元１次連立方程式]\r\n1=1\r\nDATE=2024年05月07日09:05\r\n"
                            "[２元１次連立方程式]\r\n1=1\r\nDATE=2024年05月09日08:00\r\n"));
}

TEST_F(RecordFileTest, SectionWrittenByHandInOtherCaseOrSpacingIsTheSameUnit) {
    putBytes("[ Matrix ]\r\n1 = 4\r\n");
    recordSolved(path, "MATRIX", 1);
    EXPECT_EQ(bytes(), sjis("[ Matrix ]\r\n1=5\r\nDATE=2024年05月07日09:05\r\n"));
}

TEST_F(RecordFileTest, CountThatIsNotAnIntegerIsReadAsTheWriterReadsIt) {
    putBytes("[U]\r\n1=abc\r\n2=0x1A\r\n3=12abc\r\n4=2147483647\r\n");
    recordSolved(path, "U", 1);
    recordSolved(path, "U", 2);
    recordSolved(path, "U", 3);
    recordSolved(path, "U", 4);
    EXPECT_EQ(readRecordCountText(path, "U", 1), "1");
    EXPECT_EQ(readRecordCountText(path, "U", 2), "27");
    EXPECT_EQ(readRecordCountText(path, "U", 3), "13");
    EXPECT_EQ(readRecordCountText(path, "U", 4), "2147483647");  // never wraps
}

TEST_F(RecordFileTest, QuotedCountIsReadWithoutItsQuotes) {
    putBytes(sjis("[" + kUnit1 + "]\r\n1=\"42\"\r\n"));
    // The record view lists 42, and the writer counts on from there.
    EXPECT_EQ(strictRecordCount(readRecordCountText(path, kUnit1, 1)), 42);
    recordSolved(path, kUnit1, 1);
    EXPECT_EQ(readRecordCountText(path, kUnit1, 1), "43");
}

TEST_F(RecordFileTest, ReadingForTheRecordView) {
    EXPECT_EQ(readRecordDate(path, kUnit1), "");  // no file yet
    EXPECT_EQ(readRecordCountText(path, kUnit1, 1), "0");
    recordSolved(path, kUnit1, 4);
    EXPECT_EQ(readRecordDate(path, kUnit1), "2024年05月07日09:05");
    EXPECT_EQ(readRecordCountText(path, kUnit1, 4), "1");
    EXPECT_EQ(readRecordCountText(path, kUnit1, 5), "0");
    EXPECT_EQ(readRecordDate(path, kUnit2), "");
}

TEST_F(RecordFileTest, StrictCountReadingOfTheRecordView) {
    EXPECT_EQ(strictRecordCount("3"), 3);
    EXPECT_EQ(strictRecordCount(" 12 "), 12);
    EXPECT_EQ(strictRecordCount("-2"), -2);
    EXPECT_EQ(strictRecordCount("0x1A"), 26);
    EXPECT_EQ(strictRecordCount("0"), 0);
    EXPECT_EQ(strictRecordCount("12abc"), std::nullopt);
    EXPECT_EQ(strictRecordCount("abc"), std::nullopt);
    EXPECT_EQ(strictRecordCount(""), std::nullopt);
    EXPECT_EQ(strictRecordCount("-"), std::nullopt);
    EXPECT_EQ(strictRecordCount("0x"), std::nullopt);
    EXPECT_EQ(strictRecordCount("1 2"), std::nullopt);
    EXPECT_EQ(strictRecordCount("2147483648"), std::nullopt);
    EXPECT_EQ(strictRecordCount("-2147483648"), INT32_MIN);
}

TEST_F(RecordFileTest, RefusedWriteShowsThePathAndLosesNothing) {
    recordSolved(path, kUnit1, 1);
    const std::string before = bytes();
    // The record file is marked read-only.
    fs::permissions(path, fs::perms::owner_read);
    now = at(2024, 5, 8, 10, 0);
    EXPECT_FALSE(recordSolved(path, kUnit1, 1));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], path + " に書き込めません");
    EXPECT_EQ(bytes(), before);

    ui.clear();
    EXPECT_FALSE(eraseUnitRecords(path, kUnit1));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], path + " に書き込めません");
    EXPECT_EQ(bytes(), before);
}

TEST_F(RecordFileTest, RecordFolderThatIsAFileOrRecordPathThatIsAFolderIsRefused) {
    const std::string plain = dir + "/config";
    std::ofstream(plain) << "x";
    const std::string inside = plain + "/gridora.rec";
    EXPECT_FALSE(recordSolved(inside, kUnit1, 1));
    fs::create_directory(path);
    EXPECT_FALSE(recordSolved(path, kUnit1, 1));
    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{inside + " に書き込めません", path + " に書き込めません"}));
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(RecordFileTest, FileThatIsNotShiftJisIsNeverOverwritten) {
    const std::string broken = sjis("[２元１次連立方程式]\r\n1=2\r\n") + "memo=\x81\x20\r\n";
    putBytes(broken);
    EXPECT_FALSE(recordSolved(path, kUnit1, 1));
    EXPECT_FALSE(eraseUnitRecords(path, kUnit1));
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                                 path + " は Shift-JIS のテキストではないため書き込めません",
                                 path + " は Shift-JIS のテキストではないため書き込めません"}));
    EXPECT_EQ(bytes(), broken);
    // What can be read is still shown.
    EXPECT_EQ(readRecordCountText(path, kUnit1, 1), "2");
}

}  // namespace
