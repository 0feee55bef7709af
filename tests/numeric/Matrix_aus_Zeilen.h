// Test helper: a matrix of the numerics typed row by row, entries from (1, 1) on.
#pragma once

#include "numeric/UMatheTools.h"

#include <vector>

using Zeilen = std::vector<std::vector<Extended>>;

inline Matrix Aus(const Zeilen& z) {
    Matrix A{};
    for (size_t i = 0; i < z.size(); ++i)
        for (size_t j = 0; j < z[i].size(); ++j) A[i + 1][j + 1] = z[i][j];
    return A;
}
