// Rating runs in fixed storage: every operator new is counted while the whole
// rated sample is rated, UR loops, BUG and exclusions included.
#include "logic/rating.hpp"
#include "logic_test_support.hpp"

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

namespace {

using namespace cellwright::logic;

TEST(LogicNoAllocation, RatingAllocatesNothing) {
    std::vector<Digits> puzzles;
    for (const auto& rated : test::ratedSample())
        puzzles.push_back(test::digitsOf(rated.puzzle));
    int steps = 0;
    const long before = allocations.load();
    for (const Digits& puzzle : puzzles)
        steps += rate(puzzle).steps;
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(steps, 10000);
}

} // namespace
