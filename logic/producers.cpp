#include "logic/producers.hpp"

#include "logic/chains.hpp"

namespace cellwright::logic {

namespace detail {

// The order is the rating scale's: it decides which step is taken when
// several apply, and so the path and the rating. It is not the order of
// value: a direct hidden pair (2.0) is looked for before a naked single (2.3),
// a unique loop (up to 5.x) before a naked quad (5.0).
const std::array<Producer, kProducerCount> kProducers = {{
    {findSingles, 1.0},
    {findDirectIntersection, 1.7},
    {findDirectHiddenPair, 2.0},
    {findNakedSingle, 2.3},
    {findDirectHiddenTriple, 2.5},
    {findIntersection, 2.6},
    {findNakedPair, 3.0},
    {findXWing, 3.2},
    {findHiddenPair, 3.4},
    {findNakedTriple, 3.6},
    {findSwordfish, 3.8},
    {findHiddenTriple, 4.0},
    {findXYWing, 4.2},
    {findXYZWing, 4.4},
    {findUniqueLoop, 4.5},
    {findNakedQuad, 5.0},
    {findJellyfish, 5.2},
    {findHiddenQuad, 5.4},
    {findBug, 5.6},
    {findAlignedPairExclusion, 6.2},
    // The chaining techniques, cheapest kind first: cycles and forcing
    // chains, aligned triple exclusion, Nishio, cell and region forcing
    // chains, dynamic forcing chains, then nested ones at four depths.
    {findForcingChainsAndCycles, 6.5},
    {findAlignedTripleExclusion, 7.5},
    {findNishioForcingChains, 7.5},
    {findMultipleForcingChains, 8.0},
    {findDynamicForcingChains, 8.5},
    {findDynamicForcingChainsPlus, 9.0},
    {nullptr, 9.5},
    {nullptr, 10.0},
    {nullptr, 10.5},
    {nullptr, 11.0},
}};

double leastValueOfMissing() {
    for (const Producer& producer : kProducers) {
        if (producer.find == nullptr)
            return producer.leastValue; // the table runs from cheap to dear
    }
    // Every technique is built and none applies: the hardest one tried.
    return kProducers.back().leastValue;
}

} // namespace detail

std::optional<Step> nextStep(const Grid& grid) {
    return nextStep(grid, nullptr);
}

std::optional<Step> nextStep(const Grid& grid, const std::atomic<bool>* cancel) {
    return detail::nextStepOfFirst(grid, cancel, detail::kProducerCount);
}

namespace detail {

std::optional<Step> nextStepOfFirst(const Grid& grid, const std::atomic<bool>* cancel,
                                    int producers) {
    if (grid.solved())
        return std::nullopt;
    const Context context(grid);
    Step step;
    for (int p = 0; p < producers; ++p) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        const Producer& producer = kProducers[p];
        if (producer.find != nullptr && producer.find(context, step))
            return step;
    }
    return std::nullopt;
}

int producersWorthAtMost(double value) {
    int count = 0;
    while (count < kProducerCount && kProducers[count].leastValue <= value)
        ++count;
    return count;
}

bool builtFrom(int producer) {
    for (int p = producer; p < kProducerCount; ++p) {
        if (kProducers[p].find != nullptr)
            return true;
    }
    return false;
}

} // namespace detail

void apply(Grid& grid, const Step& step) {
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[cell] != 0)
            grid.eliminate(cell, step.eliminations[cell]);
    }
    if (step.places())
        grid.place(step.placedCell, step.placedDigit);
}

} // namespace cellwright::logic
