#include "records/RecordFile.h"

#include <climits>
#include <cstdio>
#include <utility>

#include "platform/Profile.h"
#include "platform/UiPort.h"

namespace {

// The records are written from one thread, so the standard library's shared
// result is copied before anything else can ask for the time.
std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? *local : std::tm{};
}

std::function<std::tm()>& recordClock() {
    static std::function<std::tm()> clock = localNow;
    return clock;
}

// Shows why the record file was not written.
void reportRefusal(const std::string& path, ProfileStatus status) {
    if (status == ProfileStatus::NotCp932)
        ui().showMessage(path + " は Shift-JIS のテキストではないため書き込めません");
    else
        ui().showMessage(path + " に書き込めません");
}

}  // namespace

std::string formatRecordDate(const std::tm& when) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d年%02d月%02d日%02d:%02d", when.tm_year + 1900,
                  when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min);
    return buf;
}

void setRecordClock(std::function<std::tm()> clock) {
    recordClock() = clock ? std::move(clock) : std::function<std::tm()>(localNow);
}

bool recordSolved(const std::string& path, const std::string& unitName, int number) {
    ProfileFile file(path);
    // A file that cannot be read faithfully is refused before anything else,
    // so its records are never replaced by a count started afresh.
    if (file.status() == ProfileStatus::NotCp932 || file.status() == ProfileStatus::Unreadable) {
        reportRefusal(path, file.status());
        return false;
    }
    const std::string key = std::to_string(number);
    int32_t count = file.intValue(unitName, key, 0);
    // A count at the top of the range stays there instead of wrapping.
    long long next = static_cast<long long>(count) + 1;
    if (next > INT32_MAX)
        next = INT32_MAX;
    ProfileStatus status = file.setValue(unitName, key, std::to_string(next));
    if (status == ProfileStatus::Ok)
        status = file.setValue(unitName, "DATE", formatRecordDate(recordClock()()));
    // The count and the date go to disk together or not at all.
    if (status == ProfileStatus::Ok)
        status = file.save();
    if (status != ProfileStatus::Ok) {
        reportRefusal(path, status);
        return false;
    }
    return true;
}

std::string readRecordDate(const std::string& path, const std::string& unitName) {
    return readProfileString(path, unitName, "DATE", "");
}

std::string readRecordCountText(const std::string& path, const std::string& unitName, int number) {
    return readProfileString(path, unitName, std::to_string(number), "0");
}

std::optional<int> strictRecordCount(const std::string& text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    const std::string_view number = std::string_view(text).substr(i, end - i);
    const ProfileIntScan scan = scanProfileInt(number);
    if (scan.digits == 0 || scan.stop != number.size())
        return std::nullopt;
    const long long value = scan.negative ? -scan.magnitude : scan.magnitude;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

bool eraseUnitRecords(const std::string& path, const std::string& unitName) {
    ProfileStatus status = eraseProfileSection(path, unitName);
    if (status != ProfileStatus::Ok) {
        reportRefusal(path, status);
        return false;
    }
    return true;
}
