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
        if (generator::ratingInBand(puzzle.givens, *band, rater, &cancel))
            return puzzle;
    }
    return std::nullopt;
}

} // namespace cellwright
