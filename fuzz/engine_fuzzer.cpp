// Arbitrary boards solved pass by pass with in-memory backups. After every
// pass: layer 0 within 0..9, guessDepth within 0..100, every guess-stack entry
// above guessDepth with slot 2 at 0; a "Board Solved" board is a complete valid
// grid holding every given. A second search with quiet passes must match the
// first pass for pass, and in its marks whenever the search ends.
#include "engine/backup_store.hpp"
#include "engine/solver.hpp"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace cellwright;

constexpr int kMaxPasses = 20000;

bool completeAndValid(const Board& board) {
    for (int unit = 0; unit < 27; ++unit) {
        unsigned seen = 0;
        for (int k = 0; k < 9; ++k) {
            const int row = unit < 9 ? unit : unit < 18 ? k : 3 * ((unit - 18) / 3) + k / 3;
            const int col = unit < 9 ? k : unit < 18 ? unit - 9 : 3 * ((unit - 18) % 3) + k % 3;
            seen |= 1U << board.digit(row, col);
        }
        if (seen != 0x3FEU)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EngineState state;
    // One byte a cell; most bytes leave the cell empty so that boards look
    // like puzzles rather than clashes.
    for (int i = 0; i < kCellCount && static_cast<std::size_t>(i) < size; ++i)
        (void)state.board.setDigit(i, data[i] < 160 ? 0 : data[i] % 10);
    const Board givens = state.board;
    EngineState quiet = state;
    MemoryBackups host;
    MemoryBackups quietHost;
    for (int passes = 0; passes < kMaxPasses; ++passes) {
        const PassReport pass = solveBoard(state, host);
        const PassReport quietPass = solveBoardQuietly(quiet, quietHost);
        const bool done = pass.ended();
        if (quietPass != pass || quiet.board.digits() != state.board.digits() ||
            quiet.guessStack != state.guessStack || quiet.guessDepth != state.guessDepth ||
            (done && !(quiet.board == state.board)))
            std::abort();
        for (int i = 0; i < kCellCount; ++i) {
            if (state.board.digit(i) < 0 || state.board.digit(i) > 9)
                std::abort();
        }
        if (state.guessDepth < 0 || state.guessDepth > 100)
            std::abort();
        for (int d = state.guessDepth + 1; d < kGuessStackSize; ++d) {
            if (state.guessStack[d].nextCandidate != 0)
                std::abort();
        }
        if (done) {
            if (pass.verdict == Verdict::Solved) {
                if (!completeAndValid(state.board))
                    std::abort();
                for (int i = 0; i < kCellCount; ++i) {
                    if (givens.digit(i) != 0 && state.board.digit(i) != givens.digit(i))
                        std::abort();
                }
            }
            break;
        }
    }
    return 0;
}
