// Aligned triple exclusion: three cells and the cells that see all three.
// Every way of filling the three that leaves one of those "excluders" (cells
// of two or three candidates) with nothing, or puts one digit twice in a
// house, is impossible; a candidate of the three that only such ways use is
// false.
//
// Pairs of cells come first (every cell of two or more candidates with an
// excluder, row-major; pairs by their second cell, then their first), the
// third cell from the excluders of the two. The first find is taken.
#include "logic/chains.hpp"

namespace cellwright::logic::detail {

namespace {

constexpr int kDegree = 3;

// Peers of cell with two or three candidates.
CellSet excludersOf(const Grid& grid, int cell) {
    CellSet excluders;
    for (int peer : kPeers[cell]) {
        const int count = digitCount(grid.candidates(peer));
        if (count >= 2 && count <= kDegree)
            excluders.add(peer);
    }
    return excluders;
}

// The digits of the three cells that some allowed filling uses.
std::array<Mask, 3> allowedDigits(const Grid& grid, const std::array<int, 3>& cells,
                                  const std::array<Mask, 27>& excluders, int excluderCount) {
    const bool peers01 = arePeers(cells[0], cells[1]);
    const bool peers02 = arePeers(cells[0], cells[2]);
    const bool peers12 = arePeers(cells[1], cells[2]);
    std::array<Mask, 3> allowed{};
    for (Mask as = grid.candidates(cells[0]); as != 0; as &= as - 1) {
        const int a = lowestDigit(as);
        for (Mask bs = grid.candidates(cells[1]); bs != 0; bs &= bs - 1) {
            const int b = lowestDigit(bs);
            if (peers01 && a == b)
                continue;
            for (Mask cs = grid.candidates(cells[2]); cs != 0; cs &= cs - 1) {
                const int c = lowestDigit(cs);
                if ((peers02 && a == c) || (peers12 && b == c))
                    continue;
                const auto used = static_cast<Mask>(digitBit(a) | digitBit(b) | digitBit(c));
                bool excluded = false;
                for (int e = 0; e < excluderCount && !excluded; ++e)
                    excluded = (excluders[e] & static_cast<Mask>(~used)) == 0;
                if (excluded)
                    continue;
                allowed[0] |= digitBit(a);
                allowed[1] |= digitBit(b);
                allowed[2] |= digitBit(c);
            }
        }
    }
    return allowed;
}

// Without an excluder, only "one digit twice in a house" rules fillings out,
// and that removes something only where two of the cells are the same
// bivalue pair.
bool twinBivalues(const Grid& grid, const std::array<int, 3>& cells) {
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            const Mask a = grid.candidates(cells[i]);
            if (digitCount(a) == 2 && a == grid.candidates(cells[j]))
                return true;
        }
    }
    return false;
}

} // namespace

bool findAlignedTripleExclusion(const Context& context, Step& step) {
    const Grid& grid = context.grid;
    std::array<CellSet, 81> excluders{};
    std::array<std::uint8_t, 81> bases{};
    int baseCount = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (digitCount(grid.candidates(cell)) < 2)
            continue;
        excluders[cell] = excludersOf(grid, cell);
        if (!excluders[cell].empty())
            bases[baseCount++] = static_cast<std::uint8_t>(cell);
    }
    for (int j = 1; j < baseCount; ++j) {
        for (int i = 0; i < j; ++i) {
            const int first = bases[i];
            const int second = bases[j];
            const CellSet pairCommon = excluders[first] & excluders[second];
            if (!pairCommon.severalCells())
                continue;
            bool done = false;
            (excluders[first] | excluders[second]).forEach([&](int third) {
                if (done || third == first || third == second)
                    return;
                const CellSet common = pairCommon & excluders[third];
                if (!common.severalCells())
                    return;
                const std::array<int, 3> cells = {first, second, third};
                std::array<Mask, 27> masks{};
                int count = 0;
                const Mask all = static_cast<Mask>(
                    grid.candidates(first) | grid.candidates(second) | grid.candidates(third));
                common.forEach([&](int cell) {
                    // Only an excluder the three can empty takes part.
                    if ((grid.candidates(cell) & static_cast<Mask>(~all)) == 0)
                        masks[count++] = grid.candidates(cell);
                });
                if (count == 0 && !twinBivalues(grid, cells))
                    return; // every filling is allowed
                const std::array<Mask, 3> allowed = allowedDigits(grid, cells, masks, count);
                std::array<Mask, 3> removed{};
                bool removes = false;
                for (int k = 0; k < 3; ++k) {
                    removed[k] = grid.candidates(cells[k]) & static_cast<Mask>(~allowed[k]);
                    removes = removes || removed[k] != 0;
                }
                if (!removes)
                    return;
                begin(step, Technique::AlignedTripleExclusion, 7.5);
                for (int k = 0; k < 3; ++k) {
                    step.addCell(cells[k]);
                    step.eliminations[cells[k]] = removed[k];
                }
                done = true;
            });
            if (done)
                return true;
        }
    }
    return false;
}

} // namespace cellwright::logic::detail
