#pragma once

#include "engine/grid_geometry.hpp"

#include <array>
#include <bit>
#include <cstdint>

namespace cellwright {

// A set of cells as 81 bits in grid-index order (cells 0..63 in the first
// word, 64..80 in the second), so the lowest member is the first cell in
// row-major order. The two words form one vector of the compiler's, which is
// a single SSE2 register on x86-64 and a pair of words elsewhere. (Reading a
// word of it is not a constant expression for every compiler, so only the
// set operations are constexpr.)
class CellSet {
    using Words = std::uint64_t __attribute__((vector_size(16)));

  public:
    constexpr CellSet() = default;
    constexpr CellSet(std::uint64_t low, std::uint64_t high) : words_{low, high} {}

    static constexpr CellSet of(int index) {
        return index < 64 ? CellSet{std::uint64_t{1} << index, 0}
                          : CellSet{0, std::uint64_t{1} << (index - 64)};
    }
    // Cells with an index above the given one.
    static constexpr CellSet after(int index) {
        if (index < 63)
            return CellSet{~std::uint64_t{0} << (index + 1), kHighCells};
        return CellSet{0, kHighCells & (~std::uint64_t{0} << (index - 63))};
    }

    std::uint64_t low() const { return words_[0]; }
    std::uint64_t high() const { return words_[1]; }
    bool any() const { return (low() | high()) != 0; }
    // The lowest member; the set must not be empty.
    int first() const {
        return low() != 0 ? std::countr_zero(low()) : 64 + std::countr_zero(high());
    }

    friend constexpr CellSet operator&(CellSet a, CellSet b) {
        return CellSet(a.words_ & b.words_);
    }
    friend constexpr CellSet operator|(CellSet a, CellSet b) {
        return CellSet(a.words_ | b.words_);
    }
    friend constexpr CellSet operator^(CellSet a, CellSet b) {
        return CellSet(a.words_ ^ b.words_);
    }
    // The cells of a not in b.
    friend constexpr CellSet minus(CellSet a, CellSet b) { return CellSet(a.words_ & ~b.words_); }
    constexpr CellSet& operator&=(CellSet b) { return *this = *this & b; }
    constexpr CellSet& operator|=(CellSet b) { return *this = *this | b; }
    friend bool operator==(CellSet a, CellSet b) {
        return a.low() == b.low() && a.high() == b.high();
    }

    static constexpr std::uint64_t kHighCells = (std::uint64_t{1} << (kCellCount - 64)) - 1;

  private:
    constexpr explicit CellSet(Words words) : words_(words) {}
    Words words_{};
};

inline constexpr CellSet kAllCells{~std::uint64_t{0}, CellSet::kHighCells};

// Each cell alone, looked up rather than computed on the solver's hot paths.
inline constexpr std::array<CellSet, kCellCount> kSingleCell = [] {
    std::array<CellSet, kCellCount> cells{};
    for (int i = 0; i < kCellCount; ++i)
        cells[i] = CellSet::of(i);
    return cells;
}();

// The cells of each row, column and box.
struct UnitCells {
    std::array<CellSet, kSize> rows{}, cols{}, boxes{};
};
inline constexpr UnitCells kUnitCells = [] {
    UnitCells units{};
    for (int i = 0; i < kCellCount; ++i) {
        const CellUnits cell = kCellUnits[i];
        units.rows[cell.row] |= CellSet::of(i);
        units.cols[cell.col] |= CellSet::of(i);
        units.boxes[cell.box] |= CellSet::of(i);
    }
    return units;
}();

// Every cell that shares a row, column or box with a cell, the cell included.
inline constexpr std::array<CellSet, kCellCount> kPeersAndSelf = [] {
    std::array<CellSet, kCellCount> peers{};
    for (int i = 0; i < kCellCount; ++i) {
        const CellUnits cell = kCellUnits[i];
        peers[i] =
            kUnitCells.rows[cell.row] | kUnitCells.cols[cell.col] | kUnitCells.boxes[cell.box];
    }
    return peers;
}();

} // namespace cellwright
