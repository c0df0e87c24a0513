#include "engine/headless_host.hpp"
#include "engine/messages.hpp"
#include "engine/solver.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <random>

namespace cellwright {
namespace {

using test::boardOf;

// Backups in memory that can be made to fail after a number of successes.
class FailingBackups final : public HeadlessHost {
  public:
    struct Failures {
        int savesBefore = -1; // -1: never fails
        int loadsBefore = -1;
    };
    explicit FailingBackups(Failures failures) : failures_(failures) {}

    bool saveBackup(std::int16_t level, const Board& arr) override {
        if (exhausted(failures_.savesBefore)) {
            showMessage(kErrorSavingBoard, true);
            return false;
        }
        saved_[static_cast<std::size_t>(level)].copyDigitsFrom(arr);
        return true;
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        countBackout();
        if (exhausted(failures_.loadsBefore)) {
            showMessage(kErrorLoadingBoard, true);
            return false;
        }
        arr.copyDigitsFrom(saved_[static_cast<std::size_t>(level)]);
        return true;
    }
    void deleteBackups() override {}
    bool keepsBoardWhenLoadFails() const override { return true; }

  private:
    static bool exhausted(int& before) {
        if (before == 0)
            return true;
        if (before > 0)
            --before;
        return false;
    }

    Failures failures_;
    std::array<Board, kMaxGuessDepth + 1> saved_{};
};

// Runs the same search with solveBoard and with quiet passes side by side:
// every pass must give the same result, digits, guesses and message, and the
// pass that ends the search the same marks too.
// Returns the message the search ended with.
std::string expectSameSearch(const EngineState& start, FailingBackups::Failures failures = {}) {
    EngineState loud = start;
    EngineState quiet = start;
    FailingBackups loudHost(failures);
    FailingBackups quietHost(failures);
    for (int pass = 0; pass < 200000; ++pass) {
        const bool loudDone = solveBoard(loud, loudHost);
        const bool quietDone = solveBoardQuietly(quiet, quietHost);
        if (quietDone != loudDone || quiet.board.digits() != loud.board.digits() ||
            quiet.guessStack != loud.guessStack || quiet.guessDepth != loud.guessDepth ||
            quietHost.message() != loudHost.message()) {
            EXPECT_EQ(quietDone, loudDone) << "pass " << pass;
            EXPECT_EQ(quiet.board.digits(), loud.board.digits()) << "pass " << pass;
            EXPECT_EQ(quiet.guessStack, loud.guessStack) << "pass " << pass;
            EXPECT_EQ(quiet.guessDepth, loud.guessDepth) << "pass " << pass;
            EXPECT_EQ(quietHost.message(), loudHost.message()) << "pass " << pass;
            return "";
        }
        if (loudDone) {
            EXPECT_EQ(quiet.board, loud.board) << "marks left by the last pass";
            return loudHost.message();
        }
    }
    ADD_FAILURE() << "the search did not end";
    return "";
}

EngineState stateOf(std::string_view line) {
    EngineState state;
    state.board = boardOf(line);
    return state;
}

const std::string kEmpty(81, '.');

TEST(QuietPasses, MatchSolveBoardOnWholeSearches) {
    std::string clash(test::kPuzzle);
    clash[2] = '5';
    std::string deadEnd(kEmpty);
    deadEnd.replace(0, 9, "1234.5678");
    deadEnd[9 * 5 + 4] = '9';
    // Unsolvable only after a search: a given that breaks the one solution
    // (its last cell must hold 4) without clashing with any other.
    std::string broken(test::kHardPuzzle);
    broken[80] = '5';
    const struct {
        std::string_view puzzle;
        std::string_view ending;
    } searches[] = {{test::kPuzzle, kBoardSolved},
                    {test::kHardPuzzle, kBoardSolved},
                    {test::kTwoDeadEnds, kBoardUnsolvable},
                    {test::kSolution, kBoardSolved},
                    {kEmpty, kBoardSolved},
                    {clash, kBoardUnsolvable},
                    {deadEnd, kBoardUnsolvable},
                    {broken, kBoardUnsolvable}};
    for (const auto& search : searches) {
        SCOPED_TRACE(search.puzzle);
        EXPECT_EQ(expectSameSearch(stateOf(search.puzzle)), search.ending);
    }
}

// A pass that ends early must still leave the marks its analysis gave.
TEST(QuietPasses, MatchSolveBoardWhenBackupsFail) {
    for (int n : {0, 1, 5, 40}) {
        SCOPED_TRACE(n);
        expectSameSearch(stateOf(test::kHardPuzzle), {.savesBefore = n});
        expectSameSearch(stateOf(test::kHardPuzzle), {.loadsBefore = n});
    }
}

TEST(QuietPasses, MatchSolveBoardAtTheGuessLimitAndTheNinthCandidate) {
    // The guess that reaches the limit, then the pass that stops there and
    // leaves the marks of the one before.
    EngineState limit = stateOf(test::kTwoDeadEnds);
    limit.guessDepth = kMaxGuessDepth;
    expectSameSearch(limit);

    // The ninth candidate of an empty cell, at depth 0 and above it.
    EngineState ninth = stateOf(kEmpty);
    ninth.guessStack[0].nextCandidate = 8;
    expectSameSearch(ninth);
    ninth.guessDepth = 1;
    ninth.guessStack[1].nextCandidate = 8;
    expectSameSearch(ninth);
}

// Boards a search meets: a solution with holes, sometimes with a wrong digit.
TEST(QuietPasses, MatchSolveBoardOnRandomBoards) {
    std::mt19937 rng(77);
    for (int round = 0; round < 300; ++round) {
        EngineState state = stateOf(test::kSolution);
        for (int i = 0; i < kCellCount; ++i) {
            if (static_cast<int>(rng() % 100) < 40 + round % 50) {
                ASSERT_TRUE(state.board.setDigit(i, 0));
            }
        }
        if (round % 3 == 0) {
            ASSERT_TRUE(state.board.setDigit(static_cast<int>(rng() % 81),
                                             1 + static_cast<int>(rng() % 9)));
        }
        SCOPED_TRACE(round);
        expectSameSearch(state);
    }
}

} // namespace
} // namespace cellwright
