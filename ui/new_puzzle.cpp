#include "ui/new_puzzle.hpp"

#include "cli/generate_rater.hpp"
#include "generator/rating.hpp"

namespace cellwright {

std::optional<generator::Puzzle> makeLevelPuzzle(logic::Band level, std::uint64_t seed,
                                                 const std::atomic<bool>& cancel) {
    const std::optional<generator::Band> band = cli::levelBand(logic::bandName(level));
    const generator::Rater rater = cli::programRater();
    for (std::uint64_t index = 0; band && !cancel; ++index) {
        generator::Puzzle puzzle =
            generator::makePuzzle(seed, index, generator::Symmetry::Rotate180);
        if (band->min > generator::kSinglesAtMost && generator::solvedBySingles(puzzle.givens))
            continue; // too easy for the band, rated or not
        const std::optional<generator::Rating> rating =
            rater(puzzle.givens, generator::RateLimits{band->max, &cancel});
        if (rating && generator::inBand(*rating, *band))
            return puzzle;
    }
    return std::nullopt;
}

} // namespace cellwright
