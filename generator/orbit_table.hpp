#pragma once

#include "generator/puzzle_generator.hpp"

#include <array>
#include <cstdint>

namespace cellwright::generator {

// The orbits of a symmetry as fixed tables, built at compile time, so that
// making a puzzle allocates nothing for them.
struct Orbit {
    std::array<std::int8_t, 4> cells{}; // ascending; a quarter turn moves a cell round four
    int size = 0;
};

struct OrbitTable {
    std::array<Orbit, 81> orbits{};
    int count = 0;
};

// Random, which has no orbits of its own, gets those of None.
const OrbitTable& orbitTable(Symmetry symmetry);

} // namespace cellwright::generator
