// The question file, from its bytes: read as CP932 or UTF-8 by the loader,
// split into units, and every question of every unit set up on the worksheet
// as the drill does. The text read is also written again (as CP932) and read
// back: the same lines and the same unit tables must come out.

#include <cstddef>
#include <cstdint>
#include <string>

#include "arith/Equation.h"
#include "drill/Drill.h"
#include "drill/DrillState.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "questions/QuestionBank.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// The drill of the input being run.
FuzzDrill* bench = nullptr;

bool sameTables(const QuestionBank& a, const QuestionBank& b) {
    return a.unitTotal == b.unitTotal && a.unitName == b.unitName && a.quesCount == b.quesCount &&
           a.quesLine == b.quesLine;
}

// The rows of a question just set up are canonical: the unknowns in order,
// "=", the constant.
void checkSetUp() {
    const int n = bench->equationList.unknownCount;
    FUZZ_CHECK(n >= 2 && n <= 4, "a question set up with " + std::to_string(n) + " unknowns");
    FUZZ_CHECK(bench->drillState.curStep == 2 || bench->drill.questionSolved(),
               "a question set up not on step 2");
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = bench->equationList.rows[bench->equationList.index(2, r)];
        FUZZ_CHECK(row.count == n + 2, "a question row that is not canonical");
        for (int j = 0; j < n; ++j)
            FUZZ_CHECK(row.terms[j].kind == kUnknownLetters[j] && row.terms[j].denominator != 0,
                       "a question row with a wrong coefficient");
        FUZZ_CHECK(row.terms[n].kind == '=', "a question row without its equals sign");
        FUZZ_CHECK(row.terms[n + 1].kind == '/' && row.terms[n + 1].denominator != 0,
                   "a question row with a wrong constant");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzUi ui;
    FuzzDrill fresh(ui);
    bench = &fresh;
    const std::string path = scratchFolder() + "RAver.sim";
    const std::string again = scratchFolder() + "again.sim";
    writeRawFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    QuestionBank bank;
    ui.messages = 0;
    if (!loadQuestionFile(bank, path, LoadFailure::Message)) {
        FUZZ_CHECK(ui.messages == 1 && !ui.terminated, "a file refused without one message");
        FUZZ_CHECK(bank.lines.empty(), "a refused file left lines behind");
        return 0;
    }
    bool utf8 = false;
    FUZZ_CHECK(
        cp932OrUtf8ToUtf8(std::string_view(reinterpret_cast<const char*>(data), size), &utf8),
        "a file that is neither CP932 nor UTF-8 was read");
    FUZZ_CHECK(ui.messages == (utf8 ? 1 : 0), "a UTF-8 file read without its one message");

    // Written as the question editor saves it, and read back. Only a file read
    // as UTF-8 can hold characters that CP932 cannot; and CP932 bytes that
    // happen to be UTF-8 too read back as UTF-8, as a file written so would.
    const auto written = utf8ToCp932(joinLinesCrLf(bank.lines));
    FUZZ_CHECK(written || utf8, "lines read from a CP932 file cannot be written");
    bool writtenIsUtf8 = false;
    const bool readsBack = written && cp932OrUtf8ToUtf8(*written, &writtenIsUtf8) && !writtenIsUtf8;
    QuestionBank back;
    if (readsBack) {
        FUZZ_CHECK(writeCp932Lines(again, bank.lines), "lines with a CP932 form cannot be written");
        FUZZ_CHECK(loadQuestionFile(back, again, LoadFailure::Message),
                   "a written file cannot be read");
        FUZZ_CHECK(back.lines == bank.lines, "a written file reads back with other lines");
    }

    const bool split = splitUnits(bank);
    FUZZ_CHECK(!readsBack || (splitUnits(back) == split && sameTables(bank, back)),
               "a written file splits into other units");
    if (!split)
        return 0;
    FUZZ_CHECK(bank.unitTotal >= 1 && bank.unitTotal <= kMaxUnits, "unit count");

    numberState = {};
    bench->questionBank = bank;
    for (int u = 1; u <= bank.unitTotal; ++u) {
        FUZZ_CHECK(bank.quesCount[u] >= 1 && bank.quesCount[u] <= kMaxQuestions, "question count");
        for (int k = 1; k <= bank.quesCount[u]; ++k) {
            bench->drillState.curUnit = u;
            bench->drillState.curQues[u] = k;
            if (bench->drill.startQuestion(false))
                checkSetUp();
            else
                FUZZ_CHECK(!bench->drillState.questionReady, "a question refused but ready");
        }
    }
    return 0;
}
