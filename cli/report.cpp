#include "cli/report.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace cellwright::cli {

namespace {

std::string lineOf(const Digits& digits) {
    Board board;
    placeDigits(board, digits);
    return puzzleLineOf(board);
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::int64_t nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

std::string formatOutcome(const Outcome& outcome, Format format) {
    const std::string board = puzzleLineOf(outcome.board);
    switch (format) {
    case Format::Text: {
        std::string text = outcome.message + "\n";
        for (int row = 0; row < 9; ++row)
            text += board.substr(static_cast<std::size_t>(9 * row), 9) + "\n";
        return text;
    }
    case Format::Line:
        return board + "\t" + outcome.message + "\n";
    case Format::Json:
        return "{\"puzzle\":" + jsonString(lineOf(outcome.puzzle)) +
               ",\"message\":" + jsonString(outcome.message) + ",\"board\":" + jsonString(board) +
               ",\"passes\":" + std::to_string(outcome.passes) +
               ",\"guesses\":" + std::to_string(outcome.guesses) +
               ",\"backouts\":" + std::to_string(outcome.backouts) +
               ",\"max_depth\":" + std::to_string(outcome.maxDepth) +
               ",\"micros\":" + std::to_string(outcome.micros) + "}\n";
    }
    return {};
}

void Summary::add(const Outcome& outcome) {
    ++counts_[outcome.message.empty() ? std::string("(no message)") : outcome.message];
    micros_.push_back(outcome.micros);
}

std::string Summary::line() const {
    std::size_t total = 0;
    std::string perOutcome;
    for (const auto& [message, count] : counts_) {
        total += count;
        perOutcome += (perOutcome.empty() ? "" : ", ") + std::to_string(count) + " " + message;
    }
    std::vector<std::int64_t> sorted = micros_;
    std::sort(sorted.begin(), sorted.end());
    std::int64_t sum = 0;
    for (const std::int64_t m : sorted)
        sum += m;
    const double median =
        sorted.empty() ? 0.0 : static_cast<double>(sorted[sorted.size() / 2]) / 1000.0;
    char times[96];
    std::snprintf(times, sizeof times, "%.3f s solving in all, median %.3f ms",
                  static_cast<double>(sum) / 1e6, median);
    return std::to_string(total) + " puzzles: " + (perOutcome.empty() ? "none" : perOutcome) +
           "; " + times;
}

ProgressBar::ProgressBar(std::ostream& out, std::size_t total)
    : out_(out), total_(total), startMicros_(nowMicros()) {}

void ProgressBar::update(std::size_t done) {
    const std::int64_t now = nowMicros();
    if (done < total_ && lastDrawMicros_ >= 0 && now - lastDrawMicros_ < 100000)
        return; // at most ten redraws a second
    lastDrawMicros_ = now;
    const double seconds = static_cast<double>(now - startMicros_) / 1e6;
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    const double left = rate > 0 ? static_cast<double>(total_ - done) / rate : 0.0;
    constexpr int kWidth = 30;
    const int filled = total_ == 0 ? kWidth : static_cast<int>(kWidth * done / total_);
    char text[160];
    std::snprintf(text, sizeof text, "\r[%s%s] %zu/%zu  %.0f/s  %.0f s left ",
                  std::string(static_cast<std::size_t>(filled), '#').c_str(),
                  std::string(static_cast<std::size_t>(kWidth - filled), '-').c_str(), done, total_,
                  rate, left);
    out_ << text << std::flush;
}

void ProgressBar::finish() {
    out_ << "\r\033[K" << std::flush;
}

} // namespace cellwright::cli
