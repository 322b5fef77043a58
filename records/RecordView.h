#pragma once
// What the record view lists and what the deletion window offers and erases,
// for the units of the question file in use. Each listing reads the record
// file afresh; nothing of it is kept between showings.

#include <string>
#include <vector>

struct QuestionBank;

// Up to this many stars a count is shown as stars; above it as "★×n", so a
// count edited by hand to millions still gives a line that fits the view.
constexpr int kMaxStarsShown = 40;

// The line of question k finished n times: two spaces, k, then the stars.
std::string recordCountLine(int k, int n);
// A line of the listing as a screen reader says it: a question's line is
// "問題1　2回" (its stars counted); every other line stays as it is.
std::string spokenRecordLine(const std::string& line);

// The record view's listing: a record file that is not CP932 or cannot be
// read is reported first (what can be read is still listed); then for each unit of `bank` in order
// its name, its date line when it has one, then one line per question. A count that is not an
// integer shows "'<count>' は整数ではありません" and ends the listing; the lines before it are
// returned.
std::vector<std::string> recordListing(const QuestionBank& bank, const std::string& path);

// The names of the units of `bank` that have a date in the record file, in
// the order of the question file.
std::vector<std::string> unitsWithRecords(const QuestionBank& bank, const std::string& path);

// The deletion window's list and its one command.
class RecordEraser {
  public:
    // Lists the units with records again; nothing is erased yet.
    void show(const QuestionBank& bank, const std::string& path);
    // 消去 on item `index` (-1 when nothing is chosen): erases the unit's
    // records and takes it off the list. Nothing chosen shows
    // "消去する単元を選んでください"; a refused write shows the file's path and
    // leaves the file and the list as they were. Returns whether a unit was
    // erased.
    bool eraseChosen(int index);

    const std::vector<std::string>& units() const { return units_; }
    // A unit was erased since the list was shown: the record view lists again.
    bool deletedAny() const { return deletedAny_; }

  private:
    std::string path_;
    std::vector<std::string> units_;
    bool deletedAny_ = false;
};
