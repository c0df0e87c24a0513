#include "cli/cli_run.hpp"
#include "cli/generate_options.hpp"
#include "cli/generate_rater.hpp"
#include "cli/generate_run.hpp"
#include "support/sound_puzzle.hpp"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <regex>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cellwright {
namespace {

using namespace cellwright::generator;
using test::CliRun;
using test::linesOf;
using test::readText;
using test::TempDir;

// A stand-in for the rater: a rating drawn from the cells, spread over the
// scale; one in three of those from 6.5 up is bound. Past a ceiling it stops
// as the rater may, with a rating just above it.
std::optional<Rating> fakeRating(const Grid& puzzle, const RateLimits& limits) {
    std::uint32_t hash = 0;
    for (const std::int8_t digit : puzzle)
        hash = hash * 31 + static_cast<std::uint32_t>(digit);
    Rating rating{static_cast<int>(10 + hash % 100), 12, 10, false, "Fake"};
    rating.bound = rating.er >= 65 && hash % 3 == 0;
    rating.epBound = rating.bound;
    rating.edBound = rating.bound && hash % 2 == 0;
    if (limits.ceiling && rating.er > *limits.ceiling)
        rating = {*limits.ceiling + 1, 12, 10, false, "Stopped"};
    return rating;
}

// Every puzzle of a JSON run: sound, its fields agreeing, its rating the
// rater's and in the band (when one was asked for).
void expectMadeAsAsked(const std::string& json, const cli::GenerateOptions& options,
                       const Rater& rater = fakeRating) {
    const QJsonObject made = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    const std::string givens = made["puzzle"].toString().toStdString();
    const auto symmetry = symmetryNamed(made["symmetry"].toString().toStdString());
    ASSERT_TRUE(symmetry);
    const Puzzle puzzle =
        test::puzzleOf(givens, made["solution"].toString().toStdString(), *symmetry);
    test::expectSoundPuzzle(puzzle);
    EXPECT_EQ(made["givens"].toInt(), 81 - std::count(givens.begin(), givens.end(), '.'));
    if (!options.band) {
        EXPECT_TRUE(made["er"].isNull() && made["technique"].isNull()) << json;
        return;
    }
    const Rating rating = *rater(puzzle.givens, {});
    EXPECT_EQ(std::lround(made["er"].toDouble() * 10), rating.er) << json;
    EXPECT_EQ(QJsonArray({made["bound"], made["ep_bound"].toBool(), made["ed_bound"].toBool()}),
              QJsonArray({rating.bound, rating.epBound, rating.edBound}))
        << json;
    EXPECT_TRUE(inBand(rating, *options.band)) << json;
}

// A run inside the test, with the fake rater.
CliRun generateWithFakeRater(const std::string& args) {
    std::vector<std::string> words{"cellwright-generate"};
    std::istringstream in(args);
    for (std::string word; in >> word;)
        words.push_back(word);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    std::string error;
    const auto options =
        cli::parseGenerateOptions(static_cast<int>(argv.size()), argv.data(), error);
    if (!options)
        return {2, "", error};
    TempDir dir;
    const int fd = ::open(dir.file("out").c_str(), O_WRONLY | O_CREAT, 0600);
    const Rater rater = fakeRating;
    std::atomic<bool> stop{false};
    testing::internal::CaptureStderr();
    CliRun run;
    {
        cli::Output output(fd);
        run.status =
            cli::runGenerate(*options, {options->seed.value_or(1), &rater, &stop, false}, output);
    }
    run.err = testing::internal::GetCapturedStderr();
    ::close(fd);
    run.out = readText(dir.file("out"));
    for (const std::string& line : linesOf(run.out))
        expectMadeAsAsked(line, *options);
    return run;
}

TEST(GenerateRun, RatedPuzzlesAreInTheirBandWhateverTheJobs) {
    const struct {
        std::string args;
        int status;
        std::size_t puzzles;
        std::string err;
    } cases[] = {
        {"--level hard -n 5", 0, 5, "5 puzzles (hard) from "},
        {"--level diabolical -n 3 --symmetry random", 0, 3, "3 puzzles (diabolical) from "},
        {"--rating 6.0 -n 6 --symmetry none", 0, 6, "6 puzzles (rated 6.0) from "},
        {"--rating 2.5-2.5 -n 2", 0, 2, "2 puzzles (rated 2.5-2.5) from "},
        {"--rating 0.9-2.0 -n 2", 0, 2, "2 puzzles (rated 0.9-2.0) from "},
        {"--rating 10.9 -n 5 --max-tries 40", 1, 0,
         "only 0 of 5 puzzles made within --max-tries 40: 0 puzzles (rated 10.9) from 40 tries"},
        {"-n 2 --max-tries 2", 0, 2, "2 puzzles from 2 tries"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun one = generateWithFakeRater(c.args + " -f json --seed 9 -j 1");
        EXPECT_EQ(one.status, c.status);
        EXPECT_EQ(linesOf(one.out).size(), c.puzzles);
        EXPECT_EQ(one.err.substr(one.err.find(": ") + 2, c.err.size()), c.err); // after our name
        EXPECT_EQ(generateWithFakeRater(c.args + " -f json --seed 9 -j 2").out, one.out);
    }
}

TEST(GenerateRun, LevelsAreTheRatersBands) {
    const std::pair<const char*, std::optional<Band>> cases[] = {
        {"easy", Band{0, 23}},      {"Medium", Band{24, 34}},     {"HARD", Band{35, 44}},
        {"fiendish", Band{45, 62}}, {"diabolical", Band{63, 89}}, {"extreme", Band{90, {}}},
        {"tough", std::nullopt},
    };
    for (const auto& [name, band] : cases) {
        const auto found = cli::levelBand(name);
        ASSERT_EQ(found.has_value(), band.has_value()) << name;
        if (band) {
            EXPECT_EQ(found->min, band->min) << name;
            EXPECT_EQ(found->max, band->max) << name;
        }
    }
}

// $GENERATE is the real program.
class GenerateCli : public test::CliTest {
  protected:
    void SetUp() override { ::setenv("GENERATE", CELLWRIGHT_GENERATE, 1); }
    test::CliRun run(const std::string& args) { return sh("\"$GENERATE\" " + args); }
};

TEST_F(GenerateCli, OptionErrorsSayWhatIsWrong) {
    const std::string version = std::string("cellwright-generate ") + CELLWRIGHT_VERSION + "\n";
    const std::string tryHelp = "\nTry 'cellwright-generate --help' for more information.\n";
    const struct {
        std::string args;
        int status;
        std::string out, err; // out: its start; err: all of it
    } cases[] = {
        {"-V", 0, version, ""},
        {"--help", 0, "Usage: cellwright-generate [OPTION]...\n", ""},
        {"-n 0", 2, "", "invalid count '0' (a whole number from 1 to 1000000000)" + tryHelp},
        {"--count=x", 2, "", "invalid count 'x' (a whole number from 1 to 1000000000)" + tryHelp},
        {"--rating 4.4-3.6", 2, "",
         "invalid rating '4.4-3.6' (MIN or MIN-MAX, such as 3.0-4.4, from 0.0 to 20.0)" + tryHelp},
        {"--rating 3.25", 2, "",
         "invalid rating '3.25' (MIN or MIN-MAX, such as 3.0-4.4, from 0.0 to 20.0)" + tryHelp},
        {"--level tough", 2, "",
         "invalid level 'tough' (easy, medium, hard, fiendish, diabolical or extreme)" + tryHelp},
        {"--level hard --rating 3.0", 2, "", "give --rating or --level, not both" + tryHelp},
        {"--symmetry spiral", 2, "",
         "invalid symmetry 'spiral' (none, rotate180, rotate90, mirror, diagonal or random)" +
             tryHelp},
        {"--seed -1", 2, "",
         "invalid seed '-1' (a whole number from 0 to 18446744073709551615)" + tryHelp},
        {"-j 257", 2, "", "invalid job count '257' (a whole number from 1 to 256)" + tryHelp},
        {"-f csv", 2, "", "invalid format 'csv' (line, text, json or grid)" + tryHelp},
        {"--max-tries 0", 2, "", "invalid try limit '0' (a whole number from 1 up)" + tryHelp},
        {"--seed", 2, "", "option '--seed' requires an argument" + tryHelp},
        {"-x", 2, "", "invalid option -- 'x'" + tryHelp},
        {"puzzles.txt", 2, "",
         "unexpected argument 'puzzles.txt' (puzzles are made, not read)" + tryHelp},
        {"-o no/such/dir", 2, "", "no/such/dir: No such file or directory\n"},
        {"--seed 1 >/dev/full", 2, "", "standard output: No space left on device\n"},
        {"--seed 1 -o /dev/full", 2, "", "/dev/full: No space left on device\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << r.err;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args;
        if (c.status != 0) {
            EXPECT_EQ(r.err, "cellwright-generate: " + c.err) << c.args;
        }
    }
    // A file size limit, as a full disk, leaves the old file and nothing beside it.
    file("old", "mine");
    EXPECT_EQ(
        sh("trap '' XFSZ; { ulimit -f 0; \"$GENERATE\" -q -n 50 -o old 2>&1; echo $?; } | cat").out,
        "cellwright-generate: old: File too large\n2\n");
    EXPECT_EQ(readText(dir.file("old")), "mine");
    EXPECT_EQ(sh("ls -A").out, "old\nstderr\nstdin\nstdout\n");
}

TEST_F(GenerateCli, TheSeedGivesTheSameOutputInEveryFormatWithAnyJobs) {
    const CliRun unseeded = run("-n 3 --symmetry random -f json");
    ASSERT_EQ(unseeded.status, 0) << unseeded.err;
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(unseeded.err, seed, std::regex("; seed ([0-9]+)\n$")));
    EXPECT_EQ(run("-n 3 --symmetry random -f json -q -j 2 --seed " + seed[1].str()).out,
              unseeded.out);
    for (const std::string& line : linesOf(unseeded.out))
        expectMadeAsAsked(line, {});
    for (const char* level : {"easy", "medium", "hard"}) {
        const std::string args = std::string("-n 2 -f json -q --seed 5 --level ") + level;
        const CliRun one = run(args + " -j 1");
        EXPECT_EQ(run(args + " -j 2").out, one.out) << level;
        cli::GenerateOptions options;
        options.band = cli::levelBand(level);
        for (const std::string& line : linesOf(one.out))
            expectMadeAsAsked(line, options, cli::programRater());
    }
    for (const char* format : {"line", "text", "grid"}) {
        const std::string args = std::string("-n 4 --seed 77 -q -f ") + format;
        const CliRun one = run(args + " -j 1");
        EXPECT_EQ(run(args + " -j 2").out, one.out) << format;
        EXPECT_EQ(run(args + " -j 1 -o file").out, "") << format;
        EXPECT_EQ(readText(dir.file("file")), one.out) << format;
    }
    const auto lines = linesOf(run("-n 2 --seed 77 --symmetry mirror").out);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("[1-9.]{81}\t-\t[1-9]{81}")));
    test::expectSoundPuzzle(
        test::puzzleOf(lines[0].substr(0, 81), lines[0].substr(84), Symmetry::Mirror));
    EXPECT_TRUE(
        std::regex_match(run("-n 2 --seed 77 -f text").out,
                         std::regex("Unrated, [0-9]+ givens, rotate180\n([1-9.]{9}\n){9}\n"
                                    "Unrated, [0-9]+ givens, rotate180\n([1-9.]{9}\n){9}")));
}

TEST_F(GenerateCli, OutputStreamsAndEndsWholeOnAClosedPipeOrSigint) {
    const CliRun piped = sh("timeout 20 \"$GENERATE\" -n 1000000000 --symmetry none | head -n 3");
    EXPECT_EQ(linesOf(piped.out).size(), 3U) << "the puzzles come as they are made";
    EXPECT_EQ(piped.err, "");

    const CliRun stopped = sh("\"$GENERATE\" -n 1000000000 -o out & sleep 1; kill -INT $!; "
                              "wait $!; echo $?");
    EXPECT_EQ(stopped.out, "130\n") << "ends by the signal";
    const auto lines = linesOf(readText(dir.file("out")));
    EXPECT_GT(lines.size(), 10U);
    for (const std::string& line : lines)
        ASSERT_TRUE(std::regex_match(line, std::regex("[1-9.]{81}\t-\t[1-9]{81}"))) << line;
    EXPECT_TRUE(std::regex_match(
        stopped.err, std::regex("cellwright-generate: stopped: " + std::to_string(lines.size()) +
                                " puzzles from .*\n")))
        << stopped.err;
}

} // namespace
} // namespace cellwright
