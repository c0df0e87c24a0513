#pragma once

#include "counter/solution_count.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>

namespace cellwright::test {

// Digits added at random until the counter finds one solution, then givens
// taken away in random order while it stays one: a random minimal puzzle,
// harder on average than the published ones.
inline counter::Cells randomMinimalPuzzle(std::mt19937& random) {
    counter::Cells puzzle{};
    std::uniform_int_distribution<int> anyCell(0, 80), anyDigit(1, 9);
    for (;;) {
        const int cell = anyCell(random);
        if (puzzle[cell] != 0)
            continue;
        puzzle[cell] = static_cast<std::int16_t>(anyDigit(random));
        const auto solutions = counter::countSolutions(puzzle, 2).solutions;
        if (solutions == 0)
            puzzle[cell] = 0;
        if (solutions == 1)
            break;
    }
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (int cell : order) {
        const auto given = puzzle[cell];
        puzzle[cell] = 0;
        if (given != 0 && counter::countSolutions(puzzle, 2).solutions != 1)
            puzzle[cell] = given;
    }
    return puzzle;
}

} // namespace cellwright::test
