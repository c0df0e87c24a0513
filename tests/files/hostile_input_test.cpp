#include "files/board_file.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright {
namespace {

using test::writeText;

// A directory no one can create files in: root ignores permission bits, so
// it gets a read-only file system instead.
std::string readOnlyDirectory(const test::TempDir& dir) {
    if (::geteuid() == 0)
        return "/proc";
    const std::string path = dir.file("read-only");
    std::filesystem::create_directory(path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
    return path;
}

void writeRepeated(const std::string& path, char byte, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    const std::string block(1 << 20, byte);
    for (std::size_t written = 0; written < size; written += block.size())
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

bool allDigits(const Board& board) {
    for (int i = 0; i < kCellCount; ++i) {
        if (board.digit(i) < 0 || board.digit(i) > 9)
            return false;
    }
    return true;
}

class HostileInput : public ::testing::Test {
  protected:
    test::TempDir dir;
};

TEST_F(HostileInput, EndlessDigitRunFailsAsSoonAsItLeavesTheRange) {
    const std::string path = dir.file("digits.sudoku");
    writeRepeated(path, '7', 100U << 20);
    Board board;
    EXPECT_FALSE(readBoardFile(path, board));
    EXPECT_EQ(board, Board{});
}

TEST_F(HostileInput, HundredMegabytesOfNulBytesFail) {
    const std::string path = dir.file("nul.sudoku");
    writeRepeated(path, '\0', 100U << 20);
    Board board;
    EXPECT_FALSE(readBoardFile(path, board)); // one long non-number, then nothing
    EXPECT_EQ(board.digit(0), 0);
}

TEST_F(HostileInput, BinaryBytesNeverReachLayerZeroAsAnythingButDigits) {
    std::string text;
    for (int i = 0; i < 81; ++i)
        text += std::string(1, static_cast<char>(i * 37 % 256)) + std::to_string(i % 10) + "\r\n";
    text[5] = '\0';
    writeText(dir.file("binary.sudoku"), text);
    Board board;
    readBoardFile(dir.file("binary.sudoku"), board);
    EXPECT_TRUE(allDigits(board));
}

TEST_F(HostileInput, SavingToAFullDeviceFails) {
    ASSERT_TRUE(std::filesystem::exists("/dev/full"));
    EXPECT_FALSE(writeBoardFile("/dev/full", test::boardOf(test::kPuzzle)));
}

TEST_F(HostileInput, SavingIntoAReadOnlyDirectoryFails) {
    EXPECT_FALSE(writeBoardFile(readOnlyDirectory(dir) + "/board.sudoku", Board{}));
}

TEST_F(HostileInput, SavingToAFifoWithoutReaderFailsInsteadOfHanging) {
    const std::string fifo = dir.file("pipe.sudoku");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(writeBoardFile(fifo, Board{}));
}

} // namespace
} // namespace cellwright
