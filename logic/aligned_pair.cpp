// Aligned pair exclusion: two cells that both see several bivalue cells. A
// pair of digits for the two cells that would empty one of those cells (or
// repeat a digit in a shared house) cannot be; a digit left in no possible
// pair goes.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

bool findAlignedPairExclusion(const Context& context, Step& step) {
    const Grid& grid = context.grid;
    CellSet bivalue;
    for (int cell = 0; cell < 81; ++cell) {
        if (digitCount(grid.candidates(cell)) == 2)
            bivalue.add(cell);
    }
    // Cells with two or more candidates and a bivalue peer, row-major.
    std::array<std::uint8_t, 81> bases{};
    int baseCount = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (digitCount(grid.candidates(cell)) >= 2 && !(kPeerSets[cell] & bivalue).empty())
            bases[baseCount++] = static_cast<std::uint8_t>(cell);
    }
    // Pairs by their second cell, then their first; the cells need not share a house.
    for (int j = 1; j < baseCount; ++j) {
        for (int i = 0; i < j; ++i) {
            const int a = bases[i], b = bases[j];
            const CellSet excluders = kPeerSets[a] & kPeerSets[b] & bivalue;
            if (!excluders.severalCells())
                continue;
            std::array<Mask, 20> forbidden{};
            int forbiddenCount = 0;
            excluders.forEach(
                [&](int cell) { forbidden[forbiddenCount++] = grid.candidates(cell); });
            const bool peers = arePeers(a, b);
            Mask allowedA = 0, allowedB = 0;
            for (Mask da = grid.candidates(a); da != 0; da &= da - 1) {
                for (Mask db = grid.candidates(b); db != 0; db &= db - 1) {
                    const Mask x = da & static_cast<Mask>(-da), y = db & static_cast<Mask>(-db);
                    if (x == y && peers)
                        continue;
                    bool allowed = true;
                    for (int f = 0; f < forbiddenCount && allowed; ++f)
                        allowed = (x | y) != forbidden[f];
                    if (allowed) {
                        allowedA |= x;
                        allowedB |= y;
                    }
                }
            }
            const Mask removeA = grid.candidates(a) & static_cast<Mask>(~allowedA);
            const Mask removeB = grid.candidates(b) & static_cast<Mask>(~allowedB);
            if ((removeA | removeB) == 0)
                continue;
            begin(step, Technique::AlignedPairExclusion, 6.2);
            step.addCell(a);
            step.addCell(b);
            step.digits = removeA | removeB;
            step.eliminations[a] = removeA;
            step.eliminations[b] = removeB;
            return true;
        }
    }
    return false;
}

} // namespace cellwright::logic::detail
