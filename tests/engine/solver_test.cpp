#include "engine/candidates.hpp"
#include "engine/messages.hpp"
#include "engine/solver.hpp"
#include "files/board_file.hpp"
#include "files/directory_backups.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace cellwright {
namespace {

namespace fs = std::filesystem;
using test::boardOf;

using test::kTwoDeadEnds;

// Passes driven one by one, with backups as real files in a private
// application directory.
class SolverPass : public ::testing::Test {
  protected:
    void load(std::string_view line) { state.board = boardOf(line); }
    bool pass() { return solveBoard(state, host); }
    std::string backup(int level) const {
        return dir.file("backup" + std::to_string(level) + ".bak");
    }
    Board backupBoard(int level) const {
        Board board;
        EXPECT_TRUE(readBoardFile(backup(level), board)) << backup(level);
        return board;
    }
    void writeBackup(int level, std::string_view line) {
        ASSERT_TRUE(writeBoardFile(backup(level), boardOf(line)));
    }
    void startWithDepth(std::int16_t depth) {
        state.guessDepth = depth;
        for (int d = 0; d < depth; ++d)
            state.guessStack[d] = GuessEntry{1, 2, 1};
    }

    test::TempDir dir;
    DirectoryBackups host{dir.path()};
    EngineState state;
};

TEST_F(SolverPass, FullGuessAndBacktrackCycle) {
    load(kTwoDeadEnds);
    const auto givens = state.board.digits();
    {
        Board probe = state.board;
        ASSERT_EQ(getMinProbability(probe), 2);
    }

    // Guess 4 at level 0.
    EXPECT_FALSE(pass());
    EXPECT_EQ(backupBoard(0).digits(), givens);
    EXPECT_EQ(state.guessStack[0], (GuessEntry{6, 0, 1}));
    EXPECT_EQ(state.board.digit(6, 0), 4);
    EXPECT_EQ(state.guessDepth, 1);

    // Singles until a dead end, then back to B.
    while (state.guessDepth == 1)
        ASSERT_FALSE(pass());
    EXPECT_EQ(state.guessDepth, 0);
    EXPECT_EQ(state.board.digits(), givens);
    EXPECT_EQ(state.guessStack[1].nextCandidate, 0);
    EXPECT_EQ(state.guessStack[0].nextCandidate, 1);

    // Guess 6, the second candidate.
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.board.digit(6, 0), 6);
    EXPECT_EQ(state.guessStack[0], (GuessEntry{6, 0, 2}));
    EXPECT_EQ(state.guessDepth, 1);
    while (state.guessDepth == 1)
        ASSERT_FALSE(pass());
    EXPECT_EQ(state.board.digits(), givens);

    // No candidate left at level 0.
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardUnsolvable);
    EXPECT_EQ(state.guessDepth, 0);
    EXPECT_EQ(state.guessStack[0].nextCandidate, 2);
    EXPECT_EQ(state.board.digits(), givens);
    EXPECT_TRUE(fs::exists(backup(0))) << "backups stay after Board Is Unsolvable";
}

TEST_F(SolverPass, GuessLimitStopsBeforeAnyAnalysis) {
    load(test::kSolution);
    startWithDepth(100);
    test::writeText(backup(3), "x");
    test::writeText(dir.file("other.bak"), "x");
    const EngineState before = state;
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kGuessLimitReached);
    EXPECT_EQ(state, before) << "not even the marks are recomputed";
    EXPECT_FALSE(fs::exists(backup(3)));
    EXPECT_TRUE(fs::exists(dir.file("other.bak"))) << "only the solver's backups go";
    EXPECT_TRUE(pass());
    EXPECT_EQ(state.guessDepth, 100);
}

TEST_F(SolverPass, SolvedBoardReportsAndRemovesBackups) {
    load(test::kSolution);
    startWithDepth(2);
    writeBackup(0, test::kPuzzle);
    writeBackup(1, test::kPuzzle);
    const auto digits = state.board.digits();
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardSolved);
    EXPECT_EQ(state.board.digits(), digits);
    EXPECT_EQ(state.guessDepth, 2);
    EXPECT_FALSE(fs::exists(backup(0)));
    EXPECT_FALSE(fs::exists(backup(1)));
    EXPECT_TRUE(pass()) << "a further pass reports it again";
    EXPECT_EQ(host.message(), kBoardSolved);
}

TEST_F(SolverPass, ClashIsUnsolvableWithoutBackingOut) {
    load(test::kPuzzle);
    ASSERT_TRUE(state.board.setDigit(0, 2, 5)); // second 5 in row 0
    startWithDepth(3);
    writeBackup(2, test::kSolution);
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardUnsolvable);
    EXPECT_EQ(state.guessDepth, 3);
    EXPECT_EQ(state.board.digit(0, 2), 5);
}

// Row 0 holds 1..8 except at (0, 4) and (0, 8)... arranged so that (0, 4) has no
// candidate: its column holds the missing 9.
std::string deadEndBoard() {
    std::string line(81, '.');
    const std::string row0 = "1234.5678";
    line.replace(0, 9, row0);
    line[9 * 5 + 4] = '9';
    return line;
}

TEST_F(SolverPass, DeadEndAtDepthZeroIsUnsolvable) {
    load(deadEndBoard());
    const EngineState before = state;
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardUnsolvable);
    EXPECT_EQ(state.board.digits(), before.board.digits());
    EXPECT_EQ(state.guessStack, before.guessStack);
    EXPECT_EQ(state.guessDepth, 0);
}

TEST_F(SolverPass, DeadEndAtDepthThreeRestoresBackupTwo) {
    load(deadEndBoard());
    startWithDepth(3);
    state.guessStack[3].nextCandidate = 4;
    writeBackup(2, test::kPuzzle);
    EXPECT_FALSE(pass());
    EXPECT_EQ(host.message(), "");
    EXPECT_EQ(state.guessStack[3].nextCandidate, 0);
    EXPECT_EQ(state.guessStack[2].nextCandidate, 1) << "the level below keeps its next candidate";
    EXPECT_EQ(state.guessDepth, 2);
    EXPECT_EQ(state.board.digits(), boardOf(test::kPuzzle).digits());
}

TEST_F(SolverPass, SinglesOnlyFillCells) {
    load(test::kPuzzle);
    startWithDepth(2);
    const GuessStack stack = state.guessStack;
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.guessStack, stack);
    EXPECT_EQ(state.guessDepth, 2);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    int filled = 0;
    const Board puzzle = boardOf(test::kPuzzle);
    for (int i = 0; i < kCellCount; ++i) {
        if (puzzle.digit(i) == 0 && state.board.digit(i) != 0) {
            ++filled;
            EXPECT_EQ(state.board.digit(i), test::kSolution[i] - '0') << "cell " << i;
        }
    }
    EXPECT_GT(filled, 0);
}

TEST_F(SolverPass, TwoPeersWithTheSameSingleCandidateOnlyTheFirstIsFilled) {
    // Row 0 misses 5 at (0, 3) and (0, 7); everything else in the row is given.
    // (0, 3) and (0, 7) also miss nothing else: their columns hold the other digit.
    std::string line(81, '.');
    line.replace(0, 9, "1234.678.");
    line[9 * 4 + 4] = '9'; // column 4 rules out 9 for (0, 4)
    line[9 * 4 + 8] = '9'; // column 8 likewise
    // Two 9s in row 4 would clash: move the second into another row and box.
    line[9 * 4 + 8] = '.';
    line[9 * 7 + 8] = '9';
    load(line);
    {
        Board probe = state.board;
        ASSERT_EQ(getMinProbability(probe), 1);
    }
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.board.digit(0, 4), 5);
    EXPECT_EQ(state.board.digit(0, 8), 0) << "its only candidate was taken by the left cell";
    Board probe = state.board;
    EXPECT_EQ(getMinProbability(probe), 0);
}

TEST_F(SolverPass, EmptyBoardFirstPassGuessesOneAtTheCorner) {
    EXPECT_FALSE(pass());
    EXPECT_EQ(test::readText(backup(0)).size(), 243U);
    EXPECT_EQ(backupBoard(0).digits(), Board{}.digits());
    EXPECT_EQ(state.board.digit(0, 0), 1);
    EXPECT_EQ(state.guessStack[0], (GuessEntry{0, 0, 1}));
    EXPECT_EQ(state.guessDepth, 1);
}

TEST_F(SolverPass, GuessAndBackOutUseTheFileOfTheirLevel) {
    load(kTwoDeadEnds);
    startWithDepth(12);
    state.guessStack[12].nextCandidate = 0;
    EXPECT_FALSE(pass());
    EXPECT_TRUE(fs::exists(backup(12)));
    EXPECT_EQ(state.guessDepth, 13);

    // Back out of level 13 to 12: backup12.bak is read.
    writeBackup(12, test::kPuzzle);
    load(deadEndBoard());
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.guessDepth, 12);
    EXPECT_EQ(state.board.digits(), boardOf(test::kPuzzle).digits());
}

TEST_F(SolverPass, NoCandidateLeftAboveDepthZeroBacksOut) {
    load(kTwoDeadEnds);
    startWithDepth(2);
    state.guessStack[2].nextCandidate = 2; // both candidates tried
    writeBackup(1, test::kPuzzle);
    EXPECT_FALSE(pass());
    EXPECT_EQ(backupBoard(2).digits(), boardOf(kTwoDeadEnds).digits());
    EXPECT_EQ(state.guessStack[2], (GuessEntry{6, 0, 0}));
    EXPECT_EQ(state.guessDepth, 1);
    EXPECT_EQ(state.board.digits(), boardOf(test::kPuzzle).digits());
}

TEST_F(SolverPass, NinthCandidateAtDepthZeroStaysAndEndsTheSearch) {
    state.guessStack[0].nextCandidate = 8;
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardUnsolvable);
    EXPECT_EQ(state.board.digit(0, 0), 9);
    EXPECT_EQ(state.guessStack[0].nextCandidate, 9);
    EXPECT_EQ(state.guessDepth, 0);

    // Emptied again (as an edit in the grid would), slot 2 now points past the
    // nine-entry list: that counts as used up, never a read out of bounds.
    ASSERT_TRUE(state.board.setDigit(0, 0, 0));
    EXPECT_TRUE(pass());
    EXPECT_EQ(host.message(), kBoardUnsolvable);
    EXPECT_EQ(state.board.digit(0, 0), 0);
}

TEST_F(SolverPass, NinthCandidateAboveDepthZeroIsWithdrawnByTheReload) {
    startWithDepth(1);
    state.guessStack[1].nextCandidate = 8;
    writeBackup(0, test::kPuzzle);
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.guessStack[1].nextCandidate, 0);
    EXPECT_EQ(state.guessDepth, 0);
    EXPECT_EQ(state.board.digits(), boardOf(test::kPuzzle).digits());
}

TEST_F(SolverPass, UnwritableBackupStopsBeforeTheGuess) {
    test::writeText(dir.file("plain"), "x"); // a file where a directory should be
    DirectoryBackups broken(dir.file("plain"));
    load(kTwoDeadEnds);
    doProbCheck(state.board);
    const EngineState before = state;
    EXPECT_TRUE(solveBoard(state, broken));
    EXPECT_EQ(broken.message(), kErrorSavingBoard);
    EXPECT_EQ(state, before);
}

TEST_F(SolverPass, LostBackupStopsTheSearchWithAnError) {
    load(kTwoDeadEnds);
    EXPECT_FALSE(pass());
    ASSERT_TRUE(fs::remove(backup(0)));
    bool done = false;
    while (!done && state.guessDepth == 1)
        done = pass();
    EXPECT_TRUE(done);
    EXPECT_EQ(host.message(), kErrorLoadingBoard);
    EXPECT_EQ(state.guessDepth, 0) << "the back-out's depth change stands";
    EXPECT_EQ(state.guessStack[1].nextCandidate, 0);
}

TEST_F(SolverPass, EveryPassSetsItsResult) {
    load(test::kPuzzle);
    EXPECT_FALSE(pass()); // singles
    load(kTwoDeadEnds);
    EXPECT_FALSE(pass()); // a guess
    load(deadEndBoard());
    EXPECT_FALSE(pass()); // a back-out above depth 0
    load(deadEndBoard());
    EXPECT_TRUE(pass()); // and at depth 0
}

// Simple filling works from unit masks; it must leave exactly what the sweep's
// definition leaves, alone and inside a pass.
TEST(SimpleFilling, PassMatchesAnalysisThenSweepOnRandomBoards) {
    std::mt19937 rng(2024);
    int compared = 0;
    for (int round = 0; round < 4000; ++round) {
        Board board = boardOf(test::kSolution);
        for (int i = 0; i < kCellCount; ++i) {
            if (static_cast<int>(rng() % 100) < 30 + round % 60) {
                ASSERT_TRUE(board.setDigit(i, 0));
            }
        }
        Board reference = board;
        if (getMinProbability(reference) != 1)
            continue;
        // The sweep by its definition: each empty cell in turn, recomputed
        // from the digits as they stand, filled when one candidate is left.
        Board standalone = reference;
        for (int i = 0; i < kCellCount; ++i) {
            if (reference.digit(i) != 0)
                continue;
            std::int16_t last = 0;
            const auto row = static_cast<std::int16_t>(rowOf(i));
            const auto col = static_cast<std::int16_t>(colOf(i));
            if (findProbables(reference, row, col, last) == 1) {
                ASSERT_TRUE(reference.setDigit(i, last));
            }
        }
        solveSimpleCells(standalone);
        ASSERT_EQ(standalone, reference) << "round " << round;
        EngineState state;
        state.board = board;
        MemoryBackups host;
        ASSERT_FALSE(solveBoard(state, host));
        ASSERT_EQ(state.board, reference) << "round " << round;
        ++compared;
    }
    EXPECT_GT(compared, 1000);
}

struct WholeSolve {
    std::string_view name;
    std::string_view puzzle;
};

class WholeSolves : public ::testing::TestWithParam<WholeSolve> {};

TEST_P(WholeSolves, GiveACompleteValidGridWithEveryGiven) {
    test::TempDir dir;
    DirectoryBackups onDisk(dir.path());
    MemoryBackups inMemory;
    EngineState disk;
    EngineState memory;
    disk.board = memory.board = boardOf(GetParam().puzzle);
    const SolveResult diskRun = solveToEnd(disk, onDisk);
    const SolveResult memoryRun = solveToEnd(memory, inMemory);
    EXPECT_EQ(onDisk.message(), kBoardSolved);
    EXPECT_TRUE(test::solves(disk.board, GetParam().puzzle));
    EXPECT_TRUE(fs::is_empty(dir.path())) << "backups are deleted once solved";
    // Both kinds of backup give the same search.
    EXPECT_EQ(disk, memory);
    EXPECT_EQ(diskRun.passes, memoryRun.passes);
    EXPECT_EQ(onDisk.counts().guesses, inMemory.counts().guesses);
    EXPECT_EQ(onDisk.counts().backouts, inMemory.counts().backouts);
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, WholeSolves,
    ::testing::Values(
        WholeSolve{"singles", test::kPuzzle}, WholeSolve{"escargot", test::kHardPuzzle},
        WholeSolve{"empty", std::string_view("....................................................."
                                             "............................")},
        WholeSolve{"solved", test::kSolution},
        WholeSolve{
            "platinum",
            "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace cellwright
