#pragma once

#include "engine/cell_set.hpp"
#include "engine/engine_state.hpp"
#include "engine/verdict.hpp"

#include <cstdint>

namespace cellwright {

// Where a solver pass keeps the board from before each guess: files beside
// the window, or memory for the headless solver. Each operation says whether
// it succeeded; a load that fails leaves the board as it was.
class SolverHost {
  public:
    virtual ~SolverHost() = default;
    virtual bool saveBackup(std::int16_t level, const Board& arr) = 0;
    virtual bool loadBackup(std::int16_t level, Board& arr) = 0;
    virtual bool deleteBackups() = 0;
};

enum class PassAction : std::uint8_t {
    Fill,    // filled the cells that had a single candidate
    Guess,   // placed a guess
    BackOut, // left the current guess level, reloading the board of the one below
    End,     // ended the search: see the verdict
};

// What one pass did.
struct PassReport {
    PassAction action = PassAction::Fill;
    Verdict verdict = Verdict::Solved; // End only
    // Fill: the cells filled; their digits are on the board.
    CellSet filled;
    // The guess this pass placed, if any (cell -1 when none): at which level,
    // where, which digit, and the cell's candidates, the digit among them. A
    // pass that places a cell's last candidate also leaves its level, or ends
    // the search; it still reports the guess.
    std::int16_t level = 0;
    std::int16_t cell = -1;
    std::int16_t digit = 0;
    Board::Mask candidates = 0;
    // The pass left its level and reloaded (or failed to reload) a backup.
    bool backedOut = false;

    bool ended() const { return action == PassAction::End; }
    bool guessed() const { return cell >= 0; }
    bool operator==(const PassReport&) const = default;
};

// One solver pass; solving has come to an end when it reports End: the board
// is solved or unsolvable, the guess limit is reached, or a backup failed.
//
// A backup that cannot be written stops the search before the guess is placed
// (board, depth and stack unchanged), and one that cannot be read back stops it
// too: going on could report a solvable board unsolvable, or solve a board that
// no longer holds the user's givens.
PassReport solveBoard(EngineState& state, SolverHost& host);

// The same pass for a loop that reads no marks until its last pass: the marks
// are only written where they could be read (by that last pass, or by the
// next one when it stops at the guess limit), and then exactly as solveBoard
// leaves them. Board, guesses, backups and reports are those of solveBoard.
PassReport solveBoardQuietly(EngineState& state, SolverHost& host);

} // namespace cellwright
