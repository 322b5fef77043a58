#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "platform/Profile.h"
#include "platform/Text.h"
#include "tests/support/RowName.h"

namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/profile-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        path = dir + "/test.ini";
    }
    void TearDown() override {
        // A file marked read-only cannot be removed on Windows.
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir);
    }

    // The file's bytes, "" when it does not exist.
    std::string bytes() const { return bytesOf(path); }
    static std::string bytesOf(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream buf;
        buf << in.rdbuf();
        return buf.str();
    }
    void putBytes(const std::string& b) const { std::ofstream(path, std::ios::binary) << b; }
    // UTF-8 text as the CP932 bytes the file must hold.
    static std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8).value(); }

    int filesInFolder() const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    std::string dir;
    std::string path;
};

TEST_F(ProfileTest, FirstWriteCreatesTheFileWithCrLfAndNoBlankLines) {
    EXPECT_EQ(writeProfileString(path, "単元", "1", "1"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), sjis("[単元]\r\n1=1\r\n"));
    EXPECT_EQ(filesInFolder(), 1);  // no scratch file left beside it
}

TEST_F(ProfileTest, NewKeysGoAtTheEndOfTheirSectionAndNewSectionsAtTheEndOfTheFile) {
    putBytes("; note\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    EXPECT_EQ(writeProfileString(path, "A", "z", "3"), ProfileStatus::Ok);
    EXPECT_EQ(writeProfileString(path, "B", "w", "4"), ProfileStatus::Ok);
    EXPECT_EQ(writeProfileString(path, "C", "v", "5"), ProfileStatus::Ok);
    // The blank line the file already had stays; none is added.
    EXPECT_EQ(bytes(), "; note\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}

TEST_F(ProfileTest, ExistingKeyIsReplacedInPlaceKeepingItsSpelling) {
    putBytes("[Unit]\r\nDate=old\r\nCount = 1\r\nlast=9\r\n");
    EXPECT_EQ(writeProfileString(path, "UNIT", "DATE", "new"), ProfileStatus::Ok);
    EXPECT_EQ(writeProfileString(path, "unit", "count", "2"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[Unit]\r\nDate=new\r\nCount=2\r\nlast=9\r\n");
}

TEST_F(ProfileTest, NamesCompareWithoutAsciiCaseAndValuesAreTrimmed) {
    putBytes(sjis("  [ Ｓection ]  \r\n   Key   =   two words  \r\n[ｓection]\r\nkey=other\r\n"));
    EXPECT_EQ(readProfileString(path, "ＳECTION", "KEY", "-"), "two words");
    // Full-width letters are not ASCII: they keep their case.
    EXPECT_EQ(readProfileString(path, "ｓECTION", "KEY", "-"), "other");
    EXPECT_EQ(readProfileString(path, "Ｓsection", "KEY", "-"), "-");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheFallback) {
    EXPECT_EQ(readProfileString(path, "A", "k", "dflt"), "dflt");
    EXPECT_EQ(readProfileInt(path, "A", "k", 42), 42);
    putBytes("k=outside\r\n[A]\r\nother=1\r\nnovalue\r\nempty=\r\n");
    EXPECT_EQ(readProfileString(path, "A", "k", "dflt"), "dflt");  // lines before any section
    EXPECT_EQ(readProfileString(path, "A", "novalue", "dflt"), "dflt");
    EXPECT_EQ(readProfileString(path, "A", "empty", "dflt"), "");
    EXPECT_EQ(readProfileInt(path, "A", "empty", 42), 42);
    EXPECT_EQ(readProfileString(path, "B", "other", "dflt"), "dflt");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(ProfileTest, ValueReadIsAtMost1023BytesWithoutCuttingACharacter) {
    putBytes("[A]\r\nascii=" + std::string(1030, '7') + "\r\n");
    EXPECT_EQ(readProfileString(path, "A", "ascii", ""), std::string(1023, '7'));

    std::string kana;
    for (int i = 0; i < 600; ++i)
        kana += "あ";
    ASSERT_EQ(writeProfileString(path, "A", "kana", "x" + kana), ProfileStatus::Ok);
    std::string read = readProfileString(path, "A", "kana", "");
    EXPECT_EQ(cp932Length(read), 1023u);  // "x" and 511 whole characters
    EXPECT_EQ(read.substr(0, 4), "xあ");
}

TEST_F(ProfileTest, IntegersAreReadAsGetPrivateProfileIntReadsThem) {
    EXPECT_EQ(profileIntValue("0x1A"), 26);
    EXPECT_EQ(profileIntValue("0X1f"), 31);
    EXPECT_EQ(profileIntValue("12abc"), 12);
    EXPECT_EQ(profileIntValue("abc"), 0);
    EXPECT_EQ(profileIntValue(" 7"), 7);
    EXPECT_EQ(profileIntValue("-3"), -3);
    EXPECT_EQ(profileIntValue("+5"), 5);
    EXPECT_EQ(profileIntValue("0x"), 0);
    EXPECT_EQ(profileIntValue("0xg"), 0);
    EXPECT_EQ(profileIntValue("- 3"), 0);
    EXPECT_EQ(profileIntValue("1 2"), 1);
    EXPECT_EQ(profileIntValue("007"), 7);
    // Beyond 32 bits the value stays at the end of the range instead of wrapping.
    EXPECT_EQ(profileIntValue("99999999999"), INT32_MAX);
    EXPECT_EQ(profileIntValue("-2147483648"), INT32_MIN);
    EXPECT_EQ(profileIntValue("-99999999999"), INT32_MIN);
    EXPECT_EQ(profileIntValue("0xFFFFFFFFF"), INT32_MAX);

    putBytes("[A]\r\nn=   0x1A  \r\n");
    EXPECT_EQ(readProfileInt(path, "a", "N", 5), 26);
}

// One pair of surrounding quotes is not part of a value, as Windows reads it.
struct QuotedValue {
    const char* line;
    const char* value;
    int32_t number;
};

void PrintTo(const QuotedValue& c, std::ostream* out) {
    *out << c.line;
}

class ProfileQuoteTest : public ProfileTest, public ::testing::WithParamInterface<QuotedValue> {};

TEST_P(ProfileQuoteTest, OnePairOfQuotesIsDropped) {
    putBytes(std::string("[A]\r\n") + GetParam().line + "\r\n");
    EXPECT_EQ(readProfileString(path, "A", "k", "-"), GetParam().value);
    EXPECT_EQ(readProfileInt(path, "A", "k", -1), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileQuoteTest,
    ::testing::Values(QuotedValue{"k=\"42\"", "42", 42}, QuotedValue{"k='42'", "42", 42},
                      QuotedValue{"k = \"42\" ", "42", 42}, QuotedValue{"k=\" 7 \"", " 7 ", 7},
                      QuotedValue{"k=\"\"", "", -1}, QuotedValue{"k=\"a\"b\"", "a\"b", 0},
                      QuotedValue{"k=\"42", "\"42", 0}, QuotedValue{"k='42\"", "'42\"", 0},
                      QuotedValue{"k=\"", "\"", 0}),
    RowName());

TEST_F(ProfileTest, ErasingASectionRemovesItsHeaderAndLinesUpToTheNextSection) {
    putBytes("[A]\r\n1=1\r\n[B]\r\n1=2\r\n; kept with B\r\n\r\n[C]\r\n1=3\r\n");
    EXPECT_EQ(eraseProfileSection(path, "b"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[A]\r\n1=1\r\n[C]\r\n1=3\r\n");
    EXPECT_EQ(readProfileString(path, "B", "1", "0"), "0");
    // Writing again starts the section afresh at the end.
    EXPECT_EQ(writeProfileString(path, "B", "1", "1"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[A]\r\n1=1\r\n[C]\r\n1=3\r\n[B]\r\n1=1\r\n");
}

TEST_F(ProfileTest, ErasingWhatIsNotThereWritesNothing) {
    EXPECT_EQ(eraseProfileSection(path, "A"), ProfileStatus::Ok);
    EXPECT_FALSE(fs::exists(path));
    putBytes("[A]\n1=1");  // not rewritten, so its LF line ends stay
    EXPECT_EQ(eraseProfileSection(path, "Z"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[A]\n1=1");
}

TEST_F(ProfileTest, TheFirstOfTwoSameSectionsOrKeysIsUsed) {
    putBytes("[A]\r\nk=1\r\nK=2\r\n[a]\r\nk=3\r\n");
    EXPECT_EQ(readProfileString(path, "A", "k", ""), "1");
    ASSERT_EQ(writeProfileString(path, "A", "K", "9"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[A]\r\nk=9\r\nK=2\r\n[a]\r\nk=3\r\n");
}

TEST_F(ProfileTest, SectionNameHoldingABracketFindsItselfAgain) {
    ASSERT_EQ(writeProfileString(path, "行列[基本]", "1", "1"), ProfileStatus::Ok);
    ASSERT_EQ(writeProfileString(path, "行列[基本]", "1", "2"), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), sjis("[行列[基本]]\r\n1=2\r\n"));
}

TEST_F(ProfileTest, TextTheFileCannotHoldIsRefusedAndChangesNothing) {
    putBytes("[A]\r\nk=1\r\n");
    EXPECT_EQ(writeProfileString(path, "A", "k", "1\r\n[B]"), ProfileStatus::Unstorable);
    EXPECT_EQ(writeProfileString(path, "A", "k=j", "1"), ProfileStatus::Unstorable);
    // A key that starts with "[" would read back as a section header.
    EXPECT_EQ(writeProfileString(path, "A", "[B]", "1"), ProfileStatus::Unstorable);
    EXPECT_EQ(writeProfileString(path, "A", " [B", "1"), ProfileStatus::Unstorable);
    EXPECT_EQ(writeProfileString(path, "A", "", "1"), ProfileStatus::Unstorable);
    EXPECT_EQ(writeProfileString(path, "😀", "k", "1"), ProfileStatus::Unstorable);
    EXPECT_EQ(bytes(), "[A]\r\nk=1\r\n");
}

TEST_F(ProfileTest, FileThatIsNotCp932IsReadLineByLineAndNeverWritten) {
    const std::string broken = "[A]\r\nk=1\r\nbad=\x81\x20\r\n[B]\r\nj=2\r\n";
    putBytes(broken);
    ProfileFile file(path);
    EXPECT_EQ(file.status(), ProfileStatus::NotCp932);
    EXPECT_EQ(file.value("A", "k", ""), "1");
    EXPECT_EQ(file.value("A", "bad", "none"), "none");
    EXPECT_EQ(file.value("B", "j", ""), "2");

    EXPECT_EQ(writeProfileString(path, "A", "k", "5"), ProfileStatus::NotCp932);
    EXPECT_EQ(eraseProfileSection(path, "B"), ProfileStatus::NotCp932);
    EXPECT_EQ(bytes(), broken);
}

TEST_F(ProfileTest, UnreadableHeaderLineStillEndsThePreviousSection) {
    putBytes("[A]\r\nk=1\r\n[\x81\x20]\r\nj=2\r\n");
    EXPECT_EQ(readProfileString(path, "A", "j", "none"), "none");
}

TEST_F(ProfileTest, RefusedWritesLeaveTheDiskAsItWas) {
    // The folder of the file is a regular file.
    const std::string notAFolder = dir + "/plain";
    std::ofstream(notAFolder) << "x";
    EXPECT_EQ(writeProfileString(notAFolder + "/test.ini", "A", "k", "1"),
              ProfileStatus::WriteRefused);
    EXPECT_EQ(bytesOf(notAFolder), "x");

    // The path is a folder.
    fs::create_directory(path);
    EXPECT_EQ(writeProfileString(path, "A", "k", "1"), ProfileStatus::Unreadable);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(readProfileString(path, "A", "k", "none"), "none");
    fs::remove(path);

    // The replacement cannot be created in a folder that refuses new files.
    fs::create_directory(dir + "/locked");
    const std::string locked = dir + "/locked/rec.ini";
    { std::ofstream(locked, std::ios::binary) << "[A]\r\nk=1\r\n"; }
    // Marked read-only, it refuses them to the administrator too.
    fs::permissions(dir + "/locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeProfileString(locked, "A", "k", "2"), ProfileStatus::WriteRefused);
    fs::permissions(dir + "/locked", fs::perms::owner_all);
}

TEST_F(ProfileTest, ReadOnlyFileIsNotReplacedEvenForTheAdministrator) {
    putBytes("[A]\r\nk=1\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(writeProfileString(path, "A", "k", "2"), ProfileStatus::WriteRefused);
    EXPECT_EQ(bytes(), "[A]\r\nk=1\r\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(ProfileTest, AWriteKeepsTheFileModeAndWritesThroughALink) {
    putBytes("[A]\r\nk=1\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeProfileString(path, "A", "k", "2"), ProfileStatus::Ok);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    const std::string link = dir + "/link.ini";
    fs::create_symlink(path, link);
    ASSERT_EQ(writeProfileString(link, "A", "k", "3"), ProfileStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bytes(), "[A]\r\nk=3\r\n");
}

TEST_F(ProfileTest, ChangesStayInMemoryUntilSaved) {
    ProfileFile file(path);
    EXPECT_EQ(file.status(), ProfileStatus::Missing);
    ASSERT_EQ(file.setValue("A", "1", "1"), ProfileStatus::Ok);
    ASSERT_EQ(file.setValue("A", "DATE", "d"), ProfileStatus::Ok);
    EXPECT_TRUE(file.hasValue("a", "date"));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_EQ(file.save(), ProfileStatus::Ok);
    EXPECT_EQ(file.status(), ProfileStatus::Ok);
    EXPECT_EQ(bytes(), "[A]\r\n1=1\r\nDATE=d\r\n");
}

}  // namespace
