// Arbitrary bytes as a grid for the solution counter; byte 81, when present,
// sets the limit (1..8). It must never crash; a count of at least one comes
// with a valid solution that keeps the givens, a count of zero with none; a
// cell outside 0..9 gives zero. On grids with 45 givens or more, the count
// must equal that of a plain backtracking counter.
#include "counter/solution_count.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace cellwright::counter;

struct Units {
    std::array<unsigned, 9> rows{}, columns{}, boxes{};
    unsigned& row(int cell) { return rows[cell / 9]; }
    unsigned& column(int cell) { return columns[cell % 9]; }
    unsigned& box(int cell) { return boxes[cell / 27 * 3 + cell % 9 / 3]; }
    unsigned used(int cell) { return row(cell) | column(cell) | box(cell); }
    void flip(int cell, int digit) {
        row(cell) ^= 1U << digit, column(cell) ^= 1U << digit, box(cell) ^= 1U << digit;
    }
};

// Cells in order, each digit the row, column and box allow.
std::uint32_t plainCount(Cells& cells, Units& units, int from, std::uint32_t limit) {
    while (from < 81 && cells[from] != 0)
        ++from;
    if (from == 81)
        return 1;
    std::uint32_t found = 0;
    for (int digit = 1; digit <= 9 && found < limit; ++digit) {
        if (units.used(from) & (1U << digit))
            continue;
        cells[from] = static_cast<std::int16_t>(digit);
        units.flip(from, digit);
        found += plainCount(cells, units, from + 1, limit - found);
        units.flip(from, digit);
    }
    cells[from] = 0;
    return found;
}

std::uint32_t plainCount(Cells cells, std::uint32_t limit) {
    Units units;
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell] == 0)
            continue;
        if (units.used(cell) & (1U << cells[cell]))
            return 0;
        units.flip(cell, cells[cell]);
    }
    return plainCount(cells, units, 0, limit);
}

bool solves(const std::array<std::int8_t, 81>& grid, const Cells& givens) {
    Units units;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid[cell] < 1 || grid[cell] > 9 || (givens[cell] != 0 && givens[cell] != grid[cell]) ||
            (units.used(cell) & (1U << grid[cell])))
            return false;
        units.flip(cell, grid[cell]);
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 81)
        return 0;
    // Half the byte values leave a cell empty; the top two are out of range.
    Cells cells{};
    int givens = 0;
    bool outOfRange = false;
    for (int cell = 0; cell < 81; ++cell) {
        const std::uint8_t byte = data[cell];
        cells[cell] = byte < 0x80    ? 0
                      : byte == 0xFE ? 10
                      : byte == 0xFF ? -1
                                     : static_cast<std::int16_t>(1 + byte % 9);
        givens += cells[cell] != 0;
        outOfRange = outOfRange || byte >= 0xFE;
    }
    const std::uint32_t limit = size > 81 ? 1 + data[81] % 8 : 4;
    const CountResult result = countSolutions(cells, limit);
    if (result.solutions > limit || (outOfRange && result.solutions != 0))
        std::abort();
    if (result.solutions == 0 ? result.solution != decltype(result.solution){}
                              : !solves(result.solution, cells))
        std::abort();
    if (!outOfRange && givens >= 45 && result.solutions != plainCount(cells, limit))
        std::abort();
    return 0;
}
