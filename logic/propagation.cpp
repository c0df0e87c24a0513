#include "logic/propagation.hpp"

namespace cellwright::logic::detail {

int NodeCounter::walk(const Branch& branch) {
    int count = 0;
    while (top_ > 0) {
        const int node = stack_[--top_];
        ++count;
        const std::int16_t* parents = branch.parents(node);
        for (int i = 0; i < branch.parentCount(node); ++i) {
            if (seen_[parents[i]] != visit_) {
                seen_[parents[i]] = visit_;
                stack_[top_++] = parents[i];
            }
        }
    }
    return count;
}

int NodeCounter::count(const Branch& branch, int node) {
    newVisit();
    seen_[node] = visit_;
    top_ = 0;
    stack_[top_++] = static_cast<std::int16_t>(node);
    return walk(branch);
}

int NodeCounter::count(const Branch& branch, const Clash& clash) {
    newVisit();
    seen_[clash.node] = visit_;
    top_ = 0;
    for (int i = 0; i < clash.parentCount; ++i) {
        if (seen_[clash.parents[i]] != visit_) {
            seen_[clash.parents[i]] = visit_;
            stack_[top_++] = clash.parents[i];
        }
    }
    return 1 + walk(branch);
}

Propagator::Propagator(const Context& context, bool dynamic, bool cellLinks, bool advanced)
    : grid_(context.grid), index_(context.index), dynamic_(dynamic), cellLinks_(cellLinks),
      advanced_(advanced) {
    for (int cell = 0; cell < 81; ++cell) {
        for (Mask digits = grid_.candidates(cell); digits != 0; digits &= digits - 1)
            baseCells_[lowestDigit(digits) - 1].add(cell);
        if (grid_.digit(cell) != 0)
            ++placed_[grid_.digit(cell) - 1];
    }
}

void Propagator::remove(int cell, int digit) {
    candidates_[cell] &= static_cast<Mask>(~digitBit(digit));
    cells_[digit - 1].remove(cell);
    for (HouseType type : kBoxRowColumn) {
        positions_[houseOfCell(type, cell)][digit - 1] &=
            static_cast<Mask>(~(1U << positionIn(type, cell)));
    }
}

bool Propagator::run(int start, Branch& branch, Clash& clash) {
    branch.clear();
    if (dynamic_) {
        for (int cell = 0; cell < 81; ++cell)
            candidates_[cell] = grid_.candidates(cell);
        cells_ = baseCells_;
        for (int house = 0; house < 27; ++house) {
            for (int digit = 1; digit <= 9; ++digit)
                positions_[house][digit - 1] = index_.positions(house, digit);
        }
    }
    branch.add(start, nullptr, 0);
    int onHead = 0;
    int onTail = 0;
    int offHead = 0;
    int offTail = 0;
    (isOn(start) ? onQueue_[onTail++] : offQueue_[offTail++]) = static_cast<std::int16_t>(start);
    while (onHead < onTail || offHead < offTail) {
        if (onHead < onTail) {
            const int node = onQueue_[onHead++];
            const int before = static_cast<int>(branch.offNodes().size());
            if (followOn(node, branch, clash))
                return true;
            for (int i = before; i < static_cast<int>(branch.offNodes().size()); ++i)
                offQueue_[offTail++] = branch.offNodes()[i];
        } else {
            const int node = offQueue_[offHead++];
            const int before = static_cast<int>(branch.onNodes().size());
            if (followOff(node, branch, clash))
                return true;
            for (int i = before; i < static_cast<int>(branch.onNodes().size()); ++i)
                onQueue_[onTail++] = branch.onNodes()[i];
        }
        if (advanced_ && onHead == onTail && offHead == offTail) {
            const int before = static_cast<int>(branch.offNodes().size());
            applyBasicRules(branch);
            for (int i = before; i < static_cast<int>(branch.offNodes().size()); ++i)
                offQueue_[offTail++] = branch.offNodes()[i];
        }
    }
    return false;
}

bool Propagator::followOn(int node, Branch& branch, Clash& clash) {
    const int cell = cellOfNode(node);
    const int digit = digitOfNode(node);
    const auto parent = static_cast<std::int16_t>(node);
    auto imply = [&](int off) {
        if (branch.has(oppositeOf(off))) {
            clash.node = off;
            clash.parents[0] = parent;
            clash.parentCount = 1;
            return true;
        }
        if (!branch.has(off))
            branch.add(off, &parent, 1);
        return false;
    };
    const Mask here = dynamic_ ? candidates_[cell] : grid_.candidates(cell);
    if (cellLinks_) {
        for (Mask others = here & static_cast<Mask>(~digitBit(digit)); others != 0;
             others &= others - 1) {
            if (imply(nodeOf(cell, lowestDigit(others), false)))
                return true;
        }
    }
    bool clashed = false;
    forEachPeerWith((dynamic_ ? cells_ : baseCells_)[digit - 1], cell,
                    [&](int peer) { clashed = clashed || imply(nodeOf(peer, digit, false)); });
    return clashed;
}

bool Propagator::followOff(int node, Branch& branch, Clash& clash) {
    const int cell = cellOfNode(node);
    const int digit = digitOfNode(node);
    // What the node implies is read before it leaves the working grid, all of
    // it, each "on" node once (the first rule that gives it wins).
    struct Implied {
        int node;
        std::array<std::int16_t, 10> parents;
        int count;
    };
    std::array<Implied, 4> implied{};
    int impliedCount = 0;
    auto add = [&](int on) -> Implied* {
        for (int i = 0; i < impliedCount; ++i) {
            if (implied[i].node == on)
                return nullptr;
        }
        Implied& entry = implied[impliedCount++];
        entry.node = on;
        entry.parents[0] = static_cast<std::int16_t>(node);
        entry.count = 1;
        return &entry;
    };
    const Mask here = dynamic_ ? candidates_[cell] : grid_.candidates(cell);
    if (cellLinks_ && digitCount(here) == 2) {
        const int other = lowestDigit(here & static_cast<Mask>(~digitBit(digit)));
        if (Implied* entry = add(nodeOf(cell, other, true)); entry != nullptr) {
            // The cell's candidates already gone are reasons too.
            for (Mask gone = grid_.candidates(cell) & static_cast<Mask>(~here); gone != 0;
                 gone &= gone - 1)
                entry->parents[entry->count++] =
                    static_cast<std::int16_t>(nodeOf(cell, lowestDigit(gone), false));
        }
    }
    for (HouseType type : kBoxRowColumn) {
        const int house = houseOfCell(type, cell);
        const Mask where = dynamic_ ? positions_[house][digit - 1] : index_.positions(house, digit);
        if (digitCount(where) != 2)
            continue;
        const Mask other = where & static_cast<Mask>(~(1U << positionIn(type, cell)));
        if (Implied* entry = add(nodeOf(kHouseCells[house][lowestDigit(other) - 1], digit, true));
            entry != nullptr) {
            for (Mask gone = index_.positions(house, digit) & static_cast<Mask>(~where); gone != 0;
                 gone &= gone - 1) {
                entry->parents[entry->count++] = static_cast<std::int16_t>(
                    nodeOf(kHouseCells[house][lowestDigit(gone) - 1], digit, false));
            }
        }
    }
    if (dynamic_)
        remove(cell, digit);
    for (int i = 0; i < impliedCount; ++i) {
        const Implied& entry = implied[i];
        if (branch.has(oppositeOf(entry.node))) {
            clash.node = entry.node;
            clash.parents = entry.parents;
            clash.parentCount = entry.count;
            return true;
        }
        if (!branch.has(entry.node))
            branch.add(entry.node, entry.parents.data(), entry.count);
    }
    return false;
}

} // namespace cellwright::logic::detail
