#include "engine/engine_state.hpp"

#include "engine/candidates.hpp"

namespace cellwright {

void clearData(EngineState& state) {
    state.board.clear();
    state.guessDepth = 0;
    state.guessStack.fill(GuessEntry{});
}

void getCell(std::int16_t probNumber, const Board& arr, std::int16_t& row, std::int16_t& col,
             ProbList& probList) {
    // Cells are counted by their marks; the list is built once, for the cell
    // found or, without a match, for the last empty cell examined.
    int listed = -1;
    for (int index = 0; index < kCellCount; ++index) {
        if (arr.digit(index) != 0)
            continue; // a filled cell never matches, whatever its marks say
        listed = index;
        if (countMarks(arr.marks(index)) == probNumber) {
            row = static_cast<std::int16_t>(rowOf(index));
            col = static_cast<std::int16_t>(colOf(index));
            break;
        }
    }
    if (listed < 0)
        return;
    probList.fill(0);
    int count = 0;
    for (int d = 1; d <= kSize; ++d) {
        if (arr.marks(listed) & digitBit(d))
            probList[count++] = static_cast<std::int16_t>(d);
    }
}

} // namespace cellwright
