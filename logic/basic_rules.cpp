// Dynamic forcing chains (+): when an assumption's links run dry, the basic
// rules look at the working grid. Pointing and claiming, hidden pairs, naked
// pairs and X-wings are tried in that order, each in the order of its own
// technique; the first that removes something only because the branch removed
// candidates the pattern needs gone makes those removals "off" nodes, whose
// reasons are the removed candidates. A pattern the grid shows without the
// branch's help is left alone: it is no consequence of the assumption.
#include "logic/propagation.hpp"

namespace cellwright::logic::detail {

// What the rules find: each removal with the branch's removals its pattern
// needed, added to the branch unless already there.
class Propagator::Finds {
  public:
    Finds(const Propagator& propagator, Branch& branch) : self_(propagator), branch_(branch) {}

    // A new pattern.
    void start() { reasonCount_ = 0; }
    // The pattern needs digit gone from cell: a reason if the branch removed it.
    void need(int cell, int digit) {
        if (self_.grid_.hasCandidate(cell, digit) &&
            (self_.candidates_[cell] & digitBit(digit)) == 0)
            reasons_[reasonCount_++] = static_cast<std::int16_t>(nodeOf(cell, digit, false));
    }
    // The pattern removes digit from cell.
    void remove(int cell, int digit) {
        if (reasonCount_ == 0)
            return;
        ++found_;
        const int node = nodeOf(cell, digit, false);
        if (!branch_.has(node))
            branch_.add(node, reasons_.data(), reasonCount_);
    }
    bool any() const { return found_ > 0; }

  private:
    const Propagator& self_;
    Branch& branch_;
    std::array<std::int16_t, kMaxParents> reasons_{};
    int reasonCount_ = 0;
    int found_ = 0;
};

void Propagator::applyBasicRules(Branch& branch) {
    Finds finds(*this, branch);
    locking(finds);
    if (!finds.any())
        hiddenPairs(finds);
    if (!finds.any())
        nakedPairs(finds);
    if (!finds.any())
        xWings(finds);
}

// A digit whose places in house a all lie in house b leaves the rest of b:
// boxes on columns, boxes on rows, then columns and rows on boxes.
void Propagator::locking(Finds& finds) const {
    forEachCrossingPair([&](int a, int b) {
        const CellSet outsideA = kHouseSets[b].without(kHouseSets[a]);
        const CellSet outsideB = kHouseSets[a].without(kHouseSets[b]);
        for (int digit = 1; digit <= 9; ++digit) {
            const CellSet inA = kHouseSets[a] & cells_[digit - 1];
            const CellSet gone = outsideA & cells_[digit - 1];
            if (!inA.severalCells() || !(inA & outsideB).empty())
                continue;
            finds.start();
            outsideB.forEach([&](int cell) { finds.need(cell, digit); });
            gone.forEach([&](int cell) { finds.remove(cell, digit); });
        }
        return false;
    });
}

// Two digits with the same two places in a house (of more than four empty
// cells) leave those cells' other candidates.
void Propagator::hiddenPairs(Finds& finds) const {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if (index_.emptyCells(house) <= 4)
                continue;
            const auto& cells = kHouseCells[house];
            for (Mask pair : kSubsets<2>) {
                Mask places = 0;
                bool usable = true;
                for (Mask rest = pair; rest != 0 && usable; rest &= rest - 1) {
                    const Mask where = positions_[house][lowestDigit(rest) - 1];
                    usable = digitCount(where) >= 2;
                    places |= where;
                }
                if (!usable || digitCount(places) != 2)
                    continue;
                finds.start();
                for (int p = 0; p < 9; ++p) {
                    for (Mask rest = ((places >> p) & 1U) ? 0 : pair; rest != 0; rest &= rest - 1)
                        finds.need(cells[p], lowestDigit(rest));
                }
                for (Mask rest = places; rest != 0; rest &= rest - 1) {
                    const int cell = cells[lowestDigit(rest) - 1];
                    for (Mask other = candidates_[cell] & static_cast<Mask>(~pair); other != 0;
                         other &= other - 1)
                        finds.remove(cell, lowestDigit(other));
                }
            }
        }
    }
}

// Two cells of a house (of four empty cells or more) with the same two
// candidates take them from the house's other cells.
void Propagator::nakedPairs(Finds& finds) const {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if (index_.emptyCells(house) < 4)
                continue;
            const auto& cells = kHouseCells[house];
            for (Mask places : kSubsets<2>) {
                Mask pair = 0;
                bool usable = true;
                for (Mask rest = places; rest != 0 && usable; rest &= rest - 1) {
                    const Mask here = candidates_[cells[lowestDigit(rest) - 1]];
                    usable = digitCount(here) >= 2;
                    pair |= here;
                }
                if (!usable || digitCount(pair) != 2)
                    continue;
                finds.start();
                for (Mask rest = places; rest != 0; rest &= rest - 1) {
                    const int cell = cells[lowestDigit(rest) - 1];
                    for (Mask other = static_cast<Mask>(kAllDigits & ~pair); other != 0;
                         other &= other - 1)
                        finds.need(cell, lowestDigit(other));
                }
                for (int p = 0; p < 9; ++p) {
                    for (Mask rest = ((places >> p) & 1U) ? 0 : candidates_[cells[p]] & pair;
                         rest != 0; rest &= rest - 1)
                        finds.remove(cells[p], lowestDigit(rest));
                }
            }
        }
    }
}

// A digit with its places in two lines on the same two cross lines leaves
// the rest of those: columns as base lines first, then rows.
void Propagator::xWings(Finds& finds) const {
    for (HouseType baseType : {HouseType::Column, HouseType::Row}) {
        const HouseType coverType =
            baseType == HouseType::Column ? HouseType::Row : HouseType::Column;
        for (Mask bases : kSubsets<2>) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (placed_[digit - 1] > 5)
                    continue;
                Mask covers = 0;
                bool usable = true;
                for (Mask rest = bases; rest != 0 && usable; rest &= rest - 1) {
                    const Mask where =
                        positions_[houseId(baseType, lowestDigit(rest) - 1)][digit - 1];
                    usable = digitCount(where) >= 2;
                    covers |= where;
                }
                if (!usable || digitCount(covers) != 2)
                    continue;
                finds.start();
                for (Mask rest = bases; rest != 0; rest &= rest - 1) {
                    const int base = houseId(baseType, lowestDigit(rest) - 1);
                    for (int p = 0; p < 9; ++p) {
                        if (!((covers >> p) & 1U))
                            finds.need(kHouseCells[base][p], digit);
                    }
                }
                for (Mask rest = covers; rest != 0; rest &= rest - 1) {
                    const int cover = houseId(coverType, lowestDigit(rest) - 1);
                    const Mask others = positions_[cover][digit - 1] & static_cast<Mask>(~bases);
                    for (Mask place = others; place != 0; place &= place - 1)
                        finds.remove(kHouseCells[cover][lowestDigit(place) - 1], digit);
                }
            }
        }
    }
}

} // namespace cellwright::logic::detail
