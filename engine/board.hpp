#pragma once

#include "engine/cell_set.hpp"
#include "engine/grid_geometry.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

// The engine's board: for every cell, layer 0 holds its digit (1..9, 0 = empty)
// and layer d (1..9) holds d while d is a candidate mark of the cell, else 0.
//
// The nine candidate layers are stored as one 9-bit mask per cell (bit d-1 for
// digit d). A mark only ever holds d or 0, so the mask carries exactly the same
// information, and at() yields the very layer values of the 9 x 9 x 10 cube.
class Board {
  public:
    using Value = std::int16_t;
    using Mask = std::uint16_t;
    static constexpr Mask kAllMarks = 0x1FF;

    // board(row, col, layer) of the cube.
    Value at(int row, int col, int layer) const {
        const int i = gridIndex(row, col);
        if (layer == 0)
            return digits_[i];
        return (marks_[i] >> (layer - 1)) & 1U ? static_cast<Value>(layer) : Value{0};
    }

    Value digit(int index) const { return digits_[index]; }
    Value digit(int row, int col) const { return digits_[gridIndex(row, col)]; }

    // The one way a value enters layer 0. Layer 0 holds 0..9 and nothing else,
    // because the candidate code uses a digit as a layer number: anything else
    // is refused, the cell keeps its value and the caller is told.
    [[nodiscard]] bool setDigit(int index, int value) {
        if (value < 0 || value > 9)
            return false;
        const Mask old = bits_[index];
        const Mask now = bitOf(value);
        digits_[index] = static_cast<Value>(value);
        bits_[index] = now;
        const CellUnits cell = kCellUnits[index];
        Mask& row = units_.rows[cell.row];
        Mask& col = units_.cols[cell.col];
        Mask& box = units_.boxes[cell.box];
        if (clashFree_) { // no other cell of these units holds the old digit
            row = static_cast<Mask>(row & ~old);
            col = static_cast<Mask>(col & ~old);
            box = static_cast<Mask>(box & ~old);
            clashFree_ = ((row | col | box) & now) == 0;
        }
        row |= now;
        col |= now;
        box |= now;
        if (cellsCurrent_) {
            if (old == 0 && now != 0 && clashFree_) { // a peer may no longer take this digit
                open_[value - 1] = minus(open_[value - 1], kPeersAndSelf[index]);
                empty_ = minus(empty_, kSingleCell[index]);
            } else if (old != now) {
                cellsCurrent_ = false;
            }
        }
        return true;
    }
    [[nodiscard]] bool setDigit(int row, int col, int value) {
        return setDigit(gridIndex(row, col), value);
    }

    Mask marks(int index) const { return marks_[index]; }
    void setMarks(int index, Mask marks) { marks_[index] = marks & kAllMarks; }

    const std::array<Value, kCellCount>& digits() const { return digits_; }

    // Layer 0 of another board, taken over as it stands (it is valid there).
    void copyDigitsFrom(const Board& other) {
        digits_ = other.digits_;
        bits_ = other.bits_;
        units_ = other.units_;
        clashFree_ = other.clashFree_;
        open_ = other.open_;
        empty_ = other.empty_;
        cellsCurrent_ = other.cellsCurrent_;
    }

    // Each cell's digit as a mark bit (bit d-1 for digit d, 0 when empty), kept
    // alongside layer 0 for the passes that combine digits by masks.
    const std::array<Mask, kCellCount>& digitBits() const { return bits_; }
    // For the passes that rewrite every cell's marks at once; they write only 9-bit masks.
    std::array<Mask, kCellCount>& allMarks() { return marks_; }

    // Which digits each row, column and box holds, for the passes that work
    // unit by unit. While clashFree() they follow every change of layer 0. A
    // board on which a unit held a digit twice (or that was mended by clearing
    // one of the two since) must be refreshed first; refreshUnits() tells
    // whether a unit holds a digit twice now. After a refresh, filling empty
    // cells keeps the units current even on a clashing board.
    struct Units {
        std::array<Mask, kSize> rows{}, cols{}, boxes{};
    };
    const Units& units() const { return units_; }
    // The digits the units of a cell leave open.
    Mask openDigits(int index) const {
        const CellUnits cell = kCellUnits[index];
        return static_cast<Mask>(
            ~(units_.rows[cell.row] | units_.cols[cell.col] | units_.boxes[cell.box]) & kAllMarks);
    }
    bool clashFree() const { return clashFree_; }
    bool refreshUnits();

    // Where each digit may still go: openCells(d) holds every empty cell whose
    // row, column and box lack d (filled cells may linger in it; emptyCells()
    // tells them apart). Filling cells of a clash-free board keeps them
    // current; any other change leaves them to refreshCells(), which needs a
    // clash-free board with current units.
    const CellSet& openCells(int digit) const { return open_[digit - 1]; }
    const CellSet& emptyCells() const { return empty_; }
    bool cellsCurrent() const { return cellsCurrent_; }
    void refreshCells();

    // All 810 values of the cube become 0.
    void clear() {
        digits_.fill(0);
        bits_.fill(0);
        marks_.fill(0);
        units_ = Units{};
        clashFree_ = true;
        open_.fill(kAllCells);
        empty_ = kAllCells;
        cellsCurrent_ = true;
    }

    // The cube's values; the unit bookkeeping follows from layer 0.
    bool operator==(const Board& other) const {
        return digits_ == other.digits_ && marks_ == other.marks_;
    }

  private:
    static Mask bitOf(int value) { return static_cast<Mask>((1U << value) >> 1); }

    std::array<Value, kCellCount> digits_{};
    std::array<Mask, kCellCount> bits_{};
    std::array<Mask, kCellCount> marks_{};
    Units units_{};
    bool clashFree_ = true;
    std::array<CellSet, kSize> open_{};
    CellSet empty_{};
    bool cellsCurrent_ = false;
};

constexpr Board::Mask digitBit(int digit) {
    return static_cast<Board::Mask>(1U << (digit - 1));
}

} // namespace cellwright
