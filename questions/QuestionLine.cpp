#include "questions/QuestionLine.h"

#include "arith/NumberText.h"

namespace {

constexpr int kMinEquations = 2;
constexpr int kMaxEquations = 4;

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
    // The equation reader takes every ASCII letter for an unknown and drops
    // one it has no place for, so a slip like "2a" or a "z" in a system of two
    // would silently become a zero coefficient.
    bool any = false;
    for (char c : equation) {
        if (!isAsciiLetter(c))
            continue;
        const int index = unknownIndex(c);
        if (index < 0 || index >= unknownCount)
            return false;
        any = true;
    }
    return any;
}

std::optional<ParsedQuestion> parseQuestionLine(const std::string& line) {
    const std::vector<std::string> parts = splitQuestionLine(line);
    const int n = static_cast<int>(parts.size());
    if (n < kMinEquations || n > kMaxEquations)
        return std::nullopt;
    for (const auto& part : parts)
        if (part.empty())
            return std::nullopt;
    ParsedQuestion parsed;
    parsed.rows.resize(parts.size());
    for (int i = 0; i < n; ++i) {
        if (!parseEquationLine(parts[i], parsed.rows[i], n))
            return std::nullopt;
        if (!namesOnlyItsUnknowns(parts[i], n))
            return std::nullopt;
    }
    parsed.hasDecimalPoint = numberState.hasDecimalPoint;
    return parsed;
}

std::optional<ParsedQuestion> parseQuestionAside(const std::string& line) {
    const NumberState kept = numberState;
    std::optional<ParsedQuestion> parsed = parseQuestionLine(line);
    numberState = kept;
    return parsed;
}
