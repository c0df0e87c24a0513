#pragma once

#include "engine/solver.hpp"

#include <cstdint>
#include <functional>

namespace cellwright {

struct SolveResult {
    Verdict verdict = Verdict::Solved; // how the search ended, unless stopped
    std::int64_t passes = 0;
    std::int64_t guesses = 0;
    std::int64_t backouts = 0; // back-outs that reloaded, or tried to reload, a backup
    std::int16_t maxDepth = 0;
    bool stopped = false; // keepGoing said no before solving came to an end

    // Counts one pass and the guess depth it left; true when it ended the
    // search, whose verdict it then takes.
    bool add(const PassReport& pass, std::int16_t depth) {
        ++passes;
        guesses += pass.guessed() ? 1 : 0;
        backouts += pass.backedOut ? 1 : 0;
        if (depth > maxDepth)
            maxDepth = depth;
        if (pass.ended())
            verdict = pass.verdict;
        return pass.ended();
    }
};

// What the "Solve" button does after copying the grid: passes until one says
// solving has ended. Quiet passes; the outcome is the same. A long search asks
// keepGoing, if given, every few thousand passes (between two passes) whether
// to go on.
SolveResult solveToEnd(EngineState& state, SolverHost& host,
                       const std::function<bool()>& keepGoing = {});

} // namespace cellwright
