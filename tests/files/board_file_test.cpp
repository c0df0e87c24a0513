#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace cellwright {
namespace {

using test::readText;
using test::writeText;

std::string recordsOf(std::string_view line) {
    std::string text;
    for (char ch : line)
        text += std::string(1, ch == '.' ? '0' : ch) + "\r\n";
    return text;
}

std::string itemsText(int count, const std::string& separator) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(1 + i % 9) + separator;
    return text;
}

class BoardFile : public ::testing::Test {
  protected:
    test::TempDir dir;
    std::string path = dir.file("board.sudoku");
};

TEST_F(BoardFile, EmptyBoardIs81ZeroRecords) {
    ASSERT_TRUE(writeBoardFile(path, Board{}));
    std::string expected;
    for (int i = 0; i < 81; ++i)
        expected += "0\r\n";
    EXPECT_EQ(readText(path), expected);
    EXPECT_EQ(readText(path).size(), 243U);
}

TEST_F(BoardFile, MixedBoardIsWrittenRowByRow) {
    ASSERT_TRUE(writeBoardFile(path, test::boardOf(test::kPuzzle)));
    const std::string bytes = readText(path);
    EXPECT_EQ(bytes.substr(0, 9), std::string("5\r\n3\r\n0\r\n"));
    EXPECT_EQ(bytes, recordsOf(test::kPuzzle));
}

TEST_F(BoardFile, RoundTripGivesLayerZeroBack) {
    const Board original = test::boardOf(test::kSolution);
    ASSERT_TRUE(writeBoardFile(path, original));
    Board loaded;
    ASSERT_TRUE(readBoardFile(path, loaded));
    EXPECT_EQ(loaded.digits(), original.digits());
}

TEST_F(BoardFile, RewritingALongerFileLeavesExactlyTheBoard) {
    writeText(path, std::string(5000, '7'));
    ASSERT_TRUE(writeBoardFile(path, test::boardOf(test::kPuzzle)));
    EXPECT_EQ(readText(path), recordsOf(test::kPuzzle));
    // And a shorter one is filled out to the whole board.
    writeText(path, "1\r\n");
    ASSERT_TRUE(writeBoardFile(path, Board{}));
    EXPECT_EQ(readText(path).size(), 243U);
}

TEST_F(BoardFile, EightyItemsSetEightyCellsAndFail) {
    writeText(path, itemsText(80, "\r\n"));
    Board board;
    ASSERT_TRUE(board.setDigit(80, 4));
    EXPECT_FALSE(readBoardFile(path, board));
    EXPECT_EQ(board.digit(79), 1 + 79 % 9);
    EXPECT_EQ(board.digit(80), 4) << "the unread last cell keeps its value";
}

TEST_F(BoardFile, ItemsAfterThe81stAreIgnored) {
    writeText(path, itemsText(81, "\r\n") + "5\r\nrubbish 99999\r\n");
    Board board;
    EXPECT_TRUE(readBoardFile(path, board));
    EXPECT_EQ(board.digit(80), 9);
}

TEST_F(BoardFile, SeparatorsAndLineEndsAllReadTheSame) {
    Board perLine;
    writeText(path, itemsText(81, "\r\n"));
    ASSERT_TRUE(readBoardFile(path, perLine));
    for (const std::string separator : {",", " ", "\n", "\r", " , ", "\t"}) {
        writeText(path, itemsText(81, separator));
        Board board;
        EXPECT_TRUE(readBoardFile(path, board)) << "separator [" << separator << "]";
        EXPECT_EQ(board.digits(), perLine.digits()) << "separator [" << separator << "]";
    }
}

TEST_F(BoardFile, NonNumberReadsAsZeroAndTheLoadGoesOn) {
    writeText(path, "x\r\n\"7\"\r\n3abc\r\n,\r\n" + itemsText(77, "\r\n"));
    Board board;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(board.setDigit(i, 8));
    EXPECT_TRUE(readBoardFile(path, board));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(board.digit(i), 0) << "item " << i;
    EXPECT_EQ(board.digit(4), 1);
}

TEST_F(BoardFile, NumbersOutsideTheRangeFailAndKeepEarlierCells) {
    for (const std::string bad : {"32768", "-32769", "99999999999999999999", "10", "-1", "32767"}) {
        writeText(path, "4\r\n5\r\n" + bad + "\r\n" + itemsText(78, "\r\n"));
        Board board;
        ASSERT_TRUE(board.setDigit(2, 6));
        EXPECT_FALSE(readBoardFile(path, board)) << bad;
        EXPECT_EQ(board.digit(0), 4) << bad;
        EXPECT_EQ(board.digit(1), 5) << bad;
        EXPECT_EQ(board.digit(2), 6) << bad << " must not reach the board";
    }
}

TEST_F(BoardFile, MissingFileChangesNothing) {
    Board board = test::boardOf(test::kPuzzle);
    const Board before = board;
    EXPECT_FALSE(readBoardFile(dir.file("nothing.sudoku"), board));
    EXPECT_EQ(board, before);
}

TEST_F(BoardFile, NotARegularFileIsRefused) {
    Board board;
    EXPECT_FALSE(readBoardFile(dir.path(), board));
    const std::string fifo = dir.file("pipe.sudoku");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readBoardFile(fifo, board)) << "a FIFO must be refused, not block";
    EXPECT_FALSE(readBoardFile("/dev/zero", board));
}

TEST_F(BoardFile, SavingIntoAMissingDirectoryFails) {
    EXPECT_FALSE(writeBoardFile(dir.file("missing/board.sudoku"), Board{}));
    writeText(dir.file("plain"), "x");
    EXPECT_FALSE(writeBoardFile(dir.file("plain/board.sudoku"), Board{}));
}

TEST_F(BoardFile, AValidLoadRightAfterAFailedOneWorks) {
    Board board;
    EXPECT_FALSE(readBoardFile(dir.file("missing.sudoku"), board));
    EXPECT_FALSE(writeBoardFile(dir.file("missing/x.sudoku"), board));
    ASSERT_TRUE(writeBoardFile(path, test::boardOf(test::kSolution)));
    EXPECT_TRUE(readBoardFile(path, board));
    EXPECT_EQ(board.digits(), test::boardOf(test::kSolution).digits());
}

TEST_F(BoardFile, Utf8PathWithSpaces) {
    const std::string named = dir.file("mein Rätsel – 1.sudoku");
    ASSERT_TRUE(writeBoardFile(named, test::boardOf(test::kPuzzle)));
    Board board;
    EXPECT_TRUE(readBoardFile(named, board));
    EXPECT_EQ(board.digits(), test::boardOf(test::kPuzzle).digits());
}

TEST(BoardPaths, DotAnywhereMeansTheWholeFileName) {
    EXPECT_EQ(boardFilePath("/app", "board1"), "/app/board1.sudoku");
    EXPECT_EQ(boardFilePath("/app", "board1.txt"), "/app/board1.txt");
    EXPECT_EQ(boardFilePath("/app", "my.board"), "/app/my.board");
    EXPECT_EQ(boardFilePath("/app", ".hidden"), "/app/.hidden");
    EXPECT_EQ(boardFilePath("/app", "end."), "/app/end.");
    EXPECT_EQ(boardFilePath("/app", "board1 "), "/app/board1 .sudoku");
    EXPECT_EQ(backupFilePath("/app", 0), "/app/backup0.bak");
    EXPECT_EQ(backupFilePath("/app", 17), "/app/backup17.bak");
}

} // namespace
} // namespace cellwright
