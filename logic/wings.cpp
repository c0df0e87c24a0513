// XY-wing and XYZ-wing: a pivot and two bivalue wings among its peers, three
// digits between them; whichever wing holds z, cells that see them all lose z.
#include "logic/producers.hpp"

namespace cellwright::logic::detail {

namespace {

bool findWing(const Context& context, Step& step, bool xyz) {
    const Grid& grid = context.grid;
    const int pivotSize = xyz ? 3 : 2;
    for (int pivot = 0; pivot < 81; ++pivot) {
        const Mask p = grid.candidates(pivot);
        if (digitCount(p) != pivotSize)
            continue;
        const auto& peers = kPeers[pivot];
        for (int i = 0; i < 20; ++i) {
            const Mask w1 = grid.candidates(peers[i]);
            if (digitCount(w1) != 2 || digitCount(p & static_cast<Mask>(~w1)) != 1)
                continue;
            for (int j = i + 1; j < 20; ++j) {
                const Mask w2 = grid.candidates(peers[j]);
                if (digitCount(w2) != 2 || digitCount(p | w1 | w2) != 3 ||
                    digitCount(p & w1 & w2) != (xyz ? 1 : 0))
                    continue;
                const Mask z = w1 & w2;
                CellSet targets = kPeerSets[peers[i]] & kPeerSets[peers[j]];
                if (xyz)
                    targets = targets & kPeerSets[pivot];
                targets.remove(pivot);
                bool removes = false;
                targets.forEach(
                    [&](int cell) { removes = removes || (grid.candidates(cell) & z); });
                if (!removes)
                    continue;
                begin(step, xyz ? Technique::XYZWing : Technique::XYWing, xyz ? 4.4 : 4.2);
                step.digits = z;
                step.addCell(pivot);
                step.addCell(peers[i]);
                step.addCell(peers[j]);
                targets.forEach(
                    [&](int cell) { step.eliminations[cell] = grid.candidates(cell) & z; });
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool findXYWing(const Context& context, Step& step) {
    return findWing(context, step, false);
}
bool findXYZWing(const Context& context, Step& step) {
    return findWing(context, step, true);
}

} // namespace cellwright::logic::detail
