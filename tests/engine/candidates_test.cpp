#include "engine/candidates.hpp"
#include "engine/engine_state.hpp"
#include "engine/mark_cells.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <random>

namespace cellwright {
namespace {

using test::boardOf;

std::vector<int> layersOf(const Board& board, int row, int col) {
    std::vector<int> layers;
    for (int d = 1; d <= 9; ++d)
        layers.push_back(board.at(row, col, d));
    return layers;
}

// Row 0 holds 1..9 except cell (0, 4); column 4 and the box supply the rest.
Board boardWithCandidatesAt04(std::initializer_list<int> wanted) {
    Board board;
    int col = 0;
    for (int d = 1; d <= 9; ++d) {
        if (std::find(wanted.begin(), wanted.end(), d) != wanted.end())
            continue;
        if (col == 4)
            ++col;
        EXPECT_TRUE(board.setDigit(0, col++, d));
    }
    return board;
}

TEST(FindProbables, EmptyBoardLeavesAllNineCandidates) {
    Board board;
    for (const auto& [row, col] : {std::pair{0, 0}, {4, 4}, {8, 2}}) {
        std::int16_t last = -1;
        EXPECT_EQ(findProbables(board, row, col, last), 9);
        EXPECT_EQ(last, 9);
        EXPECT_EQ(layersOf(board, row, col), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

TEST(FindProbables, CountsAndReportsTheHighestCandidate) {
    Board single = boardWithCandidatesAt04({6});
    std::int16_t last = -1;
    EXPECT_EQ(findProbables(single, 0, 4, last), 1);
    EXPECT_EQ(last, 6);

    Board three = boardWithCandidatesAt04({2, 5, 8});
    EXPECT_EQ(findProbables(three, 0, 4, last), 3);
    EXPECT_EQ(last, 8);
    EXPECT_EQ(layersOf(three, 0, 4), (std::vector<int>{0, 2, 0, 0, 5, 0, 0, 8, 0}));
}

TEST(FindProbables, StrikesRowColumnAndBoxAndRewritesEveryLayer) {
    Board board;
    ASSERT_TRUE(board.setDigit(4, 0, 1)); // row
    ASSERT_TRUE(board.setDigit(8, 4, 2)); // column
    ASSERT_TRUE(board.setDigit(3, 5, 3)); // box
    ASSERT_TRUE(board.setDigit(0, 0, 4)); // elsewhere: no effect
    board.setMarks(gridIndex(4, 4), 0);   // stale marks must not survive
    std::int16_t last = 0;
    EXPECT_EQ(findProbables(board, 4, 4, last), 6);
    EXPECT_EQ(layersOf(board, 4, 4), (std::vector<int>{0, 0, 0, 4, 5, 6, 7, 8, 9}));
}

TEST(FindProbables, DeadEndCellHasNoCandidate) {
    Board board = boardWithCandidatesAt04({9});
    ASSERT_TRUE(board.setDigit(5, 4, 9));
    board.setMarks(gridIndex(0, 4), Board::kAllMarks);
    std::int16_t last = -1;
    EXPECT_EQ(findProbables(board, 0, 4, last), 0);
    EXPECT_EQ(last, 0);
    EXPECT_EQ(layersOf(board, 0, 4), std::vector<int>(9, 0));
}

TEST(GetMinProbability, EmptyBoardGivesNine) {
    Board board;
    EXPECT_EQ(getMinProbability(board), 9);
}

TEST(GetMinProbability, CompleteBoardGivesHundredAndMarksOwnDigits) {
    Board board = boardOf(test::kSolution);
    EXPECT_EQ(getMinProbability(board), kNoEmptyCell);
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_EQ(board.marks(i), digitBit(board.digit(i))) << "cell " << i;
}

TEST(GetMinProbability, PuzzleGivesSmallestCountOfEmptyCells) {
    Board board = boardOf(test::kPuzzle);
    const int code = getMinProbability(board);
    int smallest = 100;
    for (int i = 0; i < kCellCount; ++i) {
        if (board.digit(i) == 0) {
            std::int16_t last = 0;
            smallest = std::min<int>(smallest, findProbables(board, rowOf(i), colOf(i), last));
        }
    }
    EXPECT_EQ(code, smallest);
    EXPECT_EQ(code, 1);
}

TEST(GetMinProbability, DeadEndWithoutClashGivesZero) {
    Board board = boardWithCandidatesAt04({9});
    ASSERT_TRUE(board.setDigit(5, 4, 9));
    EXPECT_EQ(getMinProbability(board), 0);
}

TEST(GetMinProbability, ClashInAnyUnitWinsOverAnEarlierDeadEnd) {
    // Dead end at (0, 4) first in row-major order, clash far later.
    const auto deadEnd = [] {
        Board board = boardWithCandidatesAt04({9});
        EXPECT_TRUE(board.setDigit(5, 4, 9));
        return board;
    };
    Board inRow = deadEnd();
    ASSERT_TRUE(inRow.setDigit(8, 0, 3));
    ASSERT_TRUE(inRow.setDigit(8, 8, 3));
    EXPECT_EQ(getMinProbability(inRow), kClash);

    Board inColumn = deadEnd();
    ASSERT_TRUE(inColumn.setDigit(6, 7, 2));
    ASSERT_TRUE(inColumn.setDigit(8, 7, 2));
    EXPECT_EQ(getMinProbability(inColumn), kClash);

    Board inBox = deadEnd();
    ASSERT_TRUE(inBox.setDigit(6, 6, 5));
    ASSERT_TRUE(inBox.setDigit(8, 8, 5));
    EXPECT_EQ(getMinProbability(inBox), kClash);
}

TEST(GetMinProbability, ClashIsFoundWhicheverCellComesFirst) {
    // A clash between the very first cell and the very last of its column.
    Board board;
    ASSERT_TRUE(board.setDigit(0, 0, 7));
    ASSERT_TRUE(board.setDigit(8, 0, 7));
    EXPECT_EQ(getMinProbability(board), kClash);
    // And one whose second cell is filled before the scan meets the other.
    Board late;
    ASSERT_TRUE(late.setDigit(8, 7, 1));
    ASSERT_TRUE(late.setDigit(7, 8, 1));
    EXPECT_EQ(getMinProbability(late), kClash);
}

TEST(DoProbCheck, FilledCellIsMarkedWithItsDigitOnlyWhenNoPeerHoldsIt) {
    Board board;
    ASSERT_TRUE(board.setDigit(1, 1, 4));
    doProbCheck(board);
    EXPECT_EQ(board.at(1, 1, 4), 4);
    EXPECT_EQ(board.marks(gridIndex(1, 1)), Board::kAllMarks);

    ASSERT_TRUE(board.setDigit(2, 2, 4)); // same box
    doProbCheck(board);
    EXPECT_EQ(board.at(1, 1, 4), 0);
    EXPECT_EQ(board.at(2, 2, 4), 0);
    EXPECT_EQ(board.at(1, 1, 5), 5);
}

TEST(DoProbCheck, LeavesLayerZeroAsItWas) {
    Board board = boardOf(test::kPuzzle);
    ASSERT_TRUE(board.setDigit(0, 2, 5)); // a clash too
    const auto before = board.digits();
    doProbCheck(board);
    EXPECT_EQ(board.digits(), before);
}

// The pass computes marks from unit masks that the board keeps as its digits
// change; they must equal what findProbables gives each cell emptied in turn,
// on any board, clashes made and mended by later edits included.
TEST(DoProbCheck, AgreesWithCellByCellComputationOnRandomBoards) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 1000; ++round) {
        Board board;
        const int density = static_cast<int>(rng() % 81);
        for (int i = 0; i < kCellCount; ++i) {
            if (static_cast<int>(rng() % 81) < density) {
                ASSERT_TRUE(board.setDigit(i, 1 + static_cast<int>(rng() % 9)));
            }
        }
        if (round % 2 == 1) {
            (void)getMinProbability(board); // refreshes the units of a clashing board
            for (int edits = static_cast<int>(rng() % 30); edits > 0; --edits) {
                ASSERT_TRUE(
                    board.setDigit(static_cast<int>(rng() % 81), static_cast<int>(rng() % 10)));
            }
        }
        Board reference = board;
        for (int i = 0; i < kCellCount; ++i) {
            const int v = reference.digit(i);
            ASSERT_TRUE(reference.setDigit(i, 0));
            std::int16_t last = 0;
            findProbables(reference, static_cast<std::int16_t>(rowOf(i)),
                          static_cast<std::int16_t>(colOf(i)), last);
            ASSERT_TRUE(reference.setDigit(i, v));
        }
        Board fast = board;
        doProbCheck(fast);
        ASSERT_EQ(fast, reference) << "round " << round;
        // Both paths of the whole-board computation, whichever one runs here.
        for (auto path : {&detail::markAllCellsScalar, &detail::markAllCellsSimd}) {
            Board viaPath = board;
            path(viaPath);
            ASSERT_EQ(viaPath, reference) << "round " << round;
        }

        // And the verdict follows the marks exactly.
        int expected = 100;
        bool clash = false;
        for (int i = 0; i < kCellCount; ++i) {
            const int v = reference.digit(i);
            if (v != 0)
                clash = clash || reference.at(rowOf(i), colOf(i), v) == 0;
            else
                expected = std::min(expected, countMarks(reference.marks(i)));
        }
        Board verdict = board;
        ASSERT_EQ(getMinProbability(verdict), clash ? kClash : expected);
        ASSERT_EQ(verdict, reference);
        // Both paths name the cell getCell finds for the count.
        std::int16_t row = -1, col = -1;
        ProbList list{};
        if (!clash && expected <= 9)
            getCell(static_cast<std::int16_t>(expected), reference, row, col, list);
        const int firstAtMin = row < 0 ? -1 : gridIndex(row, col);
        for (auto path : {&detail::markAllCellsScalar, &detail::markAllCellsSimd}) {
            Board viaPath = board;
            const detail::Analysis analysis = path(viaPath);
            ASSERT_EQ(analysis.code, clash ? kClash : expected) << "round " << round;
            ASSERT_EQ(analysis.firstAtMin, firstAtMin) << "round " << round;
        }
    }
}

TEST(ClearProbables, ZeroesMarksAndKeepsDigits) {
    Board board = boardOf(test::kPuzzle);
    doProbCheck(board);
    const auto digits = board.digits();
    clearProbables(board);
    EXPECT_EQ(board.digits(), digits);
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_EQ(board.marks(i), 0);
}

} // namespace
} // namespace cellwright
