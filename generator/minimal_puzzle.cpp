#include "counter/solution_count.hpp"
#include "generator/orbit_table.hpp"
#include "generator/puzzle_generator.hpp"

namespace cellwright::generator {

namespace {

// Whether the puzzle, which has the solution, has no other once the orbit's
// cells are emptied. Another solution would differ from this one in some cell
// of the orbit, the first such cell in the orbit's order agreeing with it on
// those before. So each cell is asked in turn whether it can hold another
// digit with the cells before it held as they are: every question is as
// narrow as it can be, and the first yes settles it.
bool uniqueWithout(counter::Cells& cells, const Orbit& orbit, const Grid& solution) {
    for (int i = 0; i < orbit.size; ++i)
        cells[orbit.cells[i]] = 0;
    bool unique = true;
    for (int i = 0; i < orbit.size && unique; ++i) {
        const int cell = orbit.cells[i];
        unique = !counter::hasSolutionWithout(cells, cell, solution[cell]);
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
