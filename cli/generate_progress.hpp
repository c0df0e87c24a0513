#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace cellwright::cli {

// The progress of a long run on a terminal's stderr: one line, drawn over
// itself, with the puzzles made and tried and the rate. It shows once the run
// has taken a second, and says so when puzzles in the band asked for are rare.
// Drawn only on a terminal: piped or redirected, stderr gets the summary alone.
class Progress {
  public:
    using Clock = std::chrono::steady_clock;

    Progress(bool shown, std::uint64_t wanted, Clock::time_point start);
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    ~Progress() { erase(); }

    // Whether the line is due again: a few times a second, once shown.
    bool due(Clock::time_point now) const;
    void draw(std::uint64_t made, std::uint64_t tried, Clock::time_point now);
    // Takes the line away, before output that shares the terminal.
    void erase();

    // The line for these figures, as update draws it.
    static std::string line(std::uint64_t made, std::uint64_t wanted, std::uint64_t tried,
                            double seconds);

  private:
    bool shown_;
    bool drawn_ = false;
    std::uint64_t wanted_;
    Clock::time_point start_;
    Clock::time_point lastDrawn_;
};

} // namespace cellwright::cli
