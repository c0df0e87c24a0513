#include "engine/headless_host.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cellwright {
namespace {

namespace fs = std::filesystem;
using test::readText;
using test::writeText;

const std::string kLine(test::kPuzzle);
const std::string kSolvedText = [] {
    std::string text = "Board Solved\n";
    for (int row = 0; row < 9; ++row)
        text += std::string(test::kSolution.substr(9 * row, 9)) + "\n";
    return text;
}();

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

QJsonObject json(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// Runs shell commands in a fresh directory, $SOLVE being the real program.
class SolveCli : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("SOLVE", CELLWRIGHT_SOLVE, 1); }
    CliRun sh(const std::string& command, const std::string& input = "") {
        writeText(dir.file("stdin"), input);
        const std::string line =
            "cd '" + dir.path() + "' && { " + command + "; } <stdin >stdout 2>stderr";
        const int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(dir.file("stdout")),
                readText(dir.file("stderr"))};
    }
    CliRun run(const std::string& args, const std::string& input = "") {
        return sh("\"$SOLVE\" " + args, input);
    }
    std::string file(const std::string& name, const std::string& text) {
        writeText(dir.file(name), text);
        return name;
    }
    // Starts the program in the background, its output thrown away.
    pid_t spawn(const std::vector<std::string>& args) {
        std::vector<char*> argv{const_cast<char*>(CELLWRIGHT_SOLVE)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }
    std::string benchLines(int count) {
        std::ifstream bench(CELLWRIGHT_BENCH_PUZZLES);
        std::string text;
        for (std::string line; count > 0 && std::getline(bench, line);)
            if (!line.empty() && line[0] != '#')
                text += line + "\n", --count;
        return text;
    }

    test::TempDir dir;
};

const std::string kBoardFile = [] {
    std::string text;
    for (const char c : kLine)
        text += std::string(1, c == '.' ? '0' : c) + "\r\n";
    return text;
}();
const std::string kDrawnGrid = [] {
    std::string text = "+-------+-------+-------+\n";
    for (int r = 0; r < 9; ++r) {
        for (int box = 0; box < 3; ++box)
            text += "| " + kLine.substr(9 * r + 3 * box, 3) + " ";
        text += "|\n" + std::string(r % 3 == 2 ? "+-------+-------+-------+\n" : "");
    }
    return text;
}();

TEST_F(SolveCli, EveryLayoutAsFileSeveralFilesAndStandardInputGivesTheSolution) {
    const std::pair<std::string, std::string> layouts[] = {
        {"board.sudoku", kBoardFile},
        {"commas.sudoku", std::regex_replace(kBoardFile, std::regex("\r\n"), ",")},
        {"rated.txt", "\xEF\xBB\xBF  " + kLine + "\t4.5 hard\r\n"},
        {"pair.csv", kLine + "," + std::string(test::kSolution) + "\n"},
        {"drawn.txt", kDrawnGrid},
        {"bare.txt", std::regex_replace(std::regex_replace(kDrawnGrid, std::regex("\\+.*\n"), ""),
                                        std::regex("\\| ?"), "")},
    };
    std::string all;
    for (const auto& [name, text] : layouts) {
        all += " " + file(name, text);
        EXPECT_EQ(run(name).out, kSolvedText) << name;
        const CliRun piped = run("-", text);
        EXPECT_EQ(piped.out, kSolvedText) << name;
        EXPECT_EQ(piped.status, 0) << piped.err;
    }
    const CliRun several = run("--format=json" + all);
    EXPECT_EQ(several.status, 0) << several.err;
    const auto results = linesOf(several.out);
    ASSERT_EQ(results.size(), std::size(layouts));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(json(results[i])["board"].toString().toStdString(), test::kSolution);
        const std::string source = json(results[i])["source"].toString().toStdString();
        EXPECT_EQ(source.substr(0, source.find(':')), layouts[i].first);
    }
    EXPECT_EQ(run("--lines rated.txt -f line").out,
              std::string(test::kSolution) + "\tBoard Solved\n");
}

TEST_F(SolveCli, InputThatIsNoPuzzleIsNamedByFileAndLineAndNeverGetsAVerdict) {
    const std::pair<std::string, std::string> refused[] = {
        {std::regex_replace(kDrawnGrid, std::regex("\\| 6\\.\\. "), "| 6. "),
         "bad:2: not a puzzle"},
        {kBoardFile.substr(0, 240), "bad:80: not a puzzle: a board file holds 81 numbers"},
        {std::regex_replace(kBoardFile, std::regex("^5"), "five"), "bad:1: not a puzzle"},
        {kLine.substr(1) + "\n", "bad:1: not a puzzle: 80 cells"},
        {kBoardFile.substr(0, 12) + "x\r\n" + kBoardFile, "bad:5: not a puzzle: item 5 'x'"},
    };
    file("good", kLine);
    for (const auto& [text, message] : refused) {
        file("bad", text);
        const CliRun r = run("bad good -f line");
        EXPECT_EQ(r.status, 2) << text;
        EXPECT_NE(r.err.find("cellwright-solve: " + message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, std::string(test::kSolution) + "\tBoard Solved\tgood:1\n") << text;
    }
}

TEST_F(SolveCli, GnuOptionForms) {
    file("a", kLine), file("-dash", kLine);
    const std::string version = std::string("cellwright-solve ") + CELLWRIGHT_VERSION + "\n";
    const std::string tryHelp = "Try 'cellwright-solve --help' for more information.\n";
    const struct {
        std::string args;
        int status;
        std::string out, err; // out: its start; err: all of it
    } cases[] = {
        {"--format=json a", 0, "{\"puzzle\"", ""},
        {"--format json a", 0, "{\"puzzle\"", ""},
        {"-fline a", 0, std::string(test::kSolution), ""},
        {"-qfgrid a a", 0, "a:1:\nBoard Solved\n5 3 4 | 6 7 8 | 9 1 2\n", ""},
        {"-f line a a", 0, "", "cellwright-solve: 2 puzzles: 2 Board Solved"},
        {"--lines a", 0, "", "cellwright-solve: 1 puzzle: 1 Board Solved"},
        {"-oout1 a", 0, "Board Solved\n", ""},
        {"-o out2 -- -dash", 0, "Board Solved\n", ""},
        {"-V", 0, version, ""},
        {"-v", 0, version, ""},
        {"--version", 0, version, ""},
        {"--help", 0, "Usage: cellwright-solve", ""},
        {"--bogus a", 2, "", "cellwright-solve: unrecognized option '--bogus'\n" + tryHelp},
        {"-x a", 2, "", "cellwright-solve: invalid option -- 'x'\n" + tryHelp},
        {"a --format", 2, "",
         "cellwright-solve: option '--format' requires an argument\n" + tryHelp},
        {"-j 0 a", 2, "",
         "cellwright-solve: invalid job count '0' (a whole number from 1 to 256)\n" + tryHelp},
        {"--lines a a", 2, "", "cellwright-solve: give files or --lines, not both\n" + tryHelp},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << r.err;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args;
        EXPECT_EQ(r.err.substr(0, c.err.size() == 0 ? std::string::npos : c.err.size()), c.err)
            << c.args;
    }
    EXPECT_EQ(readText(dir.file("out1")).size(), 243U);
    EXPECT_EQ(readText(dir.file("out1")), readText(dir.file("out2")));
    const std::string help = run("--help").out;
    for (const char* layout : {"board file", "puzzle line", "grid"})
        EXPECT_NE(help.find(layout), std::string::npos) << layout;
}

TEST_F(SolveCli, InputAndOutputFailuresExitTwoWithTheReason) {
    file("a", kLine);
    const std::pair<std::string, std::string> cases[] = {
        {"\"$SOLVE\" a >/dev/full", "standard output: No space left on device"},
        {"\"$SOLVE\" -o no/such/dir a", "no/such/dir: No such file or directory"},
        {"\"$SOLVE\" -o out a a", "-o out: needs exactly one puzzle, the input held 2"},
        {"\"$SOLVE\" missing a", "missing: No such file or directory"},
        {"\"$SOLVE\" - </tmp", "<stdin>: Is a directory"},
        {"\"$SOLVE\" - <&-", "<stdin>: Bad file descriptor"},
        {"\"$SOLVE\" --backup-dir nowhere a", "nowhere: No such file or directory"},
    };
    for (const auto& [command, reason] : cases) {
        const CliRun r = sh(command);
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_NE(r.err.find("cellwright-solve: "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << command << ": " << r.err;
    }
    const CliRun endless = sh("yes 0 | timeout 20 \"$SOLVE\" - -f line");
    EXPECT_EQ(endless.status, 0) << "a board ends at its 81st item: " << endless.err;
}

TEST_F(SolveCli, ResultsStreamInOrderWhateverTheJobs) {
    // The first result comes while the second line is still 2 s away.
    const auto start = std::chrono::system_clock::now();
    const CliRun slow = sh("{ echo " + kLine + "; sleep 2; echo " + kLine +
                           "; } | \"$SOLVE\" --lines - -j2 | { read first; date +%s%N; cat; }");
    const auto firstAt = std::chrono::nanoseconds(std::stoll(slow.out));
    EXPECT_LT(firstAt - start.time_since_epoch(), std::chrono::milliseconds(1500));

    const auto withoutTimes = [](const std::string& out) {
        return std::regex_replace(out, std::regex(",\"micros\":[0-9]+"), "");
    };
    fs::create_directory(dir.file("backups"));
    file("hard.txt", benchLines(40));
    const CliRun one = run("--lines hard.txt -f json -j1");
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(linesOf(one.out).size(), 40U);
    EXPECT_EQ(withoutTimes(run("--lines hard.txt -f json -j2").out), withoutTimes(one.out));
    EXPECT_EQ(withoutTimes(run("--lines hard.txt -f json --backup-dir backups").out),
              withoutTimes(one.out));
    EXPECT_TRUE(fs::is_empty(dir.file("backups")));
}

// Peak memory of the program (and the small generator beside it) on n lines.
long peakMegabytes(const std::string& solve, int lines) {
    const pid_t child = fork();
    if (child == 0) {
        const std::string command = "yes " + std::string(test::kSolution) + " | head -n " +
                                    std::to_string(lines) + " | '" + solve +
                                    "' --lines - -j2 -q -f line >/dev/null";
        const int status = std::system(command.c_str());
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        _exit(status == 0 ? static_cast<int>(std::min(usage.ru_maxrss / 1024, 250L)) : 255);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

TEST_F(SolveCli, MemoryStaysBoundedOnLongInput) {
    const long small = peakMegabytes(CELLWRIGHT_SOLVE, 1000);
    const long large = peakMegabytes(CELLWRIGHT_SOLVE, 1000000);
    ASSERT_LT(small, 250) << "megabytes";
    EXPECT_LE(large, small + 2) << "megabytes, 1 M lines against 1 k";
}

TEST_F(SolveCli, BackupDirectoryIsLockedLinkSafeAndCleanedUpOnSignals) {
    fs::create_directory(dir.file("bk"));
    for (const char* user : {"backup-2024-taxes.bak", "backup.bak", "BACKUP3.BAK"})
        writeText(dir.file(std::string("bk/") + user), "mine");
    fs::create_directory(dir.file("bk/backup_staging.bak"));
    file("hard.txt", benchLines(900));
    const pid_t first = spawn({"--lines", dir.file("hard.txt"), "--backup-dir", dir.file("bk")});
    for (int wait = 0; wait < 2000 && !fs::exists(dir.file("bk/backup0.bak")); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const CliRun second = run("--backup-dir bk hard.txt");
    EXPECT_EQ(second.status, 2);
    EXPECT_EQ(second.err,
              "cellwright-solve: --backup-dir bk: in use by another cellwright-solve run\n");
    ::kill(first, SIGINT);
    int status = 0;
    ::waitpid(first, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    const auto left = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.file("bk")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> userFiles{"BACKUP3.BAK", "backup-2024-taxes.bak", "backup.bak",
                                             "backup_staging.bak"};
    EXPECT_EQ(left(), userFiles);
    // Unsolvable too leaves no backup behind, and links are never written through.
    file("dead", std::string(test::kTwoDeadEnds));
    EXPECT_EQ(run("--backup-dir bk dead").status, 1);
    EXPECT_EQ(left(), userFiles);
    file("victim", "precious");
    fs::create_symlink(dir.file("victim"), dir.file("bk/backup0.bak"));
    fs::create_hard_link(dir.file("victim"), dir.file("bk/backup1.bak"));
    const CliRun linked = run("--backup-dir bk dead -f line");
    EXPECT_EQ(linked.status, 2);
    EXPECT_NE(linked.err.find("bk/backup0.bak: "), std::string::npos) << linked.err;
    EXPECT_EQ(linked.out, std::string(test::kTwoDeadEnds) + "\tError saving board\n")
        << "the givens, never a guessed board";
    EXPECT_EQ(readText(dir.file("victim")), "precious");
    EXPECT_TRUE(fs::is_symlink(dir.file("bk/backup0.bak")));
}

// Open digits of a cell by the rules, independent of the engine's marks.
std::vector<int> openDigits(const Board& board, int cell) {
    std::vector<int> open;
    for (int digit = 1; digit <= 9; ++digit) {
        bool taken = false;
        for (int other = 0; other < 81; ++other) {
            const bool peer = other / 9 == cell / 9 || other % 9 == cell % 9 ||
                              (other / 27 == cell / 27 && other % 9 / 3 == cell % 9 / 3);
            taken = taken || (peer && board.digit(other) == digit);
        }
        if (!taken)
            open.push_back(digit);
    }
    return open;
}

TEST_F(SolveCli, TraceFollowsTheEnginePassByPassAndAgreesWithTheResult) {
    file("hard", std::string(test::kHardPuzzle));
    const auto traced = linesOf(run("--trace -f json hard").out);
    const QJsonObject result = json(run("-f json hard").out);
    ASSERT_GT(traced.size(), 50U);
    EngineState state;
    clearData(state);
    placeDigits(state.board, test::boardOf(test::kHardPuzzle).digits());
    MemoryBackups host;
    int guesses = 0, backouts = 0, maxDepth = 0;
    for (std::size_t pass = 0; pass + 1 < traced.size(); ++pass) {
        const EngineState before = state;
        const bool done = solveBoard(state, host);
        const QJsonObject line = json(traced[pass]);
        ASSERT_EQ(line["pass"].toInt(), static_cast<int>(pass + 1));
        ASSERT_EQ(line["depth"].toInt(), state.guessDepth) << traced[pass];
        maxDepth = std::max<int>(maxDepth, state.guessDepth);
        QJsonArray changed;
        for (int i = 0; i < 81; ++i)
            if (state.board.digit(i) != before.board.digit(i))
                changed.append(QJsonArray{i / 9, i % 9, int{state.board.digit(i)}});
        const std::string action = line["action"].toString().toStdString();
        if (done) {
            EXPECT_EQ(action, "end");
            EXPECT_EQ(pass + 2, traced.size()) << "the end is the last pass";
            EXPECT_EQ(line["message"].toString(), result["message"].toString());
        } else if (state.guessDepth > before.guessDepth) {
            ASSERT_EQ(action, "guess") << traced[pass];
            ASSERT_EQ(changed.size(), 1);
            const QJsonArray cell = changed[0].toArray();
            EXPECT_EQ(QJsonArray({line["row"], line["col"], line["digit"]}), cell);
            QJsonArray open;
            for (const int digit : openDigits(before.board, cell[0].toInt() * 9 + cell[1].toInt()))
                open.append(digit);
            EXPECT_EQ(line["candidates"].toArray(), open);
            ++guesses;
        } else if (state.guessDepth < before.guessDepth) {
            EXPECT_EQ(action, "backout") << traced[pass];
            ++backouts;
        } else {
            EXPECT_EQ(action, "fill");
            EXPECT_EQ(line["cells"].toArray(), changed) << traced[pass];
        }
    }
    EXPECT_GT(backouts, 0);
    EXPECT_EQ(json(traced.back())["passes"].toInt(), static_cast<int>(traced.size() - 1));
    for (const char* field : {"passes", "guesses", "backouts", "max_depth", "board", "message"})
        EXPECT_EQ(json(traced.back())[field], result[field]) << field;
    EXPECT_EQ(result["guesses"].toInt(), guesses);
    EXPECT_EQ(result["backouts"].toInt(), backouts);
    EXPECT_EQ(result["max_depth"].toInt(), maxDepth);
}

} // namespace
} // namespace cellwright
