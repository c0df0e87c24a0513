#pragma once

namespace cellwright::cli {

// The exit statuses of cellwright-solve.
inline constexpr int kAllDone = 0;   // every puzzle solved
inline constexpr int kNotSolved = 1; // some puzzle unsolvable or at the guess limit
inline constexpr int kTrouble = 2;   // bad usage, unreadable input, an I/O error

// cellwright-generate: fewer puzzles made than asked within --max-tries.
inline constexpr int kFewerMade = 1;

} // namespace cellwright::cli
