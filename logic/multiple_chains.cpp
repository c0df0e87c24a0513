// Forcing chains that follow everything an assumption implies, not one line
// of it:
// - Nishio (house links only, dynamic): an assumption that leads to a clash
//   is false; its negation leading to one makes it true;
// - multiple forcing chains (both links, static, cells of three or more
//   candidates): what follows from every candidate of a cell, or from every
//   place of a digit in a house, holds;
// - dynamic forcing chains (both links, dynamic): the clashes, what follows
//   from a candidate both holding and not holding ("double"), and the cell and
//   house cases, all with links that see the candidates removed so far;
// - dynamic forcing chains (+): the same, and when the links run dry the
//   basic rules look at what the assumption left (basic_rules.cpp).
// Of all finds the cheapest is taken: by value, node count, kind (double,
// cell, house, clash) and the order found.
#include "logic/propagation.hpp"

#include <memory>

namespace cellwright::logic::detail {

namespace {

enum class Mode : std::uint8_t { Nishio, Multiple, Dynamic, DynamicPlus };

// What the reference rater sorts equal finds by.
enum class Kind : std::uint8_t { Double = 1, Cell = 5, Region = 6, Clash = 7 };

constexpr std::uint8_t variantOf(Kind kind) {
    switch (kind) {
    case Kind::Clash:
        return 1;
    case Kind::Double:
        return 2;
    case Kind::Cell:
        return 3;
    default:
        return 4;
    }
}

// Where a find comes from: the assumption's cell (and digit), or a digit's
// house.
struct Origin {
    int cell;  // -1: none
    int digit; // 0: none
    int house; // -1: none
};

// The branches and the best find so far, kept by each thread that rates: a
// search reuses them rather than allocating at every step.
struct Workspace {
    std::array<Branch, 9> byDigit; // a branch per candidate of the cell
    std::array<Branch, 9> byPlace; // a branch per place of a digit in a house
    Branch off;
    NodeCounter counter;
    Step best;
    std::array<std::int16_t, kNodeCount> exported{};
};

class Search {
  public:
    Search(const Context& context, Mode mode, Workspace& space)
        : context_(context), mode_(mode),
          propagator_(context, mode != Mode::Multiple, mode != Mode::Nishio,
                      mode == Mode::DynamicPlus),
          counter_(space.counter), byDigit_(space.byDigit), byPlace_(space.byPlace),
          off_(space.off), best_(space.best), exported_(space.exported) {}

    bool run(Step& step);

  private:
    double base() const {
        return mode_ == Mode::Nishio     ? 7.5
               : mode_ == Mode::Multiple ? 8.0
               : mode_ == Mode::Dynamic  ? 8.5
                                         : 9.0;
    }
    Technique technique(Kind kind) const;
    bool beats(double value, int complexity, Kind kind) const {
        if (!found_)
            return true;
        if (value != value_)
            return value < value_;
        if (complexity != complexity_)
            return complexity < complexity_;
        return static_cast<int>(kind) < static_cast<int>(kind_);
    }
    // Starts a new best; the caller then records its branches.
    void keep(Kind kind, double value, int complexity, int conclusion, const Origin& origin);

    void fromCandidate(int cell, int digit, int candidates, Branch& on);
    void clash(const Branch& branch, int assumption);
    void regions(int cell, int digit, const Branch& own);
    // Conclusions common to the branches: each is a find.
    void common(Kind kind, const std::array<const Branch*, 9>& branches, int count,
                const Origin& origin);

    // Copies into the kept step the ancestors of node in branch (and node),
    // ending a branch of the chain there.
    void record(const Branch& branch, int node);
    void record(const Branch& branch, const Clash& clash);
    int exportNode(const Branch& branch, int node);

    const Context& context_;
    Mode mode_;
    Propagator propagator_;
    NodeCounter& counter_;
    std::array<Branch, 9>& byDigit_;
    std::array<Branch, 9>& byPlace_;
    Branch& off_;
    Clash clash_;

    bool found_ = false;
    double value_ = 0.0;
    int complexity_ = 0;
    Kind kind_ = Kind::Clash;
    Step& best_;
    std::array<std::int16_t, kNodeCount>& exported_;
};

Technique Search::technique(Kind kind) const {
    switch (mode_) {
    case Mode::Nishio:
        return Technique::NishioForcingChain;
    case Mode::Multiple:
        return kind == Kind::Cell ? Technique::CellForcingChain : Technique::RegionForcingChain;
    case Mode::Dynamic:
        return Technique::DynamicForcingChain;
    default:
        return Technique::DynamicForcingChainPlus;
    }
}

void Search::keep(Kind kind, double value, int complexity, int conclusion, const Origin& origin) {
    found_ = true;
    value_ = value;
    complexity_ = complexity;
    kind_ = kind;
    // The chain's storage outlives the step it belonged to.
    Chain chain = std::move(best_.chain);
    begin(best_, technique(kind), value);
    chain.nodes.clear();
    chain.parents.clear();
    chain.ends.clear();
    best_.chain = std::move(chain);
    best_.variant = variantOf(kind);
    best_.chain.complexity = complexity;
    if (origin.cell >= 0)
        best_.addCell(origin.cell);
    if (origin.house >= 0)
        best_.addHouse(houseOf(origin.house));
    if (origin.digit > 0)
        best_.digits = digitBit(origin.digit);
    const int cell = cellOfNode(conclusion);
    const int digit = digitOfNode(conclusion);
    if (isOn(conclusion))
        best_.place(cell, digit);
    else
        best_.eliminations[cell] = digitBit(digit);
}

int Search::exportNode(const Branch& branch, int node) {
    if (exported_[node] >= 0)
        return exported_[node];
    // Parents first, so that every index points back.
    std::array<std::uint16_t, kMaxParents> parents{};
    const int count = branch.parentCount(node);
    for (int i = 0; i < count; ++i)
        parents[i] = static_cast<std::uint16_t>(exportNode(branch, branch.parents(node)[i]));
    exported_[node] =
        static_cast<std::int16_t>(appendNode(best_.chain, node, parents.data(), count));
    return exported_[node];
}

void Search::record(const Branch& branch, int node) {
    exported_.fill(-1);
    best_.chain.ends.push_back(static_cast<std::uint16_t>(exportNode(branch, node)));
}

void Search::record(const Branch& branch, const Clash& clash) {
    exported_.fill(-1);
    std::array<std::uint16_t, kMaxParents> parents{};
    for (int i = 0; i < clash.parentCount; ++i)
        parents[i] = static_cast<std::uint16_t>(exportNode(branch, clash.parents[i]));
    best_.chain.ends.push_back(static_cast<std::uint16_t>(
        appendNode(best_.chain, clash.node, parents.data(), clash.parentCount)));
}

void Search::common(Kind kind, const std::array<const Branch*, 9>& branches, int count,
                    const Origin& origin) {
    for (const auto* list : {&branches[0]->onNodes(), &branches[0]->offNodes()}) {
        for (std::int16_t node : *list) {
            bool everywhere = true;
            for (int b = 1; b < count && everywhere; ++b)
                everywhere = branches[b]->has(node);
            if (!everywhere)
                continue;
            int complexity = 0;
            for (int b = 0; b < count; ++b)
                complexity += counter_.count(*branches[b], node);
            const double value = chainValue(base(), complexity);
            if (!beats(value, complexity, kind))
                continue;
            keep(kind, value, complexity, node, origin);
            for (int b = 0; b < count; ++b)
                record(*branches[b], node);
        }
    }
}

// A branch that came out both on and off: its assumption is false.
void Search::clash(const Branch& branch, int assumption) {
    const int complexity =
        counter_.count(branch, clash_) + counter_.count(branch, oppositeOf(clash_.node));
    const double value = chainValue(base(), complexity);
    if (!beats(value, complexity, Kind::Clash))
        return;
    const Origin origin{cellOfNode(assumption), digitOfNode(assumption), -1};
    keep(Kind::Clash, value, complexity, oppositeOf(assumption), origin);
    // The "on" side of the clash first.
    if (isOn(clash_.node)) {
        record(branch, clash_);
        record(branch, oppositeOf(clash_.node));
    } else {
        record(branch, oppositeOf(clash_.node));
        record(branch, clash_);
    }
}

// The houses where cell is the first place of digit: the digit's places
// there, each assumed in turn.
void Search::regions(int cell, int digit, const Branch& own) {
    for (HouseType type : kBoxRowColumn) {
        const int house = houseOfCell(type, cell);
        const Mask where = context_.index.positions(house, digit);
        if (digitCount(where) < 2 || kHouseCells[house][lowestDigit(where) - 1] != cell)
            continue;
        std::array<const Branch*, 9> branches{};
        int count = 0;
        for (Mask rest = where; rest != 0; rest &= rest - 1) {
            const int place = kHouseCells[house][lowestDigit(rest) - 1];
            if (place != cell) {
                propagator_.run(nodeOf(place, digit, true), byPlace_[count], clash_);
                branches[count] = &byPlace_[count];
            } else {
                branches[count] = &own;
            }
            ++count;
        }
        common(Kind::Region, branches, count, Origin{-1, digit, house});
    }
}

void Search::fromCandidate(int cell, int digit, int candidates, Branch& on) {
    const int assumption = nodeOf(cell, digit, true);
    if (propagator_.run(assumption, on, clash_) && mode_ != Mode::Multiple)
        clash(on, assumption);
    if (mode_ != Mode::Multiple) {
        if (propagator_.run(oppositeOf(assumption), off_, clash_))
            clash(off_, oppositeOf(assumption));
        if ((mode_ == Mode::Dynamic || mode_ == Mode::DynamicPlus) && candidates >= 3) {
            const std::array<const Branch*, 9> both = {&on, &off_};
            common(Kind::Double, both, 2, Origin{cell, digit, -1});
        }
    }
    if (mode_ != Mode::Nishio)
        regions(cell, digit, on);
}

bool Search::run(Step& step) {
    const Grid& grid = context_.grid;
    for (int cell = 0; cell < 81; ++cell) {
        const Mask candidates = grid.candidates(cell);
        const int count = digitCount(candidates);
        if (count < 2 || (mode_ == Mode::Multiple && count < 3))
            continue;
        std::array<const Branch*, 9> branches{};
        int used = 0;
        for (Mask digits = candidates; digits != 0; digits &= digits - 1) {
            const int digit = lowestDigit(digits);
            Branch& on = byDigit_[used];
            fromCandidate(cell, digit, count, on);
            branches[used++] = &on;
        }
        if (mode_ != Mode::Nishio)
            common(Kind::Cell, branches, used, Origin{cell, 0, -1});
    }
    if (!found_)
        return false;
    step = best_;
    return true;
}

} // namespace

namespace {

bool search(const Context& context, Mode mode, Step& step) {
    thread_local std::unique_ptr<Workspace> space;
    if (!space)
        space = std::make_unique<Workspace>();
    return Search(context, mode, *space).run(step);
}

} // namespace

bool findNishioForcingChains(const Context& context, Step& step) {
    return search(context, Mode::Nishio, step);
}

bool findMultipleForcingChains(const Context& context, Step& step) {
    return search(context, Mode::Multiple, step);
}

bool findDynamicForcingChains(const Context& context, Step& step) {
    return search(context, Mode::Dynamic, step);
}

bool findDynamicForcingChainsPlus(const Context& context, Step& step) {
    return search(context, Mode::DynamicPlus, step);
}

} // namespace cellwright::logic::detail
