#pragma once

#include "logic/geometry.hpp"
#include "logic/rating.hpp"

#include <array>

// What every technique sees, and the ordered table of techniques that
// nextStep runs.
namespace cellwright::logic::detail {

// Where each digit can still go in each house, as the grid keeps it.
class HouseIndex {
  public:
    explicit HouseIndex(const Grid& grid) : grid_(grid) {}

    // The positions (bits 0..8, house order) of digit's candidates in house.
    Mask positions(int house, int digit) const { return grid_.positions_[house][digit - 1]; }
    int emptyCells(int house) const { return grid_.emptyCells_[house]; }

  private:
    const Grid& grid_;
};

struct Context {
    explicit Context(const Grid& g) : grid(g), index(g) {}
    const Grid& grid;
    HouseIndex index;
};

// A technique's search: true when it found a step, which it wrote to step
// (only then). A step always changes the grid; finds that would change
// nothing are passed over.
using Find = bool (*)(const Context&, Step&);

struct Producer {
    Find find;         // nullptr: not built yet
    double leastValue; // the cheapest step it can yield
};

// Every technique in the order they are tried. A slot whose technique is not
// built holds nullptr; running out of techniques before it makes the rating a
// lower bound worth its leastValue. The chaining techniques take slots 21 to
// 30 (index 20 on): each is a Find like the others, kept in files of its own,
// that fills Step::chain with the nodes behind its conclusion. Those that
// compare all their finds (the sorted ones) keep the cheapest themselves, as
// findUniqueLoop does.
inline constexpr int kProducerCount = 30;
extern const std::array<Producer, kProducerCount> kProducers;

// The value of the first missing technique: what a rating that ran out is
// certainly worth at least.
double leastValueOfMissing();

// nextStep trying only the first `producers` techniques of the table.
std::optional<Step> nextStepOfFirst(const Grid& grid, const std::atomic<bool>* cancel,
                                    int producers);
// How many techniques, from the first, can yield a step worth value or less.
// The table's least values never fall, so past these every step is dearer.
int producersWorthAtMost(double value);
// Whether any technique from this place in the table on is built.
bool builtFrom(int producer);

// A step's starting point: technique, value and nothing else.
inline void begin(Step& step, Technique technique, double value) {
    step = Step{};
    step.technique = technique;
    step.value = value;
}

bool findSingles(const Context&, Step&);
bool findDirectIntersection(const Context&, Step&);
bool findDirectHiddenPair(const Context&, Step&);
bool findNakedSingle(const Context&, Step&);
bool findDirectHiddenTriple(const Context&, Step&);
bool findIntersection(const Context&, Step&);
bool findNakedPair(const Context&, Step&);
bool findXWing(const Context&, Step&);
bool findHiddenPair(const Context&, Step&);
bool findNakedTriple(const Context&, Step&);
bool findSwordfish(const Context&, Step&);
bool findHiddenTriple(const Context&, Step&);
bool findXYWing(const Context&, Step&);
bool findXYZWing(const Context&, Step&);
bool findUniqueLoop(const Context&, Step&);
bool findNakedQuad(const Context&, Step&);
bool findJellyfish(const Context&, Step&);
bool findHiddenQuad(const Context&, Step&);
bool findBug(const Context&, Step&);
bool findAlignedPairExclusion(const Context&, Step&);

} // namespace cellwright::logic::detail
