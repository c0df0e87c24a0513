// Ratings against Sudoku Explainer's own, whole paths in its order, what a
// rating says when it stops early, and the texts.
#include "logic/rating.hpp"
#include "logic_test_support.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <map>
#include <thread>

namespace {

using namespace cellwright::logic;
using test::digitsOf;

// Up to 6.2, ER, EP and ED all equal the reference rater's. Above, where the
// chaining techniques are needed, a rating is either exact or a bound no
// higher than the reference's ER.
TEST(LogicRating, RatedSample) {
    std::map<Band, std::array<int, 3>> counts; // puzzles, exact, bound
    const auto sample = test::ratedSample();
    ASSERT_EQ(sample.size(), 304U);
    for (const auto& rated : sample) {
        const Rating rating = rate(digitsOf(rated.puzzle));
        auto& count = counts[bandOf(rated.er)];
        ++count[0];
        if (rating.bound) {
            ++count[2];
            EXPECT_GT(rated.er, 62) << rated.puzzle;
            EXPECT_LE(rating.er, rated.er) << rated.puzzle;
            EXPECT_EQ(rating.end, RatingEnd::RanOut);
            EXPECT_EQ(rating.hardest, Technique::Beyond);
            continue;
        }
        const bool exact = rating.er == rated.er && rating.ep == rated.ep && rating.ed == rated.ed;
        count[1] += exact;
        EXPECT_TRUE(exact) << rated.puzzle << " rated " << rating.er << "/" << rating.ep << "/"
                           << rating.ed << ", expected " << rated.er << "/" << rated.ep << "/"
                           << rated.ed;
    }
    for (const auto& [band, count] : counts) {
        std::cout << bandName(band) << ": " << count[0] << " puzzles, " << count[1] << " exact, "
                  << count[2] << " bound\n";
    }
}

// The steps other than singles along whole paths, in the reference's order:
// direct techniques before a naked single, a BUG type 4 before type 1.
TEST(LogicRating, WorkedPaths) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> paths = {
        {"4..2....5.6..1.2....5.7.41....1..72.....3.5..7....9.4.........66....7.9...9....5.",
         {"Direct pointing 3 in box 6 (r4c9, r6c9) on column 9: r2c9 <> 3, r3c9 <> 3, r8c9 <> "
          "3, r9c9 <> 3; r2c8 = 3",
          "Direct hidden pair 2/3 in box 1 (r3c1, r3c2): r3c1 <> 9, r3c2 <> 9; r2c1 = 9",
          "Direct pointing 4 in box 5 (r4c6, r5c6) on column 6: r2c6 <> 4, r7c6 <> 4, r9c6 <> "
          "4; r2c4 = 4",
          "Pointing 1 in box 6 (r5c9, r6c9) on column 9: r8c9 <> 1, r9c9 <> 1",
          "Pointing 5 in box 5 (r6c4, r6c5) on row 6: r6c2 <> 5",
          "Claiming 4 in row 7 (r7c2, r7c3) on box 7: r8c2 <> 4, r8c3 <> 4",
          "Naked pair 2/4 in row 9 (r9c5, r9c9): r9c1 <> 2, r9c6 <> 2",
          "Unique rectangle type 1 on 2/4 (r8c9, r9c9, r9c5, r8c5): r8c5 <> 2 4"}},
        {"51.2...3...2...6.1..6..9....586.1.....439.....6..4...89.1............3.6......2..",
         {"Direct hidden pair 3/6 in row 7 (r7c5, r7c6): r7c5 <> 2 5 7 8, r7c6 <> 2 4 5 7; "
          "r7c2 = 2",
          "Direct hidden pair 5/7 in column 6 (r2c6, r9c6): r2c6 <> 3 4, r9c6 <> 4; r7c6 = 3",
          "Direct hidden pair 1/5 in column 5 (r3c5, r9c5): r3c5 <> 8, r9c5 <> 8; r1c5 = 8",
          "Pointing 7 in box 3 (r3c7, r3c9) on row 3: r3c4 <> 7",
          "Pointing 5 in box 8 (r9c5, r9c6) on row 9: r9c8 <> 5, r9c9 <> 5",
          "Claiming 4 in row 1 (r1c7, r1c9) on box 3: r2c8 <> 4, r3c7 <> 4, r3c9 <> 4",
          "Naked pair 4/9 in column 7 (r1c7, r4c7): r7c7 <> 4",
          "Naked pair 7/8 in row 7 (r7c4, r7c7): r7c8 <> 8, r7c9 <> 7",
          "BUG type 4 on r9c4, r9c8 with 8 in row 9: r9c4 <> 9, r9c8 <> 1",
          "BUG type 1 on r9c4: r9c4 <> 1 8"}},
    };
    for (const auto& [puzzle, expected] : paths) {
        std::vector<std::string> steps;
        for (const Step& step : explain(digitsOf(puzzle))) {
            if (step.technique != Technique::FullHouse && step.technique != Technique::HiddenSingle)
                steps.push_back(describe(step));
        }
        EXPECT_EQ(steps, expected) << puzzle;
    }
}

// A rating that stops early says so, and its values are bounds.
TEST(LogicRating, EndsEarly) {
    const Digits rectanglePuzzle = digitsOf(
        "4..2....5.6..1.2....5.7.41....1..72.....3.5..7....9.4.........66....7.9...9....5.");
    const Rating above = rate(rectanglePuzzle, RateOptions{.ceiling = 30});
    EXPECT_EQ(above.end, RatingEnd::AboveCeiling);
    EXPECT_TRUE(above.bound);
    // Past naked pairs (3.0) only dearer techniques are left, and none is run:
    // the bound is the next one's least value, at most the true ER of 4.5.
    EXPECT_EQ(above.er, 32);
    EXPECT_EQ(above.hardest, Technique::Beyond);
    EXPECT_FALSE(rate(rectanglePuzzle, RateOptions{.ceiling = 45}).bound);

    const std::atomic<bool> cancelled{true};
    const Rating cancel = rate(rectanglePuzzle, RateOptions{.cancel = &cancelled});
    EXPECT_EQ(cancel.end, RatingEnd::Cancelled);
    EXPECT_TRUE(cancel.bound && cancel.epBound && cancel.edBound);
    EXPECT_EQ(cancel.steps, 0);

    // Nothing applies to the empty grid: worth at least the first missing
    // technique's least value.
    const Rating empty = rate(Digits{});
    EXPECT_EQ(empty.end, RatingEnd::RanOut);
    EXPECT_TRUE(empty.bound && empty.epBound && empty.edBound);
    EXPECT_EQ(empty.er, 95);
    EXPECT_EQ(empty.ep, 95);
    EXPECT_EQ(empty.ed, 95);
    EXPECT_EQ(formatValue(empty.er, empty.bound), ">9.5");

    // The whole grid given: no step, nothing to rate.
    const Rating full = rate(digitsOf(
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179"));
    EXPECT_EQ(full.end, RatingEnd::Solved);
    EXPECT_FALSE(full.bound);
    EXPECT_EQ(full.er + full.ep + full.ed + full.steps, 0);
}

// Cells outside 1..9 are empty, as in the reference rater's input.
TEST(LogicRating, OddCellValuesAreEmpty) {
    Digits odd = digitsOf(
        "51.2...3...2...6.1..6..9....586.1.....439.....6..4...89.1............3.6......2..");
    odd[2] = 10, odd[4] = -3, odd[80] = 0x7FFF;
    EXPECT_EQ(Grid(odd), Grid(digitsOf("51.2...3...2...6.1..6..9....586.1.....439.....6..4...89.1."
                                       "...........3.6......2..")));
}

// No shared state: two threads rate the sample at once, as one would alone.
TEST(LogicRating, ThreadsRateAlike) {
    const auto sample = test::ratedSample();
    std::vector<Rating> alone, first(sample.size()), second(sample.size());
    for (const auto& rated : sample)
        alone.push_back(rate(digitsOf(rated.puzzle)));
    const auto rateInto = [&sample](std::vector<Rating>& into) {
        for (std::size_t i = 0; i < sample.size(); ++i)
            into[i] = rate(digitsOf(sample[i].puzzle));
    };
    std::thread a(rateInto, std::ref(first)), b(rateInto, std::ref(second));
    a.join(), b.join();
    for (std::size_t i = 0; i < sample.size(); ++i) {
        EXPECT_TRUE(first[i].er == alone[i].er && second[i].er == alone[i].er &&
                    first[i].steps == alone[i].steps && second[i].steps == alone[i].steps);
    }
}

TEST(LogicText, ValuesBandsAndNames) {
    const std::vector<std::tuple<int, bool, std::string, std::string>> values = {
        {10, false, "1.0", "Easy"},       {23, false, "2.3", "Easy"},
        {25, false, "2.5", "Medium"},     {34, false, "3.4", "Medium"},
        {36, false, "3.6", "Hard"},       {44, false, "4.4", "Hard"},
        {45, false, "4.5", "Fiendish"},   {62, false, "6.2", "Fiendish"},
        {65, true, ">6.5", "Diabolical"}, {89, false, "8.9", "Diabolical"},
        {90, false, "9.0", "Extreme"},    {112, false, "11.2", "Extreme"},
    };
    for (const auto& [tenths, bound, text, band] : values) {
        EXPECT_EQ(formatValue(tenths, bound), text);
        EXPECT_EQ(bandName(bandOf(tenths)), band) << tenths;
    }
    EXPECT_EQ(techniqueName(Technique::XWing), "X-wing");
    EXPECT_EQ(techniqueName(Technique::AlignedPairExclusion), "aligned pair exclusion");
    EXPECT_EQ(techniqueName(Technique::Beyond), "beyond");
    EXPECT_EQ(houseName(House{HouseType::Column, 5}), "column 6");
    EXPECT_EQ(cellName(80), "r9c9");
}

} // namespace
