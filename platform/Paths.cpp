#include "platform/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

Paths paths;

namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// The folder the record file goes to when XDG_CONFIG_HOME does not name one.
#ifdef _WIN32
// The Windows directory, as the program has always kept its records there.
std::string defaultRecordFolder() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const UINT n = GetWindowsDirectoryW(buf.data(), static_cast<UINT>(buf.size()));
        if (n == 0)
            return "C:\\Windows";
        if (n < buf.size())
            return utf8Path(fs::path(std::wstring(buf.data(), n)));
        buf.resize(n + 1);
    }
}
#else
std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/tmp";
}

std::string defaultRecordFolder() {
    return withSlash(homeFolder()) + ".config";
}
#endif

}  // namespace

fs::path filePath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void setProgFolder(Paths& p) {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    p.progFolder = ec ? std::string("./") : withSlash(utf8Path(current));
}

void setRecFolder(Paths& p) {
    std::string folder;
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && filePath(xdg).is_absolute())
        folder = xdg;
    else
        folder = defaultRecordFolder();
    std::error_code ec;
    fs::create_directories(filePath(folder), ec);
    p.recFolder = withSlash(folder);
}

std::string recordFilePath(const Paths& p) {
    return p.recFolder + "gridora.rec";
}
