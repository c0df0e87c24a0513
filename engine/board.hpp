#pragma once

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
        digits_[index] = static_cast<Value>(value);
        bits_[index] = bitOf(value);
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
    }

    // Each cell's digit as a mark bit (bit d-1 for digit d, 0 when empty), kept
    // alongside layer 0 for the passes that combine digits by masks.
    const std::array<Mask, kCellCount>& digitBits() const { return bits_; }
    // For the passes that rewrite every cell's marks at once; they write only 9-bit masks.
    std::array<Mask, kCellCount>& allMarks() { return marks_; }

    // All 810 values of the cube become 0.
    void clear() {
        digits_.fill(0);
        bits_.fill(0);
        marks_.fill(0);
    }

    bool operator==(const Board&) const = default;

  private:
    static Mask bitOf(int value) { return static_cast<Mask>((1U << value) >> 1); }

    std::array<Value, kCellCount> digits_{};
    std::array<Mask, kCellCount> bits_{};
    std::array<Mask, kCellCount> marks_{};
};

constexpr Board::Mask digitBit(int digit) {
    return static_cast<Board::Mask>(1U << (digit - 1));
}

} // namespace cellwright
