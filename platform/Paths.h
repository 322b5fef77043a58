#pragma once
// The program's folders, set at start-up.

#include <filesystem>
#include <string>

struct Paths {
    // The current directory at start-up with "/" appended: the question file,
    // the help document and the matrix folder "DATA" are looked up there.
    std::string progFolder;
    // The per-user settings folder ($XDG_CONFIG_HOME, else ~/.config; on
    // Windows the Windows directory) with "/" appended; the record file lives
    // there. Created when missing.
    std::string recFolder;
};

extern Paths paths;

// progFolder from the current directory.
void setProgFolder(Paths& p);
// recFolder from the environment, creating the folder when missing.
void setRecFolder(Paths& p);
// recFolder + "gridora.rec".
std::string recordFilePath(const Paths& p);

// A path kept as UTF-8 text, for the standard library's file functions (on
// Windows a plain string would be read in the system's code page).
std::filesystem::path filePath(const std::string& utf8);
// A path as UTF-8 text.
std::string utf8Path(const std::filesystem::path& path);
