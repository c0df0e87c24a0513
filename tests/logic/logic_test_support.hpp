#pragma once

#include "logic/rating.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace cellwright::logic::test {

inline Digits digitsOf(std::string_view line) {
    Digits digits{};
    for (std::size_t i = 0; i < 81 && i < line.size(); ++i)
        digits[i] = line[i] >= '1' && line[i] <= '9' ? static_cast<std::int16_t>(line[i] - '0') : 0;
    return digits;
}

// A grid in one of two forms:
// - 81 fields, a digit for a placed cell, "." and the candidates for an empty
//   one (".", ".38", ...), as a solver's state is dumped;
// - "r1c4:12 r3c4:12 ...": every cell empty, only the cells named hold
//   candidates, for patterns made by hand.
inline Grid gridOf(std::string_view text) {
    Grid grid;
    std::istringstream fields{std::string(text)};
    std::string field;
    std::vector<std::pair<int, Mask>> candidates;
    for (int cell = 0; fields >> field; ++cell) {
        Mask digits = 0;
        const std::size_t colon = field.find(':');
        if (colon != std::string::npos)
            cell = (field[1] - '1') * 9 + (field[3] - '1');
        for (std::size_t i = colon == std::string::npos ? 1 : colon + 1; i < field.size(); ++i)
            digits |= digitBit(field[i] - '0');
        if (field[0] >= '1' && field[0] <= '9')
            grid.place(cell, field[0] - '0');
        else
            candidates.emplace_back(cell, digits);
    }
    for (const auto& [cell, digits] : candidates)
        grid.setCandidates(cell, digits);
    return grid;
}

struct RatedPuzzle {
    std::string puzzle;
    int er = 0, ep = 0, ed = 0; // tenths
};

// The rated sample: PUZZLE<TAB>ER<TAB>EP<TAB>ED, '#' for comments.
inline std::vector<RatedPuzzle> ratedSample() {
    std::vector<RatedPuzzle> sample;
    std::ifstream in(CELLWRIGHT_RATED_PUZZLES);
    std::string line;
    const auto tenths = [](double value) { return static_cast<int>(value * 10 + 0.5); };
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        RatedPuzzle rated;
        double er = 0, ep = 0, ed = 0;
        if (line.empty() || line[0] == '#' || !(fields >> rated.puzzle >> er >> ep >> ed))
            continue;
        rated.er = tenths(er), rated.ep = tenths(ep), rated.ed = tenths(ed);
        sample.push_back(rated);
    }
    return sample;
}

} // namespace cellwright::logic::test
