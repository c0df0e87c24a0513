// cellwright-solve --rate and --explain, run as a program.
#include "cli/cli_run.hpp"
#include "cli/puzzle_texts.hpp"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <filesystem>
#include <regex>

namespace cellwright {
namespace {

namespace fs = std::filesystem;
using namespace test;

// kPuzzle with most of its solution filled in: a claiming, a BUG and singles
// solve it. Sudoku Explainer rates it ER 5.6, EP 5.6, ED 2.8.
const std::string kSmall =
    "915634782..89754167468125395.1.8796.87.56912..693.1857.5..9867118.7.6395697153248";
// One of the forum's hardest, ER 11.0, EP 11.0, ED 10.6 for Sudoku Explainer:
// it needs nested forcing chains, so its rating here stays a lower bound.
const std::string kHardest =
    "98.7..6....56...9.....94..84.........7.3..2....8..5..6.3.....61..71...2.....3.7..";
// kPuzzle with a given less (two solutions), and with a clash no grid takes.
const std::string kTwo =
    "53..7....6..195....98......8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kNone = "1" + kLine.substr(1);

const std::string kSmallRows = std::regex_replace(kSmall, std::regex(".{9}"), "$&\n");
const std::string kValue = "[0-9]+\\.[0-9]";

TEST_F(SolveCli, RateGivesErEpEdAndTheHardestTechniqueInEveryFormat) {
    file("all.txt", kSmall + "\n" + kLine + "\n" + kTwo + "\n" + kNone + "\n" + kHardest + "\n");
    const CliRun lines = run("--rate --lines all.txt");
    const auto rated = linesOf(lines.out);
    ASSERT_EQ(rated.size(), 5U) << lines.err;
    EXPECT_EQ(rated[0], kSmall + "\t5.6\t5.6\t2.8\tBUG");
    EXPECT_EQ(rated[1], kLine + "\t1.2\t1.2\t1.2\thidden single");
    EXPECT_EQ(rated[2], kTwo + "\t-\t-\t-\tseveral solutions");
    EXPECT_EQ(rated[3], kNone + "\t-\t-\t-\tno solution");
    EXPECT_TRUE(std::regex_match(
        rated[4], std::regex(kHardest + "\t>" + kValue + "(\t>?" + kValue + "){2}\tbeyond")))
        << rated[4];
    EXPECT_EQ(lines.status, 1) << "two puzzles are not rated";
    EXPECT_EQ(lines.err.substr(0, lines.err.find("; 0.")),
              "cellwright-solve: 5 puzzles: 1 Easy, 0 Medium, 0 Hard, 1 Fiendish, 0 Diabolical, "
              "0 Extreme, 1 beyond the techniques; not rated: 1 with no solution, 1 with several");

    EXPECT_EQ(run("-r -", kSmall).out, "ER 5.6 (BUG), EP 5.6, ED 2.8\n" + kSmallRows);
    EXPECT_EQ(run("-r -l -", kSmall).err.substr(0, 46),
              "cellwright-solve: 1 puzzle: 0 Easy, 0 Medium, ")
        << "a summary with --lines, if only for one";
    const CliRun drawn = run("-r -f grid -", kTwo);
    EXPECT_EQ(drawn.out.substr(0, drawn.out.find('\n')), "Not rated: several solutions");
    EXPECT_EQ(linesOf(drawn.out).size(), 12U) << "then the puzzle, drawn";
    EXPECT_EQ(run("-r -q -", kNone).out.substr(0, 33), "Not rated: no solution\n13..7....\n");

    file("hardest.txt", kHardest);
    const auto objects = linesOf(run("-r -f json all.txt hardest.txt").out);
    ASSERT_EQ(objects.size(), 6U);
    const auto fields = [&](std::size_t i) {
        const QJsonObject o = json(objects[i]);
        return QJsonArray(
            {o["source"], o["puzzle"], o["er"], o["ep"], o["ed"], o["bound"], o["technique"]});
    };
    EXPECT_EQ(fields(0), QJsonArray({"all.txt:1", kSmall.c_str(), 5.6, 5.6, 2.8, false, "BUG"}));
    const QJsonValue null;
    EXPECT_EQ(fields(3),
              QJsonArray({"all.txt:4", kNone.c_str(), null, null, null, null, "no solution"}));
    const QJsonObject bound = json(objects[5]);
    EXPECT_EQ(QJsonArray({bound["source"], bound["bound"], bound["technique"]}),
              QJsonArray({"hardest.txt:1", true, "beyond"}));
    EXPECT_GE(bound["er"].toDouble(), 6.5);

    const struct {
        std::string args, input;
        int status;
    } statuses[] = {{"-r -", kLine, 0},           {"-r -", kHardest, 0}, {"-r -", kTwo, 1},
                    {"-e -", kNone, 1},           {"-r missing", "", 2}, {"-r - missing", kLine, 2},
                    {"-e - >/dev/full", kLine, 2}};
    for (const auto& s : statuses)
        EXPECT_EQ(run(s.args, s.input).status, s.status) << s.args << " " << s.input;
    EXPECT_EQ(run("-r -o no/such/file -", kLine).err,
              "cellwright-solve: no/such/file: No such file or directory\n");
}

TEST_F(SolveCli, ExplainListsEachStepThenTheRating) {
    const CliRun text = run("--explain -", kSmall);
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, kSmallRows +
                            "1. Claiming 2 in column 3 (r7c3, r8c3) on box 7: r7c1 <> 2  [2.8]\n"
                            "2. BUG type 1 on r7c3: r7c3 <> 2 3  [5.6]\n"
                            "3. Hidden single 2 in box 7: r8c3 = 2  [1.2]\n"
                            "4. Full house 4 in row 8: r8c5 = 4  [1.0]\n"
                            "5. Full house 2 in box 8: r7c4 = 2  [1.0]\n"
                            "6. Full house 4 in column 4: r4c4 = 4  [1.0]\n"
                            "7. Full house 2 in box 5: r6c5 = 2  [1.0]\n"
                            "8. Full house 4 in row 6: r6c1 = 4  [1.0]\n"
                            "9. Hidden single 2 in box 4: r4c2 = 2  [1.2]\n"
                            "10. Full house 3 in box 4: r5c3 = 3  [1.0]\n"
                            "11. Full house 3 in column 2: r2c2 = 3  [1.0]\n"
                            "12. Full house 2 in box 1: r2c1 = 2  [1.0]\n"
                            "13. Full house 3 in column 1: r7c1 = 3  [1.0]\n"
                            "14. Full house 4 in box 7: r7c3 = 4  [1.0]\n"
                            "15. Full house 3 in row 4: r4c9 = 3  [1.0]\n"
                            "16. Full house 4 in box 6: r5c9 = 4  [1.0]\n"
                            "ER 5.6 (BUG), EP 5.6, ED 2.8\n");
    // The same steps as data, then the rating.
    const auto objects = linesOf(run("-e -f json -", kSmall).out);
    ASSERT_EQ(objects.size(), 17U);
    EXPECT_EQ(json(objects[15])["step"].toInt(), 16);
    EXPECT_EQ(objects[0],
              "{\"step\":1,\"technique\":\"claiming\",\"value\":2.8,\"description\":"
              "\"Claiming 2 in column 3 (r7c3, r8c3) on box 7: r7c1 <> 2\","
              "\"placement\":null,\"eliminations\":[{\"row\":7,\"col\":1,\"digits\":[2]}]}");
    EXPECT_EQ(json(objects[1])["eliminations"].toArray()[0].toObject()["digits"].toArray(),
              QJsonArray({2, 3}));
    EXPECT_EQ(json(objects[2])["placement"].toObject(), json("{\"row\":8,\"col\":3,\"digit\":2}"));
    const QJsonObject rating = json(objects[16]);
    EXPECT_EQ(QJsonArray({rating["er"], rating["ep"], rating["ed"], rating["steps"]}),
              QJsonArray({5.6, 5.6, 2.8, 16}));
    EXPECT_EQ(run("-e -f grid -", kSmall).out.substr(0, 22), "9 1 5 | 6 3 4 | 7 8 2\n");

    // Where the techniques run out, the last lines say so and give a bound.
    const auto hardest = linesOf(run("-e -", kHardest).out);
    ASSERT_GE(hardest.size(), 11U);
    std::smatch left;
    ASSERT_TRUE(std::regex_match(hardest.end()[-2], left,
                                 std::regex("The techniques run out with ([0-9]+) cells empty: "
                                            "the rating is a lower bound.")))
        << hardest.end()[-2];
    const auto placed = std::count_if(hardest.begin(), hardest.end(), [](const std::string& line) {
        return std::regex_search(line, std::regex("r[1-9]c[1-9] = [1-9]  \\["));
    });
    EXPECT_EQ(std::stol(left[1]), std::count(kHardest.begin(), kHardest.end(), '.') - placed);
    EXPECT_TRUE(std::regex_match(
        hardest.back(),
        std::regex("ER >" + kValue + " \\(beyond\\), EP >?" + kValue + ", ED >?" + kValue)))
        << hardest.back();
    EXPECT_EQ(run("-e -", kTwo).out, std::regex_replace(kTwo, std::regex(".{9}"), "$&\n") +
                                         "Not rated: several solutions\n");
}

TEST_F(SolveCli, RatingsStreamInOrderWithAnyJobsAndGoToAFileAllOrNothing) {
    sh("grep -v '^#' " CELLWRIGHT_BENCH_PUZZLES " | head -n 30 >hard.txt; echo " + kSmall +
       " >>hard.txt");
    for (const char* mode : {"--rate", "--explain"}) {
        const std::string args = std::string(mode) + " -f json --lines hard.txt";
        const CliRun one = run(args + " -j1");
        ASSERT_EQ(one.status, 0) << one.err;
        for (const std::string& line : linesOf(one.out)) { // chains remove from many cells
            QJsonParseError error{};
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << mode << ": " << line;
        }
        EXPECT_EQ(run(args + " -j2").out, one.out) << mode;
        const CliRun toFile = run(args + " -j2 -q -o out");
        EXPECT_EQ(toFile.status, 0) << toFile.err;
        EXPECT_EQ(toFile.out + toFile.err, "") << mode;
        EXPECT_EQ(readText(dir.file("out")), one.out) << mode;
    }
    // A file size limit, or a signal, leaves the old file and no other.
    const auto entries = [&] { return std::distance(fs::directory_iterator(dir.path()), {}); };
    file("out", "old");
    const auto before = entries();
    EXPECT_EQ(sh("trap '' XFSZ; { ulimit -f 0; \"$SOLVE\" -r -q -o out --lines hard.txt 2>&1; "
                 "echo $?; } | cat")
                  .out,
              "cellwright-solve: out: File too large\n2\n");
    EXPECT_EQ(sh("mkfifo slow; { sleep 10 >slow & } ; \"$SOLVE\" -r -o out hard.txt slow & "
                 "sleep 1; kill -INT $!; wait $!; echo $?; rm slow")
                  .out,
              "130\n");
    EXPECT_EQ(readText(dir.file("out")), "old");
    EXPECT_EQ(entries(), before);
}

TEST_F(SolveCli, ModesThatDoNotGoTogetherAreUsageErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"--rate --count", "--rate cannot be used with --count"},
        {"-c -e", "--count cannot be used with --explain"},
        {"-e -r", "--explain cannot be used with --rate"},
        {"-r --trace", "--rate cannot be used with --trace"},
        {"-e --backup-dir .", "--explain cannot be used with --backup-dir"},
        {"-r --max-solutions 3", "--rate cannot be used with --max-solutions"},
        {"-e -f line", "--explain cannot be used with --format line (text, json or grid)"},
        {"-c -o x", "--count cannot be used with --output"},
    };
    for (const auto& [args, error] : cases) {
        const CliRun r = run(std::string(args) + " -", kLine);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.err, "cellwright-solve: " + std::string(error) +
                             "\nTry 'cellwright-solve --help' for more information.\n");
    }
}

} // namespace
} // namespace cellwright
