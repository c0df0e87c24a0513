// Full houses, hidden singles and naked singles.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

// A digit with one place left in a house. With fullHouse, only houses with a
// single empty cell count; without, only the others. Houses go boxes, then
// columns, then rows, so a single that is both a box's and a row's is the box's
// (the cheaper).
bool findHouseSingle(const Context& context, Step& step, bool fullHouse) {
    for (HouseType type : kBoxColumnRow) {
        for (int index = 0; index < 9; ++index) {
            const int house = houseId(type, index);
            if ((context.index.emptyCells(house) == 1) != fullHouse)
                continue;
            for (int digit = 1; digit <= 9; ++digit) {
                const Mask where = context.index.positions(house, digit);
                if (digitCount(where) != 1)
                    continue;
                const double value = fullHouse ? 1.0 : type == HouseType::Box ? 1.2 : 1.5;
                begin(step, fullHouse ? Technique::FullHouse : Technique::HiddenSingle, value);
                step.addHouse(houseOf(house));
                step.digits = digitBit(digit);
                const int cell = kHouseCells[house][lowestDigit(where) - 1];
                step.addCell(cell);
                step.place(cell, digit);
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool findSingles(const Context& context, Step& step) {
    return findHouseSingle(context, step, true) || findHouseSingle(context, step, false);
}

bool findNakedSingle(const Context& context, Step& step) {
    for (int cell = 0; cell < 81; ++cell) {
        const Mask candidates = context.grid.candidates(cell);
        if (context.grid.digit(cell) != 0 || digitCount(candidates) != 1)
            continue;
        begin(step, Technique::NakedSingle, 2.3);
        step.digits = candidates;
        step.addCell(cell);
        step.place(cell, lowestDigit(candidates));
        return true;
    }
    return false;
}

} // namespace cellwright::logic::detail
