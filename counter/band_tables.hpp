#pragma once

// Lookup tables for the candidate sets of one digit within one band (three rows
// of the grid). A band's 27 cells are bits 0..26: bit 9 * row + column, so a
// band row is 9 bits and a "minirow" (a row's three cells inside one box) is 3.

#include <array>
#include <cstdint>

namespace cellwright::counter::detail {

inline constexpr std::uint32_t kRowBits = 0x1FF;

// The boxes (bits 0..2) in which a 9-bit band row has at least one cell.
inline constexpr std::array<std::uint8_t, 512> kBoxesOfRow = [] {
    std::array<std::uint8_t, 512> table{};
    for (unsigned row = 0; row < 512; ++row) {
        table[row] = static_cast<std::uint8_t>(((row & 7U) != 0) | (((row >> 3) & 7U) != 0) << 1 |
                                               (((row >> 6) & 7U) != 0) << 2);
    }
    return table;
}();

// A digit sits once in each row and once in each box of a band, so its three
// places in the band use the minirows of a permutation row -> box. Indexed by
// the minirows that still hold a candidate (bit 3 * row + box), this gives the
// cells of the minirows that belong to at least one possible permutation: the
// locked-candidate eliminations of the band, all at once. 0 when none is left.
inline constexpr std::array<std::uint32_t, 512> kBandKeep = [] {
    constexpr std::array<std::array<int, 3>, 6> kPermutations{
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    std::array<std::uint32_t, 512> table{};
    for (unsigned occupied = 0; occupied < 512; ++occupied) {
        for (const auto& boxOfRow : kPermutations) {
            std::uint32_t cells = 0;
            bool possible = true;
            for (int row = 0; row < 3; ++row) {
                const int minirow = 3 * row + boxOfRow[row];
                possible = possible && ((occupied >> minirow) & 1U) != 0;
                cells |= 7U << (9 * row + 3 * boxOfRow[row]);
            }
            if (possible)
                table[occupied] |= cells;
        }
    }
    return table;
}();

// Indexed by the columns (bits 0..8) in which a digit can only go inside this
// band: such a column claims the digit's place in its box of the band, so the
// box's other two columns lose it there. Two such columns in one box cannot
// both be served: 0, no cell kept.
inline constexpr std::array<std::uint32_t, 512> kColumnKeep = [] {
    std::array<std::uint32_t, 512> table{};
    for (unsigned columns = 0; columns < 512; ++columns) {
        std::uint32_t rowKeep = kRowBits;
        bool possible = true;
        for (unsigned box = 0; box < 3; ++box) {
            const unsigned claimed = (columns >> (3 * box)) & 7U;
            if (claimed != 0)
                rowKeep = (rowKeep & ~(7U << (3 * box))) | claimed << (3 * box);
            possible = possible && (claimed & (claimed - 1)) == 0;
        }
        table[columns] = possible ? rowKeep | rowKeep << 9 | rowKeep << 18 : 0;
    }
    return table;
}();

// For each cell of a band: the band's cells that keep a digit placed there,
// i.e. all but its row and its box, plus the cell itself.
inline constexpr std::array<std::uint32_t, 27> kPlacementKeep = [] {
    std::array<std::uint32_t, 27> table{};
    for (unsigned cell = 0; cell < 27; ++cell) {
        const std::uint32_t row = kRowBits << (9 * (cell / 9));
        const std::uint32_t box = 0x1C0E07U << (3 * (cell % 9 / 3));
        table[cell] = (~(row | box) & 0x7FFFFFFU) | 1U << cell;
    }
    return table;
}();

// For each set of nine bits, the bits that are the only one of their box, the
// bits of box b being boxBits(b).
template <class BoxBits> constexpr std::array<std::uint16_t, 512> loneInTheirBox(BoxBits boxBits) {
    std::array<std::uint16_t, 512> table{};
    for (unsigned bits = 0; bits < 512; ++bits) {
        for (unsigned box = 0; box < 3; ++box) {
            const unsigned inBox = bits & boxBits(box);
            if (inBox != 0 && (inBox & (inBox - 1)) == 0)
                table[bits] = static_cast<std::uint16_t>(table[bits] | inBox);
        }
    }
    return table;
}

// Indexed like kBandKeep: the minirows that are the only one of their box, so
// the digit is confined to them within that box.
inline constexpr std::array<std::uint16_t, 512> kLoneMinirows =
    loneInTheirBox([](unsigned box) { return 0x49U << box; });

// The same for columns: indexed by the columns (bits 0..8) in which a band
// holds the digit, the columns that are the only one of their box.
inline constexpr std::array<std::uint16_t, 512> kLoneColumns =
    loneInTheirBox([](unsigned box) { return 7U << (3 * box); });

// A set of minirows (bit 3 * row + box) as the band cells they cover.
inline constexpr std::array<std::uint32_t, 512> kMinirowCells = [] {
    std::array<std::uint32_t, 512> table{};
    for (unsigned minirows = 0; minirows < 512; ++minirows) {
        for (unsigned m = 0; m < 9; ++m) {
            if ((minirows >> m) & 1U)
                table[minirows] |= 7U << (9 * (m / 3) + 3 * (m % 3));
        }
    }
    return table;
}();

// The 9 column bits of a band's cells, and a set of columns as band cells.
constexpr std::uint32_t columnsOf(std::uint32_t cells) {
    return (cells | cells >> 9 | cells >> 18) & kRowBits;
}
constexpr std::uint32_t cellsOfColumns(std::uint32_t columns) {
    return columns | columns << 9 | columns << 18;
}

// The index into kBandKeep: which minirows of the band hold a cell.
inline std::uint32_t occupiedMinirows(std::uint32_t cells) {
    return kBoxesOfRow[cells & kRowBits] | kBoxesOfRow[(cells >> 9) & kRowBits] << 3 |
           kBoxesOfRow[cells >> 18] << 6;
}

// The rows of the band that have exactly one cell (or none), as their cells.
constexpr std::uint32_t singleCellRows(std::uint32_t cells) {
    std::uint32_t singles = 0;
    for (int shift = 0; shift < 27; shift += 9) {
        const std::uint32_t row = (cells >> shift) & kRowBits;
        if ((row & (row - 1)) == 0)
            singles |= row << shift;
    }
    return singles;
}

} // namespace cellwright::counter::detail
