#include "files/board_file.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <filesystem>
#include <fstream>

#include <cstdlib>
#include <sys/wait.h>

namespace cellwright {
namespace {

using test::readText;
using test::writeText;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the real cellwright-solve with a shell-quoted argument string.
class SolveCli : public ::testing::Test {
  protected:
    CliRun run(const std::string& args, const std::string& input = "") {
        writeText(dir.file("stdin"), input);
        const std::string command = std::string(CELLWRIGHT_SOLVE) + " " + args + " <" +
                                    dir.file("stdin") + " >" + dir.file("stdout") + " 2>" +
                                    dir.file("stderr");
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(dir.file("stdout")),
                readText(dir.file("stderr"))};
    }
    std::string board(std::string_view puzzle, const std::string& name) {
        const std::string path = dir.file(name);
        EXPECT_TRUE(writeBoardFile(path, test::boardOf(puzzle)));
        return path;
    }
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        std::string::size_type start = 0;
        for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return result;
    }
    static QJsonObject json(const std::string& line) {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        return doc.object();
    }

    test::TempDir dir;
};

// Two solvable puzzles (one needing guesses) and one that cannot be solved.
const std::string kUnsolvable =
    "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST_F(SolveCli, BoardFileInTextFormat) {
    const CliRun r = run("'" + board(test::kPuzzle, "my board.sudoku") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    std::string expected = "Board Solved\n";
    for (int row = 0; row < 9; ++row)
        expected +=
            std::string(test::kSolution.substr(static_cast<std::size_t>(9 * row), 9)) + "\n";
    EXPECT_EQ(r.out, expected);
}

TEST_F(SolveCli, BoardFromStandardInputAndResultFile) {
    const std::string out = dir.file("result.sudoku");
    const CliRun r = run("- -o " + out, readText(board(test::kHardPuzzle, "hard.sudoku")));
    EXPECT_EQ(r.status, 0) << r.err;
    Board result;
    ASSERT_TRUE(readBoardFile(out, result));
    EXPECT_TRUE(test::solves(result, test::kHardPuzzle));
    EXPECT_EQ(readText(out).size(), 243U);
}

TEST_F(SolveCli, CollectionInLineFormatSkipsCommentsAndReportsBadLines) {
    const std::string text = "# a comment\n" + std::string(test::kPuzzle) + "\n\n" + "12345\n" +
                             std::string(test::kHardPuzzle) + "\r\n";
    writeText(dir.file("set.txt"), text);
    const CliRun r = run("--lines " + dir.file("set.txt"));
    EXPECT_EQ(r.status, 2) << "a line that is not a puzzle is unreadable input";
    EXPECT_NE(r.err.find(dir.file("set.txt") + ":4: "), std::string::npos) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U) << "the other puzzles are still solved";
    EXPECT_EQ(out[0], std::string(test::kSolution) + "\tBoard Solved");
    EXPECT_EQ(out[1].substr(81), "\tBoard Solved");
    EXPECT_NE(r.err.find("2 puzzles: 2 Board Solved"), std::string::npos) << r.err;
}

TEST_F(SolveCli, JsonHasExactlyTheReportedFields) {
    const CliRun r =
        run("--lines - --format json", std::string(test::kHardPuzzle) + "\n" + kUnsolvable + "\n");
    EXPECT_EQ(r.status, 1) << "one puzzle is unsolvable";
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U);
    const QJsonObject hard = json(out[0]);
    EXPECT_EQ(hard.keys(), (QStringList{"backouts", "board", "guesses", "max_depth", "message",
                                        "micros", "passes", "puzzle"}));
    EXPECT_EQ(hard["puzzle"].toString().toStdString(), test::kHardPuzzle);
    EXPECT_EQ(hard["message"].toString(), "Board Solved");
    EXPECT_TRUE(
        test::solves(test::boardOf(hard["board"].toString().toStdString()), test::kHardPuzzle));
    EXPECT_GT(hard["guesses"].toInt(), 0);
    EXPECT_GT(hard["passes"].toInt(), hard["guesses"].toInt());
    EXPECT_GT(hard["max_depth"].toInt(), 0);
    const QJsonObject bad = json(out[1]);
    EXPECT_EQ(bad["message"].toString(), "Board Is Unsolvable");
    EXPECT_EQ(bad["passes"].toInt(), 1);
    EXPECT_EQ(bad["guesses"].toInt(), 0);
}

TEST_F(SolveCli, ExitStatuses) {
    EXPECT_EQ(run(board(test::kPuzzle, "a.sudoku")).status, 0);
    EXPECT_EQ(run("--lines -", kUnsolvable + "\n").status, 1);
    EXPECT_EQ(run("--format xml x").status, 2);
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("--jobs 0 x").status, 2);
    EXPECT_EQ(
        run("--backup-dir " + dir.file("nowhere") + " " + board(test::kPuzzle, "c.sudoku")).status,
        2);
    EXPECT_EQ(run(board(test::kPuzzle, "a.sudoku") + " " + board(test::kPuzzle, "b.sudoku") +
                  " -o " + dir.file("o"))
                  .status,
              2)
        << "-o takes a single puzzle";
    const CliRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: cellwright-solve"), std::string::npos);
    const CliRun version = run("--version");
    EXPECT_EQ(version.out, std::string("cellwright-solve ") + CELLWRIGHT_VERSION + "\n");
}

TEST_F(SolveCli, MissingOrUnreadableFilesAreNamed) {
    const std::string missing = dir.file("missing.sudoku");
    const CliRun r = run(missing + " " + board(test::kPuzzle, "ok.sudoku"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(missing + ": no such file"), std::string::npos) << r.err;
    EXPECT_EQ(lines(r.out).front(), "Board Solved") << "the readable board is still solved";

    writeText(dir.file("short.sudoku"), "1\r\n2\r\n");
    const CliRun shortFile = run(dir.file("short.sudoku"));
    EXPECT_EQ(shortFile.status, 2);
    EXPECT_NE(shortFile.err.find("short.sudoku: Error loading board"), std::string::npos);

    const CliRun missingLines = run("--lines " + missing);
    EXPECT_EQ(missingLines.status, 2);
    EXPECT_NE(missingLines.err.find(missing), std::string::npos);
}

// Backups in memory and as files give the same search; jobs keep the order.
TEST_F(SolveCli, BackupKindsAndJobsGiveIdenticalResults) {
    std::ifstream bench(CELLWRIGHT_BENCH_PUZZLES);
    std::string line;
    std::string set;
    for (int taken = 0; taken < 12 && std::getline(bench, line);) {
        if (!line.empty() && line[0] != '#') {
            set += line + "\n";
            ++taken;
        }
    }
    writeText(dir.file("hard.txt"), set);
    std::filesystem::create_directory(dir.file("backups"));
    const auto withoutTimes = [](const std::string& out) {
        std::vector<std::string> result;
        for (const std::string& l : lines(out)) {
            QJsonObject o = json(l);
            o.remove("micros");
            result.push_back(QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString());
        }
        return result;
    };
    const CliRun memory = run("--lines " + dir.file("hard.txt") + " --format json --jobs 1");
    const CliRun disk = run("--lines " + dir.file("hard.txt") + " --format json --backup-dir " +
                            dir.file("backups"));
    const CliRun parallel = run("--lines " + dir.file("hard.txt") + " --format json --jobs 3");
    ASSERT_EQ(memory.status, 0) << memory.err;
    EXPECT_EQ(disk.status, 0) << disk.err;
    EXPECT_EQ(withoutTimes(memory.out).size(), 12U);
    EXPECT_EQ(withoutTimes(disk.out), withoutTimes(memory.out));
    EXPECT_EQ(withoutTimes(parallel.out), withoutTimes(memory.out));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("backups"))) << "solved: backups deleted";
}

} // namespace
} // namespace cellwright
