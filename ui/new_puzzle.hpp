#pragma once

#include "generator/puzzle_generator.hpp"
#include "logic/rating.hpp"

#include <atomic>
#include <cstdint>
#include <optional>

namespace cellwright {

// A new puzzle for the window, as cellwright-generate makes one for
// --level: one solution, minimal, symmetric under a half turn as most
// published puzzles are, and rated inside the level's band. Tries puzzles
// from seed until one fits; nothing once cancel is raised. The rarer bands
// may take many tries.
std::optional<generator::Puzzle> makeLevelPuzzle(logic::Band level, std::uint64_t seed,
                                                 const std::atomic<bool>& cancel);

} // namespace cellwright
