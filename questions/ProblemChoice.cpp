#include "questions/ProblemChoice.h"

#include "platform/UiPort.h"
#include "questions/QuestionLine.h"

ProblemChoice problemChoice;

Picture previewPicture(const std::vector<EquationRow>& rows, bool hasDecimalPoint) {
    Picture p;
    if (rows.empty())
        return p;
    const int n = static_cast<int>(rows.size());
    EquationsItem item = makeEquations(rows, kRgbBlack, 5, 0, braceFor(n), hasDecimalPoint);
    item.braceRect = {};  // the lines keep their place beside where the brace would be
    p.add(std::move(item));
    return p;
}

Picture slotBracketPicture(bool marker) {
    Picture p;
    if (!marker)
        return p;
    p.add(BracketItem{Shape::KakkoL, {11, 4, 25, kSlotBracketSize.height - 4}});
    p.add(CaptionItem{0, kSlotBracketSize.height / 2 - 7, "▶", kRgbRed});
    return p;
}

std::string missingUnitMessage(const QuestionBank& bank, int comboIndex) {
    const int unit = comboIndex + 1;
    if (unit >= 1 && unit <= kMaxUnits && bank.quesCount[unit] > 0)
        return {};
    return "いまの問題ファイルには" + std::to_string(unit) + "番目の単元がありません（単元は" +
           std::to_string(bank.unitTotal) + "つです）";
}

void ProblemChoice::show(const QuestionBank& bank, int comboIndex,
                         const std::array<int, kMaxUnits + 1>& curQues, int unknownCount,
                         bool withUnitList) {
    savedUnknownCount = unknownCount;
    showUnitList = withUnitList;
    dlgUnit = comboIndex + 1;
    provisionalUnknownCount = comboIndex + 2;

    unitList.clear();
    for (int u = 1; u <= kMaxUnits && !bank.unitName[u].empty(); ++u)
        unitList.push_back(bank.unitName[u]);

    showQuestions(bank, dlgUnit);
    marked = 0;
    if (dlgUnit >= 1 && dlgUnit <= kMaxUnits)
        selectQuestion(curQues[dlgUnit]);
    unitListIndex = showUnitList ? dlgUnit - 1 : -1;
}

void ProblemChoice::lstTangenClick(const QuestionBank& bank, int item,
                                   const std::array<int, kMaxUnits + 1>& curQues) {
    if (item < 0 || item >= static_cast<int>(unitList.size()))
        return;
    marked = 0;
    unitListIndex = item;
    dlgUnit = item + 1;
    provisionalUnknownCount = dlgUnit + 1;
    showQuestions(bank, dlgUnit);
    selectQuestion(curQues[dlgUnit]);
}

void ProblemChoice::showQuestions(const QuestionBank& bank, int unit) {
    const int count = unit >= 1 && unit <= kMaxUnits ? bank.quesCount[unit] : 0;
    for (int k = 1; k <= kMaxQuestions; ++k) {
        ChoiceSlot& slot = questionSlots[k];
        slot.visible = k <= count;
        if (!slot.visible)
            continue;
        const std::string line = bank.question(unit, k);
        // A question that does not parse shows an empty preview, never the
        // equations an earlier unit left in its slot.
        ParsedQuestion parsed = parseQuestionAside(line).value_or(ParsedQuestion{});
        if (parsed.rows.empty())
            ui().showMessage(line + kInvalidQuestionLineSuffix);
        slot.rows = std::move(parsed.rows);
        slot.hasDecimalPoint = parsed.hasDecimalPoint;
        slot.preview = previewPicture(slot.rows, slot.hasDecimalPoint);
        ++slot.revision;
    }
}

void ProblemChoice::selectQuestion(int a) {
    if (a < 1 || a > kMaxQuestions)
        return;
    marked = a;
    if (dlgUnit >= 1 && dlgUnit <= kMaxUnits)
        dlgQues[dlgUnit] = a;
}

bool ProblemChoice::canAccept() const {
    return dlgUnit >= 1 && dlgUnit <= kMaxUnits && marked >= 1 && questionSlots[marked].visible;
}

ChoiceResult ProblemChoice::accept() const {
    return ChoiceResult{dlgUnit, dlgQues[dlgUnit]};
}
