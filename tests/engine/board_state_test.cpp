#include "engine/engine_state.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <random>

namespace cellwright {
namespace {

using test::boardOf;

TEST(BoardState, ClearDataEmptiesEveryLayerAndTheWholeGuessStack) {
    EngineState state;
    state.board = boardOf(test::kPuzzle);
    for (int i = 0; i < kCellCount; ++i)
        state.board.setMarks(i, Board::kAllMarks);
    state.guessDepth = 42;
    for (auto& entry : state.guessStack)
        entry = GuessEntry{3, 4, 5};

    clearData(state);

    EXPECT_EQ(state, EngineState{});
    for (int row = 0; row < kSize; ++row)
        for (int col = 0; col < kSize; ++col)
            for (int layer = 0; layer < kLayerCount; ++layer)
                ASSERT_EQ(state.board.at(row, col, layer), 0);
}

TEST(BoardState, LayerZeroRefusesAnythingButZeroToNine) {
    Board board;
    ASSERT_TRUE(board.setDigit(4, 4, 7));
    EXPECT_FALSE(board.setDigit(4, 4, 10));
    EXPECT_FALSE(board.setDigit(4, 4, -1));
    EXPECT_FALSE(board.setDigit(4, 4, 32767));
    EXPECT_EQ(board.digit(4, 4), 7) << "a refused value must leave the cell as it was";
    EXPECT_TRUE(board.setDigit(4, 4, 0));
    EXPECT_EQ(board.digit(4, 4), 0);
}

// Cell sets span two words; the sweep's "later cells" and "first cell" must be
// right on both sides of the seam between them and at either end.
TEST(BoardState, CellSetsOrderCellsRowMajorAcrossBothWords) {
    for (int i = 0; i < kCellCount; ++i) {
        const CellSet later = CellSet::after(i);
        for (int j = 0; j < kCellCount; ++j)
            ASSERT_EQ(later.contains(j), j > i) << i << " " << j;
        ASSERT_EQ(CellSet::of(i).first(), i);
        if (i + 1 < kCellCount) {
            ASSERT_EQ(later.first(), i + 1);
        } else {
            ASSERT_FALSE(later.any());
        }
    }
}

// What the unit masks and open cells must say, from the digits alone.
struct Bookkeeping {
    Board::Units units;
    bool repeated = false;
    CellSet empty;
    std::array<CellSet, kSize> open{};
};

Bookkeeping bookkeepingOf(const Board& board) {
    Bookkeeping expected;
    for (int i = 0; i < kCellCount; ++i) {
        const CellUnits cell = kCellUnits[i];
        if (const int v = board.digit(i); v != 0) {
            const Board::Mask bit = digitBit(v);
            expected.repeated |= ((expected.units.rows[cell.row] & bit) != 0) ||
                                 ((expected.units.cols[cell.col] & bit) != 0) ||
                                 ((expected.units.boxes[cell.box] & bit) != 0);
            expected.units.rows[cell.row] |= bit;
            expected.units.cols[cell.col] |= bit;
            expected.units.boxes[cell.box] |= bit;
        }
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (board.digit(i) != 0)
            continue;
        expected.empty |= CellSet::of(i);
        const CellUnits cell = kCellUnits[i];
        const auto held = expected.units.rows[cell.row] | expected.units.cols[cell.col] |
                          expected.units.boxes[cell.box];
        for (int d = 1; d <= kSize; ++d) {
            if ((held & digitBit(d)) == 0)
                expected.open[d - 1] |= CellSet::of(i);
        }
    }
    return expected;
}

// The board keeps per-unit digit masks and each digit's open cells current as
// layer 0 changes, or says they need refreshing; whatever the edits, what it
// reports as current must be exact.
TEST(BoardState, UnitMasksAndOpenCellsFollowEveryEdit) {
    std::mt19937 rng(99);
    Board board;
    board.clear();
    Board other;
    other.clear();
    int checked = 0;
    for (int step = 0; step < 20000; ++step) {
        // Mostly digits that fit, as a search places them; some that clash,
        // and cells emptied or overwritten, as edits and loads do.
        const int i = static_cast<int>(rng() % 81);
        int v = 1 + static_cast<int>(rng() % 9);
        if (const unsigned kind = rng() % 10; kind < 3) {
            v = 0;
        } else if (kind < 9) {
            const Bookkeeping now = bookkeepingOf(board);
            for (int k = 0; k < kSize && !now.open[v - 1].contains(i); ++k)
                v = v % 9 + 1;
        }
        ASSERT_TRUE(board.setDigit(i, v));
        if (step % 97 == 0)
            std::swap(board, other);
        if (step % 131 == 0)
            board.copyDigitsFrom(other);
        if (step % 150 == 0)
            board.clear();

        const Bookkeeping expected = bookkeepingOf(board);
        if (!board.clashFree()) {
            ASSERT_EQ(board.refreshUnits(), !expected.repeated) << "step " << step;
        }
        if (!board.clashFree())
            continue;
        ASSERT_FALSE(expected.repeated) << "step " << step;
        ASSERT_EQ(board.units().rows, expected.units.rows) << "step " << step;
        ASSERT_EQ(board.units().cols, expected.units.cols) << "step " << step;
        ASSERT_EQ(board.units().boxes, expected.units.boxes) << "step " << step;
        if (!board.cellsCurrent())
            board.refreshCells();
        ASSERT_EQ(board.emptyCells(), expected.empty) << "step " << step;
        for (int d = 1; d <= kSize; ++d) {
            ASSERT_EQ(board.openCells(d) & board.emptyCells(), expected.open[d - 1])
                << "step " << step << " digit " << d;
        }
        ++checked;
    }
    EXPECT_GT(checked, 2000);
}

TEST(BoardState, GridIndexAndBoxes) {
    EXPECT_EQ(rowOf(40), 4);
    EXPECT_EQ(colOf(40), 4);
    EXPECT_EQ(boxStart(4), 3);
    EXPECT_EQ(rowOf(80), 8);
    EXPECT_EQ(colOf(80), 8);
    EXPECT_EQ(rowOf(9), 1);
    EXPECT_EQ(colOf(9), 0);
    EXPECT_EQ(gridIndex(1, 0), 9);
    // Box of (2, 3): rows 0..2, columns 3..5; box of (6, 8): rows 6..8, columns 6..8.
    EXPECT_EQ(boxStart(2), 0);
    EXPECT_EQ(boxStart(3), 3);
    EXPECT_EQ(boxStart(6), 6);
    EXPECT_EQ(boxStart(8), 6);
}

// Marks are set by hand here: getCell reads them as they stand.
class GetCell : public ::testing::Test {
  protected:
    void mark(int row, int col, std::initializer_list<int> digits) {
        Board::Mask m = 0;
        for (int d : digits)
            m = static_cast<Board::Mask>(m | digitBit(d));
        board.setMarks(gridIndex(row, col), m);
    }
    Board board;
    std::int16_t foundRow = -1;
    std::int16_t foundCol = -1;
    ProbList list{};
};

TEST_F(GetCell, TakesTheFirstCellWithExactlyThatManyCandidates) {
    for (int i = 0; i < kCellCount; ++i)
        board.setMarks(i, Board::kAllMarks);
    mark(0, 2, {5});    // fewer candidates, earlier: no match
    mark(0, 5, {3, 7}); // first with two
    mark(3, 1, {1, 2}); // another with two, later
    getCell(2, board, foundRow, foundCol, list);
    EXPECT_EQ(foundRow, 0);
    EXPECT_EQ(foundCol, 5);
    EXPECT_EQ(list, (ProbList{3, 7, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GetCell, NeverReturnsAFilledCell) {
    for (int i = 0; i < kCellCount; ++i)
        board.setMarks(i, Board::kAllMarks);
    ASSERT_TRUE(board.setDigit(0, 0, 4));
    mark(0, 0, {2, 4}); // a filled cell whose marks happen to number two
    mark(2, 6, {1, 9});
    getCell(2, board, foundRow, foundCol, list);
    EXPECT_EQ(foundRow, 2);
    EXPECT_EQ(foundCol, 6);
}

TEST_F(GetCell, WithoutAMatchRowAndColAreNotWritten) {
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_TRUE(board.setDigit(i, 1 + i % 9));
    ASSERT_TRUE(board.setDigit(80, 0));
    mark(8, 8, {6, 8, 9});
    list.fill(5);
    getCell(2, board, foundRow, foundCol, list);
    EXPECT_EQ(foundRow, -1);
    EXPECT_EQ(foundCol, -1);
    // The list holds what the last empty cell examined had.
    EXPECT_EQ(list, (ProbList{6, 8, 9, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GetCell, OnAFullBoardTheListIsLeftAlone) {
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_TRUE(board.setDigit(i, 1));
    list.fill(5);
    getCell(1, board, foundRow, foundCol, list);
    EXPECT_EQ(foundRow, -1);
    EXPECT_EQ(list, (ProbList{5, 5, 5, 5, 5, 5, 5, 5, 5}));
}

} // namespace
} // namespace cellwright
