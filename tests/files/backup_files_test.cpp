#include "files/backup_folder.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright {
namespace {

namespace fs = std::filesystem;
using test::readText;
using test::writeText;

// Backups are only ever plain files of the solver's own: a link planted under
// a backup's name, or a user's file with a name alike, is neither written nor
// deleted.
TEST(BackupFiles, LinksAndLookAlikesAreNeverWrittenOrDeleted) {
    test::TempDir dir;
    writeText(dir.file("target"), "keep me");
    fs::create_symlink(dir.file("target"), dir.file("backup5.bak"));
    fs::create_hard_link(dir.file("target"), dir.file("backup6.bak"));
    fs::create_directory(dir.file("backup7.bak"));
    const char* lookAlikes[] = {"backup.bak",  "backup-2024-taxes.bak", "backup_photos.bak",
                                "BACKUP3.BAK", "backup1.bak.keep",      "xbackup2.bak"};
    for (const char* name : lookAlikes)
        writeText(dir.file(name), "x");
    writeText(dir.file("backup0.bak"), "x");
    writeText(dir.file("backup17.bak"), "x");

    const Board board = test::boardOf(test::kPuzzle);
    Board read;
    for (const char* link : {"backup5.bak", "backup6.bak", "backup7.bak"}) {
        EXPECT_FALSE(writeBackupFile(dir.file(link), board)) << link;
        EXPECT_FALSE(readBackupFile(dir.file(link), read)) << link;
    }
    EXPECT_EQ(readText(dir.file("target")), "keep me");
    EXPECT_TRUE(writeBoardFile(dir.file("backup6.bak"), board)) << "a user's board may be a link";

    deleteBackupFiles(dir.path());
    EXPECT_FALSE(fs::exists(dir.file("backup0.bak")));
    EXPECT_FALSE(fs::exists(dir.file("backup17.bak")));
    for (const char* kept : lookAlikes)
        EXPECT_TRUE(fs::exists(dir.file(kept))) << kept;
    for (const char* kept : {"backup5.bak", "backup6.bak", "backup7.bak", "target"})
        EXPECT_TRUE(fs::exists(fs::symlink_status(dir.file(kept)))) << kept;
    deleteBackupFiles(dir.file("missing")); // no error
}

TEST(BackupFiles, AFolderOfItsOwnIsPrivateAndGoesWithItsBackups) {
    test::TempDir base;
    BackupFolder first(base.path());
    BackupFolder second(base.path());
    EXPECT_EQ(first.pathIfMade(), "") << "made only when first needed";
    const std::string path = first.path();
    ASSERT_EQ(path.rfind(base.path() + "/", 0), 0U);
    EXPECT_NE(second.path(), path);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700U);

    ASSERT_TRUE(writeBackupFile(backupFilePath(path, 3), test::boardOf(test::kPuzzle)));
    Board read;
    ASSERT_TRUE(readBackupFile(backupFilePath(path, 3), read));
    EXPECT_EQ(read.digits(), test::boardOf(test::kPuzzle).digits());
    first.remove();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::exists(second.path()));

    BackupFolder nowhere(base.file("missing"));
    EXPECT_EQ(nowhere.path(), "");
}

TEST(BoardPaths, FullPathsAreUsedAsTheyStand) {
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"/abs/b1", "/abs/b1"}, {"~/boards/b1", "/home/u/boards/b1"}, {"~b1", "/app/~b1.sudoku"}};
    for (const auto& c : cases)
        EXPECT_EQ(boardFilePath("/app", c.name, "/home/u"), c.path) << c.name;
}

} // namespace
} // namespace cellwright
