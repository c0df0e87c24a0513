#include "engine/engine_state.hpp"

namespace cellwright {

void clearData(EngineState& state) {
    state.board.clear();
    state.guessDepth = 0;
    state.guessStack.fill(GuessEntry{});
}

void getCell(std::int16_t probNumber, const Board& arr, std::int16_t& row, std::int16_t& col,
             ProbList& probList) {
    for (int index = 0; index < kCellCount; ++index) {
        if (arr.digit(index) != 0)
            continue; // a filled cell never matches, whatever its marks say
        probList.fill(0);
        int count = 0;
        const Board::Mask marks = arr.marks(index);
        for (int d = 1; d <= kSize; ++d) {
            if (marks & digitBit(d))
                probList[count++] = static_cast<std::int16_t>(d);
        }
        if (count == probNumber) {
            row = static_cast<std::int16_t>(rowOf(index));
            col = static_cast<std::int16_t>(colOf(index));
            return;
        }
    }
}

} // namespace cellwright
