// Rating runs in fixed storage: every operator new is counted while the whole
// rated sample is rated, UR loops, BUG, exclusions and chain searches
// included; only a step that found a chain allocates, for its nodes.
#include "logic/rating.hpp"
#include "logic_test_support.hpp"
#include "support/allocation_count.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace cellwright::logic;

TEST(LogicNoAllocation, RatingAllocatesNothing) {
    std::vector<Digits> puzzles;
    for (const auto& rated : test::ratedSample())
        puzzles.push_back(test::digitsOf(rated.puzzle));
    // The chaining techniques set up their storage once for each thread that
    // rates; a step that found a chain carries its nodes in three vectors.
    for (const Digits& puzzle : puzzles)
        rate(puzzle);
    int steps = 0;
    long before = 0;
    const std::function<void(const Step&)> count = [&](const Step& step) {
        EXPECT_LE(cellwright::test::allocationCount() - before, step.chain.nodes.empty() ? 0 : 3)
            << describe(step);
        ++steps;
        before = cellwright::test::allocationCount();
    };
    for (const Digits& puzzle : puzzles) {
        before = cellwright::test::allocationCount();
        explain(puzzle, count);
    }
    EXPECT_GT(steps, 10000);
}

} // namespace
