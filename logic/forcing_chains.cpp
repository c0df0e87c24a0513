// Cycles and forcing chains that follow one line of implications from one
// assumption ("static" chains: candidates are read from the grid as it is).
//
// Three passes, each over every candidate (cells row-major, digits up): house
// links alone (X-cycles, forcing X-chains), cell links alone (Y-cycles, from
// bivalue cells only: a forcing chain of cell links alone cannot exist, its
// length would have to be both odd and even), then both (XY-cycles, forcing
// chains). From each candidate the search runs breadth first, so every node is
// reached by a shortest route, and the first route found is the one kept:
// - a cycle closes when the assumption "on" comes back after four or more
//   nodes. Either all its "on" nodes hold or all its "off" nodes do, so a
//   candidate outside it that sees an "on" and an "off" node of its digit is
//   false;
// - a forcing chain from "on" that reaches "off" removes the candidate; one
//   from "off" that reaches "on" places it.
// Of all finds the cheapest is taken: by value, then node count, then the
// order found. The search keeps the best so far and stops each walk at the
// depth where nothing found could beat it.
#include "logic/chains.hpp"

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace cellwright::logic::detail {

namespace {

struct Pass {
    bool houseLinks;
    bool cellLinks;
    double cycleBase;
    double chainBase; // 0: no forcing chains
    Technique cycle;
    Technique chain;
};

constexpr std::array<Pass, 3> kPasses = {{
    {true, false, 6.5, 6.6, Technique::XCycle, Technique::ForcingXChain},
    {false, true, 6.5, 0.0, Technique::YCycle, Technique::YCycle},
    {true, true, 7.0, 7.0, Technique::XYCycle, Technique::ForcingChain},
}};

// The walks' storage, kept by each thread that rates: a search reuses it
// rather than allocating at every step.
struct Walk {
    std::array<std::uint32_t, kNodeCount> seen{};
    std::uint32_t visit = 0;
    std::array<std::int16_t, kNodeCount> parent{};
    std::array<std::uint16_t, kNodeCount> depth{};
    std::array<std::int16_t, kNodeCount> queue{};
    std::array<std::uint32_t, kNodeCount> closer{};
    std::array<std::int16_t, kNodeCount + 1> route{};
    std::array<std::int16_t, kNodeCount + 1> bestRoute{};
};

class Search {
  public:
    Search(const Context& context, Walk& walk)
        : links_(context), seen_(walk.seen), visit_(walk.visit), parent_(walk.parent),
          depth_(walk.depth), queue_(walk.queue), closer_(walk.closer), route_(walk.route),
          bestRoute_(walk.bestRoute) {}

    bool run(Step& step);

  private:
    void fromOn(const Pass& pass, int cell, int digit);
    void fromOff(const Pass& pass, int cell, int digit);

    // A find worth value with complexity nodes beats the best so far.
    bool beats(double value, int complexity) const {
        return !found_ || value < value_ || (value == value_ && complexity < complexity_);
    }
    // The most nodes a find on base could have and still beat the best.
    int longestUseful(double base) const;
    void updateLimits(const Pass& pass);

    void enqueue(int node, int parent, int depth) {
        seen_[node] = visit_;
        parent_[node] = static_cast<std::int16_t>(parent);
        depth_[node] = static_cast<std::uint16_t>(depth);
        queue_[tail_++] = static_cast<std::int16_t>(node);
    }
    // The route to node from the walk's start, into route_; returns its length.
    int routeTo(int node);
    void markClosers(const Pass& pass, int cell, int digit);
    bool leadsTo(int node, int later) const;
    void tryCycle(const Pass& pass, int last, int closing, int complexity);
    void keep(Technique technique, double value, int complexity, int length);

    ChainGrid links_;

    // A new walk: nodes seen in it, and the closers of its cycles, carry its
    // visit number.
    void newVisit() {
        if (++visit_ == 0) {
            seen_.fill(0);
            closer_.fill(0);
            visit_ = 1;
        }
    }

    // The breadth-first walk.
    std::array<std::uint32_t, kNodeCount>& seen_;
    std::uint32_t& visit_;
    std::array<std::int16_t, kNodeCount>& parent_;
    std::array<std::uint16_t, kNodeCount>& depth_;
    std::array<std::int16_t, kNodeCount>& queue_;
    int tail_ = 0;
    std::array<std::uint32_t, kNodeCount>& closer_;
    std::array<std::int16_t, kNodeCount + 1>& route_;
    std::array<Mask, 81> removals_{};

    int cycleLimit_ = INT_MAX;
    int chainLimit_ = INT_MAX;

    // The best find so far.
    bool found_ = false;
    double value_ = 0.0;
    int complexity_ = 0;
    Technique technique_ = Technique::ForcingChain;
    std::array<std::int16_t, kNodeCount + 1>& bestRoute_;
    int bestLength_ = 0;
    std::array<Mask, 81> bestRemovals_{};
    int placedCell_ = -1;
    int placedDigit_ = 0;
};

int Search::longestUseful(double base) const {
    if (!found_)
        return INT_MAX;
    int complexity = 0;
    while (beats(chainValue(base, complexity + 1), complexity + 1))
        ++complexity;
    return complexity;
}

void Search::updateLimits(const Pass& pass) {
    cycleLimit_ = longestUseful(pass.cycleBase);
    chainLimit_ = pass.chainBase > 0 ? longestUseful(pass.chainBase) : 0;
}

int Search::routeTo(int node) {
    int length = 0;
    for (int n = node; n >= 0; n = parent_[n])
        route_[length++] = static_cast<std::int16_t>(n);
    for (int i = 0, j = length - 1; i < j; ++i, --j)
        std::swap(route_[i], route_[j]);
    return length;
}

// The "off" nodes that turn the start back on: its cell's other candidate,
// and its digit's partners in its houses. The start being off turns those
// very candidates on, so they are the opposites of what "off" implies.
void Search::markClosers(const Pass& pass, int cell, int digit) {
    forEachOnOfOff(links_, cell, digit, pass.cellLinks, pass.houseLinks,
                   [&](int on) { closer_[oppositeOf(on)] = visit_; });
}

// Whether node is on the walk's route to later.
bool Search::leadsTo(int node, int later) const {
    for (int n = later; n >= 0; n = parent_[n]) {
        if (n == node)
            return true;
    }
    return false;
}

// The cycle through last (an "on" node) and closing (the "off" node it
// implies, which implies the start).
void Search::tryCycle(const Pass& pass, int last, int closing, int complexity) {
    const double value = chainValue(pass.cycleBase, complexity);
    if (!beats(value, complexity))
        return;
    int length = routeTo(last);
    route_[length++] = static_cast<std::int16_t>(closing);
    route_[length++] = route_[0];
    CellSet onCycle;
    std::array<CellSet, 9> on{};
    std::array<CellSet, 9> off{};
    for (int i = 0; i + 1 < length; ++i) {
        const int node = route_[i];
        onCycle.add(cellOfNode(node));
        (isOn(node) ? on : off)[digitOfNode(node) - 1].add(cellOfNode(node));
    }
    bool removes = false;
    removals_.fill(0);
    for (int d = 0; d < 9; ++d) {
        if (on[d].empty() || off[d].empty())
            continue;
        CellSet seeOn;
        CellSet seeOff;
        on[d].forEach([&](int cell) { seeOn = seeOn | kPeerSets[cell]; });
        off[d].forEach([&](int cell) { seeOff = seeOff | kPeerSets[cell]; });
        (seeOn & seeOff & links_.cellsOf[d]).without(onCycle).forEach([&](int cell) {
            removals_[cell] |= digitBit(d + 1);
            removes = true;
        });
    }
    if (!removes)
        return;
    keep(pass.cycle, value, complexity, length);
    bestRemovals_ = removals_;
    updateLimits(pass);
}

void Search::keep(Technique technique, double value, int complexity, int length) {
    found_ = true;
    value_ = value;
    complexity_ = complexity;
    technique_ = technique;
    std::copy(route_.begin(), route_.begin() + length, bestRoute_.begin());
    bestLength_ = length;
    bestRemovals_.fill(0);
    placedCell_ = -1;
}

// From "cell holds digit": cycles back to it, and a chain to its negation.
void Search::fromOn(const Pass& pass, int cell, int digit) {
    const int start = nodeOf(cell, digit, true);
    const int negation = oppositeOf(start);
    newVisit();
    tail_ = 0;
    enqueue(start, -1, 0);
    markClosers(pass, cell, digit);
    int chainLast = -1;
    int chainComplexity = 0;
    for (int head = 0; head < tail_; ++head) {
        const int node = queue_[head];
        const int depth = depth_[node];
        // A node this deep closes a cycle or reaches the negation with depth + 2 nodes.
        const bool cycles = depth >= 2 && depth + 2 <= cycleLimit_;
        if (isOn(node)) {
            if (depth + 2 > cycleLimit_ && depth + 2 > chainLimit_)
                break; // everything after is at least as deep
            forEachOffOfOn(links_, cellOfNode(node), digitOfNode(node), pass.cellLinks,
                           [&](int off) {
                               if (off == negation && chainLast < 0) {
                                   chainLast = node;
                                   chainComplexity = depth + 2;
                               }
                               if (cycles && closer_[off] == visit_ && !leadsTo(off, node))
                                   tryCycle(pass, node, off, depth + 2);
                               if (seen_[off] != visit_)
                                   enqueue(off, node, depth + 1);
                           });
        } else {
            // Its "on" nodes sit at depth + 1 and close or conclude at depth + 3.
            if (depth + 3 > cycleLimit_ && depth + 3 > chainLimit_)
                break;
            forEachOnOfOff(links_, cellOfNode(node), digitOfNode(node), pass.cellLinks,
                           pass.houseLinks, [&](int on) {
                               if (seen_[on] != visit_)
                                   enqueue(on, node, depth + 1);
                           });
        }
    }
    if (chainLast < 0 || pass.chainBase == 0)
        return;
    const double value = chainValue(pass.chainBase, chainComplexity);
    if (!beats(value, chainComplexity))
        return;
    int length = routeTo(chainLast);
    route_[length++] = static_cast<std::int16_t>(negation);
    keep(pass.chain, value, chainComplexity, length);
    bestRemovals_[cell] = digitBit(digit);
    updateLimits(pass);
}

// From "cell does not hold digit": a chain back to "it does" places it.
void Search::fromOff(const Pass& pass, int cell, int digit) {
    const int start = nodeOf(cell, digit, false);
    const int goal = oppositeOf(start);
    newVisit();
    tail_ = 0;
    enqueue(start, -1, 0);
    int last = -1;
    int complexity = 0;
    for (int head = 0; head < tail_ && last < 0; ++head) {
        const int node = queue_[head];
        const int depth = depth_[node];
        if (isOn(node)) {
            if (depth + 3 > chainLimit_)
                break;
            forEachOffOfOn(links_, cellOfNode(node), digitOfNode(node), pass.cellLinks,
                           [&](int off) {
                               if (seen_[off] != visit_)
                                   enqueue(off, node, depth + 1);
                           });
        } else {
            if (depth + 2 > chainLimit_)
                break;
            forEachOnOfOff(links_, cellOfNode(node), digitOfNode(node), pass.cellLinks,
                           pass.houseLinks, [&](int on) {
                               if (on == goal && last < 0) {
                                   last = node;
                                   complexity = depth + 2;
                               }
                               if (seen_[on] != visit_)
                                   enqueue(on, node, depth + 1);
                           });
        }
    }
    if (last < 0)
        return;
    const double value = chainValue(pass.chainBase, complexity);
    if (!beats(value, complexity))
        return;
    int length = routeTo(last);
    route_[length++] = static_cast<std::int16_t>(goal);
    keep(pass.chain, value, complexity, length);
    placedCell_ = cell;
    placedDigit_ = digit;
    updateLimits(pass);
}

bool Search::run(Step& step) {
    const Grid& grid = links_.grid;
    for (const Pass& pass : kPasses) {
        updateLimits(pass);
        if (cycleLimit_ < 4 && chainLimit_ < 4)
            continue;
        for (int cell = 0; cell < 81; ++cell) {
            const Mask candidates = grid.candidates(cell);
            const int count = digitCount(candidates);
            if (count < 2 || (!pass.houseLinks && count != 2))
                continue;
            for (Mask digits = candidates; digits != 0; digits &= digits - 1) {
                const int digit = lowestDigit(digits);
                fromOn(pass, cell, digit);
                if (pass.chainBase > 0)
                    fromOff(pass, cell, digit);
            }
        }
    }
    if (!found_)
        return false;
    begin(step, technique_, value_);
    const int start = bestRoute_[0];
    step.digits = digitBit(digitOfNode(start));
    step.addCell(cellOfNode(start));
    step.eliminations = bestRemovals_;
    if (placedCell_ >= 0)
        step.place(placedCell_, placedDigit_);
    step.chain.complexity = complexity_;
    step.chain.nodes.reserve(static_cast<std::size_t>(bestLength_));
    step.chain.parents.reserve(static_cast<std::size_t>(bestLength_));
    step.chain.ends.reserve(1);
    step.chain.ends.push_back(
        static_cast<std::uint16_t>(appendPath(step.chain, bestRoute_.data(), bestLength_)));
    return true;
}

} // namespace

bool findForcingChainsAndCycles(const Context& context, Step& step) {
    thread_local std::unique_ptr<Walk> walk;
    if (!walk)
        walk = std::make_unique<Walk>();
    Search search(context, *walk);
    return search.run(step);
}

} // namespace cellwright::logic::detail
