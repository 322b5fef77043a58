#pragma once
// Text on disk is CP932 (Windows' Shift-JIS) with CR LF line ends; inside the
// program it is UTF-8. Convert only where a file is read or written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// CP932 bytes to UTF-8, by Windows' table for code page 932; nullopt when the
// bytes are not valid CP932. The single bytes 0x80, 0xA0 and 0xFD-0xFF, which
// Windows reads as U+0080 and U+F8F0-U+F8F3, read as those characters.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);
// UTF-8 to CP932 bytes; nullopt when the input is not valid UTF-8 or a
// character would not read back as itself: one with no CP932 form, or one
// written as the bytes of another character (¥ as "\", 〜 as ～).
std::optional<std::string> utf8ToCp932(std::string_view utf8);
// The text with the look-alikes that Japanese input on Linux and Mac types
// changed to the characters code page 932 holds: 〜 − — ‖ ¢ £ ¬ become
// ～ － ― ∥ ￠ ￡ ￢. Typed text goes through this when it is taken in, so the
// text in memory is the text the file will hold.
std::string toCp932Forms(std::string_view utf8);
// The first character of a UTF-8 text that utf8ToCp932 refuses, or nullopt
// when the whole text converts.
std::optional<std::string> firstCharacterWithoutCp932(std::string_view utf8);

// Length of a UTF-8 text counted in CP932 bytes (a character without a CP932
// form counts as 2, as the Windows replacement would).
std::size_t cp932Length(std::string_view utf8);
// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t utf8CharLength(unsigned char lead);
// Byte length in UTF-8 of the first `count` characters of `utf8`.
std::size_t utf8PrefixBytes(std::string_view utf8, std::size_t count);
// Splits a UTF-8 text into its characters (each a UTF-8 sequence).
std::vector<std::string> utf8Chars(std::string_view utf8);

// Splits text into lines at CR LF, LF or CR. A final line end does not make
// an extra empty line.
std::vector<std::string> splitLines(std::string_view text);
// Joins lines, each followed by CR LF (the last too).
std::string joinLinesCrLf(const std::vector<std::string>& lines);

enum class ReadStatus { Ok, Missing, Unreadable, NotCp932, TooLarge };
struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::vector<std::string> lines;  // UTF-8, without line ends
    bool utf8 = false;               // the file was UTF-8 text (readCp932OrUtf8Lines)
};
// Reads a CP932 text file into UTF-8 lines. A file larger than `maxBytes` is
// not read at all (TooLarge), so a stray huge or binary file cannot fill the memory.
ReadResult readCp932Lines(const std::string& path, std::size_t maxBytes = SIZE_MAX);
// A text written as UTF-8 (it starts with a UTF-8 byte order mark, or it is
// valid UTF-8 holding characters of more than one byte) read as UTF-8, without
// its byte order mark and with look-alikes in their CP932 forms
// (toCp932Forms), setting *wasUtf8; any other text read as CP932. nullopt when
// it is neither (or has a byte order mark but is not UTF-8).
std::optional<std::string> cp932OrUtf8ToUtf8(std::string_view bytes, bool* wasUtf8 = nullptr);
// readCp932Lines for a file that may also be written as UTF-8 (see
// cp932OrUtf8ToUtf8); `utf8` tells which it was.
ReadResult readCp932OrUtf8Lines(const std::string& path, std::size_t maxBytes = SIZE_MAX);
// What the student is told when a file cannot be read, for every status but
// Ok (empty then): the path, then why. `whatItIs` names the kind of file in
// the too-large message ("問題ファイル", "行列のデータ").
std::string readFailureMessage(const std::string& path, ReadStatus status,
                               const std::string& whatItIs);

// Writes bytes to a new file beside `path` and renames it over `path`, so a
// crash never leaves half a file. Returns false when the system refuses.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
// Converts the lines to CP932, joins them with CR LF and writes atomically.
// Returns false when a line has no CP932 form or the write is refused.
bool writeCp932Lines(const std::string& path, const std::vector<std::string>& lines);

bool fileExists(const std::string& path);
