#include "logic/rating.hpp"

#include "logic/geometry.hpp"
#include "logic/producers.hpp"

#include <algorithm>
#include <cmath>

namespace cellwright::logic {

using namespace detail;

Grid::Grid(const Digits& puzzle) {
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle[cell] >= 1 && puzzle[cell] <= 9)
            digits_[cell] = static_cast<std::uint8_t>(puzzle[cell]);
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (digits_[cell] != 0)
            continue;
        Mask seen = 0;
        for (int peer : kPeers[cell]) {
            if (digits_[peer] != 0)
                seen |= digitBit(digits_[peer]);
        }
        candidates_[cell] = kAllDigits & static_cast<Mask>(~seen);
    }
}

bool Grid::solved() const {
    return std::find(digits_.begin(), digits_.end(), 0) == digits_.end();
}

void Grid::place(int cell, int digit) {
    digits_[cell] = static_cast<std::uint8_t>(digit);
    candidates_[cell] = 0;
    for (int peer : kPeers[cell])
        candidates_[peer] &= static_cast<Mask>(~digitBit(digit));
}

int Step::tenths() const {
    return static_cast<int>(std::floor((value + 0.05) * 10));
}

bool Step::eliminates() const {
    return std::any_of(eliminations.begin(), eliminations.end(), [](Mask m) { return m != 0; });
}

namespace {

int tenthsOf(double value) {
    Step step;
    step.value = value;
    return step.tenths();
}

// Each step removes a candidate or fills a cell, so a path is never longer
// than this; the cap only guards against a technique that breaks that rule.
constexpr int kMaxSteps = 81 * 9 + 81;

} // namespace

Rating explain(const Digits& puzzle, const std::function<void(const Step&)>& onStep,
               const RateOptions& options) {
    Grid grid(puzzle);
    Rating rating;
    bool placed = false;
    while (!grid.solved()) {
        if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) {
            rating.end = RatingEnd::Cancelled;
            break;
        }
        std::optional<Step> step;
        if (rating.steps < kMaxSteps)
            step = nextStep(grid);
        if (!step) {
            // Whatever the reference rater takes next comes from a technique
            // not built here, so it is worth at least that technique's least.
            const int least = tenthsOf(leastValueOfMissing());
            rating.end = RatingEnd::RanOut;
            rating.hardest = Technique::Beyond;
            rating.er = std::max(rating.er, least);
            if (!placed)
                rating.ep = std::max(rating.ep, least);
            if (rating.steps == 0)
                rating.ed = least;
            break;
        }
        const int value = step->tenths();
        if (rating.steps == 0)
            rating.ed = value;
        if (!placed)
            rating.ep = std::max(rating.ep, value);
        placed = placed || step->places();
        if (value > rating.er) {
            rating.er = value;
            rating.hardest = step->technique;
        }
        ++rating.steps;
        apply(grid, *step);
        if (onStep)
            onStep(*step);
        if (rating.er > options.ceiling) {
            rating.end = RatingEnd::AboveCeiling;
            break;
        }
    }
    rating.bound = rating.end != RatingEnd::Solved;
    rating.epBound = rating.bound && !placed;
    rating.edBound = rating.bound && rating.steps == 0;
    return rating;
}

Rating rate(const Digits& puzzle, const RateOptions& options) {
    return explain(puzzle, nullptr, options);
}

std::vector<Step> explain(const Digits& puzzle) {
    std::vector<Step> steps;
    explain(puzzle, [&steps](const Step& step) { steps.push_back(step); });
    return steps;
}

} // namespace cellwright::logic
