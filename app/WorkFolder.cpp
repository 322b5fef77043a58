#include "app/WorkFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "questions/QuestionBank.h"

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool holdsQuestionFile(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_regular_file(fs::path(folder) / kQuestionFileName, ec);
}

// Copies every file under `from` that `to` lacks, except `last` at the top;
// existing files stay. False when a folder or a file could not be made.
bool copyMissing(const fs::path& from, const fs::path& to, const fs::path& last) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec)
        return false;
    fs::recursive_directory_iterator it(from, ec), end;
    if (ec)
        return false;
    for (; it != end; it.increment(ec)) {
        if (ec)
            return false;
        const fs::path target = to / fs::relative(it->path(), from, ec);
        if (ec)
            return false;
        if (it->path() == from / last)
            continue;
        if (it->is_directory(ec)) {
            fs::create_directories(target, ec);
            if (ec)
                return false;
        } else if (it->is_regular_file(ec) && !fs::exists(fs::symlink_status(target, ec))) {
            fs::copy_file(it->path(), target, ec);
            if (ec)
                return false;
        }
    }
    return true;
}

}  // namespace

std::string userWorkFolder() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = withSlash(home) + ".local/share";
    else
        base = "/tmp";
    return withSlash(base) + "tabulon/";
}

WorkFolderChoice chooseWorkFolder(const std::string& current, const std::string& shipped,
                                  const std::string& userCopy) {
    if (holdsQuestionFile(current) || !holdsQuestionFile(shipped))
        return {withSlash(current), false};
    if (holdsQuestionFile(userCopy))
        return {withSlash(userCopy), false};
    // The question file goes last, so that a copy broken off half way is
    // completed at the next start.
    const fs::path question = fs::path(shipped) / kQuestionFileName;
    std::error_code ec;
    bool made = copyMissing(shipped, userCopy, kQuestionFileName);
    if (made && !holdsQuestionFile(userCopy))
        made = fs::copy_file(question, fs::path(userCopy) / kQuestionFileName, ec) && !ec;
    if (!made)
        return {withSlash(shipped), false};
    return {withSlash(userCopy), true};
}
