#pragma once
// Short forms for matrices in table-driven tests: "1 2; 3 4" builds a matrix,
// "(-1/2) 4 -2; -3 1" one with a coefficient, and matrixText writes a matrix
// back in the same form ("-" for an empty one), so a table row can state a
// whole matrix in one string.

#include <sstream>
#include <string>

#include "arith/NumberText.h"
#include "matrix/Matrix.h"

inline Matrix M(const std::string& text) {
    Matrix m;
    std::string body = text;
    if (!body.empty() && body[0] == '(') {
        std::size_t close = body.find(')');
        m.coefficient = parseSlashNumber(body.substr(1, close - 1));
        body = body.substr(close + 1);
    }
    std::stringstream rows(body);
    std::string row;
    int i = 0;
    while (std::getline(rows, row, ';')) {
        std::stringstream cells(row);
        std::string cell;
        int j = 0;
        while (cells >> cell)
            m.at(i, j++) = parseSlashNumber(cell);
        m.cols = j;
        ++i;
    }
    m.rows = i;
    return m;
}

inline std::string matrixText(const Matrix& m) {
    if (m.empty())
        return "-";
    std::string out;
    if (m.coefficient.numerator != 1 || m.coefficient.denominator != 1)
        out += "(" + formatFraction(m.coefficient) + ")";
    out += "[";
    for (int i = 0; i < m.rows; ++i) {
        if (i > 0)
            out += "; ";
        for (int j = 0; j < m.cols; ++j)
            out += (j > 0 ? " " : "") + formatFraction(m.at(i, j));
    }
    return out + "]";
}
