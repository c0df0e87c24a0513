#pragma once

#include <array>
#include <cstdint>

namespace cellwright {

// A cell is (row, col), both 0..8. Its grid index 9 * row + col (0..80) is also
// the index of its text cell in the window; scanning by ascending index is
// row-major order, and every "first cell" rule in the engine means that order.
inline constexpr int kSize = 9;
inline constexpr int kCellCount = 81;

constexpr int gridIndex(int row, int col) {
    return kSize * row + col;
}
constexpr int rowOf(int index) {
    return index / kSize;
}
constexpr int colOf(int index) {
    return index % kSize;
}

// First row (or column) of the 3 x 3 box that holds row (or column) n.
constexpr int boxStart(int n) {
    return 3 * (n / 3);
}
// Boxes numbered 0..8 in row-major order of their top-left cells.
constexpr int boxOf(int row, int col) {
    return 3 * (row / 3) + col / 3;
}

// The row, column and box of each cell, looked up rather than divided out on
// the solver's hot paths.
struct CellUnits {
    std::uint8_t row, col, box;
};
inline constexpr std::array<CellUnits, kCellCount> kCellUnits = [] {
    std::array<CellUnits, kCellCount> cells{};
    for (int i = 0; i < kCellCount; ++i) {
        cells[i] =
            CellUnits{static_cast<std::uint8_t>(rowOf(i)), static_cast<std::uint8_t>(colOf(i)),
                      static_cast<std::uint8_t>(boxOf(rowOf(i), colOf(i)))};
    }
    return cells;
}();

} // namespace cellwright
