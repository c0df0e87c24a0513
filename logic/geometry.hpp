#pragma once

#include "logic/rating.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

// The grid's fixed shape, as tables the techniques look up: the 27 houses and
// their cells, each cell's houses and peers, and 81-bit cell sets.
namespace cellwright::logic::detail {

// Houses are numbered type * 9 + index: boxes 0..8, rows 9..17, columns 18..26.
constexpr int houseId(HouseType type, int index) {
    return static_cast<int>(type) * 9 + index;
}
constexpr House houseOf(int id) {
    return House{static_cast<HouseType>(id / 9), static_cast<std::uint8_t>(id % 9)};
}
constexpr int rowOf(int cell) {
    return cell / 9;
}
constexpr int columnOf(int cell) {
    return cell % 9;
}
constexpr int boxOf(int cell) {
    return cell / 27 * 3 + cell % 9 / 3;
}
// The house of the given type that holds cell.
constexpr int houseOfCell(HouseType type, int cell) {
    switch (type) {
    case HouseType::Box:
        return boxOf(cell);
    case HouseType::Row:
        return 9 + rowOf(cell);
    default:
        return 18 + columnOf(cell);
    }
}

// The cells of each house in house order: boxes row-major, rows left to
// right, columns top to bottom.
inline constexpr std::array<std::array<std::uint8_t, 9>, 27> kHouseCells = [] {
    std::array<std::array<std::uint8_t, 9>, 27> cells{};
    for (int i = 0; i < 9; ++i) {
        for (int p = 0; p < 9; ++p) {
            cells[i][p] = static_cast<std::uint8_t>(i / 3 * 27 + i % 3 * 3 + p / 3 * 9 + p % 3);
            cells[9 + i][p] = static_cast<std::uint8_t>(9 * i + p);
            cells[18 + i][p] = static_cast<std::uint8_t>(9 * p + i);
        }
    }
    return cells;
}();

// The position of a cell inside its box, row and column (same order as HouseType).
constexpr int positionIn(HouseType type, int cell) {
    switch (type) {
    case HouseType::Box:
        return rowOf(cell) % 3 * 3 + columnOf(cell) % 3;
    case HouseType::Row:
        return columnOf(cell);
    default:
        return rowOf(cell);
    }
}
constexpr int positionIn(int house, int cell) {
    return positionIn(static_cast<HouseType>(house / 9), cell);
}

// A set of cells, one bit per cell.
struct CellSet {
    std::uint64_t low = 0;  // cells 0..63
    std::uint64_t high = 0; // cells 64..80

    constexpr void add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    constexpr void remove(int cell) {
        (cell < 64 ? low : high) &= ~(std::uint64_t{1} << (cell & 63));
    }
    constexpr bool has(int cell) const {
        return (((cell < 64 ? low : high) >> (cell & 63)) & 1U) != 0;
    }
    constexpr bool empty() const { return (low | high) == 0; }
    // Two cells or more (told without counting, as popcount is a library call here).
    constexpr bool severalCells() const {
        return (low & (low - 1)) != 0 || (high & (high - 1)) != 0 || (low != 0 && high != 0);
    }
    constexpr int first() const {
        return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high);
    }
    constexpr CellSet operator&(CellSet o) const { return {low & o.low, high & o.high}; }
    constexpr CellSet operator|(CellSet o) const { return {low | o.low, high | o.high}; }
    constexpr CellSet without(CellSet o) const { return {low & ~o.low, high & ~o.high}; }
    constexpr bool operator==(const CellSet&) const = default;

    // Calls f(cell) for each cell in ascending order.
    template <class F> constexpr void forEach(F&& f) const {
        for (std::uint64_t bits = low; bits != 0; bits &= bits - 1)
            f(std::countr_zero(bits));
        for (std::uint64_t bits = high; bits != 0; bits &= bits - 1)
            f(64 + std::countr_zero(bits));
    }
};

inline constexpr std::array<CellSet, 27> kHouseSets = [] {
    std::array<CellSet, 27> sets{};
    for (int h = 0; h < 27; ++h) {
        for (int cell : kHouseCells[h])
            sets[h].add(cell);
    }
    return sets;
}();

// The 20 peers of each cell in the order the wings visit them: the other cells
// of its box in box order, then the rest of its row, then the rest of its column.
inline constexpr std::array<std::array<std::uint8_t, 20>, 81> kPeers = [] {
    std::array<std::array<std::uint8_t, 20>, 81> peers{};
    for (int cell = 0; cell < 81; ++cell) {
        int n = 0;
        for (HouseType type : {HouseType::Box, HouseType::Row, HouseType::Column}) {
            for (int other : kHouseCells[houseOfCell(type, cell)]) {
                bool seen = other == cell;
                for (int i = 0; i < n && !seen; ++i)
                    seen = peers[cell][i] == other;
                if (!seen)
                    peers[cell][n++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return peers;
}();

inline constexpr std::array<CellSet, 81> kPeerSets = [] {
    std::array<CellSet, 81> sets{};
    for (int cell = 0; cell < 81; ++cell) {
        for (int peer : kPeers[cell])
            sets[cell].add(peer);
    }
    return sets;
}();

constexpr bool arePeers(int a, int b) {
    return kPeerSets[a].has(b);
}

// The order in which most techniques visit houses: boxes, then columns, then rows.
inline constexpr std::array<HouseType, 3> kBoxColumnRow = {HouseType::Box, HouseType::Column,
                                                           HouseType::Row};
inline constexpr std::array<HouseType, 3> kBoxRowColumn = {HouseType::Box, HouseType::Row,
                                                           HouseType::Column};

// For houses a and b, the positions in a of the cells a shares with b.
inline constexpr auto kCrossing = [] {
    std::array<std::array<Mask, 27>, 27> crossing{};
    for (int a = 0; a < 27; ++a) {
        for (int b = 0; b < 27; ++b) {
            for (int p = 0; p < 9; ++p) {
                if (a != b && kHouseSets[b].has(kHouseCells[a][p]))
                    crossing[a][b] |= static_cast<Mask>(1U << p);
            }
        }
    }
    return crossing;
}();

// The crossing houses a digit can be locked in, as pairs (a, b) in the order
// pointing and claiming try them: box then column, box then row, column then
// box, row then box; b ascending for each a. Stops at, and returns true on,
// the first pair visit returns true for.
template <class Visit> bool forEachCrossingPair(Visit&& visit) {
    constexpr std::array<std::array<HouseType, 2>, 4> kinds = {{{HouseType::Box, HouseType::Column},
                                                                {HouseType::Box, HouseType::Row},
                                                                {HouseType::Column, HouseType::Box},
                                                                {HouseType::Row, HouseType::Box}}};
    for (const auto& kind : kinds) {
        for (int i = 0; i < 9; ++i) {
            const int a = houseId(kind[0], i);
            for (int j = 0; j < 9; ++j) {
                const int b = houseId(kind[1], j);
                if (kCrossing[a][b] != 0 && visit(a, b))
                    return true;
            }
        }
    }
    return false;
}

// The k-element subsets of nine things, as 9-bit masks in increasing order
// (which lists them by their largest element first: {0,1}, {0,2}, {1,2}, {0,3}, ...).
template <int K>
inline constexpr auto kSubsets = [] {
    constexpr int count = [] {
        int n = 0;
        for (unsigned m = 0; m < 512; ++m)
            n += std::popcount(m) == K;
        return n;
    }();
    std::array<std::uint16_t, count> subsets{};
    int n = 0;
    for (unsigned m = 0; m < 512; ++m) {
        if (std::popcount(m) == K)
            subsets[n++] = static_cast<std::uint16_t>(m);
    }
    return subsets;
}();

// The same for any k from 0 to 9.
inline std::span<const std::uint16_t> subsetsOf(int k) {
    switch (k) {
    case 0:
        return kSubsets<0>;
    case 1:
        return kSubsets<1>;
    case 2:
        return kSubsets<2>;
    case 3:
        return kSubsets<3>;
    case 4:
        return kSubsets<4>;
    case 5:
        return kSubsets<5>;
    case 6:
        return kSubsets<6>;
    case 7:
        return kSubsets<7>;
    case 8:
        return kSubsets<8>;
    default:
        return kSubsets<9>;
    }
}

constexpr int lowestDigit(Mask digits) {
    return std::countr_zero(static_cast<unsigned>(digits)) + 1;
}
// Counted by table: portable builds have no popcount instruction, and the
// library call it falls back to is slow on paths this hot.
inline constexpr auto kDigitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned m = 0; m < 512; ++m)
        counts[m] = static_cast<std::uint8_t>(std::popcount(m));
    return counts;
}();
constexpr int digitCount(Mask digits) {
    return kDigitCounts[digits & 0x1FF];
}

} // namespace cellwright::logic::detail
