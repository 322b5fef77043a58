#include "platform/Profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/Text.h"

namespace {

constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare without regard to ASCII letter case. The texts are UTF-8, so
// the bytes of a Japanese character are never taken for letters.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

// A header line is "[name]" after optional spaces. The name runs to the last
// "]" of the line, so a unit name that itself holds "]" still finds its own
// section again.
bool isHeader(std::string_view line) {
    return !trim(line).empty() && trim(line).front() == '[';
}

std::string_view headerName(std::string_view line) {
    std::string_view t = trim(line);
    t.remove_prefix(1);
    std::size_t close = t.rfind(']');
    if (close != npos)
        t = t.substr(0, close);
    return trim(t);
}

// Cuts a UTF-8 text to at most `limit` CP932 bytes without cutting a character.
std::string cutToCp932Bytes(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return std::string(text);  // a CP932 form is never longer
    std::string out;
    std::size_t used = 0;
    for (const auto& ch : utf8Chars(text)) {
        std::size_t n = ch.size() == 1 ? 1 : cp932Length(ch);
        if (used + n > limit)
            break;
        used += n;
        out += ch;
    }
    return out;
}

// One pair of double or single quotes around a value is not part of it, as
// Windows reads profiles: 1="42" holds 42.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool storable(std::string_view text) {
    if (text.find_first_of("\r\n") != npos)
        return false;
    return utf8ToCp932(text).has_value();
}

}  // namespace

ProfileIntScan scanProfileInt(std::string_view text) {
    ProfileIntScan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const long long cap = static_cast<long long>(INT32_MAX) + 2;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        scan.magnitude = std::min(cap, scan.magnitude * base + digit);
        ++scan.digits;
    }
    scan.stop = i;
    return scan;
}

int32_t profileIntValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const ProfileIntScan scan = scanProfileInt(text.substr(i));
    if (scan.negative)
        return static_cast<int32_t>(-std::min(scan.magnitude, -static_cast<long long>(INT32_MIN)));
    return static_cast<int32_t>(std::min<long long>(scan.magnitude, INT32_MAX));
}

ProfileFile::ProfileFile(std::string path) : filePath(std::move(path)) {
    struct stat st;
    if (::stat(filePath.c_str(), &st) != 0) {
        loadStatus = ProfileStatus::Missing;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        loadStatus = ProfileStatus::Unreadable;
        return;
    }
    std::ifstream in(filePath, std::ios::binary);
    std::ostringstream buf;
    if (in)
        buf << in.rdbuf();
    if (!in || in.bad()) {
        loadStatus = ProfileStatus::Unreadable;
        return;
    }
    loadStatus = ProfileStatus::Ok;
    // CR and LF are never the second byte of a CP932 character, so the file
    // can be split into lines before conversion and each line read alone.
    for (auto& raw : splitLines(buf.str())) {
        if (auto text = cp932ToUtf8(raw)) {
            content.push_back({std::move(*text), true});
        } else {
            content.push_back({std::move(raw), false});
            loadStatus = ProfileStatus::NotCp932;
        }
    }
}

std::size_t ProfileFile::findSection(std::string_view section) const {
    std::string_view wanted = trim(section);
    for (std::size_t i = 0; i < content.size(); ++i) {
        // An unreadable line that starts with "[" still ends the section
        // before it, but its name matches nothing.
        if (!isHeader(content[i].text))
            continue;
        if (content[i].readable && sameName(headerName(content[i].text), wanted))
            return i;
    }
    return npos;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < content.size() && !isHeader(content[i].text))
        ++i;
    return i;
}

std::size_t ProfileFile::findKey(std::size_t header, std::string_view key) const {
    std::string_view wanted = trim(key);
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!content[i].readable)
            continue;
        std::string_view line = content[i].text;
        std::size_t eq = line.find('=');
        if (eq == npos)
            continue;
        if (sameName(trim(line.substr(0, eq)), wanted))
            return i;
    }
    return npos;
}

bool ProfileFile::hasValue(std::string_view section, std::string_view key) const {
    std::size_t header = findSection(section);
    return header != npos && findKey(header, key) != npos;
}

std::string ProfileFile::value(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    std::size_t header = findSection(section);
    if (header == npos)
        return std::string(fallback);
    std::size_t at = findKey(header, key);
    if (at == npos)
        return std::string(fallback);
    std::string_view line = content[at].text;
    return cutToCp932Bytes(unquote(trim(line.substr(line.find('=') + 1))), kProfileValueLimit);
}

int32_t ProfileFile::intValue(std::string_view section, std::string_view key,
                              int32_t fallback) const {
    std::string text = value(section, key, "");
    if (text.empty())
        return fallback;
    return profileIntValue(text);
}

ProfileStatus ProfileFile::setValue(std::string_view section, std::string_view key,
                                    std::string_view text) {
    std::string_view name = trim(key);
    // A key line that starts with "[" would be read as a section header, and
    // "=" would end the key early: neither key could be found again.
    if (!storable(section) || !storable(key) || !storable(text) || name.empty() ||
        name.find('=') != npos || name.front() == '[')
        return ProfileStatus::Unstorable;
    std::size_t header = findSection(section);
    if (header == npos) {
        content.push_back({"[" + std::string(trim(section)) + "]", true});
        content.push_back({std::string(name) + "=" + std::string(text), true});
        return ProfileStatus::Ok;
    }
    std::size_t at = findKey(header, name);
    if (at != npos) {
        // Replaced in place; the key keeps the spelling it had in the file.
        std::string_view line = content[at].text;
        content[at].text =
            std::string(trim(line.substr(0, line.find('=')))) + "=" + std::string(text);
        return ProfileStatus::Ok;
    }
    // After the section's last line that is not blank.
    std::size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trim(content[insertAt - 1].text).empty())
        --insertAt;
    content.insert(content.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   {std::string(name) + "=" + std::string(text), true});
    return ProfileStatus::Ok;
}

bool ProfileFile::eraseSection(std::string_view section) {
    std::size_t header = findSection(section);
    if (header == npos)
        return false;
    content.erase(content.begin() + static_cast<std::ptrdiff_t>(header),
                  content.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
    return true;
}

std::vector<std::string> ProfileFile::lines() const {
    std::vector<std::string> out;
    out.reserve(content.size());
    for (const auto& line : content)
        out.push_back(line.text);
    return out;
}

ProfileStatus ProfileFile::save() {
    // Never overwrite what could not be read faithfully.
    if (loadStatus == ProfileStatus::NotCp932 || loadStatus == ProfileStatus::Unreadable)
        return loadStatus;
    auto bytes = utf8ToCp932(joinLinesCrLf(lines()));
    if (!bytes)
        return ProfileStatus::Unstorable;
    if (!writeFileAtomically(filePath, *bytes))
        return ProfileStatus::WriteRefused;
    loadStatus = ProfileStatus::Ok;
    return ProfileStatus::Ok;
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    return ProfileFile(path).value(section, key, fallback);
}

int32_t readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback) {
    return ProfileFile(path).intValue(section, key, fallback);
}

ProfileStatus writeProfileString(const std::string& path, std::string_view section,
                                 std::string_view key, std::string_view text) {
    ProfileFile file(path);
    ProfileStatus changed = file.setValue(section, key, text);
    if (changed != ProfileStatus::Ok)
        return changed;
    return file.save();
}

ProfileStatus eraseProfileSection(const std::string& path, std::string_view section) {
    ProfileFile file(path);
    if (file.status() == ProfileStatus::NotCp932 || file.status() == ProfileStatus::Unreadable)
        return file.status();
    if (!file.eraseSection(section))
        return ProfileStatus::Ok;  // nothing to erase
    return file.save();
}
