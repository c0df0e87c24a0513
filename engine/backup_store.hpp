#pragma once

#include "engine/engine_state.hpp"
#include "engine/solver.hpp"

#include <array>
#include <bitset>
#include <cstdint>

namespace cellwright {

// The boards saved before each guess, by guess level, held in memory: the same
// contents a backup file would hold (layer 0 only is used).
class BackupStore {
  public:
    static bool isLevel(std::int16_t level) { return level >= 0 && level <= kMaxGuessDepth; }

    // False for a level outside the guess stack.
    bool save(std::int16_t level, const Board& arr) {
        if (!isLevel(level))
            return false;
        saved_[level].copyDigitsFrom(arr);
        present_.set(level);
        return true;
    }
    // False when nothing is saved for the level; arr is then untouched.
    bool load(std::int16_t level, Board& arr) const {
        if (!has(level))
            return false;
        arr.copyDigitsFrom(saved_[level]);
        return true;
    }
    bool has(std::int16_t level) const { return isLevel(level) && present_.test(level); }
    const Board& board(std::int16_t level) const { return saved_[level]; }
    void clear() { present_.reset(); }

  private:
    std::array<Board, kMaxGuessDepth + 1> saved_{};
    std::bitset<kMaxGuessDepth + 1> present_;
};

// Backups held in memory: the same contents, written and read at the same
// moments as the window's backup files, without touching the disk.
class MemoryBackups final : public SolverHost {
  public:
    bool saveBackup(std::int16_t level, const Board& arr) override {
        return store_.save(level, arr);
    }
    bool loadBackup(std::int16_t level, Board& arr) override { return store_.load(level, arr); }
    bool deleteBackups() override {
        store_.clear();
        return true;
    }

  private:
    BackupStore store_;
};

} // namespace cellwright
