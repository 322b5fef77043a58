#include "records/RecordView.h"

#include <string>

#include "platform/Profile.h"
#include "platform/Text.h"
#include "platform/UiPort.h"
#include "questions/QuestionBank.h"
#include "records/RecordFile.h"

namespace {

constexpr const char* kRecordFileWhat = "記録ファイル";
constexpr const char* kRecordFileUntouched = "（解いた記録もここには書き込まれません）";

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

std::string spokenRecordLine(const std::string& line) {
    static const std::string star = "★";
    static const std::string many = "★×";
    if (line.compare(0, 2, "  ") != 0)
        return line;
    std::size_t p = 2;
    while (p < line.size() && line[p] >= '0' && line[p] <= '9')
        ++p;
    if (p == 2 || p - 2 > 9)
        return line;
    const std::string k = line.substr(2, p - 2);
    std::string n;
    if (line.compare(p, many.size(), many) == 0) {
        n = line.substr(p + many.size());
        if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos)
            return line;
    } else {
        long count = 0;
        for (; p < line.size(); p += star.size(), ++count)
            if (line.compare(p, star.size(), star) != 0)
                return line;
        n = std::to_string(count);
    }
    return "問題" + k + "　" + n + "回";
}

std::vector<std::string> recordListing(const QuestionBank& bank, const std::string& path) {
    const ProfileFile file(path);
    // A record file that cannot be read would list every question as never
    // solved; the student is told why instead of seeing their work vanish.
    if (file.status() == ProfileStatus::NotCp932)
        ui().showMessage(readFailureMessage(path, ReadStatus::NotCp932, kRecordFileWhat) +
                         kRecordFileUntouched);
    else if (file.status() == ProfileStatus::Unreadable)
        ui().showMessage(readFailureMessage(path, ReadStatus::Unreadable, kRecordFileWhat) +
                         kRecordFileUntouched);
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
