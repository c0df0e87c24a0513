#pragma once

#include "engine/solver.hpp"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

namespace cellwright {

// A solver owner without a window: keeps the last message shown and counts what
// the search did. Backups are kept by the subclasses.
class HeadlessHost : public SolverHost {
  public:
    struct Counts {
        std::int64_t guesses = 0;
        std::int64_t backouts = 0; // back-outs that reloaded a backup
    };

    HeadlessHost() = default;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;
    virtual ~HeadlessHost() = default;

    void showMessage(std::string_view msgval, bool /*flashit*/) override { message_ = msgval; }
    void guessPlaced() override { ++counts_.guesses; }

    const std::string& message() const { return message_; }
    const Counts& counts() const { return counts_; }

  protected:
    void countBackout() { ++counts_.backouts; }

  private:
    std::string message_;
    Counts counts_;
};

// Backups held in memory: the same contents, written and read at the same
// moments as the window's backup files, without touching the disk.
class MemoryBackups final : public HeadlessHost {
  public:
    bool saveBackup(std::int16_t level, const Board& arr) override;
    bool loadBackup(std::int16_t level, Board& arr) override;
    void deleteBackups() override { present_.reset(); }
    bool keepsBoardWhenLoadFails() const override { return true; }

  private:
    std::array<Board, kMaxGuessDepth + 1> saved_{}; // layer 0 only is used
    std::bitset<kMaxGuessDepth + 1> present_;
};

struct SolveResult {
    std::int64_t passes = 0;
    std::int16_t maxDepth = 0;
};

// What the "Solve" button does after copying the grid: passes until one says
// solving has ended. Quiet passes where the host allows them; the outcome is
// the same.
SolveResult solveToEnd(EngineState& state, SolverHost& host);

} // namespace cellwright
