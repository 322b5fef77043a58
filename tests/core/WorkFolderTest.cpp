// The folder the program works in: the folder it was started in when that
// holds the question file, else the student's own copy of the shipped folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/WorkFolder.h"

namespace fs = std::filesystem;

namespace {

void put(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string get(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

enum class Copy { None, Edited, HalfMade, Blocked };
enum class Where { Current, UserCopy, Shipped };

struct Case {
    const char* name;
    bool startedWithQuestions;  // the start folder holds RAver.sim
    bool shippedInstalled;
    Copy copy;
    Where expected;
    bool created;
};

const Case kCases[] = {
    {"StartedInAQuestionFolder", true, true, Copy::None, Where::Current, false},
    {"FirstStartElsewhereMakesTheCopy", false, true, Copy::None, Where::UserCopy, true},
    {"TheStudentsEditsAreKept", false, true, Copy::Edited, Where::UserCopy, false},
    {"AHalfMadeCopyIsCompletedWithoutReplacingFiles", false, true, Copy::HalfMade, Where::UserCopy,
     true},
    {"NoCopyPossibleWorksInTheShippedFolder", false, true, Copy::Blocked, Where::Shipped, false},
    {"NothingInstalledStaysWhereStarted", false, false, Copy::None, Where::Current, false},
};

class WorkFolderTest : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("workfolder-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "start");
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_P(WorkFolderTest, ChoosesAndFillsTheFolder) {
    const Case& c = GetParam();
    const fs::path start = dir / "start", shipped = dir / "share" / "tabulon",
                   copy = dir / "data" / "tabulon";
    if (c.startedWithQuestions)
        put(start / "RAver.sim", "teacher");
    if (c.shippedInstalled) {
        put(shipped / "RAver.sim", "shipped");
        put(shipped / "Gridora.hlp", "help");
        put(shipped / "DATA" / "matr2201.grt", "sample");
    }
    switch (c.copy) {
        case Copy::None:
            break;
        case Copy::Edited:
            put(copy / "RAver.sim", "edited");
            put(copy / "DATA" / "matr2299.grt", "saved");
            break;
        case Copy::HalfMade:  // broken off before the question file was copied
            put(copy / "Gridora.hlp", "changed help");
            put(copy / "DATA" / "matr2299.grt", "saved");
            break;
        case Copy::Blocked:  // a file where the copy's folder should be
            put(dir / "data", "not a folder");
            break;
    }

    const WorkFolderChoice got =
        chooseWorkFolder(start.string(), shipped.string(), copy.string() + "/");
    const fs::path expected = c.expected == Where::Current   ? start
                              : c.expected == Where::Shipped ? shipped
                                                             : copy;
    EXPECT_EQ(got.folder, expected.string() + "/");
    EXPECT_EQ(got.created, c.created);
    EXPECT_FALSE(fs::exists(start / "DATA")) << "nothing is copied into the start folder";

    if (c.expected != Where::UserCopy)
        return;
    EXPECT_EQ(get(copy / "RAver.sim"), c.copy == Copy::Edited ? "edited" : "shipped");
    EXPECT_EQ(get(copy / "DATA" / "matr2201.grt"), c.copy == Copy::Edited ? "" : "sample");
    if (c.copy != Copy::None) {
        EXPECT_EQ(get(copy / "DATA" / "matr2299.grt"), "saved");
    }
    if (c.copy == Copy::HalfMade) {
        EXPECT_EQ(get(copy / "Gridora.hlp"), "changed help");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkFolderTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UserWorkFolder, FollowsXdgDataHomeElseHome) {
    std::optional<std::string> savedXdg, savedHome;
    if (const char* x = std::getenv("XDG_DATA_HOME"))
        savedXdg = x;
    if (const char* h = std::getenv("HOME"))
        savedHome = h;
    struct Row {
        const char* xdg;  // nullptr: unset
        const char* expected;
    };
    for (const Row& row :
         {Row{"/x/data", "/x/data/tabulon/"}, Row{"/x/data/", "/x/data/tabulon/"},
          Row{"relative", "/h/.local/share/tabulon/"}, Row{nullptr, "/h/.local/share/tabulon/"}}) {
        SCOPED_TRACE(row.xdg ? row.xdg : "(unset)");
        setenv("HOME", "/h", 1);
        if (row.xdg)
            setenv("XDG_DATA_HOME", row.xdg, 1);
        else
            unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(userWorkFolder(), row.expected);
    }
    savedXdg ? setenv("XDG_DATA_HOME", savedXdg->c_str(), 1) : unsetenv("XDG_DATA_HOME");
    savedHome ? setenv("HOME", savedHome->c_str(), 1) : unsetenv("HOME");
}

}  // namespace
