#include "engine/solve_to_end.hpp"

namespace cellwright {

SolveResult solveToEnd(EngineState& state, SolverHost& host,
                       const std::function<bool()>& keepGoing) {
    constexpr std::int64_t kPassesBetweenQuestions = 4096;
    SolveResult result;
    for (;;) {
        const PassReport pass = solveBoardQuietly(state, host);
        ++result.passes;
        result.guesses += pass.guessed() ? 1 : 0;
        result.backouts += pass.backedOut ? 1 : 0;
        if (state.guessDepth > result.maxDepth)
            result.maxDepth = state.guessDepth;
        if (pass.ended()) {
            result.verdict = pass.verdict;
            return result;
        }
        if (keepGoing && result.passes % kPassesBetweenQuestions == 0 && !keepGoing()) {
            result.stopped = true;
            return result;
        }
    }
}

} // namespace cellwright
