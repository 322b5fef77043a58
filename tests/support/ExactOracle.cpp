#include "tests/support/ExactOracle.h"

#include <stdexcept>
#include <utility>

Q exactValue(const Fraction& f) {
    if (f.denominator == 0)
        throw std::domain_error("a value with denominator 0");
    Q q(f.numerator, f.denominator);
    q.canonicalize();
    return q;
}

QMatrix exactValue(const Matrix& m) {
    const Q k = exactValue(m.coefficient);
    QMatrix out(m.rows, std::vector<Q>(m.cols));
    for (int i = 0; i < m.rows; ++i)
        for (int j = 0; j < m.cols; ++j)
            out[i][j] = k * exactValue(m.at(i, j));
    return out;
}

QMatrix exactProduct(const QMatrix& a, const QMatrix& b) {
    QMatrix out(a.size(), std::vector<Q>(b[0].size()));
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b[0].size(); ++j)
            for (std::size_t k = 0; k < b.size(); ++k)
                out[i][j] += a[i][k] * b[k][j];
    return out;
}

QMatrix exactIdentity(std::size_t n) {
    QMatrix out(n, std::vector<Q>(n));
    for (std::size_t i = 0; i < n; ++i)
        out[i][i] = 1;
    return out;
}

Q exactDeterminant(QMatrix a) {
    const std::size_t n = a.size();
    Q det = 1;
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        while (p < n && a[p][c] == 0)
            ++p;
        if (p == n)
            return 0;
        if (p != c) {
            std::swap(a[p], a[c]);
            det = -det;
        }
        det *= a[c][c];
        for (std::size_t r = c + 1; r < n; ++r) {
            const Q f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    return det;
}

QMatrix reducedEchelon(QMatrix m) {
    const std::size_t rows = m.size();
    const std::size_t cols = rows ? m[0].size() : 0;
    std::size_t pivotRow = 0;
    for (std::size_t c = 0; c < cols && pivotRow < rows; ++c) {
        std::size_t p = pivotRow;
        while (p < rows && m[p][c] == 0)
            ++p;
        if (p == rows)
            continue;
        std::swap(m[p], m[pivotRow]);
        const Q pivot = m[pivotRow][c];
        for (auto& v : m[pivotRow])
            v /= pivot;
        for (std::size_t r = 0; r < rows; ++r) {
            if (r == pivotRow || m[r][c] == 0)
                continue;
            const Q f = m[r][c];
            for (std::size_t k = 0; k < cols; ++k)
                m[r][k] -= f * m[pivotRow][k];
        }
        ++pivotRow;
    }
    return m;
}
