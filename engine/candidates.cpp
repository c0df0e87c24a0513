#include "engine/candidates.hpp"

#include "engine/mark_cells.hpp"

#include <array>

namespace cellwright {

std::int16_t findProbables(Board& arr, std::int16_t row, std::int16_t col,
                           std::int16_t& lastValue) {
    std::array<std::int16_t, kSize + 1> entry{};
    for (int d = 1; d <= kSize; ++d)
        entry[d] = static_cast<std::int16_t>(d);
    for (int i = 0; i < kSize; ++i) {
        if (const int v = arr.digit(row, i); v > 0)
            entry[v] = 0;
        if (const int v = arr.digit(i, col); v > 0)
            entry[v] = 0;
    }
    for (int r = boxStart(row); r < boxStart(row) + 3; ++r) {
        for (int c = boxStart(col); c < boxStart(col) + 3; ++c) {
            if (const int v = arr.digit(r, c); v > 0)
                entry[v] = 0;
        }
    }
    std::int16_t count = 0;
    std::int16_t last = 0;
    Board::Mask marks = 0;
    for (int d = 1; d <= kSize; ++d) {
        if (entry[d] > 0) {
            ++count;
            last = entry[d];
            marks = static_cast<Board::Mask>(marks | digitBit(d));
        }
    }
    arr.setMarks(gridIndex(row, col), marks); // all nine layers, none survives
    lastValue = last;
    return count;
}

void doProbCheck(Board& arr) {
    detail::chosenMarkAllCells()(arr);
}

std::int16_t getMinProbability(Board& arr) {
    return detail::chosenMarkAllCells()(arr).code;
}

void clearProbables(Board& arr) {
    for (int i = 0; i < kCellCount; ++i)
        arr.setMarks(i, 0);
}

} // namespace cellwright
