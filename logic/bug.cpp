// BUG, the bivalue universal grave: a grid whose empty cells all hold two
// candidates, each digit twice in each house, has two solutions. When only a
// few cells (the BUG cells) hold more, a proper puzzle needs one of their
// extra digits (the BUG digits), and that can be exploited four ways.
#include "logic/producers.hpp"

#include <algorithm>

namespace cellwright::logic::detail {

namespace {

class BugFinder {
  public:
    explicit BugFinder(const Context& context) : context_(context), grid_(context.grid) {}

    bool find(Step& step) {
        if (!locateBugCells() || !leavesGrave())
            return false;
        if (cellCount_ == 1)
            return typeOne(step);
        if (digitCount(allDigits_) == 1) {
            return typeTwo(step) || (cellCount_ == 2 && typeFour(step));
        }
        return (cellCount_ == 2 && typeFour(step)) || typeThree(step);
    }

  private:
    // A digit that a house holds neither 0 nor 2 times points at a BUG cell:
    // its one place there with three or more candidates. None means no BUG;
    // several say nothing. Houses go boxes, rows, columns.
    bool locateBugCells() {
        for (int cell = 0; cell < 81; ++cell)
            scratch_[cell] = grid_.candidates(cell);
        for (HouseType type : kBoxRowColumn) {
            for (int index = 0; index < 9; ++index) {
                const int house = houseId(type, index);
                for (int digit = 1; digit <= 9; ++digit) {
                    const Mask where = context_.index.positions(house, digit);
                    if (where == 0 || digitCount(where) == 2)
                        continue;
                    int bugCell = -1, crowded = 0;
                    for (int p = 0; p < 9; ++p) {
                        const int cell = kHouseCells[house][p];
                        if (((where >> p) & 1U) && digitCount(grid_.candidates(cell)) >= 3) {
                            bugCell = cell;
                            ++crowded;
                        }
                    }
                    if (crowded == 0)
                        return false;
                    if (crowded > 1)
                        continue;
                    addBugDigit(bugCell, digit);
                    if (cellCount_ >= 2 && digitCount(allDigits_) >= 2 && common_.empty())
                        return false;
                }
            }
        }
        return cellCount_ > 0;
    }

    void addBugDigit(int cell, int digit) {
        if (!bugSet_.has(cell)) {
            common_ = cellCount_ == 0 ? kPeerSets[cell] : common_ & kPeerSets[cell];
            bugSet_.add(cell);
            common_ = common_.without(bugSet_);
            cells_[cellCount_++] = static_cast<std::uint8_t>(cell);
        }
        bugDigits_[cell] |= digitBit(digit);
        allDigits_ |= digitBit(digit);
        scratch_[cell] &= static_cast<Mask>(~digitBit(digit));
    }

    // Without the BUG digits, every empty cell is bivalue and every digit is
    // in every house 0 or 2 times.
    bool leavesGrave() const {
        for (int cell = 0; cell < 81; ++cell) {
            if (grid_.digit(cell) == 0 && digitCount(scratch_[cell]) != 2)
                return false;
        }
        for (int house = 0; house < 27; ++house) {
            for (int digit = 1; digit <= 9; ++digit) {
                int count = 0;
                for (int cell : kHouseCells[house])
                    count += (scratch_[cell] & digitBit(digit)) != 0;
                if (count != 0 && count != 2)
                    return false;
            }
        }
        return true;
    }

    void start(Step& step, int type, double value) const {
        begin(step, Technique::BUG, value);
        step.variant = static_cast<std::uint8_t>(type);
        step.digits = allDigits_;
        step.size = static_cast<std::uint8_t>(std::min(cellCount_, 24));
        for (int i = 0; i < step.size; ++i)
            step.addCell(cells_[i]);
    }

    // One BUG cell: it must take a BUG digit.
    bool typeOne(Step& step) const {
        const int cell = cells_[0];
        const Mask removed = grid_.candidates(cell) & static_cast<Mask>(~bugDigits_[cell]);
        if (removed == 0)
            return false;
        start(step, 1, 5.6);
        step.eliminations[cell] = removed;
        return true;
    }

    // One BUG digit: some BUG cell holds it, so the cells that see them all
    // do not.
    bool typeTwo(Step& step) const {
        Step found;
        start(found, 2, 5.7);
        found.otherDigits = allDigits_;
        common_.forEach(
            [&](int cell) { found.eliminations[cell] = grid_.candidates(cell) & allDigits_; });
        if (!found.eliminates())
            return false;
        step = found;
        return true;
    }

    // Two BUG cells in one house sharing one other digit w: either takes its
    // BUG digit or both would need w, so each keeps only those.
    bool typeFour(Step& step) const {
        const int a = cells_[0], b = cells_[1];
        const Mask otherA = grid_.candidates(a) & static_cast<Mask>(~bugDigits_[a]);
        const Mask otherB = grid_.candidates(b) & static_cast<Mask>(~bugDigits_[b]);
        const Mask shared = otherA & otherB;
        if (digitCount(shared) != 1)
            return false;
        for (HouseType type : kBoxRowColumn) {
            const int house = houseOfCell(type, a);
            if (house != houseOfCell(type, b))
                continue;
            const Mask removeA = otherA & static_cast<Mask>(~shared);
            const Mask removeB = otherB & static_cast<Mask>(~shared);
            if ((removeA | removeB) == 0)
                return false;
            start(step, 4, 5.7);
            step.otherDigits = shared;
            step.addHouse(houseOf(house));
            step.eliminations[a] = removeA;
            step.eliminations[b] = removeB;
            return true;
        }
        return false;
    }

    // All BUG cells in one house: they act as one cell holding the BUG
    // digits, which with k-1 cells of the house makes a naked set of k.
    bool typeThree(Step& step) const {
        for (HouseType type : kBoxRowColumn) {
            const int house = houseOfCell(type, cells_[0]);
            bool together = true;
            for (int i = 1; i < cellCount_ && together; ++i)
                together = houseOfCell(type, cells_[i]) == house;
            if (!together)
                continue;
            std::array<int, 9> others{};
            int otherCount = 0;
            for (int cell : kHouseCells[house]) {
                if (common_.has(cell))
                    others[otherCount++] = cell;
            }
            for (int k = 2; k <= 6; ++k) {
                for (Mask chosen : subsetsOf(k - 1)) {
                    if (chosen >> otherCount)
                        break;
                    Mask digits = 0;
                    bool usable = true;
                    for (int i = 0; i < otherCount && usable; ++i) {
                        if ((chosen >> i) & 1U) {
                            usable = digitCount(grid_.candidates(others[i])) >= 2;
                            digits |= grid_.candidates(others[i]);
                        }
                    }
                    if (!usable || digitCount(digits) != k || (allDigits_ & ~digits) != 0)
                        continue;
                    Step found;
                    start(found, 3, 5.7 + (k - 1) * 0.1);
                    found.otherDigits = digits;
                    found.addHouse(houseOf(house));
                    for (int i = 0; i < otherCount; ++i) {
                        if ((chosen >> i) & 1U)
                            found.addCell(others[i]);
                        else
                            found.eliminations[others[i]] = grid_.candidates(others[i]) & digits;
                    }
                    if (found.eliminates()) {
                        step = found;
                        return true;
                    }
                }
            }
        }
        return false;
    }

    const Context& context_;
    const Grid& grid_;
    std::array<Mask, 81> scratch_{};
    std::array<Mask, 81> bugDigits_{};
    std::array<std::uint8_t, 81> cells_{};
    int cellCount_ = 0;
    CellSet bugSet_;
    CellSet common_;
    Mask allDigits_ = 0;
};

} // namespace

bool findBug(const Context& context, Step& step) {
    return BugFinder(context).find(step);
}

} // namespace cellwright::logic::detail
