// X-wing, swordfish and jellyfish: k lines in which a digit's places all lie
// on k crossing lines; it leaves those crossing lines elsewhere.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

template <int K>
bool findFish(const Context& context, Step& step, Technique technique, double value) {
    std::array<int, 10> placed{};
    for (int cell = 0; cell < 81; ++cell)
        ++placed[context.grid.digit(cell)];
    // Columns as the base first, then rows.
    for (HouseType baseType : {HouseType::Column, HouseType::Row}) {
        const HouseType coverType =
            baseType == HouseType::Column ? HouseType::Row : HouseType::Column;
        for (Mask bases : kSubsets<K>) {
            for (int digit = 1; digit <= 9; ++digit) {
                // With the digit placed this often, too few lines are left
                // for the fish to differ from a smaller one.
                if (placed[digit] > 9 - 2 * K)
                    continue;
                Mask covers = 0;
                bool usable = true;
                for (Mask rest = bases; rest != 0 && usable; rest &= rest - 1) {
                    const Mask where =
                        context.index.positions(houseId(baseType, lowestDigit(rest) - 1), digit);
                    usable = digitCount(where) >= 2;
                    covers |= where;
                }
                if (!usable || digitCount(covers) != K)
                    continue;
                bool removes = false;
                for (Mask rest = covers; rest != 0 && !removes; rest &= rest - 1) {
                    const int cover = houseId(coverType, lowestDigit(rest) - 1);
                    removes = (context.index.positions(cover, digit) & ~bases) != 0;
                }
                if (!removes)
                    continue;
                begin(step, technique, value);
                step.size = K;
                step.digits = digitBit(digit);
                for (Mask rest = bases; rest != 0; rest &= rest - 1)
                    step.addHouse(houseOf(houseId(baseType, lowestDigit(rest) - 1)));
                for (Mask rest = covers; rest != 0; rest &= rest - 1) {
                    const int cover = houseId(coverType, lowestDigit(rest) - 1);
                    step.addHouse(houseOf(cover));
                    const Mask where = context.index.positions(cover, digit);
                    for (int p = 0; p < 9; ++p) {
                        if (!((where >> p) & 1U))
                            continue;
                        const int cell = kHouseCells[cover][p];
                        if ((bases >> p) & 1U)
                            step.addCell(cell);
                        else
                            step.eliminations[cell] = digitBit(digit);
                    }
                }
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool findXWing(const Context& context, Step& step) {
    return findFish<2>(context, step, Technique::XWing, 3.2);
}
bool findSwordfish(const Context& context, Step& step) {
    return findFish<3>(context, step, Technique::Swordfish, 3.8);
}
bool findJellyfish(const Context& context, Step& step) {
    return findFish<4>(context, step, Technique::Jellyfish, 5.2);
}

} // namespace cellwright::logic::detail
