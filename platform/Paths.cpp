#include "platform/Paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

Paths paths;

namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Creates `folder` and any missing parents; an existing folder is fine.
void makeFolders(const std::string& folder) {
    for (std::size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos == folder.size() || folder[pos] == '/') {
            std::string part = folder.substr(0, pos);
            if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
                return;
        }
    }
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/tmp";
}

}  // namespace

void setProgFolder(Paths& p) {
    std::vector<char> buf(4096);
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) {
            p.progFolder = "./";
            return;
        }
        buf.resize(buf.size() * 2);
    }
    p.progFolder = withSlash(buf.data());
}

void setRecFolder(Paths& p) {
    std::string folder;
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        folder = xdg;
    else
        folder = withSlash(homeFolder()) + ".config";
    makeFolders(folder);
    p.recFolder = withSlash(folder);
}

std::string recordFilePath(const Paths& p) {
    return p.recFolder + "gridora.rec";
}
