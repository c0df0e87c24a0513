#pragma once

#include "logic/chains.hpp"

#include <array>
#include <cstdint>
#include <vector>

// Everything one assumption implies, followed to the end or to a clash: the
// engine of the Nishio, multiple and dynamic forcing chains.
namespace cellwright::logic::detail {

// The nodes one assumption reached, in the order reached, each with the nodes
// it follows from (its first parent is the node whose rule produced it).
class Branch {
  public:
    Branch() {
        first_.fill(-1);
        // Room for a usual branch; a branch is reused, so its storage grows to
        // the largest it has held and stays.
        parents_.reserve(kCandidateCount);
        on_.reserve(256);
        off_.reserve(256);
    }

    void clear() {
        for (std::int16_t node : on_)
            first_[node] = -1;
        for (std::int16_t node : off_)
            first_[node] = -1;
        parents_.clear();
        on_.clear();
        off_.clear();
    }
    bool has(int node) const { return first_[node] >= 0; }
    void add(int node, const std::int16_t* parents, int count) {
        first_[node] = static_cast<std::int16_t>(parents_.size());
        count_[node] = static_cast<std::uint8_t>(count);
        parents_.insert(parents_.end(), parents, parents + count);
        (isOn(node) ? on_ : off_).push_back(static_cast<std::int16_t>(node));
    }
    int parentCount(int node) const { return count_[node]; }
    const std::int16_t* parents(int node) const { return parents_.data() + first_[node]; }
    // "On" and "off" nodes in the order reached.
    const std::vector<std::int16_t>& onNodes() const { return on_; }
    const std::vector<std::int16_t>& offNodes() const { return off_; }

  private:
    std::array<std::int16_t, kNodeCount> first_{}; // into parents_; -1: not reached
    std::array<std::uint8_t, kNodeCount> count_{};
    std::vector<std::int16_t> parents_;
    std::vector<std::int16_t> on_;
    std::vector<std::int16_t> off_;
};

// A node found to be both on and off: the one reached last is not in the
// branch, so it is kept here with its parents.
struct Clash {
    int node = -1; // reached last
    std::array<std::int16_t, 10> parents{};
    int parentCount = 0;
};

// Counts distinct nodes among ancestors, reusing its marks between counts.
class NodeCounter {
  public:
    // The nodes node follows from, directly or not, itself included.
    int count(const Branch& branch, int node);
    int count(const Branch& branch, const Clash& clash);

  private:
    int walk(const Branch& branch);
    void newVisit() {
        if (++visit_ == 0) {
            seen_.fill(0);
            visit_ = 1;
        }
    }
    std::array<std::uint32_t, kNodeCount> seen_{};
    std::uint32_t visit_ = 0;
    std::array<std::int16_t, kNodeCount> stack_{};
    int top_ = 0;
};

// Follows the implications of one assumption, one node at a time: "on" nodes
// first, each in the order reached, then the oldest "off" node. Static: the
// grid stays as it is. Dynamic: an "off" node, once followed, leaves a
// working copy of the grid, so later links see fewer candidates; a node that
// holds only because of removals names the removed nodes as further parents.
class Propagator {
  public:
    Propagator(const Context& context, bool dynamic, bool cellLinks, bool advanced = false);

    // Fills branch with what start implies; true when something came out both
    // on and off (then branch stops there and clash holds the later node,
    // whose opposite is in branch).
    bool run(int start, Branch& branch, Clash& clash);

  private:
    bool followOn(int node, Branch& branch, Clash& clash);
    bool followOff(int node, Branch& branch, Clash& clash);
    void remove(int cell, int digit);
    // Dynamic forcing chains (+): when the links run dry, pointing and
    // claiming, hidden pairs, naked pairs and X-wings on the working grid
    // (basic_rules.cpp).
    class Finds;
    void applyBasicRules(Branch& branch);
    void locking(Finds& finds) const;
    void hiddenPairs(Finds& finds) const;
    void nakedPairs(Finds& finds) const;
    void xWings(Finds& finds) const;

    const Grid& grid_;
    const HouseIndex& index_;
    bool dynamic_;
    bool cellLinks_;
    bool advanced_;
    std::array<int, 9> placed_{};                     // how often each digit is placed
    std::array<CellSet, 9> baseCells_{};              // each digit's cells in the grid
    std::array<CellSet, 9> cells_{};                  // and in the working copy
    std::array<Mask, 81> candidates_{};               // the working copy
    std::array<std::array<Mask, 9>, 27> positions_{}; // house, digit - 1
    std::array<std::int16_t, kNodeCount> onQueue_{};
    std::array<std::int16_t, kNodeCount> offQueue_{};
};

} // namespace cellwright::logic::detail
