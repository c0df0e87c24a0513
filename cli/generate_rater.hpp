#pragma once

#include "generator/rating.hpp"

#include <optional>
#include <string_view>

namespace cellwright::cli {

// The difficulty levels of --level, by the names of the rater's bands (easy,
// medium, hard, fiendish, diabolical, extreme; any case), as bands of ER.
std::optional<generator::Band> levelBand(std::string_view name);

// The rater of logic/ behind the generator's seam.
generator::Rater programRater();

} // namespace cellwright::cli
