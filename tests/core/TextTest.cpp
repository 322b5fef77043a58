// CP932 text on disk and UTF-8 inside: conversions, byte counts, reading and
// writing files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

TEST(Cp932, WindowsOwnCharactersHaveWindowsBytes) {
    struct Case {
        const char* utf8;
        std::string cp932;
    };
    const Case cases[] = {
        {"×", bytesOf({0x81, 0x7E})},
        {"①", bytesOf({0x87, 0x40})},
        {"⑱", bytesOf({0x87, 0x51})},
        {"－", bytesOf({0x81, 0x7C})},  // full-width minus
        {"～", bytesOf({0x81, 0x60})},
        {"⊿", bytesOf({0x87, 0x99})},
        {"分の", bytesOf({0x95, 0xAA, 0x82, 0xCC})},
        {"ｷｬﾝｾﾙ", bytesOf({0xB7, 0xAC, 0xDD, 0xBE, 0xD9})},  // half-width katakana, one byte each
        {"x+y=3;2x-y=0", "x+y=3;2x-y=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        auto out = utf8ToCp932(c.utf8);
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(*out, c.cp932);
        auto back = cp932ToUtf8(c.cp932);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, c.utf8);
    }
}

TEST(Cp932, InvalidBytesAreReportedNotGarbled) {
    EXPECT_FALSE(cp932ToUtf8("abc\x82").has_value());  // lead byte at the end
    EXPECT_FALSE(cp932ToUtf8("\x81\x20"
                             "abc")
                     .has_value());                       // lead byte with a bad trail
    EXPECT_FALSE(cp932ToUtf8("<<\x82\r\n").has_value());  // a line end is no trail byte
    EXPECT_TRUE(cp932ToUtf8("").has_value());
}

TEST(Cp932, TextWithoutACp932FormIsRefused) {
    EXPECT_FALSE(utf8ToCp932("😀").has_value());
    EXPECT_FALSE(utf8ToCp932("\xC3").has_value());  // not UTF-8 at all
    EXPECT_FALSE(utf8ToCp932("한글").has_value());
}

TEST(Cp932, LengthsCountCp932Bytes) {
    EXPECT_EQ(cp932Length("分の"), 4u);
    EXPECT_EQ(cp932Length("3分の2"), 6u);
    EXPECT_EQ(cp932Length("①+②"), 5u);
    EXPECT_EQ(cp932Length("ｱ"), 1u);
    EXPECT_EQ(cp932Length(""), 0u);
    EXPECT_EQ(utf8PrefixBytes("分の3", 2), std::string("分の").size());
    EXPECT_EQ(utf8PrefixBytes("ab", 5), 2u);
}

TEST(Cp932, ReadFailureMessagesNameTheFileAndTheReason) {
    const std::string path = "/q/RAver.sim";
    const std::pair<ReadStatus, std::string> cases[] = {
        {ReadStatus::Ok, ""},
        {ReadStatus::Missing, path + "がありません"},
        {ReadStatus::Unreadable, path + "を読み込めません"},
        {ReadStatus::NotCp932, path + "はシフトJIS（CP932）のテキストではないため読み込めません"},
        {ReadStatus::TooLarge, path + "は問題ファイルとしては大きすぎるため読み込めません"},
    };
    for (const auto& [status, message] : cases)
        EXPECT_EQ(readFailureMessage(path, status, "問題ファイル"), message);
}

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("text-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static void write(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    fs::path dir;
};

TEST_F(TextFileTest, WritesCp932WithCrLfAndReadsItBack) {
    const std::vector<std::string> lines = {"matrix1.0", "2×2　（単位行列）", "1,0", "0,1"};
    ASSERT_TRUE(writeCp932Lines(path("m.grt"), lines));
    const std::string bytes = read(path("m.grt"));
    EXPECT_EQ(bytes.substr(0, 11), "matrix1.0\r\n");
    EXPECT_EQ(bytes.substr(11, 3), bytesOf({'2', 0x81, 0x7E}));
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "0,1\r\n");
    const ReadResult r = readCp932Lines(path("m.grt"));
    EXPECT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.lines, lines);
}

TEST_F(TextFileTest, ReadsEveryKindOfLineEnd) {
    write(path("a.txt"), "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(readCp932Lines(path("a.txt")).lines,
              (std::vector<std::string>{"one", "two", "three", "four"}));
    // An empty line inside stays; the final line end adds none.
    write(path("b.txt"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(readCp932Lines(path("b.txt")).lines, (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(TextFileTest, ReportsMissingAndInvalidFiles) {
    EXPECT_EQ(readCp932Lines(path("none.txt")).status, ReadStatus::Missing);
    write(path("bad.txt"), "ok\r\n\x82");
    const ReadResult r = readCp932Lines(path("bad.txt"));
    EXPECT_EQ(r.status, ReadStatus::NotCp932);
    EXPECT_TRUE(r.lines.empty());
    fs::create_directory(path("folder"));
    EXPECT_EQ(readCp932Lines(path("folder")).status, ReadStatus::Unreadable);
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileWhole) {
    write(path("keep.txt"), "old\r\n");
    EXPECT_FALSE(writeCp932Lines(path("keep.txt"), {"new", "😀"}));
    EXPECT_EQ(read(path("keep.txt")), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("")), fs::directory_iterator()), 1);
    // A folder that does not exist: refused, nothing created.
    EXPECT_FALSE(writeCp932Lines(path("no/such/file.txt"), {"x"}));
}

}  // namespace
