// Engine calls run in fixed storage: counts every operator new while they run.
#include "engine/candidates.hpp"
#include "engine/solver.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace cellwright {
namespace {

// Keeps backups and messages in fixed storage too.
class FixedHost final : public SolverHost {
  public:
    bool saveBackup(std::int16_t level, const Board& arr) override {
        saved[static_cast<std::size_t>(level)].copyDigitsFrom(arr);
        return true;
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        arr.copyDigitsFrom(saved[static_cast<std::size_t>(level)]);
        return true;
    }
    void deleteBackups() override {}
    void showMessage(std::string_view msgval, bool) override { last = msgval; }
    std::array<Board, kGuessStackSize> saved{};
    std::string_view last;
};

TEST(NoAllocation, EngineCallsAllocateNothing) {
    auto host = std::make_unique<FixedHost>();
    auto state = std::make_unique<EngineState>();
    state->board = test::boardOf(test::kHardPuzzle);
    Board board = test::boardOf(test::kPuzzle);
    ProbList list{};
    std::int16_t row = 0, col = 0, last = 0;

    const long before = allocations.load();
    doProbCheck(board);
    getMinProbability(board);
    findProbables(board, 0, 2, last);
    getCell(2, board, row, col, list);
    solveSimpleCells(board);
    clearProbables(board);
    int passes = 0;
    while (!solveBoard(*state, *host))
        ++passes;
    clearData(*state);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(passes, 10);
    EXPECT_EQ(host->last, "Board Solved");
}

} // namespace
} // namespace cellwright
