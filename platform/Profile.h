#pragma once
// Profile (INI) files with the behaviour of Windows' private profile
// functions, on CP932 text with CR LF line ends:
// - "[name]" lines open sections, "key=value" lines hold values;
// - section and key names compare without regard to ASCII letter case, and
//   names and values are read without their surrounding spaces, and a value
//   without one pair of surrounding double or single quotes;
// - a write to a missing section appends the section at the end of the file,
//   a write of a missing key appends it after the last line of its section,
//   and a write of an existing key replaces its value in place, keeping the
//   key's spelling; no blank lines are ever added;
// - a value read is at most 1023 CP932 bytes (a character that would be cut
//   is left out whole);
// - a missing file reads as empty and is created by the first write;
// - every write goes to a new file that then replaces the old one.
// A file that is not valid CP932 is read line by line: the lines that convert
// are read as usual, the others match nothing. Such a file is never written.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ProfileStatus {
    Ok,
    Missing,       // no file yet (reads as empty; a write creates it)
    Unreadable,    // the path is not a readable file (a folder, no permission)
    NotCp932,      // the file holds bytes that are not CP932; never written
    WriteRefused,  // the system refused the new file or the replacement
    Unstorable,    // a name or value with no CP932 form or a line end; a key that is
                   // empty, holds "=" or starts with "["
};

// The most CP932 bytes a value read returns.
constexpr std::size_t kProfileValueLimit = 1023;

// A value read as GetPrivateProfileInt reads it: leading spaces, an optional
// sign, then "0x"/"0X" and hexadecimal digits or decimal digits, up to the
// first character that is not one; no digit gives 0. Values beyond 32 bits
// stay at the nearest end of the range.
int32_t profileIntValue(std::string_view text);

// The integer at the start of `text` (no leading spaces): an optional sign,
// then "0x"/"0X" and hexadecimal digits or decimal digits.
struct ProfileIntScan {
    long long magnitude = 0;  // saturates just above the 32-bit range
    bool negative = false;
    int digits = 0;        // how many digits were read
    std::size_t stop = 0;  // index of the first character not read
};
ProfileIntScan scanProfileInt(std::string_view text);

// One profile file held in memory between a load and a save.
class ProfileFile {
  public:
    // Reads the file. Missing, Unreadable and NotCp932 files still give a
    // usable (possibly empty) content; status() tells which case it was.
    explicit ProfileFile(std::string path);

    ProfileStatus status() const { return loadStatus; }
    const std::string& path() const { return filePath; }

    // The value of `key` in `section`, or `fallback` when there is none.
    std::string value(std::string_view section, std::string_view key,
                      std::string_view fallback) const;
    bool hasValue(std::string_view section, std::string_view key) const;
    // The value as GetPrivateProfileInt reads it; `fallback` when missing or empty.
    int32_t intValue(std::string_view section, std::string_view key, int32_t fallback) const;

    // Changes in memory only; save() writes them. Names and values that the
    // file cannot hold are refused (Unstorable) and change nothing.
    ProfileStatus setValue(std::string_view section, std::string_view key, std::string_view text);
    // Removes the section's header and every line up to the next section.
    // False when there was no such section.
    bool eraseSection(std::string_view section);

    // Writes the content to a new file that replaces the old one. Refused
    // without touching the disk when the file was not valid CP932 or not a
    // readable file.
    ProfileStatus save();

    // The lines as they would be written (UTF-8, without line ends).
    std::vector<std::string> lines() const;

  private:
    struct Line {
        std::string text;  // UTF-8, or the raw bytes when `readable` is false
        bool readable = true;
    };
    // Index of the section's header line, npos when missing.
    std::size_t findSection(std::string_view section) const;
    // Index of the next header after `header` (or the end of the file).
    std::size_t sectionEnd(std::size_t header) const;
    // Index of the key's line inside the section, npos when missing.
    std::size_t findKey(std::size_t header, std::string_view key) const;

    std::string filePath;
    ProfileStatus loadStatus = ProfileStatus::Missing;
    std::vector<Line> content;
};

// One-call forms of the profile operations, each opening and closing the
// file; the read forms return the fallback when the file cannot be read.
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
int32_t readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback);
ProfileStatus writeProfileString(const std::string& path, std::string_view section,
                                 std::string_view key, std::string_view text);
ProfileStatus eraseProfileSection(const std::string& path, std::string_view section);
