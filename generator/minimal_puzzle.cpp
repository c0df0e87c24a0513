#include "counter/solution_count.hpp"
#include "generator/orbit_table.hpp"
#include "generator/puzzle_generator.hpp"

#include <array>

namespace cellwright::generator {

namespace {

// The givens as the counter takes them, with the digits each row, column and
// box holds (bits 0..8), so that a digit the givens force can be told without
// a search.
class Givens {
  public:
    explicit Givens(const Grid& solution) {
        for (int cell = 0; cell < 81; ++cell)
            cells_[cell] = solution[cell];
        held_.fill(0x1FF);
    }

    const counter::Cells& cells() const { return cells_; }
    void clear(int cell) { mark(cell, cells_[cell], false); }
    void set(int cell, int digit) { mark(cell, digit, true); }

    // Whether the givens leave digit no other place than the empty cell: its
    // peers hold every other digit, or in one of its houses every other
    // empty cell sees digit. Then no solution can put another digit there.
    bool force(int cell, int digit) const {
        const unsigned bit = 1U << (digit - 1);
        if ((seenFrom(cell) | bit) == 0x1FF)
            return true;
        const int row = cell / 9, column = cell % 9, corner = 27 * (row / 3) + 3 * (column / 3);
        bool rowAlone = true, columnAlone = true, boxAlone = true;
        for (int i = 0; i < 9; ++i) {
            rowAlone = rowAlone && blocks(9 * row + i, cell, bit);
            columnAlone = columnAlone && blocks(9 * i + column, cell, bit);
            boxAlone = boxAlone && blocks(corner + 9 * (i / 3) + i % 3, cell, bit);
        }
        return rowAlone || columnAlone || boxAlone;
    }

  private:
    static int boxOf(int cell) { return cell / 27 * 3 + cell % 9 / 3; }
    unsigned seenFrom(int cell) const {
        return held_[cell / 9] | held_[9 + cell % 9] | held_[18 + boxOf(cell)];
    }
    // Whether other, in a house of cell, cannot take the digit of bit.
    bool blocks(int other, int cell, unsigned bit) const {
        return other == cell || cells_[other] != 0 || (seenFrom(other) & bit) != 0;
    }
    void mark(int cell, int digit, bool given) {
        const unsigned bit = 1U << (digit - 1);
        for (const int house : {cell / 9, 9 + cell % 9, 18 + boxOf(cell)})
            held_[house] = given ? held_[house] | bit : held_[house] & ~bit;
        cells_[cell] = static_cast<std::int16_t>(given ? digit : 0);
    }

    counter::Cells cells_{};
    std::array<unsigned, 27> held_{}; // rows, columns, boxes
};

// Empties the orbit's cells if the puzzle, which has the solution, has no
// other without them, and keeps them otherwise. Another solution would
// differ from this one in some cell of the orbit, the first such cell in the
// orbit's order agreeing with it on those before. So each cell is asked in
// turn whether it can hold another digit with the cells before it held as
// they are: every question is as narrow as it can be, and the first yes
// settles it.
//
// While the grid is still well filled, the givens mostly force a cell's digit
// outright (a naked or hidden single); the counter is asked only when they do
// not.
void emptyIfStillUnique(Givens& givens, const Orbit& orbit, const Grid& solution) {
    for (int i = 0; i < orbit.size; ++i)
        givens.clear(orbit.cells[i]);
    bool unique = true;
    for (int i = 0; i < orbit.size && unique; ++i) {
        const int cell = orbit.cells[i];
        unique = givens.force(cell, solution[cell]) ||
                 !counter::hasSolutionWithout(givens.cells(), cell, solution[cell]);
        givens.set(cell, solution[cell]);
    }
    for (int i = 0; i < orbit.size; ++i) {
        if (unique)
            givens.clear(orbit.cells[i]);
        else if (givens.cells()[orbit.cells[i]] == 0)
            givens.set(orbit.cells[i], solution[orbit.cells[i]]);
    }
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

    Givens givens(solution);
    for (int i = 0; i < table.count; ++i)
        emptyIfStillUnique(givens, table.orbits[order[i]], solution);
    for (int i = 0; i < 81; ++i)
        puzzle.givens[i] = static_cast<std::int8_t>(givens.cells()[i]);
    return puzzle;
}

Puzzle makePuzzle(std::uint64_t seed, std::uint64_t index, Symmetry symmetry) {
    RandomStream random(seed, index);
    if (symmetry == Symmetry::Random)
        symmetry = static_cast<Symmetry>(random.below(5));
    return minimalPuzzle(randomSolution(random), symmetry, random);
}

} // namespace cellwright::generator
