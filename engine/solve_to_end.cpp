#include "engine/solve_to_end.hpp"

namespace cellwright {

SolveResult solveToEnd(EngineState& state, SolverHost& host,
                       const std::function<bool()>& keepGoing) {
    constexpr std::int64_t kPassesBetweenQuestions = 4096;
    SolveResult result;
    for (;;) {
        if (result.add(solveBoardQuietly(state, host), state.guessDepth))
            return result;
        if (keepGoing && result.passes % kPassesBetweenQuestions == 0 && !keepGoing()) {
            result.stopped = true;
            return result;
        }
    }
}

} // namespace cellwright
