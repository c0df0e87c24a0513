#pragma once

#include <array>
#include <atomic>
#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cellwright::logic {

// The logical solver: it solves a puzzle as a person would, one named step at
// a time, and rates it on Sudoku Explainer's scale (ER/EP/ED), the one that
// puzzle collections and forums quote. It is independent of engine/ and of
// the counter, and uses only the standard library.
//
// Contract:
// - Puzzles are 81 cells, row-major; 1..9 is a given, any other value an empty
//   cell. Nothing checks that the givens agree or that the puzzle has one
//   solution: callers that care count solutions first (counter/).
// - Candidates are worked out once, from the givens; after that only steps
//   change them, exactly as the scale's reference rater does.
// - nextStep takes the step that rater takes: the techniques are tried in a
//   fixed order, the first that finds something wins, and inside a technique
//   its own enumeration order (or, for a few, the cheapest of its finds)
//   decides. Values are the doubles the rater computes, so ties sort alike.
// - rate applies steps until the grid is full. ER is the hardest step, ED the
//   first, EP the hardest up to the first step that places a digit. When the
//   techniques run out, ER is a lower bound, never a guess: bound is set and
//   er is the least value the missing techniques could have.
// - Steps of the techniques up to 6.2 never allocate; a chain step carries its
//   nodes in vectors. No shared mutable state: any number of threads may rate
//   at once.
//
// Cells are numbered 0..80 row-major; texts name them r1c1..r9c9. Digits are
// 1..9; a set of digits is a Mask with bit d-1 for digit d.

using Digits = std::array<std::int16_t, 81>; // same shape as cellwright::Digits
using Mask = std::uint16_t;

constexpr Mask digitBit(int digit) {
    return static_cast<Mask>(1U << (digit - 1));
}
inline constexpr Mask kAllDigits = 0x1FF;

namespace detail {
class HouseIndex;
}

// A candidate grid: the digit of each cell and the candidates of each empty
// cell. A placed cell has no candidates. Beside them it keeps, for every
// house and digit, where the digit may still go, so that the techniques need
// not work it out again at each step.
class Grid {
  public:
    Grid(); // every cell empty, no candidates
    explicit Grid(const Digits& puzzle);

    int digit(int cell) const { return digits_[cell]; }
    Mask candidates(int cell) const { return candidates_[cell]; }
    bool hasCandidate(int cell, int digit) const {
        return (candidates_[cell] & digitBit(digit)) != 0;
    }
    bool solved() const; // no empty cell left

    // Puts digit at cell: the cell loses its candidates, its peers lose digit.
    void place(int cell, int digit);
    // Removes digits from the candidates of cell.
    void eliminate(int cell, Mask digits) {
        setCandidates(cell, static_cast<Mask>(candidates_[cell] & ~digits));
    }
    // Sets the candidates of an empty cell directly (grids made for tests).
    void setCandidates(int cell, Mask digits);

    bool operator==(const Grid&) const = default;

  private:
    friend class detail::HouseIndex;

    std::array<std::uint8_t, 81> digits_{};
    std::array<Mask, 81> candidates_{};
    // [house][digit - 1]: bit p for the house's p-th cell; houses numbered
    // boxes 0..8, rows 9..17, columns 18..26.
    std::array<std::array<Mask, 9>, 27> positions_{};
    std::array<std::uint8_t, 27> emptyCells_{};
};

// Techniques in the order the solver tries them. Each has a lower-case name
// (techniqueName) and a value on the scale, given beside it; some values grow
// with the pattern's size or kind (the step's value says which applies).
enum class Technique : std::uint8_t {
    FullHouse,               // 1.0
    HiddenSingle,            // 1.2 in a box, 1.5 in a row or column
    DirectPointing,          // 1.7: pointing that leaves a hidden single in another box
    DirectClaiming,          // 1.9: claiming that leaves a hidden single in another line
    DirectHiddenPair,        // 2.0: hidden pair that leaves a hidden single in its house
    NakedSingle,             // 2.3
    DirectHiddenTriple,      // 2.5
    Pointing,                // 2.6
    Claiming,                // 2.8
    NakedPair,               // 3.0
    XWing,                   // 3.2
    HiddenPair,              // 3.4
    NakedTriple,             // 3.6
    Swordfish,               // 3.8
    HiddenTriple,            // 4.0
    XYWing,                  // 4.2
    XYZWing,                 // 4.4
    UniqueRectangle,         // 4.5 and up
    UniqueLoop,              // 4.6 and up
    NakedQuad,               // 5.0
    Jellyfish,               // 5.2
    HiddenQuad,              // 5.4
    BUG,                     // 5.6 to 6.2
    AlignedPairExclusion,    // 6.2
    XCycle,                  // 6.5 and up: the chaining techniques
    YCycle,                  //
    ForcingXChain,           //
    XYCycle,                 //
    ForcingChain,            //
    AlignedTripleExclusion,  // 7.5
    NishioForcingChain,      // 7.5 and up
    CellForcingChain,        // 8.0 and up
    RegionForcingChain,      // 8.0 and up
    DynamicForcingChain,     // 8.5 and up
    DynamicForcingChainPlus, // 9.0 and up
    NestedForcingChain,      // 9.5 and up
    Beyond,                  // not a step: what a rating names when the techniques ran out
};

enum class HouseType : std::uint8_t { Box, Row, Column };

struct House {
    HouseType type = HouseType::Box;
    std::uint8_t index = 0; // 0..8; boxes row-major; texts count from 1
    bool operator==(const House&) const = default;
};

// One node of a chain: "cell holds digit" (on) or "cell does not" (off), with
// the nodes it follows from, as indices into Chain::nodes.
struct ChainNode {
    std::uint8_t cell = 0;
    std::uint8_t digit = 0;
    bool on = false;
    std::uint16_t firstParent = 0; // into Chain::parents
    std::uint8_t parentCount = 0;
};

// The implications behind a chaining step; empty for every other technique.
struct Chain {
    std::vector<ChainNode> nodes;
    std::vector<std::uint16_t> parents; // parent lists of the nodes, back to back
    std::vector<std::uint16_t> ends;    // the node each branch concludes with
    int complexity = 0;                 // the node count the value grows with
};

// What a step does and why. Which fields a technique fills:
// - houses[0] is the house the step is about (the box or line of a single,
//   subset or intersection; a fish's first base line); the rest justify it
//   (the other house of an intersection, the fish's other base lines then its
//   cover lines, a direct technique's house of the single, a unique pattern's
//   house of its set or lock).
// - digits: the digit or digits the pattern is made of (a subset's digits, a
//   fish's digit, a wing's eliminated digit, a unique pattern's pair).
// - cells: the pattern's cells in the order the texts name them (an
//   intersection's cells, a subset, a fish's corners, a wing's pivot then its
//   wings, a loop's cells in loop order then a type 3 set's cells, BUG cells,
//   an exclusion's two cells). size is the pattern's own count where one is
//   needed (a subset's or a fish's k, a loop's length, the number of BUG
//   cells: a type 3 set's cells follow those).
// - placement: the cell and digit placed, if the step places one.
// - eliminations: per cell, the candidates removed (applied before the
//   placement).
struct Step {
    Technique technique = Technique::FullHouse;
    std::uint8_t variant = 0; // unique patterns and BUG: their type, 1..4
    std::uint8_t size = 0;
    double value = 0.0; // as the reference rater computes it

    std::array<House, 8> houses{};
    std::uint8_t houseCount = 0;
    Mask digits = 0;
    Mask otherDigits = 0;   // a unique pattern's or BUG's: type 2's extra digit, type 3's set,
                            // type 4's locked or shared digit
    bool hiddenSet = false; // a unique pattern's type 3 set is hidden, not naked
    std::array<std::uint8_t, 32> cells{};
    std::uint8_t cellCount = 0;
    std::int8_t placedCell = -1; // -1: the step places nothing
    std::uint8_t placedDigit = 0;
    std::array<Mask, 81> eliminations{};
    Chain chain;

    // The value in tenths as the scale prints it (half up: 4.45 gives 4.5).
    int tenths() const;
    bool places() const { return placedCell >= 0; }
    bool eliminates() const;
    House house() const { return houses[0]; }

    void addHouse(House house) { houses[houseCount++] = house; }
    void addCell(int cell) { cells[cellCount++] = static_cast<std::uint8_t>(cell); }
    void place(int cell, int digit) {
        placedCell = static_cast<std::int8_t>(cell);
        placedDigit = static_cast<std::uint8_t>(digit);
    }
};

// The step the solver takes next on grid, or none when its techniques find
// nothing (or the grid is full).
std::optional<Step> nextStep(const Grid& grid);
// The same, polling cancel between techniques: none once it is raised.
std::optional<Step> nextStep(const Grid& grid, const std::atomic<bool>* cancel);

// Applies a step: its eliminations, then its placement.
void apply(Grid& grid, const Step& step);

// Why a rating ended.
enum class RatingEnd : std::uint8_t {
    Solved,       // the grid was filled: the rating is exact
    RanOut,       // no technique applied: er is a lower bound
    AboveCeiling, // er passed the caller's ceiling; the rest was not rated
    Cancelled,    // the caller's cancel flag was raised
};

struct RateOptions {
    // In tenths: stop once er exceeds it. Techniques that can only yield
    // dearer steps are not run, so er is then a bound above the ceiling.
    int ceiling = INT_MAX;
    const std::atomic<bool>* cancel = nullptr; // polled between steps and techniques
};

// Values in tenths (71 is 7.1).
struct Rating {
    int er = 0; // the hardest step
    int ep = 0; // the hardest step up to the first placement
    int ed = 0; // the first step
    // er is a lower bound, not SE's value: the techniques ran out (or the
    // rating stopped early). ep and ed are bounds too when no digit (or no
    // step at all) came before the end.
    bool bound = false;
    bool epBound = false;
    bool edBound = false;
    // The first step worth er; Beyond when the techniques ran out.
    Technique hardest = Technique::FullHouse;
    RatingEnd end = RatingEnd::Solved;
    int steps = 0;
};

Rating rate(const Digits& puzzle, const RateOptions& options = {});

// The whole path: every step in order, as rate takes it, then the rating.
Rating explain(const Digits& puzzle, const std::function<void(const Step&)>& onStep,
               const RateOptions& options = {});
std::vector<Step> explain(const Digits& puzzle);

// Texts, in English.
std::string techniqueName(Technique technique); // "hidden single", "X-wing", "BUG", ...
std::string houseName(House house);             // "row 4", "column 6", "box 5"
std::string cellName(int cell);                 // "r4c6"
// A step in one line, e.g.
// "Hidden pair 3/8 in row 4 (r4c2, r4c7): r4c2 <> 1 5, r4c7 <> 6".
std::string describe(const Step& step);
// A value in tenths (0 or more) as the scale prints it: "7.1", or ">6.5" for a bound.
std::string formatValue(int tenths, bool bound = false);

// The bands puzzles are sorted into by ER.
enum class Band : std::uint8_t { Easy, Medium, Hard, Fiendish, Diabolical, Extreme };
Band bandOf(int erTenths);       // Easy to 2.3, Medium to 3.4, Hard to 4.4, Fiendish to 6.2,
                                 // Diabolical to 8.9, Extreme from 9.0
std::string bandName(Band band); // "Easy", ..., "Extreme"

} // namespace cellwright::logic
