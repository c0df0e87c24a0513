// What the hints, the solution check and the difficulty answer, on grids as
// a user leaves them: proper puzzles at each stage, and those that are not.
#include "logic/logic_test_support.hpp"
#include "ui/teaching_answers.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace cellwright::teaching;
using cellwright::logic::Step;
using cellwright::logic::Technique;
using cellwright::logic::test::digitsOf;

constexpr std::string_view kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr std::string_view kClash =
    "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Row 1 holds 1..8 around r1c5, whose column holds the 9.
constexpr std::string_view kDeadEnd =
    "1234.5678........................................9...............................";
constexpr std::string_view kEmpty =
    ".................................................................................";
// Easter Monster: one solution, beyond every technique built here.
constexpr std::string_view kBeyond =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

TEST(TeachingAnswers, HintsOnEveryKindOfGrid) {
    const struct {
        std::string_view grid;
        HintLevel level;
        std::string_view text;
        int focus;
    } cases[] = {
        {kPuzzle, HintLevel::WhereToLook, "Hint: look for a hidden single in box 2", -1},
        {kPuzzle, HintLevel::WhichDigit, "Hint: a hidden single 8 in box 2", -1},
        {kPuzzle, HintLevel::NextStep, "Hidden single: 8 can only go in row 1, column 6 in box 2",
         5},
        {kClash, HintLevel::NextStep, "Hint: the grid has two 5s in row 1", -1},
        {kDeadEnd, HintLevel::WhichDigit, "Hint: no solution — a digit may be wrong", -1},
        {kEmpty, HintLevel::WhereToLook, "Hint: several solutions — the puzzle is not complete",
         -1},
        {kSolution, HintLevel::NextStep, "Hint: the grid is full — nothing is left to solve", -1},
        {kBeyond, HintLevel::NextStep,
         "Hint: the techniques run out here — the next step needs a search", -1},
    };
    for (const auto& c : cases) {
        const Answer answer = hint(digitsOf(c.grid), c.level);
        EXPECT_EQ(answer.text, c.text) << c.grid;
        EXPECT_EQ(answer.focusCell, c.focus) << c.grid;
    }
    const std::atomic<bool> raised = true;
    EXPECT_EQ(hint(digitsOf(kPuzzle), HintLevel::NextStep, &raised).text,
              "Hint: finding the next step took too long, so it stopped");
}

// The whole step of each family of techniques, on grids where a player meets
// it, and where the focus goes: the placed cell, else the first cell that
// loses a candidate.
TEST(TeachingAnswers, EveryFamilyOfTechniquesReadsAsAStep) {
    const struct {
        std::string_view grid;
        std::string_view text;
        int focus;
    } cases[] = {
        {"9634.5.8272....45684562.3....7.8.6..3..5.4.......72.342...........9....7........5",
         "Full house: 1 is the last digit missing in box 1, at row 2, column 3", 11},
        {"....945....953.471...1.7938.1.3728.....48931....6152...8.9.37..53.7.1689....5.1.3",
         "Direct pointing: in box 3, 2 lies only in row 1, so 2 can only go in row 3, column 5 in "
         "box 2",
         22},
        {".781952.6.9.268..765237491898.437......58...9...9...8483675.49....6498737498.3..5",
         "Claiming: in row 4, 2 lies only in box 6, so r5c8 cannot be 2", 43},
        {".85.32.71.3........2..4...3.684937..........8..3.8..69342..68.765.87...48..3245.6",
         "Naked pair: in box 9, r7c8 and r9c8 hold only 1 and 9, so r8c7 and r8c8 cannot be 1 or "
         "9",
         69},
        {"5...3.7..73....16..1...75.3247...831189372456653.4.297...713645475269318361584972",
         "Hidden pair: in row 3, 4 and 6 only go in r3c3 and r3c4, so r3c3 cannot be 2 or 8 and "
         "r3c4 cannot be 8 or 9",
         20},
        {"...581629958326714..6749583...814.52.8.253.675.2697.48741968235..3475891895132476",
         "XY-wing: pivot r5c1, wings r6c2 and r1c1; one wing is 3, so r1c2 and r4c1 cannot be 3",
         1},
        {".8.21539...3698..59523741863.978651.5.814396....952.38237561849465839..1891427653",
         "Unique rectangle (type 1) on 2 and 7 at r2c8, r2c7, r8c7 and r8c8: only 2 and 7 there "
         "would give two solutions, so r2c7 cannot be 2 or 7",
         15},
        {".612.597.28.91763..974.6.12723564189649821357158793426976158243.3.672.91.1234976.",
         "BUG (type 1): but for r8c1, every empty cell would hold two digits and the puzzle two "
         "solutions, so r8c1 cannot be 4 or 8",
         63},
    };
    for (const auto& c : cases) {
        const Answer answer = hint(digitsOf(c.grid), HintLevel::NextStep);
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(answer.focusCell, c.focus) << c.text;
    }
}

// Where to look and which digit, for the families whose place is not one
// house: lines, a pivot, the cell a chain ends in.
TEST(TeachingAnswers, VagueAndConcreteHintsNameThePlace) {
    Step chain;
    chain.technique = Technique::ForcingChain;
    chain.chain.complexity = 10;
    chain.eliminations[55] = cellwright::logic::digitBit(3);
    Step fish;
    fish.technique = Technique::XWing;
    fish.size = 2;
    fish.digits = cellwright::logic::digitBit(6);
    for (const auto& [type, index] : {std::pair{1, 2}, {1, 4}, {2, 1}, {2, 5}})
        fish.addHouse(
            {static_cast<cellwright::logic::HouseType>(type), static_cast<std::uint8_t>(index)});
    fish.eliminations[12] = cellwright::logic::digitBit(6);
    const struct {
        const Step& step;
        HintLevel level;
        std::string_view text;
    } cases[] = {
        {chain, HintLevel::WhereToLook, "Hint: look for a forcing chain in box 7"},
        {chain, HintLevel::WhichDigit, "Hint: a forcing chain removing 3 in box 7"},
        {chain, HintLevel::NextStep, "Forcing chain (10 nodes): r7c2 cannot be 3"},
        {fish, HintLevel::WhereToLook, "Hint: look for an X-wing in rows 3 and 5"},
        {fish, HintLevel::WhichDigit, "Hint: an X-wing on 6s in rows 3 and 5"},
        {fish, HintLevel::NextStep,
         "X-wing: in rows 3 and 5, 6 only goes in columns 2 and 6, so r2c4 cannot be 6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepText(c.step, c.level), c.text);
}

// A typed digit that the rest cannot live with is named; a given is not.
TEST(TeachingAnswers, CheckingSolutions) {
    const std::string typo = std::string(kPuzzle).replace(2, 1, "2"); // r1c3 must be 4
    const struct {
        std::string_view grid, givens, text;
    } cases[] = {
        {kPuzzle, kEmpty, "Unique solution"},
        {kSolution, kPuzzle, "Unique solution"},
        {kEmpty, kEmpty, "Several solutions"},
        {kClash, kEmpty, "No solution — the grid has two 5s in row 1"},
        {typo, kPuzzle, "No solution — the 2 at row 1, column 3 cannot stand"},
        {kDeadEnd, kDeadEnd, "No solution"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkSolutions(digitsOf(c.grid), digitsOf(c.givens)).text, c.text) << c.grid;
}

TEST(TeachingAnswers, Difficulty) {
    const std::atomic<bool> raised = true;
    // As far as the techniques built so far reach.
    const std::string beyond =
        "Difficulty at least " +
        cellwright::logic::formatValue(cellwright::logic::rate(digitsOf(kBeyond)).er) +
        " (Extreme) — the techniques here run out";
    const struct {
        std::string_view grid;
        const std::atomic<bool>* cancel;
        std::string_view text;
    } cases[] = {
        {"..6.......2.....5.81.49....7..8..2.9.9...418....2..57..7..52...45...1...1........",
         nullptr, "Difficulty 3.4 (Medium), hardest step: hidden pair"},
        {kBeyond, nullptr, beyond},
        {kPuzzle, &raised, "Difficulty not rated — rating took too long, so it stopped"},
        {kEmpty, nullptr, "Difficulty not rated — the puzzle has several solutions"},
        {kDeadEnd, nullptr, "Difficulty not rated — the grid has no solution"},
        {kClash, nullptr, "Difficulty not rated — the grid has two 5s in row 1"},
        {kSolution, nullptr, "Difficulty not rated — the grid is already full"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(difficulty(digitsOf(c.grid), c.cancel).text, c.text) << c.grid;
}

} // namespace
