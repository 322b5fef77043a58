#include "platform/Text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace {

// The system's converter between UTF-8 and CP932, used for text without the
// single bytes that cp932ToUtf8 reads itself: Windows' own code page
// functions on Windows, iconv elsewhere. Either direction returns nullopt for
// input it cannot convert; the caller checks that what it writes reads back
// the same.
#ifdef _WIN32

constexpr UINT kCp932 = 932;

std::optional<std::wstring> toWide(UINT codePage, std::string_view in) {
    if (in.empty())
        return std::wstring();
    if (in.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(in.size());
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
    if (n <= 0)
        return std::nullopt;
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), n) != n)
        return std::nullopt;
    return out;
}

std::optional<std::string> fromWide(UINT codePage, std::wstring_view in) {
    if (in.empty())
        return std::string();
    if (in.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(in.size());
    // UTF-8 takes no default character; CP932 must not use one, nor a
    // "best fit" look-alike.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(codePage, flags, in.data(), size, nullptr, 0, nullptr, used);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (WideCharToMultiByte(codePage, flags, in.data(), size, out.data(), n, nullptr, used) != n ||
        usedDefault)
        return std::nullopt;
    return out;
}

std::optional<std::string> systemCp932ToUtf8(std::string_view bytes) {
    auto wide = toWide(kCp932, bytes);
    return wide ? fromWide(CP_UTF8, *wide) : std::nullopt;
}

std::optional<std::string> systemUtf8ToCp932(std::string_view utf8) {
    auto wide = toWide(CP_UTF8, utf8);
    return wide ? fromWide(kCp932, *wide) : std::nullopt;
}

#else

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                size_t used = out.size() - outLeft;
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: invalid or truncated input
            break;
        }
        if (r != 0) {  // irreversible conversions count as failures
            ok = false;
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
        ok = false;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> systemCp932ToUtf8(std::string_view bytes) {
    return convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> systemUtf8ToCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8);
}

#endif

// Bytes that Windows' table for code page 932 reads as one character each,
// where iconv refuses them: read as these characters and written back as the
// same bytes.
struct SingleByte {
    unsigned char byte;
    std::string_view utf8;
};
constexpr SingleByte kWindowsSingleBytes[] = {
    {0x80, "\u0080"}, {0xA0, "\uF8F0"}, {0xFD, "\uF8F1"}, {0xFE, "\uF8F2"}, {0xFF, "\uF8F3"},
};

const SingleByte* windowsSingleByte(unsigned char b) {
    for (const SingleByte& s : kWindowsSingleBytes)
        if (s.byte == b)
            return &s;
    return nullptr;
}

const SingleByte* windowsSingleByte(std::string_view utf8Char) {
    for (const SingleByte& s : kWindowsSingleBytes)
        if (s.utf8 == utf8Char)
            return &s;
    return nullptr;
}

// The first byte of a CP932 character of two bytes.
bool isCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The look-alikes and the CP932 characters they become.
constexpr std::pair<std::string_view, std::string_view> kLookAlikes[] = {
    {"〜", "～"}, {"−", "－"}, {"—", "―"}, {"‖", "∥"}, {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"},
};

// Converts a run of UTF-8 text without Windows' single-byte characters, and
// only when the bytes read back as the same text.
std::optional<std::string> utf8RunToCp932(std::string_view run) {
    if (run.empty())
        return std::string();
    auto bytes = systemUtf8ToCp932(run);
    if (!bytes)
        return std::nullopt;
    auto back = systemCp932ToUtf8(*bytes);
    if (!back || *back != run)
        return std::nullopt;
    return bytes;
}

}  // namespace

std::size_t utf8CharLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
    std::string out;
    std::size_t runStart = 0;
    auto flush = [&](std::size_t end) {
        if (end <= runStart)
            return true;
        auto text = systemCp932ToUtf8(bytes.substr(runStart, end - runStart));
        if (text)
            out += *text;
        return text.has_value();
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const SingleByte* single = windowsSingleByte(b);
        if (!single) {
            // A lead byte takes its trail with it, whatever the trail is: the
            // system's converter judges the pair.
            i += isCp932LeadByte(b) ? 2 : 1;
            continue;
        }
        if (!flush(i))
            return std::nullopt;
        out += single->utf8;
        runStart = ++i;
    }
    if (!flush(bytes.size()))
        return std::nullopt;
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    std::size_t runStart = 0;
    auto flush = [&](std::size_t end) {
        auto bytes = utf8RunToCp932(utf8.substr(runStart, end - runStart));
        if (bytes)
            out += *bytes;
        return bytes.has_value();
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n =
            std::min(utf8CharLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        if (const SingleByte* single = windowsSingleByte(utf8.substr(i, n))) {
            if (!flush(i))
                return std::nullopt;
            out += static_cast<char>(single->byte);
            runStart = i + n;
        }
        i += n;
    }
    if (!flush(utf8.size()))
        return std::nullopt;
    return out;
}

std::string toCp932Forms(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const auto& ch : utf8Chars(utf8)) {
        std::string_view form = ch;
        for (const auto& [lookAlike, cp932] : kLookAlikes)
            if (ch == lookAlike)
                form = cp932;
        out += form;
    }
    return out;
}

std::optional<std::string> firstCharacterWithoutCp932(std::string_view utf8) {
    for (const auto& ch : utf8Chars(utf8))
        if (!utf8ToCp932(ch))
            return ch;
    return std::nullopt;
}

std::vector<std::string> utf8Chars(std::string_view utf8) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = utf8CharLength(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size())
            n = utf8.size() - i;
        chars.emplace_back(utf8.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t cp932Length(std::string_view utf8) {
    std::size_t total = 0;
    for (const auto& ch : utf8Chars(utf8)) {
        if (ch.size() == 1) {
            total += 1;
            continue;
        }
        auto b = utf8ToCp932(ch);
        total += b ? b->size() : 2;
    }
    return total;
}

std::size_t utf8PrefixBytes(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < utf8.size(); ++n)
        i += utf8CharLength(static_cast<unsigned char>(utf8[i]));
    return i < utf8.size() ? i : utf8.size();
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        lines.push_back(cur);
    return lines;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(filePath(path), ec);
}

namespace {

// Whether the bytes are valid UTF-8: no stray or missing continuation bytes,
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = 0;
        unsigned long cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + n > bytes.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Reads the whole file at `path` into `bytes`; Ok or why not.
ReadStatus readFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    const fs::path file = filePath(path);
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (ec || !fs::exists(st))
        return ReadStatus::Missing;
    if (!fs::is_regular_file(st))
        return ReadStatus::Unreadable;
    const auto size = fs::file_size(file, ec);
    if (ec)
        return ReadStatus::Unreadable;
    if (size > maxBytes)
        return ReadStatus::TooLarge;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return ReadStatus::Unreadable;
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad())
        return ReadStatus::Unreadable;
    bytes = std::move(buf).str();
    return ReadStatus::Ok;
}

}  // namespace

std::optional<std::string> cp932OrUtf8ToUtf8(std::string_view bytes, bool* wasUtf8) {
    if (wasUtf8)
        *wasUtf8 = false;
    const bool bom = bytes.starts_with(kUtf8Bom);
    if (bom)
        bytes.remove_prefix(kUtf8Bom.size());
    const bool multiByte = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (bom || (multiByte && isValidUtf8(bytes))) {
        if (!isValidUtf8(bytes))
            return std::nullopt;
        if (wasUtf8)
            *wasUtf8 = true;
        // Kept as a CP932 file will hold it: look-alikes become CP932's characters.
        return toCp932Forms(bytes);
    }
    return cp932ToUtf8(bytes);
}

ReadResult readCp932OrUtf8Lines(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    std::string bytes;
    result.status = readFileBytes(path, maxBytes, bytes);
    if (result.status != ReadStatus::Ok)
        return result;
    auto text = cp932OrUtf8ToUtf8(bytes, &result.utf8);
    if (!text) {
        result.status = ReadStatus::NotCp932;
        return result;
    }
    result.lines = splitLines(*text);
    return result;
}

ReadResult readCp932Lines(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    std::string bytes;
    result.status = readFileBytes(path, maxBytes, bytes);
    if (result.status != ReadStatus::Ok)
        return result;
    auto text = cp932ToUtf8(bytes);
    if (!text) {
        result.status = ReadStatus::NotCp932;
        return result;
    }
    result.lines = splitLines(*text);
    return result;
}

#ifdef _WIN32

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    const fs::path target = filePath(path);
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (fs::exists(st)) {
        if (!fs::is_regular_file(st))
            return false;
        // A file marked read-only refuses the write.
        if ((st.permissions() & fs::perms::owner_write) == fs::perms::none)
            return false;
    }
    const std::wstring final = target.wstring();
    std::wstring tmp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        tmp = final + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(attempt) + L".tmp";
        file = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    if (ok &&
        MoveFileExW(tmp.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(tmp.c_str());
    return false;
}

#else

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    // A link is written through to the file it names, so the link survives.
    std::string target = path;
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    mode_t mode = 0644;
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return false;
        // A file marked read-only refuses the write, whoever asks: replacing
        // it would otherwise need only the folder's permission.
        if ((st.st_mode & 0222) == 0)
            return false;
        mode = st.st_mode & 07777;  // the new file keeps the old one's mode
    }
    // A folder marked read-only takes no new file either, whoever asks.
    const auto slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : target.substr(0, slash == 0 ? 1 : slash);
    if (::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0222) == 0)
        return false;
    std::string tmp = target + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(tmp.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(tmp.c_str());
    return false;
}

#endif

bool writeCp932Lines(const std::string& path, const std::vector<std::string>& lines) {
    auto bytes = utf8ToCp932(joinLinesCrLf(lines));
    if (!bytes)
        return false;
    return writeFileAtomically(path, *bytes);
}

std::string readFailureMessage(const std::string& path, ReadStatus status,
                               const std::string& whatItIs) {
    switch (status) {
        case ReadStatus::Ok:
            return {};
        case ReadStatus::Missing:
            return path + "がありません";
        case ReadStatus::TooLarge:
            return path + "は" + whatItIs + "としては大きすぎるため読み込めません";
        case ReadStatus::NotCp932:
            return path + "はシフトJIS（CP932）のテキストではないため読み込めません";
        case ReadStatus::Unreadable:
            break;
    }
    return path + "を読み込めません";
}
