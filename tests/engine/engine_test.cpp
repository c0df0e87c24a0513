// The engine's promises: a cell's marks are the digits its row, column and box
// leave open with the cell emptied; a pass fills singles, guesses, backs out or
// ends the search; a search ends "Board Solved" exactly when there is a solution.
#include "engine/backup_store.hpp"
#include "engine/candidates.hpp"
#include "engine/mark_cells.hpp"
#include "engine/solve_to_end.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "support/directory_backups.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace cellwright {
namespace {

using namespace test;

const std::string kClashing = lineWith({{2, '5'}}, std::string(kPuzzle));

EngineState stateOf(std::string_view line, int depth = 0) {
    EngineState state{boardOf(line), {}, static_cast<std::int16_t>(depth)};
    for (int d = 0; d < depth; ++d)
        state.guessStack[static_cast<std::size_t>(d)] = GuessEntry{1, 2, 1};
    return state;
}

// Every cell's marks by their definition, one findProbables a cell; counted
// stays true while each call counts them and names the highest.
Board marksByDefinition(Board board, bool& counted) {
    for (int i = 0; i < kCellCount; ++i) {
        const int v = board.digit(i);
        std::int16_t last = -1;
        (void)board.setDigit(i, 0);
        const int count = findProbables(board, static_cast<std::int16_t>(rowOf(i)),
                                        static_cast<std::int16_t>(colOf(i)), last);
        (void)board.setDigit(i, v);
        const Board::Mask marks = board.marks(i);
        counted = counted && count == countMarks(marks) &&
                  last == (marks == 0 ? 0 : std::bit_width(marks));
    }
    return board;
}

// Boards of any density, clashes made and some mended by later edits, and a
// solved board: every path that writes marks gives the marks by definition,
// the verdict they imply (a clash wins over everything), and the cell getCell
// finds for it.
TEST(Marks, EveryPathAgreesWithTheDefinitionOnRandomBoards) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 1000; ++round) {
        SCOPED_TRACE(round);
        Board board;
        const int density = static_cast<int>(rng() % 81);
        for (int i = 0; i < kCellCount; ++i) {
            if (static_cast<int>(rng() % 81) < density)
                (void)board.setDigit(i, 1 + static_cast<int>(rng() % 9));
        }
        if (round == 0)
            board = boardOf(kSolution);
        if (round % 2 == 1) {
            (void)getMinProbability(board); // the units of a clashing board refreshed
            for (int edits = static_cast<int>(rng() % 30); edits > 0; --edits)
                (void)board.setDigit(static_cast<int>(rng() % 81), static_cast<int>(rng() % 10));
        }
        bool counted = true;
        const Board reference = marksByDefinition(board, counted);
        ASSERT_TRUE(counted) << "findProbables' count and highest candidate";
        int verdict = kNoEmptyCell;
        for (int i = 0; i < kCellCount && verdict != kClash; ++i) {
            const int v = reference.digit(i);
            verdict = v == 0 ? std::min(verdict, countMarks(reference.marks(i)))
                      : reference.at(rowOf(i), colOf(i), v) == 0 ? kClash
                                                                 : verdict;
        }
        std::int16_t row = -1, col = -1;
        ProbList list{};
        if (verdict <= kSize)
            getCell(static_cast<std::int16_t>(verdict), reference, row, col, list);
        for (auto path : {&detail::markAllCellsScalar, &detail::markAllCellsSimd}) {
            Board marked = board;
            const detail::Analysis analysis = path(marked);
            ASSERT_EQ(marked, reference);
            ASSERT_EQ(analysis.code, verdict);
            ASSERT_EQ(analysis.firstAtMin, row < 0 ? -1 : gridIndex(row, col));
        }
        Board checked = board;
        doProbCheck(checked);
        ASSERT_EQ(checked, reference);
        ASSERT_EQ(getMinProbability(checked), verdict);
        clearProbables(checked);
        ASSERT_EQ(checked, boardOf(puzzleLineOf(board))) << "no marks left, digits kept";
    }
}

// One pass from a given depth, with the level below backed up as kPuzzle in a
// directory, or in one that cannot be written: what it reports (the guess it
// placed, as cell and digit), and what it leaves.
TEST(SolverPass, GuessesBacksOutOrEndsTheSearchAsTheBoardRequires) {
    using enum PassAction;
    const std::string puzzle(kPuzzle), emptyBoard(kEmptyBoard), twoDeadEnds(kTwoDeadEnds);
    const struct {
        std::string_view line;
        int depth, next; // the entry at depth: its next candidate
        bool brokenBackups;
        PassAction action;
        std::string_view message;
        int guessCell, guessDigit;
        int depthAfter, nextAfter;
        std::string lineAfter;
    } cases[] = {
        // Each candidate of the first cell with the fewest, in turn, the board
        // backed up first; with none left at depth 0 the board is unsolvable.
        {kTwoDeadEnds, 0, 0, false, Guess, "", 54, 4, 1, 1, lineWith({{54, '4'}}, twoDeadEnds)},
        {kTwoDeadEnds, 0, 1, false, Guess, "", 54, 6, 1, 2, lineWith({{54, '6'}}, twoDeadEnds)},
        {kTwoDeadEnds, 0, 2, false, End, kBoardUnsolvable, -1, 0, 0, 2, twoDeadEnds},
        // The last level that may still guess.
        {kTwoDeadEnds, 99, 0, false, Guess, "", 54, 4, 100, 1, lineWith({{54, '4'}}, twoDeadEnds)},
        {kSolution, 2, 0, false, End, kBoardSolved, -1, 0, 2, 0, std::string(kSolution)},
        {kSolution, 100, 0, false, End, kGuessLimitReached, -1, 0, 100, 0, std::string(kSolution)},
        {kClashing, 3, 0, false, End, kBoardUnsolvable, -1, 0, 3, 0, kClashing},
        {kDeadEnd, 0, 0, false, End, kBoardUnsolvable, -1, 0, 0, 0, std::string(kDeadEnd)},
        // The ninth candidate stays at depth 0; emptied again by an edit, a
        // position past the list counts as used up.
        {kEmptyBoard, 0, 8, false, End, kBoardUnsolvable, 0, 9, 0, 9, lineWith({{0, '9'}})},
        {kEmptyBoard, 0, 9, false, End, kBoardUnsolvable, -1, 0, 0, 9, emptyBoard},
        // Above depth 0 the board comes back from the level below, whose entry
        // keeps its next candidate.
        {kDeadEnd, 3, 4, false, BackOut, "", -1, 0, 2, 0, puzzle},
        {kTwoDeadEnds, 2, 2, false, BackOut, "", -1, 0, 1, 0, puzzle},
        {kEmptyBoard, 1, 8, false, Guess, "", 0, 9, 0, 0, puzzle},
        {kDeadEnd, 13, 0, false, BackOut, "", -1, 0, 12, 0, puzzle},
        // A backup that fails stops the search: before the guess, or with the
        // back-out's change of depth, the board as it was.
        {kTwoDeadEnds, 0, 0, true, End, kErrorSavingBoard, -1, 0, 0, 0, twoDeadEnds},
        {kDeadEnd, 3, 4, true, End, kErrorLoadingBoard, -1, 0, 2, 0, std::string(kDeadEnd)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.line << " at depth " << c.depth);
        TempDir dir;
        writeText(dir.file("plain"), "x"); // a file where a directory should be
        DirectoryBackups host(c.brokenBackups ? dir.file("plain") : dir.path());
        const auto level = [&](int d) {
            return backupFilePath(dir.path(), static_cast<std::int16_t>(std::max(d, 0)));
        };
        const auto backupLine = [&](int d) {
            Board board;
            return readBoardFile(level(d), board) ? puzzleLineOf(board) : "none";
        };
        ASSERT_TRUE(writeBoardFile(level(c.depth - 1), boardOf(kPuzzle)));
        EngineState state = stateOf(c.line, c.depth);
        state.guessStack[static_cast<std::size_t>(c.depth)].nextCandidate =
            static_cast<std::int16_t>(c.next);
        const EngineState before = state;
        const PassReport pass = solveBoard(state, host);
        EXPECT_EQ(pass.action, c.action);
        EXPECT_EQ(pass.ended() ? messageOf(pass.verdict) : "", c.message);
        EXPECT_EQ(pass.cell, c.guessCell);
        EXPECT_EQ(pass.digit, c.guessDigit);
        EXPECT_EQ(pass.backedOut, c.depthAfter < c.depth);
        EXPECT_EQ(state.guessDepth, c.depthAfter);
        EXPECT_EQ(state.guessStack[static_cast<std::size_t>(c.depth)].nextCandidate, c.nextAfter);
        EXPECT_EQ(state.guessStack[0].nextCandidate, c.depth > 0 ? 1 : c.nextAfter);
        EXPECT_EQ(puzzleLineOf(state.board), c.lineAfter);
        const bool backupsGo = c.message == kBoardSolved || c.message == kGuessLimitReached;
        EXPECT_EQ(backupLine(c.depth - 1) != "none", !backupsGo);
        EXPECT_TRUE(c.depthAfter <= c.depth || backupLine(c.depth) == c.line)
            << "saved before the guess";
        EXPECT_TRUE(c.depth <= kMaxGuessDepth || state == before) << "the limit stops at once";
    }
}

// Backups in memory; the nth save or load (from 0) fails, -1: none.
struct FailingBackups final : SolverHost {
    FailingBackups(int failingSave, int failingLoad) : saves(failingSave), loads(failingLoad) {}
    bool saveBackup(std::int16_t level, const Board& arr) override {
        saved[static_cast<std::size_t>(level)].copyDigitsFrom(arr);
        return saves-- != 0;
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        if (loads-- == 0)
            return false;
        arr.copyDigitsFrom(saved[static_cast<std::size_t>(level)]);
        return true;
    }
    bool deleteBackups() override { return true; }
    int saves, loads;
    std::array<Board, kGuessStackSize> saved{};
};

// The same search by solveBoard and by quiet passes side by side: every pass
// gives the same report, digits and guesses, the last the same marks.
// Returns the message the search ended with.
std::string searchBothWays(const EngineState& start, int failingSave = -1, int failingLoad = -1) {
    EngineState loud = start, quiet = start;
    FailingBackups loudHost(failingSave, failingLoad), quietHost(failingSave, failingLoad);
    for (int pass = 0; pass < 200000; ++pass) {
        const Board before = loud.board;
        const PassReport report = solveBoard(loud, loudHost);
        if (solveBoardQuietly(quiet, quietHost) != report ||
            quiet.board.digits() != loud.board.digits() || quiet.guessStack != loud.guessStack ||
            quiet.guessDepth != loud.guessDepth) {
            ADD_FAILURE() << "quiet passes differ at pass " << pass;
            return "";
        }
        CellSet changed; // what a fill reports is what it changed
        for (int i = 0; i < kCellCount; ++i) {
            if (loud.board.digit(i) != before.digit(i))
                changed |= kSingleCell[i];
        }
        EXPECT_TRUE(report.action != PassAction::Fill || report.filled == changed);
        if (report.ended()) {
            EXPECT_EQ(quiet.board, loud.board) << "marks left by the last pass";
            return std::string(messageOf(report.verdict));
        }
    }
    ADD_FAILURE() << "the search did not end";
    return "";
}

TEST(WholeSearch, EndsSolvedExactlyWhenThePuzzleHasASolution) {
    // Its one solution needs a 4 in the last cell; the 5 clashes with no given.
    const std::string broken = lineWith({{80, '5'}}, std::string(kHardPuzzle));
    const std::string_view platinum =
        "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9";
    const std::pair<std::string_view, std::string_view> searches[] = {
        {kPuzzle, kBoardSolved},       {kHardPuzzle, kBoardSolved},
        {kSolution, kBoardSolved},     {kEmptyBoard, kBoardSolved},
        {platinum, kBoardSolved},      {kTwoDeadEnds, kBoardUnsolvable},
        {kClashing, kBoardUnsolvable}, {kDeadEnd, kBoardUnsolvable},
        {broken, kBoardUnsolvable}};
    for (const auto& [puzzle, ending] : searches) {
        SCOPED_TRACE(puzzle);
        const EngineState start = stateOf(puzzle);
        EXPECT_EQ(searchBothWays(start), ending);
        MemoryBackups inMemory; // as the headless solver keeps them
        EngineState memory = start;
        EXPECT_EQ(messageOf(solveToEnd(memory, inMemory).verdict), ending);
        EXPECT_EQ(solves(memory.board, puzzle), ending == kBoardSolved);
    }
}

// How a few searches go, pass by pass: singles are filled, never guessed;
// guesses go where the fewest candidates are and are backed out of in turn.
TEST(WholeSearch, TakesAsManyPassesAndGuessesAsTheAlgorithmDoes) {
    const struct {
        std::string_view puzzle;
        std::int64_t passes, guesses, backouts;
        int maxDepth;
    } searches[] = {{kPuzzle, 6, 0, 0, 0},
                    {kTwoDeadEnds, 7, 2, 2, 1},
                    {kHardPuzzle, 80, 22, 12, 10},
                    {kEmptyBoard, 68, 47, 0, 47}};
    for (const auto& c : searches) {
        SCOPED_TRACE(c.puzzle);
        EngineState state = stateOf(c.puzzle);
        MemoryBackups host;
        const SolveResult run = solveToEnd(state, host);
        EXPECT_EQ(run.passes, c.passes);
        EXPECT_EQ(run.guesses, c.guesses);
        EXPECT_EQ(run.backouts, c.backouts);
        EXPECT_EQ(run.maxDepth, c.maxDepth);
    }
}

// Quiet passes write the marks wherever the search ends: a backup that fails,
// the guess limit, the ninth candidate. (The engine's fuzz target runs them
// side by side on random boards.)
TEST(WholeSearch, QuietPassesMatchSolveBoardWhereverTheSearchEnds) {
    for (const int n : {0, 1, 5}) {
        EXPECT_EQ(searchBothWays(stateOf(kHardPuzzle), n, -1), kErrorSavingBoard);
        EXPECT_EQ(searchBothWays(stateOf(kHardPuzzle), -1, n), kErrorLoadingBoard);
    }
    EXPECT_EQ(searchBothWays(stateOf(kTwoDeadEnds, kMaxGuessDepth)), kGuessLimitReached);
    EngineState ninth = stateOf(kEmptyBoard);
    ninth.guessStack[0].nextCandidate = 8;
    EXPECT_EQ(searchBothWays(ninth), kBoardUnsolvable);
    ninth.guessDepth = 1;
    ninth.guessStack[1].nextCandidate = 8;
    searchBothWays(ninth);
}

} // namespace
} // namespace cellwright
