#pragma once

#include "files/puzzle_reader.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cellwright::cli {

// A puzzle of the run, with where it came from.
struct SourcedPuzzle {
    std::size_t index = 0; // its place in the run, from 0
    std::string origin;    // "FILE" for a board file, else "FILE:LINE"
    Digits digits{};
};

// The puzzles of all inputs in turn ("-" is standard input), read as they are
// asked for: a pipe is read as it arrives, and memory stays bounded however
// long the input is. An input that cannot be read, and input that is not a
// puzzle, are reported on standard error as they are met; the rest is read on.
class PuzzleSource {
  public:
    PuzzleSource(std::vector<std::string> inputs, PuzzleLayouts layouts);
    PuzzleSource(const PuzzleSource&) = delete;
    PuzzleSource& operator=(const PuzzleSource&) = delete;
    ~PuzzleSource();

    // The next puzzle, or nothing after the last input.
    std::optional<SourcedPuzzle> next();
    // Called before each read of input, which may wait for a pipe (empty: none).
    void beforeRead(std::function<void()> call) { beforeRead_ = std::move(call); }
    // False once an input could not be read or held something not a puzzle.
    bool allRead() const { return allRead_; }
    // The name an input goes by in messages ("<stdin>" for standard input).
    static std::string displayName(const std::string& input);

  private:
    bool openNext();
    void readSome();
    void closeCurrent();

    std::vector<std::string> inputs_;
    PuzzleLayouts layouts_;
    std::size_t nextInput_ = 0;
    int fd_ = -1;
    std::string name_;
    std::optional<PuzzleReader> reader_;
    std::function<void()> beforeRead_;
    std::vector<ReadEvent> events_;
    std::size_t position_ = 0;
    std::size_t count_ = 0;
    bool allRead_ = true;
    std::array<char, 64 * 1024> block_{};
};

} // namespace cellwright::cli
