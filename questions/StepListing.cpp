#include "questions/StepListing.h"

std::string listedTerm(const Fraction& term) {
    return std::to_string(term.numerator) + term.kind + std::to_string(term.denominator);
}

StepListing makeStepListing(const EquationList& list, int step) {
    StepListing out;
    out.step = std::to_string(step);
    const int first = list.index(step, 0);
    for (int i = 0; i < 4; ++i) {
        const int r = first + i;
        if (r < 0 || r >= kListRows)
            continue;
        const EquationRow& row = list.rows[r];
        for (int t = 0; t < row.count && t < kTermsPerRow; ++t)
            out.rows[i].push_back(listedTerm(row.terms[t]));
    }
    return out;
}
