#include "counter/solution_count.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace {

using namespace cellwright::counter;

Cells cellsOf(std::string_view line) {
    Cells cells{};
    for (std::size_t i = 0; i < 81 && i < line.size(); ++i)
        cells[i] = line[i] >= '1' && line[i] <= '9' ? static_cast<std::int16_t>(line[i] - '0') : 0;
    return cells;
}

int unitOf(int kind, int cell) {
    const int row = cell / 9, col = cell % 9;
    return kind == 0 ? row : kind == 1 ? col : row / 3 * 3 + col / 3;
}

// A complete grid, each unit holding 1..9 once, that keeps every given.
bool solvesPuzzle(const std::array<std::int8_t, 81>& grid, const Cells& givens) {
    std::string solution(81, '.'), puzzle(81, '.');
    for (std::size_t i = 0; i < 81; ++i) {
        solution[i] = grid[i] >= 1 && grid[i] <= 9 ? static_cast<char>('0' + grid[i]) : '.';
        puzzle[i] = givens[i] != 0 ? static_cast<char>('0' + givens[i]) : '.';
    }
    return cellwright::test::solves(cellwright::test::boardOf(solution), puzzle);
}

// The plain way, to check against: fill the empty cell with the fewest
// options, try each digit in turn (shuffled when a random engine is given).
class PlainCounter {
  public:
    std::uint32_t count(Cells& cells, std::uint32_t limit, std::mt19937* shuffle = nullptr) {
        int best = -1, fewest = 10;
        unsigned bestOptions = 0;
        for (int cell = 0; cell < 81; ++cell) {
            if (cells[cell] != 0)
                continue;
            unsigned used = 0;
            for (int peer = 0; peer < 81; ++peer) {
                for (int kind = 0; kind < 3; ++kind) {
                    if (peer != cell && unitOf(kind, peer) == unitOf(kind, cell))
                        used |= 1U << cells[peer];
                }
            }
            const unsigned options = ~used & 0x3FEU;
            if (std::popcount(options) < fewest)
                best = cell, fewest = std::popcount(options), bestOptions = options;
        }
        if (best < 0)
            return 1;
        std::array<std::int16_t, 9> digits{};
        int n = 0;
        for (std::int16_t digit = 1; digit <= 9; ++digit) {
            if (bestOptions >> digit & 1U)
                digits[n++] = digit;
        }
        if (shuffle != nullptr)
            std::shuffle(digits.begin(), digits.begin() + n, *shuffle);
        std::uint32_t found = 0;
        for (int i = 0; i < n && found < limit; ++i) {
            cells[best] = digits[i];
            found += count(cells, limit - found, shuffle);
        }
        if (found == 0 || shuffle == nullptr)
            cells[best] = 0;
        return found;
    }
};

constexpr std::string_view kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
constexpr std::string_view kGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr std::string_view kEmpty = ".";

struct KnownCount {
    const char* what;
    std::string_view puzzle;
    std::uint32_t limit;
    std::uint32_t solutions;
};

TEST(SolutionCount, KnownCounts) {
    const KnownCount cases[] = {
        {"unique", kClassic, 2, 1},
        {"17 clues",
         ".................1..2.34.........35....6..2...7.18.......5....2.3....4..68.......", 2, 1},
        {"AI Escargot",
         "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..", 2, 1},
        {"forum hardest",
         "98.7..6....56...9.....94..84.........7.3..2....8..5..6.3.....61..71...2.....3.7..", 2, 1},
        {"one given less",
         "53..7....6..195....98......8...6...34..8.3..17...2...6.6....28....419..5....8..79", 9, 2},
        {"eight givens less",
         "....................8....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
         kMaxSolutionLimit, 34244},
        {"64 solutions, limit 63",
         "..............5....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 63,
         63},
        {"capped at the most",
         "...........................8...6...34..8.3..17...2...6.6....28....419..5....8..79",
         2'000'000, kMaxSolutionLimit},
        {"given changed",
         "13..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 2, 0},
        {"row clash",
         "537.7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 2, 0},
        {"column clash across bands",
         "53.47....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 2, 0},
        {"box clash",
         "536.7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 2, 0},
        {"empty", kEmpty, 1000, 1000},
        {"empty, limit 0 means 1", kEmpty, 0, 1},
        {"full grid", kGrid, 2, 1},
        {"full grid, one clash",
         "534678912672195348198342567859761423426853791713924856961537284287419635345286177", 2, 0},
    };
    for (const KnownCount& c : cases) {
        const Cells cells = cellsOf(c.puzzle);
        const CountResult result = countSolutions(cells, c.limit);
        EXPECT_EQ(result.solutions, c.solutions) << c.what;
        if (c.solutions == 0)
            EXPECT_EQ(result.solution, decltype(result.solution){}) << c.what;
        else
            EXPECT_TRUE(solvesPuzzle(result.solution, cells)) << c.what;
    }
}

TEST(SolutionCount, CellsOutsideZeroToNineGiveNone) {
    for (const std::int16_t bad : {-1, 10, 255}) {
        Cells cells = cellsOf(kClassic);
        cells[80] = bad;
        EXPECT_EQ(countSolutions(cells, 2).solutions, 0U) << bad;
    }
}

TEST(SolutionCount, EveryBenchPuzzleIsUnique) {
    std::ifstream in(CELLWRIGHT_BENCH_PUZZLES);
    std::string line;
    int puzzles = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const Cells cells = cellsOf(line);
        const CountResult result = countSolutions(cells, 2);
        ASSERT_EQ(result.solutions, 1U) << line;
        ASSERT_TRUE(solvesPuzzle(result.solution, cells)) << line;
        ++puzzles;
    }
    EXPECT_EQ(puzzles, 986);
}

// Random solved grids with 50 to 60 cells emptied: from one solution to many.
TEST(SolutionCount, AgreesWithPlainBacktracking) {
    std::mt19937 random(20261207);
    PlainCounter plain;
    for (int round = 0; round < 150; ++round) {
        Cells grid{};
        ASSERT_EQ(plain.count(grid, 1, &random), 1U);
        std::array<int, 81> order{};
        for (int i = 0; i < 81; ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        const int emptied = 50 + round % 11;
        for (int i = 0; i < emptied; ++i)
            grid[order[i]] = 0;
        const std::uint32_t limit = 1 + random() % 300;
        Cells work = grid;
        const CountResult result = countSolutions(grid, limit);
        ASSERT_EQ(result.solutions, plain.count(work, limit)) << "round " << round;
        EXPECT_TRUE(solvesPuzzle(result.solution, grid)) << "round " << round;
    }
}

} // namespace

TEST(SolutionCount, AnotherDigitAtACell) {
    const Cells classic = cellsOf(kClassic);
    const struct {
        const char* what;
        Cells cells;
        int cell, digit;
        bool another;
    } cases[] = {
        {"unique, its digit", classic, 2, 4, false},
        {"unique, another digit", classic, 2, 5, true},
        {"a given, its digit", classic, 0, 5, false},
        {"a given, another digit", classic, 0, 4, true},
        {"two solutions, where they differ",
         cellsOf(
             "....7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"),
         0, 5, true},
        {"clash", cellsOf("55"), 2, 1, false},
        {"cell out of range", classic, 81, 5, false},
        {"digit out of range", classic, 2, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasSolutionWithout(c.cells, c.cell, c.digit), c.another) << c.what;
    // In random puzzles: does some solution put another digit in the cell than
    // the grid they were cut from? Asked of each other digit in turn.
    std::mt19937 random(20261208);
    PlainCounter plain;
    int yes = 0;
    for (int round = 0; round < 100; ++round) {
        Cells grid{};
        plain.count(grid, 1, &random);
        Cells puzzle = grid;
        for (int i = 0; i < 60 + round % 20; ++i)
            puzzle[random() % 81] = 0;
        const int cell = static_cast<int>(random() % 81);
        puzzle[cell] = 0;
        std::uint32_t others = 0;
        for (std::int16_t digit = 1; digit <= 9; ++digit) {
            Cells pinned = puzzle;
            pinned[cell] = digit;
            others += digit != grid[cell] && countSolutions(pinned, 1).solutions != 0;
        }
        EXPECT_EQ(hasSolutionWithout(puzzle, cell, grid[cell]), others != 0) << "round " << round;
        yes += others != 0;
    }
    EXPECT_TRUE(yes > 25 && yes < 75) << yes << " of 100: both answers are asked for";
}
