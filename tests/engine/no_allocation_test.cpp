// A whole search, and the clearing after it, run in fixed storage: every
// operator new is counted.
#include "engine/backup_store.hpp"
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

TEST(NoAllocation, AWholeSearchAllocatesNothing) {
    auto host = std::make_unique<MemoryBackups>();
    auto state = std::make_unique<EngineState>();
    state->board = test::boardOf(test::kHardPuzzle);
    const long before = allocations.load();
    int passes = 0;
    PassReport pass;
    while (!(pass = solveBoard(*state, *host)).ended())
        ++passes;
    clearData(*state);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_EQ(*state, EngineState{}) << "cleared after the search";
    EXPECT_GT(passes, 10);
    EXPECT_EQ(pass.verdict, Verdict::Solved);
}

} // namespace
} // namespace cellwright
