#include "cli/generate_rater.hpp"

#include <array>
#include <cctype>
#include <string>

namespace cellwright::cli {

namespace {

struct Level {
    std::string_view name;
    generator::Band band;
};

// ER in tenths. Between the bands lie ratings that no step can have (2.4,
// 3.5, 6.3, 6.4), so together they cover the scale.
constexpr std::array<Level, 6> kLevels{{
    {"easy", {0, 23}},
    {"medium", {25, 34}},
    {"hard", {36, 44}},
    {"fiendish", {45, 62}},
    {"diabolical", {65, 89}},
    {"extreme", {90, std::nullopt}},
}};

} // namespace

std::optional<generator::Band> levelBand(std::string_view name) {
    std::string lower(name);
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (const Level& level : kLevels) {
        if (level.name == lower)
            return level.band;
    }
    return std::nullopt;
}

std::optional<generator::Rater> programRater() {
    return std::nullopt;
}

} // namespace cellwright::cli
