// Board files: 81 records "d\r\n" written; 81 items read, tolerant of layout,
// strict about values, and safe on anything the user may name.
#include "files/backup_folder.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace cellwright {
namespace {

using namespace test;

// The first n items of 1, 2, ..., 9, 1, 2, ... each followed by separator.
std::string items(int n, std::string_view separator = "\r\n") {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::to_string(1 + i % 9) + std::string(separator);
    return text;
}
std::string itemsLine(int n) {
    return items(n, "").substr(0, static_cast<std::size_t>(n));
}

class BoardFile : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("mein Rätsel – 1.sudoku");
};

TEST_F(BoardFile, WritesOneRecordPerCellRowByRowOverWhateverWasThere) {
    std::string expected;
    for (const char ch : kPuzzle)
        expected += std::string(1, ch == '.' ? '0' : ch) + "\r\n";
    for (const std::size_t before : {0, 3, 5000}) {
        writeText(path, std::string(before, '7'));
        ASSERT_TRUE(writeBoardFile(path, boardOf(kPuzzle)));
        EXPECT_EQ(readText(path), expected);
    }
}

// Each read starts from a board of 8s: a failed read keeps the cells it had not
// reached, and the one whose value failed.
TEST_F(BoardFile, ReadsEightyOneItems) {
    const std::string eights(81, '8');
    std::vector<std::tuple<std::string, bool, std::string>> cases = {
        {" \t" + items(81), true, itemsLine(81)},
        {items(81) + "5\r\nrubbish 99999\r\n", true, itemsLine(81)},
        {"x\r\n\"7\"\r\n3abc\r\n,\r\n" + items(77), true, "...." + itemsLine(77)},
        {"+5 -0 5- - 00009,,2 " + items(74, " "), true, "5...9.2" + itemsLine(74)},
        {items(80), false, itemsLine(80) + "8"},
        {"", false, eights},
        // Large files are read a block at a time and given up as soon as they fail.
        {std::string(8 << 20, '7'), false, eights},
        {std::string(8 << 20, '\0'), false, "." + eights.substr(1)}};
    for (const char* separator : {",", " , ", "\t", "\n", "\r"})
        cases.emplace_back(items(81, separator), true, itemsLine(81));
    for (const char* bad : {"32768", "-32769", "99999999999999999999", "32767", "10", "-1"})
        cases.emplace_back("4\r\n5\r\n" + std::string(bad) + "\r\n" + items(78), false,
                           "45" + eights.substr(2));
    for (const auto& [text, ok, line] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        writeText(path, text);
        Board fromFile = boardOf(eights), fromMemory = fromFile;
        EXPECT_EQ(readBoardFile(path, fromFile), ok);
        EXPECT_EQ(puzzleLineOf(fromFile), line);
        EXPECT_EQ(readBoardItems(text, fromMemory), ok);
        EXPECT_EQ(fromMemory, fromFile);
    }
}

TEST_F(BoardFile, RefusesWhatIsNotARegularFileAndNeverBlocks) {
    const std::string fifo = dir.file("pipe.sudoku");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& source :
         {dir.file("missing"), dir.path(), fifo, std::string("/dev/zero")}) {
        Board board = boardOf(kPuzzle);
        EXPECT_FALSE(readBoardFile(source, board)) << source;
        EXPECT_EQ(board, boardOf(kPuzzle)) << source;
    }
    writeText(dir.file("plain"), "x");
    for (const std::string& target : {dir.file("missing/board"), dir.file("plain/board"),
                                      std::string("/proc/board"), std::string("/dev/full"), fifo})
        EXPECT_FALSE(writeBoardFile(target, Board{})) << target;
}

TEST(BoardPaths, NamesAndBackups) {
    const std::pair<const char*, const char*> names[] = {
        {"board1", "board1.sudoku"},
        {"board1.txt", "board1.txt"},
        {".hidden", ".hidden"},
        {"end.", "end."},
        {"b 1 ", "b 1 .sudoku"}, // a dot: the whole name
        {"~b1", "~b1.sudoku"},
        {"~/boards/b1", "../home/u/boards/b1"}, // a full path as it stands
        {"/abs/b1", "../abs/b1"}};
    for (const auto& [name, file] : names)
        EXPECT_EQ(std::filesystem::path(boardFilePath("/app", name, "/home/u")).lexically_normal(),
                  std::filesystem::path("/app/" + std::string(file)).lexically_normal());
    EXPECT_EQ(backupFilePath("/app", 17), "/app/backup17.bak");
}

// Backups are the solver's own plain files: a link planted under a backup's
// name is never written or read through, and a clean-up takes exact backup
// names only, whatever else looks like one.
TEST(BackupFiles, AreOwnPlainFilesAndCleanUpTakesNothingElse) {
    TempDir dir;
    const BoardFileBytes bytes = boardFileBytes(boardOf(kPuzzle));
    const std::string precious(bytes.begin(), bytes.end());
    writeText(dir.file("victim"), precious);
    std::filesystem::create_symlink(dir.file("victim"), dir.file("backup0.bak"));
    std::filesystem::create_hard_link(dir.file("victim"), dir.file("backup1.bak"));
    for (const std::int16_t level : {0, 1}) {
        Board board;
        EXPECT_FALSE(writeBackupFile(backupFilePath(dir.path(), level), Board{})) << level;
        EXPECT_FALSE(readBackupFile(backupFilePath(dir.path(), level), board)) << level;
    }
    EXPECT_EQ(readText(dir.file("victim")), precious);
    // A backup is read whole or not at all: a short one leaves the board.
    writeText(dir.file("backup2.bak"), precious.substr(0, 120));
    Board board = boardOf(kHardPuzzle);
    EXPECT_FALSE(readBackupFile(backupFilePath(dir.path(), 2), board));
    EXPECT_EQ(board.digits(), boardOf(kHardPuzzle).digits());
    std::filesystem::remove(dir.file("backup2.bak"));

    std::filesystem::create_directory(dir.file("backup_staging.bak"));
    for (const char* user : {"backup-2024.bak", "backup.bak", "BACKUP3.BAK", "backup2.bak.txt"})
        writeText(dir.file(user), "mine");
    ASSERT_TRUE(writeBackupFile(backupFilePath(dir.path(), 12), Board{}));
    std::error_code error;
    EXPECT_EQ(backupLikeNames(dir.path(), error),
              (std::vector<std::string>{"backup0.bak", "backup1.bak", "backup12.bak"}));
    EXPECT_TRUE(deleteBackupFiles(dir.path())) << "the links stay, as they should";
    EXPECT_EQ(backupLikeNames(dir.path(), error),
              (std::vector<std::string>{"backup0.bak", "backup1.bak"}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("backup-2024.bak")));
    EXPECT_TRUE(backupLikeNames(dir.file("missing"), error).empty());
    EXPECT_TRUE(error);
}

// Each window's backups live in a folder of its own: made when first needed,
// private, apart from any other, and gone with its backups.
TEST(BackupFolder, IsPrivateAndGoesWithItsBackups) {
    TempDir base;
    BackupFolder first(base.path()), second(base.path()), nowhere(base.file("missing"));
    EXPECT_EQ(first.pathIfMade(), "");
    const std::string path = first.path();
    EXPECT_EQ(first.path(), path) << "made once";
    EXPECT_EQ(path.rfind(base.path() + "/", 0), 0U);
    EXPECT_NE(second.path(), path);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_all);
    ASSERT_TRUE(writeBackupFile(backupFilePath(path, 3), Board{}));
    first.remove();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(second.path()));
    EXPECT_EQ(nowhere.path(), "");
    for (const std::string& runtime : {base.path(), std::string("relative")}) {
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        EXPECT_EQ(temporaryFolderBase() == runtime, runtime.starts_with('/')) << runtime;
    }
}

} // namespace
} // namespace cellwright
