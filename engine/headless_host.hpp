#pragma once

#include "engine/backup_store.hpp"
#include "engine/solver.hpp"

#include <cstdint>
#include <functional>
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
    void deleteBackups() override { store_.clear(); }
    bool keepsBoardWhenLoadFails() const override { return true; }

  private:
    BackupStore store_;
};

struct SolveResult {
    std::int64_t passes = 0;
    std::int16_t maxDepth = 0;
    bool stopped = false; // keepGoing said no before solving came to an end
};

// What the "Solve" button does after copying the grid: passes until one says
// solving has ended. Quiet passes where the host allows them; the outcome is
// the same. A long search asks keepGoing, if given, every few thousand passes
// (between two passes) whether to go on.
SolveResult solveToEnd(EngineState& state, SolverHost& host,
                       const std::function<bool()>& keepGoing = {});

} // namespace cellwright
