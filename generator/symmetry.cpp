#include "generator/orbit_table.hpp"
#include "generator/puzzle_generator.hpp"

#include <array>

namespace cellwright::generator {

namespace {

constexpr std::array<std::string_view, 6> kNames{"none",   "rotate180", "rotate90",
                                                 "mirror", "diagonal",  "random"};

// Where a cell goes under the symmetry's move.
constexpr int moved(Symmetry symmetry, int cell) {
    const int row = cell / 9, col = cell % 9;
    switch (symmetry) {
    case Symmetry::Rotate180:
        return 80 - cell;
    case Symmetry::Rotate90:
        return 9 * col + (8 - row);
    case Symmetry::Mirror:
        return 9 * row + (8 - col);
    case Symmetry::Diagonal:
        return 9 * col + row;
    case Symmetry::None:
    case Symmetry::Random:
        break;
    }
    return cell;
}

// Follows each cell not yet met round its cycle; the cells come out ascending
// within an orbit because the first cell met is the lowest.
constexpr OrbitTable tableFor(Symmetry symmetry) {
    OrbitTable table{};
    std::array<bool, 81> met{};
    for (int first = 0; first < 81; ++first) {
        if (met[first])
            continue;
        Orbit& orbit = table.orbits[table.count++];
        for (int cell = first; !met[cell]; cell = moved(symmetry, cell)) {
            met[cell] = true;
            orbit.cells[orbit.size++] = static_cast<std::int8_t>(cell);
        }
        for (int i = 1; i < orbit.size; ++i) { // at most four: insertion sort
            for (int j = i; j > 0 && orbit.cells[j - 1] > orbit.cells[j]; --j) {
                const std::int8_t held = orbit.cells[j];
                orbit.cells[j] = orbit.cells[j - 1];
                orbit.cells[j - 1] = held;
            }
        }
    }
    return table;
}

constexpr std::array<OrbitTable, 5> kTables{
    tableFor(Symmetry::None), tableFor(Symmetry::Rotate180), tableFor(Symmetry::Rotate90),
    tableFor(Symmetry::Mirror), tableFor(Symmetry::Diagonal)};

static_assert(kTables[0].count == 81 && kTables[1].count == 41 && kTables[2].count == 21 &&
              kTables[3].count == 45 && kTables[4].count == 45);

} // namespace

const OrbitTable& orbitTable(Symmetry symmetry) {
    return kTables[symmetry == Symmetry::Random ? 0 : static_cast<std::size_t>(symmetry)];
}

std::string_view symmetryName(Symmetry symmetry) {
    return kNames[static_cast<std::size_t>(symmetry)];
}

std::optional<Symmetry> symmetryNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return static_cast<Symmetry>(i);
    }
    return std::nullopt;
}

std::vector<std::vector<int>> orbitsOf(Symmetry symmetry) {
    const OrbitTable& table = orbitTable(symmetry);
    std::vector<std::vector<int>> orbits;
    for (int i = 0; i < table.count; ++i) {
        const Orbit& orbit = table.orbits[i];
        orbits.emplace_back(orbit.cells.begin(), orbit.cells.begin() + orbit.size);
    }
    return orbits;
}

} // namespace cellwright::generator
