// Pointing and claiming: a digit confined to where two houses cross leaves
// the rest of the second house. Their direct forms go on only when that
// leaves a hidden single in another house of the first house's type.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

// Fills in the intersection: the cells of digit in a, and its removal from b.
void describeIntersection(const Context& context, Step& step, int a, int b, int digit) {
    step.addHouse(houseOf(a));
    step.addHouse(houseOf(b));
    step.digits = digitBit(digit);
    for (int p = 0; p < 9; ++p) {
        if ((context.index.positions(a, digit) >> p) & 1U)
            step.addCell(kHouseCells[a][p]);
    }
    const Mask outside = context.index.positions(b, digit) & static_cast<Mask>(~kCrossing[b][a]);
    for (int p = 0; p < 9; ++p) {
        if ((outside >> p) & 1U)
            step.eliminations[kHouseCells[b][p]] = digitBit(digit);
    }
}

// Digit lies in a (at least twice) only where a crosses b.
bool confined(const Context& context, int a, int b, int digit) {
    const Mask where = context.index.positions(a, digit);
    return digitCount(where) >= 2 && (where & static_cast<Mask>(~kCrossing[a][b])) == 0;
}

} // namespace

bool findDirectIntersection(const Context& context, Step& step) {
    return forEachCrossingPair([&](int a, int b) {
        const auto type = static_cast<HouseType>(a / 9);
        for (int digit = 1; digit <= 9; ++digit) {
            if (!confined(context, a, b, digit))
                continue;
            for (int index = 0; index < 9; ++index) {
                const int other = houseId(type, index);
                if (other == a || kCrossing[other][b] == 0)
                    continue;
                const Mask where = context.index.positions(other, digit);
                const Mask left = where & static_cast<Mask>(~kCrossing[other][b]);
                if (digitCount(where) < 2 || digitCount(left) != 1)
                    continue;
                const bool pointing = type == HouseType::Box;
                begin(step, pointing ? Technique::DirectPointing : Technique::DirectClaiming,
                      pointing ? 1.7 : 1.9);
                describeIntersection(context, step, a, b, digit);
                step.addHouse(houseOf(other));
                step.place(kHouseCells[other][lowestDigit(left) - 1], digit);
                return true;
            }
        }
        return false;
    });
}

bool findIntersection(const Context& context, Step& step) {
    return forEachCrossingPair([&](int a, int b) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (!confined(context, a, b, digit))
                continue;
            if ((context.index.positions(b, digit) & static_cast<Mask>(~kCrossing[b][a])) == 0)
                continue;
            const bool pointing = a < 9;
            begin(step, pointing ? Technique::Pointing : Technique::Claiming, pointing ? 2.6 : 2.8);
            describeIntersection(context, step, a, b, digit);
            return true;
        }
        return false;
    });
}

} // namespace cellwright::logic::detail
