#include "engine/headless_host.hpp"

#include "engine/messages.hpp"

namespace cellwright {

bool MemoryBackups::saveBackup(std::int16_t level, const Board& arr) {
    if (store_.save(level, arr))
        return true;
    showMessage(kErrorSavingBoard, true);
    return false;
}

bool MemoryBackups::loadBackup(std::int16_t level, Board& arr) {
    countBackout();
    if (store_.load(level, arr))
        return true;
    showMessage(kErrorLoadingBoard, true);
    return false;
}

SolveResult solveToEnd(EngineState& state, SolverHost& host,
                       const std::function<bool()>& keepGoing) {
    constexpr std::int64_t kPassesBetweenQuestions = 4096;
    SolveResult result;
    const bool quiet = host.keepsBoardWhenLoadFails();
    bool done = false;
    while (!done) {
        done = quiet ? solveBoardQuietly(state, host) : solveBoard(state, host);
        ++result.passes;
        if (state.guessDepth > result.maxDepth)
            result.maxDepth = state.guessDepth;
        if (!done && keepGoing && result.passes % kPassesBetweenQuestions == 0 && !keepGoing()) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

} // namespace cellwright
