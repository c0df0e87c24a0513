#pragma once

#include "generator/rating.hpp"

#include <optional>
#include <string_view>

namespace cellwright::cli {

// The difficulty levels of --level, by name (easy, medium, hard, fiendish,
// diabolical, extreme; any case), as bands of ER.
std::optional<generator::Band> levelBand(std::string_view name);

// The rater this program rates with; nothing when it was built without one.
std::optional<generator::Rater> programRater();

} // namespace cellwright::cli
