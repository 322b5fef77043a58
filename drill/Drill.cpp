#include "drill/Drill.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "arith/Equation.h"
#include "arith/Fraction.h"
#include "arith/NumberText.h"
#include "questions/QuestionLine.h"

namespace {

bool validUnit(int unit) {
    return unit >= 1 && unit <= kMaxUnits;
}

}  // namespace

Drill::Drill(EquationList& equations, DrillState& state, EntryState& entry, WorksheetLayout& layout,
             WorksheetPictures& pictures, QuestionBank& bank, const Paths& folders, UiPort& port)
    : equationList(equations),
      drillState(state),
      entryState(entry),
      worksheetLayout(layout),
      worksheetPictures(pictures),
      questionBank(bank),
      paths(folders),
      port_(port) {}

void Drill::setObserver(std::function<void()> observer) {
    observer_ = std::move(observer);
}

void Drill::notifyDrillChanged() {
    ++generation_;
    if (observer_)
        observer_();
}

unsigned Drill::generation() const {
    return generation_;
}

const DrillState& Drill::state() const {
    return drillState;
}

const EquationList& Drill::equations() const {
    return equationList;
}

bool Drill::questionSolved() const {
    return isSolved(drillState.solvedCode, drillState.unknownCount);
}

void Drill::resetDrillModel() {
    drillState = DrillState{};
    entryState = EntryState{};
    worksheetPictures.resize(worksheetLayout.imageCount);
}

// Image1: the question's equations beside the brace, and the title line.
void Drill::drawTask(int layoutValue) {
    Picture* p = picture(1);
    if (!p)
        return;
    const int n = drillState.unknownCount;
    std::vector<EquationRow> rows(equationList.rows.begin() + 1, equationList.rows.begin() + 1 + n);
    p->add(makeEquations(std::move(rows), kRgbBlack, layoutValue, 0, braceFor(n),
                         drillState.hasDecimalPoint));
    p->add(textLine(1, std::to_string(drillState.curUnit) + "(" +
                           std::to_string(drillState.curQues[drillState.curUnit]) +
                           ")つぎの連立方程式を解きなさい"));
}

// Image2: the coefficient matrix of the question.
void Drill::drawQuestionMatrix() {
    drillState.curStep = 2;
    drawStepPicture(2);
}

void Drill::writeMatrixCaption() {
    if (Picture* p = picture(2))
        if (const StepMatrixItem* m = p->matrix())
            p->add(captionAbove(leftBracket(*m).rect.top, "係数の行列を作ると"));
}

void Drill::setupWorksheet(int screenWidth, int screenHeight, int pnlMainWidth, int edtPageHeight) {
    worksheetLayout =
        computeWorksheetLayout(screenWidth, screenHeight, pnlMainWidth, edtPageHeight);
    worksheetPictures.resize(worksheetLayout.imageCount);
    notifyDrillChanged();
}

void Drill::clearWorksheet() {
    const int imageCount = worksheetLayout.imageCount;
    for (int i = 1; i <= imageCount && i < kListRows; ++i) {
        EquationRow& row = equationList.rows[i];
        row.count = 0;
        row.extra[0] = 0;
        row.text.clear();
        clearPicture(i);
    }
    worksheetPictures.imgBOXX.clear();
    worksheetPictures.imgBOXY.clear();

    drillState.curStep = 0;
    drillState.solvedCode = 0;
    drillState.questionReady = false;
    // The bands went with the pictures.
    drillState.litRow = -1;
    drillState.rowClickLock = false;

    entryState.row1Line = 0;
    entryState.row2Line = 0;
    entryState.numberText.clear();
    entryState.opLabel.clear();
    clearPicture(drillState.curStep + 1);

    drillState.hintCount = 0;
    drillState.hintStep = 0;
    drillState.hintOperation.clear();
    drillState.caption = drillCaption();
    drillState.nextEnabled = true;
    drillState.grbKaiVisible = false;

    entryState.entryPhase = 0;
    entryState.lastEntry = 0;
    entryState.pendingOp = '?';
    entryState.jikkouEnabled = false;
    notifyDrillChanged();
}

bool Drill::loadQuestion(int unit, int number) {
    std::string line = validUnit(unit) ? questionBank.question(unit, number) : std::string();
    drillState.lstExt = splitQuestionLine(line);
    drillState.hasDecimalPoint = false;
    Messages said;
    std::optional<ParsedQuestion> parsed = parseQuestionLine(line, said);
    tell(said);
    if (!parsed) {
        say(line + kInvalidQuestionLineSuffix);
        return false;
    }
    const int n = static_cast<int>(parsed->rows.size());
    drillState.unknownCount = n;
    equationList.unknownCount = n;
    for (int i = 0; i < n; ++i)
        equationList.rows[i + 1] = std::move(parsed->rows[i]);
    drillState.hasDecimalPoint = parsed->hasDecimalPoint;
    drillState.curStep = 2;
    return true;
}

bool Drill::startQuestion(bool reset) {
    if (reset) {
        drillState.curUnit = 1;
        drillState.curQues = DrillState::allOnes();
    }
    stopBlink();
    clearWorksheet();
    if (!loadQuestion(drillState.curUnit, drillState.curQues[drillState.curUnit])) {
        notifyDrillChanged();
        return false;
    }
    drillState.questionReady = true;

    static constexpr int kTaskLayout[] = {40, 40, 40, 30, 15};
    const int n = drillState.unknownCount;
    drawTask(kTaskLayout[n]);
    drawQuestionMatrix();

    drillState.solvedCode = solvedTest();
    if (questionSolved()) {
        say("すでに解がでています");
        showAnswer(drillState.solvedCode);
    } else {
        writeMatrixCaption();
    }
    notifyDrillChanged();
    return true;
}

void Drill::chooseQuestion(int unit, int question) {
    if (!validUnit(unit))
        return;
    drillState.curUnit = unit;
    drillState.curQues[unit] = question;
}

bool Drill::unitReady() const {
    const int unit = drillState.curUnit;
    return validUnit(unit) && questionBank.quesCount[unit] > 0;
}

void Drill::nextQuestion() {
    // With no unit to work in the student has been told why the worksheet is
    // empty; there is no next question to ask about or to fail on.
    if (!unitReady())
        return;
    stopBlink();
    if (questionSolved()) {
        drillState.solvedCode = 0;
    } else {
        notifyDrillChanged();
        if (!ui().askYesNo("確認", "まだ解が出ていませんが次の問題に進みますか")) {
            unhighlightLitRow();
            notifyDrillChanged();
            return;
        }
    }

    const int unit = drillState.curUnit;
    int& number = drillState.curQues[validUnit(unit) ? unit : 0];
    int count = validUnit(unit) ? questionBank.quesCount[unit] : 0;
    if (number < count) {
        ++number;
    } else {
        say("最初の問題に帰ります");
        number = 1;
    }

    clearWorksheet();
    if (loadQuestion(unit, number)) {
        drillState.questionReady = true;
        drawTask(firstLineTopFor(drillState.unknownCount));
        drawQuestionMatrix();
        writeMatrixCaption();
    }
    drillState.litRow = -1;
    notifyDrillChanged();
}

void Drill::btnScrollUpClick() {
    int step = worksheetLayout.rowsPerColumn * worksheetLayout.imageHeight;
    if (drillState.scrollPos != 0)
        step += worksheetLayout.edtPageHeight;
    int bottom = worksheetLayout.contentHeight;
    int target = drillState.scrollPos + step;
    scrollTo(target > bottom ? bottom : target);
    notifyDrillChanged();
}

void Drill::btnScrollDownClick() {
    int step = worksheetLayout.rowsPerColumn * worksheetLayout.imageHeight;
    scrollTo(drillState.scrollPos - step);
    notifyDrillChanged();
}

void Drill::scrollToTop() {
    scrollTo(0);
    notifyDrillChanged();
}

void Drill::noteScrollPosition(int position) {
    drillState.scrollPos = position;
}

void Drill::imageMouseMove(int image, int x, int y) {
    if (image != drillState.curStep || drillState.rowClickLock || drillState.blinkRunning ||
        !drillState.questionReady || questionSolved())
        return;
    const Picture* p = picture(image);
    const StepMatrixItem* m = p ? p->matrix() : nullptr;
    if (!m)
        return;
    const int top = m->firstLineTop;
    const int n = drillState.unknownCount;
    bool over =
        top < y && y < n * kMatrixRowHeight + top && kMatrixLeft < x && x < m->drawnWidth + 20;
    if (over) {
        int r = (y - top) / kMatrixRowHeight;
        if (r == drillState.litRow)
            return;
        unhighlightLitRow();
        highlightRow(r);
        drillState.litRow = r;
    } else {
        if (drillState.litRow < 0)
            return;
        unhighlightLitRow();
    }
    notifyDrillChanged();
}

ReleaseResult Drill::imageMouseUp(int image, MouseButton button) {
    if (image != drillState.curStep || !drillState.questionReady)
        return ReleaseResult::Ignored;
    if (button == MouseButton::Right)
        return ReleaseResult::OpenStepListing;
    if (questionSolved())
        return ReleaseResult::Ignored;
    selectRow(drillState.curStep, drillState.pickedRow);
    drillState.rowClickLock = true;
    notifyDrillChanged();
    return ReleaseResult::RowSelected;
}

void Drill::btnGyouClick(int row) {
    if (row < 1 || row > 4 || !view().rowButtonEnabled[row - 1])
        return;
    unhighlightLitRow();
    highlightRow(row - 1);
    drillState.litRow = row - 1;
    selectRow(drillState.curStep, row - 1);
    drillState.rowClickLock = true;
    notifyDrillChanged();
}

NextGlyph Drill::timBlinkTimer() {
    drillState.nextGlyph = drillState.blinkPhase ? NextGlyph::R : NextGlyph::Q;
    drillState.blinkPhase = !drillState.blinkPhase;
    notifyDrillChanged();
    return drillState.nextGlyph;
}

int specialChoiceImage(int curStep) {
    return curStep == 3 || curStep == 8 ? curStep + 2 : curStep + 1;
}

std::optional<PixelPoint> specialChoicePosition(const PixelRect& image, int frameWidth,
                                                int frameHeight, const PixelRect& screen) {
    if (image.empty())
        return std::nullopt;
    int y = image.top + 70;
    // Kept on the screen: up from its bottom line, down to its top.
    if (!screen.empty()) {
        if (y + frameHeight > screen.bottom - 1)
            y = screen.bottom - 1 - frameHeight;
        if (y < screen.top)
            y = screen.top;
    }
    return PixelPoint{image.right + 20 - frameWidth, y};
}
