// A whole search, and the clearing after it, run in fixed storage: every
// operator new is counted.
#include "engine/backup_store.hpp"
#include "support/allocation_count.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

namespace cellwright {
namespace {

TEST(NoAllocation, AWholeSearchAllocatesNothing) {
    auto host = std::make_unique<MemoryBackups>();
    auto state = std::make_unique<EngineState>();
    state->board = test::boardOf(test::kHardPuzzle);
    const long before = cellwright::test::allocationCount();
    int passes = 0;
    PassReport pass;
    while (!(pass = solveBoard(*state, *host)).ended())
        ++passes;
    clearData(*state);
    EXPECT_EQ(cellwright::test::allocationCount() - before, 0);
    EXPECT_EQ(*state, EngineState{}) << "cleared after the search";
    EXPECT_GT(passes, 10);
    EXPECT_EQ(pass.verdict, Verdict::Solved);
}

} // namespace
} // namespace cellwright
