// The question file: loading, the unit splitter, the open procedure, and the
// shipped question file itself.

#include <gmpxx.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "arith/Fraction.h"
#include "drill/OpenQuestions.h"
#include "platform/Text.h"
#include "questions/QuestionBank.h"
#include "tests/support/ScriptedUi.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kUnitNames = {"２元１次連立方程式", "３元１次連立方程式",
                                             "４元１次連立方程式", "特殊な解が出るもの"};

fs::path shippedData() {
    return fs::path(TABULON_SOURCE_DIR) / "data";
}

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

// A unit block: "<<name", the questions, ">>".
std::vector<std::string> unit(const std::string& name, const std::vector<std::string>& questions) {
    std::vector<std::string> lines{"<<" + name};
    lines.insert(lines.end(), questions.begin(), questions.end());
    lines.push_back(">>");
    return lines;
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> blocks) {
    std::vector<std::string> out;
    for (const auto& b : blocks)
        out.insert(out.end(), b.begin(), b.end());
    return out;
}

class QuestionBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        numberState = NumberState{};
        dir = fs::temp_directory_path() /
              ("qbank-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    bool split(const std::vector<std::string>& lines) {
        bank.lines = lines;
        return splitUnits(bank);
    }
    std::string file(const std::string& name, const std::vector<std::string>& lines) {
        const std::string path = (dir / name).string();
        EXPECT_TRUE(writeCp932Lines(path, lines));
        return path;
    }

    ScriptedUi ui;
    QuestionBank bank;
    fs::path dir;
};

// ---- the splitter -------------------------------------------------------

TEST_F(QuestionBankTest, SplitsUnitsWithTheirCountsNamesAndLines) {
    ASSERT_TRUE(split(join({unit("A", {"a1", "a2"}), unit("B", {"b1", "b2", "b3", "b4", "b5"}),
                            unit("C", {"c1"}), unit("D", {"d1", "d2", "d3"})})));
    EXPECT_EQ(bank.unitTotal, 4);
    EXPECT_EQ((std::vector<int>{bank.quesCount[1], bank.quesCount[2], bank.quesCount[3],
                                bank.quesCount[4]}),
              (std::vector<int>{2, 5, 1, 3}));
    EXPECT_EQ((std::vector<std::string>{bank.unitName[1], bank.unitName[2], bank.unitName[3],
                                        bank.unitName[4], bank.unitName[5]}),
              (std::vector<std::string>{"A", "B", "C", "D", ""}));
    EXPECT_EQ(bank.question(2, 5), "b5");
    EXPECT_EQ(bank.question(4, 1), "d1");
    // Outside the tables: no question.
    EXPECT_EQ(bank.question(3, 2), "");
    EXPECT_EQ(bank.question(0, 1), "");
    EXPECT_EQ(bank.question(31, 1), "");
    EXPECT_EQ(bank.question(1, 0), "");
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankTest, AUnitTakesFiveQuestionsAndRefusesASixthWithAMessage) {
    EXPECT_TRUE(split(unit("A", {"1", "2", "3", "4", "5"})));
    EXPECT_TRUE(ui.log.empty());
    EXPECT_FALSE(split(unit("A", {"1", "2", "3", "4", "5", "6"})));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"問題は5問以下です"});
}

TEST_F(QuestionBankTest, MalformedUnitsFailWithoutAMessage) {
    // A new unit while the open one has questions and no ">>".
    EXPECT_FALSE(split({"<<A", "x+y=1;x-y=1", "<<B", "x+y=2;x-y=0", ">>"}));
    // A unit without a question.
    EXPECT_FALSE(split({"<<A", ">>"}));
    // A ">>" with no unit open.
    EXPECT_FALSE(split({">>"}));
    // Empty text.
    EXPECT_FALSE(split({}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankTest, TextOutsideAUnitIsRejected) {
    // Lines before the first unit and after a closed unit have no unit to go to.
    EXPECT_FALSE(split(join({{"x+y=1;x-y=1"}, unit("A", {"q"})})));
    EXPECT_FALSE(split(join({unit("A", {"q"}), {"stray"}, unit("B", {"q"})})));
    EXPECT_FALSE(split(join({unit("A", {"q"}), {"  x+y=2;x-y=0"}})));
    // A last unit that is never closed (a truncated file).
    EXPECT_FALSE(split({"<<A", "q"}));
    EXPECT_FALSE(split(join({unit("A", {"q"}), {"<<B"}})));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankTest, BlankLinesBetweenUnitsArePassedOver) {
    ASSERT_TRUE(split(join({{""}, unit("A", {"q1", "q2"}), {"", "  "}, unit("B", {"r"}), {""}})));
    EXPECT_EQ(bank.unitTotal, 2);
    EXPECT_EQ(bank.quesCount[1], 2);
    EXPECT_EQ(bank.question(1, 1), "q1");  // not overwritten by the blank lines after ">>"
    EXPECT_EQ(bank.unitName[2], "B");
    EXPECT_EQ(bank.quesCount[2], 1);
}

TEST_F(QuestionBankTest, TextThatClosesNoUnitFailsAsAnEmptyText) {
    const std::vector<std::vector<std::string>> texts = {{""}, {"", "  ", "\t"}, {"  "}};
    for (const auto& text : texts) {
        EXPECT_FALSE(split(text)) << text.size() << " lines";
        EXPECT_FALSE(bank.hasUnits());
    }
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankTest, MarkersAreReadExactly) {
    // The name keeps its leading space; ">> " is a question, not a closing line;
    // an empty line is an (empty) question.
    ASSERT_TRUE(split({"<< A", "q1", ">> ", "", ">>"}));
    EXPECT_EQ(bank.unitName[1], " A");
    EXPECT_EQ(bank.quesCount[1], 3);
    EXPECT_EQ(bank.question(1, 2), ">> ");
    EXPECT_EQ(bank.question(1, 3), "");
}

TEST_F(QuestionBankTest, ThirtyUnitsFitAndAThirtyFirstIsRejected) {
    std::vector<std::string> lines;
    for (int u = 1; u <= kMaxUnits; ++u) {
        auto block = unit("U" + std::to_string(u), {"q"});
        lines.insert(lines.end(), block.begin(), block.end());
    }
    ASSERT_TRUE(split(lines));
    EXPECT_EQ(bank.unitTotal, 30);
    EXPECT_EQ(bank.unitName[30], "U30");
    auto extra = unit("U31", {"q"});
    lines.insert(lines.end(), extra.begin(), extra.end());
    EXPECT_FALSE(split(lines));
    EXPECT_EQ(bank.unitTotal, 30);  // a failure leaves the total as it was
}

TEST_F(QuestionBankTest, EverySplitStartsFromClearedTables) {
    std::vector<std::string> six;
    for (int u = 1; u <= 6; ++u) {
        auto block = unit("U" + std::to_string(u), {"q1", "q2"});
        six.insert(six.end(), block.begin(), block.end());
    }
    ASSERT_TRUE(split(six));
    ASSERT_TRUE(
        split(join({unit("A", {"a"}), unit("B", {"b"}), unit("C", {"c"}), unit("D", {"d"})})));
    EXPECT_EQ(bank.unitTotal, 4);
    EXPECT_EQ(bank.unitName[5], "");
    EXPECT_EQ(bank.unitName[6], "");
    EXPECT_EQ(bank.quesCount[5], 0);
    EXPECT_EQ(bank.question(1, 2), "");  // the earlier second question is gone
    // A failing split also clears; the total stays.
    EXPECT_FALSE(split({"<<Z", ">>"}));
    EXPECT_EQ(bank.unitName[2], "");
    EXPECT_EQ(bank.unitTotal, 4);
}

// ---- loading ----------------------------------------------------------------

TEST_F(QuestionBankTest, MissingFileIsFatal) {
    const std::string path = (dir / "RAver.sim").string();
    numberState.parseError = 999;
    EXPECT_FALSE(loadQuestionFile(bank, path));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], path + ":FileNot Exists999:回復不能なエラーです");
    EXPECT_EQ(ui.terminatedWith, 1);
    EXPECT_EQ(bank.quesFilePath, path);
}

TEST_F(QuestionBankTest, UnreadableFileIsFatalAndLeavesTheTextEmpty) {
    const std::string path = (dir / "RAver.sim").string();
    fs::create_directory(path);  // there, but not a file that can be read
    bank.lines = {"old"};
    EXPECT_FALSE(loadQuestionFile(bank, path));
    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{path + ":File Can't Load0:回復不能なエラーです"});
    EXPECT_EQ(ui.terminatedWith, 1);
    EXPECT_TRUE(bank.lines.empty());
}

TEST_F(QuestionBankTest, FileThatIsNotCp932IsNamedNotGarbled) {
    const std::string path = (dir / "bad.sim").string();
    writeBytes(path, "<<\x82\r\nx+y=1\r\n>>\r\n");  // a lead byte with a line end as its trail
    bank.lines = {"old"};
    EXPECT_FALSE(loadQuestionFile(bank, path));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].rfind(path, 0), 0u) << ui.messages()[0];
    EXPECT_NE(ui.messages()[0].find("CP932"), std::string::npos);
    EXPECT_EQ(ui.terminatedWith, -1);
    EXPECT_TRUE(bank.lines.empty());
    EXPECT_FALSE(splitUnits(bank));
}

TEST_F(QuestionBankTest, OversizedFileIsRefusedUnread) {
    const std::string path = (dir / "huge.sim").string();
    { std::ofstream(path, std::ios::binary) << ""; }
    fs::resize_file(path, kMaxQuestionFileBytes + 1);
    EXPECT_FALSE(loadQuestionFile(bank, path, LoadFailure::Message));
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(bank.lines.empty());
}

TEST_F(QuestionBankTest, ReadsCp932LinesWithCrLf) {
    const std::string path = (dir / "q.sim").string();
    writeBytes(path, "<<\x82\x51\x8c\xb3\r\nx+y=1;x-y=1\r\n>>\r\n");
    ASSERT_TRUE(loadQuestionFile(bank, path));
    EXPECT_EQ(bank.lines, (std::vector<std::string>{"<<２元", "x+y=1;x-y=1", ">>"}));
    EXPECT_EQ(bank.quesFilePath, path);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(QuestionBankTest, StartUpReportsAQuestionFileThatDoesNotSplit) {
    const std::string folder = dir.string() + "/";
    file("RAver.sim", {"<<A", "q", "<<B"});
    EXPECT_FALSE(loadStartupQuestions(bank, folder));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{folder + "RAver.sim:問題が不正です"});
    ui.clear();
    file("RAver.sim", unit("A", {"q"}));
    EXPECT_TRUE(loadStartupQuestions(bank, folder));
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(bank.quesFilePath, folder + "RAver.sim");
}

// ---- the open procedure -----------------------------------------------------------

class OpenCommandTest : public QuestionBankTest {
  protected:
    void SetUp() override {
        QuestionBankTest::SetUp();
        previous = file("old.sim", join({unit("Old", {"x+y=1;x-y=1"})}));
        ASSERT_TRUE(openQuestionFile(bank, previous));
        windows.saveQuestionFile = [this] {
            ++saves;
            return true;
        };
        windows.chooseFile = [this](const std::string& preset) {
            presets.push_back(preset);
            return chosen;
        };
        windows.switchUnit = [this] { ++switches; };
    }

    void expectPreviousFileBack() {
        EXPECT_EQ(bank.lines, readCp932Lines(previous).lines);
        EXPECT_EQ(bank.unitName[1], "Old");
        EXPECT_EQ(bank.quesCount[1], 1);
        EXPECT_EQ(bank.quesFilePath, previous);
        EXPECT_EQ(switches, 0);
    }

    std::string previous;
    OpenCommandWindows windows;
    std::optional<std::string> chosen;
    std::vector<std::string> presets;
    int saves = 0;
    int switches = 0;
};

TEST_F(OpenCommandTest, AValidFileReplacesTheUnitsAndRunsTheUnitChoice) {
    chosen = file("new.sim", join({unit("N1", {"a"}), unit("N2", {"b", "c"})}));
    EXPECT_TRUE(runOpenCommand(bank, windows));
    EXPECT_EQ(presets, std::vector<std::string>{previous});
    EXPECT_EQ(bank.unitTotal, 2);
    EXPECT_EQ(bank.unitName[1], "N1");
    EXPECT_EQ(bank.quesFilePath, *chosen);
    EXPECT_EQ(bank.quesBackup, readCp932Lines(previous).lines);
    EXPECT_EQ(switches, 1);
    EXPECT_TRUE(bank.quesSaved);
    EXPECT_TRUE(ui.log.empty());  // saved text: no question asked
}

TEST_F(OpenCommandTest, UnsavedTextIsOfferedForSavingFirst) {
    bank.quesSaved = false;
    ui.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(runOpenCommand(bank, windows));  // the dialog is cancelled
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].kind, "yesno");
    EXPECT_EQ(ui.log[0].caption, "確認");
    EXPECT_EQ(ui.log[0].text, "ファイルを保存しますか");
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(runOpenCommand(bank, windows));
    EXPECT_EQ(saves, 1);  // No: nothing saved
    expectPreviousFileBack();
}

TEST_F(OpenCommandTest, AFileThatDoesNotSplitIsReportedAndThePreviousOneComesBack) {
    const std::vector<std::string> invalid = {"<<A", ">>"};
    chosen = file("invalid.sim", invalid);
    const std::string before = readBytes(*chosen);
    EXPECT_FALSE(runOpenCommand(bank, windows));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{*chosen + ":問題が不正です"});
    expectPreviousFileBack();
    // Nothing was written: neither the rejected file nor the previous one.
    EXPECT_EQ(readBytes(*chosen), before);
    EXPECT_EQ(readCp932Lines(previous).lines, bank.lines);
}

TEST_F(OpenCommandTest, AnUnreadableChoiceIsReportedOnceAndDoesNotEndTheProgram) {
    chosen = (dir / "gone.sim").string();
    EXPECT_FALSE(runOpenCommand(bank, windows));
    EXPECT_EQ(ui.terminatedWith, -1);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("gone.sim"), std::string::npos);
    expectPreviousFileBack();

    ui.clear();
    chosen = (dir / "sjis-broken.sim").string();
    writeBytes(*chosen, "<<\x81\r\n");
    EXPECT_FALSE(runOpenCommand(bank, windows));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("CP932"), std::string::npos);
    expectPreviousFileBack();
}

// ---- the shipped question file ---------------------------------------------------

// One equation of a question line: coefficients of x, y, z, w and the constant.
struct Equation {
    std::vector<mpq_class> a;
    mpq_class b;
};

mpq_class number(const std::string& text) {
    if (text.empty())
        return 1;
    if (auto slash = text.find('/'); slash != std::string::npos) {
        mpq_class q(std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 1)));
        q.canonicalize();
        return q;
    }
    if (auto dot = text.find('.'); dot != std::string::npos) {
        const std::string frac = text.substr(dot + 1);
        mpz_class den = 1;
        for (std::size_t i = 0; i < frac.size(); ++i)
            den *= 10;
        mpq_class q(mpz_class(text.substr(0, dot) + frac), den);
        q.canonicalize();
        return q;
    }
    return mpq_class(std::stoi(text));
}

// Reads an equation written as the question format allows (no spaces, each
// unknown at most once on the left, the constant alone on the right).
std::optional<Equation> parse(const std::string& text, int n) {
    static const std::regex whole(
        R"(((?:[+-]?(?:\d+(?:\.\d+)?(?:/\d+)?)?[wxyz])+)=(-?\d+(?:\.\d+)?(?:/\d+)?))");
    static const std::regex term(R"(([+-]?)(\d+(?:\.\d+)?(?:/\d+)?)?([wxyz]))");
    std::smatch m;
    if (!std::regex_match(text, m, whole))
        return std::nullopt;
    Equation e{std::vector<mpq_class>(n, 0), 0};
    const std::string lhs = m[1];
    const std::string letters = "xyzw";
    for (std::sregex_iterator it(lhs.begin(), lhs.end(), term), end; it != end; ++it) {
        const auto slot = letters.find((*it)[3].str()[0]);
        if (static_cast<int>(slot) >= n)
            return std::nullopt;
        mpq_class c = number((*it)[2]);
        e.a[slot] = (*it)[1] == "-" ? mpq_class(-c) : c;
    }
    const std::string rhs = m[2];
    e.b = rhs[0] == '-' ? mpq_class(-number(rhs.substr(1))) : number(rhs);
    return e;
}

// Rank of the coefficients and of the augmented matrix, and the solution when unique.
struct Solved {
    int rankA = 0;
    int rankAb = 0;
    std::vector<mpq_class> x;
};

Solved solve(std::vector<Equation> eq, int n) {
    Solved s;
    int row = 0;
    for (int col = 0; col < n && row < n; ++col) {
        int pivot = row;
        while (pivot < n && eq[pivot].a[col] == 0)
            ++pivot;
        if (pivot == n)
            continue;
        std::swap(eq[row], eq[pivot]);
        for (int r = 0; r < n; ++r) {
            if (r == row || eq[r].a[col] == 0)
                continue;
            const mpq_class f = eq[r].a[col] / eq[row].a[col];
            for (int c = 0; c < n; ++c)
                eq[r].a[c] -= f * eq[row].a[c];
            eq[r].b -= f * eq[row].b;
        }
        ++row;
    }
    s.rankA = row;
    s.rankAb = row;
    for (int r = row; r < n; ++r)
        if (eq[r].b != 0)
            s.rankAb = row + 1;
    if (s.rankA == n)
        for (int i = 0; i < n; ++i) {
            // Row i holds the pivot of column i when the rank is full.
            s.x.push_back(eq[i].b / eq[i].a[i]);
        }
    return s;
}

std::vector<std::string> splitAt(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : text) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

TEST(ShippedQuestionFile, IsCp932WithCrLfLineEnds) {
    const std::string bytes = readBytes(shippedData() / "RAver.sim");
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(cp932ToUtf8(bytes).has_value());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
    }
}

TEST(ShippedQuestionFile, HoldsTheFourUnitsWithSolvableQuestions) {
    ScriptedUi ui;
    QuestionBank bank;
    ASSERT_TRUE(loadQuestionFile(bank, (shippedData() / "RAver.sim").string()));
    ASSERT_TRUE(splitUnits(bank));
    ASSERT_EQ(bank.unitTotal, 4);
    bool sawFraction = false, sawDecimal = false;
    std::set<std::pair<int, std::string>> specialKinds;  // (unknowns, kind) in unit 4
    for (int u = 1; u <= 4; ++u) {
        EXPECT_EQ(bank.unitName[u], kUnitNames[u - 1]);
        EXPECT_GE(bank.quesCount[u], 3);
        EXPECT_LE(bank.quesCount[u], 5);
        for (int k = 1; k <= bank.quesCount[u]; ++k) {
            const std::string line = bank.question(u, k);
            SCOPED_TRACE(line);
            EXPECT_EQ(line.find_first_not_of("0123456789+-./;=wxyz"), std::string::npos);
            const auto parts = splitAt(line, ';');
            const int n = static_cast<int>(parts.size());
            if (u <= 3) {
                EXPECT_EQ(n, u + 1);
            }
            ASSERT_GE(n, 2);
            ASSERT_LE(n, 4);
            std::vector<Equation> eq;
            for (const auto& part : parts) {
                EXPECT_LE(part.size(), 50u);
                auto e = parse(part, n);
                ASSERT_TRUE(e.has_value()) << part;
                eq.push_back(*e);
                sawFraction |= part.find('/') != std::string::npos;
                sawDecimal |= part.find('.') != std::string::npos;
            }
            const Solved s = solve(eq, n);
            if (u <= 3) {
                ASSERT_EQ(s.rankA, n) << "no unique solution";
                for (const mpq_class& v : s.x) {
                    // Answers a student can reach by hand: small and plain.
                    EXPECT_LE(abs(v.get_num()), 20);
                    EXPECT_LE(v.get_den(), 4);
                }
            } else {
                EXPECT_LT(s.rankA, n) << "unit 4 needs a system without a unique solution";
                specialKinds.insert({n, s.rankAb > s.rankA ? "none" : "infinite"});
            }
        }
    }
    EXPECT_TRUE(sawFraction);
    EXPECT_TRUE(sawDecimal);
    for (int n : {2, 3})
        for (const char* kind : {"none", "infinite"})
            EXPECT_TRUE(specialKinds.count({n, kind})) << n << " unknowns, " << kind;
    EXPECT_TRUE(ui.log.empty());
}

TEST(ShippedMatrixFiles, FollowTheMatrixFileFormat) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(shippedData() / "DATA")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::regex_match(name, std::regex(R"(matr[1-4][1-4]\d\d\.grt)")));
        ++count;
        const std::string bytes = readBytes(entry.path());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        const ReadResult read = readCp932Lines(entry.path().string());
        ASSERT_EQ(read.status, ReadStatus::Ok);
        ASSERT_GE(read.lines.size(), 3u);
        EXPECT_EQ(read.lines[0], "matrix1.0");
        const int rows = name[4] - '0', cols = name[5] - '0';
        EXPECT_EQ(
            read.lines[1].rfind(std::to_string(rows) + "×" + std::to_string(cols) + "　（", 0), 0u);
        EXPECT_TRUE(read.lines[1].ends_with("）"));
        // "×" is the bytes 0x81 0x7E on disk.
        EXPECT_NE(bytes.find("\x81\x7e"), std::string::npos);
        ASSERT_EQ(static_cast<int>(read.lines.size()), rows + 2);
        for (int r = 0; r < rows; ++r)
            EXPECT_EQ(static_cast<int>(splitAt(read.lines[r + 2], ',').size()), cols);
    }
    EXPECT_GE(count, 4);
    EXPECT_LE(count, 6);
}

}  // namespace
