#include "cli/generate_rater.hpp"

#include "logic/rating.hpp"

#include <cctype>
#include <string>

namespace cellwright::cli {

namespace {

// The top of the scale the rater can reach; a band reaching it has no upper
// limit.
constexpr int kTopOfScale = 200;

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

} // namespace

// The rater sorts each ER into a band; a level is the ERs it sorts there. The
// values between its bands that no step has (2.4, 3.5, 6.3, 6.4) fall to the
// band above, which changes no puzzle's level.
std::optional<generator::Band> levelBand(std::string_view name) {
    const std::string wanted = lowerCase(name);
    std::optional<generator::Band> band;
    for (int er = 0; er <= kTopOfScale; ++er) {
        if (lowerCase(logic::bandName(logic::bandOf(er))) != wanted)
            continue;
        if (!band)
            band = generator::Band{er, er};
        band->max = er;
    }
    if (band && band->max == kTopOfScale)
        band->max.reset();
    return band;
}

generator::Rater programRater() {
    return [](const generator::Grid& puzzle,
              const generator::RateLimits& limits) -> std::optional<generator::Rating> {
        logic::Digits digits{};
        for (std::size_t cell = 0; cell < digits.size(); ++cell)
            digits[cell] = puzzle[cell];
        logic::RateOptions options;
        if (limits.ceiling)
            options.ceiling = *limits.ceiling;
        options.cancel = limits.cancel;
        const logic::Rating rating = logic::rate(digits, options);
        if (rating.end == logic::RatingEnd::Cancelled)
            return std::nullopt;
        generator::Rating shown{rating.er, rating.ep, rating.ed, rating.bound,
                                logic::techniqueName(rating.hardest)};
        shown.epBound = rating.epBound;
        shown.edBound = rating.edBound;
        return shown;
    };
}

} // namespace cellwright::cli
