#include "engine/board.hpp"

namespace cellwright {

bool Board::refreshUnits() {
    units_ = Units{};
    std::array<unsigned, kSize> rowSum{}, colSum{}, boxSum{};
    for (int i = 0; i < kCellCount; ++i) {
        const CellUnits cell = kCellUnits[i];
        const Mask bit = bits_[i];
        units_.rows[cell.row] |= bit;
        units_.cols[cell.col] |= bit;
        units_.boxes[cell.box] |= bit;
        rowSum[cell.row] += bit;
        colSum[cell.col] += bit;
        boxSum[cell.box] += bit;
    }
    // Distinct bits add up to their OR; a digit held twice makes the sum larger.
    bool repeated = false;
    for (int n = 0; n < kSize; ++n) {
        repeated |= rowSum[n] != units_.rows[n] || colSum[n] != units_.cols[n] ||
                    boxSum[n] != units_.boxes[n];
    }
    clashFree_ = !repeated;
    return clashFree_;
}

void Board::refreshCells() {
    for (int d = 1; d <= kSize; ++d) {
        const Mask bit = digitBit(d);
        CellSet rows, cols, boxes; // the cells of the units that lack d
        for (int n = 0; n < kSize; ++n) {
            if ((units_.rows[n] & bit) == 0)
                rows |= kUnitCells.rows[n];
            if ((units_.cols[n] & bit) == 0)
                cols |= kUnitCells.cols[n];
            if ((units_.boxes[n] & bit) == 0)
                boxes |= kUnitCells.boxes[n];
        }
        open_[d - 1] = rows & cols & boxes;
    }
    empty_ = CellSet{};
    for (int i = 0; i < kCellCount; ++i) {
        if (bits_[i] == 0)
            empty_ |= kSingleCell[i];
    }
    cellsCurrent_ = true;
}

} // namespace cellwright
