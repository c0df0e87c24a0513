#include "generator/rating.hpp"

#include <array>
#include <bit>

namespace cellwright::generator {

namespace {

constexpr unsigned kAll = 0x1FF;

// The 27 houses as cell lists: rows, columns, boxes.
constexpr std::array<std::array<std::int8_t, 9>, 27> kHouses = [] {
    std::array<std::array<std::int8_t, 9>, 27> houses{};
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            houses[i][j] = static_cast<std::int8_t>(9 * i + j);
            houses[9 + i][j] = static_cast<std::int8_t>(9 * j + i);
            houses[18 + i][j] =
                static_cast<std::int8_t>(27 * (i / 3) + 3 * (i % 3) + 9 * (j / 3) + j % 3);
        }
    }
    return houses;
}();

// The digits (bits 0..8) placed in each row, column and box.
struct Placed {
    std::array<unsigned, 9> rows{}, columns{}, boxes{};

    unsigned around(int cell) const {
        return rows[cell / 9] | columns[cell % 9] | boxes[cell / 27 * 3 + cell % 9 / 3];
    }
    void place(Grid& grid, int cell, unsigned bit) {
        grid[cell] = static_cast<std::int8_t>(std::countr_zero(bit) + 1);
        rows[cell / 9] |= bit;
        columns[cell % 9] |= bit;
        boxes[cell / 27 * 3 + cell % 9 / 3] |= bit;
    }
};

} // namespace

// Places naked singles, then hidden singles house by house, until a pass
// places nothing. A dead end (a cell with no digit left) is not solved.
bool solvedBySingles(const Grid& puzzle) {
    Grid grid = puzzle;
    Placed placed;
    int empty = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid[cell] != 0)
            placed.place(grid, cell, 1U << (grid[cell] - 1));
        else
            ++empty;
    }
    for (bool progress = true; progress && empty > 0;) {
        progress = false;
        for (int cell = 0; cell < 81; ++cell) {
            if (grid[cell] != 0)
                continue;
            const unsigned open = kAll & ~placed.around(cell);
            if (open == 0)
                return false;
            if ((open & (open - 1)) == 0)
                placed.place(grid, cell, open), --empty, progress = true;
        }
        for (const auto& house : kHouses) {
            unsigned once = 0, twice = 0;
            for (const std::int8_t cell : house) {
                if (grid[cell] == 0) {
                    const unsigned open = kAll & ~placed.around(cell);
                    twice |= once & open;
                    once |= open;
                }
            }
            for (unsigned alone = once & ~twice; alone != 0; alone &= alone - 1) {
                const unsigned bit = alone & -alone;
                for (const std::int8_t cell : house) {
                    if (grid[cell] == 0 && (~placed.around(cell) & bit) != 0) {
                        placed.place(grid, cell, bit), --empty, progress = true;
                        break;
                    }
                }
            }
        }
    }
    return empty == 0;
}

} // namespace cellwright::generator
