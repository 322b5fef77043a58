#pragma once
// Shared pieces of the libFuzzer targets: a UI port that answers without a
// person, a scratch folder on a memory file system, an exact rational oracle
// (GMP) and the check that stops the run with a readable reason.

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "arith/Fraction.h"
#include "drill/OwnDrill.h"
#include "platform/UiPort.h"
#include "tests/support/ExactOracle.h"

// Stops the fuzzer with a message when a property does not hold; libFuzzer
// then saves the input that broke it.
[[noreturn]] void fuzzFailure(const char* file, int line, const std::string& what);
#define FUZZ_CHECK(cond, what)                       \
    do {                                             \
        if (!(cond))                                 \
            fuzzFailure(__FILE__, __LINE__, (what)); \
    } while (0)

// Answers every question without a person: Yes and No in turn, and the
// special-solution choice alternating "解なし" and "解は無数にある", so that a
// loop that asks until the answer is right always ends.
class FuzzUi final : public UiPort {
  public:
    FuzzUi() { setUi(this); }
    ~FuzzUi() override { setUi(nullptr); }
    FuzzUi(const FuzzUi&) = delete;
    FuzzUi& operator=(const FuzzUi&) = delete;

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
    Answer askAbortRetryIgnore(const std::string& caption, const std::string& text) override;
    int chooseSpecialSolution() override;
    void terminate(int status) override;

    int messages = 0;
    std::string lastMessage;
    bool terminated = false;

  private:
    bool yes_ = false;
    bool infinitely_ = false;
};

// A folder of this process for the files a target writes ("/" at the end),
// on /dev/shm when there is one, so that the many small writes stay in memory.
const std::string& scratchFolder();
// A drill on state of its own, made fresh for each input: the worksheet of a
// 1024 × 768 screen, the engine's scratch row, and the record file in the
// scratch folder.
struct FuzzDrill : OwnDrill {
    explicit FuzzDrill(UiPort& port);
};
// Writes bytes to a file as they are (no conversion).
void writeRawFile(const std::string& path, std::string_view bytes);
std::string readRawFile(const std::string& path);

// Exact rationals for the oracles (tests/support/ExactOracle.h).
std::string show(const Q& q);

// Whether the linear systems of two augmented matrices (unknowns, then the
// constant) have the same solution set: both without solution, or the same
// reduced row echelon form.
bool sameSolutionSet(const QMatrix& a, const QMatrix& b);
