#include "generator/puzzle_generator.hpp"
#include "generator/rating.hpp"
#include "logic/rating.hpp"
#include "support/sound_puzzle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace cellwright::generator;

TEST(Generator, EveryPuzzleIsUniqueMinimalAndSymmetric) {
    std::set<Symmetry> randomGave;
    for (int s = 0; s <= static_cast<int>(Symmetry::Random); ++s) {
        const auto symmetry = static_cast<Symmetry>(s);
        for (std::uint64_t index = 0; index < 12; ++index) {
            SCOPED_TRACE(std::string(symmetryName(symmetry)) + " " + std::to_string(index));
            const Puzzle puzzle = makePuzzle(20261207, index, symmetry);
            cellwright::test::expectSoundPuzzle(puzzle);
            if (symmetry == Symmetry::Random) {
                randomGave.insert(puzzle.symmetry);
            } else {
                EXPECT_EQ(puzzle.symmetry, symmetry);
            }
        }
    }
    EXPECT_GE(randomGave.size(), 3U) << "random draws among the symmetries";
}

TEST(Generator, APuzzleDependsOnItsSeedAndIndexAlone) {
    const Puzzle first = makePuzzle(7, 3, Symmetry::Rotate180);
    EXPECT_EQ(makePuzzle(7, 3, Symmetry::Rotate180).givens, first.givens);
    EXPECT_NE(makePuzzle(7, 4, Symmetry::Rotate180).solution, first.solution);
    EXPECT_NE(makePuzzle(8, 3, Symmetry::Rotate180).solution, first.solution);
    // Grids spread: no two of many runs' first puzzles share a solution.
    std::set<Grid> solutions;
    for (std::uint64_t seed = 0; seed < 200; ++seed)
        solutions.insert(makePuzzle(seed, 0, Symmetry::None).solution);
    EXPECT_EQ(solutions.size(), 200U);
}

TEST(Generator, OrbitsOfEachSymmetry) {
    const struct {
        Symmetry symmetry;
        std::size_t count;
        int cell;
        std::vector<int> orbit;
    } cases[] = {
        {Symmetry::None, 81, 10, {10}},
        {Symmetry::Rotate180, 41, 1, {1, 79}},
        {Symmetry::Rotate180, 41, 40, {40}},
        {Symmetry::Rotate90, 21, 1, {1, 17, 63, 79}},
        {Symmetry::Rotate90, 21, 0, {0, 8, 72, 80}},
        {Symmetry::Mirror, 45, 9, {9, 17}},
        {Symmetry::Mirror, 45, 4, {4}},
        {Symmetry::Diagonal, 45, 1, {1, 9}},
        {Symmetry::Diagonal, 45, 20, {20}},
        {Symmetry::Random, 81, 5, {5}},
    };
    for (const auto& c : cases) {
        const auto orbits = orbitsOf(c.symmetry);
        EXPECT_EQ(orbits.size(), c.count) << symmetryName(c.symmetry);
        const auto found = std::find_if(orbits.begin(), orbits.end(), [&](const auto& orbit) {
            return std::find(orbit.begin(), orbit.end(), c.cell) != orbit.end();
        });
        ASSERT_NE(found, orbits.end());
        EXPECT_EQ(*found, c.orbit) << symmetryName(c.symmetry) << " cell " << c.cell;
    }
    for (const char* name : {"none", "rotate180", "rotate90", "mirror", "diagonal", "random"})
        EXPECT_EQ(symmetryName(*symmetryNamed(name)), name);
    EXPECT_FALSE(symmetryNamed("Rotate180"));
}

TEST(Generator, BandsAndBoundRatings) {
    const Band hard{36, 44}, fromSix{60, std::nullopt};
    const struct {
        Rating rating;
        bool inHard, inFromSix;
    } cases[] = {
        {{36, 12, 12, false, ""}, true, false}, {{44, 0, 0, false, ""}, true, false},
        {{35, 0, 0, false, ""}, false, false},  {{45, 0, 0, false, ""}, false, false},
        {{60, 0, 0, false, ""}, false, true},   {{65, 0, 0, true, ""}, false, true},
        {{40, 0, 0, true, ""}, false, false},   {{59, 0, 0, true, ""}, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inBand(c.rating, hard), c.inHard) << c.rating.er << " " << c.rating.bound;
        EXPECT_EQ(inBand(c.rating, fromSix), c.inFromSix) << c.rating.er << " " << c.rating.bound;
    }
}

} // namespace

namespace {

TEST(Generator, PuzzlesThatSinglesSolveRateEasy) {
    const struct {
        std::string_view puzzle;
        bool solved;
    } cases[] = {
        {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", true},
        {"1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
         false},
        {"12345678.........9..............................................................", false},
    };
    for (const auto& c : cases) {
        Grid grid{};
        for (std::size_t i = 0; i < c.puzzle.size(); ++i)
            grid[i] = static_cast<std::int8_t>(c.puzzle[i] == '.' ? 0 : c.puzzle[i] - '0');
        EXPECT_EQ(solvedBySingles(grid), c.solved) << c.puzzle;
    }
    // Against the rater: what singles solve rates 2.3 at most, and what the
    // rater solves with singles alone, singles solve.
    using cellwright::logic::Technique;
    int solved = 0;
    for (std::uint64_t index = 0; index < 150; ++index) {
        const Puzzle puzzle = makePuzzle(11, index, Symmetry::None);
        cellwright::logic::Digits digits{};
        std::copy(puzzle.givens.begin(), puzzle.givens.end(), digits.begin());
        bool singlesOnly = true;
        const auto rating = cellwright::logic::explain(digits, [&](const auto& step) {
            singlesOnly = singlesOnly && (step.technique == Technique::FullHouse ||
                                          step.technique == Technique::HiddenSingle ||
                                          step.technique == Technique::NakedSingle);
        });
        const bool bySingles = solvedBySingles(puzzle.givens);
        EXPECT_TRUE(!bySingles || rating.er <= kSinglesAtMost) << index;
        EXPECT_TRUE(bySingles || !singlesOnly || rating.bound) << index;
        solved += bySingles;
    }
    EXPECT_GT(solved, 30);
    EXPECT_LT(solved, 120);
}

} // namespace
