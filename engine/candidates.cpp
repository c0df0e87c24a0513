#include "engine/candidates.hpp"

#include "engine/digit_units.hpp"

#include <array>

namespace cellwright {

namespace {

constexpr std::array<std::uint8_t, 512> kMarkCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned m = 0; m < counts.size(); ++m) {
        unsigned n = 0;
        for (unsigned bits = m; bits != 0; bits >>= 1)
            n += bits & 1U;
        counts[m] = static_cast<std::uint8_t>(n);
    }
    return counts;
}();

} // namespace

int countMarks(Board::Mask marks) {
    return kMarkCounts[marks & Board::kAllMarks];
}

std::int16_t findProbables(Board& arr, std::int16_t row, std::int16_t col,
                           std::int16_t& lastValue) {
    std::array<std::int16_t, kSize + 1> entry{};
    for (int d = 1; d <= kSize; ++d)
        entry[d] = static_cast<std::int16_t>(d);
    for (int i = 0; i < kSize; ++i) {
        if (const int v = arr.digit(row, i); v > 0)
            entry[v] = 0;
        if (const int v = arr.digit(i, col); v > 0)
            entry[v] = 0;
    }
    for (int r = boxStart(row); r < boxStart(row) + 3; ++r) {
        for (int c = boxStart(col); c < boxStart(col) + 3; ++c) {
            if (const int v = arr.digit(r, c); v > 0)
                entry[v] = 0;
        }
    }
    std::int16_t count = 0;
    std::int16_t last = 0;
    Board::Mask marks = 0;
    for (int d = 1; d <= kSize; ++d) {
        if (entry[d] > 0) {
            ++count;
            last = entry[d];
            marks = static_cast<Board::Mask>(marks | digitBit(d));
        }
    }
    arr.setMarks(gridIndex(row, col), marks); // all nine layers, none survives
    lastValue = last;
    return count;
}

namespace {

// Writes every cell's marks as if the cell were empty, and returns the verdict
// code of getMinProbability. The marks of a filled cell holding v are those of
// its units, with v itself left marked unless a peer holds it too (v counted
// twice in one of its units).
std::int16_t markAllCells(Board& arr) {
    using Mask = Board::Mask;
    const DigitUnits units(arr);
    auto& marks = arr.allMarks();
    unsigned clashBits = 0;
    unsigned smallest = kNoEmptyCell;
    for (int i = 0; i < kCellCount; ++i) {
        const DigitUnits::CellUnits u = DigitUnits::unitsOf(i);
        unsigned open =
            ~(units.rows[u.row] | units.cols[u.col] | units.boxes[u.box]) & Board::kAllMarks;
        if (const int v = arr.digit(i); v != 0) {
            const unsigned bit = digitBit(v);
            open |=
                bit & ~(units.rowsTwice[u.row] | units.colsTwice[u.col] | units.boxesTwice[u.box]);
            clashBits |= bit & ~open;
        } else if (kMarkCounts[open] < smallest) {
            smallest = kMarkCounts[open];
        }
        marks[i] = static_cast<Mask>(open);
    }
    // A clash overrides any count, including a dead end met earlier.
    return clashBits != 0 ? kClash : static_cast<std::int16_t>(smallest);
}

} // namespace

void doProbCheck(Board& arr) {
    markAllCells(arr);
}

std::int16_t getMinProbability(Board& arr) {
    return markAllCells(arr);
}

void clearProbables(Board& arr) {
    for (int i = 0; i < kCellCount; ++i)
        arr.setMarks(i, 0);
}

} // namespace cellwright
