// Arbitrary bytes as a puzzle for the logical solver: '1'..'9' (or 'A'..'I')
// are givens, bytes from 0xF0 up are cell values out of range, anything else
// an empty cell; byte 81, when present, sets the ceiling (any from 1.0 to
// 12.9, which lets every technique run). Rating must end and
// never crash, whatever the givens. Every step must remove only candidates the
// grid has, place only an empty cell's candidate, change the grid, and be
// worth what a technique is (the longest chains stay below 13.0); on a puzzle
// with one solution, no step may contradict it.
#include "counter/solution_count.hpp"
#include "logic/rating.hpp"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace cellwright::logic;

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 81)
        return 0;
    Digits puzzle{};
    bool outOfRange = false;
    for (int cell = 0; cell < 81; ++cell) {
        const std::uint8_t byte = data[cell];
        puzzle[cell] = byte >= '1' && byte <= '9'   ? static_cast<std::int16_t>(byte - '0')
                       : byte >= 'A' && byte <= 'I' ? static_cast<std::int16_t>(byte - 'A' + 1)
                       : byte >= 0xF0               ? static_cast<std::int16_t>(byte)
                                                    : 0;
        outOfRange = outOfRange || byte >= 0xF0;
    }
    const auto counted = cellwright::counter::countSolutions(puzzle, 2);
    const bool unique = !outOfRange && counted.solutions == 1;
    RateOptions options;
    if (size > 81)
        options.ceiling = 10 + data[81] % 120;
    else if (!unique)
        // The programs rate only puzzles with one solution. On an open grid
        // the dynamic chains take seconds under the sanitizers and would
        // leave the fuzzer a few dozen runs; a ceiling byte still asks for them.
        options.ceiling = 80;
    Grid grid(puzzle);
    const Rating rating = explain(
        puzzle,
        [&](const Step& step) {
            check(step.tenths() >= 10 && step.tenths() < 130);
            for (int cell = 0; cell < 81; ++cell) {
                check((step.eliminations[cell] & ~grid.candidates(cell)) == 0);
                check(!unique || (step.eliminations[cell] & digitBit(counted.solution[cell])) == 0);
            }
            if (step.places()) {
                check(grid.digit(step.placedCell) == 0);
                check(grid.hasCandidate(step.placedCell, step.placedDigit));
                check(!unique || step.placedDigit == counted.solution[step.placedCell]);
            }
            const Grid before = grid;
            apply(grid, step);
            check(!(grid == before));
            (void)describe(step);
        },
        options);
    check(rating.er >= rating.ep && rating.er >= rating.ed);
    check(rating.bound == (rating.end != RatingEnd::Solved));
    check(rating.bound || grid.solved());
    check(rating.end != RatingEnd::AboveCeiling || rating.er > options.ceiling);
    return 0;
}
