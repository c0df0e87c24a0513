#include "logic/rating.hpp"

#include "logic/geometry.hpp"
#include "logic/producers.hpp"

#include <algorithm>
#include <cmath>

namespace cellwright::logic {

using namespace detail;

namespace {

// Each cell's box, row and column, and its position in each.
struct CellPlace {
    std::array<std::uint8_t, 3> houses;
    std::array<std::uint8_t, 3> positions;
};
inline constexpr std::array<CellPlace, 81> kCellPlaces = [] {
    std::array<CellPlace, 81> places{};
    for (int cell = 0; cell < 81; ++cell) {
        for (int t = 0; t < 3; ++t) {
            const auto type = static_cast<HouseType>(t);
            places[cell].houses[t] = static_cast<std::uint8_t>(houseOfCell(type, cell));
            places[cell].positions[t] = static_cast<std::uint8_t>(positionIn(type, cell));
        }
    }
    return places;
}();

} // namespace

Grid::Grid() {
    emptyCells_.fill(9);
}

Grid::Grid(const Digits& puzzle) : Grid() {
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle[cell] >= 1 && puzzle[cell] <= 9) {
            digits_[cell] = static_cast<std::uint8_t>(puzzle[cell]);
            for (int house : kCellPlaces[cell].houses)
                --emptyCells_[house];
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (digits_[cell] != 0)
            continue;
        Mask seen = 0;
        for (int peer : kPeers[cell]) {
            if (digits_[peer] != 0)
                seen |= digitBit(digits_[peer]);
        }
        setCandidates(cell, kAllDigits & static_cast<Mask>(~seen));
    }
}

bool Grid::solved() const {
    return std::find(digits_.begin(), digits_.end(), 0) == digits_.end();
}

void Grid::setCandidates(int cell, Mask digits) {
    digits &= kAllDigits;
    const CellPlace& place = kCellPlaces[cell];
    for (Mask changed = candidates_[cell] ^ digits; changed != 0; changed &= changed - 1) {
        const int d = std::countr_zero(static_cast<unsigned>(changed));
        for (int t = 0; t < 3; ++t)
            positions_[place.houses[t]][d] ^= static_cast<Mask>(1U << place.positions[t]);
    }
    candidates_[cell] = digits;
}

void Grid::place(int cell, int digit) {
    setCandidates(cell, 0);
    if (digits_[cell] == 0) {
        for (int house : kCellPlaces[cell].houses)
            --emptyCells_[house];
    }
    digits_[cell] = static_cast<std::uint8_t>(digit);
    for (int peer : kPeers[cell]) {
        if (hasCandidate(peer, digit))
            setCandidates(peer, candidates_[peer] & static_cast<Mask>(~digitBit(digit)));
    }
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
    // Past a ceiling, the techniques that can only yield dearer steps are
    // not worth running: whatever they found would end the rating above it.
    // Those are the chains, by far the slowest, which a generator asking for
    // an easier band would otherwise search on every puzzle it turns down.
    const int tried = options.ceiling == INT_MAX
                          ? detail::kProducerCount
                          : detail::producersWorthAtMost((options.ceiling + 0.5) / 10.0);
    while (!grid.solved()) {
        if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) {
            rating.end = RatingEnd::Cancelled;
            break;
        }
        std::optional<Step> step;
        if (rating.steps < kMaxSteps)
            step = detail::nextStepOfFirst(grid, options.cancel, tried);
        if (!step && options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) {
            rating.end = RatingEnd::Cancelled;
            break;
        }
        if (!step && tried < detail::kProducerCount && detail::builtFrom(tried)) {
            // The next step would come from a technique above the ceiling.
            rating.end = RatingEnd::AboveCeiling;
            rating.hardest = Technique::Beyond;
            rating.er = std::max(rating.er, tenthsOf(detail::kProducers[tried].leastValue));
            break;
        }
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
