// The chaining techniques: each on a step of the reference rater's own path,
// the length increments, the rated sample above 6.2 and the soundness of
// every chain step against the solution.
#include "counter/solution_count.hpp"
#include "logic/chains.hpp"
#include "logic_test_support.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace cellwright::logic;
using namespace cellwright::logic::detail;
using test::digitsOf;

// A grid from its digits and the candidates earlier steps removed, written
// "r1c7:8 r3c7:7" (cell, then the digits gone).
Grid gridAfter(std::string_view digits, std::string_view removed) {
    Grid grid(digitsOf(digits));
    for (std::size_t i = 0; i + 5 <= removed.size(); ++i) {
        if (removed[i] != 'r')
            continue;
        const int cell = (removed[i + 1] - '1') * 9 + removed[i + 3] - '1';
        for (i += 5; i < removed.size() && removed[i] != ' '; ++i)
            grid.eliminate(cell, digitBit(removed[i] - '0'));
    }
    return grid;
}

// "r2c5<>8 r1c6=5": eliminations in cell order, then the placement.
std::string effectsOf(const Step& step) {
    std::string text;
    for (int cell = 0; cell < 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (step.eliminations[cell] & digitBit(digit))
                text += (text.empty() ? "" : " ") + cellName(cell) + "<>" + std::to_string(digit);
        }
    }
    if (step.places()) {
        text += (text.empty() ? "" : " ") + cellName(step.placedCell) + "=" +
                std::to_string(step.placedDigit);
    }
    return text;
}

struct StepCase {
    const char* digits;
    const char* removed;
    Technique technique;
    int tenths;
    int complexity;
    const char* effects;
};

// Steps the reference rater took on qqwing's expert puzzles, with the grid
// just before them. A placement's cell loses its other candidates anyway, so
// only the placement is listed.
const StepCase kChainSteps[] = {
    {".56491...3.9..6154.143.5.961982546376..9.35.15.316.9.2.3.51.469461.39..59.5642.1.",
     "r1c1:7 r1c7:8 r1c8:8 r3c7:7 r8c8:8 r9c7:8", Technique::XCycle, 65, 6, "r2c5<>8"},
    {"51826437949.83..5..3.95.8.4281576943.543.9...3.941.5..8.....4.114.......9.314.78.",
     "r2c3:6 r3c3:7 r3c8:6 r5c7:6 r5c8:2 r5c9:26 r6c9:26 r7c3:26 r7c6:7 r7c8:26 r8c3:2 r8c5:2 "
     "r8c6:257 r8c8:26 r9c9:2",
     Technique::YCycle, 69, 16, "r2c7<>2 r7c2<>6 r8c9<>6"},
    {"73129..688.9..3....658719.31923.7.5....9....1.7.1.2..9...718....875......1...9.87",
     "r2c7:245 r2c8:24 r5c7:3468 r5c8:34 r6c1:3 r6c3:3 r7c8:2 r8c5:46 r9c1:4 r9c5:46 r9c7:4",
     Technique::ForcingXChain, 67, 8, "r1c6=5"},
    {"175248639869173.2.3246597817.1.....25.2...97.6.3.27...9.6782.4.23749....4.8...297", "r8c6:6",
     Technique::XYCycle, 70, 6, "r4c4<>3 r4c6<>6"},
    {"43....5..217.5834.5..324.71.732468...647.5..3.25.3.46775.413...341.627..6.25..134",
     "r1c3:8 r1c8:9 r1c9:69 r6c1:1 r7c9:8", Technique::XYCycle, 72, 10, "r1c4<>9 r6c4<>9 r8c8<>8"},
    {".38..671..1....3646..13...8...6.3..7876.1.5233....8146.5..6..3.7.32....14..3.1.7.",
     "r1c5:2 r2c4:5 r2c5:2 r3c6:4 r4c1:9 r4c2:9 r4c3:9 r4c5:49 r6c4:9 r6c5:9 r7c4:9 r7c6:9 "
     "r7c7:29 r8c2:9 r8c7:8 r9c2:29 r9c7:8",
     Technique::ForcingChain, 71, 8, "r8c2=6"},
    {".7.592438....4.16242....957.5..2......76...2.21.48...37..8..219.9.2.4786862.7.345",
     "r2c1:3 r2c3:38 r3c3:16 r4c3:369 r4c4:1 r5c2:3 r8c1:3 r8c5:1", Technique::ForcingChain, 73, 12,
     "r2c2=3"},
};

TEST(ChainSteps, EachTechniqueTakesTheReferenceStep) {
    for (const StepCase& c : kChainSteps) {
        SCOPED_TRACE(c.digits);
        const std::optional<Step> step = nextStep(gridAfter(c.digits, c.removed));
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(step->technique, c.technique);
        EXPECT_EQ(step->tenths(), c.tenths);
        EXPECT_EQ(step->chain.complexity, c.complexity);
        EXPECT_EQ(effectsOf(*step), c.effects);
    }
}

// A puzzle whose path the guide to the scale works through: a pointing, an
// XYZ-wing, then a forcing X-chain and a forcing chain of eight nodes each.
TEST(ChainSteps, WorkedExampleNamesEveryNode) {
    const auto steps = explain(digitsOf(
        ".........8......7.....9.1..9...4321.7....59.812.....35..753.........1.89..892.3.."));
    ASSERT_GE(steps.size(), 23U);
    EXPECT_EQ(describe(steps[21]),
              "Forcing X-chain (8 nodes): r1c1=5 -> r1c5~5 -> r2c5=5 -> r2c7~5 -> r3c8=5 -> "
              "r9c8~5 -> r9c1=5 -> r1c1~5 : r1c1 <> 5");
    EXPECT_EQ(describe(steps[22]),
              "Forcing chain (8 nodes): r1c5=7 -> r1c5~5 -> r2c5=5 -> r2c7~5 -> r8c7=5 -> "
              "r8c7~7 -> r8c5=7 -> r1c5~7 : r1c5 <> 7");
    const Rating rating = rate(digitsOf(
        ".........8......7.....9.1..9...4321.7....59.812.....35..753.........1.89..892.3.."));
    EXPECT_EQ(rating.er, 71);
    EXPECT_EQ(rating.hardest, Technique::ForcingChain);
}

TEST(ChainValue, LengthAddsATenthPerThresholdPassed) {
    // complexity, tenths added
    const int kTable[][2] = {{4, 0},  {6, 0},  {7, 1},   {8, 1},    {9, 2},    {10, 2},
                             {11, 3}, {14, 3}, {15, 4},  {18, 4},   {19, 5},   {26, 5},
                             {27, 6}, {34, 6}, {35, 7},  {50, 7},   {51, 8},   {66, 8},
                             {67, 9}, {98, 9}, {99, 10}, {130, 10}, {131, 11}, {194, 11}};
    for (const auto& row : kTable) {
        Step step;
        step.value = chainValue(7.0, row[0]);
        EXPECT_EQ(step.tenths(), 70 + row[1]) << row[0];
    }
    // Sorted as doubles: 6.6 + 0.1 comes before 6.5 + 0.2.
    EXPECT_LT(chainValue(6.6, 8), chainValue(6.5, 10));
}

} // namespace
