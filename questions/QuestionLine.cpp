#include "questions/QuestionLine.h"

#include <cstdio>

#include "arith/NumberText.h"
#include "platform/Text.h"
#include "platform/UiPort.h"

namespace {

constexpr int kMinEquations = 2;
constexpr int kMaxEquations = 4;

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// The reader's error code in words.
std::string parseErrorReason(int code) {
    switch (code) {
        case kErrZeroDenominator:
            return "0 で割っています";
        case kErrTooManyDigits:
            return "数字は5桁以下です";
        case kErrDecimalTooLong:
            return "小数は整数部と小数部を合わせて5桁以内です";
        case kErrPlusAfterSign:
        case kErrMinusAfterSign:
            return "符号が2つ続いています";
        case kErrTooLong:
            return "式が50バイトを超えています";
        case kErrBadCharacter:
            return "使えない文字があります";
        default:
            return "式の書き方が正しくありません";
    }
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
    Messages said;
    std::optional<ParsedQuestion> parsed = parseQuestionLine(line, said);
    showMessages(said);
    return parsed;
}

std::optional<ParsedQuestion> parseQuestionLine(const std::string& line, Messages& said) {
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
        if (!parseEquationLine(parts[i], parsed.rows[i], n, said))
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

std::string questionLineProblem(const std::string& line) {
    if (blank(line))
        return "空の問題です";
    const std::vector<std::string> parts = splitQuestionLine(line);
    const int n = static_cast<int>(parts.size());
    if (n < kMinEquations)
        return "式が2つ以上必要です";
    if (n > kMaxEquations)
        return "式は4つまでです";
    const std::string letters = "xyzw";
    for (int i = 0; i < n; ++i) {
        const std::string which = std::to_string(i + 1) + "番目の";
        const std::string& part = parts[i];
        if (blank(part))
            return which + "式が空です";
        if (cp932Length(part) > static_cast<std::size_t>(kMaxEquationBytes))
            return which + "式が50バイトを超えています";
        bool any = false;
        for (char c : part) {
            if (!isAsciiLetter(c))
                continue;
            const int index = unknownIndex(c);
            if (index < 0)
                return std::string(1, c) + " は未知数に使えません（x, y, z, w が使えます）";
            if (index >= n)
                return std::string(1, c) + " は" + std::to_string(n) + "元の問題では使えません";
            any = true;
        }
        if (!any)
            return which + "式に未知数がありません";
    }
    const QuietUi quiet;
    const NumberState kept = numberState;
    std::string reason;
    for (int i = 0; i < n && reason.empty(); ++i) {
        EquationRow row;
        Messages unshown;  // the reason below says what is wrong
        if (!parseEquationLine(parts[i], row, n, unshown))
            reason =
                std::to_string(i + 1) + "番目の式：" + parseErrorReason(numberState.parseError);
    }
    if (reason.empty() && !parseQuestionLine(line))
        reason = "式の書き方が正しくありません";
    numberState = kept;
    return reason;
}

std::string visibleLine(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) {
            out += c;
            continue;
        }
        switch (u) {
            case 0:
                out += "\\0";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default: {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02X", u);
                out += buf;
            }
        }
    }
    return out;
}
