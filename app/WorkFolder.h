#pragma once
// The folder the program works in. Started in a folder that holds the
// question file (the shipped folder, or a teacher's own), it works there.
// Started anywhere else (from the desktop menu, from a home folder), it works
// in the student's own copy of the shipped folder, made on the first start
// under the user's data folder: the questions the student edits and the
// matrices saved there are the student's, and a new installation, which
// replaces the shipped folder, leaves them alone.

#include <string>

// The user's copy of the shipped folder: $XDG_DATA_HOME/tabulon/ when
// XDG_DATA_HOME is an absolute path, else ~/.local/share/tabulon/.
std::string userWorkFolder();

struct WorkFolderChoice {
    std::string folder;    // where to work, with "/" at the end
    bool created = false;  // files were copied into the user's copy just now
};

// `current`: the folder the program was started in; `shipped`: the installed
// shipped folder (empty when unknown); `userCopy`: userWorkFolder().
// - `current` holds "RAver.sim": `current`.
// - Otherwise, when `shipped` holds "RAver.sim": `userCopy`. While the copy
//   has no "RAver.sim" yet, every shipped file it lacks is copied into it
//   (folders included); a file that is already there is never replaced.
//   When the copy cannot be made, `shipped` itself (read-only, but the drill
//   works).
// - Otherwise `current`: the start-up then reports the missing question file.
WorkFolderChoice chooseWorkFolder(const std::string& current, const std::string& shipped,
                                  const std::string& userCopy);
