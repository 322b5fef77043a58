// An equation line set up as a question, then random buttons, keys and mouse
// on the drill: the bytes up to the first line end are the question line
// (equations separated by ";"), every later byte one action of a student.
//
// Around every run (実行, Enter) it checks that
// - an accepted run makes a step whose system has exactly the solution set of
//   the step before it (exact rationals, reduced row echelon forms), and
//   writes no row outside its own block and the answer's block;
// - a refused run changes no row of the equation list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "arith/Equation.h"
#include "arith/NumberText.h"
#include "drill/Drill.h"
#include "drill/DrillState.h"
#include "drill/Entry.h"
#include "drill/Keys.h"
#include "drill/Run.h"
#include "platform/Paths.h"
#include "questions/QuestionBank.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// The drill of the input being run.
FuzzDrill* bench = nullptr;

// The values of a row that a run may change (the narrative text aside).
struct RowValues {
    std::array<Fraction, kTermsPerRow> terms{};
    int32_t count = 0;
    std::array<int32_t, 4> extra{};
    bool operator==(const RowValues& o) const {
        if (count != o.count || extra != o.extra)
            return false;
        for (int i = 0; i < kTermsPerRow; ++i)
            if (terms[i].numerator != o.terms[i].numerator ||
                terms[i].denominator != o.terms[i].denominator || terms[i].kind != o.terms[i].kind)
                return false;
        return true;
    }
};

using ListValues = std::array<RowValues, kListRows>;

ListValues snapshot() {
    ListValues v;
    for (int i = 0; i < kListRows; ++i)
        v[i] = RowValues{bench->equationList.rows[i].terms, bench->equationList.rows[i].count,
                         bench->equationList.rows[i].extra};
    return v;
}

// One written row as a linear equation: the unknowns' coefficients and the
// constant, with every term brought to its side of "=".
std::vector<Q> equationOf(const EquationRow& row, int n, int line) {
    std::vector<Q> out(n + 1);
    int side = 1;  // +1 left of "=", -1 right of it
    FUZZ_CHECK(row.count >= 0 && row.count <= kTermsPerRow,
               "row " + std::to_string(line) + " has a count outside the row");
    for (int p = 0; p < row.count; ++p) {
        const Fraction& t = row.terms[p];
        if (t.kind == '=') {
            side = -1;
            continue;
        }
        const int u = unknownIndex(t.kind);
        if (u >= 0) {
            FUZZ_CHECK(u < n,
                       "row " + std::to_string(line) + " names an unknown beyond the question");
            out[u] += side * exactValue(t);
        } else {
            FUZZ_CHECK(t.kind == '/' || t.kind == '|', "row " + std::to_string(line) +
                                                           " holds a term of kind '" +
                                                           std::string(1, t.kind) + "'");
            out[n] -= side * exactValue(t);
        }
    }
    return out;
}

QMatrix systemOf(int step) {
    const int n = bench->equationList.unknownCount;
    QMatrix m;
    for (int r = 0; r < n; ++r) {
        const int line = bench->equationList.index(step, r);
        m.push_back(equationOf(bench->equationList.rows[line], n, line));
    }
    return m;
}

bool inBlock(int line, int step) {
    const int first = bench->equationList.index(step, 0);
    return line >= first && line < first + bench->equationList.unknownCount;
}

// Presses something that may run the composed operation and checks the run.
template <typename Press>
void checkedRun(Press press) {
    if (!bench->drillState.questionReady || bench->drill.questionSolved()) {
        press();
        return;
    }
    const int before = bench->drillState.curStep;
    const ListValues rows = snapshot();
    const QMatrix system = systemOf(before);
    press();
    const int after = bench->drillState.curStep;
    FUZZ_CHECK(after >= before, "a run moved the step back");
    if (after == before) {
        // Refused: no row of the system changed (row 0 is the scratch row of
        // the compound form, not a row of the system).
        const ListValues now = snapshot();
        for (int i = 1; i < kListRows; ++i)
            FUZZ_CHECK(rows[i] == now[i], "a refused run changed row " + std::to_string(i));
        return;
    }
    const int made = before + 1;
    FUZZ_CHECK(sameSolutionSet(system, systemOf(made)),
               "step " + std::to_string(made) + " does not have the solution set of step " +
                   std::to_string(before));
    const ListValues now = snapshot();
    for (int i = 1; i < kListRows; ++i)
        if (!inBlock(i, made) && !inBlock(i, kScratchStep))
            FUZZ_CHECK(rows[i] == now[i],
                       "an accepted run changed row " + std::to_string(i) + " outside its step");
}

const char* const kTexts[16] = {"0", "1", "2", "3",    "4",  "5", "6", "7",
                                "8", "9", ".", "分の", "CL", "-", "1", "2"};
const char kKeys[16] = {'1', '2', '3', '4', '+', '-', '*', '/',
                        'D', 'S', 'I', 'K', 'B', '.', 'X', ' '};

void act(const uint8_t* data, std::size_t size, std::size_t& i) {
    const uint8_t b = data[i++];
    const int high = b >> 4;
    auto next = [&]() -> int { return i < size ? data[i++] : 0; };
    switch (b & 15) {
        case 0:
        case 1:
        case 2:
            bench->drill.btnGyouClick(1 + high % 4);
            break;
        case 3:
            bench->drill.pressOperator(high % 8);
            break;
        case 4:
        case 5:
            bench->drill.typeNumber(kTexts[high]);
            break;
        case 6:
            bench->drill.btnMinusClick();
            break;
        case 7:
        case 8:
            checkedRun([] { bench->drill.btnJikkouClick(); });
            break;
        case 9:
            bench->drill.correctEntry(high % 2 == 1);
            break;
        case 10: {
            KeyEvent key;
            key.shift = high & 1;
            key.keypad = high & 2;
            const int k = next();
            if (k % 16 == 15) {
                key.key = keys::kEnter;
                key.text = "\r";
                checkedRun([&] { bench->drill.routeKey(key); });
            } else if (k % 16 == 14) {
                key.key = keys::kEscape;
                bench->drill.routeKey(key);
            } else {
                key.key = kKeys[k % 16];
                key.text = std::string(1, static_cast<char>(key.key));
                if (k & 16)
                    key.text[0] = static_cast<char>(key.text[0] | 0x20);  // lower case
                bench->drill.routeKey(key);
            }
            break;
        }
        case 11: {
            const int x = next() * 2;
            const int y = next();
            bench->drill.imageMouseMove(bench->drillState.curStep + high % 3 - 1, x, y);
            if (high & 4)
                bench->drill.imageMouseUp(bench->drillState.curStep,
                                          high & 8 ? MouseButton::Right : MouseButton::Left);
            break;
        }
        case 12:
            bench->drill.nextQuestion();
            break;
        case 13:
            bench->drill.timBlinkTimer();
            break;
        case 14:
            if (high & 1)
                bench->drill.btnScrollUpClick();
            else
                bench->drill.btnScrollDownClick();
            break;
        default:
            bench->drill.typeNumber(kTexts[high]);
            checkedRun([] { bench->drill.btnJikkouClick(); });
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzUi ui;
    FuzzDrill fresh(ui);
    bench = &fresh;

    std::size_t i = 0;
    while (i < size && data[i] != '\n')
        ++i;
    const std::string line(reinterpret_cast<const char*>(data), i);
    if (i < size)
        ++i;

    numberState = {};
    bench->questionBank.unitName[1] = "練習";
    bench->questionBank.quesCount[1] = 1;
    bench->questionBank.quesLine[1][1] = line;
    bench->questionBank.unitTotal = 1;
    if (!bench->drill.startQuestion(true))
        return 0;

    while (i < size) {
        act(data, size, i);
        FUZZ_CHECK(bench->drillState.curStep >= 2 &&
                       bench->drillState.curStep <= bench->worksheetLayout.imageCount,
                   "the step left the worksheet: " + std::to_string(bench->drillState.curStep));
        FUZZ_CHECK(bench->entryState.entryPhase >= 0 && bench->entryState.entryPhase <= 4,
                   "entry phase");
    }
    return 0;
}
