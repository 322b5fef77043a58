// CP932 text on disk and UTF-8 inside: conversions, byte counts, reading and
// writing files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
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

// One character (or a short text) as typed, as the program keeps it, and as
// the file holds it, both ways: the kept text is written as `cp932`, and those
// bytes read back as the kept text. A row without bytes is refused, naming
// `refused`, the first character that would not read back the same.
struct CharacterCase {
    const char* name;
    std::string typed;
    std::string kept;
    std::optional<std::string> cp932;
    std::string refused = {};
};

class Cp932Characters : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(Cp932Characters, AreKeptAsTheFileHoldsThem) {
    const CharacterCase& c = GetParam();
    EXPECT_EQ(toCp932Forms(c.typed), c.kept);
    EXPECT_EQ(utf8ToCp932(c.kept), c.cp932);
    if (c.cp932) {
        EXPECT_EQ(cp932ToUtf8(*c.cp932), c.kept);
        EXPECT_EQ(cp932Length(c.kept), c.cp932->size());
        EXPECT_EQ(firstCharacterWithoutCp932(c.kept), std::nullopt);
    } else {
        EXPECT_EQ(firstCharacterWithoutCp932(c.kept), c.refused);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cp932, Cp932Characters, ::testing::Values(
    // Windows' own characters have Windows' bytes.
    CharacterCase{"Times", "×", "×", bytesOf({0x81, 0x7E})},
    CharacterCase{"CircledOne", "①", "①", bytesOf({0x87, 0x40})},
    CharacterCase{"CircledEighteen", "⑱", "⑱", bytesOf({0x87, 0x51})},
    CharacterCase{"FullWidthMinus", "－", "－", bytesOf({0x81, 0x7C})},
    CharacterCase{"FullWidthTilde", "～", "～", bytesOf({0x81, 0x60})},
    CharacterCase{"RightTriangle", "⊿", "⊿", bytesOf({0x87, 0x99})},
    CharacterCase{"BunNo", "分の", "分の", bytesOf({0x95, 0xAA, 0x82, 0xCC})},
    // Half-width katakana, one byte each.
    CharacterCase{"HalfWidthKana", "ｷｬﾝｾﾙ", "ｷｬﾝｾﾙ", bytesOf({0xB7, 0xAC, 0xDD, 0xBE, 0xD9})},
    CharacterCase{"Ascii", "x+y=3;2x-y=0\\~", "x+y=3;2x-y=0\\~", "x+y=3;2x-y=0\\~"},
    // Look-alikes typed on Linux and Mac are kept as the CP932 characters.
    CharacterCase{"WaveDash", "第1章〜連立", "第1章～連立",
                  bytesOf({0x91, 0xE6, '1', 0x8F, 0xCD, 0x81, 0x60, 0x98, 0x41, 0x97, 0xA7})},
    CharacterCase{"MinusSign", "−", "－", bytesOf({0x81, 0x7C})},
    CharacterCase{"EmDash", "—", "―", bytesOf({0x81, 0x5C})},
    CharacterCase{"DoubleVerticalLine", "‖", "∥", bytesOf({0x81, 0x61})},
    CharacterCase{"Cent", "¢", "￠", bytesOf({0x81, 0x91})},
    CharacterCase{"Pound", "£", "￡", bytesOf({0x81, 0x92})},
    CharacterCase{"Not", "¬", "￢", bytesOf({0x81, 0xCA})},
    // Characters that would be written as the bytes of another are refused.
    CharacterCase{"Yen", "¥100〜200", "¥100～200", std::nullopt, "¥"},
    CharacterCase{"Overline", "a‾b", "a‾b", std::nullopt, "‾"},
    CharacterCase{"Emoji", "単元😀", "単元😀", std::nullopt, "😀"},
    // Bytes that Windows reads as one character each, and writes back.
    CharacterCase{"Byte80", "\u0080", "\u0080", bytesOf({0x80})},
    CharacterCase{"ByteA0", "\uF8F0", "\uF8F0", bytesOf({0xA0})},
    CharacterCase{"ByteFD", "\uF8F1", "\uF8F1", bytesOf({0xFD})},
    CharacterCase{"ByteFE", "\uF8F2", "\uF8F2", bytesOf({0xFE})},
    CharacterCase{"ByteFF", "a\uF8F3", "a\uF8F3", bytesOf({'a', 0xFF})},
    // 0x80 and 0xA0 as the second byte of a character stay part of it.
    CharacterCase{"TrailBytes", "÷\u0080□", "÷\u0080□", bytesOf({0x81, 0x80, 0x80, 0x81, 0xA0})}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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

// A question file's bytes, read as UTF-8 or as CP932: the text read (nullopt:
// refused) and whether it was UTF-8.
struct FileTextCase {
    const char* name;
    std::string bytes;
    std::optional<std::string> text;
    bool utf8;
};

class FileTexts : public ::testing::TestWithParam<FileTextCase> {};

TEST_P(FileTexts, AreReadAsUtf8OrCp932) {
    const FileTextCase& c = GetParam();
    bool utf8 = !c.utf8;
    EXPECT_EQ(cp932OrUtf8ToUtf8(c.bytes, &utf8), c.text);
    if (c.text) {
        EXPECT_EQ(utf8, c.utf8);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cp932, FileTexts, ::testing::Values(
    // 小数 in UTF-8 is valid CP932 too (蟆乗焚): UTF-8 wins.
    FileTextCase{"Utf8ThatIsAlsoCp932", "<<\xE5\xB0\x8F\xE6\x95\xB0\r\n", "<<小数\r\n", true},
    FileTextCase{"Utf8WithBom", "\xEF\xBB\xBF<<小数", "<<小数", true},
    FileTextCase{"BomBeforeAscii", "\xEF\xBB\xBFx+y=1", "x+y=1", true},
    FileTextCase{"BomBeforeCp932", "\xEF\xBB\xBF<<\x8F\xAC\x90\x94", std::nullopt, false},
    // Look-alikes in a UTF-8 file are kept as a CP932 file will hold them.
    FileTextCase{"Utf8LookAlikes", "<<第1章〜連立−", "<<第1章～連立－", true},
    FileTextCase{"Cp932", "<<\x8F\xAC\x90\x94", "<<小数", false},
    FileTextCase{"AsciiOnly", "x+y=1;x-y=1", "x+y=1;x-y=1", false},
    // Overlong and surrogate forms are not UTF-8: read as CP932, if they are.
    FileTextCase{"OverlongSlash", "<<\xC0\xAF\xFC", std::nullopt, false},
    FileTextCase{"Surrogate", "<<\xED\xA0\x80", "<<恝\u0080", false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
