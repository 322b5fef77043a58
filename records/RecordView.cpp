#include "records/RecordView.h"

#include "platform/Profile.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"
#include "records/RecordFile.h"

namespace {

// The units of the question file: 1, 2, … up to the first without a name.
template <class F>
void forEachUnit(const QuestionBank& bank, F&& f) {
    for (int u = 1; u <= kMaxUnits && !bank.unitName[u].empty(); ++u)
        f(u);
}

}  // namespace

std::string recordCountLine(int k, int n) {
    std::string line = "  " + std::to_string(k);
    if (n > kMaxStarsShown)
        return line + "★×" + std::to_string(n);
    for (int i = 0; i < n; ++i)
        line += "★";
    return line;
}

std::vector<std::string> recordListing(const QuestionBank& bank, const std::string& path) {
    const ProfileFile file(path);
    std::vector<std::string> lines;
    bool stopped = false;
    forEachUnit(bank, [&](int u) {
        if (stopped)
            return;
        const std::string& name = bank.unitName[u];
        lines.push_back(name);
        const std::string date = file.value(name, "DATE", "");
        if (!date.empty())
            lines.push_back(date);
        for (int k = 1; k <= bank.quesCount[u] && k <= kMaxQuestions; ++k) {
            const std::string text = file.value(name, std::to_string(k), "0");
            const std::optional<int> n = strictRecordCount(text);
            if (!n) {
                ui().showMessage("'" + text + "' は整数ではありません");
                stopped = true;
                return;
            }
            lines.push_back(recordCountLine(k, *n));
        }
    });
    return lines;
}

std::vector<std::string> unitsWithRecords(const QuestionBank& bank, const std::string& path) {
    const ProfileFile file(path);
    std::vector<std::string> names;
    forEachUnit(bank, [&](int u) {
        if (!file.value(bank.unitName[u], "DATE", "").empty())
            names.push_back(bank.unitName[u]);
    });
    return names;
}

void RecordEraser::show(const QuestionBank& bank, const std::string& path) {
    path_ = path;
    units_ = unitsWithRecords(bank, path);
    deletedAny_ = false;
}

bool RecordEraser::eraseChosen(int index) {
    if (index < 0 || index >= static_cast<int>(units_.size())) {
        ui().showMessage("消去する単元を選んでください");
        return false;
    }
    if (!eraseUnitRecords(path_, units_[static_cast<std::size_t>(index)]))
        return false;
    units_.erase(units_.begin() + index);
    deletedAny_ = true;
    return true;
}
