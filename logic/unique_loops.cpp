// Unique rectangles and loops: cells that would otherwise hold only the same
// two digits, each house crossed twice, would give two solutions. A proper
// puzzle has one, so the extra candidates that break the pattern must hold.
//
// Every loop of every pair is examined and the cheapest step kept (by value,
// then type); the first found wins a tie.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

// A grid with no solution can hold so many cells of one pair that walking
// every path through them would take ages even so; past this many visits per
// start cell the walk gives up. Grids on the way to a solution stay far below.
constexpr int kVisitBudget = 200000;

class LoopFinder {
  public:
    explicit LoopFinder(const Context& context) : context_(context), grid_(context.grid) {}

    bool find(Step& step) {
        for (int start = 0; start < 81; ++start) {
            const Mask candidates = grid_.candidates(start);
            if (digitCount(candidates) != 2)
                continue;
            pair_ = candidates;
            visits_ = 0;
            length_ = 0;
            walk(start, 0, 0, -1);
        }
        if (!found_)
            return false;
        step = best_;
        return true;
    }

  private:
    // Depth first through cells that hold both digits of the pair. The set of
    // extra digits is shared by the cells tried from one cell (it grows with
    // each of them) and copied into the walk from each: the reference rater
    // does so, and which loops it admits follows from it.
    void walk(int cell, Mask extras, int extraCells, int arrivedBy) {
        if (++visits_ > kVisitBudget)
            return;
        push(cell);
        for (HouseType type : kBoxRowColumn) {
            if (static_cast<int>(type) == arrivedBy)
                continue;
            for (int next : kHouseCells[houseOfCell(type, cell)]) {
                if (next == path_[0] && length_ >= 4) {
                    examine();
                    continue;
                }
                const Mask candidates = grid_.candidates(next);
                if (onPath_.has(next) || (candidates & pair_) != pair_)
                    continue;
                extras |= candidates & static_cast<Mask>(~pair_);
                const bool extra = digitCount(candidates) > 2;
                if ((!extra || extraCells < 2 || digitCount(extras) == 1) && fits(next))
                    walk(next, extras, extraCells + (extra ? 1 : 0), static_cast<int>(type));
            }
        }
        pop(cell);
    }

    // The path's cells, and how many of them lie at even and at odd places
    // in each house.
    void push(int cell) {
        count(cell, length_, 1);
        path_[length_++] = static_cast<std::uint8_t>(cell);
        onPath_.add(cell);
    }
    void pop(int cell) {
        onPath_.remove(cell);
        count(cell, --length_, -1);
    }
    void count(int cell, int place, int by) {
        for (HouseType type : kBoxRowColumn)
            (place % 2 != 0 ? odd_ : even_)[houseOfCell(type, cell)] +=
                static_cast<std::uint8_t>(by);
    }

    // Whether a loop can still come of the path with cell next on it: none
    // can once a house holds two path cells at places of the same parity
    // (valid() would refuse it), which also keeps a house to two path cells. Leaving such paths
    // unwalked changes no loop found nor their order, and keeps the walk short.
    bool fits(int next) const {
        const bool odd = length_ % 2 != 0;
        for (HouseType type : kBoxRowColumn) {
            const int house = houseOfCell(type, next);
            if ((odd ? odd_ : even_)[house] != 0)
                return false;
        }
        return true;
    }

    // Each house a loop cell lies in must hold exactly two loop cells, one
    // at an even and one at an odd place along the loop. The counts push()
    // and pop() keep are those of the closed loop: it is the whole path.
    bool valid() const {
        for (int house = 0; house < 27; ++house) {
            if ((even_[house] | odd_[house]) != 0 && (even_[house] != 1 || odd_[house] != 1))
                return false;
        }
        return true;
    }

    double baseValue() const {
        double value = 4.5;
        if (length_ >= 10)
            value += 0.3;
        if (length_ >= 8)
            value += 0.2;
        else if (length_ >= 6)
            value += 0.1;
        return value;
    }

    void examine() {
        if (!valid())
            return;
        std::array<int, 32> extra{};
        int extraCount = 0;
        for (int i = 0; i < length_; ++i) {
            if (digitCount(grid_.candidates(path_[i])) > 2)
                extra[extraCount++] = path_[i];
        }
        if (extraCount == 0)
            return; // a deadly pattern: the puzzle has no unique solution
        if (extraCount == 1) {
            Step& step = start(1);
            step.eliminations[extra[0]] = pair_;
            offer(step);
            return;
        }
        if (extraCount >= 3) {
            offerType2(extra, extraCount, grid_.candidates(extra[0]) & static_cast<Mask>(~pair_));
            return;
        }
        const int c1 = extra[0], c2 = extra[1];
        const Mask both = static_cast<Mask>(~pair_) & (grid_.candidates(c1) | grid_.candidates(c2));
        if (digitCount(both) == 1) {
            offerType2(extra, extraCount, both);
        } else {
            for (int k = digitCount(both); k <= 7; ++k) {
                for (HouseType type : kBoxRowColumn) {
                    const int house = houseOfCell(type, c1);
                    if (house != houseOfCell(type, c2))
                        continue;
                    offerNakedType3(c1, c2, both, house, k);
                    offerHiddenType3(c1, c2, both, house, k);
                }
            }
        }
        offerType4(c1, c2);
    }

    Step& start(int type) {
        Step& step = candidate_;
        begin(step, length_ == 4 ? Technique::UniqueRectangle : Technique::UniqueLoop, baseValue());
        step.variant = static_cast<std::uint8_t>(type);
        step.size = static_cast<std::uint8_t>(length_);
        step.digits = pair_;
        for (int i = 0; i < length_; ++i)
            step.addCell(path_[i]);
        return step;
    }

    // Sorted by value, then type; the first found stays on a tie.
    void offer(const Step& step) {
        if (!step.eliminates())
            return;
        if (found_ && (step.value > best_.value ||
                       (step.value == best_.value && step.variant >= best_.variant)))
            return;
        best_ = step;
        found_ = true;
    }

    // The extra cells hold one extra digit between them: one of them has it,
    // so cells that see them all lose it.
    void offerType2(const std::array<int, 32>& extra, int extraCount, Mask digit) {
        CellSet seeing = kPeerSets[extra[0]];
        for (int i = 1; i < extraCount; ++i)
            seeing = seeing & kPeerSets[extra[i]];
        Step& step = start(2);
        step.otherDigits = digit;
        seeing.forEach([&](int cell) { step.eliminations[cell] = grid_.candidates(cell) & digit; });
        offer(step);
    }

    // The two extra cells act as one cell holding their extra digits; with
    // k-1 other cells of a house they share they make a naked set of k.
    void offerNakedType3(int c1, int c2, Mask extras, int house, int k) {
        if (context_.index.emptyCells(house) < 2 * k)
            return;
        const int p1 = positionIn(house, c1), p2 = positionIn(house, c2);
        const Mask shared = extras & grid_.candidates(c1) & grid_.candidates(c2);
        for (Mask positions : subsetsOf(k)) {
            if (!((positions >> p1) & 1U) || ((positions >> p2) & 1U))
                continue;
            Mask others = 0;
            bool usable = true;
            for (int p = 0; p < 9 && usable; ++p) {
                if (p == p1 || !((positions >> p) & 1U))
                    continue;
                const Mask candidates = grid_.candidates(kHouseCells[house][p]);
                usable = digitCount(candidates) >= 2;
                others |= candidates;
            }
            const Mask digits = extras | others;
            if (!usable || digitCount(digits) != k || digitCount(shared | others) != k)
                continue;
            Step& step = start(3);
            step.value += (k - 1) * 0.1;
            step.otherDigits = digits;
            step.addHouse(houseOf(house));
            for (int p = 0; p < 9; ++p) {
                const int cell = kHouseCells[house][p];
                if (p != p1 && ((positions >> p) & 1U))
                    step.addCell(cell);
                else if (p != p1 && p != p2)
                    step.eliminations[cell] = grid_.candidates(cell) & digits;
            }
            offer(step);
        }
    }

    // The pair's digits and k-2 others confined, apart from the second extra
    // cell, to k cells of the house: those cells lose every other digit.
    void offerHiddenType3(int c1, int c2, Mask extras, int house, int k) {
        if (context_.index.emptyCells(house) <= 2 * k)
            return;
        const int p1 = positionIn(house, c1), p2 = positionIn(house, c2);
        const auto notC2 = static_cast<Mask>(~(1U << p2));
        const Mask choosable = kAllDigits & static_cast<Mask>(~(pair_ | extras));
        for (Mask chosen : subsetsOf(k - 2)) {
            if ((chosen & choosable) != chosen)
                continue;
            const Mask digits = chosen | pair_;
            Mask positions = 0;
            bool usable = true;
            for (Mask rest = digits; rest != 0 && usable; rest &= rest - 1) {
                const Mask where = context_.index.positions(house, lowestDigit(rest)) & notC2;
                usable = where != 0;
                positions |= where;
            }
            if (!usable || digitCount(positions) != k || !((positions >> p1) & 1U))
                continue;
            Step& step = start(3);
            step.value += (k - 2) * 0.1;
            step.hiddenSet = true;
            step.otherDigits = digits;
            step.addHouse(houseOf(house));
            for (int p = 0; p < 9; ++p) {
                const int cell = kHouseCells[house][p];
                if (p == p1 || !((positions >> p) & 1U))
                    continue;
                step.addCell(cell);
                step.eliminations[cell] = grid_.candidates(cell) & static_cast<Mask>(~digits);
            }
            offer(step);
        }
    }

    // One digit of the pair held in a shared house only by the two extra
    // cells: one of them has it, so neither may take the other digit.
    void offerType4(int c1, int c2) {
        const int v1 = lowestDigit(pair_);
        const int v2 = lowestDigit(pair_ & static_cast<Mask>(pair_ - 1));
        int lock1 = -1, lock2 = -1;
        for (HouseType type : kBoxRowColumn) {
            const int house = houseOfCell(type, c1);
            if (house != houseOfCell(type, c2))
                continue;
            const auto others =
                static_cast<Mask>(~((1U << positionIn(house, c1)) | (1U << positionIn(house, c2))));
            if ((context_.index.positions(house, v1) & others) == 0)
                lock1 = house;
            if ((context_.index.positions(house, v2) & others) == 0)
                lock2 = house;
        }
        if (lock1 < 0 && lock2 < 0)
            return;
        Step& step = start(4);
        const int lock = lock1 >= 0 ? lock1 : lock2;
        step.otherDigits = digitBit(lock1 >= 0 ? v1 : v2);
        step.addHouse(houseOf(lock));
        const Mask removed = pair_ & static_cast<Mask>(~step.otherDigits);
        step.eliminations[c1] = removed;
        step.eliminations[c2] = removed;
        offer(step);
    }

    const Context& context_;
    const Grid& grid_;
    Mask pair_ = 0;
    int visits_ = 0;
    std::array<std::uint8_t, 81> path_{};
    int length_ = 0;
    CellSet onPath_;
    std::array<std::uint8_t, 27> even_{}, odd_{};
    Step candidate_;
    Step best_;
    bool found_ = false;
};

} // namespace

bool findUniqueLoop(const Context& context, Step& step) {
    return LoopFinder(context).find(step);
}

} // namespace cellwright::logic::detail
