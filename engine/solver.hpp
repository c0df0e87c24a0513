#pragma once

#include "engine/engine_state.hpp"

#include <cstdint>
#include <string_view>

namespace cellwright {

// What a solver pass needs from its owner: the backup of the board before each
// guess, the message line, and the clean-up of the backups. The window keeps
// backups as files beside the program; the headless solver may keep them in
// memory. Save and load report their own failures on the message line
// ("Error saving board" / "Error loading board", flashing) and return false.
class SolverHost {
  public:
    virtual bool saveBackup(std::int16_t level, const Board& arr) = 0;
    virtual bool loadBackup(std::int16_t level, Board& arr) = 0;
    virtual void deleteBackups() = 0;
    virtual void showMessage(std::string_view msgval, bool flashit) = 0;
    // Told after a guess has been placed on the board; for statistics.
    virtual void guessPlaced() {}
    // Whether a loadBackup that fails leaves the board untouched (a file read
    // that breaks off has already changed some cells).
    virtual bool keepsBoardWhenLoadFails() const { return false; }

  protected:
    ~SolverHost() = default;
};

// One solver pass. Returns true when solving has come to an end: the board is
// solved, unsolvable, the guess limit is reached, or a backup failed.
//
// A backup that cannot be written stops the search before the guess is placed
// (board, depth and stack unchanged), and one that cannot be read back stops it
// too: going on could report a solvable board unsolvable, or solve a board that
// no longer holds the user's givens.
bool solveBoard(EngineState& state, SolverHost& host);

// The same pass for a loop that reads no marks until its last pass: the marks
// are only written where they could be read (by that last pass, or by the
// next one when it stops at the guess limit), and then exactly as solveBoard
// leaves them. Board, guesses, backups and messages are those of solveBoard.
// Only for a host that keeps the board when a load fails.
bool solveBoardQuietly(EngineState& state, SolverHost& host);

// Fills, in one row-major sweep, every empty cell that has a single candidate
// when the sweep reaches it (digits placed earlier in the sweep count).
void solveSimpleCells(Board& arr);

} // namespace cellwright
