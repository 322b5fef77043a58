#include "questions/QuestionLine.h"

#include <array>

#include "arith/Fraction.h"
#include "arith/NumberText.h"

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::vector<std::string> splitQuestionLine(const std::string& line) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        auto semi = line.find(';', start);
        parts.push_back(line.substr(start, semi - start));
        if (semi == std::string::npos)
            break;
        start = semi + 1;
    }
    return parts;
}

bool namesOnlyItsUnknowns(const std::string& equation, int unknownCount) {
    bool namesOne = false;
    for (char c : equation) {
        if (!isAsciiLetter(c))
            continue;
        const int index = unknownIndex(c);
        if (index < 0 || index >= unknownCount)
            return false;
        namesOne = true;
    }
    return namesOne;
}

int parseQuestionLine(const std::string& line, std::span<EquationRow> rows) {
    const std::vector<std::string> parts = splitQuestionLine(line);
    const int n = static_cast<int>(parts.size());
    if (n < 2 || n > 4 || static_cast<std::size_t>(n) > rows.size())
        return 0;
    for (const auto& part : parts)
        if (part.empty())
            return 0;
    for (int i = 0; i < n; ++i) {
        if (!parseEquationLine(parts[i], rows[i], n))
            return 0;
        if (!namesOnlyItsUnknowns(parts[i], n))
            return 0;
    }
    return n;
}

ParsedQuestion parseQuestionAside(const std::string& line) {
    // The parse leaves its error code and decimal flag in the program-wide
    // number state, which belongs to the question on the worksheet.
    const NumberState kept = numberState;
    std::array<EquationRow, 4> scratch{};
    ParsedQuestion out;
    const int n = parseQuestionLine(line, scratch);
    if (n > 0) {
        out.valid = true;
        out.rows.assign(scratch.begin(), scratch.begin() + n);
        // As on the worksheet: the form of the last equation parsed.
        out.hasDecimalPoint = numberState.hasDecimalPoint;
    }
    numberState = kept;
    return out;
}
