#include "engine/cell_analysis.hpp"

#include "engine/candidates.hpp"

#include <array>
#include <bit>

namespace cellwright::detail {

namespace {

// The cells with at least one and at least two open digits: enough for the
// dead ends and singles that most passes find, at under half the cost of the
// full counts below, which only a pass that guesses needs.
struct OpenCounts {
    CellSet atLeastOne, atLeastTwo;
};

OpenCounts countOpenDigits(const Board& arr) {
    OpenCounts counts;
    for (int d = 1; d <= kSize; ++d) {
        const CellSet open = arr.openCells(d);
        counts.atLeastTwo |= counts.atLeastOne & open;
        counts.atLeastOne |= open;
    }
    return counts;
}

// Every cell's number of open digits, bit-sliced: cell i's count is the sum of
// bit i of weight[k] times 2^k.
class OpenDigitCounts {
  public:
    explicit OpenDigitCounts(const Board& arr) {
        for (int d = 1; d <= kSize; ++d) {
            CellSet carry = arr.openCells(d);
            for (int k = 0; k < 3; ++k) {
                const CellSet next = weight_[k] & carry;
                weight_[k] = weight_[k] ^ carry;
                carry = next;
            }
            weight_[3] |= carry;
        }
    }

    // The cells whose count is n.
    CellSet withCount(int n) const {
        CellSet match = kAllCells;
        for (int k = 0; k < 4; ++k)
            match = (n >> k) & 1 ? match & weight_[k] : minus(match, weight_[k]);
        return match;
    }

    // One less for each of the cells, whose counts are at least one.
    void takeOne(CellSet cells) {
        CellSet borrow = cells;
        for (int k = 0; k < 4; ++k) {
            const CellSet next = minus(borrow, weight_[k]);
            weight_[k] = weight_[k] ^ borrow;
            borrow = next;
        }
    }

  private:
    std::array<CellSet, 4> weight_{};
};

// The first empty cell with the fewest open digits, two or more each.
Analysis firstWithFewest(const Board& arr, CellSet empty) {
    const OpenDigitCounts counts(arr);
    for (int n = 2; n <= kSize; ++n) {
        if (const CellSet match = counts.withCount(n) & empty; match.any())
            return {static_cast<std::int16_t>(n), static_cast<std::int16_t>(match.first())};
    }
    return {kNoEmptyCell, -1}; // not reached: every empty cell has some count
}

} // namespace

Analysis analyseWithoutMarks(Board& arr) {
    if (!arr.clashFree() && !arr.refreshUnits())
        return {kClash, -1};
    if (!arr.cellsCurrent())
        arr.refreshCells();
    const CellSet empty = arr.emptyCells();
    if (!empty.any())
        return {kNoEmptyCell, -1};
    const OpenCounts counts = countOpenDigits(arr);
    if (const CellSet dead = minus(empty, counts.atLeastOne); dead.any())
        return {0, static_cast<std::int16_t>(dead.first())};
    if (const CellSet singles = minus(empty, counts.atLeastTwo); singles.any())
        return {1, static_cast<std::int16_t>(singles.first())};
    return firstWithFewest(arr, empty);
}

CellSet sweepWithoutMarks(Board& arr, int from) {
    // The counts are kept up to date placement by placement: a placed digit
    // takes one from each peer that still had it open.
    OpenDigitCounts counts(arr);
    CellSet filled;
    int cell = from;
    for (;;) {
        const int digit = std::countr_zero(arr.openDigits(cell)) + 1; // the only one
        counts.takeOne(kPeersAndSelf[cell] & arr.openCells(digit));
        (void)arr.setDigit(cell, digit);
        filled |= kSingleCell[cell];
        // The next cell the sweep would fill: the first later empty cell with a
        // single open digit now, the digits just placed counted.
        const CellSet singles = counts.withCount(1) & arr.emptyCells() & CellSet::after(cell);
        if (!singles.any())
            return filled;
        cell = singles.first();
    }
}

} // namespace cellwright::detail
