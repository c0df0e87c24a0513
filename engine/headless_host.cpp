#include "engine/headless_host.hpp"

#include "engine/messages.hpp"

namespace cellwright {

bool MemoryBackups::saveBackup(std::int16_t level, const Board& arr) {
    if (level < 0 || level > kMaxGuessDepth) {
        showMessage(kErrorSavingBoard, true);
        return false;
    }
    saved_[level].copyDigitsFrom(arr);
    present_.set(level);
    return true;
}

bool MemoryBackups::loadBackup(std::int16_t level, Board& arr) {
    countBackout();
    if (level < 0 || level > kMaxGuessDepth || !present_.test(level)) {
        showMessage(kErrorLoadingBoard, true);
        return false;
    }
    arr.copyDigitsFrom(saved_[level]);
    return true;
}

SolveResult solveToEnd(EngineState& state, SolverHost& host) {
    SolveResult result;
    const bool quiet = host.keepsBoardWhenLoadFails();
    bool done = false;
    while (!done) {
        done = quiet ? solveBoardQuietly(state, host) : solveBoard(state, host);
        ++result.passes;
        if (state.guessDepth > result.maxDepth)
            result.maxDepth = state.guessDepth;
    }
    return result;
}

} // namespace cellwright
