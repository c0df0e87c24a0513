#pragma once

#include <array>
#include <cstdint>

namespace cellwright::counter::detail {

// The search state of the counter: for each digit and band, the 27-bit set of
// cells that may still hold the digit, and the cells not yet settled. It is
// small (under 250 bytes), so a guess copies it rather than undoing later.
// Digits are 0..8 here; cells are 0..80, row-major.
class CandidateGrid {
  public:
    CandidateGrid();

    // Fixes digit at cell: it leaves the cell's other digits and the cell's
    // row, column and box. A clash shows up in the next settle().
    void assign(int digit, int cell);
    // Takes digit out of cell's candidates; an empty cell shows up in the next
    // settle().
    void exclude(int digit, int cell);

    // Draws conclusions until none is left: naked and hidden singles, locked
    // candidates, and box lines claimed by three digits. False when the grid
    // turns out to have no solution.
    [[nodiscard]] bool settle();

    bool solved() const { return (unsolved_[0] | unsolved_[1] | unsolved_[2]) == 0; }
    // The unsettled cell to guess on: one with two candidates when there is
    // one, else one with the fewest. Only for a settled, unsolved grid.
    int guessCell() const;
    // The digits (bits 0..8) still possible at cell.
    std::uint32_t digitsAt(int cell) const;

  private:
    bool refineDigit(int digit);
    bool placeNakedSingles(bool& placed);
    bool fillBoxLines(bool& changed);

    std::uint32_t& cells(int digit, int band) { return candidates_[3 * digit + band]; }

    std::array<std::uint32_t, 27> candidates_; // index 3 * digit + band
    std::array<std::uint32_t, 27> refined_;    // candidates_ when each digit was last refined
    std::array<std::uint32_t, 3> unsolved_;
};

} // namespace cellwright::counter::detail
