#pragma once
// Prints an answer key: each question on sheets of its own, a header naming
// the unit and the question, its pictures with their narratives placed as
// the worksheet prints them, and the answer last.

#include <QDateTime>
#include <optional>
#include <vector>

#include "drill/AnswerKey.h"
#include "drill/ui/PrintPainter.h"

class QWidget;

// Asks which unit of `bank` to print the answer key of, `preset` chosen
// first; nullopt when cancelled or when no unit has questions.
std::optional<int> askAnswerKeyUnit(QWidget* parent, const QuestionBank& bank, int preset);

// Prints `key` on `printer` (already set up), laid out for the worksheet
// `layout` with `params`; the headers carry `when`. Returns the number of
// sheets in `sheets` when given.
PrintOutcome printAnswerKey(QPrinter& printer, const std::vector<AnswerKeyQuestion>& key,
                            const WorksheetLayout& layout, const PrintParameters& params,
                            const QDateTime& when, int* sheets = nullptr);
