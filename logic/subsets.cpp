// Naked and hidden pairs, triples and quads, and the direct hidden pair and
// triple. All look in boxes, then columns, then rows, and try subsets in
// increasing order of their bit masks.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

void addCellsAt(Step& step, int house, Mask positions) {
    for (int p = 0; p < 9; ++p) {
        if ((positions >> p) & 1U)
            step.addCell(kHouseCells[house][p]);
    }
}

// k digits that share exactly k cells of a house, each digit in two or more
// of them: positions gets those cells.
bool hiddenSet(const Context& context, int house, Mask digits, Mask& positions) {
    positions = 0;
    for (Mask rest = digits; rest != 0; rest &= rest - 1) {
        const Mask where = context.index.positions(house, lowestDigit(rest));
        if (digitCount(where) < 2)
            return false;
        positions |= where;
    }
    return digitCount(positions) == digitCount(digits);
}

struct SetKind {
    Technique technique;
    double value;
    int size;
};

// A set's step without its eliminations: its house, digits and cells.
void describeSet(Step& step, SetKind kind, int house, Mask digits, Mask positions) {
    begin(step, kind.technique, kind.value);
    step.size = kind.size;
    step.addHouse(houseOf(house));
    step.digits = digits;
    addCellsAt(step, house, positions);
}

// A hidden set's step: every other candidate leaves its cells.
void describeHidden(const Context& context, Step& step, SetKind kind, int house, Mask digits,
                    Mask positions) {
    describeSet(step, kind, house, digits, positions);
    for (int i = 0; i < step.cellCount; ++i) {
        const int cell = step.cells[i];
        step.eliminations[cell] = context.grid.candidates(cell) & static_cast<Mask>(~digits);
    }
}

// Hidden sets that also leave a hidden single in their house: the other
// digits leave the set's cells, and one of them then has one place left.
template <int K>
bool findDirectHidden(const Context& context, Step& step, Technique technique, double value) {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if (context.index.emptyCells(house) <= K)
                continue;
            for (Mask digits : kSubsets<K>) {
                Mask positions = 0;
                if (!hiddenSet(context, house, digits, positions))
                    continue;
                // A digit of the set has no place outside its cells, so
                // only the others can be left with exactly one.
                for (int single = 1; single <= 9; ++single) {
                    const Mask where = context.index.positions(house, single);
                    const Mask left = where & static_cast<Mask>(~positions);
                    if (digitCount(where) < 2 || digitCount(left) != 1)
                        continue;
                    describeHidden(context, step, {technique, value, K}, house, digits, positions);
                    step.place(kHouseCells[house][lowestDigit(left) - 1], single);
                    return true;
                }
            }
        }
    }
    return false;
}

// Houses with at most 2k empty cells are left out: there the complementary
// naked set, found earlier, does the same work.
template <int K>
bool findHidden(const Context& context, Step& step, Technique technique, double value) {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if (context.index.emptyCells(house) <= 2 * K)
                continue;
            for (Mask digits : kSubsets<K>) {
                Mask positions = 0;
                if (!hiddenSet(context, house, digits, positions))
                    continue;
                bool removes = false;
                for (Mask rest = positions; rest != 0 && !removes; rest &= rest - 1) {
                    const int cell = kHouseCells[house][lowestDigit(rest) - 1];
                    removes = (context.grid.candidates(cell) & ~digits) != 0;
                }
                if (!removes)
                    continue;
                describeHidden(context, step, {technique, value, K}, house, digits, positions);
                return true;
            }
        }
    }
    return false;
}

// k cells of a house with k candidates between them; the digits leave the
// house's other cells (only this house's: a pair that shares a box and a row
// clears them one step at a time).
template <int K>
bool findNaked(const Context& context, Step& step, Technique technique, double value) {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if (context.index.emptyCells(house) < 2 * K)
                continue;
            const auto& cells = kHouseCells[house];
            for (Mask positions : kSubsets<K>) {
                Mask digits = 0;
                bool usable = true;
                for (Mask rest = positions; rest != 0 && usable; rest &= rest - 1) {
                    const Mask candidates = context.grid.candidates(cells[lowestDigit(rest) - 1]);
                    usable = digitCount(candidates) >= 2;
                    digits |= candidates;
                }
                if (!usable || digitCount(digits) != K)
                    continue;
                bool removes = false;
                for (int p = 0; p < 9 && !removes; ++p) {
                    removes = !((positions >> p) & 1U) &&
                              (context.grid.candidates(cells[p]) & digits) != 0;
                }
                if (!removes)
                    continue;
                describeSet(step, {technique, value, K}, house, digits, positions);
                for (int p = 0; p < 9; ++p) {
                    if (!((positions >> p) & 1U))
                        step.eliminations[cells[p]] = context.grid.candidates(cells[p]) & digits;
                }
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool findDirectHiddenPair(const Context& context, Step& step) {
    return findDirectHidden<2>(context, step, Technique::DirectHiddenPair, 2.0);
}
bool findDirectHiddenTriple(const Context& context, Step& step) {
    return findDirectHidden<3>(context, step, Technique::DirectHiddenTriple, 2.5);
}
bool findNakedPair(const Context& context, Step& step) {
    return findNaked<2>(context, step, Technique::NakedPair, 3.0);
}
bool findHiddenPair(const Context& context, Step& step) {
    return findHidden<2>(context, step, Technique::HiddenPair, 3.4);
}
bool findNakedTriple(const Context& context, Step& step) {
    return findNaked<3>(context, step, Technique::NakedTriple, 3.6);
}
bool findHiddenTriple(const Context& context, Step& step) {
    return findHidden<3>(context, step, Technique::HiddenTriple, 4.0);
}
bool findNakedQuad(const Context& context, Step& step) {
    return findNaked<4>(context, step, Technique::NakedQuad, 5.0);
}
bool findHiddenQuad(const Context& context, Step& step) {
    return findHidden<4>(context, step, Technique::HiddenQuad, 5.4);
}

} // namespace cellwright::logic::detail
