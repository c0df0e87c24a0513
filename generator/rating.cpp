#include "generator/rating.hpp"

namespace cellwright::generator {

std::optional<Rating> ratingInBand(const Grid& puzzle, const Band& band, const Rater& rater,
                                   const std::atomic<bool>* cancel) {
    if (band.min > kSinglesAtMost && solvedBySingles(puzzle))
        return std::nullopt; // too easy for the band, rated or not
    std::optional<Rating> rating = rater(puzzle, RateLimits{band.max, cancel});
    if (rating && !inBand(*rating, band))
        rating.reset();
    return rating;
}

} // namespace cellwright::generator
