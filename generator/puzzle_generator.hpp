#pragma once

#include "generator/random_stream.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace cellwright::generator {

// Puzzle generator: random complete grids, and from them puzzles with exactly
// one solution that are minimal for a symmetry of their givens. Standard
// library only; uniqueness is decided by the counting engine in counter/.
//
// Contract:
// - Grids are row-major, 81 cells; 0 is an empty cell, 1..9 a digit.
// - randomSolution gives a complete, valid grid drawn from the stream.
// - minimalPuzzle keeps some cells of a complete grid so that:
//   * the puzzle has that grid as its only solution;
//   * the givens are a union of orbits of the symmetry (the pattern looks the
//     same after the symmetry's move), so a given's partners are givens too;
//   * it is minimal for the symmetry: no orbit of givens can be emptied with
//     the solution staying unique. (Every orbit is tried once, in an order
//     drawn from the stream: a removal refused then stays refused later,
//     since fewer givens never make a puzzle unique again.)
// - makePuzzle(seed, index, symmetry) depends on nothing but its arguments:
//   the puzzle's stream comes from the seed and the index, never from the
//   time or the thread, so a run of many puzzles on any number of threads
//   gives the same puzzle for each index. Symmetry::Random draws one of the
//   other five from the stream; the puzzle names the one it has.
// - The same seed gives the same puzzles for this version of the program;
//   a later version may draw them differently.
// - No shared state: calls may run on many threads at once.

using Grid = std::array<std::int8_t, 81>;

enum class Symmetry { None, Rotate180, Rotate90, Mirror, Diagonal, Random };

// The names on the command line and in output ("none", "rotate180",
// "rotate90", "mirror", "diagonal", "random").
std::string_view symmetryName(Symmetry symmetry);
std::optional<Symmetry> symmetryNamed(std::string_view name);

// The cells that a symmetry maps onto each other, each orbit once, the cells
// of an orbit ascending. Mirror reflects left and right (column c and 8 - c),
// Diagonal across the main diagonal (row and column swap), Rotate90 turns a
// quarter clockwise. Random has no orbits of its own: it is given as None.
std::vector<std::vector<int>> orbitsOf(Symmetry symmetry);

struct Puzzle {
    Grid givens{};
    Grid solution{};
    Symmetry symmetry = Symmetry::None; // never Random
};

Grid randomSolution(RandomStream& random);
Puzzle minimalPuzzle(const Grid& solution, Symmetry symmetry, RandomStream& random);
Puzzle makePuzzle(std::uint64_t seed, std::uint64_t index, Symmetry symmetry);

} // namespace cellwright::generator
