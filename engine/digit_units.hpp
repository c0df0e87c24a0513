#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

// Which digits each row, column and box holds. Built once per pass from the
// digits; this gives every cell's marks with three ORs instead of reading its
// 27 peers, with identical results.
class DigitUnits {
  public:
    using Mask = Board::Mask;
    using Masks = std::array<Mask, kSize>;

    struct CellUnits {
        std::uint8_t row, col, box;
    };
    static CellUnits unitsOf(int index) { return kCells[index]; }

    // Only the digits each unit holds, for passes that need no clash check.
    struct HeldOnly {};
    DigitUnits(const Board& board, HeldOnly) {
        const auto& bits = board.digitBits();
        for (int i = 0; i < kCellCount; ++i)
            add(i, bits[i]);
    }

    explicit DigitUnits(const Board& board) {
        const auto& bits = board.digitBits();
        std::array<unsigned, kSize> rowSum{}, colSum{}, boxSum{};
        for (int row = 0; row < kSize; ++row) {
            for (int col = 0; col < kSize; ++col) {
                const Mask bit = bits[gridIndex(row, col)];
                const int box = boxOf(row, col);
                rows[row] |= bit;
                cols[col] |= bit;
                boxes[box] |= bit;
                rowSum[row] += bit;
                colSum[col] += bit;
                boxSum[box] += bit;
            }
        }
        // Distinct bits add up to their OR; a digit held twice makes the sum larger.
        for (int n = 0; n < kSize; ++n)
            repeated |= rowSum[n] != rows[n] || colSum[n] != cols[n] || boxSum[n] != boxes[n];
    }

    // The marks findProbables gives an empty cell with the digits as they stand.
    Mask marksOfEmptyCell(int index) const {
        const CellUnits u = kCells[index];
        return static_cast<Mask>(~(rows[u.row] | cols[u.col] | boxes[u.box]) & Board::kAllMarks);
    }

    // Records a digit placed into an empty cell.
    void add(int index, Mask bit) {
        const CellUnits u = kCells[index];
        rows[u.row] |= bit;
        cols[u.col] |= bit;
        boxes[u.box] |= bit;
    }

    Masks rows{}, cols{}, boxes{};
    bool repeated = false; // some unit holds a digit twice

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
};

} // namespace cellwright
