#include "counter/solution_count.hpp"

#include "counter/candidate_grid.hpp"

#include <algorithm>
#include <bit>

namespace cellwright::counter {

namespace {

using detail::CandidateGrid;

class SolutionCounter {
  public:
    // Without keepSolution the solution is not written out: only found.
    SolutionCounter(std::uint32_t limit, bool keepSolution)
        : limit_(limit), keepSolution_(keepSolution) {}

    // Depth first over guesses. The last choice at a cell reuses the grid
    // itself, so only the other choices copy it.
    void search(CandidateGrid grid) {
        for (;;) {
            if (!grid.settle())
                return;
            if (grid.solved()) {
                record(grid);
                return;
            }
            const int cell = grid.guessCell();
            std::uint32_t digits = grid.digitsAt(cell);
            for (; (digits & (digits - 1)) != 0; digits &= digits - 1) {
                CandidateGrid guess = grid;
                guess.assign(std::countr_zero(digits), cell);
                search(guess);
                if (result_.solutions >= limit_)
                    return;
            }
            grid.assign(std::countr_zero(digits), cell);
        }
    }

    const CountResult& result() const { return result_; }

  private:
    void record(const CandidateGrid& grid) {
        if (result_.solutions++ != 0 || !keepSolution_)
            return;
        for (int cell = 0; cell < 81; ++cell)
            result_.solution[cell] =
                static_cast<std::int8_t>(std::countr_zero(grid.digitsAt(cell)) + 1);
    }

    std::uint32_t limit_;
    bool keepSolution_;
    CountResult result_;
};

// The givens as a grid; false for a cell value outside 0..9.
bool placeGivens(const Cells& cells, CandidateGrid& grid) {
    for (int cell = 0; cell < 81; ++cell) {
        const int value = cells[cell];
        if (value < 0 || value > 9)
            return false;
        if (value != 0)
            grid.assign(value - 1, cell);
    }
    return true;
}

} // namespace

CountResult countSolutions(const Cells& cells, std::uint32_t limit) {
    CandidateGrid grid;
    if (!placeGivens(cells, grid))
        return {};
    SolutionCounter counter(std::clamp<std::uint32_t>(limit, 1, kMaxSolutionLimit), true);
    counter.search(grid);
    return counter.result();
}

bool hasSolutionWithout(const Cells& cells, int cell, int digit) {
    CandidateGrid grid;
    if (cell < 0 || cell > 80 || digit < 1 || digit > 9 || !placeGivens(cells, grid))
        return false;
    grid.exclude(digit - 1, cell);
    SolutionCounter counter(1, false);
    counter.search(grid);
    return counter.result().solutions != 0;
}

} // namespace cellwright::counter
