// Each technique on a grid made for it: found, worth its value, with its
// cells, digits and eliminations as describe() spells them out. The states
// come from puzzles on their way to a solution (checked step by step against
// the reference rater) or, for patterns solvable puzzles do not show, from
// candidates set by hand.
#include "logic/rating.hpp"
#include "logic_test_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace cellwright::logic;

// {value in tenths, puzzle, a step on its path}.
TEST(LogicTechniques, StepsOnThePath) {
    const std::vector<std::tuple<int, std::string, std::string>> steps = {
        {10, "9.34.5.82.2.....5.84.6..3....7.8.6..3..5.4.......72.342...........9....7........5",
         "Full house 1 in box 1: r2c3 = 1"},
        {12, "9.34.5.82.2.....5.84.6..3....7.8.6..3..5.4.......72.342...........9....7........5",
         "Hidden single 5 in box 1: r3c3 = 5"},
        {15, ".31.......5.1..8.76.87..29.2.......5...2....9..7..6......39.......8....2..3..7.5.",
         "Hidden single 6 in row 2: r2c5 = 6"},
        {17, "....945....9....71...1...38.1..7........893.....6.5....8.9.37..53.7..6......5....",
         "Direct pointing 2 in box 3 (r1c8, r1c9) on row 1: r1c1 <> 2, r1c2 <> 2, r1c3 <> 2, r1c4 "
         "<> 2; r3c5 = 2"},
        {20, "3........461.....2.2.6.....5...831......46.2.7...2.3.425........8...123..73.6...5",
         "Direct hidden pair 4/8 in box 8 (r7c4, r7c6): r7c4 <> 3; r7c5 = 3"},
        {23, "..7.6...9...8.....5.97.......21..........86..713.9...8.7...51.69...813..2....6...",
         "Naked single: r7c1 = 3"},
        {25, "71..826....3.7.2.......1..5.3.......4..568...........6.........6..7..18.8...4.32.",
         "Direct hidden triple 1/2/8 in column 9 (r2c9, r4c9, r5c9): r2c9 <> 4, r4c9 <> 4 7 9, "
         "r5c9 <> 3 7 9; r1c9 = 3"},
        {26, "8..1..7......3.6.5.5..2.....2..5....6.1.....7..4...8....35...2.....83..61..2....8",
         "Pointing 4 in box 6 (r4c7, r4c8, r4c9) on row 4: r4c4 <> 4, r4c6 <> 4"},
        {28, ".7..4.5....3..62...5..284.3........562.......7...8..2...1.6...7.8..5...4...7..3..",
         "Claiming 3 in column 5 (r4c5, r5c5) on box 5: r4c4 <> 3, r4c6 <> 3, r5c4 <> 3, r5c6 <> "
         "3, r6c4 <> 3, r6c6 <> 3"},
        {30, "..5..2.7...........2..4.......4937..........8..3.8..693.2..68..6..87...48...2.5..",
         "Naked pair 1/9 in box 9 (r7c8, r9c8): r8c7 <> 1 9, r8c8 <> 1 9"},
        {32, ".....1.42.8.9........834....29..7..85..4........18......3.4.5...5.71..939....5...",
         "X-wing 4 in columns 2, 9 on rows 6, 9: r6c1 <> 4, r6c3 <> 4, r6c7 <> 4, r9c3 <> 4, r9c7 "
         "<> 4"},
        {34, "..6.......2.....5.81.49....7..8..2.9.9...418....2..57..7..52...45...1...1........",
         "Hidden pair 4/9 in box 3 (r1c7, r1c8): r1c7 <> 7 8, r1c8 <> 1"},
        {36, "....7...3..81...2.7..8961.......3..6......472...4.1...2......3..31..9.4..89......",
         "Naked triple 5/8/9 in row 6 (r6c1, r6c8, r6c9): r6c2 <> 5 9, r6c3 <> 5, r6c5 <> 5"},
        {38, ".31....7.....2..134.2...8...48......2...87.....5....4.....5.6..3...72....6413..2.",
         "Swordfish 5 in columns 2, 7, 8 on rows 3, 5, 8: r3c4 <> 5, r3c6 <> 5, r3c9 <> 5, r5c9 <> "
         "5"},
        {40, "....3...7.7..8..652.3.......4....2.972..4....8........4.......23....5.78.6.87.93.",
         "Hidden triple 3/6/7 in column 6 (r3c6, r4c6, r7c6): r3c6 <> 4, r7c6 <> 1 9"},
        {42, "......6.9...32.........958.....1..52.8..53.....2....4..41.6.23....4.5.918.......6",
         "XY-wing 3 with pivot r5c1 and wings r6c2, r1c1: r1c2 <> 3, r4c1 <> 3"},
        {44, ".3..14...98.63.1...54.2.....1...2.64.6...1953.....6.1.54...9.32................89",
         "XYZ-wing 3 with pivot r8c1 and wings r9c1, r8c6: r8c3 <> 3"},
        {45, "...215.....3..8..59...7...6....8..1.......96....952...2375..8.9.6583.....9.......",
         "Unique rectangle type 1 on 2/7 (r2c8, r2c7, r8c7, r8c8): r2c7 <> 2 7"},
        {45, "6....7.....9..8...71.92...6...3.9..7...6.....3952....1.52..1.....7.5......67...9.",
         "Unique rectangle type 2 on 1/8 (r4c5, r5c5, r5c3, r4c3) with 4: r3c3 <> 4, r4c1 <> 4, "
         "r5c1 <> 4"},
        {45, "..4...51.6...1....3.8..7.4..9..3........481....5..9.6......4...8.675..9.....86...",
         "Unique rectangle type 3 on 1/5 (r7c9, r9c9, r9c1, r7c1) with hidden pair 1/5 (r4c1) in "
         "column 1: r4c1 <> 2 4"},
        {45, "..81...23........6..9.52....65.18.7..92.351..8...7...9...........6...9.1......238",
         "Unique rectangle type 3 on 6/9 (r1c5, r1c6, r9c6, r9c5) with hidden pair 6/9 (r9c1) in "
         "row 9: r9c1 <> 1"},
        {45, "4....1.....9....67...2.....962...45..47...2.6..1........4.2.1......49..5.3..5..9.",
         "Unique rectangle type 4 on 6/8 (r8c3, r9c3, r9c7, r8c7) with 6 in column 7: r8c7 <> 8, "
         "r9c7 <> 8"},
        {46, "......168..1...49.....8.......69..4.3....7.2.6....39...2........93....868.4...37.",
         "Unique loop type 1 on 2/5 (r2c1, r2c9, r3c9, r3c3, r4c3, r4c1): r4c1 <> 2 5"},
        {46, "....453..3.....1.6.5.1..49.8....9......531..8.9.6..21.1..............5..6.3......",
         "Unique loop type 2 on 7/8 (r7c7, r9c7, r9c6, r8c6, r8c2, r7c2) with 2: r8c1 <> 2"},
        {46, "8.9.2..5...5...86...4.......8.56..9...6.947..5..1.8.......7.........647.......9.8",
         "Unique loop type 3 on 6/7 (r1c2, r1c4, r3c4, r3c1, r9c1, r9c2) with hidden pair 6/7 "
         "(r2c4) in box 2: r2c4 <> 3 4"},
        {46, "..9.5.71...547.9..1..69.....2.....96.......846..2......9.78............57.....4..",
         "Unique loop type 4 on 3/8 (r1c4, r1c9, r3c9, r3c6, r4c6, r4c4) with 8 in row 4: r4c4 <> "
         "3, r4c6 <> 3"},
        {46, "...7..5.2.395...7.....38..6.9.8.6....21.5.8.......9.......21..7.8.9..32....6...5.",
         "Unique rectangle type 3 on 3/5 (r4c9, r6c9, r6c1, r4c1) with hidden triple 2/3/5 (r3c1, "
         "r9c1) in column 1: r3c1 <> 7, r9c1 <> 1 7"},
        {46, "..7...2935..8....7....9.1..24..8..1...521....8...7...........5.4..9..8..7..53....",
         "Unique rectangle type 3 on 4/6 (r2c7, r2c8, r5c8, r5c7) with naked pair 3/9 (r5c1) in "
         "row 5: r5c6 <> 9"},
        {47, "..............3.8.27..86.3........4.9.....7.6....6.2....59....8.435.8.7.7.9...5..",
         "Unique loop type 3 on 1/6 (r1c8, r1c3, r2c3, r2c7, r8c7, r8c1, r7c1, r7c8) with hidden "
         "pair 1/6 (r3c3) in box 1: r3c3 <> 4"},
        {47, "8......5.2...6....9.7...8.......6......8..2.5...5.936..8....73...6..2..4.4..73..6",
         "Unique loop type 3 on 1/9 (r8c4, r9c4, r9c7, r4c7, r4c8, r8c8) with naked pair 4/7 "
         "(r4c1) in row 4: r4c4 <> 7, r4c5 <> 4, r4c9 <> 7"},
        {47, ".........96..4...3.4..9......9.568..65........1...8......4...57.84539.16.3.1....8",
         "Unique rectangle type 3 on 4/9 (r9c7, r9c8, r1c8, r1c7) with hidden quad 2/4/7/9 (r1c2, "
         "r1c5, r1c9) in row 1: r1c9 <> 5"},
        {47, "....37.......1.2..1.4...59.....2.4..2.......9.9....67.....6..1.7..1.2..4.6..73...",
         "Unique rectangle type 3 on 6/7 (r4c4, r5c4, r5c3, r4c3) with naked triple 3/5/8 (r6c3, "
         "r8c3) in column 3: r1c3 <> 5 8, r2c3 <> 3 5 8, r7c3 <> 3 8"},
        {48, "2.9...5....1.....2.8.7...9...863.97.736.2.............1.5.......9..1.6......9..13",
         "Unique rectangle type 3 on 3/6 (r1c8, r2c8, r2c6, r1c6) with naked quad 1/4/8/9 (r4c6, "
         "r5c6, r8c6) in column 6: r6c6 <> 8"},
        {50, "..7........5...8..412.6...7.8......13....2.78.....1...7..3..45615.....3......4...",
         "Naked quad 4/5/7/8 in column 4 (r3c4, r4c4, r6c4, r9c4): r1c4 <> 4, r5c4 <> 5, r8c4 <> "
         "8"},
        {50, "91...8.4..32.5...8.8.17..3..51...........3.......917......2.5..5..9....7...38.29.",
         "Unique loop type 2 on 4/6 (r2c1, r3c1, r3c6, r8c6, r8c3, r9c3, r9c9, r7c9, r7c4, r2c4) "
         "with 3: r7c1 <> 3, r7c3 <> 3, r8c7 <> 3"},
        {52, ".5.21..7.8.6....12....86.359..72.....6.5.....17.....5..3..9..8.5...7....2.8......",
         "Jellyfish 4 in columns 1, 3, 5, 6 on rows 1, 5, 6, 8: r8c2 <> 4, r8c4 <> 4, r8c9 <> 4"},
        {54, "..3.9..87.5.23...449......1.34.5........14..31.7..8.5.3.1.8.............8.5..3...",
         "Hidden quad 1/3/5/8 in row 8 (r8c4, r8c7, r8c8, r8c9): r8c4 <> 6 7, r8c7 <> 2 6 7, r8c8 "
         "<> 2 4 6 7, r8c9 <> 2 6"},
        {56, "....2..853............8.47.597.3.......8.....2.47...........837..24...5663.....9.",
         "BUG type 1 on r2c5: r2c5 <> 1 4"},
        {57, "...83.......6..72...3..5.1.2......6.1...9.3.........71....8..56.71.....8.89.23...",
         "BUG type 2 on r2c2, r6c1, r4c4 with 4: r4c2 <> 4"},
        {57, "3...............35...7..9...6.8.3.749.76..8....5.4..1.7.9.6...1...9...6..5..1.3..",
         "BUG type 4 on r1c3, r2c3 with 4 in box 1: r1c3 <> 6, r2c3 <> 8"},
        {58, ".24..713...18....295.......1.9..5..87.....3......3..95......92..4....8..5.3...4..",
         "BUG type 3 on r8c6, r7c5 with naked pair 3/4 (r7c6) in box 8: r7c4 <> 4, r8c4 <> 3"},
        {62, ".39....1....2...6.....6...8.18....4636....2.1.2..3.....8.4....37.4.......9....78.",
         "Aligned pair exclusion on r1c6, r3c6: r3c6 <> 9"},
        {62, "7...8...5.........6..57..3.29.45....57...2....439.....9....53.4.....4......36.2.8",
         "Aligned pair exclusion on r1c8, r2c8: r1c8 <> 1"},
    };
    for (const auto& [tenths, puzzle, expected] : steps) {
        bool found = false;
        for (const Step& step : explain(test::digitsOf(puzzle))) {
            if (describe(step) == expected) {
                found = true;
                EXPECT_EQ(step.tenths(), tenths) << expected;
            }
        }
        EXPECT_TRUE(found) << puzzle << " has no step " << expected;
    }
}

// {value in tenths, grid, the step nextStep takes on it}.
TEST(LogicTechniques, MadeGrids) {
    const std::vector<std::tuple<int, std::string, std::string>> grids = {
        // Claiming that leaves a single in another column.
        {19, "r1c4:1 r3c4:1 r1c6:1 r2c5:1 r2c6:1 r3c5:1 r3c6:1 r4c5:1 r4c6:1",
         "Direct claiming 1 in column 4 (r1c4, r3c4) on box 2: r1c6 <> 1, r2c5 <> 1, r2c6 <> 1, "
         "r3c5 <> 1, r3c6 <> 1; r4c5 = 1"},
    };
    for (const auto& [tenths, text, expected] : grids) {
        const auto step = nextStep(test::gridOf(text));
        ASSERT_TRUE(step.has_value()) << text;
        EXPECT_EQ(describe(*step), expected);
        EXPECT_EQ(step->tenths(), tenths) << expected;
    }
}

} // namespace
