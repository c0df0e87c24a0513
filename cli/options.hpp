#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cellwright::cli {

enum class Format { Text, Line, Json, Grid };

struct Options {
    std::vector<std::string> boardFiles; // "-" is standard input
    std::optional<std::string> linesFile;
    std::optional<Format> format; // default depends on the input
    std::optional<std::string> outputFile;
    std::optional<std::string> backupDir;
    unsigned jobs = 0; // 0: one per core
    bool quiet = false;
    bool trace = false;
    bool count = false;             // count solutions instead of solving
    std::uint32_t maxSolutions = 2; // counts stop here

    bool help = false;
    bool version = false;

    // The inputs in the order given: the board files, or the --lines file.
    std::vector<std::string> inputs() const;
};

// Parses the command line (argv[0] included) with GNU conventions. On a usage
// error, returns nothing and sets error to one line.
std::optional<Options> parseOptions(int argc, char* const* argv, std::string& error);

const char* usageText();

} // namespace cellwright::cli
