#include "cli/generate_progress.hpp"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace cellwright::cli {

namespace {

constexpr auto kFirstAfter = std::chrono::seconds(1);
constexpr auto kEvery = std::chrono::milliseconds(250);
// Fewer puzzles in the band than one in this many tries: a rare band.
constexpr std::uint64_t kRare = 50;

void toStderr(const std::string& text) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
}

} // namespace

Progress::Progress(bool shown, std::uint64_t wanted, Clock::time_point start)
    : shown_(shown), wanted_(wanted), start_(start), lastDrawn_(start) {}

std::string Progress::line(std::uint64_t made, std::uint64_t wanted, std::uint64_t tried,
                           double seconds) {
    char text[160];
    const double rate = seconds > 0 ? static_cast<double>(made) / seconds : 0.0;
    std::snprintf(text, sizeof text, "%llu of %llu made, %llu tried, %.*f a second",
                  static_cast<unsigned long long>(made), static_cast<unsigned long long>(wanted),
                  static_cast<unsigned long long>(tried), rate < 10 ? 1 : 0, rate);
    std::string result = text;
    if (tried >= kRare && made * kRare < tried) {
        result += made == 0 ? "; a rare band: none yet"
                            : "; a rare band: 1 in " + std::to_string(tried / made) + " tries";
    }
    if (made > 0 && made < wanted) {
        const double left =
            seconds * static_cast<double>(wanted - made) / static_cast<double>(made);
        std::snprintf(text, sizeof text, ", about %.0f s to go", std::max(left, 1.0));
        result += text;
    }
    return result;
}

bool Progress::due(Clock::time_point now) const {
    return shown_ && now - start_ >= kFirstAfter && now - lastDrawn_ >= kEvery;
}

void Progress::draw(std::uint64_t made, std::uint64_t tried, Clock::time_point now) {
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    toStderr("\r" + line(made, wanted_, tried, seconds) + "\033[K");
    drawn_ = true;
}

void Progress::erase() {
    if (drawn_)
        toStderr("\r\033[K");
    drawn_ = false;
}

} // namespace cellwright::cli
