// The chaining techniques: each on a step of the reference rater's own path,
// the chains they record, the length increments, the rated sample above 6.2
// and what a rating says beyond them.
#include "counter/solution_count.hpp"
#include "logic/chains.hpp"
#include "logic_test_support.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
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
    const char* about; // the description up to its effects
    int tenths;
    const char* effects;
};

// Steps the reference rater took on qqwing's expert puzzles and on hard ones,
// with the grid just before them. A placement's cell loses its other candidates anyway, so
// only the placement is listed.
const StepCase kChainSteps[] = {
    {".56491...3.9..6154.143.5.961982546376..9.35.15.316.9.2.3.51.469461.39..59.5642.1.",
     "r1c1:7 r1c7:8 r1c8:8 r3c7:7 r8c8:8 r9c7:8", "X-cycle (6 nodes)", 65, "r2c5<>8"},
    {"51826437949.83..5..3.95.8.4281576943.543.9...3.941.5..8.....4.114.......9.314.78.",
     "r2c3:6 r3c3:7 r3c8:6 r5c7:6 r5c8:2 r5c9:26 r6c9:26 r7c3:26 r7c6:7 r7c8:26 r8c3:2 r8c5:2 "
     "r8c6:257 r8c8:26 r9c9:2",
     "Y-cycle (16 nodes)", 69, "r2c7<>2 r7c2<>6 r8c9<>6"},
    {"73129..688.9..3....658719.31923.7.5....9....1.7.1.2..9...718....875......1...9.87",
     "r2c7:245 r2c8:24 r5c7:3468 r5c8:34 r6c1:3 r6c3:3 r7c8:2 r8c5:46 r9c1:4 r9c5:46 r9c7:4",
     "Forcing X-chain (8 nodes)", 67, "r1c6=5"},
    {"175248639869173.2.3246597817.1.....25.2...97.6.3.27...9.6782.4.23749....4.8...297", "r8c6:6",
     "XY-cycle (6 nodes)", 70, "r4c4<>3 r4c6<>6"},
    {"43....5..217.5834.5..324.71.732468...647.5..3.25.3.46775.413...341.627..6.25..134",
     "r1c3:8 r1c8:9 r1c9:69 r6c1:1 r7c9:8", "XY-cycle (10 nodes)", 72, "r1c4<>9 r6c4<>9 r8c8<>8"},
    {".38..671..1....3646..13...8...6.3..7876.1.5233....8146.5..6..3.7.32....14..3.1.7.",
     "r1c5:2 r2c4:5 r2c5:2 r3c6:4 r4c1:9 r4c2:9 r4c3:9 r4c5:49 r6c4:9 r6c5:9 r7c4:9 r7c6:9 r7c7:29 "
     "r8c2:9 r8c7:8 r9c2:29 r9c7:8",
     "Forcing chain (8 nodes)", 71, "r8c2=6"},
    {".7.592438....4.16242....957.5..2......76...2.21.48...37..8..219.9.2.4786862.7.345",
     "r2c1:3 r2c3:38 r3c3:16 r4c3:369 r4c4:1 r5c2:3 r8c1:3 r8c5:1", "Forcing chain (12 nodes)", 73,
     "r2c2=3"},
    {"..843..91.3982176..1.97...3..168....3...9761..67.1......3.489.62..76913..96.5....",
     "r1c1:5 r3c1:5 r3c3:5 r4c6:5 r4c7:2 r5c2:5 r5c9:5 r6c4:2 r6c6:5 r6c8:5 r6c9:8 r7c1:5 r7c8:7 "
     "r8c2:5 r9c1:7 r9c4:2 r9c9:8",
     "Aligned triple exclusion (r1c7, r8c9, r9c9)", 75, "r9c9<>4"},
    {"682.5314.9.486.32553.2.4.86.68.2.4...95..86....36.....82...6534.5.432.6.34658.2..",
     "r4c6:17 r4c9:7 r5c1:17 r6c1:17 r6c5:1", "Nishio forcing chain from r6c2=7 (10 nodes)", 77,
     "r6c2<>7"},
    {".9.5..286..5196...64..82915..961752....458.69.56239..85.89216....4.658929628...51",
     "r2c1:37 r2c2:37 r2c8:7 r2c9:3 r5c1:3 r9c7:4", "Nishio forcing chain from r9c6=3 (11 nodes)",
     78, "r9c6=3"},
    {"92.46...5.....92....1..24.9..927.64.74....5922.694.....95.37824382594716....2.953",
     "r4c2:1 r4c6:1 r6c2:3 r6c6:13 r6c9:1", "Region forcing chain on 1 in column 6 (14 nodes)", 83,
     "r9c4<>1"},
    {"92.46...5.....92....1..24.9..927.64.74....5922.694.....95.37824382594716....2.953",
     "r4c2:1 r4c6:1 r6c2:3 r6c6:13 r6c9:1 r9c4:1", "Cell forcing chain on r3c1 (12 nodes)", 83,
     "r3c4<>8"},
    {".7.539.2.234...59.9.52...73.....735...7.6.2....9....17.936.27.17.619..321....3965",
     "r3c5:1 r3c6:1 r3c7:4 r5c2:4 r5c6:48 r6c2:58 r9c5:4", "Cell forcing chain on r6c2 (19 nodes)",
     85, "r2c4=7"},
    {"9..4...864.....3........145.98.4...1514...63.2.65.18.4.4..8.91.8..1..4..1.9.24.68",
     "r1c5:3 r2c3:7 r2c4:79 r2c5:79 r2c6:9 r2c9:2 r3c1:3 r3c4:7 r4c4:37 r4c8:7 r5c4:7 r7c6:7 "
     "r8c2:7 r8c3:3 r8c5:37 r8c6:57",
     "Dynamic forcing chain contradiction from r2c2=7 (13 nodes)", 88, "r2c2<>7"},
    {"2.187..6......17..7....6.12835762149.1.3.86.7....19.3.1.6.87....2.1.3.76...6....1",
     "r2c3:8 r2c9:3 r3c7:3 r9c1:9 r9c7:3", "Dynamic forcing chain double from r9c1=3 (19 nodes)",
     90, "r9c1<>5"},
    {".7.539.2.2347..59.9.52...73.....735...7.6.2....9....17.936.27.17.619..321...73965",
     "r3c5:1 r3c6:1 r3c7:48 r4c5:8 r4c9:8 r5c1:8 r5c2:4 r5c6:48 r6c2:58 r7c5:4 r8c2:8",
     "Dynamic forcing chain on r9c4 (12 nodes)", 88, "r4c4<>4"},
    {"9..4...8.4.....3........145.98.4...1514...63.2.65.18.4.4..8.91.8..1..4..1.9.24.68",
     "r1c5:6 r2c4:9 r2c5:9 r2c6:9 r4c4:3 r4c8:7 r8c5:3 r8c6:5",
     "Dynamic forcing chain on 7 in box 6 (15 nodes)", 89, "r5c4<>7"},
    {"........1.....2.3...4.5.6....52......4.1....78...6.4....8.....3.5..9.8.69.6....7.",
     "r2c2:7 r2c4:7 r2c5:8 r2c9:8 r3c6:89 r4c6:38 r7c5:4 r9c2:1 r9c5:8",
     "Dynamic forcing chain (+) contradiction from r4c2=3 (62 nodes)", 98, "r4c2<>3"},
    // Dynamic forcing chains (+) whose paths take pointing or claiming, a hidden
    // pair, a naked pair and an X-wing on what their assumptions left.
    {"98.7..6..56..9..7...7..6...4...6...3..89...6...6..24..81......6..56...8.6..8312..",
     "r1c8:5 r2c4:3 r2c6:4 r2c9:8 r3c2:3 r3c4:5 r3c5:4 r3c7:8 r3c9:124 r4c2:7 r4c6:5 r4c7:159 "
     "r5c2:7 r5c5:5 r5c6:5 r6c9:15 r7c7:5 r7c8:59 r8c6:7",
     "Dynamic forcing chain (+) contradiction from r2c9=1 (32 nodes)", 96, "r2c9<>1"},
    {"98.7..6..7......85..4.8..9.4...3..7..7...2..9..3..75..1..2...5..4..9..1....1.6.2.",
     "r2c2:6 r3c9:3 r4c9:6 r6c2:6 r6c4:6 r6c9:6 r8c7:3 r9c7:7",
     "Dynamic forcing chain (+) double from r4c6=1 (18 nodes)", 94, "r2c5<>1"},
    {"98.7..6..7...5..9.........764.8...7..78.65..4....478.646.5....9.23......8...21...",
     "r1c3:1 r2c9:3 r8c8:15 r9c4:9", "Dynamic forcing chain (+) on 3 in column 9 (32 nodes)", 96,
     "r7c8<>3"},
    {"98.7..6..7.5....8.....85...64.5....8.5..4.96.....3..4.57.4...9...2...........1..7",
     "r6c9:2 r7c7:2 r8c9:5 r9c5:2 r9c8:5", "Dynamic forcing chain (+) on r5c9 (31 nodes)", 96,
     "r7c9<>3"},
};

TEST(ChainSteps, EachTechniqueTakesTheReferenceStep) {
    for (const StepCase& c : kChainSteps) {
        SCOPED_TRACE(c.digits);
        const std::optional<Step> step = nextStep(gridAfter(c.digits, c.removed));
        ASSERT_TRUE(step.has_value());
        const std::string text = describe(*step);
        EXPECT_EQ(text.substr(0, text.find(':')), c.about);
        EXPECT_EQ(step->tenths(), c.tenths);
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

// The distinct nodes a chain's branch ends on and follows from.
int nodesBehind(const Chain& chain, int end) {
    std::set<std::tuple<int, int, bool>> seen;
    std::vector<int> todo = {end};
    while (!todo.empty()) {
        const ChainNode& node = chain.nodes[todo.back()];
        todo.pop_back();
        if (!seen.insert({node.cell, node.digit, node.on}).second)
            continue;
        for (int i = 0; i < node.parentCount; ++i)
            todo.push_back(chain.parents[node.firstParent + i]);
    }
    return static_cast<int>(seen.size());
}

// Every chain step along the sample's paths records branches that start from
// an assumption and end on the step's conclusion, and as many nodes as its
// value counts. A clash ends on both states of one candidate and concludes
// the opposite of its assumption.
TEST(ChainSteps, EveryChainRecordsItsBranches) {
    int chains = 0;
    for (const auto& rated : test::ratedSample()) {
        if (rated.er < 65)
            continue;
        for (const Step& step : explain(digitsOf(rated.puzzle))) {
            const Chain& chain = step.chain;
            if (chain.nodes.empty())
                continue;
            ++chains;
            SCOPED_TRACE(describe(step));
            int counted = 0;
            for (const std::uint16_t end : chain.ends)
                counted += nodesBehind(chain, end);
            EXPECT_EQ(counted, chain.complexity);
            const ChainNode& last = chain.nodes[chain.ends.back()];
            const bool cycle = step.technique == Technique::XCycle ||
                               step.technique == Technique::YCycle ||
                               step.technique == Technique::XYCycle;
            const bool clash = step.technique == Technique::NishioForcingChain ||
                               ((step.technique == Technique::DynamicForcingChain ||
                                 step.technique == Technique::DynamicForcingChainPlus) &&
                                step.variant == 1);
            if (cycle) {
                EXPECT_EQ(chain.nodes.size(), static_cast<std::size_t>(chain.complexity) + 1);
                EXPECT_TRUE(last.on && last.cell == step.cells[0]);
                continue;
            }
            // What the step concludes: the clash's assumption turned round, or
            // the node every branch ends on.
            ChainNode conclusion = last;
            if (clash) {
                const ChainNode& first = chain.nodes[chain.ends.front()];
                EXPECT_TRUE(first.cell == last.cell && first.digit == last.digit &&
                            first.on != last.on);
                conclusion = chain.nodes[0];
                conclusion.on = !conclusion.on;
            } else {
                for (const std::uint16_t end : chain.ends) {
                    EXPECT_TRUE(chain.nodes[end].cell == last.cell &&
                                chain.nodes[end].digit == last.digit &&
                                chain.nodes[end].on == last.on);
                }
            }
            if (conclusion.on) {
                EXPECT_EQ(step.placedCell, conclusion.cell);
                EXPECT_EQ(step.placedDigit, conclusion.digit);
            } else {
                EXPECT_EQ(step.eliminations[conclusion.cell], digitBit(conclusion.digit));
            }
        }
    }
    EXPECT_GT(chains, 300);
}

// Above 6.2 every puzzle of the sample is rated exactly as the reference
// rates it, ER, EP and ED, in each range of the chaining techniques.
TEST(ChainRatings, RatedSampleAboveSixTwoIsExact) {
    struct Range {
        int low, high, puzzles;
    };
    // Cycles and X-chains; forcing chains; exclusion and Nishio; multiple and
    // dynamic forcing chains.
    const Range kRanges[] = {{63, 69, 21}, {70, 74, 34}, {75, 79, 3}, {80, 89, 2}, {90, 200, 4}};
    for (const Range& range : kRanges) {
        int exact = 0;
        for (const auto& rated : test::ratedSample()) {
            if (rated.er < range.low || rated.er > range.high)
                continue;
            const Rating rating = rate(digitsOf(rated.puzzle));
            const bool same = !rating.bound && rating.er == rated.er && rating.ep == rated.ep &&
                              rating.ed == rated.ed;
            exact += same;
            EXPECT_TRUE(same) << rated.puzzle << " rated " << formatValue(rating.er, rating.bound);
        }
        EXPECT_EQ(exact, range.puzzles) << range.low << "-" << range.high;
    }
}

// Puzzles of the hard collection whose paths take dynamic forcing chains
// again and again, and the last three with a few of their solution's digits
// added, which then need dynamic forcing chains (+), with the reference's
// ER/EP/ED; some start with a harder step than a single, which sets EP and
// ED. Every step of their paths is checked against the solution too.
TEST(ChainRatings, HardPuzzlesMatchTheReference) {
    const std::pair<const char*, const char*> kRated[] = {
        {"39.6.......6.......4..2.81......5....7..1..2....4......85.4..7.......3.......7.42",
         "9.1/1.2/1.2"},
        {".364.2...8......4...278.....2...873.6....49.87..6..........7.1....1..3..2....6..5",
         "9.1/1.2/1.2"},
        {"37.6.......9.......2..8.16......5....9..1..8....4......58.6..9.......3.......7.42",
         "9.0/2.0/2.0"},
        {"..1.3..2.....7.6...5.6.1...7...4..3...4..51.8.8...6.........8.2.3...7...5..4...9.",
         "8.9/2.6/2.6"},
        {"2..3..1.4..6...5.2.7.2.....8....23......4.6..7..9........65...........1..394.7...",
         "8.9/2.3/2.3"},
        {".4..1....5..4.8....612........1.7..3......5..4.3...81.9........7.6.3.9.2....697..",
         "8.8/2.5/2.5"},
        {".9...6...5....7..6..2...3....6..5..48.....79.7....2.......5..1....62...8.3...1.4.",
         "8.7/1.5/1.5"},
        {"35.6.......2.......9..5.48......5....6..1..9....4......18.6..5.......7.......7.32",
         "8.6/1.2/1.2"},
        {"...3....1.....2.....3.4.56...54..3...1..3.75.3..8....9..7..4....61......5...6.17.",
         "9.5/9.5/9.2"},
        {"98.76.5..5....9.....7.......9.4...6..4......3..5..84.1..98.67....8..76......2..1.",
         "9.6/9.6/8.2"},
        {"98.7..6..5...9..7...7..4...3...4...2..853..6..4...23...5..8...1.1....9....94...5.",
         "9.7/9.7/2.6"},
    };
    for (const auto& [puzzle, expected] : kRated) {
        // Every step holds in the one solution.
        const auto counted = cellwright::counter::countSolutions(digitsOf(puzzle), 2);
        ASSERT_EQ(counted.solutions, 1U);
        const Rating rating = explain(digitsOf(puzzle), [&](const Step& step) {
            for (int cell = 0; cell < 81; ++cell)
                EXPECT_EQ(step.eliminations[cell] & digitBit(counted.solution[cell]), 0);
            EXPECT_TRUE(!step.places() || step.placedDigit == counted.solution[step.placedCell]);
        });
        EXPECT_FALSE(rating.bound) << puzzle;
        EXPECT_EQ(formatValue(rating.er) + "/" + formatValue(rating.ep) + "/" +
                      formatValue(rating.ed),
                  expected)
            << puzzle;
    }
}

// A puzzle of the hard collection that the reference rates 10.5 or more
// (nested forcing chains): the dynamic forcing chains (+) run out on it, and
// its rating says it is worth at least the next technique's 9.5.
TEST(ChainRatings, BeyondDynamicChainsIsABound) {
    const Rating rating = rate(digitsOf(
        "........1.....2.3...4.5.6....52......4.1....78...6.4....8.....3.5..9.8.69.6....7."));
    EXPECT_EQ(rating.end, RatingEnd::RanOut);
    EXPECT_TRUE(rating.bound);
    EXPECT_EQ(rating.er, 95);
    EXPECT_EQ(rating.hardest, Technique::Beyond);
    EXPECT_EQ(formatValue(rating.er, rating.bound), ">9.5");
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
