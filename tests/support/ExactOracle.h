#pragma once
// Exact rational arithmetic (GMP), the independent oracle of the tests and
// the fuzz targets: the values of the program's fractions and matrices, and
// the textbook algorithms to compare its results with.

#include <gmpxx.h>

#include <cstddef>
#include <vector>

#include "arith/Fraction.h"
#include "matrix/Matrix.h"
#include "tests/support/SameMatrix.h"

using Q = mpq_class;
using QMatrix = std::vector<std::vector<Q>>;

// The value of a fraction. A denominator of 0 is no value: std::domain_error.
Q exactValue(const Fraction& f);
// The value of a matrix: its coefficient times its cells.
QMatrix exactValue(const Matrix& m);
QMatrix exactProduct(const QMatrix& a, const QMatrix& b);
QMatrix exactIdentity(std::size_t n);
// Gaussian elimination with row swaps.
Q exactDeterminant(QMatrix a);
// The reduced row echelon form (Gauss–Jordan): two augmented matrices share
// it exactly when their systems are the same.
QMatrix reducedEchelon(QMatrix m);
