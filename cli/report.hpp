#pragma once

#include "cli/options.hpp"
#include "cli/solve_run.hpp"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace cellwright::cli {

// One puzzle's result in the chosen format, ending with a newline.
std::string formatOutcome(const Outcome& outcome, Format format);

// Counts per outcome and times over a collection; the closing summary line.
class Summary {
  public:
    void add(const Outcome& outcome);
    std::string line() const;

  private:
    std::map<std::string, std::size_t> counts_;
    std::vector<std::int64_t> micros_;
};

// A one-line progress bar, redrawn in place; only for terminals.
class ProgressBar {
  public:
    ProgressBar(std::ostream& out, std::size_t total);
    void update(std::size_t done);
    void finish();

  private:
    std::ostream& out_;
    std::size_t total_;
    std::int64_t startMicros_;
    std::int64_t lastDrawMicros_ = -1;
};

} // namespace cellwright::cli
