#pragma once
// The step listing: the raw terms of four consecutive rows of the equation
// list, from the first row of a step's block on.

#include <array>
#include <string>
#include <vector>

#include "arith/Equation.h"

struct StepListing {
    std::string step;                              // Edit1
    std::array<std::vector<std::string>, 4> rows;  // LB1 … LB4
};

// One term as listed: numerator, kind, denominator ("2x1", "0=1", "-5/1").
std::string listedTerm(const Fraction& term);
// The rows index(step, 0) … + 3, whatever the unknown count; a row outside the
// list is listed empty.
StepListing makeStepListing(const EquationList& list, int step);
