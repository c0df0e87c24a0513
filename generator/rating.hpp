#pragma once

#include "generator/puzzle_generator.hpp"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace cellwright::generator {

// What the generator needs of a rater, and nothing more: a puzzle in, its
// rating on the Sudoku Explainer scale out. The program plugs in the rater of
// logic/; tests plug in a fake.

// Ratings in tenths: 45 is ER 4.5.
struct Rating {
    int er = 0;
    int ep = 0;
    int ed = 0;
    // The techniques ran out before the end: er is only a lower bound.
    bool bound = false;
    std::string technique; // the hardest one used
    // ep and ed are lower bounds too: the techniques ran out before the
    // first digit was placed, or before any step at all.
    bool epBound = false;
    bool edBound = false;
};

// The ratings a run asks for, both ends included; no max: no upper limit.
struct Band {
    int min = 0;
    std::optional<int> max;
};

// A rating is in the band when it lies between its ends. A bound rating might
// lie anywhere above its value, so it counts only for a band with no upper
// limit whose min it already reaches.
inline bool inBand(const Rating& rating, const Band& band) {
    if (rating.er < band.min)
        return false;
    if (rating.bound)
        return !band.max;
    return !band.max || rating.er <= *band.max;
}

// Whether naked and hidden singles alone fill the puzzle. Then a single is
// open at every step of a rating, whatever came before (more digits and fewer
// candidates never take one away), so its ER is 2.3 at most: a band above that
// can turn the puzzle down without rating it.
bool solvedBySingles(const Grid& puzzle);
inline constexpr int kSinglesAtMost = 23;

struct RateLimits {
    // The rater may stop once ER is above this, with any rating above it.
    std::optional<int> ceiling;
    // Set from another thread when the rating is no longer wanted; the rater
    // then returns nothing as soon as it can.
    const std::atomic<bool>* cancel = nullptr;
};

using Rater = std::function<std::optional<Rating>(const Grid& puzzle, const RateLimits& limits)>;

// A made puzzle's rating when it lies in the band. Nothing when it does not
// (singles alone solve it for a band above them, unrated; or its rating falls
// outside) or when cancel stopped the rating.
std::optional<Rating> ratingInBand(const Grid& puzzle, const Band& band, const Rater& rater,
                                   const std::atomic<bool>* cancel);

} // namespace cellwright::generator
