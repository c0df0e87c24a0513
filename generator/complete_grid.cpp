#include "counter/solution_count.hpp"
#include "generator/puzzle_generator.hpp"

#include <array>

namespace cellwright::generator {

namespace {

// Rows (or columns) in an order that keeps bands (stacks) together: the bands
// shuffled, and the rows within each. Such a reordering maps a grid onto a grid.
std::array<int, 9> bandPreservingOrder(RandomStream& random) {
    std::array<int, 3> bands{0, 1, 2};
    random.shuffle(bands.data(), 3);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
        std::array<int, 3> rows{0, 1, 2};
        random.shuffle(rows.data(), 3);
        for (int r = 0; r < 3; ++r)
            order[3 * b + r] = 3 * bands[b] + rows[r];
    }
    return order;
}

} // namespace

// The three boxes on the diagonal share no row, column or box, so any digits
// in them are consistent; the counter completes them. Its completion follows
// a fixed order, so the grid is then moved by a random choice of the moves
// that keep a grid a grid (rows and columns within bands and stacks, the
// bands and stacks, a transposition) and its digits relabelled, to spread the
// grids far beyond the completions of that one order.
Grid randomSolution(RandomStream& random) {
    counter::CountResult completed;
    while (completed.solutions == 0) {
        counter::Cells cells{};
        for (const int box : {0, 4, 8}) {
            std::array<std::int16_t, 9> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
            random.shuffle(digits.data(), 9);
            const int corner = 27 * (box / 3) + 3 * (box % 3);
            for (int i = 0; i < 9; ++i)
                cells[corner + 9 * (i / 3) + i % 3] = digits[i];
        }
        completed = counter::countSolutions(cells, 1);
    }
    const std::array<int, 9> rows = bandPreservingOrder(random);
    const std::array<int, 9> cols = bandPreservingOrder(random);
    const bool transposed = random.below(2) == 1;
    std::array<std::int8_t, 10> label{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    random.shuffle(label.data() + 1, 9);
    Grid grid{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int from = transposed ? 9 * cols[c] + rows[r] : 9 * rows[r] + cols[c];
            grid[9 * r + c] = label[completed.solution[from]];
        }
    }
    return grid;
}

} // namespace cellwright::generator
