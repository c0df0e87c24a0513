#pragma once

#include "bench_puzzles.hpp"

#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace cellwright::bench {

// A larger hard set, for timing whole runs: each puzzle of the benchmark
// collection in `copies` forms that are the same puzzle to any solver (digits
// relabelled, rows permuted within bands and bands among themselves, the same
// for columns, transposed or not). A fixed seed and draws taken straight from
// mt19937, whose output the standard fixes, make it the same set everywhere.
inline std::vector<Digits> hardSet(std::size_t copies = 20) {
    const std::vector<Digits> originals = benchPuzzles();
    std::mt19937 draw(20261207);
    const auto shuffled = [&draw](auto values) {
        for (std::size_t i = values.size() - 1; i > 0; --i)
            std::swap(values[i], values[draw() % (i + 1)]);
        return values;
    };
    // Lines (rows or columns) in a new order: bands and lines within each band.
    const auto lineOrder = [&] {
        const std::array<int, 3> bands = shuffled(std::array<int, 3>{0, 1, 2});
        std::array<int, 9> order{};
        for (std::size_t band = 0; band < 3; ++band) {
            const std::array<int, 3> within = shuffled(std::array<int, 3>{0, 1, 2});
            for (std::size_t line = 0; line < 3; ++line)
                order[3 * band + line] = 3 * bands[band] + within[line];
        }
        return order;
    };
    std::vector<Digits> set;
    set.reserve(originals.size() * copies);
    for (std::size_t copy = 0; copy < copies; ++copy) {
        for (const Digits& original : originals) {
            std::array<std::int16_t, 10> digit{};
            std::iota(digit.begin(), digit.end(), std::int16_t{0});
            std::array<std::int16_t, 9> relabel{};
            std::iota(relabel.begin(), relabel.end(), std::int16_t{1});
            relabel = shuffled(relabel);
            std::copy(relabel.begin(), relabel.end(), digit.begin() + 1);
            const std::array<int, 9> rows = lineOrder(), cols = lineOrder();
            const bool transposed = draw() % 2 == 1;
            Digits puzzle{};
            for (int row = 0; row < 9; ++row) {
                for (int col = 0; col < 9; ++col) {
                    const int from =
                        transposed ? 9 * cols[col] + rows[row] : 9 * rows[row] + cols[col];
                    puzzle[9 * row + col] = digit[static_cast<std::size_t>(original[from])];
                }
            }
            set.push_back(puzzle);
        }
    }
    return set;
}

} // namespace cellwright::bench
