#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "arith/NumberText.h"
#include "picture/Picture.h"

namespace {

// A value as it is read out: reduced, the sign in front, "3/4", or "0.5"
// when the picture writes decimals.
std::string spoken(const Fraction& f, bool decimals) {
    const WrittenNumber w = writtenNumber(f, true);
    const std::string sign = w.negative ? "-" : "";
    if (decimals) {
        const std::string d = formatDecimal(f);
        if (!d.empty())
            return sign + d;
    }
    return sign + w.numerator + (w.whole() ? "" : "/" + w.denominator);
}

// A written row as one line of text: "x+2y=3", "x=1/2". Zero terms are left
// out; a side with nothing on it reads "0".
std::string spokenRow(const EquationRow& row, bool decimals) {
    std::string out;
    bool sideEmpty = true;
    const int count = row.count < 0 ? 0 : (row.count > kTermsPerRow ? kTermsPerRow : row.count);
    for (int p = 0; p < count; ++p) {
        const Fraction& t = row.terms[p];
        if (t.kind == '=') {
            out += sideEmpty ? "0=" : "=";
            sideEmpty = true;
            continue;
        }
        const bool letter = unknownIndex(t.kind) >= 0;
        if ((!letter && t.kind != '/' && t.kind != '|') || t.numerator == 0 || t.denominator == 0)
            continue;
        std::string value = spoken(t, decimals);
        if (letter && (value == "1" || value == "-1"))
            value.pop_back();  // x, -x
        if (!sideEmpty && value.front() != '-')
            out += "+";
        out += value;
        if (letter)
            out += t.kind;
        sideEmpty = false;
    }
    if (sideEmpty)
        out += "0";
    return out;
}

std::string spokenMatrix(const StepMatrixItem& m) {
    std::string out;
    for (const auto& row : m.rows) {
        out += "［";
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0)
                out += j + 1 == row.size() ? " | " : ", ";
            out += spoken(row[j].value, false);
        }
        out += "］";
    }
    return out;
}

// A calculator's matrix: its coefficient when one stands in front, then the
// rows ("係数1/2　［1, 0］［0, 1］"); a 1 x 1 matrix is the one number shown.
std::vector<std::string> spokenCalcMatrix(const CalcMatrixItem& m) {
    if (m.plain)
        return {m.cells.empty() || m.cells[0].empty() ? "" : spoken(m.cells[0][0].value, false)};
    std::vector<std::string> out;
    if (m.coefficient)
        out.push_back("係数" + spoken(m.coefficient->value, false));
    std::string rows;
    for (const auto& row : m.cells) {
        rows += "［";
        for (std::size_t j = 0; j < row.size(); ++j)
            rows += (j > 0 ? ", " : "") + spoken(row[j].value, false);
        rows += "］";
    }
    out.push_back(rows);
    return out;
}

}  // namespace

std::string pictureNarrative(const Picture& picture) {
    std::vector<std::string> parts;
    const OpLabelItem* label = nullptr;
    const CalcMatrixItem* calcMatrix = nullptr;
    for (const PictureItem& item : picture.items) {
        if (const auto* t = std::get_if<TextLineItem>(&item)) {
            parts.push_back(t->text);
        } else if (const auto* c = std::get_if<CaptionItem>(&item)) {
            parts.push_back(c->text);
        } else if (const auto* o = std::get_if<OpLabelItem>(&item)) {
            label = o;
        } else if (const auto* e = std::get_if<EquationsItem>(&item)) {
            std::string rows;
            for (const EquationRow& row : e->rows)
                rows += (rows.empty() ? "" : "、") + spokenRow(row, e->hasDecimalPoint);
            parts.push_back(rows);
        } else if (std::get_if<StepMatrixItem>(&item)) {
            // Only the last matrix drawn shows; it is added below.
        } else if (const auto* c = std::get_if<CalcMatrixItem>(&item)) {
            calcMatrix = c;  // said after its caption, as a step matrix is
        } else if (const auto* f = std::get_if<FractionItem>(&item)) {
            parts.push_back(spoken(f->value, false));
        } else if (const auto* n = std::get_if<NumberItem>(&item)) {
            // ⊿ is read out by its name: a screen reader says the symbol badly.
            parts.push_back("デルタ＝" + spoken(n->value, false));
        }
    }
    if (const StepMatrixItem* m = picture.matrix())
        parts.push_back(spokenMatrix(*m));
    if (calcMatrix)
        for (std::string& part : spokenCalcMatrix(*calcMatrix))
            parts.push_back(std::move(part));
    if (label && !label->text.empty())
        parts.push_back(label->text);
    std::string out;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!out.empty())
            out += "　";
        out += part;
    }
    return out;
}
