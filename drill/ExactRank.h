#pragma once
// The exact rank of a few rows of rationals: whether a system's rows
// contradict each other (the coefficients have a smaller rank than the rows
// with their constants) is decided without rounding and without overflow.

#include <cstdint>
#include <vector>

// A rational number: numerator and a non-zero denominator. Both fit in 32
// bits for the bound below to hold.
struct RankValue {
    int64_t num = 0;
    int64_t den = 1;
};

// The rank of the first `columns` columns of up to 4 rows of at most 5 values.
int exactRank(const std::vector<std::vector<RankValue>>& rows, int columns);
