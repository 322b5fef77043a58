// Question lines: which lines are systems the drill can set up, and the rows
// they give. The drill, and every window that previews or checks a question,
// read lines through the same parser, so one table decides for all.

#include <gtest/gtest.h>

#include <string>

#include "arith/NumberText.h"
#include "questions/QuestionLine.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedUi.h"

namespace {

struct Line {
    const char* text;
    int equations;         // rows of a valid line; 0 for an invalid one
    const char* firstRow;  // coefficients and constant of the first row
    int messages = 0;      // messages of the equation reader on the way
};

std::ostream& operator<<(std::ostream& out, const Line& l) {
    return out << '"' << l.text << '"';
}

class QuestionLineTest : public ::testing::TestWithParam<Line> {
  protected:
    void SetUp() override { numberState = {}; }
    ScriptedUi ui;
};

TEST_P(QuestionLineTest, ValidOnlyWithItsOwnUnknowns) {
    const Line& c = GetParam();
    std::optional<ParsedQuestion> q = parseQuestionLine(c.text);
    ASSERT_EQ(q.has_value(), c.equations > 0);
    EXPECT_EQ(static_cast<int>(ui.messages().size()), c.messages);
    if (!q)
        return;
    ASSERT_EQ(static_cast<int>(q->rows.size()), c.equations);
    const EquationRow& r = q->rows[0];
    ASSERT_EQ(r.count, c.equations + 2);
    std::string first;
    for (int i = 0; i < r.count; ++i)
        if (r.terms[i].kind != '=')
            first += (first.empty() ? "" : " ") + formatFraction(r.terms[i]);
    EXPECT_EQ(first, c.firstRow);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, QuestionLineTest,
    ::testing::Values(Line{"x+y=5;x-y=1", 2, "1 1 5"}, Line{"2x+3y-z=1;x=2;y+z=0", 3, "2 3 -1 1"},
                      Line{"x+w=1;y=2;z=3;w=4", 4, "1 0 0 1 1"}, Line{"0x=5;x+y=1", 2, "0 0 5"},
                      // A letter that is no unknown of the question, or no unknown at all.
                      Line{"x+y=3;2a+b=1", 0, ""}, Line{"x+z=1;y=2", 0, ""},
                      Line{"X+y=1;x-y=0", 0, ""}, Line{"x+y=3; ", 0, ""}, Line{"x+y=3;=5", 0, ""},
                      Line{"x+y+w=1;y=2;z=3", 0, ""},
                      // The shape of the line.
                      Line{"x+y=1;", 0, ""}, Line{"x+y=1", 0, ""},
                      Line{"x=1;y=2;z=3;w=4;x+y=5", 0, ""}, Line{"", 0, ""}, Line{";", 0, ""},
                      // An equation the reader refuses, with the reader's own message.
                      Line{"x+y=1;x+?=2", 0, "", 1}),
    RowName());

TEST(QuestionLineSplit, PartsBetweenSemicolons) {
    EXPECT_EQ(splitQuestionLine("a;b;;c"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(splitQuestionLine(""), std::vector<std::string>{""});
    EXPECT_TRUE(namesOnlyItsUnknowns("2x-3y=4", 2));
    EXPECT_FALSE(namesOnlyItsUnknowns("2x-3z=4", 2));
    EXPECT_TRUE(namesOnlyItsUnknowns("2x-3z=4", 3));
    EXPECT_FALSE(namesOnlyItsUnknowns("=4", 4));
}

}  // namespace
