#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

// Which digits each row, column and box holds, and which it holds more than
// once. Built once per pass; this gives every cell's marks with a few ORs
// instead of reading its 27 peers, with identical results.
class DigitUnits {
  public:
    using Mask = Board::Mask;
    using Masks = std::array<Mask, kSize>;

    explicit DigitUnits(const Board& board) {
        for (int i = 0; i < kCellCount; ++i) {
            if (const int v = board.digit(i); v != 0)
                add(i, digitBit(v));
        }
    }

    struct CellUnits {
        std::uint8_t row, col, box;
    };
    static CellUnits unitsOf(int index) { return kCells[index]; }

    // The marks findProbables gives an empty cell (index) with the digits as they stand.
    Mask marksOfEmptyCell(int index) const {
        const CellUnits u = kCells[index];
        return static_cast<Mask>(~(rows[u.row] | cols[u.col] | boxes[u.box]) & Board::kAllMarks);
    }

    // Records a digit placed into cell index.
    void add(int index, Mask bit) {
        const CellUnits u = kCells[index];
        addTo(rows[u.row], rowsTwice[u.row], bit);
        addTo(cols[u.col], colsTwice[u.col], bit);
        addTo(boxes[u.box], boxesTwice[u.box], bit);
    }

    Masks rows{}, cols{}, boxes{};
    Masks rowsTwice{}, colsTwice{}, boxesTwice{};

  private:
    static constexpr std::array<CellUnits, kCellCount> kCells = [] {
        std::array<CellUnits, kCellCount> cells{};
        for (int i = 0; i < kCellCount; ++i) {
            cells[i] =
                CellUnits{static_cast<std::uint8_t>(rowOf(i)), static_cast<std::uint8_t>(colOf(i)),
                          static_cast<std::uint8_t>(boxOf(rowOf(i), colOf(i)))};
        }
        return cells;
    }();

    static void addTo(Mask& seen, Mask& twice, Mask bit) {
        twice = static_cast<Mask>(twice | (seen & bit));
        seen = static_cast<Mask>(seen | bit);
    }
};

} // namespace cellwright
