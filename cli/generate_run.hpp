#pragma once

#include "cli/generate_options.hpp"
#include "cli/output.hpp"
#include "generator/rating.hpp"

#include <atomic>
#include <cstdint>

namespace cellwright::cli {

// What a run needs besides its options.
struct GenerateContext {
    std::uint64_t seed = 0;          // the options' or a random one
    const generator::Rater* rater{}; // needed when the options ask for a band
    std::atomic<bool>* stop{};       // set from outside: end after the puzzles printed
    bool progress = false;           // draw progress on stderr (a terminal)
    bool outputOnTerminal = false;   // the puzzles share that terminal
};

// Makes puzzles as the options ask: puzzle i of the run is tried from the
// seed and i alone, rated when a band is asked for and kept when it is in the
// band, until enough are kept or the tries run out. Each kept puzzle is
// written as soon as it and every try before it are done, so the output is
// the same for any number of jobs. Then the summary goes to stderr (unless
// quiet). Returns the exit status: all made, fewer made than asked within
// the tries, or an output error.
int runGenerate(const GenerateOptions& options, const GenerateContext& context, Output& output);

} // namespace cellwright::cli
