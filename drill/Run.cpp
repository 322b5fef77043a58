#include "drill/Run.h"

#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "arith/NumberText.h"
#include "drill/Drill.h"
#include "drill/ExactRank.h"
#include "platform/Paths.h"
#include "records/RecordFile.h"

namespace {

bool isOneOf(char c, const char* set) {
    for (; *set; ++set)
        if (c == *set)
            return true;
    return false;
}

}  // namespace

StepSelection Drill::selection(int step) const {
    StepSelection sel;
    sel.step = step;
    sel.lastRowLine = entryState.lastRowLine;
    sel.row1Text = entryState.row1Text;
    sel.row2Text = entryState.row2Text;
    sel.secondIsRow = entryState.lastEntry == 1;
    sel.compound = entryState.entryPhase == 4;
    sel.firstOp = entryState.firstOp;
    sel.secondOp = entryState.secondOp;
    sel.compoundRun = drillState.compoundRun;
    sel.numberText = entryState.numberText;
    return sel;
}

// A refused run: the new picture and what was composed are cleared, and the
// drill stays at the step it was on.
void Drill::refuseRun() {
    ++drillState.curStep;
    correctEntry(true);
    --drillState.curStep;
    notifyDrillChanged();
}

// The checks of the composed operation's form, which leave it as it is for
// correction. Returns false (after the message) when the form is wrong.
bool Drill::formAccepted() {
    if (entryState.entryPhase == 4) {
        if (!isOneOf(entryState.firstOp, "+-") || !isOneOf(entryState.secondOp, "*/")) {
            say(kCompoundFormMessage);
            return false;
        }
        if (entryState.lastEntry == 2) {  // nothing typed after × or ÷
            say(kWrongOperationMessage);
            return false;
        }
    } else if (entryState.entryPhase == 2 && entryState.numberText.empty() &&
               isOneOf(entryState.pendingOp, "*+-/^")) {
        say(kWrongOperationMessage);
        return false;
    }
    return true;
}

// The first stage of row ± row × constant: the scaled second row goes into
// line 0. Returns false when the run is over (the engine refused; what was
// composed has been cleared).
bool Drill::runCompoundStage() {
    drillState.compoundRun = true;
    entryState.lastRowLine = entryState.row2Line;
    StepOutcome out = executeStep(equationList, selection(drillState.curStep), kScratchStep,
                                  entryState.secondOp, 0, zeroDivisionQuestion());
    tell(out.messages);
    drillState.compoundRun = false;
    if (!out.accepted) {
        correctEntry(false);
        return false;
    }
    entryState.lastEntry = 1;
    entryState.row2Line = 0;  // line 0 now holds the scaled row
    entryState.pendingOp = entryState.firstOp;
    return true;
}

// The answer form of a unique solution in block 28: each row keeps its
// numbers, its equals sign and its non-zero coefficients (x = 3).
std::vector<EquationRow> Drill::buildAnswerBlock() {
    const int n = drillState.unknownCount;
    std::vector<EquationRow> rows;
    for (int r = 0; r < n; ++r) {
        const EquationRow& src = equationList.rows[equationList.index(drillState.curStep, r)];
        EquationRow& dst = equationList.rows[equationList.index(kScratchStep, r)];
        emptyRow(dst);
        for (int i = 0; i < src.count && i < kTermsPerRow; ++i) {
            const Fraction& t = src.terms[i];
            if (t.kind == '/' || t.kind == '=' || t.numerator != 0)
                appendTerm(dst, t);
        }
        rows.push_back(dst);
    }
    return rows;
}

int Drill::solvedTest() const {
    const int n = drillState.unknownCount;
    std::vector<std::vector<RankValue>> rows;
    int equal = 0;
    bool zeroRow = false;
    for (int r = 0; r < n; ++r) {
        const EquationRow& row = equationList.rows[equationList.index(drillState.curStep, r)];
        int zeros = 0;
        for (int j = 0; j < n; ++j) {
            const Fraction& v = row.terms[j];
            if (v.numerator == 0)
                ++zeros;
            if (equalValues(v, j == r ? One : Zero))
                ++equal;
        }
        // The constant: the term after the equals sign.
        Fraction constant = row.terms[n + 1];
        for (int i = 0; i + 1 < row.count && i + 1 < kTermsPerRow; ++i)
            if (row.terms[i].kind == '=') {
                constant = row.terms[i + 1];
                break;
            }
        if (zeros == n) {
            if (constant.numerator != 0)
                return -2;  // 0 = c anywhere: no solution
            zeroRow = true;
        }
        rows.emplace_back();
        for (int j = 0; j <= n; ++j) {
            const Fraction& v = j < n ? row.terms[j] : constant;
            rows.back().push_back({v.numerator, v.denominator});
        }
    }
    // A row 0 = 0 says "infinitely many" only when the rows do not contradict
    // each other; otherwise the contradiction is still to be shown.
    if (zeroRow && exactRank(rows, n) == exactRank(rows, n + 1))
        return -1;
    return equal;
}

void Drill::judgeSpecial() {
    while (true) {
        const int code = drillState.solvedCode;
        if (code != -1 && code != -2) {
            showAnswer(code);
            return;
        }
        notifyDrillChanged();
        const int choice = ui().chooseSpecialSolution();
        if (choice != kChoiceNoSolution && choice != kChoiceInfinitely)
            return;
        if (code == -2) {
            if (choice == kChoiceNoSolution) {
                showAnswer(-2);
                return;
            }
            say("解が無数？？もう一度考えてみましょう");
        } else {
            if (choice == kChoiceInfinitely) {
                showAnswer(-1);
                return;
            }
            say("解なし？？もう一度考えてみましょう");
        }
    }
}

void Drill::showAnswer(int code) {
    const int n = drillState.unknownCount;
    const int imageCount = worksheetLayout.imageCount;
    // Where the answer goes when the step is on the last picture.
    Picture& group = worksheetPictures.imgBOXX;
    bool inGroup = false;

    if (code == -1 || code == -2) {
        const char* text = code == -2 ? "【答】　解なし" : "【答】解は無数にある";
        if (drillState.curStep <= imageCount - 1) {
            drawTextLine(drillState.curStep + 1, 5, text, kRgbRed);
            ++drillState.curStep;
        } else {
            group.clear();
            group.add(textLine(5, text, kRgbRed));
            inGroup = true;
        }
    } else {
        std::vector<EquationRow> rows = buildAnswerBlock();
        const int oldStep = drillState.curStep;
        ++drillState.curStep;
        if (oldStep < imageCount) {
            if (Picture* p = picture(drillState.curStep)) {
                p->add(makeEquations(std::move(rows), kRgbBlack, firstLineTopFor(n), 20,
                                     braceFor(n), drillState.hasDecimalPoint));
                p->add(textLine(5, " 答"));
            }
        } else {
            group.clear();
            group.add(makeEquations(std::move(rows), kRgbBlue, firstLineTopFor(n), 50,
                                    Shape::KotaeKakko, drillState.hasDecimalPoint));
            inGroup = true;
        }
    }
    if (inGroup) {
        group.add(textLine(1, "解が出ました"));
        drillState.grbKaiVisible = true;
    } else {
        drawTextLine(drillState.curStep, 1, "解が出ました", kRgbBlack);
    }

    // A record that cannot be written has been reported; the question is
    // still solved on the worksheet.
    const int unit = drillState.curUnit;
    if (unit >= 1 && unit <= kMaxUnits) {
        notifyDrillChanged();
        recordSolved(recordFilePath(paths), questionBank.unitName[unit], drillState.curQues[unit]);
    }

    startBlink();
    drillState.nextEnabled = true;
    drillState.starMarks += "★";
    notifyDrillChanged();
}

void Drill::btnJikkouClick() {
    if (!entryState.jikkouEnabled || !drillState.questionReady)
        return;
    if (questionSolved()) {
        say(kAlreadySolvedMessage);
        notifyDrillChanged();
        return;
    }
    const int imageCount = worksheetLayout.imageCount;
    if (drillState.curStep >= imageCount) {
        say(kNoPictureLeftMessage);
        notifyDrillChanged();
        return;
    }

    if (drillState.curStep == 2 * worksheetLayout.rowsPerColumn - 1)
        scrollTo(drillState.scrollPos + worksheetLayout.sheetHeight / 3);
    unhighlightLitRow();

    // First the form of what is composed: a wrong form is left for correction.
    if (!formAccepted()) {
        notifyDrillChanged();
        return;
    }
    // Row ± the same row × constant is refused as row ± the same row is: the
    // engine's second stage sees the scratch line, not the row a second time.
    if (entryState.entryPhase == 4 && entryState.row1Line == entryState.row2Line) {
        say(entryState.firstOp == '+' ? kAddSameRowMessage : kSubtractSameRowMessage);
        refuseRun();
        return;
    }
    // Then the number: a text the panel's reader refuses is reported once;
    // the run is refused without the engine seeing the number.
    if (const PanelNumber number = readKeypadNumber(entryState.numberText); number.refused) {
        ui().showMessage(number.message);
        refuseRun();
        return;
    }

    if (entryState.entryPhase == 4 && !runCompoundStage()) {
        notifyDrillChanged();
        return;
    }

    ++drillState.curStep;
    StepOutcome out =
        executeStep(equationList, selection(drillState.curStep), entryState.row1Line,
                    entryState.pendingOp, entryState.row2Line, zeroDivisionQuestion());
    tell(out.messages);
    if (!out.accepted) {
        // Refused by the engine, an overflow included: nothing was written.
        correctEntry(true);
        --drillState.curStep;
        notifyDrillChanged();
        return;
    }

    drawStepPicture(drillState.curStep);
    drillState.solvedCode = solvedTest();
    drawTextLine(drillState.curStep, 1, out.narrative, kRgbBlack);
    if (questionSolved()) {
        judgeSpecial();
    } else if (drillState.curStep >= imageCount) {
        say("残念ですが" + std::to_string(imageCount - 2) + "回の操作では解けませんでした");
    }
    drillState.rowClickLock = false;
    resetEntry();
}
