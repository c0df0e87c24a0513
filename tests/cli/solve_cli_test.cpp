#include "cli/cli_run.hpp"
#include "cli/puzzle_texts.hpp"
#include "engine/backup_store.hpp"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <chrono>
#include <filesystem>
#include <regex>

#include <sys/resource.h>
#include <sys/wait.h>

namespace cellwright {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kSolvedText = // rows of 9 digits
    "Board Solved\n" + std::regex_replace(std::string(kSolution), std::regex(".{9}"), "$&\n");

TEST_F(SolveCli, EveryLayoutAsFileSeveralFilesAndStandardInputGivesTheSolution) {
    const std::pair<std::string, std::string> layouts[] = {
        {"board.sudoku", kBoardFile},
        {"commas.sudoku", std::regex_replace(kBoardFile, std::regex("\r\n"), ",")},
        {"rated.txt", "\xEF\xBB\xBF  " + kLine + "\t4.5 hard\r\n"},
        {"pair.csv", kLine + "," + std::string(kSolution) + "\n"},
        {"drawn.txt", "+-----+-----+-----+\n" + kGrid},
        {"bare.txt", std::regex_replace(kGrid, std::regex("\\|-.*\n|\\| ?"), "")},
        {"dots.sudoku", std::regex_replace(kBoardFile, std::regex("^([^\n]*\n[^\n]*\n)0"), "$1.")},
    };
    std::string all;
    for (const auto& [name, text] : layouts) {
        all += " " + file(name, text);
        EXPECT_EQ(run(name).out, kSolvedText) << name;
        const CliRun piped = run("-", text);
        EXPECT_EQ(piped.out, kSolvedText) << name;
    }
    const CliRun several = run("--format=json" + all);
    EXPECT_EQ(several.status, 0) << several.err;
    const auto results = linesOf(several.out);
    ASSERT_EQ(results.size(), std::size(layouts));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(json(results[i])["board"].toString().toStdString(), std::string(kSolution));
        const std::string source = json(results[i])["source"].toString().toStdString();
        EXPECT_EQ(source.substr(0, source.find(':')), layouts[i].first);
    }
    EXPECT_EQ(run("--lines rated.txt -f line").out, std::string(kSolution) + "\tBoard Solved\n");
    EXPECT_EQ(run("dots.sudoku").err, "cellwright-solve: dots.sudoku:3: warning: item 3 '.' is not "
                                      "a number: read as an empty cell, as the window reads it\n")
        << "read as the window reads it, never silently";
}

TEST_F(SolveCli, GnuOptionForms) {
    file("a", kLine), file("-dash", kLine);
    const std::string version = std::string("cellwright-solve ") + CELLWRIGHT_VERSION + "\n";
    const std::string tryHelp = "\nTry 'cellwright-solve --help' for more information.\n";
    const struct {
        std::string args;
        int status;
        std::string out, err; // out: its start; err: all of it
    } cases[] = {
        {"--format=json a", 0, "{\"puzzle\"", ""},
        {"--format json a", 0, "{\"puzzle\"", ""},
        {"-qfgrid a a", 0, "a:1:\nBoard Solved\n5 3 4 | 6 7 8 | 9 1 2\n", ""},
        {"-f line a a", 0, "", "cellwright-solve: 2 puzzles: 2 Board Solved"},
        {"--lines a", 0, "", "cellwright-solve: 1 puzzle: 1 Board Solved"},
        {"-oout1 a", 0, "Board Solved\n", ""},
        {"-o out2 -- -dash", 0, "Board Solved\n", ""},
        {"-V", 0, version, ""},
        {"-v", 0, version, ""},
        {"--version", 0, version, ""},
        {"--bogus a", 2, "", "cellwright-solve: unrecognized option '--bogus'" + tryHelp},
        {"a --format", 2, "", "cellwright-solve: option '--format' requires an argument" + tryHelp},
        {"-j 0 a", 2, "", "cellwright-solve: invalid job count '0' (a whole number from 1 to 256)"},
        {"--help >/dev/full", 2, "", "cellwright-solve: standard output: No space left on device"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << r.err;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args;
        EXPECT_EQ(r.err.substr(0, c.err.empty() ? std::string::npos : c.err.size()), c.err);
    }
    EXPECT_EQ(readText(dir.file("out1")).size(), 243U);
    EXPECT_EQ(readText(dir.file("out1")), readText(dir.file("out2")));
    const std::string help = run("--help").out;
    EXPECT_TRUE(std::regex_search(help, std::regex("board file[^]*line[^]*grid")));
    // Its examples run as written from the top of the source tree.
    const std::string top = fs::path(CELLWRIGHT_BENCH_PUZZLES).parent_path().parent_path();
    const std::regex example("\n  cellwright-solve ([^\n]*)");
    int examples = 0;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), example);
         it != std::sregex_iterator(); ++it, ++examples) {
        const CliRun r = sh("cd '" + top + "' && \"$SOLVE\" " + (*it)[1].str());
        EXPECT_LT(r.status, 2) << (*it)[1] << r.err;
        EXPECT_NE(r.out, "") << (*it)[1];
    }
    EXPECT_GE(examples, 4);
}

TEST_F(SolveCli, InputAndOutputFailuresExitTwoWithTheReason) {
    file("a", kLine), file("grid", std::regex_replace(kGrid, std::regex("\\| 6\\.\\. "), "| 6. "));
    file("minus", "-" + kBoardFile);
    const std::pair<std::string, std::string> cases[] = {
        {"\"$SOLVE\" -f line grid a", "grid:2: not a puzzle: 8 cells where"},
        {"\"$SOLVE\" a >/dev/full", "standard output: No space left on device"},
        {"\"$SOLVE\" -o no/such/dir a", "no/such/dir: No such file or directory"},
        {"\"$SOLVE\" -o out a a", "-o out: needs exactly one puzzle, the input held 2"},
        {"\"$SOLVE\" missing a", "missing: No such file or directory"},
        {"\"$SOLVE\" - </tmp", "<stdin>: Is a directory"},
        {"\"$SOLVE\" - <&-", "<stdin>: Bad file descriptor"},
        {"\"$SOLVE\" --backup-dir nowhere a", "--backup-dir nowhere: No such file or directory"},
        {"\"$SOLVE\" minus a", "minus:1: not a puzzle: item 1 '-5' of the board file is not a"},
        {"\"$SOLVE\" /dev/zero", "/dev/zero:1: not a puzzle: line longer than 4096 bytes"},
        {"yes 1 | tr -d '\\n' | \"$SOLVE\" -", "<stdin>:1: not a puzzle: line longer than 4096"},
    };
    for (const auto& [command, reason] : cases) {
        const CliRun r = sh(command);
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_NE(r.err.find("cellwright-solve: " + reason), std::string::npos) << r.err;
    }
    // A file size limit, as a full disk, leaves the old result file, or none.
    const std::string limited = "trap '' XFSZ; { ulimit -f 0; \"$SOLVE\" -o out a 2>&1 >/dev/null; "
                                "echo $?; } | cat";
    const auto entries = [&] { return std::distance(fs::directory_iterator(dir.path()), {}); };
    const auto before = entries();
    EXPECT_EQ(sh(limited).out, "cellwright-solve: out: File too large\n2\n");
    EXPECT_EQ(entries(), before) << "no file, no temporary one";
    file("out", "old");
    EXPECT_EQ(sh(limited).out, "cellwright-solve: out: File too large\n2\n");
    EXPECT_EQ(readText(dir.file("out")), "old");
    EXPECT_EQ(entries(), before + 1);
    // Replaced, it keeps its permissions; made, it has those of a new file.
    fs::permissions(dir.file("out"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(sh("umask 022; \"$SOLVE\" -o out a && \"$SOLVE\" -o new a").status, 0);
    EXPECT_EQ(readText(dir.file("out")).size(), 243U);
    EXPECT_EQ(fs::status(dir.file("out")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(dir.file("new")).permissions(), fs::perms(0644));

    EXPECT_EQ(run("-f line grid a").out, std::string(kSolution) + "\tBoard Solved\ta:1\n")
        << "the other puzzles are solved, the one not read as written gets no verdict";
    EXPECT_EQ(sh("yes 0 | timeout 20 \"$SOLVE\" -").status, 0) << "a board ends at item 81";
}

// Peak megabytes of the program on so many lines, as the kernel counts them for
// a child of its own (the sanitizer's quarantine of freed memory kept small).
long peakMegabytes(int lines) {
    const pid_t child = fork();
    if (child == 0) {
        const int status =
            std::system(("yes " + std::string(kSolution) + " | head -n " + std::to_string(lines) +
                         " | ASAN_OPTIONS=$ASAN_OPTIONS:quarantine_size_mb=1 '" CELLWRIGHT_SOLVE
                         "' --lines - -j2 -q -f line >/dev/null")
                            .c_str());
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        _exit(status == 0 ? static_cast<int>(std::min(usage.ru_maxrss / 1024, 250L)) : 255);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

TEST_F(SolveCli, ResultsStreamInOrderWhateverTheJobsInBoundedMemory) {
    // The first result comes while the second line is still 2 s away.
    for (const char* jobs : {"-j1", "-j2"}) {
        const auto start = std::chrono::system_clock::now();
        const CliRun slow =
            sh("{ echo " + kLine + "; sleep 2; echo " + kLine + "; } | \"$SOLVE\" " + jobs +
               " --lines - | { read first; date +%s%N; cat; }");
        EXPECT_LT(std::chrono::nanoseconds(std::stoll(slow.out)) - start.time_since_epoch(),
                  std::chrono::milliseconds(1500))
            << jobs;
    }
    // With one job, a result goes out while long searches behind it run.
    const std::string longest(kLongestSearch);
    file("quick-then-long", kLine + "\n" + longest + "\n" + longest + "\n" + longest + "\n");
    const auto start = std::chrono::system_clock::now().time_since_epoch();
    const CliRun busy = sh("\"$SOLVE\" -j1 --lines quick-then-long | "
                           "{ read first; date +%s%N; cat >/dev/null; date +%s%N; }");
    const auto times = linesOf(busy.out);
    ASSERT_GE(times.size(), 2U);
    EXPECT_LT(std::chrono::nanoseconds(std::stoll(times[0])) - start,
              (std::chrono::nanoseconds(std::stoll(times[1])) - start) / 2);

    const auto withoutTimes = [](const std::string& out) {
        return std::regex_replace(out, std::regex(",\"micros\":[0-9]+"), "");
    };
    fs::create_directory(dir.file("backups"));
    sh("grep -v '^#' " CELLWRIGHT_BENCH_PUZZLES " | head -n 40 >hard.txt");
    const CliRun one = run("--lines hard.txt -f json -j1");
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(linesOf(one.out).size(), 40U);
    EXPECT_EQ(withoutTimes(run("--lines hard.txt -f json -j2").out), withoutTimes(one.out));
    EXPECT_EQ(withoutTimes(run("--lines hard.txt -f json --backup-dir backups").out),
              withoutTimes(one.out));
    EXPECT_TRUE(fs::is_empty(dir.file("backups")));
    const long small = peakMegabytes(1000);
    ASSERT_LT(small, 250);
    EXPECT_LE(peakMegabytes(1000000), small + small / 4 + 2) << "1 M lines against 1 k";
}

TEST_F(SolveCli, BackupDirectoryIsLockedOursAloneAndCleanedUpOnSignals) {
    fs::create_directories(dir.file("bk/backup_staging.bak"));
    for (const char* user : {"backup-2024-taxes.bak", "backup.bak", "BACKUP3.BAK"})
        file(std::string("bk/") + user, "mine");
    const auto left = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.file("bk")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> userFiles = left();
    // Job control, so that the run in the background takes SIGINT.
    const CliRun runs = sh("bash -mc 'grep -v ^# " CELLWRIGHT_BENCH_PUZZLES " >hard.txt; "
                           "for signal in INT HUP; do "
                           "\"$SOLVE\" --lines hard.txt --backup-dir bk >/dev/null & "
                           "while [ ! -e bk/backup0.bak ]; do sleep 0.01; done; "
                           "[ $signal = HUP ] || \"$SOLVE\" --backup-dir bk hard.txt 2>&1; "
                           "kill -$signal $!; wait $!; echo $signal $?; done' 2>/dev/null");
    EXPECT_EQ(runs.out, "cellwright-solve: --backup-dir bk: in use by another cellwright-solve "
                        "run\nINT 130\nHUP 129\n");
    EXPECT_EQ(left(), userFiles) << "interrupted or hung up: its backups are gone, nothing else";
    file("dead", std::string(kTwoDeadEnds));
    EXPECT_EQ(run("--backup-dir bk dead").status, 1);
    EXPECT_EQ(left(), userFiles) << "unsolvable: the same";

    file("bk/backup7.bak", "theirs");
    const std::string refusal = "cellwright-solve: --backup-dir bk: already holds backup";
    const CliRun refused = run("--backup-dir bk dead");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, refusal + "7.bak, named like a backup; it may belong to another "
                                     "program or to an interrupted run: move it away or choose "
                                     "another directory\n");
    file("bk/backup00.bak", "theirs too");
    const std::string more = refusal + "00.bak and 1 more file named like backups;";
    EXPECT_EQ(run("--backup-dir bk dead").err.substr(0, more.size()), more);
    EXPECT_EQ(readText(dir.file("bk/backup7.bak")), "theirs");
}

// The digits open at a cell by the rules, independent of the engine's marks.
QJsonArray openDigits(const Board& board, int cell) {
    QJsonArray open;
    for (int digit = 1; digit <= 9; ++digit) {
        bool taken = false;
        for (int at = 0; at < 81; ++at)
            taken = taken || (board.digit(at) == digit &&
                              (at / 9 == cell / 9 || at % 9 == cell % 9 ||
                               (at / 27 == cell / 27 && at % 9 / 3 == cell % 9 / 3)));
        if (!taken)
            open.append(digit);
    }
    return open;
}

TEST_F(SolveCli, TraceFollowsTheEnginePassByPassAndAgreesWithTheResult) {
    file("hard", std::string(kHardPuzzle));
    const auto traced = linesOf(run("--trace -f json hard").out);
    const QJsonObject result = json(run("-f json hard").out);
    EngineState state;
    clearData(state);
    placeDigits(state.board, boardOf(kHardPuzzle).digits());
    MemoryBackups host;
    int guesses = 0, backouts = 0, maxDepth = 0;
    for (std::size_t pass = 0; pass + 1 < traced.size(); ++pass) {
        const EngineState before = state;
        const bool done = solveBoard(state, host).ended();
        const QJsonObject line = json(traced[pass]);
        ASSERT_EQ(QJsonArray({line["pass"], line["depth"]}),
                  QJsonArray({static_cast<int>(pass + 1), int{state.guessDepth}}));
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
            EXPECT_EQ(line["candidates"].toArray(),
                      openDigits(before.board, cell[0].toInt() * 9 + cell[1].toInt()));
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
    for (const char* field : {"passes", "guesses", "backouts", "max_depth", "board", "message"})
        EXPECT_EQ(json(traced.back())[field], result[field]) << field;
    EXPECT_EQ(
        QJsonArray({result["passes"], result["guesses"], result["backouts"], result["max_depth"]}),
        QJsonArray({static_cast<int>(traced.size() - 1), guesses, backouts, maxDepth}));
}

constexpr auto npos = std::string::npos;

// --count in every format: unique (with its solution), several, none and at
// the limit; the status says whether every puzzle had exactly one.
TEST_F(SolveCli, CountTellsNoSolutionUniqueOrSeveral) {
    const std::string two =
        "53..7....6..195....98......8...6...34..8.3..17...2...6.6....28....419..5"
        "....8..79"; // one given less than kLine
    std::string none = kLine;
    none[0] = '1'; // no peer holds it, yet no grid takes it
    file("all.txt", kLine + "\n" + two + "\n" + none + "\n");
    const CliRun lines = run("--count --max-solutions=9 --lines all.txt");
    EXPECT_EQ(lines.out, kLine + "\t1\t" + std::string(kSolution) + "\n" + two + "\t2\t.\n" + none +
                             "\t0\t.\n");
    EXPECT_EQ(lines.status, 1);
    EXPECT_NE(lines.err.find("3 puzzles: 1 with no solution, 1 unique, 1 with several;"),
              std::string::npos)
        << lines.err;
    const CliRun text = run("-c -q -", kGrid);
    EXPECT_EQ(text.out,
              std::regex_replace(kSolvedText, std::regex("Board Solved"), "Unique solution"));
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(run("-c -", two).out, "At least 2 solutions\n");
    EXPECT_EQ(run("-c --max-solutions 9 -", two).out, "2 solutions\n");
    EXPECT_EQ(run("-c --max-solutions 1 -", kLine).out, "Solvable\n");
    const CliRun solvable = run("-c --max-solutions 1 --lines all.txt");
    EXPECT_EQ(solvable.out,
              kLine + "\tsolvable\t.\n" + two + "\tsolvable\t.\n" + none + "\t0\t.\n");
    EXPECT_EQ(solvable.status, 1) << "one has no solution; one solution each is all it asks";
    EXPECT_NE(solvable.err.find("3 puzzles: 1 with no solution, 2 solvable;"), npos);
    EXPECT_EQ(run("-c --max-solutions 1 -", two).status, 0);
    EXPECT_NE(run("-c -l -", kLine).err.find("1 puzzle: 0 with no solution, 1 unique"), npos);
    EXPECT_EQ(run("-c -q -", kLine + "\n" + none + "\n").out,
              std::regex_replace(kSolvedText, std::regex("Board Solved"), "Unique solution") +
                  "\nNo solution\n");
    const auto results = linesOf(run("-c -f json all.txt all.txt").out);
    const QJsonObject unique = json(results[0]);
    EXPECT_EQ(unique["source"].toString(), "all.txt:1");
    EXPECT_EQ(unique["solutions"].toInt(), 1);
    EXPECT_EQ(unique["limit"].toInt(), 2);
    EXPECT_EQ(unique["solution"].toString().toStdString(), kSolution);
    EXPECT_EQ(json(results[1])["solutions"].toInt(), 2);
    EXPECT_FALSE(json(results[1]).contains("solution"));
    for (const char* refused : {"-c --max-solutions=1000001 -", "-c --trace -", "-c -o x -"})
        EXPECT_EQ(run(refused, kLine).status, 2) << refused;
}

} // namespace
} // namespace cellwright
