// The program's folders and the fatal-error routine.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "arith/Fraction.h"
#include "platform/Fatal.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedUi.h"

namespace fs = std::filesystem;

namespace {

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("paths-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "work");
        savedCwd = fs::current_path();
        fs::current_path(dir / "work");
        if (const char* x = std::getenv("XDG_CONFIG_HOME"))
            savedXdg = x;
        if (const char* h = std::getenv("HOME"))
            savedHome = h;
    }
    void TearDown() override {
        fs::current_path(savedCwd);
        restore("XDG_CONFIG_HOME", savedXdg);
        restore("HOME", savedHome);
        fs::remove_all(dir);
    }
    static void restore(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    fs::path dir, savedCwd;
    std::optional<std::string> savedXdg, savedHome;
};

TEST_F(PathsTest, ProgramFolderIsTheCurrentFolderWithASlash) {
    Paths p;
    setProgFolder(p);
    EXPECT_EQ(p.progFolder, fs::current_path().string() + "/");
}

TEST_F(PathsTest, RecordFolderFollowsXdgConfigHomeAndIsCreated) {
    const fs::path config = dir / "a" / "b" / "config";
    setenv("XDG_CONFIG_HOME", config.string().c_str(), 1);
    Paths p;
    setRecFolder(p);
    EXPECT_EQ(p.recFolder, config.string() + "/");
    EXPECT_TRUE(fs::is_directory(config));
    EXPECT_EQ(recordFilePath(p), config.string() + "/gridora.rec");
}

TEST_F(PathsTest, RecordFolderFallsBackToDotConfigInHome) {
    setenv("HOME", (dir / "home").string().c_str(), 1);
    for (const char* xdg : {"", "relative/config"}) {
        SCOPED_TRACE(xdg);
        setenv("XDG_CONFIG_HOME", xdg, 1);
        Paths p;
        setRecFolder(p);
        EXPECT_EQ(p.recFolder, (dir / "home" / ".config").string() + "/");
        EXPECT_TRUE(fs::is_directory(dir / "home" / ".config"));
    }
}

TEST(Fatal, ShowsTextCodeAndSuffixThenEndsWithStatusOne) {
    ScriptedUi ui;
    numberState.parseError = 111;
    fatalError("/x/RAver.sim:FileNot Exists", numberState.parseError);
    numberState.parseError = 0;
    ASSERT_EQ(ui.log.size(), 2u);
    EXPECT_EQ(ui.log[0].kind, "message");
    EXPECT_EQ(ui.log[0].text, "/x/RAver.sim:FileNot Exists111:回復不能なエラーです");
    EXPECT_EQ(ui.log[1].kind, "terminate");
    EXPECT_EQ(ui.terminatedWith, 1);
}

}  // namespace
