#include "counter/solution_count.hpp"
#include "generator/orbit_table.hpp"
#include "generator/puzzle_generator.hpp"

#include <array>

namespace cellwright::generator {

namespace {

// The 20 peers of each cell: its row, column and box but itself.
constexpr std::array<std::array<std::int8_t, 20>, 81> kPeers = [] {
    std::array<std::array<std::int8_t, 20>, 81> peers{};
    for (int cell = 0; cell < 81; ++cell) {
        int n = 0;
        for (int other = 0; other < 81; ++other) {
            const bool sameRow = other / 9 == cell / 9, sameColumn = other % 9 == cell % 9;
            const bool sameBox = other / 27 == cell / 27 && other % 9 / 3 == cell % 9 / 3;
            if (other != cell && (sameRow || sameColumn || sameBox))
                peers[cell][n++] = static_cast<std::int8_t>(other);
        }
    }
    return peers;
}();

// Whether the givens among the cell's peers hold every digit but its own: then
// no solution can put another digit there.
bool forcedByPeers(const counter::Cells& cells, int cell) {
    unsigned seen = 0;
    for (const std::int8_t peer : kPeers[cell])
        seen |= 1U << cells[peer];
    return (seen | 1U << cells[cell] | 1U) == 0x3FFU;
}

// Whether the puzzle, which has the solution, has no other once the orbit's
// cells are emptied. Another solution would differ from this one in some cell
// of the orbit, the first such cell in the orbit's order agreeing with it on
// those before. So each cell is asked in turn whether it can hold another
// digit with the cells before it held as they are: every question is as
// narrow as it can be, and the first yes settles it.
//
// Early on, while the grid is nearly full, a cell's peers mostly name its digit
// outright; the counter is asked only when they do not.
bool uniqueWithout(counter::Cells& cells, const Orbit& orbit, const Grid& solution) {
    for (int i = 0; i < orbit.size; ++i)
        cells[orbit.cells[i]] = 0;
    bool unique = true;
    for (int i = 0; i < orbit.size && unique; ++i) {
        const int cell = orbit.cells[i];
        cells[cell] = solution[cell];
        const bool forced = forcedByPeers(cells, cell);
        cells[cell] = 0;
        unique = forced || !counter::hasSolutionWithout(cells, cell, solution[cell]);
        cells[cell] = solution[cell];
    }
    for (int i = 0; i < orbit.size; ++i)
        cells[orbit.cells[i]] = unique ? 0 : solution[orbit.cells[i]];
    return unique;
}

} // namespace

Puzzle minimalPuzzle(const Grid& solution, Symmetry symmetry, RandomStream& random) {
    Puzzle puzzle;
    puzzle.solution = solution;
    puzzle.symmetry = symmetry == Symmetry::Random ? Symmetry::None : symmetry;
    const OrbitTable& table = orbitTable(puzzle.symmetry);
    std::array<std::int8_t, 81> order{};
    for (int i = 0; i < table.count; ++i)
        order[i] = static_cast<std::int8_t>(i);
    random.shuffle(order.data(), static_cast<std::uint32_t>(table.count));

    counter::Cells cells{};
    for (int i = 0; i < 81; ++i)
        cells[i] = solution[i];
    for (int i = 0; i < table.count; ++i)
        uniqueWithout(cells, table.orbits[order[i]], solution);
    for (int i = 0; i < 81; ++i)
        puzzle.givens[i] = static_cast<std::int8_t>(cells[i]);
    return puzzle;
}

Puzzle makePuzzle(std::uint64_t seed, std::uint64_t index, Symmetry symmetry) {
    RandomStream random(seed, index);
    if (symmetry == Symmetry::Random)
        symmetry = static_cast<Symmetry>(random.below(5));
    return minimalPuzzle(randomSolution(random), symmetry, random);
}

} // namespace cellwright::generator
