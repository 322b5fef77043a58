#pragma once
// The one field-by-field comparison of two matrices that the tests and the
// fuzz targets share. Standard C++ only, so the tests that need nothing else
// of the support build for Windows too.

#include "matrix/Matrix.h"

// The same size, coefficient and cells in use, numerator and denominator
// alike (not merely the same values).
inline bool sameMatrix(const Matrix& a, const Matrix& b) {
    if (a.rows != b.rows || a.cols != b.cols ||
        a.coefficient.numerator != b.coefficient.numerator ||
        a.coefficient.denominator != b.coefficient.denominator)
        return false;
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            if (a.at(i, j).numerator != b.at(i, j).numerator ||
                a.at(i, j).denominator != b.at(i, j).denominator)
                return false;
    return true;
}
