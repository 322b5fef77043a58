#include "questions/QuestionMaking.h"

#include <algorithm>

namespace {

bool opensUnit(const std::string& line) {
    return line.starts_with("<<");
}

bool closesUnit(const std::string& line) {
    return line == ">>";
}

}  // namespace

std::vector<std::string> makingUnitNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names(kMakingUnits);
    int unit = 0;
    for (const std::string& line : lines)
        if (opensUnit(line) && unit < kMakingUnits)
            names[static_cast<std::size_t>(unit++)] = line.substr(2);
    return names;
}

MakingOptions suggestFor(MakingOptions options, int unit) {
    options.unit = std::clamp(unit, 1, kMakingUnits);
    if (options.unit == kMakingUnits) {
        options.unknowns = 2;
        options.kind = MakingKind::Mixed;
    } else {
        options.unknowns = options.unit + 1;
        options.kind = MakingKind::Unique;
    }
    return options;
}

std::vector<std::string> makeQuestions(const MakingOptions& options) {
    if (options.kind == MakingKind::Mixed)
        return generateMixedQuestions(options.unknowns, options.count, options.level, options.seed);
    GeneratorOptions g;
    g.unknowns = options.unknowns;
    g.kind = static_cast<GeneratorOptions::Kind>(options.kind);
    g.count = options.count;
    g.level = options.level;
    return generateQuestions(g, options.seed);
}

int unitAtLine(const std::vector<std::string>& lines, int line) {
    int unit = 0;
    for (int i = 0; i <= line && i < static_cast<int>(lines.size()); ++i)
        if (opensUnit(lines[static_cast<std::size_t>(i)]))
            ++unit;
    return std::max(unit, 1);
}

std::vector<std::string> replaceUnitQuestions(const std::vector<std::string>& lines, int unit,
                                              const std::vector<std::string>& questions) {
    std::vector<std::string> out;
    int seen = 0;
    bool replacing = false;
    bool replaced = false;
    for (const std::string& line : lines) {
        if (replacing) {
            // The unit's questions end at its ">>", or at the next unit when
            // the ">>" is missing.
            if (closesUnit(line) || opensUnit(line)) {
                out.push_back(">>");
                replacing = false;
                replaced = true;
                if (closesUnit(line))
                    continue;
            } else {
                continue;
            }
        }
        out.push_back(line);
        if (opensUnit(line) && ++seen == unit) {
            out.insert(out.end(), questions.begin(), questions.end());
            replacing = true;
        }
    }
    if (replacing) {
        out.push_back(">>");
        replaced = true;
    }
    if (!replaced) {
        for (int u = seen + 1; u <= unit; ++u) {
            out.push_back("<<単元" + std::to_string(u));
            out.insert(out.end(), questions.begin(), questions.end());
            out.push_back(">>");
        }
    }
    return out;
}
