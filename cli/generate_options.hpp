#pragma once

#include "cli/options.hpp"
#include "generator/puzzle_generator.hpp"
#include "generator/rating.hpp"

#include <cstdint>
#include <optional>
#include <string>

namespace cellwright::cli {

// The command line of cellwright-generate.
struct GenerateOptions {
    std::uint64_t count = 1;
    std::optional<generator::Band> band; // from --rating or --level; none: unrated
    std::string bandName;                // as given, for messages
    generator::Symmetry symmetry = generator::Symmetry::Rotate180;
    std::optional<std::uint64_t> seed; // none: a random one
    unsigned jobs = 0;                 // 0: one per core
    Format format = Format::Line;
    std::optional<std::string> outputFile;
    bool quiet = false;
    std::optional<std::uint64_t> maxTries;

    bool help = false;
    bool version = false;
};

// Parses the command line (argv[0] included) with GNU conventions. On a usage
// error, returns nothing and sets error to one line.
std::optional<GenerateOptions> parseGenerateOptions(int argc, char* const* argv,
                                                    std::string& error);

// "3.0-4.4" or "6.5" (no upper limit): ER in tenths, at most one decimal.
std::optional<generator::Band> parseRatingBand(const std::string& text);

const char* generateUsageText();

} // namespace cellwright::cli
