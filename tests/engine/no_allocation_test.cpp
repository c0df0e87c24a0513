// A whole search, and the clearing after it, run in fixed storage: every
// operator new is counted.
#include "engine/headless_host.hpp"
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
    auto host = std::make_unique<MemoryBackups>(); // short messages need no heap either
    auto state = std::make_unique<EngineState>();
    state->board = test::boardOf(test::kHardPuzzle);
    const long before = allocations.load();
    int passes = 0;
    while (!solveBoard(*state, *host))
        ++passes;
    clearData(*state);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_EQ(*state, EngineState{}) << "cleared after the search";
    EXPECT_GT(passes, 10);
    EXPECT_EQ(host->message(), "Board Solved");
}

} // namespace
} // namespace cellwright
