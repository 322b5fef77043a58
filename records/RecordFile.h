#pragma once
// The record file of solved questions: a profile (INI) file with one section
// per unit, the count of each finished question under its number ("1" … "5")
// and the date of the unit's last finished question under "DATE".

#include <ctime>
#include <functional>
#include <optional>
#include <string>

// Adds one to the count of question `number` in section `unitName` of the
// record file at `path` and writes the date and time under "DATE", both in
// one replacement of the file. When the write is refused, shows
// "<path> に書き込めません" (or, for a file that is not CP932 text, a message
// saying so), skips the rest and returns false; nothing already in the file
// is lost.
bool recordSolved(const std::string& path, const std::string& unitName, int number);

// The date of the unit's last finished question, "" when the unit has no
// records.
std::string readRecordDate(const std::string& path, const std::string& unitName);
// The stored text of the count of question `number`, "0" when there is none.
std::string readRecordCountText(const std::string& path, const std::string& unitName, int number);
// The record view's strict reading of a count text: optional spaces around an
// optional sign and decimal digits (or "0x" and hexadecimal digits), within
// 32 bits; nullopt for anything else. The caller shows
// "'<text>' は整数ではありません".
std::optional<int> strictRecordCount(const std::string& text);
// Erases every record of the unit (its counts and "DATE"). A refused write
// shows "<path> に書き込めません" and returns false.
bool eraseUnitRecords(const std::string& path, const std::string& unitName);

// The "DATE" text: year, "年", month, "月", day, "日", hour, ":", minute, with
// two digits for month, day, hour and minute.
std::string formatRecordDate(const std::tm& when);
// The clock the records read: local time unless a test installs another one;
// an empty function restores local time.
void setRecordClock(std::function<std::tm()> clock);
