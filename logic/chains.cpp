#include "logic/chains.hpp"

#include <vector>

namespace cellwright::logic::detail {

double chainValue(double base, int complexity) {
    double added = 0.0;
    int ceiling = 4;
    bool byThird = false;
    for (const int length = complexity - 2; length > ceiling; byThird = !byThird) {
        added += 0.1;
        ceiling = byThird ? ceiling * 4 / 3 : ceiling * 3 / 2;
    }
    return base + added;
}

ChainGrid::ChainGrid(const Context& context) : grid(context.grid) {
    for (auto& list : partners)
        list.fill(-1);
    for (int cell = 0; cell < 81; ++cell) {
        bivalue_[cell] = digitCount(grid.candidates(cell)) == 2;
        for (Mask digits = grid.candidates(cell); digits != 0; digits &= digits - 1) {
            const int digit = lowestDigit(digits);
            cellsOf[digit - 1].add(cell);
            auto& list = partners[cell * 9 + digit - 1];
            int count = 0;
            for (HouseType type : kBoxRowColumn) {
                const int house = houseOfCell(type, cell);
                const Mask where = context.index.positions(house, digit);
                if (digitCount(where) != 2)
                    continue;
                const Mask other = where & static_cast<Mask>(~(1U << positionIn(type, cell)));
                const auto partner =
                    static_cast<std::int8_t>(kHouseCells[house][lowestDigit(other) - 1]);
                bool listed = false;
                for (int i = 0; i < count; ++i)
                    listed = listed || list[i] == partner;
                if (!listed)
                    list[count++] = partner;
            }
        }
    }
}

int appendPath(Chain& chain, const std::int16_t* nodes, int count, int after) {
    int previous = after;
    for (int i = 0; i < count; ++i) {
        ChainNode node;
        node.cell = static_cast<std::uint8_t>(cellOfNode(nodes[i]));
        node.digit = static_cast<std::uint8_t>(digitOfNode(nodes[i]));
        node.on = isOn(nodes[i]);
        node.firstParent = static_cast<std::uint16_t>(chain.parents.size());
        if (previous >= 0) {
            node.parentCount = 1;
            chain.parents.push_back(static_cast<std::uint16_t>(previous));
        }
        previous = static_cast<int>(chain.nodes.size());
        chain.nodes.push_back(node);
    }
    return previous;
}

namespace {

std::string nodeName(const ChainNode& node) {
    return cellName(node.cell) + (node.on ? "=" : "~") + std::to_string(node.digit);
}

} // namespace

std::string chainPattern(const Step& step) {
    const Chain& chain = step.chain;
    std::string text = "(" + std::to_string(chain.complexity) + " nodes):";
    std::vector<int> branch;
    for (std::size_t e = 0; e < chain.ends.size(); ++e) {
        branch.clear();
        // The first parent of each node leads back to the branch's assumption.
        for (int n = chain.ends[e]; branch.size() <= chain.nodes.size();) {
            branch.push_back(n);
            const ChainNode& node = chain.nodes[n];
            if (node.parentCount == 0)
                break;
            n = chain.parents[node.firstParent];
        }
        text += e > 0 ? "; " : " ";
        for (auto it = branch.rbegin(); it != branch.rend(); ++it)
            text += (it == branch.rbegin() ? "" : " -> ") + nodeName(chain.nodes[*it]);
    }
    return text;
}

} // namespace cellwright::logic::detail
