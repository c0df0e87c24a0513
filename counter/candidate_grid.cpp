#include "counter/candidate_grid.hpp"

#include "counter/band_tables.hpp"

#include <bit>

namespace cellwright::counter::detail {

namespace {

constexpr std::uint32_t kBandBits = 0x7FFFFFF;

constexpr int bandOf(int cell) {
    return cell / 27;
}
constexpr std::uint32_t bitOf(int cell) {
    return 1U << (cell % 27);
}

} // namespace

CandidateGrid::CandidateGrid() : unsolved_{kBandBits, kBandBits, kBandBits} {
    candidates_.fill(kBandBits);
    // Nothing refined yet: every digit differs from this.
    refined_.fill(0);
}

void CandidateGrid::assign(int digit, int cell) {
    const int band = bandOf(cell);
    for (int other = 0; other < 9; ++other) {
        if (other != digit)
            cells(other, band) &= ~bitOf(cell);
    }
    // The row and box within the band; the column in the other bands follows
    // once the digit's refinement finds the row down to this one cell.
    cells(digit, band) &= kPlacementKeep[cell % 27];
}

void CandidateGrid::exclude(int digit, int cell) {
    cells(digit, bandOf(cell)) &= ~bitOf(cell);
}

std::uint32_t CandidateGrid::digitsAt(int cell) const {
    std::uint32_t digits = 0;
    for (int digit = 0; digit < 9; ++digit) {
        if (candidates_[3 * digit + bandOf(cell)] & bitOf(cell))
            digits |= 1U << digit;
    }
    return digits;
}

// Everything that follows for one digit from its own cells alone, repeated
// until it stops changing: each band keeps the minirows of a possible
// row -> box permutation; a band row down to one cell fixes the digit there and
// takes its column from the other bands; a column open in only one band pins
// the digit to that column within its box there. Then the cells fixed for the
// first time lose every other digit.
bool CandidateGrid::refineDigit(int digit) {
    std::uint32_t* const band = &candidates_[3 * digit];
    // Bands unchanged since the last refinement already keep only possible
    // minirows; narrowing a band again is only needed after it changed.
    unsigned changedBands = 0;
    for (int b = 0; b < 3; ++b)
        changedBands |= (band[b] != refined_[3 * digit + b]) << b;
    std::array<std::uint32_t, 3> fixed{};
    for (;;) {
        std::array<std::uint32_t, 3> columns{};
        std::array<std::uint32_t, 3> fixedColumns{};
        for (int b = 0; b < 3; ++b) {
            if ((changedBands >> b) & 1U) {
                band[b] &= kBandKeep[occupiedMinirows(band[b])];
                if (band[b] == 0)
                    return false;
            }
            columns[b] = columnsOf(band[b]);
            fixed[b] = singleCellRows(band[b]);
            fixedColumns[b] = columnsOf(fixed[b]);
        }
        if ((columns[0] | columns[1] | columns[2]) != kRowBits)
            return false;
        changedBands = 0;
        for (int b = 0; b < 3; ++b) {
            const int next = b == 2 ? 0 : b + 1;
            const int last = b == 0 ? 2 : b - 1;
            const std::uint32_t kept = band[b] &
                                       ~cellsOfColumns(fixedColumns[next] | fixedColumns[last]) &
                                       kColumnKeep[columns[b] & ~(columns[next] | columns[last])];
            changedBands |= (kept != band[b]) << b;
            band[b] = kept;
        }
        if (changedBands == 0)
            break;
    }
    for (int b = 0; b < 3; ++b) {
        const std::uint32_t newlyFixed = fixed[b] & unsolved_[b];
        if (newlyFixed == 0)
            continue;
        unsolved_[b] &= ~newlyFixed;
        for (int other = 0; other < 9; ++other) {
            if (other != digit)
                cells(other, b) &= ~newlyFixed;
        }
    }
    for (int b = 0; b < 3; ++b)
        refined_[3 * digit + b] = band[b];
    return true;
}

// Cells left with one digit take it; a cell left with none means no solution.
bool CandidateGrid::placeNakedSingles(bool& placed) {
    for (int b = 0; b < 3; ++b) {
        if (unsolved_[b] == 0)
            continue;
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int digit = 0; digit < 9; ++digit) {
            twice |= once & cells(digit, b);
            once |= cells(digit, b);
        }
        if ((unsolved_[b] & ~once) != 0)
            return false;
        std::uint32_t singles = unsolved_[b] & ~twice;
        unsolved_[b] &= ~singles;
        placed = placed || singles != 0;
        for (; singles != 0; singles &= singles - 1) {
            // An earlier single of this loop may have taken the cell's one
            // digit (the same digit twice in a unit): then it has none.
            const int position = std::countr_zero(singles);
            bool hasDigit = false;
            for (int digit = 0; digit < 9; ++digit) {
                if (cells(digit, b) & (1U << position)) {
                    cells(digit, b) &= kPlacementKeep[position];
                    hasDigit = true;
                }
            }
            if (!hasDigit)
                return false;
        }
    }
    return true;
}

// A box meets each of its rows and columns in three cells (a minirow or a
// minicolumn), so at most three digits can be confined to those cells within
// the box; when three are, the cells are theirs and every other digit leaves
// them. This catches dead ends such as four digits needing one minirow long
// before the search would stumble on them in a nearly empty grid. Bits 0..8
// of the masks are minirows (3 * row + box), bits 9..17 minicolumns (column).
bool CandidateGrid::fillBoxLines(bool& changed) {
    for (int b = 0; b < 3; ++b) {
        std::array<std::uint32_t, 9> confined{};
        std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;
        for (int digit = 0; digit < 9; ++digit) {
            const std::uint32_t lone = kLoneMinirows[occupiedMinirows(cells(digit, b))] |
                                       kLoneColumns[columnsOf(cells(digit, b))] << 9;
            confined[digit] = lone;
            more |= thrice & lone;
            thrice |= twice & lone;
            twice |= once & lone;
            once |= lone;
        }
        if (more != 0)
            return false;
        if (thrice == 0)
            continue;
        for (int digit = 0; digit < 9; ++digit) {
            const std::uint32_t before = cells(digit, b);
            const std::uint32_t others = thrice & ~confined[digit];
            cells(digit, b) &= ~(kMinirowCells[others & kRowBits] | cellsOfColumns(others >> 9));
            changed = changed || cells(digit, b) != before;
        }
    }
    return true;
}

bool CandidateGrid::settle() {
    for (;;) {
        bool changed = false;
        for (int digit = 0; digit < 9; ++digit) {
            const int i = 3 * digit;
            if (candidates_[i] != refined_[i] || candidates_[i + 1] != refined_[i + 1] ||
                candidates_[i + 2] != refined_[i + 2]) {
                if (!refineDigit(digit))
                    return false;
                changed = true;
            }
        }
        if (changed)
            continue;
        if (!placeNakedSingles(changed))
            return false;
        if (changed)
            continue;
        if (!fillBoxLines(changed))
            return false;
        if (!changed)
            return true;
    }
}

int CandidateGrid::guessCell() const {
    int best = -1;
    int fewest = 10;
    for (int b = 0; b < 3; ++b) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        std::uint32_t thrice = 0;
        for (int digit = 0; digit < 9; ++digit) {
            const std::uint32_t here = candidates_[3 * digit + b];
            thrice |= twice & here;
            twice |= once & here;
            once |= here;
        }
        const std::uint32_t pairs = twice & ~thrice & unsolved_[b];
        if (pairs != 0)
            return 27 * b + std::countr_zero(pairs);
        for (std::uint32_t open = unsolved_[b]; open != 0 && fewest > 3; open &= open - 1) {
            const int cell = 27 * b + std::countr_zero(open);
            const int count = std::popcount(digitsAt(cell));
            if (count < fewest)
                fewest = count, best = cell;
        }
    }
    return best;
}

} // namespace cellwright::counter::detail
