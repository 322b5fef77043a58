// The profile layer (the record file's INI form): arbitrary bytes as the
// file, then one key written and read back. The input is the file's bytes,
// then, after a zero byte, the section, the key and the value, separated by
// zero bytes.
//
// Checked: a value written reads back as written (without its surrounding
// spaces and one pair of quotes, cut to the read limit); every other value
// the file held reads as before; a file that is not CP932 is never written.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Profile.h"
#include "platform/Text.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Every (section, key) the file's lines name, as the names are compared.
std::vector<std::pair<std::string, std::string>> namesIn(const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    bool inSection = false;
    for (const auto& line : lines) {
        std::string_view t = trimmed(line);
        if (!t.empty() && t.front() == '[') {
            t.remove_prefix(1);
            const std::size_t close = t.rfind(']');
            section =
                std::string(trimmed(close == std::string_view::npos ? t : t.substr(0, close)));
            inSection = true;
        } else if (inSection && t.find('=') != std::string_view::npos) {
            names.emplace_back(section, std::string(trimmed(t.substr(0, t.find('=')))));
        }
    }
    return names;
}

// What a value written as `text` reads back as.
std::vector<std::string> readForms(std::string_view text) {
    std::string_view t = trimmed(text);
    std::vector<std::string> forms{std::string(t)};
    if (t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front())
        forms.emplace_back(t.substr(1, t.size() - 2));
    for (auto& f : forms) {
        if (cp932Length(f) <= kProfileValueLimit)
            continue;
        std::string cut;
        std::size_t used = 0;
        for (const auto& ch : utf8Chars(f)) {
            const std::size_t n = cp932Length(ch);
            if (used + n > kProfileValueLimit)
                break;
            used += n;
            cut += ch;
        }
        f = cut;
    }
    return forms;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzUi ui;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (int n = 0; n < 3; ++n) {
        const std::size_t zero = input.find('\0', start);
        if (zero == std::string_view::npos)
            break;
        parts.push_back(input.substr(start, zero - start));
        start = zero + 1;
    }
    parts.push_back(input.substr(start));
    const std::string_view fileBytes = parts[0];
    const std::string section(parts.size() > 1 ? parts[1] : "unit");
    const std::string key(parts.size() > 2 ? parts[2] : "1");
    const std::string text(parts.size() > 3 ? parts[3] : "1");

    const std::string path = scratchFolder() + "gridora.rec";
    writeRawFile(path, fileBytes);

    ProfileFile before(path);
    const bool faithful = before.status() == ProfileStatus::Ok;
    FUZZ_CHECK(faithful || before.status() == ProfileStatus::NotCp932, "status of a plain file");
    const auto names = namesIn(before.lines());
    std::map<std::pair<std::string, std::string>, std::string> values;
    for (const auto& [s, k] : names)
        values[{lowered(s), lowered(k)}] = before.value(s, k, "\x01none");

    const ProfileStatus written = writeProfileString(path, section, key, text);
    if (!faithful) {
        FUZZ_CHECK(written == ProfileStatus::NotCp932 || written == ProfileStatus::Unstorable,
                   "a file that is not CP932 was written");
        FUZZ_CHECK(readRawFile(path) == fileBytes, "a file that is not CP932 changed on disk");
        return 0;
    }
    if (written != ProfileStatus::Ok) {
        FUZZ_CHECK(written == ProfileStatus::Unstorable, "a write was refused by the system");
        FUZZ_CHECK(readRawFile(path) == fileBytes, "a refused write changed the file");
        return 0;
    }

    ProfileFile after(path);
    FUZZ_CHECK(after.status() == ProfileStatus::Ok, "a written file does not read as CP932");
    const std::string got = after.value(section, key, "\x01none");
    bool asWritten = false;
    for (const auto& form : readForms(text))
        asWritten = asWritten || got == form;
    FUZZ_CHECK(asWritten, "the value written reads back as \"" + got + "\"");
    FUZZ_CHECK(after.intValue(section, key, -7) == (got.empty() ? -7 : profileIntValue(got)),
               "the integer reading disagrees with the text");

    const auto writtenName = std::make_pair(lowered(trimmed(section)), lowered(trimmed(key)));
    for (const auto& [name, value] : values) {
        if (name == writtenName)
            continue;
        FUZZ_CHECK(after.value(name.first, name.second, "\x01none") == value,
                   "[" + name.first + "] " + name.second + " changed when another key was written");
    }
    return 0;
}
