#include "engine/engine_state.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

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
