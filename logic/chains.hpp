#pragma once

#include "logic/producers.hpp"

#include <array>
#include <cstdint>
#include <string>

// What the chaining techniques share: nodes ("r4c6 holds 7" or "does not"),
// the value a chain's length adds, and the recording of a chain in a step.
namespace cellwright::logic::detail {

// A candidate is a cell and a digit, numbered cell * 9 + digit - 1; a node is
// a candidate with a state, numbered candidate * 2 + (on ? 1 : 0).
inline constexpr int kCandidateCount = 81 * 9;
inline constexpr int kNodeCount = 2 * kCandidateCount;

constexpr int nodeOf(int cell, int digit, bool on) {
    return (cell * 9 + digit - 1) * 2 + (on ? 1 : 0);
}
constexpr int cellOfNode(int node) {
    return node / 18;
}
constexpr int digitOfNode(int node) {
    return node / 2 % 9 + 1;
}
constexpr bool isOn(int node) {
    return (node & 1) != 0;
}
constexpr int oppositeOf(int node) {
    return node ^ 1;
}

// The value of a chain of the given complexity (its node count) on a
// technique's base value. Each step of the thresholds 4, 6, 8, 12, 16, 24, ...
// (alternately half and a third again) that the count minus two passes adds
// a tenth. The tenths are added one by one, as doubles, because the reference
// rater sorts its chains by these very doubles: 6.6 + 0.1 must stay below
// 6.5 + 0.2.
double chainValue(double base, int complexity);

// Candidates of each digit as cell sets, and the partner a candidate has in
// each house where its digit has exactly two places: the links every chain
// is made of, worked out once per step.
struct ChainGrid {
    explicit ChainGrid(const Context& context);

    bool bivalue(int cell) const { return bivalue_[cell]; }
    // The other candidate of a bivalue cell.
    int otherDigit(int cell, int digit) const {
        return lowestDigit(grid.candidates(cell) & static_cast<Mask>(~digitBit(digit)));
    }

    const Grid& grid;
    std::array<bool, 81> bivalue_{};
    std::array<CellSet, 9> cellsOf{}; // by digit - 1
    // Partners of cell's digit in its box, row and column, in that order; -1
    // ends the list.
    std::array<std::array<std::int8_t, 3>, kCandidateCount> partners{};
};

// The peers of cell in the order the chains list them (its box in box order,
// then the rest of its row, then the rest of its column), as three sets whose
// ascending order is that order.
struct PeerParts {
    CellSet box;
    CellSet row;
    CellSet column;
};
inline constexpr std::array<PeerParts, 81> kPeerParts = [] {
    std::array<PeerParts, 81> parts{};
    for (int cell = 0; cell < 81; ++cell) {
        const CellSet box = kHouseSets[houseOfCell(HouseType::Box, cell)];
        parts[cell].box = box;
        parts[cell].box.remove(cell);
        parts[cell].row = kHouseSets[houseOfCell(HouseType::Row, cell)].without(box);
        parts[cell].column = kHouseSets[houseOfCell(HouseType::Column, cell)].without(box);
    }
    return parts;
}();

// Calls f for each peer of cell in among, in peer order.
template <class F> void forEachPeerWith(const CellSet& among, int cell, F&& f) {
    const PeerParts& parts = kPeerParts[cell];
    (parts.box & among).forEach(f);
    (parts.row & among).forEach(f);
    (parts.column & among).forEach(f);
}

// The implications chains follow, in the order the reference rater lists
// them. With cellLinks (the "Y" links), a digit placed in a cell rules out
// the cell's other candidates, and a bivalue cell that loses one candidate
// holds the other; with houseLinks (the "X" links), a digit with two places
// left in a house takes one when it loses the other. A placed digit always
// rules itself out of its peers.
template <class F>
void forEachOffOfOn(const ChainGrid& links, int cell, int digit, bool cellLinks, F&& f) {
    const Grid& grid = links.grid;
    if (cellLinks) {
        for (Mask others = grid.candidates(cell) & static_cast<Mask>(~digitBit(digit)); others != 0;
             others &= others - 1)
            f(nodeOf(cell, lowestDigit(others), false));
    }
    forEachPeerWith(links.cellsOf[digit - 1], cell,
                    [&](int peer) { f(nodeOf(peer, digit, false)); });
}

template <class F>
void forEachOnOfOff(const ChainGrid& links, int cell, int digit, bool cellLinks, bool houseLinks,
                    F&& f) {
    if (cellLinks && links.bivalue(cell))
        f(nodeOf(cell, links.otherDigit(cell, digit), true));
    if (houseLinks) {
        for (std::int8_t partner : links.partners[cell * 9 + digit - 1]) {
            if (partner < 0)
                break;
            f(nodeOf(partner, digit, true));
        }
    }
}

// Appends node to a step's chain, following the given parents (indices into
// the chain's nodes). Returns its index.
int appendNode(Chain& chain, int node, const std::uint16_t* parents, int parentCount);

// Appends nodes to a step's chain, each following the one before it (the
// first follows after, an index into the chain's nodes, or nothing when
// after is negative). Returns the index of the last.
int appendPath(Chain& chain, const std::int16_t* nodes, int count, int after = -1);

// "(8 nodes): r1c5=7 -> r1c5~5 -> ... -> r1c5~7": the node count, then each
// branch from its assumption to its conclusion ("=" holds, "~" does not),
// branches apart by "; ".
std::string chainPattern(const Step& step);

// The chaining techniques, in the order they are tried.
bool findForcingChainsAndCycles(const Context&, Step&);
bool findAlignedTripleExclusion(const Context&, Step&);
bool findNishioForcingChains(const Context&, Step&);
bool findMultipleForcingChains(const Context&, Step&);
bool findDynamicForcingChains(const Context&, Step&);
bool findDynamicForcingChainsPlus(const Context&, Step&);

} // namespace cellwright::logic::detail
