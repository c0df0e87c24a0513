#pragma once

#include "engine/messages.hpp"

#include <cstdint>
#include <string_view>

namespace cellwright {

// How a search ended.
enum class Verdict : std::uint8_t {
    Solved,
    Unsolvable,
    GuessLimit,      // more guesses in force than the guess stack holds
    BackupNotSaved,  // the board before a guess could not be backed up
    BackupNotLoaded, // a backup could not be read back to leave a guess
};

// The message line's text for a verdict.
constexpr std::string_view messageOf(Verdict verdict) {
    switch (verdict) {
    case Verdict::Solved:
        return kBoardSolved;
    case Verdict::Unsolvable:
        return kBoardUnsolvable;
    case Verdict::GuessLimit:
        return kGuessLimitReached;
    case Verdict::BackupNotSaved:
        return kErrorSavingBoard;
    case Verdict::BackupNotLoaded:
        return kErrorLoadingBoard;
    }
    return {};
}

} // namespace cellwright
