#pragma once

#include "cli/command_line.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cellwright::cli {

// What the run does to each puzzle.
enum class Mode {
    Solve,   // as the Solve button does
    Count,   // count its solutions
    Rate,    // rate it as people solve it
    Explain, // the steps people would take, then the rating
};

struct Options {
    std::vector<std::string> boardFiles; // "-" is standard input
    std::optional<std::string> linesFile;
    std::optional<Format> format; // default depends on the input
    std::optional<std::string> outputFile;
    std::optional<std::string> backupDir;
    unsigned jobs = 0; // 0: one per core
    bool quiet = false;
    bool trace = false;
    Mode mode = Mode::Solve;
    std::optional<std::uint32_t> maxSolutions; // counts stop here; none: 2

    bool help = false;
    bool version = false;

    // The inputs in the order given: the board files, or the --lines file.
    std::vector<std::string> inputs() const;
    // The format asked for, else line for --lines and text for files.
    Format outputFormat() const;
    // Whether the results go to -o's file rather than standard output.
    bool outputToFile() const {
        return outputFile && (mode == Mode::Rate || mode == Mode::Explain);
    }
    // Whether each result names its source: with several files, it may come from any.
    bool namesSources() const { return boardFiles.size() > 1; }
};

// Parses the command line (argv[0] included) with GNU conventions. On a usage
// error, returns nothing and sets error to one line.
std::optional<Options> parseOptions(int argc, char* const* argv, std::string& error);

const char* usageText();

} // namespace cellwright::cli
