#pragma once

#include "counter/solution_count.hpp"
#include "generator/puzzle_generator.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace cellwright::test {

// What every made puzzle must be: its solution a grid and its only one, the
// givens taken from it, a union of the symmetry's orbits, and no orbit of
// givens that could go with the solution staying unique.
inline void expectSoundPuzzle(const generator::Puzzle& puzzle) {
    counter::Cells givens{};
    std::copy(puzzle.givens.begin(), puzzle.givens.end(), givens.begin());
    const auto count = counter::countSolutions(givens, 2);
    ASSERT_EQ(count.solutions, 1U);
    EXPECT_TRUE(std::equal(puzzle.solution.begin(), puzzle.solution.end(), count.solution.begin()));
    for (const std::vector<int>& orbit : generator::orbitsOf(puzzle.symmetry)) {
        const auto given = [&](int cell) { return puzzle.givens[cell] != 0; };
        ASSERT_TRUE(std::all_of(orbit.begin(), orbit.end(), given) ||
                    std::none_of(orbit.begin(), orbit.end(), given))
            << "orbit of cell " << orbit[0] << " in " << generator::symmetryName(puzzle.symmetry);
        if (!given(orbit[0]))
            continue;
        counter::Cells fewer = givens;
        for (const int cell : orbit)
            fewer[cell] = 0;
        EXPECT_EQ(counter::countSolutions(fewer, 2).solutions, 2U)
            << "the orbit of cell " << orbit[0] << " could go";
    }
}

// A puzzle from its lines as the programs print them ('.' for empty).
inline generator::Puzzle puzzleOf(const std::string& givens, const std::string& solution,
                                  generator::Symmetry symmetry) {
    generator::Puzzle puzzle;
    for (std::size_t i = 0; i < 81 && i < givens.size() && i < solution.size(); ++i) {
        puzzle.givens[i] = static_cast<std::int8_t>(givens[i] == '.' ? 0 : givens[i] - '0');
        puzzle.solution[i] = static_cast<std::int8_t>(solution[i] - '0');
    }
    puzzle.symmetry = symmetry;
    return puzzle;
}

} // namespace cellwright::test
