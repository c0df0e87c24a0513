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
                // A partner in two houses (its box and a line) is listed twice;
                // a walk meets it the second time already reached.
                list[count++] =
                    static_cast<std::int8_t>(kHouseCells[house][lowestDigit(other) - 1]);
            }
        }
    }
}

int appendNode(Chain& chain, int node, const std::uint16_t* parents, int parentCount) {
    ChainNode entry;
    entry.cell = static_cast<std::uint8_t>(cellOfNode(node));
    entry.digit = static_cast<std::uint8_t>(digitOfNode(node));
    entry.on = isOn(node);
    entry.firstParent = static_cast<std::uint16_t>(chain.parents.size());
    entry.parentCount = static_cast<std::uint8_t>(parentCount);
    chain.parents.insert(chain.parents.end(), parents, parents + parentCount);
    chain.nodes.push_back(entry);
    return static_cast<int>(chain.nodes.size()) - 1;
}

int appendPath(Chain& chain, const std::int16_t* nodes, int count, int after) {
    int previous = after;
    for (int i = 0; i < count; ++i) {
        const auto parent = static_cast<std::uint16_t>(previous);
        previous = appendNode(chain, nodes[i], &parent, previous >= 0 ? 1 : 0);
    }
    return previous;
}

namespace {

std::string nodeName(const ChainNode& node) {
    return cellName(node.cell) + (node.on ? "=" : "~") + std::to_string(node.digit);
}

// What the branches start from, before the node count.
std::string origin(const Step& step) {
    const std::string digit =
        step.digits != 0 ? std::to_string(lowestDigit(step.digits)) : std::string();
    const std::string cell = step.cellCount > 0 ? cellName(step.cells[0]) : std::string();
    const std::string house = step.houseCount > 0 ? houseName(step.houses[0]) : std::string();
    switch (step.technique) {
    case Technique::NishioForcingChain:
        return "from " + cell + "=" + digit + " ";
    case Technique::CellForcingChain:
        return "on " + cell + " ";
    case Technique::RegionForcingChain:
        return "on " + digit + " in " + house + " ";
    case Technique::DynamicForcingChain:
    case Technique::DynamicForcingChainPlus:
        switch (step.variant) {
        case 1:
            return "contradiction from " + cell + "=" + digit + " ";
        case 2:
            return "double from " + cell + "=" + digit + " ";
        case 3:
            return "on " + cell + " ";
        default:
            return "on " + digit + " in " + house + " ";
        }
    default:
        return "";
    }
}

} // namespace

std::string chainPattern(const Step& step) {
    const Chain& chain = step.chain;
    std::string text = origin(step) + "(" + std::to_string(chain.complexity) + " nodes):";
    std::vector<int> branch;
    for (std::size_t e = 0; e < chain.ends.size(); ++e) {
        branch.clear();
        // The first parent of each node leads back to the branch's assumption.
        for (int n = chain.ends[e];;) {
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
